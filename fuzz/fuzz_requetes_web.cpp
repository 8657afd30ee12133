// Any bytes a client of the web board may send: a verdict among the board's
// own, the same however the network cuts them, and never a crash.
#include "web/requetes_web.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* octets, std::size_t taille)
{
    const std::string_view flux(reinterpret_cast<const char*>(octets), taille);
    AnalyseurRequetes entier, morceaux;
    const int statut = entier.Lire(flux);
    int statutMorceaux = 0;
    // Cut after each byte whose value is odd: a cut the input itself chooses.
    std::size_t debut = 0;
    for (std::size_t i = 0; i < taille; ++i)
        if (octets[i] & 1) {
            statutMorceaux = morceaux.Lire(flux.substr(debut, i + 1 - debut));
            debut = i + 1;
        }
    statutMorceaux = morceaux.Lire(flux.substr(debut));
    if (statut != statutMorceaux || entier.RequetesCompletes() != morceaux.RequetesCompletes()) std::abort();
    switch (statut) {
    case 0: case 400: case 404: case 405: case 413: case 414: case 431: break;
    default: std::abort();
    }
    return 0;
}
