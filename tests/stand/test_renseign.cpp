#include "engine/frequences.h"
#include "stand/renseign.h"
#include "stand/retour.h"
#include "stand/sortie.h"
#include "tests/stand/stand_test.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

namespace {

Renseign Ouvrir(Reunion& r, int32_t frequence)
{
    r.etat.FrequenceChoisie = r.Index(frequence);
    return Renseign(r.etat);
}

std::vector<std::string> Textes(const VueRenseign& v)
{
    std::vector<std::string> t;
    for (const LigneUtilisateur& l : v.Utilisateurs) t.push_back(l.Texte + " " + l.Image);
    return t;
}

std::string T(Reunion& r, int n) { return Texte(r.etat, n); }

// A name as "%-20s" writes it.
std::string Pad(const std::string& nom) { return nom + std::string(20 - nom.size(), ' '); }

} // namespace

// --- what the details show ------------------------------------------------------------

TEST(Renseign, AFrequenceOutShowsItsUserAndHowLong)
{
    ReunionStand r;
    r.Plan({35010, 35050});
    r.Fiche(12, "Martin", 35010);
    r.Fiche(3, "Albert", 35010);
    r.Sortir(35010, 12);
    r.port.Avancer(125000);
    const Renseign d = Ouvrir(r, 35010);
    const VueRenseign& v = d.Vue();
    EXPECT_EQ(v.Titre, "35.010______");
    EXPECT_TRUE(v.TitreRouge);
    EXPECT_EQ(v.TexteEtat, T(r, 31));
    EXPECT_EQ(v.Legende641, 33);
    EXPECT_THAT(v.Interferences, ElementsAre(" (012) Martin", " depuis 02 mn 05 s"));
    EXPECT_TRUE(v.Bouton804Visible);
    EXPECT_EQ(v.Texte804, 633);
    EXPECT_FALSE(v.Aide806Visible);
    // The transmitting card's line is the one selected.
    ASSERT_EQ(v.Utilisateurs.size(), 2u);
    EXPECT_EQ(v.Utilisateurs[static_cast<std::size_t>(v.LigneChoisie)].Numero, 12);
}

TEST(Renseign, TheTimeOutIsAnUnsignedDifferenceAcrossTheTickWrap)
{
    ReunionStand r;
    r.Plan({35010});
    r.etat.ModeSortie = ModeLibreService;
    r.port.Horloge = 0xFFFFFFFFu - 999u;
    r.Sortir(35010, FICHE_LIBRE);
    r.port.Horloge = 64000;
    const Renseign d = Ouvrir(r, 35010);
    EXPECT_THAT(d.Vue().Interferences, ElementsAre(" (??\?)", " depuis 01 mn 05 s"));
    EXPECT_EQ(d.Vue().LigneChoisie, 0);   // the one " ???" line
}

TEST(Renseign, APlannedFlightOutSaysSo)
{
    ReunionStand r;
    r.Plan({35010});
    r.Fiche(12, "Martin", 35010);
    r.Sortir(35010, 12).RangPlanifie = 4;
    EXPECT_EQ(Ouvrir(r, 35010).Vue().TexteEtat, T(r, 31) + T(r, 32));
}

TEST(Renseign, ANeighbourOutForbidsTheExitWhateverTheStatus)
{
    ReunionStand r;
    r.Plan(PlanExemple35());
    r.Fiche(12, "Martin", 35010);
    r.Fiche(5, "Petit", 35020);
    r.Sortir(35010, 12);
    const Renseign d = Ouvrir(r, 35020);
    const VueRenseign& v = d.Vue();
    EXPECT_EQ(v.TexteEtat, T(r, 34) + T(r, 37));
    EXPECT_EQ(v.TexteEtat, " Ne peut \xE9mettre ...\r Ecart < 20 KHz sur fr\xE9quence active");
    EXPECT_TRUE(v.TitreRouge);
    EXPECT_EQ(v.Legende641, 0);
    EXPECT_THAT(v.Interferences, IsEmpty());
    EXPECT_FALSE(v.Bouton804Visible);
    EXPECT_THAT(Textes(v), ElementsAre(" 005 - Petit FEUROUGE"));
}

