#include "render/precip.h"

#include <cmath>

#include "2-QZutils/qgl.h"
#include "2-QZutils/qgl3d.h"
#include "2-QZutils/qz_funct.h"
#include "2-QZutils/records.h"
#include "render/scene.h"
#include "render/scene_laws.h"

namespace orv {

namespace {

constexpr float FREEZING_F = 32.0f;
constexpr float FLAKE_NEAR = 10.0f, FLAKE_FAR = 100.0f;
constexpr int   FAST_DROP_CHANCE = 10;        // one frame in this many hands the run on
constexpr float STREAK_PER_ROOT_KT = 0.6f;    // pixels a frame per square root of a knot
constexpr float FAST_FACTOR = 4.0f;

float drop_x[PRECIP_DROPS], drop_y[PRECIP_DROPS], drop_z[PRECIP_DROPS];
int   fast_drop;
int   drops_born;

void reborn(int k, float x1, float y1, float x2, float y2)
{
    drop_x[k] = stream_fltrand(&draw_rand, x1, x2);
    drop_y[k] = stream_fltrand(&draw_rand, y1, y2);
    drop_z[k] = stream_fltrand(&draw_rand, FLAKE_NEAR, FLAKE_FAR);
}

// Streak direction on the glass for the view: forward views run outward from the centre and
// down, side views sideways toward the tail, the back view straight down.
void streak(int view, float x, float y, float cx, float cy, float speed, float* dx, float* dy)
{
    switch (view) {
    case VIEW_LEFT45: case VIEW_LEFT90: case VIEW_LEFT135: *dx = speed; *dy = -0.3f * speed; break;
    case VIEW_RIGHT45: case VIEW_RIGHT90: case VIEW_RIGHT135: *dx = -speed; *dy = -0.3f * speed; break;
    case VIEW_BACK: *dx = 0.0f; *dy = -0.5f * speed; break;
    default: {
        const float ox = x - cx, oy = y - cy, r = fltmax2(pythag(ox, oy), 1.0f);
        *dx = speed * ox / r;
        *dy = speed * oy / r - 0.3f * speed;
        break;
    }
    }
}

}  // namespace

int precip_drop_count(float level, float rain_tstm, float eye_y, float base, float tops)
{
    const float storm = fltlim(level / 4.0f, 0.0f, 1.0f) + fltlim((rain_tstm - 1.0f) / 4.0f, 0.0f, 1.0f);
    const float depth = tops > base ? fltlim(interp(base, 1.0f, tops, 0.0f, eye_y), 0.0f, 1.0f) : 1.0f;
    return intlim(round(storm * depth * 0.5f * (float)PRECIP_DROPS), 0, PRECIP_DROPS - 1);
}

void do_window_precip(float x1, float y1, float x2, float y2)
{
    const int n = precip_drop_count(atm.level, atm.rain_tstm, con.VIEW_xyz[1], atm.baseMSL, atm.topsMSL);
    if (n <= 0) return;
    if (!drops_born) {
        drops_born = 1;
        for (int k = 0; k < PRECIP_DROPS; k++) reborn(k, x1, y1, x2, y2);
    }
    const float cx = (x1 + x2) * 0.5f, cy = (y1 + y2) * 0.5f;
    const float g = ogl_brat_ter * 0.9f;
    if (atm.temp_SL > FREEZING_F) {
        const float speed = STREAK_PER_ROOT_KT * std::sqrt(fltmax2(flt.vind, 0.0f)) + 0.5f;
        if (stream_intrand(&draw_rand, 0, FAST_DROP_CHANCE - 1) == 0) fast_drop = intwrap(fast_drop + 1, 0, n - 1);
        qgl3d.Color3f(g, g, g);
        qgl.Begin(GL_LINES);
        for (int k = 0; k < n; k++) {
            float dx, dy;
            streak(set.view_type, drop_x[k], drop_y[k], cx, cy, speed * (k == fast_drop ? FAST_FACTOR : 1.0f), &dx, &dy);
            qgl.Vertex2f(drop_x[k], drop_y[k]);
            qgl.Vertex2f(drop_x[k] + dx, drop_y[k] + dy);
            drop_x[k] += dx;
            drop_y[k] += dy;
            if (!fltbox(drop_x[k], drop_y[k], x1, y1, x2, y2)) reborn(k, x1, y1, x2, y2);
        }
        qgl.End();
        return;
    }
    const float g2 = ogl_brat_ter;
    qgl3d.Color3f(g2, g2, g2);
    qgl3d.PointSize(2.0f);
    qgl.Begin(GL_POINTS);
    for (int k = 0; k < n; k++) {
        const float z_old = drop_z[k];
        drop_z[k] -= fltmax2(flt.v, 0.0f) * msc.prd;
        if (drop_z[k] < FLAKE_NEAR || drop_z[k] > FLAKE_FAR) {
            reborn(k, x1, y1, x2, y2);
            continue;
        }
        // Outward from the centre as the flake nears the glass.
        const float grow = z_old / drop_z[k];
        drop_x[k] = cx + (drop_x[k] - cx) * grow;
        drop_y[k] = cy + (drop_y[k] - cy) * grow;
        if (!fltbox(drop_x[k], drop_y[k], x1, y1, x2, y2)) {
            reborn(k, x1, y1, x2, y2);
            continue;
        }
        qgl.Vertex2f(drop_x[k], drop_y[k]);
    }
    qgl.End();
}

}  // namespace orv
