#pragma once
// "FenBut": one frequency of the board, painted by its state. Its objectName is
// the entry's index.

#include "shell/tableau.h"

#include <QColor>
#include <QWidget>

#include <functional>

struct EtatGlobal;

class BoutonFrequence : public QWidget {
public:
    BoutonFrequence(EtatGlobal& etat, int index, std::function<void(int)> clic, QWidget* parent);
    int IndexEntree() const { return index_; }

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    EtatGlobal& etat_;
    int index_;
    std::function<void(int)> clic_;
};

// The board's colour of a frequency's text.
QColor CouleurDuTexte(CouleurTexte couleur);
