// Saving a maximal meeting, forced to disk, and reading it back.
#include "engine/plateforme_silencieuse.h"
#include "engine/etat.h"
#include "freqplan/catalogue.h"
#include "freqplan/table_nationale.h"
#include "storage/manifestation.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

namespace {

// 998 cards, every national frequency, 2000 plan nodes.
std::unique_ptr<EtatGlobal> ManifestationMaximale(PlateformeSilencieuse& port)
{
    auto etat = std::make_unique<EtatGlobal>(port);
    DefinirPlan(*etat, PlanNational());
    for (int32_t numero = 1; numero <= 998; ++numero) {
        FicheVol* f = NouvelleFiche(*etat);
        f->Numero = numero;
        f->Frequence = TableNationale[static_cast<std::size_t>(numero % 160)].Frequence;
        CopierChamp(f->Nom, "Pilote " + std::to_string(numero));
        CopierChamp(f->Modele, "Planeur de voltige, 3 m d'envergure");
    }
    for (int32_t rang = 1; rang <= 2000; ++rang) {
        etat->FicheCourante = 1 + rang % 998;
        EntreePlan* n = NouvelleEntreePlan(*etat);
        n->Liste = rang <= 1500 ? PlanVols : FileAttente;
        n->Rang = rang <= 1500 ? rang : rang - 1500;
    }
    etat->SauvegardeActive = 1;
    return etat;
}

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
