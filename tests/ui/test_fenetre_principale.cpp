#include "engine/compatibilite.h"
#include "shell/aide.h"
#include "shell/commandes.h"
#include "engine/textes.h"
#include "shell/ui/bouton_frequence.h"
#include "shell/ui/fenetre_aide.h"
#include "shell/ui/fenetre_principale.h"
#include "shell/ui/instance_unique.h"
#include "engine/emissions.h"
#include "stand/sortie.h"
#include "storage/manifestation.h"
#include "tests/ui/support/captures.h"
#include "tests/support/dossier_temporaire.h"
#include "tests/support/meeting.h"

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A window over a meeting resumed from a file, with every dialog scripted.
struct Tableau : ::testing::Test {
    Reunion r;
    DossierTemporaire dossier;
    std::unique_ptr<FenetrePrincipale> fenetre;
    std::vector<Dialogue> ouverts;

    void Ouvrir(const std::vector<int32_t>& plan, int langue = 0)
    {
        {
            Reunion source;
            source.Plan(plan);
            source.etat.SauvegardeActive = 1;
            DeriverChemins(source.etat, dossier.Fichier("Koral du 06_12_26.mhz"));
            SauverManifestation(source.etat);
        }
        r.etat.DecalageLangue = langue;
        r.port.Documents = dossier.Chemin().string();
        r.port.MessagesLibres = true;
        fenetre = std::make_unique<FenetrePrincipale>(r.etat);
        fenetre->Ouvreur = [this](Dialogue d) { ouverts.push_back(d); return 0; };
        ASSERT_TRUE(CreerFenetrePrincipale(r.etat, *fenetre, dossier.Fichier("Koral du 06_12_26.mhz")));
        fenetre->show();
        QApplication::processEvents();
    }
    int Visibles() const
    {
        int n = 0;
        for (const BoutonFrequence* b : fenetre->BoutonsFrequences()) n += b->isVisible();
        return n;
    }
    BoutonFrequence* Bouton(int32_t f) { return fenetre->BoutonsFrequences()[static_cast<std::size_t>(r.Index(f))]; }
};

std::vector<int32_t> Bandes(int n)
{
    const int32_t debuts[] = {26815, 35000, 40575, 41000, 72210, 2400000};
    std::vector<int32_t> f;
    for (int b = 0; b < n; ++b)
        for (int k = 0; k < 4; ++k) f.push_back(debuts[b] + k * (b == 5 ? 20 : 10));
    return f;
}

} // namespace

TEST_F(Tableau, TheBoardShowsOneColumnPerBand)
{
    Ouvrir(Bandes(3));
    EXPECT_EQ(Visibles(), 12);
    EXPECT_EQ(Bouton(26815)->geometry(), QRect(128, 30, 140, 25));
    EXPECT_EQ(Bouton(35010)->geometry(), QRect(345, 55, 140, 25));
    EXPECT_EQ(Bouton(40605)->geometry(), QRect(562, 105, 140, 25));
}

TEST_F(Tableau, SixBandsPageWithTheArrowsAndBeepAtTheEnd)
{
    Ouvrir(Bandes(6));
    // 26 MHz is out of sight; the band entry of 2.4 GHz shows, its free slots do not.
    EXPECT_FALSE(Bouton(26815)->isVisible());
    EXPECT_TRUE(Bouton(2400000)->isVisible());
    EXPECT_FALSE(Bouton(2400020)->isVisible());
    QTest::keyClick(fenetre.get(), Qt::Key_Left);
    EXPECT_TRUE(Bouton(26815)->isVisible());
    EXPECT_FALSE(Bouton(2400000)->isVisible());
    QTest::keyClick(fenetre.get(), Qt::Key_Left);
    EXPECT_EQ(r.port.Bips, 1);
    QTest::mouseClick(fenetre->findChild<QPushButton*>("1401"), Qt::LeftButton);
    EXPECT_TRUE(Bouton(2400000)->isVisible());
    EXPECT_FALSE(Bouton(26815)->isVisible());
}

TEST_F(Tableau, AClickOnAFrequenceOpensItsDetails)
{
    Ouvrir(Bandes(2));
    QTest::mouseClick(Bouton(35020), Qt::RightButton);
    ASSERT_EQ(ouverts.size(), 1u);
    EXPECT_EQ(ouverts[0], Dialogue::Renseign);
    EXPECT_EQ(r.etat.FrequenceChoisie, r.Index(35020));
}

