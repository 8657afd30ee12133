// The board on the pilots' phones: its server against real sockets, the
// stand's command, the program started with --web, and the page in a browser.
#include "engine/cp1252.h"
#include "engine/format.h"
#include "engine/textes.h"
#include "shell/commandes.h"
#include "shell/ligne_commande.h"
#include "shell/ui/fenetre_principale.h"
#include "stand/ui/dialogue_sortie_fiches.h"
#include "storage/manifestation.h"
#include "storage/chemins.h"
#include "tests/support/dossier_temporaire.h"
#include "tests/support/meeting.h"
#include "tests/ui/support/captures.h"
#include "tests/ui/support/navigateur.h"
#include "web/page_web.h"
#include "web/ui/serveur_web.h"
#include "shell/ui/tableau_web.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QTcpSocket>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// What a client gets for `octets`: everything the server sends until it closes
// or `ms` pass.
QByteArray Echange(quint16 port, const QByteArray& octets, int ms = 1500, const QHostAddress& depuis = QHostAddress::LocalHost)
{
    QTcpSocket s;
    s.bind(depuis);
    s.connectToHost(QHostAddress::LocalHost, port);
    if (!s.waitForConnected(2000)) return "not connected";
    s.write(octets);
    QByteArray recu;
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms && s.state() == QAbstractSocket::ConnectedState) {
        if (s.waitForReadyRead(50)) recu += s.readAll();
    }
    return recu + s.readAll();
}

// Whether the server closes a connection within `ms` (it was turned away or dropped).
bool Fermee(QTcpSocket& s, int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        if (s.state() != QAbstractSocket::ConnectedState) return true;
        s.waitForReadyRead(20);
        s.readAll();
    }
    return s.state() != QAbstractSocket::ConnectedState;
}

QByteArray Get(const char* chemin) { return QByteArray("GET ") + chemin + " HTTP/1.1\r\nHost: stand\r\n\r\n"; }

QByteArray Corps(const QByteArray& reponse) { return reponse.mid(reponse.indexOf("\r\n\r\n") + 4); }

} // namespace

TEST(ServeurWeb, ServesThePageAndTheViewAndNothingElse)
{
    ServeurWeb serveur;
    ASSERT_TRUE(serveur.Demarrer(0, QHostAddress::LocalHost));
    const quint16 port = serveur.Port();
    serveur.Publier("{\"titre\":\"Club\"}");

    const QByteArray page = Echange(port, Get("/"), 500);
    EXPECT_TRUE(page.startsWith("HTTP/1.1 200")) << page.left(80).toStdString();
    EXPECT_TRUE(page.contains("Content-Type: text/html; charset=utf-8"));
    EXPECT_TRUE(page.contains("Content-Security-Policy: default-src 'none'"));
    EXPECT_EQ(Corps(page).toStdString(), std::string(PageWeb()));
    // Two requests on one connection, the second after the view changed.
    serveur.Publier("{\"titre\":\"Club 2\"}");
    const QByteArray deux = Echange(port, Get("/board.json") + Get("/board.json?x=1"), 500);
    EXPECT_EQ(deux.count("HTTP/1.1 200"), 2);
    EXPECT_TRUE(deux.endsWith("{\"titre\":\"Club 2\"}"));
    EXPECT_TRUE(deux.contains("Cache-Control: no-store"));

    struct Cas { const char* nom; QByteArray octets; const char* debut; };
    const Cas cas[] = {
        {"post", "POST /board.json HTTP/1.1\r\nHost: x\r\nContent-Length: 2\r\n\r\n{}", "HTTP/1.1 405 Method Not Allowed\r\nAllow: GET"},
        {"another path", Get("/koral.mhz"), "HTTP/1.1 404"},
        {"a header too long", "GET / HTTP/1.1\r\nX: " + QByteArray(20000, 'a') + "\r\n\r\n", "HTTP/1.1 431"},
        {"not http", QByteArray("\x16\x03\x01\x00\xa5\x01\x00\x00\xa1\x03\x03\r\n", 13), "HTTP/1.1 400"},
    };
    for (const Cas& c : cas) {
        const QByteArray r = Echange(port, c.octets);
        EXPECT_TRUE(r.startsWith(c.debut)) << c.nom << ": " << r.left(60).toStdString();
        EXPECT_TRUE(r.contains("Connection: close")) << c.nom;
    }
    // The port it holds is taken for another.
    ServeurWeb autre;
    EXPECT_FALSE(autre.Demarrer(port, QHostAddress::LocalHost));
    EXPECT_FALSE(autre.Actif());
    serveur.Arreter();
    EXPECT_EQ(Echange(port, Get("/"), 300), "not connected");
}

