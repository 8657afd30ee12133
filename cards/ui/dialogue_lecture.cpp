#include "cards/ui/dialogue_lecture.h"

#include "engine/etat.h"
#include "widgets/ui/controles.h"
#include "widgets/ui/qt_textes.h"
#include "widgets/ui/ressources_qt.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

const QRect NUMERO(20, 10, 50, 40);
const QRect NOM(80, 10, 720, 40);
const QRect FREQUENCE(320, 60, 480, 40);
constexpr int LARGEUR = 820;

} // namespace

DialogueLecture::DialogueLecture(EtatGlobal& etat, CommandeFenetre commande, QWidget* parent)
    : QDialog(parent), etat_(etat), presentateur_(etat)
{
    setObjectName(QStringLiteral("LECTURE"));
    setModal(true);
    const VueLecture& v = presentateur_.Vue();
    setWindowTitle(VersQString(v.Numero + " - " + v.Nom));

    auto* grille = new QGridLayout(this);
    grille->setContentsMargins(20, FREQUENCE.top(), 20, 16);
    grille->setColumnStretch(1, 1);
    grille->setColumnMinimumWidth(0, 280);
    int ligne = 0;
    auto etiquette = [&](int id, int texte) {
        QLabel* l = CreerEtiquette(this, id, false);
        TexteControle(etat, this, id, texte);
        return l;
    };
    grille->addWidget(etiquette(608, 182), ligne, 0, Qt::AlignLeft | Qt::AlignVCenter);
    grille->setRowMinimumHeight(ligne++, FREQUENCE.height());
    grille->addWidget(etiquette(604, 604), ligne, 0);
    QLabel* licence = CreerEtiquette(this, 414, false);
    licence->setText(VersQString(v.Licence));
    grille->addWidget(licence, ligne++, 1);
    grille->addWidget(etiquette(606, 606), ligne++, 0, 1, 2);
    auto* modele = CreerControle<QLineEdit>(this, 417);
    modele->setReadOnly(true);
    modele->setText(VersQString(v.Modele));
    grille->addWidget(modele, ligne++, 0, 1, 2);
    grille->addWidget(etiquette(607, 607), ligne++, 0, 1, 2);
    auto* remarques = CreerControle<QPlainTextEdit>(this, 418);
    remarques->setReadOnly(true);
    remarques->setPlainText(VersQString(v.Remarques));
    remarques->setFixedHeight(90);
    grille->addWidget(remarques, ligne++, 0, 1, 2);
    grille->addWidget(etiquette(609, 609), ligne, 0);
    QLabel* vols = CreerEtiquette(this, 419, false);
    vols->setText(VersQString(v.NbVols));
    grille->addWidget(vols, ligne++, 1);
    grille->addWidget(etiquette(610, 610), ligne, 0);
    QLabel* cumul = CreerEtiquette(this, 420, false);
    cumul->setText(VersQString(v.Cumul));
    grille->addWidget(cumul, ligne++, 1);

    reprise_ = CreerBouton(this, 425);
    auto* imprimer = CreerBouton(this, 428);
    TexteControle(etat, this, 428, 532);
    connect(imprimer, &QPushButton::clicked, this, [commande] { commande(COMMANDE_IMPRIMER_CARTE); });
    auto* ok = CreerBouton(this, 1);
    TexteControle(etat, this, 1, 514);
    ok->setDefault(true);
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(reprise_);
    boutons->addStretch();
    boutons->addWidget(imprimer);
    boutons->addWidget(ok);
    grille->addLayout(boutons, ligne, 0, 1, 2);
    MontrerReprise();
    connect(reprise_, &QPushButton::clicked, this, [this] {
        presentateur_.Reprendre();
        MontrerReprise();
    });
    connect(ok, &QPushButton::clicked, this, [this] { done(0); });
    ok->setFocus();
    setFixedWidth(LARGEUR);
}

void DialogueLecture::MontrerReprise()
{
    const ::Bouton425 b = presentateur_.Vue().Reprise;
    reprise_->setVisible(b != ::Bouton425::Cache);
    reprise_->setEnabled(b == ::Bouton425::Reprise);
    TexteControle(etat_, this, 425, b == ::Bouton425::Sorti ? 65 : 66);
}

void DialogueLecture::paintEvent(QPaintEvent*)
{
    const VueLecture& v = presentateur_.Vue();
    QPainter p(this);
    p.setFont(PolicesKoral(etat_).Points14DemiGras);
    p.setPen(palette().color(QPalette::WindowText));
    constexpr int DRAPEAUX = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
    p.drawText(NUMERO, DRAPEAUX, VersQString(v.Numero));
    p.drawText(NOM, DRAPEAUX, VersQString(v.Nom));
    p.drawText(FREQUENCE, DRAPEAUX, VersQString(v.Frequence));
}

int OuvrirLecture(EtatGlobal& etat, CommandeFenetre commande, QWidget* parent)
{
    DialogueLecture d(etat, std::move(commande), parent);
    return d.exec();
}
