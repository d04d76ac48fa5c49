// Moving the region: the mesh moves by a quadrant, comes back exactly, keeps its frame
// seamless, and the stored form of a position stays the fresh-load position.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "2-QZutils/qz_file.h"
#include "2-QZutils/qz_funct.h"
#include "2-QZutils/records.h"
#include "scenery_test_util.h"
#include "support/test_support.h"
#include "world/nav_db.h"
#include "world/obstacles.h"
#include "world/region.h"
#include "world/region_shift.h"
#include "world/scenery_cache.h"
#include "world/scenery_gen.h"
#include "world/weather_gen.h"

using namespace orv;

namespace {

struct ShiftFixture : ::testing::Test {
    std::string root;
    void SetUp() override
    {
        set_constants();
        init_trig_tables();
        seed_rand(3);
        root = orv_test::temp_dir("shift");
        set_app_path(root.c_str());
        scenery_cache_set_dir((root + "/cache").c_str());
        region_set_generation(1);
        // Land across the region's middle meridian so every quadrant has something to keep.
        ASSERT_FALSE(scenery_test::load_island(root, -118.9f, -116.2f, 33.3f, 34.7f, 420.0f).empty());
        env.aptmax = -1;
        env.navmax = -1;
        flt.Y = 0;
        env.lat_sou = 33;
        env.lon_wes = -119;
        load_region();
    }
    void TearDown() override
    {
        scenery_source_unload();
        scenery_cache_set_dir("");
    }
};

}  // namespace

TEST_F(ShiftFixture, WestThenEastRebuildsTheSameMeshAndColumnZeroMovesToFiftyNine)
{
    static float before[TER_I][TER_J][3];
    static int water_before[TER_I][TER_J];
    std::memcpy(before, planexyz, sizeof before);
    std::memcpy(water_before, on_water, sizeof water_before);
    const float wx_kept = atm.wxr[100][100];

    scenery_test::shift(REGION_WEST);
    EXPECT_EQ(env.lon_wes, -120);
    for (int j = 0; j < TER_J; j++)
        for (int k = 0; k < 3; k++) ASSERT_EQ(planexyz[QUAD_DI][j][k], before[0][j][k]) << j;
    EXPECT_EQ(atm.wxr[100 + WXR_PER_DEG][100], wx_kept);
    // The new western quadrants meet the old mesh without a seam.
    EXPECT_LT(planexyz[0][40][0], planexyz[QUAD_DI][40][0]);

    scenery_test::shift(REGION_EAST);
    EXPECT_EQ(std::memcmp(before, planexyz, sizeof before), 0);
    EXPECT_EQ(std::memcmp(water_before, on_water, sizeof water_before), 0);
}

TEST_F(ShiftFixture, NorthShiftMovesTheCornerADegreeAndStoredPositionsMatchAFreshLoad)
{
    // A spot in the north-east quadrant, in the frame of the first load.
    const float lat = 34.62f, lon = -116.37f;
    scenery_test::shift(REGION_EAST);
    scenery_test::shift(REGION_NORTH);
    EXPECT_EQ(env.lat_sou, 34);
    EXPECT_DOUBLE_EQ(region_corner_z(), -region_metres_per_degree());
    EXPECT_FLOAT_EQ(env.hiz, (float)-region_metres_per_degree());
    const double x = region_x_latlon(lat, lon), z = region_z(lat);
    double sx, sz;
    region_stored_position(x, z, &sx, &sz);

    // Loading the same corner afresh and placing the aircraft at the stored numbers puts it
    // on the same spot, to the float the situation file keeps (a step of 1/64 m out here).
    load_region();
    EXPECT_NEAR(sx, region_x_latlon(lat, lon), 1.0 / 64);
    EXPECT_NEAR(sz, region_z(lat), 1e-9);
    EXPECT_GT(std::fabs(x - sx), 1000.0);   // the moved frame did differ
}

TEST_F(ShiftFixture, ObjectsThatFallOffTheRegionAreCleared)
{
    int oi, oj;
    // One obstacle in the westernmost quadrant column, one in the middle.
    make_an_obs((float)region_x_latlon(33.5f, -118.5f), (float)region_z(33.5f), 50.0f, "", OBJ_BLOCK,
                OBJ_ENV_FIRST + 10, &oi, &oj);
    make_an_obs((float)region_x_latlon(33.5f, -117.5f), (float)region_z(33.5f), 50.0f, "", OBJ_BLOCK,
                OBJ_ENV_FIRST + 11, &oi, &oj);
    drop_old_quadrants(REGION_EAST);
    EXPECT_EQ(obj_type[OBJ_ENV_FIRST + 10], OBJ_NONE);
    EXPECT_EQ(obj_type[OBJ_ENV_FIRST + 11], OBJ_BLOCK);
}

