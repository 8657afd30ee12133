#include "cards/echange.h"
#include "engine/frequences.h"
#include "freqplan/catalogue.h"
#include "storage/manifestation.h"
#include "tests/stand/stand_test.h"
#include "tests/support/dossier_temporaire.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

namespace {

const std::string ENTETE = "Nom\tFr\xE9q.\tLicence\tType mod\xE8le\tRemarques\r\n";

struct Import : ::testing::Test {
    ReunionStand r;
    void SetUp() override
    {
        r.Plan({35010, 35020, 40665});
        r.Entree(35010).Canal = 61;
        r.Fiche(3, "Deja", 35010);
        ++r.Entree(35010).NbUtilisateurs;
        r.etat.TitreFichier = "Koral du 06_12_26.mhz";
    }
    std::vector<std::string> Erreurs(const std::string& fichier)
    {
        return ImporterFiches(r.etat, fichier).Erreurs;
    }
    std::string E(int texte, int ligne) { return FormaterTexte(Texte(r.etat, texte), static_cast<unsigned>(ligne)); }
    std::vector<int32_t> Numeros()
    {
        std::vector<int32_t> n;
        for (const FicheVol& f : r.etat.Fiches)
            if (EstFichePilote(f.Numero)) n.push_back(f.Numero);
        return n;
    }
};

} // namespace

TEST(LireFrequenceEchange, OnlyWholeNumbersAreFrequencies)
{
    struct Cas { const char* texte; std::optional<int32_t> valeur; };
    const Cas cas[] = {
        {"35010", 35010}, {"35.010", 35010}, {"35,010", 35010}, {" 35.010 ", 35010}, {"35.012", 35010}, {"35.013", 35015},
        {"2450", 2400000}, {"2.4 GHz", 2400000}, {"2.4GHz", 2400000}, {"2,45", std::nullopt}, {"35010x", std::nullopt},
        {"x35010", std::nullopt}, {"35.01.0", std::nullopt}, {"35,", std::nullopt}, {"", std::nullopt}, {"-35010", std::nullopt},
        {"1234567890123456", std::nullopt}, {"30000", std::nullopt},
    };
    for (const Cas& c : cas) EXPECT_EQ(LireFrequenceEchange(c.texte), c.valeur) << c.texte;
}

TEST_F(Import, EveryLineIsCheckedAndAnyFaultCreatesNothing)
{
    std::string fichier = ENTETE;
    fichier += "Martin\t35.010\tFR-1\tExtra\tRien\r\n";                  // line 2: good
    fichier += "\t35.999x\tFR-2\tPitts\t\r\n";                             // 3: no name, bad frequency
    fichier += "Durand\t35.020\r\n";                                       // 4: one TAB
    fichier += "\r\n";                                                      // 5: blank, skipped
    fichier += "abc\r\n";                                                   // 6: short, not blank
    for (int k = 0; k < 600; ++k) fichier += "Pilote\t35.020\tL\tM\tR\r\n";   // 7 .. 606
    fichier += "Dernier\t12.345\tL\tM\tR";                                  // 607, no line end
    const std::size_t fiches = r.etat.Fiches.size();
    EXPECT_THAT(Erreurs(fichier), ElementsAre(E(747, 3), E(748, 3), E(749, 4), E(749, 6), E(748, 607)));
    EXPECT_EQ(r.etat.Fiches.size(), fiches);
    EXPECT_TRUE(r.etat.CatalogueFrequences.empty());
    EXPECT_EQ(r.etat.NbFrequences(), 3);
}

