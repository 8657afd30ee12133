#include "shell/ui/instance_unique.h"

#include <QLocalSocket>
#include <QWidget>

namespace {
const QString NOM = QStringLiteral("KORAL");
}

bool InstanceUnique::DejaLancee()
{
    QLocalSocket prise;
    prise.connectToServer(NOM);
    if (!prise.waitForConnected(500)) return false;
    prise.write("1");
    prise.waitForBytesWritten(500);
    return true;
}

void InstanceUnique::Ecouter(QWidget* fenetre)
{
    // A server left behind by a crashed run would refuse the name.
    QLocalServer::removeServer(NOM);
    serveur_.listen(NOM);
    connect(&serveur_, &QLocalServer::newConnection, this, [this, fenetre] {
        while (QLocalSocket* p = serveur_.nextPendingConnection()) p->deleteLater();
        fenetre->setWindowState((fenetre->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        fenetre->show();
        fenetre->raise();
        fenetre->activateWindow();
    });
}
