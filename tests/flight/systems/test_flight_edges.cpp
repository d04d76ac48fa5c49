// Long flights: the logged position against speed times time across region shifts, and
// heading against the track flown (the antimeridian and the pole: test_flight_poles.cpp).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "2-QZutils/qz_funct.h"
#include "2-QZutils/records.h"
#include "flight/flight_sim.h"
#include "flight/flt_init.h"
#include "support/test_support.h"
#include "world/nav_db.h"
#include "world/region.h"

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
