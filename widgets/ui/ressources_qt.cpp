#include "widgets/ui/ressources_qt.h"

#include "engine/etat.h"
#include "engine/echelle.h"

#include <QApplication>
#include <QFontMetrics>

#include <map>
#include <utility>

namespace {

QFont Police(const QString& famille, int points, int graisse)
{
    QFont f(famille);
    f.setPointSizeF(points);
    f.setWeight(static_cast<QFont::Weight>(graisse));
    return f;
}

} // namespace

const Polices& PolicesKoral(const EtatGlobal& etat)
{
    static std::map<std::pair<int, int>, Polices> parEcran;
    const auto [it, nouvelles] = parEcran.try_emplace({etat.LargeurEcran, etat.HauteurEcran});
    Polices& p = it->second;
    if (!nouvelles) return p;
    // Heights in points follow the screen's height like every design unit.
    auto points = [&](int pt) { return std::max(6, EchelleY(etat, pt * 10) / 10); };
    const QString arial = QStringLiteral("Arial");
    p.Grande = Police(arial, points(11), QFont::Bold);
    p.Petite = Police(arial, points(8), QFont::Bold);
    p.Points20 = Police(arial, points(20), QFont::Bold);
    p.Points14 = Police(arial, points(14), QFont::Bold);
    p.Defilant = Police(QStringLiteral("Courier New"), points(16), QFont::Bold);
    p.Points14DemiGras = Police(arial, points(14), 600);
    p.Liste = QApplication::font();
    const qreal peinte = 9.0 * etat.HauteurEcran / 768;
    p.Peinte = Police(arial, 9, QFont::Normal);
    p.Peinte.setPointSizeF(peinte);
    p.PeinteGrasse = Police(arial, 9, QFont::Bold);
    p.PeinteGrasse.setPointSizeF(peinte);
    const QFontMetrics liste(p.Liste);
    p.HauteurLigneListe = liste.height() + liste.leading() + 4;
    const QFontMetrics grande(p.Grande);
    p.HauteurLigneGrande = grande.height() + grande.leading() + 3;
    return p;
}
