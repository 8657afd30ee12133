// The board on the phones under load, on the loopback only: 300 phones polling
// every second while the stand sends transmitters out and back by their cards'
// numbers, on the largest meeting; then hostile clients (oversized requests,
// slow clients, a thousand connections at once, random bytes), after which the
// stand must still answer. Prints its figures; fails when a bound is broken.
//
//   koral_charge_web [seconds of polling, 60 by default]
#include "bench/manifestation_maximale.h"
#include "shell/commandes.h"
#include "shell/horloge.h"
#include "shell/ui/fenetre_principale.h"
#include "stand/ui/dialogue_renseign.h"
#include "stand/ui/dialogue_sortie_fiches.h"
#include "storage/manifestation.h"
#include "shell/ui/tableau_web.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QListWidget>
#include <QRandomGenerator>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <mutex>
#include <vector>

namespace {

constexpr int TELEPHONES = 300;
constexpr double REQUETE_MAX_MS = 100;
constexpr double ACTION_MAX_MS = 16;

// The stand's clock is the system's: times out move on as they do at a meeting.
class PlateformeHorloge : public PlateformeSilencieuse {
public:
    uint32_t Tick() override { return TickSysteme(); }
    DateHeure Maintenant() override { return MaintenantSysteme(); }
};

long MemoireKo()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& l : f.readAll().split('\n'))
        if (l.startsWith("VmRSS:")) return l.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

QHostAddress Boucle(int n) { return QHostAddress(QStringLiteral("127.0.%1.%2").arg(1 + n / 250).arg(2 + n % 250)); }

QByteArray Get(const char* chemin) { return QByteArray("GET ") + chemin + " HTTP/1.1\r\nHost: stand\r\n\r\n"; }

// One phone: a connection kept open, the view asked every second, each answer timed.
class Telephone : public QObject {
public:
    // The socket and the timer are its children, so they go with it to the phones' thread.
    Telephone(int n, quint16 port, std::vector<double>& durees, std::mutex& m)
        : n_(n), port_(port), durees_(durees), m_(m), socket_(this), minuterie_(this)
    {
        connect(&socket_, &QTcpSocket::readyRead, this, [this] { Lire(); });
        connect(&minuterie_, &QTimer::timeout, this, [this] { Demander(); });
    }
    void Commencer(int decalageMs) { QTimer::singleShot(decalageMs, this, [this] { minuterie_.start(1000); Demander(); }); }
    void Arreter() { minuterie_.stop(); socket_.abort(); }
    int Erreurs() const { return erreurs_; }

private:
    void Demander()
    {
        if (enAttente_) {
            ++erreurs_;   // the last answer never came within the second
            socket_.abort();
            enAttente_ = false;
        }
        if (socket_.state() != QAbstractSocket::ConnectedState) {
            socket_.abort();
            socket_.bind(Boucle(n_));
            socket_.connectToHost(QHostAddress::LocalHost, port_);
        }
        recu_.clear();
        horloge_.start();
        enAttente_ = true;
        socket_.write(Get("/board.json"));
    }
    void Lire()
    {
        recu_ += socket_.readAll();
        const qsizetype fin = recu_.indexOf("\r\n\r\n");
        if (fin < 0) return;
        const qsizetype l = recu_.indexOf("Content-Length: ");
        const qsizetype longueur = l < 0 ? 0 : recu_.mid(l + 16, recu_.indexOf("\r\n", l) - l - 16).toLongLong();
        if (recu_.size() < fin + 4 + longueur) return;
        if (!recu_.startsWith("HTTP/1.1 200")) ++erreurs_;
        {
            std::lock_guard<std::mutex> verrou(m_);
            durees_.push_back(horloge_.nsecsElapsed() / 1e6);
        }
        enAttente_ = false;
        recu_.clear();
    }

    int n_;
    quint16 port_;
    std::vector<double>& durees_;
    std::mutex& m_;
    QTcpSocket socket_;
    QTimer minuterie_;
    QElapsedTimer horloge_;
    QByteArray recu_;
    bool enAttente_ = false;
    int erreurs_ = 0;
};

// Press a key on a window as the operator does.
void Touche(QWidget* w, int cle, const QString& texte = {})
{
    QKeyEvent appui(QEvent::KeyPress, cle, Qt::NoModifier, texte);
    QApplication::sendEvent(w, &appui);
}

