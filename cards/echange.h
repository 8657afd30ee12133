#pragma once
// Card exchange files: the import of a spreadsheet's tab-separated text, checked
// whole before any card is made, and the export of the pilot cards in the same
// layout.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct EtatGlobal;

constexpr int SUJET_AIDE_IMPORT = 55;

// Limits of the fields kept from a line (bytes of Windows-1252).
constexpr std::size_t IMPORT_NOM = 23;
constexpr std::size_t IMPORT_FREQUENCE = 15;
constexpr std::size_t IMPORT_LICENCE = 15;
constexpr std::size_t IMPORT_MODELE = 127;
constexpr std::size_t IMPORT_REMARQUES = 253;

// A frequency of an exchange file: kHz ("35010"), MHz with a point or a comma
// ("35.010", "35,010"), or "2.4 GHz"; snapped to the 5 kHz grid, 2.4 GHz as
// 2400000. Nothing for anything else, or a frequency in no band.
std::optional<int32_t> LireFrequenceEchange(std::string_view texte);

// One record of the file: its line number (the header is line 1) and its fields.
struct LigneEchange {
    int Ligne = 0;
    std::vector<std::string> Champs;   // Windows-1252
    bool Illisible = false;            // a character the records cannot hold
    bool GuillemetOrphelin = false;    // a quoted field opened here never closes
};

// The records after the header: UTF-8 (with or without its mark) when the whole
// file is, else Windows-1252; CR LF, LF or CR; fields in double quotes as
// spreadsheets write them (a quote that does not close such a field is a
// character, a quoted field that never closes is its line's error); blank lines
// skipped. Nothing when the header has fewer than four TABs.
std::optional<std::vector<LigneEchange>> LireFichierEchange(std::string_view octets);

struct ResultatImport {
    bool Incompatible = false;          // string 88 has been shown
    int Importees = 0;
    std::vector<std::string> Erreurs;   // the lines of list 747, Windows-1252
};

// The whole import of a file's bytes: the check pass, then when nothing is
// wrong the cards, the frequencies added to the plan, the plan rebuilt.
ResultatImport ImporterFiches(EtatGlobal& etat, std::string_view octets);
// The result line 741.
std::string TexteResultatImport(const EtatGlobal& etat, const ResultatImport& r);

// The export file's bytes: the header, then one line per pilot card.
std::string TexteExport(const EtatGlobal& etat);

// IMPORTDLG without its window.
std::optional<std::string> ParcourirImport(EtatGlobal& etat);
// The file at `chemin` (UTF-8): unreadable is string 88.
ResultatImport ImporterFichier(EtatGlobal& etat, const std::string& chemin);
// "Terminé": the meeting file is rewritten.
void FermerImport(EtatGlobal& etat);

// Command 435: a file asked for, then written; a failure is said.
void ExporterFiches(EtatGlobal& etat);
