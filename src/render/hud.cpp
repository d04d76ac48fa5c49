#include "render/hud.h"

#include <cmath>

#include "2-QZutils/qgl.h"
#include "2-QZutils/qz_font.h"
#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_graph.h"
#include "2-QZutils/records.h"
#include "render/scene_laws.h"

namespace orv {

namespace {

constexpr int CHAR_PITCH = 6;
constexpr float FPM_HALF = 2.0f, FPM_INSET = 2.0f;
constexpr float GUIDE_HALF = 50.0f, GUIDE_PIX_PER_DOT = 10.0f;
constexpr float HEADING_PIX_PER_DEG = 4.0f;

int hud_color() { return ins.hud_brt == 0.0f ? HUD_COLOR_DIM : HUD_COLOR; }

// A vertical tape of `input` between x1 and x2 (x2 left of x1 puts the ticks on the left),
// centred at yctr, `dely` pixels either way: a tick every `modline` units, a number every
// `modnum`, `pixrat` pixels to a unit, and the value boxed beside it.
void hud_tape(int color, float x1, float x2, float yctr, float dely, float input, int modline,
              int modnum, float pixrat)
{
    const float span = dely / pixrat;
    const int lo = (int)std::floor((input - span) / (float)modline) * modline;
    const int hi = (int)std::ceil((input + span) / (float)modline) * modline;
    const float dir = x2 > x1 ? 1.0f : -1.0f;
    for (int v = lo; v <= hi; v += modline) {
        const float y = yctr + ((float)v - input) * pixrat;
        if (y < yctr - dely || y > yctr + dely) continue;
        const int major = modnum > 0 && v % modnum == 0;
        OGL_line(color, x1, y, major ? x2 : x1 + (x2 - x1) * 0.5f, y);
        if (major) OGL_number(color, x2 + dir * 4.0f - (dir < 0 ? 24.0f : 0.0f), y - 3.0f, (float)v, 4, 0, CHAR_PITCH, 1);
    }
    OGL_line(color, x1, yctr - dely, x1, yctr + dely);
    // The read-out box beside the index.
    const float bx = x2 + dir * 2.0f - (dir < 0 ? 30.0f : 0.0f);
    OGL_framerect(color, bx, yctr - 6.0f, 30.0f, 12.0f);
    OGL_number(color, bx + 3.0f, yctr - 3.0f, input, 4, 0, CHAR_PITCH, 1);
}

void heading_tape(int color, float mag)
{
    const float y = con.HUD_top - 12.0f, half = (con.HUD_rgt - con.HUD_lft) * 0.25f;
    const float span = half / HEADING_PIX_PER_DEG;
    for (int h = (int)std::floor((mag - span) / 5.0f) * 5; h <= mag + span; h += 5) {
        const float x = con.cntrx + ((float)h - mag) * HEADING_PIX_PER_DEG;
        const int major = h % 10 == 0;
        OGL_line(color, x, y, x, y + (major ? 6.0f : 3.0f));
        if (h % 30 == 0) OGL_number(color, x - 6.0f, y + 8.0f, (float)intwrap(h, 0, 359) / 10.0f, 2, 0, CHAR_PITCH, 0);
    }
    OGL_line(color, con.cntrx - half, y, con.cntrx + half, y);
    OGL_line(color, con.cntrx, y - 5.0f, con.cntrx, y);
    OGL_number(color, con.cntrx - 9.0f, y - 14.0f, mag, 3, 0, CHAR_PITCH, 0);
}

float magnetic_heading() { return flt.magpsi; }

// The path the hoops mark: a point on it, the horizontal unit vector it runs along and its
// climb per metre. With a localiser on receiver 2 it is the approach (down its glide slope
// when it has one); otherwise level at the altitude target along the heading bug.
struct hoop_path { float x, y, z, ux, uz, climb; };

hoop_path path_to_follow()
{
    hoop_path p;
    const int approach = nav.goodnav[1] && nav.ilsgs[1] != VOR_GLIDE_MARK;
    const float course = (approach ? nav.ilscrs[1] : nav.hdsel - (float)env.mvar) * (float)M_PI / 180.0f;
    p.ux = std::sin(course);
    p.uz = -std::cos(course);
    p.climb = 0.0f;
    if (approach && nav.ilsgs[1] != 0.0f) {
        p.x = nav.gsX[1];
        p.y = nav.gsY[1];
        p.z = nav.gsZ[1];
        p.climb = -std::tan(nav.ilsgs[1] * (float)M_PI / 180.0f);   // it descends toward the runway
    } else {
        p.x = approach ? nav.vorX[1] : (float)flt.X;
        p.z = approach ? nav.vorZ[1] : (float)flt.Z;
        p.y = !approach && ott.al_hold > 0.0f ? ott.al_hold : (float)flt.Y;
    }
    return p;
}

}  // namespace

int hud_hoop(int k, float* x, float* y, float* half)
{
    const hoop_path p = path_to_follow();
    // Hoops stand at whole multiples of the spacing along the path, so they come toward the
    // aircraft rather than travel with it.
    const float along_now = ((float)flt.X - p.x) * p.ux + ((float)flt.Z - p.z) * p.uz;
    const float s = (std::floor(along_now / HOOP_SPACING) + (float)(k + 1)) * HOOP_SPACING;
    const float hx = p.x + p.ux * s, hz = p.z + p.uz * s;
    const float hy = p.climb != 0.0f ? fltmax2(p.y + p.climb * s, p.y) : p.y;
    if (p.climb != 0.0f && s > 0.0f) return 0;   // past the glide-slope antenna: the runway
    const float rx = hx - (float)flt.X, ry = hy - (float)flt.Y, rz = hz - (float)flt.Z;
    const float psi = flt.psi * (float)M_PI / 180.0f, the = flt.the * (float)M_PI / 180.0f;
    const float ahead = rx * std::sin(psi) - rz * std::cos(psi), right = rx * std::cos(psi) + rz * std::sin(psi);
    const float fwd = ahead * std::cos(the) + ry * std::sin(the), up = ry * std::cos(the) - ahead * std::sin(the);
    if (fwd < HOOP_NEAREST) return 0;
    const float deg = 180.0f / (float)M_PI;
    const float dx = std::atan2(right, fwd) * deg * HUD_PIX_PER_DEG;
    const float dy = (std::atan2(up, fwd) * deg - view_pitch_offset(set.view_type)) * HUD_PIX_PER_DEG;
    const float roll = flt.phi * (float)M_PI / 180.0f;
    *x = con.cntrx + dx * std::cos(roll) + dy * std::sin(roll);
    *y = con.cntry - dx * std::sin(roll) + dy * std::cos(roll);
    *half = std::atan2(HOOP_HALF_SIZE, fwd) * deg * HUD_PIX_PER_DEG;
    return *x - *half >= con.HUD_lft && *x + *half <= con.HUD_rgt && *y - *half >= con.HUD_bot && *y + *half <= con.HUD_top;
}

void hud_fpm(float beta, float alpha, float offset, float* x, float* y)
{
    *x = fltlim((float)(int)(con.cntrx - beta * HUD_PIX_PER_DEG), con.HUD_lft + FPM_INSET, con.HUD_rgt - FPM_INSET);
    *y = fltlim((float)(int)(con.cntry - (alpha + offset) * HUD_PIX_PER_DEG), con.HUD_bot + FPM_INSET, con.HUD_top - FPM_INSET);
}

void plot_nrml_hud()
{
    const int c = hud_color();
    const float dely = (float)(int)((con.HUD_top - con.HUD_bot) / 2.0f - 1.0f);
    hud_tape(c, con.HUD_lft + 3.0f, con.HUD_lft + 24.0f, con.cntry, dely, flt.vind, 5, 10, 2.0f);
    hud_tape(c, con.HUD_rgt - 20.0f, con.HUD_rgt - 27.0f, con.cntry, dely, flt.hind * con.mtrstoft * 0.01f, 1, 5, 10.0f);
    heading_tape(c, magnetic_heading());

    const float o = view_pitch_offset(set.view_type);
    const float py = con.cntry - o * HUD_PIX_PER_DEG;
    OGL_line(c, con.cntrx - 10.0f, py, con.cntrx + 10.0f, py);
    OGL_line(c, con.cntrx, py - 10.0f, con.cntrx, py + 10.0f);

    float fx, fy;
    hud_fpm(flt.Beta, flt.Alpha, o, &fx, &fy);
    OGL_framerect(c, fx - FPM_HALF, fy - FPM_HALF, 2.0f * FPM_HALF, 2.0f * FPM_HALF);

    if (nav.goodnav[1] && pln.HUDtype != 3) {
        const float gx = con.cntrx + (float)round(GUIDE_PIX_PER_DOT * nav.hdef[1]);
        const float gy = con.cntry - (float)round(GUIDE_PIX_PER_DOT * nav.vdef[1]);
        OGL_line(c, gx, con.cntry - GUIDE_HALF, gx, con.cntry + GUIDE_HALF);
        OGL_line(c, con.cntrx - GUIDE_HALF, gy, con.cntrx + GUIDE_HALF, gy);
    }
}

// The type-3 display: a pitch ladder that rolls with the aircraft, a bank scale with its
// pointer, the flight-path marker with wings, and speed and altitude boxes at the sides.
void plot_cool_hud()
{
    const int c = hud_color();
    const float roll = flt.phi * (float)M_PI / 180.0f;
    const float cs = std::cos(roll), sn = std::sin(roll);
    auto rot = [&](float dx, float dy, float* x, float* y) {
        *x = con.cntrx + dx * cs + dy * sn;
        *y = con.cntry - dx * sn + dy * cs;
    };
    const float o = view_pitch_offset(set.view_type);
    for (int p = -90; p <= 90; p += 5) {
        const float dy = ((float)p - flt.the - o) * HUD_PIX_PER_DEG;
        if (std::fabs(dy) > (con.HUD_top - con.HUD_bot) * 0.45f) continue;
        const float w = p == 0 ? 120.0f : (p % 10 == 0 ? 50.0f : 25.0f), gap = 20.0f;
        float ax, ay, bx, by;
        rot(-w, dy, &ax, &ay);
        rot(-gap, dy, &bx, &by);
        OGL_line(c, ax, ay, bx, by);
        rot(gap, dy, &ax, &ay);
        rot(w, dy, &bx, &by);
        OGL_line(c, ax, ay, bx, by);
        if (p != 0 && p % 10 == 0) {
            rot(w + 4.0f, dy, &ax, &ay);
            OGL_number(c, ax, ay - 3.0f, (float)p, 2, 0, CHAR_PITCH, 1);
        }
    }
    const float r = (con.HUD_top - con.HUD_bot) * 0.4f;
    for (int b = -60; b <= 60; b += (b >= -30 && b < 30) ? 10 : 30) {
        const float a = (float)b * (float)M_PI / 180.0f;
        const float x = con.cntrx + r * std::sin(a), y = con.cntry - r * std::cos(a);
        OGL_line(c, x, y, con.cntrx + (r + 6.0f) * std::sin(a), con.cntry - (r + 6.0f) * std::cos(a));
    }
    OGL_line(c, con.cntrx + (r - 8.0f) * std::sin(-roll), con.cntry - (r - 8.0f) * std::cos(-roll), con.cntrx + r * std::sin(-roll),
             con.cntry - r * std::cos(-roll));
    float fx, fy;
    hud_fpm(flt.Beta, flt.Alpha, o, &fx, &fy);
    OGL_framecircle(c, fx, fy, 4.0f);
    OGL_line(c, fx - 12.0f, fy, fx - 4.0f, fy);
    OGL_line(c, fx + 4.0f, fy, fx + 12.0f, fy);
    OGL_line(c, fx, fy + 4.0f, fx, fy + 9.0f);
    OGL_framerect(c, con.HUD_lft + 10.0f, con.cntry - 6.0f, 34.0f, 12.0f);
    OGL_number(c, con.HUD_lft + 14.0f, con.cntry - 3.0f, flt.vind, 4, 0, CHAR_PITCH, 1);
    OGL_framerect(c, con.HUD_rgt - 50.0f, con.cntry - 6.0f, 40.0f, 12.0f);
    OGL_number(c, con.HUD_rgt - 46.0f, con.cntry - 3.0f, flt.hind * con.mtrstoft, 5, 0, CHAR_PITCH, 1);
    heading_tape(c, magnetic_heading());
    for (int k = 0; k < HOOPS; k++) {
        float hx, hy, h;
        if (hud_hoop(k, &hx, &hy, &h)) OGL_framerect(c, hx - h, hy - h, 2.0f * h, 2.0f * h);
    }
}

}  // namespace orv
