#include "design_tool/fg_plot.h"

#include <cmath>

#include "2-QZutils/acf_parts.h"
#include "2-QZutils/drplane.h"
#include "2-QZutils/qgl.h"
#include "2-QZutils/qgl3d.h"
#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_graph.h"
#include "2-QZutils/qz_mnw_draw.h"
#include "2-QZutils/records.h"

namespace orv {

namespace {

constexpr float MIN_EXTENT_FT = 3.0f;          // the smallest aircraft the view frames
constexpr float VIEW_HALF_TAN = 0.45f;         // tangent of half the view's height at zoom 1
constexpr float DISTANCE_PER_EXTENT = 2.6f;    // eye distance for the extent to fill the view
constexpr float NEAR_FRACTION = 0.05f, FAR_PER_DISTANCE = 4.0f;
constexpr int   BLACK = 29;
constexpr float QUICK_TURN_DEG = 6.0f, LONG_TURN_DEG = 1.5f;

float extent_of(float x, float y, float z) { return pythag3(x, y - pln.cgY, z - pln.cgZ); }

void sky_background()
{
    // Sent clockwise, the side the drawing layer keeps.
    OGL_setstate(0, 0, 0, 0);
    qgl.Color4f(0.45f, 0.62f, 0.88f, 1.0f);
    qgl.Begin(GL_QUADS);
    qgl.Vertex2f(0, 0);
    qgl.Vertex2f(0, MENU_BAR_BOTTOM);
    qgl.Vertex2f(SCREEN_W, MENU_BAR_BOTTOM);
    qgl.Vertex2f(SCREEN_W, 0);
    qgl.End();
}

void light_from_above_left()
{
    const GLfloat ambient[4] = {0.45f, 0.45f, 0.45f, 1.0f}, diffuse[4] = {0.85f, 0.85f, 0.85f, 1.0f};
    const GLfloat dir[4] = {-0.4f, 0.8f, 0.45f, 0.0f};
    qgl3d.Lightfv(GL_LIGHT0, GL_AMBIENT, ambient);
    qgl3d.Lightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
    qgl3d.Lightfv(GL_LIGHT0, GL_POSITION, dir);
}

void back_to_2d()
{
    qgl.MatrixMode(GL_PROJECTION);
    qgl.LoadIdentity();
    qgl.Ortho(0, SCREEN_W, 0, SCREEN_H, -1, 1);
    qgl.MatrixMode(GL_MODELVIEW);
    qgl.LoadIdentity();
    qgl.Viewport(ogl_view.x, ogl_view.y, ogl_view.w, ogl_view.h);
}

}  // namespace

float find_dis_to_plane()
{
    float d = 0.0f;
    for (int e = PART_PROP1; e <= PART_PROP4; e++)
        if (have_this_part(e)) d = fltmax2(d, extent_of(pln.Xarm[e], pln.Yarm[e], pln.Zarm[e]) + pln.semilen[e]);
    for (int p = PART_WING1L; p <= PART_PYLON4; p++) {
        if (!have_this_part(p)) continue;
        const float s = pln.semilen[p];
        const float x = get_wing_Xarm(p, s), y = get_wing_Yarm(p, s);
        const float z_root = pln.Zarm[p], z_tip = get_wing_Zarm(p, s);
        d = fltmax2(d, extent_of(pln.Xarm[p], pln.Yarm[p], z_root - 0.25f * pln.Croot[p]));
        d = fltmax2(d, extent_of(pln.Xarm[p], pln.Yarm[p], z_root + 0.75f * pln.Croot[p]));
        d = fltmax2(d, extent_of(x, y, z_tip - 0.25f * pln.Ctip[p]));
        d = fltmax2(d, extent_of(x, y, z_tip + 0.75f * pln.Ctip[p]));
    }
    if (pln.gear_type > 2) {
        d = fltmax2(d, extent_of(0.0f, pln.ngearY, pln.ngearZ));
        d = fltmax2(d, extent_of(pln.mgearX, pln.mgearY, pln.mgearZ));
    }
    for (int s = 0; s < f_body_s_dim(PART_FUSE); s++)
        d = fltmax2(d, extent_of(0.0f, pln.body_Y[PART_FUSE][s][0], pln.body_Z[PART_FUSE][s][0]));
    d = fltmax2(d, pln.body_r[PART_FUSE]);
    return std::isfinite(d) ? fltmax2(d, MIN_EXTENT_FT) : MIN_EXTENT_FT;
}

void fg_reload_geometry(int textures)
{
    load_plane_geo(textures && !mnw.draw_wire && ogl_ready, 0);
}

void fg_turn_view()
{
    static float turned;
    if (!msc.rotate_code) {
        turned = 0.0f;
        return;
    }
    const float step = msc.rotate_code == 1 ? QUICK_TURN_DEG : LONG_TURN_DEG;
    msc.psi = fltwrap(msc.psi + step, 0.0f, 360.0f);
    turned += step;
    if (turned >= 360.0f) {
        msc.rotate_code = 0;
        turned = 0.0f;
    }
}

void manage_plot(int floor_y)
{
    if (!ogl_ready) return;
    floor_y = intlim(floor_y, 0, MENU_BAR_BOTTOM - 1);
    const int band_h = MENU_BAR_BOTTOM - floor_y;
    OGL_setstate(0, 0, 0, 0);
    if (msc.bluesky) sky_background();
    else OGL_fillrect(BLACK, 0, (float)floor_y, SCREEN_W, (float)band_h);

    const float zoom = msc.zoom > 0.0f ? msc.zoom : 1.0f;
    const float dist = find_dis_to_plane() * DISTANCE_PER_EXTENT;
    const float near_d = dist * NEAR_FRACTION, far_d = dist * FAR_PER_DISTANCE;
    const float half_h = near_d * VIEW_HALF_TAN / zoom;
    const float half_w = half_h * (float)SCREEN_W / (float)band_h;
    OGL_viewport(0, floor_y, SCREEN_W, band_h);
    qgl.MatrixMode(GL_PROJECTION);
    qgl.LoadIdentity();
    qgl3d.Frustum(-half_w, half_w, -half_h, half_h, near_d, far_d);
    qgl.MatrixMode(GL_MODELVIEW);
    qgl.LoadIdentity();
    qgl.Clear(GL_DEPTH_BUFFER_BIT);
    light_from_above_left();
    qgl3d.Translatef(msc.xos, msc.yos, -dist);
    qgl3d.Rotatef(msc.phi, 0, 0, 1);
    qgl3d.Rotatef(msc.the, 1, 0, 0);
    qgl3d.Rotatef(msc.psi, 0, 1, 0);

    // The drawing culls by distance and zoom as for a far aircraft: here the eye is close.
    con.VIEW_xyz[0] = 0.0f;
    con.VIEW_xyz[1] = pln.cgY;
    con.VIEW_xyz[2] = pln.cgZ + dist;
    atm.vis_eff = far_d * 2.0f;
    scn.zoom = 1.0f;
    // The painted aircraft is drawn fogged as in the world: here the fog begins beyond it.
    qgl3d.Fogf(GL_FOG_START, atm.vis_eff);
    qgl3d.Fogf(GL_FOG_END, atm.vis_eff * 2.0f);
    plot_plane(0.0f, -pln.cgY, -pln.cgZ, 0.0f, 0.0f, 0.0f);
    OGL_setstate(0, 0, 0, 0);
    back_to_2d();
}

}  // namespace orv
