#pragma once
// DIALPILOTES and LECTURE without their windows: the list of the registered
// pilots in the operator's order, what can be done with a card (see it, change
// it, copy it, stop its pilot, delete it), and the view of one card.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct EtatGlobal;
struct FicheVol;

constexpr int SUJET_AIDE_LISTE_FICHES = 20;
constexpr int SUJET_AIDE_CONFIRMATION = 23;
constexpr int SUJET_AIDE_AUCUNE_FICHE = 7;

// A command the main window runs at once (205, 207, 210, 280, 1006): the list
// opens the card view, the card form and the printing through them.
using CommandeFenetre = std::function<void(int)>;
// The card view's IMPRIMER, the card FicheCourante (the main window's 1006).
constexpr int COMMANDE_IMPRIMER_CARTE = 1006;

struct LignePilote {
    int32_t Numero = 0;
    std::string Texte;   // six columns separated by tabs, Windows-1252
    std::string Nom;     // the pilot's, as the operator types it to find the line
};

struct VuePilotes {
    std::vector<LignePilote> Lignes;
    bool ActionsActives = false;    // 540 to 544 and 901
    std::string NbFiches;           // 903
    std::string NbArretes;          // 907
    std::string Date;               // 902, "dd MM yy"
    std::string Temps;              // 906
    std::string Ecart;              // 904, "ON" or "OFF"
    std::string Intermodulation;    // 905
};

enum class SuitePilotes { Rester, Fermer };

class ListePilotes {
public:
    // Filled at once; no pilot card at all says so (string 3).
    ListePilotes(EtatGlobal& etat, CommandeFenetre commande);

    const VuePilotes& Vue() const { return vue_; }

    // The actions on line `ligne` of the list (-1: none selected, nothing done).
    SuitePilotes Details(int ligne);
    SuitePilotes Modifier(int ligne);
    SuitePilotes Dupliquer(int ligne);
    SuitePilotes FinsVols(int ligne);
    // Closing after a refusal: the dialog's result is then 0.
    SuitePilotes Supprimer(int ligne);
    SuitePilotes Nouvelles();
    void Imprimer();

private:
    void Remplir();
    int32_t NumeroDe(int ligne) const;
    SuitePilotes Commande(int ligne, int commande);

    EtatGlobal& etat_;
    CommandeFenetre commande_;
    VuePilotes vue_;
};

// A list line: " %03u", name padded to 12, frequency, flights, transmit time,
// model or "<<< ARRET >>>".
std::string LigneDePilote(const EtatGlobal& etat, const FicheVol& fiche);

// Every plan and waiting-list node of a card leaves its list (the ranks behind
// move up, the card's planned count follows); the flights out are then
// re-attached to their new ranks.
void RetirerNoeudsDeFiche(EtatGlobal& etat, int32_t numero);

// --- LECTURE ------------------------------------------------------------------
enum class Bouton425 { Cache, Sorti, Reprise };

struct VueLecture {
    std::string Numero;        // painted, "%03u"
    std::string Nom;           // painted
    std::string Frequence;     // painted, the entry's label with its channel
    std::string Licence;       // 414
    std::string Modele;        // 417
    std::string Remarques;     // 418
    std::string NbVols;        // 419
    std::string Cumul;         // 420
    Bouton425 Reprise = Bouton425::Cache;
};

class Lecture {
public:
    // The card FicheCourante.
    explicit Lecture(EtatGlobal& etat);
    const VueLecture& Vue() const { return vue_; }
    // "Reprise": the stopped pilot may fly again.
    void Reprendre();

private:
    EtatGlobal& etat_;
    VueLecture vue_;
};
