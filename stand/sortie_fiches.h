#pragma once
// DIALSORTIR and the waiting-list DIALSORTIR2 without their windows: the cards
// on the ground, each with the light of its frequency, and their exit; the
// queue taken in order, fed, and emptied line by line.

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
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
    std::string Nom;      // the pilot's, as the operator types it to find the line
};

// The line of card `numero` in `lignes`, -1 when it has none.
int LigneDeCarte(const std::vector<LigneCarte>& lignes, int32_t numero);

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
    // The line selected on opening: the card typed on the board, else the first.
    int LigneInitiale() const { return initiale_; }
    // SORTIR or a double click: the dialog's result, nothing without a line.
    std::optional<int> Sortir(int ligne);

private:
    EtatGlobal& etat_;
    std::vector<LigneCarte> lignes_;
    int initiale_ = 0;
};

// What DIALSORTIR2 shows and does, in waiting-list or in planned mode: a
// heading, the main list (920), the other cards (923), SORTIR and 924.
class SortieDeuxListes {
public:
    virtual ~SortieDeuxListes() = default;
    // Nothing to list has been said: the dialog closes with 0 at once.
    virtual bool Vide() const = 0;
    virtual std::string Entete() const = 0;
    virtual const std::vector<LigneCarte>& Principale() const = 0;
    virtual const std::vector<LigneCarte>& Autres() const = 0;
    // SORTIR or a double click on line `ligne` of list `liste` (920 or 923):
    // the dialog's result, nothing when it stays open.
    virtual std::optional<int> Sortir(int liste, int ligne) = 0;
    // 924, "Annuler sélection": only a line of the main list; a beep otherwise.
    virtual std::optional<int> Annuler(int liste, int ligne) = 0;
    // The list and line selected on opening: the card typed on the board, else
    // the first line of the main list (its list is 0 when there is none).
    std::pair<int, int> SelectionInitiale() const { return initiale_; }

protected:
    // Once the lists are made: the card typed on the board (CarteTapee) is taken.
    void ChoisirInitiale(EtatGlobal& etat);

private:
    std::pair<int, int> initiale_{0, -1};
};

// DIALSORTIR2 in waiting-list mode
class SortieAttente : public SortieDeuxListes {
public:
    explicit SortieAttente(EtatGlobal& etat);
    bool Vide() const override { return file_.empty() && autres_.empty(); }
    const std::vector<LigneCarte>& File() const { return file_; }
    const std::vector<LigneCarte>& Principale() const override { return file_; }
    const std::vector<LigneCarte>& Autres() const override { return autres_; }
    // Caption 922: string 53 with the number of queue lines.
    std::string Entete() const override;
    std::optional<int> Sortir(int liste, int ligne) override;
    // The queue line leaves the queue.
    std::optional<int> Retirer(int liste, int ligne);
    std::optional<int> Annuler(int liste, int ligne) override { return Retirer(liste, ligne); }

private:
    EntreePlan* NoeudDeLigne(int ligne) const;

    EtatGlobal& etat_;
    std::vector<LigneCarte> file_;
    std::vector<LigneCarte> autres_;
    bool vide_ = false;
};
