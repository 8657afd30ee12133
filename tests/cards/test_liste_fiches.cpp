#include "cards/liste_fiches.h"
#include "engine/frequences.h"
#include "stand/retour.h"
#include "storage/manifestation.h"
#include "tests/stand/stand_test.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::EndsWith;
using ::testing::HasSubstr;

namespace {

struct Liste : ::testing::Test {
    ReunionStand r;
    std::vector<int> commandes;
    void SetUp() override { r.Plan({35010, 35050, 40665, 2400000, 2400020}); }
    FicheVol& Carte(int32_t n, const std::string& nom, int32_t f)
    {
        FicheVol& c = r.Fiche(n, nom, f);
        ++r.Entree(f).NbUtilisateurs;
        return c;
    }
    ListePilotes Ouvrir()
    {
        return ListePilotes(r.etat, [this](int c) { commandes.push_back(c); });
    }
    static std::vector<int32_t> Numeros(const ListePilotes& l)
    {
        std::vector<int32_t> n;
        for (const LignePilote& p : l.Vue().Lignes) n.push_back(p.Numero);
        return n;
    }
    static int Ligne(const ListePilotes& l, int32_t numero)
    {
        for (std::size_t i = 0; i < l.Vue().Lignes.size(); ++i)
            if (l.Vue().Lignes[i].Numero == numero) return static_cast<int>(i);
        return -1;
    }
    std::string T(int n) { return Texte(r.etat, n); }
};

} // namespace

TEST_F(Liste, EachLineHasItsSixColumns)
{
    FicheVol& a = Carte(7, "Durand", 35050);
    a.NbVols = 3;
    a.CumulEmission = 61000;
    CopierChamp(a.Modele, "Extra 300 - 2.60 m - moteur 3W 150 cc - 40%");
    Carte(12, "Lef\xE8vre", 2400000).Etat = Arretee;
    FicheVol& c = Carte(3, "Un nom de 22 caract\xE8res", 35010);
    c.CumulEmission = 999;
    const ListePilotes l = Ouvrir();
    ASSERT_EQ(l.Vue().Lignes.size(), 3u);
    EXPECT_EQ(l.Vue().Lignes[0].Texte, " 003\tUn nom de 22 caract\xE8res\t35.010\t \t \t");
    EXPECT_EQ(l.Vue().Lignes[1].Texte, " 007\tDurand      \t35.050\t 3 vol(s)\t01 mn 01 s\tExtra 300 - 2.60 m - moteur 3W");
    EXPECT_EQ(l.Vue().Lignes[2].Texte, " 012\tLef\xE8vre     \t2.4 GHz\t \t \t<<< ARRET >>>");
    EXPECT_EQ(l.Vue().NbFiches, "3");
    EXPECT_EQ(l.Vue().NbArretes, "1");
    EXPECT_EQ(l.Vue().Date, "06 12 26");
    EXPECT_EQ(l.Vue().Ecart, "ON");
    EXPECT_EQ(l.Vue().Temps, T(43) + " non limit\xE9s.");
    // A "%" of a card stays what it is.
    CopierChamp(a.Modele, "100% %s %d");
    EXPECT_THAT(LigneDePilote(r.etat, *ChercheFiche(r.etat, 7, 1)), EndsWith("\t100% %s %d"));
    r.etat.Contraintes.TempsLimite = 1;
    r.etat.Contraintes.DureeMaxSecondes = 600;
    r.etat.Contraintes.Ecart20kHz = 0;
    EXPECT_EQ(Ouvrir().Vue().Temps, T(43) + " limit\xE9s \xE0 10 mn.");
    EXPECT_EQ(Ouvrir().Vue().Ecart, "OFF");
}

TEST_F(Liste, EveryOrderOfTheOperator)
{
    CopierChamp(Carte(7, "zoe", 35010).Modele, "Pitts");
    CopierChamp(Carte(3, "Zacharie", 40665).Modele, "Extra");
    CopierChamp(Carte(12, "albert", 35050).Modele, "ASW 28");
    CopierChamp(Carte(5, "Bruno", 2400000).Modele, "Avion");
    FicheVol* pause = ChercheFiche(r.etat, FICHE_PAUSE, 1);
    ASSERT_NE(pause, nullptr);
    struct Cas { int32_t cle; std::vector<int32_t> ordre; };
    for (const Cas& c : {Cas{0, {3, 5, 7, 12}}, Cas{1, {7, 12, 3, 5}}, Cas{2, {5, 3, 12, 7}}, Cas{3, {12, 5, 3, 7}}}) {
        r.etat.CleTri = c.cle;
        EXPECT_EQ(Numeros(Ouvrir()), c.ordre) << c.cle;
    }
}

