#include "stand/defilant.h"
#include "stand/file_attente.h"
#include "stand/modes.h"
#include "storage/manifestation.h"
#include "tests/stand/stand_test.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::EndsWith;
using ::testing::HasSubstr;

TEST(PorteMotDePasse, AsksOnlyWhenLeavingFreeServiceWithAPassword)
{
    struct Cas { int32_t depuis; int commande; const char* mot; bool demande; };
    for (const Cas& c : {Cas{0, 221, "secret", true}, Cas{0, 222, "secret", true}, Cas{0, 223, "secret", true},
                         Cas{0, 220, "secret", false}, Cas{1, 222, "secret", false}, Cas{2, 220, "secret", false},
                         Cas{3, 221, "secret", false}, Cas{0, 221, "", false}}) {
        ReunionStand r;
        r.etat.ModeSortie = c.depuis;
        r.etat.MotDePasse = c.mot;
        if (c.demande) r.port.RepondreMotDePasse(std::string("secret"));
        const ChangementMode m = ChangerMode(r.etat, c.commande);
        EXPECT_TRUE(m.Fait) << c.depuis << " " << c.commande;
        EXPECT_EQ(r.port.MotsDePasseDemandes, c.demande ? 1 : 0) << c.depuis << " " << c.commande;
        EXPECT_EQ(r.etat.ModeSortie, c.commande - 220);
        EXPECT_EQ(r.port.Bips, 0);
    }
}

TEST(PorteMotDePasse, AWrongOrAbandonedPasswordBeepsAndChangesNothing)
{
    for (std::optional<std::string> tape : {std::optional<std::string>("Secret"), std::optional<std::string>("secre"),
                                            std::optional<std::string>()}) {
        ReunionStand r;
        r.etat.ModeSortie = ModeLibreService;
        r.etat.ModePrecedent = ModeFiches;
        r.etat.MotDePasse = "secret";
        r.port.RepondreMotDePasse(tape);
        const ChangementMode m = ChangerMode(r.etat, 221);
        EXPECT_FALSE(m.Fait);
        EXPECT_EQ(r.port.Bips, 1);
        EXPECT_TRUE(r.port.Messages.empty());
        EXPECT_EQ(r.etat.ModeSortie, ModeLibreService);
        EXPECT_EQ(r.etat.ModePrecedent, ModeFiches);
        EXPECT_TRUE(r.Historique().empty());
    }
}

TEST(PorteMotDePasse, AFifteenCharacterPasswordIsKeptAsItsFirstTwelve)
{
    ReunionStand r;
    r.port.RepondreNouveauMotDePasse("abcdefghijklmno");
    CreerMotDePasse(r.etat);
    EXPECT_EQ(r.etat.MotDePasse, "abcdefghijkl");
    r.etat.ModeSortie = ModeLibreService;
    r.port.RepondreMotDePasse(std::string("abcdefghijkl"));
    EXPECT_TRUE(PorteMotDePasse(r.etat));
    // What is typed past twelve characters does not count either.
    r.port.RepondreMotDePasse(std::string("abcdefghijklXYZ"));
    EXPECT_TRUE(PorteMotDePasse(r.etat));
    r.port.RepondreMotDePasse(std::string("abcdefghijk"));
    EXPECT_FALSE(PorteMotDePasse(r.etat));
}

TEST(ChangerMode, LogsTheTwoModesAndSaysWhatTheWindowDoes)
{
    ReunionStand r;
    struct Pas { int commande; Defilant2 ligne2; bool active; const char* texte; };
    const Pas pas[] = {
        {222, Defilant2::Montrer, true, "1 --> 2"},
        {223, Defilant2::Inchange, true, "2 --> 3"},
        {220, Defilant2::Cacher, false, "3 --> 0"},
        {223, Defilant2::Montrer, true, "0 --> 3"},
        {221, Defilant2::Cacher, true, "3 --> 1"},
        {221, Defilant2::Cacher, true, "1 --> 1"},
    };
    for (const Pas& p : pas) {
        const ChangementMode m = ChangerMode(r.etat, p.commande);
        EXPECT_TRUE(m.Fait);
        EXPECT_EQ(m.Ligne2, p.ligne2) << p.texte;
        EXPECT_EQ(m.ActiverCommandes, p.active) << p.texte;
    }
    const auto lignes = r.Historique();
    ASSERT_EQ(lignes.size(), std::size(pas));
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        EXPECT_THAT(lignes[i], HasSubstr("Chgt de mode"));
        EXPECT_THAT(lignes[i], EndsWith(std::string(" ") + pas[i].texte));
    }
    // The mode reaches the meeting file at once.
    const auto lu = DecoderManifestation(r.FichierManifestation(), 0);
    ASSERT_TRUE(lu);
    EXPECT_EQ(lu->ModeSortie, ModeFiches);
    EXPECT_FALSE(ChangerMode(r.etat, 224).Fait);
}

TEST(ChangerMode, OnlyTheListModesRecountTheTransmittersOut)
{
    ReunionStand r;
    r.Plan({35010, 35050});
    r.Entree(35010).Etat = Sortie;   // out, but not counted yet
    ChangerMode(r.etat, 221);
    ChangerMode(r.etat, 220);
    EXPECT_EQ(r.etat.NbSorties, 0);
    ChangerMode(r.etat, 222);
    EXPECT_EQ(r.etat.NbSorties, 1);
    r.Entree(35050).Etat = Sortie;
    ChangerMode(r.etat, 223);
    EXPECT_EQ(r.etat.NbSorties, 2);
}

