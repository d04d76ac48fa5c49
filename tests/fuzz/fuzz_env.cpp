// Fuzz target: the environment-file reader, both forms, on arbitrary file contents.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz_region_util.h"

namespace {

std::string folder;

void setup()
{
    folder = fuzz_region_folder("env", "'additional nav data/+30-120' 'DATA/United States' "
                                       "'additional nav data/objects'");
    std::FILE* obj = std::fopen((folder + "/additional nav data/objects/tower.OBJ").c_str(), "wb");
    if (!obj) std::abort();
    std::fputs("I\n3 tex\n0 0 0\n1 0 0\n0 1 0\n99\n", obj);
    std::fclose(obj);
    orv::read_quadrant(33, -118, 0);   // the weather once: it owes nothing to the file
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (folder.empty()) setup();
    // A text file goes to the older layout's folder, anything else where binary files live.
    const bool text = size && (data[0] == 'I' || data[0] == 'A');
    const std::string bin = folder + "/additional nav data/+30-120/+33-118.env";
    const std::string old = folder + "/DATA/United States/+33-118.env";
    std::remove(bin.c_str());
    std::remove(old.c_str());
    std::FILE* f = std::fopen((text ? old : bin).c_str(), "wb");
    if (!f) std::abort();
    if (size) std::fwrite(data, 1, size, f);
    std::fclose(f);
    orv::read_quadrant_ground(33, -118, 0);
    return 0;
}