struct Stand {
    PlateformeHorloge port;
    std::unique_ptr<EtatGlobal> etat;
    std::unique_ptr<FenetrePrincipale> fenetre;
    std::vector<double> actions;

    Stand()
    {
        const auto dossier = std::filesystem::temp_directory_path() / "koralis-charge-web";
        std::filesystem::create_directories(dossier);
        const std::string fichier = (dossier / "maximale.mhz").string();
        {
            PlateformeSilencieuse p;
            auto source = ManifestationMaximale(p);
            DefinirPlan(*source, PlanDeTailleMaximale());
            for (FicheVol& f : source->Fiches)
                if (ChercheFrequence(*source, f.Frequence)) ++ChercheFrequence(*source, f.Frequence)->NbUtilisateurs;
            source->ModeSortie = ModeFiches;
            DeriverChemins(*source, fichier);
            SauverManifestation(*source);
        }
        etat = std::make_unique<EtatGlobal>(port);
        etat->EtatDictionnaire = -1;
        fenetre = std::make_unique<FenetrePrincipale>(*etat);
        // The exit dialog and the frequency's details, answered by Return.
        fenetre->Ouvreur = [this](Dialogue d) {
            if (d == Dialogue::Sortir) {
                DialogueSortieFiches dialogue(*etat, fenetre.get());
                dialogue.show();
                Touche(dialogue.findChild<QListWidget*>("920"), Qt::Key_Return);
                return dialogue.result();
            }
            if (d == Dialogue::Renseign) {
                DialogueRenseign dialogue(*etat, fenetre.get());
                dialogue.show();
                QApplication::processEvents();
                return dialogue.result();
            }
            return 0;
        };
        CreerFenetrePrincipale(*etat, *fenetre, fichier);
        fenetre->show();
        QApplication::processEvents();
    }

    // A card's number and Return: out when it is on the ground, back when it is out.
    void Agir(int numero)
    {
        QElapsedTimer t;
        t.start();
        for (QChar c : QString::number(numero)) Touche(fenetre.get(), Qt::Key_0 + c.digitValue(), QString(c));
        Touche(fenetre.get(), Qt::Key_Return);
        actions.push_back(t.nsecsElapsed() / 1e6);
    }
};

double Centile(std::vector<double> v, double c)
{
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, static_cast<std::size_t>(c * static_cast<double>(v.size())))];
}

void Attendre(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 20);
}

