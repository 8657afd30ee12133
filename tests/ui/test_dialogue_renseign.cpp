#include "stand/ui/dialogue_renseign.h"
#include "widgets/ui/ligne_liste.h"
#include "widgets/ui/ressources_qt.h"
#include "tests/stand/stand_test.h"
#include "tests/ui/support/captures.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QPushButton* Bouton(QDialog& d, int id) { return d.findChild<QPushButton*>(QString::number(id)); }
QListWidget* Liste(QDialog& d, int id) { return d.findChild<QListWidget*>(QString::number(id)); }
QLabel* Libelle(QDialog& d, int id) { return d.findChild<QLabel*>(QString::number(id)); }

QPoint Centre(QListWidget* liste, int ligne) { return liste->visualItemRect(liste->item(ligne)).center(); }

// As the operator does it: the first click selects, the second is the double click.
void DoubleCliquer(QListWidget* liste, int ligne)
{
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, Centre(liste, ligne));
    QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, Centre(liste, ligne));
}

void Choisir(ReunionStand& r, int32_t f) { r.etat.FrequenceChoisie = r.Index(f); }

} // namespace

TEST(DialogueRenseign, ShowsTheReturnOfATransmitterOutAndCarriesItOut)
{
    ReunionStand r;
    r.Plan(PlanExemple35());
    r.Fiche(12, "Martin", 35010);
    r.Fiche(3, "Albert", 35010);
    r.Sortir(35010, 12);
    r.port.Avancer(125000);
    Choisir(r, 35010);
    DialogueRenseign d(r.etat);
    d.show();
    EXPECT_EQ(d.objectName(), "RENSEIGN");
    EXPECT_EQ(d.Titre(), "35.010______");
    EXPECT_EQ(d.CouleurTitre(), Couleurs::TitreRouge);
    EXPECT_EQ(d.TexteEtat(), " Fréquence en activité");
    EXPECT_EQ(Bouton(d, 804)->text(), "RETOUR KORAL");
    EXPECT_TRUE(Bouton(d, 804)->isVisible());
    EXPECT_FALSE(Libelle(d, 806)->isVisible());
    EXPECT_TRUE(Libelle(d, 641)->isVisible());
    EXPECT_EQ(Libelle(d, 641)->text(), " Utilisée par");
    ASSERT_EQ(Liste(d, 802)->count(), 2);
    EXPECT_EQ(Liste(d, 802)->item(1)->text(), " depuis 02 mn 05 s");
    ASSERT_EQ(Liste(d, 801)->count(), 2);
    EXPECT_TRUE(Liste(d, 801)->item(1)->isSelected());
    EXPECT_EQ(Liste(d, 801)->item(1)->data(RoleImage).toString(), "FEUROUGE");

    r.port.RepondreNon();
    QTest::mouseClick(Bouton(d, 804), Qt::LeftButton);
    EXPECT_TRUE(d.isVisible());
    r.port.RepondreOui();
    QTest::mouseClick(Bouton(d, 804), Qt::LeftButton);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.result(), 1);
    EXPECT_EQ(r.Entree(35010).Etat, Libre);
    EXPECT_EQ(r.port.Messages.size(), 2u);
}

TEST(DialogueRenseign, SortirSendsTheChosenCardOutAndADoubleClickToo)
{
    ReunionStand r;
    r.Plan(PlanExemple35());
    r.Fiche(12, "Martin", 35010);
    r.Fiche(3, "Albert", 35010);
    r.Fiche(7, "Durand", 35050);
    Choisir(r, 35010);
    {
        DialogueRenseign d(r.etat);
        d.show();
        EXPECT_EQ(d.CouleurTitre(), Couleurs::TitreVert);
        EXPECT_EQ(Bouton(d, 804)->text(), "SORTIR");
        EXPECT_TRUE(Libelle(d, 806)->isVisible());
        EXPECT_FALSE(Libelle(d, 641)->isVisible());
        // By cards, SORTIR needs a card.
        QTest::mouseClick(Bouton(d, 804), Qt::LeftButton);
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(r.port.Bips, 1);
        QTest::mouseClick(Liste(d, 801)->viewport(), Qt::LeftButton, {}, Centre(Liste(d, 801), 1));
        QTest::mouseClick(Bouton(d, 804), Qt::LeftButton);
        EXPECT_FALSE(d.isVisible());
        EXPECT_EQ(r.Entree(35010).FicheEmettrice, 12);
    }
    Choisir(r, 35050);
    DialogueRenseign d(r.etat);
    d.show();
    DoubleCliquer(Liste(d, 801), 0);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(r.Entree(35050).FicheEmettrice, 7);
}

