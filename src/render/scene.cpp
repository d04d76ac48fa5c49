#include "render/scene.h"

#include <cmath>

#include "2-QZutils/drplane.h"
#include "2-QZutils/qgl.h"
#include "2-QZutils/qgl3d.h"
#include "2-QZutils/qz_bitmap.h"
#include "2-QZutils/qz_font.h"
#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_graph.h"
#include "2-QZutils/records.h"
#include "render/airport_draw.h"
#include "render/hud.h"
#include "render/lights_draw.h"
#include "render/precip.h"
#include "render/ships.h"
#include "render/sky.h"
#include "render/terrain_draw.h"
#include "world/apt_gen.h"
#include "world/nav_db.h"
#include "world/region.h"
#include "world/region_shift.h"
#include "world/weather_gen.h"

namespace orv {

float lite_r = 1.0f, lite_g = 1.0f, lite_b = 1.0f, ogl_brat_ter = 1.0f;
int ter_inrange[TER_I][TER_J];
int obj_inrange[OBJ_CAP];
float x0, z0, x1, z1, x2, z2;

namespace {

constexpr float DEG = (float)M_PI / 180.0f;
constexpr float EYE_MIN_AGL = 2.0f;            // outside views keep this above the ground
constexpr float SURF_FLAGS_OPEN = 78;
constexpr float OBJ_RANGE_MARGIN = 1000.0f, APT_RANGE_MARGIN = 5000.0f;
constexpr float TER_CONE_MARGIN = 5000.0f;
constexpr float STEEP_DOWN = -30.0f;           // looking down more than this: all terrain
constexpr float CONE_REACH = 1.4142f;
constexpr float PANEL_LIGHT_STEP = 0.1f;
constexpr int   TEX_HAND = 57, TEX_DG = 58;
constexpr float DEFAULT_CHASE_DIST = 30.0f;    // m behind the aircraft

void (*region_shift)(int type) = shift_region;

// The lagged outside-view eye and the state that decides when the bounds are rebuilt.
float lag_eye[3];
int   lag_eye_set;
int   key_i = -1, key_j = -1, key_vis = -1, key_oct = -1;
cloud_puff puff;
float panel_r = -1.0f, panel_g = -1.0f, panel_b = -1.0f;
scene_frame frame;
int   box_ok;
float box_x1, box_x2, box_z1, box_z2;   // the drawing box round the eye

float eye_x() { return con.VIEW_xyz[0]; }
float eye_y() { return con.VIEW_xyz[1]; }
float eye_z() { return con.VIEW_xyz[2]; }

void set_attitude_trig()
{
    con.sinPLANthe = std::sin(flt.the * DEG);
    con.cosPLANthe = std::cos(flt.the * DEG);
    con.sinPLANpsi = std::sin(flt.psi * DEG);
    con.cosPLANpsi = std::cos(flt.psi * DEG);
    con.sinPLANphi = std::sin(flt.phi * DEG);
    con.cosPLANphi = std::cos(flt.phi * DEG);
}

// The pilot's eye point turned by the aircraft's roll (right wing down for a positive roll,
// so an eye above the centre of gravity swings to the right), then pitch, then heading.
void pilot_eye(float out[3])
{
    float x = pln.peX, y = pln.peY, z = pln.peZ;
    const float xr = x * con.cosPLANphi + y * con.sinPLANphi;
    const float yr = -x * con.sinPLANphi + y * con.cosPLANphi;
    x = xr;
    y = yr;
    const float yp = y * con.cosPLANthe - z * con.sinPLANthe;
    const float zp = y * con.sinPLANthe + z * con.cosPLANthe;
    y = yp;
    z = zp;
    const float xh = x * con.cosPLANpsi - z * con.sinPLANpsi;
    const float zh = x * con.sinPLANpsi + z * con.cosPLANpsi;
    out[0] = (float)flt.X + xh;
    out[1] = (float)flt.Y + y;
    out[2] = (float)flt.Z + zh;
}

// Where an outside view's eye is heading this frame.
void outside_target(int view, float t[3])
{
    switch (view) {
    case VIEW_TOWER: {
        const int a = msc.loc_apt_reg;
        const int r = first_runway(a);
        if (r >= 0) {
            // The tower stands beside the first runway, off its right edge.
            const float* p = scn.rwayxyz[a][r][1];
            const float* q = scn.rwayxyz[a][r][0];
            t[0] = p[0] + (p[0] - q[0]) * 2.0f;
            t[1] = p[1] + 30.0f;
            t[2] = p[2] + (p[2] - q[2]) * 2.0f;
        } else {
            t[0] = (float)flt.X + 300.0f;
            t[1] = (float)flt.Y + 30.0f;
            t[2] = (float)flt.Z;
        }
        break;
    }
    case VIEW_RUNWAY: t[0] = msc.runwayview_X; t[1] = msc.runwayview_Y; t[2] = msc.runwayview_Z; break;
    case VIEW_SPOT:   t[0] = msc.spotview_X;   t[1] = msc.spotview_Y;   t[2] = msc.spotview_Z;   break;
    case VIEW_CHASE: {
        const float v = pythag3(flt.vX, flt.vY, flt.vZ);
        float ux = 0.0f, uy = 0.0f, uz = -1.0f;
        if (v > 0.5f) {
            ux = flt.vX / v;
            uy = flt.vY / v;
            uz = flt.vZ / v;
        } else {
            ux = std::sin(flt.psi * DEG);
            uz = -std::cos(flt.psi * DEG);
        }
        const float lag = (1.0f - msc.prd) * msc.prd;
        t[0] = (float)flt.X - lag * flt.vX - scn.dist * ux;
        t[1] = (float)flt.Y - lag * flt.vY - scn.dist * uy;
        t[2] = (float)flt.Z - lag * flt.vZ - scn.dist * uz;
        break;
    }
    default: {   // free view
        const float az = msc.freeviewXZ, el = msc.freeviewY;   // radians, as the view keys turn them
        t[0] = (float)flt.X + scn.dist * std::cos(el) * std::sin(az);
        t[1] = (float)flt.Y + scn.dist * std::sin(el);
        t[2] = (float)flt.Z - scn.dist * std::cos(el) * std::cos(az);
        break;
    }
    }
}

int in_box(float x, float z, float margin)
{
    return box_ok && x >= box_x1 - margin && x <= box_x2 + margin && z >= box_z1 - margin &&
           z <= box_z2 + margin;
}

// Nearest region airport to the aircraft.
void nearest_airport()
{
    float best = 1e30f;
    for (int a = 0; a < REG_LIST_CAP && a <= env.apt_list_max; a++) {
        const int w = apt_to_index[a];
        const int r = first_runway(a);
        if (w < 0 || r < 0) continue;
        const float* p = scn.rwayxyz[a][r][0];
        const float d = pythag(p[0] - (float)flt.X, p[2] - (float)flt.Z);
        if (d < best) {
            best = d;
            msc.loc_apt_wrl = w;
            msc.loc_apt_reg = a;
        }
    }
}

void compute_bounds(float vis)
{
    const float ex = eye_x(), ez = eye_z();
    box_x1 = ex - vis;
    box_x2 = ex + vis;
    box_z1 = ez - vis;
    box_z2 = ez + vis;
    switch (frame.octant) {   // nothing behind the viewer
    case 2: case 3: box_x1 = ex; break;
    case 4: case 5: box_z1 = ez; break;
    case 6: case 7: box_x2 = ex; break;
    default: box_z2 = ez; break;
    }
    box_ok = 1;
    // Cloud cells: the deck's grid spans the region with one degree round it.
    auto ci = [](float x) { return interp(env.lox, 16.0f, env.hix, 64.0f, x); };
    auto cj = [](float z) { return interp(env.hiz, 16.0f, env.loz, 48.0f, z); };
    if (env.hix > env.lox && env.hiz > env.loz) {
        const float ia = ci(box_x1), ib = ci(box_x2), ja = cj(box_z1), jb = cj(box_z2);
        scn.i1_plot_bound_cld = intlim((int)std::floor(fltmin2(ia, ib)) - 1, 0, CLOUD_I);
        scn.i2_plot_bound_cld = intlim((int)std::ceil(fltmax2(ia, ib)) + 1, 0, CLOUD_I);
        scn.j1_plot_bound_cld = intlim((int)std::floor(fltmin2(ja, jb)) - 1, 0, CLOUD_J);
        scn.j2_plot_bound_cld = intlim((int)std::ceil(fltmax2(ja, jb)) + 1, 0, CLOUD_J);
    } else {
        scn.i1_plot_bound_cld = scn.j1_plot_bound_cld = 0;
        scn.i2_plot_bound_cld = scn.j2_plot_bound_cld = -1;
    }
    int i1 = TER_I, i2 = -1, j1 = TER_J, j2 = -1;
    for (int i = 1; i < TER_I; i++)
        for (int j = 1; j < TER_J; j++) {
            const float* p = planexyz[i][j];
            if (p[0] < box_x1 || p[0] > box_x2 || p[2] < box_z1 || p[2] > box_z2) continue;
            if (i < i1) i1 = i;
            if (i > i2) i2 = i;
            if (j < j1) j1 = j;
            if (j > j2) j2 = j;
        }
    if (i2 < 0) {   // the eye is off the mesh or the box is empty: draw nothing of it
        scn.i1_plot_bound_ter = scn.j1_plot_bound_ter = 0;
        scn.i2_plot_bound_ter = scn.j2_plot_bound_ter = -1;
    } else {
        scn.i1_plot_bound_ter = intlim(i1 - 2, 0, TER_I - 2);
        scn.j1_plot_bound_ter = intlim(j1 - 2, 0, TER_J - 2);
        scn.i2_plot_bound_ter = intlim(i2 + 1, 0, TER_I - 2);
        scn.j2_plot_bound_ter = intlim(j2 + 1, 0, TER_J - 2);
    }
    nearest_airport();
}

void cone_tests()
{
    const float ex = eye_x(), ez = eye_z(), reach = atm.vis_eff * CONE_REACH;
    x0 = ex;
    z0 = ez;
    x1 = ex + reach * std::sin((scn.psi - 45.0f) * DEG);
    z1 = ez - reach * std::cos((scn.psi - 45.0f) * DEG);
    x2 = ex + reach * std::sin((scn.psi + 45.0f) * DEG);
    z2 = ez - reach * std::cos((scn.psi + 45.0f) * DEG);
    for (int o = 0; o < OBJ_CAP; o++)
        obj_inrange[o] = obj_type[o] != OBJ_NONE && in_box(obj_xyz[o][0][0][0], obj_xyz[o][0][0][2], OBJ_RANGE_MARGIN) &&
                         incone(obj_xyz[o][0][0][0], obj_xyz[o][0][0][2], OBJ_RANGE_MARGIN);
    for (int a = 0; a < REG_LIST_CAP; a++) {
        const int r = first_runway(a);
        const float* p = scn.rwayxyz[a][r < 0 ? 0 : r][0];
        apt_inrange[a] = a <= env.apt_list_max && apt_to_index[a] >= 0 && r >= 0 &&
                         in_box(p[0], p[2], APT_RANGE_MARGIN) && incone(p[0], p[2], APT_RANGE_MARGIN);
    }
    const int all = scn.the < STEEP_DOWN;
    for (int i = scn.i1_plot_bound_ter; i <= scn.i2_plot_bound_ter + 1 && i < TER_I; i++)
        for (int j = scn.j1_plot_bound_ter; j <= scn.j2_plot_bound_ter + 1 && j < TER_J; j++)
            ter_inrange[i][j] = all || incone(planexyz[i][j][0], planexyz[i][j][2], TER_CONE_MARGIN);
    if (scn.abovetops) {   // cells under the deck are hidden
        for (int i = scn.i1_plot_bound_ter; i <= scn.i2_plot_bound_ter; i++)
            for (int j = scn.j1_plot_bound_ter; j <= scn.j2_plot_bound_ter; j++)
                if (planexyz[i][j][1] < atm.topsMSL && planexyz[i + 1][j][1] < atm.topsMSL &&
                    planexyz[i][j + 1][1] < atm.topsMSL && planexyz[i + 1][j + 1][1] < atm.topsMSL)
                    ter_inrange[i][j] = 0;
    }
}

float strike_distance_nm()
{
    const float* p = atm.lightXYZ[0][0];
    return pythag(p[0] - eye_x(), p[2] - eye_z()) * con.mtrstonm;
}

void apply_light(float sun_e)
{
    const GLfloat col[4] = {lite_r, lite_g, lite_b, 1.0f};
    const GLfloat dir[4] = {std::sin(sun_e * DEG), std::cos(sun_e * DEG), 0.0f, 0.0f};
    qgl3d.Lightfv(GL_LIGHT0, GL_AMBIENT, col);
    qgl3d.Lightfv(GL_LIGHT0, GL_DIFFUSE, col);
    qgl3d.Lightfv(GL_LIGHT0, GL_POSITION, dir);
}

void apply_fog()
{
    const GLfloat col[4] = {frame.base.r, frame.base.g, frame.base.b, 1.0f};
    qgl.Fogi(GL_FOG_MODE, GL_LINEAR);
    qgl3d.Fogfv(GL_FOG_COLOR, col);
    qgl3d.Fogf(GL_FOG_START, atm.vis_eff * 0.2f);
    qgl3d.Fogf(GL_FOG_END, atm.vis_eff);
}

void draw_path_trace()
{
    OGL_setstate(1, 0, 0, 1);
    qgl3d.Color3f(1.0f, 1.0f, 0.0f);
    qgl.Begin(GL_LINES);
    for (int k = 1; k < PATH_SAMPLES; k++) {
        if (!pat.inited[k] || !pat.inited[k - 1]) continue;
        qgl.Vertex3f(pat.xyztppt[k - 1][0], pat.xyztppt[k - 1][1], pat.xyztppt[k - 1][2]);
        qgl.Vertex3f(pat.xyztppt[k][0], pat.xyztppt[k][1], pat.xyztppt[k][2]);
    }
    qgl.End();
}

void ortho_over(int x, int y, int w, int h)
{
    qgl.MatrixMode(GL_PROJECTION);
    qgl.LoadIdentity();
    qgl.Ortho(x, x + w, y, y + h, -1, 1);
    qgl.MatrixMode(GL_MODELVIEW);
    qgl.LoadIdentity();
}

void panel_lighting_followup()
{
    if (std::fabs(ins.r_rat - panel_r) <= PANEL_LIGHT_STEP && std::fabs(ins.g_rat - panel_g) <= PANEL_LIGHT_STEP &&
        std::fabs(ins.b_rat - panel_b) <= PANEL_LIGHT_STEP)
        return;
    const int first = panel_r < 0.0f;
    panel_r = ins.r_rat;
    panel_g = ins.g_rat;
    panel_b = ins.b_rat;
    if (first) return;   // the start-up already loaded them at this lighting
    char path[420];
    C_plus_C(pln.C_path, " hand", path);
    if (!OGL_texbmp(BMP_TEXTURE_PATH, TEX_HAND, 0, path)) OGL_texbmp(BMP_TEXTURE, TEX_HAND, 0, "hand");
    OGL_texbmp(BMP_TEXTURE, TEX_DG, TEX_KEYED, "dg");
}

}  // namespace

void scene_set_region_shift(void (*fn)(int type)) { region_shift = fn ? fn : shift_region; }

int incone(float x, float z, float dxz)
{
    return inside_cw_reg(x0, z0, x1, z1, x, z, dxz) && inside_cw_reg(x1, z1, x2, z2, x, z, dxz) &&
           inside_cw_reg(x2, z2, x0, z0, x, z, dxz);
}

int region_follow()
{
    const int type = region_shift_type(flt.lat, flt.lon, env.lat_sou, env.lon_wes);
    if (type != SHIFT_NONE) {
        region_shift(type);
        box_ok = 0;
        lag_eye_set = 0;   // the frame may have moved under the lagged eye
    }
    return type;
}

void place_eye()
{
    set_attitude_trig();
    const int view = set.view_type;
    if (view_is_outside(view)) {
        // Before the first bounds of a region the nearest airport is not known yet, and the
        // tower view would set off from another airport's tower.
        if (!box_ok) nearest_airport();
        float t[3];
        outside_target(view, t);
        if (!lag_eye_set) {
            for (int k = 0; k < 3; k++) lag_eye[k] = t[k];
            lag_eye_set = 1;
        }
        for (int k = 0; k < 3; k++) lag_eye[k] = closer_assymp(lag_eye[k], t[k], msc.prd);
        for (int k = 0; k < 3; k++) con.VIEW_xyz[k] = lag_eye[k];
    } else {
        lag_eye_set = 0;
        const eye_attitude e = view_attitude(view, flt.the, flt.psi, flt.phi);
        scn.the = e.the;
        scn.psi = e.psi;
        scn.phi = e.phi;
        pilot_eye(con.VIEW_xyz);
    }
}

void scene_frame_setup()
{
    turn_propellers();
    int vi = 0, vj = 0;
    const float ground = find_local_h(eye_x(), eye_z(), &vi, &vj, 0);
    env.i_viewpoint = vi;
    env.j_viewpoint = vj;
    con.PLAN_loc_X = (float)flt.X;
    con.PLAN_loc_Y = (float)flt.Y;
    con.PLAN_loc_Z = (float)flt.Z;
    set_attitude_trig();
    if (view_is_outside(set.view_type)) {
        con.VIEW_xyz[1] = fltmax2(con.VIEW_xyz[1], ground + EYE_MIN_AGL);
        const float dx = con.PLAN_loc_X - eye_x(), dy = con.PLAN_loc_Y - eye_y(), dz = con.PLAN_loc_Z - eye_z();
        scn.the = std::atan2(dy, pythag(dx, dz)) / DEG;
        scn.psi = fltwrap(std::atan2(dx, -dz) / DEG, 0.0f, 360.0f);
        scn.phi = 0.0f;
    }
    frame.eye_agl = eye_y() - ground;
    env.over_carr = env.over_frig = env.over_obs = 0;
    env.surf_type = (int)SURF_FLAGS_OPEN;
    frame.clear = atm.cld_type == 0;
    scn.abovetops = !frame.clear && eye_y() > atm.topsMSL;
    scn.belowbases = !frame.clear && eye_y() <= atm.baseMSL;
    frame.octant = view_octant(scn.psi);
    frame.hours = msc.locl_time / 3600.0f;
    scn.city_lites_on = city_lights_on(frame.hours);
    scn.rway_lites_on = runway_lights_on(frame.hours, atm.vis_rep);

    // Visibility.
    frame.ragged = cloud_ragged(atm.baseAGL);
    const int overcast = atm.cld_type == 1;
    const float band = overcast ? cloud_band_factor(eye_y(), atm.baseMSL, atm.topsMSL, frame.ragged) : 1.0f;
    atm.vis_eff = visibility_law(atm.vis_rep, atm.vis_mult, frame.eye_agl, overcast, scn.abovetops, atm.level, band);
    if (overcast) {
        const int inside = in_cloud_band(eye_y(), atm.baseMSL, atm.topsMSL, frame.ragged);
        atm.vis_eff = fltmax2(atm.vis_eff * puff_step(&puff, msc.prd, inside, flt.vind), 1.0f);
    }

    // Bounds when the eye cell, the whole-mile visibility or the octant changed.
    const int vis_nm = (int)(atm.vis_eff * con.mtrstonm);
    if (vi != key_i || vj != key_j || vis_nm != key_vis || frame.octant != key_oct || !box_ok) {
        key_i = vi;
        key_j = vj;
        key_vis = vis_nm;
        key_oct = frame.octant;
        compute_bounds(atm.vis_eff);
    }
    cone_tests();

    // Sun, light and sky.
    const int clear_or_above = frame.clear || scn.abovetops;
    ogl_brat_ter = terrain_brightness(frame.hours, atm.level, frame.clear, scn.abovetops);
    const float l = light_level(frame.hours, atm.level, frame.clear, scn.abovetops);
    const sky_law_out sky = sky_law(frame.hours, ogl_brat_ter, atm.level, atm.cld_type, eye_y(), atm.baseMSL,
                                    atm.topsMSL, frame.ragged, scn.abovetops);
    const rgb3 lt = light_tint(frame.hours), st = sky_tint(frame.hours, clear_or_above);
    rgb3 light = {l * lt.r, l * lt.g, l * lt.b};
    frame.base = {sky.base.r * st.r, sky.base.g * st.g, sky.base.b * st.b};
    frame.rat1 = sky.rat1;
    frame.rat2 = sky.rat2;
    frame.rat3 = sky.rat3;
    if (msc.elap_time < atm.strike_stop_time && !scn.abovetops && msc.cntr10 % 2 == 0) {
        const float d = strike_distance_nm();
        frame.base = lightning_blend(frame.base, d);
        light = lightning_blend(light, d);
    }
    lite_r = fltlim(light.r, 0.0f, 1.0f);
    lite_g = fltlim(light.g, 0.0f, 1.0f);
    lite_b = fltlim(light.b, 0.0f, 1.0f);
    frame.base = {fltlim(frame.base.r, 0, 1), fltlim(frame.base.g, 0, 1), fltlim(frame.base.b, 0, 1)};
    const float above = scn.abovetops ? eye_y() - atm.topsMSL : frame.eye_agl;
    frame.proj = projection_law(set.view_is_fullscreen, frame.eye_agl, above, atm.vis_eff, scn.zoom > 0 ? scn.zoom : 1.0f);
    const hud_box_out hb = hud_box(set.view_is_fullscreen);
    con.HUD_lft = hb.lft;
    con.HUD_rgt = hb.rgt;
    con.HUD_top = hb.top;
    con.HUD_bot = hb.bot;
    con.cntrx = hb.cx;
    con.cntry = hb.cy;
}

const scene_frame& scene_last_frame() { return frame; }

void scene_reset()
{
    lag_eye_set = 0;
    key_i = key_j = key_vis = key_oct = -1;
    box_ok = 0;
    puff = {};
}

void scn2(int typeshift)
{
    if (typeshift != SHIFT_NONE) box_ok = 0;
    scene_frame_setup();
    const projection_law_out& p = frame.proj;

    qgl.Viewport(ogl_view.x + p.vx * ogl_view.w / SCREEN_W, ogl_view.y + p.vy * ogl_view.h / SCREEN_H,
                 p.vw * ogl_view.w / SCREEN_W, p.vh * ogl_view.h / SCREEN_H);
    qgl.MatrixMode(GL_PROJECTION);
    qgl.LoadIdentity();
    qgl3d.Frustum(-p.half_w, p.half_w, -p.half_h, p.half_h, p.near_m, p.far_m);
    qgl.MatrixMode(GL_MODELVIEW);
    qgl.LoadIdentity();
    qgl3d.Rotatef(scn.phi, 0, 0, 1);
    qgl3d.Rotatef(scn.the, -1, 0, 0);
    apply_fog();
    qgl.Clear(GL_DEPTH_BUFFER_BIT);

    // 1. sky box, drawn behind everything. It turns with the view (pitch and roll only): its
    // front wall then lies square across the view at the sky distance, inside the far plane,
    // where a box fixed to the compass would put its corners beyond it.
    OGL_setstate(0, 0, 0, 1);
    qgl3d.DepthFunc(GL_ALWAYS);
    plot_sky_box(p.sky_dist, frame.base, frame.rat1, frame.rat2, frame.rat3);
    qgl3d.DepthFunc(GL_LESS);

    qgl3d.Rotatef(scn.psi, 0, 1, 0);
    qgl3d.Translatef(-eye_x(), -eye_y(), -eye_z());
    apply_light(sun_elevation(frame.hours));

    // 2. stars, 3. clouds over the deck.
    if (frame.clear || scn.abovetops) {
        OGL_setstate(0, 0, 0, 0);
        plot_stars(frame.base.r, frame.base.g, frame.base.b, (float)p.vx, (float)p.vy, (float)(p.vx + p.vw),
                   (float)(p.vy + p.vh));
    }
    if (scn.abovetops) {
        OGL_setstate(1, 0, 0, 1);
        plot_clouds();
    }
    // 4..7. the ground and what stands on it.
    OGL_setstate(1, 1, 1, 1);
    plot_terrain();
    if (scn.city_lites_on) {
        OGL_setstate(1, 0, 0, 0);
        plot_city_lights();
    }
    if (ogl_trees) {
        OGL_setstate(1, 0, 0, 1);
        plot_trees();
    }
    if (msc.elap_time < atm.strike_stop_time) {
        OGL_setstate(1, 0, 0, 0);
        plot_lightning();
    }
    // 8..10. airports, windsocks, lights and obstacles, fires.
    OGL_setstate(1, 1, 1, 0);
    plot_airports();
    OGL_setstate(1, 1, 1, 1);
    qgl.Disable(GL_CULL_FACE);
    plot_windsocks();
    qgl.Enable(GL_CULL_FACE);
    OGL_setstate(1, 0, 0, 1);
    plot_rway_lights();
    plot_obstacles();
    int fires = 0;
    for (int f = 0; f < 10; f++) fires |= scn.fire_on[f];
    if (fires) plot_fires();
    // 11. traffic, 12. the own aircraft in the outside views.
    for (int t = 0; t < TRAFFIC; t++)
        if (traffic_visible(traf_xyz[t][1], eye_y()))
            plot_plane(traf_xyz[t][0], traf_xyz[t][1], traf_xyz[t][2], 0.0f, (float)traf_h[t], 0.0f);
    if (view_is_outside(set.view_type)) plot_plane((float)flt.X, (float)flt.Y, (float)flt.Z, flt.the, flt.psi, flt.phi);
    // 13. the recorded path.
    if (msc.show_path) draw_path_trace();

    // Overlays in 2-D over the 3-D viewport.
    OGL_setstate(0, 0, 0, 0);
    const int forward = view_is_forward(set.view_type);
    ortho_over(0, 0, SCREEN_W, SCREEN_H);
    qgl.Viewport(ogl_view.x, ogl_view.y, ogl_view.w, ogl_view.h);
    if (atm.cld_type == 1 && !scn.abovetops)
        do_window_precip((float)p.vx, (float)p.vy, (float)(p.vx + p.vw), (float)(p.vy + p.vh));
    if (forward) {
        const int hud = hud_shown(pln.HUDtype, ins.HUD_on, ins.HOOP_on);
        if (hud == HUD_NORMAL) plot_nrml_hud();
        if (hud == HUD_HOOPS) plot_cool_hud();
    }
    if (set.replay_mode) {
        const char* const label = "REPLAY";
        OGL_string(HUD_COLOR, (float)p.vx + 8, (float)(p.vy + p.vh) - 14, label, (float)WRAP_OFF_WIDTH, 6);
    }
    panel_lighting_followup();
}

void update_scenery()
{
    const int typeshift = region_follow();
    place_eye();
    scn2(typeshift);
}

void scene_init()
{
    if (scn.zoom <= 0.0f) scn.zoom = 1.0f;
    if (scn.dist <= 0.0f) scn.dist = DEFAULT_CHASE_DIST;
    if (set.view_type == 0) set.view_type = VIEW_FWD;
    scene_reset();
}

}  // namespace orv
