// DIALPILOTES opened on 998 cards and shown, offscreen, in each order.
#include "bench/manifestation_maximale.h"
#include "cards/ui/dialogue_liste_fiches.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

void BM_OuvrirListeFiches(benchmark::State& state)
{
    PlateformeSilencieuse port;
    auto etat = ManifestationMaximale(port);
    etat->CleTri = static_cast<int32_t>(state.range(0));
    for (auto _ : state) {
        DialogueListeFiches dialogue(*etat, [](int) {});
        dialogue.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(dialogue.isVisible());
    }
}

} // namespace

BENCHMARK(BM_OuvrirListeFiches)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
