#include "engine/compatibilite.h"
#include "freqplan/catalogue.h"
#include "freqplan/plan_frequences.h"
#include "freqplan/table_nationale.h"
#include "engine/emissions.h"
#include "stand/sortie.h"
#include "tests/freqplan/outils_plan.h"
#include "tests/support/dossier_temporaire.h"
#include "tests/support/meeting.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>

namespace {

std::string Avertissement(Reunion& r, int n, const std::string& quoi)
{
    return FormaterTexte(Texte(r.etat, n), quoi.c_str());
}

void Choisir(Reunion& r, std::initializer_list<int> nations)
{
    std::array<bool, 8> cases{};
    for (int n : nations) cases[static_cast<std::size_t>(n)] = true;
    EnregistrerNations(r.etat, cases);
    AppliquerNations(r.etat);
}

constexpr int ALLEMAGNE = 0, ESPAGNE = 2, FRANCE = 3;

} // namespace

TEST(Catalogue, OpensWithTheNationalTableFreeSlotsAndThePlanLaidOver)
{
    Reunion r;
    r.Plan({35010, 35015, 40290});
    r.etat.PlanFrequences[static_cast<std::size_t>(r.Index(35010))].NbUtilisateurs = 2;
    r.etat.PlanFrequences[static_cast<std::size_t>(r.Index(35010))].Canal = 9;   // a channel the file gave it
    OuvrirCatalogue(r.etat);
    const auto& c = r.etat.CatalogueFrequences;
    ASSERT_EQ(c.size(), 216u);
    // 35015 and 40290 are no national frequencies: each took a free slot.
    EXPECT_EQ(NbCreneauxLibres(r.etat), 28);
    EXPECT_EQ(Validees(r.etat), (std::map<int32_t, int32_t>{{35010, 9}, {35015, 0}, {40290, 0}}));
    EXPECT_EQ(RecordCatalogue(r.etat, 35010).NbUtilisateurs, 2);
    EXPECT_EQ(VueChamp(RecordCatalogue(r.etat, 26995).Libelle), "26.995__k  4");
    EXPECT_EQ(VueChamp(RecordCatalogue(r.etat, 26815).Libelle), "26.815______");
    for (std::size_t i = 0; i < c.size(); ++i) {
        EXPECT_EQ(c[i].Index, static_cast<int32_t>(i));
        if (i) {
            EXPECT_LE(c[i - 1].Frequence, c[i].Frequence);
        }
    }
    // Free slots sit between 72 MHz and 2.4 GHz.
    const int premierLibre = IndexCatalogue(r.etat, FREQUENCE_CRENEAU_LIBRE);
    EXPECT_EQ(c[static_cast<std::size_t>(premierLibre - 1)].Frequence, 72490);
    EXPECT_EQ(c[static_cast<std::size_t>(premierLibre + 28)].Frequence, 2400000);
    AbandonnerPlanFrequences(r.etat);
    EXPECT_TRUE(r.etat.CatalogueFrequences.empty());
    EXPECT_EQ(FrequencesDuPlan(r.etat), (std::vector<int32_t>{35010, 35015, 40290}));
}

TEST(Catalogue, APlanLargerThanTheFreeSlotsLosesOnlyWhatDoesNotFit)
{
    Reunion r;
    std::vector<int32_t> plan;
    for (int32_t f = 35500; plan.size() < 31; f += 5) plan.push_back(f);   // none of them national
    plan.push_back(35010);
    r.Plan(plan);
    OuvrirCatalogue(r.etat);
    EXPECT_EQ(NbCreneauxLibres(r.etat), 0);
    EXPECT_EQ(Validees(r.etat).size(), 31u);
    EXPECT_TRUE(Validees(r.etat).count(35010));
    EXPECT_FALSE(Validees(r.etat).count(35650));   // the 31st personal frequency
}

