// The settings windows through the program's scripted input: the widgets' edge cases, one
// change per window found in its record, and the wind of the atmosphere window flown.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>

#include "2-QZutils/qz_btn.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/records.h"
#include "platform/plat_script.h"
#include "app/app_start.h"
#include "app/app_update.h"
#include "flight/flight_sim.h"
#include "support/test_support.h"
#include "world/nav_db.h"

using namespace orv;

namespace {

// One frame's click at window pixel (x, y) straight into a widget.
struct click_at {
    click_at(int x, int y) { mnw.mx = x; mnw.my = y; mnw.mouse_clicked = 1; }
    ~click_at() { mnw.mouse_clicked = 0; }
};

TEST(Widgets, EdgesOfTheirBoxesAndRanges)
{
    int choice = 4;
    { click_at c(40 + 5, 100 + 10); EXPECT_EQ(in4textbtn(0, 100, "a", "b", "c", "d", 40, &choice), 1); }
    EXPECT_EQ(choice, 1);                                   // four stepped up is one
    { click_at c(40 + 5, 100 - 10); in4textbtn(0, 100, "a", "b", "c", "d", 40, &choice); }
    EXPECT_EQ(choice, 4);                                   // and one stepped down is four

    float v = 99.5f;                                        // a wheel of 00.0 .. 99.5
    { click_at c(5, 100 + 10); EXPECT_EQ(instdbtn_range(47, 0, 100, &v, 3, 1, 0, 99.5f), 0); }
    EXPECT_FLOAT_EQ(v, 99.5f);                              // the tens clicked up at the limit: no change
    { click_at c(25, 100 - 10); EXPECT_EQ(instdbtn_range(47, 0, 100, &v, 3, 1, 0, 99.5f), 1); }
    EXPECT_FLOAT_EQ(v, 99.4f);                              // the last column is the tenths
    float s = 0;
    { click_at c(5, 90); instdbtn(47, 0, 100, &s, 2, 0, 1); }
    EXPECT_FLOAT_EQ(s, -10.0f);                             // a signed wheel goes below zero

    int box = 0;
    { click_at c(50 - 1, 100 + 4); EXPECT_EQ(inboolbtn(50, 100, &box), 1); }
    EXPECT_EQ(box, 1);                                      // on the bevel, outside the 9 px square
    { click_at c(50 + 9, 100 + 9); inboolbtn(50, 100, &box); }
    EXPECT_EQ(box, 0);
    { click_at c(50 - 3, 100); inboolbtn(50, 100, &box); }
    EXPECT_EQ(box, 0);                                      // beyond the slack

    static const char names[2][40] = {"ALPHA", "BRAVO"};
    static const char ids[2][5] = {"AAAA", "BBBB"};
    int centre = 0;                                         // the rows above the first name are empty
    { click_at c(10, 11 * 12 - 6); EXPECT_EQ(plot_name_list(0, 0, names, ids, &centre, 0, 1), 0); }
    EXPECT_EQ(centre, 0);
    { click_at c(10, 5 * 12 - 6); EXPECT_EQ(plot_name_list(0, 0, names, ids, &centre, 0, 1), 2); }
    EXPECT_EQ(centre, 1);                                   // the row below the middle: the next name

    char id[8] = "KZ";                                      // a short identifier is blank padded
    { click_at c(15, 110); EXPECT_EQ(in4charbtn(47, 0, 100, id), 1); }
    EXPECT_STREQ(id, "K   ");                              // 'Z' up wraps to blank
}

// The program, headless, on the trainer at the start airport; windows opened and clicked
// through the script queue as the menus and the mouse would.
class Windows : public ::testing::Test {
protected:
    void SetUp() override
    {
        ORV_NEED_DATA(!orv_test::stock_aircraft("trainer").empty(), "stock aircraft");
        ASSERT_EQ(orv_test::sim_start("trainer"), 1);
        register_panel_commands();   // "window", as the program's options register it
    }
    void line(const char* text)
    {
        char err[200];
        ASSERT_EQ(script_parse_line(text, 1, err, sizeof err), 1) << err;
        MACIBM_event_proc();
    }
    void open(int w)
    {
        char t[40];
        std::snprintf(t, sizeof t, "at 0 window %d", w);
        line(t);
        ASSERT_EQ(mnw.topwin, w);
    }
    // A click at window pixel (x, y) of the window on top, through the screen's coordinates.
    void click(int x, int y, int times = 1)
    {
        char t[60];
        std::snprintf(t, sizeof t, "at 0 click %d %d", mnw.x + x, mnw.y + y);
        for (int k = 0; k < times; k++) line(t);
    }
};

struct window_case {
    int w, x, y;                         // the click, window pixels (-1, -1: the Enter key)
    std::function<float()> field;        // what the click must change
};

TEST_F(Windows, OneClickInEachWindowChangesItsRecord)
{
    std::snprintf(msc.apt_id_req, sizeof msc.apt_id_req, "KSFO");
    std::snprintf(fpl.arr_id_str, sizeof fpl.arr_id_str, "KLAX");
    const int close_x = -8, close_y = -8;   // from the top-right corner: the close box
    const window_case cases[] = {
        {1, 65, 380, [] { return (float)msc.apt_id_req[0]; }},
        {2, 20, 20 + 11 * 12 - 6, [] { return (float)msc.loc_apt_wrl; }},   // the top row flies from it
        {3, close_x, close_y, [] { return (float)mnw.topwin; }},
        {4, 150, 296, [] { return std::round(flt.lat * 10) + std::round(flt.lon * 10) * 1000; }},
        {5, 109, 110, [] { return (float)env.lat_sou; }},
        {6, -1, -1, [] { return (float)mnw.topwin; }},
        {7, 51, 344, [] { return (float)set.Bgrf[0]; }},
        {8, 24, 214, [] { return (float)set.serout; }},
        {9, 344, 60, [] { return msc.locl_time; }},
        {10, 23, 424, [] { return (float)ogl_trees; }},
        {11, 179, 36, [] { return (float)atm.meteorite_code; }},
        {13, 179, 94, [] { return (float)atm.rway_fric_code; }},
        {14, 87, 120, [] { return (float)atm.wave_dir; }},
        {15, 18, 464, [] { return (float)set.eq_ped; }},
        {16, 185, 140, [] { return flt.m_fuel; }},
        {17, 151, 280, [] { return rel.total_fail_entry; }},
        {18, 191, 460, [] { return rel.ins_fail_rat; }},
        {19, 311, 504, [] { return rel.eq1_fail_rat; }},
        {20, 24, 144, [] { return (float)atc.text_out; }},
        {21, 24, 134, [] { return (float)msc.warn_flaps; }},
        {22, close_x, close_y, [] { return (float)mnw.topwin; }},
        {23, -1, -1, [] { return (float)mnw.topwin; }},
        {24, close_x, close_y, [] { return (float)mnw.topwin; }},
        {25, 115, 290, [] { return (float)fpl.arr_id_str[0]; }},
    };
    for (const window_case& c : cases) {
        SCOPED_TRACE(mnw_window_title(c.w));
        SCOPED_TRACE(c.w);
        open(c.w);
        const float before = c.field();
        if (c.x == -1) line("at 0 key enter");
        else click(c.x < 0 ? mnw.dx + c.x : c.x, c.y < 0 ? mnw.dy + c.y : c.y);
        EXPECT_NE(c.field(), before);
        if (mnw.topwin != 0) line("at 0 menu 1201");          // the menu again closes it
        EXPECT_EQ(mnw.topwin, 0);
    }
}

TEST_F(Windows, TheMenuClickThatOpensAWindowIsNotAClickInIt)
{
    mnw.mx = 30;                  // a menu item near the top-left corner of the screen
    mnw.my = 560;
    mnw.mouse_clicked = 1;
    MACIBM_startwind(12);         // as the chosen item opens it, within the same frame
    APPLICATION_update();
    EXPECT_EQ(mnw.topwin, 12);    // above the window: a second click there closes it
    mnw.mouse_clicked = 1;
    APPLICATION_update();
    EXPECT_EQ(mnw.topwin, 0);
}

TEST_F(Windows, AirportNamesJumpToTheFirstLetterAndTheMiddleRowFlies)
{
    open(2);
    click(95, 182);               // the first letter of "Names from:" up: A to B
    click(20, 86);                // the marked middle row of the list
    EXPECT_EQ(mnw.topwin, 0);
    EXPECT_EQ(apt_name[msc.loc_apt_wrl][0], 'B') << apt_name[msc.loc_apt_wrl];
}

TEST_F(Windows, WorldClickBesideTheAntimeridianKeepsTheRegionOnThisSide)
{
    open(4);
    click(35, 324);                              // 52 N, 179.5 W: a corner of 181 W would cross it
    EXPECT_EQ(mnw.topwin, 0);
    EXPECT_EQ(env.lon_wes, -180);
    EXPECT_NEAR(flt.lon, -179.5f, 0.05f);
    EXPECT_NEAR(flt.lat, 52.0f, 0.05f);
}

TEST_F(Windows, WindOfTheLowestLayerSetInTheAtmosphereWindowIsFlown)
{
    for (int l = 0; l < 9; l++) atm.wnddir[l] = atm.wndspd[l] = atm.shrdir[l] = atm.shrspd[l] = atm.tbl[l] = 0;
    open(12);
    const int dir_x = 340 + 76, speed_x = 340 + 114, row_y = 440 + 10;   // above the digits: up
    click(dir_x + 5, row_y, 2);
    click(dir_x + 15, row_y, 7);
    click(speed_x + 5, row_y);
    click(speed_x + 15, row_y, 5);
    EXPECT_FLOAT_EQ(atm.wnddir[0], 270.0f);
    EXPECT_NEAR(atm.wndspd[0] * con.msctokts, 15.0f, 1e-3f);
    line("at 0 key enter");
    ASSERT_EQ(mnw.topwin, 0);

    orv_test::sim_air_start(600, 100, 0);                    // heading north in the lowest layer
    orv_test::pilot_reset();
    orv_test::sim_fly(10, [] { orv_test::pilot_hold_height(600, orv_test::bank_for_heading(0)); });
    const double x0 = flt.X;
    orv_test::sim_fly(20, [] { orv_test::pilot_hold_height(600, orv_test::bank_for_heading(0)); });
    const double east_ms = (flt.X - x0) / 20.0;
    EXPECT_NEAR(east_ms * con.msctokts, 15.0 * std::cos((float)env.mvar * 3.14159265 / 180), 4.0);
}

}  // namespace