TEST(ServeurWeb, ManySlowOrGreedyClientsAreTurnedAwayAndTheRestServed)
{
    ServeurWeb::Limites l;
    l.ConnexionsMax = 5;
    l.ConnexionsParClient = 3;
    l.RequetesParSeconde = 1;
    l.Rafale = 2;
    l.DelaiRequeteMs = 300;
    l.InactiviteMs = 700;
    ServeurWeb serveur(l);
    ASSERT_TRUE(serveur.Demarrer(0, QHostAddress::Any));
    const quint16 port = serveur.Port();
    auto ouvrir = [port](const char* depuis) {
        auto s = std::make_unique<QTcpSocket>();
        s->bind(QHostAddress(QString::fromLatin1(depuis)));
        s->connectToHost(QHostAddress::LocalHost, port);
        s->waitForConnected(2000);
        return s;
    };
    std::vector<std::unique_ptr<QTcpSocket>> ouvertes;
    for (int i = 0; i < 3; ++i) ouvertes.push_back(ouvrir("127.0.0.2"));
    auto quatrieme = ouvrir("127.0.0.2");
    EXPECT_TRUE(Fermee(*quatrieme, 500)) << "a fourth connection of one client";
    for (int i = 0; i < 2; ++i) ouvertes.push_back(ouvrir("127.0.0.3"));
    auto sixieme = ouvrir("127.0.0.4");
    EXPECT_TRUE(Fermee(*sixieme, 500)) << "a sixth connection in all";
    for (auto& s : ouvertes) EXPECT_FALSE(Fermee(*s, 10));
    // Nothing to say for too long: each is closed.
    for (auto& s : ouvertes) EXPECT_TRUE(Fermee(*s, 2000));
    ouvertes.clear();

    // A request begun and never ended: told so, and dropped.
    const QByteArray lent = Echange(port, "GET / HTTP/1.1\r\nHost: x\r\n", 2000, QHostAddress(QStringLiteral("127.0.0.5")));
    EXPECT_TRUE(lent.startsWith("HTTP/1.1 408")) << lent.toStdString();
    // Faster than its rate: told to wait, then served again.
    const QByteArray vite = Echange(port, Get("/board.json") + Get("/board.json") + Get("/board.json"), 800, QHostAddress(QStringLiteral("127.0.0.6")));
    EXPECT_EQ(vite.count("HTTP/1.1 200"), 2);
    EXPECT_EQ(vite.count("HTTP/1.1 429"), 1);
    QTest::qWait(1100);
    EXPECT_TRUE(Echange(port, Get("/board.json"), 500, QHostAddress(QStringLiteral("127.0.0.6"))).startsWith("HTTP/1.1 200"));
    const ServeurWeb::Compteurs c = serveur.Releve();
    EXPECT_EQ(c.Refusees, 2);
    EXPECT_GE(c.Coupees, 6);
    EXPECT_EQ(c.Freinees, 1);
}

namespace {

// The stand on a meeting of a few pilots, its exit dialog answered by the keys.
struct Poste : ::testing::Test {
    Reunion r;
    DossierTemporaire dossier;
    std::unique_ptr<FenetrePrincipale> fenetre;

    void SetUp() override
    {
        const std::string fichier = dossier.Fichier("Coupe du club.mhz");
        {
            Reunion source;
            source.Plan({35010, 35050, 35090, 40665, 41100});
            for (int n = 1; n <= 12; ++n) source.Fiche(n, "Pilote " + std::to_string(n), n % 2 ? 35050 : 41100);
            source.etat.SauvegardeActive = 1;
            DeriverChemins(source.etat, fichier);
            SauverManifestation(source.etat);
        }
        r.port.Documents = dossier.Chemin().string();
        fenetre = std::make_unique<FenetrePrincipale>(r.etat);
        fenetre->Ouvreur = [this](Dialogue d) {
            if (d != Dialogue::Sortir) return 0;
            DialogueSortieFiches dialogue(r.etat, fenetre.get());
            dialogue.show();
            QTest::keyClick(dialogue.findChild<QListWidget*>("920"), Qt::Key_Return);
            return dialogue.result();
        };
        ASSERT_TRUE(CreerFenetrePrincipale(r.etat, *fenetre, fichier));
        fenetre->show();
        QApplication::setActiveWindow(fenetre.get());
    }
    void SortirParLeClavier(int numero)
    {
        QTest::keyClicks(fenetre.get(), QString::number(numero));
        QTest::keyClick(fenetre.get(), Qt::Key_Return);
    }
    QAction* Commande() const { return fenetre->findChild<QAction*>(QString::number(COMMANDE_TABLEAU_WEB)); }
};

} // namespace

