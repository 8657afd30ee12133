#pragma once
// Building blocks for tests: a meeting over the scripted port, plans from a list
// of frequencies, cards.

#include "engine/etat.h"
#include "engine/textes.h"
#include "tests/support/plateforme_test.h"

#include <initializer_list>
#include <string>
#include <vector>

struct Reunion {
    PlateformeTest port;
    EtatGlobal etat{port};

    // Lays a plan of these frequencies in (channels 0), all free.
    void Plan(std::initializer_list<int32_t> frequences);
    void Plan(const std::vector<int32_t>& frequences);
    int Index(int32_t frequence) const;
    EntreeFrequence& Entree(int32_t frequence);
    FicheVol& Fiche(int32_t numero, const std::string& nom, int32_t frequence);
    // Every frequency of the national table, 2.4 GHz slots included.
    static std::vector<int32_t> PlanNational();
};

// The worked-example plan of 35 MHz.
std::vector<int32_t> PlanExemple35();
