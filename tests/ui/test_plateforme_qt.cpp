#include "shell/ui/fenetre_principale.h"
#include "shell/ui/instance_unique.h"
#include "shell/ui/plateforme_qt.h"
#include "tests/support/meeting.h"

#include <QDialog>
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
