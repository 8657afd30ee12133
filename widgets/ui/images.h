#pragma once
// The program's pictures, drawn from their SVG sources at the size they are used.

#include <QPixmap>
#include <QSize>
#include <QString>

// The picture at its own size.
QPixmap Image(const QString& nom);
// The picture drawn to `taille` (a stretch that stays sharp).
QPixmap Image(const QString& nom, QSize taille);
QSize TailleImage(const QString& nom);
