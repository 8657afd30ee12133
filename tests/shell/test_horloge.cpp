#include "shell/horloge.h"

#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <thread>

// The port's clock as every system has it: a tick that follows the time that
// passes, and a local date and time that move on with it.
TEST(HorlogeSysteme, TheTickFollowsTheTimeAndTheDateMovesOnWithIt)
{
    const uint32_t avant = TickSysteme();
    const DateHeure debut = MaintenantSysteme();
    std::this_thread::sleep_for(std::chrono::milliseconds(1100));
    const uint32_t ecoule = TickSysteme() - avant;
    EXPECT_GE(ecoule, 1090u);
    EXPECT_LT(ecoule, 5000u);
    const DateHeure fin = MaintenantSysteme();
    EXPECT_GE(debut.Annee, 2024);
    EXPECT_TRUE(debut.Mois >= 1 && debut.Mois <= 12 && debut.Jour >= 1 && debut.Jour <= 31);
    EXPECT_TRUE(debut.Heure < 24 && debut.Minute < 60 && debut.Seconde < 61);
    auto secondes = [](const DateHeure& d) { return (d.Heure * 60 + d.Minute) * 60 + d.Seconde; };
    const int pas = (secondes(fin) - secondes(debut) + 86400) % 86400;
    EXPECT_GE(pas, 1);
    EXPECT_LE(pas, 5);
}
