#include "engine/recherche.h"

#include <gtest/gtest.h>

namespace {

// A list in the operator's order (by name here): its lines and their cards.
const std::vector<LigneRecherche> LIGNES = {
    {12, "Dupont"}, {151, "\xC9lodie Martin"}, {7, "\xE9mile Roux"}, {150, "Lef\xE8vre"},
    {15, "Martin"}, {998, "Martinez"},          {70, "Zo\xE9"},
};

} // namespace

TEST(RechercheCarte, DigitsFindTheCardLettersThePilotEachKeyRefines)
{
    struct Touche { char c; uint32_t t; int ligne; };
    struct Cas { const char* nom; std::vector<Touche> touches; };
    const Cas cas[] = {
        {"151: the first card beginning with 1 (12), then 15, then 151", {{'1', 0, 0}, {'5', 200, 4}, {'1', 400, 1}}},
        {"7 alone is card 007", {{'7', 0, 2}}},
        {"007 too", {{'0', 0, -1}, {'0', 100, -1}, {'7', 200, 2}}},
        {"a number no card has", {{'4', 0, -1}, {'2', 100, -1}}},
        {"a pause starts a new search", {{'1', 0, 0}, {'7', 1500, 2}}},
        {"within the pause it refines", {{'1', 0, 0}, {'7', 999, -1}}},
        {"names: case and accents ignored", {{'m', 0, 4}, {'A', 100, 4}, {'r', 200, 4}, {'t', 300, 4}, {'i', 400, 4}, {'n', 500, 4}, {'e', 600, 5}}},
        {"an accented first letter", {{'e', 0, 1}, {'m', 100, 2}}},
        {"\xC9 finds e", {{'\xC9', 0, 1}}},
        {"a name nobody has", {{'q', 0, -1}}},
        {"a name, then a pause, then a number", {{'z', 0, 6}, {'9', 2000, 5}}},
    };
    for (const Cas& c : cas) {
        RechercheCarte r;
        for (const Touche& t : c.touches) EXPECT_EQ(r.Touche(t.c, t.t, LIGNES), t.ligne) << c.nom << " at '" << t.c << "'";
    }
    EXPECT_EQ(ChercherCarte("151", {}), -1);
}
