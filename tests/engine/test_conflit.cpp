#include "engine/compatibilite.h"
#include "engine/conflit.h"
#include "engine/emissions.h"
#include "engine/etat.h"
#include "engine/frequences.h"
#include "engine/textes.h"
#include "stand/sortie.h"
#include "tests/support/meeting.h"

#include <gtest/gtest.h>

namespace {

struct Conflit : ::testing::Test {
    Reunion r;
    void SetUp() override
    {
        r.Plan({35000, 35010, 35020, 35030, 35045, 35050, 35080, 35090, 35095, 35500, 35990,
                2400000, 2400020, 2400040});
        r.etat.ModeSortie = ModeFiches;
        r.port.MessagesLibres = true;
    }
    void Sortir(int32_t f, int32_t fiche)
    {
        if (fiche != FICHE_LIBRE && !FicheExiste(r.etat, fiche)) r.Fiche(fiche, "Pilote" + std::to_string(fiche), f);
        ASSERT_TRUE(SortieFrequence(r.etat, r.Entree(f), fiche));
        RecompteSorties(r.etat);
    }
    int32_t Demander(int32_t f, int32_t fiche, bool afficher = false)
    {
        r.etat.FicheCourante = fiche;
        r.etat.TexteDetail.Vider();
        return RapportConflit(r.etat, r.Index(f), true, afficher);
    }
    std::string Message() const { return r.etat.TexteMessage.Chaine(); }
    std::string Detail() const { return r.etat.TexteDetail.Chaine(); }
    std::string T(int n) const { return Texte(r.etat, n); }
};

} // namespace

TEST_F(Conflit, AFreeFrequenceMayLeaveAndNothingIsShown)
{
    EXPECT_EQ(Demander(35010, 1, true), 0);
    EXPECT_TRUE(r.port.Messages.empty());
    EXPECT_EQ(r.etat.ResultatConflit, 0);
}

TEST_F(Conflit, MaximumFiresFirstAndAloneEvenForAFreeFrequency)
{
    for (int32_t f : {35000, 35050, 35500, 35990, 35090}) Sortir(f, FICHE_LIBRE);
    r.etat.Contraintes.LimiteEmissions = 1;
    r.etat.Contraintes.NbMaxEmissions = 5;
    // 35020 is a 20 kHz neighbour of nothing out and free of products.
    EXPECT_EQ(Demander(35030, 1, true), CONFLIT_MAXIMUM);
    EXPECT_EQ(Message(), "IL Y A DEJA 5 FREQUENCES EN EMISSION !");
    ASSERT_EQ(r.port.Messages.size(), 1u);
    EXPECT_EQ(r.port.Messages[0].JeuBoutons, 962);
    EXPECT_EQ(r.port.Messages[0].SujetAide, SUJET_AIDE_CONFLIT);
    // Asked on a frequency already out, still only the maximum before the dialog.
    EXPECT_EQ(Demander(35000, 1, true), CONFLIT_MAXIMUM);
    r.etat.Contraintes.LimiteEmissions = 0;
    EXPECT_EQ(Demander(35030, 1), 0);
}

TEST_F(Conflit, The24GHzPilotAlreadyOutIsRefusedAnotherGetsASlot)
{
    r.Fiche(12, "Martin", 2400000);
    r.Fiche(13, "Durand", 2400000);
    r.etat.FicheCourante = 12;
    Sortir(CreneauLibre24(r.etat), 12);
    EXPECT_EQ(Demander(CreneauLibre24(r.etat), 12), CONFLIT_OCCUPEE);
    EXPECT_EQ(Message(), T(91));
    EXPECT_EQ(Demander(CreneauLibre24(r.etat), 13), 0);
}

TEST_F(Conflit, OccupiedFrequencyByMode)
{
    r.etat.ModeSortie = ModeLibreService;
    Sortir(35010, FICHE_LIBRE);
    EXPECT_EQ(Demander(35010, FICHE_LIBRE), CONFLIT_OCCUPEE);
    EXPECT_EQ(Message(), T(92));
    EXPECT_EQ(Detail(), "");

    r.etat.ModeSortie = ModeFiches;
    EXPECT_EQ(Demander(35010, 4), CONFLIT_OCCUPEE);
    EXPECT_EQ(Message(), T(90));
    EXPECT_EQ(Detail(), "???");

    Sortir(35050, 7);
    EXPECT_EQ(Demander(35050, 4), CONFLIT_OCCUPEE);
    EXPECT_EQ(Detail(), "n\xB0 7 - Pilote7");
    EXPECT_EQ(Demander(35050, 7), CONFLIT_OCCUPEE);
    EXPECT_EQ(Message(), T(91));
}

