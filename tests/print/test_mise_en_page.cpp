#include "print/mise_en_page.h"
#include "engine/frequences.h"
#include "tests/stand/stand_test.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::HasSubstr;

namespace {

// A printer of 130 x 30 characters of 10 x 20 units (the layout's width); a character is 10 wide, 20 in the large font.
Mesures Papier(int largeur = 1300, int hauteur = 600)
{
    Mesures m;
    m.LargeurCar = 10;
    m.HauteurLigne = 20;
    m.LargeurPage = largeur;
    m.HauteurPage = hauteur;
    m.Largeur = [](std::string_view t, PoliceImpression p) { return static_cast<int>(t.size()) * (p == PoliceImpression::Accent ? 20 : 10); };
    return m;
}

// The texts of a page on one line (same Y), left to right.
std::vector<std::string> Ligne(const PageImprimee& page, int y)
{
    std::vector<std::pair<int, std::string>> t;
    for (const TexteImprime& x : page.Textes)
        if (x.Y == y) t.emplace_back(x.X, x.Texte);
    std::sort(t.begin(), t.end());
    std::vector<std::string> r;
    for (auto& [x, s] : t) r.push_back(s);
    return r;
}

const TexteImprime* Cherche(const PageImprimee& page, std::string_view debut)
{
    for (const TexteImprime& t : page.Textes)
        if (t.Texte.rfind(debut, 0) == 0) return &t;
    return nullptr;
}

struct Impressions : ::testing::Test {
    ReunionStand r;
    void SetUp() override
    {
        r.Plan({35010, 2400000, 2400020});
        r.etat.TitreFichier = "Koral du 06_12_26.mhz";
    }
};

} // namespace

TEST_F(Impressions, TheCardListHasItsHeaderColumnsAndStates)
{
    FicheVol& a = r.Fiche(12, "Martin", 35010);
    CopierChamp(a.Licence, "FR-1");
    CopierChamp(a.Modele, "Extra 330");
    CopierChamp(a.Remarques, "Ligne 1\r\nLigne 2");
    a.NbVols = 2;
    a.CumulEmission = 125000;
    FicheVol& b = r.Fiche(3, "Petit", 2400000);
    b.Etat = Arretee;
    const auto pages = MettreEnPage(r.etat, Impression::Fiches, Papier());
    ASSERT_EQ(pages.size(), 1u);
    const PageImprimee& p = pages[0];
    EXPECT_EQ(Ligne(p, 40), std::vector<std::string>{"KORALIS - FICHES DE VOL - Koral du 06_12_26.mhz (06/12/26)     page 1"});
    ASSERT_EQ(p.Traits.size(), 2u + 2u);
    EXPECT_EQ(p.Traits[0].Y, 80 + 6);
    EXPECT_EQ(p.Traits[1].Y, 80 + 13);
    EXPECT_EQ(p.Traits[0].X1, 100);
    EXPECT_EQ(p.Traits[0].X2, 1200);
    // Sorted by number: 3 first, on line 5, its number in the large font at column 0.
    EXPECT_EQ(Ligne(p, 100), (std::vector<std::string>{"003", "  Petit", "  2.4 GHz ", "   ", "  Arr\xEAt"}));
    const TexteImprime* numero = Cherche(p, "003");
    EXPECT_EQ(numero->X, 100);
    EXPECT_EQ(numero->Police, PoliceImpression::Accent);
    EXPECT_EQ(Cherche(p, "  Arr\xEAt")->X, 900);
    EXPECT_EQ(Ligne(p, 120), std::vector<std::string>{"0 vol(s) "});
    const TexteImprime* martin = Cherche(p, "  35.010 MHz");
    ASSERT_NE(martin, nullptr);
    EXPECT_EQ(martin->X, 480);
    EXPECT_EQ(Ligne(p, martin->Y + 20), std::vector<std::string>{"2 vol(s) - temps total : 02 mn 05 s"});
    EXPECT_EQ(Ligne(p, martin->Y + 40), std::vector<std::string>{"Extra 330"});
    EXPECT_EQ(Ligne(p, martin->Y + 60), std::vector<std::string>{"Ligne 1"});
    EXPECT_EQ(Ligne(p, martin->Y + 80), std::vector<std::string>{"Ligne 2"});
    EXPECT_EQ(Cherche(p, "Ligne 2")->X, 200);
}