TEST(Renseign, AnIntermodulatedFrequencyNamesBothTransmitters)
{
    ReunionStand r;
    r.Plan(PlanExemple35());
    r.Fiche(12, "Martin", 35010);
    r.Fiche(7, "Durand", 35050);
    r.Sortir(35010, 12);
    r.Sortir(35050, 7);
    ASSERT_EQ(r.Entree(35090).Etat, Intermodulee);
    const Renseign d = Ouvrir(r, 35090);
    EXPECT_EQ(d.Vue().TexteEtat, T(r, 34) + T(r, 36));
    EXPECT_EQ(d.Vue().Legende641, 641);
    EXPECT_THAT(d.Vue().Interferences,
                ElementsAre(" (012) 35.010______ - " + Pad("Martin"), " (007) 35.050______ - " + Pad("Durand")));
    EXPECT_TRUE(d.Vue().TitreRouge);
}

TEST(Renseign, AFrequencyThatWouldModulateNamesTheActiveOnesItWouldHit)
{
    ReunionStand r;
    r.Plan(PlanExemple35());
    r.etat.ModeSortie = ModeLibreService;
    r.Sortir(35010, FICHE_LIBRE);
    r.Fiche(7, "Durand", 35090);
    r.Sortir(35090, 7);
    ASSERT_EQ(r.Entree(35050).Etat, Modulante);
    const Renseign d = Ouvrir(r, 35050);
    EXPECT_EQ(d.Vue().TexteEtat, T(r, 34) + T(r, 38));
    EXPECT_EQ(d.Vue().Legende641, 645);
    EXPECT_THAT(d.Vue().Interferences, ElementsAre(" (??\?) 35.010______", " (007) 35.090______ - " + Pad("Durand")));
}

TEST(Renseign, AnImageFrequencyMayLeaveOnlyWithTheCheckOff)
{
    ReunionStand r;
    r.Plan(PlanExemple35());
    r.Fiche(12, "Martin", 35990);
    r.Fiche(5, "Petit", 35080);
    r.Sortir(35990, 12);
    ASSERT_EQ(r.Entree(35080).Etat, FrequenceImage);
    {
        const Renseign d = Ouvrir(r, 35080);
        EXPECT_TRUE(d.Vue().TitreRouge);
        EXPECT_EQ(d.Vue().TexteEtat, T(r, 34) + T(r, 153));
        EXPECT_EQ(d.Vue().Legende641, 644);
        EXPECT_THAT(d.Vue().Interferences, ElementsAre(" 35.990______ (012) Martin"));
        EXPECT_FALSE(d.Vue().Bouton804Visible);
        EXPECT_THAT(Textes(d.Vue()), ElementsAre(" 005 - Petit FEUROUGE"));
    }
    r.etat.Contraintes.ControleIntermodulation = 0;
    Renseign d = Ouvrir(r, 35080);
    EXPECT_FALSE(d.Vue().TitreRouge);
    EXPECT_EQ(d.Vue().TexteEtat, " Pourrait \xE9mettre\r Fr\xE9quence image");
    EXPECT_TRUE(d.Vue().Bouton804Visible);
    EXPECT_EQ(d.Vue().Texte804, 571);
    EXPECT_TRUE(d.Vue().Aide806Visible);
    EXPECT_THAT(Textes(d.Vue()), ElementsAre(" 005 - Petit FEUVERT"));
    EXPECT_EQ(d.Bouton804(0), SuiteRenseign::Fermer);
    EXPECT_EQ(r.Entree(35080).FicheEmettrice, 5);
}

TEST(Renseign, Disturbed455kHzAwayNamesBothFrequencies)
{
    ReunionStand r;
    r.Plan(PlanExemple35());
    r.Fiche(12, "Martin", 35500);
    r.Sortir(35500, 12);
    ASSERT_EQ(r.Entree(35045).Etat, ImagePerturbee);
    const Renseign d = Ouvrir(r, 35045);
    EXPECT_EQ(d.Vue().TexteEtat, T(r, 34) + T(r, 152));
    EXPECT_EQ(d.Vue().Legende641, 645);
    EXPECT_THAT(d.Vue().Interferences, ElementsAre("  Image de : 35.500______  ", "  avec : 35.045______  "));

    r.Plan(PlanExemple35());
    r.Sortir(35045, 12);
    ASSERT_EQ(r.Entree(35500).Etat, ImagePerturbee);
    EXPECT_THAT(Ouvrir(r, 35500).Vue().Interferences, ElementsAre("  Image de : 35.500______  ", "  avec : 35.045______  "));
}

