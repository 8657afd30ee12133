#include "freqplan/catalogue.h"
#include "freqplan/plan_frequences.h"
#include "freqplan/ui/dialogue_bandes.h"
#include "freqplan/ui/dialogue_frequence_manuelle.h"
#include "freqplan/ui/dialogue_nations.h"
#include "freqplan/ui/dialogue_plan_frequences.h"
#include "widgets/ui/ligne_liste.h"
#include "widgets/ui/qt_textes.h"
#include "widgets/ui/ressources_qt.h"
#include "stand/sortie.h"
#include "tests/freqplan/outils_plan.h"
#include "tests/ui/support/captures.h"
#include "tests/support/dossier_temporaire.h"
#include "tests/support/meeting.h"
#include "tests/ui/support/controles_test.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QListWidgetItem* LigneDe(QListWidget* liste, const QString& texte)
{
    const auto trouves = liste->findItems(texte, Qt::MatchExactly);
    EXPECT_EQ(trouves.size(), 1) << texte.toStdString();
    return trouves.isEmpty() ? nullptr : trouves.first();
}

// Clicks a line the way the operator does, Ctrl held to add it to the selection.
void CliquerLigne(QListWidget* liste, const QString& texte, Qt::KeyboardModifiers touches = {})
{
    QListWidgetItem* ligne = LigneDe(liste, texte);
    if (!ligne) return;
    liste->scrollToItem(ligne);
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, touches, liste->visualItemRect(ligne).center());
}

// A check box reacts to a click on its box or its text, not on the blank beyond.
void Cocher(QWidget& dialogue, int id)
{
    if (auto* c = Controle<QCheckBox>(dialogue, id)) QTest::mouseClick(c, Qt::LeftButton, {}, QPoint(8, c->height() / 2));
}

QString Compte(QWidget& d, int id) { return Controle<QLabel>(d, id)->text(); }

bool Validee(QListWidgetItem* ligne)
{
    return ligne && ligne->data(Qt::ForegroundRole).value<QColor>() == Couleurs::Validee;
}

} // namespace

TEST(DialoguePlanFrequences, AWholeSessionFromNationsToValidation)
{
    DossierTemporaire dossier;
    Reunion r;
    DialoguePlanFrequences d(r.etat);
    d.show();

    d.OuvrirNations = [&] {
        DialogueNations n(r.etat, &d);
        n.show();
        EXPECT_EQ(Controle<QCheckBox>(n, 2003)->text(), "France");
        EXPECT_FALSE(Controle<QCheckBox>(n, 2003)->isChecked());
        Cocher(n, 2003);
        Cocher(n, 2000);
        EXPECT_TRUE(Controle<QCheckBox>(n, 2000)->isChecked());
        Cliquer(n, 1);
        return n.result();
    };
    Cliquer(d, 232);
    EXPECT_EQ(r.etat.NationsChoisies, (std::array<int32_t, 8>{1, 0, 0, 1, 0, 0, 0, 0}));
    EXPECT_EQ(Validees(r.etat).size(), 137u);

    d.OuvrirBandes = [&] {
        DialogueBandes b(r.etat, &d);
        b.show();
        EXPECT_EQ(Compte(b, 233), "29");
        EXPECT_EQ(Compte(b, 234), "31");
        EXPECT_EQ(Compte(b, 238), "???");
        b.OuvrirSaisieManuelle = [&] {
            DialogueFrequenceManuelle m(r.etat, &b);
            m.show();
            auto* frequence = Controle<QLineEdit>(m, 240);
            EXPECT_EQ(frequence->selectedText(), "88888");
            QTest::keyClicks(frequence, "35013");
            auto* canal = Controle<QLineEdit>(m, 241);
            EXPECT_EQ(canal->text(), "000");
            canal->selectAll();
            QTest::keyClicks(canal, "7");
            Cliquer(m, 1);
            return m.result();
        };
        Cliquer(b, 241);
        EXPECT_TRUE(Validee(LigneDe(b.Liste(1), "35.015__k  7")));
        EXPECT_EQ(Compte(b, 234), "32");
        // Two free lines of two bands, then "Supprimer".
        CliquerLigne(b.Liste(0), "26.995__k  4");
        CliquerLigne(b.Liste(2), "40.665__k 50", Qt::ControlModifier);
        Cliquer(b, 240);
        EXPECT_FALSE(Validee(LigneDe(b.Liste(0), "26.995__k  4")));
        EXPECT_EQ(Compte(b, 233), "28");
        EXPECT_EQ(Compte(b, 235), "21");
        Cliquer(b, 1);
        return b.result();
    };
    Cliquer(d, 233);

    const std::string chemin = dossier.Fichier("plan.frq");
    r.port.RepondreFichier(chemin);
    Cliquer(d, 231);
    const std::string texte = LireOctets(chemin);
    EXPECT_NE(texte.find("\r\n35015, 7\r\n"), std::string::npos);
    EXPECT_EQ(texte.find("26995"), std::string::npos);
    // Reading it back changes nothing and keeps the dialog open.
    const auto avant = Validees(r.etat);
    r.port.RepondreFichier(chemin);
    Cliquer(d, 230);
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(Validees(r.etat), avant);

    Cliquer(d, 1);
    EXPECT_EQ(d.result(), 1);
    EXPECT_FALSE(d.isVisible());
    EXPECT_TRUE(r.etat.CatalogueFrequences.empty());
    EXPECT_EQ(r.etat.NbParBande, (std::array<int32_t, 6>{28, 32, 21, 15, 15, 25}));
    EXPECT_EQ(r.etat.NbFrequences(), 136);
    EXPECT_EQ(r.Entree(35015).Canal, 7);
    EXPECT_EQ(r.port.ReponsesRestantes(), 0u);
    EXPECT_TRUE(r.port.Messages.empty());
}

