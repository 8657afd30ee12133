// The cards of a meeting on the real main window: an organiser registers thirty
// pilots in one series without the mouse, lists them in each order, stops and
// resumes one, deletes one; then the meeting file and the log are read back.
#include "cards/ui/dialogue_lecture.h"
#include "cards/ui/dialogue_liste_fiches.h"
#include "cards/ui/dialogue_saisie.h"
#include "engine/cp1252.h"
#include "engine/frequences.h"
#include "engine/textes.h"
#include "shell/commandes.h"
#include "shell/ui/fenetre_principale.h"
#include "storage/manifestation.h"
#include "tests/support/dossier_temporaire.h"
#include "tests/support/meeting.h"
#include "tests/ui/support/captures.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <map>
#include <sstream>

namespace {

const std::vector<int32_t> PLAN = {35010, 35020, 35030, 35040, 35050, 35060, 35070, 35080, 35090, 35100,
                                   40665, 40675, 40685, 72210, 72250};

struct SessionFiches : ::testing::Test {
    Reunion r;
    DossierTemporaire dossier;
    std::string fichier = dossier.Fichier("Koral du 06_12_26.mhz");
    std::unique_ptr<FenetrePrincipale> fenetre;
    std::deque<std::function<void(QDialog&)>> gestes;

    void SetUp() override
    {
        {
            Reunion source;
            source.Plan(PLAN);
            source.etat.SauvegardeActive = 1;
            DeriverChemins(source.etat, fichier);
            SauverManifestation(source.etat);
        }
        r.port.Documents = dossier.Chemin().string();
        r.etat.EtatDictionnaire = -1;
        fenetre = std::make_unique<FenetrePrincipale>(r.etat);
        fenetre->Ouvreur = [this](Dialogue d) { return Ouvrir(d); };
        ASSERT_TRUE(CreerFenetrePrincipale(r.etat, *fenetre, fichier));
        fenetre->show();
        QApplication::setActiveWindow(fenetre.get());
    }

    int Ouvrir(Dialogue d)
    {
        std::unique_ptr<QDialog> dialogue;
        const auto commande = [this](int c) { fenetre->Commande(c); };
        if (d == Dialogue::NouvelleFiche || d == Dialogue::ModifierFiche)
            dialogue = std::make_unique<DialogueSaisie>(r.etat, fenetre.get());
        else if (d == Dialogue::ListeFiches) dialogue = std::make_unique<DialogueListeFiches>(r.etat, commande, fenetre.get());
        else if (d == Dialogue::VoirFiche) dialogue = std::make_unique<DialogueLecture>(r.etat, commande, fenetre.get());
        else return 0;
        dialogue->show();
        QApplication::setActiveWindow(dialogue.get());
        if (gestes.empty()) {
            ADD_FAILURE() << "a dialog opened that the session did not expect";
            return 0;
        }
        auto geste = std::move(gestes.front());
        gestes.pop_front();
        geste(*dialogue);
        return dialogue->result();
    }