TEST_F(Import, CardsAreNumberedFromTheFreeNumbersAndThePlanGrowsOnTheWay)
{
    std::string fichier = std::string(1200, 'x') + "\t\t\t\t\r\n";   // a header longer than any buffer
    fichier += "Martin\t35,010\tFR-1\tExtra 330\tMatin\r\n";
    fichier += "Petit\t2450\tFR-2\tYak\t\r\n";
    fichier += "Roux\t35.087\tFR-3\tASW\tRien\r\n";   // 35.085, in no catalogue record: a free slot
    const ResultatImport res = ImporterFiches(r.etat, fichier);
    ASSERT_THAT(res.Erreurs, IsEmpty());
    EXPECT_EQ(res.Importees, 3);
    EXPECT_EQ(TexteResultatImport(r.etat, res), "3  fiche(s) import\xE9" "e(s)  -  0  erreur(s)");
    EXPECT_THAT(Numeros(), ElementsAre(3, 1, 2, 4));
    const FicheVol* martin = ChercheFiche(r.etat, 1, 1);
    EXPECT_EQ(int32_t{martin->Canal}, 61);
    EXPECT_EQ(VueChamp(martin->Modele), "Extra 330");
    EXPECT_EQ(int32_t{ChercheFiche(r.etat, 2, 1)->Frequence}, 2400000);
    EXPECT_EQ(r.Entree(35010).NbUtilisateurs, 2);
    EXPECT_EQ(r.Entree(35085).Canal, 0);
    EXPECT_EQ(r.Entree(35085).NbUtilisateurs, 1);
    for (int32_t f : Bande24()) EXPECT_GE(r.Index(f), 0);
    EXPECT_TRUE(r.etat.CatalogueFrequences.empty());
    EXPECT_EQ(r.FichierManifestation(), ImageManifestation(r.etat));
    EXPECT_EQ(r.etat.TitreFichier, "Koral du 06_12_26.mhz");
}

TEST_F(Import, ASpreadsheetsUtf8AndQuotesAreRead)
{
    std::string fichier = "\xEF\xBB\xBF\"Nom\"\t\"Fr\xC3\xA9q.\"\t\"Licence\"\t\"Type\"\t\"Remarques\"\n";
    fichier += "\"L\xC3\xA9on \"\"Le Pilote\"\"\"\t\"35,010\"\t\"FR-\xC3\xA9\"\t\"Planeur\tgrand\"\t\"Ligne 1\nLigne 2\"\n";
    fichier += "Bob\t35020\tL\tM\tR\n";
    const ResultatImport res = ImporterFiches(r.etat, fichier);
    ASSERT_THAT(res.Erreurs, IsEmpty());
    const FicheVol* leon = ChercheFiche(r.etat, 1, 1);
    EXPECT_EQ(VueChamp(leon->Nom), "L\xE9on \"Le Pilote\"");
    EXPECT_EQ(VueChamp(leon->Licence), "FR-\xE9");
    EXPECT_EQ(VueChamp(leon->Modele), "Planeur grand");
    EXPECT_EQ(VueChamp(leon->Remarques), "Ligne 1\r\nLigne 2");
    // The next record starts on line 4, after the two lines of the remark.
    const std::string deux = "Nom\tF\tL\tM\tR\n\"A\nB\"\t35010\tL\tM\tR\n\t35010\tL\tM\tR\n";
    EXPECT_THAT(Erreurs(deux), ElementsAre(E(747, 4)));
    // A character Windows-1252 cannot hold is an error of its line, never a "?".
    EXPECT_THAT(Erreurs("Nom\tF\tL\tM\tR\nSe\xC3\xB1or\t35010\tL\tM\tR\nJi\xC5\x99\xC3\xAD\t35010\tL\tM\tR\n"), ElementsAre(E(199, 3)));
}

TEST_F(Import, MoreCardsThanNumbersOrFrequenciesThanRoomIsRefusedWhole)
{
    for (int32_t n = 4; n <= 998; ++n) r.Fiche(n, "P", 35020);   // 1 and 2 stay free
    std::string fichier = ENTETE + "A\t35010\tL\tM\tR\r\nB\t35010\tL\tM\tR\r\nC\t35010\tL\tM\tR\r\n";
    EXPECT_THAT(Erreurs(fichier), ElementsAre(FormaterTexte(Texte(r.etat, 200), 3u, 2u)));
    EXPECT_THAT(Erreurs(fichier).front(), ::testing::EndsWith("3 fiches \xE0 importer, 2 num\xE9ros libres."));
    EXPECT_FALSE(FicheExiste(r.etat, 1));

    // Every free slot of the catalogue is taken: a new frequency has no room.
    ReunionStand plein;
    std::vector<int32_t> plan = Reunion::PlanNational();
    for (int32_t f = 35002; static_cast<int>(plan.size()) < TAILLE_CATALOGUE; f += 5)
        if (std::find(plan.begin(), plan.end(), ArrondirGrille5(f)) == plan.end()) plan.push_back(ArrondirGrille5(f));
    plein.Plan(plan);
    const auto lignes = ImporterFiches(plein.etat, ENTETE + "A\t35010\tL\tM\tR\r\nB\t40.001\tL\tM\tR\r\n").Erreurs;
    EXPECT_THAT(lignes, ElementsAre(FormaterTexte(Texte(plein.etat, 201), 3u)));
}