TEST(DialogueRenseign, ARefusedDoubleClickProposesTheQueueAndAsksForTheMode)
{
    ReunionStand r;
    r.Plan(PlanExemple35());
    r.Fiche(12, "Martin", 35020);
    r.Sortir(35010, FICHE_LIBRE);
    Choisir(r, 35020);
    DialogueRenseign d(r.etat);
    d.show();
    EXPECT_FALSE(Bouton(d, 804)->isVisible());
    r.port.RepondreOk();
    r.port.RepondreBascule(true, false);
    DoubleCliquer(Liste(d, 801), 0);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(r.etat.CommandeDemandee, 222);
    EXPECT_EQ(r.etat.NbEntreesAttente(), 1);
    EXPECT_EQ(r.etat.NePlusProposer, 0);
}

TEST(DialogueRenseign, FermerEscapeAndTheHiddenButtonEndWithOne)
{
    ReunionStand r;
    r.Plan({35010});
    Choisir(r, 35010);
    for (int voie = 0; voie < 3; ++voie) {
        DialogueRenseign d(r.etat);
        d.show();
        EXPECT_EQ(Bouton(d, 805)->text(), "Fermer");
        EXPECT_FALSE(Bouton(d, 2)->isVisible());
        if (voie == 0) QTest::mouseClick(Bouton(d, 805), Qt::LeftButton);
        if (voie == 1) QTest::keyClick(&d, Qt::Key_Escape);
        if (voie == 2) Bouton(d, 2)->click();
        EXPECT_FALSE(d.isVisible());
        EXPECT_EQ(d.result(), 1);
    }
}

TEST(DialogueRenseign, Screenshots)
{
    for (int langue : {0, 1000}) {
        const std::string suffixe = langue ? "_en" : "_fr";
        auto capture = [&](ReunionStand& r, int32_t f, const std::string& nom) {
            r.etat.DecalageLangue = langue;
            Choisir(r, f);
            DialogueRenseign d(r.etat);
            Capturer(&d, "RENSEIGN_" + nom + suffixe);
            EXPECT_LE(d.height(), 600);
        };
        {
            ReunionStand r;
            r.Plan(PlanExemple35());
            r.Fiche(12, "Martin", 35010);
            CopierChamp(r.Fiche(3, "Albert", 35010).Modele, "Extra 330 SC");
            capture(r, 35010, "libre");
            r.Sortir(35010, 12);
            r.port.Avancer(125000);
            capture(r, 35010, "sortie");
            r.Fiche(7, "Durand", 35050);
            r.Sortir(35050, 7);
            capture(r, 35090, "intermodulee");
            capture(r, 35020, "voisine");
        }
        {
            ReunionStand r;
            r.Plan(PlanExemple35());
            r.etat.ModeSortie = ModeLibreService;
            r.Sortir(35010, FICHE_LIBRE);
            r.port.Avancer(61000);
            capture(r, 35010, "sortie_libre_service");
            r.Fiche(7, "Durand", 35090);
            r.Sortir(35090, 7);
            capture(r, 35050, "modulera");
        }
        {
            ReunionStand r;
            r.Plan(PlanExemple35());
            r.Fiche(12, "Martin", 35990);
            r.Fiche(5, "Petit", 35080);
            r.Sortir(35990, 12);
            capture(r, 35080, "image");
            r.Fiche(9, "Bernard", 35500);
            r.Sortir(35500, 9);
            capture(r, 35045, "455khz");
        }
    }
}
