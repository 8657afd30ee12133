#include "freqplan/catalogue.h"
#include "freqplan/editeur_bandes.h"
#include "freqplan/frequence_manuelle.h"
#include "freqplan/plan_frequences.h"
#include "stand/sortie.h"
#include "tests/freqplan/outils_plan.h"
#include "tests/support/meeting.h"

#include <gtest/gtest.h>

#include <random>

namespace {

const LigneEditeurBande& Ligne(const VueBandes& v, int32_t f)
{
    static const LigneEditeurBande absente{};
    for (const auto& liste : v.Listes)
        for (const LigneEditeurBande& l : liste)
            if (l.Frequence == f) return l;
    ADD_FAILURE() << "no line for " << f;
    return absente;
}

std::string Message(Reunion& r, int n, const std::string& quoi = {})
{
    return quoi.empty() ? Texte(r.etat, n) : FormaterTexte(Texte(r.etat, n), quoi.c_str());
}

} // namespace

TEST(EditeurBandes, ListsTheCatalogueBandByBandWithOneLineFor24GHz)
{
    Reunion r;
    r.Plan({26995, 35010, 40705, 2400000, 2400020});
    OuvrirCatalogue(r.etat);
    const VueBandes v = RemplirBandes(r.etat);
    EXPECT_EQ(v.Listes[0].size(), 39u);
    EXPECT_EQ(v.Listes[1].size(), 44u);
    EXPECT_EQ(v.Listes[2].size(), 42u);
    EXPECT_EQ(v.Listes[3].size(), 21u);
    EXPECT_EQ(v.Listes[4].size(), 15u);
    ASSERT_EQ(v.Listes[5].size(), 1u);
    EXPECT_EQ(v.Listes[5][0].Texte, "2.4 GHz");
    EXPECT_TRUE(v.Listes[5][0].Validee);
    EXPECT_EQ(Ligne(v, 35020).Texte, "35.020__k 62");
    EXPECT_EQ(Ligne(v, 40705).Texte, "40.705");   // no channel: the label alone
    EXPECT_EQ(Ligne(v, 35010).Texte, "35.010");   // the plan's record, laid over without a channel
    EXPECT_TRUE(Ligne(v, 40705).Validee);
    EXPECT_FALSE(Ligne(v, 35020).Validee);
    for (const auto& liste : v.Listes)
        for (std::size_t i = 1; i < liste.size(); ++i) EXPECT_LT(liste[i - 1].Texte, liste[i].Texte);
    EXPECT_EQ(v.Comptes, (std::array<std::string, 6>{"1", "1", "1", "0", "0", "???"}));
}

TEST(EditeurBandes, AddingSelectedLinesValidatesThemAndThe24GHzLineItsSlots)
{
    Reunion r;
    OuvrirCatalogue(r.etat);
    AjouterSelection(r.etat, {72210, 35020, SEUIL_24GHZ, 35020});
    EXPECT_EQ(r.etat.NbValidesParBande, (std::array<int32_t, 6>{0, 1, 0, 0, 1, 25}));
    EXPECT_TRUE(RemplirBandes(r.etat).Listes[5][0].Validee);
    EXPECT_EQ(RemplirBandes(r.etat).Comptes[1], "1");
}

TEST(EditeurBandes, RemovingAcrossBandsDevalidatesFreeLinesAndReportsEachUsedOne)
{
    Reunion r;
    r.Plan({26995, 35000, 40665, 72210, 72230});
    r.Fiche(4, "Bernard", 35000);
    r.Entree(35000).NbUtilisateurs = 1;
    ASSERT_TRUE(SortieFrequence(r.etat, r.Entree(72210), FICHE_LIBRE));
    OuvrirCatalogue(r.etat);
    r.port.RepondreOk();
    r.port.RepondreOk();
    SupprimerSelection(r.etat, {72210, 26995, 40665, 35000});
    ASSERT_EQ(r.port.Messages.size(), 2u);
    EXPECT_EQ(r.port.Messages[0].Texte, Message(r, 157, "35.000"));
    EXPECT_EQ(r.port.Messages[1].Texte, Message(r, 157, "72.210"));
    EXPECT_EQ(Validees(r.etat), (std::map<int32_t, int32_t>{{35000, 0}, {72210, 0}, {72230, 0}}));
}

