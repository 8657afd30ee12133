#include "cards/liste_fiches.h"
#include "cards/saisie.h"
#include "engine/compatibilite.h"
#include "shell/commandes.h"
#include "shell/menu.h"
#include "engine/textes.h"
#include "engine/emissions.h"
#include "stand/defilant.h"
#include "stand/file_attente.h"
#include "stand/sortie.h"
#include "storage/manifestation.h"
#include "tests/support/dossier_temporaire.h"
#include "tests/support/fenetre_test.h"
#include "tests/support/meeting.h"

#include <gtest/gtest.h>

namespace {

struct Commandes : ::testing::Test {
    Reunion r;
    FenetreTest f;
    DossierTemporaire dossier;

    void SetUp() override
    {
        r.Plan(PlanExemple35());
        r.port.Documents = dossier.Chemin().string();
        r.etat.SauvegardeActive = 1;
        DeriverChemins(r.etat, dossier.Fichier("m.mhz"));
        r.etat.CheminHistorique = dossier.Fichier("m.txt");
        r.etat.HistoriqueActif = 1;
    }
    void Sortir(int32_t freq) { ASSERT_TRUE(SortieFrequence(r.etat, r.Entree(freq), FICHE_LIBRE)); RecompteSorties(r.etat); }
    std::string Journal() { return LireOctets(r.etat.CheminHistorique); }
    void Commande(int c, int notification = 0) { ExecuterCommande(r.etat, f, c, notification); }
};

} // namespace

TEST_F(Commandes, FlightTimeSupervisionAtTenSecondTicks)
{
    Sortir(35010);
    f.Cases[402] = true;
    f.Editions[403] = "05";
    Commande(402);
    ASSERT_EQ(r.etat.Contraintes.DureeMaxSecondes, 300);
    r.port.Avancer(300000);
    SuperviserTemps(r.etat, f);
    EXPECT_EQ(r.Entree(35010).Etat, Sortie);
    r.port.Avancer(999);
    SuperviserTemps(r.etat, f);
    EXPECT_EQ(r.Entree(35010).Etat, Sortie);
    r.port.Avancer(1);
    SuperviserTemps(r.etat, f);
    EXPECT_EQ(r.Entree(35010).Etat, HorsTemps);
    // Unticking the limit turns the overdue transmitter back to out at once.
    f.Cases[402] = false;
    const int avant = f.Rafraichissements;
    Commande(402);
    EXPECT_EQ(r.Entree(35010).Etat, Sortie);
    EXPECT_GT(f.Rafraichissements, avant);
    EXPECT_NE(Journal().find("OFF\r\n"), std::string::npos);
}

TEST_F(Commandes, WithoutTheLimitNothingBecomesOverdue)
{
    Sortir(35010);
    r.port.Avancer(3600000);
    SuperviserTemps(r.etat, f);
    EXPECT_EQ(r.Entree(35010).Etat, Sortie);
}

TEST_F(Commandes, ZeroMinutesGivesFiveMinutes)
{
    f.Cases[402] = true;
    f.Editions[403] = "0";
    Commande(402);
    EXPECT_EQ(r.etat.Contraintes.DureeMaxSecondes, 300);
    EXPECT_EQ(f.Editions[403], "05");
    EXPECT_EQ(r.etat.Contraintes.TempsLimite, 1);
}

TEST_F(Commandes, EditFieldsOnlyActWhenTheyLoseTheFocus)
{
    f.Editions[403] = "12";
    Commande(403);
    EXPECT_EQ(r.etat.Contraintes.DureeMaxSecondes, 300);
    Commande(403, NOTIFICATION_PERTE_FOCUS);
    EXPECT_EQ(r.etat.Contraintes.DureeMaxSecondes, 720);
    f.Editions[405] = "00";
    Commande(405, NOTIFICATION_PERTE_FOCUS);
    EXPECT_EQ(r.etat.Contraintes.NbMaxEmissions, 5);
    EXPECT_EQ(f.Editions[405], "05");
    f.Editions[405] = "123";
    Commande(405, NOTIFICATION_PERTE_FOCUS);
    EXPECT_EQ(r.etat.Contraintes.NbMaxEmissions, 12);
}

