// Long flights and the edges of the world: the logged position against speed times time
// across region shifts, heading against the track flown, the antimeridian and a pole.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "2-QZutils/qz_funct.h"
#include "2-QZutils/records.h"
#include "flight/flight_sim.h"
#include "support/test_support.h"
#include "world/nav_db.h"
#include "world/region.h"
#include "world/scenery_cache.h"

using namespace orv;
using namespace orv_test;

namespace {

constexpr double kDeg = M_PI / 180.0;
constexpr double kEarthM = 60.0 * 1852.0 / kDeg;   // 60 nm a degree

float cruise_heading;
void cruise() { pilot_hold_height(35000.0f, bank_for_heading(cruise_heading, 10.0f)); }

// Great-circle metres between two logged positions.
double metres_between(double lat1, double lon1, double lat2, double lon2)
{
    const double a = std::pow(std::sin((lat2 - lat1) * kDeg / 2), 2) +
                     std::cos(lat1 * kDeg) * std::cos(lat2 * kDeg) * std::pow(std::sin((lon2 - lon1) * kDeg / 2), 2);
    return 2 * kEarthM * std::asin(std::sqrt(a));
}

int files_under(const std::string& dir)
{
    int n = 0;
    for (auto& e : std::filesystem::recursive_directory_iterator(dir))
        if (e.is_regular_file()) n++;
    return n;
}

struct Leg {
    double dist_flown = 0, worst_sample = 0, worst_frame = 0, track = 0;
    int shifts = 0;
};

// The bizjet at 35,000 ft from an airport on `hdg` for `seconds`: every minute the logged
// position against the speed flown, every frame the step against the frame's speed.
Leg cruise_leg(const char* icao, float hdg, float seconds)
{
    Leg leg;
    if (!sim_start("bizjet", icao)) return leg;
    region_set_generation(0);   // the frame is on trial here, not the scenery: open water ahead
    cruise_heading = hdg;
    sim_air_start(35000.0f, 420.0f, hdg);
    sim_power(0.9f);
    sim_fly(60.0f, cruise);
    double lat = flt.lat, lon = flt.lon, since = 0, sample_t = 0;
    const double lat0 = lat, lon0 = lon;
    int lat_sou = env.lat_sou, lon_wes = env.lon_wes;
    for (double t = 0; t < seconds; t += msc.prd) {
        const double step = pythag(flt.vX, flt.vZ) * msc.prd;
        const double plat = flt.lat, plon = flt.lon;
        cruise();
        sim_frame();
        since += step;
        sample_t += msc.prd;
        // A float latitude holds the position to about a metre: more than that is a jump.
        leg.worst_frame = std::fmax(leg.worst_frame, std::fabs(metres_between(plat, plon, flt.lat, flt.lon) - step));
        if (env.lat_sou != lat_sou || env.lon_wes != lon_wes) leg.shifts++;
        lat_sou = env.lat_sou, lon_wes = env.lon_wes;
        if (sample_t >= 60.0) {
            leg.worst_sample = std::fmax(leg.worst_sample, std::fabs(metres_between(lat, lon, flt.lat, flt.lon) / since - 1));
            leg.dist_flown += since;
            lat = flt.lat, lon = flt.lon, since = sample_t = 0;
        }
    }
    leg.track = std::atan2(std::remainder(flt.lon - lon0, 360.0) * std::cos(0.5 * (lat0 + flt.lat) * kDeg), flt.lat - lat0) / kDeg;
    return leg;
}

}  // namespace

TEST(FlightEdges, AnHourAtCruiseKeepsThePositionThroughEveryRegionShift)
{
    struct Case { const char* icao; float hdg; } cases[] = {{"KLAX", 90.0f}, {"KLAX", 270.0f}, {"ENSB", 90.0f}};
    for (const Case& c : cases) {
        const Leg leg = cruise_leg(c.icao, c.hdg, 3600.0f);
        if (leg.dist_flown == 0) GTEST_SKIP() << "stock aircraft or navigation data not installed";
        SCOPED_TRACE(std::string(c.icao) + " heading " + std::to_string((int)c.hdg));
        EXPECT_GT(leg.shifts, 3);                    // the region moved under the flight
        EXPECT_LT(leg.worst_sample, 0.002);          // within 0.2 % of speed times time
        EXPECT_LT(leg.worst_frame, 3.0);             // no step at a shift (they were 1 km)
    }
}

TEST(FlightEdges, NorthboundTheTrackFlownIsTheHeadingHeld)
{
    // Away from the region's reference meridian the frame's north is not true north.
    const Leg leg = cruise_leg("KLAX", 0.0f, 1200.0f);
    if (leg.dist_flown == 0) GTEST_SKIP() << "stock aircraft or navigation data not installed";
    EXPECT_NEAR(leg.track, 0.0, 0.1);
}

TEST(FlightEdges, FromTheSouthPoleAndAcrossTheAntimeridianTheWorldHoldsTogether)
{
    // Matei's runway 29 heads west, across the line a few miles out.
    struct Case { const char* icao; int runway_end; } cases[] = {{"NZSP", 0}, {"NFNM", 1}};
    for (const Case& c : cases) {
        const char* icao = c.icao;
        SCOPED_TRACE(icao);
        const std::string cache = temp_dir(std::string("edges_cache_") + icao);
        scenery_cache_set_dir(cache.c_str());
        if (!sim_start("bizjet", icao, c.runway_end)) GTEST_SKIP() << "stock aircraft not installed";
        const int apt = msc.loc_apt_wrl;
        ASSERT_STREQ(apt_id[apt], icao);
        const float field = apt_h[apt];
        sim_power(1.0f);
        float lowest = 1e9f, lat_lo = 90, lat_hi = -90, lon_lo = 180, lon_hi = -180;
        for (double t = 0; t < 120.0; t += msc.prd) {   // two minutes
            if (flt.vind > 110) pilot_hold_pitch(8.0f, 0.0f);
            else pilot_hold_pitch(0.0f, 0.0f);
            sim_frame();
            lowest = fminf(lowest, (float)flt.Y);
            lat_lo = fminf(lat_lo, flt.lat), lat_hi = fmaxf(lat_hi, flt.lat);
            lon_lo = fminf(lon_lo, flt.lon), lon_hi = fmaxf(lon_hi, flt.lon);
        }
        EXPECT_GE(lat_lo, -90.0f);
        EXPECT_LE(lat_hi, 90.0f);
        EXPECT_GE(lon_lo, -180.0f);
        EXPECT_LE(lon_hi, 180.0f);
        EXPECT_GT(lowest, field - 1.0f);   // no start, nor restart, below the field
        EXPECT_LT(files_under(cache), 12);
        if (c.runway_end == 1) {
            EXPECT_TRUE(lon_lo < -179.9f && lon_hi > 179.9f) << "never crossed the line";
        }
        scenery_cache_set_dir("");
    }
}
