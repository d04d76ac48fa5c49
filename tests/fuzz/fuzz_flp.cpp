// Fuzz target: the flap file reader on arbitrary file contents.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "2-QZutils/records.h"
#include "aircraft/afl_io.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    orv_fuzz::program_folder("flaps");
    orv_fuzz::write_input("flaps/fuzz.flp", data, size);
    orv::pln.flapEQ = 1;
    std::strcpy(orv::pln.flap_str, "fuzz.flp");
    orv::read_flap_file();
    return 0;
}
