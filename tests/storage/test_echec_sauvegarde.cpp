#include "engine/textes.h"
#include "freqplan/catalogue.h"
#include "freqplan/plan_frequences.h"
#include "shell/commandes.h"
#include "storage/historique.h"
#include "storage/manifestation.h"
#include "tests/support/dossier_temporaire.h"
#include "tests/support/fenetre_test.h"
#include "tests/support/meeting.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;
using ::testing::HasSubstr;

namespace {

// A meeting saved in a folder of its own, with its history beside it.
struct Sauvegarde : ::testing::Test {
    DossierTemporaire dossier;
    std::string chemin = dossier.Fichier("Koral du 06_12_26.mhz");
    Reunion r;

    void SetUp() override
    {
        r.Plan({35010, 35050});
        r.Fiche(12, "Martin", 35010);
        r.etat.SauvegardeActive = 1;
        DeriverChemins(r.etat, chemin);
        r.etat.HistoriqueActif = 1;
        r.etat.CheminHistorique = dossier.Fichier("Koral du 06_12_26.txt");
    }
    // The temporary file cannot be made while a folder stands in its place.
    void Bloquer(const std::string& fichier) { fs::create_directory(fichier + ".tmp"); }
    void Debloquer(const std::string& fichier) { fs::remove(fichier + ".tmp"); }
    std::string Historique() const { return LireOctets(r.etat.CheminHistorique); }
};

} // namespace

// What the system answers when a folder stands where the file is opened.
#ifdef _WIN32
constexpr int RAISON_DOSSIER = 189;   // access denied
#else
constexpr int RAISON_DOSSIER = 190;   // not a file
#endif

TEST_F(Sauvegarde, AFailureIsSaidOnceThenAgainOnlyAfterASaveWorked)
{
    SauverManifestation(r.etat);
    const std::string bon = LireOctets(chemin);
    Bloquer(chemin);
    r.port.RepondreOk();
    r.etat.ModeSortie = ModeLibreService;
    SauverManifestation(r.etat);
    ASSERT_EQ(r.port.Messages.size(), 1u);
    EXPECT_EQ(r.port.Messages[0].Texte,
              FormaterTexte(Texte(r.etat, 187), Texte(r.etat, RAISON_DOSSIER).c_str(), chemin.c_str()));
    EXPECT_EQ(LireOctets(chemin), bon);   // the last good file stays
    EXPECT_EQ(r.etat.EchecSauvegarde, 1);

    SauverManifestation(r.etat);
    SauverManifestation(r.etat);
    EXPECT_EQ(r.port.Messages.size(), 1u);   // never a box per click

    Debloquer(chemin);
    SauverManifestation(r.etat);
    EXPECT_EQ(r.etat.EchecSauvegarde, 0);
    EXPECT_EQ(LireOctets(chemin), ImageManifestation(r.etat));

    Bloquer(chemin);
    r.port.RepondreOk();
    r.etat.ModeSortie = ModeFiches;
    SauverManifestation(r.etat);
    EXPECT_EQ(r.port.Messages.size(), 2u);
    // The history holds the failures and the save that worked between them.
    const std::string h = Historique();
    EXPECT_THAT(h, HasSubstr("Sauvegarde           ECHEC - " + chemin));
    EXPECT_THAT(h, HasSubstr("Sauvegarde           OK - " + chemin));
    EXPECT_NE(h.find("ECHEC", h.find("OK - ")), std::string::npos);
}

TEST_F(Sauvegarde, TheBackupSaysItsOwnFailure)
{
    Bloquer(r.etat.CheminSecours);
    r.port.RepondreOk();
    SauverSecours(r.etat);
    SauverManifestation(r.etat);
    ASSERT_EQ(r.port.Messages.size(), 1u);
    EXPECT_THAT(r.port.Messages[0].Texte, HasSubstr(r.etat.CheminSecours));
    EXPECT_EQ(r.etat.EchecSauvegarde, 0);
}

