// Generated airports: runway slots, crossing runways, sheds, windsocks and light sets.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "2-QZutils/qz_funct.h"
#include "2-QZutils/records.h"
#include "world/apt_gen.h"
#include "world/nav_db.h"
#include "world/obstacles.h"
#include "world/region.h"
#include "support/world_fixtures.h"

using namespace orv;

namespace {

// A flat region at (-1, -119) with airport 0 at (0, -117.5); runways set by each test. On the
// equator the frame's north is true north, so headings are frame directions.
struct AptFixture : ::testing::Test {
    orv_test::flat_region region;
    void SetUp() override
    {
        region.load(-1, -119);
        std::memset(apt_len, 0, sizeof apt_len);
        env.aptmax = 0;
        apt_h[0] = 100.0f;
        apt_twr[0] = 1;
    }
    void runway(int r, float lat, float lon, int hdng, int len, int width, int lite)
    {
        apt_lat[0][r] = lat;
        apt_lon[0][r] = lon;
        apt_hdng[0][r] = hdng;
        apt_len[0][r] = len;
        apt_width[0][r] = width;
        apt_lite[0][r] = lite;
    }
    // Distance of building o's middle (its roof's) to the right of runway r's centre line.
    float side_offset(int o, int r)
    {
        const double h = apt_hdng[0][r] * M_PI / 180.0;
        const float mx = 0.5f * (obj_xyz[o][4][0][0] + obj_xyz[o][4][2][0]);
        const float mz = 0.5f * (obj_xyz[o][4][0][2] + obj_xyz[o][4][2][2]);
        const float dx = mx - (float)region_x_latlon(apt_lat[0][r], apt_lon[0][r]);
        const float dz = mz - (float)region_z(apt_lat[0][r]);
        return (float)(dx * std::cos(h) + dz * std::sin(h));
    }
    int count(int r, int kind)
    {
        int n = 0;
        for (int k = 0; k < rwy_lgt_n[0][r]; k++) n += rwy_lgt_kind[0][r][k] == kind;
        return n;
    }
};

float quad_length(int r, int m)
{
    const float* a = scn.markxyz[0][r][m][0];
    const float* d = scn.markxyz[0][r][m][3];
    return std::hypot(d[0] - a[0], d[2] - a[2]);
}

}  // namespace

TEST_F(AptFixture, EmptyMiddleSlotIsSkippedAndShedsStandBesideTheLongestRunway)
{
    // The list entry served an airport with three runways before.
    for (int r = 0; r < 3; r++) runway(r, 0.01f * r, -117.5f, 90, 3000, 45, 1555555);
    build_apt(0, 0);
    ASSERT_TRUE(runway_built(0, 1));
    ASSERT_TRUE(env.tway[0][1]);
    runway(0, 0.0f, -117.5f, 90, 1000, 10, 1111111);
    runway(1, 0.01f, -117.5f, 90, 1, 45, 1555555);       // length 1: an empty slot
    runway(2, 0.02f, -117.5f, 0, 2500, 100, 1111111);   // the longest: 100 m wide
    build_apt(0, 0);
    EXPECT_EQ(env.rwaymax[0], 2);
    EXPECT_FALSE(runway_built(0, 1));
    EXPECT_EQ(first_runway(0), 0);
    EXPECT_EQ(rwy_lgt_n[0][1], 0);
    EXPECT_EQ(env.tway[0][1], 0);
    EXPECT_EQ(scn.sockinit[0][1][0] + scn.sockinit[0][1][1], 0);
    EXPECT_EQ(scn.rwayxyz[0][1][2][0], 0.0f);   // no phantom outline left behind
    EXPECT_EQ(scn.markxyz[0][1][5][2][2], 0.0f);
    for (int k = 0; k < 4; k++) EXPECT_EQ(obj_type[k], OBJ_SHED) << k;
    EXPECT_EQ(obj_type[4], OBJ_CONTROL_TOWER);
    // The first shed is 4.2 widths (420 m) beside the runway.
    EXPECT_NEAR(side_offset(0, 2), 420.0f, 0.5f);

    std::memset(apt_len, 0, sizeof apt_len);
    runway(0, 0.0f, -117.5f, 90, 1000, 10, 1111111);   // 10 m wide: at least 80 m
    build_apt(0, 0);
    EXPECT_NEAR(side_offset(0, 0), 80.0f, 0.5f);
}

