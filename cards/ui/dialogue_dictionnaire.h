#pragma once
// DIALFICDICO: which text file holds the model types, or none.

#include <QDialog>

class QCheckBox;
class QLineEdit;
struct EtatGlobal;

class DialogueDictionnaire : public QDialog {
public:
    explicit DialogueDictionnaire(EtatGlobal& etat, QWidget* parent = nullptr);

protected:
    // No way out but OK.
    void reject() override {}

private:
    EtatGlobal& etat_;
    QLineEdit* chemin_ = nullptr;
    QCheckBox* sans_ = nullptr;
};

int OuvrirDictionnaire(EtatGlobal& etat, QWidget* parent);
