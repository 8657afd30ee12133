#pragma once
// The meeting file (.mhz) and its backup (.bak): a raw image of the meeting's
// records, rewritten whole after every change that matters.

#include "engine/enregistrements.h"
#include "engine/plateforme.h"
#include "storage/fichier_atomique.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct EtatGlobal;

constexpr int32_t MAGIE_MANIFESTATION = 81245;
constexpr int32_t VERSION_MANIFESTATION = 4;
constexpr std::size_t TAILLE_ENTETE = 316;

// The bytes of the meeting as the file holds them.
std::string ImageManifestation(const EtatGlobal& etat);

// A file taken apart and checked whole before anything of the meeting changes.
struct ManifestationLue {
    int32_t ModeSortie = 1;
    int32_t Ecart20kHz = 1, ControleIntermodulation = 1, TempsLimite = 0, LimiteEmissions = 0;
    int32_t DureeMaxSecondes = 300, NbMaxEmissions = 5;
    std::string MotDePasse;
    std::string CheminDictionnaire;
    std::vector<EntreeFrequence> Plan;
    std::vector<EntreePlan> Noeuds;
    int32_t CleTri = 0;
    std::vector<FicheVol> Fiches;
};
// Nothing when the bytes are not a meeting this program wrote or could have.
std::optional<ManifestationLue> DecoderManifestation(std::string_view octets, uint32_t tick);

// Both say a failure once (which file, and why) until a write works again. The
// meeting file is not written again when it already holds the meeting.
void SauverManifestation(EtatGlobal& etat);
void SauverSecours(EtatGlobal& etat);

// One user action, one write of the meeting file: while one lives, the saves it
// asks are made once, when the outermost ends, so that no file ever holds half
// of an action.
class UneAction {
public:
    explicit UneAction(EtatGlobal& etat);
    ~UneAction();
    UneAction(const UneAction&) = delete;
    UneAction& operator=(const UneAction&) = delete;

private:
    EtatGlobal& etat_;
};

// Within an action, a stretch whose saves are made at once: a modal dialog (a
// series of actions of the operator's own), or quitting. What the action asked
// before is written first.
class SauvegardesImmediates {
public:
    explicit SauvegardesImmediates(EtatGlobal& etat);
    ~SauvegardesImmediates();
    SauvegardesImmediates(const SauvegardesImmediates&) = delete;
    SauvegardesImmediates& operator=(const SauvegardesImmediates&) = delete;

private:
    EtatGlobal& etat_;
    int32_t actions_;
};

// Takes the meeting file `chemin` for this program alone (a lock the system drops
// when the program ends). False, with the message naming who has it, when
// another program, of this user or another, has it open.
bool VerrouillerManifestation(EtatGlobal& etat, const std::string& chemin);
// Lets the file go for other programs (the meeting is closed).
void LibererManifestation(EtatGlobal& etat);
// The message of a file that could not be written.
void SignalerEchecEcriture(EtatGlobal& etat, const std::string& chemin, EchecEcriture echec);
// The meeting written to a file chosen now (the last save failed); false when cancelled.
bool EnregistrerAilleurs(EtatGlobal& etat);
// Reads the meeting path into the meeting; false (the meeting untouched) when
// the file is rejected. Shows nothing.
bool LireManifestation(EtatGlobal& etat);
// Takes a chosen file up: reads it, then puts the transmitters that were out back
// out. A rejected file shows string 88, turns saving off and asks to quit.
bool ReprendreManifestation(EtatGlobal& etat, const std::string& chemin);
void DeriverChemins(EtatGlobal& etat, const std::string& chemin);

// The file dialog with the meeting filter and extension.
DemandeFichier PreparerDialogueFichier(EtatGlobal& etat, int titre, bool enregistrer);
// A file dialog for another kind of file (a plan, a dictionary, cards): its own
// filter and extension; the meeting's filter stays loaded for the next dialogs.
DemandeFichier DemandeAutreFichier(EtatGlobal& etat, std::string titre, int filtre, std::string extension,
                                   bool enregistrer);
// String 63 with today's date as dd_MM_yy.
std::string NomProposeManifestation(EtatGlobal& etat);
// Today as "dd'_'MM'_'yy".
std::string DateSoulignee(EtatGlobal& etat);
// Filter text of the string table, cut at its NULs, as (description, pattern) pairs.
std::vector<std::pair<std::string, std::string>> FiltresDe(std::string_view texteFiltre);

// CREEPASS: the new mode password, its first 12 characters.
void CreerMotDePasse(EtatGlobal& etat);
// The "create" branch of DIALFIC and of quitting without a file: a name for a new
// file, then the mode password. False when the operator cancelled the name.
bool ChoisirNouveauFichier(EtatGlobal& etat);