TEST_F(Impressions, ThePlanNumbersItsFlightsAndShowsPausesRemarksAndSkips)
{
    r.Fiche(12, "Martin", 35010);
    r.Fiche(7, "Petit", 2400000);
    r.Fiche(2999, "", FREQUENCE_AUCUNE).Etat = Arretee;
    CopierChamp(ChercheFiche(r.etat, 2999, 1)->Modele, "Repas");
    r.Noeud(PlanVols, 1, 12, VolTermine).DureeVol = 95000;
    r.Noeud(PlanVols, 2, FICHE_PAUSE);
    r.Noeud(PlanVols, 3, 2999);
    EntreePlan& saute = r.Noeud(PlanVols, 4, 7, VolTermine);
    saute.Problemes = VOL_SAUTE;
    r.Noeud(PlanVols, 5, 12);
    const auto pages = MettreEnPage(r.etat, Impression::Plan, Papier());
    ASSERT_EQ(pages.size(), 1u);
    const PageImprimee& p = pages[0];
    EXPECT_THAT(Ligne(p, 40)[0], HasSubstr("KORALIS - PLAN DE VOLS - "));
    EXPECT_EQ(Ligne(p, 100), (std::vector<std::string>{"1 ", "012  ", " Martin  ", " 35.010 ", "  Dur\xE9" "e : 01 mn 35 s"}));
    EXPECT_EQ(Cherche(p, "012  ")->Police, PoliceImpression::Accent);
    EXPECT_EQ(Cherche(p, "012  ")->X, 150);
    EXPECT_THAT(Cherche(p, " =  pause")->Texte, HasSubstr("pause  =====  pause"));
    EXPECT_EQ(Cherche(p, " =  pause")->X, 100);
    EXPECT_NE(Cherche(p, "Rem : Repas"), nullptr);
    const TexteImprime* deux = Cherche(p, "2 ");
    ASSERT_NE(deux, nullptr);
    EXPECT_EQ(Ligne(p, deux->Y).back(), "  Vol saut\xE9");
    EXPECT_NE(Cherche(p, "3 "), nullptr);
}

TEST_F(Impressions, WrappingAlwaysMovesOnAndNothingRunsOffThePage)
{
    FicheVol& f = r.Fiche(1, "Long", 35010);
    CopierChamp(f.Remarques, std::string(253, 'x'));
    CopierChamp(f.Modele, "un deux trois quatre cinq six sept huit neuf dix onze douze treize quatorze quinze seize "
                          "dix-sept dix-huit dix-neuf vingt");
    // 130 characters a line, less 35: the model cuts at a blank, the remarks at the width.
    const auto pages = MettreEnPage(r.etat, Impression::Fiches, Papier());
    const std::string premiere = Cherche(pages[0], "un deux")->Texte;
    EXPECT_LE(premiere.size(), 95u);
    EXPECT_EQ(premiere, "un deux trois quatre cinq six sept huit neuf dix onze douze treize quatorze quinze seize");
    EXPECT_NE(Cherche(pages[0], "dix-sept dix-huit"), nullptr);
    EXPECT_EQ(Cherche(pages[0], "xxx")->Texte.size(), 95u);
    // No width at all: one character a line, and the job still ends.
    f.Modele[0] = '\0';
    const auto etroit = MettreEnPage(r.etat, Impression::Fiches, Papier(100, 600));
    std::size_t x = 0;
    for (const PageImprimee& p : etroit)
        for (const TexteImprime& t : p.Textes) x += t.Texte == "x";
    EXPECT_EQ(x, 253u);

    // 998 cards: every page has its header with its number, and no line below the bottom.
    for (int32_t n = 2; n <= 998; ++n) CopierChamp(r.Fiche(n, "P", 35010).Remarques, "Une\r\nDeux\r\nTrois");
    const auto liste = MettreEnPage(r.etat, Impression::Fiches, Papier());
    ASSERT_GT(liste.size(), 100u);
    for (std::size_t i = 0; i < liste.size(); ++i) {
        ASSERT_THAT(Ligne(liste[i], 40), ::testing::ElementsAre(::testing::EndsWith("page " + std::to_string(i + 1))));
        for (const TexteImprime& t : liste[i].Textes) EXPECT_LE(t.Y + 20, 600) << i;
    }
}