TEST(Renseign, AnImageProductNamesThePairThatMakesIt)
{
    ReunionStand r;
    r.Plan({35300, 35600, 35910});
    r.Fiche(7, "Durand", 35300);
    r.Fiche(12, "Martin", 35600);
    r.Sortir(35300, 7);
    r.Sortir(35600, 12);
    ASSERT_EQ(r.Entree(35910).Etat, ImagePerturbee);
    EXPECT_THAT(Ouvrir(r, 35910).Vue().Interferences,
                ElementsAre("  Image de : 35.600______ (012) Martin", "  avec : 35.300______  (007) Durand"));

    r.Plan({35300, 35600, 35910});
    r.Sortir(35300, FICHE_LIBRE);
    r.Sortir(35600, FICHE_LIBRE);
    EXPECT_THAT(Ouvrir(r, 35910).Vue().Interferences,
                ElementsAre("  Image de : 35.600______  (??\?)", "  avec : 35.300______  (??\?)"));
}

TEST(Renseign, TheCardsOfTheFrequencyInTheOperatorsOrder)
{
    ReunionStand r;
    r.Plan({35010, 35050});
    r.Fiche(12, "Martin", 35010);
    CopierChamp(r.Fiche(3, "Albert", 35010).Modele, "Extra 330 de quarante caracteres ou plus");
    r.Fiche(8, "Zoe", 35010).Etat = Arretee;
    r.Fiche(9, "Autre", 35050);
    r.etat.CleTri = 2;
    const Renseign d = Ouvrir(r, 35010);
    EXPECT_THAT(Textes(d.Vue()),
                ElementsAre(" 003 - Albert - Extra 330 de quarante caracter FEUVERT", " 012 - Martin FEUVERT"));
    EXPECT_EQ(d.Vue().LigneChoisie, -1);
    EXPECT_TRUE(d.Vue().Bouton804Visible);
    EXPECT_EQ(d.Vue().Texte804, 571);

    // At the limit of transmitters out every light is red, and free service adds its unknown user.
    r.etat.ModeSortie = ModeLibreService;
    r.etat.Contraintes.LimiteEmissions = 1;
    r.etat.Contraintes.NbMaxEmissions = 1;
    r.Sortir(35050, FICHE_LIBRE);
    EXPECT_THAT(Textes(Ouvrir(r, 35010).Vue()),
                ElementsAre(" 003 - Albert - Extra 330 de quarante caracter FEUROUGE", " 012 - Martin FEUROUGE", " ??? VIDE"));
}

TEST(Renseign, The24GHzButtonListsEveryActive24GHzCard)
{
    ReunionStand r;
    r.Plan(Bande24());
    r.Fiche(3, "Petit", 2400000);
    r.Fiche(4, "Stop", 2400000).Etat = Arretee;
    r.Fiche(5, "Vole", 2400000);
    r.Sortir(2400020, 5);
    const Renseign d = Ouvrir(r, 2400000);
    EXPECT_THAT(Textes(d.Vue()), ElementsAre(" 003 - Petit FEUVERT", " 005 - Vole FEUROUGE"));
}

TEST(Renseign, SortirIsOfferedOnlyWhereAnExitCanBeMade)
{
    ReunionStand r;
    r.Plan({35010, 35050});
    r.Fiche(7, "Durand", 35050);
    // By cards, a frequency nobody registered has nothing to send out.
    EXPECT_FALSE(Ouvrir(r, 35010).Vue().Bouton804Visible);
    EXPECT_FALSE(Ouvrir(r, 35010).Vue().Aide806Visible);
    r.etat.ModeSortie = ModeLibreService;
    EXPECT_TRUE(Ouvrir(r, 35010).Vue().Bouton804Visible);
    for (int32_t mode : {ModeFileAttente, ModePlanifie}) {
        r.etat.ModeSortie = mode;
        Renseign d = Ouvrir(r, 35050);
        EXPECT_FALSE(d.Vue().Bouton804Visible);
        EXPECT_EQ(d.DoubleClic(0), SuiteRenseign::Rester);
        EXPECT_EQ(r.Entree(35050).Etat, Libre);
    }
}