TEST_F(Commandes, TheNeighbourCheckCannotBeTickedWhileNeighboursAreOut)
{
    r.etat.Contraintes.Ecart20kHz = 0;
    Sortir(35010);
    Sortir(35020);
    f.Cases[400] = true;
    r.port.RepondreOk();
    Commande(400);
    ASSERT_EQ(r.port.Messages.size(), 1u);
    EXPECT_EQ(r.port.Messages[0].Texte, Texte(r.etat, 75));
    EXPECT_EQ(r.port.Messages[0].SujetAide, 150);
    EXPECT_FALSE(f.Cases[400]);
    EXPECT_EQ(r.etat.Contraintes.Ecart20kHz, 0);
    EXPECT_NE(Journal().find("OFF\r\n"), std::string::npos);

    Reunion autre;
    FenetreTest g;
    autre.Plan(PlanExemple35());
    autre.etat.Contraintes.Ecart20kHz = 0;
    ASSERT_TRUE(SortieFrequence(autre.etat, autre.Entree(35010), FICHE_LIBRE));
    ASSERT_TRUE(SortieFrequence(autre.etat, autre.Entree(35030), FICHE_LIBRE));
    g.Cases[400] = true;
    ExecuterCommande(autre.etat, g, 400);
    EXPECT_TRUE(g.Cases[400]);
    EXPECT_EQ(autre.etat.Contraintes.Ecart20kHz, 1);
}

TEST_F(Commandes, TheIntermodulationCheckCannotBeTickedWhileATransmitterIsModulated)
{
    r.etat.Contraintes.ControleIntermodulation = 0;
    Sortir(35080);
    Sortir(35990);
    f.Cases[401] = true;
    r.port.RepondreOk();
    Commande(401);
    EXPECT_EQ(r.port.Messages.at(0).Texte, Texte(r.etat, 76));
    EXPECT_FALSE(f.Cases[401]);
    EXPECT_EQ(r.etat.Contraintes.ControleIntermodulation, 0);
}

TEST_F(Commandes, MaximumOfTransmitters)
{
    f.Cases[404] = true;
    f.Editions[405] = "0";
    Commande(404);
    EXPECT_EQ(r.etat.Contraintes.LimiteEmissions, 1);
    EXPECT_EQ(r.etat.Contraintes.NbMaxEmissions, 5);
    EXPECT_EQ(f.Editions[405], "05");
    EXPECT_NE(Journal().find("ON\r\n"), std::string::npos);
}

TEST_F(Commandes, QuitWithoutAFileAndContinue)
{
    r.etat.SauvegardeActive = 0;
    r.etat.CheminManifestation.clear();
    r.port.RepondreContinuer();
    Commande(100);
    EXPECT_FALSE(f.Detruite);
    EXPECT_EQ(r.port.Messages.at(0).Texte, Texte(r.etat, 79));
    EXPECT_EQ(r.port.Messages.at(0).JeuBoutons, 961);
    EXPECT_EQ(r.port.Messages.at(0).SujetAide, 103);
    EXPECT_EQ(Journal(), "");
    EXPECT_EQ(r.etat.NbFiches(), 1);
    EXPECT_TRUE(std::filesystem::is_empty(dossier.Chemin()));
}

TEST_F(Commandes, QuitWithoutAFileAndNo)
{
    r.etat.SauvegardeActive = 0;
    r.etat.CheminManifestation.clear();
    r.port.RepondreNon();
    Commande(100);
    EXPECT_TRUE(f.Detruite);
    EXPECT_TRUE(f.AideFermee);
    EXPECT_EQ(r.etat.NbFiches(), 0);
    EXPECT_FALSE(std::filesystem::exists(dossier.Fichier("m.mhz")));
}

