// A whole free-service session on the real main window: the operator switches to
// free service, sends transmitters out from the exit dialog and from the board,
// is refused twice with the explanation, brings everything back, and returns to
// card mode with the password. Then the meeting file and the log are read back.
#include "engine/cp1252.h"
#include "shell/commandes.h"
#include "engine/textes.h"
#include "shell/ui/bouton_frequence.h"
#include "shell/ui/fenetre_principale.h"
#include "stand/ui/dialogue_renseign.h"
#include "stand/ui/dialogue_sortie0.h"
#include "storage/manifestation.h"
#include "tests/ui/support/captures.h"
#include "tests/support/dossier_temporaire.h"
#include "tests/support/meeting.h"

#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <sstream>

namespace {

struct Session : ::testing::Test {
    Reunion r;
    DossierTemporaire dossier;
    std::string fichier = dossier.Fichier("Koral du 06_12_26.mhz");
    std::unique_ptr<FenetrePrincipale> fenetre;
    // What the operator does in each dialog the window opens, in order.
    std::deque<std::function<void(QDialog&)>> gestes;

    void SetUp() override
    {
        {
            Reunion source;
            source.Plan({35000, 35010, 35020, 35050, 35090, 35095, 41010, 41100});
            source.etat.MotDePasse = "secret";
            source.etat.SauvegardeActive = 1;
            DeriverChemins(source.etat, fichier);
            SauverManifestation(source.etat);
        }
        r.port.Documents = dossier.Chemin().string();
        fenetre = std::make_unique<FenetrePrincipale>(r.etat);
        fenetre->Ouvreur = [this](Dialogue d) { return Ouvrir(d); };
        ASSERT_TRUE(CreerFenetrePrincipale(r.etat, *fenetre, fichier));
        fenetre->show();
    }

    int Ouvrir(Dialogue d)
    {
        std::unique_ptr<QDialog> dialogue;
        if (d == Dialogue::Sortir0) dialogue = std::make_unique<DialogueSortie0>(r.etat, fenetre.get());
        else if (d == Dialogue::Renseign) dialogue = std::make_unique<DialogueRenseign>(r.etat, fenetre.get());
        else return 0;
        dialogue->show();
        if (gestes.empty()) {
            ADD_FAILURE() << "a dialog opened that the session did not expect";
            return 0;
        }
        auto geste = std::move(gestes.front());
        gestes.pop_front();
        geste(*dialogue);
        return dialogue->result();
    }

    void Mode(int commande)
    {
        fenetre->ChoixMenu = [commande](QMenu&) { return commande; };
        QTest::mouseClick(fenetre->findChild<QPushButton*>("407"), Qt::LeftButton);
    }

    // In DIALSORTIR0, the line of a frequency of the 35 or 41 MHz band, then SORTIR.
    static std::function<void(QDialog&)> SortirLigne(int liste, const QString& debut)
    {
        return [liste, debut](QDialog& d) {
            QListWidget* l = d.findChild<QListWidget*>(QString::number(liste));
            for (int i = 0; i < l->count(); ++i)
                if (l->item(i)->text().startsWith(debut)) {
                    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(i)).center());
                    break;
                }
            QTest::mouseClick(d.findChild<QPushButton*>("1"), Qt::LeftButton);
        };
    }

    static std::function<void(QDialog&)> Bouton804()
    {
        return [](QDialog& d) { QTest::mouseClick(d.findChild<QPushButton*>("804"), Qt::LeftButton); };
    }

    void CliquerSortie() { QTest::mouseClick(fenetre->findChild<QPushButton*>("201"), Qt::LeftButton); }
    void CliquerFrequence(int32_t f)
    {
        QTest::mouseClick(fenetre->BoutonsFrequences()[static_cast<std::size_t>(r.Index(f))], Qt::LeftButton);
    }

    std::vector<std::string> Journal()
    {
        std::istringstream flux(Utf8VersCp1252(LireOctets(RemplacerExtension(fichier, ".txt"))));
        std::vector<std::string> lignes;
        for (std::string l; std::getline(flux, l);) lignes.push_back(l);
        return lignes;
    }
    static std::string RemplacerExtension(std::string s, const char* ext) { return s.substr(0, s.rfind('.')) + ext; }
};

} // namespace