TEST(Renseign, OpeningClearsTheRequestsAndAMissingEntryShowsNothing)
{
    ReunionStand r;
    r.Plan({35010});
    r.etat.SortieDemandee = 1;
    r.etat.CommandeDemandee = 222;
    r.etat.FrequenceChoisie = 5;
    Renseign d(r.etat);
    EXPECT_FALSE(d.Valide());
    EXPECT_EQ(r.etat.SortieDemandee, 0);
    EXPECT_EQ(r.etat.CommandeDemandee, 0);
    EXPECT_EQ(d.Bouton804(-1), SuiteRenseign::Fermer);
}

// --- the return -----------------------------------------------------------------------------

TEST(Retour, AfterTwoMinutesFiveSecondsTheCardGetsItsTimeAndTheLogSaysWho)
{
    ReunionStand r;
    r.Plan(PlanExemple35());
    FicheVol& martin = r.Fiche(12, "Martin", 35010);
    martin.CumulEmission = 1000;
    r.Fiche(7, "Durand", 35050);
    r.Sortir(35010, 12);
    r.Sortir(35050, 7);
    r.port.Avancer(125000);
    Renseign d = Ouvrir(r, 35010);
    r.port.RepondreOui();
    EXPECT_EQ(d.Bouton804(0), SuiteRenseign::Fermer);

    ASSERT_EQ(r.port.Messages.size(), 1u);
    EXPECT_EQ(r.port.Messages[0].Texte, T(r, 39));
    EXPECT_EQ(r.port.Messages[0].Detail, "35.010______ - n\xB0 12 - Martin\n");
    EXPECT_EQ(r.port.Messages[0].JeuBoutons, 960);
    EXPECT_EQ(int32_t{martin.CumulEmission}, 126000);   // a packed word: copied, never referred to
    EXPECT_EQ(martin.Etat, AuSol);
    const EntreeFrequence& e = r.Entree(35010);
    EXPECT_EQ(e.Etat, Libre);
    EXPECT_EQ(e.FicheEmettrice, 0);
    EXPECT_EQ(e.DebutEmission, 0u);
    EXPECT_EQ(std::string(VueChamp(e.Libelle)), "35.010______");
    // The products of the pair are gone with it.
    EXPECT_EQ(r.Entree(35090).Etat, Libre);
    EXPECT_EQ(r.Entree(35090).Perturbations, 0);
    EXPECT_EQ(r.etat.NbSorties, 1);
    EXPECT_EQ(r.etat.BandeauSorties, "7  <>  7  <>  7  <>  7  <>  ");
    const auto lignes = r.Historique();
    ASSERT_EQ(lignes.size(), 1u);
    EXPECT_THAT(lignes[0], HasSubstr("Retour en kóral"));
    EXPECT_THAT(lignes[0], EndsWith(" 35010 - n° 12 - Martin"));
    EXPECT_FALSE(r.FichierManifestation().empty());
}

TEST(Retour, NonOrEscapeLeavesEverythingAsItWas)
{
    for (bool echap : {false, true}) {
        ReunionStand r;
        r.Plan({35010});
        r.Fiche(12, "Martin", 35010);
        r.Sortir(35010, 12);
        Renseign d = Ouvrir(r, 35010);
        if (echap) r.port.RepondreEchappement();
        else r.port.RepondreNon();
        EXPECT_EQ(d.Bouton804(0), SuiteRenseign::Rester);
        EXPECT_EQ(r.Entree(35010).Etat, Sortie);
        EXPECT_EQ(r.etat.Fiches.back().Etat, EnVol);
        EXPECT_TRUE(r.Historique().empty());
    }
}

