#include "cards/echange.h"
#include "cards/ui/dialogue_import.h"
#include "engine/frequences.h"
#include "engine/textes.h"
#include "freqplan/ui/dialogue_occupation.h"
#include "storage/manifestation.h"
#include "tests/stand/stand_test.h"
#include "tests/support/dossier_temporaire.h"
#include "tests/ui/support/captures.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// 998 pilots as a spreadsheet saves them: a byte-order mark, every cell in quotes
// (some holding TABs, line breaks and quotes, some names beginning with one),
// commas for decimals.
std::string Tableur()
{
    const char* prenoms[] = {"Andr\xC3\xA9", "Fran\xC3\xA7oise", "Jos\xC3\xA9", "Ga\xC3\xABl", "Chlo\xC3\xA9", "\"\"No\xC3\xABl\"\""};
    const char* frequences[] = {"35,010", "35,030", "40,665", "41,100", "72,210", "2450"};
    std::string t = "\xEF\xBB\xBF\"Nom\"\t\"Fr\xC3\xA9q.\"\t\"Licence\"\t\"Type mod\xC3\xA8le\"\t\"Remarques\"\n";
    for (int n = 1; n <= 998; ++n)
        t += "\"" + std::string(prenoms[n % 6]) + " " + std::to_string(n) + "\"\t\"" + frequences[n % 6] + "\"\t\"FR-" +
             std::to_string(100000 + n) + "\"\t\"Planeur \"\"F3J\"\"\tbleu\"\t\"Arriv\xC3\xA9 samedi\nRepart dimanche\"\n";
    return t;
}

// Imports a file through IMPORTDLG, as the operator does: browse, import, close.
std::string Importer(ReunionStand& r, const std::string& chemin)
{
    DialogueImport dialogue(r.etat);
    dialogue.show();
    r.port.RepondreFichier(chemin);
    QTest::mouseClick(dialogue.findChild<QPushButton*>("743"), Qt::LeftButton);
    EXPECT_EQ(dialogue.findChild<QLineEdit*>("742")->text().toStdString(), chemin);
    QTest::mouseClick(dialogue.findChild<QPushButton*>("744"), Qt::LeftButton);
    const std::string resultat = dialogue.findChild<QLabel*>("741")->text().toStdString();
    QTest::mouseClick(dialogue.findChild<QPushButton*>("745"), Qt::LeftButton);
    EXPECT_FALSE(dialogue.isVisible());
    return resultat;
}

// Every field of every pilot card, in list order.
std::vector<std::string> Cartes(const EtatGlobal& etat)
{
    std::vector<std::string> c;
    for (const FicheVol& f : etat.Fiches)
        if (EstFichePilote(f.Numero))
            c.push_back(std::string(VueChamp(f.Nom)) + "|" + std::to_string(f.Frequence) + "|" + std::string(VueChamp(f.Licence)) +
                        "|" + std::string(VueChamp(f.Modele)) + "|" + std::string(VueChamp(f.Remarques)));
    return c;
}

} // namespace

TEST(DialogueImport, NineHundredNinetyEightPilotsFromASpreadsheetExportedAndImportedAgain)
{
    ReunionStand r;
    r.Plan({35010});
    DossierTemporaire d;
    const std::string chemin = d.Fichier("inscrits.txt");
    EcrireOctets(chemin, Tableur());
    EXPECT_EQ(Importer(r, chemin), "998  fiche(s) import\xC3\xA9" "e(s)  -  0  erreur(s)");

    Reunion relue;
    ASSERT_TRUE(ReprendreManifestation(relue.etat, r.etat.CheminManifestation));
    EXPECT_EQ(relue.etat.NbFiches(), 999);
    const FicheVol* f = ChercheFiche(relue.etat, 7, 1);
    EXPECT_EQ(VueChamp(f->Nom), "Fran\xE7oise 7");
    EXPECT_EQ(int32_t{f->Frequence}, 35030);
    EXPECT_EQ(VueChamp(f->Modele), "Planeur \"F3J\" bleu");
    EXPECT_EQ(VueChamp(f->Remarques), "Arriv\xE9 samedi\r\nRepart dimanche");
    EXPECT_EQ(VueChamp(ChercheFiche(relue.etat, 5, 1)->Nom), "\"No\xEBl\" 5");
    EXPECT_EQ(int32_t{ChercheFiche(relue.etat, 998, 1)->Frequence}, 40665);
    EXPECT_EQ(relue.Entree(35030).NbUtilisateurs, 167);
    EXPECT_EQ(relue.Entree(2400000).NbUtilisateurs, 166);
    EXPECT_GE(relue.Index(41100), 0);

    // Exported, then imported into an empty meeting on the same plan: the same 998 cards,
    // the remarks' line breaks written as blanks.
    const std::string exporte = d.Fichier("export.txt");
    r.port.RepondreFichier(exporte);
    ExporterFiches(r.etat);
    ReunionStand autre;
    std::vector<EntreeFrequence> plan = r.etat.PlanFrequences;
    for (EntreeFrequence& e : plan) e.NbUtilisateurs = 0;
    DefinirPlan(autre.etat, plan);
    EXPECT_EQ(Importer(autre, exporte), "998  fiche(s) import\xC3\xA9" "e(s)  -  0  erreur(s)");
    std::vector<std::string> attendues = Cartes(r.etat);
    for (std::string& c : attendues) c.replace(c.find("\r\n"), 2, "  ");
    EXPECT_EQ(Cartes(autre.etat), attendues);
}

