// Any bytes as a model-type dictionary: words or none, never a crash, and every
// word fits what the card form inserts and the card keeps.
#include "cards/dictionnaire.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* octets, std::size_t taille)
{
    const auto mots = LireDictionnaire(std::string_view(reinterpret_cast<const char*>(octets), taille));
    for (const std::string& mot : mots) {
        if (mot.size() > TAILLE_LUE_DICTIONNAIRE || TexteMotInsere(mot).size() > LONGUEUR_MOT_INSERE + 1) std::abort();
        // What the model field shows is what the card keeps: no NUL, no control byte.
        for (char c : mot)
            if (static_cast<unsigned char>(c) < 0x20 || c == '\x7F') std::abort();
    }
    return 0;
}
