// Ships, traffic, head-up display, windscreen precipitation, the terrain batches and the
// region following of the scene update.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "2-QZutils/drplane.h"
#include "2-QZutils/qgl.h"
#include "2-QZutils/qgl3d.h"
#include "2-QZutils/qz_funct.h"
#include "2-QZutils/records.h"
#include "render/airport_draw.h"
#include "render/hud.h"
#include "render/lights_draw.h"
#include "render/precip.h"
#include "render/scene.h"
#include "render/scene_laws.h"
#include "render/ship_models.h"
#include "render/ships.h"
#include "render/sky.h"
#include "render/terrain_draw.h"
#include "support/gl_record.h"
#include "world/apt_gen.h"
#include "world/nav_db.h"
#include "world/obstacles.h"
#include "world/terrain_grid.h"

namespace orv {
namespace {

// Two carriers keep a localizer and glide slope each, and neither takes the data file's last
// navaid.
TEST(Carrier, EachPublishesItsOwnLocalizerAndGlideSlope)
{
    env.navmax = 21 + 2 * CARRIER_NAV_PAIRS;   // the terminator at 21, the carriers after it
    nav_type[20] = NAV_VOR;
    nav_type[21] = NAV_END;
    const int west = carrier_of_cell(10, 10), east = carrier_of_cell(150, 100);
    ASSERT_NE(west, east);
    publish_carrier_ils(west, 33.5f, -118.25f, 19.0f);
    publish_carrier_ils(east, 34.5f, -116.25f, 19.0f);
    const int w = carrier_loc_entry(west), e = carrier_loc_entry(east);
    ASSERT_GT(fltmin2((float)w, (float)e) - 1, 21.0f);   // behind the terminator, inside navmax
    ASSERT_LE(fltmax2((float)w, (float)e), (float)env.navmax);
    EXPECT_EQ(nav_type[w], NAV_LOC);
    EXPECT_EQ(nav_type[e - 1], NAV_GS);
    EXPECT_FLOAT_EQ(nav_lat[w], 33.5f);   // neither pair overwrote the other
    EXPECT_FLOAT_EQ(nav_lat[w - 1], 33.5f);
    EXPECT_FLOAT_EQ(nav_lat[e], 34.5f);
    EXPECT_FLOAT_EQ(nav_lat[e - 1], 34.5f);
    EXPECT_EQ(nav_type[20], NAV_VOR);
    EXPECT_EQ(nav_type[21], NAV_END);
}

// Level faces of the ships as the culling sees them from above: a deck or roof must run
// clockwise (normal (b - a) x (c - a) pointing down), or only the water shows through it.
GLenum deck_mode;
int deck_n, level_faces, level_up;
float deck_v[3][3];
void deck_begin(GLenum m) { deck_mode = m; deck_n = 0; }
void deck_face()
{
    const float* a = deck_v[0];
    const float* b = deck_v[1];
    const float* c = deck_v[2];
    const float u[3] = {b[0] - a[0], b[1] - a[1], b[2] - a[2]}, w[3] = {c[0] - a[0], c[1] - a[1], c[2] - a[2]};
    const float nx = u[1] * w[2] - u[2] * w[1], ny = u[2] * w[0] - u[0] * w[2], nz = u[0] * w[1] - u[1] * w[0];
    const float area2 = nx * nx + ny * ny + nz * nz;
    if (area2 < 1e-6f || ny * ny < 0.99f * area2) return;   // a side, or the closed bow's sliver
    level_faces++;
    level_up += ny < 0.0f;
}
void deck_vertex(GLfloat x, GLfloat y, GLfloat z)
{
    const int k = deck_n < 3 ? deck_n : 2;
    deck_v[k][0] = x; deck_v[k][1] = y; deck_v[k][2] = z;
    deck_n++;
    if (deck_mode == GL_QUADS && deck_n == 3) deck_face();
    if (deck_mode == GL_QUADS && deck_n == 4) deck_n = 0;
    if (deck_mode == GL_TRIANGLE_FAN && deck_n >= 3) {
        deck_face();
        for (int c = 0; c < 3; c++) deck_v[1][c] = deck_v[2][c];
        deck_n = 2;
    }
}

TEST(Ships, DecksAndRoofsFaceUp)
{
    load_ship_models();
    orv_test::gl_record_start(deck_begin, deck_vertex);
    env.navmax = -1;
    for (int ship = 0; ship < 3; ship++) {
        level_faces = level_up = 0;
        if (ship == 0) draw_a_carr(0, 0, 0);
        if (ship == 1) draw_a_frig(0, 0, 0);
        if (ship == 2) draw_a_oilr(0, 0, 0);
        EXPECT_GE(level_faces, ship == 2 ? 2 : CARR_STATIONS / 2) << ship;
        EXPECT_EQ(level_up, level_faces) << ship;
    }
    EXPECT_EQ(orv_test::gl_record_stop(), 0);
    EXPECT_EQ(orv_test::glrec.vertices[GL_LINES], 8);   // the rig's four legs
}

// The rig's ground contact stands where its deck box and helideck are drawn.
TEST(Ships, RigDeckAndHelideckCarryTheAircraftAtTheirDrawnTops)
{
    load_ship_models();
    orv_test::gl_record_start();
    const float rig_y = 2.0f;
    struct spot { float x, top; } spots[] = {
        {0.0f, rig_y + oilr_pxyz[4][1][1]},                                             // the deck box
        {0.5f * (oilr_pxyz[12][1][0] + oilr_pxyz[13][1][0]), rig_y + oilr_pxyz[12][1][1]}};   // the helideck
    for (const spot& s : spots) {
        flt.X = s.x;
        flt.Z = 0.0f;
        env.over_obs = 0;
        draw_a_oilr(0.0f, rig_y, 0.0f);
        EXPECT_EQ(env.over_obs, 1) << s.x;
        EXPECT_FLOAT_EQ(env.obj_height, s.top) << s.x;
    }
    orv_test::gl_record_stop();
}

// Smoke rises from the fires that burn, never from an unlit one or the region's origin.
float smoke_far;
void smoke_at(GLfloat x, GLfloat, GLfloat z) { smoke_far = fltmax2(smoke_far, pythag(x - 5000.0f, z + 5000.0f)); }
TEST(Fires, SmokeRisesOnlyFromTheBurningFire)
{
    x0 = 0; z0 = 1e6f; x1 = -1e7f; z1 = -1e7f; x2 = 1e7f; z2 = -1e7f;   // everything in view
    std::memset(scn.fire_on, 0, sizeof scn.fire_on);
    std::memset(scn.firexyz, 0, sizeof scn.firexyz);
    scn.fire_on[6] = 1;
    scn.firexyz[6][0] = 5000.0f;
    scn.firexyz[6][2] = -5000.0f;
    msc.prd = 0.05f;
    const qgl3d_table saved = qgl3d;
    qgl3d.Translatef = smoke_at;
    smoke_far = 0.0f;
    for (int frame = 0; frame < 400; frame++) plot_fires();
    qgl3d = saved;
    EXPECT_LT(smoke_far, 500.0f);
}

// Poles, pylons, masts and guy wires are lines: each pair of vertices inside its own primitive.
TEST(SceneLines, WindsockPolePowerTowerAndGuyedMast)
{
    for (int k = 0; k < 3; k++) scn.sockxyz[0][0][0][k] = 10.0f * k;
    obj_xyz[7][0][0][1] = 100.0f;
    obj_xyz[7][0][1][1] = 160.0f;
    orv_test::gl_record_start();
    plot_windsock(0, 0, 0);
    plot_powertower(7);
    plot_radtower(7);
    EXPECT_EQ(orv_test::gl_record_stop(), 0);
    EXPECT_EQ(orv_test::glrec.vertices[GL_LINES], 2 * (1 + 4 + 4));
}

TEST(Ships, AircraftOverTheCarrierStandsOnTheDeckAsDrawn)
{
    load_ship_models();
    for (int i = 0; i < TER_I; i++)
        for (int j = 0; j < TER_J; j++) {
            planexyz[i][j][0] = 100.0f * i;
            planexyz[i][j][1] = 0.0f;
            planexyz[i][j][2] = -100.0f * j;
        }
    std::memset(carr_on_poly, 0, sizeof carr_on_poly);
    std::memset(frig_on_poly, 0, sizeof frig_on_poly);
    std::memset(oilr_on_poly, 0, sizeof oilr_on_poly);
    std::memset(ter_inrange, 0, sizeof ter_inrange);
    carr_on_poly[20][20] = 1;
    frig_on_poly[30][20] = 1;
    ter_inrange[20][20] = ter_inrange[30][20] = 1;
    scn.i1_plot_bound_ter = scn.j1_plot_bound_ter = 10;
    scn.i2_plot_bound_ter = scn.j2_plot_bound_ter = 40;
    env.navmax = -1;
    env.carr_the = 2.0f;     // bow up
    env.carr_phi = 0.0f;
    const float cx = 2050.0f, cz = -2050.0f, aft = 50.0f;   // the cell's middle, 50 m aft of it
    flt.X = cx;
    flt.Z = cz + aft;
    env.over_carr = env.over_frig = env.over_obs = 0;
    plot_terrain();
    EXPECT_EQ(env.over_carr, 1);
    EXPECT_EQ(env.over_frig, 0);
    EXPECT_EQ(env.surf_type, SURF_CARRIER_DECK);
    // The drawing turns the deck point (0, deck, z) by the pitch about x: it reaches 50 m aft
    // at this height, and the ground contact must find the same.
    const float t = env.carr_the * (float)M_PI / 180.0f;
    const float z = (aft - CARR_DECK_H * std::sin(t)) / std::cos(t);
    const float drawn = CARR_DECK_H * std::cos(t) - z * std::sin(t);
    int ci, cj;
    EXPECT_NEAR(find_local_h((float)flt.X, (float)flt.Z, &ci, &cj, 1), drawn, 0.05f);
    // Over the frigate next door instead: its flag, its 7 m deck.
    env.over_carr = 0;
    flt.X = 3050.0f;
    flt.Z = cz;
    plot_terrain();
    EXPECT_EQ(env.over_carr, 0);
    EXPECT_EQ(env.over_frig, 1);
    EXPECT_NEAR(find_local_h((float)flt.X, (float)flt.Z, &ci, &cj, 1), FRIG_DECK_H, 0.01f);
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

// On the glide path and pointed down it, the hoops line up on the boresight and shrink with
// distance; 100 m north of an eastbound approach they stand to the right.
TEST(Hud, HoopsMarkTheApproachAheadAndSwitchOnTheirOwnButton)
{
    con.cntrx = con.cntry = 400.0f;
    con.HUD_lft = 100.0f, con.HUD_rgt = 700.0f, con.HUD_bot = 200.0f, con.HUD_top = 600.0f;
    set.view_type = VIEW_FWD;
    nav.goodnav[1] = 1;
    nav.ilsgs[1] = 3.0f;
    nav.ilscrs[1] = 90.0f;
    nav.gsX[1] = 10000.0f, nav.gsY[1] = 0.0f, nav.gsZ[1] = 0.0f;
    const float back = 5556.0f;
    flt.X = 10000.0f - back;
    flt.Y = back * std::tan(3.0f * (float)M_PI / 180.0f);
    flt.Z = 0.0f;
    flt.psi = 90.0f, flt.the = -3.0f, flt.phi = 0.0f;
    float last_half = 1e9f;
    for (int k = 0; k < HOOPS; k++) {
        float x, y, h;
        ASSERT_TRUE(hud_hoop(k, &x, &y, &h)) << k;
        EXPECT_NEAR(x, 400.0f, 0.5f) << k;
        EXPECT_NEAR(y, 400.0f, 0.5f) << k;
        EXPECT_LT(h, last_half) << k;
        last_half = h;
    }
    flt.Z = -100.0f;
    float x, y, h;
    ASSERT_TRUE(hud_hoop(3, &x, &y, &h));   // about 1 km ahead: 5 degrees right
    EXPECT_NEAR(x, 400.0f + 5.4f * HUD_PIX_PER_DEG, 3.0f);
    flt.X = nav.gsX[1] + 10.0f;   // past the antenna: nothing left to fly through
    EXPECT_FALSE(hud_hoop(0, &x, &y, &h));

    EXPECT_EQ(hud_shown(3, 1, 0), HUD_NONE);   // the HUD switch alone does not bring it up
    EXPECT_EQ(hud_shown(3, 0, 1), HUD_HOOPS);
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

// Faces as the drawing layer's culling sees them: front faces run clockwise on screen.
struct face_log {
    GLenum mode;
    int n;
    float v[8][3];
    int faces, clockwise;
    GLenum shade;
    int flat_vertices;
} sky_log;
void log_shade(GLenum m) { sky_log.shade = m; }
void log_begin(GLenum m) { sky_log.mode = m; sky_log.n = 0; }
void log_face(const float* a, const float* b, const float* c)
{
    const float u[3] = {b[0] - a[0], b[1] - a[1], b[2] - a[2]}, w[3] = {c[0] - a[0], c[1] - a[1], c[2] - a[2]};
    const float n[3] = {u[1] * w[2] - u[2] * w[1], u[2] * w[0] - u[0] * w[2], u[0] * w[1] - u[1] * w[0]};
    // Seen from the origin a face is clockwise when its normal points away from the eye.
    const float away = n[0] * (a[0] + b[0] + c[0]) + n[1] * (a[1] + b[1] + c[1]) + n[2] * (a[2] + b[2] + c[2]);
    sky_log.faces++;
    sky_log.clockwise += away > 0.0f;
}
void log_vertex(GLfloat x, GLfloat y, GLfloat z)
{
    face_log& l = sky_log;
    l.flat_vertices += l.shade != GL_SMOOTH;
    float* p = l.v[l.n < 8 ? l.n : 7];
    p[0] = x; p[1] = y; p[2] = z;
    l.n++;
    if (l.mode == GL_QUADS && l.n == 4) {
        log_face(l.v[0], l.v[1], l.v[2]);
        l.n = 0;
    } else if (l.mode == GL_TRIANGLE_FAN && l.n >= 3) {
        log_face(l.v[0], l.v[1], l.v[2]);
        for (int k = 0; k < 3; k++) l.v[1][k] = l.v[2][k];
        l.n = 2;
    }
}

TEST(SkyBox, EveryFaceRunsClockwiseSeenFromTheEyeInsideAndShadesSmooth)
{
    const qgl_table saved = qgl;
    qgl.Begin = log_begin;
    qgl.Vertex3f = log_vertex;
    qgl.ShadeModel = log_shade;
    sky_log = {};
    sky_log.shade = GL_FLAT;   // as the drawing layer leaves it
    plot_sky_box(1000.0f, {0.4f, 0.6f, 1.0f}, 1.0f, 0.6f, 0.4f);
    qgl = saved;
    EXPECT_EQ(sky_log.faces, 8 + 4 + 1);   // two bands of four walls, the lid's four, the floor
    EXPECT_EQ(sky_log.clockwise, sky_log.faces);
    // Flat shading would paint each band in one colour: no gradient from the horizon up.
    EXPECT_EQ(sky_log.flat_vertices, 0);
    EXPECT_EQ(sky_log.shade, (GLenum)GL_FLAT);   // and the layer's flat shading is back
}

int shifted_with, shifts;
void record_shift(int type)
{
    shifted_with = type;
    shifts++;
}

TEST(RegionFollowing, OneShiftAFramePastTheWesternBand)
{
    env.lat_sou = 34;
    env.lon_wes = -118;
    flt.lat = 34.9f;
    flt.lon = -118.0f + 0.96f;
    scene_set_region_shift(record_shift);
    shifts = 0;
    EXPECT_EQ(region_follow(), SHIFT_NONE);
    EXPECT_EQ(shifts, 0);
    flt.lon = -118.0f + 0.94f;
    flt.lat = 34.0f + 1.6f;   // north too: west goes first, one shift only
    EXPECT_EQ(region_follow(), REGION_WEST);
    EXPECT_EQ(shifts, 1);
    EXPECT_EQ(shifted_with, REGION_WEST);
    scene_set_region_shift(nullptr);
}

}  // namespace
}  // namespace orv

namespace orv {
namespace {

class FrameSetup : public ::testing::Test {
protected:
    void SetUp() override
    {
        set_constants();
        init_trig_tables();
        std::memset(&atm, 0, sizeof atm);
        std::memset(&scn, 0, sizeof scn);
        std::memset(&flt, 0, sizeof flt);
        std::memset(&pln, 0, sizeof pln);
        atm.vis_rep = 10 * 1852.0f;
        atm.vis_mult = 1.0f;
        flt.X = 100;
        flt.Y = 300;
        flt.Z = -100;
        flt.the = 5;
        flt.psi = 60;
        flt.phi = 10;
        msc.prd = 0.05f;
        set.view_type = VIEW_BACK;
        set.view_is_fullscreen = 1;
        scene_init();
    }
};

TEST_F(FrameSetup, NoonAndNightAtTheSameSpot)
{
    msc.locl_time = 12 * 3600.0f;
    place_eye();
    scene_frame_setup();
    EXPECT_FLOAT_EQ(scn.psi, 240.0f);
    EXPECT_FLOAT_EQ(scn.the, -5.0f);
    EXPECT_FLOAT_EQ(ogl_brat_ter, 1.0f);
    EXPECT_FALSE(scn.city_lites_on);
    EXPECT_NEAR(atm.vis_eff, 10 * 1852.0f * (1.0f + 300.0f / 10000.0f), 1.0f);
    EXPECT_FLOAT_EQ(con.HUD_top, 541.0f);
    const rgb3 noon = scene_last_frame().base;
    EXPECT_GT(noon.b, noon.r);     // a blue sky, and the fog takes the same colour

    msc.locl_time = 22 * 3600.0f;
    scene_frame_setup();
    EXPECT_TRUE(scn.city_lites_on);
    EXPECT_TRUE(scn.rway_lites_on);
    EXPECT_LT(ogl_brat_ter, 0.05f);
    EXPECT_GT(lite_b, lite_r);      // moonlight
    EXPECT_LT(scene_last_frame().base.b, noon.b);
}

TEST_F(FrameSetup, TowerViewFromTheFirstFrameStandsAtTheNearestAirport)
{
    std::memset(&env, 0, sizeof env);
    for (int a = 0; a < REG_LIST_CAP; a++) apt_to_index[a] = -1;
    env.apt_list_max = 1;
    // Airport 1 is the aircraft's own; its first slot is empty and its runway is in the second.
    for (int a = 0; a < 2; a++) {
        apt_to_index[a] = 10 + a;
        env.rwaymax[a] = a;
        setuprunway(a, a, a == 0 ? 30000.0f : 165.0f, -450.0f, 0.0f, 900.0f, 30.0f, 0.0f, 0);
    }
    msc.loc_apt_reg = 0;   // what a start leaves before any frame is drawn
    set.view_type = VIEW_TOWER;
    scene_reset();
    place_eye();
    EXPECT_EQ(msc.loc_apt_reg, 1);
    EXPECT_NEAR(con.VIEW_xyz[0], 150.0f + 30.0f + 60.0f, 1.0f);   // two widths off the right edge
    EXPECT_NEAR(con.VIEW_xyz[1], 30.0f, 0.5f);
}

// In a right bank an eye above the centre of gravity swings right; the frame turns the
// propeller strobe once.
TEST_F(FrameSetup, CockpitEyeRollsWithTheBankAndTheFrameTurnsThePropellerOnce)
{
    set.view_type = VIEW_FWD;
    pln.peY = 1.0f;
    flt.psi = 0.0f, flt.the = 0.0f, flt.phi = 90.0f;
    place_eye();
    EXPECT_NEAR(con.VIEW_xyz[0], 100.0f + 1.0f, 0.01f);
    EXPECT_NEAR(con.VIEW_xyz[1], 300.0f, 0.01f);
    prop_angle = 0.0f;
    scene_frame_setup();
    EXPECT_FLOAT_EQ(prop_angle, prop_step(0));
}

TEST_F(FrameSetup, ChaseEyeLagsBehindAndLooksAtTheAircraft)
{
    msc.locl_time = 12 * 3600.0f;
    set.view_type = VIEW_CHASE;
    flt.vZ = -50;   // flying north
    place_eye();
    scene_frame_setup();
    EXPECT_NEAR(con.VIEW_xyz[2], (float)flt.Z + scn.dist, 3.0f);   // behind, to the south
    EXPECT_NEAR(scn.psi, 0.0f, 0.5f);
    EXPECT_FLOAT_EQ(scn.phi, 0.0f);
    // The aircraft jumps 100 m east: the eye goes only a frame's share of the way.
    flt.X += 100;
    place_eye();
    EXPECT_NEAR(con.VIEW_xyz[0], 100.0f + 100.0f * msc.prd, 0.5f);
}

}  // namespace
}  // namespace orv
