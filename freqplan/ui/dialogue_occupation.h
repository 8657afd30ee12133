#pragma once
// OCCUPFREQ: the band buttons, then one row per frequency of the band with a
// button per card registered on it and their number.

#include "freqplan/occupation.h"

#include <QDialog>

#include <vector>

class QPushButton;
class QWidget;
struct EtatGlobal;

class DialogueOccupation : public QDialog {
public:
    DialogueOccupation(EtatGlobal& etat, std::function<void(int)> commande, QWidget* parent = nullptr);
    bool Ferme() const { return presentateur_.Ferme(); }
    // Row i of the shown band (objectName 200 + i), its card buttons 300 to 324.
    QWidget* Rangee(int i) const;

private:
    void Afficher();

    EtatGlobal& etat_;
    Occupation presentateur_;
    std::vector<QWidget*> rangees_;
};

int OuvrirOccupation(EtatGlobal& etat, std::function<void(int)> commande, QWidget* parent);