TEST(DialogueImport, AQuoteThatNeverClosesIsAnErrorOfItsLineAndNothingIsCreated)
{
    ReunionStand r;
    r.Plan({35010, 35020});
    DossierTemporaire d;
    const std::string chemin = d.Fichier("guillemet.txt");
    EcrireOctets(chemin, "Nom\tFr\xE9q.\tLicence\tType\tRemarques\r\nUn\t35.010\t\t\t\r\n"
                         "Deux\t35.020\t\t\t\"Attention aux h\xE9lices\r\nTrois\t35.010\t\t\t\r\nQuatre\t35.010\t\t\t\r\n");
    DialogueImport dialogue(r.etat);
    dialogue.show();
    dialogue.findChild<QLineEdit*>("742")->setText(QString::fromStdString(chemin));
    QTest::mouseClick(dialogue.findChild<QPushButton*>("744"), Qt::LeftButton);
    const QListWidget* erreurs = dialogue.findChild<QListWidget*>("747");
    ASSERT_EQ(erreurs->count(), 1);
    EXPECT_EQ(erreurs->item(0)->text(), QString::fromUtf8("ligne 3 - Guillemet ouvert jamais fermé"));
    EXPECT_EQ(dialogue.findChild<QLabel*>("741")->text(), QString::fromUtf8("0  fiche(s) importée(s)  -  1  erreur(s)"));
    EXPECT_EQ(r.etat.NbFiches(), 1);
}

TEST(DialoguesEchange, ScreenshotsInEachLanguage)
{
    for (int langue : {0, 1000, 2000}) {
        const std::string suffixe = langue == 0 ? "_fr" : langue == 1000 ? "_en" : "_pt";
        ReunionStand r;
        r.Plan({35010, 35030, 40665});
        r.etat.DecalageLangue = langue;
        DossierTemporaire d;
        const std::string chemin = d.Fichier("erreurs.txt");
        EcrireOctets(chemin, "Nom\tF\tL\tM\tR\n\t35.99x\tL\tM\tR\nDurand\t35010\nMartin\t35010\tL\tM\tR\n");
        DialogueImport vide(r.etat);
        Capturer(&vide, "IMPORTDLG" + suffixe);
        EXPECT_EQ(TextesCoupes(&vide), std::vector<std::string>{}) << suffixe;
        DialogueImport erreurs(r.etat);
        erreurs.findChild<QLineEdit*>("742")->setText(QString::fromStdString(chemin));
        erreurs.show();
        QTest::mouseClick(erreurs.findChild<QPushButton*>("744"), Qt::LeftButton);
        EXPECT_EQ(erreurs.findChild<QListWidget*>("747")->count(), 3);
        Capturer(&erreurs, "IMPORTDLG_erreurs" + suffixe);
        EXPECT_EQ(TextesCoupes(&erreurs), std::vector<std::string>{}) << suffixe;
        // A quote that never closes, then more pilots than free numbers: each refusal as the operator reads it.
        const std::string guillemet = d.Fichier("guillemet.txt");
        EcrireOctets(guillemet, "Nom\tF\tL\tM\tR\nUn\t35010\tL\tM\t\"Attention\nDeux\t35010\tL\tM\tR\n");
        erreurs.findChild<QLineEdit*>("742")->setText(QString::fromStdString(guillemet));
        QTest::mouseClick(erreurs.findChild<QPushButton*>("744"), Qt::LeftButton);
        Capturer(&erreurs, "IMPORTDLG_guillemet" + suffixe);
        ReunionStand complete;
        complete.Plan({35010});
        complete.etat.DecalageLangue = langue;
        for (int32_t n = 3; n <= 998; ++n) complete.Fiche(n, "P", 35010);
        DialogueImport numeros(complete.etat);
        numeros.findChild<QLineEdit*>("742")->setText(QString::fromStdString(guillemet));
        EcrireOctets(guillemet, "Nom\tF\tL\tM\tR\nUn\t35010\tL\tM\tR\nDeux\t35010\tL\tM\tR\nTrois\t35010\tL\tM\tR\n");
        numeros.show();
        QTest::mouseClick(numeros.findChild<QPushButton*>("744"), Qt::LeftButton);
        ASSERT_EQ(numeros.findChild<QListWidget*>("747")->count(), 1);
        EXPECT_TRUE(numeros.findChild<QListWidget*>("747")->item(0)->text().contains(QStringLiteral("3"))) << suffixe;
        Capturer(&numeros, "IMPORTDLG_numeros" + suffixe);

        for (int n = 1; n <= 30; ++n) r.Fiche(n, "P" + std::to_string(n), 35010);
        r.Entree(35010).NbUtilisateurs = 30;
        r.Fiche(40, "Stop", 35030).Etat = Arretee;
        r.Entree(35030).NbUtilisateurs = 1;
        std::vector<int> commandes;
        DialogueOccupation o(r.etat, [&commandes](int c) { commandes.push_back(c); });
        QTest::mouseClick(o.findChild<QPushButton*>("702"), Qt::LeftButton);
        QWidget* pleine = o.Rangee(0);
        EXPECT_FALSE(pleine->findChild<QPushButton*>("324")->isHidden());
        EXPECT_EQ(pleine->findChild<QLabel*>("NOMBRE")->text(), "30");
        EXPECT_FALSE(o.Rangee(1)->findChild<QPushButton*>("300")->isEnabled());
        EXPECT_FALSE(o.findChild<QPushButton*>("701")->isEnabled());
        Capturer(&o, "OCCUPFREQ" + suffixe);
        EXPECT_EQ(TextesCoupes(&o), std::vector<std::string>{}) << suffixe;
        // The count and the last button lie within the row.
        EXPECT_LE(pleine->findChild<QLabel*>("NOMBRE")->geometry().right(), pleine->width());
        QTest::mouseClick(pleine->findChild<QPushButton*>("302"), Qt::LeftButton);
        EXPECT_EQ(r.etat.FicheCourante, 3);
        EXPECT_EQ(commandes, std::vector<int>{205});
    }
}
