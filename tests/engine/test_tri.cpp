#include "engine/tri.h"
#include "engine/etat.h"
#include "tests/support/meeting.h"

#include <gtest/gtest.h>

namespace {
std::vector<LigneTri> Lignes(Reunion& r)
{
    std::vector<LigneTri> l;
    for (const FicheVol& f : r.etat.Fiches)
        if (EstFichePilote(f.Numero)) l.push_back(LigneTriDe(f));
    return l;
}
} // namespace

TEST(TrierFiches, ByNumberFrequencyNameAndModel)
{
    Reunion r;
    CopierChamp(r.Fiche(30, "martin", 35020).Modele, "Extra 300");
    CopierChamp(r.Fiche(4, "Martin", 72210).Modele, "ASW 28");
    CopierChamp(r.Fiche(12, "Mart", 26995).Modele, "\xC9tude");
    struct Cas { int cle; std::vector<int32_t> ordre; };
    for (const Cas& c : {Cas{0, {4, 12, 30}}, Cas{1, {12, 30, 4}}, Cas{2, {12, 4, 30}},
                         Cas{3, {4, 30, 12}}, Cas{7, {4, 12, 30}}}) {
        r.etat.CleTri = c.cle;
        auto l = Lignes(r);
        TrierFiches(r.etat, l);
        std::vector<int32_t> numeros;
        for (const LigneTri& x : l) numeros.push_back(x.Numero);
        EXPECT_EQ(numeros, c.ordre) << "CleTri " << c.cle;
    }
}

TEST(TrierFiches, ModelKeyIsItsFirstThirtyCharacters)
{
    Reunion r;
    FicheVol& f = r.Fiche(1, "a", 35010);
    const std::string modele = std::string(40, 'm') + "zz";
    CopierChamp(f.Modele, modele);
    const LigneTri l = LigneTriDe(f);
    EXPECT_EQ(VueChamp(l.Modele), std::string(30, 'm'));
}

TEST(SynchroniserRangs, FollowsTheNodesOfFlightsInProgress)
{
    Reunion r;
    r.Plan({35010, 35050, 2400000, 2400020});
    r.Fiche(12, "a", 35010);
    r.Fiche(7, "b", 35050);
    r.Fiche(9, "c", 2400000);
    r.Entree(35010).Etat = Sortie;
    r.Entree(2400020).Etat = Sortie;
    r.Entree(2400020).FicheEmettrice = 9;
    r.Entree(35050).RangPlanifie = 3;
    auto noeud = [&](int32_t fiche, int32_t rang, int32_t etatVol) {
        r.etat.FicheCourante = fiche;
        EntreePlan* n = NouvelleEntreePlan(r.etat);
        n->Rang = rang;
        n->EtatVol = etatVol;
    };
    noeud(12, 6, VolEnCours);
    noeud(7, 2, VolEnAttente);
    noeud(9, 4, VolEnCours);
    SynchroniserRangs(r.etat);
    EXPECT_EQ(r.Entree(35010).RangPlanifie, 6);
    EXPECT_EQ(r.Entree(35050).RangPlanifie, 3);
    // A 2.4 GHz flight is tied to the slot it holds.
    EXPECT_EQ(r.Entree(2400020).RangPlanifie, 4);
    EXPECT_EQ(r.Entree(2400000).RangPlanifie, 0);
    EXPECT_TRUE(r.port.Fatals.empty());
}