TEST_F(Poste, TheMenuStartsTheBoardShowsItsAddressAndCodeAndStopsIt)
{
    for (int langue : {DECALAGE_FRANCAIS, DECALAGE_ANGLAIS, DECALAGE_PORTUGAIS}) {
        r.etat.DecalageLangue = langue;
        fenetre->Commande(COMMANDE_TABLEAU_WEB);
        TableauWeb& web = fenetre->TableauSurLesTelephones();
        ASSERT_TRUE(web.Actif());
        EXPECT_TRUE(Commande()->isChecked());
        EXPECT_TRUE(Commande()->text().contains(web.Adresse())) << Commande()->text().toStdString();
        QDialog* d = web.DialogueAdresse();
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->findChild<QLabel*>("ADRESSE")->text(), web.Adresse());
        EXPECT_FALSE(d->findChild<QLabel*>("CODEQR")->pixmap().isNull());
        EXPECT_TRUE(TextesCoupes(d).empty());
        Capturer(d, "TABLEAUWEB_" + std::string(langue == DECALAGE_FRANCAIS ? "fr" : langue == DECALAGE_ANGLAIS ? "en" : "pt"));
        const quint16 port = web.Serveur()->Port();
        EXPECT_TRUE(Echange(port, Get("/board.json"), 300).contains("Coupe du club"));

        fenetre->Commande(COMMANDE_TABLEAU_WEB);
        EXPECT_FALSE(web.Actif());
        EXPECT_FALSE(Commande()->isChecked());
        EXPECT_EQ(Commande()->text(), QString::fromStdString(Cp1252VersUtf8(Texte(r.etat, 226))));
        QApplication::processEvents();
        EXPECT_EQ(web.DialogueAdresse(), nullptr);
        EXPECT_EQ(Echange(port, Get("/"), 300), "not connected");
    }
    // "--web" with a port another program holds, then with what is not a port: said, and nothing listens.
    ServeurWeb autre;
    ASSERT_TRUE(autre.Demarrer(0));
    r.port.RepondreOk();
    r.port.RepondreOk();
    const std::string tenu = std::to_string(autre.Port());
    EXPECT_FALSE(fenetre->TableauSurLesTelephones().DemarrerSelon(LireLigneDeCommande({"--web", tenu})));
    EXPECT_FALSE(fenetre->TableauSurLesTelephones().DemarrerSelon(LireLigneDeCommande({"--web", "80a"})));
    ASSERT_EQ(r.port.Messages.size(), 2u);
    EXPECT_EQ(r.port.Messages[0].Texte, FormaterTexte(Texte(r.etat, 229), static_cast<unsigned>(autre.Port())));
    EXPECT_EQ(r.port.Messages[1].Texte, FormaterTexte(Texte(r.etat, 232), "80a"));
    EXPECT_FALSE(fenetre->TableauSurLesTelephones().Actif());
}