TEST(DialoguePlanFrequences, AbandonAndEscapeLeaveThePlanInUse)
{
    for (bool echappement : {false, true}) {
        Reunion r;
        r.Plan({35010, 35050});
        DialoguePlanFrequences d(r.etat);
        d.show();
        d.OuvrirNations = [&] {
            EnregistrerNations(r.etat, {false, false, true, false, false, false, false, false});
            return 1;
        };
        Cliquer(d, 232);
        EXPECT_EQ(Validees(r.etat).size(), 22u);
        if (echappement) QTest::keyClick(&d, Qt::Key_Escape);
        else Cliquer(d, 2);
        EXPECT_EQ(d.result(), 0);
        EXPECT_TRUE(r.etat.CatalogueFrequences.empty());
        EXPECT_EQ(FrequencesDuPlan(r.etat), (std::vector<int32_t>{35010, 35050}));
    }
}

TEST(DialoguePlanFrequences, AnIncompatibleFileClosesTheDialogAsCancelled)
{
    DossierTemporaire dossier;
    Reunion r;
    r.Plan({35010, 35050});
    const std::string chemin = dossier.Fichier("faux.frq");
    EcrireOctets(chemin, std::string(10000, 'x') + "\r\n");
    DialoguePlanFrequences d(r.etat);
    d.show();
    r.port.RepondreFichier(chemin);
    r.port.RepondreOk();
    Cliquer(d, 230);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.result(), 0);
    EXPECT_EQ(r.port.Messages.at(0).Texte, Texte(r.etat, 88));
    EXPECT_EQ(FrequencesDuPlan(r.etat), (std::vector<int32_t>{35010, 35050}));
    EXPECT_TRUE(r.etat.CatalogueFrequences.empty());
}

TEST(DialoguePlanFrequences, HelpOpensTopic10)
{
    Reunion r;
    DialoguePlanFrequences d(r.etat);
    d.show();
    Cliquer(d, 850);
    ASSERT_EQ(r.port.Aides.size(), 1u);
    EXPECT_EQ(r.port.Aides[0].Sujet, 10);
    EXPECT_FALSE(r.port.Aides[0].Popup);
    EXPECT_TRUE(d.isVisible());
}

TEST(DialogueNations, OpensWithTheChoiceKeptAndAbandonKeepsIt)
{
    Reunion r;
    r.etat.NationsChoisies = {0, 1, 0, 0, 0, 0, 0, 1};
    OuvrirCatalogue(r.etat);
    DialogueNations n(r.etat);
    n.show();
    EXPECT_TRUE(Controle<QCheckBox>(n, 2001)->isChecked());
    EXPECT_TRUE(Controle<QCheckBox>(n, 2007)->isChecked());
    EXPECT_FALSE(Controle<QCheckBox>(n, 2003)->isChecked());
    Cocher(n, 2001);
    EXPECT_FALSE(Controle<QCheckBox>(n, 2001)->isChecked());
    Cliquer(n, 2);
    EXPECT_EQ(n.result(), 0);
    EXPECT_EQ(r.etat.NationsChoisies, (std::array<int32_t, 8>{0, 1, 0, 0, 0, 0, 0, 1}));
}

