#include "shell/ui/dialogues_information.h"

#include "shell/version.h"
#include "widgets/ui/controles.h"
#include "widgets/ui/images.h"
#include "widgets/ui/qt_textes.h"
#include "widgets/ui/ressources_qt.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace {

constexpr int MARGE_IMAGES = 100;
constexpr int HAUTEUR_EMBLEMES = 100 + 64 + 20;

QLabel* Etiquette(QWidget* parent, int id, const QString& texte, bool gras = false)
{
    QLabel* l = CreerEtiquette(parent, id);
    l->setText(texte);
    if (gras) {
        QFont f = l->font();
        f.setBold(true);
        f.setPointSizeF(f.pointSizeF() * 1.2);
        l->setFont(f);
    }
    return l;
}

QPushButton* Bouton(QWidget* parent, int id, const QString& texte, int resultat, QDialog* d)
{
    QPushButton* b = CreerControle<QPushButton>(parent, id);
    b->setText(texte);
    QObject::connect(b, &QPushButton::clicked, d, [d, resultat] { d->done(resultat); });
    return b;
}

// Texts in a column right of the emblems, buttons in a row under them.
void Disposer(DialogueInformation* d, const QList<QWidget*>& textes, const QList<QPushButton*>& boutons, int largeur)
{
    auto* colonne = new QVBoxLayout;
    for (QWidget* t : textes) colonne->addWidget(t);
    auto* rangee = new QHBoxLayout;
    rangee->addStretch();
    for (QPushButton* b : boutons) rangee->addWidget(b);
    auto* tout = new QVBoxLayout(d);
    tout->setContentsMargins(MARGE_IMAGES, 20, 20, 16);
    tout->addLayout(colonne);
    tout->addSpacing(12);
    tout->addLayout(rangee);
    // Wrapped texts take the height they need at this width, never less than the emblems.
    d->setFixedWidth(largeur);
    d->setFixedHeight(std::max(tout->totalHeightForWidth(largeur), HAUTEUR_EMBLEMES));
    if (!boutons.isEmpty()) boutons.front()->setDefault(true);
}

} // namespace

DialogueInformation::DialogueInformation(QWidget* parent, QString nomModele, QList<Image> images)
    : QDialog(parent), images_(std::move(images))
{
    setObjectName(nomModele);
    setModal(true);
}

void DialogueInformation::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    for (const Image& i : images_) p.drawPixmap(i.Position, ::Image(i.Nom));
}

DialogueInformation* CreerAlerteFic(const EtatGlobal& etat, QWidget* parent)
{
    auto* d = new DialogueInformation(parent, "ALERTEFIC", {{"TRAX", {20, 20}}, {"MARLOTS", {20, 100}}});
    d->setWindowTitle(TexteQt(etat, 1));
    Disposer(d, {Etiquette(d, 506, TexteQt(etat, 506))},
             {Bouton(d, 1, TexteQt(etat, 724), 1, d), Bouton(d, 2, TexteQt(etat, 507), 0, d)}, 520);
    return d;
}

DialogueInformation* CreerAvertissement(const EtatGlobal& etat, QWidget* parent)
{
    auto* d = new DialogueInformation(parent, "DIALAVERTIR", {{"MARLOTS", {20, 20}}});
    d->setWindowTitle(TexteQt(etat, 1));
    Disposer(d,
             {Etiquette(d, 500, TexteQt(etat, 500), true), Etiquette(d, 501, TexteQt(etat, 501)),
              Etiquette(d, 314, VersQString(TexteVersion(etat))), Etiquette(d, 719, TexteQt(etat, 719)),
              Etiquette(d, 720, TexteQt(etat, 720)), Etiquette(d, 721, TexteQt(etat, 721)), Etiquette(d, 503, TexteQt(etat, 503))},
             {Bouton(d, 1, TexteQt(etat, 514), 1, d)}, 600);
    return d;
}

DialogueInformation* CreerAPropos(const EtatGlobal& etat, QWidget* parent)
{
    auto* d = new DialogueInformation(parent, "ABOUT", {{"TRAX", {20, 20}}, {"MARLOTS", {20, 100}}});
    d->setWindowTitle(TexteQt(etat, 500));
    Disposer(d,
             {Etiquette(d, 502, TexteQt(etat, 502), true), Etiquette(d, 501, TexteQt(etat, 501)),
              Etiquette(d, 503, TexteQt(etat, 503)), Etiquette(d, 314, VersQString(TexteVersion(etat))),
              Etiquette(d, 101, TexteQt(etat, 183)), Etiquette(d, 102, TexteQt(etat, 184))},
             {Bouton(d, 1, TexteQt(etat, 176), 1, d)}, 560);
    return d;
}

namespace {
int Ouvrir(DialogueInformation* d)
{
    const int r = d->exec();
    delete d;
    return r;
}
} // namespace

int OuvrirAlerteFic(const EtatGlobal& etat, QWidget* parent) { return Ouvrir(CreerAlerteFic(etat, parent)); }
int OuvrirAvertissement(const EtatGlobal& etat, QWidget* parent) { return Ouvrir(CreerAvertissement(etat, parent)); }
int OuvrirAPropos(const EtatGlobal& etat, QWidget* parent) { return Ouvrir(CreerAPropos(etat, parent)); }
