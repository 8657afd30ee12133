#pragma once
// A QR code of a text (the web board's address), drawn black on white with its
// quiet zone, `module` pixels a module.

#include <QImage>
#include <QString>

QImage CodeQr(const QString& texte, int module);
