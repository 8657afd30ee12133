#pragma once
// DIALNATIONS: the nations whose frequencies the plan takes.

#include <QDialog>

struct EtatGlobal;

class DialogueNations : public QDialog {
public:
    explicit DialogueNations(EtatGlobal& etat, QWidget* parent = nullptr);

private:
    void Ok();

    EtatGlobal& etat_;
};
