#include "cards/ui/dialogue_plan_vols.h"

#include "engine/etat.h"
#include "widgets/ui/recherche_liste.h"
#include "widgets/ui/controles.h"
#include "widgets/ui/images.h"
#include "widgets/ui/ligne_liste.h"
#include "widgets/ui/qt_textes.h"
#include "widgets/ui/ressources_qt.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QCursor>
#include <QGridLayout>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>

namespace {

constexpr int DECALAGE_TEXTE = 16;
constexpr int ETENDUE_HORIZONTALE = 750;
constexpr int LIGNES_VISIBLES = 18;

struct Fleche {
    int Id;
    const char* Icone;
    int Texte;
    bool TexteDessus;
};
constexpr Fleche FLECHES[] = {
    {PLAN_MONTER, "ICONE201", 553, true},
    {PLAN_DESCENDRE, "ICONE200", 554, false},
    {PLAN_AJOUTER, "ICONE203", 555, true},
    {PLAN_SUPPRIMER, "ICONE202", 556, false},
};

QWidget* Legende(QWidget* parent, const EtatGlobal& etat, const char* image, int id)
{
    auto* w = new QWidget(parent);
    auto* ligne = new QHBoxLayout(w);
    ligne->setContentsMargins(0, 0, 0, 0);
    auto* picture = new QLabel(w);
    picture->setPixmap(Image(QString::fromLatin1(image)));
    QLabel* texte = CreerEtiquette(w, id, false);
    TexteControle(etat, w, id, id);
    ligne->addWidget(picture);
    ligne->addWidget(texte);
    ligne->addStretch();
    return w;
}

} // namespace

DialoguePlanVols::DialoguePlanVols(EtatGlobal& etat, CommandeFenetre commande, QWidget* parent)
    : QDialog(parent), etat_(etat), presentateur_(etat, std::move(commande))
{
    setObjectName(QStringLiteral("DIALPLAN"));
    setModal(true);
    TexteTitre(etat, this, 545);
    const Polices& polices = PolicesKoral(etat);
    liste_ = CreerControle<QListWidget>(this, 1006);
    auto* lignes = new LigneListe(etat, polices.Liste, Couleurs::Noir, DECALAGE_TEXTE, polices.HauteurLigneListe, liste_);
    liste_->setItemDelegate(lignes);
    lignes->LargeurUniforme(liste_, ETENDUE_HORIZONTALE);
    liste_->setSelectionMode(QAbstractItemView::SingleSelection);
    liste_->setFixedSize(760, LIGNES_VISIBLES * polices.HauteurLigneListe + 2 * liste_->frameWidth() + 2);

    auto* fleches = new QVBoxLayout;
    for (const Fleche& f : FLECHES) {
        auto* b = CreerBouton(this, f.Id);
        b->setIcon(QIcon(Image(QString::fromLatin1(f.Icone))));
        b->setIconSize(QSize(32, 32));
        b->setFixedSize(48, 44);
        QLabel* texte = CreerEtiquette(this, f.Texte, false);
        TexteControle(etat, this, f.Texte, f.Texte);
        texte->setAlignment(Qt::AlignCenter);
        if (f.TexteDessus) fleches->addWidget(texte);
        fleches->addWidget(b, 0, Qt::AlignHCenter);
        if (!f.TexteDessus) fleches->addWidget(texte);
        fleches->addSpacing(8);
        const int id = f.Id;
        connect(b, &QPushButton::clicked, this, [this, id] { Executer(id); });
    }
    fleches->addStretch();

    reprise_ = CreerBouton(this, PLAN_REPRISE);
    TexteControle(etat, this, PLAN_REPRISE, 400);
    auto* imprimer = CreerBouton(this, PLAN_IMPRIMER);
    TexteControle(etat, this, PLAN_IMPRIMER, 546);
    auto* termine = CreerBouton(this, 1);
    TexteControle(etat, this, 1, 547);
    termine->setDefault(true);
    auto* aide = CreerBouton(this, 850);
    TexteControle(etat, this, 850, 186);
    aide->setFixedWidth(32);

    QLabel* avis = CreerEtiquette(this, 557);
    TexteControle(etat, this, 557, 557);
    auto* legendes = new QHBoxLayout;
    legendes->addWidget(Legende(this, etat, "BMPENVOL", 558));
    legendes->addWidget(Legende(this, etat, "AVOLE", 559));
    legendes->addWidget(Legende(this, etat, "BMPDANGER", 560));

    auto* haut = new QHBoxLayout;
    haut->addWidget(liste_);
    haut->addLayout(fleches);
    auto* bas = new QHBoxLayout;
    bas->addWidget(reprise_);
    bas->addStretch();
    bas->addWidget(imprimer);
    bas->addWidget(termine);
    bas->addWidget(aide);
    auto* colonne = new QVBoxLayout(this);
    colonne->addLayout(haut);
    colonne->addLayout(legendes);
    colonne->addWidget(avis);
    colonne->addLayout(bas);

    ChoixMenu = [](QMenu& menu) {
        const QAction* a = menu.exec(QCursor::pos());
        return a ? a->data().toInt() : 0;
    };
    connect(reprise_, &QPushButton::clicked, this, [this] { Executer(PLAN_REPRISE); });
    connect(imprimer, &QPushButton::clicked, this, [this] { Executer(PLAN_IMPRIMER); });
    connect(termine, &QPushButton::clicked, this, [this] {
        presentateur_.Fermer();
        done(1);
    });
    connect(aide, &QPushButton::clicked, this, [this] { etat_.Port.Aide(SUJET_AIDE_PLAN, false); });
    connect(liste_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) { MenuLigne(liste_->row(item)); });
    new RechercheListe(etat_, liste_, [this] { return LignesRecherche(presentateur_.Lignes()); }, [this](int ligne) { MenuLigne(ligne); });
    Afficher();
}

