#pragma once
// DIALPLANFREQ and DIALNATIONS without their windows: the organiser's choice of
// frequencies, worked on the catalogue and applied only on "Valider".

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct EtatGlobal;

constexpr int AIDE_PLAN_FREQUENCES = 10;

// Opening and closing of the dialog.
void OuvrirCatalogue(EtatGlobal& etat);
// "Valider": the catalogue becomes the plan in use.
void ValiderPlanFrequences(EtatGlobal& etat);
// "Abandon": the plan in use is left as it is.
void AbandonnerPlanFrequences(EtatGlobal& etat);

// DIALNATIONS: the check boxes as they open, and O.K.
std::array<bool, 8> CasesNations(const EtatGlobal& etat);
void EnregistrerNations(EtatGlobal& etat, const std::array<bool, 8>& cases);
// After O.K.: the national frequencies of the chosen nations, and no other,
// are validated; a frequency in use stays (string 157).
void AppliquerNations(EtatGlobal& etat);

// --- the .frq file ------------------------------------------------------------
struct LigneFrq {
    int32_t Frequence;   // kHz, on the 5 kHz grid, in a band
    int32_t Canal;
};
// Nothing when the file is not a frequency plan.
std::optional<std::vector<LigneFrq>> LireFichierFrq(std::string_view octets);
// The validated records, ascending, "%lu, %u\r\n" each.
std::string TexteFichierFrq(EtatGlobal& etat);
// The lines of a file read: the plan being prepared is exactly them, plus
// what is in use.
void AppliquerFichierFrq(EtatGlobal& etat, const std::vector<LigneFrq>& lignes);

// "Sauvegarder": asks for a name and writes the file. False when cancelled or
// not written.
bool SauverPlanFrequences(EtatGlobal& etat);

enum class ResultatChargement { Annule, Charge, Incompatible };
// "Reprendre": asks for a file and reads it. Incompatible: string 88 shown and
// the catalogue discarded; the dialog must close as cancelled.
ResultatChargement ChargerPlanFrequences(EtatGlobal& etat);
