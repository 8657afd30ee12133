#include "freqplan/ui/dialogue_bandes.h"

#include "freqplan/ui/dialogue_frequence_manuelle.h"
#include "widgets/ui/ligne_liste.h"
#include "widgets/ui/controles.h"
#include "widgets/ui/qt_textes.h"
#include "widgets/ui/ressources_qt.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

namespace {

constexpr int HAUTEUR_LISTE = 300;
constexpr int DECALAGE_TEXTE = 4;
const QSize ECHANTILLON(48, 20);

// The two "88.888" samples, each level with its line of the legend text beside it
// (first line: validated, third line: not validated).
class Legende : public QWidget {
public:
    explicit Legende(QWidget* parent) : QWidget(parent), echantillon_(VersQString(EchantillonLegende()))
    {
        texte_ = new QLabel(this);
        texte_->setObjectName(QStringLiteral("701"));
        texte_->move(ECHANTILLON.width() + 6, 0);
    }

    void Ajuster()
    {
        texte_->adjustSize();
        setFixedSize(texte_->x() + texte_->width(), std::max(texte_->height(), Y(2) + ECHANTILLON.height()));
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setFont(texte_->font());
        for (int i = 0; i < 2; ++i) {
            const QRect r(QPoint(0, Y(2 * i)), ECHANTILLON);
            p.fillRect(r, Qt::white);
            p.setPen(i == 0 ? Couleurs::Validee : Couleurs::Noir);
            p.drawText(r, Qt::AlignCenter, echantillon_);
        }
    }

private:
    // Top of a sample centred on line `ligne` of the legend text.
    int Y(int ligne) const
    {
        const QFontMetrics m(texte_->font());
        return std::max(0, ligne * m.lineSpacing() + (m.height() - ECHANTILLON.height()) / 2);
    }

    QString echantillon_;
    QLabel* texte_ = nullptr;
};

// Room for the widest line ("41.000__k420" and the like) beside the scroll bar.
int LargeurListe(const QFont& police)
{
    const int texte = QFontMetrics(police).horizontalAdvance(QStringLiteral("88.888__k888"));
    return DECALAGE_TEXTE + texte + 8 + QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4;
}
} // namespace

DialogueBandes::DialogueBandes(EtatGlobal& etat, QWidget* parent) : QDialog(parent), etat_(etat)
{
    setObjectName(QStringLiteral("DIALBANDE"));
    setModal(true);
    TexteTitre(etat, this, 696);
    const Polices& polices = PolicesKoral(etat);

    auto* grille = new QGridLayout;
    grille->setHorizontalSpacing(8);
    for (int b = 0; b < NB_BANDES; ++b) {
        auto* liste = new QListWidget(this);
        liste->setObjectName(QString::number(LISTES_BANDES[static_cast<std::size_t>(b)]));
        liste->setSelectionMode(QAbstractItemView::ExtendedSelection);
        liste->setItemDelegate(new LigneListe(etat, polices.Liste, Couleurs::Noir, DECALAGE_TEXTE,
                                              polices.HauteurLigneListe, liste));
        liste->setUniformItemSizes(true);
        liste->setFixedSize(LargeurListe(polices.Liste), HAUTEUR_LISTE);
        auto* compte = new QLabel(this);
        compte->setObjectName(QString::number(COMPTES_BANDES[static_cast<std::size_t>(b)]));
        compte->setAlignment(Qt::AlignCenter);
        grille->addWidget(liste, 0, b);
        grille->addWidget(compte, 1, b);
        listes_[static_cast<std::size_t>(b)] = liste;
        comptes_[static_cast<std::size_t>(b)] = compte;
    }

    auto* legende = new Legende(this);
    TexteControle(etat, this, 701, 701);
    legende->Ajuster();
    auto* conseil = new QLabel(this);
    conseil->setObjectName(QStringLiteral("702"));
    conseil->setWordWrap(true);
    TexteControle(etat, this, 702, 702);

    auto* ajouter = CreerBouton(this, 239);
    auto* supprimer = CreerBouton(this, 240);
    auto* manuelle = CreerBouton(this, 241);
    auto* termine = CreerBouton(this, 1);
    termine->setDefault(true);
    TexteControle(etat, this, 239, 703);
    TexteControle(etat, this, 240, 704);
    TexteControle(etat, this, 241, 705);
    TexteControle(etat, this, 1, 707);
    auto* boutons = new QGridLayout;
    boutons->addWidget(ajouter, 0, 0);
    boutons->addWidget(supprimer, 0, 1);
    boutons->addWidget(manuelle, 1, 0);
    boutons->addWidget(termine, 1, 1);

    auto* bas = new QHBoxLayout;
    bas->addWidget(legende, 0, Qt::AlignTop);
    bas->addSpacing(16);
    bas->addWidget(conseil, 1, Qt::AlignTop);
    bas->addSpacing(16);
    bas->addLayout(boutons);

    auto* disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(27, 12, 12, 12);
    disposition->addLayout(grille);
    disposition->addSpacing(12);
    disposition->addLayout(bas);

    OuvrirSaisieManuelle = [this] {
        DialogueFrequenceManuelle d(etat_, this);
        return d.exec();
    };
    connect(ajouter, &QPushButton::clicked, this, [this] {
        AjouterSelection(etat_, Selection());
        Remplir();
    });
    connect(supprimer, &QPushButton::clicked, this, [this] {
        SupprimerSelection(etat_, Selection());
        Remplir();
    });
    connect(manuelle, &QPushButton::clicked, this, [this] {
        if (OuvrirSaisieManuelle) OuvrirSaisieManuelle();
        Remplir();
    });
    connect(termine, &QPushButton::clicked, this, &QDialog::accept);
    Remplir();
    setFixedSize(sizeHint());
}

void DialogueBandes::Remplir()
{
    vue_ = RemplirBandes(etat_);
    for (int b = 0; b < NB_BANDES; ++b) {
        QListWidget* liste = listes_[static_cast<std::size_t>(b)];
        liste->clear();
        for (const LigneEditeurBande& l : vue_.Listes[static_cast<std::size_t>(b)])
            AjouterLigne(liste, l.Texte, QStringLiteral("VIDE"), l.Validee ? Couleurs::Validee : QColor());
        comptes_[static_cast<std::size_t>(b)]->setText(VersQString(vue_.Comptes[static_cast<std::size_t>(b)]));
    }
}

std::vector<int32_t> DialogueBandes::Selection() const
{
    std::vector<int32_t> frequences;
    for (int b = 0; b < NB_BANDES; ++b) {
        const QListWidget* liste = listes_[static_cast<std::size_t>(b)];
        const auto& lignes = vue_.Listes[static_cast<std::size_t>(b)];
        for (int i = 0; i < liste->count(); ++i)
            if (liste->item(i)->isSelected() && i < static_cast<int>(lignes.size()))
                frequences.push_back(lignes[static_cast<std::size_t>(i)].Frequence);
    }
    return frequences;
}