TEST_F(Liste, NoCardSaysSoAndDisablesTheActions)
{
    r.port.RepondreOk();
    const ListePilotes l = Ouvrir();
    EXPECT_FALSE(l.Vue().ActionsActives);
    EXPECT_EQ(l.Vue().NbFiches, "0");
    ASSERT_EQ(r.port.Messages.size(), 1u);
    EXPECT_EQ(r.port.Messages[0].Texte, T(3));
    EXPECT_EQ(r.port.Messages[0].SujetAide, SUJET_AIDE_AUCUNE_FICHE);
    // Remark cards are not pilots.
    r.Fiche(2999, "", FREQUENCE_AUCUNE);
    r.port.RepondreOk();
    EXPECT_TRUE(Ouvrir().Vue().Lignes.empty());
}

TEST_F(Liste, ActionsOpenTheViewAndTheFormOnTheirCard)
{
    Carte(7, "Durand", 35050);
    Carte(3, "Petit", 35010);
    ListePilotes l = Ouvrir();
    l.Details(-1);
    EXPECT_TRUE(commandes.empty());
    l.Details(1);
    EXPECT_EQ(r.etat.FicheCourante, 7);
    l.Modifier(0);
    EXPECT_EQ(r.etat.FicheCourante, 3);
    EXPECT_EQ(r.etat.ModeDuplication, 0);
    l.Dupliquer(1);
    EXPECT_EQ(r.etat.ModeDuplication, 1);
    l.Nouvelles();
    l.Imprimer();
    EXPECT_THAT(commandes, ElementsAre(205, 280, 280, 207, 210));
}

TEST_F(Liste, StoppingAPilotTakesItsFlightsOutOfThePlanAndTheQueue)
{
    Carte(1, "Avant", 35010);
    Carte(7, "Durand", 35050);
    Carte(9, "Apres", 40665).NbVolsPlanifies = 1;
    ChercheFiche(r.etat, 7, 1)->NbVolsPlanifies = 2;
    r.Noeud(PlanVols, 1, 1, VolEnCours);
    r.Noeud(PlanVols, 2, 7);
    r.Noeud(PlanVols, 3, 7);
    r.Noeud(PlanVols, 4, 9, VolEnCours);
    r.Noeud(FileAttente, 1, 7);
    r.Noeud(FileAttente, 2, 1);
    r.Sortir(35010, 1).RangPlanifie = 1;
    r.Sortir(40665, 9).RangPlanifie = 4;
    const std::size_t journal = r.Historique().size();

    ListePilotes l = Ouvrir();
    r.port.RepondreNon();
    l.FinsVols(Ligne(l, 7));
    EXPECT_EQ(int32_t{ChercheFiche(r.etat, 7, 1)->Etat}, AuSol);
    ASSERT_EQ(r.port.Messages.size(), 1u);
    EXPECT_EQ(r.port.Messages[0].Texte, "007 - Durand arr\xEAte ses vols ?\r\rMerci de confirmer");
    EXPECT_EQ(r.port.Messages[0].SujetAide, 123);

    r.port.RepondreOui();
    l.FinsVols(Ligne(l, 7));
    EXPECT_EQ(int32_t{ChercheFiche(r.etat, 7, 1)->Etat}, Arretee);
    EXPECT_EQ(int32_t{ChercheFiche(r.etat, 7, 1)->NbVolsPlanifies}, 0);
    std::vector<std::tuple<int32_t, int32_t, int32_t>> noeuds;
    for (const EntreePlan& n : r.etat.ListePlan) noeuds.emplace_back(n.Liste, n.Rang, n.NumeroFiche);
    EXPECT_THAT(noeuds, ElementsAre(std::tuple{PlanVols, 1, 1}, std::tuple{PlanVols, 2, 9}, std::tuple{FileAttente, 1, 1}));
    // The flight out behind the gap follows its node: its return closes it.
    EXPECT_EQ(r.Entree(40665).RangPlanifie, 2);
    EXPECT_EQ(r.FichierManifestation(), ImageManifestation(r.etat));
    EXPECT_EQ(r.Historique().size(), journal + 1);
    EXPECT_THAT(r.Historique().back(), EndsWith("35050 - n\xC2\xB0 7 - Durand"));
    EXPECT_THAT(l.Vue().Lignes[static_cast<std::size_t>(Ligne(l, 7))].Texte, EndsWith("<<< ARRET >>>"));
    EXPECT_EQ(l.Vue().NbArretes, "1");
    EXPECT_TRUE(RetourEnKoral(r.etat, r.Index(40665)));
    EXPECT_EQ(r.etat.ListePlan.begin()->EtatVol, VolEnCours);
    EXPECT_EQ(std::next(r.etat.ListePlan.begin())->EtatVol, VolTermine);
    EXPECT_TRUE(r.port.Fatals.empty());

    // A pilot in flight is neither stopped nor deleted.
    r.port.RepondreOk();
    l.FinsVols(Ligne(l, 1));
    EXPECT_EQ(r.port.Messages.back().Texte, T(59));
    EXPECT_EQ(int32_t{ChercheFiche(r.etat, 1, 1)->Etat}, EnVol);
    r.port.RepondreOk();
    EXPECT_EQ(l.Supprimer(Ligne(l, 1)), SuitePilotes::Fermer);
    EXPECT_TRUE(FicheExiste(r.etat, 1));
}

