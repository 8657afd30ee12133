#pragma once
// The board on the pilots' phones: the public display's own view, as the JSON
// the page polls (UTF-8). Only what the public display shows leaves the stand:
// no licence, remark or password.

#include <string>
#include <string_view>

struct EtatGlobal;

std::string VueWebJson(EtatGlobal& etat);

// A JSON string of UTF-8 text, quotes included; markup characters escaped too.
std::string ChaineJson(std::string_view utf8);
