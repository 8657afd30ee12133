#pragma once
// What a client of the web board may send, judged on the bytes before Qt's HTTP
// server reads them, and what each request gets. The board is read only: GET of
// the page or of its view, nothing else; no body; small requests; a client that
// sends too fast is told to wait.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

constexpr std::size_t LIGNE_REQUETE_MAX = 2048;
constexpr std::size_t ENTETES_OCTETS_MAX = 8192;
constexpr int ENTETES_MAX = 40;
constexpr int LIGNES_VIDES_MAX = 4;

// The bytes of one connection, read as they come.
class AnalyseurRequetes {
public:
    // 0 while the bytes keep to the rules; else the status to answer (400, 404,
    // 405, 413, 414, 431), after which the connection is dropped and nothing
    // more is read. A request line is routed as soon as it is whole.
    int Lire(std::string_view octets);
    // A request has begun and is not whole yet (a slow client is dropped on it).
    bool RequeteEnCours() const { return etat_ != Etat::Ligne || !ligne_.empty(); }
    int RequetesCompletes() const { return completes_; }

private:
    enum class Etat { Ligne, Entetes };
    int FinDeLigne();
    int LigneDeRequete();
    int Entete();

    Etat etat_ = Etat::Ligne;
    std::string ligne_;
    std::size_t octetsEntetes_ = 0;
    int entetes_ = 0;
    int lignesVides_ = 0;
    int completes_ = 0;
    int refus_ = 0;
};

enum class RessourceWeb { Page, Vue };

struct ReponseWeb {
    int Statut = 200;
    std::optional<RessourceWeb> Ressource;   // what a 200 carries
};

// GET "/" is the page, GET "/board.json" its view (a query is ignored); any other
// method 405, any other path 404.
ReponseWeb Router(std::string_view methode, std::string_view cible);

// The whole answer of a refusal: its status line and that the connection closes.
std::string ReponseRefus(int statut);

// Requests per second per client: a bucket of `rafale` requests that refills at
// `parSeconde`. At most `clientsMax` clients are remembered; the one heard from
// longest ago makes room.
class LimiteurDebit {
public:
    LimiteurDebit(int parSeconde, int rafale, std::size_t clientsMax);
    bool Accepter(const std::string& client, uint32_t ms);
    std::size_t Clients() const { return seaux_.size(); }

private:
    struct Seau {
        double Jetons = 0;
        uint32_t Dernier = 0;
    };
    double parMs_;
    double rafale_;
    std::size_t clientsMax_;
    std::unordered_map<std::string, Seau> seaux_;
};