TEST_F(Liste, DeletingFreesTheNumberAndTheLastOneLeavesAnEmptyList)
{
    Carte(7, "Durand", 35050);
    r.Noeud(FileAttente, 1, 7);
    ListePilotes l = Ouvrir();
    r.port.RepondreNon();
    l.Supprimer(0);
    EXPECT_TRUE(FicheExiste(r.etat, 7));
    r.port.RepondreOui();
    r.port.RepondreOk();   // no card left
    EXPECT_EQ(l.Supprimer(0), SuitePilotes::Rester);
    ASSERT_EQ(r.port.Messages.size(), 3u);
    EXPECT_EQ(r.port.Messages[1].Texte, "Suppression d\xE9" "finitive de la fiche n\xB0 007 ?\rMerci de confirmer.");
    EXPECT_EQ(r.port.Messages[2].Texte, T(3));
    EXPECT_FALSE(FicheExiste(r.etat, 7));
    EXPECT_TRUE(r.etat.ListePlan.empty());
    EXPECT_EQ(r.Entree(35050).NbUtilisateurs, 0);
    EXPECT_EQ(l.Vue().NbFiches, "0");
    EXPECT_FALSE(l.Vue().ActionsActives);
    EXPECT_THAT(r.Historique().back(), HasSubstr("35050 - n\xC2\xB0 7 - Durand"));
    EXPECT_EQ(r.FichierManifestation(), ImageManifestation(r.etat));
    EXPECT_EQ(NumeroFicheLibre(r.etat), 1);
    // A card registered afterwards goes at the end of the list.
    Carte(7, "Nouveau", 35010);
    EXPECT_EQ(r.etat.Fiches.back().Numero, 7);
}

TEST(Lecture, TheViewShowsTheCardAndResumesAStoppedPilot)
{
    ReunionStand r;
    r.Plan({35010, 35050});
    r.Entree(35010).Canal = 61;
    FicheVol& f = r.Fiche(12, "Martin", 35010);
    CopierChamp(f.Licence, "FR-123");
    f.NbVols = 4;
    f.CumulEmission = 125000;
    struct Cas { int32_t etat; Bouton425 bouton; };
    for (const Cas& c : {Cas{AuSol, Bouton425::Cache}, Cas{EnVol, Bouton425::Sorti}, Cas{Arretee, Bouton425::Reprise}}) {
        f.Etat = c.etat;
        r.etat.FicheCourante = 12;
        EXPECT_EQ(Lecture(r.etat).Vue().Reprise, c.bouton) << c.etat;
    }
    Lecture l(r.etat);
    EXPECT_EQ(l.Vue().Numero, "012");
    EXPECT_EQ(l.Vue().Frequence, "35.010__k 61");
    EXPECT_EQ(l.Vue().NbVols, "4");
    EXPECT_EQ(l.Vue().Cumul, "2 mn 05 ss");
    l.Reprendre();
    EXPECT_EQ(int32_t{f.Etat}, AuSol);
    EXPECT_EQ(l.Vue().Reprise, Bouton425::Cache);
    EXPECT_THAT(r.Historique().back(), HasSubstr("Reprise"));
    EXPECT_EQ(r.FichierManifestation(), ImageManifestation(r.etat));
    f.CumulEmission = 0;
    EXPECT_EQ(Lecture(r.etat).Vue().Cumul, " ");
}
