#pragma once
// One running stand: a second start brings the first window to the front and ends.

#include <QLocalServer>
#include <QObject>

class QWidget;

class InstanceUnique : public QObject {
public:
    // The server's name: "KORAL" and the user's own mark.
    static QString Nom();
    // True when another instance answered (it has been asked to come to the front).
    static bool DejaLancee();
    // Listens for later starts and brings `fenetre` to the front for them.
    void Ecouter(QWidget* fenetre);

private:
    QLocalServer serveur_;
};
