#pragma once
// DIALSORTIR and the waiting-list DIALSORTIR2 without their windows: the cards
// on the ground, each with the light of its frequency, and their exit; the
// queue taken in order, fed, and emptied line by line.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct EtatGlobal;
struct EntreePlan;
struct FicheVol;

constexpr int LISTE_PRINCIPALE = 920;   // the cards (DIALSORTIR), the queue (DIALSORTIR2)
constexpr int LISTE_AUTRES = 923;       // the other cards on the ground (DIALSORTIR2)

struct LigneCarte {
    int32_t Numero = 0;
    std::string Texte;    // Windows-1252
    std::string Image;    // FEUVERT or FEUROUGE
};

// Whether the card's frequency forbids an exit now: the light of its line. A
// 2.4 GHz card is stopped when no slot is free.
bool CarteBloquee(EtatGlobal& etat, const FicheVol& fiche);

// DIALSORTIR
class SortieFiches {
public:
    // Nothing to list has been said (string 3 or 51): the dialog closes with 0 at once.
    explicit SortieFiches(EtatGlobal& etat);
    bool Vide() const { return lignes_.empty(); }
    const std::vector<LigneCarte>& Lignes() const { return lignes_; }
    // SORTIR or a double click: the dialog's result, nothing without a line.
    std::optional<int> Sortir(int ligne);

private:
    EtatGlobal& etat_;
    std::vector<LigneCarte> lignes_;
};

// DIALSORTIR2 in waiting-list mode
class SortieAttente {
public:
    explicit SortieAttente(EtatGlobal& etat);
    bool Vide() const { return file_.empty() && autres_.empty(); }
    const std::vector<LigneCarte>& File() const { return file_; }
    const std::vector<LigneCarte>& Autres() const { return autres_; }
    // Caption 922: string 53 with the number of queue lines.
    std::string Entete() const;
    // SORTIR or a double click on line `ligne` of list `liste` (920 or 923).
    std::optional<int> Sortir(int liste, int ligne);
    // 924, "Annuler sélection": only a line of the queue; a beep otherwise.
    std::optional<int> Retirer(int liste, int ligne);

private:
    EntreePlan* NoeudDeLigne(int ligne) const;

    EtatGlobal& etat_;
    std::vector<LigneCarte> file_;
    std::vector<LigneCarte> autres_;
    bool vide_ = false;
};