TEST(Retour, A24GHzSlotIsFreedAndTheCardMayTakeAnotherOne)
{
    ReunionStand r;
    r.Plan(Bande24());
    FicheVol& petit = r.Fiche(3, "Petit", 2400000);
    r.Sortir(2400020, FICHE_LIBRE);
    ASSERT_TRUE(SortirFiche(r.etat, 3));
    EXPECT_EQ(r.Entree(2400040).FicheEmettrice, 3);
    EXPECT_EQ(petit.Frequence, 2400000);
    EXPECT_EQ(std::string(VueChamp(r.Entree(2400040).Libelle)), "(3)  2.4 GHz______");
    r.port.RepondreOui();
    EXPECT_EQ(Ouvrir(r, 2400040).Bouton804(-1), SuiteRenseign::Fermer);
    EXPECT_EQ(r.Entree(2400040).Etat, Libre);
    EXPECT_EQ(petit.Frequence, 2400000);
    EXPECT_EQ(petit.Etat, AuSol);
    const auto lignes = r.Historique();
    ASSERT_EQ(lignes.size(), 2u);
    EXPECT_THAT(lignes[0], EndsWith(" 2.4 GHz n° 3 - Petit"));
    EXPECT_THAT(lignes[1], EndsWith(" 2.4 GHz n° 3 - Petit"));
}

TEST(Retour, APlannedFlightClosesItsPlanNodeWhateverTheMode)
{
    ReunionStand r;
    r.Plan({35010});
    r.Fiche(12, "Martin", 35010);
    EntreePlan& file = r.Noeud(FileAttente, 2, 12);
    EntreePlan& plan = r.Noeud(PlanVols, 2, 12, VolEnCours);
    r.Sortir(35010, 12).RangPlanifie = 2;
    r.port.Avancer(60000);
    ASSERT_TRUE(RetourEnKoral(r.etat, r.Index(35010)));
    EXPECT_EQ(plan.EtatVol, VolTermine);
    EXPECT_EQ(plan.DureeVol, 60000);
    EXPECT_EQ(file.EtatVol, VolEnAttente);
    EXPECT_EQ(file.DureeVol, 0);
    EXPECT_EQ(r.Entree(35010).RangPlanifie, 0);

    // A node already closed keeps its duration, and the entry its rank until the next exit.
    r.Sortir(35010, 12).RangPlanifie = 2;
    r.port.Avancer(1000);
    ASSERT_TRUE(RetourEnKoral(r.etat, r.Index(35010)));
    EXPECT_EQ(plan.DureeVol, 60000);
    EXPECT_EQ(r.Entree(35010).RangPlanifie, 2);
    EXPECT_EQ(r.Sortir(35010, 12).RangPlanifie, 0);
}

TEST(Retour, AFreeServiceReturnNamesNobody)
{
    ReunionStand r;
    r.Plan({35010});
    r.etat.ModeSortie = ModeLibreService;
    r.Sortir(35010, FICHE_LIBRE);
    Renseign d = Ouvrir(r, 35010);
    r.port.RepondreOui();
    EXPECT_EQ(d.Bouton804(-1), SuiteRenseign::Fermer);
    EXPECT_EQ(r.port.Messages[0].Detail, "");
    EXPECT_EQ(r.Entree(35010).Etat, Libre);
    EXPECT_THAT(r.Historique().back(), EndsWith(" 35010    (mode libre)"));
}

TEST(Retour, InWaitingListModeTheFirstUsableQueuedFlightAsksForTheExitDialog)
{
    ReunionStand r;
    r.Plan({35000, 35010, 35050, 35200, 35700});
    r.Fiche(1, "Un", 35010);
    r.Fiche(9, "Neuf", 35200);
    r.Fiche(2, "Deux", 35000);     // next to 35010, which stays out
    r.Fiche(3, "Trois", 35010);    // on 35010 itself
    r.Fiche(4, "Quatre", 35050);
    r.Sortir(35010, 1);
    r.Sortir(35200, 9);
    r.etat.ModeSortie = ModeFileAttente;
    r.Noeud(FileAttente, 3, 4);
    r.Noeud(FileAttente, 1, 2);
    r.Noeud(FileAttente, 2, 3);
    Renseign d = Ouvrir(r, 35200);
    r.port.RepondreOui();
    EXPECT_EQ(d.Bouton804(-1), SuiteRenseign::Fermer);
    EXPECT_EQ(r.etat.SortieDemandee, 1);

    // With the limit reached nothing may leave, so nothing is asked.
    r.Sortir(35200, 9);
    r.etat.Contraintes.LimiteEmissions = 1;
    r.etat.Contraintes.NbMaxEmissions = 1;
    r.port.RepondreOui();
    EXPECT_EQ(Ouvrir(r, 35200).Bouton804(-1), SuiteRenseign::Fermer);
    EXPECT_EQ(r.etat.SortieDemandee, 0);
    // Nor by cards.
    r.etat.Contraintes.LimiteEmissions = 0;
    r.etat.ModeSortie = ModeFiches;
    r.Sortir(35200, 9);
    r.port.RepondreOui();
    EXPECT_EQ(Ouvrir(r, 35200).Bouton804(-1), SuiteRenseign::Fermer);
    EXPECT_EQ(r.etat.SortieDemandee, 0);
}

