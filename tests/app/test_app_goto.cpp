// Airport jumps: identifier lookup, gotofield's region and runway choice, the nearest-airport
// start and the command line's start airport.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/records.h"
#include "app/app_goto.h"
#include "app/app_main.h"
#include "app_test_env.h"
#include "world/apt_gen.h"
#include "world/nav_db.h"
#include "world/obstacles.h"
#include "world/region.h"

using namespace orv;

namespace {

void put_airport(int a, const char* id, float lat, float lon)
{
    std::memcpy(apt_id[a], id, 4);
    apt_id[a][4] = 0;
    apt_lat[a][0] = lat;
    apt_lon[a][0] = lon;
    apt_len[a][0] = 2000;
    apt_len[a][1] = apt_len[a][2] = 0;
    apt_width[a][0] = 45;
    apt_h[a] = 300;
}

struct GotoTables {
    app_test::env e;
    GotoTables() : e(app_test::fresh("goto"))
    {
        region_set_generation(0);
        std::memset(apt_id, 0, sizeof apt_id);
        put_airport(0, "KSBD", 34.095f, -117.235f);
        put_airport(1, "SBD ", 40.0f, -100.0f);
        put_airport(2, "KSBD", 12.0f, 12.0f);    // a second KSBD: the first one is taken
        put_airport(3, "KDEN", 39.86f, -104.67f);
        env.aptmax = 3;
        env.navmax = 2;
        nav_type[0] = NAV_NDB;
        std::memcpy(nav_id[0], "SBD ", 5);
        nav_type[1] = NAV_VOR;
        std::memcpy(nav_id[1], "SBD ", 5);
    }
    ~GotoTables() { region_set_generation(1); }
};

}  // namespace

TEST(AppGoto, IdentifierLookupPadsShortIdsTakesTheFirstMatchAndFiltersNavaidTypes)
{
    GotoTables t;
    int out = -1;
    EXPECT_EQ(get_index_from_id("KSBD", 1, env.aptmax, &out), 1);
    EXPECT_EQ(out, 0);
    EXPECT_EQ(get_index_from_id("SBD", 1, env.aptmax, &out), 1);
    EXPECT_EQ(out, 1);
    EXPECT_EQ(get_index_from_id("KDEN", 1, 2, &out), 0);   // beyond the count searched
    EXPECT_EQ(get_index_from_id("SBD", NAV_VOR, env.navmax, &out), 1);
    EXPECT_EQ(out, 1);
    EXPECT_EQ(get_index_from_id("SBD", NAV_LOC, env.navmax, &out), 0);
}

TEST(AppGoto, GotofieldLoadsTheRegionRoundTheFieldOrRefusesAnUnknownOne)
{
    GotoTables t;
    gotofield("KDEN", 1);
    EXPECT_EQ(msc.loc_apt_wrl, 3);
    EXPECT_EQ(env.lat_sou, 39);     // round(38.86)
    EXPECT_EQ(env.lon_wes, -106);   // round(-106.17)
    EXPECT_EQ(msc.rway_sel, 1);
    EXPECT_EQ(msc.typestart, 7);
    EXPECT_EQ(apt_inreg[3], 1);
    EXPECT_EQ(apt_to_index[0], 3);   // the region's airport list was built

    mnw.topwin = 5;
    const int alerts = mnw_alert_count();
    gotofield("QQQQ", 0);
    EXPECT_EQ(mnw_alert_count(), alerts + 1);
    EXPECT_STREQ(mnw_last_alert_line(0), "I could not find an airport with this ID anywhere in the country!");
    EXPECT_EQ(mnw.topwin, 0);
    EXPECT_EQ(msc.loc_apt_wrl, 3);
    EXPECT_EQ(env.lat_sou, 39);
}

