#include "shell/ui/fenetre_principale.h"
#include "shell/ui/instance_unique.h"
#include "shell/ui/plateforme_qt.h"
#include "widgets/ui/traductions_qt.h"
#include "storage/manifestation.h"
#include "tests/support/meeting.h"

#include <QDialog>
#include <QFileDialog>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

TEST(RapportFatal, TheOpenDialogsCloseAndTheMainWindowIsDestroyed)
{
    Reunion r;
    PlateformeQt port;
    std::vector<std::string> boites;
    port.BoiteFatale = [&](const std::string&, const std::string& texte) { boites.push_back(texte); };
    FenetrePrincipale fenetre(r.etat);
    int fins = 0;
    port.DefinirFin([&] {
        ++fins;
        fenetre.Detruire();
    });
    // A report from two dialogs deep (a message over the details of a frequency, say).
    QDialog details(&fenetre);
    QDialog dessus(&details);
    QTimer::singleShot(0, &details, [&] {
        QTimer::singleShot(0, &dessus, [&] { port.RapportFatal("ALERTE", "FINDPILOTE"); });
        dessus.exec();
    });
    details.exec();
    EXPECT_FALSE(details.isVisible());
    EXPECT_FALSE(dessus.isVisible());
    EXPECT_EQ(boites, std::vector<std::string>{"FINDPILOTE"});
    EXPECT_EQ(fins, 1);
    EXPECT_TRUE(fenetre.Detruite());
}

TEST(InstanceUnique, EachUserHasAStandOfTheirOwn)
{
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", "/home/alice");
    const QString alice = InstanceUnique::Nom();
    qputenv("HOME", "/home/bob");
    const QString bob = InstanceUnique::Nom();
    qputenv("HOME", home);
    EXPECT_TRUE(alice.startsWith("KORAL"));
    EXPECT_NE(alice, bob);
    EXPECT_EQ(InstanceUnique::Nom(), InstanceUnique::Nom());
}

TEST(FichiersQt, EachFilterNamesItsPatternOnce)
{
    Reunion r;
    ChargerFiltre(r.etat, 158);
    const QStringList filtres = FiltresQt(FiltresDe(r.etat.TexteFiltre.Vue()));
    ASSERT_EQ(filtres.size(), 2);
    EXPECT_EQ(filtres[0], QString::fromUtf8("Plans de fréquences (*.frq)"));
    EXPECT_EQ(filtres[1], "Tous les fichiers (*.*)");
    EXPECT_EQ(FiltresQt({{"Mots", "*.txt;*.dic"}}), QStringList{"Mots (*.txt *.dic)"});
}

TEST(FichiersQt, QtsOwnDialogsSpeakTheRunningLanguage)
{
    auto annuler = [] {
        QFileDialog dialogue;
        dialogue.setOption(QFileDialog::DontUseNativeDialog);
        for (QPushButton* b : dialogue.findChildren<QPushButton*>())
            if (b->text().contains("Annuler") || b->text().contains("Cancel")) return b->text();
        return QString();
    };
    EXPECT_EQ(annuler(), "Cancel");
    {
        const TraductionsQt francais(DECALAGE_FRANCAIS);
        ASSERT_TRUE(francais.Installees());
        EXPECT_EQ(annuler(), "Annuler");
    }
    EXPECT_EQ(annuler(), "Cancel");
    EXPECT_TRUE(TraductionsQt(DECALAGE_PORTUGAIS).Installees());
    EXPECT_FALSE(TraductionsQt(DECALAGE_ANGLAIS).Installees());
}
