#pragma once
// The flight plan: its entries (flights, pauses, remarks) in rank order, the
// check that flags a planned flight that cannot fly with those just before it,
// the editor DIALPLAN without its window, and the clearing of the whole plan.

#include "cards/liste_fiches.h"

#include <cstdint>
#include <string>
#include <vector>

struct EtatGlobal;
struct EntreePlan;
struct Contraintes;

// Problemes of a waiting flight.
constexpr int32_t PROBLEME_MEME = 2;        // the same frequency or pilot in the window
constexpr int32_t PROBLEME_VOISINE = 4;     // closer than 20 kHz to one of the window
constexpr int32_t PROBLEME_MODULEE = 8;     // a product of two flights of the window
constexpr int32_t PROBLEME_MODULERA = 16;   // with one of the window, a product on another, or 455 kHz away

constexpr int SUJET_AIDE_PLAN = 30;
constexpr std::size_t LONGUEUR_REMARQUE_PLAN = 127;
constexpr int TAILLE_FENETRE_MAX = 99;

enum class GenreNoeud { Vol, Pause, Remarque };
GenreNoeud GenreDe(int32_t numeroFiche);

// One flight of the check window: slot 0 is the flight under test, the others
// those before it, the most recent first. An empty slot is all zero.
struct Emplacement {
    int32_t Frequence = 0;
    int32_t Numero = 0;
};
int32_t VerifierFenetre(const std::vector<Emplacement>& fenetre, const Contraintes& contraintes);

// N of the window: the meeting's maximum of transmitters, 5 for 0 or less, at most 99.
int TailleFenetre(const EtatGlobal& etat);
// The plan's nodes in rank order.
// Problemes of every waiting or flying plan node, from a window of `taille` flights.
void VerifierPlan(EtatGlobal& etat, int taille);

struct LignePlan {
    int32_t Numero = 0;
    std::string Texte;    // Windows-1252; a pause reads as 999, a remark as its number
    std::string Image;
    std::string Nom;      // a flight's pilot, as the operator types it to find the line
};
LignePlan LigneDuPlan(const EtatGlobal& etat, const EntreePlan& noeud);

// Command 213: refused while a flight is in progress, asked, then every plan
// node goes (remark cards with them). The waiting list stays.
void EffacerPlan(EtatGlobal& etat);

// A menu item: a separator, a text of the string table, or a card's own text.
struct ElementMenuPlan {
    int Commande = 0;      // 0: separator
    int Texte = 0;         // string number, 0 when Libelle is the text
    std::string Libelle;   // Windows-1252
    bool Coche = false;
};

enum CommandePlan {
    PLAN_MONTER = 1000,
    PLAN_DESCENDRE = 1001,
    PLAN_SUPPRIMER = 1002,
    PLAN_AJOUTER = 1003,
    PLAN_PAUSE = 1004,
    PLAN_IMPRIMER = 1005,
    PLAN_MODIFIER = 1007,
    PLAN_REMARQUE = 1008,
    PLAN_COMMENTER = 1009,
    PLAN_REPRISE = 1012,
    PLAN_ETAT = 5000,
    PLAN_FICHE = 2000,     // 2000 + the card's number
};

class EditeurPlan {
public:
    // No pilot card to plan: said (string 3); the editor closes with 0 at once.
    EditeurPlan(EtatGlobal& etat, CommandeFenetre commande);

    bool Ferme() const { return ferme_; }
    const std::vector<LignePlan>& Lignes() const { return lignes_; }
    // The line to select after the last action, -1 for none.
    int Selection() const { return selection_; }
    // 1012 is offered once the last entry is in progress or done.
    bool RepriseVisible() const { return repriseVisible_; }

    // A button or a menu command on line `ligne` (-1: none selected). True when
    // the add menu must be shown now (Ajouter with nothing against it).
    bool Executer(int commande, int ligne);
    std::vector<ElementMenuPlan> MenuAjout() const;
    // The menu of a double-clicked line (a passed pause beeps first).
    std::vector<ElementMenuPlan> MenuLigne(int ligne);

    // "Terminé": the flights out follow the ranks.
    void Fermer();

private:
    void Rafraichir();
    void Renumeroter();
    EntreePlan* Noeud(int ligne) const;
    bool AucunPilote() const;
    bool Fige(const EntreePlan* noeud) const;
    bool SequenceExecutee(int position) const;
    int PositionApres(int ligne) const;
    void Echanger(int ligne, int autre);
    void Monter(int ligne);
    void Descendre(int ligne);
    void Supprimer(int ligne);
    bool Ajouter(int ligne);
    void AjouterFiche(int ligne, int32_t numero);
    void InsererPause(int ligne);
    void InsererRemarque(int ligne);
    void Modifier(int ligne);
    void Commenter(int ligne);
    void Reprendre();
    EntreePlan* Inserer(int ligne, int32_t numero);

    EtatGlobal& etat_;
    CommandeFenetre commande_;
    int taille_ = 5;
    std::vector<EntreePlan*> noeuds_;
    std::vector<LignePlan> lignes_;
    int selection_ = -1;
    bool repriseVisible_ = false;
    bool ferme_ = false;
};
