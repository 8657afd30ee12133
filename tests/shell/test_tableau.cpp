#include "engine/compatibilite.h"
#include "engine/echelle.h"
#include "shell/tableau.h"
#include "stand/sortie.h"
#include "tests/support/meeting.h"

#include <gtest/gtest.h>

namespace {

// A plan with `parBande` frequencies in each of the first `bandes` bands.
std::vector<int32_t> PlanDeBandes(int bandes, int parBande = 3)
{
    const int32_t debuts[] = {26815, 35000, 40575, 41000, 72210, 2400000};
    std::vector<int32_t> f;
    for (int b = 0; b < bandes; ++b)
        for (int k = 0; k < parBande; ++k) f.push_back(debuts[b] + k * (b == 5 ? 20 : 10));
    return f;
}

std::vector<int32_t> Colonnes(const EtatGlobal& etat)
{
    std::vector<int32_t> x;
    for (const EntreeFrequence& e : etat.PlanFrequences)
        if (x.empty() || x.back() != e.X) x.push_back(e.X);
    return x;
}

} // namespace

TEST(DisposerTableau, ColumnsForOneToSixBands)
{
    const std::vector<std::vector<int32_t>> attendu = {
        {342}, {200, 490}, {128, 345, 562}, {84, 258, 432, 606}, {50, 196, 342, 488, 634},
        {50 - 146, 196 - 146, 342 - 146, 488 - 146, 634 - 146, 780 - 146}};
    for (int b = 1; b <= 6; ++b) {
        Reunion r;
        r.Plan(PlanDeBandes(b));
        DisposerTableau(r.etat);
        EXPECT_EQ(Colonnes(r.etat), attendu[static_cast<std::size_t>(b - 1)]) << b << " bands";
        EXPECT_EQ(r.etat.PlanFrequences[0].Y, 30);
        EXPECT_EQ(r.etat.PlanFrequences[1].Y, 30 + 25);
        EXPECT_EQ(r.etat.LargeurBouton, 140);
    }
}

TEST(DisposerTableau, ButtonHeightAndFont)
{
    Reunion r;
    r.Plan(PlanDeBandes(1, 40));
    DisposerTableau(r.etat);
    EXPECT_EQ(r.etat.HauteurBouton, 650 / 41);
    EXPECT_TRUE(PetitePolice(r.etat));
    r.Plan(PlanDeBandes(1, 35));
    DisposerTableau(r.etat);
    EXPECT_EQ(r.etat.HauteurBouton, 650 / 36);
    EXPECT_FALSE(PetitePolice(r.etat));
    r.Plan(PlanDeBandes(1, 3));
    DisposerTableau(r.etat);
    EXPECT_EQ(r.etat.HauteurBouton, 25);
    // On a larger screen the height is scaled, then held to 25 pixels.
    r.etat.LargeurEcran = 1280;
    r.etat.HauteurEcran = 1024;
    r.Plan(PlanDeBandes(1, 40));
    DisposerTableau(r.etat);
    EXPECT_EQ(r.etat.HauteurBouton, 15 * 1024 / 768);
    EXPECT_EQ(r.etat.LargeurBouton, 175);
    EXPECT_EQ(EchelleX(r.etat, 800), 1000);
    EXPECT_EQ(EchelleY(r.etat, 768), 1024);
}

TEST(DisposerTableau, SixBandsStartWithTheFirstHiddenAndPage)
{
    Reunion r;
    r.Plan(PlanDeBandes(6));
    DisposerTableau(r.etat);
    auto visibles = [&](int bande) {
        int n = 0;
        for (const EntreeFrequence& e : r.etat.PlanFrequences) n += e.Bande == bande && BoutonVisible(r.etat, e);
        return n;
    };
    EXPECT_EQ(visibles(0), 0);
    EXPECT_EQ(visibles(4), 3);
    EXPECT_EQ(r.etat.PageGauche, 1);
    EXPECT_EQ(r.etat.PageDroite, 0);
    EXPECT_FALSE(PagerDroite(r.etat));
    EXPECT_TRUE(PagerGauche(r.etat));
    EXPECT_EQ(visibles(0), 3);
    // The 2.4 GHz column is now past the board: its band entry is hidden.
    EXPECT_EQ(visibles(5), 0);
    EXPECT_FALSE(PagerGauche(r.etat));
    EXPECT_TRUE(PagerDroite(r.etat));
    EXPECT_EQ(visibles(0), 0);
    EXPECT_EQ(visibles(5), 1);
}

