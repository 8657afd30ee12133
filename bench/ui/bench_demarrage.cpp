// From nothing to the board shown, offscreen, on the sample meeting.
#include "engine/etat.h"
#include "engine/plateforme_silencieuse.h"
#include "shell/commandes.h"
#include "shell/ui/fenetre_principale.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

// The stand rewrites what it opens: it works on a copy, never on the shipped sample.
std::string CopieExemple()
{
    const auto dossier = std::filesystem::temp_directory_path() / "koralis-bench";
    std::filesystem::create_directories(dossier);
    const auto copie = dossier / "EXEMPLE4.MHZ";
    std::filesystem::copy_file(KORAL_EXEMPLE, copie, std::filesystem::copy_options::overwrite_existing);
    return copie.string();
}

void BM_DemarrageJusquAuTableau(benchmark::State& state)
{
    const std::string exemple = CopieExemple();
    for (auto _ : state) {
        PlateformeSilencieuse port;
        EtatGlobal etat(port);
        FenetrePrincipale fenetre(etat);
        if (!CreerFenetrePrincipale(etat, fenetre, exemple)) {
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
