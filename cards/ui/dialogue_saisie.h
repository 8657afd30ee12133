#pragma once
// SAISIE, the view: the six band lists, the numbers in use, the card's fields,
// the painted number and frequency, and the dictionary popup of the model field.

#include "cards/saisie.h"

#include <QDialog>

#include <functional>
#include <map>

class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;
struct EtatGlobal;

class DialogueSaisie : public QDialog {
public:
    explicit DialogueSaisie(EtatGlobal& etat, QWidget* parent = nullptr);

    QListWidget* Liste(int controle) const;
    // Chooses in the dictionary popup; tests replace it. The index of the word, -1 for none.
    std::function<int(QMenu&)> ChoixMot;

protected:
    void paintEvent(QPaintEvent*) override;
    bool eventFilter(QObject* objet, QEvent* e) override;
    void reject() override;
    void closeEvent(QCloseEvent* e) override;

private:
    void Choisie(int controle);
    void Inserer();
    ChampsSaisie Champs() const;
    void Fin(std::optional<int> resultat);

    EtatGlobal& etat_;
    Saisie presentateur_;
    std::map<int, QListWidget*> listes_;
    QLineEdit* numero_ = nullptr;
    QLineEdit* nom_ = nullptr;
    QLineEdit* licence_ = nullptr;
    QLineEdit* modele_ = nullptr;
    QPlainTextEdit* remarques_ = nullptr;
    QPushButton* inserer_ = nullptr;
    bool vidage_ = false;
};

// Asks for the dictionary first when it must (DIALFICDICO), then opens SAISIE modally.
int OuvrirSaisie(EtatGlobal& etat, QWidget* parent);
