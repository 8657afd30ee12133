// Any bytes opened as a meeting the way the operator opens one: read, then the
// transmitters put back out and the ranks re-attached. Refused or taken, the
// meeting that results is one the stand can work on.
#include "engine/emissions.h"
#include "engine/etat.h"
#include "engine/plateforme_silencieuse.h"
#include "stand/defilant.h"
#include "storage/manifestation.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* octets, std::size_t taille)
{
    static const std::string chemin = "/tmp/fuzz_ouverture_" + std::to_string(getpid()) + ".mhz";
    {
        std::ofstream f(chemin, std::ios::binary | std::ios::trunc);
        f.write(reinterpret_cast<const char*>(octets), static_cast<std::streamsize>(taille));
    }
    PlateformeSilencieuse port;
    EtatGlobal etat(port);
    if (ReprendreManifestation(etat, chemin)) {
        etat.SauvegardeActive = 0;
        MajTexteDefilant2(etat);
        RecompteSorties(etat);
        (void)ImageManifestation(etat);
    }
    return 0;
}
