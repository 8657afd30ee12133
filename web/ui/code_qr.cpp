#include "web/ui/code_qr.h"

#include <QPainter>

#include <qrencode.h>

#include <memory>

QImage CodeQr(const QString& texte, int module)
{
    const QByteArray utf8 = texte.toUtf8();
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(QRcode_encodeString(utf8.constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1),
                                                              &QRcode_free);
    if (!code) return {};
    // Four modules of white all around, as readers need.
    constexpr int MARGE = 4;
    const int cote = (code->width + 2 * MARGE) * module;
    QImage image(cote, cote, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    for (int y = 0; y < code->width; ++y)
        for (int x = 0; x < code->width; ++x)
            if (code->data[y * code->width + x] & 1) p.fillRect((x + MARGE) * module, (y + MARGE) * module, module, module, Qt::black);
    return image;
}
