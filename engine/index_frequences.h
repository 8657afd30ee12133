#pragma once
// Frequency -> plan index in one step. The engine asks "is this product a plan
// frequency?" thousands of times per exit; a scan of the plan each time is what
// makes a naive stand slow on a full national plan.

#include "engine/enregistrements.h"

#include <cstdint>
#include <vector>

class IndexFrequences {
public:
    // Below this every frequency gets a direct slot; products of two transmitters
    // below 73 MHz stay under 120 MHz, and the rest (2.4 GHz) is searched.
    static constexpr int32_t EtendueDirecte = 150000;

    IndexFrequences();

    // After every sort of the plan: the plan must be in ascending frequency.
    void Reconstruire(const std::vector<EntreeFrequence>& plan);

    // Index of the entry of frequency f, -1 when the plan has none.
    int Chercher(const std::vector<EntreeFrequence>& plan, int32_t f) const
    {
        if (f >= 0 && f < EtendueDirecte) return direct_[static_cast<std::size_t>(f)];
        return ChercherTrie(plan, f);
    }

    // Lowest (montant) or highest plan index whose frequency lies within
    // `fenetre` kHz of x, -1 when none.
    int PlusProche(const std::vector<EntreeFrequence>& plan, int32_t x, int32_t fenetre,
                   bool montant) const;

private:
    static int ChercherTrie(const std::vector<EntreeFrequence>& plan, int32_t f);

    std::vector<int16_t> direct_;
    std::vector<int32_t> occupes_;   // slots of direct_ to clear at the next rebuild
};
