// The worked examples on the 35 MHz plan 35000 ... 35990, both checks on.
#include "engine/compatibilite.h"
#include "engine/etat.h"
#include "tests/support/meeting.h"

#include <gtest/gtest.h>

namespace {

struct Exemple : ::testing::Test {
    Reunion r;
    void SetUp() override { r.Plan(PlanExemple35()); }

    void Sortir(int32_t f, int32_t fiche = FICHE_LIBRE)
    {
        EntreeFrequence& e = r.Entree(f);
        e.Etat = Sortie;
        e.FicheEmettrice = fiche;
        MoteurSortie(r.etat, e.Index);
    }
    void Rentrer(int32_t f)
    {
        EntreeFrequence& e = r.Entree(f);
        e.FicheEmettrice = 0;
        MoteurRetour(r.etat, e.Index);
    }
    int32_t Etat(int32_t f) { return r.Entree(f).Etat; }
    int32_t Perturbations(int32_t f) { return r.Entree(f).Perturbations; }
};

} // namespace

TEST_F(Exemple, NeighbourCloserThan20kHz)
{
    Sortir(35010);
    EXPECT_EQ(VoisineActive(r.etat, r.Index(35020)), 1);
    EXPECT_EQ(r.etat.VoisinBloquant, r.Index(35010));
    EXPECT_EQ(VoisineActive(r.etat, r.Index(35030)), 0);
    EXPECT_EQ(VoisineActive(r.etat, r.Index(35000)), 1);
    r.etat.Contraintes.Ecart20kHz = 0;
    EXPECT_EQ(VoisineActive(r.etat, r.Index(35020)), 0);
    EXPECT_EQ(VoisineActive(r.etat, r.Index(35030)), 0);
}

TEST_F(Exemple, NeighbourScanEndsOnTheFarthestOfTheFirstDirection)
{
    Sortir(35030);
    Sortir(35045);
    // 35050 has 35045 (5 kHz) and 35030 (20: not a neighbour) below, nothing above within 20.
    EXPECT_EQ(VoisineActive(r.etat, r.Index(35050)), 1);
    EXPECT_EQ(r.etat.VoisinBloquant, r.Index(35045));
    Sortir(35010);
    EXPECT_EQ(VoisineActive(r.etat, r.Index(35020)), 1);
    EXPECT_EQ(r.etat.VoisinBloquant, r.Index(35010));
}

TEST_F(Exemple, HighestEntryScansNothingUpwards)
{
    Sortir(35500);
    EXPECT_EQ(VoisineActive(r.etat, r.Index(35990)), 0);
    Reunion serree;
    serree.Plan({35000, 35005, 35010, 35015});
    serree.Entree(35015).Etat = Sortie;
    EXPECT_EQ(VoisineActive(serree.etat, 0), 1);
    EXPECT_EQ(serree.etat.VoisinBloquant, 3);
}

TEST_F(Exemple, IntermodulationProductOnTwoPlanFrequencies)
{
    Sortir(35010);
    Sortir(35050);
    EXPECT_EQ(Perturbations(35090), 2);
    EXPECT_EQ(Perturbations(35095), 1);
    EXPECT_EQ(Etat(35090), Intermodulee);
    EXPECT_EQ(Etat(35095), Intermodulee);
    Rentrer(35050);
    EXPECT_EQ(Perturbations(35090), 0);
    EXPECT_EQ(Perturbations(35095), 0);
    EXPECT_EQ(Etat(35090), Libre);
    EXPECT_EQ(Etat(35095), Libre);
}

TEST_F(Exemple, WouldModulateOnActiveFrequencies)
{
    Sortir(35010);
    Sortir(35090);
    EXPECT_EQ(Etat(35050), Modulante);
    EXPECT_EQ(FrequenceBloquee(r.etat, r.Index(35050)), 1);
    EXPECT_EQ(ModuleraSurActives(r.etat, r.Index(35050)), 1);
    EXPECT_EQ(r.etat.FrequencesTouchees[r.Index(35090)], FICHE_LIBRE);
    r.etat.Contraintes.ControleIntermodulation = 0;
    r.etat.Contraintes.Ecart20kHz = 0;
    EXPECT_EQ(FrequenceBloquee(r.etat, r.Index(35050)), 0);
}

