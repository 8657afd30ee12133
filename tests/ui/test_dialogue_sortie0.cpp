#include "engine/frequences.h"
#include "stand/sortie.h"
#include "stand/ui/dialogue_sortie0.h"
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

void Cliquer(QListWidget* liste, int ligne)
{
    const QRect r = liste->visualItemRect(liste->item(ligne));
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, r.center());
}

void DoubleCliquer(QListWidget* liste, int ligne)
{
    const QRect r = liste->visualItemRect(liste->item(ligne));
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, r.center());
    QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, r.center());
}

std::vector<int32_t> Trois(bool avec24)
{
    std::vector<int32_t> f = {35010, 35020, 35050, 41010, 41050};
    if (avec24)
        for (int32_t k : Bande24()) f.push_back(k);
    return f;
}

} // namespace

TEST(DialogueSortie0, ListsStandAtTheirColumnsWithTheirTexts)
{
    ReunionStand r;
    r.Plan(Trois(true));
    r.Sortir(35010, FICHE_LIBRE);
    DialogueSortie0 d(r.etat);
    d.show();
    EXPECT_EQ(d.windowTitle(), "CHOIX D'UNE FREQUENCE");
    EXPECT_EQ(Bouton(d, 1)->text(), "SORTIR");
    EXPECT_EQ(Bouton(d, 2)->text(), "Abandon");
    EXPECT_EQ(d.findChild<QLabel*>("573")->text(), "Sélectionner ou double-clic");
    EXPECT_FALSE(d.Liste(408)->isVisible());
    EXPECT_EQ(d.Liste(409)->geometry().topLeft(), QPoint(80, 18));
    EXPECT_EQ(d.Liste(411)->geometry().topLeft(), QPoint(345, 18));
    EXPECT_EQ(d.Liste(427)->geometry().topLeft(), QPoint(610, 18));
    ASSERT_EQ(d.Liste(409)->count(), 3);
    EXPECT_EQ(d.Liste(409)->item(1)->text(), "35.020______");
    EXPECT_EQ(d.Liste(409)->item(0)->data(RoleImage).toString(), "VIDE");
    // 35.010 is out and 35.020 its neighbour; 35.050 is free.
    EXPECT_EQ(d.Liste(409)->item(0)->data(Qt::ForegroundRole).value<QColor>(), Couleurs::Alerte);
    EXPECT_EQ(d.Liste(409)->item(1)->data(Qt::ForegroundRole).value<QColor>(), Couleurs::Alerte);
    EXPECT_EQ(d.Liste(409)->item(2)->data(Qt::ForegroundRole).value<QColor>(), Couleurs::Noir);
    ASSERT_EQ(d.Liste(427)->count(), 1);
    // The dialog holds its lists and buttons.
    EXPECT_TRUE(d.rect().contains(d.Liste(427)->geometry()));
    EXPECT_TRUE(d.rect().contains(Bouton(d, 2)->geometry()));
}

TEST(DialogueSortie0, ChoosingInOneListClearsTheOthersAndSortirSendsTheLineOut)
{
    ReunionStand r;
    r.Plan(Trois(false));
    DialogueSortie0 d(r.etat);
    d.show();
    QTest::mouseClick(Bouton(d, 1), Qt::LeftButton);
    EXPECT_TRUE(d.isVisible());   // nothing chosen: it stays
    Cliquer(d.Liste(409), 2);
    Cliquer(d.Liste(411), 1);
    EXPECT_TRUE(d.Liste(409)->selectedItems().isEmpty());
    EXPECT_EQ(d.Liste(411)->selectedItems().size(), 1);
    QTest::mouseClick(Bouton(d, 1), Qt::LeftButton);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.result(), 1);
    EXPECT_EQ(r.Entree(41050).Etat, Sortie);
    EXPECT_EQ(r.Entree(41050).FicheEmettrice, FICHE_LIBRE);
    EXPECT_EQ(r.Historique().size(), 1u);
}

TEST(DialogueSortie0, ACurrentListWithoutALineClosesAndRecordsNothing)
{
    ReunionStand r;
    r.Plan(Trois(false));
    DialogueSortie0 d(r.etat);
    d.show();
    Cliquer(d.Liste(409), 0);
    d.Liste(409)->clearSelection();
    QTest::mouseClick(Bouton(d, 1), Qt::LeftButton);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.result(), 1);
    EXPECT_EQ(r.etat.NbSorties, 0);
    EXPECT_TRUE(r.Historique().empty());
}

TEST(DialogueSortie0, ADoubleClickSendsOutAndAbandonRecordsNothing)
{
    ReunionStand r;
    r.Plan(Trois(true));
    {
        DialogueSortie0 d(r.etat);
        d.show();
        Cliquer(d.Liste(409), 2);
        QTest::mouseClick(Bouton(d, 2), Qt::LeftButton);
        EXPECT_EQ(d.result(), 0);
        EXPECT_EQ(r.etat.NbSorties, 0);
    }
    {
        DialogueSortie0 d(r.etat);
        d.show();
        QTest::keyClick(&d, Qt::Key_Escape);
        EXPECT_EQ(d.result(), 0);
    }
    DialogueSortie0 d(r.etat);
    d.show();
    DoubleCliquer(d.Liste(427), 0);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.result(), 1);
    EXPECT_EQ(r.Entree(2400020).Etat, Sortie);
}

TEST(DialogueSortie0, Screenshots)
{
    ReunionStand r;
    for (int langue : {0, 1000}) {
        r.etat.DecalageLangue = langue;
        const std::string suffixe = langue ? "_en" : "_fr";
        r.Plan({35000, 35010, 35020, 35030, 35050, 35090, 35100});
        r.Sortir(35010, FICHE_LIBRE);
        DialogueSortie0 une(r.etat);
        Capturer(&une, "DIALSORTIR0_1bande" + suffixe);
        r.Plan(Trois(true));
        r.Sortir(41010, FICHE_LIBRE);
        DialogueSortie0 trois(r.etat);
        Cliquer(trois.Liste(409), 1);
        Capturer(&trois, "DIALSORTIR0_3bandes" + suffixe);
        r.Plan(Reunion::PlanNational());
        DialogueSortie0 six(r.etat);
        Capturer(&six, "DIALSORTIR0_6bandes" + suffixe);
        EXPECT_TRUE(six.Liste(408)->isVisible());
        EXPECT_TRUE(six.Liste(427)->isVisible());
    }
}
