// The glass displays: the map projection, a navaid drawn where the projection puts it on the
// EFIS map, the weather radar's cells, and the engine display's failure page.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_graph.h"
#include "2-QZutils/records.h"
#include "flight/events.h"
#include "flight/flt_init.h"
#include "flight/funct.h"
#include "panel/p_draw.h"
#include "panel/p_glass.h"
#include "panel/p_init.h"
#include "panel/p_update.h"
#include "panel_test_util.h"
#include "world/nav_db.h"

using namespace orv;

namespace {

constexpr float LAT0 = 34.1f, LON0 = -117.2f;

class Glass : public ::testing::Test {
protected:
    void SetUp() override
    {
        panel_test::conventional_aircraft(4, INS_ADF, INS_SUPP);
        panel_test::all_working();
        pln.paneltype = 2;
        init_panel_layout();
        init_panel_assets();
        OGL_default_palette();
        ins.r_rat = ins.g_rat = ins.b_rat = 1;   // the HUD tint leaves the panel's colours alone
        env.lat_sou = 33;
        env.lon_wes = -119;
        set_flat_region_frame(0);
        flt.X = X_with_latlon(LAT0, LON0);
        flt.Z = Z_with_lat(LAT0);
        for (int k = 0; k < REG_LIST_CAP; ++k) vor_to_index[k] = ndb_to_index[k] = apt_to_index[k] = -1;
        ins.map_mode = 1;
        ins.map_range = 10;
        ins.EFIS_wxr = ins.EFIS_tcas = 0;
    }
    void TearDown() override
    {
        to_array = 0;
        for (int k = 0; k < REG_LIST_CAP; ++k) vor_to_index[k] = -1;
    }
    static void draw(int mode)
    {
        std::memset(rgb_array, 0, sizeof rgb_array);
        to_array = 1;
        update_glass(mode);
        to_array = 0;
    }
    static const unsigned char* px(float x, float y) { return rgb_array + ((int)y * SCREEN_W + (int)x) * 3; }
    // Pixels of colour (r, g, b) in the 12-pixel square about (x, y).
    static int count_near(float x, float y, int r, int g, int b)
    {
        int n = 0;
        for (int dy = -6; dy <= 6; ++dy)
            for (int dx = -6; dx <= 6; ++dx) {
                const unsigned char* p = px(x + dx, y + dy);
                n += std::abs(p[0] - r) <= 2 && std::abs(p[1] - g) <= 2 && std::abs(p[2] - b) <= 2;
            }
        return n;
    }
};

TEST_F(Glass, ProjectionTurnsWithTheHeadingAndScalesWithTheRange)
{
    const glass_window w = {300, 100, 60, 240, 40, 360, 160};
    const double north5 = flt.Z - 5 * con.nmtomtrs;      // Z grows southwards
    glass_pt p = glass_project(flt.X, north5, flt.X, flt.Z, 0, 10, w);
    EXPECT_NEAR(p.x, 300, 0.01);
    EXPECT_NEAR(p.y, 130, 0.01);
    EXPECT_TRUE(p.in);
    p = glass_project(flt.X, north5, flt.X, flt.Z, 90, 10, w);   // heading east: north is to the left
    EXPECT_NEAR(p.x, 270, 0.01);
    EXPECT_NEAR(p.y, 100, 0.01);
    p = glass_project(flt.X, north5, flt.X, flt.Z, 0, 2.5f, w);  // at 2.5 nm range it is off the screen
    EXPECT_NEAR(p.y, 220, 0.01);
    EXPECT_FALSE(p.in);
}

TEST_F(Glass, EfisMapDrawsTheVorWhereItStands)
{
    const int n = 10;
    nav_type[n] = NAV_VOR;
    nav_lat[n] = LAT0 + 5.0f / 60.0f;                    // five miles north
    nav_lon[n] = LON0;
    std::snprintf(nav_id[n], sizeof nav_id[n], "SBD ");
    vor_to_index[0] = n;
    const glass_window w = glass_screen(GLASS_EFIS_MAP);
    flt.psi = 0;
    draw(GLASS_EFIS_MAP);
    EXPECT_GT(count_near(w.cx, w.cy + w.radius / 2, 127, 127, 255), 15);
    flt.psi = 90;
    ins.psimag = 90;
    draw(GLASS_EFIS_MAP);
    EXPECT_EQ(count_near(w.cx, w.cy + w.radius / 2, 127, 127, 255), 0);
    EXPECT_GT(count_near(w.cx - w.radius / 2, w.cy, 127, 127, 255), 15);
}

TEST_F(Glass, WeatherRadarPaintsOnlyItsForwardSector)
{
    for (int i = 0; i < (int)(sizeof atm.wxr / sizeof atm.wxr[0]); ++i)
        for (int j = 0; j < (int)(sizeof atm.wxr[0] / sizeof atm.wxr[0][0]); ++j) atm.wxr[i][j] = 0.9f;
    pln.supptype = SUPP_WX_RADAR;
    ins.rad_range = 20;
    flt.psi = 0;
    const glass_window w = glass_screen(GLASS_WX_RADAR);
    draw(GLASS_WX_RADAR);
    EXPECT_GT(count_near(w.cx, w.cy + 30, 255, 0, 0), 100);        // straight ahead: red cells
    EXPECT_EQ(count_near(w.cx + 35, w.cy + 5, 255, 0, 0), 0);      // abeam: outside the sweep
    EXPECT_EQ(radar_colour(0.05f), 0);
    EXPECT_EQ(radar_colour(0.5f), 9);
    std::memset(atm.wxr, 0, sizeof atm.wxr);
}

TEST_F(Glass, FailurePageListsWhatHasFailed)
{
    pln.numen = 2;
    rel.hydsys = rel.fc_ail = rel.fc_elv = rel.fc_rud = rel.fc_flp = rel.fc_slt = rel.fc_thr = 1;
    const char* lines[24];
    EXPECT_EQ(ecam_failure_lines(lines, 24), 0);
    rel.vacuum = 0;
    rel.oilpmp[1] = 0;
    rel.oilpmp[3] = 0;                                  // no fourth engine: no line for it
    ASSERT_EQ(ecam_failure_lines(lines, 24), 2);
    EXPECT_STREQ(lines[0], "VACUUM");
    EXPECT_STREQ(lines[1], "OIL PUMP 2");
    EXPECT_EQ(ecam_failure_lines(lines, 1), 1);
}

TEST_F(Glass, FailedFirstScreenBlanksTheFlightInstruments)
{
    // the airspeed tape's boxed value is drawn in colour 47 on the tape's centre row
    auto green_on_tape = [] {
        int n = 0;
        for (int y = 210; y <= 226; ++y)
            for (int x = 0; x < 40; ++x) {
                const unsigned char* p = rgb_array + (y * SCREEN_W + x) * 3;
                n += p[0] == 51 && p[1] == 255 && p[2] == 51;
            }
        return n;
    };
    flt.vind = 120;
    update_panel();
    std::memset(rgb_array, 0, sizeof rgb_array);
    to_array = 1;
    draw_panel_live();
    EXPECT_GT(green_on_tape(), 20);
    rel.efis_1 = 0;
    update_panel();
    std::memset(rgb_array, 0, sizeof rgb_array);
    draw_panel_live();
    to_array = 0;
    EXPECT_EQ(green_on_tape(), 0);
}

}  // namespace
