// The scenery generator: land and water, the elevation surface, seamless and repeatable
// tiles, generation on demand into the cache, and known geography from the real data.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "2-QZutils/qz_file.h"
#include "2-QZutils/qz_funct.h"
#include "2-QZutils/records.h"
#include "scenery_test_util.h"
#include "support/test_support.h"
#include "world/nav_db.h"
#include "world/region.h"
#include "world/scenery_cache.h"
#include "world/scenery_gen.h"

using namespace orv;

namespace {

constexpr int N = QUAD_PTS_LAT * QUAD_PTS_LON;

struct TileData {
    std::vector<float> elev = std::vector<float>(N);
    std::vector<int> flags = std::vector<int>(N);
    int land() const
    {
        int n = 0;
        for (int f : flags) n += (f == 0);
        return n;
    }
    float at(int i, int j) const { return elev[j * QUAD_PTS_LON + i]; }
};

TileData make(int lat, int lon)
{
    TileData t;
    EXPECT_TRUE(generate_tile(lat, lon, t.elev.data(), t.flags.data()));
    return t;
}

}  // namespace

TEST(SceneryGen_Island, LandRisesFromTheCoastAndMeetsItsFieldAcrossSeamlessTiles)
{
    const std::string dir = orv_test::temp_dir("island");
    // An island across the meridian -118 between two tiles; its field at (33.5, -118.0).
    ASSERT_FALSE(scenery_test::load_island(dir, -118.3f, -117.7f, 33.2f, 33.8f, 300.0f).empty());
    const TileData west = make(33, -119), east = make(33, -118);

    EXPECT_GT(west.land(), 0);
    EXPECT_GT(east.land(), 0);
    // Water outside the island is at sea level with its flag; the field's point is the field.
    EXPECT_EQ(west.at(10, 40), 0.0f);
    EXPECT_EQ(west.flags[40 * QUAD_PTS_LON + 10], ENV_FLAG_SEA);
    EXPECT_NEAR(east.at(0, 40), 300.0f, 0.5f);   // lat 33.506, lon -118: 0.006 degrees off
    // The edge the two tiles share is the same points.
    for (int j = 0; j < QUAD_PTS_LAT; j++) {
        ASSERT_EQ(west.at(QUAD_DI, j), east.at(0, j)) << "row " << j;
        ASSERT_EQ(west.flags[j * QUAD_PTS_LON + QUAD_DI], east.flags[j * QUAD_PTS_LON]);
    }
    // The land next to the water lies lower than inland at the same distance from the field.
    const float coast = east.at(17, 40);    // lon -117.712, last land point before the sea
    EXPECT_GT(coast, 0.0f);
    EXPECT_LT(coast, 0.5f * east.at(10, 40));

    // The same tile, the same bytes.
    const std::string a = dir + "/a.env", b = dir + "/b.env";
    ASSERT_TRUE(generate_env_file(33, -118, a.c_str()));
    ASSERT_TRUE(generate_env_file(33, -118, b.c_str()));
    EXPECT_EQ(orv_test::read_file(a), orv_test::read_file(b));
    scenery_source_unload();
}

TEST(SceneryGen_Cache, MissingQuadrantIsGeneratedIntoTheCacheUnlessGenerationIsOff)
{
    set_constants();
    const std::string root = orv_test::temp_dir("gencache");
    set_app_path(root.c_str());
    scenery_cache_set_dir((root + "/cache").c_str());
    ASSERT_FALSE(scenery_test::load_island(root, -118.3f, -117.7f, 33.2f, 33.8f, 300.0f).empty());
    env.aptmax = -1;
    env.navmax = -1;
    env.lat_sou = 33;
    env.lon_wes = -119;
    flt.Y = 0;

    region_set_generation(0);
    char path[PATH_LEN];
    int old_layout;
    EXPECT_EQ(find_env_file(33, -118, path, &old_layout), 0);

    region_set_generation(1);
    ASSERT_EQ(find_env_file(33, -118, path, &old_layout), 1);
    EXPECT_EQ(std::string(native_path(path)), root + "/cache/+30-120/+33-118.env");
    load_region();
    EXPECT_FALSE(on_water[59 + 10][40]);
    EXPECT_GT(planexyz[59 + 10][40][1], 100.0f);
    scenery_source_unload();
    scenery_cache_set_dir("");
}

TEST(SceneryGen_Earth, KnownGeographyComesOutRight)
{
    const std::string src = scenery_test::built_source();
    ORV_NEED_DATA(!src.empty(), "land and airport data");
    ASSERT_TRUE(scenery_source_load(src.c_str()));
    const TileData coast = make(33, -119), desert = make(34, -117), ocean = make(30, -140),
                   denver = make(39, -105);
    EXPECT_GT(coast.land(), 100);
    EXPECT_LT(coast.land(), N - 100);
    EXPECT_EQ(desert.land(), N);
    EXPECT_EQ(ocean.land(), 0);
    double sum = 0;
    for (float h : denver.elev) sum += h;
    EXPECT_GT(sum / N, 1500.0);
    EXPECT_EQ(scenery_is_land(39.86, -104.67), 1);   // Denver International
    EXPECT_EQ(scenery_is_land(36.0, -125.0), 0);     // off California
}