// The hostile clients, all at once, from the clients' thread.
void Hostiles(quint16 port, std::vector<std::unique_ptr<QTcpSocket>>& sockets)
{
    auto ouvrir = [&](int n, const QByteArray& octets) {
        auto s = std::make_unique<QTcpSocket>();
        s->bind(Boucle(n));
        s->connectToHost(QHostAddress::LocalHost, port);
        if (!octets.isEmpty()) QObject::connect(s.get(), &QTcpSocket::connected, s.get(), [p = s.get(), octets] { p->write(octets); });
        sockets.push_back(std::move(s));
    };
    const QByteArray enorme = "GET / HTTP/1.1\r\nX: " + QByteArray(200 * 1024, 'a');
    for (int i = 0; i < 50; ++i) ouvrir(1000 + i, enorme);
    for (int i = 0; i < 100; ++i) ouvrir(1100 + i, "GET / HTTP/1.1\r\n");   // then nothing more
    for (int i = 0; i < 200; ++i) {
        QByteArray hasard(512, '\0');
        for (char& c : hasard) c = static_cast<char>(QRandomGenerator::global()->bounded(256));
        ouvrir(1300 + i, hasard);
    }
    for (int i = 0; i < 1000; ++i) ouvrir(2000 + i, {});
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int secondes = argc > 1 ? std::max(5, atoi(argv[1])) : 60;

    Stand stand;
    TableauWeb& web = stand.fenetre->TableauSurLesTelephones();
    if (!web.Demarrer(0, false)) return 2;
    const quint16 port = web.Serveur()->Port();

    // The phones in a thread of their own, as they would be on their own devices.
    QThread fil;
    fil.start();
    QObject contexte;
    contexte.moveToThread(&fil);
    std::vector<double> durees;
    std::mutex m;
    std::vector<Telephone*> telephones;
    for (int i = 0; i < TELEPHONES; ++i) {
        auto* t = new Telephone(i, port, durees, m);
        t->moveToThread(&fil);
        telephones.push_back(t);
        QMetaObject::invokeMethod(t, [t, i] { t->Commencer(i * 1000 / TELEPHONES); });
    }

    // The stand at work: a card out or back every 250 ms.
    const long memoireDebut = MemoireKo();
    long memoireApresDix = 0;
    QElapsedTimer duree;
    duree.start();
    int k = 0;
    while (duree.elapsed() < secondes * 1000) {
        stand.Agir(1 + (k++ * 37) % 400);
        Attendre(250);
        if (!memoireApresDix && duree.elapsed() > 10000) memoireApresDix = MemoireKo();
    }
    const long memoireFin = MemoireKo();
    int erreurs = 0;
    for (Telephone* t : telephones) {
        QMetaObject::invokeMethod(t, [t, &erreurs] { erreurs += t->Erreurs(); t->Arreter(); delete t; }, Qt::BlockingQueuedConnection);
    }
    std::vector<double> requetes;
    {
        std::lock_guard<std::mutex> verrou(m);
        requetes = durees;
    }
    const double requeteMax = Centile(requetes, 1.0), actionMax = Centile(stand.actions, 1.0);
    std::printf("polling: %d phones, %d s: %zu answers, %d errors; per answer p50 %.2f ms, p99 %.2f ms, max %.2f ms\n", TELEPHONES,
                secondes, requetes.size(), erreurs, Centile(requetes, 0.5), Centile(requetes, 0.99), requeteMax);
    std::printf("stand: %zu actions; p50 %.2f ms, max %.2f ms\n", stand.actions.size(), Centile(stand.actions, 0.5), actionMax);
    std::printf("memory: %ld kB at start, %ld kB after 10 s, %ld kB at the end\n", memoireDebut, memoireApresDix, memoireFin);

    // The hostile run: everything at once, for ten seconds, the stand at work.
    std::vector<std::unique_ptr<QTcpSocket>> hostiles;
    QMetaObject::invokeMethod(&contexte, [&] { Hostiles(port, hostiles); }, Qt::BlockingQueuedConnection);
    std::vector<double> actionsHostiles;
    const std::size_t avant = stand.actions.size();
    QElapsedTimer h;
    h.start();
    while (h.elapsed() < 10000) {
        stand.Agir(1 + (k++ * 37) % 400);
        Attendre(250);
    }
    actionsHostiles.assign(stand.actions.begin() + static_cast<std::ptrdiff_t>(avant), stand.actions.end());
    const ServeurWeb::Compteurs c = web.Serveur()->Releve();
    QMetaObject::invokeMethod(&contexte, [&] { hostiles.clear(); }, Qt::BlockingQueuedConnection);
    // Afterwards: a phone is served at once, and the stand answers.
    double apres = -1;
    QMetaObject::invokeMethod(&contexte, [&] {
        QTcpSocket s;
        s.connectToHost(QHostAddress::LocalHost, port);
        QElapsedTimer t;
        t.start();
        if (s.waitForConnected(1000) && s.write(Get("/board.json")) > 0 && s.waitForReadyRead(1000)) apres = t.nsecsElapsed() / 1e6;
    }, Qt::BlockingQueuedConnection);
    stand.Agir(1 + (k++ * 37) % 400);
    const double actionApres = stand.actions.back();
    QMetaObject::invokeMethod(&contexte, [&] { contexte.moveToThread(QApplication::instance()->thread()); }, Qt::BlockingQueuedConnection);
    fil.quit();
    fil.wait();
    std::printf("hostile: %d turned away, %d dropped; stand during it max %.2f ms; afterwards a phone served in %.2f ms, "
                "a stand action in %.2f ms\n",
                c.Refusees, c.Coupees, Centile(actionsHostiles, 1.0), apres, actionApres);

    bool bon = requeteMax <= REQUETE_MAX_MS && actionMax <= ACTION_MAX_MS && erreurs == 0;
    bon = bon && memoireFin - memoireApresDix < 20 * 1024;
    bon = bon && Centile(actionsHostiles, 1.0) <= ACTION_MAX_MS && apres >= 0 && apres <= REQUETE_MAX_MS && actionApres <= ACTION_MAX_MS;
    std::printf("%s\n", bon ? "all within bounds" : "BOUNDS BROKEN");
    stand.fenetre->Detruire();
    return bon ? 0 : 1;
}
