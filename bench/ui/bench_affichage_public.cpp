// The public display of the largest meeting refreshed and painted, as after
// every change of the stand: the stand must not wait for it.
#include "bench/manifestation_maximale.h"
#include "engine/emissions.h"
#include "engine/frequences.h"
#include "shell/ui/fenetre_publique.h"
#include "stand/sortie.h"

#include <QImage>
#include <benchmark/benchmark.h>

namespace {

void BM_RafraichirAffichagePublic(benchmark::State& state)
{
    PlateformeSilencieuse port;
    auto etat = ManifestationMaximale(port);
    DefinirPlan(*etat, PlanDeTailleMaximale());
    // Every 2.4 GHz slot out, so all 216 entries show.
    for (int32_t n = 1; n <= 24; ++n) {
        EntreeFrequence* e = ChercheFrequence(*etat, SEUIL_24GHZ + 20 * n);
        if (!e || !SortieFrequence(*etat, *e, n)) state.SkipWithError("a slot did not go out");
    }
    RecompteSorties(*etat);
    etat->ModeSortie = static_cast<int32_t>(state.range(0));
    FenetrePublique fenetre(*etat);
    fenetre.resize(1920, 1080);
    QImage image(fenetre.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        fenetre.Rafraichir();
        fenetre.render(&image);
        benchmark::DoNotOptimize(image.bits());
    }
    if (fenetre.Vue().Cases.size() != TAILLE_CATALOGUE) state.SkipWithError("not every entry is shown");
}

} // namespace

// Free service, and the planned mode with its list of who is next.
BENCHMARK(BM_RafraichirAffichagePublic)->Arg(0)->Arg(3)->Unit(benchmark::kMillisecond);
