#pragma once
// DIALSORTIR0: the exit in free service. One list per band in use, placed at
// fixed x positions; the operator picks a frequency and the transmitter leaves
// without a card when nothing forbids it.

#include "engine/listes_bandes.h"

#include <array>
#include <optional>
#include <vector>

constexpr int Y_LISTES_BANDES = 18;

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
