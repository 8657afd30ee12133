#include "stand/ui/dialogues_mode.h"

#include "widgets/ui/controles.h"
#include "widgets/ui/qt_textes.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int LARGEUR = 380;

QPushButton* Bouton(QWidget* parent, int id)
{
    auto* b = CreerControle<QPushButton>(parent, id);
    b->setMinimumWidth(90);
    return b;
}
QLineEdit* ChampMotDePasse(QWidget* parent)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(QStringLiteral("868"));
    e->setMaxLength(LONGUEUR_SAISIE_MOT_DE_PASSE);
    return e;
}

// Buttons at the right of a row, in the order given.
QHBoxLayout* Rangee(std::initializer_list<QPushButton*> boutons)
{
    auto* r = new QHBoxLayout;
    r->addStretch();
    for (QPushButton* b : boutons) r->addWidget(b);
    return r;
}

} // namespace

DialoguePassword::DialoguePassword(const EtatGlobal& etat, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("PASSWORD"));
    setModal(true);
    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(CreerEtiquette(this, 628));
    saisie_ = ChampMotDePasse(this);
    // Self-service users may be watching the screen.
    saisie_->setEchoMode(QLineEdit::Password);
    colonne->addWidget(saisie_);
    auto* ok = Bouton(this, 1);
    auto* abandon = Bouton(this, 2);
    ok->setDefault(true);
    colonne->addLayout(Rangee({ok, abandon}));
    TexteControle(etat, this, 628, 628);
    TexteControle(etat, this, 1, 176);
    TexteControle(etat, this, 2, 627);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(abandon, &QPushButton::clicked, this, &QDialog::reject);
    saisie_->setFocus();
    setFixedWidth(LARGEUR);
}

std::optional<std::string> DialoguePassword::Saisie() const
{
    if (result() != QDialog::Accepted) return std::nullopt;
    return DepuisQString(saisie_->text());
}

DialogueBascule::DialogueBascule(const EtatGlobal& etat, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("BASCULE"));
    setModal(true);
    TexteTitre(etat, this, 508);
    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(CreerEtiquette(this, 512));
    nePlus_ = new QCheckBox(this);
    nePlus_->setObjectName(QStringLiteral("970"));
    colonne->addWidget(nePlus_);
    auto* oui = Bouton(this, 1);
    auto* non = Bouton(this, 2);
    oui->setDefault(true);
    colonne->addLayout(Rangee({oui, non}));
    TexteControle(etat, this, 512, 512);
    TexteControle(etat, this, 970, 511);
    TexteControle(etat, this, 1, 509);
    TexteControle(etat, this, 2, 510);
    connect(oui, &QPushButton::clicked, this, &QDialog::accept);
    connect(non, &QPushButton::clicked, this, &QDialog::reject);
    setFixedWidth(LARGEUR);
}

ReponseBascule DialogueBascule::Reponse() const
{
    return {result() == QDialog::Accepted, nePlus_->isChecked()};
}

DialogueCreePass::DialogueCreePass(const EtatGlobal& etat, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CREEPASS"));
    setModal(true);
    setWindowFlags(windowFlags() & ~Qt::WindowCloseButtonHint & ~Qt::WindowContextHelpButtonHint);
    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(CreerEtiquette(this, 515));
    saisie_ = ChampMotDePasse(this);
    colonne->addWidget(saisie_);
    colonne->addWidget(CreerEtiquette(this, 516));
    auto* ok = Bouton(this, 1);
    ok->setDefault(true);
    colonne->addLayout(Rangee({ok}));
    TexteControle(etat, this, 515, 515);
    TexteControle(etat, this, 516, 516);
    TexteControle(etat, this, 1, 514);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    saisie_->setFocus();
    setFixedWidth(LARGEUR);
}

void DialogueCreePass::closeEvent(QCloseEvent* e)
{
    if (result() != QDialog::Accepted) e->ignore();
}

std::string DialogueCreePass::MotDePasse() const
{
    return DepuisQString(saisie_->text());
}

std::optional<std::string> OuvrirPassword(const EtatGlobal& etat, QWidget* parent)
{
    DialoguePassword d(etat, parent);
    d.exec();
    return d.Saisie();
}

ReponseBascule OuvrirBascule(const EtatGlobal& etat, QWidget* parent)
{
    DialogueBascule d(etat, parent);
    d.exec();
    return d.Reponse();
}

std::string OuvrirCreePass(const EtatGlobal& etat, QWidget* parent)
{
    DialogueCreePass d(etat, parent);
    d.exec();
    return d.MotDePasse();
}
