#include "freqplan/ui/dialogue_frequence_manuelle.h"

#include "freqplan/frequence_manuelle.h"
#include "widgets/ui/qt_textes.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

DialogueFrequenceManuelle::DialogueFrequenceManuelle(EtatGlobal& etat, QWidget* parent)
    : QDialog(parent), etat_(etat)
{
    setObjectName(QStringLiteral("DIALFREQMANU"));
    setModal(true);
    TexteTitre(etat, this, 705);
    auto* champs = new QFormLayout;
    auto ligne = [&](int etiquette, int edit, const std::string& initial) {
        auto* l = new QLabel(this);
        l->setObjectName(QString::number(etiquette));
        auto* e = new QLineEdit(VersQString(initial), this);
        e->setObjectName(QString::number(edit));
        champs->addRow(l, e);
        return e;
    };
    frequence_ = ligne(709, 240, FrequenceManuelleInitiale());
    canal_ = ligne(710, 241, CanalManuelInitial());
    TexteControle(etat, this, 709, 709);
    TexteControle(etat, this, 710, 710);

    auto* ajouter = new QPushButton(this);
    ajouter->setObjectName(QStringLiteral("1"));
    ajouter->setDefault(true);
    auto* abandon = new QPushButton(this);
    abandon->setObjectName(QStringLiteral("2"));
    abandon->setAutoDefault(false);
    TexteControle(etat, this, 1, 712);
    TexteControle(etat, this, 2, 711);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(ajouter);
    boutons->addWidget(abandon);

    auto* disposition = new QVBoxLayout(this);
    disposition->addLayout(champs);
    disposition->addSpacing(8);
    disposition->addLayout(boutons);
    connect(ajouter, &QPushButton::clicked, this, [this] { Ajouter(); });
    connect(abandon, &QPushButton::clicked, this, &QDialog::reject);
    setFixedSize(sizeHint().expandedTo(QSize(280, 0)));
}

void DialogueFrequenceManuelle::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    ReprendreFrequence();
}

void DialogueFrequenceManuelle::ReprendreFrequence()
{
    frequence_->selectAll();
    frequence_->setFocus();
}

void DialogueFrequenceManuelle::Ajouter()
{
    switch (AjouterFrequenceManuelle(etat_, DepuisQString(frequence_->text()), DepuisQString(canal_->text()))) {
    case ResultatSaisie::Erronee: ReprendreFrequence(); break;
    case ResultatSaisie::Existante: break;
    case ResultatSaisie::Ajoutee: accept(); break;
    }
}
