// Fuzz target: the airfoil reader, through the file layer, on arbitrary file contents.
#include <cstddef>
#include <cstdint>

#include "aircraft/afl_io.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    orv_fuzz::program_folder("airfoils");
    orv_fuzz::write_input("airfoils/fuzz.afl", data, size);
    float alpha = 0;
    // Every slot of the tables is written somewhere: vary part, root/tip and Reynolds slot.
    const int en = size ? data[0] % 28 : 4;
    const int rt = size > 1 ? data[1] & 1 : 0;
    const int re = size > 2 ? data[2] & 1 : 0;
    orv::grabafoil("fuzz.afl", en, rt, re, &alpha);
    return 0;
}
