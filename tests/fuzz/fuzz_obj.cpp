// Fuzz target: the custom object-file reader on arbitrary file contents.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz_region_util.h"
#include "world/obstacles.h"

namespace {

std::string folder;

void setup()
{
    folder = fuzz_region_folder("obj", "'additional nav data/objects'");
    orv::load_region();   // flat water to stand the objects on
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (folder.empty()) setup();
    std::FILE* f = std::fopen((folder + "/additional nav data/objects/fuzz.OBJ").c_str(), "wb");
    if (!f) std::abort();
    if (size) std::fwrite(data, 1, size, f);
    std::fclose(f);
    // The texture list is the run's; clearing it now and then lets both its paths be reached.
    if (size && data[0] == 'A') orv::current_tex_numb = 0;
    int oi, oj;
    const float heading = size > 1 ? (float)data[1] : 0.0f;
    orv::make_an_obs(1000.0f, -1000.0f, heading, "fuzz", orv::OBJ_CUSTOM, 500, &oi, &oj);
    return 0;
}
