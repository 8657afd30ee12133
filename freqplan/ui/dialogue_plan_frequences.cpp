#include "freqplan/ui/dialogue_plan_frequences.h"

#include "engine/etat.h"
#include "freqplan/plan_frequences.h"
#include "freqplan/ui/dialogue_bandes.h"
#include "freqplan/ui/dialogue_nations.h"
#include "widgets/ui/controles.h"
#include "widgets/ui/qt_textes.h"
#include "widgets/ui/ressources_qt.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int MARGE = 16;
} // namespace

DialoguePlanFrequences::DialoguePlanFrequences(EtatGlobal& etat, QWidget* parent) : QDialog(parent), etat_(etat)
{
    setObjectName(QStringLiteral("DIALPLANFREQ"));
    setModal(true);
    TexteTitre(etat, this, 674);
    OuvrirCatalogue(etat);

    auto* nations = CreerBouton(this, 232);
    auto* personnelle = CreerBouton(this, 233);
    auto* sauver = CreerBouton(this, 231);
    auto* charger = CreerBouton(this, 230);
    auto* valider = CreerBouton(this, 1);
    auto* abandon = CreerBouton(this, 2);
    auto* aide = CreerBouton(this, 850);
    valider->setDefault(true);
    TexteControle(etat, this, 232, 675);
    TexteControle(etat, this, 233, 696);
    TexteControle(etat, this, 231, 676);
    TexteControle(etat, this, 230, 677);
    TexteControle(etat, this, 1, 697);
    TexteControle(etat, this, 2, 698);
    TexteControle(etat, this, 850, 186);
    aide->setFixedWidth(32);

    hauteurTitre_ = QFontMetrics(PolicesKoral(etat).Points14).height();
    auto* disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(MARGE, MARGE + hauteurTitre_ + MARGE, MARGE, MARGE);
    for (QPushButton* b : {nations, personnelle, sauver, charger}) {
        b->setMinimumHeight(32);
        disposition->addWidget(b);
    }
    disposition->addSpacing(MARGE);
    auto* bas = new QHBoxLayout;
    bas->addWidget(valider);
    bas->addWidget(abandon);
    bas->addStretch();
    bas->addWidget(aide);
    disposition->addLayout(bas);

    OuvrirNations = [this] {
        DialogueNations d(etat_, this);
        return d.exec();
    };
    OuvrirBandes = [this] {
        DialogueBandes d(etat_, this);
        return d.exec();
    };
    connect(nations, &QPushButton::clicked, this, [this] { Nations(); });
    connect(personnelle, &QPushButton::clicked, this, [this] { if (OuvrirBandes) OuvrirBandes(); });
    connect(sauver, &QPushButton::clicked, this, [this] { SauverPlanFrequences(etat_); });
    connect(charger, &QPushButton::clicked, this, [this] { Charger(); });
    connect(valider, &QPushButton::clicked, this, [this] { done(1); });
    connect(abandon, &QPushButton::clicked, this, [this] { done(0); });
    connect(aide, &QPushButton::clicked, this, [this] { etat_.Port.Aide(AIDE_PLAN_FREQUENCES, false); });
    const int largeurTitre = QFontMetrics(PolicesKoral(etat).Points14).horizontalAdvance(TexteQt(etat, 674));
    setFixedSize(sizeHint().expandedTo(QSize(std::max(340, largeurTitre + 2 * MARGE), 0)));
}

DialoguePlanFrequences::~DialoguePlanFrequences()
{
    // Destroyed without being closed: the plan in use stays as it was.
    if (ouvert_) AbandonnerPlanFrequences(etat_);
}

void DialoguePlanFrequences::Nations()
{
    if (OuvrirNations && OuvrirNations() == 1) AppliquerNations(etat_);
}

void DialoguePlanFrequences::Charger()
{
    // An incompatible file has already discarded the catalogue: nothing of it may be applied.
    if (ChargerPlanFrequences(etat_) == ResultatChargement::Incompatible) done(0);
}

void DialoguePlanFrequences::done(int resultat)
{
    if (ouvert_) {
        ouvert_ = false;
        if (resultat == 1) ValiderPlanFrequences(etat_);
        else AbandonnerPlanFrequences(etat_);
    }
    QDialog::done(resultat);
}

void DialoguePlanFrequences::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setFont(PolicesKoral(etat_).Points14);
    p.setPen(Couleurs::TitreVert);
    p.drawText(QRect(0, MARGE, width(), hauteurTitre_), Qt::AlignCenter | Qt::TextSingleLine, TexteQt(etat_, 674));
}

int OuvrirPlanFrequences(EtatGlobal& etat, QWidget* parent)
{
    DialoguePlanFrequences d(etat, parent);
    return d.exec();
}
