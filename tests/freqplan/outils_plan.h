#pragma once
// What the frequency-plan tests read back from a catalogue or a plan.

#include "engine/etat.h"
#include "engine/frequences.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

// Frequency -> channel of every validated catalogue record.
inline std::map<int32_t, int32_t> Validees(const EtatGlobal& etat)
{
    std::map<int32_t, int32_t> v;
    for (const EntreeFrequence& e : etat.CatalogueFrequences)
        if (e.Valide == 1) v[e.Frequence] = e.Canal;
    return v;
}

inline int NbCreneauxLibres(const EtatGlobal& etat)
{
    int n = 0;
    for (const EntreeFrequence& e : etat.CatalogueFrequences) n += e.Frequence == FREQUENCE_CRENEAU_LIBRE;
    return n;
}

// The catalogue record of f; a missing one fails the test and reads as zeros.
inline const EntreeFrequence& RecordCatalogue(const EtatGlobal& etat, int32_t f)
{
    static const EntreeFrequence absent{};
    const int i = IndexCatalogue(etat, f);
    if (i < 0) ADD_FAILURE() << f << " is not in the catalogue";
    return i < 0 ? absent : etat.CatalogueFrequences[static_cast<std::size_t>(i)];
}

inline std::vector<int32_t> FrequencesDuPlan(const EtatGlobal& etat)
{
    std::vector<int32_t> f;
    for (const EntreeFrequence& e : etat.PlanFrequences) f.push_back(e.Frequence);
    return f;
}
