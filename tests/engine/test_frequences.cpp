#include "engine/frequences.h"
#include "engine/etat.h"
#include "stand/sortie.h"
#include "tests/support/meeting.h"

#include <gtest/gtest.h>

TEST(BandeDe, BoundsAreExcluded)
{
    const std::pair<int32_t, int> cas[] = {
        {26500, -1}, {26501, 0}, {27399, 0}, {27400, -1}, {34900, -1}, {35000, 1}, {35998, 1},
        {35999, -1}, {39999, -1}, {40000, 2}, {40998, 2}, {40999, -1}, {41000, 3}, {41299, 3},
        {41300, -1}, {72000, 4}, {72998, 4}, {72999, -1}, {2399999, -1}, {2400000, 5},
        {2483599, 5}, {2483600, -1}, {10, -1}, {88888, -1}, {0, -1}, {-35000, -1},
    };
    for (auto [f, bande] : cas) EXPECT_EQ(BandeDe(f), bande) << f;
}

TEST(LibelleFrequence, MegahertzWithThreeDecimalsOrTheBandName)
{
    EXPECT_EQ(LibelleFrequence(35010), "35.010");
    EXPECT_EQ(LibelleFrequence(26995), "26.995");
    EXPECT_EQ(LibelleFrequence(72990), "72.990");
    EXPECT_EQ(LibelleFrequence(999999), "999.999");
    EXPECT_EQ(LibelleFrequence(2400000), "2.4 GHz");
    EXPECT_EQ(LibelleFrequence(2400480), "2.4 GHz");
}

TEST(LibelleEntree, ChannelRightAlignedOrSixUnderscores)
{
    EXPECT_EQ(LibelleAvecCanal(35010, 61), "35.010__k 61");
    EXPECT_EQ(LibelleAvecCanal(41200, 420), "41.200__k420");
    EXPECT_EQ(LibelleAvecCanal(35010, 7), "35.010__k  7");
    EXPECT_EQ(LibelleAvecCanal(35010, 0), "35.010______");
    Reunion r;
    r.Plan({35010});
    r.etat.PlanFrequences[0].Canal = 61;
    EXPECT_EQ(LibelleEntree(r.etat, 0), "35.010__k 61");
}

TEST(LireFrequenceAffichee, ReadsBackWhatTheLabelWrote)
{
    EXPECT_EQ(LireFrequenceAffichee("35.010"), 35010);
    EXPECT_EQ(LireFrequenceAffichee("40.665"), 40665);
    EXPECT_EQ(LireFrequenceAffichee("35.015__k  7"), 35015);
    EXPECT_EQ(LireFrequenceAffichee("26.995______"), 26995);
    for (int32_t f : Reunion::PlanNational())
        if (f < SEUIL_24GHZ) {
            EXPECT_EQ(LireFrequenceAffichee(LibelleAvecCanal(f, 12)), f);
        }
}

TEST(TrierPlan, SortsNumbersAndCountsPerBand)
{
    Reunion r;
    r.Plan({72210, 35010, 2400020, 26995, 35000, 2400000});
    const auto& p = r.etat.PlanFrequences;
    const int32_t attendu[] = {26995, 35000, 35010, 72210, 2400000, 2400020};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(p[i].Frequence, attendu[i]);
        EXPECT_EQ(p[i].Index, i);
    }
    EXPECT_EQ(p[0].Bande, 0);
    EXPECT_EQ(p[3].Bande, 4);
    EXPECT_EQ(p[5].Bande, 5);
    EXPECT_EQ(r.etat.NbParBande, (std::array<int32_t, 6>{1, 2, 0, 0, 1, 2}));
    EXPECT_EQ(r.etat.NbBandesUtilisees, 4);
    EXPECT_EQ(r.etat.MaxParBande, 2);
    EXPECT_EQ(r.etat.PageGauche, 0);
    EXPECT_EQ(r.etat.PageDroite, 0);
    EXPECT_EQ(r.etat.FrequencesTouchees.size(), 6u);
}

TEST(TrierPlan, SixBandsCanPageRight)
{
    Reunion r;
    r.Plan(Reunion::PlanNational());
    EXPECT_EQ(r.etat.NbBandesUtilisees, 6);
    EXPECT_EQ(r.etat.MaxParBande, 44);
    EXPECT_EQ(r.etat.PageDroite, 1);
    EXPECT_EQ(r.etat.NbFrequences(), 186);
}

TEST(TrierCatalogue, FreeSlotsSortBetween72MHzAnd24GHzAndOnlyValidatedCount)
{
    Reunion r;
    for (int32_t f : {2400000, 88888, 35010, 72210, 88888, 26995}) {
        EntreeFrequence e{};
        e.Frequence = f;
        e.Valide = f != 26995 ? 1 : 0;
        r.etat.CatalogueFrequences.push_back(e);
    }
    TrierCatalogue(r.etat);
    const auto& c = r.etat.CatalogueFrequences;
    EXPECT_EQ(c[0].Frequence, 26995);
    EXPECT_EQ(c[3].Frequence, 88888);
    EXPECT_EQ(c[4].Frequence, 88888);
    EXPECT_EQ(c[4].Bande, -1);
    EXPECT_EQ(c[5].Frequence, 2400000);
    EXPECT_EQ(c[5].Index, 5);
    EXPECT_EQ(r.etat.NbValidesParBande, (std::array<int32_t, 6>{0, 1, 0, 0, 1, 1}));
    EXPECT_EQ(IndexCatalogue(r.etat, 35010), 1);
    EXPECT_EQ(IndexCatalogue(r.etat, 88888), 3);
    EXPECT_EQ(IndexCatalogue(r.etat, 35020), -1);
}