TEST(DisposerTableau, OnlySixBandsLightAnArrow)
{
    for (int bandes : {0, 1, 5}) {
        Reunion r;
        if (bandes) r.Plan(PlanDeBandes(bandes));
        DisposerTableau(r.etat);
        EXPECT_EQ(r.etat.PageGauche, 0) << bandes;
        EXPECT_EQ(r.etat.PageDroite, 0) << bandes;
        EXPECT_FALSE(PagerGauche(r.etat));
        EXPECT_FALSE(PagerDroite(r.etat));
    }
}

TEST(BoutonVisible, ASlotShowsOnlyWhileATransmitterIsOnIt)
{
    Reunion r;
    r.Plan({35010, 2400000, 2400020, 2400040});
    DisposerTableau(r.etat);
    EXPECT_TRUE(BoutonVisible(r.etat, r.Entree(2400000)));
    EXPECT_FALSE(BoutonVisible(r.etat, r.Entree(2400020)));
    ASSERT_TRUE(SortieFrequence(r.etat, r.Entree(2400020), FICHE_LIBRE));
    EXPECT_TRUE(BoutonVisible(r.etat, r.Entree(2400020)));
    EXPECT_FALSE(BoutonVisible(r.etat, r.Entree(2400040)));
}

TEST(AspectDuBouton, PictureAndTextColourByStateAndCheck)
{
    struct Cas { int32_t etat; int32_t perturbations; bool controle; const char* image; CouleurTexte couleur; };
    const Cas cas[] = {
        {Libre, 0, true, "BMPLIBRE", CouleurTexte::Blanc},
        {Libre, 0, false, "BMPLIBRE", CouleurTexte::Blanc},
        {ImagePerturbee, 0, true, "BMPLIBRE", CouleurTexte::Orange},
        {ImagePerturbee, 0, false, "BMPINTER2", CouleurTexte::Blanc},
        {Modulante, 0, true, "BMPLIBRE", CouleurTexte::Orange},
        {Modulante, 0, false, "BMPINTER2", CouleurTexte::Blanc},
        {FrequenceImage, 1, true, "BMPINTER", CouleurTexte::Orange},
        {FrequenceImage, 1, false, "BMPINTER2", CouleurTexte::Blanc},
        {Intermodulee, 2, true, "BMPINTER", CouleurTexte::Orange},
        {Intermodulee, 2, false, "BMPINTER2", CouleurTexte::Blanc},
        {Sortie, 0, true, "BMPSORTI", CouleurTexte::Bleu},
        {Sortie, 1, true, "BMPSORTI", CouleurTexte::Bleu},
        {Sortie, 0, false, "BMPSORTI", CouleurTexte::Bleu},
        {Sortie, 1, false, "SORTI2", CouleurTexte::Bleu},
        {HorsTemps, 0, true, "BMPALLUM", CouleurTexte::Blanc},
        {HorsTemps, 1, false, "BMPALLUM", CouleurTexte::Blanc},
    };
    for (const Cas& c : cas) {
        Reunion r;
        r.Plan({35500});
        r.etat.Contraintes.ControleIntermodulation = c.controle;
        r.Entree(35500).Etat = c.etat;
        r.Entree(35500).Perturbations = c.perturbations;
        const AspectBouton a = AspectDuBouton(r.etat, 0);
        EXPECT_STREQ(a.Image, c.image) << "Etat " << c.etat << " check " << c.controle;
        EXPECT_EQ(a.Couleur, c.couleur) << "Etat " << c.etat << " check " << c.controle;
    }
}

TEST(AspectDuBouton, ANeighbourOutTurnsTheTextOrange)
{
    Reunion r;
    r.Plan({35010, 35020, 35030});
    ASSERT_TRUE(SortieFrequence(r.etat, r.Entree(35010), FICHE_LIBRE));
    EXPECT_EQ(AspectDuBouton(r.etat, r.Index(35020)).Couleur, CouleurTexte::Orange);
    EXPECT_STREQ(AspectDuBouton(r.etat, r.Index(35020)).Image, "BMPLIBRE");
    EXPECT_EQ(AspectDuBouton(r.etat, r.Index(35030)).Couleur, CouleurTexte::Blanc);
    EXPECT_EQ(AspectDuBouton(r.etat, r.Index(35010)).Couleur, CouleurTexte::Bleu);
    r.etat.Contraintes.Ecart20kHz = 0;
    EXPECT_EQ(AspectDuBouton(r.etat, r.Index(35020)).Couleur, CouleurTexte::Blanc);
}

TEST(FaireDefiler, TheFirstCharacterGoesToTheEnd)
{
    TexteFixe<1024> t("12  7  <>  ");
    FaireDefiler(t);
    EXPECT_EQ(t, "2  7  <>  1");
    for (int i = 0; i < 10; ++i) FaireDefiler(t);
    EXPECT_EQ(t, "12  7  <>  ");
}
