// Thousands of random exits and returns over a full multi-band plan. After each
// step the live statuses must equal a recomputation from scratch out of the set
// of transmitters out, and the fast engine must agree with the literal one.
#include "bench/moteur_litteral.h"
#include "engine/compatibilite.h"
#include "engine/conflit.h"
#include "engine/emissions.h"
#include "engine/etat.h"
#include "engine/frequences.h"
#include "stand/sortie.h"
#include "tests/support/meeting.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace {

struct Attendu {
    int32_t Etat = Libre;
    int32_t Perturbations = 0;
};

// From scratch: every pair of transmitters out hits its two products as the
// exact/lowest/highest rule says; every transmitter out hits 910 kHz below it.
std::vector<Attendu> Recalculer(const EtatGlobal& etat)
{
    const auto& p = etat.PlanFrequences;
    const std::size_t n = p.size();
    std::vector<int32_t> inter(n, 0), image(n, 0);
    std::vector<std::size_t> actives;
    for (std::size_t i = 0; i < n; ++i)
        if (p[i].Etat >= Sortie && p[i].Frequence < SEUIL_24GHZ) actives.push_back(i);

    auto toucher = [&](int32_t x) {
        std::vector<std::size_t> fenetre;
        for (std::size_t t = 0; t < n; ++t) {
            if (p[t].Frequence == x) ++inter[t];
            if (std::abs(p[t].Frequence - x) <= 5) fenetre.push_back(t);
        }
        if (!fenetre.empty()) {
            ++inter[fenetre.front()];
            ++inter[fenetre.back()];
        }
    };
    for (std::size_t a = 0; a < actives.size(); ++a)
        for (std::size_t b = a + 1; b < actives.size(); ++b) {
            const int32_t fa = p[actives[a]].Frequence, fb = p[actives[b]].Frequence;
            toucher(2 * fa - fb);
            toucher(2 * fb - fa);
        }
    for (std::size_t a : actives)
        for (std::size_t t = 0; t < n; ++t)
            if (p[t].Frequence == p[a].Frequence - 910) ++image[t];

    std::vector<Attendu> attendu(n);
    for (std::size_t t = 0; t < n; ++t) {
        attendu[t].Perturbations = p[t].Frequence >= SEUIL_24GHZ ? 0 : inter[t] + image[t];
        if (p[t].Etat >= Sortie) attendu[t].Etat = p[t].Etat;
        else attendu[t].Etat = inter[t] ? Intermodulee : image[t] ? FrequenceImage : Libre;
    }
    return attendu;
}

// Statuses 0 to 2 on top of the counts, by the rules read literally.
void AppliquerRegles(EtatGlobal& modele, const std::vector<Attendu>& attendu)
{
    for (std::size_t i = 0; i < attendu.size(); ++i) modele.PlanFrequences[i].Etat = attendu[i].Etat;
    litteral::MajEtatsFrequences(modele);
}

struct Aleatoire : ::testing::Test {
    Reunion r;
    Reunion modele;
    std::mt19937 hasard{20261206};

    void SetUp() override
    {
        r.Plan(Reunion::PlanNational());
        modele.Plan(Reunion::PlanNational());
        for (int n = 1; n <= 60; ++n) {
            const auto& plan = r.etat.PlanFrequences;
            const int32_t f = n % 10 == 0 ? SEUIL_24GHZ : plan[hasard() % 161].Frequence;
            r.Fiche(n, "Pilote " + std::to_string(n), f);
        }
    }

    void Sortir()
    {
        const bool carte = hasard() % 2;
        if (carte) {
            std::vector<FicheVol*> au_sol;
            for (FicheVol& f : r.etat.Fiches)
                if (f.Etat == AuSol) au_sol.push_back(&f);
            if (au_sol.empty()) return;
            FicheVol& f = *au_sol[hasard() % au_sol.size()];
            const int32_t cible = Est24GHz(f.Frequence) ? CreneauLibre24(r.etat) : f.Frequence;
            if (cible == 0) return;
            EntreeFrequence& e = r.Entree(cible);
            if (e.Etat >= Sortie) return;
            ASSERT_TRUE(SortieFrequence(r.etat, e, f.Numero));
            EXPECT_EQ(f.Etat, EnVol);
            EXPECT_EQ(f.Frequence == SEUIL_24GHZ || f.Frequence == cible, true);
            return;
        }
        auto& plan = r.etat.PlanFrequences;
        EntreeFrequence& choisie = plan[hasard() % plan.size()];
        int32_t cible = choisie.Frequence;
        if (Est24GHz(cible)) cible = CreneauLibre24(r.etat);
        if (cible == 0 || r.Entree(cible).Etat >= Sortie) return;
        ASSERT_TRUE(SortieFrequence(r.etat, r.Entree(cible), FICHE_LIBRE));
    }

    void Rentrer()
    {
        std::vector<int> actives;
        for (const EntreeFrequence& e : r.etat.PlanFrequences)
            if (e.Etat >= Sortie) actives.push_back(e.Index);
        if (actives.empty()) return;
        EntreeFrequence& e = r.etat.PlanFrequences[actives[hasard() % actives.size()]];
        if (e.FicheEmettrice != FICHE_LIBRE) ChercheFiche(r.etat, e.FicheEmettrice, 1)->Etat = AuSol;
        e.FicheEmettrice = 0;
        e.DebutEmission = 0;
        MoteurRetour(r.etat, e.Index);
    }

