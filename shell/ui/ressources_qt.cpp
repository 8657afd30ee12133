#include "shell/ui/ressources_qt.h"

#include "engine/etat.h"
#include "shell/echelle.h"

#include <QApplication>
#include <QFontMetrics>

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
    static Polices p;
    static bool faites = false;
    if (faites) return p;
    faites = true;
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
    const QFontMetrics liste(p.Liste);
    p.HauteurLigneListe = liste.height() + liste.leading() + 4;
    const QFontMetrics grande(p.Grande);
    p.HauteurLigneGrande = grande.height() + grande.leading() + 3;
    return p;
}