TEST_F(Exemple, ImageNineHundredTenBelow)
{
    Sortir(35990);
    EXPECT_EQ(Perturbations(35080), 1);
    EXPECT_EQ(Etat(35080), FrequenceImage);
    Rentrer(35990);
    EXPECT_EQ(Perturbations(35080), 0);
    EXPECT_EQ(Etat(35080), Libre);
}

TEST_F(Exemple, FourFiftyFiveBothWays)
{
    Sortir(35500);
    EXPECT_EQ(Etat(35045), ImagePerturbee);
    Rentrer(35500);
    EXPECT_EQ(Etat(35045), Libre);
    Sortir(35045);
    EXPECT_EQ(Etat(35500), ImagePerturbee);
}

TEST_F(Exemple, ProductBetweenTwoPlanFrequencies)
{
    // A product at 35092 (two from 35090, three from 35095).
    MarquerProduit(r.etat, 35092, SORTANT);
    EXPECT_EQ(Perturbations(35090), 1);
    EXPECT_EQ(Perturbations(35095), 1);
    // An exact hit alone in its window is adjusted three times.
    MarquerProduit(r.etat, 35500, SORTANT);
    EXPECT_EQ(Perturbations(35500), 3);
    EXPECT_EQ(FrequenceProche(r.etat, 35092, +1), 35090);
    EXPECT_EQ(FrequenceProche(r.etat, 35092, -1), 35095);
    EXPECT_EQ(FrequenceProche(r.etat, 34970, +1), 0);
}

TEST_F(Exemple, ImageOfAProductOfTwoTransmitters)
{
    // 2 * 35020 - 35030 + 910 = 35920: add it to the plan to see it hit.
    Reunion p;
    p.Plan({35020, 35030, 35920});
    p.Entree(35020).Etat = Sortie;
    p.Entree(35030).Etat = Sortie;
    MajEtatsFrequences(p.etat);
    EXPECT_EQ(p.Entree(35920).Etat, ImagePerturbee);
}

TEST_F(Exemple, MajKeepsImageAndIntermodulationStatuses)
{
    Sortir(35990);
    Sortir(35010);
    Sortir(35050);
    MajEtatsFrequences(r.etat);
    EXPECT_EQ(Etat(35080), FrequenceImage);
    EXPECT_EQ(Etat(35090), Intermodulee);
}

TEST(Moteur24GHz, ASlotChangesNothingElseAndHasNoPerturbation)
{
    Reunion r;
    r.Plan({35010, 35050, 2400000, 2400020, 2400040});
    r.Entree(2400020).Perturbations = 4;
    r.Entree(2400020).Etat = Sortie;
    AppliquerSortie(r.etat, r.Index(2400020), SORTANT);
    MajEtatsFrequences(r.etat);
    EXPECT_EQ(r.Entree(2400020).Perturbations, 0);
    for (int32_t f : {35010, 35050, 2400000, 2400040}) EXPECT_EQ(r.Entree(f).Etat, Libre) << f;
    // Slots 20 kHz apart are not neighbours.
    EXPECT_EQ(VoisineActive(r.etat, r.Index(2400040)), 0);
}

TEST(FrequenceAbsente, EmptyPlanHasNothing)
{
    Reunion r;
    EXPECT_EQ(FrequenceAbsente(r.etat, 35010), 1);
    EXPECT_EQ(FrequenceAbsente(r.etat, -5), 1);
    r.Plan({35010});
    EXPECT_EQ(FrequenceAbsente(r.etat, 35010), 0);
    EXPECT_EQ(FrequenceAbsente(r.etat, 35015), 1);
    EXPECT_EQ(ProduitIntermod(r.etat, 0, 0), 35010);
}