TEST_F(Commandes, QuitWithoutAFileAndYesWritesTheWholeMeeting)
{
    r.etat.SauvegardeActive = 0;
    r.etat.CheminManifestation.clear();
    r.Fiche(12, "Martin", 35010);
    r.port.RepondreOui();
    r.port.RepondreFichier(dossier.Fichier("gardee.mhz"));
    r.port.RepondreNouveauMotDePasse("cle");
    Commande(100);
    EXPECT_TRUE(f.Detruite);
    Reunion relue;
    ASSERT_TRUE(ReprendreManifestation(relue.etat, dossier.Fichier("gardee.mhz")));
    EXPECT_EQ(relue.etat.NbFiches(), 2);
    EXPECT_EQ(relue.etat.MotDePasse, "cle");
    EXPECT_EQ(relue.etat.NbFrequences(), r.etat.NbFrequences());
}

TEST_F(Commandes, QuitWithAFileWritesAndLogsTheEnd)
{
    Commande(100);
    EXPECT_TRUE(r.port.Messages.empty());
    EXPECT_TRUE(std::filesystem::exists(dossier.Fichier("m.mhz")));
    EXPECT_NE(Journal().find(Texte(r.etat, 123)), std::string::npos);
    EXPECT_TRUE(f.Detruite);
}

TEST_F(Commandes, QuitAfterARefusedFileAsksNothing)
{
    r.etat.SauvegardeActive = 0;
    r.etat.QuitterAuDemarrage = 1;
    Commande(100);
    EXPECT_TRUE(r.port.Messages.empty());
    EXPECT_TRUE(f.Detruite);
}

TEST_F(Commandes, TickersShowAndHide)
{
    Commande(211);
    EXPECT_TRUE(f.Defilants[1]);
    Commande(211);
    EXPECT_FALSE(f.Defilants[1]);
    Commande(242);
    EXPECT_TRUE(f.Defilants[2]);
}

TEST_F(Commandes, ExitOpensTheDialogOfTheModeThenSavesAndRefreshes)
{
    const std::pair<int, Dialogue> cas[] = {{0, Dialogue::Sortir0}, {1, Dialogue::Sortir},
                                            {2, Dialogue::SortirAttente}, {3, Dialogue::SortirPlan}};
    for (auto [mode, dialogue] : cas) {
        r.etat.ModeSortie = mode;
        f.Ouverts.clear();
        std::filesystem::remove(dossier.Fichier("m.mhz"));
        Commande(201);
        ASSERT_EQ(f.Ouverts.size(), 1u);
        EXPECT_EQ(f.Ouverts[0], dialogue);
        EXPECT_TRUE(std::filesystem::exists(dossier.Fichier("m.mhz")));
    }
}

TEST_F(Commandes, ADialogsFollowUpCommandRunsAfterIt)
{
    r.etat.ModeSortie = ModeFiches;
    f.PendantDialogue = [&](Dialogue d) {
        if (d == Dialogue::Sortir) r.etat.CommandeDemandee = 222;
    };
    Commande(201);
    EXPECT_EQ(r.etat.ModeSortie, ModeFileAttente);
    EXPECT_TRUE(f.Defilants[2]);
}

TEST_F(Commandes, FrequencyPlanRewritesAndRebuildsTheBoardOnlyWhenValidated)
{
    Commande(224);
    EXPECT_FALSE(std::filesystem::exists(dossier.Fichier("m.mhz")));
    EXPECT_EQ(f.Dispositions, 0);
    f.Resultats[Dialogue::PlanFrequences].push_back(1);
    Commande(224);
    EXPECT_TRUE(std::filesystem::exists(dossier.Fichier("m.mhz")));
    EXPECT_EQ(f.Dispositions, 1);
    EXPECT_EQ(f.Redessins, 1);
}

