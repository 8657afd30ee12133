#include "shell/ui/instance_unique.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>
#include <QWidget>

QString InstanceUnique::Nom()
{
    // One stand per user: another user of the laptop runs a stand of their own.
    const QByteArray utilisateur = QCryptographicHash::hash(QDir::homePath().toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    return QStringLiteral("KORAL-") + QString::fromLatin1(utilisateur);
}

bool InstanceUnique::DejaLancee()
{
    QLocalSocket prise;
    prise.connectToServer(Nom());
    if (!prise.waitForConnected(500)) return false;
    prise.write("1");
    prise.waitForBytesWritten(500);
    return true;
}

void InstanceUnique::Ecouter(QWidget* fenetre)
{
    // A server left behind by a crashed run would refuse the name.
    QLocalServer::removeServer(Nom());
    serveur_.setSocketOptions(QLocalServer::UserAccessOption);
    serveur_.listen(Nom());
    connect(&serveur_, &QLocalServer::newConnection, this, [this, fenetre] {
        while (QLocalSocket* p = serveur_.nextPendingConnection()) p->deleteLater();
        fenetre->setWindowState((fenetre->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        fenetre->show();
        fenetre->raise();
        fenetre->activateWindow();
    });
}
