#pragma once
// Headless Chromium driven through ChromeDriver (WebDriver over HTTP), for the
// tests of the board on the phones: a page loaded at a phone's or a laptop's
// size, what it shows read back, and its picture.

#include <QJsonValue>
#include <QProcess>
#include <QString>

class Navigateur {
public:
    Navigateur(int largeur, int hauteur);
    ~Navigateur();
    Navigateur(const Navigateur&) = delete;
    Navigateur& operator=(const Navigateur&) = delete;

    bool Pret() const { return !session_.isEmpty(); }
    QString Erreur() const { return erreur_; }
    bool Aller(const QString& url);
    // A script's value in the page ("return ...").
    QJsonValue Executer(const QString& script);
    // The page's visible text.
    QString Texte();
    // Waits up to `ms` until the visible text holds `texte`; the time it took, or -1.
    qint64 AttendreTexte(const QString& texte, int ms);
    bool Capturer(const QString& chemin);

private:
    QJsonValue Appel(const QByteArray& methode, const QString& chemin, const QJsonValue& corps = {});

    QProcess pilote_;
    quint16 port_ = 0;
    QString session_;
    QString erreur_;
};

// A port free on the loopback just now.
quint16 PortLibre();