    void Verifier(int pas)
    {
        const auto& plan = r.etat.PlanFrequences;
        std::set<int32_t> frequences_actives;
        int actives = 0;
        for (const EntreeFrequence& e : plan) {
            if (e.Etat < Sortie) continue;
            ++actives;
            EXPECT_TRUE(e.Etat == Sortie || e.Etat == HorsTemps);
            EXPECT_TRUE(frequences_actives.insert(e.Frequence).second) << "two transmitters on " << e.Frequence;
        }
        const auto attendu = Recalculer(r.etat);
        for (std::size_t i = 0; i < plan.size(); ++i) modele.etat.PlanFrequences[i].Etat = plan[i].Etat >= Sortie ? plan[i].Etat : Libre;
        AppliquerRegles(modele.etat, attendu);
        for (std::size_t i = 0; i < plan.size(); ++i) {
            ASSERT_EQ(plan[i].Perturbations, attendu[i].Perturbations) << "step " << pas << " at " << plan[i].Frequence;
            ASSERT_EQ(plan[i].Etat, modele.etat.PlanFrequences[i].Etat) << "step " << pas << " at " << plan[i].Frequence;
        }
        (void)actives;
    }
};

} // namespace

TEST_F(Aleatoire, StatusesAlwaysEqualARecomputationFromTheTransmittersOut)
{
    for (int pas = 0; pas < 4000; ++pas) {
        // Drift between busy and quiet stands so both many and few transmitters are seen.
        const int penchant = (pas / 500) % 2 ? 35 : 65;
        if (static_cast<int>(hasard() % 100) < penchant) Sortir();
        else Rentrer();
        Verifier(pas);
        if (HasFatalFailure()) return;
    }
    EXPECT_TRUE(r.port.Fatals.empty());
}

// "Could a transmitter leave on f now", asked of every frequency without a trace,
// answers as the exit's own report would, whatever the checks and the count.
TEST_F(Aleatoire, WhatCouldLeaveNowIsWhatTheExitsReportAllows)
{
    r.etat.FicheCourante = 0;
    for (int pas = 0; pas < 600; ++pas) {
        if (hasard() % 100 < 55) Sortir();
        else Rentrer();
        auto& c = r.etat.Contraintes;
        c.Ecart20kHz = hasard() % 4 != 0;
        c.ControleIntermodulation = hasard() % 4 != 0;
        c.LimiteEmissions = hasard() % 5 == 0;
        c.NbMaxEmissions = 1 + static_cast<int32_t>(hasard() % 12);
        RecompteSorties(r.etat);
        const auto avant = r.etat.PlanFrequences;
        for (int k = 0; k < r.etat.NbFrequences(); ++k) {
            const int32_t refus = RefusSortie(r.etat, k);
            ASSERT_EQ(refus == 0, RapportConflit(r.etat, k, true, false) == 0) << "step " << pas << " at " << r.etat.PlanFrequences[k].Frequence;
        }
        for (std::size_t k = 0; k < avant.size(); ++k) ASSERT_EQ(avant[k].Etat, r.etat.PlanFrequences[k].Etat);
    }
}

TEST_F(Aleatoire, EverythingIsFreeOnceEveryTransmitterIsBack)
{
    for (int pas = 0; pas < 1500; ++pas) {
        if (hasard() % 100 < 60) Sortir();
        else Rentrer();
    }
    for (;;) {
        bool reste = false;
        for (const EntreeFrequence& e : r.etat.PlanFrequences) reste |= e.Etat >= Sortie;
        if (!reste) break;
        Rentrer();
    }
    for (const EntreeFrequence& e : r.etat.PlanFrequences) {
        EXPECT_EQ(e.Etat, Libre) << e.Frequence;
        EXPECT_EQ(e.Perturbations, 0) << e.Frequence;
        EXPECT_EQ(e.PerturbationsImage, 0) << e.Frequence;
    }
}

TEST_F(Aleatoire, TheFastEngineAgreesWithTheLiteralOne)
{
    Reunion lent;
    lent.Plan(Reunion::PlanNational());
    for (int pas = 0; pas < 1500; ++pas) {
        auto& plan = r.etat.PlanFrequences;
        const int i = static_cast<int>(hasard() % plan.size());
        if (plan[i].Frequence == SEUIL_24GHZ) continue;
        if (plan[i].Etat < Sortie) {
            plan[i].Etat = lent.etat.PlanFrequences[i].Etat = Sortie;
            plan[i].FicheEmettrice = lent.etat.PlanFrequences[i].FicheEmettrice = 100 + i;
            MoteurSortie(r.etat, i);
            litteral::MoteurSortie(lent.etat, i);
        } else {
            MoteurRetour(r.etat, i);
            litteral::MoteurRetour(lent.etat, i);
        }
        for (std::size_t k = 0; k < plan.size(); ++k) {
            ASSERT_EQ(plan[k].Etat, lent.etat.PlanFrequences[k].Etat) << "step " << pas;
            ASSERT_EQ(plan[k].Perturbations, lent.etat.PlanFrequences[k].Perturbations) << "step " << pas;
            ASSERT_EQ(r.etat.FrequencesTouchees[k], lent.etat.FrequencesTouchees[k]) << "step " << pas;
        }
    }
}