TEST_F(Commandes, ANewCardWithAnEmptyPlanGoesToTheFrequencyPlan)
{
    Reunion vide;
    FenetreTest g;
    vide.port.MessagesLibres = true;
    ExecuterCommande(vide.etat, g, 207);
    EXPECT_EQ(vide.port.Messages.at(0).Texte, Texte(vide.etat, 156));
    EXPECT_EQ(vide.port.Messages.at(0).SujetAide, 10);
    ASSERT_EQ(g.Ouverts.size(), 1u);
    EXPECT_EQ(g.Ouverts[0], Dialogue::PlanFrequences);
    Commande(200);
    EXPECT_EQ(f.Ouverts.back(), Dialogue::NouvelleFiche);
}

TEST_F(Commandes, FreeServiceRefusesThePlanningCommandsWithABeep)
{
    r.etat.ModeSortie = ModeLibreService;
    for (int c : {212, 213, 214}) Commande(c);
    EXPECT_EQ(r.port.Bips, 3);
    EXPECT_TRUE(f.Ouverts.empty());
}

TEST_F(Commandes, ImportIsRefusedWhileTransmittersAreOut)
{
    Sortir(35010);
    r.port.RepondreOk();
    Commande(234);
    EXPECT_EQ(r.port.Messages.at(0).Texte, Texte(r.etat, 52));
    EXPECT_EQ(r.port.Messages.at(0).SujetAide, 155);
    EXPECT_TRUE(f.Ouverts.empty());
}

TEST_F(Commandes, SortOrderAndLanguageOfTheNextStart)
{
    Commande(232);
    EXPECT_EQ(r.etat.CleTri, 2);
    EXPECT_EQ(f.MenusActualises, 1);
    r.port.RepondreOk();
    Commande(11);
    EXPECT_EQ(r.port.Messages.at(0).Texte, "Taken into account for next start");
    EXPECT_EQ(r.port.LanguesEnregistrees, std::vector<int>{1000});
    EXPECT_EQ(r.etat.DecalageLangue, 0);
}

TEST_F(Commandes, HelpAndAMissingHelpFile)
{
    Commande(900);
    EXPECT_EQ(r.port.Aides.at(0).Sujet, 0);
    EXPECT_TRUE(r.port.Messages.empty());
    r.port.AideDisponible = false;
    r.port.RepondreOk();
    Commande(900);
    EXPECT_EQ(r.port.Messages.at(0).Texte, Texte(r.etat, 78));
}

TEST_F(Commandes, PopUpMenusSendTheirCommand)
{
    f.ChoixMenus = {221};
    r.etat.ModeSortie = ModeFileAttente;
    Commande(407);
    EXPECT_EQ(f.MenusOuverts, std::vector<int>{407});
    EXPECT_EQ(r.etat.ModeSortie, ModeFiches);
    Commande(216);
    EXPECT_EQ(r.etat.ModeSortie, ModeFiches);
}

TEST_F(Commandes, HistoryCommandsUpdateTheMenu)
{
    Commande(218);
    EXPECT_EQ(r.etat.HistoriqueActif, 0);
    const std::string arrete = Journal();
    Commande(217);
    EXPECT_EQ(r.etat.HistoriqueActif, 1);
    EXPECT_EQ(Journal(), arrete);   // logging on again writes no line
    EXPECT_EQ(f.MenusActualises, 2);
    Commande(219);
    EXPECT_EQ(r.port.DocumentsOuverts.at(0), r.etat.CheminHistorique);
}

TEST_F(Commandes, BoardArrowsBeepWhenTheBoardCannotMove)
{
    Commande(1400);
    Commande(1401);
    EXPECT_EQ(r.port.Bips, 2);
}

TEST(CreerFenetrePrincipale, AMissingFileOnTheCommandLineEndsWithoutWriting)
{
    Reunion r;
    FenetreTest f;
    DossierTemporaire dossier;
    r.port.RepondreOk();
    EXPECT_FALSE(CreerFenetrePrincipale(r.etat, f, dossier.Fichier("absent.mhz")));
    EXPECT_EQ(r.port.Messages.at(0).Texte, Texte(r.etat, 88));
    EXPECT_TRUE(f.Detruite);
    EXPECT_TRUE(std::filesystem::is_empty(dossier.Chemin()));
    EXPECT_EQ(r.port.Messages.size(), 1u);
}