// --- exits from the details ---------------------------------------------------------------

TEST(RenseignSortie, ACardLineGoesOutWithItsCard)
{
    ReunionStand r;
    r.Plan({35010, 35050});
    FicheVol& martin = r.Fiche(12, "Martin", 35010);
    Renseign d = Ouvrir(r, 35010);
    EXPECT_EQ(d.Bouton804(0), SuiteRenseign::Fermer);
    EXPECT_EQ(r.Entree(35010).FicheEmettrice, 12);
    EXPECT_EQ(martin.Etat, EnVol);
    EXPECT_EQ(int32_t{martin.NbVols}, 1);
    EXPECT_THAT(r.Historique().back(), HasSubstr("Sortie de kóral"));
    EXPECT_THAT(r.Historique().back(), EndsWith(" 35010 - n° 12 - Martin"));
    EXPECT_FALSE(r.FichierManifestation().empty());
}

TEST(RenseignSortie, ByCardsSortirWithoutALineOnlyBeeps)
{
    ReunionStand r;
    r.Plan({35010});
    r.Fiche(12, "Martin", 35010);
    r.Fiche(3, "Albert", 35010);
    Renseign d = Ouvrir(r, 35010);
    EXPECT_EQ(d.Bouton804(-1), SuiteRenseign::Rester);
    EXPECT_EQ(r.port.Bips, 1);
    EXPECT_EQ(r.Entree(35010).Etat, Libre);
}

TEST(RenseignSortie, ARefusedCardExitStaysOnSortirAndProposesTheQueueOnADoubleClick)
{
    ReunionStand r;
    r.Plan({35010, 35050});
    r.Fiche(12, "Martin", 35010);
    r.Fiche(7, "Durand", 35050);
    r.Sortir(35050, 7);
    r.etat.Contraintes.LimiteEmissions = 1;
    r.etat.Contraintes.NbMaxEmissions = 1;
    Renseign d = Ouvrir(r, 35010);
    r.port.RepondreOk();
    EXPECT_EQ(d.Bouton804(0), SuiteRenseign::Rester);
    EXPECT_EQ(r.port.BasculesDemandees, 0);

    r.port.RepondreOk();
    r.port.RepondreBascule(true, true);
    EXPECT_EQ(d.DoubleClic(0), SuiteRenseign::Fermer);
    EXPECT_EQ(r.port.BasculesDemandees, 1);
    EXPECT_EQ(r.etat.NePlusProposer, 1);
    ASSERT_EQ(r.etat.NbEntreesAttente(), 1);
    EXPECT_EQ(r.etat.ListePlan.back().NumeroFiche, 12);
    EXPECT_EQ(r.etat.CommandeDemandee, 222);
    EXPECT_EQ(r.Entree(35010).Etat, Libre);
    EXPECT_TRUE(r.Historique().empty());

    // Once the box was ticked, a refusal only closes.
    r.port.RepondreOk();
    EXPECT_EQ(Ouvrir(r, 35010).DoubleClic(0), SuiteRenseign::Fermer);
    EXPECT_EQ(r.port.BasculesDemandees, 1);
    EXPECT_EQ(r.etat.CommandeDemandee, 0);
}