TEST(EditeurBandes, The24GHzLineIsRemovedWholeOrNotAtAll)
{
    Reunion r;
    std::vector<int32_t> plan;
    for (int32_t f = SEUIL_24GHZ; f <= DERNIER_CRENEAU_24; f += PAS_CRENEAU_24) plan.push_back(f);
    r.Plan(plan);
    r.Fiche(9, "Petit", SEUIL_24GHZ);
    r.Entree(SEUIL_24GHZ).NbUtilisateurs = 1;
    ASSERT_TRUE(SortieFrequence(r.etat, r.Entree(PREMIER_CRENEAU_24), 9));
    OuvrirCatalogue(r.etat);
    r.port.RepondreOk();
    SupprimerSelection(r.etat, {SEUIL_24GHZ});
    ASSERT_EQ(r.port.Messages.size(), 1u);
    EXPECT_EQ(r.port.Messages[0].Texte, Message(r, 157, Texte(r.etat, 179)));
    EXPECT_EQ(r.etat.NbValidesParBande[5], 25);

    Reunion libre;
    libre.Plan(plan);
    OuvrirCatalogue(libre.etat);
    SupprimerSelection(libre.etat, {SEUIL_24GHZ});
    EXPECT_TRUE(libre.port.Messages.empty());
    EXPECT_TRUE(Validees(libre.etat).empty());
}

TEST(FrequenceManuelle, KilohertzAndMegahertzGiveTheSameSnappedFrequency)
{
    for (const char* texte : {"35013", "35.013", "35,013", " 35013 "}) {
        Reunion r;
        OuvrirCatalogue(r.etat);
        EXPECT_EQ(AjouterFrequenceManuelle(r.etat, texte, "7"), ResultatSaisie::Ajoutee) << texte;
        EXPECT_TRUE(r.port.Messages.empty());
        const VueBandes v = RemplirBandes(r.etat);
        EXPECT_EQ(Ligne(v, 35015).Texte, "35.015__k  7") << texte;
        EXPECT_TRUE(Ligne(v, 35015).Validee);
        EXPECT_EQ(NbCreneauxLibres(r.etat), 29);
        EXPECT_EQ(r.etat.NbValidesParBande[1], 1);
    }
}

TEST(FrequenceManuelle, AKnownFrequencyAnswers164EvenWhenNotValidated)
{
    Reunion r;
    OuvrirCatalogue(r.etat);
    r.port.RepondreOk();
    EXPECT_EQ(AjouterFrequenceManuelle(r.etat, "35010", "3"), ResultatSaisie::Existante);
    EXPECT_EQ(r.port.Messages.at(0).Texte, Message(r, 164));
    EXPECT_TRUE(Validees(r.etat).empty());
    EXPECT_EQ(NbCreneauxLibres(r.etat), 30);
}

TEST(FrequenceManuelle, A24GHzValueValidatesTheSlotsThenAnswers164)
{
    for (const char* texte : {"2450000", "2450", "2400000"}) {
        Reunion r;
        OuvrirCatalogue(r.etat);
        r.port.RepondreOk();
        EXPECT_EQ(AjouterFrequenceManuelle(r.etat, texte, "0"), ResultatSaisie::Existante) << texte;
        EXPECT_EQ(r.port.Messages.at(0).Texte, Message(r, 164));
        EXPECT_EQ(r.etat.NbValidesParBande[5], 25) << texte;
        EXPECT_EQ(NbCreneauxLibres(r.etat), 30);
    }
    Reunion r;
    OuvrirCatalogue(r.etat);
    r.port.RepondreOk();
    EXPECT_EQ(AjouterFrequenceManuelle(r.etat, "2.45", "0"), ResultatSaisie::Erronee);
    EXPECT_EQ(r.port.Messages.at(0).Texte, Message(r, 163));
    EXPECT_EQ(r.etat.NbValidesParBande[5], 0);
}

