#pragma once
// The built-in frequencies of the six bands with their channel numbers, and the
// ones each of the eight nations authorises.

#include <array>
#include <cstdint>

struct FrequenceNationale {
    int32_t Frequence;   // kHz
    int32_t Canal;       // 0 = none
};

constexpr int NB_FREQUENCES_NATIONALES = 186;
constexpr int NB_NATIONS = 8;

extern const std::array<FrequenceNationale, NB_FREQUENCES_NATIONALES> TableNationale;

// One flag per TableNationale entry for each nation, in the order of the nation
// check boxes: Allemagne, Belgique, Espagne, France, Gde Bretagne, Italie,
// Luxembourg, Suisse.
using AutorisationsNation = std::array<uint8_t, NB_FREQUENCES_NATIONALES>;
extern const std::array<AutorisationsNation, NB_NATIONS> AutorisationsNationales;
