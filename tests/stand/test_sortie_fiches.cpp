#include "engine/frequences.h"
#include "stand/file_attente.h"
#include "stand/sortie_fiches.h"
#include "storage/manifestation.h"
#include "tests/stand/stand_test.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;

namespace {

struct SortieCartes : ::testing::Test {
    ReunionStand r;
    void SetUp() override
    {
        std::vector<int32_t> plan = {35000, 35010, 35030, 35050, 40665};
        for (int32_t f : Bande24()) plan.push_back(f);
        r.Plan(plan);
        r.etat.ModeSortie = ModeFiches;
    }
    FicheVol& Carte(int32_t n, const std::string& nom, int32_t f, const char* modele = "")
    {
        FicheVol& c = r.Fiche(n, nom, f);
        CopierChamp(c.Modele, modele);
        return c;
    }
    static std::vector<int32_t> Numeros(const std::vector<LigneCarte>& lignes)
    {
        std::vector<int32_t> n;
        for (const LigneCarte& l : lignes) n.push_back(l.Numero);
        return n;
    }
    static std::vector<std::string> Images(const std::vector<LigneCarte>& lignes)
    {
        std::vector<std::string> n;
        for (const LigneCarte& l : lignes) n.push_back(l.Image);
        return n;
    }
    std::vector<std::pair<int32_t, int32_t>> File() const
    {
        std::vector<std::pair<int32_t, int32_t>> f;
        for (const EntreePlan& e : r.etat.ListePlan)
            if (e.Liste == FileAttente) f.emplace_back(e.Rang, e.NumeroFiche);
        std::sort(f.begin(), f.end());
        return f;
    }
    void Enfiler(int32_t numero)
    {
        r.etat.FicheCourante = numero;
        AjouterEnFile(r.etat);
    }
    std::string T(int n) { return Texte(r.etat, n); }
};

} // namespace

TEST_F(SortieCartes, TheCardsOnTheGroundWithTheLightOfTheirFrequency)
{
    Carte(12, "Martin", 35010, "Extra 330 SC - voltige - 2.60 m - 40 cc");
    Carte(7, "Durand", 35050);
    Carte(3, "Stop", 35030).Etat = Arretee;
    Carte(9, "Vole", 40665);
    Carte(4, "Petit", 2400000);
    r.Sortir(35000, FICHE_LIBRE).Etat = HorsTemps;   // overdue: blocks its neighbour as well
    r.Sortir(40665, 9);
    const SortieFiches s(r.etat);
    EXPECT_EQ(Numeros(s.Lignes()), (std::vector<int32_t>{4, 7, 12}));
    EXPECT_EQ(s.Lignes()[2].Texte, "   012   35.010   Martin - Extra 330 SC - voltige - 2.60 ");
    EXPECT_EQ(s.Lignes()[0].Texte, "   004   2.4 GHz   Petit - ");
    EXPECT_THAT(Images(s.Lignes()), ElementsAre("FEUVERT", "FEUVERT", "FEUROUGE"));

    // Every 2.4 GHz slot out: that card's light is red too.
    for (int32_t f = 2400020; f <= 2400480; f += 20) r.Sortir(f, FICHE_LIBRE);
    EXPECT_EQ(SortieFiches(r.etat).Lignes()[0].Image, "FEUROUGE");
}

TEST_F(SortieCartes, NothingToListIsSaidAndTheDialogDoesNotOpen)
{
    struct Cas { std::function<void(ReunionStand&)> reunion; int message; };
    const Cas cas[] = {
        {[](ReunionStand&) {}, 3},
        {[](ReunionStand& s) { s.Fiche(2999, "", FREQUENCE_AUCUNE).Etat = Arretee; }, 3},   // remarks are no pilots
        {[](ReunionStand& s) {
             s.Fiche(7, "Durand", 35050);
             s.Fiche(3, "Stop", 35030).Etat = Arretee;
             s.Sortir(35050, 7);
         }, 51},
    };
    for (const Cas& c : cas) {
        ReunionStand s;
        s.Plan({35030, 35050});
        c.reunion(s);
        s.port.RepondreOk();
        EXPECT_TRUE(SortieFiches(s.etat).Vide());
        ASSERT_EQ(s.port.Messages.size(), 1u);
        EXPECT_EQ(s.port.Messages[0].Texte, T(c.message));
        s.port.RepondreOk();
        EXPECT_TRUE(SortieAttente(s.etat).Vide());
        EXPECT_EQ(s.port.Messages.back().Texte, T(c.message));
    }
}

