#include "cards/saisie.h"
#include "engine/frequences.h"
#include "storage/manifestation.h"
#include "tests/stand/stand_test.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::EndsWith;
using ::testing::IsEmpty;

namespace {

// A meeting of three bands with the 2.4 GHz band, cards 3, 7 and 12.
struct Formulaire : ::testing::Test {
    ReunionStand r;
    void SetUp() override
    {
        std::vector<int32_t> plan = {35010, 35050, 40665, 72210};
        for (int32_t f : Bande24()) plan.push_back(f);
        r.Plan(plan);
        r.Entree(35010).Canal = 61;
        r.Entree(40665).Canal = 50;
        Carte(12, "Martin", 35010);
        Carte(7, "Durand", 35050);
        Carte(3, "Petit", 2400000);
        r.etat.EtatDictionnaire = -1;
    }
    FicheVol& Carte(int32_t n, const std::string& nom, int32_t f)
    {
        FicheVol& c = r.Fiche(n, nom, f);
        ++r.Entree(f).NbUtilisateurs;
        return c;
    }
    // Opens the form in a mode: 0 new, 1 modification, 2 duplication.
    Saisie Ouvrir(int mode, int32_t fiche = 0)
    {
        r.etat.ModeModification = mode >= 1;
        r.etat.ModeDuplication = mode == 2;
        r.etat.FicheCourante = fiche;
        return Saisie(r.etat);
    }
    void Choisir(Saisie& s, int32_t frequence)
    {
        for (const ListeBande& l : s.Vue().Listes)
            for (std::size_t i = 0; i < l.Lignes.size(); ++i)
                if (l.Lignes[i].Frequence == frequence) s.ChoisirFrequence(l.Controle, static_cast<int>(i));
    }
    ChampsSaisie Champs(const std::string& numero, const std::string& nom = "Nouveau")
    {
        return {numero, nom, "FR-1", "Extra 300", "Vole l'apr\xE8s-midi\r\nBatterie 3S"};
    }
    int32_t Utilisateurs(int32_t f) { return r.Entree(f).NbUtilisateurs; }
    std::vector<std::string> Messages()
    {
        std::vector<std::string> t;
        for (const MessageVu& m : r.port.Messages) t.push_back(m.Texte);
        return t;
    }
    std::string T(int n) { return Texte(r.etat, n); }
};

} // namespace

TEST_F(Formulaire, EachUseOpensWithItsCaptionButtonsAndFields)
{
    struct Cas { int mode; int titre, valider; bool numero, termine, pris; const char* nom; const char* propose; };
    const Cas cas[] = {
        {0, 67, 68, true, true, true, "", " 001"},
        {1, 646, 647, false, false, false, "Martin", ""},
        {2, 67, 68, true, false, true, "Martin", " 001"},
    };
    for (const Cas& c : cas) {
        Saisie s = Ouvrir(c.mode, 12);
        const VueSaisie& v = s.Vue();
        EXPECT_EQ(v.Titre, c.titre) << c.mode;
        EXPECT_EQ(v.TexteValider, c.valider) << c.mode;
        EXPECT_EQ(v.NumeroVisible, c.numero) << c.mode;
        EXPECT_EQ(v.TermineVisible, c.termine) << c.mode;
        EXPECT_EQ(v.NumerosPrisVisibles, c.pris) << c.mode;
        EXPECT_EQ(v.Champs.Nom, c.nom) << c.mode;
        EXPECT_EQ(v.Champs.Numero, c.propose) << c.mode;
        EXPECT_EQ(s.TextePeint(), std::string(c.mode ? "35.010__k 61" : "00.000") + std::string(12, ' '));
    }
    // A duplication is a new card from here on.
    EXPECT_EQ(r.etat.ModeModification, 0);
    EXPECT_EQ(Ouvrir(0).Vue().NumerosPris, (std::vector<std::string>{" 003", " 007", " 012"}));
    EXPECT_EQ(Ouvrir(1, 12).NumeroPeint(""), "012");
    EXPECT_EQ(Ouvrir(0).NumeroPeint(" 45"), "045");
}

