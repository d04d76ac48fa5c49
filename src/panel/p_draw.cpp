#include "panel/p_draw.h"

#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <cstring>

#include "2-QZutils/qz_angles.h"
#include "2-QZutils/qz_bitmap.h"
#include "2-QZutils/qz_file.h"
#include "2-QZutils/qz_font.h"
#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_graph.h"
#include "2-QZutils/records.h"
#include "flight/funct.h"
#include "panel/p_glass.h"
#include "panel/p_gps_face.h"
#include "panel/p_panel_art.h"
#include "panel/manage_das.h"
#include "panel/p_init.h"
#include "panel/p_update.h"
#include "platform/plat_fs.h"
#include "world/nav_db.h"

namespace orv {

namespace {

constexpr int PANEL_TOP = 333;           // the panel covers the window up to here
constexpr int EQUIPMENT_STRIP_Y = 314;
// The gear lamps beside the gear handle's slot.
constexpr int GEAR_LIGHT_X = 610, GEAR_LIGHT_Y = 26;
// The glass panel's screen and tapes.
constexpr int GLASS_BOTTOM = 2, GLASS_TOP = 302, GLASS_RIGHT = 488, GLASS_MAP_W = 158;
constexpr int GLASS_ASI_X = 20, GLASS_ALT_X = 172, GLASS_TAPE_Y = 218;   // beside the fixed glass places
constexpr float GLASS_ASI_PX_PER_KT = 2.0f, GLASS_ALT_PX_PER_FT = 0.2f;
constexpr int SUPP_FACE_DIAL_Y = 106, ADF_FACE_DIAL_Y = 74;   // dial centres above the faces' lower edges
constexpr float STORMSCOPE_RADIUS_PX = 40;   // the range ring of the stormscope's screen
constexpr int GPS_NAME_CHARS = 16;           // as much of a waypoint's name as its line holds
constexpr int WHITE_ARC = 5, GREEN_ARC = 13, YELLOW_ARC = 9, RED_ARC = 8;

float sin_deg(float a) { return std::sin(a * DEG_TO_RAD_F); }
float cos_deg(float a) { return std::cos(a * DEG_TO_RAD_F); }

int asi_angle_of(float v) { return asi_needle_angle(v, pln.ASpwr, pln.Vmin, ins.indtoASI); }

void asi_arc(int colour, float x, float y, float r1, float r2, float v1, float v2)
{
    if (v2 <= v1) return;
    for (int a = asi_angle_of(v1); a <= asi_angle_of(v2); ++a) init_tickmark(x, y, r1, r2, a, colour);
}

void airspeed_scale(float x, float y)
{
    const bool jet = pln.entype == 4 || pln.entype == 5;
    if (!jet) {
        asi_arc(WHITE_ARC, x, y, 36, 38, pln.Vso, pln.Vfe);
        if (!pln.is_heli) {
            asi_arc(GREEN_ARC, x, y, 38, 40, pln.Vs, pln.Vno);
            asi_arc(YELLOW_ARC, x, y, 38, 40, pln.Vno, pln.Vne);
        }
        const int red = asi_angle_of(pln.Vne);
        for (int a = red - 3; a <= red + 3; ++a) init_tickmark(x, y, 38, 44, a, RED_ARC);
    }
    int tick = 5, label = 10;
    if (pln.AStype != 2) {
        const float range = pln.Vmax - pln.Vmin;
        if (range >= 600) { tick = 25; label = 75; }
        else if (range >= 500) { tick = 15; label = 60; }
        else if (range >= 300) { tick = 10; label = 40; }
        else if (range >= 150) { tick = 5; label = 20; }
    }
    for (int v = (int)pln.Vmin; v <= (int)pln.Vmax; ++v) {
        if (pln.AStype == 2) {
            tick = v <= 200 ? 5 : 10;
            label = v <= 200 ? 20 : 50;
        }
        const int a = asi_angle_of((float)v);
        if (v % tick == 0) init_tickmark(x, y, 38, 42, a, MARK_COLOUR);
        if (v > pln.Vmin && v % label == 0) {
            const float shift = v < 100 ? 3 : 0;
            OGL_number(MARK_COLOUR, x + 50 * sin_deg(a) - 9 + shift, y + 50 * cos_deg(a) - 3, (float)v,
                       v < 100 ? 2 : 3, 0, 6, 0);
        }
    }
}

int vvi_angle(float c, float max) { return intwrap(round(interp(-max, -160, max, 160, c)) - 90, 0, 359) % 360; }

void vvi_scale(float x, float y)
{
    const float max = pln.VVItype == 1 ? 20.0f : 50.0f;
    const int small = pln.VVItype == 1 ? 1 : 2, big = pln.VVItype == 1 ? 5 : 10;
    const int small_to = pln.VVItype == 1 ? 10 : 50;
    for (int c = -(int)max; c <= (int)max; ++c) {
        const int a = vvi_angle((float)c, max);
        if (c % big == 0) {
            init_tickmark(x, y, 38, 43, a, MARK_COLOUR);
            OGL_number(MARK_COLOUR, x + 50 * sin_deg(a) - 6, y + 50 * cos_deg(a) - 3, (float)std::abs(c), 2, 0, 6, 0);
        } else if (c % small == 0 && std::abs(c) <= small_to) {
            init_tickmark(x, y, 38, 40, a, MARK_COLOUR);
        }
    }
}

// Lever columns of the engine panel (from oseng): each lever's slot and handle.
// The speedbrake, sweep, vector and trim slots are bitmaps of their own (p_panel_art.h).
constexpr int FLAP_HANDLE_DX = 664, STOP_HANDLE_DX = 791;
constexpr int LOWER_SLOT_Y = 72, UPPER_SLOT_Y = 3, SLOT_LENGTH = 63;

bool any_variable_sweep()
{
    for (int p = 4; p <= 10; p += 2)
        if (pln.varsweepEQ[p]) return true;
    return false;
}

void slot(float x, float y, float h)
{
    OGL_line(22, x, y, x, y + h);
    OGL_line(18, x + 1, y, x + 1, y + h);
    OGL_line(18, x, y + h, x + 1, y + h);
    OGL_line(22, x, y, x + 1, y);
}

// A bitmap of the installation into the screen image with its lower-left corner at (x, y);
// false when the installation has none (the plain face stands in, and nothing is alerted:
// the panel is drawn again after every alert).
bool panel_bitmap(const char* name, int x, int y)
{
    char path[PATH_LEN];
    if (!texbmp_path(BMP_SCREEN, 0, name, path) || !plat_is_readable_file(native_path(path))) return false;
    OGL_texbmp(BMP_SCREEN, x, y, name);
    return true;
}

const lever_slot_art& speedbrake_slot() { return pln.autosbrkEQ ? SBRK_AUTO_SLOT : SBRK_MANUAL_SLOT; }

// A lever slot of its own artwork; the plain groove under the handle when there is none.
void art_slot(const lever_slot_art& a)
{
    if (pln.cp || !panel_bitmap(a.name, oseng + a.dx, a.y)) slot(oseng + a.handle_dx, a.y, a.h - 3);
}

// The aircraft's own cockpit picture, beside its file as "<name> panl.BMP", over the standard
// one the window layer drew; answers whether there is one.
bool own_panel()
{
    for (const char* suffix : {" panl", " PANL"}) {
        char base[PATH_LEN];
        std::snprintf(base, sizeof base, "%s", pln.C_path);
        const size_t n = std::strlen(base);
        if (n < 5 || base[n - 4] != '.') return false;
        base[n - 4] = 0;   // the aircraft file's extension
        if (std::strlen(base) + std::strlen(suffix) + 1 > sizeof base) return false;
        std::strcat(base, suffix);
        char path[PATH_LEN];
        if (!texbmp_path(BMP_COCKPIT_PATH, 0, base, path) || !plat_is_readable_file(native_path(path))) continue;
        OGL_texbmp(BMP_COCKPIT_PATH, 0, 0, base);
        return true;
    }
    return false;
}

// The face of an instrument. The airspeed and vertical-speed faces stay plain, as their
// scales are drawn for the aircraft; the HSI's card turns, so it has no printed rose. The
// other faces are the installation's artwork, over which the live parts are drawn.
const char* face_bitmap(int n)
{
    switch (n) {
    case INS_AHZ: return "pict_ahz";
    case INS_ALT: return "pict_alt";
    case INS_TSI: return "pict_tsi";
    case INS_ADF: return "pict_adf";
    case INS_SUPP: return "pict_tim";
    default: return nullptr;
    }
}

const char* supp_bitmap()
{
    static const char* const over[8] = {nullptr, "pict_vor", "pict_str", "pict_arg", "pict_rlt", "pict_var", "pict_rad", "pict_str"};
    return pln.supptype >= 1 && pln.supptype <= 7 ? over[pln.supptype] : nullptr;
}

void face(int n)
{
    if (!ins.avail[n] || n == INS_EFIS || pln.cp) return;   // an own cockpit picture has its faces
    const int x = ins.x_loc[n], y = ins.y_loc[n];
    if (pln.paneltype == 1) {
        const char* name = face_bitmap(n);
        const int fx = x - instrument_half_width(n);
        // the installation's narrow faces carry their dial high, over a caption plate
        const int fy = n == INS_SUPP ? y - SUPP_FACE_DIAL_Y : n == INS_ADF ? y - ADF_FACE_DIAL_Y : y - 64;
        // the ADF, VOR and RMI cards turn, so their faces are plain like the HSI's
        const bool turning_card =
            n == INS_ADF || (n == INS_SUPP && (pln.supptype == SUPP_VOR2 || pln.supptype == SUPP_RMI));
        if (name && !turning_card && panel_bitmap(name, fx, fy)) {
            if (n == INS_SUPP && supp_bitmap()) panel_bitmap(supp_bitmap(), fx, fy);
            return;
        }
    }
    const float r = instrument_half_width(n) - 4;
    OGL_fillcircle(FACE_COLOUR, x, y, r);
}

bool jet_engine() { return pln.entype == 4 || pln.entype == 5; }
bool piston_engine() { return pln.entype == 1 || pln.entype == 2; }

// Which gauges the engine type carries: row 0 the exhaust temperature (pistons), row 1 the
// tachometer or N1, row 2 manifold pressure (variable-pitch pistons), torque or fuel flow.
bool has_gauge(int row)
{
    if (row == 0) return piston_engine();
    if (row == 1) return pln.entype >= 1;
    return jet_engine() || pln.entype == 3 || (piston_engine() && pln.varpitchEQ);
}

const char* gauge_caption(int row)
{
    if (row == 1) return jet_engine() ? "N1" : "RPM";
    return jet_engine() ? "FF" : pln.entype == 3 ? "TRQ" : "MP";
}

constexpr float DIAL_ZERO = 180.0f, DIAL_R = 23.0f;

// A tachometer's green band between the green speeds and its red line at the maximum, for
// shaft speeds (rad/s of the propeller or rotor) turned into rpm by to_rpm and into degrees
// of the dial by per_rpm.
void tachometer_band(float x, float y, float to_rpm, float per_rpm)
{
    constexpr float BAND_IN = 19.0f, BAND_OUT = 22.0f, LIMIT_IN = 15.0f;
    const float g1 = DIAL_ZERO + pln.omegamingreen * to_rpm * per_rpm;
    const float g2 = DIAL_ZERO + pln.omegamaxgreen * to_rpm * per_rpm;
    if (g2 > g1) OGL_arc(GREEN_ARC, x, y, BAND_IN, BAND_OUT, g1, g2);
    init_tickmark(x, y, LIMIT_IN, DIAL_R, round(DIAL_ZERO + pln.omegamax * to_rpm * per_rpm), RED_ARC);
}

// Scale numbers at zero, half and full scale.
void dial_numbers(float x, float y, float full, int colour)
{
    constexpr float NUMBER_R = 29.0f;
    for (int k = 0; k <= 10; k += 5) {
        const int a = 180 + 27 * k;
        OGL_number(colour, x + NUMBER_R * isin(a) - 6, y + NUMBER_R * icos(a) - 3, full * k / 10.0f, 3, 0, 6, 0);
    }
}

// The speed dial's limits: a jet's N1 red mark at 100 %; else the tachometer's band and red
// line (N1 numbered in per cent, rpm in hundreds).
void speed_dial_marks(float x, float y, int colour)
{
    if (jet_engine()) init_tickmark(x, y, 15, DIAL_R, round(DIAL_ZERO + 100.0f * ins.n1_toINS), RED_ARC);
    else tachometer_band(x, y, con.rsctorpm * pln.gearrat, ins.tactoINS);
    dial_numbers(x, y, jet_engine() ? 100.0f : (float)tac_max() / 100.0f, colour);
}

// A dial face: the installation's gauge background, the rim and a tick every tenth of full
// scale over the 270 degrees from straight down, and the caption under it.
void dial_face(float x, float y, const char* caption, int colour)
{
    if (!pln.ecam && !pln.cp) panel_bitmap("eng_in", (int)x - 30, (int)y - 30);
    OGL_framecircle(colour, x, y, DIAL_R);
    for (int k = 0; k <= 10; ++k) init_tickmark(x, y, k % 5 ? 20 : 18, DIAL_R, 180 + 27 * k, colour);
    OGL_string(colour, x - 3.0f * (float)std::strlen(caption), y - 34, caption, 800, 6);
}

// A helicopter's rotor tachometer in the second engine's tachometer place, in rotor rpm.
void rotor_dial()
{
    const float x = en_x[1][1] + oseng, y = en_y[1];
    const int colour = pln.paneltype == 1 ? MARK_COLOUR : 38;
    dial_face(x, y, "ROTOR", colour);
    tachometer_band(x, y, con.rsctorpm, rotor_tac_scale());
    dial_numbers(x, y, (float)rotor_tac_max() / 100.0f, colour);
}

void gauge_dial(float x, float y, int row)
{
    if (!has_gauge(row)) return;
    const int colour = pln.paneltype == 1 ? MARK_COLOUR : 38;
    if (pln.tape) {
        OGL_line(colour, x - 4, y, x - 4, y + 100);
        for (int k = 0; k <= 10; ++k) OGL_line(colour, x - (k % 5 ? 7 : 11), y + 10 * k, x - 4, y + 10 * k);
        OGL_string(colour, x - 8, y - 10, gauge_caption(row), 800, 6);
        return;
    }
    if (row == 0) {
        // the exhaust temperature is a strip the live bar moves along
        if (!pln.ecam && !pln.cp) panel_bitmap("egt", (int)x + EGT_ART_DX, (int)y + EGT_ART_DY);
        OGL_framerect(colour, x + EGT_BAR_DX0 - 1, y + EGT_BAR_DY0 - 2, EGT_BAR_DX1 - EGT_BAR_DX0 + 2, EGT_BAR_DY1 - EGT_BAR_DY0 + 4);
        OGL_string(colour, x - 30, y + 7, "EGT", 800, 6);
        return;
    }
    dial_face(x, y, gauge_caption(row), colour);
    if (row == 1) speed_dial_marks(x, y, colour);
}

void engine_needle(float x, float y, int v)
{
    if (pln.tape) {
        OGL_fillrect(pln.paneltype == 1 ? 0 : 38, x - 3, y + intlim(v, 0, 100), 6, 2);
        return;
    }
    plot_needle(x, y, v + 180, 0, 19, pln.paneltype == 1 ? 0 : 38, 10);
}

constexpr int SKY_COLOUR = 10, GROUND_COLOUR = 21;

// Sky and ground row by row inside the attitude window of the layout: a point is sky when it
// lies above the horizon through the pitch offset, tilted by the roll.
void plot_ahregion(float pitch_px, float roll)
{
    const float xc = ins.x_loc[INS_AHZ];
    const float yc = ins.y_loc[INS_AHZ];
    const float s = sin_deg(roll), c = cos_deg(roll);
    const float centre_row = (pln.ah_bot_prim + pln.ah_top_prim) / 2.0f;
    for (int j = pln.ah_bot_prim; j <= pln.ah_top_prim && j < 118; ++j) {
        const float y = yc + j - centre_row;
        const float x1 = pln.ahx1_prim[j], x2 = pln.ahx2_prim[j];
        if (x2 < x1) continue;
        // signed height above the horizon, which turns against the roll: d(x) = (y - yc + pitch) c - (x - xc) s
        const float d0 = (y - yc + pitch_px) * c;
        auto sky_at = [&](float x) { return d0 - (x - xc) * s > 0; };
        if (std::fabs(s) < 1e-4f || sky_at(x1) == sky_at(x2)) {
            OGL_line(sky_at(x1) ? SKY_COLOUR : GROUND_COLOUR, x1, y, x2, y);
            continue;
        }
        const float xb = xc + d0 / s;
        OGL_line(sky_at(x1) ? SKY_COLOUR : GROUND_COLOUR, x1, y, xb, y);
        OGL_line(sky_at(x2) ? SKY_COLOUR : GROUND_COLOUR, xb, y, x2, y);
    }
}

void plot_handle(float x, int pos) { OGL_fillrect(NEEDLE_COLOUR, x - 3, pos - 2, 8, 5); }

// A compass card's label at radius r: the cardinal letters, else the heading in tens.
void card_label(float x, float y, float r, int heading, int angle, int colour)
{
    static const char* const cardinal[4] = {"N", "E", "S", "W"};
    char text[4];
    if (heading % 90 == 0) std::snprintf(text, sizeof text, "%s", cardinal[heading / 90]);
    else std::snprintf(text, sizeof text, "%d", heading / 10);
    const float w = 6.0f * (float)std::strlen(text);
    OGL_string(colour, x + r * isin(angle) - w / 2 + 1, y + r * icos(angle) - 3, text, 800, 6);
}

// The GPS waypoint's name and identifier, with the edit mark lit under the part being set.
void gps_waypoint()
{
    const int i = nav.gps_index;
    const char* name = "";
    if (nav.gps_index_mode == GPS_MODE_APT && i >= 0 && i < APT_CAP) name = apt_name[i];
    else if (nav.gps_index_mode != GPS_MODE_APT && i >= 0 && i < NAV_CAP) name = nav_name[i];
    char shown[GPS_NAME_CHARS + 1];
    std::snprintf(shown, sizeof shown, "%.*s", GPS_NAME_CHARS, name);
    OGL_string(47, osrad + 499, 268, shown, 800, 6);
    for (int k = 0; k < 4; ++k) {
        const char id[2] = {code_to_char(nav.gps_id[k]), 0};
        OGL_string(47, osrad + 499 + 6 * k, 253, id, 800, 6);
    }
    OGL_line(nav.gps_scroll_mode == 0 ? 47 : 49, osrad + 499, 267, osrad + 503, 267);
    for (int k = 0; k < 4; ++k) {
        const float x = osrad + 499 + 6 * k;
        OGL_line(nav.gps_scroll_mode == k + 1 ? 47 : 49, x, 251, x + 4, 251);
    }
    // the key of the table in use stays lit
    const int mode = nav.gps_index_mode;
    if (mode >= GPS_MODE_APT && mode <= GPS_MODE_NDB)
        OGL_framerect(47, osrad + GPS_KEY_X0, GPS_KEY_TOP - GPS_KEY_H * mode + 1, GPS_KEY_X1 - GPS_KEY_X0,
                      GPS_KEY_H - 2);
}

// The engine display's figures beside each dial of its engine page.
void engine_readouts(int e)
{
    const float x1 = en_x[1][e] + oseng, y1 = en_y[1], x2 = en_x[2][e] + oseng, y2 = en_y[2];
    if (pln.entype == 4 || pln.entype == 5) {
        OGL_number(47, x1 - 7, y1 - 9, flt.n1_[e], 3, 0, 6, 0);
        return;
    }
    OGL_number(47, x1 - 7, y1 - 9, flt.tac[e] * con.rsctorpm, 4, 0, 6, 0);
    const float torque_full = pln.omegamax > 0.0f ? pln.pmax / pln.omegamax : 0.0f;
    if (pln.entype == 3 && torque_full > 0.0f)
        OGL_number(47, x2 - 10, y2 - 9, flt.trq[e] / torque_full * 100.0f, 5, 0, 6, 1);
    else if (pln.varpitchEQ)
        OGL_number(47, x2 - 7, y2 - 9, flt.mpr[e], 4, 1, 6, 1);
}

// A glass tape: marks every `step` about the shown value, `px` pixels per unit, inside the
// window of 55 pixels either side of the centre row, labels every `label`, and the value in a
// box at the centre.
void glass_tape(float x, float shown, float px, int step, int label, int digits)
{
    const float half = 55.0f / px;
    const int first = (int)std::ceil((shown - half) / step) * step;
    for (int v = first; v <= shown + half; v += step) {
        if (v < 0) continue;
        const float y = GLASS_TAPE_Y + (v - shown) * px;
        OGL_line(38, x + 6, y, x + 10, y);
        if (v % label == 0 && std::fabs(y - GLASS_TAPE_Y) > 6)
            OGL_number(38, x + 5 - 6 * digits, y - 3, (float)v, digits, 0, 6, 0);
    }
    OGL_fillrect(FACE_COLOUR, x + 4 - 6 * digits, GLASS_TAPE_Y - 5, 6 * digits + 2, 11);
    OGL_framerect(47, x + 4 - 6 * digits, GLASS_TAPE_Y - 5, 6 * digits + 2, 11);
    OGL_number(47, x + 5 - 6 * digits, GLASS_TAPE_Y - 3, std::round(shown), digits, 0, 6, 0);
}

void glass_speed_bug(float shown, float v, int colour)
{
    const float y = GLASS_TAPE_Y + (v - shown) * GLASS_ASI_PX_PER_KT;
    if (std::fabs(y - GLASS_TAPE_Y) <= 55) OGL_fillrect(colour, GLASS_ASI_X + 11, y - 1, 3, 3);
}

}  // namespace

void init_tickmark(float x, float y, float r1, float r2, int angle, int colour)
{
    OGL_line(colour, round(x + r1 * isin(angle)), round(y + r1 * icos(angle)), round(x + r2 * isin(angle)),
             round(y + r2 * icos(angle)));
}

void plot_needle(float x, float y, int angle, float r1, float r2, int colour, int width)
{
    const float s = sin_deg(angle), c = cos_deg(angle);
    OGL_line(colour, x + r1 * s, y + r1 * c, x + r2 * s, y + r2 * c);
    if (width >= 10) OGL_line(colour, x + r1 * s + c, y + r1 * c - s, x + r2 * s + c, y + r2 * c - s);
}

void draw_panel_background()
{
    const int was = to_array;
    to_array = 1;
    std::memset(rgb_array, 0, sizeof rgb_array);
    OGL_fillrect(PANEL_COLOUR, 0, 0, SCREEN_W, PANEL_TOP);
    OGL_fillrect(26, 0, STATUS_BAR_Y, SCREEN_W, SCREEN_H - STATUS_BAR_Y);
    draw_panel_statics();
    to_array = was;
}

void draw_panel_statics()
{
    const int was = to_array;
    to_array = 1;
    pln.cp = own_panel();
    if (!pln.cp) panel_bitmap("PANL", 0, 0);
    panel_bitmap("statbar", 0, STATUS_BAR_Y);
    if (!pln.cp) panel_bitmap("radios", osrad + RADIO_STACK_X, 0);   // the stack moves with its read-outs
    OGL_string(47, 172, 319, pln.tailnum, 800, 6);
    if (!pln.cp) {
        // the equipment buttons of the strip that this aircraft lacks
        const struct { int x, w, lacking; } off[] = {
            {27, 38, pln.HUDtype == 1}, {73, 38, pln.HUDtype != 3}, {119, 14, pln.HUDtype == 1},
            {499, 38, !pln.chuteEQ}, {545, 38, !pln.arrestingEQ}, {591, 38, !pln.antiiceEQ},
            {637, 38, !pln.jettisonEQ}, {683, 38, !pln.jatoEQ}};
        for (const auto& b : off)
            if (b.lacking) OGL_fillrect(26, b.x, EQUIPMENT_STRIP_Y, b.w, 15);
    }
    for (int n = 1; n < INS_COUNT; ++n) face(n);
    if (pln.paneltype == 1) {
        if (ins.avail[INS_ASI]) airspeed_scale(ins.x_loc[INS_ASI], ins.y_loc[INS_ASI]);
        if (ins.avail[INS_VVI]) vvi_scale(ins.x_loc[INS_VVI], ins.y_loc[INS_VVI]);
    } else {
        // one dark screen under the flight displays, the map between them and the radios
        OGL_fillrect(FACE_COLOUR, 0, GLASS_BOTTOM, GLASS_RIGHT, GLASS_TOP - GLASS_BOTTOM);
        const float mx = ins.x_loc[INS_EFIS] + 228;
        OGL_framerect(38, mx, GLASS_BOTTOM + 1, GLASS_MAP_W, GLASS_TOP - GLASS_BOTTOM - 152);
        static const char* const caps[6] = {"z-", "z+", "enr", "arr", "wxr", "TCAS"};
        for (int k = 0; k < 6; ++k) OGL_string(38, mx + 6 + 26 * k, 6, caps[k], 800, 6);
        OGL_framerect(38, GLASS_ASI_X - 19, GLASS_TAPE_Y - 56, 34, 112);
        OGL_framerect(38, GLASS_ALT_X - 26, GLASS_TAPE_Y - 56, 38, 112);
        OGL_string(38, ins.x_loc[INS_SUPP] - 15, ins.y_loc[INS_SUPP] + 52, "NAV 2", 800, 6);
    }
    if (!pln.cp && plane_has_gps()) panel_bitmap("gps", osrad + GPS_FACE_X, GPS_FACE_Y);
    if (!pln.cp && pln.gear_retract) panel_bitmap("b_gear", oseng + 608, 4);
    if (!pln.cp && pln.ecam) panel_bitmap("ecam", oseng + 644, 140);
    if (pln.ecam) {
        static const char* const pages[5] = {"ENGN", "FUEL", "FCON", "HYDR", "FAIL"};
        for (int k = 0; k < 5; ++k) OGL_string(38, oseng + 650 + 30 * k, 142, pages[k], 800, 6);
    }
    const int engines = (pln.tape || pln.is_heli) ? intlim(pln.numen, 0, 1) : intlim(pln.numen, 0, 2);
    for (int e = 0; e < engines; ++e)
        for (int row = pln.ecam ? 1 : 0; row < 3; ++row) gauge_dial(en_x[row][e] + oseng, en_y[row], row);
    if (pln.is_heli) rotor_dial();
    if (pln.m_fuel > 0 && !pln.ecam) {   // the engine display has its fuel page instead
        OGL_framerect(MARK_COLOUR, osrad + FUEL_GAUGE_X - 2, FUEL_GAUGE_Y - 2, 35, 10);
        OGL_string(38, osrad + FUEL_GAUGE_X + 4, FUEL_GAUGE_Y + 10, "FUEL", 800, 6);
    }
    slot(oseng + FLAP_HANDLE_DX, LOWER_SLOT_Y, SLOT_LENGTH);
    slot(oseng + STOP_HANDLE_DX, UPPER_SLOT_Y, SLOT_LENGTH - 1);
    if (plane_has_speedbrake()) art_slot(speedbrake_slot());
    if (any_variable_sweep()) art_slot(SWEEP_SLOT);
    else if (pln.vectEQ) art_slot(VECTOR_SLOT);
    art_slot(TRIM_SLOT);
    for (int e = 0; e < intlim(pln.numen, 0, 4); ++e) {
        slot(thro_x[e] + oseng + 5, UPPER_SLOT_Y, SLOT_LENGTH);
        slot(prop_x[e] + oseng + 3, UPPER_SLOT_Y, SLOT_LENGTH);
        slot(mixt_x[e] + oseng + 3, UPPER_SLOT_Y, SLOT_LENGTH);
    }
    to_array = was;
}

namespace {

// Colours of the live drawing (palette indices).
constexpr int TEXT_COLOUR = 47, WARNING_COLOUR = 41, GLASS_COLOUR = 38, UNLIT_COLOUR = 26;
constexpr int POINTER_COLOUR = 9, LIMIT_COLOUR = 8, BUG_COLOUR = 32, EGT_BAR_COLOUR = 3;
constexpr int STALL_LAMP_COLOUR = 2, GLASS_COURSE_COLOUR = 41, GLASS_LUBBER_COLOUR = 43, DME_LABEL_COLOUR = 46;

// The equipment strip's read-outs (the status bar's and the radio stack's places are those
// of their bitmaps, p_panel_art.h).
constexpr int PAUSED_X = 742, STRIP_TEXT_Y = 318, STALL_LAMP_X = 7, STALL_LAMP_Y = 316;
constexpr int AP_ALT_X = 270, AP_VVI_X = 360, AP_SPD_X = 444;
constexpr int COMPASS_PX_PER_DEG = 5;
// The parking brake's lamp over its button on the radio stack, from osrad.
constexpr int BRAKES_LAMP_DX = 500, BRAKES_LAMP_Y = 22;
// The engine panel's lamps, captions and levers, from oseng.
constexpr int GEAR_LIGHT_STEP_Y = 9;
constexpr int BURN_DX = 651, BURN_STEP_DX = 40, BURN_Y = 283;
constexpr int ECAM_LAMP_DX = 650, ECAM_LAMP_STEP_DX = 30, ECAM_LAMP_Y = 150;
// The ADF needle: head and tail each this long, with barbs behind the head.
constexpr float ADF_NEEDLE_R = 30.0f, ADF_BARB_R = 22.0f;
constexpr int ADF_BARB_DEG = 12;

// Engines with needles on the gauges: a helicopter's one set of dials serves its first engine
// only (a second needle would stand where it has no dial).
int needle_engines() { return pln.is_heli ? intlim(pln.numen, 0, 1) : intlim(pln.numen, 0, 4); }

void live_status_bar(const panel_shown& s)
{
    OGL_string(TEXT_COLOUR, FEEL_X, STATUS_TEXT_Y, s.feel ? s.feel : "", 800, 6);
    OGL_string(TEXT_COLOUR, MODE_X, STATUS_TEXT_Y, s.mode ? s.mode : "", 800, 6);
    OGL_string(s.status_warning ? WARNING_COLOUR : TEXT_COLOUR, STATUS_X, STATUS_TEXT_Y, s.status ? s.status : "", 800, 6);
    if (s.paused_caption) OGL_string(WARNING_COLOUR, PAUSED_X, STRIP_TEXT_Y, "PAUSED", 800, 6);
    OGL_fillrect(TEXT_COLOUR, OAT_ZERO_X + s.oat / 2, OAT_Y, 2, 4);
    const char unit[2] = {s.oat_unit ? s.oat_unit : 'F', 0};
    OGL_string(TEXT_COLOUR, OAT_UNIT_X, OAT_Y, unit, 800, 6);
    if (s.stall_lamp) OGL_fillrect(STALL_LAMP_COLOUR, STALL_LAMP_X, STALL_LAMP_Y, 10, 10);
    OGL_number(TEXT_COLOUR, AP_ALT_X, STRIP_TEXT_Y, (float)s.ap_alt_ft, 5, 0, 6, 0);
    OGL_number(TEXT_COLOUR, AP_VVI_X, STRIP_TEXT_Y, (float)s.ap_vvi_fpm, 4, 0, 6, 1);
    OGL_number(TEXT_COLOUR, AP_SPD_X, STRIP_TEXT_Y, (float)s.ap_spd_kt, 4, 0, 6, 0);
    // the compass card: ten-degree marks through its box
    for (int d = 0; d < 360; d += 10) {
        const float off = fltwrap(d - s.compass, -180, 180) * COMPASS_PX_PER_DEG;
        if (std::fabs(off) <= COMPASS_HALF_PX)
            OGL_line(NEEDLE_COLOUR, COMPASS_X + off, COMPASS_Y, COMPASS_X + off, COMPASS_Y + (d % 30 ? 4 : 8));
    }
}

void live_airspeed(const panel_shown& s, bool glass)
{
    const int* X = ins.x_loc;
    const int* Y = ins.y_loc;
    if (glass) {
        const float kt = s.asi_kt;
        glass_tape(GLASS_ASI_X, kt, GLASS_ASI_PX_PER_KT, 5, 10, 3);
        glass_speed_bug(kt, pln.Vso, WHITE_ARC);
        glass_speed_bug(kt, pln.Vs, GREEN_ARC);
        glass_speed_bug(kt, pln.Vno, YELLOW_ARC);
        glass_speed_bug(kt, pln.Vne, RED_ARC);
        return;
    }
    plot_needle(X[INS_ASI], Y[INS_ASI], s.asi_angle, 0, 35, NEEDLE_COLOUR, 10);
    if (s.asi_max_angle >= 0) plot_needle(X[INS_ASI], Y[INS_ASI], s.asi_max_angle, 15, 35, LIMIT_COLOUR, 10);
    if (pln.AStype == 3) {   // the digital drum under the hub
        OGL_fillrect(FACE_COLOUR, X[INS_ASI] - 10, Y[INS_ASI] - 21, 21, 10);
        OGL_number(TEXT_COLOUR, X[INS_ASI] - 9, Y[INS_ASI] - 19, std::round(s.asi_kt), 3, 0, 6, 0);
    }
}

void live_attitude()
{
    const float x = ins.x_loc[INS_AHZ], y = ins.y_loc[INS_AHZ];
    const float pitch = round(1.5f * ins.the180);
    plot_ahregion(pitch, ins.phi180);
    // pitch ladder every 5 degrees, along the horizon (c, s) and stepped along its normal
    const float c = cos_deg(ins.phi180), sn = sin_deg(ins.phi180);
    for (int rung = -4; rung <= 4; ++rung) {
        if (!rung) continue;
        const float half = rung % 2 ? 7.0f : 14.0f;
        const float off = rung * 7.5f - pitch;
        const float px = x - off * sn, py = y + off * c;
        OGL_line(NEEDLE_COLOUR, px - half * c, py - half * sn, px + half * c, py + half * sn);
    }
    OGL_line(NEEDLE_COLOUR, x + 5 * flt.Beta, y - 50, x + 5 * flt.Beta, y - 46);
    OGL_line(POINTER_COLOUR, x - 20, y + set.ah_bar_adjust, x + 20, y + set.ah_bar_adjust);
    if (atm.inshear) OGL_string(WARNING_COLOUR, x - 33, y + 30, "WIND SHEAR!", 800, 6);
}

void live_altimeter(const panel_shown& s, bool glass)
{
    if (glass) {
        glass_tape(GLASS_ALT_X, s.alt_ft, GLASS_ALT_PX_PER_FT, 50, 100, 5);
        OGL_number(TEXT_COLOUR, GLASS_ALT_X - 12, GLASS_TAPE_Y - 66, (float)s.baro_window, 4, 0, 6, 0);
        return;
    }
    const float x = ins.x_loc[INS_ALT], y = ins.y_loc[INS_ALT];
    plot_needle(x, y, s.alt_angle, 0, 35, NEEDLE_COLOUR, 10);
    const int thousands = round(std::fmod(std::fabs(s.alt_ft), 10000.0f) * 0.036f) % 360;
    plot_needle(x, y, thousands, 0, 20, POINTER_COLOUR, 10);
    OGL_number(TEXT_COLOUR, x + 21, y - 3, (float)s.baro_window, 4, 0, 6, 0);   // the face's window
}

void live_turn_slip(const panel_shown& s)
{
    const float x = ins.x_loc[INS_TSI], y = ins.y_loc[INS_TSI];
    const int ts = round(s.turn);
    plot_needle(x, y + 1, ts + 270, 0, 31, NEEDLE_COLOUR, 10);
    plot_needle(x, y - 1, ts, 0, 15, NEEDLE_COLOUR, 10);
    plot_needle(x, y, ts + 90, 0, 31, NEEDLE_COLOUR, 10);
    OGL_fillrect(NEEDLE_COLOUR, x - round(s.slip) - 1, y - 46, 3, 6);
}

void live_hsi(const panel_shown& s, bool glass)
{
    const float x = ins.x_loc[INS_HSI], y = ins.y_loc[INS_HSI];
    const int k = glass ? GLASS_COURSE_COLOUR : POINTER_COLOUR;
    for (int d = 0; d < 360; d += 30) {
        init_tickmark(x, y, 45, 52, d - s.hsi_card, NEEDLE_COLOUR);
        card_label(x, y, 37, d, d - s.hsi_card, glass ? GLASS_COLOUR : NEEDLE_COLOUR);
    }
    const int c = s.hsi_course;
    // course arrow: a head at the tip, a short tail opposite
    const pt tip = hsi_arrow_tip(x, y, c);
    OGL_line(k, x - 32 * isin(c - 8), y + 32 * icos(c - 8), tip.x, tip.y);
    OGL_line(k, tip.x, tip.y, x - 32 * isin(c + 8), y + 32 * icos(c + 8));
    OGL_line(k, x + 40 * isin(c), y - 40 * icos(c), x + 32 * isin(c), y - 32 * icos(c));
    // deviation scale across the course: the centre square and two dots each 5 px apart
    OGL_framerect(k, (int)x - 3, (int)y - 3, 6, 6);
    for (int g = 1; g <= 4; ++g)
        for (int side = -1; side <= 1; side += 2)
            OGL_framerect(k, (int)(x + side * 5 * g * icos(c)) - 1, (int)(y + side * 5 * g * isin(c)) - 1, 2, 2);
    pt a, b;
    hsi_deviation_bar(x, y, c, s.hsi_dev_px, &a, &b);
    OGL_line(k, a.x, a.y, b.x, b.y);
    if (nav.ntf[1] == 1 || nav.ntf[1] == 2) {
        // to/from: a triangle on the course line, pointing along it for "to"
        const float dir = nav.ntf[1] == 1 ? 1.0f : -1.0f;
        const float ax = -isin(c) * dir, ay = icos(c) * dir, sx = icos(c), sy = isin(c);
        const float tx = x + 22 * ax, ty = y + 22 * ay, bx = x + 15 * ax, by = y + 15 * ay;
        OGL_line(k, tx, ty, bx + 4 * sx, by + 4 * sy);
        OGL_line(k, bx + 4 * sx, by + 4 * sy, bx - 4 * sx, by - 4 * sy);
        OGL_line(k, bx - 4 * sx, by - 4 * sy, tx, ty);
    }
    if (glass) {
        for (int r = 52; r <= 54; ++r) OGL_line(GLASS_LUBBER_COLOUR, x - 3, y + r, x + 4, y + r);
        OGL_line(GLASS_COLOUR, x, y + 55, x, y + 52);
        OGL_number(GLASS_COLOUR, x - 32, y + 54, (float)intwrap(s.hsi_card, 0, 359), 3, 0, 6, 0);
        OGL_number(GLASS_COURSE_COLOUR, x + 17, y + 54, (float)intwrap((int)nav.obs[1], 0, 359), 3, 0, 6, 0);
        OGL_string(DME_LABEL_COLOUR, x - 82, y - 50, "DME", 800, 6);
        if (s.hsi_dme_good) OGL_number(TEXT_COLOUR, x - 60, y - 50, s.hsi_dme_nm, 3, 1, 6, 0);
        else OGL_string(TEXT_COLOUR, x - 60, y - 50, "-", 800, 6);
    } else {
        for (int d = -1; d <= 1; ++d) OGL_line(k, x + d, y + 43, x + d, y + 51);   // lubber line
    }
    plot_needle(x - 50 * isin(s.hsi_bug), y + 50 * icos(s.hsi_bug), 210 - s.hsi_bug, 0, 10, BUG_COLOUR, 10);
    plot_needle(x - 50 * isin(s.hsi_bug), y + 50 * icos(s.hsi_bug), 150 - s.hsi_bug, 0, 10, BUG_COLOUR, 10);
    OGL_fillrect(POINTER_COLOUR, pln.gsx1, s.hsi_gs_px + pln.gsyc - 1, pln.gsw, 3);
    OGL_fillrect(POINTER_COLOUR, pln.gsx2, s.hsi_gs_px + pln.gsyc - 1, pln.gsw, 3);
}

// A compass card turned by `card` degrees: marks and labels every 30 degrees.
void turned_card(float x, float y, int card)
{
    for (int d = 0; d < 360; d += 30) {
        init_tickmark(x, y, 40, 45, d - card, NEEDLE_COLOUR);
        card_label(x, y, 33, d, d - card, NEEDLE_COLOUR);
    }
}

void live_adf(const panel_shown& s)
{
    const float x = ins.x_loc[INS_ADF], y = ins.y_loc[INS_ADF];
    // the compass card turns with its knob; the needle shows the relative bearing: a head
    // with two barbs toward the station, a tail as long behind the hub
    turned_card(x, y, ins.adf_card);
    const int a = round(s.adf_needle);
    plot_needle(x, y, a, 0, ADF_NEEDLE_R, POINTER_COLOUR, 10);
    plot_needle(x, y, a + 180, 0, ADF_NEEDLE_R, POINTER_COLOUR, 10);
    const float hx = x + ADF_NEEDLE_R * isin(a), hy = y + ADF_NEEDLE_R * icos(a);
    for (int side = -1; side <= 1; side += 2)
        OGL_line(POINTER_COLOUR, hx, hy, x + ADF_BARB_R * isin(a + side * ADF_BARB_DEG), y + ADF_BARB_R * icos(a + side * ADF_BARB_DEG));
    OGL_number(TEXT_COLOUR, x + 18, y - 66, (float)nav.adff, 4, 0, 6, 0);   // on the caption plate
}

void live_supplementary(const panel_shown& s)
{
    const float x = ins.x_loc[INS_SUPP], y = ins.y_loc[INS_SUPP];
    switch (pln.supptype) {
    case SUPP_RADALT:
        plot_needle(x, y, round(s.radalt_angle), 0, 35, NEEDLE_COLOUR, 10);
        plot_needle(x, y, round(radalt_angle(ins.radalt_ft)), 30, 38, LIMIT_COLOUR, 10);
        break;
    case SUPP_VARIOMETER: plot_needle(x, y, s.vari_angle, 0, 25, NEEDLE_COLOUR, 10); break;
    case SUPP_STORMSCOPE:
        // the last strike's ground ends, relative to the nose, while the flash lasts
        if (s.stormscope_shown && msc.elap_time < atm.strike_stop_time) {
            for (int b = 0; b < 4; b++) {
                const float* end = atm.lightXYZ[b][19];
                pt o;
                if (stormscope_dot(end[0], end[2], flt.X, flt.Z, flt.psi, ins.rad_range * con.nmtomtrs,
                                   STORMSCOPE_RADIUS_PX, &o))
                    OGL_fillrect(POINTER_COLOUR, x + o.x - 1, y + o.y - 1, 3, 3);
            }
        }
        break;
    case SUPP_CLOCK: {
        // local time on the hands, the timer as minutes and seconds under them
        const float t = fltwrap(msc.locl_time, 0, 86400);
        const float hours = std::fmod(t / 3600.0f, 12.0f), minutes = std::fmod(t / 60.0f, 60.0f);
        plot_needle(x, y, round(hours * 30.0f), 0, 22, NEEDLE_COLOUR, 10);
        plot_needle(x, y, round(minutes * 6.0f), 0, 34, NEEDLE_COLOUR, 10);
        const int timer = (int)msc.timr_time;
        const int colour = msc.timer_running ? TEXT_COLOUR : GLASS_COLOUR;
        OGL_number(colour, x - 15, y - 28, (float)(timer / 60), 2, 0, 6, 0);
        OGL_string(colour, x - 3, y - 28, ":", 800, 6);
        OGL_number(colour, x + 3, y - 28, (float)(timer % 60), 2, 0, 6, 0);
        break;
    }
    case SUPP_RMI:
        turned_card(x, y, s.rmi_card);
        plot_needle(x, y, s.rmi_bearing - s.rmi_card, 0, 35, POINTER_COLOUR, 10);
        break;
    case SUPP_VOR2: {
        // the course card turns so that the selected course stands under the index
        turned_card(x, y, s.vor2_course);
        OGL_line(POINTER_COLOUR, x - 3, y + 46, x, y + 40);
        OGL_line(POINTER_COLOUR, x, y + 40, x + 3, y + 46);
        if (nav.ntf[0] == 1 || nav.ntf[0] == 2) {
            const float dir = nav.ntf[0] == 1 ? 1.0f : -1.0f;   // "to" points up, "from" down
            OGL_line(POINTER_COLOUR, x + 18, y + 8 * dir, x + 14, y + 2 * dir);
            OGL_line(POINTER_COLOUR, x + 14, y + 2 * dir, x + 22, y + 2 * dir);
            OGL_line(POINTER_COLOUR, x + 22, y + 2 * dir, x + 18, y + 8 * dir);
        }
        pt a, b;
        hsi_deviation_bar(x, y, 0, s.vor2_dev_px, &a, &b);
        OGL_line(NEEDLE_COLOUR, a.x, a.y, b.x, b.y);
        OGL_line(NEEDLE_COLOUR, x - 30, y + s.vor2_gs_px, x + 30, y + s.vor2_gs_px);
        break;
    }
    default: break;
    }
}

void live_instruments(const panel_shown& s)
{
    const bool glass = pln.paneltype == 2;
    // the glass panel's flight instruments are one screen: blank when it has failed
    const bool screen = !glass || rel.efis_1;
    auto shows = [screen](int n) { return screen && ins.avail[n]; };
    if (shows(INS_ASI)) live_airspeed(s, glass);
    if (shows(INS_AHZ)) live_attitude();
    if (shows(INS_ALT)) live_altimeter(s, glass);
    if (ins.avail[INS_TSI]) live_turn_slip(s);
    if (shows(INS_HSI)) live_hsi(s, glass);
    if (shows(INS_VVI))
        plot_needle(ins.x_loc[INS_VVI], ins.y_loc[INS_VVI], s.vvi_angle, 0, glass ? 23 : 36, glass ? GLASS_COLOUR : NEEDLE_COLOUR, 10);
    if (ins.avail[INS_ADF]) live_adf(s);
    if (ins.avail[INS_SUPP]) live_supplementary(s);
    if (s.efis_map_shown) update_glass(GLASS_EFIS_MAP);
    if (s.moving_map_shown) update_glass(GLASS_MOVING_MAP);
    if (s.wx_radar_shown) update_glass(GLASS_WX_RADAR);
}

void live_radio_stack(const panel_shown& s)
{
    if (s.gps_shown) {
        for (int d = -1; d <= 1; ++d) OGL_line(TEXT_COLOUR, s.gps.bar_x + d, 253, s.gps.bar_x + d, 260);
        OGL_number(TEXT_COLOUR, osrad + 530, 253, (float)s.gps.course, 3, 0, 6, 0);
        OGL_number(TEXT_COLOUR, osrad + 498, 238, (float)s.gps.dist_nm, 4, 0, 6, 0);
        OGL_number(TEXT_COLOUR, osrad + 538, 238, (float)s.gps.speed_kt, 4, 0, 6, 0);
        OGL_number(TEXT_COLOUR, osrad + 577, 238, (float)s.gps.minutes, 3, 0, 6, 0);
        gps_waypoint();
    } else if (s.dme_good) {
        OGL_number(TEXT_COLOUR, osrad + DME_DIST_DX, DME_Y, (float)round(s.dme.dist_nm), 3, 0, 6, 0);
        OGL_number(TEXT_COLOUR, osrad + DME_SPEED_DX, DME_Y, (float)round(s.dme.speed_kt), 3, 0, 6, 0);
        OGL_number(TEXT_COLOUR, osrad + DME_TIME_DX, DME_Y, (float)minutes_to_go(s.dme.dist_nm, s.dme.speed_kt), 3, 0, 6, 0);
    } else {
        for (int k = 0; k < 3; ++k) OGL_string(TEXT_COLOUR, osrad + DME_DIST_DX + DME_STEP_DX * k, DME_Y, "---", 800, 6);
    }
    static const int marker_colour[3] = {POINTER_COLOUR, 11, NEEDLE_COLOUR};
    for (int m = 0; m < 3; ++m)
        OGL_fillrect(s.marker[m] ? marker_colour[m] : UNLIT_COLOUR, osrad + MARKER_DX + MARKER_STEP_DX * m, MARKER_Y, MARKER_W, MARKER_H);
    for (int k = 0; k < 4; ++k) OGL_number(TEXT_COLOUR, osrad + XPDR_DX + DIGIT_STEP_DX * k, XPDR_Y, (float)s.xpdr[k], 1, 0, 6, 0);
    // the frequencies beside their knobs: NAV and COM rows (radio 1, radio 2), the ADF's
    // digits over the columns that tune them
    OGL_string(GLASS_COLOUR, osrad + RADIO_LABEL_DX, NAV_ROW_Y, "NAV", 800, 6);
    OGL_string(GLASS_COLOUR, osrad + RADIO_LABEL_DX, COM_ROW_Y, "COM", 800, 6);
    OGL_string(GLASS_COLOUR, osrad + RADIO_LABEL_DX, ADF_ROW_Y, "ADF", 800, 6);
    OGL_string(GLASS_COLOUR, osrad + RADIO_LABEL_DX, XPDR_Y, "XPDR", 800, 6);
    for (int r = 0; r < 2; ++r) {
        OGL_number(TEXT_COLOUR, osrad + FREQ_DX + FREQ_STEP_DX * r, NAV_ROW_Y, nav.nf[r] / 100.0f, 5, 2, 6, 0);
        OGL_number(TEXT_COLOUR, osrad + FREQ_DX + FREQ_STEP_DX * r, COM_ROW_Y, nav.cf[r] / 100.0f, 5, 2, 6, 0);
    }
    for (int k = 0; k < 3; ++k) {
        static const int place[3] = {100, 10, 1};
        OGL_number(TEXT_COLOUR, osrad + ADF_DIGITS_DX + DIGIT_STEP_DX * k, ADF_ROW_Y, (float)((nav.adff / place[k]) % 10), 1, 0, 6, 0);
    }
}

void live_lamps(const panel_shown& s)
{
    if (s.brakes_lamp) OGL_string(WARNING_COLOUR, osrad + BRAKES_LAMP_DX, BRAKES_LAMP_Y, "brakes", 800, 6);
    for (int leg = 0; leg < 3; ++leg) {
        static const int light_colour[4] = {UNLIT_COLOUR, 1, 2, UNLIT_COLOUR};
        OGL_fillrect(light_colour[s.gear_light[leg]], oseng + GEAR_LIGHT_X, GEAR_LIGHT_Y + GEAR_LIGHT_STEP_Y * leg, 6, 6);
    }
    if (s.fuel_needle >= 0 && !pln.ecam)
        OGL_line(NEEDLE_COLOUR, osrad + FUEL_GAUGE_X + s.fuel_needle, FUEL_GAUGE_Y, osrad + FUEL_GAUGE_X + s.fuel_needle, FUEL_GAUGE_Y + 6);
}

// Needles of the engine dials, the exhaust bars, the engine display and the afterburner words.
void live_engine_gauges(const panel_shown& s)
{
    const bool ecam_page = pln.ecam && ins.ecam_mode >= 4 && ins.ecam_mode <= 7;
    if (ecam_page) update_ecam();
    if (s.ecam_lamp) OGL_fillrect(TEXT_COLOUR, oseng + ECAM_LAMP_DX + ECAM_LAMP_STEP_DX * (s.ecam_lamp - 3), ECAM_LAMP_Y, 24, 2);   // the page shown
    for (int e = 0; e < needle_engines(); ++e) {
        if (!ecam_page)
            for (int row = 1; row < 3; ++row)
                if (has_gauge(row)) engine_needle(en_x[row][e] + oseng, en_y[row], s.gauge[row][e]);
        if (!pln.ecam && has_gauge(0) && (e < 2 || pln.tape)) {
            const float x = en_x[0][e] + oseng, y = en_y[0];
            const float b = (float)(int)interp(0, x + EGT_BAR_DX0, 1, x + EGT_BAR_DX1, fltlim(s.egt_bar[e], 0, 1));
            OGL_line(EGT_BAR_COLOUR, b, y + EGT_BAR_DY0, b, y + EGT_BAR_DY1);
        }
        if (!ecam_page && pln.ecam && !pln.tape) engine_readouts(e);
    }
    if (pln.is_heli) plot_needle(en_x[1][1] + oseng, en_y[1], s.rotor_gauge + 180, 0, 19, pln.paneltype == 1 ? 0 : 38, 10);
    // With more than two engines the words stand in a row over the quadrant, else beside
    // each engine's tachometer.
    const int engines = intlim(pln.numen, 0, 4);
    for (int e = 0; e < engines; ++e) {
        if (!s.afterburner[e]) continue;
        if (engines > 2) OGL_string(WARNING_COLOUR, oseng + BURN_DX + BURN_STEP_DX * e, BURN_Y, "BURN", 800, 6);
        else OGL_string(WARNING_COLOUR, en_x[1][e] + oseng - 11, en_y[1] + 4, "BURN", 800, 6);
    }
}

void live_levers()
{
    for (int e = 0; e < intlim(pln.numen, 0, 4); ++e) {
        plot_handle(thro_x[e] + oseng + 5, ins.thro[e]);
        plot_handle(prop_x[e] + oseng + 3, ins.prop[e]);
        plot_handle(mixt_x[e] + oseng + 3, ins.mixt[e]);
    }
    plot_handle(oseng + FLAP_HANDLE_DX, ins.flap);
    plot_handle(oseng + STOP_HANDLE_DX, pln.collectEQ ? ins.collect : ins.heat);
    if (plane_has_speedbrake()) plot_handle(oseng + speedbrake_slot().handle_dx, ins.sbrk);
    if (any_variable_sweep()) plot_handle(oseng + SWEEP_SLOT.handle_dx, ins.swee);
    else if (pln.vectEQ) plot_handle(oseng + VECTOR_SLOT.handle_dx, ins.vect);
    plot_handle(oseng + TRIM_SLOT.handle_dx, round(interp(-1, TRIM_SLOT_LOW, 1, TRIM_SLOT_HIGH, flt.elv_trim)));
}

}  // namespace

void draw_panel_live()
{
    const panel_shown& s = panel_shown_values();
    live_status_bar(s);
    live_instruments(s);
    live_radio_stack(s);
    live_lamps(s);
    live_engine_gauges(s);
    live_levers();
}

}  // namespace orv
