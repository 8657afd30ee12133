#include "tests/ui/support/captures.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
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

std::vector<std::string> TextesCoupes(QWidget* widget)
{
    std::vector<std::string> coupes;
    for (QLabel* l : widget->findChildren<QLabel*>()) {
        if (!l->isVisible() || l->text().isEmpty()) continue;
        const bool tient = l->wordWrap() ? l->heightForWidth(l->width()) <= l->height()
                                         : l->sizeHint().width() <= l->width() + 1;
        if (!tient) coupes.push_back(l->objectName().toStdString());
    }
    for (QAbstractButton* b : widget->findChildren<QAbstractButton*>()) {
        if (!b->isVisible() || b->text().isEmpty()) continue;
        // A button's text may take several lines: its widest one must fit.
        int largeur = 0;
        for (const QString& ligne : b->text().split(QLatin1Char('\n')))
            largeur = std::max(largeur, b->fontMetrics().horizontalAdvance(ligne));
        if (largeur > b->width()) coupes.push_back(b->objectName().toStdString());
        if (!widget->rect().contains(b->geometry())) coupes.push_back(b->objectName().toStdString());
    }
    return coupes;
}
