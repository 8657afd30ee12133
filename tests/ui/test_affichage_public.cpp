// The public display on the real main window: it follows the stand, takes no
// input, and every text of the largest meeting fits at the usual screen sizes.
#include "bench/manifestation_maximale.h"
#include "engine/emissions.h"
#include "engine/frequences.h"
#include "engine/textes.h"
#include "freqplan/catalogue.h"
#include "shell/commandes.h"
#include "shell/ui/bouton_frequence.h"
#include "shell/ui/fenetre_principale.h"
#include "shell/ui/fenetre_publique.h"
#include "stand/defilant.h"
#include "stand/file_attente.h"
#include "stand/sortie.h"
#include "stand/ui/dialogue_renseign.h"
#include "storage/manifestation.h"
#include "tests/stand/stand_test.h"
#include "tests/support/dossier_temporaire.h"
#include "tests/ui/support/captures.h"

#include <QAction>
#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <QScreen>
#include <QApplication>
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>

namespace {

const CasePublique* CaseDe(const FenetrePublique& p, int32_t frequence)
{
    for (const CasePublique& c : p.Vue().Cases)
        if (c.Frequence == frequence) return &c;
    return nullptr;
}

// A free-service meeting resumed on the real window; the details dialog is
// answered by its button 804 (SORTIR, or RETOUR KORAL).
struct Stand : ::testing::Test {
    Reunion r;
    DossierTemporaire dossier;
    std::unique_ptr<FenetrePrincipale> fenetre;
    int details = 0;

    void SetUp() override
    {
        const std::string fichier = dossier.Fichier("Koral du 06_12_26.mhz");
        {
            Reunion source;
            source.Plan({35010, 35050, 35500, 40665, 41100});
            source.Fiche(7, "Leroy", 40665);
            source.etat.ModeSortie = ModeLibreService;
            source.etat.SauvegardeActive = 1;
            DeriverChemins(source.etat, fichier);
            SauverManifestation(source.etat);
        }
        r.port.Documents = dossier.Chemin().string();
        fenetre = std::make_unique<FenetrePrincipale>(r.etat);
        fenetre->Ouvreur = [this](Dialogue d) {
            // The waiting-list dialog, as the operator uses it: card 7 goes in the queue.
            if (d == Dialogue::SortirAttente) {
                r.etat.FicheCourante = 7;
                return AjouterEnFile(r.etat) ? 1 : 0;
            }
            if (d != Dialogue::Renseign) return 0;
            ++details;
            DialogueRenseign renseign(r.etat, fenetre.get());
            renseign.show();
            QTest::mouseClick(renseign.findChild<QPushButton*>("804"), Qt::LeftButton);
            return renseign.result();
        };
        ASSERT_TRUE(CreerFenetrePrincipale(r.etat, *fenetre, fichier));
        fenetre->show();
    }
    void CliquerFrequence(int32_t f) { QTest::mouseClick(fenetre->BoutonsFrequences()[static_cast<std::size_t>(r.Index(f))], Qt::LeftButton); }
    QAction* Menu() const { return fenetre->findChild<QAction*>(QString::number(COMMANDE_AFFICHAGE_PUBLIC)); }
};

// The largest meeting: every national frequency and thirty more, all 24
// slots of 2.4 GHz out, and a queue and a plan of ten pilots with a pause.
void Maximale(ReunionStand& r)
{
    DefinirPlan(r.etat, PlanDeTailleMaximale());
    for (int n = 1; n <= 24; ++n) {
        r.Fiche(n, "Pilote " + std::to_string(n), SEUIL_24GHZ);
        r.Sortir(SEUIL_24GHZ + 20 * n, n);
    }
    r.Fiche(998, "Maximilien-Alexandre de la Roche", 72490);
    r.Sortir(72490, 998);
    r.port.Avancer(99 * 60000);
    for (int rang = 1; rang <= 10; ++rang) {
        r.Noeud(FileAttente, rang, 998);
        r.Noeud(PlanVols, rang, rang == 4 ? FICHE_PAUSE : 998);
    }
    r.etat.TitreFichier = "Championnat regional de voltige 2026.mhz";
}

} // namespace

