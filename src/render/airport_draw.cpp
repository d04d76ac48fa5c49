#include "render/airport_draw.h"

#include <cmath>

#include "2-QZutils/qgl.h"
#include "2-QZutils/qgl3d.h"
#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_graph.h"
#include "2-QZutils/records.h"
#include "render/scene.h"
#include "world/apt_gen.h"
#include "world/nav_db.h"

namespace orv {

namespace {

constexpr float M_PER_FT = 0.3048f;
constexpr float CLASS2_FT = 4000.0f, CLASS3_FT = 8000.0f;
constexpr float SOCK_POLE = 5.0f;
constexpr float SOCK_WIND_LEVEL = 10.0f;   // m/s from which the sock flies straight out

float lerp(float a, float b, float f) { return a + (b - a) * f; }

// Point at fraction u across (0 left, 1 right) and f along (0 first end, 1 far end).
void runway_point(const float c[4][3], float u, float f, float y, float out[3])
{
    for (int k = 0; k < 3; k += 2) {
        const float left = lerp(c[0][k], c[3][k], f), right = lerp(c[1][k], c[2][k], f);
        out[k] = lerp(left, right, u);
    }
    out[1] = y;
}

// One textured quad between fractions u0..u1 across and f0..f1 along; `turned` reads it
// from the far end.
void runway_quad(const float c[4][3], float u0, float u1, float f0, float f1, float y, int turned)
{
    float p[4][3];
    runway_point(c, u0, f0, y, p[0]);
    runway_point(c, u1, f0, y, p[1]);
    runway_point(c, u1, f1, y, p[2]);
    runway_point(c, u0, f1, y, p[3]);
    static const float st[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    // Near left, far left, far right, near right: clockwise seen from above, the side the
    // drawing layer keeps.
    static const int order[4] = {0, 3, 2, 1};
    qgl.Begin(GL_QUADS);
    for (int k : order) {
        const float s = turned ? 1.0f - st[k][0] : st[k][0];
        const float t = turned ? 1.0f - st[k][1] : st[k][1];
        qgl.TexCoord2f(s, t);
        qgl.Vertex3f(p[k][0], p[k][1], p[k][2]);
    }
    qgl.End();
}

int unpaved(int surface) { return surface == SURF_GRASS || surface == SURF_DIRT || surface == SURF_GRAVEL; }

void mark_surface(int surface, float height)
{
    env.over_obs = 1;
    env.surf_type = surface;
    env.obj_height = height;
}

}  // namespace

int inside_quad(const float p[4][3], float x, float z)
{
    int pos = 0, neg = 0;
    for (int k = 0; k < 4; k++) {
        const float* a = p[k];
        const float* b = p[(k + 1) % 4];
        const float cross = (b[0] - a[0]) * (z - a[2]) - (b[2] - a[2]) * (x - a[0]);
        if (cross > 0) pos++;
        if (cross < 0) neg++;
    }
    return pos == 0 || neg == 0;
}

int runway_marking_class(float length_ft, int surface)
{
    if (unpaved(surface)) return 0;
    if (length_ft > CLASS3_FT) return 3;
    if (length_ft > CLASS2_FT) return 2;
    return 1;
}

int runway_segments(float length, float width) { return width > 0.0f ? intmax2(round(length / width), 1) : 1; }

int runway_segment_texture(int mclass, int s, int n, int surface)
{
    if (unpaved(surface)) return surface;
    // Index from the nearer end, so both ends carry the same markings.
    const int e = s < n - 1 - s ? s : n - 1 - s;
    switch (mclass) {
    case 3:
        if (e < 0) return TEX_RWY_DISP;
        if (e == 0) return TEX_RWY_THLD;
        if (e == 1) return TEX_NUMBER;
        if (e == 3 || e == 7 || e == 9) return TEX_RWY_TDZM;
        if (e == 5) return TEX_RWY_FDMK;
        break;
    case 2:
        if (e == 0) return TEX_RWY_THLD;
        if (e == 1) return TEX_NUMBER;
        break;
    case 1:
        if (e == 0) return TEX_NUMBER;
        break;
    default: break;
    }
    return TEX_RWY_LINE;
}

int runway_far_number(int num) { return intwrap(num + 18, 1, 36); }

float windsock_droop(float w, float f) { return fltlim(interp(0.0f, 90.0f, SOCK_WIND_LEVEL, 0.0f, fltmin2(w, SOCK_WIND_LEVEL)) + f, 0.0f, 100.0f); }

void plot_pavement(int apt, int rway, int layer, float s_repeat, int tex)
{
    const float(*q)[3] = scn.markxyz[apt][rway][layer];
    OGL_bindtex(tex);
    // The marker points run counter-clockwise seen from above; sent backwards the quad
    // faces up for the drawing layer's culling.
    qgl.Begin(GL_QUADS);
    qgl.TexCoord2f(0, 0);        qgl.Vertex3f(q[3][0], q[3][1], q[3][2]);
    qgl.TexCoord2f(0, 1);        qgl.Vertex3f(q[2][0], q[2][1], q[2][2]);
    qgl.TexCoord2f(s_repeat, 1); qgl.Vertex3f(q[1][0], q[1][1], q[1][2]);
    qgl.TexCoord2f(s_repeat, 0); qgl.Vertex3f(q[0][0], q[0][1], q[0][2]);
    qgl.End();
    if (inside_quad(q, (float)flt.X, (float)flt.Z))
        mark_surface(env.rwy_typ[apt][rway], (q[0][1] + q[1][1] + q[2][1] + q[3][1]) * 0.25f);
}

void plot_runway(int apt_reg, int apt_wrl, int rway, int segments)
{
    const float(*c)[3] = scn.rwayxyz[apt_reg][rway];
    const int surface = env.rwy_typ[apt_reg][rway];
    const float y = apt_h[apt_wrl];
    const int n = intmax2(segments, 1);
    const int mclass = runway_marking_class(apt_len[apt_wrl][rway] / M_PER_FT, surface);
    const int first = mclass == 3 ? -2 : 0, last = mclass == 3 ? n + 1 : n - 1;
    const int num_near = intwrap(apt_num[apt_wrl][rway], 1, 36), num_far = runway_far_number(num_near);
    for (int s = first; s <= last; s++) {
        const float f0 = (float)s / (float)n, f1 = (float)(s + 1) / (float)n;
        const int turned = s >= n / 2;
        const int tex = runway_segment_texture(mclass, s, n, surface);
        if (tex != TEX_NUMBER) {
            OGL_bindtex(tex);
            runway_quad(c, 0.0f, 1.0f, f0, f1, y, turned);
            continue;
        }
        const int num = turned ? num_far : num_near;
        const int tens = TEX_RWY_NUM_L + num / 10, units = TEX_RWY_NUM_R + num % 10;
        // Read from the far end the pilot's left is the runway's right.
        OGL_bindtex(turned ? units : tens);
        runway_quad(c, 0.0f, 0.5f, f0, f1, y, turned);
        OGL_bindtex(turned ? tens : units);
        runway_quad(c, 0.5f, 1.0f, f0, f1, y, turned);
    }
    if (inside_quad(c, (float)flt.X, (float)flt.Z)) mark_surface(surface, y);
}

void plot_windsock(int apt, int rway, int end)
{
    const float* p = scn.sockxyz[apt][rway][end];
    const float g = ogl_brat_ter * 0.3f;
    OGL_setstate(1, 0, 0, 1);
    qgl3d.Color3f(g, g, g);
    OGL_3dline(p[0], p[1], p[2], p[0], p[1] + SOCK_POLE, p[2]);
    OGL_setstate(1, 1, 1, 1);
    const float w = atm.wndspd[0];
    const float f = std::sin(2.0f * msc.elap_time) * w * 0.5f;
    qgl3d.Color3f(1.0f, 1.0f, 1.0f);
    qgl3d.PushMatrix();
    qgl3d.Translatef(p[0], p[1] + SOCK_POLE, p[2]);
    qgl3d.Rotatef(-(f + atm.wnddir[0]), 0, 1, 0);
    qgl3d.Rotatef(-windsock_droop(w, f), -1, 0, 0);
    qgl3d.Rotatef(-5.0f * f, 0, 0, 1);
    static const float big[4][3] = {{0, 0.6f, 0.5f}, {0.6f, 0, 0.5f}, {0, -0.6f, 0.5f}, {-0.6f, 0, 0.5f}};
    static const float small[4][3] = {{0, 0.2f, 2.5f}, {0.2f, 0, 2.5f}, {0, -0.2f, 2.5f}, {-0.2f, 0, 2.5f}};
    OGL_bindtex(TEX_WINDSOCK);
    qgl.Begin(GL_QUADS);
    for (int k = 0; k < 4; k++) {
        const int m = (k + 1) % 4;
        const float s0 = k * 0.25f, s1 = s0 + 0.25f;
        qgl.TexCoord2f(s0, 0); qgl.Vertex3f(big[k][0], big[k][1], big[k][2]);
        qgl.TexCoord2f(s1, 0); qgl.Vertex3f(big[m][0], big[m][1], big[m][2]);
        qgl.TexCoord2f(s1, 1); qgl.Vertex3f(small[m][0], small[m][1], small[m][2]);
        qgl.TexCoord2f(s0, 1); qgl.Vertex3f(small[k][0], small[k][1], small[k][2]);
    }
    qgl.End();
    qgl3d.PopMatrix();
}

void plot_airports()
{
    qgl.Normal3f(0.0f, 1.0f, 0.0f);
    qgl3d.Color3f(1.0f, 1.0f, 1.0f);
    for (int a = 0; a < REG_LIST_CAP; a++) {
        if (!apt_inrange[a]) continue;
        const int w = apt_to_index[a];
        if (w < 0) continue;
        for (int r = intlim(env.rwaymax[a], -1, 2); r >= 0; r--) {
            if (!runway_built(a, r)) continue;
            if (env.tway[a][r]) plot_pavement(a, r, 1, 1.0f, TEX_RWY_PAVE);
            plot_pavement(a, r, 5, 3.0f, TEX_RWY_PAVE);
            for (int m = 2; m <= 4; m++) plot_pavement(a, r, m, 1.0f, TEX_RWY_TURN);
            plot_runway(a, w, r, runway_segments((float)apt_len[w][r], (float)apt_width[w][r]));
        }
    }
}

void plot_windsocks()
{
    for (int a = 0; a < REG_LIST_CAP; a++) {
        if (!apt_inrange[a]) continue;
        for (int r = 0; r <= intlim(env.rwaymax[a], -1, 2); r++)
            for (int e = 0; e < 2; e++)
                if (scn.sockinit[a][r][e]) plot_windsock(a, r, e);
    }
}

}  // namespace orv
