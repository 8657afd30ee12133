// Any bytes given as a frequency-plan file: refused or read, never a crash.
#include "freqplan/plan_frequences.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* octets, std::size_t taille)
{
    (void)LireFichierFrq(std::string_view(reinterpret_cast<const char*>(octets), taille));
    return 0;
}
