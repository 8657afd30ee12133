// DIALPILOTES opened on 998 cards and shown, offscreen, in each order.
#include "bench/manifestation_maximale.h"
#include "cards/ui/dialogue_liste_fiches.h"
#include "print/ui/impression_qt.h"

#include <QApplication>
#include <QDir>
#include <QPrinter>
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

namespace {

// The card list of a full meeting printed to a PDF file.
void BM_ImprimerFichesPdf(benchmark::State& state)
{
    PlateformeSilencieuse port;
    auto etat = ManifestationMaximale(port);
    const QString pdf = QDir::temp().filePath(QStringLiteral("koral-bench-fiches.pdf"));
    for (auto _ : state) {
        QPrinter imprimante(QPrinter::HighResolution);
        imprimante.setOutputFormat(QPrinter::PdfFormat);
        imprimante.setOutputFileName(pdf);
        if (DessinerImpression(*etat, Impression::Fiches, imprimante) != ResultatImpression::Imprime)
            state.SkipWithError("the card list was not printed");
    }
}

} // namespace

BENCHMARK(BM_ImprimerFichesPdf)->Unit(benchmark::kMillisecond);
