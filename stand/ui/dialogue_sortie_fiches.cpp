#include "stand/ui/dialogue_sortie_fiches.h"

#include "engine/etat.h"
#include "widgets/ui/controles.h"
#include "widgets/ui/ligne_liste.h"
#include "widgets/ui/qt_textes.h"
#include "widgets/ui/recherche_liste.h"
#include "widgets/ui/ressources_qt.h"
#include "stand/sortie_plan.h"

#include <QBoxLayout>
#include <QListWidget>
#include <QPushButton>

namespace {

constexpr int LARGEUR_LISTE = 760;
constexpr int DECALAGE_TEXTE = 16;
constexpr int ETENDUE_HORIZONTALE = 750;

QListWidget* ListeCartes(EtatGlobal& etat, QWidget* parent, int id, const std::vector<LigneCarte>& lignes, int hauteur)
{
    const Polices& polices = PolicesKoral(etat);
    auto* liste = CreerControle<QListWidget>(parent, id);
    auto* dessin = new LigneListe(etat, polices.Liste, Couleurs::Noir, DECALAGE_TEXTE, polices.HauteurLigneListe, liste);
    liste->setItemDelegate(dessin);
    dessin->LargeurUniforme(liste, ETENDUE_HORIZONTALE);
    liste->setSelectionMode(QAbstractItemView::SingleSelection);
    liste->setFixedSize(LARGEUR_LISTE, hauteur * polices.HauteurLigneListe + 2 * liste->frameWidth() + 2);
    for (const LigneCarte& l : lignes) AjouterLigne(liste, l.Texte, QString::fromStdString(l.Image));
    return liste;
}

int LigneChoisie(const QListWidget* liste)
{
    const auto choisies = liste->selectedItems();
    return choisies.isEmpty() ? -1 : liste->row(choisies.first());
}

// SORTIR and Abandon at the right of the hint.
QHBoxLayout* Bas(EtatGlobal& etat, QDialog* d, int aide, int sortir, int abandon)
{
    auto* bas = new QHBoxLayout;
    QLabel* indication = CreerEtiquette(d, aide);
    TexteControle(etat, d, aide, aide);
    auto* s = CreerBouton(d, 1);
    auto* a = CreerBouton(d, 2);
    TexteControle(etat, d, 1, sortir);
    TexteControle(etat, d, 2, abandon);
    s->setDefault(true);
    s->setMinimumSize(110, 30);
    a->setMinimumSize(110, 30);
    bas->addWidget(indication, 1);
    bas->addWidget(s);
    bas->addWidget(a);
    QObject::connect(a, &QPushButton::clicked, d, &QDialog::reject);
    return bas;
}

} // namespace

DialogueSortieFiches::DialogueSortieFiches(EtatGlobal& etat, QWidget* parent) : QDialog(parent), presentateur_(etat)
{
    setObjectName(QStringLiteral("DIALSORTIR"));
    setModal(true);
    TexteTitre(etat, this, 12);
    liste_ = ListeCartes(etat, this, LISTE_PRINCIPALE, presentateur_.Lignes(), 16);
    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(liste_);
    colonne->addLayout(Bas(etat, this, 566, 565, 564));
    connect(findChild<QPushButton*>("1"), &QPushButton::clicked, this, [this] { Fin(presentateur_.Sortir(LigneChoisie(liste_))); });
    connect(liste_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) { Fin(presentateur_.Sortir(liste_->row(item))); });
    new RechercheListe(etat, liste_, [this] { return LignesRecherche(presentateur_.Lignes()); },
                       [this](int ligne) { Fin(presentateur_.Sortir(ligne)); });
    if (liste_->count() > 0) liste_->setCurrentRow(presentateur_.LigneInitiale());
    liste_->setFocus();
    setFixedSize(sizeHint());
}

void DialogueSortieFiches::Fin(std::optional<int> resultat)
{
    if (resultat) done(*resultat);
}