TEST_F(Conflit, OccupiedAndNeighbourReportsOnlyTheOccupation)
{
    Sortir(35010, 1);
    Sortir(35030, 2);
    EXPECT_EQ(Demander(35030, 9), CONFLIT_OCCUPEE);
}

TEST_F(Conflit, NeighbourNamesItsTransmitterOrQuestionMarksAlone)
{
    Sortir(35010, 12);
    EXPECT_EQ(Demander(35020, 1), CONFLIT_VOISINE);
    EXPECT_EQ(Message(), T(93));
    EXPECT_EQ(Detail(), "35.010______ - n\xB0 12 - Pilote12\n");
    Reunion libre;
    libre.Plan({35010, 35020});
    libre.etat.ModeSortie = ModeLibreService;
    ASSERT_TRUE(SortieFrequence(libre.etat, libre.Entree(35010), FICHE_LIBRE));
    libre.etat.FicheCourante = 0;
    EXPECT_EQ(RapportConflit(libre.etat, libre.Index(35020), true, false), CONFLIT_VOISINE);
    EXPECT_EQ(libre.etat.TexteDetail, "???\n");
}

TEST_F(Conflit, IntermodulatedListsBothTransmittersOfThePair)
{
    Sortir(35010, 12);
    Sortir(35050, 7);
    ASSERT_EQ(r.Entree(35090).Etat, Intermodulee);
    EXPECT_EQ(Demander(35090, 1), CONFLIT_PERTURBEE);
    EXPECT_EQ(Message(), T(94));
    EXPECT_EQ(Detail(), "35.010______ - n\xB0 12 - Pilote12\n35.050______ - n\xB0 7 - Pilote7\n");
    r.etat.ModeSortie = ModeLibreService;
    EXPECT_EQ(Demander(35090, 1), CONFLIT_PERTURBEE);
    EXPECT_EQ(Detail(), "??? \n??? \n");
}

TEST_F(Conflit, ImageNamesTheTransmitter910Above)
{
    Sortir(35990, 5);
    EXPECT_EQ(Demander(35080, 1), CONFLIT_PERTURBEE);
    EXPECT_EQ(Message(), T(96));
    EXPECT_EQ(Detail(), "35.990______ - n\xB0 5 - Pilote5\n");
}

TEST_F(Conflit, WouldModulateShowsTheLabelBeforeQuestionMarks)
{
    Sortir(35010, FICHE_LIBRE);
    Sortir(35090, FICHE_LIBRE);
    ASSERT_EQ(r.Entree(35050).Etat, Modulante);
    EXPECT_EQ(Demander(35050, 1), CONFLIT_PERTURBATRICE);
    EXPECT_EQ(Message(), T(95));
    // 35050 would modulate onto 35090 (2x35050-35010) and onto 35010 (2x35050-35090).
    EXPECT_EQ(Detail(), "35.010______ - ???\n35.090______ - ???\n");
}

TEST_F(Conflit, FourFiftyFiveExplanations)
{
    Sortir(35500, 3);
    EXPECT_EQ(Demander(35045, 1), CONFLIT_PERTURBATRICE);
    EXPECT_EQ(Message(), T(151));
    EXPECT_EQ(Detail(), T(644) + " 35.500 - n\xB0 3 Pilote3\n");
    Reunion autre;
    autre.Plan({35045, 35500});
    autre.port.MessagesLibres = true;
    // Free service with a free-mode transmitter: unknown only because it is FICHE_LIBRE.
    autre.etat.ModeSortie = ModeFiches;
    ASSERT_TRUE(SortieFrequence(autre.etat, autre.Entree(35045), FICHE_LIBRE));
    autre.etat.FicheCourante = 1;
    EXPECT_EQ(RapportConflit(autre.etat, autre.Index(35500), true, false), CONFLIT_PERTURBATRICE);
    EXPECT_EQ(autre.etat.TexteDetail.Chaine(), Texte(autre.etat, 642) + " 35.045 - ???\n");
}

TEST_F(Conflit, ImageOfAProductOfTwoTransmitters)
{
    Reunion p;
    p.Plan({35020, 35030, 35920});
    p.Fiche(1, "Un", 35020);
    p.Fiche(2, "Deux", 35030);
    ASSERT_TRUE(SortieFrequence(p.etat, p.Entree(35020), 1));
    ASSERT_TRUE(SortieFrequence(p.etat, p.Entree(35030), 2));
    p.etat.Contraintes.Ecart20kHz = 0;
    p.etat.FicheCourante = 9;
    EXPECT_EQ(RapportConflit(p.etat, p.Index(35920), true, false), CONFLIT_PERTURBATRICE);
    EXPECT_EQ(p.etat.TexteDetail.Chaine(),
              Texte(p.etat, 644) + " 35.030 - n\xB0 2 Deux\n" + Texte(p.etat, 642) + " : 35.020 - n\xB0 1 Un");
}

