// The painted artwork: the same on every run, written as the files the build installs, and
// recognisable for what it shows.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "art_set.h"
#include "support/test_support.h"

namespace {

struct mean { float r, g, b; };
mean average(const art::canvas& c, int x0, int y0, int w, int h)
{
    double r = 0, g = 0, b = 0;
    for (int y = y0; y < y0 + h; y++)
        for (int x = x0; x < x0 + w; x++) {
            art::rgb p = c.get(x, y);
            r += p.r; g += p.g; b += p.b;
        }
    const double n = (double)w * h;
    return {(float)(r / n), (float)(g / n), (float)(b / n)};
}

class Artwork : public ::testing::Test {
protected:
    static std::map<std::string, art::asset>* all;
    static void SetUpTestSuite()
    {
        all = new std::map<std::string, art::asset>;
        for (art::asset& a : art::make_all()) (*all)[a.folder + "/" + a.name] = a;
    }
    static void TearDownTestSuite() { delete all; }
    const art::canvas& img(const std::string& key) { return all->at(key).image; }
};
std::map<std::string, art::asset>* Artwork::all;

TEST_F(Artwork, BuildWroteExactlyThesePictures)
{
    int checked = 0;
    for (const auto& [key, a] : *all) {
        const std::string path = std::string(ORV_BINARY_DIR) + "/" + key + ".BMP";
        const std::string file = orv_test::read_file(path);
        ASSERT_FALSE(file.empty()) << path;
        const int stride = (a.image.w * 3 + 3) & ~3;
        ASSERT_EQ(file.size(), 54u + (size_t)stride * a.image.h) << key;
        // One pixel a row, its blue, green, red bytes as painted now.
        for (int y = 0; y < a.image.h; y += 7) {
            int x = (y * 13) % a.image.w;
            art::rgb p = a.image.get(x, y);
            const unsigned char* q = reinterpret_cast<const unsigned char*>(file.data()) + 54 + y * stride + 3 * x;
            ASSERT_EQ(q[0], p.b) << key << " " << x << "," << y;
            ASSERT_EQ(q[2], p.r) << key;
        }
        checked++;
    }
    EXPECT_GT(checked, 130);
}

TEST_F(Artwork, TerrainLooksLikeGrassWaterSnowAndSand)
{
    mean grass = average(img("textures/grs"), 0, 0, 256, 256);
    EXPECT_GT(grass.g, grass.r + 20);
    EXPECT_GT(grass.g, grass.b + 40);
    mean water = average(img("textures/wat"), 0, 0, 256, 256);
    EXPECT_GT(water.b, water.r + 50);
    mean snow = average(img("textures/sno"), 0, 0, 256, 256);
    EXPECT_GT(snow.r, 200);
    // A half-and-half shoreline: grass on the left, water on the right.
    mean left = average(img("textures/grs_wat_h"), 0, 0, 60, 256), right = average(img("textures/grs_wat_h"), 196, 0, 60, 256);
    EXPECT_GT(left.g, left.b);
    EXPECT_GT(right.b, right.g);
    for (const char* n : {"grs", "wat", "mnt", "sno_car_h"}) {
        EXPECT_EQ(img(std::string("textures/") + n).w, img(std::string("textures/") + n).h) << n;   // terrain is square
    }
}

TEST_F(Artwork, RunwayNumbersAndTheAirspeedDialCarryTheirMarkings)
{
    // The digit's white strokes against the dark asphalt: a 7 has its top bar across.
    const art::canvas& seven = img("textures/rway_7R");
    mean bar = average(seven, 14, 88, 36, 6), ground = average(seven, 0, 0, 8, 8);
    EXPECT_GT(bar.r, 200);
    EXPECT_LT(ground.r, 100);
    // The airspeed face: a green arc, a yellow arc and a red line, round a black dial.
    const art::canvas& asi = img("bitmaps/Vantorel/pict_asi");
    int green = 0, yellow = 0, red = 0;
    for (int y = 0; y < asi.h; y++)
        for (int x = 0; x < asi.w; x++) {
            art::rgb p = asi.get(x, y);
            green += p.g > 140 && p.r < 100;
            yellow += p.r > 200 && p.g > 170 && p.b < 100;
            red += p.r > 180 && p.g < 80;
        }
    EXPECT_GT(green, 100);
    EXPECT_GT(yellow, 30);
    EXPECT_GT(red, 10);
    // Keyed textures have their see-through colour; the cursor's tip is at its top left.
    const art::canvas& cur = img("textures/cursor");
    EXPECT_EQ(cur.get(31, 0).r, 1);
    EXPECT_NE(cur.get(2, 28).r, 1);
}

TEST_F(Artwork, WindowBackgroundsHaveTheWindowsSizes)
{
    EXPECT_EQ(img("bitmaps/Vantorel/panl").w, 800);
    EXPECT_EQ(img("bitmaps/Vantorel/panl").h, 600);
    EXPECT_EQ(img("bitmaps/Vantorel/PANL").h, 333);
    EXPECT_EQ(img("bitmaps/Vantorel/set_flt").w, 787);
    EXPECT_EQ(img("bitmaps/Vantorel/set_flt").h, 519);
    EXPECT_EQ(img("bitmaps/Vantorel/loc_id_").h, 440);
}

}  // namespace