// The image used to be counted only while its entry was below 4, both ways; these
// two sequences left a frequency refused for good, or free beside a transmitter.
TEST_F(Exemple, ImageStillCountedWhileTheEntryIsIntermodulated)
{
    Sortir(35990);
    Sortir(35020);
    Sortir(35050);
    EXPECT_EQ(Etat(35080), Intermodulee);
    Rentrer(35990);
    EXPECT_EQ(Etat(35080), Intermodulee);
    Rentrer(35020);
    Rentrer(35050);
    EXPECT_EQ(Etat(35080), Libre);
    EXPECT_EQ(Perturbations(35080), 0);
    for (const EntreeFrequence& e : r.etat.PlanFrequences) {
        EXPECT_EQ(e.Etat, Libre) << e.Frequence;
        EXPECT_EQ(e.Perturbations, 0) << e.Frequence;
    }
}

TEST_F(Exemple, ImageCountedOnAnEntryThatIsOut)
{
    Sortir(35080);
    Sortir(35990);
    EXPECT_EQ(Perturbations(35080), 1);
    EXPECT_EQ(Etat(35080), Sortie);
    Rentrer(35080);
    EXPECT_EQ(Etat(35080), FrequenceImage);
    EXPECT_EQ(Perturbations(35080), 1);
    Rentrer(35990);
    EXPECT_EQ(Etat(35080), Libre);
    EXPECT_EQ(Perturbations(35080), 0);
}

TEST_F(Exemple, AnIntermodulationEndingOnAnImageLeavesTheImage)
{
    Sortir(35990);
    Sortir(35020);
    Sortir(35050);
    Rentrer(35050);
    EXPECT_EQ(Etat(35080), FrequenceImage);
    EXPECT_EQ(Perturbations(35080), 1);
}

TEST_F(Exemple, ListerPerturbateursFindsBothTransmittersOfAPair)
{
    Sortir(35010, 12);
    Sortir(35050, 7);
    EffacerTouches(r.etat);
    for (int x : {r.Index(35010), r.Index(35050)}) ListerPerturbateurs(r.etat, 35090, x);
    EXPECT_EQ(r.etat.FrequencesTouchees[r.Index(35010)], 12);
    EXPECT_EQ(r.etat.FrequencesTouchees[r.Index(35050)], 7);
    int marques = 0;
    for (int32_t t : r.etat.FrequencesTouchees) marques += t != 0;
    EXPECT_EQ(marques, 2);
}

TEST_F(Exemple, ConstraintSwitchRules)
{
    EXPECT_FALSE(ActivesTropProches(r.etat));
    Sortir(35010);
    Sortir(35030);
    EXPECT_FALSE(ActivesTropProches(r.etat));
    EXPECT_FALSE(ActivePerturbee(r.etat));
    Sortir(35020);
    EXPECT_TRUE(ActivesTropProches(r.etat));
    // 2 x 35020 - 35010 falls on 35030, which is out.
    EXPECT_TRUE(ActivePerturbee(r.etat));
    Reunion m;
    m.Plan(PlanExemple35());
    m.Entree(35080).Etat = Sortie;
    AppliquerSortie(m.etat, m.Index(35080), SORTANT);
    m.Entree(35990).Etat = Sortie;
    AppliquerSortie(m.etat, m.Index(35990), SORTANT);
    EXPECT_TRUE(ActivePerturbee(m.etat));
}

TEST(LeverHorsTemps, OverdueTransmittersAreSimplyOutAgain)
{
    Reunion r;
    r.Plan({35010, 35050});
    r.Entree(35010).Etat = HorsTemps;
    r.Entree(35050).Etat = Sortie;
    LeverHorsTemps(r.etat);
    EXPECT_EQ(r.Entree(35010).Etat, Sortie);
    EXPECT_EQ(r.Entree(35050).Etat, Sortie);
}
