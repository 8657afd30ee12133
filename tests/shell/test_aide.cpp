// The help file as the program reads it, and the paths it starts from.
#include "shell/aide.h"
#include "tests/support/dossier_temporaire.h"

#include <gtest/gtest.h>

TEST(FichierAide, EveryTopicTheProgramOpensExistsInFrenchAndEnglish)
{
    const std::string texte = LireOctets(KORAL_SOURCE_DIR "/resources/aide/koral.hlp");
    const FichierAide aide = FichierAide::Lire(texte);
    for (int sujet : {0, 3, 7, 10, 20, 21, 23, 30, 33, 41, 50, 55})
        for (int langue : {0, 1000, 2000}) {
            const auto s = aide.Sujet(langue, sujet);
            ASSERT_TRUE(s.has_value()) << sujet;
            EXPECT_FALSE(s->Corps.empty()) << sujet;
        }
    EXPECT_FALSE(aide.Sujet(0, 9876).has_value());
}

// A checkout on Windows may give the file CR LF line ends: it reads the same.
TEST(FichierAide, WindowsLineEndsReadTheSame)
{
    const std::string texte = LireOctets(KORAL_SOURCE_DIR "/resources/aide/koral.hlp");
    std::string crlf;
    for (char c : texte) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    const FichierAide lf = FichierAide::Lire(texte), dos = FichierAide::Lire(crlf);
    ASSERT_EQ(dos.Taille(), lf.Taille());
    for (int langue : {0, 1000, 2000})
        for (int sujet = 0; sujet < 100; ++sujet) {
            const auto a = lf.Sujet(langue, sujet), b = dos.Sujet(langue, sujet);
            ASSERT_EQ(a.has_value(), b.has_value()) << sujet;
            if (a) EXPECT_EQ(std::make_pair(a->Titre, a->Corps), std::make_pair(b->Titre, b->Corps)) << sujet;
        }
}

TEST(FichierAide, HeadersAndFallBackToFrench)
{
    const FichierAide aide = FichierAide::Lire("# x\n@@ fr 3 Trois\n<p>trois</p>\n@@ en 3 Three\n<p>three</p>\n@@ fr 7\n@@ xx\n@@ fr abc T\nno\n");
    EXPECT_EQ(aide.Sujet(1000, 3)->Titre, "Three");
    EXPECT_EQ(aide.Sujet(2000, 3)->Corps, "<p>trois</p>\n");
    EXPECT_TRUE(aide.Sujet(0, 7).has_value());
    EXPECT_EQ(aide.Taille(), 3u);
}

TEST(CheminsDeDemarrage, HelpBesideTheProgramAndTheMeetingInQuotes)
{
    EXPECT_EQ(CheminAideDepuisLigneCommande("\"C:\\Program Files\\Koral\\koralis.exe\" \"x.mhz\""),
              "C:\\Program Files\\Koral\\koral.hlp");
    EXPECT_EQ(CheminAideDepuisLigneCommande("/opt/koral/bin/koralis"), "/opt/koral/bin/koral.hlp");
    EXPECT_EQ(CheminAideDepuisLigneCommande("koralis"), "koral.hlp");
    EXPECT_EQ(CheminDepuisArgument("\"D:\\Mes meetings\\Koral du 06_12_26.mhz\""), "D:\\Mes meetings\\Koral du 06_12_26.mhz");
    EXPECT_EQ(CheminDepuisArgument("/club/Koral.mhz"), "/club/Koral.mhz");
}
