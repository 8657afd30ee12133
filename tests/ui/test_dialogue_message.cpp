#include "engine/messages.h"
#include "engine/textes.h"
#include "shell/ui/dialogue_message.h"
#include "widgets/ui/qt_textes.h"
#include "tests/ui/support/captures.h"
#include "tests/support/meeting.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

DemandeMessage Demande(Reunion& r, int n, int jeu, int sujet = 0, std::string detail = {})
{
    return {Texte(r.etat, n), std::move(detail), jeu, sujet};
}

QPushButton* Bouton(QDialog& d, int id) { return d.findChild<QPushButton*>(QString::number(id)); }

} // namespace

TEST(DialogueMessage, EachButtonSetShowsItsButtonsAndEachButtonAnswers)
{
    Reunion r;
    struct Cas { int jeu; bool second, troisieme; QString premier; };
    for (const Cas& c : {Cas{960, true, false, "OUI"}, Cas{961, true, true, "OUI"}, Cas{962, false, false, "OK"}}) {
        for (int id : {312, 311, 424}) {
            DialogueMessage d(r.etat, Demande(r, 79, c.jeu), {});
            d.show();
            EXPECT_EQ(Bouton(d, 312)->text(), c.premier);
            EXPECT_EQ(Bouton(d, 311)->isVisible(), c.second);
            EXPECT_EQ(Bouton(d, 424)->isVisible(), c.troisieme);
            EXPECT_FALSE(Bouton(d, 850)->isVisible());
            if (!Bouton(d, id)->isVisible()) continue;
            QTest::mouseClick(Bouton(d, id), Qt::LeftButton);
            const BoutonMessage attendu = id == 312 ? BoutonMessage::Premier
                                          : id == 311 ? BoutonMessage::Second : BoutonMessage::Troisieme;
            EXPECT_EQ(d.Bouton(), attendu);
            EXPECT_EQ(d.result(), id == 312 ? 1 : 0);
        }
    }
}

TEST(DialogueMessage, EscapeAnswersZeroAndHelpAsksItsTopic)
{
    Reunion r;
    int sujet = 0;
    DialogueMessage d(r.etat, Demande(r, 39, 960, 150), [&](int s) { sujet = s; });
    d.show();
    ASSERT_TRUE(Bouton(d, 850)->isVisible());
    QTest::mouseClick(Bouton(d, 850), Qt::LeftButton);
    EXPECT_EQ(sujet, 150);
    EXPECT_TRUE(d.isVisible());
    QTest::keyClick(&d, Qt::Key_Escape);
    EXPECT_EQ(d.Bouton(), BoutonMessage::Echappement);
    EXPECT_EQ(d.result(), 0);
}

TEST(DialogueMessage, ALongMessagePushesTheDetailDown)
{
    Reunion r;
    const std::string detail = "35.010__k 61 - n\xB0 12 - Martin\n35.050__k 65 - n\xB0 7 - Durand\n";
    DialogueMessage court(r.etat, Demande(r, 94, 962, 150, detail), {});
    EXPECT_EQ(court.ZoneDetail().top(), 110);
    DialogueMessage long_(r.etat, Demande(r, 79, 961, 103, detail), {});
    EXPECT_GE(long_.ZoneDetail().top(), long_.ZoneMessage().bottom());
    EXPECT_FALSE(long_.ZoneDetail().intersects(long_.ZoneMessage()));
}

TEST(DialogueMessage, Screenshots)
{
    Reunion r;
    const std::string detail = "35.010__k 61 - n\xB0 12 - Martin\n35.050__k 65 - n\xB0 7 - Durand\n";
    for (int langue : {0, 1000}) {
        r.etat.DecalageLangue = langue;
        const std::string suffixe = langue ? "_en" : "_fr";
        DialogueMessage a(r.etat, Demande(r, 39, 960), {});
        DialogueMessage b(r.etat, Demande(r, 79, 961, 103), {});
        DialogueMessage c(r.etat, Demande(r, 94, 962, 150, detail), {});
        DialogueMessage d(r.etat, Demande(r, 88, 962), {});
        const std::pair<DialogueMessage*, const char*> dialogues[] = {
            {&a, "DIALMESS_960"}, {&b, "DIALMESS_961"}, {&c, "DIALMESS_962_detail"}, {&d, "DIALMESS_962"}};
        for (auto [dialogue, nom] : dialogues) {
            Capturer(dialogue, nom + suffixe);
            EXPECT_TRUE(TextesCoupes(dialogue).empty()) << nom << suffixe;
            EXPECT_EQ(dialogue->windowTitle(), langue ? "WARNING" : "ATTENTION");
            EXPECT_TRUE(dialogue->rect().contains(dialogue->ZoneMessage()));
            EXPECT_FALSE(dialogue->ZoneDetail().intersects(dialogue->ZoneMessage())) << nom << suffixe;
        }
    }
}

