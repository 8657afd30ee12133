#include "shell/ui/dialogue_langue.h"

#include "engine/etat.h"
#include "shell/langue.h"
#include "shell/menu.h"
#include "widgets/ui/qt_textes.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

DialogueLangue::DialogueLangue(EtatGlobal& etat, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("DIALLANGUE"));
    TexteTitre(etat, this, 171);
    auto* colonne = new QVBoxLayout(this);
    auto* invite = new QLabel(VersQString(InviteLangue()), this);
    invite->setObjectName(QStringLiteral("172"));
    colonne->addWidget(invite);
    for (int bouton = 10; bouton <= 15; ++bouton) {
        auto* radio = new QRadioButton(TexteQt(etat, TexteNomLangue(bouton)), this);
        radio->setObjectName(QString::number(bouton));
        radio->setEnabled(LangueDisponible(bouton));
        radio->setChecked(bouton == 10);
        connect(radio, &QRadioButton::clicked, this, [this, &etat, bouton] {
            ChoisirLangueDemarrage(etat, bouton);
            accept();
        });
        colonne->addWidget(radio);
    }
    auto* ok = new QPushButton(TexteQt(etat, 176), this);
    ok->setObjectName(QStringLiteral("1"));
    connect(ok, &QPushButton::clicked, this, &QDialog::reject);
    colonne->addWidget(ok, 0, Qt::AlignRight);
    setMinimumWidth(320);
}

int OuvrirDialogueLangue(EtatGlobal& etat)
{
    DialogueLangue d(etat);
    return d.exec();
}
