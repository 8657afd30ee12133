#include "engine/frequences.h"
#include "stand/retour.h"
#include "engine/emissions.h"
#include "stand/sortie.h"
#include "stand/sortie_libre.h"
#include "tests/stand/stand_test.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::EndsWith;
using ::testing::HasSubstr;

namespace {

const ListeBande& ListeDe(const SortieLibre& s, int controle)
{
    for (const ListeBande& l : s.Listes())
        if (l.Controle == controle) return l;
    throw std::logic_error("no such list");
}

std::vector<int> Visibles(const SortieLibre& s)
{
    std::vector<int> r;
    for (const ListeBande& l : s.Listes())
        if (l.Visible) r.push_back(l.X);
    return r;
}

// Selects line `ligne` of `controle` and presses SORTIR.
std::optional<int> Sortir(SortieLibre& s, int controle, int ligne)
{
    s.Selection(controle);
    return s.Sortir(ligne);
}

std::vector<int32_t> Plus(std::vector<int32_t> a, const std::vector<int32_t>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

} // namespace

TEST(SortieLibre, ListsSitAtTheirBandsColumnsAndHoldTheirLabels)
{
    ReunionStand r;
    r.Plan({35000, 35010, 35020});
    SortieLibre une(r.etat);
    EXPECT_THAT(Visibles(une), ElementsAre(350));
    EXPECT_TRUE(ListeDe(une, 409).Visible);
    EXPECT_EQ(ListeDe(une, 409).Y, 18);
    ASSERT_EQ(ListeDe(une, 409).Lignes.size(), 3u);
    EXPECT_EQ(ListeDe(une, 409).Lignes[1].Texte, "35.010______");

    r.Plan(Plus({35010, 35050, 41010}, Bande24()));
    SortieLibre trois(r.etat);
    EXPECT_THAT(Visibles(trois), ElementsAre(80, 345, 610));
    EXPECT_FALSE(ListeDe(trois, 408).Visible);
    EXPECT_EQ(ListeDe(trois, 411).X, 345);
    // The whole 2.4 GHz band is its one band entry.
    ASSERT_EQ(ListeDe(trois, 427).Lignes.size(), 1u);
    EXPECT_EQ(ListeDe(trois, 427).Lignes[0].Frequence, 2400000);
    EXPECT_EQ(ListeDe(trois, 427).Lignes[0].Texte, "2.4 GHz______");

    r.Plan(Reunion::PlanNational());
    SortieLibre six(r.etat);
    EXPECT_THAT(Visibles(six), ElementsAre(10, 150, 290, 430, 570, 710));
    EXPECT_EQ(ListeDe(six, 427).X, 710);
}

TEST(SortieLibre, BlockedLinesAreInAlertColourButNeverThe24GHzLine)
{
    ReunionStand r;
    r.Plan(Plus({35000, 35010, 35020, 35030, 35050, 35090}, Bande24()));
    r.Sortir(35010, FICHE_LIBRE);
    r.Sortir(2400020, FICHE_LIBRE);
    SortieLibre s(r.etat);
    std::vector<bool> alerte;
    for (const LigneListeBande& l : ListeDe(s, 409).Lignes) alerte.push_back(l.Alerte);
    // 35000 and 35020 are neighbours, 35010 is out; 35030 and 35050 are free.
    EXPECT_THAT(alerte, ElementsAre(true, true, true, false, false, false));
    EXPECT_FALSE(ListeDe(s, 427).Lignes[0].Alerte);
}

TEST(SortieLibre, AtTheLimitEveryLineButTheBandLineWarnsAndEveryExitIsRefused)
{
    ReunionStand r;
    r.Plan(Plus({35000, 35100, 35200, 35300, 35400, 35600, 40665, 72010}, Bande24()));
    r.etat.Contraintes.LimiteEmissions = 1;
    r.etat.Contraintes.NbMaxEmissions = 5;
    for (int32_t f : {35000, 35100, 35200, 35300, 35400}) r.Sortir(f, FICHE_LIBRE);
    SortieLibre s(r.etat);
    for (const ListeBande& l : s.Listes())
        for (const LigneListeBande& ligne : l.Lignes) EXPECT_EQ(ligne.Alerte, l.Controle != 427) << ligne.Texte;

    for (auto [controle, ligne] : {std::pair{409, 5}, {410, 0}, {412, 0}, {427, 0}}) {
        r.port.RepondreOk();
        EXPECT_EQ(Sortir(s, controle, ligne), 1);
        EXPECT_EQ(r.port.Messages.back().Texte, "IL Y A DEJA 5 FREQUENCES EN EMISSION !");
    }
    EXPECT_EQ(r.etat.NbSorties, 5);
    EXPECT_TRUE(r.Historique().empty());
}

TEST(SortieLibre, SelectionMakesOneListCurrentAndNeedsALineToExit)
{
    ReunionStand r;
    r.Plan({35010, 35050, 41010});
    SortieLibre s(r.etat);
    EXPECT_EQ(s.Sortir(0), std::nullopt);   // nothing chosen yet: the dialog stays
    EXPECT_THAT(s.Selection(411), ElementsAre(408, 409, 410, 412, 427));
    EXPECT_EQ(s.ListeCourante(), 411);
    // A list made current with no line selected closes and records nothing.
    EXPECT_EQ(s.Sortir(-1), 1);
    EXPECT_EQ(r.etat.NbSorties, 0);
    EXPECT_TRUE(r.Historique().empty());
    // A notice from another control leaves no current list.
    EXPECT_TRUE(s.Selection(1).empty());
    EXPECT_EQ(s.ListeCourante(), 0);
    EXPECT_EQ(s.Sortir(0), std::nullopt);
}

TEST(SortieLibre, AFreeExitGoesOutUnidentifiedAndLogsItsFrequency)
{
    ReunionStand r;
    r.Plan({35010, 35050, 41010});
    SortieLibre s(r.etat);
    EXPECT_EQ(Sortir(s, 411, 0), 1);
    const EntreeFrequence& e = r.Entree(41010);
    EXPECT_EQ(e.Etat, Sortie);
    EXPECT_EQ(e.FicheEmettrice, FICHE_LIBRE);
    EXPECT_EQ(e.DebutEmission, r.port.Horloge);
    EXPECT_EQ(std::string(VueChamp(e.Libelle)), "41.010______");
    EXPECT_EQ(r.etat.FicheCourante, 0);
    // "?  <>  " doubled while shorter than 25.
    EXPECT_EQ(r.etat.BandeauSorties, "?  <>  ?  <>  ?  <>  ?  <>  ");
    const auto lignes = r.Historique();
    ASSERT_EQ(lignes.size(), 1u);
    EXPECT_THAT(lignes[0], HasSubstr("Sortie de kóral"));
    EXPECT_THAT(lignes[0], EndsWith(" 41010    (mode libre)"));
}

TEST(SortieLibre, ARefusedExitChangesNothingAndLogsNothing)
{
    ReunionStand r;
    r.Plan({35010, 35020, 41010});
    r.Sortir(35010, FICHE_LIBRE);
    SortieLibre s(r.etat);
    r.port.RepondreOk();
    EXPECT_EQ(Sortir(s, 409, 1), 1);
    ASSERT_EQ(r.port.Messages.size(), 1u);
    EXPECT_EQ(r.port.Messages[0].Texte, "FREQUENCE VOISINE DEJA ACTIVE ! ");
    EXPECT_EQ(r.Entree(35020).Etat, Libre);
    EXPECT_EQ(r.etat.NbSorties, 1);
    EXPECT_TRUE(r.Historique().empty());
}

TEST(SortieLibre, The24GHzExitsTakeTheFirstFreeSlot)
{
    ReunionStand r;
    r.Plan(Plus({35010}, Bande24()));
    {
        SortieLibre s(r.etat);
        EXPECT_EQ(Sortir(s, 427, 0), 1);
    }
    {
        SortieLibre s(r.etat);
        EXPECT_EQ(Sortir(s, 427, 0), 1);
    }
    EXPECT_EQ(r.Entree(2400020).Etat, Sortie);
    EXPECT_EQ(r.Entree(2400040).Etat, Sortie);
    EXPECT_EQ(r.Entree(2400000).Etat, Libre);
    ASSERT_TRUE(RetourEnKoral(r.etat, r.Index(2400020)));
    SortieLibre s(r.etat);
    EXPECT_EQ(Sortir(s, 427, 0), 1);
    EXPECT_EQ(r.Entree(2400020).Etat, Sortie);
    EXPECT_EQ(r.Entree(2400060).Etat, Libre);
    const auto lignes = r.Historique();
    ASSERT_EQ(lignes.size(), 4u);
    EXPECT_THAT(lignes[0], EndsWith(" 2.4 GHz  (mode libre)"));
    EXPECT_THAT(lignes[2], HasSubstr("Retour en kóral"));
    EXPECT_THAT(lignes[2], EndsWith(" 2.4 GHz  (mode libre)"));
}

TEST(SortieLibre, WithAll24SlotsOutAnotherExitIsRefusedAndNothingChanges)
{
    ReunionStand r;
    r.Plan(Plus({35010}, Bande24()));
    for (int32_t f = 2400020; f <= 2400480; f += 20) r.Sortir(f, FICHE_LIBRE);
    ASSERT_EQ(r.etat.NbSorties, 24);
    SortieLibre s(r.etat);
    r.port.RepondreOk();
    EXPECT_EQ(Sortir(s, 427, 0), 1);
    ASSERT_EQ(r.port.Messages.size(), 1u);
    EXPECT_THAT(r.port.Messages[0].Texte, HasSubstr("Les 24 cr\xE9neaux 2.4 GHz"));
    EXPECT_EQ(r.port.Messages[0].JeuBoutons, 962);
    EXPECT_EQ(r.etat.NbSorties, 24);
    EXPECT_EQ(r.Entree(2400000).Etat, Libre);
    EXPECT_TRUE(r.Historique().empty());
}

TEST(RecompteSorties, TheTickerNamesTheOldestFirstAndStaysInsideItsRoom)
{
    ReunionStand r;
    r.Plan({35010, 35050, 41010});
    r.Fiche(12, "Martin", 35010);
    r.Fiche(7, "Durand", 41010);
    r.Sortir(35010, 12);
    r.port.Avancer(1000);
    r.Sortir(41010, 7);
    EXPECT_EQ(r.etat.BandeauSorties, "12  7  <>  12  7  <>  12  7  <>  12  7  <>  ");
    EXPECT_EQ(r.etat.BandeauSorties.Longueur(), 44u);

    // A whole plan of 216 entries out: five characters each would not fit.
    std::vector<int32_t> plan;
    for (int i = 0; i < 216; ++i) plan.push_back(26505 + 5 * i);
    r.Plan(plan);
    int numero = 100;
    for (EntreeFrequence& e : r.etat.PlanFrequences) {
        e.Etat = Sortie;
        e.FicheEmettrice = numero++;
        e.DebutEmission = static_cast<uint32_t>(e.FicheEmettrice);
    }
    RecompteSorties(r.etat);
    EXPECT_EQ(r.etat.NbSorties, 216);
    const std::string b = r.etat.BandeauSorties.Chaine();
    EXPECT_LE(b.size(), 1023u);
    EXPECT_THAT(b, ::testing::StartsWith("100  101  102  "));
    EXPECT_THAT(b, EndsWith("...  <>  "));
}

TEST(SortirFiche, ThePauseCardNeverSendsAnythingOut)
{
    ReunionStand r;
    r.Plan({35000, 35010});
    // The entry without frequency answers for index 0: the first plan entry must not be judged in its place.
    r.Sortir(35000, FICHE_LIBRE);
    EXPECT_FALSE(SortirFiche(r.etat, FICHE_PAUSE));
    EXPECT_TRUE(r.port.Messages.empty());
    EXPECT_EQ(r.etat.EntreeSansFrequence.Etat, Libre);
    EXPECT_EQ(r.etat.NbSorties, 1);
    EXPECT_TRUE(r.Historique().empty());
}