TEST(Nations, EachNationAloneValidatesItsOwnCount)
{
    const int attendus[8] = {70, 52, 22, 77, 92, 45, 32, 49};
    for (int n = 0; n < 8; ++n) {
        Reunion r;
        OuvrirCatalogue(r.etat);
        Choisir(r, {n});
        EXPECT_EQ(Validees(r.etat).size(), static_cast<std::size_t>(attendus[n])) << "nation " << n;
        EXPECT_TRUE(r.port.Messages.empty());
    }
}

TEST(Nations, FranceTakesEvery24GHzSlotAndEspagneNone)
{
    Reunion r;
    OuvrirCatalogue(r.etat);
    Choisir(r, {FRANCE});
    EXPECT_EQ(r.etat.NbValidesParBande, (std::array<int32_t, 6>{16, 2, 4, 15, 15, 25}));
    for (int32_t f = 2400000; f <= 2400480; f += 20) EXPECT_TRUE(Validees(r.etat).count(f)) << f;
    Choisir(r, {ESPAGNE});
    EXPECT_EQ(r.etat.NbValidesParBande, (std::array<int32_t, 6>{0, 18, 4, 0, 0, 0}));
    EXPECT_EQ(r.etat.NationsChoisies, (std::array<int32_t, 8>{0, 0, 1, 0, 0, 0, 0, 0}));
}

TEST(Nations, TwoNationsGiveTheUnionAndNoneKeepsOnlyPersonalAdditions)
{
    Reunion r;
    r.Plan({35015});
    OuvrirCatalogue(r.etat);
    Choisir(r, {ALLEMAGNE, FRANCE});
    // 70 + 77 less the 10 frequencies both authorise, and the personal one.
    EXPECT_EQ(Validees(r.etat).size(), 137u + 1u);
    EXPECT_TRUE(Validees(r.etat).count(35015));
    EXPECT_TRUE(Validees(r.etat).count(35200));    // Allemagne only
    EXPECT_TRUE(Validees(r.etat).count(72490));    // France only
    EXPECT_FALSE(Validees(r.etat).count(35220));   // neither
    Choisir(r, {});
    EXPECT_EQ(Validees(r.etat), (std::map<int32_t, int32_t>{{35015, 0}}));
}

TEST(Nations, AFrequenceInUseOrOutStaysWithOneMessageEach)
{
    Reunion r;
    r.Plan({35000, 35100, 72210});
    r.Fiche(12, "Martin", 35000);
    r.Entree(35000).NbUtilisateurs = 1;
    ASSERT_TRUE(SortieFrequence(r.etat, r.Entree(72210), FICHE_LIBRE));   // free service: no card
    OuvrirCatalogue(r.etat);
    r.port.RepondreOk();
    r.port.RepondreOk();
    Choisir(r, {ALLEMAGNE});   // neither 35000 nor 72210 is German
    ASSERT_EQ(r.port.Messages.size(), 2u);
    EXPECT_EQ(r.port.Messages[0].Texte, Avertissement(r, 157, "35.000"));
    EXPECT_EQ(r.port.Messages[1].Texte, Avertissement(r, 157, "72.210"));
    EXPECT_EQ(r.port.Messages[0].JeuBoutons, 962);
    EXPECT_TRUE(Validees(r.etat).count(35000));
    EXPECT_TRUE(Validees(r.etat).count(72210));
    EXPECT_EQ(Validees(r.etat).size(), 72u);
}

TEST(Nations, A24GHzTransmitterOutKeepsTheWholeBandWithOneMessage)
{
    Reunion r;
    r.Plan(Reunion::PlanNational());
    r.Fiche(7, "Durand", SEUIL_24GHZ);
    r.Entree(SEUIL_24GHZ).NbUtilisateurs = 1;
    ASSERT_TRUE(SortieFrequence(r.etat, r.Entree(CreneauLibre24(r.etat)), 7));
    OuvrirCatalogue(r.etat);
    r.port.RepondreOk();
    Choisir(r, {ALLEMAGNE});
    ASSERT_EQ(r.port.Messages.size(), 1u);
    EXPECT_EQ(r.port.Messages[0].Texte, Avertissement(r, 157, Texte(r.etat, 179)));
    EXPECT_EQ(r.etat.NbValidesParBande[5], 25);
}