TEST_F(Formulaire, BandListsCloseUpAndThe24GHzLineIsTheBandEntry)
{
    Saisie s = Ouvrir(0);
    std::vector<std::pair<int, int>> visibles;
    for (const ListeBande& l : s.Vue().Listes)
        if (l.Visible) visibles.push_back({l.Controle, l.X});
    EXPECT_THAT(visibles, ElementsAre(std::pair{409, 125}, std::pair{410, 311}, std::pair{412, 498}, std::pair{427, 685}));
    const auto& ligne24 = s.Vue().Listes[5].Lignes;
    ASSERT_EQ(ligne24.size(), 1u);
    EXPECT_EQ(ligne24[0].Frequence, 2400000);
    EXPECT_EQ(s.Vue().Listes[1].Lignes[0].Texte, "35.010__k 61");
    EXPECT_THAT(s.ChoisirFrequence(409, 1), ElementsAre(408, 410, 411, 412, 427));
    EXPECT_EQ(s.TextePeint().substr(0, 12), "35.050______");

    // Slots without their band entry offer no 2.4 GHz line: a card never goes on a slot.
    ReunionStand sans;
    sans.Plan({35010, 2400020, 2400040});
    Saisie t(sans.etat);
    EXPECT_FALSE(t.Vue().Listes[5].Visible);
    EXPECT_EQ(t.Vue().Listes[1].X, 405);
}

TEST_F(Formulaire, ValidationTestsRunInOrderAndStopAtTheFirstFailure)
{
    struct Cas { int mode; bool frequence; const char* numero; const char* nom; int message; };
    const Cas cas[] = {
        {0, false, "", "", 69},   {0, false, "999", "A", 69}, {0, true, "", "", 70},     {0, true, "000", "A", 70},
        {0, true, "999", "", 72}, {0, true, "2000", "A", 72}, {0, true, "12", "", 71},   {0, true, " 007", "A", 71},
        {0, true, "20", "", 220}, {0, true, "20", " \t ", 220}, {1, true, "", "  ", 220}, {2, true, "20", "", 220},
    };
    for (const Cas& c : cas) {
        r.port.Messages.clear();
        Saisie s = Ouvrir(c.mode, 12);
        if (c.frequence) Choisir(s, 35050);
        r.port.RepondreOk();
        EXPECT_EQ(s.Valider(Champs(c.numero, c.nom)), std::nullopt) << c.numero << c.mode;
        ASSERT_EQ(r.port.Messages.size(), 1u) << c.numero;
        EXPECT_EQ(r.port.Messages[0].Texte, T(c.message)) << c.numero << c.mode;
        EXPECT_EQ(r.port.Messages[0].JeuBoutons, 962);
        EXPECT_EQ(r.port.Messages[0].SujetAide, 121);
    }
    EXPECT_EQ(r.etat.NbFiches(), 4);   // the pause card and the three
    EXPECT_EQ(VueChamp(ChercheFiche(r.etat, 12, 1)->Nom), "Martin");
    EXPECT_TRUE(r.Historique().empty());
}

TEST_F(Formulaire, ANewCardIsRegisteredCountedLoggedSavedAndTheNextFormAsked)
{
    Saisie s = Ouvrir(0);
    Choisir(s, 40665);
    ChampsSaisie champs = Champs("998", std::string(30, 'N'));
    EXPECT_EQ(s.Valider(champs), 1);
    const FicheVol* f = ChercheFiche(r.etat, 998, 0);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(int32_t{f->Frequence}, 40665);
    EXPECT_EQ(int32_t{f->Canal}, 50);
    EXPECT_EQ(VueChamp(f->Nom), std::string(22, 'N'));
    EXPECT_EQ(VueChamp(f->Remarques), "Vole l'apr\xE8s-midi\r\nBatterie 3S");
    EXPECT_EQ(int32_t{f->Etat}, AuSol);
    EXPECT_EQ(Utilisateurs(40665), 1);
    EXPECT_EQ(r.etat.CommandeDemandee, 207);
    EXPECT_THAT(r.Historique().back(), EndsWith("40665 - n\xC2\xB0 998 - " + std::string(22, 'N')));
    EXPECT_EQ(r.FichierManifestation(), ImageManifestation(r.etat));

    // A 2.4 GHz card holds the band entry whatever slot is out.
    Saisie t = Ouvrir(0);
    Choisir(t, 2400000);
    EXPECT_EQ(t.Valider(Champs("1")), 1);
    EXPECT_EQ(int32_t{ChercheFiche(r.etat, 1, 0)->Frequence}, 2400000);
    EXPECT_THAT(r.Historique().back(), EndsWith("2.4 GHz  n\xC2\xB0 1 - Nouveau"));
}

TEST_F(Formulaire, AllNumbersTakenProposesZeroWhichIsRefused)
{
    for (int32_t n = 1; n <= 998; ++n)
        if (!FicheExiste(r.etat, n)) r.Fiche(n, "P", 35050);
    Saisie s = Ouvrir(0);
    EXPECT_EQ(s.Vue().Champs.Numero, " 000");
    Choisir(s, 35050);
    r.port.RepondreOk();
    EXPECT_EQ(s.Valider(Champs(s.Vue().Champs.Numero)), std::nullopt);
    EXPECT_THAT(Messages(), ElementsAre(T(70)));
}