TEST(DialogueMessage, AShortMessageTakesOneLineAndNeverLeavesItsMarkAlone)
{
    Reunion r;
    DialogueMessage d(r.etat, Demande(r, 156, BOUTONS_OK), {});
    d.show();
    const QString vide = QString::fromUtf8("Le plan de fréquences est vide\u00A0!");
    QFont police = QApplication::font();
    police.setPointSizeF(police.pointSizeF() * 1.25);
    police.setBold(true);
    const QFontMetrics mesure(police);
    // The whole width beside the icon: one line.
    EXPECT_EQ(d.ZoneMessage().right(), d.width() - 20 - 1);
    EXPECT_LE(mesure.horizontalAdvance(vide), d.ZoneMessage().width());
    EXPECT_EQ(EspacesInsecables(QString::fromUtf8("vide ! Sûr ? Note : oui")),
              QString::fromUtf8("vide\u00A0! Sûr\u00A0? Note\u00A0: oui"));
}

TEST(AfficherMessage, ClearsDetailAndTopicAndTellsTheThirdButton)
{
    Reunion r;
    r.etat.TexteDetail = "old detail";
    r.port.RepondreContinuer();
    EXPECT_EQ(AfficherMessageTexte(r.etat, 79, BOUTONS_OUI_NON_CONTINUER, 103), 0);
    EXPECT_EQ(r.etat.MessageAnnule, 1);
    ASSERT_EQ(r.port.Messages.size(), 1u);
    EXPECT_EQ(r.port.Messages[0].Detail, "old detail");
    EXPECT_EQ(r.port.Messages[0].SujetAide, 103);
    EXPECT_TRUE(r.etat.TexteDetail.Vide());
    EXPECT_EQ(r.etat.SujetAide, 0);
    // The next caller sets neither and gets neither.
    r.port.RepondreOk();
    EXPECT_EQ(AfficherMessageTexte(r.etat, 88), 1);
    EXPECT_EQ(r.port.Messages[1].Detail, "");
    EXPECT_EQ(r.port.Messages[1].SujetAide, 0);
    EXPECT_EQ(r.port.Messages[1].JeuBoutons, BOUTONS_OK);
    r.port.RepondreOui();
    AfficherMessageTexte(r.etat, 39, BOUTONS_OUI_NON_CONTINUER);
    EXPECT_EQ(r.etat.MessageAnnule, 0);
    r.port.RepondreNon();
    AfficherMessageTexte(r.etat, 39, BOUTONS_OUI_NON_CONTINUER);
    EXPECT_EQ(r.etat.MessageAnnule, 0);
    r.port.RepondreEchappement();
    EXPECT_EQ(AfficherMessageTexte(r.etat, 39, BOUTONS_OUI_NON), 0);
}

TEST(AfficherMessage, HelpAboveNinetyNineIsAPopUp)
{
    Reunion r;
    OuvrirAideMessage(r.etat, 150);
    OuvrirAideMessage(r.etat, 7);
    OuvrirAideMessage(r.etat, 0);
    ASSERT_EQ(r.port.Aides.size(), 2u);
    EXPECT_EQ(r.port.Aides[0].Sujet, 50);
    EXPECT_TRUE(r.port.Aides[0].Popup);
    EXPECT_EQ(r.port.Aides[1].Sujet, 7);
    EXPECT_FALSE(r.port.Aides[1].Popup);
}

// A refusal with the frequencies that would fly now: each a button of its own,
// never the default (Return acknowledges the refusal), a click takes it.
TEST(DialogueMessage, ARefusalOffersItsFrequenciesAsButtons)
{
    for (int langue : {DECALAGE_FRANCAIS, DECALAGE_ANGLAIS, DECALAGE_PORTUGAIS}) {
        Reunion r;
        r.etat.DecalageLangue = langue;
        DemandeMessage demande = Demande(r, 93, BOUTONS_OK, 150, "35.010__k 61 - n\xB0 12 - Martin\n");
        demande.Choix = {"35.030", "35.045", "35.050", "35.080", "35.090", "35.095"};
        DialogueMessage d(r.etat, demande, {});
        d.show();
        Capturer(&d, std::string("DIALMESS_frequences_possibles_") + (langue == 0 ? "fr" : langue == 1000 ? "en" : "pt"));
        EXPECT_EQ(TextesCoupes(&d), std::vector<std::string>{});
        for (int i = 0; i < 6; ++i) {
            auto* b = d.findChild<QPushButton*>(QStringLiteral("CHOIX%1").arg(i));
            ASSERT_NE(b, nullptr);
            EXPECT_FALSE(b->isDefault());
            EXPECT_LE(b->geometry().right(), d.width());
        }
        QTest::keyClick(&d, Qt::Key_Return);
        EXPECT_EQ(d.Choix(), -1);
        EXPECT_EQ(d.Bouton(), BoutonMessage::Premier);
    }
    Reunion r;
    DemandeMessage demande = Demande(r, 93, BOUTONS_OK);
    demande.Choix = {"35.030", "35.045"};
    DialogueMessage d(r.etat, demande, {});
    d.show();
    QTest::mouseClick(d.findChild<QPushButton*>("CHOIX1"), Qt::LeftButton);
    EXPECT_EQ(d.Choix(), 1);
    EXPECT_FALSE(d.isVisible());
}
