// The bitmap loader on generated files, with the texture uploads recorded in place of OpenGL.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "2-QZutils/qgl.h"
#include "2-QZutils/qz_bitmap.h"
#include "2-QZutils/qz_file.h"
#include "2-QZutils/qz_graph.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/records.h"
#include "platform/plat_paths.h"
#include "support/test_support.h"

using namespace orv;

namespace {

struct upload_rec { int name, level, comps, w, h; std::vector<unsigned char> px; };
std::vector<upload_rec> uploads;
int bound;

void rec_bind(GLenum, GLuint name) { bound = (int)name; }
void rec_image(GLenum, GLint level, GLint comps, GLsizei w, GLsizei h, GLint, GLenum, GLenum, const void* px)
{
    const unsigned char* p = static_cast<const unsigned char*>(px);
    uploads.push_back({bound, level, comps, w, h, std::vector<unsigned char>(p, p + (size_t)w * h * comps)});
}

using orv_test::bmp_file;

unsigned rgb(int r, int g, int b) { return (unsigned)(r << 16 | g << 8 | b); }

class Bitmap_Load : public ::testing::Test {
protected:
    std::string dir;
    void SetUp() override
    {
        dir = orv_test::temp_dir("bitmap");
        set_app_path(dir.c_str());
        uploads.clear();
        qgl_reset();
        qgl.BindTexture = rec_bind;
        qgl.TexImage2D = rec_image;
        ogl_res = 5;
        atm.temp_SL = 59;
        flt.lat = 45;
        ins.r_rat = ins.g_rat = ins.b_rat = 1;
        mnw.x = mnw.y = 0;
    }
    void TearDown() override { qgl_reset(); }
    std::string file(const std::string& name, const std::string& data)
    {
        std::string base = dir + "/" + name;
        orv_test::write_file(base + ".BMP", data);
        return base;
    }
    std::string texture(const std::string& name, const std::string& data)
    {
        plat_make_dirs((dir + "/textures").c_str());
        return file("textures/" + name, data);
    }
    static int texel(const upload_rec& u, int x, int y, int k) { return u.px[(size_t)(y * u.w + x) * u.comps + k]; }
};

TEST_F(Bitmap_Load, ThreePixelRowsSkipTheirPadding)
{
    std::string base = file("three", bmp_file(3, 2, [](int x, int y) { return rgb(10 * x + 100 * y, 1 + x, 2 + y); }));
    ASSERT_EQ(OGL_texbmp(BMP_TEXTURE_PATH, 45, 0, base.c_str()), 1);
    ASSERT_EQ(uploads.size(), 1u);
    const upload_rec& u = uploads[0];
    EXPECT_EQ(u.name, 45);
    EXPECT_EQ(u.w, 3);
    EXPECT_EQ(u.h, 2);
    EXPECT_EQ(u.comps, 3);
    EXPECT_EQ(texel(u, 2, 1, 0), 120);     // red of the last pixel of the second row
    EXPECT_EQ(texel(u, 2, 1, 1), 3);
    EXPECT_EQ(texel(u, 0, 1, 2), 3);
}

TEST_F(Bitmap_Load, MissingTextureBecomesFourByFourGreyButOptionalOnesAnswerZero)
{
    int alerts = mnw_alert_count();
    ASSERT_EQ(OGL_texbmp(BMP_TEXTURE, 72, 0, "windsock"), 1);
    ASSERT_EQ(uploads.size(), 1u);
    EXPECT_EQ(uploads[0].w, 4);
    EXPECT_EQ(uploads[0].h, 4);
    for (unsigned char c : uploads[0].px) EXPECT_EQ(c, 200);
    EXPECT_EQ(mnw_alert_count(), alerts);  // quietly: the picture still has something to show
    EXPECT_EQ(OGL_texbmp(BMP_TEXTURE, 57, 0, "hand"), 0);
    EXPECT_EQ(OGL_texbmp(BMP_COCKPIT_PATH, 0, 0, (dir + "/none panl").c_str()), 0);
    EXPECT_EQ(uploads.size(), 1u);
}

TEST_F(Bitmap_Load, ColourKeyAndLuminanceAlphaModes)
{
    texture("fire1", bmp_file(2, 1, [](int x, int) { return x == 0 ? rgb(1, 1, 1) : rgb(1, 1, 2); }));
    texture("smoke", bmp_file(1, 1, [](int, int) { return rgb(30, 60, 91); }));
    OGL_texbmp(BMP_TEXTURE, 60, TEX_KEYED, "fire1");
    OGL_texbmp(BMP_TEXTURE, 59, TEX_LUMINANCE, "smoke");
    ASSERT_EQ(uploads.size(), 2u);
    EXPECT_EQ(uploads[0].comps, 4);
    EXPECT_EQ(texel(uploads[0], 0, 0, 3), 0);     // exactly (1, 1, 1) is transparent
    EXPECT_EQ(texel(uploads[0], 1, 0, 3), 255);
    EXPECT_EQ(texel(uploads[1], 0, 0, 0), 0);     // black, alpha the whole-number mean
    EXPECT_EQ(texel(uploads[1], 0, 0, 3), 60);
}

TEST_F(Bitmap_Load, TerrainIsMipMappedDownToOneTexelAndMustBeSquare)
{
    texture("grs", bmp_file(2, 2, [](int x, int y) { return rgb(x * 100 + y * 1, 0, 0); }));
    OGL_texbmp(BMP_TEXTURE, 13, TEX_TERRAIN, "grs");
    ASSERT_EQ(uploads.size(), 2u);
    EXPECT_EQ(uploads[1].level, 1);
    EXPECT_EQ(uploads[1].w, 1);
    EXPECT_EQ(texel(uploads[1], 0, 0, 0), (0 + 100 + 1 + 101) / 4);

    uploads.clear();
    int alerts = mnw_alert_count();
    texture("mnt", bmp_file(8, 4, [](int, int) { return rgb(9, 9, 9); }));
    OGL_texbmp(BMP_TEXTURE, 14, TEX_TERRAIN, "mnt");
    EXPECT_EQ(mnw_alert_count(), alerts + 1);
    EXPECT_STREQ(mnw_last_alert_line(1), "You have defined a NON-SQUARE texture for terrain!");
    ASSERT_EQ(uploads.size(), 4u);                // 8x4, 4x2, 2x1, 1x1
    EXPECT_EQ(uploads[3].w, 1);
    EXPECT_EQ(uploads[3].h, 1);
}

TEST_F(Bitmap_Load, LowResolutionReducesTerrainSixteenTimes)
{
    ogl_res = 1;
    texture("wat", bmp_file(256, 256, [](int x, int y) { return rgb(x, y, 0); }));
    OGL_texbmp(BMP_TEXTURE, 12, TEX_TERRAIN, "wat");
    ASSERT_FALSE(uploads.empty());
    EXPECT_EQ(uploads[0].w, 16);
    EXPECT_EQ(uploads[0].h, 16);
    EXPECT_EQ(texel(uploads[0], 1, 2, 0), 16);    // every 16th texel, no averaging
    EXPECT_EQ(texel(uploads[0], 1, 2, 1), 32);
    EXPECT_EQ(texbmp_reduction(45, 256, 256, 0), 4);
    EXPECT_EQ(texbmp_reduction(79, 256, 256, 0), 1);   // the font texture never shrinks
    ogl_res = 5;
    EXPECT_EQ(texbmp_reduction(45, 1024, 512, 256), 4);  // the context's limit halves further
}

TEST_F(Bitmap_Load, BadHeadersAreReportedAndLeaveAGreyTexture)
{
    int alerts = mnw_alert_count();
    std::string wide = file("wide", bmp_file(1025, 1, [](int, int) { return 0u; }, 24, 19778, true));
    OGL_texbmp(BMP_TEXTURE_PATH, 46, 0, wide.c_str());
    EXPECT_STREQ(mnw_last_alert_line(0), "Bitmap too wide! (max is 1024)");
    std::string big = file("big", bmp_file(1024, 1024, [](int, int) { return 0u; }, 24, 19778, true));
    OGL_texbmp(BMP_TEXTURE_PATH, 47, 0, big.c_str());
    EXPECT_STREQ(mnw_last_alert_line(0), "Bitmap too big to load!");
    std::string deep = file("deep", bmp_file(2, 2, [](int, int) { return 0u; }, 32));
    OGL_texbmp(BMP_TEXTURE_PATH, 48, 0, deep.c_str());
    EXPECT_STREQ(mnw_last_alert_line(1), "We need 24-bit color.");
    std::string cut = file("cut", bmp_file(4, 4, [](int, int) { return 0u; }).substr(0, 70));
    OGL_texbmp(BMP_TEXTURE_PATH, 49, 0, cut.c_str());
    EXPECT_STREQ(mnw_last_alert_line(0), "File-scanning error!");
    EXPECT_EQ(mnw_alert_count(), alerts + 4);
    ASSERT_EQ(uploads.size(), 4u);
    for (int k = 0; k < 3; k++) EXPECT_EQ(uploads[k].w, 4) << k;
}

TEST_F(Bitmap_Load, ScreenImageGoesToTheWindowOriginTintedAndClipped)
{
    plat_make_dirs((dir + "/bitmaps/Vantorel").c_str());
    file("bitmaps/Vantorel/statbar", bmp_file(4, 2, [](int, int) { return rgb(200, 100, 50); }));
    std::memset(rgb_array, 0, sizeof rgb_array);
    mnw.x = 10;
    mnw.y = 5;
    ins.r_rat = 0.5f;
    OGL_texbmp(BMP_SCREEN, 788, 593, "statbar");      // lands at 798..801, 598..599
    const unsigned char* p = rgb_array + (598 * SCREEN_W + 798) * 3;
    EXPECT_EQ(p[0], 100);
    EXPECT_EQ(p[1], 100);
    EXPECT_EQ(p[2], 50);
    EXPECT_EQ(rgb_array[(599 * SCREEN_W + 799) * 3 + 1], 100);
    EXPECT_EQ(rgb_array[(599 * SCREEN_W + 0) * 3 + 1], 0);   // nothing wrapped to the next row
    EXPECT_TRUE(uploads.empty());
    int alerts = mnw_alert_count();
    OGL_texbmp(BMP_SCREEN, 0, 0, "missing");
    EXPECT_EQ(mnw_alert_count(), alerts + 1);
    EXPECT_STREQ(mnw_last_alert_line(0), "Can't open bitmap!");
}

TEST_F(Bitmap_Load, SeasonsAndTropicsSubstituteTerrain)
{
    EXPECT_STREQ(seasonal_name(13, "grs"), "grs");
    atm.temp_SL = 20;
    EXPECT_STREQ(seasonal_name(13, "grs"), "sno");
    EXPECT_STREQ(seasonal_name(15, "grs_wat_h"), "sno_wat_h");
    flt.lat = 10;
    EXPECT_STREQ(seasonal_name(15, "grs_wat_h"), "sno_car_h");   // both: the last rule wins
    EXPECT_STREQ(seasonal_name(12, "wat"), "car");
    atm.temp_SL = 70;
    EXPECT_STREQ(seasonal_name(23, "wat_mnt_c"), "car_mnt_c");
    flt.lat = -45;                                   // far south is not tropical
    EXPECT_STREQ(seasonal_name(12, "wat"), "wat");
}

}  // namespace
