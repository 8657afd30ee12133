#pragma once
// The public display: what the pilots crowding the stand read on a second
// screen. Computed here from the meeting, drawn by the ui; it never changes the
// meeting. Texts are Windows-1252 like the rest of the core.

#include "shell/tableau.h"

#include <cstdint>
#include <string>
#include <vector>

struct EtatGlobal;

// The state of an entry as the board's legend names it.
enum class EtatPublic { Libre, Bloquee, Intermodulee, Sortie, HorsTemps };

struct CasePublique {
    int32_t Frequence = 0;
    std::string Libelle;           // "35.010 k60", "2.4 GHz"
    EtatPublic Etat = EtatPublic::Libre;
    AspectBouton Aspect{};         // the board's picture and text colour
    int32_t Fiche = 0;             // the card out on it, 0 when none (free service)
    std::string Nom;               // its pilot's name
    std::string Duree;             // time out "mm:ss", empty when not out
    std::string Detail;            // the cell's second line while out: the card and the time
};

// The cell's second line with the first `lettres` characters of the pilot's name
// (cut with an ellipsis), for as many as the cell can hold; 0 gives Detail.
std::string DetailAvecNom(const CasePublique& c, std::size_t lettres);

struct LignePublique {
    int32_t Numero = 0;
    std::string Nom;
    std::string Frequence;
    int32_t Khz = 0;               // the frequency itself, to find its cell
};

// How many pilots the waiting list and the plan name.
constexpr int NB_SUIVANTS_PUBLICS = 8;

struct VuePublique {
    std::string Titre;             // the meeting's name
    std::string Heure;             // "hh:mm"
    std::string Mode;
    std::string TitreSorties;
    std::string Sorties;           // ticker line 1, as it scrolls
    std::vector<CasePublique> Cases;
    // Waiting-list and planned modes only: the heading, the next pilots, and
    // what stands in their place when there are none.
    std::string TitreSuivants;
    std::vector<LignePublique> Suivants;
    std::string SansSuivant;
    std::string ProchainePause;    // planned mode: when the next pause comes
    std::vector<std::string> Legende;   // the board's legend, by EtatPublic

    bool AvecSuivants() const { return !TitreSuivants.empty(); }
};

VuePublique CalculerVuePublique(EtatGlobal& etat);

// How the legend shows each state: the board's picture and label colour for it.
AspectBouton AspectLegende(EtatPublic etat);

// The grid of entries: filled down each column, then right, like the board.
struct GrillePublique {
    int Colonnes = 1;
    int Lignes = 1;
    int Largeur = 0;               // of a cell, pixels
    int Hauteur = 0;
    int Texte = 0;                 // text height in pixels, the same in every cell
};

// The widest line of a cell, in characters: a label, or a card and its time.
constexpr int CARACTERES_CASE = 11;
// The columns that give `nombre` cells the tallest text within `largeur` x
// `hauteur` pixels: two lines a cell, a character about half as wide as high.
GrillePublique DisposerGrille(int nombre, int largeur, int hauteur);

// The screen to propose among `ecrans` (names): the one kept in the settings
// when it is there, else the first one that is not the stand's own.
int EcranPropose(const std::vector<std::string>& ecrans, const std::string& enregistre, int principal);
