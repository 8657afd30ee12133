#include "widgets/ui/images.h"

#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

#include <map>
#include <memory>

namespace {

// Owned by the cache, so they are freed with it at exit.
QSvgRenderer& Rendu(const QString& nom)
{
    static std::map<QString, std::unique_ptr<QSvgRenderer>> rendus;
    auto& rendu = rendus[nom];
    if (!rendu) rendu = std::make_unique<QSvgRenderer>(QStringLiteral(":/images/%1.svg").arg(nom));
    return *rendu;
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
