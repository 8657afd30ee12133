// The card list of a full meeting in each order, and one card registered with
// the rewrite of a meeting file of 998 cards.
#include "bench/manifestation_maximale.h"
#include "cards/echange.h"
#include "cards/liste_fiches.h"
#include "cards/plan_vols.h"
#include "cards/saisie.h"
#include "storage/manifestation.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

void BM_ListePilotes(benchmark::State& state)
{
    PlateformeSilencieuse port;
    auto etat = ManifestationMaximale(port);
    etat->CleTri = static_cast<int32_t>(state.range(0));
    for (auto _ : state) {
        ListePilotes liste(*etat, [](int) {});
        benchmark::DoNotOptimize(liste.Vue().Lignes.size());
    }
}

void BM_InscrireFiche(benchmark::State& state)
{
    PlateformeSilencieuse port;
    auto etat = ManifestationMaximale(port, 997);
    DeriverChemins(*etat, (std::filesystem::temp_directory_path() / "koral-bench-fiches.mhz").string());
    const ChampsSaisie champs{"998", "Nouveau pilote", "FR-998", "Extra 330", "Vole l'apr\xE8s-midi"};
    for (auto _ : state) {
        etat->ModeModification = etat->ModeDuplication = 0;
        Saisie saisie(*etat);
        saisie.ChoisirFrequence(409, 3);
        if (saisie.Valider(champs) != 1) state.SkipWithError("the card was refused");
        state.PauseTiming();
        RetirerFiche(*etat, etat->Fiches.back().Numero);
        state.ResumeTiming();
    }
}

// The flight plan's check over 2000 planned flights with a window of 99.
void BM_VerifierPlan(benchmark::State& state)
{
    PlateformeSilencieuse port;
    auto etat = ManifestationMaximale(port);
    for (EntreePlan& e : etat->ListePlan) e.Liste = PlanVols;
    int32_t rang = 0;
    for (EntreePlan& e : etat->ListePlan) e.Rang = ++rang;
    for (auto _ : state) {
        VerifierPlan(*etat, TAILLE_FENETRE_MAX);
        benchmark::DoNotOptimize(etat->ListePlan.front().Problemes);
    }
    state.counters["noeuds"] = static_cast<double>(rang);
}

// 998 cards imported into an empty meeting: both passes, the plan rebuilt, the file rewritten.
void BM_ImporterFiches(benchmark::State& state)
{
    PlateformeSilencieuse port;
    const std::string fichier = TexteExport(*ManifestationMaximale(port));
    const std::string chemin = (std::filesystem::temp_directory_path() / "koral-bench-import.mhz").string();
    for (auto _ : state) {
        state.PauseTiming();
        EtatGlobal etat(port);
        etat.SauvegardeActive = 1;
        DeriverChemins(etat, chemin);
        state.ResumeTiming();
        if (ImporterFiches(etat, fichier).Importees != 998) state.SkipWithError("the cards were not all imported");
    }
}

void BM_ExporterFiches(benchmark::State& state)
{
    PlateformeSilencieuse port;
    auto etat = ManifestationMaximale(port);
    for (auto _ : state) benchmark::DoNotOptimize(TexteExport(*etat).size());
}

} // namespace

BENCHMARK(BM_ImporterFiches)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExporterFiches)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VerifierPlan)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListePilotes)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InscrireFiche)->Unit(benchmark::kMillisecond);
