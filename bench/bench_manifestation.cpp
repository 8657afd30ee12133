// Saving a maximal meeting, forced to disk, and reading it back.
#include "engine/plateforme_silencieuse.h"
#include "engine/etat.h"
#include "bench/manifestation_maximale.h"
#include "storage/manifestation.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

std::string Chemin()
{
    return (std::filesystem::temp_directory_path() / "koral-bench.mhz").string();
}

void BM_SauverManifestation(benchmark::State& state)
{
    PlateformeSilencieuse port;
    auto etat = ManifestationMaximale(port);
    DeriverChemins(*etat, Chemin());
    for (auto _ : state) SauverManifestation(*etat);
}

void BM_LireManifestation(benchmark::State& state)
{
    PlateformeSilencieuse port;
    auto source = ManifestationMaximale(port);
    DeriverChemins(*source, Chemin());
    SauverManifestation(*source);
    for (auto _ : state) {
        EtatGlobal etat(port);
        etat.CheminManifestation = Chemin();
        if (!LireManifestation(etat)) state.SkipWithError("the maximal meeting was refused");
        benchmark::DoNotOptimize(etat.Fiches.size());
    }
}

} // namespace

BENCHMARK(BM_SauverManifestation)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LireManifestation)->Unit(benchmark::kMillisecond);
