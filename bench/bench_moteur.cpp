// The engine on a plan of every national frequency with 0, 10, 50 and every
// transmitter below 2.4 GHz out, against the literal engine it replaces.
#include "bench/moteur_litteral.h"
#include "engine/compatibilite.h"
#include "engine/conflit.h"
#include "engine/emissions.h"
#include "engine/etat.h"
#include "engine/frequences.h"
#include "freqplan/catalogue.h"
#include "freqplan/table_nationale.h"
#include "engine/plateforme_silencieuse.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int TOUS = -1;

std::unique_ptr<EtatGlobal> Preparer(PlateformeSilencieuse& port, int sorties, bool litteral_)
{
    auto etat = std::make_unique<EtatGlobal>(port);
    DefinirPlan(*etat, PlanNational());
    const int sous24 = static_cast<int>(std::count_if(TableNationale.begin(), TableNationale.end(),
        [](const FrequenceNationale& n) { return n.Frequence < SEUIL_24GHZ; }));
    const int voulues = sorties == TOUS ? sous24 : sorties;
    // Spread over the bands, so that products and images really happen.
    for (int k = 0; k < voulues; ++k) {
        const int i = sorties == TOUS ? k : (k * 7919) % sous24;
        EntreeFrequence& e = etat->PlanFrequences[static_cast<std::size_t>(i)];
        if (e.Etat >= Sortie) continue;
        e.Etat = Sortie;
        e.FicheEmettrice = 100 + i;
        if (litteral_) litteral::MoteurSortie(*etat, i);
        else MoteurSortie(*etat, i);
    }
    return etat;
}

// The entry the cycle sends out and back: the first free one below 2.4 GHz, else
// the first one out (then the cycle is a return and an exit).
int EntreeDuCycle(const EtatGlobal& etat)
{
    for (const EntreeFrequence& e : etat.PlanFrequences)
        if (e.Etat < Sortie && e.Frequence < SEUIL_24GHZ) return e.Index;
    return 0;
}

void Cycle(EtatGlobal& etat, int i, bool litteral_)
{
    EntreeFrequence& e = etat.PlanFrequences[static_cast<std::size_t>(i)];
    const bool sortie = e.Etat < Sortie;
    for (int pas = 0; pas < 2; ++pas) {
        if ((pas == 0) == sortie) {
            e.Etat = Sortie;
            e.FicheEmettrice = 999;
            litteral_ ? litteral::MoteurSortie(etat, i) : MoteurSortie(etat, i);
        } else {
            litteral_ ? litteral::MoteurRetour(etat, i) : MoteurRetour(etat, i);
        }
    }
}

bool Identiques(const EtatGlobal& a, const EtatGlobal& b)
{
    for (std::size_t i = 0; i < a.PlanFrequences.size(); ++i) {
        const auto& x = a.PlanFrequences[i];
        const auto& y = b.PlanFrequences[i];
        if (x.Etat != y.Etat || x.Perturbations != y.Perturbations || x.PerturbationsImage != y.PerturbationsImage ||
            a.FrequencesTouchees[i] != b.FrequencesTouchees[i])
            return false;
    }
    return true;
}

// Both engines from the same start must leave the same statuses and marks.
bool Verifier(int sorties)
{
    PlateformeSilencieuse port;
    auto rapide = Preparer(port, sorties, false);
    auto lent = Preparer(port, sorties, true);
    if (!Identiques(*rapide, *lent)) return false;
    MajEtatsFrequences(*rapide);
    litteral::MajEtatsFrequences(*lent);
    if (!Identiques(*rapide, *lent)) return false;
    const int i = EntreeDuCycle(*rapide);
    Cycle(*rapide, i, false);
    Cycle(*lent, i, true);
    return Identiques(*rapide, *lent);
}

void Maj(benchmark::State& state, bool litteral_)
{
    const int sorties = static_cast<int>(state.range(0));
    if (!Verifier(sorties)) {
        state.SkipWithError("the fast engine and the literal one disagree");
        return;
    }
    PlateformeSilencieuse port;
    auto etat = Preparer(port, sorties, litteral_);
    for (auto _ : state) {
        if (litteral_) litteral::MajEtatsFrequences(*etat);
        else MajEtatsFrequences(*etat);
        benchmark::DoNotOptimize(etat->PlanFrequences.data());
    }
}

void SortieRetour(benchmark::State& state, bool litteral_)
{
    const int sorties = static_cast<int>(state.range(0));
    if (!Verifier(sorties)) {
        state.SkipWithError("the fast engine and the literal one disagree");
        return;
    }
    PlateformeSilencieuse port;
    auto etat = Preparer(port, sorties, litteral_);
    const int i = EntreeDuCycle(*etat);
    for (auto _ : state) {
        Cycle(*etat, i, litteral_);
        benchmark::DoNotOptimize(etat->PlanFrequences.data());
    }
}

// The exits of free service: no card to name, whatever the report says.
std::unique_ptr<EtatGlobal> PreparerLibre(PlateformeSilencieuse& port, int sorties)
{
    auto etat = Preparer(port, sorties, false);
    etat->ModeSortie = ModeLibreService;
    for (EntreeFrequence& e : etat->PlanFrequences)
        if (e.Etat >= Sortie) e.FicheEmettrice = FICHE_LIBRE;
    RecompteSorties(*etat);
    return etat;
}

// "Could a transmitter leave on f now", asked of every frequency of the plan.
void BM_PeutSortirToutLePlan(benchmark::State& state)
{
    PlateformeSilencieuse port;
    auto etat = PreparerLibre(port, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        int possibles = 0;
        for (int k = 0; k < etat->NbFrequences(); ++k) possibles += RefusSortie(*etat, k) == 0;
        benchmark::DoNotOptimize(possibles);
    }
}

// One exit checked as the stand checks it: the report, its texts built, not shown.
void BM_UneSortieVerifiee(benchmark::State& state)
{
    PlateformeSilencieuse port;
    auto etat = PreparerLibre(port, static_cast<int>(state.range(0)));
    const int k = EntreeDuCycle(*etat);
    for (auto _ : state) benchmark::DoNotOptimize(RapportConflit(*etat, k, true, false));
}

void BM_MajEtatsFrequences(benchmark::State& s) { Maj(s, false); }
void BM_MajEtatsFrequences_Litteral(benchmark::State& s) { Maj(s, true); }
void BM_SortieRetour(benchmark::State& s) { SortieRetour(s, false); }
void BM_SortieRetour_Litteral(benchmark::State& s) { SortieRetour(s, true); }

} // namespace

#define SORTIES ->Arg(0)->Arg(10)->Arg(50)->Arg(TOUS)->Unit(benchmark::kMicrosecond)
BENCHMARK(BM_MajEtatsFrequences) SORTIES;
BENCHMARK(BM_MajEtatsFrequences_Litteral) SORTIES;
BENCHMARK(BM_SortieRetour) SORTIES;
BENCHMARK(BM_SortieRetour_Litteral) SORTIES;
BENCHMARK(BM_PeutSortirToutLePlan) SORTIES;
BENCHMARK(BM_UneSortieVerifiee) SORTIES;