TEST_F(Stand, TheDisplayFollowsEveryChangeOfTheStandAndTakesNoInput)
{
    fenetre->Commande(COMMANDE_AFFICHAGE_PUBLIC);
    FenetrePublique* public_ = fenetre->AffichagePublic();
    ASSERT_NE(public_, nullptr);
    EXPECT_TRUE(Menu()->isChecked());
    EXPECT_TRUE(public_->isVisible());
    EXPECT_EQ(public_->Vue().Mode, Texte(r.etat, 11));
    EXPECT_EQ(public_->Vue().Titre, "Koral du 06_12_26");
    EXPECT_EQ(CaseDe(*public_, 35010)->Etat, EtatPublic::Libre);

    // Each change shows at once, without waiting for the display's own clock.
    CliquerFrequence(35010);
    EXPECT_EQ(CaseDe(*public_, 35010)->Etat, EtatPublic::Sortie);
    EXPECT_EQ(CaseDe(*public_, 35010)->Duree, "00:00");
    EXPECT_EQ(public_->Vue().Sorties, r.etat.BandeauSorties.Chaine());
    r.port.Avancer(75000);
    CliquerFrequence(35050);
    EXPECT_EQ(CaseDe(*public_, 35050)->Etat, EtatPublic::Sortie);
    EXPECT_EQ(CaseDe(*public_, 35010)->Duree, "01:15");
    r.port.RepondreOui();
    CliquerFrequence(35010);
    EXPECT_EQ(CaseDe(*public_, 35010)->Etat, EtatPublic::Libre);
    fenetre->Commande(222);
    EXPECT_EQ(public_->Vue().Mode, Texte(r.etat, 13));
    EXPECT_TRUE(public_->Vue().Suivants.empty());
    fenetre->Commande(201);
    ASSERT_EQ(public_->Vue().Suivants.size(), 1u);
    EXPECT_EQ(public_->Vue().Suivants[0].Nom, "Leroy");

    // The ticker scrolls on the display as on the stand.
    const std::string avant = public_->Vue().Sorties;
    fenetre->TickDefilant(1);
    EXPECT_NE(public_->Vue().Sorties, avant);
    EXPECT_EQ(public_->Vue().Sorties, r.etat.BandeauSorties.Chaine());

    // Clicks and keys on the display change nothing and open nothing.
    const int ouverts = details;
    QTest::mouseClick(public_, Qt::LeftButton, {}, public_->rect().center());
    QTest::mouseDClick(public_, Qt::LeftButton, {}, QPoint(20, 20));
    QTest::keyClick(public_, Qt::Key_Return);
    QTest::keyClick(public_, Qt::Key_Escape);
    EXPECT_EQ(details, ouverts);
    EXPECT_EQ(r.etat.NbSorties, 1);

    // The same command closes it, and its mark in the menu goes.
    QPointer<FenetrePublique> ferme(public_);
    fenetre->Commande(COMMANDE_AFFICHAGE_PUBLIC);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(ferme.isNull());
    EXPECT_EQ(fenetre->AffichagePublic(), nullptr);
    EXPECT_FALSE(Menu()->isChecked());
}

// On one screen the display opens where it is seen: half the screen, over the
// stand and kept above it by the window system, while the stand keeps the keys.
TEST_F(Stand, OnOneScreenTheDisplayOpensOverTheStandWhereItIsSeen)
{
    QApplication::setActiveWindow(fenetre.get());
    fenetre->Commande(COMMANDE_AFFICHAGE_PUBLIC);
    FenetrePublique* public_ = fenetre->AffichagePublic();
    ASSERT_NE(public_, nullptr);
    const QRect ecran = fenetre->screen()->availableGeometry();
    EXPECT_TRUE(public_->isVisible());
    EXPECT_TRUE(ecran.contains(public_->frameGeometry())) << public_->frameGeometry().x() << "," << public_->frameGeometry().y();
    EXPECT_EQ(public_->size(), (ecran.size() / 2).expandedTo(public_->minimumSize()));
    // A window of the stand's own, which window systems keep above it.
    EXPECT_EQ(public_->windowType(), Qt::Dialog);
    ASSERT_NE(public_->windowHandle(), nullptr);
    EXPECT_EQ(public_->windowHandle()->transientParent(), fenetre->windowHandle());
    EXPECT_TRUE(public_->windowFlags() & Qt::WindowDoesNotAcceptFocus);
    EXPECT_EQ(QApplication::activeWindow(), fenetre.get());
    // The operator moves it.
    public_->move(ecran.topLeft());
    EXPECT_EQ(public_->pos(), ecran.topLeft());
}

