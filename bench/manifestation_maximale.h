#pragma once
// The largest meeting the stand can hold: 998 cards, every national frequency,
// 2000 plan nodes. The benchmarks measure against it.

#include "engine/etat.h"
#include "engine/plateforme_silencieuse.h"

#include <memory>
#include <vector>

std::unique_ptr<EtatGlobal> ManifestationMaximale(PlateformeSilencieuse& port, int32_t fiches = 998);

// The largest frequency plan: every national frequency and as many more by hand
// (35 MHz, no channel) as the catalogue holds.
std::vector<EntreeFrequence> PlanDeTailleMaximale();
