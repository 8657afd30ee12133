#include "engine/etat.h"
#include "engine/tri.h"
#include "engine/textes.h"
#include "stand/sortie.h"
#include "tests/support/meeting.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <random>
#include <utility>

using ::testing::HasSubstr;

TEST(NouvelleManifestation, HoldsOnlyThePauseCardAndTheDefaults)
{
    Reunion r;
    ASSERT_EQ(r.etat.NbFiches(), 1);
    const FicheVol& pause = r.etat.Fiches.front();
    EXPECT_EQ(pause.Numero, FICHE_PAUSE);
    EXPECT_EQ(pause.Frequence, FREQUENCE_AUCUNE);
    EXPECT_EQ(pause.Etat, Arretee);
    EXPECT_EQ(r.etat.ModeSortie, ModeFiches);
    EXPECT_EQ(r.etat.Contraintes.Ecart20kHz, 1);
    EXPECT_EQ(r.etat.Contraintes.ControleIntermodulation, 1);
    EXPECT_EQ(r.etat.Contraintes.TempsLimite, 0);
    EXPECT_EQ(r.etat.Contraintes.DureeMaxSecondes, 300);
    EXPECT_EQ(r.etat.Contraintes.LimiteEmissions, 0);
    EXPECT_EQ(r.etat.Contraintes.NbMaxEmissions, 5);
    EXPECT_EQ(r.etat.EntreeSansFrequence.Etat, Libre);
    EXPECT_EQ(r.etat.EntreeSansFrequence.NbUtilisateurs, 1);
    EXPECT_EQ(r.etat.EntreeSansFrequence.FicheEmettrice, 0);
    EXPECT_EQ(r.etat.NbEntreesPlan(), 0);
    EXPECT_EQ(r.etat.NbEntreesAttente(), 0);
    EXPECT_EQ(r.etat.BandeauSorties, " - - - - - - - - ");
}

TEST(ChercheFrequence, NoFrequenceAnswersTheEntryWithoutFrequencyEvenOnAnEmptyPlan)
{
    Reunion r;
    EXPECT_EQ(ChercheFrequence(r.etat, FREQUENCE_AUCUNE), &r.etat.EntreeSansFrequence);
    EXPECT_TRUE(r.port.Fatals.empty());
}

TEST(ChercheFrequence, AMissIsFatalWithItsWord)
{
    Reunion r;
    r.etat.SauvegardeActive = 1;
    r.etat.HistoriqueActif = 1;
    EXPECT_EQ(ChercheFrequence(r.etat, 35010), nullptr);
    ASSERT_EQ(r.port.Fatals.size(), 1u);
    EXPECT_THAT(r.port.Fatals[0], HasSubstr("FINDFREQUENCE"));
    EXPECT_THAT(r.port.Fatals[0], HasSubstr(Texte(r.etat, 17).substr(0, 10)));
    // The program ends: nothing its callers do on the way out reaches a file.
    EXPECT_EQ(r.etat.SauvegardeActive, 0);
    EXPECT_EQ(r.etat.HistoriqueActif, 0);
}

TEST(ChercheFrequence, FindsEveryPlanFrequencyAndMissesBetweenThem)
{
    Reunion r;
    r.Plan(Reunion::PlanNational());
    for (const EntreeFrequence& e : r.etat.PlanFrequences)
        EXPECT_EQ(ChercheFrequence(r.etat, e.Frequence), &e);
    EXPECT_TRUE(r.port.Fatals.empty());
    EXPECT_EQ(ChercheFrequence(r.etat, 35005), nullptr);
    EXPECT_EQ(ChercheFrequence(r.etat, 2400010), nullptr);
    EXPECT_EQ(r.port.Fatals.size(), 2u);
}

