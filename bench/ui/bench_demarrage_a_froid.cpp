// A cold start of the program on the sample up to its first painted board,
// side by side with a hello-world Qt window: whole processes, started anew.
#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

// A user whose language is chosen: no dialog waits at the start.
QProcessEnvironment Environnement(const QTemporaryDir& maison)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", maison.path());
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.remove("XDG_CONFIG_HOME");
    QDir(maison.path()).mkpath(".config/TRAX");
    QFile reglages(maison.filePath(".config/TRAX/Koralis.conf"));
    if (reglages.open(QIODevice::WriteOnly)) reglages.write("[General]\nLangue=0\n");
    return env;
}

void Lancer(benchmark::State& state, const QString& programme, const QStringList& arguments)
{
    QTemporaryDir maison;
    const QProcessEnvironment env = Environnement(maison);
    for (auto _ : state) {
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(programme, arguments);
        if (!p.waitForFinished(30000) || p.exitCode() != 0) state.SkipWithError("the start did not end well");
    }
}

void BM_DemarrageAFroidKoralis(benchmark::State& state)
{
    QTemporaryDir dossier;
    const QString exemple = dossier.filePath("EXEMPLE4.MHZ");
    QFile::copy(QStringLiteral(KORAL_EXEMPLE), exemple);
    Lancer(state, QStringLiteral(KORAL_BENCH_DIR "/koralis_jusquau_tableau"), {exemple});
}

void BM_DemarrageAFroidBonjourQt(benchmark::State& state)
{
    Lancer(state, QStringLiteral(KORAL_BENCH_DIR "/bonjour_qt"), {});
}

} // namespace

BENCHMARK(BM_DemarrageAFroidBonjourQt)->Unit(benchmark::kMillisecond)->Iterations(15);
BENCHMARK(BM_DemarrageAFroidKoralis)->Unit(benchmark::kMillisecond)->Iterations(15);
