// Windows 3 "Enroute" and 24 (an airport's approach chart): the moving map.
#include "windows/win_map.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "2-QZutils/qz_angles.h"
#include "2-QZutils/qz_btn.h"
#include "2-QZutils/qz_font.h"
#include "2-QZutils/qz_graph.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/records.h"
#include "flight/events.h"
#include "flight/flt_init.h"
#include "flight/funct.h"
#include "panel/p_glass.h"
#include "windows/win_common.h"
#include "windows/windows.h"
#include "world/nav_db.h"
#include "world/region.h"
#include "world/terrain_grid.h"

namespace orv {

namespace {

constexpr int FLTVARS_CUSTOM = 9;
constexpr float NM = 1852.0f;
// Chart colours (the lit palette, so the panel lighting does not dim the chart).
constexpr int C_LAND = 61, C_WATER = 62, C_PAPER = 60, C_INK = 69, C_RUNWAY = 68, C_AIRPORT = 65, C_VOR = 71;
constexpr int C_NDB = 67, C_FEATHER = 45, C_PATH = 70, C_FIRE = 72, C_ALARM = 73, C_CONTROL = 63;
constexpr int C_HIGH_GROUND[3] = {70, 67, 66};   // the virtual world: low, middle, high ground
// What the zoom allows, in chart pixels per nautical mile.
constexpr float VOR_BOX_PX_NM = 3.0f, NDB_BOX_PX_NM = 8.0f, APT_ID_PX_NM = 5.0f, NAME_PX_NM = 12.0f;
constexpr float ICON_MARGIN = 6.0f;       // an icon's half size: icons nearer the edge are left out
constexpr float RUNWAY_MIN_PX = 5.0f;     // a shorter runway is drawn as the airport's ring
constexpr float FEATHER_NM = 10.0f, FEATHER_HALF_DEG = 3.0f;
constexpr float PATH_GAP_S = 30.0f;       // samples further apart belong to different flights
constexpr float PLATE_AIRPORT_NM = 5.0f;
constexpr float PLATE_START_ZOOM = 4.0f;  // an approach chart opens on 7.5 nm round its field  // localizers this close belong to the chart's airport
// The controls at the right of the chart.
constexpr int CTL_X = MAP_CHART_W + 6, CTL_W = 70, BTN_H = 16;
constexpr int ZOOM_IN_Y = 440, ZOOM_OUT_Y = 418, PAN_Y = 370, CENTRE_Y = 326;
constexpr int WHEEL_HDG_Y = 250, WHEEL_ALT_Y = 190, WHEEL_SPD_Y = 130;

float scale() { return (msc.map_type == MAP_PLATE ? con.mtrtoplt : con.mtrtonrt) * env.zoom_rat; }
float px_per_nm() { return scale() * NM; }
int plate_dx() { return msc.map_type == MAP_PLATE ? MAP_PLATE_DX : 0; }

int on_chart(float x, float y, float margin = 0)
{
    return x >= margin && x < MAP_CHART_W - margin && y >= margin && y < MAP_CHART_H - margin;
}

// A line cut to the chart (the window's edges and its title bar lie just beyond it).
void chart_line(int c, float x1, float y1, float x2, float y2)
{
    float t0 = 0, t1 = 1;
    const float dx = x2 - x1, dy = y2 - y1;
    const float p[4] = {-dx, dx, -dy, dy}, q[4] = {x1, MAP_CHART_W - 1 - x1, y1, MAP_CHART_H - 1 - y1};
    for (int k = 0; k < 4; k++) {
        if (p[k] == 0) {
            if (q[k] < 0) return;
            continue;
        }
        const float t = q[k] / p[k];
        if (p[k] < 0) t0 = std::max(t0, t);
        else t1 = std::min(t1, t);
    }
    if (t0 <= t1) OGL_line(c, x1 + t0 * dx, y1 + t0 * dy, x1 + t1 * dx, y1 + t1 * dy);
}

// A filled box cut to the chart.
void chart_box(int c, float x1, float y1, float x2, float y2)
{
    x1 = std::max(x1, 0.0f); y1 = std::max(y1, 0.0f);
    x2 = std::min(x2, (float)MAP_CHART_W); y2 = std::min(y2, (float)MAP_CHART_H);
    if (x2 > x1 && y2 > y1) OGL_fillrect(c, x1, y1, x2 - x1, y2 - y1);
}

void segment(int c, double x1, double z1, double x2, double z2)
{
    chart_line(c, pixelxfinder(x1), pixelyfinder(z1), pixelxfinder(x2), pixelyfinder(z2));
}

// The frame direction of true heading hdg at a point (radians, 0 along -z, clockwise).
float frame_dir(double x, float lat, float hdg) { return region_frame_heading(x, lat, hdg) * DEG_TO_RAD_F; }

void text(int c, float x, float y, const char* t)
{
    if (on_chart(x, y) && on_chart(x + WIN_CHAR_W * std::strlen(t), y + GLYPH_ROWS))
        OGL_string(c, x, y, t, WRAP_OFF_WIDTH, WIN_CHAR_W);
}

// ---- ground, weather and fires
void plot_ground()
{
    if (msc.map_type == MAP_PLATE || msc.map_type == MAP_PLAIN || msc.map_type == MAP_WEATHER) {
        OGL_fillrect(msc.map_type == MAP_WEATHER ? C_INK : C_PAPER, 0, 0, MAP_CHART_W, MAP_CHART_H);
        return;
    }
    OGL_fillrect(C_LAND, 0, 0, MAP_CHART_W, MAP_CHART_H);
    // every cell once it spans a few pixels, every n-th cell while zoomed out
    const float cell_px = std::max(std::fabs(pixelxfinder(planexyz[1][0][0]) - pixelxfinder(planexyz[0][0][0])), 0.1f);
    const int step = std::max(1, (int)std::ceil(2.0f / cell_px));
    const float span = env.max_h - env.min_h;
    for (int i = 0; i + step < TER_I; i += step)
        for (int j = 0; j + step < TER_J; j += step) {
            const float x1 = pixelxfinder(planexyz[i][j][0]), x2 = pixelxfinder(planexyz[i + step][j][0]);
            const float y1 = pixelyfinder(planexyz[i][j][2]), y2 = pixelyfinder(planexyz[i][j + step][2]);
            if (x2 < 0 || x1 >= MAP_CHART_W || y2 < 0 || y1 >= MAP_CHART_H) continue;
            int c = -1;
            if (on_water[i][j]) c = C_WATER;
            else if (msc.map_type == MAP_VIRTUAL_WORLD && span > 0)
                c = C_HIGH_GROUND[std::min(2, (int)(3 * (planexyz[i][j][1] - env.min_h) / span))];
            if (c >= 0) chart_box(c, x1, y1, x2 + 1, y2 + 1);
        }
}

void plot_weather()
{
    const int cell = msc.map_type == MAP_WEATHER ? 4 : 8;
    for (int y = 0; y < MAP_CHART_H; y += cell)
        for (int x = 0; x < MAP_CHART_W; x += cell) {
            const int c = radar_colour(radar_value(map_world_x(x + cell / 2.0f), map_world_z(y + cell / 2.0f)));
            // on the enroute charts only the heavier weather, as a hatch
            if (!c || (msc.map_type != MAP_WEATHER && c == radar_colour(0.2f))) continue;
            if (msc.map_type == MAP_WEATHER) OGL_fillrect(c, x, y, cell, cell);
            else OGL_line(c, x, y, x + cell - 1, y + cell - 1);
        }
}

void plot_icon_fire(float x, float y)
{
    if (!on_chart(x, y, ICON_MARGIN)) return;
    OGL_fillrect(C_FIRE, x - 3, y - 3, 7, 7);
    OGL_framerect(C_ALARM, x - 3, y - 3, 7, 7);
    text(C_ALARM, x + 6, y - 3, "FIRE");
}

void plot_fires()
{
    for (int f = 0; f < 10; f++)
        if (scn.fire_on[f]) plot_icon_fire(pixelxfinder(scn.firexyz[f][0]), pixelyfinder(scn.firexyz[f][2]));
}

// ---- airports and navaids
void plot_name(int c, float x, float y, const char* name)
{
    char shown[40];
    std::snprintf(shown, sizeof shown, "%.39s", name);
    for (int k = (int)std::strlen(shown) - 1; k >= 0 && shown[k] == ' '; k--) shown[k] = 0;
    text(c, x, y, shown);
}

void plot_apt(int a)
{
    const double ax = X_with_latlon(apt_lat[a][0], apt_lon[a][0]), az = Z_with_lat(apt_lat[a][0]);
    const float px = pixelxfinder(ax), py = pixelyfinder(az);
    int drawn = 0;
    for (int r = 0; r < APT_RWYS; r++) {
        if (apt_len[a][r] <= 1) continue;   // an empty runway slot
        const double x = X_with_latlon(apt_lat[a][r], apt_lon[a][r]), z = Z_with_lat(apt_lat[a][r]);
        const float d = frame_dir(x, apt_lat[a][r], (float)apt_hdng[a][r]);
        const float half = apt_len[a][r] / 2.0f;
        if (apt_len[a][r] * scale() < RUNWAY_MIN_PX) continue;
        const double dx = std::sin(d) * half, dz = -std::cos(d) * half;
        const float w = std::max(1.0f, apt_width[a][r] * scale());
        const int lines = std::min(5, (int)w);
        const double nx = std::cos(d), nz = std::sin(d);   // across the runway
        for (int k = 0; k < lines; k++) {
            const double off = (k - (lines - 1) / 2.0) / std::max(1, lines - 1) * (w / scale());
            segment(C_RUNWAY, x - dx + nx * off, z - dz + nz * off, x + dx + nx * off, z + dz + nz * off);
        }
        if (msc.map_type == MAP_PLATE) {   // both ends' numbers beyond their thresholds
            char end[8];
            std::snprintf(end, sizeof end, "%02d", apt_num[a][r]);
            text(C_INK, pixelxfinder(x - 1.15 * dx) - 6, pixelyfinder(z - 1.15 * dz) - 3, end);
            std::snprintf(end, sizeof end, "%02d", (apt_num[a][r] + 17) % 36 + 1);
            text(C_INK, pixelxfinder(x + 1.15 * dx) - 6, pixelyfinder(z + 1.15 * dz) - 3, end);
        }
        drawn = 1;
    }
    if (!drawn && on_chart(px, py, ICON_MARGIN)) {
        OGL_framerect(C_AIRPORT, px - 3, py - 3, 7, 7);
        OGL_line(C_AIRPORT, px, py + 3, px, py + 6);
    }
    const float nm = px_per_nm();
    char id[5];
    std::snprintf(id, sizeof id, "%.4s", apt_id[a]);
    if (nm >= APT_ID_PX_NM || msc.map_type == MAP_PLATE) text(C_AIRPORT, px + 8, py + 4, id);
    if (nm >= NAME_PX_NM && msc.map_type != MAP_PLATE) plot_name(C_AIRPORT, px + 8, py - 6, apt_name[a]);
}

// The frequency and identifier in a box beside the station.
void plot_freqbox(int c, float x, float y, int n)
{
    char f[16], id[5];
    if (nav_type[n] == NAV_NDB) std::snprintf(f, sizeof f, "%d", nav_f12[n]);
    else std::snprintf(f, sizeof f, "%d.%02d", nav_f12[n] / 100, nav_f12[n] % 100);
    std::snprintf(id, sizeof id, "%.4s", nav_id[n]);
    const int w = WIN_CHAR_W * (int)std::max(std::strlen(f), std::strlen(id)) + 5;
    const float bx = x + 8, by = y - 12;
    if (!on_chart(bx, by) || !on_chart(bx + w, by + 21)) return;
    OGL_fillrect(C_PAPER, bx, by, w, 21);
    OGL_framerect(c, bx, by, w, 21);
    text(c, bx + 3, by + 12, f);
    text(c, bx + 3, by + 3, id);
}

void plot_navaid(int n)
{
    const int vor = nav_type[n] == NAV_VOR, c = vor ? C_VOR : C_NDB;
    const float x = pixelxfinder(X_with_latlon(nav_lat[n], nav_lon[n])), y = pixelyfinder(Z_with_lat(nav_lat[n]));
    if (!on_chart(x, y, ICON_MARGIN)) return;
    for (int r = 0; r < 10; ++r)
        for (int col = 0; col < 10; ++col)
            if (ins.nav_pic[vor ? 1 : 2][r][col]) OGL_fillrect(c, x - 5 + col, y + 4 - r, 1, 1);
    if (vor && msc.map_type != MAP_PLATE) {   // the compass rose's ticks round a VOR
        const float rr = std::min(40.0f, 2.0f * px_per_nm());
        if (rr > 12)
            for (int a = 0; a < 360; a += 30) {
                const float s = std::sin(a * DEG_TO_RAD_F), co = std::cos(a * DEG_TO_RAD_F);
                chart_line(c, x + s * rr, y + co * rr, x + s * (rr - 4), y + co * (rr - 4));
            }
    }
    const float nm = px_per_nm();
    if (nm >= (vor ? VOR_BOX_PX_NM : NDB_BOX_PX_NM)) plot_freqbox(c, x, y, n);
    if (nm >= NAME_PX_NM) plot_name(c, x + 8, y - 22, nav_name[n]);
}

// A localizer's feather: from the antenna back along the approach, its two edges at the
// course's full-scale width and the half on the right hatched.
void plot_feather(double x, double z, float lat, float course)
{
    const float back = frame_dir(x, lat, course + 180.0f);
    const float len = FEATHER_NM * NM, half = FEATHER_HALF_DEG * DEG_TO_RAD_F;
    const double ex = x + std::sin(back) * len, ez = z - std::cos(back) * len;
    const double lx = x + std::sin(back - half) * len, lz = z - std::cos(back - half) * len;
    const double rx = x + std::sin(back + half) * len, rz = z - std::cos(back + half) * len;
    const double nx = x + std::sin(back) * len * 0.9, nz = z - std::cos(back) * len * 0.9;   // the notch
    segment(C_FEATHER, x, z, lx, lz);
    segment(C_FEATHER, x, z, rx, rz);
    segment(C_FEATHER, lx, lz, nx, nz);
    segment(C_FEATHER, rx, rz, nx, nz);
    segment(C_FEATHER, x, z, ex, ez);
    for (int k = 1; k < 9; k++) {
        const double f = k / 9.0;
        segment(C_FEATHER, x + (ex - x) * f * 0.9, z + (ez - z) * f * 0.9, x + (rx - x) * f, z + (rz - z) * f);
    }
}

void plot_localizers()
{
    for (int r = 0; r < 2; r++)
        if (nav.goodnav[r] && nav.ilsgs[r] != 9)
            plot_feather(nav.vorX[r], nav.vorZ[r], (float)region_lat(nav.vorZ[r]), nav.ilscrs[r]);
    if (msc.map_type != MAP_PLATE || msc.plate_index < 0 || msc.plate_index >= APT_CAP) return;
    const int a = msc.plate_index;   // every localizer of the chart's airport
    for (int n = 0; n <= env.navmax && n < NAV_CAP; n++) {
        if ((nav_type[n] != NAV_LOC && nav_type[n] != NAV_LOC_ONLY) || !nav_inreg[n]) continue;
        const double x = X_with_latlon(nav_lat[n], nav_lon[n]), z = Z_with_lat(nav_lat[n]);
        const double ax = X_with_latlon(apt_lat[a][0], apt_lon[a][0]), az = Z_with_lat(apt_lat[a][0]);
        if (std::hypot(x - ax, z - az) < PLATE_AIRPORT_NM * NM) plot_feather(x, z, nav_lat[n], (float)nav_hdng[n]);
    }
}

void plot_places()
{
    for (int a = 0; a <= env.aptmax && a < APT_CAP; a++)
        if (apt_inreg[a] && (msc.map_type != MAP_PLATE || a == msc.plate_index || px_per_nm() < 40)) plot_apt(a);
    for (int n = 0; n <= env.navmax && n < NAV_CAP; n++)
        if (nav_inreg[n] && (nav_type[n] == NAV_VOR || nav_type[n] == NAV_NDB)) plot_navaid(n);
}

// ---- the flown path and the aircraft
void plot_path()
{
    for (int c = 0; c < PATH_SAMPLES; c++) {
        const int d = (c + 1) % PATH_SAMPLES;
        if (!pat.inited[c] || !pat.inited[d]) continue;
        const float* a = pat.xyztppt[c];
        const float* b = pat.xyztppt[d];
        if (b[6] < a[6] || b[6] - a[6] > PATH_GAP_S) continue;
        const float x1 = pixelxfinder(a[0]), y1 = pixelyfinder(a[2]), x2 = pixelxfinder(b[0]), y2 = pixelyfinder(b[2]);
        chart_line(C_PATH, x1, y1, x2, y2);
        chart_line(C_PATH, x1 + 1, y1, x2 + 1, y2);
    }
}

// One segment of the aircraft symbol, its ends given nose-up and turned by the heading.
void plane_line(int c, float x, float y, float heading, float x1, float y1, float x2, float y2)
{
    const float s = std::sin(heading * DEG_TO_RAD_F), co = std::cos(heading * DEG_TO_RAD_F);
    chart_line(c, x + x1 * co + y1 * s, y - x1 * s + y1 * co, x + x2 * co + y2 * s, y - x2 * s + y2 * co);
}

}  // namespace

void flashplane(float x, float y, int flag)
{
    if (!on_chart(x, y)) return;
    const int c = flag ? C_ALARM : C_INK;
    const float h = region_frame_heading(flt.X, flt.lat, flt.psi);
    if (pln.is_heli) {   // the rotor disc and the tail boom
        for (int a = 0; a < 360; a += 15) plane_line(c, x, y, h + a, 0, 7, 1.8f, 6.8f);
        plane_line(c, x, y, h, 0, 0, 0, -12);
        plane_line(c, x, y, h, -3, -12, 3, -12);
        return;
    }
    plane_line(c, x, y, h, 0, 9, 0, -9);     // fuselage
    plane_line(c, x, y, h, -9, 1, 9, 1);     // wings
    plane_line(c, x, y, h, -8, 0, 8, 0);
    plane_line(c, x, y, h, -4, -8, 4, -8);   // tail
}

float pixelxfinder(double x) { return (float)((x - env.os_X_plan) * scale()) + plate_dx(); }
float pixelyfinder(double z) { return (float)((env.os_Z_plan - z) * scale()); }
double map_world_x(float px) { return env.os_X_plan + (px - plate_dx()) / scale(); }
double map_world_z(float py) { return env.os_Z_plan - py / scale(); }

void map_centre_on(double x, double z, int keep_zoom)
{
    if (!keep_zoom || env.zoom_rat <= 0) env.zoom_rat = msc.map_type == MAP_PLATE ? PLATE_START_ZOOM : 1;
    env.os_X_plan = (float)(x - MAP_CHART_W / 2.0 / scale());
    env.os_Z_plan = (float)(z + MAP_CHART_H / 2.0 / scale());
}

void map_zoom(int in)
{
    if (in && env.zoom_rat >= MAP_ZOOM_LIMIT) return;
    const double cx = map_world_x(MAP_CHART_W / 2.0f), cz = map_world_z(MAP_CHART_H / 2.0f);
    env.zoom_rat = in ? env.zoom_rat * MAP_ZOOM_STEP : env.zoom_rat / MAP_ZOOM_STEP;
    env.os_X_plan = (float)(cx - (MAP_CHART_W / 2.0f - plate_dx()) / scale());
    env.os_Z_plan = (float)(cz + MAP_CHART_H / 2.0f / scale());
}

void map_pan(int dx, int dy)
{
    env.os_X_plan += dx * MAP_CHART_W / 2.0f / scale();
    env.os_Z_plan -= dy * MAP_CHART_H / 2.0f / scale();
}

void map_start_at(float px, float py)
{
    set.cus_X = (float)map_world_x(px);
    set.cus_Z = (float)map_world_z(py);
    int i, j;
    set.cus_Y = std::max(set.cus_Y, find_local_h(set.cus_X, set.cus_Z, &i, &j, 0));
    set_fltvars(FLTVARS_CUSTOM);
}

void plot_map()
{
    OGL_setstate(0, 0, 0, 0);
    plot_ground();
    plot_weather();
    plot_places();
    plot_localizers();
    plot_fires();
    plot_path();
    static int frames;
    flashplane(pixelxfinder(flt.X), pixelyfinder(flt.Z), (++frames / 8) % 2);
}

// ---- the window: the chart, then the controls over its right edge
static int button(int y, const char* caption)
{
    OGL_fillrect(C_CONTROL, CTL_X, y, CTL_W, BTN_H);
    OGL_framerect(C_INK, CTL_X, y, CTL_W, BTN_H);
    win_text(C_INK, CTL_X + (CTL_W - WIN_CHAR_W * (int)std::strlen(caption)) / 2, y + 5, caption);
    return btn_clicked_in(CTL_X, y, CTL_X + CTL_W, y + BTN_H);
}

static int chart_key = -1;   // the chart the view was centred for
static int chart_frame = -1; // the flight's frame counter then: the flight stands still while the map is up

void manage_map()
{
    if (win_frame()) return;
    const int key = msc.map_type == MAP_PLATE ? MAP_PLATE * 100000 + msc.plate_index : msc.map_type;
    // A new chart opens at its own zoom; the same chart after some flying keeps the zoom
    // chosen and comes back centred on the aircraft (an approach chart on its airport).
    if (key != chart_key || msc.cntr != chart_frame || env.zoom_rat <= 0) {
        const int a = msc.plate_index;
        if (msc.map_type == MAP_PLATE && a >= 0 && a < APT_CAP)
            map_centre_on(X_with_latlon(apt_lat[a][0], apt_lon[a][0]), Z_with_lat(apt_lat[a][0]), key == chart_key);
        else
            map_centre_on(flt.X, flt.Z, key == chart_key);
        chart_key = key;
        chart_frame = msc.cntr;
    }
    plot_map();
    OGL_fillrect(C_PAPER, MAP_CHART_W, 0, mnw.dx - MAP_CHART_W, MAP_CHART_H);
    OGL_line(C_INK, MAP_CHART_W, 0, MAP_CHART_W, MAP_CHART_H);
    if (button(ZOOM_IN_Y, "ZOOM IN")) map_zoom(1);
    if (button(ZOOM_OUT_Y, "ZOOM OUT")) map_zoom(0);
    const int pw = CTL_W / 3;
    auto pan = [&](int col, int row, const char* t, int dx, int dy) {
        const int x = CTL_X + col * pw, y = PAN_Y + row * BTN_H;
        OGL_framerect(C_INK, x, y, pw, BTN_H);
        win_text(C_INK, x + pw / 2 - 2, y + 5, t);
        if (btn_clicked_in(x, y, x + pw, y + BTN_H)) map_pan(dx, dy);
    };
    pan(1, 1, "N", 0, 1);
    pan(0, 0, "W", -1, 0);
    pan(2, 0, "E", 1, 0);
    pan(1, -1, "S", 0, -1);
    if (button(CENTRE_Y, "CENTRE")) chart_frame = -1;
    win_caption(CTL_X, WHEEL_HDG_Y + 24, "START:");
    win_wheel_row(CTL_X, WHEEL_HDG_Y, 0, "", &set.cus_psi, 1.0f, 3, 0, 0, 359, "deg");
    win_wheel_row(CTL_X, WHEEL_ALT_Y, 0, "", &set.cus_Y, con.mtrstoft, 5, 0, 0, 60000, "ft");
    win_wheel_row(CTL_X, WHEEL_SPD_Y, 0, "", &set.cus_v, con.msctokts, 3, 0, 0, 999, "kt");
    win_text(WC_UNIT, CTL_X, WHEEL_SPD_Y - 40, "CLICK THE");
    win_text(WC_UNIT, CTL_X, WHEEL_SPD_Y - 50, "CHART TO");
    win_text(WC_UNIT, CTL_X, WHEEL_SPD_Y - 60, "START THERE");
    char zoom[24];
    std::snprintf(zoom, sizeof zoom, "ZOOM %.1f", env.zoom_rat);
    win_text(WC_UNIT, CTL_X, 20, zoom);
    if (mnw.mouse_clicked && on_chart((float)mnw.mx, (float)mnw.my)) {
        map_start_at((float)mnw.mx, (float)mnw.my);
        MACIBM_startwind(mnw.topwin);
        plot_map();
    }
}

}  // namespace orv