TEST_F(Session, FreeServiceFromStartToEnd)
{
    Mode(220);
    ASSERT_EQ(r.etat.ModeSortie, ModeLibreService);
    EXPECT_EQ(r.port.MotsDePasseDemandes, 0);

    // Out from the exit dialog.
    gestes.push_back(SortirLigne(409, "35.010"));
    CliquerSortie();
    EXPECT_EQ(r.Entree(35010).Etat, Sortie);

    // Out from the board: the details of a free frequency offer SORTIR.
    gestes.push_back(Bouton804());
    CliquerFrequence(35050);
    EXPECT_EQ(r.Entree(35050).Etat, Sortie);

    // Refused: a 20 kHz neighbour of 35.010.
    gestes.push_back(SortirLigne(409, "35.020"));
    r.port.RepondreOk();
    CliquerSortie();
    EXPECT_EQ(r.Entree(35020).Etat, Libre);
    ASSERT_EQ(r.port.Messages.size(), 1u);
    EXPECT_EQ(r.port.Messages[0].Texte, Texte(r.etat, 93));
    EXPECT_EQ(r.port.Messages[0].Detail, "???\n");

    // Refused: 35.090 is hit by 2 x 35.050 - 35.010.
    gestes.push_back(SortirLigne(409, "35.090"));
    r.port.RepondreOk();
    CliquerSortie();
    EXPECT_EQ(r.Entree(35090).Etat, Intermodulee);
    ASSERT_EQ(r.port.Messages.size(), 2u);
    EXPECT_EQ(r.port.Messages[1].Texte, Texte(r.etat, 94));
    EXPECT_EQ(r.port.Messages[1].Detail, "??? \n??? \n");

    gestes.push_back(SortirLigne(411, "41.010"));
    CliquerSortie();
    gestes.push_back(Bouton804());
    CliquerFrequence(41100);
    EXPECT_EQ(r.etat.NbSorties, 4);
    Capturer(fenetre.get(), "KORAL_libre_service_4_sorties");

    // Everything comes back from the board, each return confirmed.
    r.port.Avancer(125000);
    for (int32_t f : {35010, 35050, 41010, 41100}) {
        gestes.push_back(Bouton804());
        r.port.RepondreOui();
        CliquerFrequence(f);
        EXPECT_EQ(r.Entree(f).Etat, Libre) << f;
    }
    EXPECT_EQ(r.etat.NbSorties, 0);
    for (const EntreeFrequence& e : r.etat.PlanFrequences) EXPECT_EQ(e.Perturbations, 0) << e.Frequence;

    // Leaving free service asks for the password.
    r.port.RepondreMotDePasse(std::string("secret"));
    Mode(221);
    EXPECT_EQ(r.etat.ModeSortie, ModeFiches);
    EXPECT_EQ(r.port.MotsDePasseDemandes, 1);
    EXPECT_EQ(r.port.ReponsesRestantes(), 0u);

    // The meeting file holds the last state.
    LibererManifestation(r.etat);   // the stand lets the file go, as when it quits
    Reunion relue;
    ASSERT_TRUE(ReprendreManifestation(relue.etat, fichier));
    EXPECT_EQ(relue.etat.ModeSortie, ModeFiches);
    EXPECT_EQ(relue.etat.NbSorties, 0);
    EXPECT_EQ(relue.etat.MotDePasse, "secret");

    // And the log tells the whole story, line by line.
    const std::vector<std::string> j = Journal();
    const std::string libre = Texte(r.etat, 50);
    const std::string retour = Texte(r.etat, 40);
    const std::vector<std::pair<int, std::string>> attendu = {
        {122, "---> 1"},
        {124, "1 --> 0"},
        {132, "35010   " + libre},
        {132, "35050 " + libre},
        {132, "41010   " + libre},
        {132, "41100 " + libre},
        {133, "35010   " + retour},
        {133, "35050   " + retour},
        {133, "41010   " + retour},
        {133, "41100   " + retour},
        {124, "0 --> 1"},
    };
    ASSERT_EQ(j.size(), attendu.size());
    for (std::size_t i = 0; i < j.size(); ++i) {
        std::string etiquette = Texte(r.etat, attendu[i].first);
        etiquette.resize(20, ' ');
        EXPECT_EQ(j[i], "06/12/26 14:03:27   " + etiquette + " " + attendu[i].second + "\r") << i;
    }
}
