#pragma once
// IMPORTDLG: the file to import, the import, and the lines in error when any.

#include "cards/echange.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
struct EtatGlobal;

class DialogueImport : public QDialog {
public:
    explicit DialogueImport(EtatGlobal& etat, QWidget* parent = nullptr);

protected:
    void reject() override;

private:
    void Importer();

    EtatGlobal& etat_;
    QLineEdit* chemin_ = nullptr;
    QLabel* resultat_ = nullptr;
    QListWidget* erreurs_ = nullptr;
};

int OuvrirImport(EtatGlobal& etat, QWidget* parent);
