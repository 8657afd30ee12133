#include "shell/ui/images.h"

#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

namespace {

QSvgRenderer& Rendu(const QString& nom)
{
    static QHash<QString, QSvgRenderer*> rendus;
    auto it = rendus.find(nom);
    if (it == rendus.end()) it = rendus.insert(nom, new QSvgRenderer(QStringLiteral(":/images/%1.svg").arg(nom)));
    return **it;
}

} // namespace

QSize TailleImage(const QString& nom)
{
    return Rendu(nom).defaultSize();
}

QPixmap Image(const QString& nom, QSize taille)
{
    static QHash<QString, QPixmap> cache;
    const QString cle = QStringLiteral("%1@%2x%3").arg(nom).arg(taille.width()).arg(taille.height());
    if (auto it = cache.constFind(cle); it != cache.constEnd()) return *it;
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    QPixmap image(taille * ratio);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    if (!taille.isEmpty()) {
        QPainter peintre(&image);
        Rendu(nom).render(&peintre, QRectF(QPointF(0, 0), QSizeF(taille)));
    }
    cache.insert(cle, image);
    return image;
}

QPixmap Image(const QString& nom)
{
    return Image(nom, TailleImage(nom));
}
