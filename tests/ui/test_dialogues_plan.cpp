#include "cards/ui/dialogue_plan_vols.h"
#include "cards/ui/dialogues_saisie_texte.h"
#include "engine/textes.h"
#include "stand/retour.h"
#include "stand/ui/dialogue_sortie_fiches.h"
#include "tests/stand/stand_test.h"
#include "tests/ui/support/captures.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A plan with every kind of line: flown, skipped, in the air, waiting with each
// problem, a pause passed and one to come, remarks.
void PlanComplet(ReunionStand& r)
{
    r.Plan({35010, 35020, 35030, 35050, 35465, 40665, 72210});
    const std::pair<int32_t, int32_t> cartes[] = {{1, 35010}, {2, 35020}, {3, 35030}, {4, 35050}, {6, 35465}, {7, 40665}, {8, 72210}};
    for (auto [n, f] : cartes) CopierChamp(r.Fiche(n, "Pilote " + std::to_string(n), f).Modele, n % 2 ? "Extra 330" : "ASW 28");
    r.Fiche(2998, "", FREQUENCE_AUCUNE).Etat = Arretee;
    CopierChamp(ChercheFiche(r.etat, 2998, 1)->Modele, "D\xE9monstration de voltige");
    r.Fiche(2999, "", FREQUENCE_AUCUNE).Etat = Arretee;
    CopierChamp(ChercheFiche(r.etat, 2999, 1)->Modele, "Repas");
    const int32_t plan[] = {7, 8, 2998, 999, 1, 3, 4, 2, 1, 6, 999, 2999, 7};
    int32_t rang = 0;
    for (int32_t n : plan) r.Noeud(PlanVols, ++rang, n);
    const auto noeud = [&r](int32_t k) { return ChercheRangDansListe(r.etat, k, PlanVols); };
    noeud(1)->EtatVol = VolTermine;
    noeud(1)->DureeVol = 95000;
    noeud(2)->EtatVol = VolTermine;
    noeud(2)->Problemes = VOL_SAUTE;
    noeud(3)->EtatVol = VolTermine;
    noeud(4)->EtatVol = VolTermine;
    noeud(5)->EtatVol = VolEnCours;
    r.Sortir(35010, 1).RangPlanifie = 5;
    r.etat.ModeSortie = ModePlanifie;
}

} // namespace

TEST(DialoguePlanVols, EscapeDoesNothingAndMenusCarryTheirCommands)
{
    ReunionStand r;
    PlanComplet(r);
    std::vector<int> commandes;
    DialoguePlanVols d(r.etat, [&commandes](int c) { commandes.push_back(c); });
    d.show();
    QTest::keyClick(&d, Qt::Key_Escape);
    EXPECT_TRUE(d.isVisible());
    EXPECT_FALSE(d.findChild<QPushButton*>("1012")->isVisible());
    // A double click shows the line's menu; its items are the core's commands.
    QStringList vus;
    d.ChoixMenu = [&vus](QMenu& menu) {
        for (QAction* a : menu.actions())
            if (!a->isSeparator()) vus << a->text();
        return PLAN_MODIFIER;
    };
    QListWidget* l = d.Liste();
    const QPoint ligne = l->visualItemRect(l->item(6)).center();
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, ligne);
    QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, ligne);
    ASSERT_FALSE(vus.isEmpty());
    EXPECT_EQ(vus.first(), QString::fromUtf8("Fréquence modulée"));
    EXPECT_EQ(commandes, std::vector<int>{280});
    EXPECT_EQ(r.etat.FicheCourante, 4);
    // The add menu marks the cards already planned.
    ChercheFiche(r.etat, 8, 1)->NbVolsPlanifies = 1;
    bool coche = false;
    d.ChoixMenu = [&coche](QMenu& menu) {
        coche = menu.findChild<QAction*>("2008")->isChecked();
        return 0;
    };
    l->setCurrentRow(11);
    QTest::mouseClick(d.findChild<QPushButton*>("1003"), Qt::LeftButton);
    EXPECT_TRUE(coche);
    QTest::mouseClick(d.findChild<QPushButton*>("1005"), Qt::LeftButton);
    EXPECT_EQ(commandes.back(), 1005);
    QTest::mouseClick(d.findChild<QPushButton*>("1"), Qt::LeftButton);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.result(), 1);
}

TEST(DialoguesPlan, TheSmallQuestionsKeepWithinTheirRecords)
{
    ReunionStand r;
    DialogueTexteLibre remarque(r.etat, false, "Repas", 127);
    EXPECT_EQ(remarque.windowTitle(), "Votre remarque ?");
    EXPECT_EQ(remarque.findChild<QLineEdit*>("869")->maxLength(), 127);
    EXPECT_EQ(remarque.Texte(), "Repas");
    DialogueTexteLibre commentaire(r.etat, true, "Moteur neuf\r\n", 253);
    EXPECT_EQ(commentaire.windowTitle(), "Votre commentaire ?");
    commentaire.findChild<QPlainTextEdit*>("869")->insertPlainText("Vole bien");
    EXPECT_EQ(commentaire.Texte(), "Moteur neuf\r\nVole bien");
    DialogueReprise reprise(r.etat);
    reprise.show();
    QLineEdit* nombre = reprise.findChild<QLineEdit*>("731");
    EXPECT_TRUE(nombre->hasSelectedText());
    QTest::keyClicks(nombre, "12x");
    EXPECT_EQ(reprise.Nombre(), 12);
}

TEST(DialoguesPlan, ScreenshotsInEachLanguage)
{
    for (int langue : {0, 1000, 2000}) {
        const std::string suffixe = langue == 0 ? "_fr" : langue == 1000 ? "_en" : "_pt";
        ReunionStand r;
        PlanComplet(r);
        r.etat.DecalageLangue = langue;
        DialoguePlanVols plan(r.etat, [](int) {});
        Capturer(&plan, "DIALPLAN" + suffixe);
        EXPECT_EQ(TextesCoupes(&plan), std::vector<std::string>{}) << suffixe;
        DialogueReprise reprise(r.etat);
        Capturer(&reprise, "DIALREPRISE" + suffixe);
        EXPECT_EQ(TextesCoupes(&reprise), std::vector<std::string>{}) << suffixe;
        DialogueTexteLibre remarque(r.etat, false, "Repas", 127);
        Capturer(&remarque, "DLGREM" + suffixe);
        DialogueTexteLibre commentaire(r.etat, true, "Moteur neuf\r\nH\xE9lice 14x7", 253);
        Capturer(&commentaire, "DLGCOM" + suffixe);
        r.Fiche(30, "Nouveau", 35020);
        ASSERT_TRUE(RetourEnKoral(r.etat, r.Index(35010)));
        DialogueSortie2 sortie(r.etat);
        Capturer(&sortie, "DIALSORTIR2_planifie" + suffixe);
        EXPECT_EQ(TextesCoupes(&sortie), std::vector<std::string>{}) << suffixe;
    }
}
