// Any bytes as the help file: every topic the program may ask for is found or
// missed, never a crash.
#include "engine/textes.h"
#include "shell/aide.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* octets, std::size_t taille)
{
    const FichierAide aide = FichierAide::Lire(std::string_view(reinterpret_cast<const char*>(octets), taille));
    for (int langue : {DECALAGE_FRANCAIS, DECALAGE_ANGLAIS, DECALAGE_PORTUGAIS})
        for (int sujet = 0; sujet < 200; ++sujet) (void)aide.Sujet(langue, sujet);
    return 0;
}