TEST_F(Conflit, WithBothChecksOffOnlyMaximumSameCardAndOccupationFire)
{
    Sortir(35010, 12);
    Sortir(35050, 7);
    r.etat.Contraintes.Ecart20kHz = 0;
    r.etat.Contraintes.ControleIntermodulation = 0;
    EXPECT_EQ(Demander(35020, 1), 0);
    EXPECT_EQ(Demander(35090, 1), 0);
    EXPECT_EQ(Demander(35010, 1), CONFLIT_OCCUPEE);
}

TEST_F(Conflit, WithoutConstraintTestsOnlySameCardAndOccupation)
{
    Sortir(35010, 12);
    r.etat.FicheCourante = 1;
    EXPECT_EQ(RapportConflit(r.etat, r.Index(35020), false, false), 0);
    EXPECT_EQ(RapportConflit(r.etat, r.Index(35010), false, false), CONFLIT_OCCUPEE);
}

TEST_F(Conflit, ALongListNeverRunsPastTheDetailAndShowsThatItGoesOn)
{
    // Many transmitters whose products all fall on 35500.
    Reunion p;
    std::vector<int32_t> plan{35500};
    for (int k = 1; k <= 12; ++k) {
        plan.push_back(35500 - 40 * k);
        plan.push_back(35500 + 40 * k);
    }
    p.Plan(plan);
    p.etat.Contraintes.Ecart20kHz = 0;
    int numero = 1;
    for (int32_t f : plan) {
        if (f == 35500) continue;
        p.Fiche(numero, "Nom-de-pilote-long-" + std::to_string(numero), f);
        ASSERT_TRUE(SortieFrequence(p.etat, p.Entree(f), numero));
        ++numero;
    }
    ASSERT_EQ(p.Entree(35500).Etat, Intermodulee);
    p.etat.FicheCourante = 99;
    EXPECT_EQ(RapportConflit(p.etat, p.Index(35500), true, false), CONFLIT_PERTURBEE);
    const std::string d = p.etat.TexteDetail.Chaine();
    EXPECT_LE(d.size(), 127u);
    EXPECT_EQ(d.substr(d.size() - 3), "...");
    // Only whole lines before the mark.
    EXPECT_EQ(d[d.size() - 4], '\n');
}

TEST(DetailConflit, EveryLineThatFitsGoesInAndTheMarkReplacesOnlyWhatDoesNot)
{
    // 35460 and 35480, 35480 and 35490: three transmitters whose products fall on 35500.
    struct Cas { std::vector<std::size_t> noms; std::vector<bool> montrees; bool suite; };
    const Cas cas[] = {
        {{19, 19, 19}, {true, true, true}, false},   // 126 characters: all three
        {{19, 19, 20}, {true, true, true}, false},   // 127: the whole room
        {{19, 19, 21}, {true, true, false}, true},   // the third does not fit
    };
    for (const Cas& c : cas) {
        Reunion p;
        p.Plan({35460, 35480, 35490, 35500});
        p.etat.Contraintes.Ecart20kHz = 0;
        const int32_t frequences[] = {35460, 35480, 35490};
        std::vector<std::string> lignes;
        for (int i = 0; i < 3; ++i) {
            const std::string nom(c.noms[static_cast<std::size_t>(i)], static_cast<char>('A' + i));
            p.Fiche(i + 1, nom, frequences[i]);
            ASSERT_TRUE(SortieFrequence(p.etat, p.Entree(frequences[i]), i + 1));
            lignes.push_back(LibelleEntree(p.etat, p.Index(frequences[i])) + " - n\xB0 " + std::to_string(i + 1) + " - " + nom + "\n");
        }
        p.etat.FicheCourante = 99;
        ASSERT_EQ(RapportConflit(p.etat, p.Index(35500), true, false), CONFLIT_PERTURBEE);
        std::string attendu;
        for (int i = 0; i < 3; ++i)
            if (c.montrees[static_cast<std::size_t>(i)]) attendu += lignes[static_cast<std::size_t>(i)];
        if (c.suite) attendu += "...";
        EXPECT_EQ(p.etat.TexteDetail.Chaine(), attendu) << c.noms[2];
    }
}

TEST_F(Conflit, AMissingCardOfATransmitterIsFatalAndNothingIsShown)
{
    Sortir(35010, 12);
    RetirerFiche(r.etat, 12);
    EXPECT_EQ(Demander(35020, 1, true), CONFLIT_VOISINE);
    ASSERT_EQ(r.port.Fatals.size(), 1u);
    EXPECT_NE(r.port.Fatals[0].find("FINDPILOTE"), std::string::npos);
    EXPECT_TRUE(r.port.Messages.empty());
}
