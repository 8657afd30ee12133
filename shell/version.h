#pragma once

#include <string>

struct EtatGlobal;

inline constexpr const char* VERSION_KORALIS = "4.7.3";

// String 4 followed by the version number.
std::string TexteVersion(const EtatGlobal& etat);
