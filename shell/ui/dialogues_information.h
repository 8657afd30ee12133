#pragma once
// The three fixed information dialogs: ALERTEFIC (started without a file),
// DIALAVERTIR (the legal warning) and ABOUT.

#include <QDialog>

struct EtatGlobal;

// A dialog of texts beside painted emblems, with its buttons at the bottom.
class DialogueInformation : public QDialog {
public:
    struct Image {
        QString Nom;
        QPoint Position;
    };
    DialogueInformation(QWidget* parent, QString nomModele, QList<Image> images);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QList<Image> images_;
};

// Result 1 "Continuer", 0 "Quitter" or Escape.
DialogueInformation* CreerAlerteFic(const EtatGlobal& etat, QWidget* parent);
DialogueInformation* CreerAvertissement(const EtatGlobal& etat, QWidget* parent);
DialogueInformation* CreerAPropos(const EtatGlobal& etat, QWidget* parent);

int OuvrirAlerteFic(const EtatGlobal& etat, QWidget* parent);
int OuvrirAvertissement(const EtatGlobal& etat, QWidget* parent);
int OuvrirAPropos(const EtatGlobal& etat, QWidget* parent);
