// Any bytes given as a meeting file: refused or taken, never a crash or a read out of bounds.
#include "storage/manifestation.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* octets, std::size_t taille)
{
    (void)DecoderManifestation(std::string_view(reinterpret_cast<const char*>(octets), taille), 0);
    return 0;
}