TEST(DialogueFrequenceManuelle, AWrongFrequencyIsSelectedAgainAndAKnownOneKeepsTheDialogOpen)
{
    Reunion r;
    OuvrirCatalogue(r.etat);
    DialogueFrequenceManuelle m(r.etat);
    m.show();
    auto* frequence = Controle<QLineEdit>(m, 240);
    frequence->selectAll();
    QTest::keyClicks(frequence, "2.45");
    r.port.RepondreOk();
    Cliquer(m, 1);
    EXPECT_EQ(r.port.Messages.at(0).Texte, Texte(r.etat, 163));
    EXPECT_TRUE(m.isVisible());
    EXPECT_EQ(frequence->selectedText(), "2.45");
    QTest::keyClicks(frequence, "35010");
    r.port.RepondreOk();
    Cliquer(m, 1);
    EXPECT_EQ(r.port.Messages.at(1).Texte, Texte(r.etat, 164));
    EXPECT_TRUE(m.isVisible());
    Cliquer(m, 2);
    EXPECT_EQ(m.result(), 0);
    EXPECT_EQ(NbCreneauxLibres(r.etat), 30);
}

TEST(DialogueBandes, UsedLinesSelectedAcrossBandsAreReportedOneByOne)
{
    Reunion r;
    r.Plan({26995, 35000, 72210, 72230});
    r.Entree(35000).NbUtilisateurs = 2;
    ASSERT_TRUE(SortieFrequence(r.etat, r.Entree(72210), FICHE_LIBRE));
    OuvrirCatalogue(r.etat);
    DialogueBandes b(r.etat);
    b.show();
    for (int id : {408, 409, 410, 411, 412, 427})
        EXPECT_EQ(Controle<QListWidget>(b, id)->selectionMode(), QAbstractItemView::ExtendedSelection);
    CliquerLigne(b.Liste(1), "35.000");
    CliquerLigne(b.Liste(4), "72.210");
    CliquerLigne(b.Liste(4), "72.230", Qt::ControlModifier);
    CliquerLigne(b.Liste(0), "26.995");
    r.port.RepondreOk();
    r.port.RepondreOk();
    Cliquer(b, 240);
    ASSERT_EQ(r.port.Messages.size(), 2u);
    EXPECT_EQ(r.port.Messages[0].Texte, FormaterTexte(Texte(r.etat, 157), "35.000"));
    EXPECT_EQ(r.port.Messages[1].Texte, FormaterTexte(Texte(r.etat, 157), "72.210"));
    EXPECT_TRUE(Validee(LigneDe(b.Liste(1), "35.000")));
    EXPECT_TRUE(Validee(LigneDe(b.Liste(4), "72.210")));
    EXPECT_FALSE(Validee(LigneDe(b.Liste(4), "72.230")));
    EXPECT_FALSE(Validee(LigneDe(b.Liste(0), "26.995")));
    // And back with "Ajouter", the 2.4 GHz line with them.
    CliquerLigne(b.Liste(0), "26.995");
    CliquerLigne(b.Liste(5), "2.4 GHz");
    Cliquer(b, 239);
    EXPECT_TRUE(Validee(LigneDe(b.Liste(0), "26.995")));
    EXPECT_TRUE(Validee(LigneDe(b.Liste(5), "2.4 GHz")));
    EXPECT_EQ(r.etat.NbValidesParBande[5], 25);
}

TEST(PlanFrequencesCaptures, EachDialogInFrenchAndEnglish)
{
    for (int langue : {0, 1000}) {
        Reunion r;
        r.etat.DecalageLangue = langue;
        const std::string suffixe = langue ? "_en" : "_fr";
        r.etat.NationsChoisies = {1, 0, 0, 1, 0, 0, 0, 0};
        DialoguePlanFrequences d(r.etat);
        EXPECT_EQ(Controle<QPushButton>(d, 232)->text(), TexteQt(r.etat, 675));
        Capturer(&d, "DIALPLANFREQ" + suffixe);
        AppliquerNations(r.etat);
        AjouterAuCatalogue(r.etat, 35015, 7);
        TrierCatalogue(r.etat);
        DialogueNations n(r.etat, &d);
        Capturer(&n, "DIALNATIONS" + suffixe);
        DialogueBandes b(r.etat, &d);
        b.Liste(1)->item(3)->setSelected(true);
        Capturer(&b, "DIALBANDE" + suffixe);
        DialogueFrequenceManuelle m(r.etat, &b);
        Capturer(&m, "DIALFREQMANU" + suffixe);
        EXPECT_EQ(Controle<QLabel>(m, 709)->text(), TexteQt(r.etat, 709));
        for (QWidget* w : std::initializer_list<QWidget*>{&d, &n, &b, &m}) w->close();
    }
}
