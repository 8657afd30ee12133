#include "engine/format.h"

#include <array>
#include <cstdio>

std::string FormaterListe(const char* format, va_list arguments)
{
    va_list copie;
    va_copy(copie, arguments);
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
#endif
    const int n = std::vsnprintf(nullptr, 0, format, copie);
    va_end(copie);
    if (n <= 0) return {};
    std::string texte(static_cast<std::size_t>(n) + 1, '\0');
    std::vsnprintf(texte.data(), texte.size(), format, arguments);
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif
    texte.resize(static_cast<std::size_t>(n));
    return texte;
}

std::string Formater(const char* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    std::string texte = FormaterListe(format, arguments);
    va_end(arguments);
    return texte;
}

std::string DateCourte(const DateHeure& d, char s)
{
    return Formater("%02d%c%02d%c%02d", d.Jour, s, d.Mois, s, d.Annee % 100);
}

namespace {

// The letters a Windows-1252 byte sorts as: small, without its accent.
void AjouterBase(std::string& cle, unsigned char c)
{
    static const std::array<std::string_view, 64> LATIN = {
        "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i",
        "d", "n", "o", "o", "o", "o", "o", "\xD7", "o", "u", "u", "u", "u", "y", "\xFE", "ss",
        "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i",
        "d", "n", "o", "o", "o", "o", "o", "\xF7", "o", "u", "u", "u", "u", "y", "\xFE", "y",
    };
    if (c >= 0xC0) {
        cle += LATIN[c - 0xC0];
        return;
    }
    switch (c) {
    case 0x8A: case 0x9A: cle += 's'; return;
    case 0x8E: case 0x9E: cle += 'z'; return;
    case 0x8C: case 0x9C: cle += "oe"; return;
    case 0x9F: cle += 'y'; return;
    default: cle += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
}

} // namespace

std::string CleSansAccents(std::string_view mot)
{
    std::string cle;
    for (char c : mot) AjouterBase(cle, static_cast<unsigned char>(c));
    return cle;
}


std::string_view SansBlancs(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

std::vector<std::string_view> Lignes(std::string_view texte)
{
    std::vector<std::string_view> lignes;
    std::size_t debut = 0;
    while (debut < texte.size()) {
        std::size_t fin = texte.find('\n', debut);
        if (fin == std::string_view::npos) fin = texte.size();
        std::string_view ligne = texte.substr(debut, fin - debut);
        if (!ligne.empty() && ligne.back() == '\r') ligne.remove_suffix(1);
        lignes.push_back(ligne);
        debut = fin + 1;
    }
    return lignes;
}
