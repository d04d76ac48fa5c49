// The location windows: an airport by identifier or by name, the world, the region corner,
// where the aircraft is, and the region seen from above at an angle.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "2-QZutils/qz_angles.h"
#include "2-QZutils/qz_btn.h"
#include "2-QZutils/qz_font.h"
#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_graph.h"
#include "2-QZutils/records.h"
#include "flight/flt_init.h"
#include "windows/win_common.h"
#include "windows/windows.h"
#include "world/nav_db.h"
#include "world/region.h"
#include "world/scenery_cache.h"
#include "world/scenery_gen.h"
#include "world/terrain_grid.h"

namespace orv {

constexpr int START_AT_RUNWAY = 7, FLTVARS_RUNWAY = 8, FLTVARS_CUSTOM_AIRBORNE = 10;
// The region's corner wraps past the 180th meridian, so every whole western longitude is a corner.
constexpr int REGION_LON_WES_MIN = -180, REGION_LON_WES_MAX = 179;

static int airport_count() { return std::min(env.aptmax + 1, APT_CAP); }

// Distance (nautical miles) and true bearing (degrees) from one position to another, on the
// flat local frame the flight uses (a degree of latitude is 60 nm).
static void range_bearing(float lat1, float lon1, float lat2, float lon2, float* nm, float* brg)
{
    const double dn = (lat2 - lat1) * 60.0;
    const double de = fltwrap(lon2 - lon1, -180, 180) * 60.0 * std::cos((lat1 + lat2) * 0.5 * DEG_TO_RAD);
    *nm = (float)std::sqrt(dn * dn + de * de);
    *brg = fltwrap((float)(std::atan2(de, dn) / DEG_TO_RAD), 0, 360);
}

static int nearest_airport(float lat, float lon, float* nm, float* brg)
{
    int best = -1;
    float best_nm = 1e9f;
    for (int a = 0; a < airport_count(); a++) {
        float d, b;
        range_bearing(lat, lon, apt_lat[a][0], apt_lon[a][0], &d, &b);
        if (d < best_nm) {
            best_nm = d;
            best = a;
            *nm = d;
            *brg = b;
        }
    }
    return best;
}

// "N 34 05.23'" or "W 117 14.50'".
static void deg_min(float v, char pos, char neg, char* out, int len)
{
    const float a = std::fabs(v);
    const int d = (int)a;
    std::snprintf(out, len, "%c %d %05.2f'", v < 0 ? neg : pos, d, (a - d) * 60.0f);
}

static float ground_under(float x, float z)
{
    int i, j;
    return find_local_h(x, z, &i, &j, 0);
}

// Starts a new flight on the chosen airport's first runway, its region loaded round it.
static void start_at_airport(int a)
{
    msc.loc_apt_wrl = a;
    msc.typestart = START_AT_RUNWAY;
    msc.rway_sel = 0;
    frame_region_on_airport();
    set_fltvars(FLTVARS_RUNWAY);
}

// ---- 1 "Airport by ID"
void manage_id_()
{
    if (win_frame()) return;
    win_caption(12, 400, "Airport identifier:");
    in4charbtn(WC_DIGITS, 60, 370, msc.apt_id_req);
    win_text(WC_UNIT, 12, 340, "Click above a letter to");
    win_text(WC_UNIT, 12, 330, "step it up, below it to");
    win_text(WC_UNIT, 12, 320, "step it down.");
    const int a = win_airport_by_id(msc.apt_id_req, 0);
    if (a < 0) {
        win_text(WC_READOUT, 12, 290, "No airport with this ID.");
        return;
    }
    win_caption(12, 290, "Found:");
    OGL_string(WC_HEAD, 12, 275, apt_name[a], 150, WIN_CHAR_W);
    char line[64];
    std::snprintf(line, sizeof line, "elevation %.0f ft", apt_h[a] * con.mtrstoft);
    win_text(WC_CAPTION, 12, 245, line);
    for (int r = 0; r < APT_RWYS; r++) {
        if (apt_len[a][r] <= 1) continue;
        std::snprintf(line, sizeof line, "runway %02d%c: %.0f ft", apt_num[a][r], apt_lr[a][r] == 'x' ? ' ' : apt_lr[a][r],
                      apt_len[a][r] * con.mtrstoft);
        win_text(WC_CAPTION, 12, 230 - 12 * r, line);
    }
    win_text(WC_UNIT, 12, 40, "Close this window to");
    win_text(WC_UNIT, 12, 30, "start on its runway.");
}

// ---- 2 "Airport by Name": every airport in the order of its name
static int name_order[APT_CAP], name_order_count = -1, name_pos = -1;
static char name_prefix[5] = "A   ";

static void sort_names()
{
    const int n = airport_count();
    if (name_order_count == n) return;
    for (int a = 0; a < n; a++) name_order[a] = a;
    std::stable_sort(name_order, name_order + n, [](int p, int q) { return std::strcmp(apt_name[p], apt_name[q]) < 0; });
    name_order_count = n;
    name_pos = -1;
}

void manage_nam()
{
    if (win_frame()) return;
    sort_names();
    const int n = name_order_count;
    if (n <= 0) {
        win_text(WC_READOUT, 12, 100, "No airports are loaded.");
        return;
    }
    if (name_pos < 0)
        for (int p = 0; p < n; p++)
            if (name_order[p] == msc.loc_apt_wrl) name_pos = p;
    if (name_pos < 0) name_pos = 0;
    win_caption(12, 172, "Names from:");
    if (in4charbtn(WC_DIGITS, 90, 172, name_prefix)) {   // jump to the first name at or after it
        char want[5];
        std::memcpy(want, name_prefix, 5);
        for (int k = 3; k >= 0 && want[k] == ' '; k--) want[k] = 0;
        name_pos = (int)(std::lower_bound(name_order, name_order + n, 0,
                                          [&](int a, int) { return std::strncmp(apt_name[a], want, std::strlen(want)) < 0; }) -
                         name_order);
    }
    win_text(WC_UNIT, 150, 172, "click a name to fly from it");
    if (plot_name_list(12, 20, apt_name, apt_id, &name_pos, 0, n - 1, name_order) == 2) {
        start_at_airport(name_order[name_pos]);
        win_close();
    }
}

// ---- 3 "Enroute" and 24: the moving map's frame; 22 "Graphics Output": the graph's frame

// ---- 4 "World": the land of the scenery source, the airports of the database, a click flies there
constexpr int MAP_X0 = 34, MAP_Y0 = 40, MAP_PX_PER_DEG = 2;
constexpr int MAP_W = 360 * MAP_PX_PER_DEG, MAP_H = 180 * MAP_PX_PER_DEG;
constexpr float NEW_PLACE_MIN_AGL = 300.0f;       // a flight put down from the world window, m
enum { C_SEA = 34, C_LAND = 11, C_GRID = 35, C_AIRPORT = 20, C_REGION = 0, C_PLANE = 44 };

static unsigned char world_land[MAP_H][MAP_W];
static int world_land_state;                     // 0 not looked for, 1 drawn, -1 no source

static void world_land_fill()
{
    if (world_land_state) return;
    world_land_state = -1;
    if (!scenery_source_available()) return;
    for (int r = 0; r < MAP_H; r++)
        for (int c = 0; c < MAP_W; c++)
            world_land[r][c] = scenery_is_land(-90.0 + (r + 0.5) / MAP_PX_PER_DEG, -180.0 + (c + 0.5) / MAP_PX_PER_DEG) == 1;
    world_land_state = 1;
}

static float map_x(float lon) { return MAP_X0 + (lon + 180.0f) * MAP_PX_PER_DEG; }
static float map_y(float lat) { return MAP_Y0 + (lat + 90.0f) * MAP_PX_PER_DEG; }

static void world_statics()
{
    world_land_fill();
    OGL_fillrect(C_SEA, MAP_X0, MAP_Y0, MAP_W, MAP_H);
    if (world_land_state == 1)
        for (int r = 0; r < MAP_H; r++)
            for (int c = 0; c < MAP_W; c++) {
                if (!world_land[r][c]) continue;
                int run = c;
                while (run + 1 < MAP_W && world_land[r][run + 1]) run++;
                OGL_line(C_LAND, MAP_X0 + c, MAP_Y0 + r, MAP_X0 + run, MAP_Y0 + r);
                c = run;
            }
    for (int lon = -180; lon <= 180; lon += 30) OGL_line(C_GRID, map_x(lon), MAP_Y0, map_x(lon), MAP_Y0 + MAP_H);
    for (int lat = -90; lat <= 90; lat += 30) OGL_line(C_GRID, MAP_X0, map_y(lat), MAP_X0 + MAP_W, map_y(lat));
    for (int a = 0; a < airport_count(); a++) {
        const float x = map_x(apt_lon[a][0]), y = map_y(apt_lat[a][0]);
        OGL_line(C_AIRPORT, x, y, x + 1, y);
    }
    if (world_land_state != 1)
        win_text(WC_READOUT, MAP_X0 + 10, MAP_Y0 + MAP_H - 14, "The world's land outlines (scenery/earth.dat) are not installed.");
}

void manage_wrl()
{
    if (win_frame()) return;
    const int in_map = mnw.mx >= MAP_X0 && mnw.mx < MAP_X0 + MAP_W && mnw.my >= MAP_Y0 && mnw.my < MAP_Y0 + MAP_H;
    const float lat = (mnw.my - MAP_Y0) / (float)MAP_PX_PER_DEG - 90.0f;
    const float lon = (mnw.mx - MAP_X0) / (float)MAP_PX_PER_DEG - 180.0f;
    if (mnw.mouse_clicked && in_map) {
        const float agl_now = (float)flt.Y - ground_under((float)flt.X, (float)flt.Z);
        env.lat_sou = intlim((int)std::lround(lat - 1.0f), REGION_LAT_SOU_MIN, REGION_LAT_SOU_MAX);
        env.lon_wes = intlim((int)std::lround(lon - 1.5f), REGION_LON_WES_MIN, REGION_LON_WES_MAX);
        load_region();
        set.cus_X = (float)region_x_latlon(lat, lon);
        set.cus_Z = (float)region_z(lat);
        set.cus_Y = ground_under(set.cus_X, set.cus_Z) + std::max(agl_now, NEW_PLACE_MIN_AGL);
        set.cus_psi = flt.psi;
        set.cus_v = std::max(flt.v, 1.5f * msc.est_Vs);
        set_fltvars(FLTVARS_CUSTOM_AIRBORNE);
        win_close();
        return;
    }
    OGL_framerect(C_REGION, map_x(env.lon_wes), map_y(env.lat_sou), 3 * MAP_PX_PER_DEG, 2 * MAP_PX_PER_DEG);
    const float px = map_x(flt.lon), py = map_y(flt.lat);
    OGL_line(C_PLANE, px - 4, py, px + 4, py);
    OGL_line(C_PLANE, px, py - 4, px, py + 4);
    char line[96], a[24], b[24];
    deg_min(flt.lat, 'N', 'S', a, sizeof a);
    deg_min(flt.lon, 'E', 'W', b, sizeof b);
    std::snprintf(line, sizeof line, "Aircraft: %s  %s", a, b);
    win_caption(MAP_X0, 16, line);
    if (in_map) {
        deg_min(lat, 'N', 'S', a, sizeof a);
        deg_min(lon, 'E', 'W', b, sizeof b);
        std::snprintf(line, sizeof line, "Click to fly at %s  %s", a, b);
        win_caption(MAP_X0 + 330, 16, line);
    } else {
        win_text(WC_UNIT, MAP_X0 + 330, 16, "Click on the map to fly there.");
    }
}

// ---- 5 "Set Lat/Lon": the region's south-west corner
void manage_lat()
{
    if (win_frame()) return;
    win_caption(14, 128, "South-west corner of the region");
    win_int_wheel_row(14, 100, 90, "Latitude:", &env.lat_sou, 2, REGION_LAT_SOU_MIN, REGION_LAT_SOU_MAX, "deg north");
    win_int_wheel_row(14, 70, 90, "Longitude:", &env.lon_wes, 3, REGION_LON_WES_MIN, REGION_LON_WES_MAX, "deg east");
    char line[64];
    std::snprintf(line, sizeof line, "covers %d..%d N, %d..%d E", env.lat_sou, env.lat_sou + 2, env.lon_wes, env.lon_wes + 3);
    win_text(WC_UNIT, 14, 42, line);
    win_text(WC_UNIT, 14, 24, "(south and west are negative)");
}

// ---- 6 "Where Am I?"
void manage_whr()
{
    if (win_frame()) return;
    char line[128], a[24], b[24];
    deg_min(flt.lat, 'N', 'S', a, sizeof a);
    deg_min(flt.lon, 'E', 'W', b, sizeof b);
    std::snprintf(line, sizeof line, "Position: %s  %s", a, b);
    win_caption(14, 88, line);
    const float ground = ground_under((float)flt.X, (float)flt.Z);
    std::snprintf(line, sizeof line, "Height: %.0f ft above sea level, %.0f ft above the ground", flt.Y * con.mtrstoft,
                  ((float)flt.Y - ground) * con.mtrstoft);
    win_caption(14, 70, line);
    float nm = 0, brg = 0;
    const int n = nearest_airport(flt.lat, flt.lon, &nm, &brg);
    if (n < 0) {
        win_caption(14, 46, "Nearest airport: none in the database.");
        return;
    }
    std::snprintf(line, sizeof line, "Nearest airport: %.4s  %s", apt_id[n], apt_name[n]);
    win_caption(14, 46, line);
    std::snprintf(line, sizeof line, "%.1f nm away, bearing %03.0f true (%03.0f magnetic), field %.0f ft", nm, brg,
                  fltwrap(brg + env.mvar, 0, 360), apt_h[n] * con.mtrstoft);
    win_caption(14, 28, line);
}

// ---- 23 "Isometric Region": the loaded terrain mesh from the south-west, heights stretched
constexpr int ISO_CX = 380, ISO_CY = 250, ISO_W = 700, ISO_MAX_RISE = 160, ISO_STEP = 2;
constexpr float ISO_MAX_STRETCH = 25.0f;
static float iso_scale, iso_rise, iso_mid_x, iso_mid_z;

static void iso_project(float x, float y, float z, float* sx, float* sy)
{
    const float u = (x - iso_mid_x) * iso_scale, v = (z - iso_mid_z) * iso_scale;
    *sx = ISO_CX + (u + v) * 0.866f;
    *sy = ISO_CY + (u - v) * 0.5f + y * iso_rise;
}

static int iso_colour(int i, int j)
{
    if (on_water[i][j]) return C_SEA;
    const float h = planexyz[i][j][1];
    return h < 300 ? 19 : h < 1000 ? 13 : h < 2000 ? C_LAND : h < 3000 ? 12 : 0;
}

static void iso_frame_scale()
{
    const int imax = std::min(imaxindex, TER_I - 1), jmax = std::min(jmaxindex, TER_J - 1);
    float x1 = planexyz[0][0][0], x2 = planexyz[imax][0][0], z1 = planexyz[0][0][2], z2 = planexyz[0][jmax][2];
    float top = 1.0f;
    for (int i = 0; i <= imax; i++)
        for (int j = 0; j <= jmax; j++) top = std::max(top, planexyz[i][j][1]);
    iso_mid_x = (x1 + x2) / 2;
    iso_mid_z = (z1 + z2) / 2;
    const float span = std::fabs(x2 - x1) + std::fabs(z2 - z1);
    iso_scale = span > 0 ? ISO_W / (0.866f * span) : 1.0f;
    iso_rise = std::min(ISO_MAX_STRETCH * iso_scale, ISO_MAX_RISE / top);
}

static void iso_statics()
{
    const int imax = std::min(imaxindex, TER_I - 1), jmax = std::min(jmaxindex, TER_J - 1);
    if (imax < 1 || jmax < 1) {
        win_text(WC_READOUT, 20, 260, "No region is loaded.");
        return;
    }
    iso_frame_scale();
    for (int j = jmax; j >= 0; j -= ISO_STEP)        // far rows first
        for (int i = 0; i + ISO_STEP <= imax; i += ISO_STEP) {
            float ax, ay, bx, by;
            iso_project(planexyz[i][j][0], planexyz[i][j][1], planexyz[i][j][2], &ax, &ay);
            iso_project(planexyz[i + ISO_STEP][j][0], planexyz[i + ISO_STEP][j][1], planexyz[i + ISO_STEP][j][2], &bx, &by);
            OGL_line(iso_colour(i, j), ax, ay, bx, by);
            if (j >= ISO_STEP) {
                iso_project(planexyz[i][j - ISO_STEP][0], planexyz[i][j - ISO_STEP][1], planexyz[i][j - ISO_STEP][2], &bx, &by);
                OGL_line(iso_colour(i, j), ax, ay, bx, by);
            }
        }
    char line[120];
    std::snprintf(line, sizeof line, "Region %d..%d N, %d..%d E; heights stretched %.0f times", env.lat_sou,
                  env.lat_sou + 2, env.lon_wes, env.lon_wes + 3, iso_rise / iso_scale);
    win_caption(14, 14, line);
}

void manage_iso()
{
    if (win_frame()) return;
    if (iso_scale <= 0) return;
    float sx, sy, gx, gy;
    iso_project((float)flt.X, (float)flt.Y, (float)flt.Z, &sx, &sy);
    iso_project((float)flt.X, 0, (float)flt.Z, &gx, &gy);
    OGL_line(C_PLANE, gx, gy, sx, sy);
    OGL_fillrect(C_PLANE, sx - 2, sy - 2, 5, 5);
}

void window_statics(int w)
{
    if (w == 4) world_statics();
    if (w == 23) iso_statics();
}

}  // namespace orv
