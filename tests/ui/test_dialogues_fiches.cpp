#include "cards/dictionnaire.h"
#include "cards/ui/dialogue_dictionnaire.h"
#include "cards/ui/dialogue_lecture.h"
#include "cards/ui/dialogue_liste_fiches.h"
#include "cards/ui/dialogue_saisie.h"
#include "engine/cp1252.h"
#include "engine/frequences.h"
#include "engine/textes.h"
#include "widgets/ui/ligne_liste.h"
#include "stand/file_attente.h"
#include "stand/ui/dialogue_sortie_fiches.h"
#include "storage/manifestation.h"
#include "tests/stand/stand_test.h"
#include "tests/support/dossier_temporaire.h"
#include "tests/ui/support/captures.h"
#include "tests/ui/support/controles_test.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

// Forty pilots on a plan of four bands, one of them in flight and one stopped.
void Quarante(ReunionStand& r)
{
    std::vector<int32_t> plan = {35010, 35020, 35030, 35040, 35050, 40665, 40675, 72210, 72250};
    for (int32_t f : Bande24()) plan.push_back(f);
    r.Plan(plan);
    const char* noms[] = {"Martin", "Bernard", "Lef\xE8vre", "Dupont", "Girard", "Fran\xE7ois", "Moreau", "Roux"};
    for (int n = 1; n <= 40; ++n) {
        const int32_t f = plan[static_cast<std::size_t>(n % 10)];
        FicheVol& c = r.Fiche(n, std::string(noms[n % 8]) + " " + std::to_string(n), f);
        CopierChamp(c.Modele, n % 3 ? "Extra 330 SC - 2.60 m" : "ASW 28 - 4 m");
        c.NbVols = n % 4;
        c.CumulEmission = n % 4 * 95000;
        ++r.Entree(f).NbUtilisateurs;
    }
    ChercheFiche(r.etat, 5, 1)->Etat = Arretee;
    r.Sortir(35010, 11);
}

} // namespace

TEST(DialogueSaisie, TheDictionaryWordGoesAtTheCaretAndTheFocusStaysInTheModel)
{
    ReunionStand r;
    r.Plan({35010, 35050});
    r.etat.EtatDictionnaire = 1;
    r.etat.MotsDictionnaire = {"Planeur", "Avion"};
    DialogueSaisie d(r.etat);
    d.show();
    QApplication::setActiveWindow(&d);
    QLineEdit* modele = Controle<QLineEdit>(d, 417);
    QPushButton* inserer = Controle<QPushButton>(d, 423);
    EXPECT_FALSE(inserer->isVisible());
    modele->setFocus();
    QApplication::processEvents();
    EXPECT_TRUE(inserer->isVisible());
    EXPECT_EQ(inserer->focusPolicy(), Qt::NoFocus);
    modele->setText("Extra 300 vert");
    modele->setSelection(6, 3);   // "300" replaced
    QStringList offerts;
    d.ChoixMot = [&offerts](QMenu& menu) {
        for (QAction* a : menu.actions()) offerts << a->text();
        return 0;
    };
    QTest::mouseClick(inserer, Qt::LeftButton);
    EXPECT_EQ(offerts, (QStringList{"Planeur", "Avion"}));
    EXPECT_EQ(modele->text(), "Extra Planeur  vert");
    EXPECT_TRUE(modele->hasFocus());
    modele->undo();
    EXPECT_EQ(modele->text(), "Extra 300 vert");
    Controle<QLineEdit>(d, 415)->setFocus();
    QApplication::processEvents();
    EXPECT_FALSE(inserer->isVisible());
}

// A word holding a NUL or another control byte never puts into the model field
// what the card cannot keep: what the field shows is what is saved.
TEST(DialogueSaisie, ADictionaryWordsOddBytesNeverLoseTheModelText)
{
    ReunionStand r;
    r.Plan({35010});
    r.etat.SauvegardeActive = 1;
    const std::string dico = (r.dossier / "dico.txt").string();
    EcrireOctets(dico, std::string("b\0c\r\nd\x01" "e\r\n", 10));
    r.etat.CheminDictionnaire = dico;
    ChargerDictionnaire(r.etat);
    ASSERT_EQ(r.etat.EtatDictionnaire, 1);
    DialogueSaisie d(r.etat);
    d.show();
    QApplication::setActiveWindow(&d);
    Controle<QListWidget>(d, 409)->setCurrentRow(0);
    Controle<QLineEdit>(d, 415)->setText("Martin");
    QLineEdit* modele = Controle<QLineEdit>(d, 417);
    modele->setFocus();
    QApplication::processEvents();
    modele->setText("XAlpha");
    modele->setCursorPosition(1);
    d.ChoixMot = [](QMenu&) { return 0; };
    QTest::mouseClick(Controle<QPushButton>(d, 423), Qt::LeftButton);
    d.ChoixMot = [](QMenu&) { return 1; };
    QTest::mouseClick(Controle<QPushButton>(d, 423), Qt::LeftButton);
    EXPECT_EQ(modele->text(), "Xb d Alpha");
    QTest::mouseClick(Controle<QPushButton>(d, 1), Qt::LeftButton);
    ASSERT_TRUE(FicheExiste(r.etat, 1));
    EXPECT_EQ(VueChamp(ChercheFiche(r.etat, 1, 1)->Modele), "Xb d Alpha");
    Reunion relue;
    ASSERT_TRUE(ReprendreManifestation(relue.etat, r.etat.CheminManifestation));
    EXPECT_EQ(VueChamp(ChercheFiche(relue.etat, 1, 1)->Modele), "Xb d Alpha");
}

