// The scenery region: its frame, reading quadrants in both file forms from the search
// order, damaged files, runway flattening and environment-file objects.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "2-QZutils/qz_file.h"
#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/records.h"
#include "support/world_fixtures.h"
#include "world/env_write.h"
#include "world/nav_db.h"
#include "world/obstacles.h"
#include "world/region.h"
#include "world/scene_tables.h"

using namespace orv;

namespace {

constexpr double MPD = 60.0 * 1852.0;

// A program folder whose scenery comes only from the files a test puts there.
struct RegionFolder : orv_test::flat_region {
    std::string root;
    explicit RegionFolder(int lat_sou = 33, int lon_wes = -119)
    {
        seed_rand(7);
        root = orv_test::temp_dir("region");
        set_app_path(root.c_str());
        flt.Y = 0;
        env.lat_sou = lat_sou;
        env.lon_wes = lon_wes;
    }
    // Native path of a quadrant's file under `folder` in the ten-degree layout.
    std::string tile_path(const char* folder, int lat, int lon)
    {
        char name[64];
        return_latlon_str_ENV(lat, lon, name, 1);
        std::string n = name;
        const auto cut = n.find('\\');
        std::filesystem::create_directories(root + "/" + folder + "/" + n.substr(0, cut));
        return root + "/" + folder + "/" + n.substr(0, cut) + "/" + n.substr(cut + 1);
    }
};

struct Tile {
    std::vector<float> elev = std::vector<float>(QUAD_PTS_LAT * QUAD_PTS_LON, 0.0f);
    std::vector<int> flags = std::vector<int>(QUAD_PTS_LAT * QUAD_PTS_LON, 0);
    std::vector<env_object> objs;
    void write(const std::string& path, int lat, int lon) const
    {
        ASSERT_TRUE(write_env_file(path.c_str(), lat, lon, elev.data(), flags.data(), objs.data(),
                                   (int)objs.size()));
    }
};

// Text form of a quadrant, older layout: header, three skipped lines, one point per line.
std::string text_tile(int lat, int lon, float h, int checkpoint)
{
    std::string t = "I\n4 version\nskipped one\nskipped two\nskipped three\n";
    char line[160];
    for (int j = 0; j < QUAD_PTS_LAT; j++)
        for (int i = 0; i < QUAD_PTS_LON; i++) {
            std::snprintf(line, sizeof line, "%.6f %.6f %.1f 0 0 %d 0 0\n", lat + j / 79.0,
                          lon + i / 59.0, h, (i < 30) ? 1 : 0);
            t += line;
        }
    t += std::to_string(checkpoint) + "\n99\n";
    return t;
}

std::string old_layout_path(RegionFolder& f, int lat, int lon)
{
    char name[64];
    return_latlon_str_ENV(lat, lon, name, 0);
    std::string n = name;
    const auto cut = n.find('\\');
    std::filesystem::create_directories(f.root + "/DATA/" + n.substr(0, cut));
    return f.root + "/DATA/" + n.substr(0, cut) + "/" + n.substr(cut + 1);
}

}  // namespace

TEST(Region_Frame, FreshLoadStartsAtTheCornerAndKeepsPositionsExactly)
{
    RegionFolder f(33, -119);
    load_region();
    EXPECT_EQ(planexyz[0][0][0], 0.0f);
    EXPECT_EQ(planexyz[0][0][2], 0.0f);
    // North-east corner: three degrees east at 35 N, two degrees north.
    EXPECT_NEAR(planexyz[TER_I - 1][TER_J - 1][0], 3.0 * MPD * std::cos(35.0 * M_PI / 180.0), 0.5);
    EXPECT_NEAR(planexyz[TER_I - 1][TER_J - 1][2], -2.0 * MPD, 0.01);
    EXPECT_EQ(env.lox, 0.0f);
    EXPECT_EQ(env.hiz, 0.0f);
    EXPECT_NEAR(env.hix, 3.0 * MPD * std::cos(33.0 * M_PI / 180.0), 0.5);
    EXPECT_NEAR(con.mtrtonrt, 494.0 / (2.0 * MPD), 1e-9);

    // The stored form of a position in a freshly loaded region is the position itself.
    double sx, sz;
    region_stored_position(123456.789, -98765.4321, &sx, &sz);
    EXPECT_EQ(sx, 123456.789);
    EXPECT_EQ(sz, -98765.4321);
}