TEST(RenseignSortie, NonToTheProposalQueuesNothingButKeepsTheBox)
{
    ReunionStand r;
    r.Plan({35010, 35020});
    r.Fiche(12, "Martin", 35010);
    r.Sortir(35020, FICHE_LIBRE);
    r.port.RepondreOk();
    r.port.RepondreBascule(false, true);
    EXPECT_EQ(Ouvrir(r, 35010).DoubleClic(0), SuiteRenseign::Fermer);
    EXPECT_EQ(r.etat.NePlusProposer, 1);
    EXPECT_EQ(r.etat.NbEntreesAttente(), 0);
    EXPECT_EQ(r.etat.CommandeDemandee, 0);
}

TEST(RenseignSortie, FreeServiceSendsTheFrequenceOutWithoutCard)
{
    ReunionStand r;
    r.Plan({35010, 35050});
    r.etat.ModeSortie = ModeLibreService;
    Renseign d = Ouvrir(r, 35010);
    ASSERT_EQ(d.Vue().Utilisateurs.size(), 1u);
    EXPECT_EQ(d.DoubleClic(0), SuiteRenseign::Fermer);
    EXPECT_EQ(r.Entree(35010).FicheEmettrice, FICHE_LIBRE);
    EXPECT_EQ(r.etat.FicheCourante, FICHE_LIBRE);
    // One blank between the frequency and string 50 here.
    EXPECT_THAT(r.Historique().back(), EndsWith(" 35010  (mode libre)"));

    // With no line chosen SORTIR means this frequency.
    EXPECT_EQ(Ouvrir(r, 35050).Bouton804(-1), SuiteRenseign::Fermer);
    EXPECT_EQ(r.Entree(35050).FicheEmettrice, FICHE_LIBRE);
}

TEST(RenseignSortie, ARefusedFreeExitStaysOpenOnlyWhenItsLineWasChosen)
{
    ReunionStand r;
    r.Plan({35010, 35050, 35100});
    r.etat.ModeSortie = ModeLibreService;
    r.Fiche(3, "Albert", 35010);
    r.Sortir(35100, FICHE_LIBRE);
    r.etat.Contraintes.LimiteEmissions = 1;
    r.etat.Contraintes.NbMaxEmissions = 1;
    Renseign d = Ouvrir(r, 35010);
    r.port.RepondreOk();
    EXPECT_EQ(d.Bouton804(1), SuiteRenseign::Rester);
    r.port.RepondreOk();
    EXPECT_EQ(d.DoubleClic(1), SuiteRenseign::Rester);
    r.port.RepondreOk();
    EXPECT_EQ(d.Bouton804(-1), SuiteRenseign::Fermer);
    // A card refused in free service closes without any proposal.
    r.port.RepondreOk();
    EXPECT_EQ(d.DoubleClic(0), SuiteRenseign::Fermer);
    EXPECT_EQ(r.port.BasculesDemandees, 0);
    EXPECT_EQ(r.port.Messages.size(), 4u);
    EXPECT_EQ(r.etat.NbSorties, 1);
    EXPECT_TRUE(r.Historique().empty());
}

TEST(RenseignSortie, The24GHzBandTakesASlotOrSaysThereIsNoneLeft)
{
    ReunionStand r;
    r.Plan(Bande24());
    r.etat.ModeSortie = ModeLibreService;
    EXPECT_EQ(Ouvrir(r, 2400000).DoubleClic(0), SuiteRenseign::Fermer);
    EXPECT_EQ(r.Entree(2400020).FicheEmettrice, FICHE_LIBRE);
    EXPECT_THAT(r.Historique().back(), EndsWith(" 2.4GHz  (mode libre)"));

    // The details of a free slot send it out on that very slot.
    EXPECT_EQ(Ouvrir(r, 2400100).Bouton804(-1), SuiteRenseign::Fermer);
    EXPECT_EQ(r.Entree(2400100).FicheEmettrice, FICHE_LIBRE);
    EXPECT_EQ(r.Entree(2400040).Etat, Libre);

    for (int32_t f = 2400040; f <= 2400480; f += 20)
        if (f != 2400100) r.Sortir(f, FICHE_LIBRE);
    r.port.RepondreOk();
    EXPECT_EQ(Ouvrir(r, 2400000).DoubleClic(0), SuiteRenseign::Rester);
    EXPECT_EQ(r.port.Messages.back().Texte, T(r, 166));
    EXPECT_EQ(r.Historique().size(), 2u);
    EXPECT_EQ(r.etat.NbSorties, 24);
}