    // Keys to whatever has the focus in the dialog, as the operator types them.
    static void Taper(QDialog& d, const QString& texte)
    {
        // Key events that carry their text, accented letters too.
        for (const QChar c : texte) {
            QKeyEvent appui(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(d.focusWidget(), &appui);
            QKeyEvent lache(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(d.focusWidget(), &lache);
        }
    }
    static void Touche(QDialog& d, Qt::Key touche) { QTest::keyClick(d.focusWidget(), touche); }

    // A card without the mouse: name, Tab, licence, Tab, the proposed number,
    // Tab, model, Tab, remarks, Tab into the first band list, Down to its line, Space, Enter.
    static std::function<void(QDialog&)> Carte(const QString& nom, int ligne)
    {
        return [nom, ligne](QDialog& d) {
            Taper(d, nom);
            Touche(d, Qt::Key_Tab);
            Taper(d, "FR-" + nom.left(3));
            Touche(d, Qt::Key_Tab);
            Touche(d, Qt::Key_Tab);
            Taper(d, QString::fromUtf8("Planeur élec."));
            Touche(d, Qt::Key_Tab);
            Taper(d, "Ligne 1");
            Touche(d, Qt::Key_Return);
            Taper(d, "Ligne 2");
            Touche(d, Qt::Key_Tab);
            for (int i = 0; i < ligne; ++i) Touche(d, Qt::Key_Down);
            Touche(d, Qt::Key_Space);
            Touche(d, Qt::Key_Return);
        };
    }
    static std::function<void(QDialog&)> Cliquer(int bouton)
    {
        return [bouton](QDialog& d) { QTest::mouseClick(d.findChild<QPushButton*>(QString::number(bouton)), Qt::LeftButton); };
    }
    // In DIALPILOTES: select the card's line, then press a button.
    static std::function<void(QDialog&)> Sur(int32_t numero, int bouton, std::function<void(QDialog&)> ensuite = {})
    {
        return [numero, bouton, ensuite](QDialog& d) {
            auto* liste = d.findChild<QTreeWidget*>("900");
            for (int i = 0; i < liste->topLevelItemCount(); ++i)
                if (liste->topLevelItem(i)->data(0, Qt::UserRole).toInt() == numero) liste->setCurrentItem(liste->topLevelItem(i));
            QTest::mouseClick(d.findChild<QPushButton*>(QString::number(bouton)), Qt::LeftButton);
            if (ensuite) ensuite(d);
        };
    }
    static std::vector<int> Ordre(QDialog& d)
    {
        auto* liste = d.findChild<QTreeWidget*>("900");
        std::vector<int> n;
        for (int i = 0; i < liste->topLevelItemCount(); ++i) n.push_back(liste->topLevelItem(i)->data(0, Qt::UserRole).toInt());
        return n;
    }
    void Menu(int commande) { fenetre->findChild<QAction*>(QString::number(commande))->trigger(); }

    std::vector<std::string> Journal()
    {
        std::istringstream flux(Utf8VersCp1252(LireOctets(fichier.substr(0, fichier.rfind('.')) + ".txt")));
        std::vector<std::string> lignes;
        for (std::string l; std::getline(flux, l);) lignes.push_back(l.substr(0, l.size() - 1));
        return lignes;
    }
};

const char* const NOMS[] = {"Martin", "Bernard", "Thomas", "Petit", "Robert", "Richard", "Durand", "Dubois",
                            "Moreau", "Laurent", "Simon", "Michel", "Lefebvre", "Leroy", "Roux", "David",
                            "Bertrand", "Morel", "Fournier", "Girard", "Bonnet", "Dupont", "Lambert", "Fontaine",
                            "Rousseau", "Vincent", "Muller", "Lefevre", "Faure", "Andre"};

} // namespace

TEST_F(SessionFiches, ThirtyCardsListedStoppedResumedAndOneDeleted)
{
    // From the empty card list, thirty cards in one series, each on a 35 MHz
    // frequency by its rank in the list, then Terminé.
    r.port.RepondreOk();    // no card yet
    gestes.push_back([](QDialog& d) {
        EXPECT_FALSE(d.findChild<QPushButton*>("540")->isEnabled());
        Cliquer(545)(d);
        EXPECT_TRUE(d.findChild<QPushButton*>("540")->isEnabled());
        EXPECT_EQ(d.findChild<QLabel*>("903")->text(), "30");
        Cliquer(1)(d);
    });
    for (int i = 0; i < 30; ++i) gestes.push_back(Carte(NOMS[i], i % 10));
    gestes.push_back([](QDialog& d) {
        Capturer(&d, "SAISIE_nouvelle_fr");
        Cliquer(424)(d);
    });
    r.port.RepondreOui();   // stop the series
    fenetre->ChoixMenu = [](QMenu&) { return 302; };
    QTest::mouseClick(fenetre->findChild<QPushButton*>("202"), Qt::LeftButton);
    ASSERT_TRUE(gestes.empty());
    EXPECT_EQ(r.port.ReponsesRestantes(), 0u);
    ASSERT_EQ(r.etat.NbFiches(), 31);   // and the pause card
    for (int i = 0; i < 30; ++i) {
        const FicheVol* f = ChercheFiche(r.etat, i + 1, 0);
        ASSERT_NE(f, nullptr) << i;
        EXPECT_EQ(VueChamp(f->Nom), NOMS[i]);
        EXPECT_EQ(int32_t{f->Frequence}, PLAN[static_cast<std::size_t>(i % 10)]);
        EXPECT_EQ(VueChamp(f->Modele), "Planeur \xE9lec.");
        EXPECT_EQ(VueChamp(f->Remarques), "Ligne 1\r\nLigne 2");
    }

    // The list in each order of the menu.
    std::map<int, std::vector<int>> ordres;
    for (int tri : {230, 231, 232, 233}) {
        Menu(tri);
        gestes.push_back([&ordres, tri](QDialog& d) {
            ordres[tri] = Ordre(d);
            Cliquer(1)(d);
        });
        Menu(302);
    }
    EXPECT_EQ(ordres[230].front(), 1);
    EXPECT_EQ(ordres[230].back(), 30);
    EXPECT_EQ(ordres[231].front() % 10, 1);   // 35.010 first
    EXPECT_EQ(ordres[232].front(), 30);       // Andre
    EXPECT_EQ(ordres[232].back(), 26);        // Vincent
    EXPECT_EQ(ordres[233].size(), 30u);

    // Stop 7 and delete 12 from the list; resume 7 from its card view.
    r.etat.CleTri = 0;
    r.port.RepondreOui();
    r.port.RepondreOui();
    gestes.push_back([this](QDialog& d) {
        Sur(7, 543)(d);
        Sur(12, 544)(d);
        gestes.push_back([](QDialog& v) {
            Capturer(&v, "LECTURE_arrete_fr");
            Cliquer(425)(v);
            Cliquer(1)(v);
        });
        Sur(7, 540)(d);
        Capturer(&d, "DIALPILOTES_29_fr");
        Cliquer(1)(d);
    });
    Menu(302);
    EXPECT_TRUE(gestes.empty());
    EXPECT_EQ(r.port.ReponsesRestantes(), 0u);

    // The file holds every card with its counts.
    LibererManifestation(r.etat);   // the stand lets the file go, as when it quits
    Reunion relue;
    ASSERT_TRUE(ReprendreManifestation(relue.etat, fichier));
    EXPECT_EQ(relue.etat.NbFiches(), 30);
    for (int i = 0; i < 30; ++i) {
        const FicheVol* f = ChercheFiche(relue.etat, i + 1, 0);
        if (i + 1 == 12) {
            EXPECT_EQ(f, nullptr);
            continue;
        }
        ASSERT_NE(f, nullptr) << i;
        EXPECT_EQ(VueChamp(f->Licence), "FR-" + std::string(NOMS[i]).substr(0, 3));
        EXPECT_EQ(int32_t{f->Etat}, AuSol);
    }
    for (std::size_t k = 0; k < 10; ++k)
        EXPECT_EQ(relue.Entree(PLAN[k]).NbUtilisateurs, k == 1 ? 2 : 3) << PLAN[k];   // 12 was on 35.020
    for (std::size_t k = 10; k < PLAN.size(); ++k) EXPECT_EQ(relue.Entree(PLAN[k]).NbUtilisateurs, 0);

    // The log, line by line.
    const std::vector<std::string> j = Journal();
    ASSERT_EQ(j.size(), 1u + 30u + 3u);
    auto ligne = [this](int libelle, const std::string& detail) {
        std::string e = Texte(r.etat, libelle);
        e.resize(20, ' ');
        return "06/12/26 14:03:27   " + e + " " + detail;
    };
    EXPECT_EQ(j[0], ligne(122, "---> 1"));
    for (int i = 0; i < 30; ++i)
        EXPECT_EQ(j[static_cast<std::size_t>(1 + i)],
                  ligne(129, std::to_string(PLAN[static_cast<std::size_t>(i % 10)]) + " - n\xB0 " + std::to_string(i + 1) + " - " + NOMS[i]));
    EXPECT_EQ(j[31], ligne(131, "35070 - n\xB0 7 - Durand"));
    EXPECT_EQ(j[32], ligne(135, "35020 - n\xB0 12 - Michel"));
    EXPECT_EQ(j[33], ligne(66, "35070 - n\xB0 7 - Durand"));
}
