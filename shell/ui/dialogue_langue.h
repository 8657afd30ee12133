#pragma once
// DIALLANGUE: the language of the program, asked at the very first start.

#include <QDialog>

struct EtatGlobal;

class DialogueLangue : public QDialog {
public:
    DialogueLangue(EtatGlobal& etat, QWidget* parent = nullptr);
};

int OuvrirDialogueLangue(EtatGlobal& etat);
