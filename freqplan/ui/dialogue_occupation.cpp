#include "freqplan/ui/dialogue_occupation.h"

#include "engine/etat.h"
#include "widgets/ui/images.h"
#include "widgets/ui/controles.h"
#include "widgets/ui/qt_textes.h"
#include "widgets/ui/ressources_qt.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>

#include <algorithm>

namespace {

constexpr int X_BOUTONS = 76;
constexpr int LARGEUR_BOUTON = 35;
constexpr int LARGEUR_NOMBRE = 60;
constexpr int HAUTEUR_MIN = 22;
constexpr int HAUTEUR_MAX = 30;
constexpr int HAUTEUR_ZONE = 460;
constexpr int COTE_IMAGE = 14;

} // namespace

DialogueOccupation::DialogueOccupation(EtatGlobal& etat, std::function<void(int)> commande, QWidget* parent)
    : QDialog(parent), etat_(etat), presentateur_(etat, std::move(commande))
{
    setObjectName(QStringLiteral("OCCUPFREQ"));
    setModal(true);
    TexteTitre(etat, this, 623);
    auto* colonne = new QVBoxLayout(this);
    QLabel* titre = CreerEtiquette(this, 623, false);
    TexteControle(etat, this, 623, 623);
    titre->setFont(PolicesKoral(etat).Points14);
    colonne->addWidget(titre);
    QLabel* indication = CreerEtiquette(this, 624, false);
    TexteControle(etat, this, 624, 624);
    colonne->addWidget(indication);
    auto* bandes = new QHBoxLayout;
    for (int b = 0; b < 6; ++b) {
        auto* bouton = CreerBouton(this, 701 + b);
        TexteControle(etat, this, 701 + b, 204 + b);
        bouton->setEnabled(presentateur_.BandesActives()[static_cast<std::size_t>(b)]);
        connect(bouton, &QPushButton::clicked, this, [this, b] {
            presentateur_.ChoisirBande(b);
            Afficher();
        });
        bandes->addWidget(bouton);
    }
    bandes->addStretch();
    colonne->addLayout(bandes);

    // Every row holds its 25 buttons and its count; a long band scrolls.
    const int nbRangees = presentateur_.NbRangees();
    const int hauteur = std::clamp(nbRangees ? HAUTEUR_ZONE / nbRangees : HAUTEUR_MAX, HAUTEUR_MIN, HAUTEUR_MAX);
    const int largeur = X_BOUTONS + BOUTONS_PAR_RANGEE * LARGEUR_BOUTON + LARGEUR_NOMBRE;
    auto* contenu = new QWidget;
    auto* lignes = new QVBoxLayout(contenu);
    lignes->setSpacing(0);
    lignes->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < nbRangees; ++i) {
        auto* rangee = new QWidget(contenu);
        rangee->setObjectName(QString::number(200 + i));
        rangee->setFixedSize(largeur, hauteur);
        auto* feu = new QLabel(rangee);
        feu->setObjectName(QStringLiteral("IMAGE"));
        feu->setGeometry(0, (hauteur - COTE_IMAGE) / 2, COTE_IMAGE, COTE_IMAGE);
        auto* libelle = new QLabel(rangee);
        libelle->setObjectName(QStringLiteral("LIBELLE"));
        libelle->setGeometry(COTE_IMAGE + 2, 0, X_BOUTONS - COTE_IMAGE - 2, hauteur);
        for (int k = 0; k < BOUTONS_PAR_RANGEE; ++k) {
            auto* carte = CreerBouton(rangee, 300 + k);
            carte->setGeometry(X_BOUTONS + LARGEUR_BOUTON * k, 0, LARGEUR_BOUTON, hauteur);
            carte->hide();
            connect(carte, &QPushButton::clicked, this, [this, carte] {
                presentateur_.VoirCarte(carte->text().toInt());
                Afficher();
            });
        }
        auto* nombre = new QLabel(rangee);
        nombre->setObjectName(QStringLiteral("NOMBRE"));
        lignes->addWidget(rangee);
        rangees_.push_back(rangee);
    }
    auto* defilement = new QScrollArea(this);
    defilement->setWidget(contenu);
    defilement->setFixedSize(largeur + 24, std::min(HAUTEUR_ZONE, hauteur * std::max(nbRangees, 1)) + 4);
    colonne->addWidget(defilement);
    auto* termine = CreerBouton(this, 1);
    TexteControle(etat, this, 1, 619);
    termine->setDefault(true);
    colonne->addWidget(termine, 0, Qt::AlignRight);
    connect(termine, &QPushButton::clicked, this, [this] { done(1); });
    Afficher();
}

QWidget* DialogueOccupation::Rangee(int i) const
{
    return i >= 0 && i < static_cast<int>(rangees_.size()) ? rangees_[static_cast<std::size_t>(i)] : nullptr;
}

void DialogueOccupation::Afficher()
{
    const auto& rangees = presentateur_.Rangees();
    for (std::size_t i = 0; i < rangees_.size(); ++i) {
        QWidget* w = rangees_[i];
        const bool pleine = i < rangees.size();
        w->findChild<QLabel*>("LIBELLE")->setText(pleine ? VersQString(rangees[i].Libelle) : QString());
        // Whether a transmitter could go out on it now, in the board's own colours.
        w->findChild<QLabel*>("IMAGE")->setPixmap(pleine ? Image(QString::fromLatin1(rangees[i].Image), QSize(COTE_IMAGE, COTE_IMAGE)) : QPixmap());
        const auto cartes = pleine ? rangees[i].Cartes : std::vector<BoutonCarte>{};
        for (int k = 0; k < BOUTONS_PAR_RANGEE; ++k) {
            auto* b = w->findChild<QPushButton*>(QString::number(300 + k));
            // A button without a card is never shown: it could open nothing.
            const bool carte = k < static_cast<int>(cartes.size());
            b->setVisible(carte);
            if (!carte) continue;
            b->setText(QString::number(cartes[static_cast<std::size_t>(k)].Numero));
            b->setEnabled(cartes[static_cast<std::size_t>(k)].Actif);
        }
        auto* nombre = w->findChild<QLabel*>("NOMBRE");
        const int dernier = std::min<int>(static_cast<int>(cartes.size()), BOUTONS_PAR_RANGEE);
        nombre->setGeometry(X_BOUTONS + LARGEUR_BOUTON * dernier + 5, 0, LARGEUR_NOMBRE - 5, w->height());
        nombre->setText(pleine ? VersQString(rangees[i].Nombre) : QString());
    }
}

int OuvrirOccupation(EtatGlobal& etat, std::function<void(int)> commande, QWidget* parent)
{
    DialogueOccupation d(etat, std::move(commande), parent);
    return d.Ferme() ? 0 : d.exec();
}
