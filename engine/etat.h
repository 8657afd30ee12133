#pragma once
// EtatGlobal: the whole meeting and the run-time state of the stand. One instance
// per run, owned by main (or by a test) and passed by reference everywhere.

#include "engine/enregistrements.h"
#include "engine/index_frequences.h"
#include "engine/plateforme.h"
#include "engine/texte_fixe.h"

#include <array>
#include <cstdint>
#include <list>
#include <memory>
#include <string>
#include <vector>

constexpr int NB_BANDES = 6;
constexpr int TAILLE_INDEX_FICHES = 3000;   // pilots, the pause, remarks
constexpr int TAILLE_CATALOGUE = 216;

class VerrouFichier;

struct Contraintes {
    int32_t Ecart20kHz = 1;
    int32_t ControleIntermodulation = 1;
    int32_t TempsLimite = 0;
    int32_t DureeMaxSecondes = 300;
    int32_t LimiteEmissions = 0;
    int32_t NbMaxEmissions = 5;
};

// ModeSortie
enum ModeSortieValeur : int32_t {
    ModeLibreService = 0,
    ModeFiches = 1,
    ModeFileAttente = 2,
    ModePlanifie = 3,
};

struct EtatGlobal {
    explicit EtatGlobal(Plateforme& plateforme);
    EtatGlobal(const EtatGlobal&) = delete;
    EtatGlobal& operator=(const EtatGlobal&) = delete;

    Plateforme& Port;

    // --- Frequencies -------------------------------------------------------
    // Exists only while the frequency-plan or import dialogs are open.
    std::vector<EntreeFrequence> CatalogueFrequences;
    // Validated frequencies, ascending. Replace or reorder it only through
    // DefinirPlan / TrierPlan, which keep the engine's index in step.
    std::vector<EntreeFrequence> PlanFrequences;
    std::vector<int32_t> FrequencesTouchees;
    EntreeFrequence EntreeSansFrequence{};
    int NbFrequences() const { return static_cast<int>(PlanFrequences.size()); }

    std::array<int32_t, NB_BANDES> NbParBande{};
    int32_t NbBandesUtilisees = 0;
    int32_t MaxParBande = 0;
    std::array<int32_t, NB_BANDES> NbValidesParBande{};
    int32_t PageGauche = 1;
    int32_t PageDroite = 0;
    std::array<int32_t, 8> NationsChoisies{};

    // --- Cards and plan ------------------------------------------------------
    // Held as lists: insertion at the tail, removal anywhere, addresses stable.
    std::list<FicheVol> Fiches;
    // Cards by number, so that a list of a thousand lines never scans once per
    // line: filled by a lookup that had to scan, emptied when a card goes
    // (RetirerFiche, ViderManifestation), checked on every hit.
    mutable std::vector<const FicheVol*> IndexFiches;
    std::list<EntreePlan> ListePlan;
    int NbFiches() const { return static_cast<int>(Fiches.size()); }
    // The card form works on FicheCourante (modification), or registers it anew (duplication).
    int32_t ModeModification = 0;
    int32_t ModeDuplication = 0;
    // -1: no dictionary wanted; 0: not asked yet, or the last load failed; 1: loaded.
    int32_t EtatDictionnaire = 0;
    std::vector<std::string> MotsDictionnaire;   // Windows-1252, in the popup's order
    int NbEntreesPlan() const;
    int NbEntreesAttente() const;

    // --- Stand -----------------------------------------------------------------
    int32_t ModeSortie = ModeFiches;
    int32_t ModePrecedent = ModeFiches;
    ::Contraintes Contraintes;
    int32_t NbSorties = 0;
    int32_t FicheCourante = 0;
    int32_t VoisinBloquant = 0;
    int32_t CleTri = 0;
    int32_t FrequenceChoisie = 0;
    int32_t SortieDemandee = 0;
    // A card typed on the board: the exit dialog opens on its line, the details
    // of its frequency ask for its return at once. Taken by the dialog that opens.
    int32_t CarteTapee = 0;
    int32_t RetourPropose = 0;
    // A command a dialog asks the main window to run once it has closed (222), 0 for none.
    int32_t CommandeDemandee = 0;
    int32_t NePlusProposer = 0;
    int32_t ResultatConflit = 0;
    TexteFixe<16> MotDePasse;          // at most 12 characters
    TexteFixe<1024> BandeauSorties{" - - - - - - - - "};
    TexteFixe<1024> TexteDefilant2;
    TexteFixe<1024> SourceDefilant2;   // TexteDefilant2 as built, before it scrolled

