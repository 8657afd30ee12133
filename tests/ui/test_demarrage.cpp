// The first start's language dialog, the menus in each language, and the
// frequency plan validated through the window rebuilding its board.
#include "freqplan/plan_frequences.h"
#include "freqplan/ui/dialogue_nations.h"
#include "freqplan/ui/dialogue_plan_frequences.h"
#include "shell/commandes.h"
#include "engine/textes.h"
#include "shell/ui/bouton_frequence.h"
#include "shell/ui/dialogue_langue.h"
#include "shell/ui/fenetre_principale.h"
#include "storage/manifestation.h"
#include "tests/ui/support/captures.h"
#include "tests/support/dossier_temporaire.h"
#include "tests/support/meeting.h"

#include <QCheckBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <set>

TEST(DialogueLangue, AChoiceIsTakenAtOnceAndOKLeavesFrenchUnstored)
{
    Reunion r;
    DialogueLangue d(r.etat);
    d.show();
    EXPECT_TRUE(d.findChild<QRadioButton*>("10")->isChecked());
    // Asked before any language is chosen, the prompt speaks all three.
    EXPECT_EQ(d.findChild<QLabel*>("172")->text(), QString::fromUtf8("Choisissez la langue du programme\n"
                                                                       "Choose the language of the program\n"
                                                                       "Escolha a língua do programa"));
    for (int b : {13, 14, 15}) EXPECT_FALSE(d.findChild<QRadioButton*>(QString::number(b))->isEnabled());
    QTest::mouseClick(d.findChild<QRadioButton*>("11"), Qt::LeftButton, {}, QPoint(6, 6));
    EXPECT_EQ(r.etat.DecalageLangue, 1000);
    EXPECT_EQ(r.port.LanguesEnregistrees, std::vector<int>{1000});
    EXPECT_FALSE(d.isVisible());
    Capturer(&d, "DIALLANGUE");

    Reunion s;
    DialogueLangue e(s.etat);
    e.show();
    QTest::mouseClick(e.findChild<QPushButton*>("1"), Qt::LeftButton);
    EXPECT_EQ(s.etat.DecalageLangue, 0);
    EXPECT_TRUE(s.port.LanguesEnregistrees.empty());
}

TEST(MenuPrincipal, EveryItemHasItsTextInEachLanguage)
{
    for (int langue : {0, 1000, 2000}) {
        Reunion r;
        r.etat.DecalageLangue = langue;
        FenetrePrincipale f(r.etat);
        f.ActualiserMenus();
        std::set<QString> commandes;
        int menu = 0;
        for (QAction* titre : f.menuBar()->actions()) {
            EXPECT_FALSE(titre->text().isEmpty());
            QMenu* m = titre->menu();
            ASSERT_NE(m, nullptr);
            std::function<void(QMenu*)> parcourir = [&](QMenu* dans) {
                for (QAction* a : dans->actions()) {
                    if (a->isSeparator()) continue;
                    EXPECT_FALSE(a->text().isEmpty()) << a->objectName().toStdString();
                    if (a->menu()) parcourir(a->menu());
                    else commandes.insert(a->objectName());
                }
            };
            parcourir(m);
            m->popup(QPoint(20 + 200 * menu, 20));
            Capturer(m, "MainMenu_" + std::to_string(menu++) + "_" + std::to_string(langue / 1000));
            m->hide();
        }
        EXPECT_EQ(menu, 5);
        for (const char* c : {"100", "217", "234", "302", "212", "224", "203", "900", "901", "902", "10", "15"})
            EXPECT_TRUE(commandes.count(c)) << c;
        // History: exactly one of "Enregistrer" and "Arrêter" can be chosen.
        EXPECT_NE(f.findChild<QAction*>("217")->isEnabled(), f.findChild<QAction*>("218")->isEnabled());
    }
}

TEST(PlanDeFrequences, ValidatedFromTheWindowTheBoardIsRebuiltAndTheFileRewritten)
{
    DossierTemporaire dossier;
    Reunion r;
    r.port.Documents = dossier.Chemin().string();
    r.port.MessagesLibres = true;
    r.port.RepondreFichier(dossier.Fichier("nouvelle.mhz"));
    r.port.RepondreNouveauMotDePasse("");
    FenetrePrincipale f(r.etat);
    f.Ouvreur = [&](Dialogue d) {
        if (d == Dialogue::Fichier) return ChoisirNouveauFichier(r.etat) ? 1 : 0;
        if (d != Dialogue::PlanFrequences) return 0;
        DialoguePlanFrequences plan(r.etat, &f);
        // France and Germany in DIALNATIONS, then Valider.
        plan.OuvrirNations = [&] {
            DialogueNations nations(r.etat, &plan);
            nations.show();
            for (const char* n : {"2000", "2003"})
                QTest::mouseClick(nations.findChild<QCheckBox*>(n), Qt::LeftButton, {}, QPoint(8, 8));
            QTest::mouseClick(nations.findChild<QPushButton*>("1"), Qt::LeftButton);
            return nations.result();
        };
        plan.show();
        QTest::mouseClick(plan.findChild<QPushButton*>("232"), Qt::LeftButton);
        QTest::mouseClick(plan.findChild<QPushButton*>("1"), Qt::LeftButton);
        return plan.result();
    };
    ASSERT_TRUE(CreerFenetrePrincipale(r.etat, f, ""));
    EXPECT_TRUE(f.BoutonsFrequences().empty());
    f.show();
    f.Commande(224);
    EXPECT_EQ(r.etat.NbFrequences(), 137);
    ASSERT_EQ(f.BoutonsFrequences().size(), 137u);
    // Six bands: the board starts with 26 MHz out of sight and 35 MHz in the first column.
    EXPECT_EQ(r.etat.NbBandesUtilisees, 6);
    EXPECT_FALSE(f.BoutonsFrequences().front()->isVisible());
    const BoutonFrequence* premier35 = f.BoutonsFrequences()[static_cast<std::size_t>(r.etat.NbParBande[0])];
    EXPECT_TRUE(premier35->isVisible());
    EXPECT_EQ(premier35->x(), 50);
    LibererManifestation(r.etat);   // the stand lets the file go, as when it quits
    Reunion relue;
    ASSERT_TRUE(ReprendreManifestation(relue.etat, dossier.Fichier("nouvelle.mhz")));
    EXPECT_EQ(relue.etat.NbFrequences(), 137);
    Capturer(&f, "KORAL_plan_france_allemagne");
}
