// Ships, traffic, head-up display, windscreen precipitation, the terrain batches and the
// region following of the scene update.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "2-QZutils/qgl.h"
#include "2-QZutils/qz_funct.h"
#include "2-QZutils/records.h"
#include "render/hud.h"
#include "render/precip.h"
#include "render/scene.h"
#include "render/ships.h"
#include "render/terrain_draw.h"
#include "world/nav_db.h"

namespace orv {
namespace {

TEST(Carrier, PublishesItsLocalizerAndGlideSlope)
{
    env.navmax = 12;
    publish_carrier_ils(33.5f, -118.25f, 19.0f);
    EXPECT_EQ(nav_type[11], NAV_LOC);
    EXPECT_EQ(nav_type[10], NAV_GS);
    EXPECT_EQ(nav_f12[10], 10800);
    EXPECT_EQ(nav_hdng[11], 352);
    EXPECT_FLOAT_EQ(nav_lat[10], 33.5f);
    EXPECT_FLOAT_EQ(nav_h[11], 19.0f);
    EXPECT_STREQ(nav_id[11], "----");
    EXPECT_STREQ(nav_name[10], "USS Enterprise");
    EXPECT_EQ(nav_inreg[11], 1);
}

TEST(Traffic, NewAircraftComeFromThirtyMilesTowardUs)
{
    set_constants();
    init_trig_tables();
    env.lox = -1e7f; env.hix = 1e7f; env.loz = -1e7f; env.hiz = 1e7f;
    flt.X = 1000;
    flt.Z = 2000;
    msc.est_Vs = 30.0f;
    seed_rand(3);
    for (int t = 0; t < TRAFFIC; t++) {
        make_a_plane(t, 0);
        const float dx = traf_xyz[t][0] - 1000.0f, dz = traf_xyz[t][2] - 2000.0f;
        EXPECT_NEAR(pythag(dx, dz), 30.0f * 1852.0f, 5.0f);
        // Heading within 45 degrees of the bearing back to us.
        const float back = std::atan2(-dx, dz) * 180.0f / (float)M_PI;
        EXPECT_LE(std::fabs(fltwrap((float)traf_h[t] - back, -180.0f, 180.0f)), 46.0f) << t;
        EXPECT_FLOAT_EQ(traf_v[t], 51.0f);
        EXPECT_GE(traf_xyz[t][1], 0.0f);
        EXPECT_LE(traf_xyz[t][1], 20000.0f * 0.3048f + 0.01f);
    }
    atm.cld_type = 1;
    atm.baseMSL = 1000;
    atm.topsMSL = 2000;
    EXPECT_FALSE(traffic_visible(3000, 500));
    EXPECT_TRUE(traffic_visible(3000, 2500));
    EXPECT_TRUE(traffic_visible(200, 500));
    atm.cld_type = 0;
    EXPECT_TRUE(traffic_visible(3000, 500));
}

TEST(Hud, FlightPathMarkerStaysInsideTheBox)
{
    con.HUD_lft = 100; con.HUD_rgt = 700; con.HUD_bot = 41; con.HUD_top = 541;
    con.cntrx = 400; con.cntry = 291;
    float x, y;
    hud_fpm(2.0f, 5.0f, -4.0f, &x, &y);
    EXPECT_FLOAT_EQ(x, (float)(int)(400 - 2 * 9.41f));
    EXPECT_FLOAT_EQ(y, (float)(int)(291 - 1 * 9.41f));
    hud_fpm(-90.0f, 60.0f, 0.0f, &x, &y);
    EXPECT_FLOAT_EQ(x, 698.0f);
    EXPECT_FLOAT_EQ(y, 43.0f);
}

TEST(Precipitation, DropCountFollowsStormAndDepthInCloud)
{
    EXPECT_EQ(precip_drop_count(0.0f, 1.0f, 500.0f, 1000.0f, 2000.0f), 0);
    EXPECT_EQ(precip_drop_count(4.0f, 1.0f, 500.0f, 1000.0f, 2000.0f), 100);
    EXPECT_EQ(precip_drop_count(4.0f, 5.0f, 500.0f, 1000.0f, 2000.0f), 199);
    EXPECT_EQ(precip_drop_count(4.0f, 1.0f, 1500.0f, 1000.0f, 2000.0f), 50);
    EXPECT_EQ(precip_drop_count(4.0f, 5.0f, 2000.0f, 1000.0f, 2000.0f), 0);
}

int vertices;
void count_vertex(GLfloat, GLfloat, GLfloat) { vertices++; }

TEST(Terrain, OneBatchPerTextureOfTheCellsInTheCone)
{
    const qgl_table saved = qgl;
    qgl.Vertex3f = count_vertex;
    std::memset(ter_inrange, 0, sizeof ter_inrange);
    std::memset(carr_on_poly, 0, sizeof carr_on_poly);
    std::memset(frig_on_poly, 0, sizeof frig_on_poly);
    std::memset(oilr_on_poly, 0, sizeof oilr_on_poly);
    scn.i1_plot_bound_ter = 10; scn.i2_plot_bound_ter = 19;
    scn.j1_plot_bound_ter = 10; scn.j2_plot_bound_ter = 19;
    for (int i = 0; i < TER_I; i++)
        for (int j = 0; j < TER_J; j++) planetex[i][j] = (i + j) % 2 ? TEX_WATER : TEX_FLAT;
    for (int i = 0; i < 30; i++)
        for (int j = 15; j < 30; j++) ter_inrange[i][j] = 1;   // half the box is in the cone
    vertices = 0;
    plot_terrain();
    EXPECT_EQ(vertices, 10 * 5 * 6);
    EXPECT_EQ(terrain_cells_of_texture(TEX_WATER), 25);
    EXPECT_EQ(terrain_cells_of_texture(TEX_STEEP), 0);
    qgl = saved;
}

TEST(ViewCone, WidenedTriangleAheadOfTheEye)
{
    x0 = 0; z0 = 0;
    x1 = -1000; z1 = -1000;   // looking north (z falls)
    x2 = 1000; z2 = -1000;
    EXPECT_TRUE(incone(0, -500, 0));
    EXPECT_FALSE(incone(0, 500, 0));
    EXPECT_TRUE(incone(0, 50, 100));   // just behind, inside the margin
    EXPECT_FALSE(incone(-900, -500, 0));
}

int shifted_with;
void record_drop(int type) { shifted_with = type; }

TEST(RegionFollowing, ShiftCallsTheDropAndMovesTheCorner)
{
    env.lat_sou = 34;
    env.lon_wes = -118;
    flt.lat = 34.9f;
    flt.lon = -118.0f + 0.96f;
    scene_set_quadrant_drop(record_drop);
    shifted_with = 0;
    EXPECT_EQ(region_follow(), SHIFT_NONE);
    EXPECT_EQ(shifted_with, 0);
    EXPECT_EQ(env.lon_wes, -118);
    scene_set_quadrant_drop(nullptr);
}

}  // namespace
}  // namespace orv
