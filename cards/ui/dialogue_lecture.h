#pragma once
// LECTURE, the view: one card as it stands, and "Reprise" for a stopped pilot.

#include "cards/liste_fiches.h"

#include <QDialog>

class QPushButton;
struct EtatGlobal;

class DialogueLecture : public QDialog {
public:
    // `commande` runs a command of the main window: IMPRIMER prints the card.
    DialogueLecture(EtatGlobal& etat, CommandeFenetre commande, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void MontrerReprise();

    EtatGlobal& etat_;
    Lecture presentateur_;
    QPushButton* reprise_ = nullptr;
};

int OuvrirLecture(EtatGlobal& etat, CommandeFenetre commande, QWidget* parent);