TEST_F(Import, NoHeaderOrNoFileIsIncompatible)
{
    r.port.RepondreOk();
    EXPECT_TRUE(ImporterFiches(r.etat, "Nom\tFreq\r\nMartin\t35010\tL\tM\tR\r\n").Incompatible);
    r.port.RepondreOk();
    EXPECT_TRUE(ImporterFichier(r.etat, (r.dossier / "absent.txt").string()).Incompatible);
    EXPECT_EQ(r.port.Messages.size(), 2u);
    EXPECT_EQ(r.port.Messages[1].Texte, Texte(r.etat, 88));
}

TEST_F(Import, ExportThenImportGivesThePilotsBack)
{
    FicheVol& m = r.Fiche(12, "Lef\xE8vre", 2400000);
    CopierChamp(m.Licence, "FR-\xE9t\xE9");
    CopierChamp(m.Modele, "Extra\t330");
    CopierChamp(m.Remarques, "Moteur neuf\r\nH\xE9lice 14x7");
    r.Fiche(2999, "", FREQUENCE_AUCUNE).Etat = Arretee;
    const std::string texte = TexteExport(r.etat);
    EXPECT_EQ(texte, Texte(r.etat, 202) + "\r\nDeja\t35.010\t\t\t\r\nLef\xE8vre\t2.4 GHz\tFR-\xE9t\xE9\tExtra 330\tMoteur neuf  H\xE9lice 14x7\r\n");

    ReunionStand autre;
    autre.Plan({35010});
    ASSERT_THAT(ImporterFiches(autre.etat, texte).Erreurs, IsEmpty());
    const FicheVol* lefevre = ChercheFiche(autre.etat, 2, 1);
    ASSERT_NE(lefevre, nullptr);
    EXPECT_EQ(VueChamp(lefevre->Nom), "Lef\xE8vre");
    EXPECT_EQ(int32_t{lefevre->Frequence}, 2400000);
    EXPECT_EQ(VueChamp(lefevre->Licence), "FR-\xE9t\xE9");
    EXPECT_EQ(VueChamp(lefevre->Remarques), "Moteur neuf  H\xE9lice 14x7");

    // Through the file dialog, with the export's filter and name.
    const std::string chemin = (r.dossier / "export.txt").string();
    r.port.RepondreFichier(chemin);
    ExporterFiches(r.etat);
    EXPECT_EQ(LireOctets(chemin), texte);
    EXPECT_EQ(r.port.Fichiers.back().NomPropose, "Export_");
    EXPECT_TRUE(r.port.Fichiers.back().Enregistrer);
    EXPECT_EQ(r.port.Fichiers.back().Filtres.front().second, "*.txt");
    EXPECT_EQ(r.etat.TitreFichier, "Koral du 06_12_26.mhz");
}

