// Fuzz target: loading an aircraft image held in memory (never opens the picker).
#include <cstddef>
#include <cstdint>

#include "aircraft/initpln.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    orv::load_plane_image(data, size, "fuzz.acf");
    return 0;
}
