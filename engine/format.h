#pragma once
// Small text tools of the core: printf into a string, the day's date as the
// meeting writes it, and a text cut into lines.

#include "engine/plateforme.h"

#include <cstdarg>
#include <string>
#include <string_view>
#include <vector>

#if defined(__GNUC__)
#define KORAL_PRINTF(f, a) __attribute__((format(printf, f, a)))
#else
#define KORAL_PRINTF(f, a)
#endif

std::string Formater(const char* format, ...) KORAL_PRINTF(1, 2);
std::string FormaterListe(const char* format, va_list arguments);

// "dd<s>MM<s>yy": 06/12/26 for the history, 06_12_26 for file names.
std::string DateCourte(const DateHeure& date, char separateur);

// A Windows-1252 text as it sorts and is searched: small letters without their
// accents ("É" and "e" alike, "œ" as "oe").
std::string CleSansAccents(std::string_view texte);

// The text without the blanks and tabs around it.
std::string_view SansBlancs(std::string_view texte);

// The lines of a text, LF or CR LF at their ends (the CR dropped), none read past its end.
std::vector<std::string_view> Lignes(std::string_view texte);
