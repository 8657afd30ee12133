#pragma once
// One running stand per user, decided before any window opens: the first start
// takes a lock the system holds for it (and drops when it ends, however it ends)
// and listens; a later start finds the lock taken, brings the first to the front
// and ends.

#include "storage/verrou.h"

#include <QLocalServer>
#include <QObject>
#include <QPointer>

class QWidget;

class InstanceUnique : public QObject {
public:
    // The server's name: "KORAL" and the user's own mark.
    static QString Nom();
    // The lock file of this user's stand.
    static QString CheminVerrou();

    // True when this start is the user's stand: it listens from now on, and a
    // later start brings its front window (a dialog already, or the main window)
    // forward. False when another start is the stand: it has been asked to come
    // to the front, and this one ends.
    bool Prendre();
    // The window brought forward once the main window exists.
    void DefinirFenetre(QWidget* fenetre) { fenetre_ = fenetre; }

    // Asks the running stand to come to the front; false when none answers.
    static bool Reveiller(int attenteMs);

private:
    void Ecouter();
    void AuPremierPlan();

    VerrouFichier verrou_;
    QLocalServer serveur_;
    QPointer<QWidget> fenetre_;
};