TEST(ChercheFiche, TheOptionalLookupMissesSilentlyTheMandatoryOneIsFatal)
{
    Reunion r;
    r.Fiche(12, "Martin", 35010);
    EXPECT_EQ(ChercheFiche(r.etat, 12, 1)->Numero, 12);
    EXPECT_EQ(ChercheFiche(r.etat, 13, 0), nullptr);
    EXPECT_EQ(FicheExiste(r.etat, 13), 0);
    EXPECT_EQ(FicheExiste(r.etat, 12), 1);
    EXPECT_TRUE(r.port.Fatals.empty());
    EXPECT_TRUE(r.port.Messages.empty());
    EXPECT_EQ(ChercheFiche(r.etat, 13, 1), nullptr);
    ASSERT_EQ(r.port.Fatals.size(), 1u);
    EXPECT_THAT(r.port.Fatals[0], HasSubstr("FINDPILOTE"));
}

TEST(ChercheFiche, TheFirstMatchWins)
{
    Reunion r;
    FicheVol& premiere = r.Fiche(7, "A", 35010);
    r.Fiche(7, "B", 35020);
    EXPECT_EQ(ChercheFiche(r.etat, 7, 1), &premiere);
}

namespace {
EntreePlan& Noeud(Reunion& r, int32_t fiche, int32_t rang, int32_t liste, int32_t etatVol = VolEnAttente)
{
    r.etat.FicheCourante = fiche;
    EntreePlan* n = NouvelleEntreePlan(r.etat);
    n->Rang = rang;
    n->Liste = liste;
    n->EtatVol = etatVol;
    return *n;
}
} // namespace

TEST(ChercheRangPlan, LooksOnlyInTheListOfTheMode)
{
    Reunion r;
    EntreePlan& plan1 = Noeud(r, 12, 1, PlanVols);
    EntreePlan& file1 = Noeud(r, 7, 1, FileAttente);
    EntreePlan& plan2 = Noeud(r, 7, 2, PlanVols);
    r.etat.ModeSortie = ModePlanifie;
    EXPECT_EQ(ChercheRangPlan(r.etat, 1), &plan1);
    EXPECT_EQ(ChercheRangPlan(r.etat, 2), &plan2);
    r.etat.ModeSortie = ModeFileAttente;
    EXPECT_EQ(ChercheRangPlan(r.etat, 1), &file1);
    EXPECT_TRUE(r.port.Fatals.empty());
    EXPECT_EQ(ChercheRangPlan(r.etat, 2), nullptr);
    EXPECT_THAT(r.port.Fatals.back(), HasSubstr("FINDPLANRANG"));
    EXPECT_EQ(r.etat.NbEntreesPlan(), 2);
    EXPECT_EQ(r.etat.NbEntreesAttente(), 1);
}

TEST(ChercheRangPlan, InCardModeEveryRankIsFatal)
{
    Reunion r;
    Noeud(r, 12, 1, PlanVols);
    Noeud(r, 12, 1, FileAttente);
    r.etat.ModeSortie = ModeFiches;
    EXPECT_EQ(ChercheRangPlan(r.etat, 1), nullptr);
    ASSERT_EQ(r.port.Fatals.size(), 1u);
    EXPECT_THAT(r.port.Fatals[0], HasSubstr("FINDPLANRANG"));
}

TEST(ChercheEntreePlan, FindsOnlyUnrankedPlanNodesOfTheState)
{
    Reunion r;
    Noeud(r, 12, 3, PlanVols);
    Noeud(r, 12, 0, FileAttente);
    EntreePlan& cible = Noeud(r, 12, 0, PlanVols, VolTermine);
    EXPECT_EQ(ChercheEntreePlan(r.etat, 12, VolTermine), &cible);
    EXPECT_TRUE(r.port.Fatals.empty());
    EXPECT_EQ(ChercheEntreePlan(r.etat, 12, VolEnAttente), nullptr);
    EXPECT_THAT(r.port.Fatals.back(), HasSubstr("FINDPLAN"));
}

TEST(NouvelleEntreePlan, AppendsAZeroNodeForTheCurrentCard)
{
    Reunion r;
    Noeud(r, 12, 1, PlanVols);
    r.etat.FicheCourante = 44;
    EntreePlan* n = NouvelleEntreePlan(r.etat);
    ASSERT_NE(n, nullptr);
    EXPECT_EQ(&r.etat.ListePlan.back(), n);
    EXPECT_EQ(n->NumeroFiche, 44);
    EXPECT_EQ(n->Rang, 0);
    EXPECT_EQ(n->Liste, PlanVols);
    EXPECT_EQ(n->DureeVol, 0);
}

