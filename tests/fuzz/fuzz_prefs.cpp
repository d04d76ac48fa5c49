// Fuzz target: the preferences file "Vantorel 4.prf" held in memory, the record and the five
// situation lines after it (the layout a situation file shares with it).
#include <cstddef>
#include <cstdint>

#include "2-QZutils/qz_file.h"
#include "2-QZutils/records.h"
#include "app/app_prefs.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (orv::con.fttomtrs == 0.0f) orv::set_constants();
    if (orv::inf_open_memory(data, static_cast<long>(size), "Vantorel 4.prf", orv::FILE_ANY, orv::PREFS_VERSION, 0)) {
        if (orv::grab_prefs()) orv::grab_situation_lines();
    }
    orv::inf_close();
    return 0;
}
