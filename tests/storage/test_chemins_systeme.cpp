// What the system's files and folders do to the program's: folders with
// accents and spaces, and targets the system will not let be replaced.
#include "cards/echange.h"
#include "engine/textes.h"
#include "print/mise_en_page.h"
#include "shell/commandes.h"
#include "storage/chemins.h"
#include "storage/fichier_atomique.h"
#include "storage/historique.h"
#include "storage/manifestation.h"
#include "tests/support/dossier_temporaire.h"
#include "tests/support/meeting.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

namespace fs = std::filesystem;
using ::testing::HasSubstr;

// A user's folder with accents and spaces, written as the system writes it.
TEST(CheminsAccentues, AMeetingThereOpensSavesAndIsNamedOnTheBoardAndThePrintout)
{
    DossierTemporaire d;
    const std::string dossier = JoindreChemin(JoindreChemin(JoindreChemin(CheminUtf8(d.Chemin()), "\xC3\x89lodie"), "Documents"),
                                              "R\xC3\xA9union 2026");
    fs::create_directories(CheminNatif(dossier));
    const std::string chemin = JoindreChemin(dossier, "F\xC3\xAAte de l'\xC3\xA9t\xC3\xA9.mhz");
    Reunion r;
    r.Plan({35010, 35050});
    r.Fiche(12, "\xC3\x89lodie", 35010);
    r.port.RepondreFichier(chemin);
    r.port.RepondreNouveauMotDePasse("");
    ASSERT_TRUE(ChoisirNouveauFichier(r.etat));
    r.etat.HistoriqueActif = 1;
    PreparerHistorique(r.etat);
    EcrireHistorique(r.etat, EVT_LANCEMENT);
    SauverManifestation(r.etat);
    SauverSecours(r.etat);
    r.port.RepondreFichier(JoindreChemin(dossier, "\xC3\xA9l\xC3\xA8ves.txt"));
    ExporterFiches(r.etat);
    LibererManifestation(r.etat);

    for (const char* fichier : {"F\xC3\xAAte de l'\xC3\xA9t\xC3\xA9.mhz", "F\xC3\xAAte de l'\xC3\xA9t\xC3\xA9.bak",
                                "F\xC3\xAAte de l'\xC3\xA9t\xC3\xA9.txt", "\xC3\xA9l\xC3\xA8ves.txt"})
        EXPECT_TRUE(fs::is_regular_file(CheminNatif(JoindreChemin(dossier, fichier)))) << fichier;

    Reunion suivante;
    ASSERT_TRUE(ReprendreManifestation(suivante.etat, chemin));
    EXPECT_EQ(suivante.etat.CheminManifestation, chemin);
    const std::string nom = "F\xEAte de l'\xE9t\xE9.mhz";
    EXPECT_THAT(TitreFenetrePrincipale(suivante.etat), HasSubstr(nom));
    Mesures papier;
    papier.LargeurCar = 10;
    papier.HauteurLigne = 20;
    papier.LargeurPage = 1300;
    papier.HauteurPage = 600;
    papier.Largeur = [](std::string_view t, PoliceImpression) { return static_cast<int>(t.size()) * 10; };
    const auto pages = MettreEnPage(suivante.etat, Impression::Fiches, papier);
    ASSERT_FALSE(pages.empty());
    bool entete = false;
    for (const TexteImprime& t : pages[0].Textes) entete = entete || t.Texte.find(nom) != std::string::npos;
    EXPECT_TRUE(entete);
    Reunion autre;
    autre.Plan({35010, 35050});
    const ResultatImport import = ImporterFichier(autre.etat, JoindreChemin(dossier, "\xC3\xA9l\xC3\xA8ves.txt"));
    EXPECT_FALSE(import.Incompatible);
    EXPECT_TRUE(import.Erreurs.empty());
    EXPECT_EQ(import.Importees, 1);
}

// The system may refuse to replace a file: the failure is said, the old bytes
// stay and nothing is left beside them. What it refuses differs: Windows keeps
// a read-only file or one another program holds open; elsewhere the name is
// simply given to the new file.
TEST(EcrireFichierAtomique, WhatTheSystemWillNotReplaceKeepsItsBytes)
{
#ifdef _WIN32
    constexpr bool WINDOWS = true;
#else
    constexpr bool WINDOWS = false;
#endif
    struct Cas {
        const char* nom;
        // Sets the obstacle up; what it returns takes it away.
        std::function<std::function<void()>(const std::string&)> obstacle;
        bool remplace;
    };
    const Cas cas[] = {
        {"a folder where the temporary file goes",
         [](const std::string& f) {
             fs::create_directory(CheminNatif(f + ".tmp"));
             return [f] { fs::remove(CheminNatif(f + ".tmp")); };
         },
         false},
        {"a read-only file",
         [](const std::string& f) {
             fs::permissions(CheminNatif(f), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                             fs::perm_options::remove);
             return [f] { fs::permissions(CheminNatif(f), fs::perms::owner_write, fs::perm_options::add); };
         },
         !WINDOWS},
        {"a file another program holds open",
         [](const std::string& f) {
             auto lecteur = std::make_shared<std::ifstream>(CheminNatif(f), std::ios::binary);
             return [lecteur] { lecteur->close(); };
         },
         !WINDOWS},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        DossierTemporaire d;
        const std::string fichier = d.Fichier("Koral du 06_12_26.mhz");
        ASSERT_EQ(EcrireFichierAtomique(fichier, "ancien"), EchecEcriture::Aucun);
        const auto lever = c.obstacle(fichier);
        const EchecEcriture echec = EcrireFichierAtomique(fichier, "nouveau");
        lever();
        EXPECT_EQ(echec == EchecEcriture::Aucun, c.remplace);
        EXPECT_EQ(LireOctets(fichier), c.remplace ? "nouveau" : "ancien");
        if (!c.remplace) EXPECT_NE(echec, EchecEcriture::PlaceInsuffisante);
        EXPECT_FALSE(fs::exists(CheminNatif(fichier + ".tmp")));
    }
}
