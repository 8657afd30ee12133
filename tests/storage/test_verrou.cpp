// One program per meeting file, a lock the system drops when its holder ends,
// and the files derived from a private meeting kept private.
#include "cards/echange.h"
#include "storage/historique.h"
#include "storage/manifestation.h"
#include "storage/verrou.h"
#include "storage/chemins.h"
#include "tests/support/autre_processus.h"
#include "tests/support/dossier_temporaire.h"
#include "tests/support/meeting.h"

#include <gtest/gtest.h>

#include <filesystem>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace fs = std::filesystem;

TEST(VerrouFichier, OneHolderAtATimeWhoIsNamedAndTheFileGoesWithTheLock)
{
    DossierTemporaire d;
    const std::string chemin = d.Fichier("m.mhz.lck");
    VerrouFichier premier, second;
    ASSERT_EQ(premier.Prendre(chemin), PriseVerrou::Prise);
    EXPECT_EQ(second.Prendre(chemin), PriseVerrou::Tenue);
    const auto d1 = LireDetenteur(chemin);
    ASSERT_TRUE(d1);
    EXPECT_EQ(d1->Utilisateur, CeProgramme().Utilisateur);
    EXPECT_EQ(d1->Machine, CeProgramme().Machine);
    EXPECT_EQ(d1->Processus, CeProgramme().Processus);
    EXPECT_FALSE(CeProgramme().Utilisateur.empty());
    premier.Relacher();
    EXPECT_FALSE(fs::exists(chemin));
    EXPECT_EQ(second.Prendre(chemin), PriseVerrou::Prise);
    // A folder that does not exist holds no lock, for anybody.
    VerrouFichier nulle;
    EXPECT_EQ(nulle.Prendre(d.Fichier("absent/m.mhz.lck")), PriseVerrou::Impossible);
    EXPECT_FALSE(nulle.Tenu());
}

// Another program holds the meeting, then is killed: its lock goes with it.
TEST(VerrouFichier, AProgramKilledLeavesNoLockBehind)
{
    DossierTemporaire d;
    const std::string chemin = d.Fichier("m.mhz.lck");
    AutreProcessus autre("verrou", chemin);
    ASSERT_TRUE(autre.Lance());
    ASSERT_TRUE(AttendreFichier(chemin + ".pret"));
    ASSERT_EQ(LireOctets(chemin + ".pret"), "1");
    VerrouFichier ici;
    EXPECT_EQ(ici.Prendre(chemin), PriseVerrou::Tenue);
    EXPECT_EQ(LireDetenteur(chemin).value_or(Detenteur{}).Processus, autre.Identifiant());
    autre.Tuer();
    EXPECT_TRUE(fs::exists(CheminNatif(chemin)));
    EXPECT_EQ(ici.Prendre(chemin), PriseVerrou::Prise);
}

TEST(VerrouManifestation, ASecondProgramIsToldWhoHoldsTheMeetingAndCannotWriteIt)
{
    DossierTemporaire d;
    const std::string chemin = d.Fichier("Koral du 06_12_26.mhz");
    Reunion premier;
    premier.Plan({35010});
    premier.Fiche(12, "Martin", 35010);
    premier.port.RepondreFichier(chemin);
    premier.port.RepondreNouveauMotDePasse("");
    ASSERT_TRUE(ChoisirNouveauFichier(premier.etat));
    SauverManifestation(premier.etat);
    const std::string ecrit = LireOctets(chemin);

    // Resumed by a second program: refused, said, and the program ends without writing.
    Reunion second;
    second.port.RepondreOk();
    EXPECT_FALSE(ReprendreManifestation(second.etat, chemin));
    ASSERT_EQ(second.port.Messages.size(), 1u);
    const Detenteur moi = CeProgramme();
    EXPECT_EQ(second.port.Messages[0].Texte,
              FormaterTexte(Texte(second.etat, 223), moi.Utilisateur.c_str(), moi.Machine.c_str()));
    EXPECT_EQ(second.port.Messages[0].Detail, chemin);
    EXPECT_EQ(second.etat.QuitterAuDemarrage, 1);
    EXPECT_EQ(second.etat.SauvegardeActive, 0);
    SauverManifestation(second.etat);
    EXPECT_EQ(LireOctets(chemin), ecrit);
    // Nor can it take the file as a new meeting, or save its own over it.
    second.port.RepondreFichier(chemin);
    second.port.RepondreOk();
    EXPECT_FALSE(ChoisirNouveauFichier(second.etat));
    second.etat.SauvegardeActive = 1;
    second.port.RepondreFichier(chemin);
    second.port.RepondreOk();
    EXPECT_FALSE(EnregistrerAilleurs(second.etat));
    EXPECT_EQ(LireOctets(chemin), ecrit);

    // The first may save elsewhere and back: its own lock never stands in its way.
    premier.port.RepondreFichier(chemin);
    EXPECT_TRUE(EnregistrerAilleurs(premier.etat));
    // Once the first has let it go, the meeting opens.
    LibererManifestation(premier.etat);
    Reunion troisieme;
    EXPECT_TRUE(ReprendreManifestation(troisieme.etat, chemin));
    EXPECT_TRUE(troisieme.port.Messages.empty());
}

#ifndef _WIN32
// Every file made from a meeting kept private (mode 600: it holds the mode
// password) is private too, whatever the user's default.
TEST(FichiersDerives, TakeTheMeetingsPermissionsOrStricter)
{
    for (const mode_t meeting : {mode_t{0600}, mode_t{0640}, mode_t{0644}}) {
        DossierTemporaire d;
        Reunion r;
        r.Plan({35010});
        r.Fiche(12, "Martin", 35010);
        r.etat.SauvegardeActive = 1;
        DeriverChemins(r.etat, d.Fichier("m.mhz"));
        SauverManifestation(r.etat);
        ASSERT_EQ(chmod(r.etat.CheminManifestation.c_str(), meeting), 0);
        r.etat.ModeSortie = 2;
        SauverManifestation(r.etat);
        SauverSecours(r.etat);
        r.port.RepondreFichier(d.Fichier("export.txt"));
        ExporterFiches(r.etat);
        r.etat.HistoriqueActif = 1;
        r.etat.CheminHistorique = d.Fichier("m.txt");
        EcrireHistorique(r.etat, EVT_LANCEMENT);
        const mode_t masque = umask(0);
        umask(masque);
        auto droits = [](const std::string& f) {
            struct stat s {};
            stat(f.c_str(), &s);
            return s.st_mode & 0777;
        };
        EXPECT_EQ(droits(r.etat.CheminManifestation), meeting);
        for (const std::string& derive : {r.etat.CheminSecours, d.Fichier("export.txt"), d.Fichier("m.txt")})
            EXPECT_EQ(droits(derive), meeting & 0666 & ~masque) << derive << " " << std::oct << meeting;
    }
}
#endif