TEST(FichierFrq, LinesAreSnappedToTheGridAndNewFrequenciesTakeAFreeSlot)
{
    Reunion r;
    OuvrirCatalogue(r.etat);
    AppliquerFichierFrq(r.etat, *LireFichierFrq("35012, 0\r\n35013, 7\r\n"));
    EXPECT_EQ(Validees(r.etat), (std::map<int32_t, int32_t>{{35010, 0}, {35015, 7}}));
    EXPECT_EQ(NbCreneauxLibres(r.etat), 29);
    EXPECT_EQ(VueChamp(RecordCatalogue(r.etat, 35015).Libelle), "35.015__k  7");
    EXPECT_EQ(VueChamp(RecordCatalogue(r.etat, 35010).Libelle), "35.010______");
    EXPECT_EQ(RecordCatalogue(r.etat, 35015).Bande, 1);
}

TEST(FichierFrq, ReadsWhatEditorsLeaveAroundTheLines)
{
    struct Cas { std::string texte; std::vector<std::pair<int32_t, int32_t>> lignes; };
    const Cas cas[] = {
        {"35010, 61\r\n", {{35010, 61}}},
        {"\xEF\xBB\xBF" "35010, 61\r\n", {{35010, 61}}},                  // UTF-8 mark
        {"35010, 61\r\n35020, 62", {{35010, 61}, {35020, 62}}},           // last line without its end
        {"35010, 61\r35020, 62\r", {{35010, 61}, {35020, 62}}},           // CR alone
        {"35010, 61\r\n\r\n  \r\n", {{35010, 61}}},                        // blank lines
        {"  35010 ,61\r\n", {{35010, 61}}},                                // the channel follows the comma
        {"35010\r\n", {{35010, 0}}},                                       // no comma: no channel
        {"2400480, 0\r\n", {{2400480, 0}}},
    };
    for (const Cas& c : cas) {
        const auto lues = LireFichierFrq(c.texte);
        ASSERT_TRUE(lues) << c.texte;
        std::vector<std::pair<int32_t, int32_t>> lignes;
        for (const LigneFrq& l : *lues) lignes.emplace_back(l.Frequence, l.Canal);
        EXPECT_EQ(lignes, c.lignes) << c.texte;
    }
}

TEST(FichierFrq, AnythingElseIsIncompatible)
{
    const std::string cas[] = {
        "",
        std::string("\x00\x01\x02\xff\r\n\x7f", 7),
        std::string(10000, '3') + "\r\n",
        std::string(100, ' ') + "35010, 61\r\n",
        "0, 0\r\n",
        "99999999, 1\r\n",
        "35010, 61\n35020, 62\n",
        "35010, 61\r\n27400, 0\r\n35020, 62\r\n",            // between two bands
        "-35010, 61\r\n",
        "abc\r\n",
        "4294967295, 1\r\n",
        "99999999999999999999999999, 1\r\n",
        std::string("3\x00" "5\x00" "0\x00" "1\x00" "0\x00\r\x00\n\x00", 14),   // UTF-16
    };
    for (const std::string& c : cas) EXPECT_FALSE(LireFichierFrq(c)) << c.size() << " bytes";
}

TEST(FichierFrq, RandomBytesNeverGiveAFrequencyOutsideTheGridOrTheBands)
{
    std::mt19937 hasard(4242);
    static const char lettres[] = "0123456789 ,,\r\r\n\t.-x\xEF\xBB\xBF\x00\xff";
    const std::string alphabet(lettres, sizeof lettres - 1);
    int acceptes = 0;
    for (int essai = 0; essai < 5000; ++essai) {
        std::string texte;
        const int longueur = static_cast<int>(hasard() % 200);
        for (int i = 0; i < longueur; ++i) {
            // Mostly well-formed pieces, so that some files are accepted.
            if (hasard() % 4 == 0) texte += "350" + std::to_string(hasard() % 100) + ", " + std::to_string(hasard() % 300) + "\r\n";
            else texte += alphabet[hasard() % alphabet.size()];
        }
        const auto lues = LireFichierFrq(texte);
        if (!lues) continue;
        ++acceptes;
        for (const LigneFrq& l : *lues) {
            EXPECT_GE(BandeDe(l.Frequence), 0) << l.Frequence;
            EXPECT_EQ(l.Frequence % 5, 0) << l.Frequence;
            EXPECT_GE(l.Canal, 0);
        }
    }
    EXPECT_GT(acceptes, 0);
}

