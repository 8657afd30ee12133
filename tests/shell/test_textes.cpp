#include "engine/cp1252.h"
#include "engine/etat.h"
#include "engine/textes.h"
#include "tests/support/meeting.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

namespace {

std::set<int> Bloc(int decalage)
{
    std::set<int> numeros;
    for (const auto& [n, texte] : TableTextes())
        if (n >= decalage && n < decalage + 1000) numeros.insert(n - decalage);
    return numeros;
}

std::string Lire(const std::filesystem::path& chemin)
{
    std::ifstream f(chemin, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

// The printf conversions of a format, in order.
std::vector<std::string> Conversions(const std::string& format)
{
    static const std::regex conversion(R"(%[-+ #0]*[0-9]*(\.[0-9]+)?(l|ll|h)?[diouxXsfc%])");
    std::vector<std::string> r;
    for (auto it = std::sregex_iterator(format.begin(), format.end(), conversion); it != std::sregex_iterator(); ++it)
        r.push_back(it->str());
    return r;
}

// Splits the arguments of a call that starts at `debut` (just after its '(').
std::vector<std::string> Arguments(const std::string& source, std::size_t debut)
{
    std::vector<std::string> args(1);
    int profondeur = 0;
    for (std::size_t i = debut; i < source.size(); ++i) {
        const char c = source[i];
        if (c == '(' || c == '{' || c == '[') ++profondeur;
        if (c == ')' || c == '}' || c == ']') {
            if (profondeur == 0) return args;
            --profondeur;
        }
        if (c == ',' && profondeur == 0) args.emplace_back();
        else args.back() += c;
    }
    return {};
}

// Every string number the program's sources ask the table for.
std::set<int> NumerosDemandes()
{
    // The position of the string number among each loader's arguments.
    const std::map<std::string, std::size_t> position = {
        {"ChargerMessage", 1}, {"ChargerTexte", 1}, {"ChargerFiltre", 1}, {"Texte", 1},
        {"TexteQt", 1}, {"TexteControle", 3}, {"TexteTitre", 2}, {"AfficherMessageTexte", 1},
        {"TexteDansLangue", 1},
    };
    static const std::regex appel(R"(\b(ChargerMessage|ChargerTexte|ChargerFiltre|Texte|TexteQt|TexteControle|TexteTitre|AfficherMessageTexte|TexteDansLangue)\s*\()");
    static const std::regex table(R"(NumTexte\s*\{\s*([0-9]+)\s*\})");
    static const std::regex entier(R"(^\s*([0-9]+)\s*$)");
    std::set<int> numeros;
    const std::filesystem::path racine = KORAL_SOURCE_DIR;
    for (const char* dossier : {"engine", "stand", "cards", "freqplan", "storage", "shell", "print", "setup"}) {
        if (!std::filesystem::exists(racine / dossier)) continue;
        for (const auto& f : std::filesystem::recursive_directory_iterator(racine / dossier)) {
            const auto ext = f.path().extension();
            if (ext != ".cpp" && ext != ".h") continue;
            const std::string source = Lire(f.path());
            for (auto it = std::sregex_iterator(source.begin(), source.end(), appel); it != std::sregex_iterator(); ++it) {
                const auto args = Arguments(source, static_cast<std::size_t>(it->position() + it->length()));
                const std::size_t p = position.at((*it)[1].str());
                std::smatch m;
                if (p < args.size() && std::regex_match(args[p], m, entier)) numeros.insert(std::stoi(m[1]));
            }
            for (auto it = std::sregex_iterator(source.begin(), source.end(), table); it != std::sregex_iterator(); ++it)
                numeros.insert(std::stoi((*it)[1]));
        }
    }
    return numeros;
}

} // namespace

TEST(TableTextes, TheThreeLanguagesHoldTheSameNumbers)
{
    const auto francais = Bloc(DECALAGE_FRANCAIS);
    EXPECT_GT(francais.size(), 300u);
    EXPECT_EQ(Bloc(DECALAGE_ANGLAIS), francais);
    EXPECT_EQ(Bloc(DECALAGE_PORTUGAIS), francais);
}

TEST(TableTextes, EveryNumberTheProgramAsksForExists)
{
    const auto demandes = NumerosDemandes();
    ASSERT_TRUE(demandes.count(87)) << "the scan of the sources found nothing";
    const auto francais = Bloc(DECALAGE_FRANCAIS);
    for (int n : demandes) EXPECT_TRUE(francais.count(n)) << "string " << n << " is missing";
}

TEST(TableTextes, FormatsHaveTheSameConversionsInEveryLanguage)
{
    for (int n : Bloc(DECALAGE_FRANCAIS)) {
        const auto fr = Conversions(TexteDansLangue(DECALAGE_FRANCAIS, n));
        EXPECT_EQ(Conversions(TexteDansLangue(DECALAGE_ANGLAIS, n)), fr) << "string " << n;
        EXPECT_EQ(Conversions(TexteDansLangue(DECALAGE_PORTUGAIS, n)), fr) << "string " << n;
    }
}

TEST(TableTextes, EveryCharacterHasAWindows1252Form)
{
    const std::string brut = Lire(std::filesystem::path(KORAL_SOURCE_DIR) / "resources" / "textes.txt");
    ASSERT_TRUE(EstUtf8Valide(brut));
    for (const auto& [n, texte] : TableTextes()) {
        const std::string utf8 = Cp1252VersUtf8(texte);
        EXPECT_EQ(Utf8VersCp1252(utf8), texte) << n;
        EXPECT_EQ(texte.find('?') != std::string::npos, utf8.find('?') != std::string::npos) << n;
    }
}

TEST(TableTextes, QuotedTextsStandAsTheyAre)
{
    EXPECT_EQ(TexteDansLangue(0, 93), "FREQUENCE VOISINE DEJA ACTIVE ! ");
    EXPECT_EQ(TexteDansLangue(0, 35), " Pourrait \xE9mettre\r");
    EXPECT_EQ(TexteDansLangue(0, 87), "M\xE9moire insuffisante\rCr\xE9" "ation impossible !");
    EXPECT_EQ(TexteDansLangue(0, 132), "Sortie de k\xF3ral");
    EXPECT_EQ(TexteDansLangue(0, 88), "Le fichier choisi est incompatible !");
    EXPECT_EQ(TexteDansLangue(0, 49), "  pause  ");
    EXPECT_EQ(TexteDansLangue(1000, 88), "File not compatible!");
    EXPECT_EQ(TexteDansLangue(1000, 25), " Meeting files (*.mhz)|*.mhz|All Files (*.*)|*.*|");
    EXPECT_EQ(TexteDansLangue(1000, 63), "Meeting %s.mhz");
    EXPECT_EQ(TexteDansLangue(1000, 165), "Taken into account for next start");
}

TEST(Textes, LoadersAddTheLanguageOffsetAndAMissingStringIsEmpty)
{
    Reunion r;
    ChargerMessage(r.etat, 88);
    EXPECT_EQ(r.etat.TexteMessage, "Le fichier choisi est incompatible !");
    r.etat.DecalageLangue = DECALAGE_ANGLAIS;
    ChargerMessage(r.etat, 88);
    EXPECT_EQ(r.etat.TexteMessage, "File not compatible!");
    ChargerTexte(r.etat, 999);
    EXPECT_TRUE(r.etat.TexteCourant.Vide());
    EXPECT_EQ(Texte(r.etat, 998), "");
}

TEST(Textes, AFilterBecomesNulSeparatedParts)
{
    Reunion r;
    ChargerFiltre(r.etat, 25);
    const std::string_view f = r.etat.TexteFiltre.Vue();
    EXPECT_EQ(f, std::string_view("Fichiers manifestation (*.mhz)\0*.mhz\0Tous les fichiers (*.*)\0*.*\0", 65));
}

TEST(LireTableTextes, EscapesCommentsAndBlanksAtTheEndsAndRefusesAnythingElse)
{
    const auto lue = LireTableTextes("# comment\n\n12\t a\\rb\\\\c \r\n13\tx\\ty\n1x\tno\n14\n15\t\xC3\xA9t\xC3\xA9\n%u cut\n\tx\n");
    const auto& t = lue.Textes;
    EXPECT_EQ(lue.LignesRefusees, (std::vector<int>{5, 6, 8, 9}));
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t.at(12), " a\rb\\c ");
    EXPECT_EQ(t.at(13), "x\ty");
    EXPECT_EQ(t.at(15), "\xE9t\xE9");
}

// A string written over two lines would lose its second half without a word.
TEST(TableTextes, EveryLineIsAStringRecord)
{
    EXPECT_EQ(TableTextesEmbarquee().LignesRefusees, std::vector<int>{});
}

// A checkout on Windows may give the table CR LF line ends: it reads the same.
TEST(TableTextes, WindowsLineEndsReadTheSame)
{
    const std::string brut = Lire(std::filesystem::path(KORAL_SOURCE_DIR) / "resources" / "textes.txt");
    std::string crlf;
    for (char c : brut) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    const TableTextesLue lue = LireTableTextes(crlf);
    EXPECT_EQ(lue.LignesRefusees, std::vector<int>{});
    EXPECT_EQ(lue.Textes, TableTextes());
}

TEST(FormaterTexte, FormatsFromTheTable)
{
    Reunion r;
    EXPECT_EQ(FormaterTexte(Texte(r.etat, 89), 5u), "IL Y A DEJA 5 FREQUENCES EN EMISSION !");
}

TEST(Cp1252, RoundTripsAndReplacesWhatItCannotHold)
{
    EXPECT_EQ(Utf8VersCp1252("k\xC3\xB3ral \xE2\x82\xAC"), "k\xF3ral \x80");
    EXPECT_EQ(Cp1252VersUtf8("k\xF3ral \x80 \x9C"), "k\xC3\xB3ral \xE2\x82\xAC \xC5\x93");
    EXPECT_EQ(Utf8VersCp1252("\xE4\xB8\xAD"), "?");
    // Not UTF-8: taken as Windows-1252 already.
    EXPECT_EQ(Utf8VersCp1252("caf\xE9"), "caf\xE9");
    for (int o = 1; o < 256; ++o) {
        const std::string un(1, static_cast<char>(o));
        EXPECT_EQ(Utf8VersCp1252(Cp1252VersUtf8(un)), un) << o;
    }
    EXPECT_FALSE(EstUtf8Valide("\xC0\x80"));
    EXPECT_FALSE(EstUtf8Valide("\xED\xA0\x80"));
    EXPECT_FALSE(EstUtf8Valide("\xE2\x82"));
}
