// The antimeridian and a pole: a take-off and a flight across each, the position within its
// ranges, the region following without running away, and a restart on the field.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <set>
#include <string>
#include <utility>

#include "2-QZutils/qz_funct.h"
#include "2-QZutils/records.h"
#include "flight/flight_sim.h"
#include "flight/flt_init.h"
#include "support/test_support.h"
#include "world/nav_db.h"
#include "world/scenery_cache.h"

using namespace orv;
using namespace orv_test;

namespace {

float across_ft;

int files_under(const std::string& dir)
{
    int n = 0;
    for (auto& e : std::filesystem::recursive_directory_iterator(dir))
        if (e.is_regular_file()) n++;
    return n;
}

}  // namespace

TEST(FlightEdges, FromTheSouthPoleAndAcrossTheAntimeridianTheWorldHoldsTogether)
{
    // A take-off, then from overhead across the pole or, from Matei, across the line a few
    // miles west; a restart after them.
    struct Case { const char* icao; float across_hdg; } cases[] = {{"NZSP", 180.0f}, {"NFNM", 270.0f}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.icao);
        const std::string cache = temp_dir(std::string("edges_cache_") + c.icao);
        scenery_cache_set_dir(cache.c_str());
        if (!sim_start("bizjet", c.icao)) GTEST_SKIP() << "stock aircraft not installed";
        const int apt = msc.loc_apt_wrl;
        ASSERT_STREQ(apt_id[apt], c.icao);
        const float field = apt_h[apt];
        EXPECT_GE(flt.Y, field);   // the start stands on the field
        float lat_lo = 90, lat_hi = -90, lon_lo = 180, lon_hi = -180;
        std::set<std::pair<int, int>> regions;   // south-west corners the region took
        auto fly = [&](float seconds, void (*pilot)()) {
            for (double t = 0; t < seconds; t += msc.prd) {
                if (pilot) pilot();
                sim_frame();
                lat_lo = fminf(lat_lo, flt.lat), lat_hi = fmaxf(lat_hi, flt.lat);
                lon_lo = fminf(lon_lo, flt.lon), lon_hi = fmaxf(lon_hi, flt.lon);
                regions.insert({env.lat_sou, env.lon_wes});
            }
        };
        sim_power(1.0f);
        set.parkbrake = 0;
        fly(60.0f, [] { pilot_hold_pitch(flt.vind > 110 ? 8.0f : 0.0f); });
        across_ft = 10000.0f + field * con.mtrstoft;
        sim_air_start(across_ft, 250.0f, c.across_hdg);
        sim_power(0.3f);
        const float lon_before = flt.lon;
        fly(150.0f, [] { pilot_hold_height(across_ft); });   // wings level: over the pole south turns north
        EXPECT_GE(lat_lo, -90.0f);
        EXPECT_LE(lat_hi, 90.0f);
        EXPECT_GE(lon_lo, -180.0f);
        EXPECT_LE(lon_hi, 180.0f);
        if (c.across_hdg == 180.0f) {
            // over the pole, out along about the opposite meridian
            EXPECT_GT(std::fabs(fltwrap(flt.lon - lon_before, -180.0f, 180.0f)), 150.0f);
        } else {
            EXPECT_LT(lon_lo, -179.0f);   // west from Matei across the line
            EXPECT_GT(lon_hi, 179.0f);
        }
        // The region shifts toward the aircraft, not every frame; each place it takes brings
        // its six quadrants and the ten its next shifts could bring, made ahead.
        std::printf("%s: %zu region corners, %d tiles made in %.0f s\n", c.icao, regions.size(), files_under(cache),
                    sim_time());
        EXPECT_LE(regions.size(), 3u);
        EXPECT_LE(files_under(cache), 16 * (int)regions.size());
        msc.typestart = 7;   // as the crash check restarts
        set_fltvars(8);
        EXPECT_GE(flt.Y, field);
        scenery_cache_set_dir("");
    }
}
