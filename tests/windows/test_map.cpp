// The moving map: its two pixel scales, zoom and pan, stations placed across the
// antimeridian, and a click on the chart that starts the flight there.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "2-QZutils/qz_graph.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/records.h"
#include "app/app_script.h"
#include "app/app_start.h"
#include "flight/flight_sim.h"
#include "flight/flt_init.h"
#include "flight/funct.h"
#include "panel/p_init.h"
#include "support/test_support.h"
#include "windows/win_map.h"
#include "world/nav_db.h"

using namespace orv;

namespace {

TEST(Map, PlateScaleAndOffsetZoomStopsAtFiftyAndPanMovesHalfAWindow)
{
    set_constants();
    env.dz = 2 * 60 * 1852.0f;
    con.mtrtonrt = 494.0f / env.dz;
    env.os_X_plan = 1000;
    env.os_Z_plan = 5000;
    env.zoom_rat = 2;
    msc.map_type = MAP_LOW_ENROUTE;
    const float enroute = pixelxfinder(1000 + 3000);
    msc.map_type = MAP_PLATE;
    EXPECT_NEAR(pixelxfinder(1000 + 3000) - MAP_PLATE_DX, enroute * con.mtrtoplt / con.mtrtonrt, 1e-3f);
    EXPECT_NEAR(map_world_x(pixelxfinder(1234)), 1234, 0.01);
    EXPECT_NEAR(map_world_z(pixelyfinder(-777)), -777, 0.01);

    msc.map_type = MAP_LOW_ENROUTE;
    map_centre_on(20000, 30000);
    float last = env.zoom_rat;
    for (int k = 0; k < 14; k++) {
        map_zoom(1);
        EXPECT_NEAR(map_world_x(MAP_CHART_W / 2.0f), 20000, 1.0);   // the centre stays put
        EXPECT_NEAR(map_world_z(MAP_CHART_H / 2.0f), 30000, 1.0);
        if (last >= MAP_ZOOM_LIMIT) {
            EXPECT_EQ(env.zoom_rat, last);
        }
        last = env.zoom_rat;
    }
    EXPECT_NEAR(env.zoom_rat, std::pow(1.5f, 10), 1e-2f);              // the first step past 50
    map_zoom(0);
    EXPECT_NEAR(env.zoom_rat, std::pow(1.5f, 9), 1e-2f);
    const float x_before = pixelxfinder(20000), y_before = pixelyfinder(30000);
    map_pan(1, 1);                                                     // east and north
    EXPECT_NEAR(pixelxfinder(20000), x_before - MAP_CHART_W / 2.0f, 0.01f);
    EXPECT_NEAR(pixelyfinder(30000), y_before - MAP_CHART_H / 2.0f, 0.01f);
}

// Pixels of colour index c in the square of half-size r about chart pixel (x, y).
int pixels_of(int c, float x, float y, int r)
{
    unsigned char want[3];
    for (int k = 0; k < 3; k++) want[k] = (unsigned char)std::lround(col_rgb[c][k] * 255);
    int n = 0;
    for (int py = (int)y - r; py <= (int)y + r; py++)
        for (int px = (int)x - r; px <= (int)x + r; px++) {
            if (px < 0 || py < 0 || px >= SCREEN_W || py >= SCREEN_H) continue;
            const unsigned char* p = rgb_array + (py * SCREEN_W + px) * 3;
            n += std::abs(p[0] - want[0]) <= 2 && std::abs(p[1] - want[1]) <= 2 && std::abs(p[2] - want[2]) <= 2;
        }
    return n;
}

TEST(Map, AVorPastTheAntimeridianStandsEastOfTheAircraftAtItsTrueDistance)
{
    set_constants();
    OGL_default_palette();
    init_panel_assets();
    ins.r_rat = ins.g_rat = ins.b_rat = 1;
    env.lat_sou = 51;
    env.lon_wes = 179;                                  // the region runs 179 E .. 178 W
    set_flat_region_frame(0);
    con.mtrtonrt = 494.0f / env.dz;
    env.aptmax = -1;
    env.navmax = 1;
    const float lat = 52.0f, lon_plane = 179.9f, lon_vor = -179.8f;
    nav_type[0] = NAV_VOR; nav_lat[0] = lat; nav_lon[0] = lon_vor; nav_inreg[0] = 1; nav_f12[0] = 11430;
    nav_type[1] = NAV_END; nav_inreg[1] = 0;
    std::snprintf(nav_id[0], sizeof nav_id[0], "ADK ");
    flt.lat = lat;
    flt.X = X_with_latlon(lat, lon_plane);
    flt.Z = Z_with_lat(lat);
    msc.map_type = MAP_PLAIN;
    map_centre_on(flt.X, flt.Z);
    map_zoom(1);

    mnw.x = mnw.y = 0;
    std::memset(rgb_array, 0, sizeof rgb_array);
    to_array = 1;
    plot_map();
    to_array = 0;
    const float px_per_nm = con.mtrtonrt * env.zoom_rat * 1852.0f;
    const float east_nm = 0.3f * 60.0f * std::cos(lat * 3.14159265f / 180);
    const float vx = MAP_CHART_W / 2.0f + east_nm * px_per_nm, vy = MAP_CHART_H / 2.0f;
    EXPECT_GT(pixels_of(71, vx, vy, 6), 10) << "no VOR at " << vx;       // its icon
    EXPECT_GT(pixels_of(71, vx + 20, vy, 14), 20);                       // and its frequency box
    EXPECT_EQ(pixels_of(71, MAP_CHART_W / 2.0f - east_nm * px_per_nm, vy, 6), 0);   // not mirrored west
}

TEST(Map, AClickOnTheChartStartsTheFlightThereWithTheWheelsHeadingAndHeight)
{
    ORV_NEED_DATA(!orv_test::stock_aircraft("trainer").empty(), "stock aircraft");
    ASSERT_EQ(orv_test::sim_start("trainer"), 1);
    register_panel_commands();
    char err[200];
    auto line = [&](const char* t) {
        ASSERT_EQ(script_parse_line(t, 1, err, sizeof err), 1) << err;
        MACIBM_event_proc();
    };
    msc.map_type = MAP_LOW_ENROUTE;
    line("at 0 window 3");
    ASSERT_EQ(mnw.topwin, 3);
    set.cus_psi = 270;
    set.cus_Y = 4000 * 0.3048f;
    set.cus_v = 110 * 0.514444f;
    const double want_x = map_world_x(60), want_z = map_world_z(80);
    char click[60];
    std::snprintf(click, sizeof click, "at 0 click %d %d", mnw.x + 60, mnw.y + 80);
    line(click);
    EXPECT_NEAR(flt.X, want_x, 1.0);
    EXPECT_NEAR(flt.Z, want_z, 1.0);
    EXPECT_NEAR(flt.psi, 270, 0.5);
    EXPECT_NEAR(flt.Y / 0.3048, 4000, 5);
    EXPECT_EQ(mnw.topwin, 3);                                            // the map stays open
}

}  // namespace
