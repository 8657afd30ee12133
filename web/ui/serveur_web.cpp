#include "web/ui/serveur_web.h"

#include "web/page_web.h"
#include "web/requetes_web.h"

#include <QAbstractHttpServer>
#include <QElapsedTimer>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QMutex>
#include <QNetworkInterface>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <map>

namespace {

using Responder = QHttpServerResponder;

// Milliseconds of a steady clock, modulo 2^32, as the guards and the limiter count them.
uint32_t Maintenant()
{
    static const QElapsedTimer depart = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return static_cast<uint32_t>(depart.elapsed());
}

// The headers every answer carries: nothing is cached or run from elsewhere.
const QByteArray SECURITE = "default-src 'none'; style-src 'unsafe-inline'; script-src 'unsafe-inline'; connect-src 'self'";

// What a connection has sent so far, and since when.
struct Garde {
    AnalyseurRequetes Analyseur;
    uint32_t DebutRequete = 0;
    uint32_t DernierOctet = 0;
};

} // namespace

// Everything that lives in the server's thread.
class ServeurWeb::Travail : public QObject {
public:
    explicit Travail(const Limites& limites)
        : limites_(limites), limiteur_(limites.RequetesParSeconde, limites.Rafale, 4096)
    {
    }
    ~Travail() override { Fermer(); }

    bool Ecouter(quint16 port, const QHostAddress& adresse)
    {
        Fermer();
        tcp_ = new Tcp(*this);
        if (!tcp_->listen(adresse, port)) {
            Fermer();
            return false;
        }
        http_ = new Http(*this);
        http_->bind(tcp_);
        balayage_ = new QTimer(this);
        connect(balayage_, &QTimer::timeout, this, [this] { Balayer(); });
        balayage_->start(std::max(50, std::min(limites_.DelaiRequeteMs, 1000) / 2));
        return true;
    }
    quint16 Port() const { return tcp_ ? tcp_->serverPort() : 0; }
    void Fermer()
    {
        delete balayage_;
        balayage_ = nullptr;
        for (auto& [socket, garde] : gardes_)
            if (socket) socket->abort();
        gardes_.clear();
        parClient_.clear();
        // The HTTP server owns the TCP server it is bound to.
        if (http_) delete http_;
        else delete tcp_;
        http_ = nullptr;
        tcp_ = nullptr;
    }
    void Publier(QByteArray json)
    {
        QMutexLocker verrou(&mutex_);
        vue_ = std::move(json);
    }
    ServeurWeb::Compteurs Releve()
    {
        QMutexLocker verrou(&mutex_);
        return releve_;
    }

private:
    class Tcp : public QTcpServer {
    public:
        explicit Tcp(Travail& t) : travail_(t) {}

    protected:
        void incomingConnection(qintptr descripteur) override
        {
            auto* socket = new QTcpSocket(this);
            socket->setSocketDescriptor(descripteur);
            if (!travail_.Accueillir(socket)) {
                socket->abort();
                socket->deleteLater();
                return;
            }
            addPendingConnection(socket);
        }

    private:
        Travail& travail_;
    };

    class Http : public QAbstractHttpServer {
    public:
        explicit Http(Travail& t) : travail_(t) {}

    protected:
        bool handleRequest(const QHttpServerRequest& requete, QTcpSocket* socket) override
        {
            travail_.Repondre(requete, makeResponder(requete, socket));
            return true;
        }
        void missingHandler(const QHttpServerRequest&, QTcpSocket* socket) override { socket->abort(); }

    private:
        Travail& travail_;
    };

