#pragma once
// DIALSORTIR0: the exit in free service. One list per band in use, placed at
// fixed x positions; the operator picks a frequency and the transmitter leaves
// without a card when nothing forbids it.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct EtatGlobal;

// Lists 408 to 412 and 427, one per band in band order.
constexpr std::array<int, 6> CONTROLES_BANDES = {408, 409, 410, 411, 412, 427};
constexpr int Y_LISTES_BANDES = 18;

struct LigneListeBande {
    int32_t Frequence = 0;   // the band entry 2400000 for the 2.4 GHz line
    std::string Texte;       // LibelleEntree, Windows-1252
    bool Alerte = false;     // drawn in the alert colour
};

struct ListeBande {
    int Controle = 0;
    bool Visible = false;
    int X = 0;               // dialog pixels
    int Y = Y_LISTES_BANDES;
    std::vector<LigneListeBande> Lignes;
};

class SortieLibre {
public:
    explicit SortieLibre(EtatGlobal& etat);

    const std::array<ListeBande, 6>& Listes() const { return listes_; }
    // A line was selected in control `controle`: it becomes the current list (none
    // for a control that is not a band list). Returns the lists to clear.
    std::vector<int> Selection(int controle);
    int ListeCourante() const { return courante_; }
    // SORTIR or a double click, with the selected line of the current list (-1 none).
    // The dialog's result, or nothing when it stays open.
    std::optional<int> Sortir(int ligne);

private:
    EtatGlobal& etat_;
    std::array<ListeBande, 6> listes_;
    int courante_ = 0;
};
