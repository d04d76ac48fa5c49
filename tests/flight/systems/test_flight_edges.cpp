// Long flights and the edges of the world: the logged position against speed times time
// across region shifts, heading against the track flown, the antimeridian and a pole.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>

#include "2-QZutils/qz_funct.h"
#include "2-QZutils/records.h"
#include "flight/flight_sim.h"
#include "flight/flt_init.h"
#include "support/test_support.h"
#include "world/nav_db.h"
#include "world/region.h"
#include "world/scenery_cache.h"

using namespace orv;
using namespace orv_test;

namespace {

constexpr double kDeg = M_PI / 180.0;
constexpr double kEarthM = 60.0 * 1852.0 / kDeg;   // 60 nm a degree

float cruise_heading, across_ft;
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
    msc.prd = 0.1f;   // a coarse fixed step keeps an hour of flight to seconds of work
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
    std::printf("%s %03.0f: %d shifts, worst minute %.4f %%, worst frame %.2f m\n", icao, hdg, leg.shifts,
                100 * leg.worst_sample, leg.worst_frame);
    leg.track = std::atan2(std::remainder(flt.lon - lon0, 360.0) * std::cos(0.5 * (lat0 + flt.lat) * kDeg), flt.lat - lat0) / kDeg;
    return leg;
}

}  // namespace

// An hour at cruise: within 0.2 % of speed times time every minute, no step at the shifts.
static void expect_hour_leg(const char* icao, float hdg)
{
    const Leg leg = cruise_leg(icao, hdg, 3600.0f);
    if (leg.dist_flown == 0) GTEST_SKIP() << "stock aircraft or navigation data not installed";
    EXPECT_GT(leg.shifts, 3);              // the region moved under the flight
    EXPECT_LT(leg.worst_sample, 0.002);
    EXPECT_LT(leg.worst_frame, 3.0);       // the steps at a shift were a kilometre
}

TEST(FlightEdges, AnHourEastboundAt34North) { expect_hour_leg("KLAX", 90.0f); }
TEST(FlightEdges, AnHourWestboundAt34North) { expect_hour_leg("KLAX", 270.0f); }
TEST(FlightEdges, AnHourEastboundAt78North) { expect_hour_leg("ENSB", 90.0f); }

TEST(FlightEdges, NorthboundTheTrackFlownIsTheHeadingHeld)
{
    // Away from the region's reference meridian the frame's north is not true north.
    const Leg leg = cruise_leg("KLAX", 0.0f, 1200.0f);
    if (leg.dist_flown == 0) GTEST_SKIP() << "stock aircraft or navigation data not installed";
    EXPECT_NEAR(leg.track, 0.0, 0.1);
}

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
        auto fly = [&](float seconds, void (*pilot)()) {
            for (double t = 0; t < seconds; t += msc.prd) {
                if (pilot) pilot();
                sim_frame();
                lat_lo = fminf(lat_lo, flt.lat), lat_hi = fmaxf(lat_hi, flt.lat);
                lon_lo = fminf(lon_lo, flt.lon), lon_hi = fmaxf(lon_hi, flt.lon);
            }
        };
        sim_power(1.0f);
        fly(60.0f, [] { pilot_hold_pitch(flt.vind > 110 ? 8.0f : 0.0f); });
        across_ft = 10000.0f + field * con.mtrstoft;
        sim_air_start(across_ft, 250.0f, c.across_hdg);
        sim_power(0.3f);
        fly(150.0f, [] { pilot_hold_height(across_ft); });   // wings level: over the pole south turns north
        EXPECT_GE(lat_lo, -90.0f);
        EXPECT_LE(lat_hi, 90.0f);
        EXPECT_GE(lon_lo, -180.0f);
        EXPECT_LE(lon_hi, 180.0f);
        EXPECT_LT(lon_lo, -179.0f);   // both ways across the line: over the pole, or west from Matei
        EXPECT_GT(lon_hi, 179.0f);
        EXPECT_LT(files_under(cache), 12);
        msc.typestart = 7;   // as the crash check restarts
        set_fltvars(8);
        EXPECT_GE(flt.Y, field);
        scenery_cache_set_dir("");
    }
}
