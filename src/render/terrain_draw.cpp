#include "render/terrain_draw.h"

#include <cmath>

#include "2-QZutils/qgl.h"
#include "2-QZutils/qgl3d.h"
#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_graph.h"
#include "2-QZutils/records.h"
#include "render/scene.h"
#include "render/ships.h"
#include "world/region.h"

namespace orv {

namespace {

constexpr float DEG = (float)M_PI / 180.0f;
constexpr int FIRES = 10, SMOKE_PUFFS = 50;
constexpr int FIRE_TEX_FIRST = 60, FIRE_TEX_LAST = 71, SMOKE_TEX = 59;
constexpr float FLAME_HALF_W = 35.0f, FLAME_H = 50.0f, FIRE_CONE_MARGIN = 100.0f;
constexpr float SMOKE_LIFE = 100.0f, SMOKE_START_SIZE = 25.0f, SMOKE_LIFT = 20.0f;

int   fire_phase[FIRES];
int   fires_started;
float flame_frame = FIRE_TEX_FIRST;
struct smoke_puff { float age, size, x, y, z, dir; } smoke[SMOKE_PUFFS];

int cell_drawn(int i, int j) { return ter_inrange[i][j]; }

void vertex(int i, int j, int s, int t)
{
    qgl.Normal3f(planenrml[i][j][0], planenrml[i][j][1], planenrml[i][j][2]);
    qgl.TexCoord2f((float)s, (float)t);
    qgl.Vertex3f(planexyz[i][j][0], planexyz[i][j][1], planexyz[i][j][2]);
}

template <class F> void for_cells(F f)
{
    for (int i = scn.i1_plot_bound_ter; i <= scn.i2_plot_bound_ter; i++)
        for (int j = scn.j1_plot_bound_ter; j <= scn.j2_plot_bound_ter; j++)
            if (cell_drawn(i, j)) f(i, j);
}

void ship_in_cell(int i, int j)
{
    const float x = (planexyz[i][j][0] + planexyz[i + 1][j + 1][0]) * 0.5f;
    const float y = (planexyz[i][j][1] + planexyz[i + 1][j + 1][1]) * 0.5f;
    const float z = (planexyz[i][j][2] + planexyz[i + 1][j + 1][2]) * 0.5f;
    qgl3d.PushMatrix();
    qgl3d.Translatef(x, y, z);
    if (frig_on_poly[i][j]) {
        qgl3d.Rotatef(-env.frig_the, -1, 0, 0);
        qgl3d.Rotatef(-env.frig_phi, 0, 0, 1);
        draw_a_frig(x, y, z);
    } else if (carr_on_poly[i][j]) {
        qgl3d.Rotatef(-env.carr_the, -1, 0, 0);
        qgl3d.Rotatef(-env.carr_phi, 0, 0, 1);
        draw_a_carr(x, y, z, carrier_of_cell(i, j));
    } else {
        draw_a_oilr(x, y, z);
    }
    qgl3d.PopMatrix();
}

}  // namespace

int terrain_cells_of_texture(int tex)
{
    int n = 0;
    for_cells([&](int i, int j) { n += (int)planetex[i][j] == tex; });
    return n;
}

void plot_terrain()
{
    for (int tex = TERRAIN_TEX_FIRST; tex <= TERRAIN_TEX_LAST; tex++) {
        OGL_bindtex(tex);
        qgl.Begin(GL_TRIANGLES);
        for_cells([&](int i, int j) {
            if ((int)planetex[i][j] != tex) return;
            const int (*s)[2] = planes[i][j];
            const int (*t)[2] = planet[i][j];
            vertex(i, j, s[0][0], t[0][0]);
            vertex(i, j + 1, s[0][1], t[0][1]);
            vertex(i + 1, j + 1, s[1][1], t[1][1]);
            vertex(i + 1, j + 1, s[1][1], t[1][1]);
            vertex(i + 1, j, s[1][0], t[1][0]);
            vertex(i, j, s[0][0], t[0][0]);
        });
        qgl.End();
    }
    for_cells([](int i, int j) {
        if (frig_on_poly[i][j] || carr_on_poly[i][j] || oilr_on_poly[i][j]) ship_in_cell(i, j);
    });
}

void plot_city_lights()
{
    qgl3d.PointSize(1.0f);
    qgl.Begin(GL_POINTS);
    for_cells([](int i, int j) {
        if (!city_on_poly[i][j]) return;
        for (int g = 0; g < 2; g++) {
            qgl3d.Color3f(0.4f, 1.0f, 0.6f);
            for (int k = 0; k < 3; k++) qgl.Vertex3f(city_xyz[i][j][g][k][0], city_xyz[i][j][g][k][1], city_xyz[i][j][g][k][2]);
            qgl3d.Color3f(1.0f, 0.85f, 0.0f);
            for (int k = 3; k < 5; k++) qgl.Vertex3f(city_xyz[i][j][g][k][0], city_xyz[i][j][g][k][1], city_xyz[i][j][g][k][2]);
        }
    });
    qgl.End();
}

void plot_trees()
{
    qgl3d.Color3f(ogl_brat_ter * 0.05f, ogl_brat_ter * 0.1f, ogl_brat_ter * 0.05f);
    qgl.Begin(GL_LINES);
    for_cells([](int i, int j) {
        if (!tree_on_poly[i][j]) return;
        for (int g = 0; g < 2; g++)
            for (int k = 0; k < 3; k++)
                for (int e = 0; e < 2; e++) {
                    const float* p = tree_xyz[i][j][g][k][e];
                    qgl.Vertex3f(p[0], p[1], p[2]);
                }
    });
    qgl.End();
}

void plot_lightning()
{
    qgl3d.Color3f(1.0f, 1.0f, 0.6f);
    qgl.Begin(GL_LINES);
    for (int b = 0; b < 4; b++)
        for (int k = 0; k < 19; k++) {
            const float* p = atm.lightXYZ[b][k];
            const float* q = atm.lightXYZ[b][k + 1];
            qgl.Vertex3f(p[0], p[1], p[2]);
            qgl.Vertex3f(q[0], q[1], q[2]);
        }
    qgl.End();
}

int fire_texture(float frame, int phase)
{
    return intwrap(round(frame) + phase, FIRE_TEX_FIRST, FIRE_TEX_LAST);
}

// The pick-th burning fire, counted round the burning ones (0 when none burns: the caller
// draws fires only while one does).
static int burning_fire(int pick)
{
    int lit[FIRES], n = 0;
    for (int f = 0; f < FIRES; f++)
        if (scn.fire_on[f]) lit[n++] = f;
    return n ? lit[pick % n] : 0;
}

void plot_fires()
{
    if (!fires_started) {
        fires_started = 1;
        for (int f = 0; f < FIRES; f++) fire_phase[f] = intrand(0, 11);
        for (int p = 0; p < SMOKE_PUFFS; p++) {
            const float* at = scn.firexyz[burning_fire(p)];
            smoke[p] = {2.0f * p, SMOKE_START_SIZE, at[0], at[1] + SMOKE_LIFT, at[2], 0.0f};
        }
    }
    qgl3d.Color3f(1.0f, 1.0f, 1.0f);
    qgl.Normal3f(0.0f, 1.0f, 0.0f);
    flame_frame = fltwrap(flame_frame + msc.prd * 10.0f, (float)FIRE_TEX_FIRST, (float)FIRE_TEX_LAST + 1.0f);
    OGL_setstate(1, 1, 0, 0);
    qgl.Enable(GL_ALPHA_TEST);
    for (int f = 0; f < FIRES; f++) {
        if (!scn.fire_on[f] || !incone(scn.firexyz[f][0], scn.firexyz[f][2], FIRE_CONE_MARGIN)) continue;
        OGL_bindtex(fire_texture(flame_frame, fire_phase[f]));
        qgl3d.PushMatrix();
        qgl3d.Translatef(scn.firexyz[f][0], scn.firexyz[f][1], scn.firexyz[f][2]);
        qgl3d.Rotatef(-scn.psi, 0, 1, 0);
        qgl.Begin(GL_QUADS);
        qgl.TexCoord2f(0, 0); qgl.Vertex3f(-FLAME_HALF_W, 0, 0);
        qgl.TexCoord2f(1, 0); qgl.Vertex3f(FLAME_HALF_W, 0, 0);
        qgl.TexCoord2f(1, 1); qgl.Vertex3f(FLAME_HALF_W, FLAME_H, 0);
        qgl.TexCoord2f(0, 1); qgl.Vertex3f(-FLAME_HALF_W, FLAME_H, 0);
        qgl.End();
        qgl3d.PopMatrix();
    }
    qgl.Disable(GL_ALPHA_TEST);

    OGL_setstate(1, 1, 1, 0);
    OGL_bindtex(SMOKE_TEX);
    qgl.Enable(GL_BLEND);
    const float wind = atm.wnddir[0] - (float)env.mvar;
    for (int p = 0; p < SMOKE_PUFFS; p++) {
        smoke_puff& s = smoke[p];
        if (s.age > SMOKE_LIFE) {
            s.age -= SMOKE_LIFE;
            s.size = SMOKE_START_SIZE;
            const int f = burning_fire(intrand(0, FIRES - 1));
            s.x = scn.firexyz[f][0];
            s.y = scn.firexyz[f][1] + SMOKE_LIFT;
            s.z = scn.firexyz[f][2];
            s.dir = wind + 15.0f - 3.0f * (float)f;
        }
        s.age += msc.prd;
        s.size += msc.prd * 1.5f;
        s.x -= std::sin(s.dir * DEG) * s.size * msc.prd * 0.25f;
        s.z += std::cos(s.dir * DEG) * s.size * msc.prd * 0.25f;
        s.y += s.size * msc.prd * 0.03f;
        if (!incone(s.x, s.z, s.size)) continue;
        qgl3d.PushMatrix();
        qgl3d.Translatef(s.x, s.y, s.z);
        qgl3d.Rotatef(-scn.psi, 0, 1, 0);
        qgl3d.Rotatef(-scn.the, -1, 0, 0);
        qgl3d.Rotatef(-scn.phi, 0, 0, 1);
        qgl.Begin(GL_QUADS);
        qgl.TexCoord2f(0, 0); qgl.Vertex3f(-s.size, -s.size, 0);
        qgl.TexCoord2f(1, 0); qgl.Vertex3f(s.size, -s.size, 0);
        qgl.TexCoord2f(1, 1); qgl.Vertex3f(s.size, s.size, 0);
        qgl.TexCoord2f(0, 1); qgl.Vertex3f(-s.size, s.size, 0);
        qgl.End();
        qgl3d.PopMatrix();
    }
    qgl.Disable(GL_BLEND);
}

}  // namespace orv
