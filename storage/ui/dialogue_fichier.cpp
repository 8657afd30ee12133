#include "storage/ui/dialogue_fichier.h"

#include "engine/etat.h"
#include "widgets/ui/controles.h"
#include "widgets/ui/images.h"
#include "widgets/ui/qt_textes.h"
#include "storage/dialfic.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace {

constexpr int HAUT_IMAGES = 15 + 64 + 12;

} // namespace

DialogueFichier::DialogueFichier(EtatGlobal& etat, QWidget* parent) : QDialog(parent), etat_(etat)
{
    setObjectName(QStringLiteral("DIALFIC"));
    setModal(true);
    TexteTitre(etat, this, 518);
    auto bouton = [this](int id, int texte, ChoixFichier choix) {
        QPushButton* b = CreerControle<QPushButton>(this, id);
        b->setText(TexteQt(etat_, texte));
        connect(b, &QPushButton::clicked, this, [this, choix] { Choisir(static_cast<int>(choix)); });
        return b;
    };
    auto etiquette = [this](int id) {
        QLabel* l = CreerEtiquette(this, id);
        l->setText(TexteQt(etat_, id));
        return l;
    };
    QPushButton* creer = bouton(101, 519, ChoixFichier::Creer);
    creer->setDefault(true);
    historique_ = new QCheckBox(TexteQt(etat, 525), this);
    historique_->setObjectName(QStringLiteral("104"));
    historique_->setChecked(true);
    auto* aide = new QPushButton(TexteQt(etat, 186), this);
    aide->setObjectName(QStringLiteral("850"));
    aide->setFixedWidth(32);
    connect(aide, &QPushButton::clicked, this, [this] { AideDialogueFichier(etat_); });

    auto* colonne = new QVBoxLayout(this);
    colonne->setContentsMargins(20, HAUT_IMAGES, 20, 16);
    colonne->addWidget(etiquette(522));
    colonne->addWidget(creer);
    colonne->addWidget(bouton(103, 520, ChoixFichier::Reprendre));
    colonne->addWidget(bouton(102, 521, ChoixFichier::SansSauvegarde));
    colonne->addWidget(etiquette(523));
    colonne->addWidget(historique_);
    auto* bas = new QHBoxLayout;
    bas->addWidget(aide);
    bas->addStretch();
    bas->addWidget(bouton(2, 524, ChoixFichier::Arret));
    colonne->addSpacing(8);
    colonne->addLayout(bas);
    setMinimumWidth(440);
}

void DialogueFichier::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawPixmap(15, 15, Image(QStringLiteral("TRAX")));
    p.drawPixmap(95, 15, Image(QStringLiteral("CREDITS")));
}

void DialogueFichier::Choisir(int choix)
{
    done(ChoisirFichierDemarrage(etat_, static_cast<ChoixFichier>(choix), historique_->isChecked()));
}

// Closing the dialog is "Arrêt".
void DialogueFichier::reject()
{
    Choisir(static_cast<int>(ChoixFichier::Arret));
}

int OuvrirDialogueFichier(EtatGlobal& etat, QWidget* parent)
{
    DialogueFichier d(etat, parent);
    return d.exec();
}