TEST(Region_Earth, GroundUnderKsbdRunwayIsTheFieldAndFlat)
{
    const std::string src = scenery_test::built_source();
    const std::string nav = std::string(ORV_BINARY_DIR) + "/additional nav data/apt_dat";
    ORV_NEED_DATA(!src.empty() && std::ifstream(nav), "scenery and navigation data");
    set_constants();
    init_trig_tables();
    set_app_path(ORV_BINARY_DIR);
    const std::string cache = orv_test::temp_dir("ksbd");
    scenery_cache_set_dir(cache.c_str());
    region_set_generation(1);
    init_country_data();
    int a = -1;
    for (int k = 0; k <= env.aptmax; k++)
        if (!std::strncmp(apt_id[k], "KSBD", 4)) a = k;
    ASSERT_GE(a, 0);
    env.lat_sou = round(apt_lat[a][0] - 1.0f);
    env.lon_wes = round(apt_lon[a][0] - 1.5f);
    flt.Y = 0;
    load_region();

    const double h = apt_hdng[a][0] * M_PI / 180.0;
    const float cx = (float)region_x_latlon(apt_lat[a][0], apt_lon[a][0]);
    const float cz = (float)region_z(apt_lat[a][0]);
    float lo = 1e9f, hi = -1e9f;
    for (int k = -8; k <= 8; k++) {
        const float along = k * 0.05f * apt_len[a][0];
        int i, j;
        const float y = find_local_h(cx + (float)std::sin(h) * along, cz - (float)std::cos(h) * along, &i, &j, 0);
        lo = std::fmin(lo, y);
        hi = std::fmax(hi, y);
    }
    EXPECT_NEAR(lo, apt_h[a], 5.0f);
    EXPECT_NEAR(hi, apt_h[a], 5.0f);
    EXPECT_LT(hi - lo, 0.01f);
    scenery_source_unload();
    scenery_cache_set_dir("");
}

// The ground lookup finds the cell from the point; the ring search over the cells is the
// reference. They must agree to the bit (height, cell) everywhere: inside, along the curved
// meridians that bound a moved region, on cell sides and diagonals, and off the mesh.
TEST_F(ShiftFixture, DirectGroundLookupAgreesWithTheFullSearch)
{
    scenery_test::shift(REGION_WEST);    // the western border now curves with the latitude
    scenery_test::shift(REGION_NORTH);
    for (int i = 0; i < TER_I; i++)      // hills, so each triangle has a plane of its own
        for (int j = 0; j < TER_J; j++) planexyz[i][j][1] += 300.0f * std::sin(i * 0.7f) * std::cos(j * 1.3f);
    finish_region_terrain();
    ASSERT_LT(planexyz[0][0][0], planexyz[0][TER_J - 1][0] - 100.0f);   // the west edge is curved

    std::mt19937 rng(11);
    std::uniform_real_distribution<float> ux(env.lox - 3000.0f, env.hix + 3000.0f);
    std::uniform_real_distribution<float> uz(env.loz - 3000.0f, env.hiz + 3000.0f);
    std::uniform_real_distribution<float> near(-3.0f, 3.0f), frac(0.0f, 1.0f);
    std::uniform_int_distribution<int> ci(0, TER_I - 1), cj(0, TER_J - 1);
    int mismatches = 0;
    auto check = [&](float x, float z) {
        int i1, j1, i2, j2;
        const float a = find_local_h(x, z, &i1, &j1, 0);
        const float b = find_local_h_searched(x, z, &i2, &j2, 0);
        if (a != b || i1 != i2 || j1 != j2) {
            if (++mismatches <= 5) ADD_FAILURE() << x << "," << z << ": " << a << " at " << i1 << "," << j1 << " against " << b << " at " << i2 << "," << j2;
        }
    };
    for (int n = 0; n < 20000; n++) {
        check(ux(rng), uz(rng));   // anywhere, off the mesh included
        // Within a few metres of a mesh point (sides, corners, the outer border) and on a
        // cell's diagonal, where neighbouring triangles both hold the point.
        const int i = ci(rng), j = cj(rng);
        check(planexyz[i][j][0] + near(rng), planexyz[i][j][2] + near(rng));
        if (i < TER_I - 1 && j < TER_J - 1) {
            const float f = frac(rng), *p = planexyz[i][j], *q = planexyz[i + 1][j + 1];
            check(p[0] + f * (q[0] - p[0]) + 0.2f * near(rng), p[2] + f * (q[2] - p[2]) + 0.2f * near(rng));
        }
    }
    EXPECT_EQ(mismatches, 0);
}

// After a load the worker makes the quadrants any next shift brings, the same bytes as a tile
// made in place; a tile needed while still queued is made at once by the one who needs it.
TEST_F(ShiftFixture, NextShiftsQuadrantsAreMadeAheadAsTheyWouldBeInPlace)
{
    scenery_cache_ahead_settle();
    auto cached = [&](int lat, int lon) {
        char name[64];
        return_latlon_str_ENV(lat, lon, name, 1);
        std::string n = name;
        n[n.find('\\')] = '/';
        return root + "/cache/" + n;
    };
    auto bytes = [](const std::string& path) {
        std::ifstream f(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(f), {});
    };
    const int ring[10][2] = {{35, -119}, {35, -118}, {35, -117}, {32, -119}, {32, -118},
                             {32, -117}, {33, -120}, {34, -120}, {33, -116}, {34, -116}};
    for (const auto& q : ring) EXPECT_TRUE(std::ifstream(cached(q[0], q[1])).good()) << q[0] << " " << q[1];
    const std::string here = root + "/in_place.env";
    ASSERT_TRUE(generate_env_file(35, -118, here.c_str()));
    EXPECT_EQ(bytes(here), bytes(cached(35, -118)));

    // A far corner queued behind others, then needed now.
    for (int lon = 10; lon < 16; lon++) scenery_cache_ahead(50, lon);
    char path[PATH_LEN];
    ASSERT_TRUE(scenery_cache_tile(50, 15, path, sizeof path));
    EXPECT_TRUE(std::ifstream(cached(50, 15)).good());
    scenery_cache_ahead_drop();
}