#ifndef _WIN32
// POSIX permission bits and symbolic links (Windows has neither for its users).
TEST_F(Sauvegarde, PermissionsAndLinksSurviveASave)
{
    SauverManifestation(r.etat);
    fs::permissions(chemin, fs::perms::owner_read | fs::perms::owner_write);
    r.etat.ModeSortie = ModeLibreService;
    SauverManifestation(r.etat);
    EXPECT_EQ(fs::status(chemin).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);

    // A meeting file reached through a link: the target is rewritten, the link stays.
    const std::string lien = dossier.Fichier("lien.mhz");
    fs::create_symlink("Koral du 06_12_26.mhz", lien);
    DeriverChemins(r.etat, lien);
    r.etat.ModeSortie = ModePlanifie;
    SauverManifestation(r.etat);
    EXPECT_TRUE(fs::is_symlink(lien));
    EXPECT_EQ(LireOctets(chemin), ImageManifestation(r.etat));
    EXPECT_FALSE(fs::exists(lien + ".tmp"));
}
#endif

TEST_F(Sauvegarde, OpeningRemovesWhatACrashLeftBeside)
{
    SauverManifestation(r.etat);
    EcrireOctets(chemin + ".tmp", "half a meeting");
    EcrireOctets(r.etat.CheminSecours + ".tmp", "half a backup");
    Reunion suivante;
    ASSERT_TRUE(ReprendreManifestation(suivante.etat, chemin));
    EXPECT_FALSE(fs::exists(chemin + ".tmp"));
    EXPECT_FALSE(fs::exists(r.etat.CheminSecours + ".tmp"));
}

TEST_F(Sauvegarde, QuittingAfterAFailureAsksToSaveElsewhere)
{
    FenetreTest f;
    Bloquer(chemin);
    r.port.RepondreOk();         // the failure itself
    r.port.RepondreContinuer();  // stay in the program
    ExecuterCommande(r.etat, f, 100);
    EXPECT_FALSE(f.Detruite);
    ASSERT_EQ(r.port.Messages.size(), 2u);
    EXPECT_EQ(r.port.Messages[1].Texte, Texte(r.etat, 191));

    // OUI, the file dialog cancelled, then OUI again with a folder that works.
    const std::string ailleurs = dossier.Fichier("ailleurs.mhz");
    r.port.RepondreOui();
    r.port.RepondreFichier(std::nullopt);
    r.port.RepondreOui();
    r.port.RepondreFichier(ailleurs);
    ExecuterCommande(r.etat, f, 100);
    EXPECT_TRUE(f.Detruite);
    EXPECT_EQ(r.port.ReponsesRestantes(), 0u);
    EXPECT_EQ(r.port.Fichiers.back().Titre, Texte(r.etat, 62));
    EXPECT_EQ(r.etat.CheminManifestation, ailleurs);
    EXPECT_FALSE(LireOctets(ailleurs).empty());
}

TEST_F(Sauvegarde, QuittingAnywayLeavesWithoutAnotherFile)
{
    FenetreTest f;
    Bloquer(chemin);
    r.port.RepondreOk();
    r.port.RepondreNon();
    ExecuterCommande(r.etat, f, 100);
    EXPECT_TRUE(f.Detruite);
    EXPECT_TRUE(r.port.Fichiers.empty());
}

TEST_F(Sauvegarde, AFrequencyPlanThatCannotBeWrittenIsReported)
{
    OuvrirCatalogue(r.etat);
    const std::string frq = dossier.Fichier("absent/plan.frq");
    r.port.RepondreFichier(frq);
    r.port.RepondreOk();
    EXPECT_FALSE(SauverPlanFrequences(r.etat));
    ASSERT_EQ(r.port.Messages.size(), 1u);
    EXPECT_THAT(r.port.Messages[0].Texte, HasSubstr(frq));
    AbandonnerPlanFrequences(r.etat);
}