    // --- Screen, language and main window ---------------------------------------
    int32_t LargeurEcran = 1024;
    int32_t HauteurEcran = 768;
    int32_t DecalageLangue = 0;
    int32_t LargeurBouton = 140;
    int32_t HauteurBouton = 25;
    TexteFixe<64> TitreFenetre;
    std::string CheminAide;            // UTF-8

    // --- Texts and messages ------------------------------------------------
    TexteFixe<250> TexteMessage;
    TexteFixe<128> TexteDetail;
    TexteFixe<254> TexteCourant;
    TexteFixe<256> TexteFiltre;
    int32_t JeuBoutons = 962;
    int32_t SujetAide = 0;
    int32_t MessageAnnule = 0;

    // --- Meeting file and history ----------------------------------------------
    std::string CheminManifestation;   // UTF-8, empty when no file
    std::string CheminSecours;
    std::string TitreFichier;          // Windows-1252, for the window title
    TexteFixe<260> CheminDictionnaire; // UTF-8, as stored in the file
    int32_t SauvegardeActive = 0;
    // The last write of the meeting file (of the backup) failed: it has been said
    // once, and is said again only after a write has succeeded in between.
    int32_t EchecSauvegarde = 0;
    int32_t EchecSecours = 0;
    // The meeting file's lock, held while this program has the file (storage/verrou.h).
    std::shared_ptr<VerrouFichier> Verrou;
    std::string VerrouChemin;          // its lock file (UTF-8)
    // One user action, one write of the meeting file (UneAction, storage/manifestation.h).
    int32_t ActionsEnCours = 0;
    int32_t SauvegardeDifferee = 0;
    std::string ImageEcrite;           // the meeting file's bytes as this program last wrote them
    uint32_t NbEcritures = 0;          // writes of the meeting file in this run
    int32_t QuitterAuDemarrage = 0;
    int32_t HistoriqueAuDemarrage = 1;
    int32_t HistoriqueActif = 0;
    std::string CheminHistorique;      // UTF-8
    TexteFixe<16> DateHistorique;
    TexteFixe<136> TexteEvenement;

    // --- Engine scratch (sized with the plan, never per operation) ---------------
    IndexFrequences Index;
    std::vector<int32_t> Actives;
};

// Lays a new validated plan in: sorts it, sizes FrequencesTouchees with it.
void DefinirPlan(EtatGlobal& etat, std::vector<EntreeFrequence> plan);

// --- Lookups ---------------------------------------------------------------------
EntreeFrequence* ChercheFrequence(EtatGlobal& etat, int32_t frequence);
FicheVol* ChercheFiche(EtatGlobal& etat, int32_t numero, int obligatoire);
// The same lookup where a miss is never fatal: nothing when the card is absent.
const FicheVol* ChercheFiche(const EtatGlobal& etat, int32_t numero);
EntreePlan* ChercheEntreePlan(EtatGlobal& etat, int32_t numero, int32_t etatVol);
EntreePlan* ChercheRangPlan(EtatGlobal& etat, int32_t rang);
// The same rank lookup in one list whatever the mode (the return of a planned flight).
EntreePlan* ChercheRangDansListe(EtatGlobal& etat, int32_t rang, int32_t liste);

// Reports a lookup that had to hit and missed; the program ends (the ui never
// returns from it). Callers return at once.
void SignalerPointeurPerdu(EtatGlobal& etat, const char* fonction);

FicheVol* NouvelleFiche(EtatGlobal& etat);
// A card moves to another validated frequency (the card form's modification, a
// refused card sent out on a free one): the users are counted on the new entry
// and off the old one, the channel follows, and TexteEvenement says it for
// event 9. False when either frequency is not in the plan.
bool ChangerFrequenceFiche(EtatGlobal& etat, FicheVol& fiche, int32_t frequence);
// Removes the card `numero` (a remark leaving the plan, a deleted card).
void RetirerFiche(EtatGlobal& etat, int32_t numero);
EntreePlan* NouvelleEntreePlan(EtatGlobal& etat);
// Takes a node out of its list; the nodes of higher rank in that list move up one.
void RetirerNoeud(EtatGlobal& etat, const EntreePlan& noeud);
int NumeroFicheLibre(const EtatGlobal& etat);
// The highest free remark number, 0 when all thousand are taken.
int NumeroRemarqueLibre(const EtatGlobal& etat);
int FicheExiste(EtatGlobal& etat, int32_t numero);
void ViderManifestation(EtatGlobal& etat);

// Defaults of a new meeting, and the pause card.
void InitialiserManifestation(EtatGlobal& etat);
void CreerFichePause(EtatGlobal& etat);