TEST(CreerFenetrePrincipale, RunningWithoutAFileWarnsAndQuitEnds)
{
    Reunion r;
    FenetreTest f;
    r.port.MessagesLibres = true;
    f.Resultats[Dialogue::Fichier] = {0};
    f.Resultats[Dialogue::AlerteFichier] = {0};
    EXPECT_FALSE(CreerFenetrePrincipale(r.etat, f, ""));
    EXPECT_EQ(f.Ouverts, (std::vector<Dialogue>{Dialogue::Fichier, Dialogue::AlerteFichier}));
    EXPECT_TRUE(f.Detruite);
    EXPECT_EQ(r.etat.TitreFichier, Texte(r.etat, 22));
    // String 22 brings its own parentheses to the board's bottom bar.
    EXPECT_EQ(TexteBarreTableau(r.etat), Texte(r.etat, 145) + "    " + Texte(r.etat, 22));
    r.etat.SauvegardeActive = 1;
    r.etat.TitreFichier = "club.mhz";
    EXPECT_EQ(TexteBarreTableau(r.etat), Texte(r.etat, 145) + "    (club.mhz)");
}

TEST(CreerFenetrePrincipale, ResumesTheCommandLineFileAndLogsTheStart)
{
    DossierTemporaire dossier;
    {
        Reunion avant;
        avant.Plan(PlanExemple35());
        avant.etat.ModeSortie = ModeFileAttente;
        avant.etat.Contraintes.DureeMaxSecondes = 600;
        avant.etat.SauvegardeActive = 1;
        DeriverChemins(avant.etat, dossier.Fichier("\xC3\xA9t\xC3\xA9 2026.mhz"));
        SauverManifestation(avant.etat);
    }
    Reunion r;
    FenetreTest f;
    EXPECT_TRUE(CreerFenetrePrincipale(r.etat, f, dossier.Fichier("\xC3\xA9t\xC3\xA9 2026.mhz")));
    EXPECT_TRUE(f.Ouverts.empty());
    EXPECT_EQ(f.Dispositions, 1);
    EXPECT_TRUE(f.Defilants[1]);
    EXPECT_TRUE(f.Defilants[2]);
    EXPECT_TRUE(f.Cases[400]);
    EXPECT_EQ(f.Editions[403], "10");
    EXPECT_EQ(f.Editions[405], "05");
    EXPECT_EQ(TitreFenetrePrincipale(r.etat), "KORALIS - \xE9t\xE9 2026.mhz");
    EXPECT_EQ(r.etat.CheminHistorique, dossier.Fichier("\xC3\xA9t\xC3\xA9 2026.txt"));
    EXPECT_NE(LireOctets(r.etat.CheminHistorique).find("---> 2\r\n"), std::string::npos);
}

TEST_F(Commandes, AClickOnTheBoardOpensTheDetailsThenWhatTheyAskFor)
{
    r.etat.ModeSortie = ModeFileAttente;
    f.PendantDialogue = [&](Dialogue d) {
        if (d == Dialogue::Renseign) r.etat.SortieDemandee = 1;
    };
    CliquerFrequence(r.etat, f, r.Index(35020));
    EXPECT_EQ(r.etat.FrequenceChoisie, r.Index(35020));
    EXPECT_EQ(f.Ouverts, (std::vector<Dialogue>{Dialogue::Renseign, Dialogue::SortirAttente}));
    EXPECT_EQ(r.etat.SortieDemandee, 0);
    EXPECT_GE(f.Rafraichissements, 2);
}

