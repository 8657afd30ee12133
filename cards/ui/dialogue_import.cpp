#include "cards/ui/dialogue_import.h"

#include "engine/etat.h"
#include "widgets/ui/controles.h"
#include "widgets/ui/qt_textes.h"

#include <QBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

constexpr int LARGEUR = 630;

} // namespace

DialogueImport::DialogueImport(EtatGlobal& etat, QWidget* parent) : QDialog(parent), etat_(etat)
{
    setObjectName(QStringLiteral("IMPORTDLG"));
    setModal(true);
    TexteTitre(etat, this, 744);
    QLabel* question = CreerEtiquette(this, 740, false);
    TexteControle(etat, this, 740, 740);
    chemin_ = CreerControle<QLineEdit>(this, 742);
    chemin_->setMaxLength(259);
    auto* parcourir = CreerBouton(this, 743);
    auto* importer = CreerBouton(this, 744);
    auto* termine = CreerBouton(this, 745);
    auto* aide = CreerBouton(this, 850);
    TexteControle(etat, this, 743, 670);
    TexteControle(etat, this, 744, 744);
    TexteControle(etat, this, 745, 666);
    TexteControle(etat, this, 850, 186);
    importer->setDefault(true);
    aide->setFixedWidth(32);
    resultat_ = CreerEtiquette(this, 741, false);
    erreurs_ = CreerControle<QListWidget>(this, 747);
    erreurs_->setSelectionMode(QAbstractItemView::NoSelection);
    erreurs_->setFixedHeight(150);
    erreurs_->hide();

    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(question);
    auto* ligne = new QHBoxLayout;
    ligne->addWidget(chemin_, 1);
    ligne->addWidget(parcourir);
    colonne->addLayout(ligne);
    colonne->addWidget(resultat_);
    colonne->addWidget(erreurs_);
    auto* bas = new QHBoxLayout;
    bas->addWidget(aide);
    bas->addStretch();
    bas->addWidget(importer);
    bas->addWidget(termine);
    colonne->addLayout(bas);
    colonne->setSizeConstraint(QLayout::SetFixedSize);
    chemin_->setMinimumWidth(LARGEUR - 160);
    chemin_->setFocus();

    connect(parcourir, &QPushButton::clicked, this, [this] {
        chemin_->clear();
        if (const auto choisi = ParcourirImport(etat_)) chemin_->setText(QString::fromStdString(*choisi));
    });
    connect(importer, &QPushButton::clicked, this, [this] { Importer(); });
    connect(termine, &QPushButton::clicked, this, [this] { reject(); });
    connect(aide, &QPushButton::clicked, this, [this] { etat_.Port.Aide(SUJET_AIDE_IMPORT, false); });
}

void DialogueImport::Importer()
{
    const ResultatImport r = ImporterFichier(etat_, chemin_->text().toStdString());
    if (r.Incompatible) return;
    erreurs_->clear();
    for (const std::string& e : r.Erreurs) erreurs_->addItem(VersQString(e));
    erreurs_->setVisible(!r.Erreurs.empty());
    resultat_->setText(VersQString(TexteResultatImport(etat_, r)));
}

void DialogueImport::reject()
{
    FermerImport(etat_);
    done(1);
}

int OuvrirImport(EtatGlobal& etat, QWidget* parent)
{
    DialogueImport d(etat, parent);
    return d.exec();
}