TEST(DialogueSaisie, FieldsHoldOnlyWhatTheRecordsCanHold)
{
    ReunionStand r;
    r.Plan({35010});
    r.etat.EtatDictionnaire = -1;
    DialogueSaisie d(r.etat);
    d.show();
    QLineEdit* nom = Controle<QLineEdit>(d, 415);
    EXPECT_EQ(nom->maxLength(), 22);
    EXPECT_EQ(Controle<QLineEdit>(d, 414)->maxLength(), 14);
    EXPECT_EQ(Controle<QLineEdit>(d, 417)->maxLength(), 126);
    nom->setFocus();
    QTest::keyClicks(nom, "Jo");
    QKeyEvent cyrillique(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUtf8("Ж"));
    QApplication::sendEvent(nom, &cyrillique);
    QKeyEvent accent(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUtf8("ë"));
    QApplication::sendEvent(nom, &accent);
    EXPECT_EQ(nom->text(), QString::fromUtf8("Joë"));
    // Remarks: 253 bytes with each line break as CR LF.
    QPlainTextEdit* remarques = Controle<QPlainTextEdit>(d, 418);
    remarques->setPlainText(QString(249, 'r') + "\n");
    remarques->moveCursor(QTextCursor::End);
    remarques->insertPlainText(QString::fromUtf8("Ж"));     // no Windows-1252 form
    remarques->insertPlainText("s");
    remarques->insertPlainText("\nt");                     // two bytes for the break: too many
    EXPECT_EQ(remarques->toPlainText(), QString(249, 'r') + "\ns");
    remarques->insertPlainText(QString::fromUtf8("€"));     // the 253rd byte
    remarques->insertPlainText("u");
    EXPECT_EQ(remarques->toPlainText(), QString(249, 'r') + QString::fromUtf8("\ns€"));
}

TEST(DialogueSaisie, EscapeAndTheCloseBoxAreAbandonInASeries)
{
    ReunionStand r;
    r.Plan({35010});
    r.etat.EtatDictionnaire = -1;
    for (int fermeture = 0; fermeture < 2; ++fermeture) {
        r.etat.CommandeDemandee = 0;
        DialogueSaisie d(r.etat);
        d.show();
        if (fermeture) d.close();
        else QTest::keyClick(&d, Qt::Key_Escape);
        EXPECT_FALSE(d.isVisible());
        EXPECT_EQ(d.result(), 1);
        EXPECT_EQ(r.etat.CommandeDemandee, 207);
    }
}

TEST(DialogueDictionnaire, OnlyOkClosesItAndItKeepsWhatWasTyped)
{
    ReunionStand r;
    r.etat.CheminDictionnaire = "/club/DICO_KORAL.TXT";
    DialogueDictionnaire d(r.etat);
    d.show();
    EXPECT_EQ(Controle<QLineEdit>(d, 671)->text(), "/club/DICO_KORAL.TXT");
    EXPECT_EQ(Controle<QLineEdit>(d, 671)->cursorPosition(), 20);
    QTest::keyClick(&d, Qt::Key_Escape);
    EXPECT_TRUE(d.isVisible());
    r.port.RepondreFichier("/club/types.txt");
    QTest::mouseClick(Controle<QPushButton>(d, 670), Qt::LeftButton);
    EXPECT_EQ(Controle<QLineEdit>(d, 671)->text(), "/club/types.txt");
    Controle<QCheckBox>(d, 669)->setChecked(true);
    QTest::mouseClick(Controle<QPushButton>(d, 1), Qt::LeftButton);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(r.etat.CheminDictionnaire.Chaine(), "/club/types.txt");
    EXPECT_EQ(r.etat.EtatDictionnaire, -1);
}