TEST(MenuSurgissant, TheCardsMenuOffersThePlanOnlyInPlannedMode)
{
    const auto fiches = MenuSurgissant(202, ModeFiches);
    ASSERT_EQ(fiches.size(), 3u);
    EXPECT_EQ(fiches[0].Commande, 302);
    EXPECT_FALSE(fiches[2].Actif);
    EXPECT_EQ(fiches[2].Texte.n, 16);
    const auto plan = MenuSurgissant(202, ModePlanifie);
    EXPECT_TRUE(plan[2].Actif);
    EXPECT_EQ(plan[2].Commande, 214);
    EXPECT_EQ(MenuSurgissant(216, ModeFiches)[2].Commande, 203);
    const auto modes = MenuSurgissant(407, ModeFiches);
    ASSERT_EQ(modes.size(), 7u);
    EXPECT_EQ(modes[6].Commande, 223);
    EXPECT_EQ(modes[6].Texte.n, 14);
}

// The queue's ticker names the queue as it is, whichever dialog changed it: at
// the next step of the ticker while the dialog is open, and once it has closed.
TEST_F(Commandes, TheQueuesTickerFollowsEveryChangeOfTheQueue)
{
    using Action = std::function<void(EtatGlobal&)>;
    struct Cas { const char* nom; Dialogue dialogue; Action action; const char* attendu; };
    const Cas cas[] = {
        {"a queued pilot deleted (queued twice)", Dialogue::ListeFiches,
         [](EtatGlobal& e) { ListePilotes(e, [](int) {}).Supprimer(0); }, "Prochains : 3 Charlie 35.050   "},
        {"a queued pilot stops flying", Dialogue::ListeFiches,
         [](EtatGlobal& e) { ListePilotes(e, [](int) {}).FinsVols(0); }, "Prochains : 3 Charlie 35.050   "},
        {"a queued pilot's frequency changed", Dialogue::ModifierFiche,
         [](EtatGlobal& e) {
             e.ModeModification = 1;
             e.FicheCourante = 3;
             Saisie s(e);
             s.ChoisirFrequence(409, 0);
             s.Valider({"", "Charlie", "", "", ""});
         },
         "Prochains : 2 Bravo 35.020   3 Charlie 35.000   2 Bravo 35.020   "},
    };
    for (const Cas& c : cas) {
        Reunion q;
        q.Plan(PlanExemple35());
        q.port.MessagesLibres = true;   // every question answered OUI
        for (auto [n, nom, f] : {std::tuple{2, "Bravo", 35020}, std::tuple{3, "Charlie", 35050}}) {
            q.Fiche(n, nom, f);
            ++q.Entree(f).NbUtilisateurs;
        }
        q.etat.ModeSortie = ModeFileAttente;
        for (int32_t n : {2, 3, 2}) {
            q.etat.FicheCourante = n;
            AjouterEnFile(q.etat);
        }
        EXPECT_EQ(q.etat.TexteDefilant2, "Prochains : 2 Bravo 35.020   3 Charlie 35.050   2 Bravo 35.020   ");
        FaireDefilerLigne(q.etat, 2);
        const std::string tourne = q.etat.TexteDefilant2.Chaine();
        std::string pendant;
        FenetreTest g;
        g.PendantDialogue = [&](Dialogue d) {
            if (d != c.dialogue) return;
            c.action(q.etat);
            FaireDefilerLigne(q.etat, 2);
            pendant = q.etat.TexteDefilant2.Chaine();
        };
        ExecuterCommande(q.etat, g, c.dialogue == Dialogue::ListeFiches ? 302 : 280);
        EXPECT_EQ(pendant, std::string(c.attendu).substr(1) + c.attendu[0]) << c.nom;
        EXPECT_EQ(q.etat.TexteDefilant2, std::string(c.attendu).substr(1) + c.attendu[0]) << c.nom;
        // An unchanged queue keeps scrolling from where it stands.
        ExecuterCommande(q.etat, g, 211);
        FaireDefilerLigne(q.etat, 2);
        EXPECT_EQ(q.etat.TexteDefilant2, std::string(c.attendu).substr(2) + std::string(c.attendu).substr(0, 2)) << c.nom;
        EXPECT_NE(tourne, q.etat.TexteDefilant2.Chaine());
    }
}
