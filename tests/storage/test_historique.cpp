#include "engine/cp1252.h"
#include "engine/textes.h"
#include "storage/historique.h"
#include "tests/support/dossier_temporaire.h"
#include "tests/support/meeting.h"

#include <gtest/gtest.h>

namespace {

struct Historique : ::testing::Test {
    Reunion r;
    DossierTemporaire dossier;
    void SetUp() override
    {
        r.port.Documents = dossier.Chemin().string();
        r.etat.SauvegardeActive = 1;
        r.etat.CheminManifestation = dossier.Fichier("Koral du 06_12_26.mhz");
        PreparerHistorique(r.etat);
        r.etat.HistoriqueActif = 1;
    }
    std::string Journal() { return LireOctets(r.etat.CheminHistorique); }
};

} // namespace

TEST_F(Historique, TheLineHasTheDateTheTimeAndAPaddedLabel)
{
    r.etat.TexteEvenement = "35010 - n\xB0 12 - Martin";
    EcrireHistorique(r.etat, EVT_RETOUR);
    EXPECT_EQ(Journal(), Cp1252VersUtf8("06/12/26 14:03:27   Retour en k\xF3ral      35010 - n\xB0 12 - Martin\r\n"));
}

TEST_F(Historique, TheLabelTakesExactlyTwentyCharacters)
{
    r.etat.TexteEvenement = "x";
    for (int evenement = 0; evenement <= 16; ++evenement) {
        const std::string ligne = LigneHistorique(r.etat, evenement);
        EXPECT_EQ(ligne.substr(0, 20), "06/12/26 14:03:27   ");
        EXPECT_EQ(ligne.substr(40), " x\r\n") << evenement;
    }
}

TEST_F(Historique, TwoEventsInOneSecondInCallOrderAndRunsAppend)
{
    r.etat.TexteEvenement = "ON";
    EcrireHistorique(r.etat, EVT_ECART_20KHZ);
    r.etat.TexteEvenement = "OFF";
    EcrireHistorique(r.etat, EVT_INTERMODULATION);
    const std::string j = Journal();
    const auto premiere = j.find("ON\r\n");
    const auto seconde = j.find("OFF\r\n");
    ASSERT_NE(premiere, std::string::npos);
    ASSERT_NE(seconde, std::string::npos);
    EXPECT_LT(premiere, seconde);
    EXPECT_EQ(j.substr(0, 17), j.substr(premiere + 4, 17));
}

TEST_F(Historique, StoppingRightAfterAnExitRepeatsItsDetail)
{
    r.etat.TexteEvenement = "41010    (mode libre)";
    EcrireHistorique(r.etat, EVT_SORTIE);
    ArreterHistorique(r.etat);
    const std::string j = Journal();
    const std::string arret = Cp1252VersUtf8(Texte(r.etat, 121));
    EXPECT_NE(j.find(arret + std::string(20 - Texte(r.etat, 121).size(), ' ') + " 41010    (mode libre)\r\n"), std::string::npos);
    EXPECT_EQ(r.etat.HistoriqueActif, 0);
}

TEST_F(Historique, NothingReachesTheFileWhileOffButItCanStillBeOpened)
{
    r.etat.HistoriqueActif = 0;
    r.etat.TexteEvenement = "x";
    EcrireHistorique(r.etat, EVT_SORTIE);
    EXPECT_FALSE(std::filesystem::exists(r.etat.CheminHistorique));
    CommandeVoirHistorique(r.etat);
    ASSERT_EQ(r.port.DocumentsOuverts.size(), 1u);
    EXPECT_EQ(r.port.DocumentsOuverts[0], r.etat.CheminHistorique);
    EXPECT_TRUE(r.port.Messages.empty());
}

TEST_F(Historique, ALogThatCannotBeOpenedIsReported)
{
    r.port.DocumentOuvrable = false;
    r.port.RepondreOk();
    CommandeVoirHistorique(r.etat);
    ASSERT_EQ(r.port.Messages.size(), 1u);
    EXPECT_EQ(r.port.Messages[0].Texte, Texte(r.etat, 77));
}

TEST_F(Historique, StartUpLineWhenTheBoxWasTicked)
{
    r.etat.HistoriqueAuDemarrage = 1;
    r.etat.ModeSortie = 2;
    DemarrerHistorique(r.etat);
    EXPECT_NE(Journal().find("---> 2\r\n"), std::string::npos);
    Reunion sans;
    sans.etat.HistoriqueAuDemarrage = 0;
    DemarrerHistorique(sans.etat);
    EXPECT_EQ(sans.etat.HistoriqueActif, 0);
}

TEST(CheminHistorique, MeetingFileWithTxtOrSpyKoralInTheDocuments)
{
#ifdef _WIN32
    const std::string documents = "C:\\Users\\j.doe\\Documents", club = "D:\\club\\meetings.2026\\";
    const std::string spyKoral = "C:\\Users\\j.doe\\Documents\\SpyKoral.txt";
#else
    const std::string documents = "/home/j.doe/Documents", club = "/club/meetings.2026/";
    const std::string spyKoral = "/home/j.doe/Documents/SpyKoral.txt";
#endif
    Reunion r;
    r.port.Documents = documents;
    r.etat.SauvegardeActive = 0;
    PreparerHistorique(r.etat);
    EXPECT_EQ(r.etat.CheminHistorique, spyKoral);
    EXPECT_EQ(r.etat.DateHistorique, "06/12/26");
    r.etat.SauvegardeActive = 1;
    r.etat.CheminManifestation = club + "Koral du 06_12_26.mhz";
    PreparerHistorique(r.etat);
    EXPECT_EQ(r.etat.CheminHistorique, club + "Koral du 06_12_26.txt");
    r.etat.CheminManifestation = club + "Koral";
    PreparerHistorique(r.etat);
    EXPECT_EQ(r.etat.CheminHistorique, club + "Koral.txt");
}