TEST(FichierFrq, LoadingKeepsWhatCardsUseAndWhatIsSwitchedOn)
{
    Reunion r;
    r.Plan({35000, 35100, 72210});
    r.Entree(35000).NbUtilisateurs = 1;
    ASSERT_TRUE(SortieFrequence(r.etat, r.Entree(72210), FICHE_LIBRE));
    OuvrirCatalogue(r.etat);
    r.port.RepondreOk();
    r.port.RepondreOk();
    AppliquerFichierFrq(r.etat, *LireFichierFrq("35010, 61\r\n"));
    ASSERT_EQ(r.port.Messages.size(), 2u);
    EXPECT_EQ(r.port.Messages[0].Texte, Avertissement(r, 159, "35.000"));
    EXPECT_EQ(r.port.Messages[1].Texte, Avertissement(r, 167, "72.210"));
    EXPECT_EQ(Validees(r.etat), (std::map<int32_t, int32_t>{{35000, 0}, {35010, 61}, {72210, 0}}));
}

TEST(FichierFrq, AFullCatalogueIgnoresNewFrequenciesAndA24GHzValueStandsForTheBand)
{
    Reunion r;
    OuvrirCatalogue(r.etat);
    std::string texte;
    for (int32_t f = 35500; f < 35500 + 31 * 5; f += 5) texte += std::to_string(f) + ", 1\r\n";
    texte += "2450000, 3\r\n";
    AppliquerFichierFrq(r.etat, *LireFichierFrq(texte));
    EXPECT_TRUE(r.port.Messages.empty());
    EXPECT_EQ(NbCreneauxLibres(r.etat), 0);
    EXPECT_EQ(r.etat.NbValidesParBande, (std::array<int32_t, 6>{0, 30, 0, 0, 0, 25}));
    EXPECT_EQ(IndexCatalogue(r.etat, 2450000), -1);
}

TEST(FichierFrq, SaveThenLoadGivesBackTheSameSetAndChannelsByteForByte)
{
    Reunion r;
    OuvrirCatalogue(r.etat);
    Choisir(r, {ALLEMAGNE, FRANCE});
    AppliquerFichierFrq(r.etat, *LireFichierFrq(TexteFichierFrq(r.etat) + "35013, 7\r\n"));
    const std::string texte = TexteFichierFrq(r.etat);
    EXPECT_EQ(texte.substr(0, 30), "26815, 0\r\n26825, 0\r\n26835, 0\r\n");
    EXPECT_NE(texte.find("35010, 61\r\n35015, 7\r\n35020, 62\r\n"), std::string::npos);
    EXPECT_EQ(texte.substr(texte.size() - 12), "2400480, 0\r\n");
    const auto avant = Validees(r.etat);

    Reunion autre;
    OuvrirCatalogue(autre.etat);
    AppliquerFichierFrq(autre.etat, *LireFichierFrq(texte));
    EXPECT_EQ(Validees(autre.etat), avant);
    EXPECT_EQ(TexteFichierFrq(autre.etat), texte);
}

