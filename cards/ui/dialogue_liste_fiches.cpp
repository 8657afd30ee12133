#include "cards/ui/dialogue_liste_fiches.h"

#include "engine/etat.h"
#include "widgets/ui/recherche_liste.h"
#include "widgets/ui/controles.h"
#include "widgets/ui/qt_textes.h"
#include "widgets/ui/ressources_qt.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QHeaderView>
#include <QPainter>
#include <QPushButton>
#include <QTreeWidget>

namespace {

constexpr int COLONNES = 6;
constexpr int MARGE = 12;

QLabel* Valeur(QWidget* parent, int id)
{
    QLabel* l = CreerEtiquette(parent, id, false);
    l->setMinimumWidth(40);
    return l;
}

} // namespace

DialogueListeFiches::DialogueListeFiches(EtatGlobal& etat, CommandeFenetre commande, QWidget* parent)
    : QDialog(parent), etat_(etat), presentateur_(etat, std::move(commande))
{
    setObjectName(QStringLiteral("DIALPILOTES"));
    setModal(true);
    TexteTitre(etat, this, 530);
    liste_ = CreerControle<QTreeWidget>(this, 900);
    liste_->setColumnCount(COLONNES);
    liste_->setHeaderHidden(true);
    liste_->setRootIsDecorated(false);
    liste_->setUniformRowHeights(true);
    liste_->setSelectionMode(QAbstractItemView::SingleSelection);
    liste_->setMinimumSize(760, 360);

    const std::pair<int, int> boutons[] = {{540, 538}, {541, 615}, {542, 616}, {543, 58}, {544, 57}, {901, 7}, {545, 5}};
    auto* droite = new QVBoxLayout;
    for (auto [id, texte] : boutons) {
        auto* b = CreerBouton(this, id);
        TexteControle(etat, this, id, texte);
        b->setMinimumHeight(28);
        droite->addWidget(b);
        if (id != 545) actions_.push_back(b);
        if (id == 544 || id == 901) droite->addSpacing(10);
    }
    droite->addStretch();
    auto* termine = CreerBouton(this, 1);
    TexteControle(etat, this, 1, 543);
    termine->setDefault(true);
    termine->setMinimumHeight(28);
    droite->addWidget(termine);
    auto* echap = CreerBouton(this, 2);
    echap->hide();
    auto* aide = CreerBouton(this, 850);
    TexteControle(etat, this, 850, 186);
    aide->setFixedWidth(32);

    auto* bas = new QGridLayout;
    const std::pair<int, int> libelles[] = {{537, 537}, {539, 539}, {531, 531}, {534, 534}};
    const int valeurs[] = {903, 907, 904, 905};
    for (int i = 0; i < 4; ++i) {
        bas->addWidget(CreerEtiquette(this, libelles[i].first, false), i / 2, (i % 2) * 2);
        TexteControle(etat, this, libelles[i].first, libelles[i].second);
        bas->addWidget(Valeur(this, valeurs[i]), i / 2, (i % 2) * 2 + 1);
    }
    bas->addWidget(Valeur(this, 906), 2, 0, 1, 3);
    bas->addWidget(aide, 2, 3, Qt::AlignRight);
    bas->setColumnStretch(1, 1);
    bas->setColumnStretch(3, 1);

    auto* date = Valeur(this, 902);
    date->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* colonne = new QVBoxLayout;
    colonne->addWidget(date);
    colonne->addWidget(liste_, 1);
    colonne->addLayout(bas);
    auto* tout = new QHBoxLayout(this);
    tout->setContentsMargins(MARGE, MARGE + 4, MARGE, MARGE);
    tout->addLayout(colonne, 1);
    tout->addLayout(droite);

    const VuePilotes& v = presentateur_.Vue();
    findChild<QLabel*>("902")->setText(VersQString(v.Date));
    findChild<QLabel*>("904")->setText(VersQString(v.Ecart));
    findChild<QLabel*>("905")->setText(VersQString(v.Intermodulation));
    findChild<QLabel*>("906")->setText(VersQString(v.Temps));

    auto action = [this](int id, SuitePilotes (ListePilotes::*f)(int)) {
        connect(findChild<QPushButton*>(QString::number(id)), &QPushButton::clicked, this,
                [this, f] { Suite((presentateur_.*f)(LigneChoisie())); });
    };
    action(540, &ListePilotes::Details);
    action(541, &ListePilotes::Modifier);
    action(542, &ListePilotes::Dupliquer);
    action(543, &ListePilotes::FinsVols);
    action(544, &ListePilotes::Supprimer);
    connect(findChild<QPushButton*>("545"), &QPushButton::clicked, this, [this] { Suite(presentateur_.Nouvelles()); });
    connect(findChild<QPushButton*>("901"), &QPushButton::clicked, this, [this] { presentateur_.Imprimer(); });
    connect(liste_, &QTreeWidget::itemDoubleClicked, this, [this] { Suite(presentateur_.Details(LigneChoisie())); });
    new RechercheListe(etat_, liste_, [this] { return LignesRecherche(presentateur_.Vue().Lignes); },
                       [this](int ligne) { Suite(presentateur_.Details(ligne)); });
    connect(termine, &QPushButton::clicked, this, [this] { done(1); });
    connect(echap, &QPushButton::clicked, this, [this] { done(1); });
    connect(aide, &QPushButton::clicked, this, [this] { etat_.Port.Aide(SUJET_AIDE_LISTE_FICHES, false); });
    Afficher();
}

void DialogueListeFiches::Afficher()
{
    const VuePilotes& v = presentateur_.Vue();
    liste_->clear();
    for (const LignePilote& l : v.Lignes) {
        auto* item = new QTreeWidgetItem(liste_, VersQString(l.Texte).split(QLatin1Char('\t')));
        item->setData(0, Qt::UserRole, l.Numero);
    }
    // Each column as wide as its longest text, measured once rather than row by row.
    const QFontMetrics mesure(liste_->font());
    for (int c = 0; c < COLONNES - 1; ++c) {
        QString plusLong;
        for (int i = 0; i < liste_->topLevelItemCount(); ++i) {
            const QString t = liste_->topLevelItem(i)->text(c);
            if (t.size() > plusLong.size()) plusLong = t;
        }
        liste_->setColumnWidth(c, mesure.horizontalAdvance(plusLong + QStringLiteral("MM")));
    }
    for (QPushButton* b : actions_) b->setEnabled(v.ActionsActives);
    findChild<QLabel*>("903")->setText(VersQString(v.NbFiches));
    findChild<QLabel*>("907")->setText(VersQString(v.NbArretes));
}

int DialogueListeFiches::LigneChoisie() const
{
    const auto choisis = liste_->selectedItems();
    return choisis.isEmpty() ? -1 : liste_->indexOfTopLevelItem(choisis.first());
}

void DialogueListeFiches::Suite(SuitePilotes s)
{
    if (s == SuitePilotes::Fermer) {
        done(0);
        return;
    }
    Afficher();
}

void DialogueListeFiches::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setFont(PolicesKoral(etat_).Points14);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(QRect(15, 6, 400, 22), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, TexteQt(etat_, 530));
}

int OuvrirListeFiches(EtatGlobal& etat, CommandeFenetre commande, QWidget* parent)
{
    DialogueListeFiches d(etat, std::move(commande), parent);
    return d.exec();
}