void DialoguePlanVols::Afficher()
{
    liste_->clear();
    for (const LignePlan& l : presentateur_.Lignes()) AjouterLigne(liste_, l.Texte, QString::fromStdString(l.Image));
    if (presentateur_.Selection() >= 0 && presentateur_.Selection() < liste_->count())
        liste_->setCurrentRow(presentateur_.Selection());
    reprise_->setVisible(presentateur_.RepriseVisible());
}

int DialoguePlanVols::LigneChoisie() const
{
    const auto choisies = liste_->selectedItems();
    return choisies.isEmpty() ? -1 : liste_->row(choisies.first());
}

void DialoguePlanVols::Executer(int commande)
{
    const int ligne = LigneChoisie();
    if (presentateur_.Executer(commande, ligne)) {
        // Ajouter with nothing against it: the add menu at the mouse.
        if (const int choisie = Choisir(presentateur_.MenuAjout())) presentateur_.Executer(choisie, ligne);
    }
    Afficher();
}

void DialoguePlanVols::MenuLigne(int ligne)
{
    liste_->setCurrentRow(ligne);
    const int choisie = Choisir(presentateur_.MenuLigne(ligne));
    if (choisie && choisie != PLAN_ETAT) Executer(choisie);
}

int DialoguePlanVols::Choisir(const std::vector<ElementMenuPlan>& elements)
{
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("MENUPLAN"));
    for (const ElementMenuPlan& e : elements) {
        if (e.Commande == 0) {
            menu.addSeparator();
            continue;
        }
        QAction* a = menu.addAction(e.Texte ? TexteQt(etat_, e.Texte) : VersQString(e.Libelle));
        a->setData(e.Commande);
        a->setObjectName(QString::number(e.Commande));
        a->setCheckable(e.Coche);
        a->setChecked(e.Coche);
    }
    return ChoixMenu(menu);
}

void DialoguePlanVols::closeEvent(QCloseEvent* e)
{
    // The close box is "Terminé": the plan is kept as shown.
    presentateur_.Fermer();
    e->accept();
    done(1);
}

int OuvrirPlanVols(EtatGlobal& etat, CommandeFenetre commande, QWidget* parent)
{
    DialoguePlanVols d(etat, std::move(commande), parent);
    return d.Ferme() ? 0 : d.exec();
}