TEST(Validation, TheCatalogueBecomesThePlanInCatalogueOrder)
{
    Reunion r;
    r.Plan({35010});
    OuvrirCatalogue(r.etat);
    Choisir(r, {ESPAGNE});
    AppliquerFichierFrq(r.etat, *LireFichierFrq(TexteFichierFrq(r.etat) + "41013, 5\r\n"));
    ValiderPlanFrequences(r.etat);
    EXPECT_TRUE(r.etat.CatalogueFrequences.empty());
    EXPECT_EQ(r.etat.NbFrequences(), 23);
    EXPECT_EQ(r.etat.FrequencesTouchees.size(), 23u);
    EXPECT_EQ(r.etat.NbParBande, (std::array<int32_t, 6>{0, 18, 4, 1, 0, 0}));
    const EntreeFrequence& e = r.Entree(41015);
    EXPECT_EQ(e.Canal, 5);
    EXPECT_EQ(e.Bande, 3);
    EXPECT_EQ(VueChamp(e.Libelle), "41.015__k  5");
    for (int i = 0; i < r.etat.NbFrequences(); ++i) EXPECT_EQ(r.etat.PlanFrequences[static_cast<std::size_t>(i)].Index, i);
    EXPECT_EQ(r.Index(35030), 0);   // 35010 was not Spanish
}

namespace {

struct Sortant { int32_t frequence; int32_t fiche; };

// A meeting on `plan` whose transmitters went out in this order, one second apart.
void FaireSortir(Reunion& r, const std::vector<Sortant>& sortants)
{
    for (const Sortant& s : sortants) {
        if (s.fiche != FICHE_LIBRE) {
            r.Fiche(s.fiche, "Pilote " + std::to_string(s.fiche), s.frequence);
            ++r.Entree(s.frequence).NbUtilisateurs;
        }
        r.port.Avancer(1000);
        ASSERT_TRUE(SortieFrequence(r.etat, r.Entree(s.frequence), s.fiche));
    }
    RecompteSorties(r.etat);
}

} // namespace

TEST(Validation, TransmittersOutStayOutWithTheirProductsAndImagesAsIfTheyHadGoneOutOnTheNewPlan)
{
    // 41200 has its image at 40290; 41100 is 455 kHz above 40645; 35010 and 35050
    // put a product on 35090; 35020 is 10 kHz from an active one.
    const std::vector<int32_t> ancien = {35000, 35010, 35050, 35090, 40290, 40645, 41100, 41200, 2400000, 2400020};
    const std::vector<Sortant> sortants = {
        {41200, 3}, {35010, 5}, {35050, FICHE_LIBRE}, {41100, 8}, {2400020, 9},
    };
    Reunion r;
    r.Plan(ancien);
    FaireSortir(r, sortants);

    OuvrirCatalogue(r.etat);
    AppliquerFichierFrq(r.etat, *LireFichierFrq(TexteFichierFrq(r.etat) + "35020, 62\r\n35070, 0\r\n"));
    r.etat.CatalogueFrequences[static_cast<std::size_t>(IndexCatalogue(r.etat, 35000))].Valide = 0;
    TrierCatalogue(r.etat);
    ValiderPlanFrequences(r.etat);

    Reunion attendu;
    attendu.Plan(FrequencesDuPlan(r.etat));
    attendu.port.Horloge = r.port.Horloge - 5000;
    FaireSortir(attendu, sortants);

    ASSERT_EQ(FrequencesDuPlan(r.etat), FrequencesDuPlan(attendu.etat));
    EXPECT_EQ(FrequencesDuPlan(r.etat), (std::vector<int32_t>{35010, 35020, 35050, 35070, 35090, 40290, 40645, 41100,
                                                              41200, 2400000, 2400020}));
    for (const EntreeFrequence& a : attendu.etat.PlanFrequences) {
        const EntreeFrequence& e = r.Entree(a.Frequence);
        EXPECT_EQ(e.Etat, a.Etat) << a.Frequence;
        EXPECT_EQ(e.Perturbations, a.Perturbations) << a.Frequence;
        EXPECT_EQ(e.PerturbationsImage, a.PerturbationsImage) << a.Frequence;
        EXPECT_EQ(e.FicheEmettrice, a.FicheEmettrice) << a.Frequence;
        EXPECT_EQ(e.DebutEmission, a.DebutEmission) << a.Frequence;
        if (a.Etat >= Sortie) {
            EXPECT_EQ(VueChamp(e.Libelle), VueChamp(a.Libelle)) << a.Frequence;
        }
    }
    // The comparison means something only if the products are really there.
    EXPECT_EQ(r.Entree(40290).Etat, FrequenceImage);
    EXPECT_EQ(r.Entree(35090).Etat, Intermodulee);
    EXPECT_EQ(r.Entree(40645).Etat, ImagePerturbee);
    EXPECT_EQ(r.Entree(41200).FicheEmettrice, 3);
    EXPECT_EQ(r.Entree(2400020).Etat, Sortie);
    EXPECT_EQ(r.etat.NbSorties, 5);
    EXPECT_EQ(r.etat.BandeauSorties, attendu.etat.BandeauSorties);
}