TEST(TextesHistorique, FrequencyInKilohertzOrTheWordsFor24GHz)
{
    EXPECT_EQ(TexteFicheHistorique(35010, 12, "Martin"), "35010 - n\xB0 12 - Martin");
    EXPECT_EQ(TexteFicheHistorique(2400000, 12, "Martin"), "2.4 GHz  n\xB0 12 - Martin");
    EXPECT_EQ(TexteVolHistorique(35010, 12, "Martin"), "35010 - n\xB0 12 - Martin");
    EXPECT_EQ(TexteVolHistorique(2400040, 12, "Martin"), "2.4 GHz n\xB0 12 - Martin");
    EXPECT_EQ(TexteLibreHistorique(41010, " (mode libre)"), "41010    (mode libre)");
    EXPECT_EQ(TexteLibreHistorique(2400020, " (mode libre)"), "2.4 GHz  (mode libre)");
    EXPECT_EQ(TexteLibreDetailsHistorique(41010, " (mode libre)"), "41010  (mode libre)");
    EXPECT_EQ(TexteLibreDetailsHistorique(2400020, " (mode libre)"), "2.4GHz  (mode libre)");
    EXPECT_EQ(LibelleSortie(12, "35.010__k 61"), "(12)  35.010__k 61");
}

TEST(LireFrequenceTexte, KilohertzFirstThenMegahertz)
{
    EXPECT_EQ(LireFrequenceTexte("35013"), 35013);
    EXPECT_EQ(LireFrequenceTexte("35.013"), 35013);
    EXPECT_EQ(LireFrequenceTexte("35,013"), 35013);
    EXPECT_EQ(LireFrequenceTexte(" 35.0125 "), 35013);
    EXPECT_EQ(LireFrequenceTexte("2450000"), 2450000);
    EXPECT_EQ(LireFrequenceTexte("2450"), 2450000);
    EXPECT_EQ(LireFrequenceTexte("72.99"), 72990);
}

TEST(LireFrequenceTexte, RejectsEmptyOverlongNonNumericAndOutOfBand)
{
    for (const char* t : {"", "   ", "abc", "2.45", "0", "99999999", "35.013x", "-35010", ".", ",",
                          "35.01.3", "100", "1e5", "0000000000000000000000000000000000035010"})
        EXPECT_FALSE(LireFrequenceTexte(t).has_value()) << '"' << t << '"';
    const std::string long_(5000, '9');
    EXPECT_FALSE(LireFrequenceTexte(long_).has_value());
    // A view that ends inside a larger buffer is never read past.
    const char tampon[] = "35010999";
    EXPECT_EQ(LireFrequenceTexte(std::string_view(tampon, 5)), 35010);
}

TEST(ArrondirGrille5, TwoDownThreeUp)
{
    EXPECT_EQ(ArrondirGrille5(35010), 35010);
    EXPECT_EQ(ArrondirGrille5(35011), 35010);
    EXPECT_EQ(ArrondirGrille5(35012), 35010);
    EXPECT_EQ(ArrondirGrille5(35013), 35015);
    EXPECT_EQ(ArrondirGrille5(35014), 35015);
}

TEST(LireFrequenceSaisie, SnapsMapsTheBandOf24GHzAndChecksTheBandAgain)
{
    EXPECT_EQ(LireFrequenceSaisie("35013"), 35015);
    EXPECT_EQ(LireFrequenceSaisie("35.013"), 35015);
    EXPECT_EQ(LireFrequenceSaisie("35012"), 35010);
    EXPECT_EQ(LireFrequenceSaisie("2450000"), 2400000);
    EXPECT_EQ(LireFrequenceSaisie("2.45"), std::nullopt);
    // 26501 is in the band, its snap 26500 is not.
    EXPECT_EQ(LireFrequenceSaisie("26501"), std::nullopt);
}

TEST(CreneauLibre24, TheFirstFreeSlotFromTheSecond)
{
    Reunion r;
    r.Plan(Reunion::PlanNational());
    EXPECT_EQ(CreneauLibre24(r.etat), 2400020);
    r.Entree(2400020).Etat = Sortie;
    r.Entree(2400040).Etat = Sortie;
    EXPECT_EQ(CreneauLibre24(r.etat), 2400060);
    for (int32_t f = 2400060; f <= 2400480; f += 20) r.Entree(f).Etat = Sortie;
    EXPECT_EQ(CreneauLibre24(r.etat), 0);
    EXPECT_TRUE(r.port.Fatals.empty());
}

TEST(CreneauLibre24, APlanWithTheBandButNotItsSlotsHasNoFreeSlot)
{
    Reunion r;
    r.Plan({35010, 2400000});
    EXPECT_EQ(CreneauLibre24(r.etat), 0);
    EXPECT_TRUE(r.port.Fatals.empty());
}
