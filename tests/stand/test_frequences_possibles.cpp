// What can fly now: a refused card is offered the frequencies of its band that
// the engine would accept at once, and can be moved to one and sent out.
#include "engine/conflit.h"
#include "engine/frequences.h"
#include "stand/sortie.h"
#include "tests/stand/stand_test.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

namespace {

struct Possibles : ::testing::Test {
    ReunionStand r;
    void SetUp() override
    {
        std::vector<int32_t> plan = PlanExemple35();
        plan.push_back(40665);
        for (int32_t f : Bande24()) plan.push_back(f);
        r.Plan(plan);
        r.etat.ModeSortie = ModeFiches;
    }
};

} // namespace

TEST_F(Possibles, TheFrequencesOfferedAreExactlyTheNearestTheEngineAccepts)
{
    struct Cas { const char* nom; std::vector<int32_t> dehors; int32_t carte; std::vector<int32_t> offertes; };
    const Cas cas[] = {
        {"a neighbour out: nearest first, six at most", {35010}, 35000, {35030, 35045, 35050, 35080, 35090, 35095}},
        {"neighbours and products are left out", {35010, 35050}, 35030, {35080, 35500, 35990}},
        {"another band is never offered", {35010}, 40665, {}},
        {"2.4 GHz takes its slots in turn", {35010}, SEUIL_24GHZ, {}},
    };
    for (const Cas& c : cas) {
        ReunionStand s;
        DefinirPlan(s.etat, r.etat.PlanFrequences);
        for (int32_t f : c.dehors) s.Sortir(f, FICHE_LIBRE);
        const std::vector<int32_t> offertes = FrequencesPossibles(s.etat, c.carte);
        EXPECT_EQ(offertes, c.offertes) << c.nom;
        // Each one offered is accepted when tried; none accepted nearer is left out.
        for (int32_t f : offertes) EXPECT_EQ(RapportConflit(s.etat, s.Index(f), true, false), 0) << c.nom << " " << f;
        for (const EntreeFrequence& e : s.etat.PlanFrequences) {
            const bool accepte = RapportConflit(s.etat, e.Index, true, false) == 0;
            const bool meme = BandeDe(e.Frequence) == BandeDe(c.carte) && e.Frequence != c.carte && !Est24GHz(c.carte);
            if (!accepte || !meme || offertes.size() < NB_FREQUENCES_OFFERTES) {
                EXPECT_EQ(std::count(offertes.begin(), offertes.end(), e.Frequence), accepte && meme ? 1 : 0) << c.nom << " " << e.Frequence;
            }
        }
    }
}

TEST_F(Possibles, ARefusedCardMovesToTheFrequenceTakenAndGoesOut)
{
    FicheVol& carte = r.Fiche(7, "Durand", 35000);
    ++r.Entree(35000).NbUtilisateurs;
    r.Sortir(35010, FICHE_LIBRE);
    r.port.RepondreChoix(1);
    ASSERT_TRUE(SortirFiche(r.etat, 7));
    ASSERT_EQ(r.port.Messages.size(), 1u);
    EXPECT_EQ(r.port.Messages[0].Texte, Texte(r.etat, 93));
    EXPECT_THAT(r.port.Messages[0].Choix, ElementsAre("35.030", "35.045", "35.050", "35.080", "35.090", "35.095"));
    EXPECT_EQ(int32_t{carte.Frequence}, 35045);
    EXPECT_EQ(carte.Etat, EnVol);
    EXPECT_EQ(r.Entree(35045).Etat, Sortie);
    EXPECT_EQ(r.Entree(35045).NbUtilisateurs, 1);
    EXPECT_EQ(r.Entree(35000).NbUtilisateurs, 0);
    const auto h = r.Historique();
    ASSERT_EQ(h.size(), 2u);
    EXPECT_THAT(h[0], HasSubstr("n\xC2\xB0 7 - 35000 ---> 35045"));
    EXPECT_THAT(h[1], HasSubstr("35045 - n\xC2\xB0 7 - Durand"));

    // OK leaves the card where it is; a maximum reached offers nothing.
    FicheVol& autre = r.Fiche(8, "Petit", 35050);
    r.port.RepondreOk();
    EXPECT_FALSE(SortirFiche(r.etat, 8));
    EXPECT_EQ(int32_t{autre.Frequence}, 35050);
    r.etat.Contraintes.LimiteEmissions = 1;
    r.etat.Contraintes.NbMaxEmissions = 2;
    r.port.RepondreOk();
    EXPECT_FALSE(SortirFiche(r.etat, 8));
    EXPECT_THAT(r.port.Messages.back().Choix, IsEmpty());
}

// The card form's lists and the occupancy view show, for each frequency, what the
// exit would say now, in the board's legend.
TEST_F(Possibles, EachFrequencyShowsWhetherATransmitterCouldLeaveOnItNow)
{
    r.Sortir(35010, FICHE_LIBRE);
    r.Sortir(35050, FICHE_LIBRE);
    r.Entree(35050).Etat = HorsTemps;
    struct Cas { int32_t frequence; const char* image; };
    const Cas cas[] = {
        {35000, "LEGENDE5"}, {35010, "LEGENDE2"}, {35030, "LEGENDE5"}, {35050, "LEGENDE4"},
        {35080, "LEGENDE1"}, {35090, "LEGENDE3"}, {40665, "LEGENDE1"},
    };
    for (const Cas& c : cas) EXPECT_STREQ(ImageDeSortie(r.etat, r.Index(c.frequence)), c.image) << c.frequence;
    // The count of transmitters reached holds every free frequency.
    r.etat.Contraintes.LimiteEmissions = 1;
    r.etat.Contraintes.NbMaxEmissions = 2;
    EXPECT_STREQ(ImageDeSortie(r.etat, r.Index(35080)), "LEGENDE5");
}
