// fg_windows.cpp -- the design windows. A window is a list of rows naming fields of the
// aircraft record; the field table (acf_fields) gives each its type, stored unit, range and
// decimals, so a row needs no more than the field's name, its caption and which element it
// shows. The rows flow down columns of the panel, left to right.
#include "design_tool/fg_windows.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <iterator>

#include "2-QZutils/acf_fields.h"
#include "2-QZutils/acf_parts.h"
#include "2-QZutils/qz_btn.h"
#include "2-QZutils/qz_font.h"
#include "2-QZutils/qz_graph.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/records.h"
#include "design_tool/fg_btn.h"
#include "design_tool/fg_design.h"
#include "design_tool/fg_plot.h"

namespace orv {

namespace {

// ---- the panel's geometry and colours
constexpr int MARGIN = 10, ROW_H = 20, CHAR_W = 6, CAPTION_W = 19 * CHAR_W, CELL_GAP = 6, COLUMN_GAP = 16;
constexpr int FIRST_ROW_Y = FG_PANEL_H - 44, LOWEST_ROW_Y = 16;   // a wheel answers 14 px below its row
constexpr int LINE_W_MAX = 470;          // a row of cells wider than this goes on over several lines
constexpr int CLOSE_BOX = 12, TITLE_Y = FG_PANEL_H - 15;
constexpr int FILE_NAME_CHARS = 28;      // shown of a file name
constexpr int ELEMS_CAPTION_W = 12 * CHAR_W;   // the rows of a surface's elements stand together
constexpr int CHECK_W = 12;
enum { C_FACE = 63, C_EDGE = 69, C_TITLE = 16, C_CAPTION = 29, C_UNIT = 22, C_DIGITS = 47 };

enum row_kind { RK_FIELD, RK_CHOICE, RK_TAIL, RK_FILE, RK_PART, RK_STATION, RK_POINTS, RK_SLOTS, RK_ACTION };
// Which element of the field a row shows: a scalar, the window's part, the part's engine,
// every element of the part (one cell each), or every element of a small array.
enum row_ix { IX_ONE, IX_PART, IX_ENGINE, IX_ELEMS, IX_EACH };
enum row_action { ACT_NONE, ACT_MIRROR_FOIL, ACT_MIRROR_BODY, ACT_DESIGN_ADVANCE, ACT_DESIGN_SPEED };

struct fg_row {
    row_kind kind;
    const char* field;
    row_ix ix;
    const char* caption;
    const char* const* choices;
    int nchoices;
    int base;               // RK_CHOICE: the stored value of the first caption
    const char* folder;     // RK_FILE: the data tree's folder and the files' ending
    const char* ext;
    int rt;                 // RK_FILE: the airfoil's end (0 root, 1 tip) whose thickness it sets, -1 none
    row_action action;
};

constexpr fg_row fld(const char* field, const char* caption, row_ix ix = IX_ONE)
{
    return {RK_FIELD, field, ix, caption, nullptr, 0, 0, nullptr, nullptr, -1, ACT_NONE};
}
template <int N>
constexpr fg_row choice(const char* field, const char* caption, const char* const (&c)[N], int base,
                        row_ix ix = IX_ONE)
{
    return {RK_CHOICE, field, ix, caption, c, N, base, nullptr, nullptr, -1, ACT_NONE};
}
constexpr fg_row foil(const char* field, const char* caption, int rt)
{
    return {RK_FILE, field, IX_PART, caption, nullptr, 0, 0, "airfoils", ".afl", rt, ACT_NONE};
}
constexpr fg_row special(row_kind kind, const char* caption, row_action action = ACT_NONE)
{
    return {kind, nullptr, IX_ONE, caption, nullptr, 0, 0, nullptr, nullptr, -1, action};
}

// ---- the Part's labels
const char* const kEngineKinds[] = {" carbuerated recip", "fuel-injected recip", "     turboprop",
                                    "   low-bypass jet", "   high-bypass jet"};
const char* const kTailKinds[] = {"stabilizer", "stabilator"};
const char* const kGearKinds[] = {"      none", "      skids", "  single wheel", " 2 side-by-side",
                                  "   2 fore-aft", "  4-wheel truck"};
const char* const kAsiUnits[] = {"knots", "mph"};
const char* const kPanelKinds[] = {"round dials", "glass"};

// ---- the rows of each window
const fg_row kViewpoint[] = {special(RK_TAIL, "tail number"), fld("peX", "pilot eye, lateral"),
                             fld("peY", "pilot eye, vert."), fld("peZ", "pilot eye, long.")};
const fg_row kPanel[] = {
    choice("asi_units", "airspeed in", kAsiUnits, 1), fld("Vso", "Vso"), fld("Vs", "Vs"), fld("Vfe", "Vfe"),
    fld("Vno", "Vno"), fld("Vne", "Vne"), fld("Mmo", "Mmo"), choice("paneltype", "panel", kPanelKinds, 1),
    fld("radiotype", "  radios"), fld("supptype", "supplementary ins"), fld("HUDtype", "head-up display"),
    fld("VVItype", "vertical speed ins"), fld("us_alt", "altimeter option"), fld("has_ins", "instrument in slot", IX_EACH),
    fld("ins_of_loc", "instrument kind", IX_EACH), special(RK_SLOTS, "panel slot")};
const fg_row kForceFeedback[] = {fld("ff_hydraulic", "hydraulic controls"), fld("ff_stickshaker", "stick shaker")};
const fg_row kEngines[] = {
    choice("entype", "engine ins", kEngineKinds, 1), fld("numen", "number of engines"),
    fld("revthrustEQ", "reverse thrust"), fld("sfc", "fuel consumption"), fld("pmax", "power each"),
    fld("gearrat", "prop gear ratio"), fld("critalt", "critical altitude"), fld("mpmax", "max manifold press"),
    fld("omegamin", "idle speed"), fld("omegamax", "maximum speed"), fld("omegamingreen", "green arc from"),
    fld("omegamaxgreen", "green arc to"), fld("tmax", "jet thrust each"), fld("burnerinc", "afterburner adds"),
    fld("facejet", "inlet face area"), fld("spooltime", "spool-up time"), fld("varpitchEQ", "variable pitch")};
const fg_row kPropGeometry[] = {
    fld("propdir", "turning direction", IX_ENGINE), fld("numblades", "blades", IX_ENGINE),
    fld("Xarm", "hub, lateral", IX_PART), fld("Yarm", "hub, vertical", IX_PART), fld("Zarm", "hub, long.", IX_PART),
    fld("semilen", "radius", IX_PART), fld("Croot", "root chord", IX_PART), fld("Ctip", "tip chord", IX_PART),
    fld("miprop", "moment of inertia", IX_ENGINE), fld("sidecant", "side cant", IX_ENGINE),
    fld("vertcant", "vertical cant", IX_ENGINE)};
const fg_row kPropPick[] = {special(RK_PART, "part")};
const fg_row kPropDesign[] = {
    fld("des_rpm", "design speed", IX_ENGINE), fld("des_vel", "design airspeed", IX_ENGINE),
    fld("des_adv", "advance a turn", IX_ENGINE), fld("minpitch", "minimum pitch", IX_ENGINE),
    fld("maxpitch", "maximum pitch", IX_ENGINE), fld("els", "elements", IX_PART), fld("anginc", "incidence", IX_ELEMS),
    foil("Rafl0", "root foil, low Re", 0), foil("Rafl1", "root foil, high Re", 0), foil("Tafl0", "tip foil, low Re", 1),
    foil("Tafl1", "tip foil, high Re", 1), special(RK_ACTION, "design for the advance", ACT_DESIGN_ADVANCE),
    special(RK_ACTION, "design for the airspeed", ACT_DESIGN_SPEED)};
// A lifting surface: the left-hand one of a pair, its twin mirrored after each change.
const fg_row kSurface[] = {
    fld("semilen", "semi-span", IX_PART), fld("Croot", "root chord", IX_PART), fld("Ctip", "tip chord", IX_PART),
    fld("sweep1", "sweep,  OPEN", IX_PART), fld("sweep2", "sweep, CLOSED", IX_PART),
    fld("varsweepEQ", "variable sweep", IX_PART), fld("dihed", "dihedral", IX_PART),
    fld("Xarm", "root, lateral", IX_PART), fld("Yarm", "root, vertical", IX_PART), fld("Zarm", "root, long.", IX_PART),
    fld("els", "elements", IX_PART), foil("Rafl0", "root foil, low Re", 0), foil("Rafl1", "root foil, high Re", 0),
    foil("Tafl0", "tip foil, low Re", 1), foil("Tafl1", "tip foil, high Re", 1), fld("anginc", "incidence", IX_ELEMS),
    fld("ailn", "aileron", IX_ELEMS), fld("splr", "spoiler", IX_ELEMS), fld("flap", "flap", IX_ELEMS),
    fld("slat", "slat", IX_ELEMS), fld("sbrk", "speed brake", IX_ELEMS), fld("drud", "drag rudder", IX_ELEMS),
    fld("elev", "elevator", IX_ELEMS), fld("rudd", "rudder", IX_ELEMS)};
const fg_row kHstab[] = {choice("hstabtype", "tail", kTailKinds, 0), fld("hstbtrimmax", "trim range")};
const fg_row kCopySurface[] = {special(RK_ACTION, "copy to the other side", ACT_MIRROR_FOIL)};
const fg_row kPylons[] = {special(RK_PART, "pylon"), fld("pylondx", "pylon offset, lat."),
                          fld("pylondz", "pylon offset, aft")};
const fg_row kControlGeometry[] = {
    fld("ailn_crat", "aileron chord"), fld("ailn_up", "aileron up"), fld("ailn_dn", "aileron down"),
    fld("elev_crat", "elevator chord"), fld("elev_up", "elevator up"), fld("elev_dn", "elevator down"),
    fld("rudd_crat", "rudder chord"), fld("rudd_def", "rudder travel"), fld("splr_crat", "spoiler chord"),
    fld("splr_def", "spoiler travel"), fld("drud_crat", "drag rudder chord"), fld("drud_def", "drag rudder travel"),
    fld("sbrk_crat", "speed brake chord"), fld("sbrk_def", "speed brake travel"), fld("slat_inc", "slat incidence"),
    fld("con_smooth", "control smoothing"),
    {RK_FILE, "flap_str", IX_ONE, "flap", nullptr, 0, 0, "flaps", ".flp", -1, ACT_NONE}};
const fg_row kBodyPoints[] = {special(RK_STATION, "section"), special(RK_POINTS, "point")};
const fg_row kFuselage[] = {fld("fuse_cd", "drag coefficient"), fld("fusewash", "in the propwash")};
const fg_row kNacelles[] = {fld("nace_eq", "nacelles fitted"), special(RK_PART, "nacelle"),
                            special(RK_ACTION, "copy to the other side", ACT_MIRROR_BODY)};
const fg_row kTanks[] = {fld("misc_eq", "tanks or floats"), fld("misc_X", "position, lateral"),
                         fld("misc_Y", "position, vertical"), fld("misc_Z", "position, long."),
                         special(RK_PART, "body"), special(RK_ACTION, "copy to the other side", ACT_MIRROR_BODY)};
const fg_row kFairings[] = {fld("fair_eq", "fairings fitted"), special(RK_PART, "fairing"),
                            special(RK_ACTION, "copy to the other side", ACT_MIRROR_BODY)};
const fg_row kWeights[] = {fld("cgY", "C.G., vertical"), fld("cgZ", "C.G., long."), fld("m_empty", "empty weight"),
                           fld("m_max", "maximum weight"), fld("m_fuel", "fuel"), fld("m_jettison", "jettisonable load"),
                           fld("jettisonEQ", "jettison fitted")};
const fg_row kGear[] = {
    choice("gear_type", "gear", kGearKinds, 1), fld("gear_retract", "retracts"), fld("gear_stat", "legs", IX_EACH),
    fld("nwsteer", "nose wheel steers"), fld("wheelrad", "wheel radius"), fld("fbrkEQ", "wheel brakes"),
    fld("autofbrkEQ", "auto brakes"), fld("ngearY", "nose wheel, vert."), fld("ngearZ", "nose wheel, long."),
    fld("mgearX", "main wheels, lat."), fld("mgearY", "main wheels, vert."), fld("mgearZ", "main wheels, long."),
    fld("ngearY_att", "nose leg top, up"), fld("ngearZ_att", "nose leg top, aft"),
    fld("mgearX_att", "main leg top, lat."), fld("mgearY_att", "main leg top, up"),
    fld("mgearZ_att", "main leg top, aft"), fld("ngearcon", "nose spring"), fld("ngeardmp", "nose damping"),
    fld("mgearcon", "main spring"), fld("mgeardmp", "main damping"), fld("skidX", "skids, lateral"),
    fld("skidY", "skids, vertical"), fld("skidZ", "skids, long."), fld("skidl", "skid length"),
    fld("skidcon", "skid spring"), fld("skiddmp", "skid damping"), fld("geardef", "leg travel", IX_EACH)};
const fg_row kSpecialControls[] = {
    fld("ailpitch", "ailerons in pitch"), fld("ailflaps", "ailerons as flaps"), fld("puffEQ", "reaction puffers"),
    fld("puffL", "puffer roll"), fld("puffM", "puffer pitch"), fld("puffN", "puffer yaw"),
    fld("chuteEQ", "drag chute"), fld("chute_area", "chute area"), fld("brake_area", "speed brake area"),
    fld("autosbrkEQ", "auto speed brakes"), fld("jatoEQ", "rockets (JATO)"), fld("jatoY", "rocket, vertical"),
    fld("jatoZ", "rocket, long."), fld("jatotheta", "rocket angle"), fld("jatothrust", "rocket thrust"),
    fld("jatodur", "rocket burn"), fld("antiiceEQ", "anti-ice"), fld("arrestingEQ", "arresting hook"),
    fld("bitchinbettyEQ", "voice warnings"), fld("autosweepEQ", "auto sweep")};
const fg_row kVtol[] = {fld("vectEQ", "thrust vectoring"), fld("vectarm", "vectoring arm")};
const fg_row kRotorSystem[] = {fld("trotor_rat", "tail rotor ratio")};
const fg_row kCyclic[] = {fld("collectEQ", "collective"), fld("elevcyclic", "pitch cyclic"),
                          fld("ailncyclic", "roll cyclic")};
const fg_row kStability[] = {
    fld("AStype", "augmentation"), fld("stabroll", "roll stability"), fld("stabhdng", "heading stability"),
    fld("AShiV", "high-speed end"), fld("ASloV", "low-speed end"), fld("ASmaxp1", "pitch limit 1"),
    fld("ASp1", "pitch gain 1"), fld("ASmaxp2", "pitch limit 2"), fld("ASp2", "pitch gain 2"),
    fld("ASmaxh1", "heading limit 1"), fld("ASh1", "heading gain 1"), fld("ASmaxh2", "heading limit 2"),
    fld("ASh2", "heading gain 2"), fld("ASmaxr1", "roll limit 1"), fld("ASr1", "roll gain 1"),
    fld("ASmaxr2", "roll limit 2"), fld("ASr2", "roll gain 2")};

struct row_list {
    const fg_row* rows;
    int n;
};
template <int N>
constexpr row_list rows_of(const fg_row (&r)[N]) { return {r, N}; }
constexpr int LISTS = 3;

struct window_def {
    int code;
    int heli;               // the mode whose menu holds it
    const char* title;
    int first, last;        // parts edited (-1: none); a window over several offers a choice
    int mirror;             // a change mirrors the surface to its twin
    row_list lists[LISTS];
};

const window_def kWindows[] = {
    {200, 0, "Viewpoint", -1, -1, 0, {rows_of(kViewpoint)}},
    {201, 0, "Panel", -1, -1, 0, {rows_of(kPanel)}},
    {202, 0, "Force Feedback", -1, -1, 0, {rows_of(kForceFeedback)}},
    {203, 0, "Engines", -1, -1, 0, {rows_of(kEngines)}},
    {204, 0, "Props", PART_PROP1, PART_PROP4, 0, {rows_of(kPropPick), rows_of(kPropGeometry), rows_of(kCopySurface)}},
    {205, 0, "Wing 1", PART_WING1L, PART_WING1L, 1, {rows_of(kSurface)}},
    {206, 0, "Wing 2", PART_WING2L, PART_WING2L, 1, {rows_of(kSurface)}},
    {207, 0, "Wing 3", PART_WING3L, PART_WING3L, 1, {rows_of(kSurface)}},
    {208, 0, "Horizontal Stabilizer", PART_HSTABL, PART_HSTABL, 1, {rows_of(kHstab), rows_of(kSurface)}},
    {209, 0, "Vertical Stabilizer 1", PART_VSTAB1, PART_VSTAB1, 0, {rows_of(kSurface), rows_of(kCopySurface)}},
    {210, 0, "Vertical Stabilizer 2", PART_VSTAB2, PART_VSTAB2, 0, {rows_of(kSurface), rows_of(kCopySurface)}},
    {211, 0, "Control Geometry", -1, -1, 0, {rows_of(kControlGeometry)}},
    {212, 0, "Fuselage", PART_FUSE, PART_FUSE, 0, {rows_of(kFuselage), rows_of(kBodyPoints)}},
    {213, 0, "Engine Nacelles", PART_NACE1, PART_NACE4, 0, {rows_of(kNacelles), rows_of(kBodyPoints)}},
    {214, 0, "Fuel Tanks or Floats", PART_MISC1, PART_MISC2, 0, {rows_of(kTanks), rows_of(kBodyPoints)}},
    {215, 0, "Wheel Fairings", PART_FAIR1, PART_FAIR3, 0, {rows_of(kFairings), rows_of(kBodyPoints)}},
    {216, 0, "Engine Pylons", PART_PYLON1, PART_PYLON4, 0, {rows_of(kPylons), rows_of(kSurface), rows_of(kCopySurface)}},
    {217, 0, "Weight & Balance", -1, -1, 0, {rows_of(kWeights)}},
    {218, 0, "Landing Gear", -1, -1, 0, {rows_of(kGear)}},
    {300, 0, "Prop", PART_PROP1, PART_PROP4, 0, {rows_of(kPropPick), rows_of(kPropDesign), rows_of(kCopySurface)}},
    {301, 0, "Special Controls", -1, -1, 0, {rows_of(kSpecialControls)}},
    {302, 0, "VTOL Controls", -1, -1, 0, {rows_of(kVtol), rows_of(kCyclic)}},
    {303, 0, "Artificial Stability", -1, -1, 0, {rows_of(kStability)}},
    {200, 1, "Viewpoint", -1, -1, 0, {rows_of(kViewpoint)}},
    {201, 1, "Panel", -1, -1, 0, {rows_of(kPanel)}},
    {202, 1, "Force Feedback", -1, -1, 0, {rows_of(kForceFeedback)}},
    {203, 1, "Engine", -1, -1, 0, {rows_of(kEngines)}},
    {204, 1, "Main Rotor", 0, 0, 0, {rows_of(kPropPick), rows_of(kPropGeometry), rows_of(kPropDesign)}},
    {205, 1, "Tail Rotor", 1, 1, 0, {rows_of(kPropPick), rows_of(kPropGeometry), rows_of(kPropDesign)}},
    {206, 1, "Rotor System", -1, -1, 0, {rows_of(kRotorSystem), rows_of(kCyclic)}},
    {207, 1, "Horizontal Stabilizer", PART_HSTABL, PART_HSTABL, 1, {rows_of(kHstab), rows_of(kSurface)}},
    {208, 1, "Vertical Stabilizer 1", PART_VSTAB1, PART_VSTAB1, 0, {rows_of(kSurface), rows_of(kCopySurface)}},
    {209, 1, "Vertical Stabilizer 2", PART_VSTAB2, PART_VSTAB2, 0, {rows_of(kSurface), rows_of(kCopySurface)}},
    {210, 1, "Fuselage", PART_FUSE, PART_FUSE, 0, {rows_of(kFuselage), rows_of(kBodyPoints)}},
    {211, 1, "Fuel Tanks or Floats", PART_MISC1, PART_MISC2, 0, {rows_of(kTanks), rows_of(kBodyPoints)}},
    {212, 1, "Wheel Fairings", PART_FAIR1, PART_FAIR3, 0, {rows_of(kFairings), rows_of(kBodyPoints)}},
    {213, 1, "Weight & Balance", -1, -1, 0, {rows_of(kWeights)}},
    {214, 1, "Landing Gear", -1, -1, 0, {rows_of(kGear)}},
    {300, 1, "Stability-Augmentation", -1, -1, 0, {rows_of(kStability)}},
};
constexpr int WINDOW_COUNT = (int)(sizeof kWindows / sizeof kWindows[0]);

// What each window has chosen: the part, the body section and the panel slot.
struct window_choice {
    int part;
    int station;
    int slot;
};
window_choice choices_made[WINDOW_COUNT];

const window_def* find_window(int code, int* at)
{
    const int heli = pln.is_heli ? 1 : 0;
    for (int i = 0; i < WINDOW_COUNT; ++i)
        if (kWindows[i].code == code && kWindows[i].heli == heli) {
            if (at) *at = i;
            return &kWindows[i];
        }
    return nullptr;
}


// ---- running a window

int engine_of(int part)
{
    if (part >= PART_PROP1 && part <= PART_PROP4) return part;
    if (part >= PART_PYLON1 && part <= PART_PYLON4) return part - PART_PYLON1;
    if (part >= PART_NACE1 && part <= PART_NACE4) return part - PART_NACE1;
    return 0;
}

const char* shown_part_name(int part)
{
    if (pln.is_heli && part == 0) return "main rotor";
    if (pln.is_heli && part == 1) return "tail rotor";
    return part_name(part);
}

int is_flag(const acf_field* f) { return f->type == ACF_INT && f->lo == 0.0f && f->hi == 1.0f; }

int wheel_digits(const acf_field* f)
{
    const float biggest = std::fmax(std::fabs(f->lo), std::fabs(f->hi));
    const int whole = biggest < 1.0f ? 1 : (int)std::floor(std::log10(biggest)) + 1;
    const int dig = whole + f->dec;
    return dig > BTN_WHEEL_DIGITS ? BTN_WHEEL_DIGITS : dig;
}

int sign_w(const acf_field* f) { return f->lo < 0.0f ? BTN_DIGIT_W : 0; }
int cell_w(const acf_field* f) { return is_flag(f) ? CHECK_W : sign_w(f) + wheel_digits(f) * BTN_DIGIT_W; }

// fg_widget_at: the run lays the window out and looks for one widget instead of drawing.
struct probe {
    const char* name;   // a field, or the caption of a row without one
    int index;          // flat element, -1 for any
    int found, x, y;
};

struct run_ctx {
    const window_def* w;
    window_choice* ch;
    int part, engine;
    probe* pr;
    int changed;
};

struct layout {
    int x, y, col_w;
};

// Where a row of `lines` lines and width `w` goes: down the column, or at the top of the next.
void next_column_unless_room(layout& L, int lines)
{
    if (L.y - (lines - 1) * ROW_H < LOWEST_ROW_Y && L.y != FIRST_ROW_Y) {
        L.x += L.col_w + COLUMN_GAP;
        L.y = FIRST_ROW_Y;
        L.col_w = 0;
    }
}

void place(layout& L, int w, int lines, int* x, int* y)
{
    next_column_unless_room(L, lines);
    *x = L.x;
    *y = L.y;
    L.y -= lines * ROW_H;
    if (w > L.col_w) L.col_w = w;
}

void text(run_ctx& c, int color, int x, int y, const char* t)
{
    if (!c.pr && t) OGL_string(color, x, y, t, WRAP_OFF_WIDTH, CHAR_W);
}

int probe_hit(run_ctx& c, const char* name, int index, int x, int y)
{
    if (std::strcmp(c.pr->name, name) != 0 || (c.pr->index >= 0 && c.pr->index != index)) return 0;
    c.pr->found = 1;
    c.pr->x = x;
    c.pr->y = y;
    return 1;
}

// One number or flag of the record. A value outside the field's range is shown as it is and
// only moves when clicked, so opening a window never changes the design.
int edit_cell(run_ctx& c, const acf_field* f, int idx, int x, int y)
{
    void* p = acf_elem_ptr(pln, f, (std::size_t)idx);
    if (!p) return 0;
    const int wx = x + (is_flag(f) ? 0 : sign_w(f));
    if (c.pr) {
        probe_hit(c, f->name, idx, wx, y);
        return 0;
    }
    if (f->type == ACF_INT) {
        int* v = static_cast<int*>(p);
        if (is_flag(f)) return inboolbtn(x, y, v);
        return inintbtn(C_DIGITS, wx, y, v, wheel_digits(f), (int)f->lo, (int)f->hi);
    }
    float* v = static_cast<float*>(p);
    const float was = *v;
    const bool number = std::isfinite(was);
    float shown = number ? was : f->lo;
    const float lo = number ? std::fmin(f->lo, was) : f->lo, hi = number ? std::fmax(f->hi, was) : f->hi;
    if (!instdbtn_range(C_DIGITS, wx, y, &shown, wheel_digits(f), f->dec, lo, hi)) return 0;
    if (number ? shown == was : shown == f->lo) return 0;
    *v = shown;
    return 1;
}

void unit_after(run_ctx& c, const acf_field* f, int x, int y)
{
    if (f->unit && f->unit[0]) text(c, C_UNIT, x + CELL_GAP, y, f->unit);
}

int unit_w(const acf_field* f) { return f->unit && f->unit[0] ? CELL_GAP + (int)std::strlen(f->unit) * CHAR_W : 0; }

void field_row(run_ctx& c, layout& L, const fg_row& r)
{
    const acf_field* f = acf_find_field(r.field);
    if (!f || !acf_is_designed(f)) return;
    int n = 1, first = 0;
    if (r.ix == IX_PART) first = c.part;
    else if (r.ix == IX_ENGINE) first = c.engine;
    else if (r.ix == IX_ELEMS) {
        n = pln.els[c.part] < 0 ? 0 : pln.els[c.part] > MAX_ELS ? MAX_ELS : pln.els[c.part];
        first = c.part * MAX_ELS;
    } else if (r.ix == IX_EACH) n = (int)f->count;
    const int cw = cell_w(f) + CELL_GAP, cap_w = r.ix == IX_ELEMS ? ELEMS_CAPTION_W : CAPTION_W;
    int per_line = (LINE_W_MAX - cap_w) / cw;
    if (per_line < 1) per_line = 1;
    const int lines = n <= per_line ? 1 : (n + per_line - 1) / per_line;
    const int cells_w = (n < per_line ? n : per_line) * cw;
    int x, y;
    place(L, cap_w + cells_w + unit_w(f), lines, &x, &y);
    text(c, C_CAPTION, x, y, r.caption);
    for (int k = 0; k < n; ++k) {
        const int cx = x + cap_w + (k % per_line) * cw, cy = y - (k / per_line) * ROW_H;
        c.changed |= edit_cell(c, f, first + k, cx, cy);
    }
    unit_after(c, f, x + cap_w + cells_w - CELL_GAP, y);
}

int widest(const char* const* captions, int n)
{
    int w = 0;
    for (int i = 0; i < n; ++i) w = std::max(w, (int)std::strlen(captions[i]));
    return w * CHAR_W + CELL_GAP;
}

void choice_row(run_ctx& c, layout& L, const fg_row& r)
{
    const acf_field* f = acf_find_field(r.field);
    if (!f || f->type != ACF_INT) return;
    const int idx = r.ix == IX_PART ? c.part : r.ix == IX_ENGINE ? c.engine : 0;
    int* v = static_cast<int*>(acf_elem_ptr(pln, f, (std::size_t)idx));
    const int dx = widest(r.choices, r.nchoices);
    int x, y;
    place(L, CAPTION_W + dx + BTN_DIGIT_W * 2, 1, &x, &y);
    if (c.pr) {
        probe_hit(c, f->name, idx, x + CAPTION_W + dx, y);
        return;
    }
    text(c, C_CAPTION, x, y, r.caption);
    int pick = *v - r.base + 1;   // drawn within the captions; stored only when clicked
    if (intextbtn(x + CAPTION_W, y, r.choices, r.nchoices, dx, &pick)) {
        *v = pick - 1 + r.base;
        c.changed = 1;
    }
}

void file_row(run_ctx& c, layout& L, const fg_row& r)
{
    const acf_field* f = acf_find_field(r.field);
    if (!f || f->type != ACF_CHAR) return;
    const int idx = r.ix == IX_PART ? c.part : 0;
    char* s = static_cast<char*>(acf_elem_ptr(pln, f, (std::size_t)idx));
    const int dx = FILE_NAME_CHARS * CHAR_W + CELL_GAP;
    int x, y;
    place(L, CAPTION_W + dx + BTN_DIGIT_W * 2, 1, &x, &y);
    if (c.pr) {
        probe_hit(c, f->name, idx, x + CAPTION_W + dx, y);
        return;
    }
    text(c, C_CAPTION, x, y, r.caption);
    if (instringbtn(x + CAPTION_W, y, s, (int)f->elem_size, r.folder, r.ext, dx)) {
        if (r.rt >= 0) assign_foil_thickness(s, c.part, r.rt);
        c.changed = 1;
    }
}

void tail_row(run_ctx& c, layout& L, const fg_row& r)
{
    int x, y;
    place(L, CAPTION_W + 6 * BTN_DIGIT_W, 1, &x, &y);
    if (c.pr) {
        probe_hit(c, "tailnum", 0, x + CAPTION_W, y);
        return;
    }
    text(c, C_CAPTION, x, y, r.caption);
    c.changed |= in6charbtn(C_DIGITS, x + CAPTION_W, y, pln.tailnum, (int)sizeof pln.tailnum);
}

void part_row(run_ctx& c, layout& L, const fg_row& r)
{
    const window_def& w = *c.w;
    const char* names[NUM_ENGINES];
    const int n = w.last - w.first + 1;
    for (int i = 0; i < n && i < NUM_ENGINES; ++i) names[i] = shown_part_name(w.first + i);
    const int dx = widest(names, n);
    int x, y;
    place(L, CAPTION_W + dx + BTN_DIGIT_W * 2, 1, &x, &y);
    if (c.pr) {
        probe_hit(c, r.caption, 0, x + CAPTION_W + dx, y);
        return;
    }
    text(c, C_CAPTION, x, y, r.caption);
    if (n <= 1) {
        text(c, C_DIGITS, x + CAPTION_W, y, shown_part_name(c.part));
        return;
    }
    int pick = c.part - w.first + 1;
    if (intextbtn(x + CAPTION_W, y, names, n, dx, &pick)) c.ch->part = w.first + pick - 1;
}

void station_row(run_ctx& c, layout& L, const fg_row& r)
{
    int x, y;
    place(L, CAPTION_W + BODY_STATIONS * SEC_PITCH + 10 * CHAR_W, 1, &x, &y);
    if (c.pr) {
        probe_hit(c, r.caption, 0, x + CAPTION_W, y);
        return;
    }
    text(c, C_CAPTION, x, y, r.caption);
    insecbtn(x + CAPTION_W, y, &c.ch->station, BODY_STATIONS);
}

// The sixteen points of the chosen section, a line each: lateral, vertical, longitudinal.
void points_rows(run_ctx& c, layout& L, const fg_row& r)
{
    const acf_field* xyz[3] = {acf_find_field("body_X"), acf_find_field("body_Y"), acf_find_field("body_Z")};
    constexpr int POINT_CAPTION_W = 9 * CHAR_W;
    const int cw = cell_w(xyz[0]) + CELL_GAP;
    for (int k = 0; k < BODY_POINTS; ++k) {
        int x, y;
        place(L, POINT_CAPTION_W + 3 * cw + unit_w(xyz[0]), 1, &x, &y);
        char caption[16];
        std::snprintf(caption, sizeof caption, "%s %d", r.caption, k + 1);
        text(c, C_CAPTION, x, y, caption);
        const int idx = (c.part * BODY_STATIONS + c.ch->station) * BODY_POINTS + k;
        for (int a = 0; a < 3; ++a) c.changed |= edit_cell(c, xyz[a], idx, x + POINT_CAPTION_W + a * cw, y);
        if (k == 0) unit_after(c, xyz[0], x + POINT_CAPTION_W + 3 * cw - CELL_GAP, y);
    }
}

void slots_row(run_ctx& c, layout& L, const fg_row& r)
{
    constexpr int CHOOSER_LINES = 1 + (INS_KINDS * INS_KIND_PITCH + ROW_H - 1) / ROW_H;
    int x, y;
    place(L, CAPTION_W + PANEL_SLOT_COUNT * SEC_PITCH + 10 * CHAR_W, CHOOSER_LINES, &x, &y);
    if (c.pr) {
        probe_hit(c, r.caption, 0, x + CAPTION_W, y);
        probe_hit(c, "instrument kind", 0, x + CAPTION_W, y - ROW_H);
        return;
    }
    text(c, C_CAPTION, x, y, r.caption);
    insecbtn(x + CAPTION_W, y, &c.ch->slot, PANEL_SLOT_COUNT);
    c.changed |= fiddle_ins_loc(c.ch->slot, x + CAPTION_W, y - ROW_H);
}

void action_row(run_ctx& c, layout& L, const fg_row& r)
{
    const int partner = partner_part(c.part);
    if ((r.action == ACT_MIRROR_FOIL || r.action == ACT_MIRROR_BODY) && partner < 0) return;
    const int w = (int)std::strlen(r.caption) * CHAR_W + 2 * CELL_GAP;
    int x, y;
    place(L, w, 1, &x, &y);
    if (c.pr) {
        probe_hit(c, r.caption, 0, x, y);
        return;
    }
    if (btn_clicked_in(x, y - 3, x + w, y + 10)) {
        switch (r.action) {
        case ACT_MIRROR_FOIL: copy_foil(c.part, partner); c.changed = 1; break;
        case ACT_MIRROR_BODY: copy_body(c.part, partner); c.changed = 1; break;
        case ACT_DESIGN_ADVANCE: c.changed |= design_prop(c.engine, DESIGN_FOR_ADVANCE); break;
        case ACT_DESIGN_SPEED: c.changed |= design_prop(c.engine, DESIGN_FOR_SPEED); break;
        case ACT_NONE: break;
        }
    }
    OGL_framerect(C_EDGE, x, y - 3, w, 13);
    text(c, C_CAPTION, x + CELL_GAP, y, r.caption);
}

// The rows of a surface's elements stand together in one column when they fit in one.
void keep_elements_together(layout& L, const row_list& list, int i)
{
    auto is_elems = [&](int k) { return list.rows[k].kind == RK_FIELD && list.rows[k].ix == IX_ELEMS; };
    if (!is_elems(i) || (i > 0 && is_elems(i - 1))) return;
    int n = 0;
    while (i + n < list.n && is_elems(i + n)) ++n;
    if (n * ROW_H <= FIRST_ROW_Y - LOWEST_ROW_Y + ROW_H) next_column_unless_room(L, n);
}

void run_rows(run_ctx& c)
{
    layout L{MARGIN, FIRST_ROW_Y, 0};
    for (const row_list& list : c.w->lists)
        for (int i = 0; i < list.n; ++i) {
            const fg_row& r = list.rows[i];
            keep_elements_together(L, list, i);
            switch (r.kind) {
            case RK_FIELD: field_row(c, L, r); break;
            case RK_CHOICE: choice_row(c, L, r); break;
            case RK_TAIL: tail_row(c, L, r); break;
            case RK_FILE: file_row(c, L, r); break;
            case RK_PART: part_row(c, L, r); break;
            case RK_STATION: station_row(c, L, r); break;
            case RK_POINTS: points_rows(c, L, r); break;
            case RK_SLOTS: slots_row(c, L, r); break;
            case RK_ACTION: action_row(c, L, r); break;
            }
        }
}

run_ctx context_of(const window_def* w, int at, probe* pr)
{
    window_choice& ch = choices_made[at];
    if (w->first >= 0 && (ch.part < w->first || ch.part > w->last)) ch.part = w->first;
    const int part = w->first >= 0 ? ch.part : 0;
    return run_ctx{w, &ch, part, engine_of(part), pr, 0};
}

// The panel, its title and its close box; answers 1 when the close box was clicked.
int panel_frame(const window_def& w)
{
    const int bx = SCREEN_W - MARGIN - CLOSE_BOX, by = TITLE_Y - 3;
    if (btn_clicked_in(bx, by, bx + CLOSE_BOX, by + CLOSE_BOX)) {
        MACIBM_startwind(0);
        return 1;
    }
    OGL_setstate(0, 0, 0, 0);
    OGL_fillrect(C_FACE, 0, 0, SCREEN_W, FG_PANEL_H);
    OGL_line(C_EDGE, 0, FG_PANEL_H, SCREEN_W, FG_PANEL_H);
    OGL_string(C_TITLE, MARGIN, TITLE_Y, w.title, WRAP_OFF_WIDTH, CHAR_W);
    OGL_framerect(C_EDGE, bx, by, CLOSE_BOX, CLOSE_BOX);
    OGL_line(C_EDGE, bx + 2, by + 2, bx + CLOSE_BOX - 2, by + CLOSE_BOX - 2);
    OGL_line(C_EDGE, bx + 2, by + CLOSE_BOX - 2, bx + CLOSE_BOX - 2, by + 2);
    return 0;
}

void run_window(int code)
{
    int at = 0;
    const window_def* w = find_window(code, &at);
    if (!w || panel_frame(*w)) return;
    run_ctx c = context_of(w, at, nullptr);
    run_rows(c);
    if (!c.changed) return;
    msc.planemod = 1;
    const int partner = partner_part(c.part);
    if (w->mirror && partner >= 0) copy_foil(c.part, partner);
    fg_reload_geometry(0);
}

template <int CODE>
void window_routine() { run_window(CODE); }

}  // namespace

fg_window_fn fg_window_routine(int code)
{
    static const fg_window_fn standard[] = {
        window_routine<200>, window_routine<201>, window_routine<202>, window_routine<203>, window_routine<204>,
        window_routine<205>, window_routine<206>, window_routine<207>, window_routine<208>, window_routine<209>,
        window_routine<210>, window_routine<211>, window_routine<212>, window_routine<213>, window_routine<214>,
        window_routine<215>, window_routine<216>, window_routine<217>, window_routine<218>};
    static const fg_window_fn expert[] = {window_routine<300>, window_routine<301>, window_routine<302>,
                                          window_routine<303>};
    if (!find_window(code, nullptr)) return nullptr;
    if (code >= 200 && code < 200 + (int)std::size(standard)) return standard[code - 200];
    if (code >= 300 && code < 300 + (int)std::size(expert)) return expert[code - 300];
    return nullptr;
}

const char* fg_window_title(int code)
{
    const window_def* w = find_window(code, nullptr);
    return w ? w->title : "";
}

int fg_widget_at(int code, const char* field, int index, int* x, int* y)
{
    int at = 0;
    const window_def* w = find_window(code, &at);
    if (!w || !field) return 0;
    probe pr{field, index, 0, 0, 0};
    run_ctx c = context_of(w, at, &pr);
    run_rows(c);
    if (!pr.found) return 0;
    if (x) *x = pr.x;
    if (y) *y = pr.y;
    return 1;
}

int fg_choose_part(int code, int part)
{
    int at = 0;
    const window_def* w = find_window(code, &at);
    if (!w || w->first < 0 || part < w->first || part > w->last) return 0;
    choices_made[at].part = part;
    return 1;
}

}  // namespace orv
