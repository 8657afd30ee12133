#pragma once
// DIALFIC, the start-up choice of the meeting file.

#include <QDialog>

class QCheckBox;
struct EtatGlobal;

class DialogueFichier : public QDialog {
public:
    DialogueFichier(EtatGlobal& etat, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent*) override;
    void reject() override;

private:
    void Choisir(int choix);

    EtatGlobal& etat_;
    QCheckBox* historique_ = nullptr;
};

// Shows DIALFIC modally; its result is 1 when a meeting file is in use.
int OuvrirDialogueFichier(EtatGlobal& etat, QWidget* parent);
