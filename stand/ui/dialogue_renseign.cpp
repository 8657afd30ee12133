#include "stand/ui/dialogue_renseign.h"

#include "engine/etat.h"
#include "widgets/ui/ligne_liste.h"
#include "widgets/ui/controles.h"
#include "widgets/ui/qt_textes.h"
#include "widgets/ui/ressources_qt.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int LARGEUR = 310;
const QRect TITRE(15, 8, 275, 24);
const QRect ETAT(12, 40, 286, 60);
constexpr int LIGNES_801 = 5;
constexpr int LIGNES_802 = 4;
QLabel* Legende(QWidget* parent, int id)
{
    return CreerEtiquette(parent, id, false);
}

QListWidget* Liste(QWidget* parent, int id, int lignes, int hauteurLigne)
{
    auto* l = CreerControle<QListWidget>(parent, id);
    l->setFixedHeight(lignes * hauteurLigne + 2 * l->frameWidth() + 2);
    return l;
}

} // namespace

DialogueRenseign::DialogueRenseign(EtatGlobal& etat, QWidget* parent)
    : QDialog(parent), etat_(etat), presentateur_(etat)
{
    setObjectName(QStringLiteral("RENSEIGN"));
    setModal(true);
    const Polices& polices = PolicesKoral(etat);

    auto* colonne = new QVBoxLayout(this);
    colonne->setContentsMargins(12, ETAT.bottom() + 6, 12, 12);
    colonne->setSpacing(4);
    colonne->addWidget(Legende(this, 640));
    utilisateurs_ = Liste(this, 801, LIGNES_801, polices.HauteurLigneListe);
    utilisateurs_->setItemDelegate(new LigneListe(etat, polices.Liste, Couleurs::Noir, 16, polices.HauteurLigneListe, utilisateurs_));
    colonne->addWidget(utilisateurs_);
    legende641_ = Legende(this, 641);
    colonne->addWidget(legende641_);
    interferences_ = Liste(this, 802, LIGNES_802, QFontMetrics(font()).height() + 2);
    interferences_->setSelectionMode(QAbstractItemView::NoSelection);
    interferences_->setFocusPolicy(Qt::NoFocus);
    colonne->addWidget(interferences_);
    aide806_ = Legende(this, 806);
    aide806_->setAlignment(Qt::AlignCenter);
    colonne->addWidget(aide806_);
    auto* boutons = new QHBoxLayout;
    bouton804_ = CreerBouton(this, 804);
    auto* fermer = CreerBouton(this, 805);
    boutons->addWidget(bouton804_);
    boutons->addStretch();
    boutons->addWidget(fermer);
    colonne->addLayout(boutons);
    // The template's hidden button 2 is what Escape presses.
    auto* echap = CreerBouton(this, 2);
    echap->hide();

    TexteControle(etat, this, 805, 634);
    TexteControle(etat, this, 640, 640);
    TexteControle(etat, this, 806, 638);
    connect(bouton804_, &QPushButton::clicked, this, [this] { Suite(presentateur_.Bouton804(LigneChoisie())); });
    connect(fermer, &QPushButton::clicked, this, [this] { done(1); });
    connect(echap, &QPushButton::clicked, this, [this] { done(1); });
    connect(utilisateurs_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { Suite(presentateur_.DoubleClic(utilisateurs_->row(item))); });
    Afficher(etat);
    setFixedWidth(LARGEUR);
    // The card typed on the board is out: its return is the question asked.
    if (presentateur_.Vue().RetourDemande) QTimer::singleShot(0, bouton804_, &QPushButton::click);
}

void DialogueRenseign::Afficher(const EtatGlobal& etat)
{
    const VueRenseign& v = presentateur_.Vue();
    titre_ = VersQString(v.Titre);
    couleurTitre_ = v.TitreRouge ? Couleurs::TitreRouge : Couleurs::TitreVert;
    etatTexte_ = VersQString(v.TexteEtat);
    for (const LigneUtilisateur& l : v.Utilisateurs) AjouterLigne(utilisateurs_, l.Texte, QString::fromStdString(l.Image));
    if (v.LigneChoisie >= 0) utilisateurs_->setCurrentRow(v.LigneChoisie);
    legende641_->setVisible(v.Legende641 != 0);
    if (v.Legende641) TexteControle(etat, this, 641, v.Legende641);
    for (const std::string& l : v.Interferences) interferences_->addItem(VersQString(l));
    TexteControle(etat, this, 804, v.Texte804);
    bouton804_->setVisible(v.Bouton804Visible);
    aide806_->setVisible(v.Aide806Visible);
}

int DialogueRenseign::LigneChoisie() const
{
    const auto choisies = utilisateurs_->selectedItems();
    return choisies.isEmpty() ? -1 : utilisateurs_->row(choisies.first());
}

void DialogueRenseign::Suite(SuiteRenseign s)
{
    if (s == SuiteRenseign::Fermer) done(1);
}

void DialogueRenseign::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setFont(PolicesKoral(etat_).Points14);
    p.setPen(couleurTitre_);
    p.drawText(TITRE, Qt::AlignCenter | Qt::TextSingleLine, titre_);
    p.setFont(PolicesKoral(etat_).Liste);
    p.setPen(Couleurs::Noir);
    p.drawText(ETAT, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, etatTexte_);
}

void DialogueRenseign::reject()
{
    done(1);
}

int OuvrirRenseign(EtatGlobal& etat, QWidget* parent)
{
    DialogueRenseign d(etat, parent);
    if (!d.Valide()) return 1;
    return d.exec();
}
