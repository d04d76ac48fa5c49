// What the window layer draws: the window image cut into background tiles, which tiles the
// background shows for each screen layout, and the open menu with its marks.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "2-QZutils/qgl.h"
#include "2-QZutils/qz_file.h"
#include "2-QZutils/qz_graph.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/qz_mnw_draw.h"
#include "2-QZutils/records.h"
#include "platform/plat_backend.h"
#include "platform/plat_paths.h"
#include "support/test_support.h"

using namespace orv;

namespace {

struct tex_upload { int name, w, h; std::vector<unsigned char> px; };
std::vector<tex_upload> uploads;
std::vector<int> binds;
std::vector<float> vys;         // y of every 2-D vertex sent
int bound;

void rec_bind(GLenum, GLuint name) { bound = (int)name; binds.push_back((int)name); }
void rec_image(GLenum, GLint, GLint, GLsizei w, GLsizei h, GLint, GLenum format, GLenum, const void* px)
{
    const int comps = format == GL_RGBA ? 4 : 3;
    const unsigned char* p = static_cast<const unsigned char*>(px);
    uploads.push_back({bound, w, h, std::vector<unsigned char>(p, p + (size_t)w * h * comps)});
}
void rec_vertex(GLfloat, GLfloat y) { vys.push_back(y); }

int  picture_init(int, int, const char*) { return PLAT_INIT_OK; }
int  no_events(double, plat_event*) { return 0; }
void nothing() {}
void quiet_alert(const char* const*, int) {}
const plat_backend picture = {"picture", 0, picture_init, no_events, nothing, quiet_alert, nothing,
                              0, nullptr, nullptr, nullptr, nullptr, nullptr};

class Window_Draw : public ::testing::Test {
protected:
    std::string dir;
    void SetUp() override
    {
        dir = orv_test::temp_dir("mnwdraw");
        set_app_path(dir.c_str());
        uploads.clear();
        binds.clear();
        vys.clear();
        qgl_reset();
        qgl.BindTexture = rec_bind;
        qgl.TexImage2D = rec_image;
        qgl.Vertex2f = rec_vertex;
        OGL_default_palette();
        ins.r_rat = ins.g_rat = ins.b_rat = 1;
        for (int m = 0; m < 330; m++) {
            mnw.menu_name[m][0] = 0;
            mnw.menu_prnt[m] = -2;
            for (int k = 0; k < 100; k++) mnw.item_name[m][k][0] = 0;
        }
        mnw.menu_up = -1;
        mnw.topwin = 0;
        mnw.x = mnw.y = 0;
        plat_backend_install(&picture);
        ogl_ready = 1;
    }
    void TearDown() override
    {
        ogl_ready = 0;
        to_array = 0;
        plat_backend_install(nullptr);
        qgl_reset();
        mnw_set_window_builder(nullptr);
    }
    static const unsigned char* at(int x, int y) { return rgb_array + (y * SCREEN_W + x) * 3; }
};

int builder_calls, builder_window;
void count_builder(int w) { builder_calls++; builder_window = w; OGL_fillrect(8, 400, 100, 2, 2); }

TEST_F(Window_Draw, FlightWindowImageHasTheMenuBarAndIsCutIntoThirtyFiveTiles)
{
    MACIBM_create_menu(1, -1, "File");
    builder_calls = 0;
    mnw_set_window_builder(count_builder);
    MACIBM_startwind(0);
    EXPECT_EQ(builder_calls, 1);
    EXPECT_EQ(builder_window, 0);
    ASSERT_EQ(uploads.size(), 35u);
    std::set<int> names;
    for (const tex_upload& u : uploads) {
        names.insert(u.name);
        EXPECT_EQ(u.w, 128);
        EXPECT_EQ(u.h, 128);
    }
    EXPECT_EQ(*names.begin(), 500);
    EXPECT_EQ(*names.rbegin(), 534);
    // The menu bar (colour 63, 0.8 grey) lies in the top row of tiles, 583 - 512 = 71 rows up
    // tile (0, 4); the panel module's red mark at (400, 100) in tile (3, 0).
    const tex_upload& top = uploads[4 * 7 + 0];
    EXPECT_EQ(top.name, 528);
    EXPECT_EQ(top.px[(80 * 128 + 2) * 3], 204);
    EXPECT_EQ(at(1, 590)[0], 204);
    const tex_upload& mark = uploads[3];
    EXPECT_EQ(mark.name, 503);
    EXPECT_EQ(mark.px[(100 * 128 + 400 - 384) * 3], 255);
    EXPECT_EQ(mark.px[(100 * 128 + 400 - 384) * 3 + 1], 0);
    // "File" in black on the bar: some dark pixel in its title box.
    int dark = 0;
    for (int y = 584; y < 600; y++)                      // above the bar's edge line
        for (int x = mnw.menux1[1]; x < mnw.menux2[1]; x++) dark += at(x, y)[0] < 50;
    EXPECT_GT(dark, 10);
}

TEST_F(Window_Draw, SettingsWindowDrawsItsBackgroundBitmapAtItsPlace)
{
    plat_make_dirs((dir + "/bitmaps/Vantorel").c_str());
    const std::string bmp = orv_test::bmp_file(197, 84, [](int, int) { return 0x1e780au; });
    orv_test::write_file(dir + "/bitmaps/Vantorel/set_spa.BMP", bmp);
    std::memset(rgb_array, 0, sizeof rgb_array);
    MACIBM_startwind(11);                                // "Set Weather Space", 197 by 84, centred
    EXPECT_EQ(mnw.x, 302);
    EXPECT_EQ(mnw.y, 258);
    EXPECT_EQ(at(302 + 50, 258 + 30)[0], 30);            // red, green, blue as stored
    EXPECT_EQ(at(302 + 50, 258 + 30)[1], 120);
    EXPECT_EQ(at(300, 258 + 30)[1], 0);                  // nothing beside the window
    EXPECT_EQ(uploads.size(), 35u);
}

TEST_F(Window_Draw, BackgroundShowsOnlyWhatTheLayoutLeavesUncovered)
{
    done_initing = 1;
    set.view_is_fullscreen = 0;
    OGL_plot_background();                               // panel to 333 and the strip from 561
    std::set<int> panel(binds.begin(), binds.end());
    EXPECT_TRUE(panel.count(500 + 7 * 2));
    EXPECT_FALSE(panel.count(500 + 7 * 3));              // rows 384..512 hold the 3-D view
    EXPECT_TRUE(panel.count(500 + 7 * 4));
    for (float y : vys) EXPECT_TRUE(y <= 333 || y >= 561) << y;

    binds.clear();
    vys.clear();
    set.view_is_fullscreen = 1;
    OGL_plot_background();
    for (int b : binds) EXPECT_GE(b, 500 + 7 * 4);
    for (float y : vys) EXPECT_GE(y, 583);

    binds.clear();
    done_initing = 0;                                    // starting up: the whole screen
    OGL_plot_background();
    EXPECT_EQ(std::set<int>(binds.begin(), binds.end()).size(), 35u);
    set.view_is_fullscreen = 0;
}

TEST_F(Window_Draw, OpenMenuMarksTheItemUnderTheMouseAndTheCurrentView)
{
    MACIBM_create_menu(5, -1, "View");
    MACIBM_append_menu(5, 500, "Forward");
    MACIBM_append_menu(5, 501, "Down");
    MACIBM_append_menu(5, 502, "More");
    MACIBM_create_menu(6, 502, "More views");
    MACIBM_append_menu(6, 600, "Chase");
    mnw_layout_menu_bar();
    set.view_type = 501;
    // Open it the way a click does, so the item boxes are the real ones.
    mnw.menu_up = -1;
    mnw.mx = mnw.menux1[5] + 2;
    mnw.my = 590;
    MACIBM_handleclick();
    ASSERT_EQ(mnw.menu_up, 5);
    const int x1 = mnw.itemx1[5][0], y1_forward = mnw.itemy1[5][0], y1_down = mnw.itemy1[5][1];
    mnw.mx = x1 + 30;
    mnw.my = y1_forward + 6;                             // over "Forward"
    to_array = 1;
    std::memset(rgb_array, 0, sizeof rgb_array);
    mnw_draw_open_menu();
    // Highlight (colour 43: 0.5, 0.5, 1) under the mouse only.
    EXPECT_EQ(at(x1 + 2, y1_forward + 1)[2], 255);
    EXPECT_EQ(at(x1 + 2, y1_forward + 1)[0], 128);
    EXPECT_NE(at(x1 + 2, y1_down + 1)[0], 128);
    // The check mark's stroke in the left margin of "Down", none beside "Forward" but the highlight.
    auto dark_in = [&](int y1) {
        int n = 0;
        for (int y = y1 + 2; y < y1 + 11; y++)
            for (int x = x1 + 3; x < x1 + 11; x++) n += at(x, y)[0] == 0 && at(x, y)[1] == 0;
        return n;
    };
    EXPECT_GT(dark_in(y1_down), 4);
    EXPECT_EQ(dark_in(y1_forward), 0);
    // The arrow of the item that opens a submenu, at its right end.
    const int x2 = mnw.itemx2[5][2], y1_more = mnw.itemy1[5][2];
    int arrow = 0;
    for (int y = y1_more + 2; y < y1_more + 11; y++)
        for (int x = x2 - 9; x < x2 - 4; x++) arrow += at(x, y)[0] == 0;
    EXPECT_GT(arrow, 3);
    set.view_type = 0;
}

}  // namespace
