#include "cards/dictionnaire.h"
#include "engine/etat.h"
#include "engine/textes.h"
#include "tests/support/dossier_temporaire.h"
#include "tests/support/meeting.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

TEST(Dictionnaire, LinesWordsAndTheirOrder)
{
    struct Cas { std::string octets; std::vector<std::string> mots; };
    const Cas cas[] = {
        {"b\r\nA\r\nc\r\n", {"A", "b", "c"}},
        {"b\r\nA\r\nc", {"A", "b"}},                 // a last line without its end is dropped
        {"b\nA\nc\n", {"A", "b", "c"}},              // Linux line ends
        {"b\rA\r", {"A", "b"}},
        {"", {}},
        {"\r\nZ\r\n", {"", "Z"}},                    // an empty line is an empty word
        {"\xEF\xBB\xBFZlin\r\n\xC3\xA9t\xC3\xA9\r\n", {"\xE9t\xE9", "Zlin"}},   // UTF-8 with its mark
        {"Zlin\n\xC3\xA9t\xC3\xA9\nAvion\navion\n", {"Avion", "avion", "\xE9t\xE9", "Zlin"}},
        {"Zlin\r\n\xE9t\xE9\r\n", {"\xE9t\xE9", "Zlin"}},   // Windows-1252
        {"\xC5\x93uvre\ncigogne\n", {"cigogne", "\x9C" "uvre"}},
        {std::string("b\0c\r\nd\x1B" "e\r\nf\tg\r\nh\x7Fi\r\n", 20), {"b", "d", "f", "h"}},   // cut before a control byte
    };
    for (const Cas& c : cas) EXPECT_THAT(LireDictionnaire(c.octets), ElementsAreArray(c.mots)) << c.octets;
}

TEST(Dictionnaire, OnlyTheCompleteLinesOfTheFirst4096BytesCount)
{
    std::string octets;
    std::vector<std::string> attendus;
    for (int i = 0; octets.size() < 5000; ++i) {
        const std::string mot = "Type" + std::to_string(1000 + i);
        if (octets.size() + mot.size() + 2 <= TAILLE_LUE_DICTIONNAIRE) attendus.push_back(mot);
        octets += mot + "\r\n";
    }
    EXPECT_THAT(LireDictionnaire(octets), ElementsAreArray(attendus));
    // More than a thousand short words all reach the popup.
    std::string courts;
    for (char a = 'a'; a <= 'z'; ++a)
        for (char b = 'a'; b <= 'z'; ++b) courts += std::string{a, b} + "\r\n";
    EXPECT_EQ(LireDictionnaire(courts).size(), 676u);
    std::string tres;
    for (int i = 0; i < 1300; ++i) tres += std::string(1, static_cast<char>('a' + i % 26)) + "\n";
    EXPECT_EQ(LireDictionnaire(tres).size(), 1300u);
}

TEST(Dictionnaire, LoadingKeepsThePathWhenTheFileCannotBeReadNow)
{
    Reunion r;
    DossierTemporaire d;
    const std::string chemin = d.Fichier("types.txt");
    r.etat.CheminDictionnaire = chemin;
    ChargerDictionnaire(r.etat);
    EXPECT_EQ(r.etat.EtatDictionnaire, 0);
    EXPECT_EQ(r.etat.CheminDictionnaire.Chaine(), chemin);
    EcrireOctets(chemin, "Planeur\r\nAvion\r\n");
    ChargerDictionnaire(r.etat);
    EXPECT_EQ(r.etat.EtatDictionnaire, 1);
    EXPECT_THAT(r.etat.MotsDictionnaire, ElementsAre("Avion", "Planeur"));
    EcrireOctets(chemin, "");
    ChargerDictionnaire(r.etat);
    EXPECT_EQ(r.etat.EtatDictionnaire, 1);
    EXPECT_THAT(r.etat.MotsDictionnaire, IsEmpty());
    // Working without: nothing is read, and the path stays for the meeting file.
    ValiderDictionnaire(r.etat, chemin, true);
    EcrireOctets(chemin, "Avion\r\n");
    ChargerDictionnaire(r.etat);
    EXPECT_EQ(r.etat.EtatDictionnaire, -1);
    EXPECT_THAT(r.etat.MotsDictionnaire, IsEmpty());
    EXPECT_EQ(r.etat.CheminDictionnaire.Chaine(), chemin);
}

TEST(Dictionnaire, TheDialogBrowsesForTextFilesAndKeepsThePath)
{
    Reunion r;
    r.port.RepondreFichier("/club/types.txt");
    EXPECT_EQ(ParcourirDictionnaire(r.etat), "/club/types.txt");
    ASSERT_EQ(r.port.Fichiers.size(), 1u);
    EXPECT_EQ(r.port.Fichiers[0].Titre, Texte(r.etat, 155));
    EXPECT_EQ(r.port.Fichiers[0].Extension, "txt");
    EXPECT_EQ(r.port.Fichiers[0].Filtres.front().second, "*.txt");
    EXPECT_FALSE(r.port.Fichiers[0].Enregistrer);
    ValiderDictionnaire(r.etat, "/club/types.txt", false);
    EXPECT_EQ(r.etat.CheminDictionnaire.Chaine(), "/club/types.txt");
    EXPECT_EQ(r.etat.EtatDictionnaire, 0);
    // A path longer than the field is cut between two characters.
    ValiderDictionnaire(r.etat, std::string(258, 'x') + "\xC3\xA9", false);
    EXPECT_EQ(r.etat.CheminDictionnaire.Chaine(), std::string(258, 'x'));
    EXPECT_EQ(TexteMotInsere(std::string(70, 'w')), std::string(63, 'w') + " ");
    EXPECT_EQ(TexteMotInsere("Planeur"), "Planeur ");
}
