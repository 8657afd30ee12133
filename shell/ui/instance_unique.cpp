#include "shell/ui/instance_unique.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>
#include <QWidget>

namespace {

QString MarqueUtilisateur()
{
    return QString::fromLatin1(QCryptographicHash::hash(QDir::homePath().toUtf8(), QCryptographicHash::Sha1).toHex().left(12));
}

} // namespace

QString InstanceUnique::Nom()
{
    // One stand per user: another user of the laptop runs a stand of their own.
    return QStringLiteral("KORAL-") + MarqueUtilisateur();
}

QString InstanceUnique::CheminVerrou()
{
    // Beside the user's settings: a folder of this user's alone, on every system.
    const QString dossier = QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)).filePath(QStringLiteral("TRAX"));
    QDir().mkpath(dossier);
    return QDir(dossier).filePath(QStringLiteral("koralis-") + MarqueUtilisateur() + QStringLiteral(".instance"));
}

bool InstanceUnique::Prendre()
{
    switch (verrou_.Prendre(CheminVerrou().toStdString())) {
    case PriseVerrou::Prise: Ecouter(); return true;
    // The stand exists, though it may not listen yet: it is asked for a while.
    case PriseVerrou::Tenue: Reveiller(2000); return false;
    // No lock can be made here: the server alone tells.
    case PriseVerrou::Impossible: break;
    }
    if (Reveiller(300)) return false;
    Ecouter();
    return true;
}

bool InstanceUnique::Reveiller(int attenteMs)
{
    QElapsedTimer horloge;
    horloge.start();
    do {
        QLocalSocket prise;
        prise.connectToServer(Nom());
        if (prise.waitForConnected(200)) {
            prise.write("1");
            prise.waitForBytesWritten(500);
            return true;
        }
        QThread::msleep(20);
    } while (horloge.elapsed() < attenteMs);
    return false;
}

void InstanceUnique::Ecouter()
{
    // The lock is ours: a socket left by a crashed run is stale, never a living stand's.
    QLocalServer::removeServer(Nom());
    serveur_.setSocketOptions(QLocalServer::UserAccessOption);
    serveur_.listen(Nom());
    connect(&serveur_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* p = serveur_.nextPendingConnection()) p->deleteLater();
        AuPremierPlan();
    });
}

void InstanceUnique::AuPremierPlan()
{
    // The dialog in front (the language, the meeting file, a question) before the main window.
    QWidget* w = QApplication::activeModalWidget();
    if (!w) w = fenetre_;
    if (!w) {
        for (QWidget* t : QApplication::topLevelWidgets())
            if (t->isVisible()) w = t;
    }
    if (!w) return;
    w->setWindowState((w->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    w->show();
    w->raise();
    w->activateWindow();
}