TEST_F(Tableau, TickersRotateAndConstraintsAreTheMeetingsOwn)
{
    Ouvrir(Bandes(2));
    ASSERT_TRUE(SortieFrequence(r.etat, r.Entree(35010), FICHE_LIBRE));
    RecompteSorties(r.etat);
    const std::string avant = r.etat.BandeauSorties.Chaine();
    fenetre->TickDefilant(1);
    EXPECT_EQ(r.etat.BandeauSorties.Chaine(), avant.substr(1) + avant[0]);
    EXPECT_TRUE(fenetre->findChild<QPushButton*>("44")->isVisible());
    EXPECT_FALSE(fenetre->findChild<QPushButton*>("45")->isVisible());
    EXPECT_TRUE(fenetre->findChild<QCheckBox*>("400")->isChecked());
    EXPECT_EQ(fenetre->findChild<QLineEdit*>("403")->text(), "05");
}

TEST_F(Tableau, FreeServiceLocksTheMenusAndTheConstraints)
{
    Ouvrir(Bandes(2));
    fenetre->ChoixMenu = [](QMenu& menu) {
        for (QAction* a : menu.actions())
            if (a->data().toInt() == 220) return 220;
        return 0;
    };
    QTest::mouseClick(fenetre->findChild<QPushButton*>("407"), Qt::LeftButton);
    EXPECT_EQ(r.etat.ModeSortie, ModeLibreService);
    EXPECT_FALSE(fenetre->findChild<QCheckBox*>("400")->isEnabled());
    EXPECT_FALSE(fenetre->findChild<QPushButton*>("202")->isEnabled());
    for (QAction* a : fenetre->menuBar()->actions()) EXPECT_FALSE(a->isEnabled());
    EXPECT_EQ(fenetre->findChild<QPushButton*>("407")->text(), QString::fromStdString(Texte(r.etat, 11)));
}

TEST_F(Tableau, TheCloseBoxQuits)
{
    Ouvrir(Bandes(1));
    fenetre->close();
    EXPECT_TRUE(fenetre->Detruite());
    EXPECT_TRUE(std::filesystem::exists(dossier.Fichier("Koral du 06_12_26.mhz")));
}

// Every look of the board at once, for people to see.
TEST_F(Tableau, ScreenshotOfEveryState)
{
    for (int langue : {0, 1000}) {
        Reunion r2;
        (void)r2;
        ouverts.clear();
        Ouvrir({35000, 35010, 35020, 35030, 35050, 35080, 35090, 35095, 35500, 35990, 41000, 41010, 41100,
                72210, 72250, 2400000, 2400020, 2400040},
               langue);
        for (int32_t f : {35010, 35050, 35990, 41010, 41100}) ASSERT_TRUE(SortieFrequence(r.etat, r.Entree(f), FICHE_LIBRE));
        ASSERT_TRUE(SortieFrequence(r.etat, r.Entree(2400020), FICHE_LIBRE));
        RecompteSorties(r.etat);
        r.Entree(41100).Etat = HorsTemps;
        ::RafraichirTableau(r.etat, *fenetre);
        Capturer(fenetre.get(), langue ? "KORAL_board_en" : "KORAL_board_fr");
        EXPECT_EQ(r.Entree(35090).Etat, Intermodulee);
        EXPECT_EQ(r.Entree(35080).Etat, FrequenceImage);
        EXPECT_TRUE(Bouton(2400020)->isVisible());
        fenetre.reset();
        r.etat.PlanFrequences.clear();
    }
}

TEST(FenetreAide, ContentsTopicsPopUpsAndAMissingFile)
{
    Reunion r;
    FenetreAide aide(r.etat);
    EXPECT_FALSE(aide.Charger("/nonexistent/koral.hlp"));
    EXPECT_FALSE(aide.Afficher(0));
    ASSERT_TRUE(aide.Charger(KORAL_SOURCE_DIR "/resources/aide/koral.hlp"));
    EXPECT_TRUE(aide.Afficher(0));
    EXPECT_EQ(aide.SujetAffiche(), 0);
    EXPECT_FALSE(aide.Contenu().isEmpty());
    EXPECT_TRUE(aide.Popup(50));
    EXPECT_TRUE(aide.Afficher(9876));
    EXPECT_TRUE(aide.Contenu().contains(QString::fromStdString(Texte(r.etat, 178)).left(10)));
    Capturer(&aide, "AIDE_sommaire_fr");
    r.etat.DecalageLangue = 1000;
    aide.Afficher(50);
    Capturer(&aide, "AIDE_50_en");
}

