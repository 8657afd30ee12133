#pragma once
// The largest meeting the stand can hold: 998 cards, every national frequency,
// 2000 plan nodes. The benchmarks measure against it.

#include "engine/etat.h"
#include "engine/plateforme_silencieuse.h"

#include <memory>

std::unique_ptr<EtatGlobal> ManifestationMaximale(PlateformeSilencieuse& port, int32_t fiches = 998);