TEST(Validation, ApplyingTheSamePlanTwiceChangesNoStatus)
{
    Reunion r;
    r.Plan({35010, 35030, 35050, 35070, 35090});
    FaireSortir(r, {{35010, 1}, {35050, 2}});
    const auto avant = r.etat.PlanFrequences;
    for (int fois = 0; fois < 2; ++fois) {
        OuvrirCatalogue(r.etat);
        ValiderPlanFrequences(r.etat);
    }
    ASSERT_EQ(r.etat.PlanFrequences.size(), avant.size());
    for (std::size_t i = 0; i < avant.size(); ++i) {
        EXPECT_EQ(r.etat.PlanFrequences[i].Etat, avant[i].Etat) << avant[i].Frequence;
        EXPECT_EQ(r.etat.PlanFrequences[i].Perturbations, avant[i].Perturbations) << avant[i].Frequence;
    }
}

TEST(FichierFrq, SavingAsksForANameWithThePlanFilterAndWritesTheFile)
{
    DossierTemporaire dossier;
    Reunion r;
    OuvrirCatalogue(r.etat);
    Choisir(r, {ESPAGNE});
    const std::string chemin = dossier.Fichier("plan.frq");
    r.port.RepondreFichier(chemin);
    EXPECT_TRUE(SauverPlanFrequences(r.etat));
    ASSERT_EQ(r.port.Fichiers.size(), 1u);
    const DemandeFichier& d = r.port.Fichiers[0];
    EXPECT_TRUE(d.Enregistrer);
    EXPECT_EQ(d.Titre, Texte(r.etat, 160));
    EXPECT_EQ(d.Extension, "frq");
    EXPECT_EQ(d.NomPropose, "Fr\xE9quences du 06_12_26.frq");
    ASSERT_EQ(d.Filtres.size(), 2u);
    EXPECT_EQ(d.Filtres[0].second, "*.frq");
    EXPECT_EQ(d.Filtres[1].second, "*.*");
    EXPECT_EQ(LireOctets(chemin), TexteFichierFrq(r.etat));
    EXPECT_EQ(LireOctets(chemin).substr(0, 22), "35030, 63\r\n35040, 64\r\n");
    // Later file dialogs find the meeting filter again.
    ChargerFiltre(r.etat, 25);
    const std::string filtreManifestation = r.etat.TexteFiltre.Chaine();
    r.port.RepondreFichier(std::nullopt);
    EXPECT_FALSE(SauverPlanFrequences(r.etat));
    EXPECT_EQ(r.etat.TexteFiltre.Chaine(), filtreManifestation);
    r.etat.DecalageLangue = 1000;
    r.port.RepondreFichier(std::nullopt);
    SauverPlanFrequences(r.etat);
    EXPECT_EQ(r.port.Fichiers.back().NomPropose, "Frequencies 06_12_26.frq");
}

