#include "engine/textes.h"
#include "widgets/ui/ligne_liste.h"
#include "widgets/ui/ressources_qt.h"
#include "tests/ui/support/captures.h"
#include "tests/support/meeting.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>

TEST(LigneListe, PauseAndRemarkLinesAreDrawnTheirOwnWay)
{
    Reunion r;
    LigneListe ligne(r.etat, QApplication::font(), Qt::black, 16, 18, nullptr);
    EXPECT_EQ(ligne.TexteDessine("999   "), "  pause  ");
    EXPECT_EQ(ligne.TexteDessine("  999  x"), "  pause  ");
    EXPECT_EQ(ligne.TexteDessine("2003  Pause d\u00e9jeuner "), QString::fromUtf8("  Pause déjeuner "));
    EXPECT_EQ(ligne.TexteDessine("   012   35.010   Martin"), "   012   35.010   Martin");
    EXPECT_EQ(ligne.TexteDessine(" ???"), " ???");
    r.etat.DecalageLangue = DECALAGE_ANGLAIS;
    EXPECT_EQ(ligne.TexteDessine("999"), QString::fromStdString(Texte(r.etat, 49)).left(11));
}

TEST(LigneListe, ALineHasItsPictureItsColourAndItsHeight)
{
    Reunion r;
    QListWidget liste;
    liste.setItemDelegate(new LigneListe(r.etat, QApplication::font(), Qt::black, 16, 18, &liste));
    AjouterLigne(&liste, "   012   35.010   Martin - Extra 300", "FEUVERT");
    AjouterLigne(&liste, "   007   35.020   Durand", "FEUROUGE", Couleurs::Alerte);
    AjouterLigne(&liste, "999", "PAUSE");
    AjouterLigne(&liste, "2003  Pause d\xE9jeuner ", "REMARQUE");
    liste.setCurrentRow(0);
    EXPECT_EQ(liste.item(1)->data(RoleImage).toString(), "FEUROUGE");
    EXPECT_EQ(liste.item(1)->data(Qt::ForegroundRole).value<QColor>(), Couleurs::Alerte);
    EXPECT_EQ(liste.item(3)->text(), QString::fromUtf8("2003  Pause déjeuner "));
    EXPECT_EQ(liste.visualItemRect(liste.item(2)).height(), 18);
    liste.resize(420, 100);
    Capturer(&liste, "ligne_liste");
}

TEST(TextesCoupes, FindsALabelAndAButtonTooSmallForTheirText)
{
    QWidget fenetre;
    fenetre.resize(300, 100);
    auto* l = new QLabel("un texte bien trop long pour sa place", &fenetre);
    l->setObjectName("10");
    l->setGeometry(0, 0, 40, 20);
    auto* b = new QPushButton("ok", &fenetre);
    b->setObjectName("1");
    b->setGeometry(250, 80, 100, 30);
    fenetre.show();
    EXPECT_EQ(TextesCoupes(&fenetre), (std::vector<std::string>{"10", "1"}));
    l->setGeometry(0, 0, 290, 20);
    b->setGeometry(200, 60, 90, 30);
    EXPECT_TRUE(TextesCoupes(&fenetre).empty());
}
