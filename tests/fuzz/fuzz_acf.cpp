// Fuzz target: loading an aircraft image held in memory (never opens the picker).
#include <cstddef>
#include <cstdint>

#include "aircraft/initpln.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    orv::acf_fuzz_one(data, size);
    return 0;
}
