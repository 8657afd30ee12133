#include "engine/frequences.h"
#include "freqplan/occupation.h"
#include "tests/stand/stand_test.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;

namespace {

std::vector<int32_t> Numeros(const RangeeOccupation& r)
{
    std::vector<int32_t> n;
    for (const BoutonCarte& b : r.Cartes) n.push_back(b.Numero);
    return n;
}

} // namespace

TEST(Occupation, EachCardOnceOnItsFrequencyRow)
{
    ReunionStand r;
    std::vector<int32_t> plan = {35010, 35020, 40665};
    for (int32_t f : Bande24()) plan.push_back(f);
    r.Plan(plan);
    for (int n = 1; n <= 30; ++n) r.Fiche(n, "P", 35010);
    r.Entree(35010).NbUtilisateurs = 30;
    r.Fiche(40, "Stop", 35020).Etat = Arretee;
    r.Entree(35020).NbUtilisateurs = 3;   // counted three, two of them are missing
    r.Fiche(50, "A", 2400000);
    r.Fiche(51, "B", 2400000);
    r.Entree(2400000).NbUtilisateurs = 2;
    std::vector<int> commandes;
    Occupation o(r.etat, [&commandes](int c) { commandes.push_back(c); });
    ASSERT_FALSE(o.Ferme());
    EXPECT_THAT(o.BandesActives(), ElementsAre(false, true, true, false, false, true));
    EXPECT_EQ(o.NbRangees(), 25);
    EXPECT_TRUE(o.Rangees().empty());
    o.ChoisirBande(1);
    ASSERT_EQ(o.Rangees().size(), 2u);
    EXPECT_EQ(o.Rangees()[0].Libelle, "35.010");
    EXPECT_EQ(o.Rangees()[0].Cartes.size(), 25u);
    EXPECT_EQ(o.Rangees()[0].Nombre, "30");
    EXPECT_THAT(Numeros(o.Rangees()[1]), ElementsAre(40));
    EXPECT_FALSE(o.Rangees()[1].Cartes[0].Actif);
    EXPECT_EQ(o.Rangees()[1].Nombre, "3");
    o.ChoisirBande(5);
    ASSERT_EQ(o.Rangees().size(), 25u);
    EXPECT_THAT(Numeros(o.Rangees()[0]), ElementsAre(50, 51));
    for (const RangeeOccupation& rangee : o.Rangees()) EXPECT_EQ(rangee.Libelle, "2.4 GHz");
    EXPECT_TRUE(o.Rangees()[1].Cartes.empty());
    EXPECT_EQ(o.Rangees()[1].Nombre, "");
    o.ChoisirBande(0);   // greyed: nothing changes
    EXPECT_EQ(o.Bande(), 5);
    o.VoirCarte(51);
    EXPECT_EQ(r.etat.FicheCourante, 51);
    EXPECT_THAT(commandes, ElementsAre(205));
    o.VoirCarte(999);
    EXPECT_EQ(commandes.size(), 1u);
}

TEST(Occupation, NoCardOrNoPlanCloseAtOnce)
{
    ReunionStand r;
    r.Plan({35010});
    r.port.RepondreOk();
    EXPECT_TRUE(Occupation(r.etat, [](int) {}).Ferme());
    EXPECT_EQ(r.port.Messages.back().Texte, Texte(r.etat, 3));
    ReunionStand vide;
    vide.Fiche(1, "P", 35010);
    vide.port.RepondreOk();
    EXPECT_TRUE(Occupation(vide.etat, [](int) {}).Ferme());
    EXPECT_EQ(vide.port.Messages.back().Texte, Texte(vide.etat, 156));
}
