#include "widgets/ui/traductions_qt.h"

#include "engine/textes.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace {

// Qt ships Brazilian Portuguese only; it reads well enough in Portugal.
QString Fichier(int decalage)
{
    switch (decalage) {
    case DECALAGE_FRANCAIS: return QStringLiteral("qtbase_fr");
    case DECALAGE_PORTUGAIS: return QStringLiteral("qtbase_pt_BR");
    default: return {};
    }
}

} // namespace

TraductionsQt::TraductionsQt(int decalageLangue)
{
    const QString fichier = Fichier(decalageLangue);
    if (fichier.isEmpty()) return;
    const QString dossiers[] = {QCoreApplication::applicationDirPath() + QStringLiteral("/translations"),
                                QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
    for (const QString& dossier : dossiers)
        if (traducteur_.load(fichier, dossier)) {
            installees_ = QCoreApplication::installTranslator(&traducteur_);
            return;
        }
}

TraductionsQt::~TraductionsQt()
{
    if (installees_) QCoreApplication::removeTranslator(&traducteur_);
}
