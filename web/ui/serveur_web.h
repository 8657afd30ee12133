#pragma once
// The web board's server: Qt's HTTP server in a thread of its own, behind a
// guard that reads every byte a client sends before it does. It answers from
// the last view the stand published, so a client, slow, hostile or many, never
// holds the stand up; and it only ever reads.

#include <QHostAddress>
#include <QThread>

#include <memory>
#include <string>

class ServeurWeb {
public:
    struct Limites {
        int ConnexionsMax = 512;
        int ConnexionsParClient = 32;
        int RequetesParSeconde = 10;   // per client, after a burst
        int Rafale = 30;
        int DelaiRequeteMs = 5000;     // a request begun must be whole by then
        int InactiviteMs = 60000;      // a connection with nothing to say is closed
        qint64 TamponLecture = 16 * 1024;
        qint64 AttenteEcritureMax = 1024 * 1024;   // a client that does not read is dropped
    };
    struct Compteurs {
        int Ouvertes = 0;      // connections open now
        int Refusees = 0;      // connections turned away at once (too many)
        int Coupees = 0;       // dropped for breaking a rule or for slowness
        int Repondues = 0;     // requests answered 200
        int Freinees = 0;      // requests answered 429
    };

    ServeurWeb();
    explicit ServeurWeb(Limites limites);
    ~ServeurWeb();
    ServeurWeb(const ServeurWeb&) = delete;
    ServeurWeb& operator=(const ServeurWeb&) = delete;

    // Listens on `port` (0: one the system chooses) of `adresse`; false when it
    // cannot, the port being taken.
    bool Demarrer(quint16 port, const QHostAddress& adresse = QHostAddress::Any);
    void Arreter();
    bool Actif() const;
    quint16 Port() const;
    // The view the page polls, as the stand last published it.
    void Publier(const std::string& json);
    Compteurs Releve() const;

private:
    class Travail;
    QThread fil_;
    Travail* travail_ = nullptr;
    quint16 port_ = 0;
};

// The address the pilots' phones reach this computer at: its first address on
// a network that is up, else the loopback.
QString AdresseDuPoste(quint16 port);
