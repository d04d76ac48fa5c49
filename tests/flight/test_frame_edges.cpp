// The region frame at its edges: the aircraft's latitude and longitude through region shifts,
// across the antimeridian and over a pole.
#include <gtest/gtest.h>

#include <cmath>

#include "2-QZutils/qz_funct.h"
#include "2-QZutils/records.h"
#include "2-QZutils/records_reset.h"
#include "flight/funct.h"
#include "flight/integ.h"
#include "world/nav_db.h"
#include "world/region.h"
#include "world/region_shift.h"
#include "support/world_fixtures.h"

using namespace orv;

namespace {

struct FrameEdges : ::testing::Test {
    orv_test::flat_region region;   // open water: the frame is on trial, not the scenery
    void SetUp() override
    {
        clear_records();   // level, at rest, no forces
        region.begin();
    }
    void load(int lat_sou, int lon_wes) { region.load(lat_sou, lon_wes); }
    void at(float lat, float lon)
    {
        flt.X = X_with_latlon(lat, lon);
        flt.Z = Z_with_lat(lat);
        set_latlon_from_xz();
    }
};

}  // namespace

TEST_F(FrameEdges, ShiftsLeaveTheAircraftWhereItIs)
{
    // Near the region's northern edge, where the western meridian of a moved region curves
    // furthest from the first mesh column.
    load(33, -119);
    at(34.9f, -116.94f);
    for (int type : {REGION_EAST, REGION_EAST, REGION_NORTH, REGION_WEST}) {
        const float lat = flt.lat, lon = flt.lon;
        shift_region(type);
        set_latlon_from_xz();
        EXPECT_NEAR(flt.lat, lat, 1e-5f) << type;
        EXPECT_NEAR(flt.lon, lon, 1e-5f) << type;
    }
}

TEST_F(FrameEdges, AnAircraftFarFromItsRegionGetsOneRoundIt)
{
    load(33, -119);
    at(34.5f, -117.5f);
    flt.lon = -100.25f;   // as after a pole: the region is a world away from the aircraft
    shift_region(REGION_RELOAD);
    EXPECT_EQ(env.lat_sou, 34);
    EXPECT_EQ(env.lon_wes, -102);
    set_latlon_from_xz();
    EXPECT_NEAR(flt.lat, 34.5f, 1e-5f);
    EXPECT_NEAR(flt.lon, -100.25f, 1e-5f);
}

TEST_F(FrameEdges, TheAntimeridianIsCrossedNotJumped)
{
    load(-18, 179);   // quadrants 179, 180 and 181 east: the last two are -180 and -179
    at(-16.7f, -179.88f);
    EXPECT_NEAR(flt.lon, -179.88f, 1e-4f);
    // Twenty kilometres west is 0.188 degrees, across the line, not a world away.
    const double x0 = flt.X;
    flt.X = x0 - 20000.0;
    set_latlon_from_xz();
    EXPECT_NEAR(flt.lon, 179.932f, 2e-3f);
    // The region keeps the places across the line, and steps its corner round it.
    apt_lat[0][0] = -16.69f;
    apt_lon[0][0] = -179.88f;
    env.aptmax = 0;
    set_region_flags();
    EXPECT_TRUE(apt_inreg[0]);
    flt.X = x0;
    set_latlon_from_xz();
    shift_region(REGION_EAST);
    EXPECT_EQ(env.lon_wes, -180);
    set_latlon_from_xz();
    EXPECT_NEAR(flt.lon, -179.88f, 1e-4f);
}

TEST_F(FrameEdges, OverThePoleTheAircraftComesBackOnTheFarMeridianHeadedTheOtherWay)
{
    load(-91, -150);   // the corner is held where two rows fit between the poles
    EXPECT_EQ(env.lat_sou, -90);
    at(-89.99f, -149.0f);
    flt.costhe = flt.cosphi = 1;
    flt.vZ = 100;   // due south at 100 m/s, for 30 s: about 1.8 km past the pole
    flt.psi = 180;
    msc.prd = 0.05f;
    for (int k = 0; k < 600; k++) integ_vx();
    EXPECT_NEAR(flt.lat, -90.0f + (3000.0f - 1111.0f) / 111120.0f, 2e-3f);
    // The meridians meet at the pole, so a few metres there is a degree or two of longitude.
    EXPECT_NEAR(std::remainder(flt.lon - (-149.0f + 180.0f), 360.0), 0.0, 2.0);
    EXPECT_NEAR(std::remainder(flt.psi, 360.0f), 0.0f, 0.5f);
}
