#pragma once
// The public display: a window without any control that draws the view of the
// core for the pilots, full screen on a second screen. The stand tells it when
// the meeting has changed; its own timer keeps the clock and the times out going.

#include "shell/affichage_public.h"

#include <QColor>
#include <QFont>
#include <QTimer>
#include <QWidget>

#include <functional>

struct EtatGlobal;

class FenetrePublique : public QWidget {
public:
    explicit FenetrePublique(EtatGlobal& etat, QWidget* parent = nullptr);

    // Called when the window closes (it is deleted afterwards).
    std::function<void()> Fermee;

    // Recomputes the view and asks for a repaint (painted when the stand is idle).
    void Rafraichir();
    const VuePublique& Vue() const { return vue_; }

    // Everything the window paints, laid out for its size: a test checks that
    // every text but the ticker fits its zone.
    struct Texte {
        QRect Zone;
        QString Contenu;
        QFont Police;
        int Drapeaux = 0;
        QColor Couleur;
        bool Defile = false;     // the ticker, cut at its zone on purpose
    };
    struct Image {
        QRect Zone;
        QString Nom;
    };
    struct Dessin {
        std::vector<QRect> Bandeaux;   // white strips: the ticker and the list of who is next
        std::vector<Image> Images;
        std::vector<Texte> Textes;
    };
    Dessin Disposer() const;

protected:
    void paintEvent(QPaintEvent*) override;
    void closeEvent(QCloseEvent* e) override;

private:
    class Mise;
    EtatGlobal& etat_;
    VuePublique vue_;
    QTimer horloge_;
};
