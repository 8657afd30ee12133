#include "tests/ui/support/captures.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QWidget>

std::string Capturer(QWidget* widget, const std::string& nom)
{
    const QString dossier = QStringLiteral(KORAL_BUILD_DIR "/screenshots");
    QDir().mkpath(dossier);
    widget->show();
    QApplication::processEvents();
    const QString fichier = dossier + "/" + QString::fromStdString(nom) + ".png";
    widget->grab().save(fichier);
    return fichier.toStdString();
}
