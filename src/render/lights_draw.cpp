#include "render/lights_draw.h"

#include <cmath>
#include <initializer_list>

#include "2-QZutils/qgl.h"
#include "2-QZutils/qgl3d.h"
#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_graph.h"
#include "2-QZutils/records.h"
#include "render/airport_draw.h"
#include "render/scene.h"
#include "world/apt_gen.h"
#include "world/nav_db.h"
#include "world/obstacles.h"

namespace orv {

namespace {

constexpr float DEG = (float)M_PI / 180.0f;
constexpr float GLIDE_POINT = 2.0f, RUNWAY_POINT = 1.0f, BEACON_POINT = 3.0f;
constexpr float BEACON_LIFT = 15.0f;
constexpr int   FLASHER_STEPS = 20;        // places in the sequenced flasher's run
constexpr float FLASHER_RATE = 2.0f;       // runs a second

constexpr float WHITE[3] = {1.0f, 1.0f, 0.9f};
constexpr float RED[3] = {1.0f, 0.2f, 0.2f};
constexpr float DEEP_RED[3] = {0.8f, 0.0f, 0.0f};
constexpr float GREEN[3] = {0.2f, 0.6f, 0.2f};
constexpr float BLUE_GREY[3] = {0.2f, 0.2f, 0.6f};
constexpr float AMBER[3] = {0.6f, 0.4f, 0.0f};
constexpr float BEACON_GREEN[3] = {0.2f, 1.0f, 0.4f};

// Side and roof textures drawn in batches, in that order.
constexpr int SIDE_TEXTURES[] = {OBJTEX_BLD_CONTOW, OBJTEX_BLD_BLOCK, OBJTEX_METAL, OBJTEX_BLD_NARTOP,
                                 OBJTEX_BLD_TAPERED, OBJTEX_BLD_NARBOT, OBJTEX_BLD_AVON};

int is_building(int t) { return t == 1 || t == 2 || t == 5 || t == 6 || (t >= 90 && t <= 97); }

// The side texture of a building kind.
int side_texture(int t)
{
    switch (t) {
    case 1: return OBJTEX_BLD_CONTOW;
    case 2: return OBJTEX_BLD_BLOCK;
    case 90: case 94: return OBJTEX_BLD_NARTOP;
    case 91: case 95: return OBJTEX_BLD_TAPERED;
    case 92: case 96: return OBJTEX_BLD_NARBOT;
    case 93: return OBJTEX_BLD_AVON;
    default: return OBJTEX_METAL;
    }
}
int roof_texture(int t) { return (t >= 94 && t <= 96) ? OBJTEX_PAD : OBJTEX_RWAY_PAVE; }

void point(const float c[3], float x, float y, float z)
{
    qgl.Color3fv(c);
    qgl.Vertex3f(x, y, z);
}

// The polygon's points run counter-clockwise seen from the side its normal points to; sent
// backwards they run clockwise from there, the side the drawing layer keeps.
void polygon(int o, int p)
{
    qgl.Normal3f(obj_nrml[o][p][0], obj_nrml[o][p][1], obj_nrml[o][p][2]);
    static const float st[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    qgl.Begin(obj_poltyp[o][p] == 3 ? GL_TRIANGLES : GL_QUADS);
    for (int k = obj_poltyp[o][p] - 1; k >= 0; k--) {
        qgl.TexCoord2f(st[k][0], st[k][1]);
        qgl.Vertex3f(obj_xyz[o][p][k][0], obj_xyz[o][p][k][1], obj_xyz[o][p][k][2]);
    }
    qgl.End();
}

}  // namespace

int glide_light_white(int kind, int light, float angle)
{
    static const float two_bar[2] = {3.5f, 2.5f};
    static const float four[4] = {2.6f, 2.9f, 3.1f, 3.4f};
    if (kind == 2) return angle >= two_bar[intlim(light, 0, 1)];
    if (kind == 3) return angle >= four[intlim(light, 0, 3)];
    return 0;
}

int approach_end(float runway_heading, float view_heading)
{
    return std::fabs(fltwrap(view_heading - runway_heading, -180.0f, 180.0f)) < 90.0f ? 0 : 1;
}

void plot_rway_lights()
{
    const float* eye = con.VIEW_xyz;
    const int flash_step = (int)(msc.elap_time * FLASHER_RATE * FLASHER_STEPS) % FLASHER_STEPS;
    for (int a = 0; a < REG_LIST_CAP; a++) {
        if (!apt_inrange[a]) continue;
        const int w = apt_to_index[a];
        if (w < 0) continue;
        const int first = first_runway(a);
        if (first < 0) continue;
        // Airport beacon beside the first runway, white and green in turn.
        const float(*c)[3] = scn.rwayxyz[a][first];
        qgl3d.PointSize(BEACON_POINT);
        qgl.Begin(GL_POINTS);
        point(scn.rb_cycle < (float)M_PI ? WHITE : BEACON_GREEN, c[1][0] + (c[1][0] - c[0][0]) * 3.0f,
              apt_h[w] + BEACON_LIFT, c[1][2] + (c[1][2] - c[0][2]) * 3.0f);
        qgl.End();
        for (int r = first; r <= intlim(env.rwaymax[a], -1, 2); r++) {
            if (!runway_built(a, r)) continue;
            const int toward = approach_end((float)apt_hdng[w][r], scn.psi);
            const int n = intlim(rwy_lgt_n[a][r], 0, RWY_LGT_CAP);
            // Glide-slope indicators are lit day and night.
            qgl3d.PointSize(GLIDE_POINT);
            qgl.Begin(GL_POINTS);
            for (int k = 0; k < n; k++) {
                if (rwy_lgt_kind[a][r][k] != LGT_GLIDE || rwy_lgt_end[a][r][k] != toward) continue;
                const float* p = rwy_lgt_xyz[a][r][k];
                const float ang = std::atan2(eye[1] - apt_h[w], pythag(eye[0] - p[0], eye[2] - p[2])) / DEG;
                point(ang >= (float)rwy_lgt_arg[a][r][k] * 0.1f ? WHITE : RED, p[0], p[1], p[2]);
            }
            qgl.End();
            if (!scn.rway_lites_on) continue;
            qgl3d.PointSize(RUNWAY_POINT);
            qgl.Begin(GL_POINTS);
            for (int k = 0; k < n; k++) {
                const float* p = rwy_lgt_xyz[a][r][k];
                const int end = rwy_lgt_end[a][r][k];
                switch (rwy_lgt_kind[a][r][k]) {
                case LGT_EDGE: case LGT_CENTRE: case LGT_TDZ: case LGT_APPROACH: point(WHITE, p[0], p[1], p[2]); break;
                case LGT_EDGE_AMBER: point(AMBER, p[0], p[1], p[2]); break;
                case LGT_CENTRE_RED: case LGT_APPROACH_RED: point(DEEP_RED, p[0], p[1], p[2]); break;
                case LGT_THRESHOLD: point(end == toward ? GREEN : DEEP_RED, p[0], p[1], p[2]); break;
                case LGT_REIL: if (end == toward && flash_step < 2) point(WHITE, p[0], p[1], p[2]); break;
                case LGT_FLASHER: if (end == toward && rwy_lgt_arg[a][r][k] == flash_step) point(WHITE, p[0], p[1], p[2]); break;
                default: break;
                }
            }
            qgl.End();
            // Taxiway edge along the parallel taxiway.
            if (env.tway[a][r]) {
                qgl.Begin(GL_POINTS);
                const float(*q)[3] = scn.markxyz[a][r][1];
                for (int k = 0; k <= 10; k++) {
                    const float f = k * 0.1f;
                    point(BLUE_GREY, q[0][0] + (q[3][0] - q[0][0]) * f, q[0][1] + 0.3f, q[0][2] + (q[3][2] - q[0][2]) * f);
                    point(BLUE_GREY, q[1][0] + (q[2][0] - q[1][0]) * f, q[1][1] + 0.3f, q[1][2] + (q[2][2] - q[1][2]) * f);
                }
                qgl.End();
            }
        }
    }
}

void plot_powertower(int o)
{
    const float* b = obj_xyz[o][0][0];
    const float h = obj_xyz[o][0][1][1] - b[1];
    const float g = ogl_brat_ter * 0.8f;
    qgl3d.Color3f(g, g, g);
    // A lattice pylon: two legs, the cross arm and its braces.
    const float half = h * 0.12f, arm = h * 0.3f;
    OGL_3dline(b[0] - half, b[1], b[2], b[0], b[1] + h, b[2]);
    OGL_3dline(b[0] + half, b[1], b[2], b[0], b[1] + h, b[2]);
    OGL_3dline(b[0] - arm, b[1] + h * 0.85f, b[2], b[0] + arm, b[1] + h * 0.85f, b[2]);
    OGL_3dline(b[0] - half * 0.5f, b[1] + h * 0.5f, b[2], b[0] + half * 0.5f, b[1] + h * 0.5f, b[2]);
}

void plot_radtower(int o)
{
    const float* b = obj_xyz[o][0][0];
    const float h = obj_xyz[o][0][1][1] - b[1];
    const float g = ogl_brat_ter * 0.7f;
    qgl3d.Color3f(g, g * 0.6f, g * 0.6f);
    OGL_3dline(b[0], b[1], b[2], b[0], b[1] + h, b[2]);
    // Guy wires to three anchors.
    for (int k = 0; k < 3; k++) {
        const float a = k * 120.0f * DEG, r = h * 0.35f;
        OGL_3dline(b[0], b[1] + h * 0.8f, b[2], b[0] + r * std::sin(a), b[1], b[2] - r * std::cos(a));
    }
    qgl3d.PointSize(2.0f);
    qgl.Begin(GL_POINTS);
    const float p = 0.5f + 0.5f * std::sin(2.0f * msc.elap_time);
    qgl3d.Color3f(p, 0.1f * p, 0.1f * p);
    qgl.Vertex3f(b[0], b[1] + h, b[2]);
    qgl3d.Color3f(0.8f, 0.0f, 0.0f);
    qgl.Vertex3f(b[0], b[1] + h * 0.5f, b[2]);
    qgl.End();
}

void plot_buildingsides()
{
    OGL_setstate(1, 1, 1, 1);
    qgl3d.Color3f(1.0f, 1.0f, 1.0f);
    for (int tex : SIDE_TEXTURES) {
        OGL_bindtex(tex);
        for (int o = 0; o < OBJ_CAP; o++) {
            if (!obj_inrange[o] || !is_building(obj_type[o]) || side_texture(obj_type[o]) != tex) continue;
            for (int p = 0; p < 4 && p < obj_npoly[o]; p++) polygon(o, p);
        }
    }
}

void plot_buildingtops()
{
    for (int tex : {OBJTEX_RWAY_PAVE, OBJTEX_PAD}) {
        OGL_bindtex(tex);
        for (int o = 0; o < OBJ_CAP; o++)
            if (obj_inrange[o] && is_building(obj_type[o]) && roof_texture(obj_type[o]) == tex && obj_npoly[o] > 4) polygon(o, 4);
    }
}

void plot_buildinglights()
{
    if (!scn.city_lites_on) return;
    OGL_setstate(1, 0, 0, 1);
    qgl3d.PointSize(1.0f);
    qgl.Begin(GL_POINTS);
    for (int o = 0; o < OBJ_CAP; o++) {
        if (!obj_inrange[o] || !is_building(obj_type[o]) || obj_npoly[o] < 5) continue;
        // A red light on each roof corner and lit windows in the middle of each wall.
        for (int k = 0; k < 4; k++) point(DEEP_RED, obj_xyz[o][4][k][0], obj_xyz[o][4][k][1] + 0.5f, obj_xyz[o][4][k][2]);
        for (int p = 0; p < 4; p++) {
            const float(*q)[3] = obj_xyz[o][p];
            point(AMBER, (q[0][0] + q[2][0]) * 0.5f, (q[0][1] + q[2][1]) * 0.5f, (q[0][2] + q[2][2]) * 0.5f);
        }
    }
    qgl.End();
}

void plot_obstacles()
{
    OGL_setstate(1, 0, 1, 1);
    for (int o = 0; o < OBJ_CAP; o++) {
        if (!obj_inrange[o]) continue;
        if (obj_type[o] == OBJ_POWER_TOWER) plot_powertower(o);
    }
    OGL_setstate(1, 0, 0, 1);
    for (int o = 0; o < OBJ_CAP; o++)
        if (obj_inrange[o] && obj_type[o] == OBJ_RADIO_TOWER) plot_radtower(o);
    plot_buildingsides();
    plot_buildingtops();
    // Custom objects: each triangle or quad with its own normal and texture.
    for (int o = 0; o < OBJ_CAP; o++) {
        if (!obj_inrange[o] || obj_type[o] <= OBJ_CUSTOM_BASE) continue;
        for (int p = 0; p < obj_npoly[o] && p < OBJ_POLYS; p++) {
            if (obj_poltyp[o][p] != 3 && obj_poltyp[o][p] != 4) continue;
            OGL_bindtex(obj_texrgb[o][p]);
            polygon(o, p);
        }
    }
    plot_buildinglights();
    OGL_setstate(1, 0, 0, 1);
}

}  // namespace orv
