#pragma once
// DIALPILOTES, the view: the registered pilots in columns, their counts, the
// state of the checks, and the actions on the selected card.

#include "cards/liste_fiches.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTreeWidget;
struct EtatGlobal;

class DialogueListeFiches : public QDialog {
public:
    // `commande` runs a command of the main window (the card view, the form).
    DialogueListeFiches(EtatGlobal& etat, CommandeFenetre commande, QWidget* parent = nullptr);

    QTreeWidget* Liste() const { return liste_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void Afficher();
    int LigneChoisie() const;
    void Suite(SuitePilotes s);

    EtatGlobal& etat_;
    ListePilotes presentateur_;
    QTreeWidget* liste_ = nullptr;
    std::vector<QPushButton*> actions_;
};

int OuvrirListeFiches(EtatGlobal& etat, CommandeFenetre commande, QWidget* parent);