TEST_F(AptFixture, CrossingRunwaysKeepTheirTaxiwaysOffEachOtherAndLoseSocksOnThem)
{
    // An east-west runway, and a north-south one whose first end (1350 m south of its middle)
    // lies just past runway 0 near its eastern end.
    runway(0, 0.0f, -117.5f, 90, 3000, 45, 1000000 + 255255);
    runway(1, 0.0f + 1350.0f / 111120.0f, -117.5f + 0.0125f, 0, 3000, 45, 1000000 + 255255);
    build_apt(0, 0);
    ASSERT_TRUE(env.tway[0][0]);
    // Runway 1 runs north through x of its centre; runway 0's taxiway (2..2.5 widths south of
    // it) crosses it, so what remains of that taxiway lies wholly on one side.
    const float x1 = (float)region_x_latlon(apt_lat[0][1], apt_lon[0][1]);
    const float* q = scn.markxyz[0][0][1][0];
    const float* q3 = scn.markxyz[0][0][1][3];
    EXPECT_TRUE((q[0] < x1 - 22.5f && q3[0] < x1 - 22.5f) || (q[0] > x1 + 22.5f && q3[0] > x1 + 22.5f));
    EXPECT_LT(quad_length(0, 1), 3000.0f);
    EXPECT_GT(quad_length(0, 1), 1400.0f);
    // Runway 1's southern windsock (west of its first end) stands on runway 0: it goes.
    EXPECT_EQ(scn.sockinit[0][1][0], 0);
    EXPECT_EQ(scn.sockinit[0][1][1], 1);
    EXPECT_EQ(scn.sockinit[0][0][0], 1);
    EXPECT_EQ(scn.sockinit[0][0][1], 1);
    // 25 m beyond the runway's edge still counts as on it; 30 m does not.
    const float cz = (float)region_z(apt_lat[0][1]);
    EXPECT_EQ(in_runway(0, x1 + 22.5f + 24.0f, cz - 500.0f, 1), 1);
    EXPECT_EQ(in_runway(0, x1 + 22.5f + 30.0f, cz - 500.0f, 1), 0);
    EXPECT_EQ(in_runway(0, x1 + 22.5f + 30.0f, cz - 500.0f, -1), 0);
}

// The connectors run from the runway's edge to its taxiway: whatever the heading, nothing of
// them lies on their own runway to be cleared.
TEST_F(AptFixture, ConnectorsKeepTheirFullLengthAtEveryHeading)
{
    for (int hdg = 0; hdg < 360; hdg++) {
        runway(0, 0.0f, -117.5f, hdg, 2000, 45, 1111111);
        build_apt(0, 0);
        ASSERT_NEAR(quad_length(0, 2), 0.03f * 2000.0f, 0.5f) << hdg;
        ASSERT_NEAR(quad_length(0, 3), 0.02f * 2000.0f, 0.5f) << hdg;
        ASSERT_NEAR(quad_length(0, 4), 0.03f * 2000.0f, 0.5f) << hdg;
    }
}

TEST_F(AptFixture, LightingCodeChoosesTheLightSets)
{
    // Concrete; first end: four-light glide slope, full runway lights, longest approach;
    // far end: two-bar glide slope, edge lights only, no approach lights.
    runway(0, 0.0f, -117.5f, 90, 3000, 45, 1000000 + 356 * 1000 + 221);
    build_apt(0, 0);
    EXPECT_EQ(env.rwy_typ[0][0], 73);
    EXPECT_EQ(count(0, LGT_GLIDE), 4 + 4);
    EXPECT_GT(count(0, LGT_TDZ), 0);
    EXPECT_GT(count(0, LGT_CENTRE), 0);
    EXPECT_EQ(count(0, LGT_REIL), 2);       // only the first end has identifier lights
    EXPECT_EQ(count(0, LGT_FLASHER), 20);   // 900 m of approach beyond the 300 m crossbar
    int gls_angles = 0;
    for (int k = 0; k < rwy_lgt_n[0][0]; k++)
        if (rwy_lgt_kind[0][0][k] == LGT_GLIDE && rwy_lgt_end[0][0][k] == 0) gls_angles += rwy_lgt_arg[0][0][k];
    EXPECT_EQ(gls_angles, 26 + 29 + 31 + 34);

    // An unlit grass strip has no lights and a grass surface.
    std::memset(apt_len, 0, sizeof apt_len);
    runway(0, 0.0f, -117.5f, 90, 600, 20, 3000000 + 111111);
    build_apt(0, 0);
    EXPECT_EQ(env.rwy_typ[0][0], 75);
    EXPECT_EQ(rwy_lgt_n[0][0], 0);
    EXPECT_FALSE(env.tway[0][0]);
}