TEST_F(Impressions, ASingleCardOnItsOwnLines)
{
    FicheVol& f = r.Fiche(12, "Martin", 2400000);
    f.Etat = Arretee;
    CopierChamp(f.Licence, "FR-1");
    r.etat.FicheCourante = 12;
    const auto pages = MettreEnPage(r.etat, Impression::Fiche, Papier());
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(Ligne(pages[0], 140), std::vector<std::string>{"012 "});
    EXPECT_EQ(Ligne(pages[0], 200), std::vector<std::string>{"Martin "});
    EXPECT_EQ(Ligne(pages[0], 260), std::vector<std::string>{"2.4 GHz"});
    EXPECT_EQ(Ligne(pages[0], 340), std::vector<std::string>{"FR-1       \t  Arr\xEAt"});
    EXPECT_EQ(Ligne(pages[0], 400), std::vector<std::string>{"0 vol(s) "});
}

TEST_F(Impressions, NoPilotCardNoCardList)
{
    r.port.RepondreOk();
    EXPECT_FALSE(ImpressionPossible(r.etat, Impression::Fiches));
    EXPECT_EQ(r.port.Messages.back().Texte, Texte(r.etat, 3));
    EXPECT_TRUE(ImpressionPossible(r.etat, Impression::Plan));
}

// Whatever the font's widths, every text of every printout stays inside the
// frame, and a column's text ends before the next column begins.
TEST_F(Impressions, EveryTextKeepsToItsColumnAndInsideTheFrame)
{
    Mesures m = Papier();
    // A font whose capitals are three times as wide as the layout's character.
    m.Largeur = [](std::string_view t, PoliceImpression p) {
        int l = 0;
        for (char c : t) l += (c >= 'A' && c <= 'Z' ? 30 : 10) * (p == PoliceImpression::Accent ? 2 : 1);
        return l;
    };
    for (int n = 1; n <= 40; ++n) {
        FicheVol& f = r.Fiche(n, std::string(22, 'W'), n % 3 ? 35010 : 2400000);
        CopierChamp(f.Licence, "LICENCE-ABCDEFG");
        CopierChamp(f.Modele, std::string(126, 'M'));
        CopierChamp(f.Remarques, "REMARQUES TRES LONGUES " + std::string(200, 'R') + "\r\nSUITE");
        if (n % 4 == 0) f.Etat = Arretee;
        r.Noeud(PlanVols, n, n);
    }
    FicheVol& remarque = r.Fiche(2000, "", FREQUENCE_AUCUNE);
    CopierChamp(remarque.Modele, std::string(127, 'Q'));
    r.Noeud(PlanVols, 41, FICHE_PAUSE);
    r.Noeud(PlanVols, 42, 2000);
    r.etat.ModeSortie = ModePlanifie;
    r.etat.FicheCourante = 4;
    const int droite = m.LargeurPage - 10 * m.LargeurCar;
    for (Impression i : {Impression::Fiches, Impression::Plan, Impression::Fiche}) {
        for (const PageImprimee& page : MettreEnPage(r.etat, i, m)) {
            for (const TexteImprime& t : page.Textes) {
                // Blanks at the end print nothing.
                const int fin = t.X + m.Largeur(t.Texte.substr(0, t.Texte.find_last_not_of(' ') + 1), t.Police);
                EXPECT_LE(fin, droite) << static_cast<int>(i) << " " << t.Texte;
                for (const TexteImprime& voisin : page.Textes) {
                    if (voisin.Y == t.Y && voisin.X > t.X) {
                        EXPECT_LE(fin, voisin.X) << t.Texte << " / " << voisin.Texte;
                    }
                }
            }
        }
    }
}

TEST(LargeurMoyenne, IsTheWeightedAverageOfTheSmallLettersAndFitsThePage)
{
    // Every letter 10 wide: 10; a wider blank weighs in at its frequency.
    EXPECT_EQ(LargeurMoyenne([](std::string_view) { return 10; }, 100000), 10);
    EXPECT_EQ(LargeurMoyenne([](std::string_view t) { return t == " " ? 16 : 10; }, 100000), 11);
    // A capital is never measured.
    EXPECT_EQ(LargeurMoyenne([](std::string_view t) { return t[0] >= 'A' && t[0] <= 'Z' ? 99 : 10; }, 100000), 10);
    // The layout's 130 widths always fit the page.
    EXPECT_EQ(LargeurMoyenne([](std::string_view) { return 10; }, 1040), 8);
}
