#include "stand/ui/dialogues_mode.h"
#include "tests/ui/support/captures.h"
#include "tests/support/meeting.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

template <class W = QPushButton>
W* Controle(QDialog& d, int id) { return d.findChild<W*>(QString::number(id)); }

} // namespace

TEST(DialoguePassword, OkGivesWhatWasTypedAndAbandonNothing)
{
    Reunion r;
    {
        DialoguePassword d(r.etat);
        d.show();
        EXPECT_EQ(Controle<QLabel>(d, 628)->text(), "Mot de passe nécessaire pour changer de mode\nMerci.");
        EXPECT_EQ(Controle(d, 1)->text(), "OK");
        EXPECT_EQ(Controle(d, 2)->text(), "Abandon");
        QTest::keyClicks(Controle<QLineEdit>(d, 868), "Cle-de-Voute!");
        QTest::mouseClick(Controle(d, 1), Qt::LeftButton);
        EXPECT_EQ(d.Saisie(), std::optional<std::string>("Cle-de-Voute"));
    }
    {
        // What a keyboard with accents types reaches the core in Windows-1252.
        DialoguePassword d(r.etat);
        d.show();
        Controle<QLineEdit>(d, 868)->insert(QStringLiteral("Clé-de-voûte"));
        QTest::keyClick(Controle<QLineEdit>(d, 868), Qt::Key_Return);
        EXPECT_EQ(d.Saisie(), std::optional<std::string>("Cl\xE9-de-vo\xFBte"));
    }
    {
        DialoguePassword d(r.etat);
        d.show();
        QTest::keyClicks(Controle<QLineEdit>(d, 868), "secret");
        QTest::mouseClick(Controle(d, 2), Qt::LeftButton);
        EXPECT_EQ(d.Saisie(), std::nullopt);
    }
    DialoguePassword d(r.etat);
    d.show();
    QTest::keyClick(&d, Qt::Key_Escape);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.Saisie(), std::nullopt);
}

TEST(DialogueBascule, AnswersAndKeepsTheBoxWhicheverButton)
{
    Reunion r;
    for (bool oui : {true, false})
        for (bool coche : {true, false}) {
            DialogueBascule d(r.etat);
            d.show();
            EXPECT_EQ(d.windowTitle(), "PROPOSITION");
            EXPECT_EQ(Controle(d, 1)->text(), "OUI");
            EXPECT_EQ(Controle(d, 2)->text(), "NON");
            EXPECT_EQ(Controle<QCheckBox>(d, 970)->text(), "Ne plus faire cette proposition");
            if (coche) QTest::mouseClick(Controle<QCheckBox>(d, 970), Qt::LeftButton);
            QTest::mouseClick(Controle(d, oui ? 1 : 2), Qt::LeftButton);
            EXPECT_FALSE(d.isVisible());
            EXPECT_EQ(d.Reponse().Oui, oui);
            EXPECT_EQ(d.Reponse().NePlusProposer, coche);
        }
}

TEST(DialogueCreePass, ClosesOnlyThroughOkAndKeepsTwelveCharacters)
{
    Reunion r;
    DialogueCreePass d(r.etat);
    d.show();
    EXPECT_EQ(Controle(d, 1)->text(), "O.K.");
    EXPECT_EQ(Controle<QLabel>(d, 516)->text(), "Sinon, laisser vide");
    QTest::keyClicks(Controle<QLineEdit>(d, 868), "abcdefghijklmno");
    QTest::keyClick(&d, Qt::Key_Escape);
    d.close();
    EXPECT_TRUE(d.isVisible());
    QTest::mouseClick(Controle(d, 1), Qt::LeftButton);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.result(), 1);
    EXPECT_EQ(d.MotDePasse(), "abcdefghijkl");
}

TEST(DialoguesMode, Screenshots)
{
    Reunion r;
    for (int langue : {0, 1000}) {
        r.etat.DecalageLangue = langue;
        const std::string suffixe = langue ? "_en" : "_fr";
        DialoguePassword p(r.etat);
        Capturer(&p, "PASSWORD" + suffixe);
        DialogueBascule b(r.etat);
        Capturer(&b, "BASCULE" + suffixe);
        DialogueCreePass c(r.etat);
        Capturer(&c, "CREEPASS" + suffixe);
        EXPECT_GE(c.height(), c.sizeHint().height());
    }
}
