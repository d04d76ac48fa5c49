#include "render/ships.h"

#include <cmath>
#include <cstdio>

#include "2-QZutils/qgl.h"
#include "2-QZutils/qgl3d.h"
#include "2-QZutils/qz_angles.h"
#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_graph.h"
#include "2-QZutils/records.h"
#include "flight/funct.h"
#include "render/scene.h"
#include "render/ship_models.h"
#include "world/nav_db.h"
#include "world/region.h"

namespace orv {

namespace {

constexpr float LSO_WATCH_M = 12000;   // beyond the officer's 5 nm

constexpr int TEX_DECK = 45, TEX_HULL = 49, TEX_TOWER = 48, TEX_METAL_SHIP = -91;

// Carrier island: starboard, amidships; frigate superstructure: forward of amidships.
constexpr float ISLAND_X0 = 20.0f, ISLAND_X1 = 28.0f, ISLAND_Z0 = -40.0f, ISLAND_Z1 = 10.0f, ISLAND_H = 22.0f;
constexpr float FRIG_SUP_HALF = 5.0f, FRIG_SUP_Z0 = -25.0f, FRIG_SUP_Z1 = 15.0f, FRIG_SUP_H = 8.0f;

void flat_normal(const float* a, const float* b, const float* c)
{
    const VVECT u = {b[0] - a[0], b[1] - a[1], b[2] - a[2]};
    const VVECT v = {c[0] - a[0], c[1] - a[1], c[2] - a[2]};
    VVECT n;
    find_normal_vects(&u, &v, &n);
    qgl.Normal3f(n.x, n.y, n.z);
}

// The sides between consecutive stations (the outline closes), then the deck as a fan.
void hull(float (*pxyz)[2][3], int stations, int hull_tex, int deck_tex)
{
    OGL_bindtex(hull_tex);
    for (int i = 0; i < stations; i++) {
        const int n = (i + 1) % stations;
        CFR_3dquad(pxyz[i][0], pxyz[n][0], pxyz[n][1], pxyz[i][1]);
    }
    OGL_bindtex(deck_tex);
    float c[3] = {0, 0, 0};
    for (int i = 0; i < stations; i++)
        for (int k = 0; k < 3; k++) c[k] += pxyz[i][1][k] / (float)stations;
    // The outline runs clockwise seen from above, the side the drawing layer keeps.
    qgl.Normal3f(0, 1, 0);
    qgl.Begin(GL_TRIANGLE_FAN);
    qgl.TexCoord2f(0.5f, 0.5f);
    qgl.Vertex3f(c[0], c[1], c[2]);
    for (int i = 0; i <= stations; i++) {
        const float* p = pxyz[i % stations][1];
        qgl.TexCoord2f(p[0] * 0.01f + 0.5f, p[2] * 0.01f + 0.5f);
        qgl.Vertex3f(p[0], p[1], p[2]);
    }
    qgl.End();
}

void box(float x0, float x1, float y0, float y1, float z0, float z1)
{
    const float p[8][3] = {{x0, y0, z0}, {x1, y0, z0}, {x1, y0, z1}, {x0, y0, z1},
                           {x0, y1, z0}, {x1, y1, z0}, {x1, y1, z1}, {x0, y1, z1}};
    for (int k = 0; k < 4; k++) {
        const int n = (k + 1) % 4;
        CFR_3dquad(p[k], p[n], p[n + 4], p[k + 4]);
    }
    CFR_3dquad(p[4], p[5], p[6], p[7]);
}

int over(float xcg, float zcg, float half_x, float half_z)
{
    return std::fabs((float)flt.X - xcg) < half_x && std::fabs((float)flt.Z - zcg) < half_z;
}

// The aircraft is over this ship: the ground contact takes its deck from here, tilted with
// the ship's pitch and roll about its centre.
void hold_deck(float xcg, float ycg, float zcg, float the, float phi)
{
    con.BOAT_loc_X = xcg;
    con.BOAT_loc_Y = ycg;
    con.BOAT_loc_Z = zcg;
    con.sinBOATthe = std::sin(the * DEG_TO_RAD_F);
    con.cosBOATthe = std::cos(the * DEG_TO_RAD_F);
    con.sinBOATphi = std::sin(phi * DEG_TO_RAD_F);
    con.cosBOATphi = std::cos(phi * DEG_TO_RAD_F);
    con.sinBOATpsi = 0.0f;   // the ships hold the grid's north-south line
    con.cosBOATpsi = 1.0f;
}

void set_navaid(int n, int type, float lat, float lon, float h)
{
    if (n < 0 || n >= NAV_CAP) return;
    nav_type[n] = type;
    nav_lat[n] = lat;
    nav_lon[n] = lon;
    nav_h[n] = h;
    nav_f12[n] = CARR_LOC_FREQ;
    nav_hdng[n] = CARR_LOC_COURSE;
    nav_inreg[n] = 1;
    std::snprintf(nav_id[n], sizeof nav_id[n], "----");
    std::snprintf(nav_name[n], sizeof nav_name[n], "USS Enterprise");
}

}  // namespace

void CFR_3dquad(const float* a, const float* b, const float* c, const float* d)
{
    flat_normal(a, b, c);
    qgl.Begin(GL_QUADS);
    qgl.TexCoord2f(0, 0); qgl.Vertex3f(a[0], a[1], a[2]);
    qgl.TexCoord2f(1, 0); qgl.Vertex3f(b[0], b[1], b[2]);
    qgl.TexCoord2f(1, 1); qgl.Vertex3f(c[0], c[1], c[2]);
    qgl.TexCoord2f(0, 1); qgl.Vertex3f(d[0], d[1], d[2]);
    qgl.End();
}

void publish_carrier_ils(int carrier, float lat, float lon, float h)
{
    const int loc = carrier_loc_entry(carrier);
    if (loc < 0) return;
    set_navaid(loc, NAV_LOC, lat, lon, h);
    set_navaid(loc - 1, NAV_GS, lat, lon, h);
}

int carrier_of_cell(int i, int j) { return intlim(i / QUAD_DI, 0, 2) + 3 * intlim(j / QUAD_DJ, 0, 1); }

// The ship is drawn about the current origin (the caller has moved to its centre and
// turned it by its pitch and roll); (xcg, ycg, zcg) is that centre in the region frame.
void carr_deck(float xcg, float ycg, float zcg, int carrier)
{
    publish_carrier_ils(carrier, lat_with_z(zcg), lon_with_xz(xcg, zcg), ycg + CARR_DECK_H);
    // Where the aircraft is from the deck, for the landing signal officer (one carrier sails
    // in a quadrant, so only one is ever this near).
    if (std::fabs((float)flt.X - xcg) < LSO_WATCH_M && std::fabs((float)flt.Z - zcg) < LSO_WATCH_M) {
        atc.cardxyz[0] = (float)flt.X - xcg;
        atc.cardxyz[1] = (float)flt.Y - (ycg + CARR_DECK_H);
        atc.cardxyz[2] = (float)flt.Z - zcg;
    }
    if (over(xcg, zcg, CARR_BEAM * 0.5f, CARR_LENGTH * 0.5f)) {
        env.over_carr = 1;
        env.surf_type = SURF_CARRIER_DECK;
        hold_deck(xcg, ycg, zcg, env.carr_the, env.carr_phi);
    }
}

void frig_deck(float xcg, float ycg, float zcg)
{
    if (over(xcg, zcg, FRIG_BEAM * 0.5f, FRIG_LENGTH * 0.5f)) {
        env.over_frig = 1;
        hold_deck(xcg, ycg, zcg, env.frig_the, env.frig_phi);
    }
}

void oilr_deck(float xcg, float ycg, float zcg)
{
    // What stands under the aircraft is what is drawn: the deck box, or the helideck beside it.
    if (over(xcg, zcg, OILR_SIZE * 0.5f, OILR_SIZE * 0.5f)) {
        env.over_obs = 1;
        env.obj_height = ycg + OILR_DECK_H + OILR_BOX_DEPTH;
    } else if (over(xcg + OILR_HELIDECK_X, zcg, OILR_HELIDECK_HALF, OILR_HELIDECK_HALF)) {
        env.over_obs = 1;
        env.obj_height = ycg + OILR_HELIDECK_TOP;
    }
}

void draw_a_carr(float xcg, float ycg, float zcg, int carrier)
{
    carr_deck(xcg, ycg, zcg, carrier);
    OGL_setstate(1, 1, 1, 1);
    qgl3d.Color3f(1, 1, 1);
    hull(carr_pxyz, CARR_STATIONS, TEX_HULL, TEX_DECK);
    OGL_bindtex(TEX_TOWER);
    box(ISLAND_X0, ISLAND_X1, CARR_DECK_H, CARR_DECK_H + ISLAND_H, ISLAND_Z0, ISLAND_Z1);
    OGL_setstate(1, 0, 0, 1);
    qgl3d.PointSize(2.0f);
    qgl.Begin(GL_POINTS);
    for (int k = 0; k < CARR_LIGHTS; k++) {
        // Edge lights white, centreline amber, drop lights red.
        if (k < 50) qgl3d.Color3f(1.0f, 1.0f, 0.9f);
        else if (k < 65) qgl3d.Color3f(1.0f, 0.7f, 0.2f);
        else qgl3d.Color3f(1.0f, 0.1f, 0.1f);
        qgl.Vertex3f(carr_lxyz[k][0], carr_lxyz[k][1], carr_lxyz[k][2]);
    }
    qgl.End();
}

void draw_a_frig(float xcg, float ycg, float zcg)
{
    frig_deck(xcg, ycg, zcg);
    OGL_setstate(1, 1, 1, 1);
    qgl3d.Color3f(1, 1, 1);
    hull(frig_pxyz, FRIG_STATIONS, TEX_HULL, TEX_DECK);
    OGL_bindtex(TEX_TOWER);
    box(-FRIG_SUP_HALF, FRIG_SUP_HALF, FRIG_DECK_H, FRIG_DECK_H + FRIG_SUP_H, FRIG_SUP_Z0, FRIG_SUP_Z1);
}

void draw_a_oilr(float xcg, float ycg, float zcg)
{
    oilr_deck(xcg, ycg, zcg);
    OGL_setstate(1, 1, 1, 1);
    qgl3d.Color3f(1, 1, 1);
    OGL_bindtex(TEX_METAL_SHIP);
    // Stations 0..3 legs, 4..7 the deck box, 8..11 the derrick, 12..15 the helideck.
    for (int g = 4; g < OILR_STATIONS; g += 4)
        for (int k = 0; k < 4; k++) {
            const int n = g + (k + 1) % 4;
            CFR_3dquad(oilr_pxyz[g + k][0], oilr_pxyz[n][0], oilr_pxyz[n][1], oilr_pxyz[g + k][1]);
        }
    for (int g = 4; g < OILR_STATIONS; g += 8)   // deck and helideck tops, clockwise from above
        CFR_3dquad(oilr_pxyz[g][1], oilr_pxyz[g + 1][1], oilr_pxyz[g + 2][1], oilr_pxyz[g + 3][1]);
    OGL_setstate(1, 0, 1, 1);
    qgl3d.LineWidth(3.0f);
    for (int k = 0; k < 4; k++)
        OGL_3dline(oilr_pxyz[k][0][0], oilr_pxyz[k][0][1], oilr_pxyz[k][0][2], oilr_pxyz[k][1][0], oilr_pxyz[k][1][1], oilr_pxyz[k][1][2]);
    qgl3d.LineWidth(1.0f);
}

void place_all_traffic()
{
    for (int t = 0; t < TRAFFIC; t++) make_a_plane(t, 1);
}

int traffic_visible(float ty, float ey)
{
    if (atm.cld_type == 0) return 1;
    if (ty > atm.topsMSL && ey > atm.topsMSL) return 1;
    return ty <= atm.baseMSL && ey <= atm.baseMSL;
}

}  // namespace orv
