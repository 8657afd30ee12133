#include "widgets/ui/qt_textes.h"

#include "engine/cp1252.h"
#include "engine/textes.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QWidget>

QString VersQString(std::string_view cp1252)
{
    QString s = QString::fromUtf8(Cp1252VersUtf8(cp1252));
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

std::string DepuisQString(const QString& texte)
{
    return Utf8VersCp1252(texte.toStdString());
}

std::string DepuisQStringLignes(const QString& texte)
{
    QString lignes = texte;
    lignes.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lignes.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return DepuisQString(lignes);
}

QString EspacesInsecables(QString texte)
{
    static const QRegularExpression avantPonctuation(QStringLiteral(" ([!?:;])"));
    return texte.replace(avantPonctuation, QStringLiteral("\u00A0\\1"));
}

QString TexteQt(const EtatGlobal& etat, int n)
{
    return VersQString(Texte(etat, n));
}

void TexteControle(const EtatGlobal& etat, QWidget* dialogue, int controle, int n)
{
    QWidget* w = dialogue->findChild<QWidget*>(QString::number(controle));
    if (!w) return;
    const QString texte = TexteQt(etat, n).left(254);
    if (auto* b = qobject_cast<QAbstractButton*>(w)) b->setText(texte);
    else if (auto* l = qobject_cast<QLabel*>(w)) l->setText(texte);
    else if (auto* e = qobject_cast<QLineEdit*>(w)) e->setText(texte);
    else if (auto* g = qobject_cast<QGroupBox*>(w)) g->setTitle(texte);
}

void TexteTitre(const EtatGlobal& etat, QWidget* fenetre, int n)
{
    fenetre->setWindowTitle(TexteQt(etat, n).left(254));
}
