#pragma once
// DIALSORTIR and DIALSORTIR2, the views: lists of cards with their lights,
// SORTIR, Abandon, and for the queue or the plan "Annuler sélection".

#include "stand/sortie_fiches.h"

#include <QDialog>

#include <memory>

class QListWidget;
struct EtatGlobal;

class DialogueSortieFiches : public QDialog {
public:
    explicit DialogueSortieFiches(EtatGlobal& etat, QWidget* parent = nullptr);
    // Nothing to list: the message has been shown and the dialog must not open.
    bool Vide() const { return presentateur_.Vide(); }

private:
    void Fin(std::optional<int> resultat);

    SortieFiches presentateur_;
    QListWidget* liste_ = nullptr;
};

// DIALSORTIR2, in waiting-list mode or in planned mode by the meeting's mode.
class DialogueSortie2 : public QDialog {
public:
    explicit DialogueSortie2(EtatGlobal& etat, QWidget* parent = nullptr);
    bool Vide() const { return presentateur_->Vide(); }
    QListWidget* Liste(int controle) const;

private:
    void Choisie(QListWidget* liste);
    // The list holding a selection, the queue first; -1 for none.
    std::pair<int, int> Selection() const;
    void Fin(std::optional<int> resultat);

    std::unique_ptr<SortieDeuxListes> presentateur_;
    QListWidget* file_ = nullptr;
    QListWidget* autres_ = nullptr;
    bool vidage_ = false;
};

// The exit dialogs of modes 1, 2 and 3, opened modally; 0 without opening when there is nothing to list.
int OuvrirSortieFiches(EtatGlobal& etat, QWidget* parent);
int OuvrirSortie2(EtatGlobal& etat, QWidget* parent);
