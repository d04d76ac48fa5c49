// Fuzz target: the custom object-file reader on arbitrary file contents.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "2-QZutils/qz_file.h"
#include "2-QZutils/qz_funct.h"
#include "2-QZutils/records.h"
#include "world/obstacles.h"
#include "world/region.h"

namespace {

std::string folder;

void setup()
{
    char tmpl[] = "/tmp/orv_fuzz_obj_XXXXXX";
    const char* d = mkdtemp(tmpl);
    if (!d) std::abort();
    folder = d;
    if (std::system(("mkdir -p '" + folder + "/additional nav data/objects'").c_str()) != 0) std::abort();
    std::snprintf(orv::app_path, sizeof orv::app_path, "%s\\", folder.c_str());
    orv::set_constants();
    orv::init_trig_tables();
    orv::region_set_generation(0);
    orv::env.aptmax = -1;
    orv::env.navmax = -1;
    orv::env.lat_sou = 33;
    orv::env.lon_wes = -118;
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
