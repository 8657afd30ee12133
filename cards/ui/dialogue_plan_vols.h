#pragma once
// DIALPLAN, the view: the flight plan's lines with their pictures, the four
// arrows (up, down, add, delete), the add menu and the menu of a line.

#include "cards/plan_vols.h"

#include <QDialog>

#include <functional>

class QListWidget;
class QMenu;
class QPushButton;
struct EtatGlobal;

class DialoguePlanVols : public QDialog {
public:
    DialoguePlanVols(EtatGlobal& etat, CommandeFenetre commande, QWidget* parent = nullptr);
    bool Ferme() const { return presentateur_.Ferme(); }
    QListWidget* Liste() const { return liste_; }
    // Chooses in a menu (the add menu, a line's menu); tests replace it. The command, 0 for none.
    std::function<int(QMenu&)> ChoixMenu;

protected:
    // No cancel: Escape does nothing.
    void reject() override {}
    void closeEvent(QCloseEvent* e) override;

private:
    void Executer(int commande);
    void MenuLigne(int ligne);
    int Choisir(const std::vector<ElementMenuPlan>& elements);
    void Afficher();
    int LigneChoisie() const;

    EtatGlobal& etat_;
    EditeurPlan presentateur_;
    QListWidget* liste_ = nullptr;
    QPushButton* reprise_ = nullptr;
};

int OuvrirPlanVols(EtatGlobal& etat, CommandeFenetre commande, QWidget* parent);
