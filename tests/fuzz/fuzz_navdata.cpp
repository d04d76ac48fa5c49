// Fuzz targets: the navigation database reader on arbitrary contents of one of its files
// (NAV_FILE: "apt_dat", "nav_dat" or "fix_dat"; the other two are absent).
#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"
#include "world/nav_db.h"

#ifndef NAV_FILE
#error "NAV_FILE names the navigation file this target fuzzes"
#endif

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    orv_fuzz::program_folder("additional nav data");
    orv_fuzz::write_input(std::string("additional nav data/") + NAV_FILE, data, size);
    orv::init_country_data();
    return 0;
}
