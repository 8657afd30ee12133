// From nothing to the board shown, offscreen, on the sample meeting.
#include "engine/etat.h"
#include "engine/plateforme_silencieuse.h"
#include "shell/commandes.h"
#include "shell/ui/fenetre_principale.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

void BM_DemarrageJusquAuTableau(benchmark::State& state)
{
    for (auto _ : state) {
        PlateformeSilencieuse port;
        EtatGlobal etat(port);
        FenetrePrincipale fenetre(etat);
        if (!CreerFenetrePrincipale(etat, fenetre, KORAL_EXEMPLE)) {
            state.SkipWithError("the sample meeting did not open");
            return;
        }
        fenetre.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(etat.NbFrequences());
    }
}

} // namespace

BENCHMARK(BM_DemarrageJusquAuTableau)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