TEST(CommandesDuMode, FreeServiceLocksEverythingAndOnlyPlannedModeOffersThePlan)
{
    const EtatCommandes libre = CommandesDuMode(ModeLibreService);
    EXPECT_EQ(libre.Menus, (std::array<bool, 5>{false, false, false, false, false}));
    EXPECT_FALSE(libre.Controles || libre.Bouton202 || libre.Bouton216 || libre.SecondItemActif);
    for (int32_t mode : {ModeFiches, ModeFileAttente}) {
        const EtatCommandes c = CommandesDuMode(mode);
        EXPECT_EQ(c.Menus, (std::array<bool, 5>{true, true, false, true, true}));
        EXPECT_TRUE(c.Controles && c.Bouton202 && c.Bouton216);
        EXPECT_EQ(c.TexteSecondItem, 16);
        EXPECT_FALSE(c.SecondItemActif);
    }
    const EtatCommandes plan = CommandesDuMode(ModePlanifie);
    EXPECT_EQ(plan.Menus, (std::array<bool, 5>{true, true, true, true, true}));
    EXPECT_EQ(plan.TexteSecondItem, 10);
    EXPECT_TRUE(plan.SecondItemActif);
    EXPECT_EQ(plan.CommandeSecondItem, 214);
}

TEST(FileAttente, RanksStayContiguousAndThePlanIsLeftAlone)
{
    ReunionStand r;
    EntreePlan& plan3 = r.Noeud(PlanVols, 3, 40);
    for (int32_t n : {12, 7, 5}) {
        r.etat.FicheCourante = n;
        EntreePlan* e = AjouterEnFile(r.etat);
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(e->NumeroFiche, n);
        EXPECT_EQ(e->Liste, FileAttente);
        EXPECT_EQ(e->EtatVol, VolEnAttente);
        EXPECT_EQ(e->Rang, r.etat.NbEntreesAttente());
    }
    EntreePlan* deuxieme = ChercheRangDansListe(r.etat, 2, FileAttente);
    ASSERT_NE(deuxieme, nullptr);
    RetirerDeFile(r.etat, *deuxieme);
    EXPECT_EQ(r.etat.NbEntreesAttente(), 2);
    EXPECT_EQ(ChercheRangDansListe(r.etat, 1, FileAttente)->NumeroFiche, 12);
    EXPECT_EQ(ChercheRangDansListe(r.etat, 2, FileAttente)->NumeroFiche, 5);
    EXPECT_EQ(plan3.Rang, 3);
    // A plan node is not the queue's to remove.
    RetirerDeFile(r.etat, plan3);
    EXPECT_EQ(r.etat.NbEntreesPlan(), 1);
    EXPECT_EQ(r.etat.NbEntreesAttente(), 2);
}

TEST(TexteDefilant2, NamesWhoIsNextInTheListModesOnly)
{
    ReunionStand r;
    r.Plan({35010, 35050, 41010});
    r.Fiche(12, "Martin", 35010);
    r.Fiche(7, "Durand", 35050);
    r.Fiche(5, "Petit", 41010);
    FicheVol& remarque = r.Fiche(2999, "", FREQUENCE_AUCUNE);
    CopierChamp(remarque.Modele, "D\xE9monstration de voltige");
    remarque.Etat = Arretee;
    r.Noeud(FileAttente, 2, 7);
    r.Noeud(FileAttente, 1, 12);
    r.Noeud(PlanVols, 1, 5, VolTermine);
    r.Noeud(PlanVols, 3, 2999);
    r.Noeud(PlanVols, 2, FICHE_PAUSE);
    r.Noeud(PlanVols, 4, 7);

    MajTexteDefilant2(r.etat);
    EXPECT_TRUE(r.etat.TexteDefilant2.Vide());
    r.etat.ModeSortie = ModeFileAttente;
    MajTexteDefilant2(r.etat);
    EXPECT_EQ(r.etat.TexteDefilant2, "Prochains : 12 Martin 35.010   7 Durand 35.050   ");
    r.etat.ModeSortie = ModePlanifie;
    MajTexteDefilant2(r.etat);
    EXPECT_EQ(r.etat.TexteDefilant2, "Plan :   pause   D\xE9monstration de voltige   7 Durand 35.050   ");
    r.etat.DecalageLangue = 1000;
    r.etat.ModeSortie = ModeFileAttente;
    MajTexteDefilant2(r.etat);
    EXPECT_EQ(r.etat.TexteDefilant2, "Next: 12 Martin 35.010   7 Durand 35.050   ");
}

TEST(TexteDefilant2, FollowsTheQueueAndStaysBounded)
{
    ReunionStand r;
    r.Plan({35010});
    r.etat.ModeSortie = ModeFileAttente;
    MajTexteDefilant2(r.etat);
    EXPECT_EQ(r.etat.TexteDefilant2, "Prochains :  - - - - - - - - ");
    for (int n = 1; n <= 30; ++n) {
        r.Fiche(n, "Nom-de-pilote-tres-long", 35010);
        r.etat.FicheCourante = n;
        AjouterEnFile(r.etat);
    }
    const std::string t = r.etat.TexteDefilant2.Chaine();
    EXPECT_THAT(t, ::testing::StartsWith("Prochains : 1 Nom-de-pilote-tres-long 35.010   2 "));
    EXPECT_THAT(t, EndsWith("8 Nom-de-pilote-tres-long 35.010   "));
    EXPECT_LT(t.size(), 512u);
    RetirerDeFile(r.etat, *ChercheRangDansListe(r.etat, 1, FileAttente));
    EXPECT_THAT(r.etat.TexteDefilant2.Chaine(), ::testing::StartsWith("Prochains : 2 Nom-de-pilote"));
    ChangerMode(r.etat, 221);
    EXPECT_TRUE(r.etat.TexteDefilant2.Vide());
}
