#include "freqplan/ui/dialogue_nations.h"

#include "engine/etat.h"
#include "freqplan/plan_frequences.h"
#include "freqplan/table_nationale.h"
#include "engine/textes.h"
#include "widgets/ui/qt_textes.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int PREMIERE_CASE = 2000;
constexpr NumTexte NOMS_NATIONS[NB_NATIONS] = {
    NumTexte{678}, NumTexte{679}, NumTexte{680}, NumTexte{681},
    NumTexte{682}, NumTexte{683}, NumTexte{684}, NumTexte{685},
};

QCheckBox* Case(QDialog* d, int n)
{
    return d->findChild<QCheckBox*>(QString::number(PREMIERE_CASE + n));
}

} // namespace

DialogueNations::DialogueNations(EtatGlobal& etat, QWidget* parent) : QDialog(parent), etat_(etat)
{
    setObjectName(QStringLiteral("DIALNATIONS"));
    setModal(true);
    TexteTitre(etat, this, 675);
    auto* disposition = new QVBoxLayout(this);
    auto* titre = new QLabel(this);
    titre->setObjectName(QStringLiteral("675"));
    disposition->addWidget(titre);
    const auto cases = CasesNations(etat);
    for (int n = 0; n < NB_NATIONS; ++n) {
        auto* c = new QCheckBox(this);
        c->setObjectName(QString::number(PREMIERE_CASE + n));
        c->setText(TexteQt(etat, NOMS_NATIONS[n].n));
        c->setChecked(cases[static_cast<std::size_t>(n)]);
        disposition->addWidget(c);
    }
    auto* boutons = new QDialogButtonBox(this);
    auto* ok = boutons->addButton(QString(), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("1"));
    ok->setDefault(true);
    auto* abandon = boutons->addButton(QString(), QDialogButtonBox::RejectRole);
    abandon->setObjectName(QStringLiteral("2"));
    disposition->addSpacing(8);
    disposition->addWidget(boutons);
    TexteControle(etat, this, 675, 675);
    TexteControle(etat, this, 1, 514);
    TexteControle(etat, this, 2, 577);
    connect(ok, &QPushButton::clicked, this, [this] { Ok(); });
    connect(abandon, &QPushButton::clicked, this, &QDialog::reject);
    setFixedSize(sizeHint().expandedTo(QSize(260, 0)));
}

void DialogueNations::Ok()
{
    std::array<bool, 8> cases{};
    for (int n = 0; n < NB_NATIONS; ++n) cases[static_cast<std::size_t>(n)] = Case(this, n)->isChecked();
    EnregistrerNations(etat_, cases);
    accept();
}
