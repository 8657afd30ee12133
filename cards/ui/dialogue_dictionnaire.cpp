#include "cards/ui/dialogue_dictionnaire.h"

#include "cards/dictionnaire.h"
#include "engine/etat.h"
#include "widgets/ui/controles.h"
#include "widgets/ui/qt_textes.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

DialogueDictionnaire::DialogueDictionnaire(EtatGlobal& etat, QWidget* parent) : QDialog(parent), etat_(etat)
{
    setObjectName(QStringLiteral("DIALFICDICO"));
    setModal(true);
    setWindowFlag(Qt::WindowCloseButtonHint, false);
    QLabel* question = CreerEtiquette(this, 668);
    question->setAlignment(Qt::AlignCenter);
    chemin_ = CreerControle<QLineEdit>(this, 671);
    chemin_->setText(QString::fromStdString(etat.CheminDictionnaire.Chaine()));
    chemin_->setCursorPosition(static_cast<int>(chemin_->text().size()));
    chemin_->setMinimumWidth(420);
    sans_ = CreerControle<QCheckBox>(this, 669);
    auto* parcourir = CreerBouton(this, 670);
    auto* ok = CreerBouton(this, 1);
    auto* aide = CreerBouton(this, 850);
    ok->setDefault(true);
    aide->setFixedWidth(32);
    TexteControle(etat, this, 668, 668);
    TexteControle(etat, this, 669, 669);
    TexteControle(etat, this, 670, 670);
    TexteControle(etat, this, 1, 176);
    TexteControle(etat, this, 850, 186);

    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(question);
    auto* ligne = new QHBoxLayout;
    ligne->addWidget(chemin_, 1);
    ligne->addWidget(parcourir);
    colonne->addLayout(ligne);
    colonne->addWidget(sans_);
    auto* bas = new QHBoxLayout;
    bas->addWidget(aide);
    bas->addStretch();
    bas->addWidget(ok);
    colonne->addLayout(bas);
    chemin_->setFocus();

    connect(parcourir, &QPushButton::clicked, this, [this] {
        if (const auto choisi = ParcourirDictionnaire(etat_)) chemin_->setText(QString::fromStdString(*choisi));
    });
    connect(ok, &QPushButton::clicked, this, [this] {
        ValiderDictionnaire(etat_, chemin_->text().toStdString(), sans_->isChecked());
        done(1);
    });
    connect(aide, &QPushButton::clicked, this, [this] { etat_.Port.Aide(SUJET_AIDE_DICTIONNAIRE, false); });
}

int OuvrirDictionnaire(EtatGlobal& etat, QWidget* parent)
{
    DialogueDictionnaire d(etat, parent);
    return d.exec();
}