TEST_F(Stand, ClosingTheDisplaysWindowUnmarksTheMenu)
{
    fenetre->Commande(COMMANDE_AFFICHAGE_PUBLIC);
    fenetre->AffichagePublic()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(fenetre->AffichagePublic(), nullptr);
    EXPECT_FALSE(Menu()->isChecked());
    // And the stand goes on.
    CliquerFrequence(35500);
    EXPECT_EQ(r.Entree(35500).Etat, Sortie);
}

// Every text but the ticker fits its zone at the usual sizes, in each mode
// and language, with the texts as large as the screen allows.
TEST(AffichagePublic, TheLargestMeetingIsReadableOnLargeAndSmallScreens)
{
    ReunionStand r;
    Maximale(r);
    struct Ecran { int largeur, hauteur, caseMinimale; };
    for (const Ecran& e : {Ecran{1920, 1080, 14}, Ecran{1024, 768, 8}})
        for (int langue : {DECALAGE_FRANCAIS, DECALAGE_ANGLAIS, DECALAGE_PORTUGAIS})
            for (int32_t mode = ModeLibreService; mode <= ModePlanifie; ++mode) {
                r.etat.DecalageLangue = langue;
                r.etat.ModeSortie = mode;
                FenetrePublique fenetre(r.etat);
                fenetre.resize(e.largeur, e.hauteur);
                fenetre.Rafraichir();
                ASSERT_EQ(fenetre.Vue().Cases.size(), static_cast<std::size_t>(TAILLE_CATALOGUE));
                const FenetrePublique::Dessin d = fenetre.Disposer();
                const std::string ou = std::to_string(e.largeur) + " " + std::to_string(langue) + " " + std::to_string(mode);
                for (const FenetrePublique::Texte& t : d.Textes) {
                    const QFontMetrics m(t.Police);
                    EXPECT_TRUE(fenetre.rect().contains(t.Zone)) << ou << " " << t.Contenu.toStdString();
                    EXPECT_LE(m.height(), t.Zone.height()) << ou << " " << t.Contenu.toStdString();
                    if (!t.Defile) {
                        EXPECT_LE(m.horizontalAdvance(t.Contenu), t.Zone.width()) << ou << " " << t.Contenu.toStdString();
                    }
                }
                // The frequencies' text is the same in every cell, and large enough.
                const QString premiere = QString::fromStdString(fenetre.Vue().Cases.front().Libelle);
                const auto cellule = std::find_if(d.Textes.begin(), d.Textes.end(),
                                                  [&](const FenetrePublique::Texte& t) { return t.Contenu == premiere; });
                ASSERT_NE(cellule, d.Textes.end());
                EXPECT_GE(cellule->Police.pixelSize(), e.caseMinimale) << ou;
                for (const FenetrePublique::Image& i : d.Images) EXPECT_TRUE(fenetre.rect().contains(i.Zone)) << ou;
                // The cell of the pilot out on 72.490 names him, as much as it holds.
                const bool nomme = std::any_of(d.Textes.begin(), d.Textes.end(), [](const FenetrePublique::Texte& t) {
                    return t.Contenu.startsWith(QStringLiteral("998 M")) && t.Contenu.endsWith(QStringLiteral("99:00"));
                });
                EXPECT_TRUE(nomme) << ou;
                if (langue == DECALAGE_PORTUGAIS && mode == ModePlanifie)
                    Capturer(&fenetre, "AFFICHAGE_216_frequences_" + std::to_string(e.largeur) + "_pt");
            }
}