TEST(Region_Quadrant, MissingFileIsFlatWaterWithNoTreesOrCities)
{
    RegionFolder f;
    load_region();
    int land = 0, trees = 0, cities = 0;
    for (int i = 0; i < TER_I - 1; i++)
        for (int j = 0; j < TER_J - 1; j++) {
            land += !on_water[i][j];
            trees += tree_on_poly[i][j];
            cities += city_on_poly[i][j];
            ASSERT_EQ(planexyz[i][j][1], 0.0f);
        }
    EXPECT_EQ(land + trees + cities, 0);
}

TEST(Region_Quadrant, SearchOrderPrefersNavDataOverDistributionFolderAndReadsBothVersions)
{
    RegionFolder f;
    Tile nav_tile, data_tile;
    for (float& h : nav_tile.elev) h = 250.0f;
    for (float& h : data_tile.elev) h = 900.0f;
    nav_tile.write(f.tile_path("additional nav data", 34, -118), 34, -118);   // slot 4
    data_tile.write(f.tile_path("DATA", 34, -118), 34, -118);
    data_tile.write(f.tile_path("DATA", 33, -117), 33, -117);                 // slot 2
    // Version 3 files are read alike: patch the version field of slot 2's file.
    {
        std::string p = f.tile_path("DATA", 33, -117);
        std::string bytes = orv_test::read_file(p);
        bytes[1] = 3;
        orv_test::write_file(p, bytes);
    }
    load_region();
    EXPECT_EQ(planexyz[59 + 30][79 + 40][1], 250.0f);   // inside slot 4
    EXPECT_EQ(planexyz[118 + 30][40][1], 900.0f);       // inside slot 2
    EXPECT_EQ(planexyz[30][40][1], 0.0f);               // slot 0: no file
    EXPECT_FALSE(on_water[59 + 30][79 + 40]);
    EXPECT_TRUE(on_water[30][40]);
}

TEST(Region_Quadrant, DamagedFilesAreReportedAndLoadingGoesOn)
{
    RegionFolder f;
    // Slot 0: one point far outside its quadrant; the rest of the file still counts.
    Tile stray;
    for (float& h : stray.elev) h = 40.0f;
    stray.write(f.tile_path("additional nav data", 33, -119), 33, -119);
    {
        std::string p = f.tile_path("additional nav data", 33, -119);
        std::string bytes = orv_test::read_file(p);
        const float far_lat = 40.0f;
        std::memcpy(&bytes[5 + 16 * 100], &far_lat, 4);
        orv_test::write_file(p, bytes);
    }
    // Slot 1: a binary file cut short.
    Tile cut;
    for (float& h : cut.elev) h = 70.0f;
    cut.write(f.tile_path("additional nav data", 33, -118), 33, -118);
    {
        std::string p = f.tile_path("additional nav data", 33, -118);
        std::string bytes = orv_test::read_file(p);
        orv_test::write_file(p, bytes.substr(0, bytes.size() / 2));
    }
    // Slot 2: a text file of the older layout whose checkpoint is not 1.
    orv_test::write_file(old_layout_path(f, 33, -117), text_tile(33, -117, 15.0f, 7));

    std::vector<std::string> seen;
    const int before = mnw_alert_count();
    for (int q = 0; q < 3; q++) {
        const int n = mnw_alert_count();
        read_quadrant(33, -119 + q, q);
        for (int k = n; k < mnw_alert_count(); k++) seen.push_back(mnw_last_alert_line(0));
    }
    EXPECT_GE(mnw_alert_count() - before, 3);
    EXPECT_NE(std::find(seen.begin(), seen.end(), "Damaged environment file!"), seen.end());
    EXPECT_NE(std::find(seen.begin(), seen.end(), "Env file checkpoint busted!"), seen.end());
    EXPECT_EQ(planexyz[30][40][1], 40.0f);     // the stray file's other points were kept
    EXPECT_EQ(planexyz[100 % 60][100 / 60][1], 0.0f);   // the stray point: sea level
    EXPECT_EQ(planexyz[59 + 30][40][1], 0.0f);  // the truncated file: water
    EXPECT_TRUE(on_water[59 + 30][40]);
    EXPECT_EQ(planexyz[118 + 40][40][1], 15.0f);   // the text file's points were read
    EXPECT_TRUE(on_water[118 + 10][40]);          // its second flag marks water
    EXPECT_FALSE(on_water[118 + 40][40]);
}

