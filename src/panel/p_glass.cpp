#include "panel/p_glass.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "2-QZutils/qz_angles.h"
#include "2-QZutils/qz_font.h"
#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_graph.h"
#include "2-QZutils/records.h"
#include "flight/events.h"
#include "flight/funct.h"
#include "panel/p_init.h"
#include "world/nav_db.h"
#include "world/scene_tables.h"

namespace orv {

namespace {

constexpr float DEFAULT_RANGE_NM = 10.0f;
constexpr float RADAR_SECTOR_DEG = 60.0f;
constexpr float AIRPORT_NAMES_RANGE_NM = 20.0f;     // the radar sweeps this far either side of the nose
constexpr int   MAP_RING_COLOUR = 42, VOR_COLOUR = 43, NDB_COLOUR = 32, AIRPORT_COLOUR = 38;
constexpr int   TRAFFIC_COLOUR = 45, SYMBOL_COLOUR = 0, TEXT_COLOUR = 47, CAPTION_COLOUR = 38;
constexpr int   WARN_COLOUR = 41;

// The EFIS map's frame on the glass panel, from the EFIS place.
constexpr int MAP_X1 = 229, MAP_X2 = 385, MAP_Y1 = 16, MAP_Y2 = 150;
constexpr int MAP_CX = 307, MAP_ARC_CY = 22, MAP_ROSE_CY = 83;
constexpr float MAP_ARC_RADIUS = 120, MAP_ROSE_RADIUS = 60;
// The engine display's screen, from the engine panel's edge.
constexpr int ECAM_X = 650, ECAM_TOP = 296, ECAM_LINE = 11;

float range_of(int mode)
{
    const float r = mode == GLASS_EFIS_MAP ? ins.map_range : mode == GLASS_MOVING_MAP ? ins.arg_range : ins.rad_range;
    return r > 0.0f ? r : DEFAULT_RANGE_NM;
}

float up_of(int mode) { return (mode == GLASS_MOVING_MAP && ins.arg_mode == 2) ? 0.0f : flt.psi; }

void dot(int colour, float x, float y, float size) { OGL_fillrect(colour, x - size / 2, y - size / 2, size, size); }

// Rings at half and full range, dotted, inside the window.
void range_rings(const glass_window& w, int sector_only)
{
    for (float f : {0.5f, 1.0f})
        for (int a = 0; a < 360; a += 5) {
            const float rel = a > 180 ? a - 360.0f : (float)a;
            if (sector_only && std::fabs(rel) > RADAR_SECTOR_DEG) continue;
            const float x = w.cx + f * w.radius * std::sin(a * DEG_TO_RAD_F), y = w.cy + f * w.radius * std::cos(a * DEG_TO_RAD_F);
            if (x >= w.x1 && x <= w.x2 && y >= w.y1 && y <= w.y2) dot(MAP_RING_COLOUR, x, y, 1);
        }
}

// The weather-radar picture: each cell coloured by the weather under its centre.
void weather_cells(const glass_window& w, float up, float range_nm, int cell, int sector_only)
{
    for (float y = w.y1 + cell / 2.0f; y < w.y2; y += cell)
        for (float x = w.x1 + cell / 2.0f; x < w.x2; x += cell) {
            const float dx = x - w.cx, dy = y - w.cy;
            const float r_px = std::hypot(dx, dy);
            const float rel = std::atan2(dx, dy) / DEG_TO_RAD_F;
            if (sector_only && (std::fabs(rel) > RADAR_SECTOR_DEG || r_px > w.radius)) continue;
            const float dist = r_px / w.radius * range_nm * con.nmtomtrs;
            const float b = (up + rel) * DEG_TO_RAD_F;
            const int c = radar_colour(radar_value(flt.X + dist * std::sin(b), flt.Z - dist * std::cos(b)));
            if (c) OGL_fillrect(c, x - cell / 2.0f, y - cell / 2.0f, cell, cell);
        }
}

// A navaid's icon (ten by ten, its first row on top) and, on the big map, its identifier.
void icon(int which, int colour, float x, float y, const char* id, int big)
{
    if (!big) {
        dot(colour, x, y, 2);
        return;
    }
    for (int r = 0; r < 10; ++r)
        for (int c = 0; c < 10; ++c)
            if (ins.nav_pic[which][r][c]) OGL_fillrect(colour, x - 5 + c, y + 4 - r, 1, 1);
    char shown[5];
    std::snprintf(shown, sizeof shown, "%.4s", id);
    OGL_string(colour, x + 7, y - 3, shown, 800, 6);
}

void navaids(const glass_window& w, float up, float range_nm, int big)
{
    for (int k = 0; k < REG_LIST_CAP; ++k) {
        const int lists[2] = {vor_to_index[k], ndb_to_index[k]};
        for (int l = 0; l < 2; ++l) {
            const int n = lists[l];
            if (n < 0 || n >= NAV_CAP) continue;
            const glass_pt p = glass_project(X_with_latlon(nav_lat[n], nav_lon[n]), Z_with_lat(nav_lat[n]), flt.X, flt.Z,
                                             up, range_nm, w);
            if (p.in) icon(l == 0 ? 1 : 2, l == 0 ? VOR_COLOUR : NDB_COLOUR, p.x, p.y, nav_id[n], big);
        }
        const int a = apt_to_index[k];
        if (a < 0 || a >= APT_CAP) continue;
        const glass_pt p = glass_project(X_with_latlon(apt_lat[a][0], apt_lon[a][0]), Z_with_lat(apt_lat[a][0]), flt.X,
                                         flt.Z, up, range_nm, w);
        // at the longer ranges the airports crowd the screen: their icons alone
        if (p.in) icon(3, AIRPORT_COLOUR, p.x, p.y, range_nm <= AIRPORT_NAMES_RANGE_NM ? apt_id[a] : "", big);
    }
}

// Traffic as diamonds with their height against ours in hundreds of feet.
void traffic(const glass_window& w, float up, float range_nm)
{
    for (int i = 0; i < TRAFFIC_CAP; ++i) {
        if (traf_xyz[i][0] == 0.0f && traf_xyz[i][2] == 0.0f) continue;
        const glass_pt p = glass_project(traf_xyz[i][0], traf_xyz[i][2], flt.X, flt.Z, up, range_nm, w);
        if (!p.in) continue;
        OGL_line(TRAFFIC_COLOUR, p.x - 3, p.y, p.x, p.y + 3);
        OGL_line(TRAFFIC_COLOUR, p.x, p.y + 3, p.x + 3, p.y);
        OGL_line(TRAFFIC_COLOUR, p.x + 3, p.y, p.x, p.y - 3);
        OGL_line(TRAFFIC_COLOUR, p.x, p.y - 3, p.x - 3, p.y);
        const float hundreds = intlim(round((traf_xyz[i][1] - (float)flt.Y) * con.mtrstoft / 100.0f), -99, 99);
        OGL_number(TRAFFIC_COLOUR, p.x + 11, p.y - 3, hundreds, 2, 0, 6, 1);
    }
}

void aircraft_symbol(const glass_window& w)
{
    OGL_line(SYMBOL_COLOUR, w.cx, w.cy + 6, w.cx - 4, w.cy - 4);
    OGL_line(SYMBOL_COLOUR, w.cx - 4, w.cy - 4, w.cx + 4, w.cy - 4);
    OGL_line(SYMBOL_COLOUR, w.cx + 4, w.cy - 4, w.cx, w.cy + 6);
}

void ecam_text(int line, const char* caption, float value, int digits, int decimals)
{
    const float y = ECAM_TOP - ECAM_LINE * line;
    OGL_string(CAPTION_COLOUR, oseng + ECAM_X, y, caption, 800, 6);
    if (digits > 0) OGL_number(TEXT_COLOUR, oseng + ECAM_X + 84, y, value, digits, decimals, 6, 1);
}

// A control's position -1..1 as a bar from the centre of its line.
void ecam_bar(int line, const char* caption, float v)
{
    const float y = ECAM_TOP - ECAM_LINE * line;
    OGL_string(CAPTION_COLOUR, oseng + ECAM_X, y, caption, 800, 6);
    const float cx = oseng + ECAM_X + 95;
    OGL_line(MAP_RING_COLOUR, cx, y - 1, cx, y + 7);
    OGL_fillrect(TEXT_COLOUR, fltmin2(cx, cx + 40 * fltlim(v, -1, 1)), y + 1, std::fabs(40 * fltlim(v, -1, 1)) + 1, 4);
}

}  // namespace

glass_pt glass_project(double px, double pz, double ax, double az, float up_deg, float range_nm, const glass_window& w)
{
    const double east = px - ax, north = az - pz;
    const float dist_nm = (float)std::hypot(east, north) * con.mtrstonm;
    const float rel = (float)std::atan2(east, north) / DEG_TO_RAD_F - up_deg;
    const float r_px = range_nm > 0 ? dist_nm / range_nm * w.radius : 0.0f;
    glass_pt p;
    p.x = w.cx + r_px * std::sin(rel * DEG_TO_RAD_F);
    p.y = w.cy + r_px * std::cos(rel * DEG_TO_RAD_F);
    p.in = p.x >= w.x1 && p.x <= w.x2 && p.y >= w.y1 && p.y <= w.y2;
    return p;
}

glass_window glass_screen(int mode)
{
    glass_window w;
    if (mode == GLASS_EFIS_MAP) {
        const int ox = ins.x_loc[INS_EFIS], oy = ins.y_loc[INS_EFIS];
        const bool arc = ins.map_mode == 2;
        w.cx = ox + MAP_CX;
        w.cy = oy + (arc ? MAP_ARC_CY : MAP_ROSE_CY);
        w.radius = arc ? MAP_ARC_RADIUS : MAP_ROSE_RADIUS;
        w.x1 = ox + MAP_X1;
        w.x2 = ox + MAP_X2;
        w.y1 = oy + MAP_Y1;
        w.y2 = oy + MAP_Y2;
        return w;
    }
    const float x = ins.x_loc[INS_SUPP], y = ins.y_loc[INS_SUPP];
    const bool radar = mode == GLASS_WX_RADAR;
    w.cx = x;
    w.cy = radar ? y - 40 : y;
    w.radius = radar ? 80 : 40;
    w.x1 = x - 42;
    w.x2 = x + 42;
    w.y1 = y - 42;
    w.y2 = y + 42;
    return w;
}

int radar_colour(float v)
{
    if (v > 0.66f) return 8;
    if (v > 0.33f) return 9;
    if (v > 0.1f) return 13;
    return 0;
}

void update_glass(int mode)
{
    const glass_window w = glass_screen(mode);
    const float range = range_of(mode), up = up_of(mode);
    const bool radar = mode == GLASS_WX_RADAR;
    if (radar || (mode == GLASS_EFIS_MAP && ins.EFIS_wxr)) weather_cells(w, up, range, radar ? 4 : 6, radar);
    range_rings(w, radar);
    if (!radar) navaids(w, up, range, mode == GLASS_EFIS_MAP);
    if (mode == GLASS_EFIS_MAP && ins.EFIS_tcas) traffic(w, up, range);
    aircraft_symbol(w);
    if (mode == GLASS_EFIS_MAP) {
        // heading on top, the range beside the outer ring
        const float hx = (w.x1 + w.x2) / 2 - 9, hy = w.y2 - 9;
        OGL_fillrect(29, hx - 2, hy - 2, 22, 11);
        OGL_framerect(CAPTION_COLOUR, hx - 2, hy - 2, 22, 11);
        OGL_number(TEXT_COLOUR, hx, hy, (float)intwrap(round(ins.psimag), 0, 359), 3, 0, 6, 0);
        OGL_number(MAP_RING_COLOUR, w.x1 + 3, w.y2 - 9, range, 3, 0, 6, 0);
    } else {
        OGL_number(MAP_RING_COLOUR, w.x1 + 2, w.y2 - 8, range, 3, 0, 6, 0);
        if (mode == GLASS_MOVING_MAP) OGL_string(CAPTION_COLOUR, w.x2 - 12, w.y2 - 8, ins.arg_mode == 2 ? "N" : "H", 800, 6);
    }
}

int ecam_failure_lines(const char** lines, int max)
{
    static const char* const oil[4] = {"OIL PUMP 1", "OIL PUMP 2", "OIL PUMP 3", "OIL PUMP 4"};
    const struct { int working; const char* name; } sys[] = {
        {rel.esystem, "ELECTRICAL"}, {rel.hydsys, "HYDRAULICS"}, {rel.vacuum, "VACUUM"},
        {rel.radios, "RADIOS"}, {rel.efis_1, "EFIS 1"}, {rel.efis_2, "EFIS 2"},
        {rel.ss_asi, "AIRSPEED IND"}, {rel.ss_alt, "ALTIMETER"}, {rel.ss_ahz, "ATTITUDE IND"},
        {rel.ss_dgy, "DIRECTNL GYRO"}, {rel.ss_tsi, "TURN IND"}, {rel.ss_vvi, "VERT SPEED IND"},
        {rel.fc_ail, "AILERON CTL"}, {rel.fc_elv, "ELEVATOR CTL"}, {rel.fc_rud, "RUDDER CTL"},
        {rel.fc_flp, "FLAP CTL"}, {rel.fc_thr, "THROTTLE CTL"}};
    int n = 0;
    for (const auto& s : sys)
        if (!s.working && n < max) lines[n++] = s.name;
    for (int e = 0; e < intlim(pln.numen, 0, 4); ++e)
        if (!rel.oilpmp[e] && n < max) lines[n++] = oil[e];
    return n;
}

void update_ecam()
{
    if (!pln.ecam || ins.ecam_mode < 4 || ins.ecam_mode > 7) return;
    OGL_fillrect(29, oseng + ECAM_X - 2, 152, 144, ECAM_TOP - 152 + 10);
    const int engines = intlim(pln.numen, 0, 4);
    switch (ins.ecam_mode) {
    case 4: {
        ecam_text(0, "FUEL LB", flt.m_fuel * con.kgstolbs, 6, 0);
        float flow = 0;
        for (int e = 0; e < engines; ++e) {
            static const char* const cap[4] = {"FLOW 1 PPH", "FLOW 2 PPH", "FLOW 3 PPH", "FLOW 4 PPH"};
            const float pph = flt.ff_[e] * con.kgstolbs * 3600.0f;
            flow += pph;
            ecam_text(2 + e, cap[e], pph, 5, 0);
        }
        const float minutes = flow > 1.0f ? fltmin2(flt.m_fuel * con.kgstolbs / flow * 60.0f, 9999.0f) : 9999.0f;
        ecam_text(7, "ENDUR MIN", minutes, 4, 0);
        break;
    }
    case 5:
        ecam_bar(0, "AIL", set.FC_roll);
        ecam_bar(2, "ELV", set.FC_ptch);
        ecam_bar(4, "RUD", set.FC_hdng);
        ecam_bar(6, "TRIM", flt.elv_trim);
        ecam_text(8, "FLAP DEG", (float)flt.flap, 3, 0);
        ecam_text(10, "SBRK", (float)flt.sbrk, 2, 0);
        break;
    case 6:
        ecam_text(0, "HYD PSI", rel.hyd_rat * 3000.0f, 4, 0);
        ecam_text(2, rel.hydsys ? "SYSTEM NORM" : "SYSTEM FAIL", 0, 0, 0);
        if (pln.gear_retract) ecam_text(4, set.gear_handle ? "GEAR DOWN" : "GEAR UP", 0, 0, 0);
        ecam_text(6, "PARK BRAKE", set.parkbrake, 1, 0);
        break;
    default: {
        const char* lines[24];
        const int n = ecam_failure_lines(lines, 12);
        if (!n) OGL_string(TEXT_COLOUR, oseng + ECAM_X, ECAM_TOP, "NO FAILURES", 800, 6);
        for (int k = 0; k < n; ++k) OGL_string(WARN_COLOUR, oseng + ECAM_X, ECAM_TOP - ECAM_LINE * k, lines[k], 800, 6);
        break;
    }
    }
}

}  // namespace orv