    // A new connection, within the limits, with its guard listening before the HTTP server does.
    bool Accueillir(QTcpSocket* socket)
    {
        // Counted while their sockets live, a dropped one included until it is gone.
        const QString cle = socket->peerAddress().toString();
        const auto client = parClient_.find(cle);
        if (Releve().Ouvertes >= limites_.ConnexionsMax || (client != parClient_.end() && client->second >= limites_.ConnexionsParClient)) {
            Compter(&ServeurWeb::Compteurs::Refusees);
            return false;
        }
        ++parClient_[cle];
        Compter(&ServeurWeb::Compteurs::Ouvertes);
        socket->setReadBufferSize(limites_.TamponLecture);
        const uint32_t maintenant = Maintenant();
        gardes_[socket] = Garde{{}, maintenant, maintenant};
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { Lire(socket); });
        connect(socket, &QObject::destroyed, this, [this, socket, cle] {
            gardes_.erase(socket);
            if (--parClient_[cle] <= 0) parClient_.erase(cle);
            QMutexLocker verrou(&mutex_);
            --releve_.Ouvertes;
        });
        return true;
    }

    // What arrived, judged before the HTTP server reads it.
    void Lire(QTcpSocket* socket)
    {
        const auto it = gardes_.find(socket);
        if (it == gardes_.end()) return;
        Garde& g = it->second;
        const QByteArray octets = socket->peek(socket->bytesAvailable());
        g.DernierOctet = Maintenant();
        if (!g.Analyseur.RequeteEnCours()) g.DebutRequete = g.DernierOctet;
        if (const int statut = g.Analyseur.Lire({octets.constData(), static_cast<std::size_t>(octets.size())})) Couper(socket, statut);
    }

    // The rule broken is said, and the connection goes; the HTTP server gets nothing of it.
    void Couper(QTcpSocket* socket, int statut)
    {
        Compter(&ServeurWeb::Compteurs::Coupees);
        gardes_.erase(socket);
        socket->readAll();
        if (statut) socket->write(QByteArray::fromStdString(ReponseRefus(statut)));
        socket->disconnectFromHost();
        QTimer::singleShot(1000, socket, [socket] { socket->abort(); });
    }

    // Slow, silent or not reading: dropped.
    void Balayer()
    {
        const uint32_t maintenant = Maintenant();
        std::vector<std::pair<QTcpSocket*, int>> trop;
        for (const auto& [socket, g] : gardes_) {
            if (g.Analyseur.RequeteEnCours() && maintenant - g.DebutRequete > static_cast<uint32_t>(limites_.DelaiRequeteMs))
                trop.emplace_back(socket, 408);
            else if (maintenant - g.DernierOctet > static_cast<uint32_t>(limites_.InactiviteMs)) trop.emplace_back(socket, 0);
            else if (socket->bytesToWrite() > limites_.AttenteEcritureMax) trop.emplace_back(socket, 0);
        }
        for (const auto& [socket, statut] : trop) Couper(socket, statut);
    }

    void Repondre(const QHttpServerRequest& requete, Responder&& reponse)
    {
        if (!limiteur_.Accepter(requete.remoteAddress().toString().toStdString(), Maintenant())) {
            Compter(&ServeurWeb::Compteurs::Freinees);
            reponse.write(QByteArray(), {{"Retry-After", "1"}, {"Cache-Control", "no-store"}}, Responder::StatusCode::TooManyRequests);
            return;
        }
        const ReponseWeb r = Router(requete.method() == QHttpServerRequest::Method::Get ? "GET" : "", requete.url().path().toStdString());
        if (r.Ressource == RessourceWeb::Page) {
            const std::string_view page = PageWeb();
            reponse.write(QByteArray::fromRawData(page.data(), static_cast<qsizetype>(page.size())),
                          {{"Content-Type", "text/html; charset=utf-8"}, {"Cache-Control", "no-cache"},
                           {"Content-Security-Policy", SECURITE}, {"X-Content-Type-Options", "nosniff"}, {"Referrer-Policy", "no-referrer"}},
                          Responder::StatusCode::Ok);
        } else if (r.Ressource == RessourceWeb::Vue) {
            QByteArray vue;
            {
                QMutexLocker verrou(&mutex_);
                vue = vue_;
            }
            reponse.write(vue, {{"Content-Type", "application/json; charset=utf-8"}, {"Cache-Control", "no-store"},
                                {"X-Content-Type-Options", "nosniff"}},
                          Responder::StatusCode::Ok);
        } else {
            reponse.write(QByteArray(), {{"Allow", "GET"}}, static_cast<Responder::StatusCode>(r.Statut));
            return;
        }
        Compter(&ServeurWeb::Compteurs::Repondues);
    }

    void Compter(int ServeurWeb::Compteurs::*compteur)
    {
        QMutexLocker verrou(&mutex_);
        ++(releve_.*compteur);
    }

    Limites limites_;
    LimiteurDebit limiteur_;
    Tcp* tcp_ = nullptr;
    Http* http_ = nullptr;
    QTimer* balayage_ = nullptr;
    std::map<QTcpSocket*, Garde> gardes_;
    std::map<QString, int> parClient_;
    QMutex mutex_;
    QByteArray vue_ = "{}";
    ServeurWeb::Compteurs releve_;
};

ServeurWeb::ServeurWeb() : ServeurWeb(Limites{}) {}

ServeurWeb::ServeurWeb(Limites limites) : travail_(new Travail(limites))
{
    fil_.setObjectName(QStringLiteral("tableau web"));
    travail_->moveToThread(&fil_);
    fil_.start();
}

ServeurWeb::~ServeurWeb()
{
    QMetaObject::invokeMethod(travail_, [t = travail_] { delete t; }, Qt::BlockingQueuedConnection);
    fil_.quit();
    fil_.wait();
}

bool ServeurWeb::Demarrer(quint16 port, const QHostAddress& adresse)
{
    bool ecoute = false;
    QMetaObject::invokeMethod(travail_, [&] {
        ecoute = travail_->Ecouter(port, adresse);
        port_ = travail_->Port();
    }, Qt::BlockingQueuedConnection);
    return ecoute;
}

void ServeurWeb::Arreter()
{
    QMetaObject::invokeMethod(travail_, [this] { travail_->Fermer(); }, Qt::BlockingQueuedConnection);
    port_ = 0;
}

bool ServeurWeb::Actif() const { return port_ != 0; }

quint16 ServeurWeb::Port() const { return port_; }

void ServeurWeb::Publier(const std::string& json) { travail_->Publier(QByteArray::fromStdString(json)); }

ServeurWeb::Compteurs ServeurWeb::Releve() const { return travail_->Releve(); }

QString AdresseDuPoste(quint16 port)
{
    QString hote = QStringLiteral("127.0.0.1");
    for (const QNetworkInterface& i : QNetworkInterface::allInterfaces()) {
        const auto drapeaux = i.flags();
        if (!(drapeaux & QNetworkInterface::IsUp) || !(drapeaux & QNetworkInterface::IsRunning) || (drapeaux & QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry& e : i.addressEntries())
            if (e.ip().protocol() == QAbstractSocket::IPv4Protocol) return QStringLiteral("http://%1:%2/").arg(e.ip().toString()).arg(port);
    }
    return QStringLiteral("http://%1:%2/").arg(hote).arg(port);
}
