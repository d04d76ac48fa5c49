#include "render/sky.h"

#include <cmath>

#include "2-QZutils/qgl.h"
#include "2-QZutils/qgl3d.h"
#include "2-QZutils/qz_funct.h"
#include "2-QZutils/records.h"
#include "render/scene.h"
#include "render/sky_stars.h"
#include "world/weather_gen.h"

namespace orv {

namespace {

constexpr float SKY_WALL = 0.4f;
constexpr float STAR_K_AFTERNOON = 1.6f, STAR_K_MORNING = 0.8f;
constexpr float METEOR_LIFE = 2.0f;   // s
// Star groups: last index of each and its share of the brightness.
constexpr int STAR_GROUP_END[5] = {200, 400, 800, 1400, STAR_COUNT - 1};
constexpr float STAR_GROUP_SHARE[5] = {1.0f, 0.8f, 0.6f, 0.4f, 0.2f};

struct meteor { int on; float age, x, y, dx, dy; } shooter;

void colour(rgb3 c, float k) { qgl3d.Color3f(c.r * k, c.g * k, c.b * k); }

}  // namespace

void plot_sky_box(float d, rgb3 base, float rat1, float rat2, float rat3)
{
    const float lo = -SKY_WALL * d, hi = SKY_WALL * d;
    // Four walls from below the horizon to its top edge, then the lid; the horizon band
    // carries rat1, the top of the walls rat2 and the lid's centre rat3. The eye is inside
    // the box, and the drawing layer culls faces that are not clockwise on screen, so every
    // face runs clockwise as seen from the centre.
    static const float corner[5][2] = {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}, {-1, -1}};
    // The gradient lives in the vertex colours; the drawing layer shades flat otherwise.
    qgl.ShadeModel(GL_SMOOTH);
    qgl.Begin(GL_QUADS);
    for (int k = 0; k < 4; k++) {
        const float ax = corner[k][0] * d, az = corner[k][1] * d;
        const float bx = corner[k + 1][0] * d, bz = corner[k + 1][1] * d;
        colour(base, rat1);
        qgl.Vertex3f(ax, 0.0f, az);
        qgl.Vertex3f(bx, 0.0f, bz);
        qgl.Vertex3f(bx, lo, bz);
        qgl.Vertex3f(ax, lo, az);
        colour(base, rat2);
        qgl.Vertex3f(ax, hi, az);
        qgl.Vertex3f(bx, hi, bz);
        colour(base, rat1);
        qgl.Vertex3f(bx, 0.0f, bz);
        qgl.Vertex3f(ax, 0.0f, az);
    }
    qgl.End();
    qgl.Begin(GL_TRIANGLE_FAN);
    colour(base, rat3);
    qgl.Vertex3f(0.0f, hi, 0.0f);
    colour(base, rat2);
    for (int k = 4; k >= 0; k--) qgl.Vertex3f(corner[k][0] * d, hi, corner[k][1] * d);
    qgl.End();
    // The floor under the walls, in the horizon colour, for views that look below it.
    qgl.Begin(GL_QUADS);
    colour(base, rat1);
    for (int k = 0; k < 4; k++) qgl.Vertex3f(corner[k][0] * d, lo, corner[k][1] * d);
    qgl.End();
    qgl.ShadeModel(GL_FLAT);
}

float star_brightness(float r, float g, float b, float h)
{
    const float k = h >= 12.0f ? STAR_K_AFTERNOON : STAR_K_MORNING;
    return 1.0f - k * (r + g + b);
}

float meteor_interval(int code)
{
    switch (code) {
    case 1: return 600.0f;
    case 2: return 300.0f;
    case 3: return 150.0f;
    case 4: return 30.0f;
    default: return 300.0f;
    }
}

void plot_stars(float r, float g, float b, float x1, float y1, float x2, float y2)
{
    const float h = msc.locl_time / 3600.0f;
    const float t = star_brightness(r, g, b, h);
    if (r >= t && g >= t && b >= t) return;
    const float* eye = con.VIEW_xyz;
    qgl3d.PushMatrix();
    qgl3d.Translatef(eye[0], eye[1], eye[2]);
    qgl3d.PointSize(1.0f);
    qgl.Begin(GL_POINTS);
    int first = 1;
    for (int grp = 0; grp < 5; grp++) {
        const float s = t * STAR_GROUP_SHARE[grp];
        qgl3d.Color3f(fltmax2(r, s), fltmax2(g, s), fltmax2(b, s));
        for (int k = first; k <= STAR_GROUP_END[grp] && k < STAR_COUNT; k++)
            qgl.Vertex3f(star_xyz[k][0], star_xyz[k][1], star_xyz[k][2]);
        first = STAR_GROUP_END[grp] + 1;
    }
    qgl.End();
    qgl3d.PopMatrix();

    // Shooting stars, in 2-D over the viewport.
    const float w = meteor_interval(atm.meteorite_code);
    auto draw = [](float lo, float hi) { return stream_fltrand(&draw_rand, lo, hi); };
    if (!shooter.on && msc.prd > 0.0f && draw(0.0f, w / msc.prd) < 1.0f) {
        shooter = {1, 0.0f, draw(x1, x2), draw(y1, y2), draw(-16.0f, 16.0f), draw(-16.0f, -4.0f)};
    }
    if (!shooter.on) return;
    shooter.age += msc.prd;
    shooter.x += shooter.dx;
    shooter.y += shooter.dy;
    if (shooter.age > METEOR_LIFE) {
        shooter.on = 0;
        return;
    }
    const float grey = std::fabs(shooter.age - 1.0f);
    qgl.MatrixMode(GL_PROJECTION);
    qgl3d.PushMatrix();
    qgl.LoadIdentity();
    qgl.Ortho(x1, x2, y1, y2, -1, 1);
    qgl.MatrixMode(GL_MODELVIEW);
    qgl3d.PushMatrix();
    qgl.LoadIdentity();
    qgl3d.Color3f(grey, grey, grey);
    qgl.Begin(GL_LINES);
    qgl.Vertex2f(shooter.x, shooter.y);
    qgl.Vertex2f(shooter.x + shooter.dx, shooter.y + shooter.dy);
    qgl.End();
    qgl3d.PopMatrix();
    qgl.MatrixMode(GL_PROJECTION);
    qgl3d.PopMatrix();
    qgl.MatrixMode(GL_MODELVIEW);
}

void plot_clouds()
{
    qgl.Normal3f(0.0f, 1.0f, 0.0f);
    qgl3d.PushMatrix();
    qgl3d.Translatef(0.0f, atm.topsMSL, 0.0f);
    const int i2 = intlim(scn.i2_plot_bound_cld, 0, CLOUD_I - 1);
    const int j2 = intlim(scn.j2_plot_bound_cld, 0, CLOUD_J - 1);
    qgl.ShadeModel(GL_SMOOTH);   // the deck's colours blend from point to point
    for (int j = scn.j1_plot_bound_cld; j < j2; j++) {
        qgl.Begin(GL_QUAD_STRIP);
        for (int i = scn.i1_plot_bound_cld; i <= i2; i++) {
            for (int jj = j; jj <= j + 1; jj++) {
                const float* c = cloudrgb[i][jj];
                qgl3d.Color3f(c[0] * lite_r, c[1] * lite_g, c[2] * lite_b);
                qgl.Vertex3f(cloudxyz[i][jj][0], cloudxyz[i][jj][1], cloudxyz[i][jj][2]);
            }
        }
        qgl.End();
    }
    qgl.ShadeModel(GL_FLAT);
    qgl3d.PopMatrix();
}

}  // namespace orv