TEST(AppGoto, RequestedRegionStartsAtTheAirportNearestItsMiddle)
{
    GotoTables t;
    env.lat_sou = 33;
    env.lon_wes = -119;   // middle (34, -117.5): KSBD is nearest
    msc.rway_sel = 3;
    set_up_env_with_request_latlon();
    EXPECT_EQ(msc.loc_apt_wrl, 0);
    EXPECT_EQ(msc.rway_sel, 0);
    EXPECT_EQ(env.lat_sou, 33);
}

TEST(AppGoto, CommandLineStartAirportIsCheckedAndSelected)
{
    GotoTables t;
    app_options o;
    char err[200];
    char a0[] = "vantorel", a1[] = "--airport", a2[] = "kden", a3[] = "--runway-end", a4[] = "6";
    char* bad_end[] = {a0, a1, a2, a3, a4};
    EXPECT_EQ(parse_command_line(5, bad_end, &o, err, sizeof err), 0);
    char one[] = "1";
    char* good[] = {a0, a1, a2, a3, one};
    ASSERT_EQ(parse_command_line(5, good, &o, err, sizeof err), 1);

    // Lower case is taken as the identifier; the runway's far end is end 1.
    app_set_start_airport(o.airport, o.runway_end);
    ASSERT_EQ(app_check_start_airport(), 1);
    app_select_start_airport();
    EXPECT_EQ(msc.loc_apt_wrl, 3);
    EXPECT_EQ(msc.rway_sel, 1);
    EXPECT_EQ(env.lon_wes, -106);

    app_set_start_airport("KDEN", 2);   // a second runway it does not have
    EXPECT_EQ(app_check_start_airport(), 0);
    EXPECT_EQ(app_start_airport_refused(), 1);
    app_set_start_airport("", -1);
    EXPECT_EQ(app_check_start_airport(), 1);
}

// A jump from a busier region to one with fewer airports and runways keeps nothing of the
// first: no runway, light or building in the list entries the new region leaves empty, and no
// runway end in the menus.
TEST(AppGoto, AJumpToASparserRegionLeavesNothingOfTheFirst)
{
    GotoTables t;
    region_set_drawn(1);   // the runway lights too
    put_airport(4, "KONT", 34.056f, -117.601f);
    for (int r = 1; r < 3; r++) {
        apt_lat[4][r] = 34.05f + 0.01f * r;
        apt_lon[4][r] = -117.6f;
        apt_len[4][r] = 2500;
        apt_width[4][r] = 45;
        apt_num[4][r] = 4 * r;
        apt_lite[4][r] = 1555555;
    }
    env.aptmax = 4;
    gotofield("KSBD", 1);
    ASSERT_EQ(apt_to_index[1], 4);   // KONT, with three runways, second in the lists
    ASSERT_TRUE(runway_built(1, 2));
    ASSERT_GT(rwy_lgt_n[1][2], 0);
    const int kont_runways = mnw_submenu_of(MENU_ITEMS * 7 + 1);   // its take-off runway ends
    ASSERT_GE(kont_runways, 0);
    ASSERT_STRNE(mnw.item_name[kont_runways][5], "");

    gotofield("KDEN", 1);   // alone in its region, one runway
    ASSERT_EQ(apt_to_index[0], 3);
    EXPECT_EQ(apt_to_index[1], -1);
    for (int a = 0; a < REG_LIST_CAP; a++)
        for (int r = (a == 0 ? 1 : 0); r < 3; r++) {
            EXPECT_FALSE(runway_built(a, r)) << a << " " << r;
            EXPECT_EQ(rwy_lgt_n[a][r], 0) << a << " " << r;
        }
    for (int o = 5; o < OBJ_ENV_FIRST; o++) EXPECT_EQ(obj_type[o], OBJ_NONE) << o;
    for (int k = 0; k < MENU_ITEMS; k++) EXPECT_STREQ(mnw.item_name[kont_runways][k], "") << k;
    EXPECT_STREQ(mnw.item_name[7][1], "");
}
