#pragma once
// DIALBANDE: the catalogue band by band, validated lines in the highlight colour.

#include "freqplan/editeur_bandes.h"

#include <QDialog>

#include <array>
#include <functional>

class QLabel;
class QListWidget;
struct EtatGlobal;

class DialogueBandes : public QDialog {
public:
    explicit DialogueBandes(EtatGlobal& etat, QWidget* parent = nullptr);

    // Opens DIALFREQMANU and answers its result; a test replaces it to drive
    // the dialog it builds itself.
    std::function<int()> OuvrirSaisieManuelle;

    QListWidget* Liste(int bande) const { return listes_[static_cast<std::size_t>(bande)]; }

private:
    void Remplir();
    std::vector<int32_t> Selection() const;

    EtatGlobal& etat_;
    VueBandes vue_;
    std::array<QListWidget*, NB_BANDES> listes_{};
    std::array<QLabel*, NB_BANDES> comptes_{};
};