TEST(NumeroFicheLibre, TheSmallestFreeNumberOrNone)
{
    Reunion r;
    EXPECT_EQ(NumeroFicheLibre(r.etat), 1);
    for (int n = 1; n <= 998; ++n)
        if (n != 5) r.Fiche(n, "x", 35010);
    EXPECT_EQ(NumeroFicheLibre(r.etat), 5);
    r.Fiche(5, "x", 35010);
    EXPECT_EQ(NumeroFicheLibre(r.etat), 0);
}

TEST(NumeroRemarqueLibre, TheHighestFreeRemarkNumber)
{
    Reunion r;
    EXPECT_EQ(NumeroRemarqueLibre(r.etat), 2999);
    r.Fiche(2999, "", FREQUENCE_AUCUNE);
    EXPECT_EQ(NumeroRemarqueLibre(r.etat), 2998);
    for (int n = 2001; n < 2999; ++n) r.Fiche(n, "", FREQUENCE_AUCUNE);
    EXPECT_EQ(NumeroRemarqueLibre(r.etat), 2000);
    // None left: no number is given twice.
    r.Fiche(2000, "", FREQUENCE_AUCUNE);
    EXPECT_EQ(NumeroRemarqueLibre(r.etat), 0);
}

TEST(ViderManifestation, EmptiesBothListsAndLeavesTheFrequencies)
{
    Reunion r;
    r.Plan({35010, 35020});
    r.Fiche(1, "a", 35010);
    Noeud(r, 1, 1, FileAttente);
    ViderManifestation(r.etat);
    EXPECT_EQ(r.etat.NbFiches(), 0);
    EXPECT_TRUE(r.etat.ListePlan.empty());
    EXPECT_EQ(r.etat.NbFrequences(), 2);
}

// After a fatal report the caller must not go on with the missing record.
TEST(SignalerPointeurPerdu, TheCallerStopsAndChangesNothing)
{
    Reunion r;
    r.Plan({35010, 35050});
    EntreeFrequence& e = r.Entree(35010);
    EXPECT_FALSE(SortieFrequence(r.etat, e, 44));
    ASSERT_EQ(r.port.Fatals.size(), 1u);
    EXPECT_THAT(r.port.Fatals[0], HasSubstr("FINDPILOTE"));
    EXPECT_EQ(e.Etat, Libre);
    EXPECT_EQ(e.FicheEmettrice, 0);
    EXPECT_EQ(VueChamp(e.Libelle), "35.010______");

    // A flight in progress whose card is gone: the ranks are not touched past it.
    r.etat.FicheCourante = 44;
    EntreePlan* n = NouvelleEntreePlan(r.etat);
    n->Rang = 3;
    n->EtatVol = VolEnCours;
    r.Entree(35050).RangPlanifie = 9;
    SynchroniserRangs(r.etat);
    EXPECT_EQ(r.port.Fatals.size(), 2u);
    EXPECT_EQ(r.Entree(35050).RangPlanifie, 9);
}

// The index of cards by number answers as a scan of the list would, whatever
// was made, numbered, renumbered or removed between two lookups.
TEST(ChercheFiche, TheIndexAlwaysAnswersAsTheListWould)
{
    Reunion r;
    std::mt19937 hasard(7);
    auto parcours = [&r](int32_t n) -> const FicheVol* {
        for (const FicheVol& f : r.etat.Fiches)
            if (f.Numero == n) return &f;
        return nullptr;
    };
    for (int pas = 0; pas < 3000; ++pas) {
        const int32_t n = static_cast<int32_t>(hasard() % 40);
        switch (hasard() % 4) {
        case 0:
            if (!parcours(n)) NouvelleFiche(r.etat)->Numero = n;
            break;
        case 1: RetirerFiche(r.etat, n); break;
        case 2:
            if (FicheVol* f = ChercheFiche(r.etat, n, 0); f && !parcours(n + 40)) f->Numero = n + 40;
            break;
        default: break;
        }
        for (int32_t k = 0; k < 80; ++k) ASSERT_EQ(ChercheFiche(std::as_const(r.etat), k), parcours(k)) << pas << " " << k;
    }
}