TEST(DialogueLecture, Button425ByTheStateOfTheCard)
{
    ReunionStand r;
    r.Plan({35010});
    FicheVol& f = r.Fiche(12, "Martin", 35010);
    r.etat.FicheCourante = 12;
    struct Cas { int32_t etat; bool visible, actif; QString texte; };
    for (const Cas& c : {Cas{AuSol, false, false, ""}, Cas{EnVol, true, false, "SORTI"}, Cas{Arretee, true, true, "Reprise"}}) {
        f.Etat = c.etat;
        DialogueLecture d(r.etat, [](int) {});
        d.show();
        QPushButton* b = Controle<QPushButton>(d, 425);
        EXPECT_EQ(b->isVisible(), c.visible) << c.etat;
        EXPECT_EQ(b->isEnabled(), c.actif) << c.etat;
        if (c.visible) {
            EXPECT_EQ(b->text(), c.texte);
        }
    }
}

TEST(DialoguesFiches, ScreenshotsInEachLanguage)
{
    for (int langue : {0, 1000, 2000}) {
        const std::string suffixe = langue == 0 ? "_fr" : langue == 1000 ? "_en" : "_pt";
        ReunionStand r;
        Quarante(r);
        r.etat.DecalageLangue = langue;
        r.etat.EtatDictionnaire = -1;
        auto verifier = [&suffixe](QDialog& d, const std::string& nom) {
            Capturer(&d, nom + suffixe);
            EXPECT_TRUE(TextesCoupes(&d).empty()) << nom << suffixe << " " << (TextesCoupes(&d).empty() ? "" : TextesCoupes(&d)[0]);
        };
        for (int mode = 0; mode < 3; ++mode) {
            r.etat.ModeModification = mode >= 1;
            r.etat.ModeDuplication = mode == 2;
            r.etat.FicheCourante = 3;
            DialogueSaisie d(r.etat);
            verifier(d, mode == 0 ? "SAISIE_nouvelle" : mode == 1 ? "SAISIE_modification" : "SAISIE_duplication");
            EXPECT_EQ(d.windowTitle(), QString::fromStdString(Cp1252VersUtf8(Texte(r.etat, mode == 1 ? 646 : 67))));
            r.etat.ModeDuplication = 0;
        }
        {
            DialogueListeFiches d(r.etat, [](int) {});
            EXPECT_EQ(d.Liste()->topLevelItemCount(), 40);
            verifier(d, "DIALPILOTES_40");
        }
        for (int32_t numero : {11, 5}) {
            r.etat.FicheCourante = numero;
            DialogueLecture d(r.etat, [](int) {});
            verifier(d, "LECTURE_" + std::to_string(numero));
        }
        DialogueDictionnaire dico(r.etat);
        verifier(dico, "DIALFICDICO");
    }
}

TEST(DialogueSortie2, AChoiceInOneListClearsTheOther)
{
    ReunionStand r;
    Quarante(r);
    for (int32_t n : {7, 3, 12}) {
        r.etat.FicheCourante = n;
        AjouterEnFile(r.etat);
    }
    DialogueSortie2 d(r.etat);
    d.show();
    QListWidget* file = d.Liste(920);
    QListWidget* autres = d.Liste(923);
    EXPECT_EQ(file->currentRow(), 0);
    EXPECT_EQ(file->count(), 3);
    QTest::mouseClick(autres->viewport(), Qt::LeftButton, {}, autres->visualItemRect(autres->item(2)).center());
    EXPECT_TRUE(file->selectedItems().isEmpty());
    QTest::mouseClick(file->viewport(), Qt::LeftButton, {}, file->visualItemRect(file->item(1)).center());
    EXPECT_TRUE(autres->selectedItems().isEmpty());
}

TEST(DialoguesSortie, ScreenshotsWithFortyCardsInEachLanguage)
{
    for (int langue : {0, 1000, 2000}) {
        const std::string suffixe = langue == 0 ? "_fr" : langue == 1000 ? "_en" : "_pt";
        ReunionStand r;
        Quarante(r);
        r.etat.DecalageLangue = langue;
        DialogueSortieFiches cartes(r.etat);
        EXPECT_EQ(cartes.findChild<QListWidget*>("920")->count(), 38);
        Capturer(&cartes, "DIALSORTIR_40" + suffixe);
        EXPECT_TRUE(TextesCoupes(&cartes).empty()) << suffixe;
        for (int32_t n : {7, 3, 12, 21, 30}) {
            r.etat.FicheCourante = n;
            AjouterEnFile(r.etat);
        }
        DialogueSortie2 file(r.etat);
        Capturer(&file, "DIALSORTIR2_40" + suffixe);
        EXPECT_EQ(TextesCoupes(&file), std::vector<std::string>{}) << suffixe;
    }
}
