// The real program started twice at the same moment, and again while the first
// start still asks for its language: one stand runs, the other start ends.
#include "tests/support/dossier_temporaire.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>

namespace {

struct Lancement {
    DossierTemporaire maison;   // a user of their own: no language chosen yet

    QProcess* Demarrer(QObject* parent)
    {
        auto* p = new QProcess(parent);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", QString::fromStdString(maison.Chemin().string()));
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.remove("XDG_CONFIG_HOME");
        const auto runtime = maison.Chemin() / "run";
        std::filesystem::create_directories(runtime);
        std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
        env.insert("XDG_RUNTIME_DIR", QString::fromStdString(runtime.string()));
        p->setProcessEnvironment(env);
        p->setProgram(KORAL_BUILD_DIR "/koralis");
        return p;
    }
};

// How many of the starts are still running once the others have ended.
int EnMarche(const std::vector<QProcess*>& starts)
{
    for (int attente = 0; attente < 300; ++attente) {
        int finis = 0;
        for (QProcess* p : starts) finis += p->state() == QProcess::NotRunning;
        if (finis >= static_cast<int>(starts.size()) - 1) break;
        QTest::qWait(20);
    }
    QTest::qWait(300);   // the stand that stays stays
    int vivants = 0;
    for (QProcess* p : starts) {
        if (p->state() != QProcess::NotRunning) {
            ++vivants;
        } else {
            EXPECT_EQ(p->exitStatus(), QProcess::NormalExit);
            EXPECT_EQ(p->exitCode(), 0);
        }
    }
    return vivants;
}

void Arreter(const std::vector<QProcess*>& starts)
{
    for (QProcess* p : starts) {
        p->kill();
        p->waitForFinished(3000);
    }
}

} // namespace

TEST(DeuxLancements, TwoStartsAtTheSameMomentGiveOneStand)
{
    for (int essai = 0; essai < 3; ++essai) {
        Lancement l;
        QObject parent;
        const std::vector<QProcess*> starts = {l.Demarrer(&parent), l.Demarrer(&parent), l.Demarrer(&parent)};
        for (QProcess* p : starts) p->start();
        for (QProcess* p : starts) ASSERT_TRUE(p->waitForStarted(5000));
        EXPECT_EQ(EnMarche(starts), 1) << essai;
        Arreter(starts);
    }
}

TEST(DeuxLancements, ASecondStartWhileTheFirstAsksForItsLanguageEnds)
{
    Lancement l;
    QObject parent;
    QProcess* premier = l.Demarrer(&parent);
    premier->start();
    ASSERT_TRUE(premier->waitForStarted(5000));
    QTest::qWait(1500);   // the language dialog of a first start is open
    ASSERT_EQ(premier->state(), QProcess::Running);
    QProcess* second = l.Demarrer(&parent);
    second->start();
    ASSERT_TRUE(second->waitForFinished(5000));
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_EQ(premier->state(), QProcess::Running);
    Arreter({premier});
}
