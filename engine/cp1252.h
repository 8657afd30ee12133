#pragma once
// Windows-1252 is the encoding of every text field of the meeting; Unicode only
// exists at the edges (widgets, text files).

#include <string>
#include <string_view>

// Valid UTF-8 becomes Windows-1252; a character with no Windows-1252 form
// becomes "?". Anything else is taken as Windows-1252 already, which is how
// text files from outside (older editors, spreadsheets) are read.
std::string Utf8VersCp1252(std::string_view utf8);
std::string Cp1252VersUtf8(std::string_view cp1252);
bool EstUtf8Valide(std::string_view s);
// At most `octets` bytes of a UTF-8 text, never cutting a character in two.
std::string CouperUtf8(std::string_view utf8, std::size_t octets);
// Whether a character has a Windows-1252 form (what a record field can hold).
bool RepresentableCp1252(char32_t c);