TEST_F(Import, AQuotedFieldClosesAsSpreadsheetsWriteItAndAStrayQuoteIsItsLinesError)
{
    const std::string longue = "\"" + std::string(3000, 'x') + "\"";
    std::string vingtCinq = "\"debut\n";
    for (int k = 0; k < 25; ++k) vingtCinq += "P" + std::to_string(k) + "\t35.010\tL\tM\tR\n";
    struct Cas { std::string lignes; std::vector<std::string> erreurs; std::vector<std::string> noms; };
    const Cas cas[] = {
        // The quote of line 3 never closes: lines 4 to 6 stay lines (line 5 has no name).
        {"Un\t35.010\tL\tM\tR\nDeux\t35.020\t\t\t\"Attention aux h\xE9lices\nTrois\t35.010\tL\tM\tR\n\t35.010\tL\tM\tR\nQuatre\t35.020\tL\tM\tR\n",
         {E(221, 3), E(747, 5)}, {}},
        // Closed by a quote followed by text: the opening quote was a character.
        {"\"Biggles\" Dupont\t35.010\tL\tM\tR\nLe \"Papy\"\t35.010\tL\t\"Spirit\" r\xE9plique\t\"Vol de nuit\n", {E(221, 3)}, {}},
        {"\"Biggles\" Dupont\t35.010\tL\tM\tR\nLe \"Papy\"\t35.010\tL\t\"Spirit\" r\xE9plique\tR\n", {},
         {"\"Biggles\" Dupont", "Le \"Papy\""}},
        // A quoted line break within bounds is part of its field; far past them it is a stray quote.
        {"\"A\nB\"\t35.010\tL\tM\t\"1\n2\n3\"\nC\t35.010\tL\tM\tR\n", {}, {"A B", "C"}},
        {"Long\t35.010\tL\t" + longue + "\tR\nC\t35.010\tL\tM\tR\n", {E(221, 2)}, {}},
        {"Lignes\t35.010\tL\tM\t" + vingtCinq + "fin\"\nC\t35.010\tL\tM\tR\n", {E(221, 2), E(749, 28)}, {}},
        {"A\t35.010\tL\tM\tR\nB\t35.010\tL\tM\t\"fin", {E(221, 3)}, {}},
        // A quoted name of line breaks only is no name.
        {"\"\n\"\t35.010\tL\tM\tR\n", {E(747, 2)}, {}},
    };
    for (const Cas& c : cas) {
        ReunionStand vide;
        vide.Plan({35010, 35020});
        const ResultatImport res = ImporterFiches(vide.etat, ENTETE + c.lignes);
        EXPECT_EQ(res.Erreurs, c.erreurs) << c.lignes.substr(0, 60);
        std::vector<std::string> noms;
        for (const FicheVol& f : vide.etat.Fiches)
            if (EstFichePilote(f.Numero)) noms.emplace_back(VueChamp(f.Nom));
        EXPECT_EQ(noms, c.noms) << c.lignes.substr(0, 60);
    }
}

TEST_F(Import, TheExportQuotesOnlyWhatTheImportWouldMisread)
{
    struct Cas { const char* modele; const char* exporte; };
    const Cas cas[] = {
        {"\"Papy", "\"\"\"Papy\""},
        {"\"Spirit of St. Louis\" r\xE9plique", "\"\"\"Spirit of St. Louis\"\" r\xE9plique\""},
        {"Le \"Papy\"", "Le \"Papy\""},
        {"Extra\t330\r\nbleu", "Extra 330  bleu"},
        {"", ""},
    };
    FicheVol& f = r.Fiche(12, "Martin", 35010);
    for (const Cas& c : cas) {
        CopierChamp(f.Modele, c.modele);
        const std::string texte = TexteExport(r.etat);
        const std::string ligne = texte.substr(texte.find("Martin"));
        EXPECT_EQ(ligne, std::string("Martin\t35.010\t\t") + c.exporte + "\t\r\n") << c.modele;
    }
    // A card of an older meeting without a name is exported under its number, which imports.
    CopierChamp(f.Nom, "  ");
    ReunionStand autre;
    autre.Plan({35010});
    ASSERT_THAT(ImporterFiches(autre.etat, TexteExport(r.etat)).Erreurs, IsEmpty());
    EXPECT_EQ(VueChamp(ChercheFiche(autre.etat, 2, 1)->Nom), "Pilote n\xB0 012");
    // Windows-1252 that reads as UTF-8 (the English header has no accent) goes out as
    // UTF-8 with its mark, and comes back the same.
    r.etat.DecalageLangue = DECALAGE_ANGLAIS;
    CopierChamp(f.Nom, "\xC3\xA9t\xC3\xA9");
    CopierChamp(ChercheFiche(r.etat, 3, 1)->Nom, "\xE2\x82\xAC");
    const std::string texte = TexteExport(r.etat);
    EXPECT_EQ(texte.substr(0, 3), "\xEF\xBB\xBF");
    ReunionStand troisieme;
    troisieme.Plan({35010});
    ASSERT_THAT(ImporterFiches(troisieme.etat, texte).Erreurs, IsEmpty());
    EXPECT_EQ(VueChamp(ChercheFiche(troisieme.etat, 1, 1)->Nom), "\xE2\x82\xAC");
    EXPECT_EQ(VueChamp(ChercheFiche(troisieme.etat, 2, 1)->Nom), "\xC3\xA9t\xC3\xA9");
}