// The page at a phone's size, following the stand as the operator sends a
// transmitter out by its card's number and two Returns.
TEST_F(Poste, ThePageOnAPhoneFollowsTheStandWithinTwoSeconds)
{
    TableauWeb& web = fenetre->TableauSurLesTelephones();
    ASSERT_TRUE(web.Demarrer(0, false));
    const QString adresse = QStringLiteral("http://127.0.0.1:%1/").arg(web.Serveur()->Port());
    Navigateur telephone(390, 844);
    ASSERT_TRUE(telephone.Pret()) << telephone.Erreur().toStdString();
    ASSERT_TRUE(telephone.Aller(adresse));
    ASSERT_GE(telephone.AttendreTexte(QStringLiteral("41.100"), 5000), 0) << telephone.Texte().toStdString();
    for (const char* f : {"35.010", "35.050", "35.090", "40.665"}) EXPECT_TRUE(telephone.Texte().contains(QLatin1String(f))) << f;
    EXPECT_TRUE(telephone.Texte().contains(QStringLiteral("Coupe du club")));
    EXPECT_FALSE(telephone.Texte().contains(QStringLiteral("Pilote 7")));
    // The pilot of card 7 types his number: his frequency stands out once he is out.
    telephone.Executer(QStringLiteral("const n = document.getElementById('numero'); n.value = '7'; n.dispatchEvent(new Event('input')); return 0;"));

    SortirParLeClavier(7);
    const qint64 delai = telephone.AttendreTexte(QStringLiteral("Pilote 7"), 2000);
    EXPECT_GE(delai, 0) << telephone.Texte().toStdString();
    EXPECT_LE(delai, 2000);
    RecordProperty("follow_ms", static_cast<int>(delai));
    EXPECT_EQ(telephone.Executer(QStringLiteral("return document.querySelectorAll('.case.moi').length;")).toInt(), 1);
    EXPECT_EQ(telephone.Executer(QStringLiteral("return document.querySelector('.case.moi').textContent;")).toString().left(6),
              QStringLiteral("35.050"));
    // The phone's width, and nothing cut off sideways.
    EXPECT_EQ(telephone.Executer(QStringLiteral("return window.innerWidth;")).toInt(), 390);
    EXPECT_TRUE(telephone.Executer(QStringLiteral("return document.documentElement.scrollWidth <= window.innerWidth;")).toBool());
    const QString captures = QDir(QStringLiteral(KORAL_BUILD_DIR)).filePath(QStringLiteral("screenshots"));
    QDir().mkpath(captures);
    EXPECT_TRUE(telephone.Capturer(captures + QStringLiteral("/WEB_telephone_fr.png")));

    Navigateur portable(1280, 800);
    ASSERT_TRUE(portable.Pret()) << portable.Erreur().toStdString();
    ASSERT_TRUE(portable.Aller(adresse));
    EXPECT_GE(portable.AttendreTexte(QStringLiteral("Pilote 7"), 5000), 0);
    EXPECT_TRUE(portable.Capturer(captures + QStringLiteral("/WEB_portable_fr.png")));
}

// The program itself, started with --web on its meeting, serves it.
TEST(TableauWebProgramme, StartedWithWebItServesItsMeeting)
{
    DossierTemporaire maison;
    QDir(QString::fromStdString(maison.Fichier(".config/TRAX"))).mkpath(QStringLiteral("."));
    EcrireOctets(maison.Fichier(".config/TRAX/Koralis.conf"), "[General]\nLangue=1000\n");
    const std::string meeting = maison.Fichier("EXEMPLE4.MHZ");
    EcrireOctets(meeting, LireOctets(KORAL_BUILD_DIR "/exemple/EXEMPLE4.MHZ"));
    const quint16 port = PortLibre();
    QProcess programme;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), QString::fromStdString(CheminUtf8(maison.Chemin())));
    env.remove(QStringLiteral("XDG_CONFIG_HOME"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    programme.setProcessEnvironment(env);
    programme.start(QStringLiteral(KORAL_BUILD_DIR "/koralis"), {QStringLiteral("--web"), QString::number(port), QString::fromStdString(meeting)});
    ASSERT_TRUE(programme.waitForStarted(5000));
    QByteArray vue;
    QElapsedTimer attente;
    attente.start();
    while (attente.elapsed() < 15000 && !vue.startsWith("HTTP/1.1 200")) {
        QTest::qWait(100);
        vue = Echange(port, Get("/board.json"), 300);
    }
    ASSERT_TRUE(vue.startsWith("HTTP/1.1 200")) << vue.toStdString();
    EXPECT_TRUE(vue.contains("\"titre\":\"EXEMPLE4\""));
    EXPECT_TRUE(vue.contains("\"mode\":\"Exits by flight cards\""));   // the program's own language
    Navigateur telephone(390, 844);
    ASSERT_TRUE(telephone.Pret()) << telephone.Erreur().toStdString();
    ASSERT_TRUE(telephone.Aller(QStringLiteral("http://127.0.0.1:%1/").arg(port)));
    EXPECT_GE(telephone.AttendreTexte(QStringLiteral("72.210"), 5000), 0) << telephone.Texte().toStdString();
    EXPECT_TRUE(telephone.Texte().contains(QStringLiteral("My card number")));
    programme.kill();
    programme.waitForFinished(5000);
}
