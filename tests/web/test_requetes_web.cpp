// What a client of the web board may send and what it gets.
#include "web/requetes_web.h"

#include <gtest/gtest.h>

#include <string>

namespace {

int Statut(const std::string& octets)
{
    AnalyseurRequetes a;
    return a.Lire(octets);
}

std::string Requete(const std::string& ligne, const std::string& entetes = "")
{
    return ligne + "\r\nHost: stand\r\n" + entetes + "\r\n";
}

} // namespace

TEST(RequetesWeb, OnlyAGetOfThePageOrItsViewWithinBounds)
{
    struct Cas {
        const char* nom;
        std::string octets;
        int statut;
    };
    const Cas cas[] = {
        {"the page", Requete("GET / HTTP/1.1"), 0},
        {"the view, with a query", Requete("GET /board.json?t=12 HTTP/1.0"), 0},
        {"blank lines before", "\r\n\r\n" + Requete("GET / HTTP/1.1"), 0},
        {"a browser's headers", Requete("GET / HTTP/1.1", "User-Agent: x\r\nAccept: */*\r\nContent-Length: 0\r\n"), 0},
        {"post", Requete("POST /board.json HTTP/1.1"), 405},
        {"head", Requete("HEAD / HTTP/1.1"), 405},
        {"a method nobody knows", Requete("BREW / HTTP/1.1"), 405},
        {"another path", Requete("GET /etc/passwd HTTP/1.1"), 404},
        {"a path that climbs", Requete("GET /../board.json HTTP/1.1"), 404},
        {"a full address", Requete("GET http://stand/ HTTP/1.1"), 400},
        {"HTTP/2 preface", "PRI * HTTP/2.0\r\n\r\nSM\r\n\r\n", 400},
        {"no version", "GET /\r\n\r\n", 400},
        {"two spaces", "GET  / HTTP/1.1\r\n\r\n", 400},
        {"a NUL", std::string("GET /\0 HTTP/1.1\r\n\r\n", 18), 400},
        {"random bytes", "\x16\x03\x01\x02\xff\x01\x11\x01\xfc\x03\x03\r\n", 400},
        {"too many blank lines", std::string(LIGNES_VIDES_MAX + 1, '\n'), 400},
        {"a body announced", Requete("GET / HTTP/1.1", "Content-Length: 5\r\n"), 413},
        {"a chunked body", Requete("GET / HTTP/1.1", "Transfer-Encoding: chunked\r\n"), 413},
        {"a length that is not a number", Requete("GET / HTTP/1.1", "Content-Length: -1\r\n"), 400},
        {"a folded header", Requete("GET / HTTP/1.1", "X-A: 1\r\n  2\r\n"), 400},
        {"a header without a name", Requete("GET / HTTP/1.1", ": x\r\n"), 400},
        {"a long target", Requete("GET /" + std::string(LIGNE_REQUETE_MAX, 'a') + " HTTP/1.1"), 414},
        {"a long header", Requete("GET / HTTP/1.1", "X-A: " + std::string(ENTETES_OCTETS_MAX, 'a') + "\r\n"), 431},
        {"too many headers", Requete("GET / HTTP/1.1", [] {
             std::string e;
             for (int i = 0; i < ENTETES_MAX; ++i) e += "X-" + std::to_string(i) + ": 1\r\n";
             return e;
         }()), 431},
    };
    for (const Cas& c : cas) EXPECT_EQ(Statut(c.octets), c.statut) << c.nom;
}

// Bytes come as the network cuts them: the same verdict at every cut, and a
// connection says when a request is under way and how many it has had.
TEST(RequetesWeb, TheSameVerdictWhereverTheBytesAreCut)
{
    const std::string premiere = Requete("GET / HTTP/1.1"), deux = premiere + Requete("GET /board.json HTTP/1.1");
    for (std::size_t coupe = 0; coupe <= deux.size(); ++coupe) {
        AnalyseurRequetes a;
        EXPECT_EQ(a.Lire(deux.substr(0, coupe)), 0);
        EXPECT_EQ(a.RequeteEnCours(), coupe != 0 && coupe != premiere.size() && coupe != deux.size()) << coupe;
        EXPECT_EQ(a.Lire(deux.substr(coupe)), 0);
        EXPECT_EQ(a.RequetesCompletes(), 2);
    }
    const std::string mauvaise = Requete("GET / HTTP/1.1") + Requete("DELETE / HTTP/1.1");
    for (std::size_t coupe = 0; coupe <= mauvaise.size(); ++coupe) {
        AnalyseurRequetes a;
        const int premier = a.Lire(mauvaise.substr(0, coupe));
        EXPECT_EQ(premier ? premier : a.Lire(mauvaise.substr(coupe)), 405) << coupe;
        EXPECT_EQ(a.Lire("GET / HTTP/1.1\r\n\r\n"), 405);   // nothing more is read
    }
}

TEST(RequetesWeb, RefusalsCloseTheConnection)
{
    EXPECT_EQ(ReponseRefus(405), "HTTP/1.1 405 Method Not Allowed\r\nAllow: GET\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
    for (int statut : {400, 404, 408, 413, 414, 429, 431}) {
        const std::string r = ReponseRefus(statut);
        EXPECT_EQ(r.rfind("HTTP/1.1 " + std::to_string(statut) + " ", 0), 0u);
        EXPECT_NE(r.find("Connection: close\r\n\r\n"), std::string::npos);
    }
}

TEST(LimiteurDebit, ABurstThenTheRateWhateverTheTickAndAFewClientsRemembered)
{
    for (uint32_t debut : {0u, 0xFFFFFF00u}) {
        LimiteurDebit l(10, 5, 3);
        int acceptees = 0;
        for (int i = 0; i < 20; ++i) acceptees += l.Accepter("a", debut);
        EXPECT_EQ(acceptees, 5) << debut;
        EXPECT_FALSE(l.Accepter("a", debut + 50));
        EXPECT_TRUE(l.Accepter("a", debut + 100));   // one more every 100 ms
        EXPECT_FALSE(l.Accepter("a", debut + 150));
        EXPECT_TRUE(l.Accepter("b", debut + 150));   // each client its own
        EXPECT_TRUE(l.Accepter("b", debut + 155));
        // A fourth client makes room by forgetting the one heard from longest ago.
        EXPECT_TRUE(l.Accepter("c", debut + 160));
        EXPECT_TRUE(l.Accepter("d", debut + 170));
        EXPECT_EQ(l.Clients(), 3u);
        acceptees = 0;
        for (int i = 0; i < 10; ++i) acceptees += l.Accepter("a", debut + 180);
        EXPECT_EQ(acceptees, 5) << "a was forgotten and starts afresh";
    }
}
