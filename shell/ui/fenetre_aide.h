#pragma once
// The program's help window over its own help file: contents, numbered topics,
// and the short topics shown as pop-ups.

#include "shell/aide.h"

#include <QString>
#include <QWidget>

class QTextBrowser;
struct EtatGlobal;

class FenetreAide : public QWidget {
public:
    explicit FenetreAide(const EtatGlobal& etat, QWidget* parent = nullptr);

    // False when the help file cannot be read.
    bool Charger(const std::string& chemin);
    // A topic in the window (0 = contents); false when the file is not loaded.
    bool Afficher(int sujet);
    // A topic in a small window by the mouse.
    bool Popup(int sujet);
    int SujetAffiche() const { return sujet_; }
    QString Contenu() const;

private:
    QString Html(int sujet, bool avecTitre) const;

    const EtatGlobal& etat_;
    FichierAide fichier_;
    bool charge_ = false;
    int sujet_ = -1;
    QTextBrowser* navigateur_ = nullptr;
};
