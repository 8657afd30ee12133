#include "cards/ui/dialogues_saisie_texte.h"

#include "engine/etat.h"
#include "engine/frequences.h"
#include "widgets/ui/controles.h"
#include "widgets/ui/qt_textes.h"
#include "widgets/ui/ressources_qt.h"
#include "widgets/ui/saisie_cp1252.h"

#include <QBoxLayout>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

namespace {

constexpr int MARGE = 12;
const QRect TITRE_REPRISE(20, 10, 350, 40);

QHBoxLayout* OkAbandon(const EtatGlobal& etat, QDialog* d, int abandon)
{
    auto* ok = CreerBouton(d, 1);
    auto* a = CreerBouton(d, 2);
    TexteControle(etat, d, 1, 176);
    TexteControle(etat, d, 2, abandon);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, d, &QDialog::accept);
    QObject::connect(a, &QPushButton::clicked, d, &QDialog::reject);
    auto* bas = new QHBoxLayout;
    bas->addStretch();
    bas->addWidget(ok);
    bas->addWidget(a);
    return bas;
}

} // namespace

DialogueTexteLibre::DialogueTexteLibre(const EtatGlobal& etat, bool commentaire, const std::string& texte,
                                       std::size_t longueur, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(commentaire ? QStringLiteral("DLGCOM") : QStringLiteral("DLGREM"));
    setModal(true);
    TexteTitre(etat, this, commentaire ? 584 : 588);
    auto* colonne = new QVBoxLayout(this);
    if (commentaire) {
        lignes_ = CreerControle<QPlainTextEdit>(this, 869);
        lignes_->setPlainText(VersQString(texte));
        LimiterTexteMultiligne(lignes_, longueur);
        lignes_->moveCursor(QTextCursor::End);
        lignes_->setTabChangesFocus(true);
        lignes_->setMinimumSize(420, 120);
        colonne->addWidget(lignes_);
        lignes_->setFocus();
    } else {
        ligne_ = CreerControle<QLineEdit>(this, 869);
        ligne_->setMaxLength(static_cast<int>(longueur));
        ligne_->setValidator(new ValidateurCp1252(ligne_));
        ligne_->setText(VersQString(texte));
        ligne_->setMinimumWidth(420);
        colonne->addWidget(ligne_);
        ligne_->setFocus();
    }
    colonne->addLayout(OkAbandon(etat, this, 587));
}

std::string DialogueTexteLibre::Texte() const
{
    return ligne_ ? DepuisQString(ligne_->text()) : DepuisQStringLignes(lignes_->toPlainText());
}

DialogueReprise::DialogueReprise(const EtatGlobal& etat, QWidget* parent) : QDialog(parent), etat_(etat)
{
    setObjectName(QStringLiteral("DIALREPRISE"));
    setModal(true);
    TexteTitre(etat, this, 181);
    auto* colonne = new QVBoxLayout(this);
    colonne->setContentsMargins(MARGE, TITRE_REPRISE.bottom() + MARGE, MARGE, MARGE);
    auto* ligne = new QHBoxLayout;
    QLabel* question = CreerEtiquette(this, 730, false);
    TexteControle(etat, this, 730, 401);
    nombre_ = CreerControle<QLineEdit>(this, 731);
    nombre_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,5}")), nombre_));
    nombre_->setText(QStringLiteral("0"));
    nombre_->selectAll();
    nombre_->setFixedWidth(70);
    ligne->addWidget(question);
    ligne->addWidget(nombre_);
    ligne->addStretch();
    colonne->addLayout(ligne);
    colonne->addLayout(OkAbandon(etat, this, 177));
    nombre_->setFocus();
    setMinimumWidth(TITRE_REPRISE.right() + MARGE);
}

int DialogueReprise::Nombre() const
{
    return EntierEnTete(DepuisQString(nombre_->text().left(5)));
}

void DialogueReprise::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setFont(PolicesKoral(etat_).Points14);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(TITRE_REPRISE, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, TexteQt(etat_, 400));
}

std::optional<std::string> OuvrirTexteLibre(const EtatGlobal& etat, bool commentaire, const std::string& texte,
                                             std::size_t longueur, QWidget* parent)
{
    DialogueTexteLibre d(etat, commentaire, texte, longueur, parent);
    if (d.exec() != QDialog::Accepted) return std::nullopt;
    return d.Texte();
}

std::optional<int> OuvrirReprise(const EtatGlobal& etat, QWidget* parent)
{
    DialogueReprise d(etat, parent);
    if (d.exec() != QDialog::Accepted) return std::nullopt;
    return d.Nombre();
}
