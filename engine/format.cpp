#include "engine/format.h"

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
