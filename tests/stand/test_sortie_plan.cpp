#include "engine/frequences.h"
#include "engine/tri.h"
#include "stand/sortie.h"
#include "stand/retour.h"
#include "stand/sortie_plan.h"
#include "storage/manifestation.h"
#include "tests/stand/stand_test.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

struct SortiePlanifiee : ::testing::Test {
    ReunionStand r;
    void SetUp() override
    {
        std::vector<int32_t> plan = {35010, 35050, 35090, 40665, 72210};
        for (int32_t f : Bande24()) plan.push_back(f);
        r.Plan(plan);
        r.etat.ModeSortie = ModePlanifie;
        r.Fiche(12, "Martin", 35010);
        r.Fiche(7, "Durand", 40665);
        r.Fiche(40, "Roux", 72210);
        r.Fiche(9, "Petit", 2400000);
        r.Fiche(2999, "", FREQUENCE_AUCUNE).Etat = Arretee;
        CopierChamp(ChercheFiche(r.etat, 2999, 1)->Modele, "Voltige");
    }
    void Planifier(std::initializer_list<int32_t> numeros)
    {
        int32_t rang = r.etat.NbEntreesPlan();
        for (int32_t n : numeros) r.Noeud(PlanVols, ++rang, n);
    }
    EntreePlan& Rang(int32_t rang) { return *ChercheRangDansListe(r.etat, rang, PlanVols); }
    static std::vector<int32_t> Numeros(const std::vector<LigneCarte>& l)
    {
        std::vector<int32_t> n;
        for (const LigneCarte& c : l) n.push_back(c.Numero);
        return n;
    }
    std::string T(int n) { return Texte(r.etat, n); }
};

} // namespace

TEST_F(SortiePlanifiee, TheLineChosenIsTheNodeThatGoes)
{
    Planifier({12, 999, 7});
    const SortiePlan s(r.etat);
    EXPECT_EQ(Numeros(s.Plan()), (std::vector<int32_t>{12, 999, 7}));
    EXPECT_EQ(Numeros(s.Autres()), (std::vector<int32_t>{9, 40}));
    EXPECT_EQ(s.Entete(), "--> 3 vols planifi\xE9s");
    EXPECT_EQ(s.Plan()[1].Image, "PAUSE");
    SortiePlan t(r.etat);
    EXPECT_EQ(t.Sortir(LISTE_PRINCIPALE, 2), 1);
    EXPECT_EQ(Rang(3).EtatVol, VolEnCours);
    EXPECT_EQ(Rang(2).EtatVol, VolEnAttente);
    EXPECT_EQ(r.Entree(40665).RangPlanifie, 3);
    EXPECT_THAT(r.Historique().back(), HasSubstr("40665 - n\xC2\xB0 7 - Durand"));
    EXPECT_EQ(r.FichierManifestation(), ImageManifestation(r.etat));
}

TEST_F(SortiePlanifiee, APauseAtTheHeadHoldsThePlanUntilEveryoneIsBack)
{
    Planifier({12, 999, 7});
    ASSERT_EQ(SortiePlan(r.etat).Sortir(LISTE_PRINCIPALE, 0), 1);
    r.port.RepondreOk();
    EXPECT_TRUE(SortiePlan(r.etat).Vide());
    EXPECT_EQ(r.port.Messages.back().Texte, T(52));
    EXPECT_EQ(r.port.Messages.back().SujetAide, 133);
    EXPECT_EQ(Rang(2).EtatVol, VolEnAttente);
    ASSERT_TRUE(RetourEnKoral(r.etat, r.Index(35010)));
    const SortiePlan s(r.etat);
    EXPECT_EQ(Rang(2).EtatVol, VolTermine);
    EXPECT_EQ(Numeros(s.Plan()), (std::vector<int32_t>{7}));
}