TEST(FichierFrq, LoadingAFileReplacesTheSelectionAndKeepsTheDialogOpen)
{
    DossierTemporaire dossier;
    Reunion r;
    OuvrirCatalogue(r.etat);
    Choisir(r, {FRANCE});
    const std::string chemin = dossier.Fichier("plan.frq");
    EcrireOctets(chemin, "41013, 5\r\n72210, 21\r\n");
    r.port.RepondreFichier(chemin);
    EXPECT_EQ(ChargerPlanFrequences(r.etat), ResultatChargement::Charge);
    EXPECT_EQ(r.port.Fichiers.at(0).Titre, Texte(r.etat, 162));
    EXPECT_FALSE(r.port.Fichiers.at(0).Enregistrer);
    EXPECT_EQ(Validees(r.etat), (std::map<int32_t, int32_t>{{41015, 5}, {72210, 21}}));
    r.port.RepondreFichier(std::nullopt);
    EXPECT_EQ(ChargerPlanFrequences(r.etat), ResultatChargement::Annule);
    EXPECT_EQ(Validees(r.etat).size(), 2u);
}

TEST(FichierFrq, AnIncompatibleFileIsRefusedWith88AndThePlanInUseStaysUntouched)
{
    DossierTemporaire dossier;
    const std::string fichiers[] = {
        "", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), std::string(10000, '7') + "\r\n", "0, 0\r\n",
        "99999999, 1\r\n", "35010, 61\r\n50000, 2\r\n",
    };
    int numero = 0;
    for (const std::string& contenu : fichiers) {
        Reunion r;
        r.Plan({35010, 35050, 35090});
        FaireSortir(r, {{35010, 1}, {35050, FICHE_LIBRE}});
        const auto avant = r.etat.PlanFrequences;
        OuvrirCatalogue(r.etat);
        Choisir(r, {FRANCE, ALLEMAGNE});
        const std::string chemin = dossier.Fichier("f" + std::to_string(numero++) + ".frq");
        EcrireOctets(chemin, contenu);
        r.port.RepondreFichier(chemin);
        r.port.RepondreOk();
        EXPECT_EQ(ChargerPlanFrequences(r.etat), ResultatChargement::Incompatible) << contenu.size();
        ASSERT_EQ(r.port.Messages.size(), 1u);
        EXPECT_EQ(r.port.Messages[0].Texte, Texte(r.etat, 88));
        EXPECT_TRUE(r.etat.CatalogueFrequences.empty());
        ASSERT_EQ(r.etat.PlanFrequences.size(), avant.size());
        for (std::size_t i = 0; i < avant.size(); ++i)
            EXPECT_EQ(std::memcmp(&r.etat.PlanFrequences[i], &avant[i], sizeof avant[i]), 0) << avant[i].Frequence;
    }
    // A file that vanished between the choice and the reading.
    Reunion r;
    OuvrirCatalogue(r.etat);
    r.port.RepondreFichier(dossier.Fichier("absent.frq"));
    r.port.RepondreOk();
    EXPECT_EQ(ChargerPlanFrequences(r.etat), ResultatChargement::Incompatible);
}

TEST(FichierFrq, ANewChannelReachesTheLabelOfATransmitterOut)
{
    Reunion r;
    r.Plan({35010, 35050});
    FaireSortir(r, {{35010, 5}, {35050, FICHE_LIBRE}});
    ASSERT_EQ(VueChamp(r.Entree(35010).Libelle), "(5)  35.010______");
    OuvrirCatalogue(r.etat);
    AppliquerFichierFrq(r.etat, *LireFichierFrq("35010, 61\r\n35050, 65\r\n"));
    ValiderPlanFrequences(r.etat);
    EXPECT_EQ(VueChamp(r.Entree(35010).Libelle), "(5)  35.010__k 61");
    EXPECT_EQ(VueChamp(r.Entree(35050).Libelle), "35.050__k 65");
    EXPECT_EQ(r.Entree(35010).Etat, Sortie);
}

TEST(Validation, AnEmptyCatalogueGivesAnEmptyPlan)
{
    Reunion r;
    r.Plan({35010, 35050});
    OuvrirCatalogue(r.etat);
    Choisir(r, {});
    ValiderPlanFrequences(r.etat);
    EXPECT_EQ(r.etat.NbFrequences(), 0);
    EXPECT_TRUE(r.etat.FrequencesTouchees.empty());
    EXPECT_EQ(r.etat.NbParBande, (std::array<int32_t, 6>{}));
    EXPECT_EQ(r.etat.NbSorties, 0);
}
