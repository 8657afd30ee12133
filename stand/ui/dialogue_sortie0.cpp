#include "stand/ui/dialogue_sortie0.h"

#include "engine/etat.h"
#include "widgets/ui/ligne_liste.h"
#include "widgets/ui/controles.h"
#include "widgets/ui/qt_textes.h"
#include "widgets/ui/ressources_qt.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

constexpr int LARGEUR = 850;
constexpr int LARGEUR_LISTE = 130;
constexpr int HAUTEUR_LISTE = 360;
constexpr int MARGE = 14;

} // namespace

DialogueSortie0::DialogueSortie0(EtatGlobal& etat, QWidget* parent) : QDialog(parent), presentateur_(etat)
{
    setObjectName(QStringLiteral("DIALSORTIR0"));
    setModal(true);
    TexteTitre(etat, this, 567);
    const Polices& polices = PolicesKoral(etat);

    for (const ListeBande& bande : presentateur_.Listes()) {
        auto* liste = new QListWidget(this);
        liste->setObjectName(QString::number(bande.Controle));
        liste->setItemDelegate(new LigneListe(etat, polices.Liste, Couleurs::Noir, 2, polices.HauteurLigneListe, liste));
        liste->setSelectionMode(QAbstractItemView::SingleSelection);
        liste->setGeometry(bande.X, bande.Y, LARGEUR_LISTE, HAUTEUR_LISTE);
        for (const LigneListeBande& l : bande.Lignes)
            AjouterLigne(liste, l.Texte, QStringLiteral("VIDE"), l.Alerte ? Couleurs::Alerte : Couleurs::Noir);
        liste->setVisible(bande.Visible);
        const int controle = bande.Controle;
        connect(liste, &QListWidget::itemSelectionChanged, this, [this, controle] { Choisie(controle); });
        connect(liste, &QListWidget::itemDoubleClicked, this, [this, controle, liste](QListWidgetItem* item) {
            Choisie(controle);
            Sortir(liste->row(item));
        });
        listes_[bande.Controle] = liste;
    }

    const int y = Y_LISTES_BANDES + HAUTEUR_LISTE + MARGE;
    auto* aide = new QLabel(this);
    aide->setObjectName(QStringLiteral("573"));
    auto* sortir = CreerControle<QPushButton>(this, 1);
    auto* abandon = CreerControle<QPushButton>(this, 2);
    TexteControle(etat, this, 573, 573);
    TexteControle(etat, this, 1, 571);
    TexteControle(etat, this, 2, 572);
    sortir->setDefault(true);
    const QSize bouton = sortir->sizeHint().expandedTo(abandon->sizeHint()).expandedTo(QSize(110, 30));
    abandon->setGeometry(LARGEUR - MARGE - bouton.width(), y, bouton.width(), bouton.height());
    sortir->setGeometry(abandon->x() - 10 - bouton.width(), y, bouton.width(), bouton.height());
    aide->setGeometry(MARGE, y, sortir->x() - 2 * MARGE, bouton.height());
    connect(sortir, &QPushButton::clicked, this, [this] { Sortir(LigneCourante()); });
    connect(abandon, &QPushButton::clicked, this, &QDialog::reject);
    setFixedSize(LARGEUR, y + bouton.height() + MARGE);
}

QListWidget* DialogueSortie0::Liste(int controle) const
{
    const auto it = listes_.find(controle);
    return it == listes_.end() ? nullptr : it->second;
}

void DialogueSortie0::Choisie(int controle)
{
    // Clearing the other lists notifies too; only a line actually chosen counts.
    if (vidage_ || Liste(controle)->selectedItems().isEmpty()) return;
    vidage_ = true;
    for (int autre : presentateur_.Selection(controle)) Liste(autre)->clearSelection();
    vidage_ = false;
}

int DialogueSortie0::LigneCourante() const
{
    const QListWidget* liste = Liste(presentateur_.ListeCourante());
    if (!liste || liste->selectedItems().isEmpty()) return -1;
    return liste->row(liste->selectedItems().first());
}

void DialogueSortie0::Sortir(int ligne)
{
    if (const auto resultat = presentateur_.Sortir(ligne)) done(*resultat);
}

int OuvrirSortie0(EtatGlobal& etat, QWidget* parent)
{
    DialogueSortie0 d(etat, parent);
    return d.exec();
}