TEST_F(Tableau, TheFiveMinuteTimerWritesTheBackup)
{
    Ouvrir(Bandes(1));
    const std::string secours = dossier.Fichier("Koral du 06_12_26.bak");
    EXPECT_FALSE(std::filesystem::exists(secours));
    fenetre->TickSauvegarde();
    EXPECT_EQ(LireOctets(secours), ImageManifestation(r.etat));
}

TEST(InstanceUnique, TheFirstStartIsTheStandAndALaterOneBringsItsFrontWindowForward)
{
    DossierTemporaire maison;
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", QByteArray::fromStdString(maison.Chemin().string()));
    InstanceUnique premiere;
    ASSERT_TRUE(premiere.Prendre());
    // Before the main window exists, the dialog in front comes forward.
    QDialog langue;
    langue.setModal(true);
    langue.show();
    langue.showMinimized();
    InstanceUnique seconde;
    EXPECT_FALSE(seconde.Prendre());
    for (int i = 0; i < 50 && langue.isMinimized(); ++i) QTest::qWait(10);
    EXPECT_FALSE(langue.isMinimized());
    langue.close();
    QWidget fenetre;
    premiere.DefinirFenetre(&fenetre);
    EXPECT_FALSE(InstanceUnique().Prendre());
    for (int i = 0; i < 50 && !fenetre.isVisible(); ++i) QTest::qWait(10);
    EXPECT_TRUE(fenetre.isVisible());
    qputenv("HOME", home);
}

TEST(FenetreAide, HelpOpenedFromAModalDialogCanBeUsedAndClosed)
{
    Reunion r;
    FenetreAide aide(r.etat);
    ASSERT_TRUE(aide.Charger(KORAL_SOURCE_DIR "/resources/aide/koral.hlp"));
    QDialog dialogue;
    dialogue.setModal(true);
    dialogue.show();
    QApplication::processEvents();
    ASSERT_EQ(QApplication::activeModalWidget(), &dialogue);
    ASSERT_TRUE(aide.Afficher(10));
    QApplication::processEvents();
    // Clicks through the window system, where modality blocks what it blocks.
    auto cliquer = [&aide](const char* bouton) {
        const QPushButton* b = aide.findChild<QPushButton*>(bouton);
        QTest::mouseClick(aide.windowHandle(), Qt::LeftButton, {}, b->mapTo(&aide, b->rect().center()));
        QApplication::processEvents();
    };
    cliquer("174");
    EXPECT_EQ(aide.SujetAffiche(), 0);
    cliquer("175");
    EXPECT_FALSE(aide.isVisible());
    EXPECT_TRUE(dialogue.isVisible());
}

TEST(FenetrePrincipale, ThePaintedTextsGrowWithTheScreenAndFitTheirZones)
{
    std::map<int, int> hauteurs;
    for (const QSize ecran : {QSize(1024, 768), QSize(1920, 1080)})
        for (int langue : {0, 1000, 2000}) {
            Reunion r;
            r.etat.LargeurEcran = ecran.width();
            r.etat.HauteurEcran = ecran.height();
            r.etat.DecalageLangue = langue;
            r.etat.SauvegardeActive = 1;
            r.etat.TitreFichier = "Koral du 06_12_26.mhz";
            const FenetrePrincipale fenetre(r.etat);
            const auto textes = fenetre.TextesPeints();
            ASSERT_EQ(textes.size(), 10u);
            for (const auto& t : textes) {
                EXPECT_LE(QFontMetrics(t.Police).horizontalAdvance(t.Texte), t.Zone.width())
                    << t.Texte.toStdString() << " at " << ecran.width();
                hauteurs[ecran.width()] = QFontMetrics(t.Police).height();
            }
            // The fields of the limits start past their texts.
            for (const char* champ : {"403", "405"}) {
                const QLineEdit* e = fenetre.findChild<QLineEdit*>(champ);
                bool apres = false;
                for (const auto& t : textes)
                    if (t.Zone.top() == e->geometry().top()) apres = t.Zone.right() < e->geometry().left();
                EXPECT_TRUE(apres) << champ;
            }
        }
    EXPECT_GE(hauteurs[1920], hauteurs[1024] * 1080 / 768 - 1);
}
