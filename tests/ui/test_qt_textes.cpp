#include "engine/etat.h"
#include "widgets/ui/qt_textes.h"
#include "tests/support/meeting.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

TEST(TexteControle, SetsTheTextOfTheControlNamedByItsNumberInTheRunningLanguage)
{
    Reunion r;
    QDialog dialogue;
    auto* sortir = new QPushButton(&dialogue);
    sortir->setObjectName("571");
    auto* aide = new QLabel(&dialogue);
    aide->setObjectName("573");
    TexteControle(r.etat, &dialogue, 571, 571);
    TexteControle(r.etat, &dialogue, 573, 35);
    EXPECT_EQ(sortir->text(), "SORTIR");
    // Line breaks of the table become new lines; accents survive.
    EXPECT_EQ(aide->text(), QString::fromUtf8(" Pourrait émettre\n"));
    r.etat.DecalageLangue = DECALAGE_ANGLAIS;
    TexteTitre(r.etat, &dialogue, 88);
    EXPECT_EQ(dialogue.windowTitle(), "File not compatible!");
    // A control the dialog does not have is left alone.
    TexteControle(r.etat, &dialogue, 9999, 571);
}

TEST(VersQString, Windows1252ToUnicodeAndBack)
{
    EXPECT_EQ(VersQString("k\xF3ral\r\n\x80"), QString::fromUtf8("kóral\n€"));
    EXPECT_EQ(DepuisQString(QString::fromUtf8("kóral € 中")), "k\xF3ral \x80 ?");
}
