// A cold start of the program on the sample up to its first painted board,
// side by side with a hello-world Qt window: whole processes, started anew.
#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <string_view>

namespace {

// A user whose language is chosen: no dialog waits at the start.
QProcessEnvironment Environnement(const QTemporaryDir& maison, const char* plateforme)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", maison.path());
    env.insert("QT_QPA_PLATFORM", plateforme);
    env.remove("XDG_CONFIG_HOME");
    QDir(maison.path()).mkpath(".config/TRAX");
    QFile reglages(maison.filePath(".config/TRAX/Koralis.conf"));
    if (reglages.open(QIODevice::WriteOnly)) reglages.write("[General]\nLangue=0\n");
    return env;
}

void Lancer(benchmark::State& state, const char* plateforme, const QString& programme, const QStringList& arguments)
{
    // Under xvfb-run the starts are measured on an X server too.
    if (std::string_view(plateforme) == "xcb" && qEnvironmentVariableIsEmpty("DISPLAY")) {
        state.SkipWithError("no X display");
        return;
    }
    QTemporaryDir maison;
    const QProcessEnvironment env = Environnement(maison, plateforme);
    for (auto _ : state) {
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(programme, arguments);
        if (!p.waitForFinished(30000) || p.exitCode() != 0) state.SkipWithError("the start did not end well");
    }
}

void BM_DemarrageAFroidKoralis(benchmark::State& state, const char* plateforme)
{
    QTemporaryDir dossier;
    const QString exemple = dossier.filePath("EXEMPLE4.MHZ");
    QFile::copy(QStringLiteral(KORAL_EXEMPLE), exemple);
    Lancer(state, plateforme, QStringLiteral(KORAL_BENCH_DIR "/koralis_jusquau_tableau"), {exemple});
}

void BM_DemarrageAFroidBonjourQt(benchmark::State& state, const char* plateforme)
{
    Lancer(state, plateforme, QStringLiteral(KORAL_BENCH_DIR "/bonjour_qt"), {});
}

} // namespace

BENCHMARK_CAPTURE(BM_DemarrageAFroidBonjourQt, offscreen, "offscreen")->Unit(benchmark::kMillisecond)->Iterations(15);
BENCHMARK_CAPTURE(BM_DemarrageAFroidKoralis, offscreen, "offscreen")->Unit(benchmark::kMillisecond)->Iterations(15);
BENCHMARK_CAPTURE(BM_DemarrageAFroidBonjourQt, xcb, "xcb")->Unit(benchmark::kMillisecond)->Iterations(15);
BENCHMARK_CAPTURE(BM_DemarrageAFroidKoralis, xcb, "xcb")->Unit(benchmark::kMillisecond)->Iterations(15);