TEST_F(SortieCartes, ARefusalOffersTheQueueUntilTheOperatorSaysNoMore)
{
    Carte(12, "Martin", 35010);
    Carte(7, "Durand", 35030);
    Carte(4, "Petit", 2400000);
    r.Sortir(35000, FICHE_LIBRE);
    // Refused for the neighbour: OUI queues the card and asks for the waiting list.
    SortieFiches s(r.etat);
    r.port.RepondreOk();
    r.port.RepondreBascule(true, false);
    EXPECT_EQ(s.Sortir(2), 1);
    EXPECT_EQ(r.port.Messages.back().Texte, T(93));
    EXPECT_EQ(File(), (std::vector<std::pair<int32_t, int32_t>>{{1, 12}}));
    EXPECT_EQ(r.etat.CommandeDemandee, 222);   // which writes the queue with the mode

    // The maximum refuses too and still offers; NON with the box ticked stops the offers.
    r.etat.CommandeDemandee = 0;
    r.etat.Contraintes.LimiteEmissions = 1;
    r.etat.Contraintes.NbMaxEmissions = 1;
    r.port.RepondreOk();
    r.port.RepondreBascule(false, true);
    EXPECT_EQ(SortieFiches(r.etat).Sortir(1), 1);
    EXPECT_EQ(r.port.Messages.back().Texte, "IL Y A DEJA 1 FREQUENCES EN EMISSION !");
    EXPECT_EQ(r.etat.NePlusProposer, 1);
    r.port.RepondreOk();
    EXPECT_EQ(SortieFiches(r.etat).Sortir(1), 1);
    EXPECT_EQ(r.port.BasculesDemandees, 2);
    EXPECT_EQ(File().size(), 1u);
    EXPECT_EQ(r.etat.CommandeDemandee, 0);

    // A 2.4 GHz card with every slot out: string 166, nothing changed.
    r.etat.Contraintes.LimiteEmissions = 0;
    for (int32_t f = 2400020; f <= 2400480; f += 20) r.Sortir(f, FICHE_LIBRE);
    const int32_t sorties = r.etat.NbSorties;
    r.port.RepondreOk();
    EXPECT_EQ(SortieFiches(r.etat).Sortir(0), 1);
    EXPECT_EQ(r.port.Messages.back().Texte, T(166));
    EXPECT_EQ(r.etat.NbSorties, sorties);
    EXPECT_EQ(int32_t{ChercheFiche(r.etat, 4, 1)->Etat}, AuSol);
}

TEST_F(SortieCartes, TheQueueIsTakenLineByLineWhateverItsRanks)
{
    Carte(12, "Martin", 35010, "Pitts");
    Carte(7, "Durand", 35050);
    Carte(9, "Roux", 40665);
    Carte(3, "Autre", 35030);
    r.etat.ModeSortie = ModeFileAttente;
    Enfiler(12);
    Enfiler(7);
    Enfiler(9);
    // A node that is not waiting keeps its rank but has no line.
    std::next(r.etat.ListePlan.begin())->EtatVol = VolTermine;
    SortieAttente s(r.etat);
    EXPECT_EQ(s.Entete(), "--> 2 vols en attente");
    EXPECT_EQ(Numeros(s.File()), (std::vector<int32_t>{12, 9}));
    EXPECT_EQ(s.File()[0].Texte, "  012   35.010   Martin        =>  Pitts ");
    EXPECT_EQ(Numeros(s.Autres()), (std::vector<int32_t>{3, 7}));
    EXPECT_EQ(s.Autres()[0].Texte, "   003   35.030   Autre ");
    // The second line is rank 3: it is that node that goes, not rank 2.
    EXPECT_EQ(s.Sortir(LISTE_PRINCIPALE, 1), 1);
    EXPECT_EQ(File(), (std::vector<std::pair<int32_t, int32_t>>{{1, 12}, {2, 7}}));
    EXPECT_EQ(int32_t{ChercheFiche(r.etat, 9, 1)->Etat}, EnVol);
    EXPECT_THAT(r.Historique().back(), HasSubstr("40665 - n\xC2\xB0 9 - Roux"));
    EXPECT_THAT(r.etat.TexteDefilant2.Chaine(), HasSubstr("Martin"));
}