TEST_F(Formulaire, ModificationMovesTheCountOnlyWhenTheFrequencyChanges)
{
    Saisie s = Ouvrir(1, 12);
    EXPECT_EQ(s.Valider(Champs("", "Martin J.")), 1);
    EXPECT_EQ(VueChamp(ChercheFiche(r.etat, 12, 0)->Nom), "Martin J.");
    EXPECT_EQ(Utilisateurs(35010), 1);
    EXPECT_TRUE(r.Historique().empty());
    EXPECT_EQ(r.etat.CommandeDemandee, 0);

    Saisie t = Ouvrir(1, 12);
    Choisir(t, 40665);
    EXPECT_EQ(t.Valider(Champs("", "Martin J.")), 1);
    EXPECT_EQ(Utilisateurs(35010), 0);
    EXPECT_EQ(Utilisateurs(40665), 1);
    EXPECT_EQ(int32_t{ChercheFiche(r.etat, 12, 0)->Canal}, 50);
    EXPECT_THAT(r.Historique().back(), EndsWith("n\xC2\xB0 12 - 35010 ---> 40665"));
    EXPECT_TRUE(r.port.Messages.empty());
}

TEST_F(Formulaire, ACardOutKeepsItsFrequenceButTakesItsOtherChanges)
{
    r.Sortir(35010, 12);
    const std::size_t lignes = r.Historique().size();
    Saisie s = Ouvrir(1, 12);
    Choisir(s, 35050);
    r.port.RepondreOk();
    EXPECT_EQ(s.Valider(Champs("", "Martin J.")), 1);
    const FicheVol* f = ChercheFiche(r.etat, 12, 0);
    EXPECT_EQ(VueChamp(f->Nom), "Martin J.");
    EXPECT_EQ(int32_t{f->Frequence}, 35010);
    EXPECT_EQ(int32_t{f->Canal}, 0);   // the card's own channel, as it had it
    EXPECT_THAT(Messages(), ElementsAre(T(73)));
    EXPECT_EQ(Utilisateurs(35010), 1);
    EXPECT_EQ(Utilisateurs(35050), 1);
    EXPECT_EQ(r.Historique().size(), lignes);
}

TEST_F(Formulaire, DuplicationRegistersANewCardOnceEvenAfterARefusal)
{
    Saisie s = Ouvrir(2, 12);
    r.port.RepondreOk();
    EXPECT_EQ(s.Valider(Champs("12")), std::nullopt);   // number in use
    EXPECT_EQ(r.etat.ModeDuplication, 1);               // kept while the form stays open
    EXPECT_EQ(s.Valider(Champs(s.Vue().Champs.Numero, "Martin")), 1);
    const FicheVol* copie = ChercheFiche(r.etat, 1, 0);
    ASSERT_NE(copie, nullptr);
    EXPECT_EQ(int32_t{copie->Frequence}, 35010);
    EXPECT_EQ(VueChamp(copie->Nom), "Martin");
    EXPECT_EQ(Utilisateurs(35010), 2);
    EXPECT_EQ(r.etat.CommandeDemandee, 0);   // no next form after a copy
    EXPECT_EQ(r.etat.ModeDuplication, 0);
}

TEST_F(Formulaire, AbandonAndTermineEndOrContinueTheSeries)
{
    struct Cas { int mode; bool termine; bool reponse; int resultat; int suite; };
    const Cas cas[] = {
        {0, false, false, 1, 207},   // ABANDON in a series: an empty form again
        {1, false, false, 0, 0},
        {2, false, false, 0, 0},
        {0, true, true, 0, 0},       // Terminé, OUI: the series ends
        {0, true, false, 1, 207},    // Terminé, NON: on with the next card
        {1, true, false, 0, 0},
    };
    for (const Cas& c : cas) {
        r.etat.CommandeDemandee = 0;
        Saisie s = Ouvrir(c.mode, 12);
        if (c.termine && c.mode == 0) {
            if (c.reponse) r.port.RepondreOui();
            else r.port.RepondreNon();
        }
        EXPECT_EQ(c.termine ? s.Terminer() : s.Abandonner(), c.resultat) << c.mode << c.termine;
        EXPECT_EQ(r.etat.CommandeDemandee, c.suite) << c.mode << c.termine;
        EXPECT_EQ(r.etat.ModeDuplication, 0);
    }
    EXPECT_EQ(r.port.ReponsesRestantes(), 0u);
    EXPECT_EQ(r.etat.NbFiches(), 4);
}
