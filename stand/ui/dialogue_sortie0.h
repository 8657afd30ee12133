#pragma once
// DIALSORTIR0, the view: six band lists at their places, SORTIR and Abandon.

#include "stand/sortie_libre.h"

#include <QDialog>

#include <map>

class QListWidget;
struct EtatGlobal;

class DialogueSortie0 : public QDialog {
public:
    explicit DialogueSortie0(EtatGlobal& etat, QWidget* parent = nullptr);

    QListWidget* Liste(int controle) const;

private:
    void Choisie(int controle);
    void Sortir(int ligne);
    int LigneCourante() const;

    SortieLibre presentateur_;
    std::map<int, QListWidget*> listes_;
    bool vidage_ = false;
};

// Opens DIALSORTIR0 modally: 1 after SORTIR or a double click, 0 after Abandon or Escape.
int OuvrirSortie0(EtatGlobal& etat, QWidget* parent);