TEST_F(SortieCartes, OneCardQueuedTwiceLeavesByTheLineChosen)
{
    Carte(12, "Martin", 35010);
    Carte(7, "Durand", 35050);
    Enfiler(7);
    Enfiler(12);
    Enfiler(7);
    EXPECT_EQ(SortieAttente(r.etat).Sortir(LISTE_PRINCIPALE, 2), 1);
    EXPECT_EQ(File(), (std::vector<std::pair<int32_t, int32_t>>{{1, 7}, {2, 12}}));
    // Its first line now: the pilot is already in the air.
    r.port.RepondreOk();
    EXPECT_EQ(SortieAttente(r.etat).Sortir(LISTE_PRINCIPALE, 0), 1);
    EXPECT_EQ(r.port.Messages.back().Texte, T(91));
    EXPECT_EQ(File(), (std::vector<std::pair<int32_t, int32_t>>{{1, 7}, {2, 12}}));
}

TEST_F(SortieCartes, AnOtherCardRefusedMayJoinTheQueueAndTheDialogOpensAgain)
{
    Carte(12, "Martin", 35010);
    Carte(7, "Durand", 35050);
    r.Sortir(35000, FICHE_LIBRE);
    r.port.RepondreOk();
    r.port.RepondreNon();
    SortieAttente s(r.etat);
    EXPECT_EQ(s.Entete(), "--> 0 vols en attente");
    EXPECT_EQ(s.Sortir(LISTE_AUTRES, 1), 1);
    EXPECT_TRUE(File().empty());
    r.port.RepondreOk();
    r.port.RepondreOui();
    EXPECT_EQ(SortieAttente(r.etat).Sortir(LISTE_AUTRES, 1), 0);
    EXPECT_EQ(r.port.Messages.back().Texte, T(56));
    EXPECT_EQ(File(), (std::vector<std::pair<int32_t, int32_t>>{{1, 12}}));
    EXPECT_EQ(r.etat.CommandeDemandee, 201);
    const SortieAttente encore(r.etat);
    EXPECT_EQ(Numeros(encore.File()), (std::vector<int32_t>{12}));
    EXPECT_EQ(Numeros(encore.Autres()), (std::vector<int32_t>{7}));
}

TEST_F(SortieCartes, RemovingFromTheQueueKeepsTheRanksTogether)
{
    Carte(12, "Martin", 35010);
    Carte(7, "Durand", 35050);
    Carte(9, "Roux", 40665);
    r.etat.ModeSortie = ModeFileAttente;
    Enfiler(12);
    Enfiler(7);
    Enfiler(9);
    SortieAttente s(r.etat);
    EXPECT_EQ(s.Retirer(LISTE_PRINCIPALE, -1), std::nullopt);
    EXPECT_EQ(s.Retirer(LISTE_AUTRES, 0), std::nullopt);
    EXPECT_EQ(r.port.Bips, 2);
    EXPECT_EQ(s.Retirer(LISTE_PRINCIPALE, 2), 0);   // the tail
    EXPECT_EQ(r.etat.CommandeDemandee, 201);
    EXPECT_EQ(File(), (std::vector<std::pair<int32_t, int32_t>>{{1, 12}, {2, 7}}));
    Enfiler(9);
    EXPECT_EQ(File(), (std::vector<std::pair<int32_t, int32_t>>{{1, 12}, {2, 7}, {3, 9}}));
    EXPECT_EQ(SortieAttente(r.etat).Retirer(LISTE_PRINCIPALE, 0), 0);   // the head
    EXPECT_EQ(File(), (std::vector<std::pair<int32_t, int32_t>>{{1, 7}, {2, 9}}));
    EXPECT_THAT(r.etat.TexteDefilant2.Chaine(), Not(HasSubstr("Martin")));
    EXPECT_EQ(r.FichierManifestation(), ImageManifestation(r.etat));
}