TEST_F(SortiePlanifiee, AnUnplannedCardIsInsertedAtTheHeadOfWhatIsToCome)
{
    Planifier({12, 7, 9, 2999, 7, 12});
    for (int32_t k = 1; k <= 4; ++k) Rang(k).EtatVol = VolTermine;
    ASSERT_TRUE(SortieFrequence(r.etat, r.Entree(35010), 12));
    Rang(6).EtatVol = VolEnCours;
    r.Entree(35010).RangPlanifie = 6;
    SortiePlan s(r.etat);
    ASSERT_EQ(Numeros(s.Autres()), (std::vector<int32_t>{9, 40}));
    r.port.RepondreOui();
    EXPECT_EQ(s.Sortir(LISTE_AUTRES, 1), 1);
    EXPECT_EQ(r.port.Messages.back().Texte, T(55));
    EXPECT_EQ(r.port.Messages.back().SujetAide, 141);
    EXPECT_EQ(Rang(5).NumeroFiche, 40);
    EXPECT_EQ(Rang(5).EtatVol, VolEnCours);
    EXPECT_EQ(Rang(6).NumeroFiche, 7);
    EXPECT_EQ(r.Entree(72210).RangPlanifie, 5);
    EXPECT_EQ(r.Entree(35010).RangPlanifie, 7);   // the flight in the air follows its node
    EXPECT_EQ(int32_t{ChercheFiche(r.etat, 40, 1)->NbVolsPlanifies}, 1);
    // NON leaves everything as it was.
    r.port.RepondreNon();
    EXPECT_EQ(SortiePlan(r.etat).Sortir(LISTE_AUTRES, 0), 1);
    EXPECT_EQ(r.etat.NbEntreesPlan(), 7);
    EXPECT_EQ(r.etat.NbSorties, 2);
}

TEST_F(SortiePlanifiee, RemarksAndPausesSendNothingOut)
{
    Planifier({12, 2999, 999, 7});
    const SortiePlan s(r.etat);
    ASSERT_EQ(Numeros(s.Plan()), (std::vector<int32_t>{12, 2999, 999, 7}));
    EXPECT_EQ(s.Plan()[1].Texte, "2999  Voltige ");
    for (int ligne : {1, 2}) EXPECT_EQ(SortiePlan(r.etat).Sortir(LISTE_PRINCIPALE, ligne), 1);
    EXPECT_EQ(r.port.Bips, 2);
    EXPECT_EQ(r.etat.NbSorties, 0);
    EXPECT_EQ(Rang(2).EtatVol, VolEnAttente);
    EXPECT_EQ(Rang(3).EtatVol, VolEnAttente);
    EXPECT_TRUE(r.Historique().empty());
}

TEST_F(SortiePlanifiee, ASkippedFlightIsNeverOfferedAgain)
{
    Planifier({12, 7});
    SortiePlan s(r.etat);
    EXPECT_EQ(s.Sauter(LISTE_AUTRES, 0), std::nullopt);
    EXPECT_EQ(r.port.Bips, 1);
    EXPECT_EQ(s.Sauter(LISTE_PRINCIPALE, 0), 0);
    EXPECT_EQ(r.etat.CommandeDemandee, 201);
    EXPECT_EQ(Rang(1).EtatVol, VolTermine);
    EXPECT_EQ(Rang(1).Problemes, VOL_SAUTE);
    EXPECT_EQ(Rang(1).DureeVol, 0);
    EXPECT_EQ(Numeros(SortiePlan(r.etat).Plan()), (std::vector<int32_t>{7}));
}

TEST_F(SortiePlanifiee, A24GHzFlightClosesItsOwnNodeAfterThePlanWasReordered)
{
    Planifier({9, 12});
    ASSERT_EQ(SortiePlan(r.etat).Sortir(LISTE_PRINCIPALE, 0), 1);
    EXPECT_EQ(r.Entree(2400020).RangPlanifie, 1);
    // The plan gets a flight before it: the slot follows its node to rank 2.
    for (EntreePlan& e : r.etat.ListePlan) ++e.Rang;
    Planifier({});
    r.Noeud(PlanVols, 1, 7);
    SynchroniserRangs(r.etat);
    EXPECT_EQ(r.Entree(2400020).RangPlanifie, 2);
    r.port.Avancer(45000);
    ASSERT_TRUE(RetourEnKoral(r.etat, r.Index(2400020)));
    EXPECT_EQ(Rang(2).EtatVol, VolTermine);
    EXPECT_EQ(Rang(2).DureeVol, 45000);
    EXPECT_EQ(Rang(1).EtatVol, VolEnAttente);
    EXPECT_TRUE(r.port.Fatals.empty());
}

TEST_F(SortiePlanifiee, LightsOfThePlanLines)
{
    Planifier({12, 7, 9});
    r.Sortir(35010, FICHE_LIBRE);
    for (int32_t f = 2400020; f <= 2400480; f += 20) r.Sortir(f, FICHE_LIBRE);
    const SortiePlan s(r.etat);
    std::vector<std::string> images;
    for (const LigneCarte& l : s.Plan()) images.push_back(l.Image);
    EXPECT_THAT(images, ElementsAre("FEUROUGE", "FEUVERT", "FEUROUGE"));
}