TEST(FrequenceManuelle, AFullCatalogueAddsNothingSilently)
{
    Reunion r;
    OuvrirCatalogue(r.etat);
    for (int32_t f = 35500; NbCreneauxLibres(r.etat) > 0; f += 5)
        ASSERT_EQ(AjouterFrequenceManuelle(r.etat, std::to_string(f), "0"), ResultatSaisie::Ajoutee);
    const auto avant = Validees(r.etat);
    EXPECT_EQ(AjouterFrequenceManuelle(r.etat, "72215", "1"), ResultatSaisie::Ajoutee);
    EXPECT_EQ(Validees(r.etat), avant);
    EXPECT_TRUE(r.port.Messages.empty());
}

TEST(FrequenceManuelle, OnlyTheFirstCharactersOfEachTextAreRead)
{
    Reunion r;
    OuvrirCatalogue(r.etat);
    // "000035015" holds nine characters; the tenth would make it 350150.
    EXPECT_EQ(AjouterFrequenceManuelle(r.etat, "0000350150", "12345678"), ResultatSaisie::Ajoutee);
    EXPECT_EQ(RecordCatalogue(r.etat, 35015).Canal, 1234567);
    EXPECT_EQ(VueChamp(RecordCatalogue(r.etat, 35015).Libelle), "35.015__k1234567");
    EXPECT_EQ(AjouterFrequenceManuelle(r.etat, "40.1234567", "abc"), ResultatSaisie::Ajoutee);
    EXPECT_EQ(RecordCatalogue(r.etat, 40125).Canal, 0);   // "40.123456" read: 40123 kHz, snapped up
}

TEST(FrequenceManuelle, AnyTextGives163OrACleanAddition)
{
    std::mt19937 hasard(7);
    const std::string fixes[] = {"", " ", "abc", "-35000", "35 010", "3,5", std::string(10000, '9'), "\xff\xfe",
                                 std::string("35\x00" "015", 6), "27400", "0", "88888", "1e5", "35..010"};
    std::vector<std::string> textes(std::begin(fixes), std::end(fixes));
    for (int i = 0; i < 3000; ++i) {
        std::string t;
        const int n = static_cast<int>(hasard() % 12);
        for (int k = 0; k < n; ++k) t += "0123456789.,- x\xe9"[hasard() % 17];
        textes.push_back(t);
    }
    Reunion r;
    r.port.MessagesLibres = true;
    OuvrirCatalogue(r.etat);
    for (const std::string& t : textes) {
        const std::size_t messages = r.port.Messages.size();
        const int libres = NbCreneauxLibres(r.etat);
        switch (AjouterFrequenceManuelle(r.etat, t, t)) {
        case ResultatSaisie::Erronee:
            ASSERT_EQ(r.port.Messages.size(), messages + 1);
            EXPECT_EQ(r.port.Messages.back().Texte, Message(r, 163)) << t;
            EXPECT_EQ(NbCreneauxLibres(r.etat), libres);
            break;
        case ResultatSaisie::Existante:
            EXPECT_EQ(r.port.Messages.back().Texte, Message(r, 164)) << t;
            EXPECT_EQ(NbCreneauxLibres(r.etat), libres);
            break;
        case ResultatSaisie::Ajoutee:
            EXPECT_EQ(r.port.Messages.size(), messages) << t;
            EXPECT_LE(libres - NbCreneauxLibres(r.etat), 1);
            break;
        }
        for (const EntreeFrequence& e : r.etat.CatalogueFrequences) {
            if (e.Frequence == FREQUENCE_CRENEAU_LIBRE) continue;
            EXPECT_GE(e.Bande, 0) << e.Frequence;
            EXPECT_EQ(e.Frequence % 5, 0) << e.Frequence;
        }
        // Start again with free slots once they are used up.
        if (NbCreneauxLibres(r.etat) == 0) OuvrirCatalogue(r.etat);
    }
}
