#pragma once
// The string table: French n, English 1000 + n, Portuguese 2000 + n. Texts are
// held in Windows-1252, like every text of the meeting.

#include <cstdarg>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

struct EtatGlobal;

// A string number written in a table rather than passed to one of the loaders
// below; lets the string-table test see every number the program asks for.
struct NumTexte {
    int n;
};

constexpr int DECALAGE_FRANCAIS = 0;
constexpr int DECALAGE_ANGLAIS = 1000;
constexpr int DECALAGE_PORTUGAIS = 2000;

// The table's text format read: the strings, and the lines that are neither a
// string record, a comment nor blank (a string cut over two lines), by number.
struct TableTextesLue {
    std::map<int, std::string> Textes;
    std::vector<int> LignesRefusees;
};
TableTextesLue LireTableTextes(std::string_view utf8);
// The whole table, read once from the text embedded at build time.
const TableTextesLue& TableTextesEmbarquee();
const std::map<int, std::string>& TableTextes();

// String n of the running language; empty when the block lacks it.
std::string Texte(const EtatGlobal& etat, int n);
// The same in a given language offset (the language items speak the new one).
std::string TexteDansLangue(int decalage, int n);

void ChargerMessage(EtatGlobal& etat, int n);
void ChargerTexte(EtatGlobal& etat, int n);
// Loads a filter; every occurrence of its last character becomes a NUL.
void ChargerFiltre(EtatGlobal& etat, int n);

// A time in milliseconds through string n, whose two conversions ("%02d mn %02d s")
// take its minutes and seconds.
std::string TexteDuree(const EtatGlobal& etat, int n, int32_t millisecondes);

// printf over a format from the table. The table's test guarantees that each
// string has the same conversions in the three languages.
std::string FormaterTexteC(const char* format, ...);
template <class... Arguments>
std::string FormaterTexte(const std::string& format, Arguments... arguments)
{
    return FormaterTexteC(format.c_str(), arguments...);
}