// Screenshots for people: the sample meeting with pilots out, at 1920 x 1080,
// in each mode in French and in planned mode in the two other languages.
TEST(AffichagePublic, ScreenshotsOfEachModeAndLanguage)
{
    ReunionStand r;
    DossierTemporaire d;
    const std::string copie = d.Fichier("EXEMPLE4.MHZ");
    EcrireOctets(copie, LireOctets(KORAL_BUILD_DIR "/exemple/EXEMPLE4.MHZ"));
    ASSERT_TRUE(ReprendreManifestation(r.etat, copie));
    r.etat.SauvegardeActive = 0;
    int sorties = 0;
    for (const FicheVol& f : r.etat.Fiches) {
        const int32_t numero = f.Numero;
        const int32_t frequence = f.Frequence;
        if (!EstFichePilote(numero) || sorties == 5 || frequence == SEUIL_24GHZ) continue;
        EntreeFrequence* e = ChercheFrequence(r.etat, frequence);
        if (e && e->Etat == Libre && SortieFrequence(r.etat, *e, numero)) ++sorties;
        r.port.Avancer(47000);
    }
    RecompteSorties(r.etat);
    r.etat.Contraintes.TempsLimite = 1;
    r.etat.Contraintes.DureeMaxSecondes = 180;
    const char* noms[] = {"fr", "en", "pt"};
    for (int langue : {DECALAGE_FRANCAIS, DECALAGE_ANGLAIS, DECALAGE_PORTUGAIS})
        for (int32_t mode = ModeLibreService; mode <= ModePlanifie; ++mode) {
            if (langue != DECALAGE_FRANCAIS && mode != ModePlanifie) continue;
            r.etat.DecalageLangue = langue;
            r.etat.ModeSortie = mode;
            MajTexteDefilant2(r.etat);
            FenetrePublique fenetre(r.etat);
            fenetre.resize(1920, 1080);
            fenetre.Rafraichir();
            Capturer(&fenetre, "AFFICHAGE_mode" + std::to_string(mode) + "_" + noms[langue / 1000]);
        }
    EXPECT_EQ(sorties, 5);
}

// With a projector beside the stand's screen: the display goes full screen on
// the screen chosen, proposed again the next time.
TEST(DeuxEcrans, TheDisplayFillsTheScreenChosenAndTheChoiceIsKept)
{
    // ctest runs it on two offscreen screens (tests/ui/support/deux_ecrans.json).
    if (QGuiApplication::screens().size() != 2) GTEST_SKIP() << "needs the two screens ctest gives it";
    DossierTemporaire maison;
    qputenv("HOME", maison.Chemin().string().c_str());
    qunsetenv("XDG_CONFIG_HOME");
    Reunion r;
    r.Plan({35010, 35050});
    FenetrePrincipale fenetre(r.etat);
    fenetre.Ouvreur = [](Dialogue) { return 0; };
    fenetre.setScreen(QGuiApplication::screens()[0]);
    fenetre.show();
    std::vector<int> proposes;
    QStringList vus;
    int reponse = 1;
    fenetre.ChoixEcran = [&](const QStringList& ecrans, int propose) {
        vus = ecrans;
        proposes.push_back(propose);
        return reponse;
    };
    const int projecteur = QGuiApplication::screens()[0]->name() == "PROJECTEUR" ? 0 : 1;
    reponse = projecteur;
    fenetre.Commande(COMMANDE_AFFICHAGE_PUBLIC);
    ASSERT_EQ(vus.size(), 2);
    EXPECT_TRUE(vus[projecteur].contains("PROJECTEUR (1920 \u00D7 1080)")) << vus[projecteur].toStdString();
    FenetrePublique* public_ = fenetre.AffichagePublic();
    ASSERT_NE(public_, nullptr);
    EXPECT_EQ(public_->screen()->name(), "PROJECTEUR");
    EXPECT_TRUE(public_->windowState() & Qt::WindowFullScreen);
    EXPECT_EQ(public_->geometry(), QGuiApplication::screens()[projecteur]->geometry());

    // Closed, then opened again: the projector is proposed; giving up opens nothing.
    fenetre.Commande(COMMANDE_AFFICHAGE_PUBLIC);
    reponse = -1;
    fenetre.Commande(COMMANDE_AFFICHAGE_PUBLIC);
    EXPECT_EQ(fenetre.AffichagePublic(), nullptr);
    ASSERT_EQ(proposes.size(), 2u);
    EXPECT_EQ(proposes[1], projecteur);
}
