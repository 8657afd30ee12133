#pragma once
// RENSEIGN, the view: the painted title and state, the cards on the frequency,
// what interferes with it, and the return or exit button.

#include "stand/renseign.h"

#include <QColor>
#include <QDialog>
#include <QRect>

class QLabel;
class QListWidget;
class QPushButton;
struct EtatGlobal;

class DialogueRenseign : public QDialog {
public:
    explicit DialogueRenseign(EtatGlobal& etat, QWidget* parent = nullptr);

    // What is painted, for the tests.
    QString Titre() const { return titre_; }
    QColor CouleurTitre() const { return couleurTitre_; }
    QString TexteEtat() const { return etatTexte_; }
    bool Valide() const { return presentateur_.Valide(); }

protected:
    void paintEvent(QPaintEvent*) override;
    void reject() override;

private:
    void Afficher(const EtatGlobal& etat);
    int LigneChoisie() const;
    void Suite(SuiteRenseign s);

    const EtatGlobal& etat_;
    Renseign presentateur_;
    QString titre_, etatTexte_;
    QColor couleurTitre_;
    QListWidget* utilisateurs_ = nullptr;
    QListWidget* interferences_ = nullptr;
    QLabel* legende641_ = nullptr;
    QLabel* aide806_ = nullptr;
    QPushButton* bouton804_ = nullptr;
};

// Opens RENSEIGN modally on the entry at FrequenceChoisie; always 1. Afterwards the
// board refreshes, sends 201 when SortieDemandee is 1, and runs CommandeDemandee.
int OuvrirRenseign(EtatGlobal& etat, QWidget* parent);