DialogueSortie2::DialogueSortie2(EtatGlobal& etat, QWidget* parent)
    : QDialog(parent), presentateur_(etat.ModeSortie == ModePlanifie ? std::unique_ptr<SortieDeuxListes>(new SortiePlan(etat))
                                                                     : std::unique_ptr<SortieDeuxListes>(new SortieAttente(etat)))
{
    setObjectName(QStringLiteral("DIALSORTIR2"));
    setModal(true);
    TexteTitre(etat, this, etat.ModeSortie == ModePlanifie ? 14 : 13);
    QLabel* entete = CreerEtiquette(this, 922, false);
    entete->setText(VersQString(presentateur_->Entete()));
    file_ = ListeCartes(etat, this, LISTE_PRINCIPALE, presentateur_->Principale(), 8);
    QLabel* autres = CreerEtiquette(this, 582, false);
    TexteControle(etat, this, 582, 582);
    autres_ = ListeCartes(etat, this, LISTE_AUTRES, presentateur_->Autres(), 8);
    auto* retirer = CreerBouton(this, 924);
    TexteControle(etat, this, 924, 581);
    retirer->setMinimumHeight(44);

    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(entete);
    auto* haut = new QHBoxLayout;
    haut->addWidget(file_);
    haut->addWidget(retirer, 0, Qt::AlignTop);
    colonne->addLayout(haut);
    colonne->addWidget(autres);
    colonne->addWidget(autres_);
    colonne->addLayout(Bas(etat, this, 583, 578, 577));

    for (QListWidget* l : {file_, autres_}) {
        connect(l, &QListWidget::itemSelectionChanged, this, [this, l] { Choisie(l); });
        connect(l, &QListWidget::itemDoubleClicked, this, [this, l](QListWidgetItem* item) {
            Fin(presentateur_->Sortir(l == file_ ? LISTE_PRINCIPALE : LISTE_AUTRES, l->row(item)));
        });
        const int controle = l == file_ ? LISTE_PRINCIPALE : LISTE_AUTRES;
        new RechercheListe(
            etat, l,
            [this, controle] { return LignesRecherche(controle == LISTE_PRINCIPALE ? presentateur_->Principale() : presentateur_->Autres()); },
            [this, controle](int ligne) { Fin(presentateur_->Sortir(controle, ligne)); });
    }
    connect(findChild<QPushButton*>("1"), &QPushButton::clicked, this, [this] {
        const auto [liste, ligne] = Selection();
        if (liste) Fin(presentateur_->Sortir(liste, ligne));
    });
    connect(retirer, &QPushButton::clicked, this, [this] {
        const auto [liste, ligne] = Selection();
        Fin(presentateur_->Annuler(liste, ligne));
    });
    const auto [liste, ligne] = presentateur_->SelectionInitiale();
    if (QListWidget* l = Liste(liste); l && ligne >= 0) {
        l->setCurrentRow(ligne);
        l->setFocus();
    } else {
        (file_->count() > 0 ? file_ : autres_)->setFocus();
    }
    setFixedSize(sizeHint());
}

QListWidget* DialogueSortie2::Liste(int controle) const
{
    return controle == LISTE_PRINCIPALE ? file_ : controle == LISTE_AUTRES ? autres_ : nullptr;
}

void DialogueSortie2::Choisie(QListWidget* liste)
{
    // Clearing the other list notifies too; only a line actually chosen counts.
    if (vidage_ || liste->selectedItems().isEmpty()) return;
    vidage_ = true;
    (liste == file_ ? autres_ : file_)->clearSelection();
    vidage_ = false;
}

std::pair<int, int> DialogueSortie2::Selection() const
{
    if (const int ligne = LigneChoisie(file_); ligne >= 0) return {LISTE_PRINCIPALE, ligne};
    if (const int ligne = LigneChoisie(autres_); ligne >= 0) return {LISTE_AUTRES, ligne};
    return {0, -1};
}

void DialogueSortie2::Fin(std::optional<int> resultat)
{
    if (resultat) done(*resultat);
}

int OuvrirSortieFiches(EtatGlobal& etat, QWidget* parent)
{
    DialogueSortieFiches d(etat, parent);
    return d.Vide() ? 0 : d.exec();
}

int OuvrirSortie2(EtatGlobal& etat, QWidget* parent)
{
    DialogueSortie2 d(etat, parent);
    return d.Vide() ? 0 : d.exec();
}
