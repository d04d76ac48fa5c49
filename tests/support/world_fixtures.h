// world_fixtures.h -- the world set-ups several test programs share: a region of flat water
// and a real-weather file of the test's own. Header-only, for the programs that link the world.
#pragma once

#include <string>

#include "2-QZutils/qz_funct.h"
#include "2-QZutils/records.h"
#include "support/test_support.h"
#include "world/region.h"
#include "world/wxr_file.h"

namespace orv_test {

// Open flat water with no airports or navaids: no scenery file is read and none generated
// while the object lives. load() puts the region's south-west corner at (lat_sou, lon_wes).
struct flat_region {
    flat_region() { begin(); }
    ~flat_region() { orv::region_set_generation(1); }
    // Again, after a test has cleared the records.
    void begin()
    {
        orv::set_constants();
        orv::init_trig_tables();
        orv::region_set_generation(0);
        orv::env.aptmax = -1;
        orv::env.navmax = -1;
    }
    void load(int lat_sou, int lon_wes)
    {
        orv::env.lat_sou = lat_sou;
        orv::env.lon_wes = lon_wes;
        orv::load_region();
    }
};

// A real-weather file holding `reports`, read in place of the program folder's until the
// object goes.
struct weather_reports {
    std::string path;
    weather_reports(const std::string& dir, const std::string& reports)
        : path(write_file(dir + "/WORLD.RWX", reports))
    {
        orv::wxr_set_path(path.c_str());
    }
    ~weather_reports() { orv::wxr_set_path(""); }
};

}  // namespace orv_test