TEST(Region_Quadrant, AirportJustOutsideFlattensNearbyCellsAndObjectsArePlaced)
{
    RegionFolder f;
    // The airport's first runway lies at 33.95 N, 0.05 degrees south of the quadrant at
    // 34 N; its second, east-west, lies just inside at 34.01 N.
    env.aptmax = 0;
    std::memset(apt_len, 0, sizeof apt_len);
    apt_lat[0][0] = 33.95f;
    apt_lon[0][0] = -117.5f;
    apt_hdng[0][0] = 0;
    apt_len[0][0] = 1000;
    apt_width[0][0] = 30;
    apt_lat[0][1] = 34.01f;
    apt_lon[0][1] = -117.5f;
    apt_hdng[0][1] = 90;
    apt_len[0][1] = 3000;
    apt_width[0][1] = 60;
    apt_h[0] = 321.0f;
    Tile hills;
    for (float& h : hills.elev) h = 500.0f;
    env_object low = {2, 34.5f, -117.5f, 200.0f, ""}, tall = {2, 34.6f, -117.4f, 500.0f, ""};
    env_object west_edge = {2, 34.5f, -117.999f, 200.0f, ""};   // its town would reach quadrant 3
    hills.objs = {low, tall, west_edge};
    std::memset(city_on_poly, 0, sizeof city_on_poly);
    hills.write(f.tile_path("additional nav data", 34, -118), 34, -118);
    read_quadrant(34, -118, 4);   // slot 4: 34..35 N, 118..117 W

    // The flat band runs from 30 m north to 270 m south of the second runway: it lies in the
    // quadrant's first cell row (1.4 km tall) near -117.5 and nowhere else.
    const int i_mid = 59 + 29;
    EXPECT_FLOAT_EQ(planexyz[i_mid][79][1], 321.0f - 0.2f);
    EXPECT_FALSE(tree_on_poly[i_mid][79]);
    EXPECT_EQ(planexyz[59 + 5][79 + 1][1], 500.0f);
    EXPECT_EQ(planexyz[i_mid][79 + 2][1], 500.0f);
    EXPECT_TRUE(tree_on_poly[59 + 5][79 + 1]);

    EXPECT_EQ(obj_type[OBJ_ENV_FIRST], OBJ_BLOCK);
    EXPECT_GE(obj_type[OBJ_ENV_FIRST + 1], OBJ_TALL_FIRST);
    EXPECT_LE(obj_type[OBJ_ENV_FIRST + 1], OBJ_TALL_LAST);
    EXPECT_NEAR(obj_xyz[OBJ_ENV_FIRST][0][3][1], 500.0f + 200.0f * 0.3048f, 0.01f);   // roof height
    // City lights only where this quadrant placed their points.
    for (int j = 0; j < TER_J; j++) EXPECT_EQ(city_on_poly[58][j], 0) << j;
}

TEST(Region_Ships, EachSeaQuadrantCarriesOneOfEachShipAndLandNone)
{
    RegionFolder f(33, -119);
    Tile land;
    for (float& e : land.elev) e = 100.0f;
    land.write(f.tile_path("additional nav data", 33, -118), 33, -118);   // slot 1
    load_region();
    int carriers = 0, frigates = 0, rigs = 0, on_land = 0;
    for (int i = 0; i < TER_I; i++)
        for (int j = 0; j < TER_J; j++) {
            carriers += carr_on_poly[i][j];
            frigates += frig_on_poly[i][j];
            rigs += oilr_on_poly[i][j];
            if (i >= QUAD_DI && i < 2 * QUAD_DI && j < QUAD_DJ)
                on_land += carr_on_poly[i][j] + frig_on_poly[i][j] + oilr_on_poly[i][j];
        }
    EXPECT_EQ(carriers, 5);
    EXPECT_EQ(frigates, 5);
    EXPECT_EQ(rigs, 5);
    EXPECT_EQ(on_land, 0);
    // Open sea all round: the carrier in the quadrant's middle cell, the others apart from it.
    EXPECT_EQ(carr_on_poly[QUAD_DI / 2][QUAD_DJ / 2], 1);
    EXPECT_EQ(frig_on_poly[QUAD_DI / 4][QUAD_DJ / 4], 1);
    EXPECT_EQ(oilr_on_poly[3 * QUAD_DI / 4][3 * QUAD_DJ / 4], 1);
}
