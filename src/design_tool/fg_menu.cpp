#include "design_tool/fg_menu.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <iterator>

#include "2-QZutils/acf_parts.h"
#include "2-QZutils/drplane.h"
#include "2-QZutils/qz_angles.h"
#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/records.h"
#include "design_tool/fg_file.h"
#include "design_tool/fg_plot.h"
#include "design_tool/fg_windows.h"

namespace orv {

namespace {

enum { MENU_ABOUT = 0, MENU_FILE = 1, MENU_STANDARD = 2, MENU_EXPERT = 3, MENU_BACKGROUND = 4, MENU_SPECIAL = 5 };

const char* const plane_standard[] = {
    "Viewpoint", "Panel", "Force Feedback", "Engines", "Props", "Wing 1", "Wing 2", "Wing 3",
    "Horizontal Stabilizer", "Vertical Stabilizer 1", "Vertical Stabilizer 2", "Control Geometry", "Fuselage",
    "Engine Nacelles", "Fuel Tanks or Floats", "Wheel Fairings", "Engine Pylons", "Weight & Balance", "Landing Gear"};
const char* const plane_expert[] = {"Prop", "Special Controls", "VTOL Controls", "Artificial Stability"};
const char* const heli_standard[] = {
    "Viewpoint", "Panel", "Force Feedback", "Engine", "Main Rotor", "Tail Rotor", "Rotor System",
    "Horizontal Stabilizer", "Vertical Stabilizer 1", "Vertical Stabilizer 2", "Fuselage", "Fuel Tanks or Floats",
    "Wheel Fairings", "Weight & Balance", "Landing Gear"};
const char* const heli_expert[] = {"Stability-Augmentation"};

// The view commands, Background then Special, in menu order from 400 and 500.
enum {
    V_BOTTOM = FG_BACKGROUND_FIRST, V_SIDE, V_FRONT, V_BACK, V_HEADING_LEFT, V_HEADING_RIGHT, V_ROLL_LEFT,
    V_ROLL_RIGHT, V_MOVE_LEFT, V_MOVE_RIGHT, V_MOVE_UP, V_MOVE_DOWN, V_ZOOM_IN, V_ZOOM_OUT, V_QUICK, V_LONG,
    V_SEPARATOR, V_TEXTURES, V_WIREFRAME, V_BLACK, V_SKY, V_RELOAD_TEXTURES
};
const char* const background_items[] = {
    "Bottom", "Side", "Front", "Back", "[A] Adjust Heading", "[D] Adjust Heading", "[W] Adjust Roll",
    "[S] Adjust Roll", "[J] Move Left", "[L] Move Right", "[I] Move Up", "[K] Move Down", "[X] Zoom in a Bit",
    "[Z] Zoom out a Bit", "3-D Quick", "3-D Long", "-", "Show With Textures", "Show With Wireframe",
    "Show With Black Background", "Show With Sky Background", "[R] Reload Textures"};
enum {
    S_SMOOTH_FIRST = FG_SPECIAL_FIRST, S_SMOOTH_LAST = S_SMOOTH_FIRST + 7, S_SEPARATOR, S_AIRPLANE, S_HELICOPTER,
    S_SEPARATOR2, S_TEXTURE_MAPS
};
const char* const special_items[] = {
    "[Low-f] Ellipse-Smooth Fuselage", "[Low-n] Ellipse-Smooth Nacelles", "[Low-t] Ellipse-Smooth Tanks or Floats",
    "[Low-e] Ellipse-Smooth Wheel Fairings", "[Cap-F] Total-Smooth Fuselage", "[Cap-N] Total-Smooth Nacelles",
    "[Cap-T] Total-Smooth Tanks or Floats", "[Cap-E] Total-Smooth Wheel Fairings", "-",
    "Switch to AIRPLANE-MAKING mode", "Switch to HELICOPTER-MAKING mode", "-",
    "Output Texture-Map Starting Points"};

// The body parts each smoothing command reaches: fuselage, nacelles, tanks or floats, fairings.
struct body_range { int first, last; char key; };
constexpr body_range smooth_bodies[4] = {
    {PART_FUSE, PART_FUSE, 'f'}, {PART_NACE1, PART_NACE4, 'n'}, {PART_MISC1, PART_MISC2, 't'},
    {PART_FAIR1, PART_FAIR3, 'e'}};

constexpr float HEADING_STEP_DEG = 5.0f, ROLL_STEP_DEG = 5.0f;
constexpr float MOVE_STEP_OF_EXTENT = 0.05f;   // an offset step as a share of the aircraft's size
constexpr float ZOOM_STEP = 1.1f;
constexpr float DEFAULT_HEADING_DEG = 240.0f;  // from the left, a little ahead of the wing

template <int N> void add_menu(int m, const char* title, const char* const (&items)[N], int first)
{
    MACIBM_create_menu(m, -1, title);
    for (int i = 0; i < N; i++) MACIBM_append_menu(m, first + i, items[i]);
}


void set_view(float the, float psi)
{
    msc.the = the;
    msc.psi = psi;
    msc.phi = 0.0f;
    msc.rotate_code = 0;
}

void move_view(float dx, float dy)
{
    const float step = MOVE_STEP_OF_EXTENT * find_dis_to_plane();
    msc.xos += dx * step;
    msc.yos += dy * step;
}

void zoom_view(float factor)
{
    msc.zoom = fltlim((msc.zoom > 0.0f ? msc.zoom : 1.0f) * factor, FG_ZOOM_MIN, FG_ZOOM_MAX);
}

void switch_mode(int heli)
{
    if (pln.is_heli == heli) return;
    pln.is_heli = heli;
    fg_design_changed();
    mnw.topwin = WIN_COCKPIT;       // the window open was the other mode's
    fg_setup_menus();
}

void open_design_window(int code)
{
    if (!fg_window_routine(code)) {
        char line[80];
        std::snprintf(line, sizeof line, "design window %d: none yet", code);
        mnw_log(line);
        return;
    }
    MACIBM_startwind(code);
}

void view_command(int code)
{
    switch (code) {
    case V_BOTTOM: return set_view(-90.0f, 0.0f);
    case V_SIDE: return set_view(0.0f, 270.0f);
    case V_FRONT: return set_view(0.0f, 180.0f);
    case V_BACK: return set_view(0.0f, 0.0f);
    case V_HEADING_LEFT: msc.psi = fltwrap(msc.psi - HEADING_STEP_DEG, 0.0f, 360.0f); return;
    case V_HEADING_RIGHT: msc.psi = fltwrap(msc.psi + HEADING_STEP_DEG, 0.0f, 360.0f); return;
    case V_ROLL_LEFT: msc.phi = fltwrap(msc.phi - ROLL_STEP_DEG, -180.0f, 180.0f); return;
    case V_ROLL_RIGHT: msc.phi = fltwrap(msc.phi + ROLL_STEP_DEG, -180.0f, 180.0f); return;
    case V_MOVE_LEFT: return move_view(-1.0f, 0.0f);
    case V_MOVE_RIGHT: return move_view(1.0f, 0.0f);
    case V_MOVE_UP: return move_view(0.0f, 1.0f);
    case V_MOVE_DOWN: return move_view(0.0f, -1.0f);
    case V_ZOOM_IN: return zoom_view(ZOOM_STEP);
    case V_ZOOM_OUT: return zoom_view(1.0f / ZOOM_STEP);
    case V_QUICK: msc.rotate_code = 1; return;
    case V_LONG: msc.rotate_code = 2; return;
    case V_TEXTURES: mnw.draw_wire = 0; return fg_reload_geometry(1);
    case V_WIREFRAME: mnw.draw_wire = 1; return;
    case V_BLACK: msc.bluesky = 0; return;
    case V_SKY: msc.bluesky = 1; return;
    case V_RELOAD_TEXTURES: return fg_reload_geometry(1);
    default: break;
    }
}

void special_command(int code)
{
    if (code >= S_SMOOTH_FIRST && code <= S_SMOOTH_LAST) {
        const int k = code - S_SMOOTH_FIRST;
        const body_range& b = smooth_bodies[k % 4];
        for (int p = b.first; p <= b.last; p++) fg_smooth_body(p, k >= 4);
        return fg_reload_geometry(0);
    }
    switch (code) {
    case S_AIRPLANE: return switch_mode(0);
    case S_HELICOPTER: return switch_mode(1);
    case S_TEXTURE_MAPS: load_plane_geo(0, 1); return;
    default: break;
    }
}

// One station's ellipse: centre height, half width and half height of its outline.
struct ellipse { float yc, half_w, half_h; };

ellipse fit_ellipse(int part, int s, int np)
{
    float lo = 1e30f, hi = -1e30f, w = 0.0f;
    for (int k = 0; k < np; k++) {
        lo = fltmin2(lo, pln.body_Y[part][s][k]);
        hi = fltmax2(hi, pln.body_Y[part][s][k]);
        w = fltmax2(w, std::fabs(pln.body_X[part][s][k]));
    }
    return {0.5f * (lo + hi), w, 0.5f * (hi - lo)};
}

}  // namespace

int fg_standard_count() { return pln.is_heli ? (int)std::size(heli_standard) : (int)std::size(plane_standard); }
int fg_expert_count() { return pln.is_heli ? (int)std::size(heli_expert) : (int)std::size(plane_expert); }

void fg_default_view()
{
    msc.zoom = 1.0f;
    msc.xos = msc.yos = 0.0f;
    set_view(0.0f, DEFAULT_HEADING_DEG);
}

void fg_smooth_body(int part, int total)
{
    const int ns = f_body_s_dim(part), np = f_body_r_dim(part);
    if (part < PART_FUSE || ns < 1 || np < 2) return;
    ellipse e[BODY_STATIONS];
    for (int s = 0; s < ns; s++) e[s] = fit_ellipse(part, s, np);
    if (total && ns > 2) {
        // Each inner station evened with its neighbours (1-2-1); the ends keep their size.
        ellipse even[BODY_STATIONS];
        for (int s = 1; s + 1 < ns; s++)
            even[s] = {0.25f * (e[s - 1].yc + 2 * e[s].yc + e[s + 1].yc),
                       0.25f * (e[s - 1].half_w + 2 * e[s].half_w + e[s + 1].half_w),
                       0.25f * (e[s - 1].half_h + 2 * e[s].half_h + e[s + 1].half_h)};
        for (int s = 1; s + 1 < ns; s++) e[s] = even[s];
    }
    for (int s = 0; s < ns; s++)
        for (int k = 0; k < np; k++) {
            const float a = 2.0f * PI_F * (float)k / (float)np;
            pln.body_X[part][s][k] = e[s].half_w * std::sin(a);
            pln.body_Y[part][s][k] = e[s].yc + e[s].half_h * std::cos(a);
        }
    fg_design_changed();
}

void fg_setup_menus()
{
    mnw_clear_menus();
    MACIBM_create_menu(MENU_ABOUT, -1, "About");
    MACIBM_append_menu(MENU_ABOUT, FG_MENU_ABOUT, "About");
    MACIBM_create_menu(MENU_FILE, -1, "File");
    MACIBM_append_menu(MENU_FILE, FG_MENU_NEW, "New");
    MACIBM_append_menu(MENU_FILE, FG_MENU_OPEN, "Open");
    MACIBM_append_menu(MENU_FILE, FG_MENU_SAVE, "Save");
    MACIBM_append_menu(MENU_FILE, FG_MENU_SAVE_AS, "Save As");
    MACIBM_append_menu(MENU_FILE, FG_MENU_SAVE_AS + 1, "-");
    MACIBM_append_menu(MENU_FILE, FG_MENU_QUIT, "Quit");
    if (pln.is_heli) {
        add_menu(MENU_STANDARD, "Standard", heli_standard, FG_STANDARD_FIRST);
        add_menu(MENU_EXPERT, "Expert", heli_expert, FG_EXPERT_FIRST);
    } else {
        add_menu(MENU_STANDARD, "Standard", plane_standard, FG_STANDARD_FIRST);
        add_menu(MENU_EXPERT, "Expert", plane_expert, FG_EXPERT_FIRST);
    }
    add_menu(MENU_BACKGROUND, "Background", background_items, FG_BACKGROUND_FIRST);
    add_menu(MENU_SPECIAL, "Special", special_items, FG_SPECIAL_FIRST);
    mnw_layout_menu_bar();
    // The menu bar is part of the window's picture: a new mode's titles are drawn anew.
    MACIBM_startwind(mnw.topwin);
}

void fg_handle_menu(int code)
{
    if ((code >= FG_STANDARD_FIRST && code < FG_STANDARD_FIRST + fg_standard_count()) ||
        (code >= FG_EXPERT_FIRST && code < FG_EXPERT_FIRST + fg_expert_count()))
        return open_design_window(code);
    if (code >= FG_BACKGROUND_FIRST && code < FG_BACKGROUND_FIRST + (int)std::size(background_items))
        return view_command(code);
    if (code >= FG_SPECIAL_FIRST && code < FG_SPECIAL_FIRST + (int)std::size(special_items))
        return special_command(code);
    switch (code) {
    case FG_MENU_ABOUT: return MACIBM_alert("Flexgauge", "Version Beta-1.", "", "", ALERT_NOTE);
    case FG_MENU_NEW: return fg_new();
    case FG_MENU_OPEN: return fg_open();
    case FG_MENU_SAVE: return fg_save();
    case FG_MENU_SAVE_AS: return fg_save_as();
    case FG_MENU_QUIT: return fg_quit();
    default: break;
    }
    char line[80];
    std::snprintf(line, sizeof line, "menu command %d: no such item", code);
    mnw_log(line);
}

void fg_handle_key(int c)
{
    static const struct { char key; int command; } view_keys[] = {
        {'a', V_HEADING_LEFT}, {'d', V_HEADING_RIGHT}, {'w', V_ROLL_LEFT}, {'s', V_ROLL_RIGHT},
        {'j', V_MOVE_LEFT}, {'l', V_MOVE_RIGHT}, {'i', V_MOVE_UP}, {'k', V_MOVE_DOWN},
        {'x', V_ZOOM_IN}, {'z', V_ZOOM_OUT}, {'r', V_RELOAD_TEXTURES}};
    for (const auto& v : view_keys)
        if (c == v.key || c == v.key - 'a' + 'A') return view_command(v.command);   // either case
    for (int k = 0; k < 4; k++) {
        if (c == smooth_bodies[k].key) return special_command(S_SMOOTH_FIRST + k);
        if (c == smooth_bodies[k].key - 'a' + 'A') return special_command(S_SMOOTH_FIRST + 4 + k);
    }
}

}  // namespace orv
