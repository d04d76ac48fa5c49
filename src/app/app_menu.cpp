#include "app/app_menu.h"

#include <cstdio>
#include <cstring>

#include "2-QZutils/drplane.h"
#include "2-QZutils/qz_file.h"
#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/qz_pick.h"
#include "2-QZutils/qz_sound.h"
#include "2-QZutils/records.h"
#include "aircraft/initpln.h"
#include "app/app_goto.h"
#include "app/app_prefs.h"
#include "app/app_situation.h"
#include "atc/atc_phrases.h"
#include "flight/events.h"
#include "flight/flt_init.h"
#include "flight/funct.h"
#include "input/views_keys.h"
#include "windows/data_output.h"
#include "world/nav_db.h"

namespace orv {

namespace {

// ---- the fixed menus, in the order they hang from the bar
struct menu_item { int code; const char* text; };

const menu_item file_items[] = {
    {100, "Open Aircraft"}, {101, "-"}, {102, "Load Situation"}, {103, "Save Situation"}, {104, "-"}, {105, "Quit"},
};
const menu_item location_items[] = {
    {200, "Takeoff"}, {201, "-"}, {202, "VFR Final"}, {203, "ILS Final"}, {204, "-"}, {205, "Over VOR"},
    {206, "Over NDB"}, {207, "-"}, {208, "Airport ID..."}, {209, "Airport Name..."}, {210, "Enroute..."},
    {211, "Local VR..."}, {212, "World Visual..."}, {213, "Lat-Lon..."}, {214, "-"}, {215, "Favorites"},
    {216, "-"}, {217, "Grass App"}, {218, "Dirt App"}, {219, "Gravel App"}, {220, "Helipad App"},
    {221, "Carrier App"}, {222, "Oil Rig App"}, {223, "Frigate App"}, {224, "Formation App"},
    {225, "Forest Fire App"}, {226, "Catshot"}, {227, "Seaplane T.O."}, {228, "-"}, {229, "Find Me"},
    {230, "Get Me Lost"},
};
const menu_item settings_items[] = {
    {300, "Set Data Output..."}, {301, "Set Serial Output..."}, {302, "-"}, {303, "Set Time Of Day..."},
    {304, "Set Rendering Options..."}, {305, "-"}, {306, "Set Weather Space..."},
    {307, "Set Weather Atmosphere..."}, {308, "Set Weather Ground..."}, {309, "Set Weather Water..."},
    {310, "-"}, {311, "Set Joystick & Flight Mode..."}, {312, "Set Weights & Fuel..."}, {313, "-"},
    {314, "Set Realistic Reliability..."}, {315, "Set Instrument Reliability..."},
    {316, "Set Equipment Reliability..."}, {317, "-"}, {318, "Set Sound..."}, {319, "Set Warnings..."},
};
const menu_item output_items[] = {
    {400, "Graphic Flight Record"}, {401, "-"}, {402, "Low Enroute"}, {403, "Local Virtual-World"},
    {404, "Weather Radar Map"}, {405, "Isometric Region"}, {406, "World Map"}, {407, "-"},
};
const menu_item view_items[] = {
    {500, "[W] Forwards"}, {501, "[S] Down 4 Deg"}, {502, "[X] Down 8 Deg"}, {503, "-"},
    {504, "[Q] Left 45 Deg"}, {505, "[E] Right 45 Deg"}, {506, "[QQ] Left 90 Deg"}, {507, "[EE] Right 90 Deg"},
    {508, "[QQQ] Left 135 Deg"}, {509, "[EEE] Right 135 Deg"}, {510, "-"}, {511, "[Z] Backwards"}, {512, "-"},
    {513, "[T] Control Tower"}, {514, "[#] On Runway"}, {515, "-"}, {516, "[A] Chase"},
    {517, "[|] Follow: Arrow Keys Rotate"}, {518, "[@] Spot: Arrow Keys Move"}, {519, "-"},
    {520, "[_] Full-Screen With HUD"}, {521, "[+] Full-Screen Without HUD"}, {522, "-"}, {523, "[=] Zoom In"},
    {524, "[-] Zoom Out"}, {525, "Show 3-D Flight-Path"},
};
const menu_item special_items[] = {
    {600, "Output One Flight Engine Cycle"}, {601, "Toggle Flight Replay Mode"}, {602, "-"},
    {603, "Reset Preferences and Exit"}, {604, "-"}, {605, "Instructions: Flight Controls"},
    {606, "Instructions: Cockpit"}, {607, "Instructions: Keyboard"}, {608, "Instructions: Air Traffic Control"},
    {609, "Instructions: Tech Support"}, {610, "-"}, {611, "Report Logged Time on Exit"},
};

struct favourite { const char* text; const char* id; int rway_sel; };
const favourite favourites[MENU_FAVOURITES] = {
    {"San Bernardino", "KSBD", 0}, {"Thermal", "KTRM", 0}, {"Burke Lakefront", "KBKL", 0},
    {"Merrill C Meigs", "KCGX", 1},   // the second end of its first runway
};

enum {
    MENU_FILE = 1, MENU_LOCATION = 2, MENU_SETTINGS = 3, MENU_OUTPUT = 4, MENU_VIEW = 5, MENU_SPECIAL = 6,
    MENU_TAKEOFF_LIST = 7, MENU_VFR_LIST = 8, MENU_ILS_LIST = 9, MENU_VOR_LIST = 10, MENU_NDB_LIST = 11,
    MENU_FAVOURITE_LIST = 12,
    ITEM_TAKEOFF = 200, ITEM_VFR = 202, ITEM_ILS = 203, ITEM_VOR = 205, ITEM_NDB = 206, ITEM_FAVOURITES = 215,
};
// Runway submenus of airport n: n + 15 (take-off), n + 115 (VFR final), n + 215 (ILS final).
constexpr int RUNWAY_MENU_BASE[3] = {15, 115, 215};
// Every code a runway menu could hold: entries past the list are refused with their value.
constexpr int RUNWAY_CODES_END = (MENU_ITEMS + 215) * 100;
constexpr int START_TYPES[3] = {7, 8, 9};     // msc.typestart of each
constexpr int MENU_NAME_CUT = 25;             // airport names in the lists
constexpr float SHORT_RUNWAY_FT = 500;        // shorter: named as a helipad

constexpr int FLTVARS_RUNWAY = 8, FLTVARS_CUSTOM = 9, FLTVARS_AIRBORNE = 10;
constexpr int SPECIAL_START_FIRST = 217, SPECIAL_START_LAST = 227, SPECIAL_START_OFFSET = 206;
constexpr float LOST_HEIGHT_LOW_M = 2000, LOST_HEIGHT_HIGH_M = 4000;
constexpr float LOST_SPEED_OF_STALL = 1.3f, OVER_NAVAID_SPEED_OF_STALL = 1.5f, OVER_NAVAID_HEIGHT_M = 1000;
constexpr int WIN_CHART = 24, CHART_MAP = 998;
constexpr int REPLAY_HELD = 2;

void append_items(int m, const menu_item* items, int n)
{
    for (int i = 0; i < n; i++) MACIBM_append_menu(m, items[i].code, items[i].text);
}
template <int N> void menu(int m, const char* title, const menu_item (&items)[N])
{
    MACIBM_create_menu(m, -1, title);
    append_items(m, items, N);
}

int region_airports()
{
    int n = 0;
    while (n < REG_LIST_CAP && n <= env.apt_list_max && apt_to_index[n] >= 0) n++;
    return n;
}

// Both ends of every runway of airport a into runway menu m.
void append_runway_ends(int m, int a)
{
    for (int r = 0; r < APT_RWYS; r++) {
        if (apt_len[a][r] <= 1) continue;
        const int is_short = apt_len[a][r] < SHORT_RUNWAY_FT * con.fttomtrs;
        const char lr = apt_lr[a][r];
        const char opposite = lr == 'L' ? 'R' : lr == 'x' ? 'x' : 'L';
        char first[MENU_TEXT], second[MENU_TEXT];
        rway_to_cs(apt_num[a][r], lr, is_short, first);
        rway_to_cs(intwrap(apt_num[a][r] + 18, 1, 36), opposite, is_short, second);
        MACIBM_append_menu(m, m * MENU_ITEMS + 2 * r, first);
        MACIBM_append_menu(m, m * MENU_ITEMS + 2 * r + 1, second);
    }
}

void region_menus()
{
    static const int lists[3] = {MENU_TAKEOFF_LIST, MENU_VFR_LIST, MENU_ILS_LIST};
    const int airports = region_airports();
    for (int n = 0; n < airports; n++) {
        const int a = apt_to_index[n];
        char name[MENU_NAME_CUT + 1];
        copy_str(name, sizeof name, apt_name[a]);
        for (int l = 0; l < 3; l++) {
            const int item = lists[l] * MENU_ITEMS + n, sub = n + RUNWAY_MENU_BASE[l];
            MACIBM_append_menu(lists[l], item, name);
            MACIBM_create_menu(sub, item, "");
            append_runway_ends(sub, a);
        }
        MACIBM_append_menu(MENU_OUTPUT, menu_chart_code(n), name);
    }
    MACIBM_append_menu(MENU_OUTPUT, menu_reset_path_code() - 1, "-");
    MACIBM_append_menu(MENU_OUTPUT, menu_reset_path_code(), "Reset Flight Path");
    for (int k = 0; k <= env.vor_list_max && k < REG_LIST_CAP && vor_to_index[k] >= 0; k++)
        MACIBM_append_menu(MENU_VOR_LIST, menu_vor_code(k), nav_name[vor_to_index[k]]);
    for (int k = 0; k <= env.ndb_list_max && k < REG_LIST_CAP && ndb_to_index[k] >= 0; k++)
        MACIBM_append_menu(MENU_NDB_LIST, menu_ndb_code(k), nav_name[ndb_to_index[k]]);
}

// ---- File
void logbook_line(const char* label, float seconds, char* out, int len)
{
    int hrs, min;
    char h[16], m[16];
    sec_to_hrs_min(seconds, &hrs, &min);
    int_to_str(hrs, h);
    int_to_str(min, m);
    std::snprintf(out, len, "%s%s:%s.", label, h, m);
}

void quit()
{
    if (env.apt_list_max > -1) {
        write_prefs_file();
        if (trk.is_open()) trk << "\n\nend simulation.";
    }
    if (msc.logtime) {
        char l2[80], l3[80], l4[80];
        logbook_line("Total time logged:", msc.elap_time, l2, sizeof l2);
        logbook_line("Night time logged:", msc.nigt_time, l3, sizeof l3);
        logbook_line("Actual instrument time logged:", msc.aifr_time, l4, sizeof l4);
        MACIBM_alert("Logbook results:", l2, l3, l4, ALERT_NOTE);
    }
    gdone = 1;
}

void open_aircraft()
{
    char name[NAME_LEN], path[PATH_LEN];
    copy_str(name, NAME_LEN, pln.C_file);
    copy_str(path, PATH_LEN, pln.C_path);
    if (!MACIBM_open(FILE_AIRCRAFT, name, path)) return;
    // A file that does not load leaves the aircraft flown so far (its own alert has said why).
    if (!load_plane_file(path)) {
        MACIBM_alert("I could not load this aircraft:", native_path(path),
                     "You go on flying the aircraft you had.", "", ALERT_NOTE);
        return;
    }
    load_plane_geo(mnw_is_headless() ? 0 : 1, 0);
    msc.typestart = START_TYPES[0];
    set_fltvars(FLTVARS_RUNWAY);
    MACIBM_startwind(WIN_COCKPIT);
}

void load_situation_menu()
{
    char name[NAME_LEN] = "Untitled.sit", path[PATH_LEN] = "";
    if (MACIBM_open(FILE_SITUATION, name, path)) load_situation(path);
}

void save_situation_menu()
{
    char name[NAME_LEN] = "Untitled.sit", path[PATH_LEN] = "";
    if (!MACIBM_save(FILE_SITUATION, name, path)) return;
    // The load picker lists only ".sit" files: a name typed without it gets it, or the
    // situation saved could never be loaded.
    if (!takeit(name, FILE_SITUATION, 0) && std::strlen(path) + 4 < sizeof path) std::strcat(path, ".sit");
    save_situation(path);
}

void reset_prefs_and_exit()
{
    disable_prefs_file();
    MACIBM_alert("I have disabled the preferences file.",
                 "The next time you start Vantorel or, it will revert to the factory settings.",
                 "This should allow normal operation if the preferences file has become corrupted somehow.",
                 "I will now terminate the program. Run Vantorel again to start in the standard condition.",
                 ALERT_FATAL);
}

// ---- Location
void get_me_lost()
{
    set.cus_X = fltrand(env.lox, env.hix);
    set.cus_Z = fltrand(env.loz, env.hiz);
    set.cus_Y = fltrand(LOST_HEIGHT_LOW_M, LOST_HEIGHT_HIGH_M);
    set.cus_psi = fltrand(0, 360);
    set.cus_v = msc.est_Vs * LOST_SPEED_OF_STALL;
    set_fltvars(FLTVARS_CUSTOM);
}

void over_navaid(int n)
{
    set.cus_X = (float)X_with_latlon(nav_lat[n], nav_lon[n]);
    set.cus_Z = (float)Z_with_lat(nav_lat[n]);
    set.cus_Y = nav_h[n] + OVER_NAVAID_HEIGHT_M;
    set.cus_psi = 0;
    set.cus_v = msc.est_Vs * OVER_NAVAID_SPEED_OF_STALL;
    set_fltvars(FLTVARS_AIRBORNE);
}

// A list entry that the region's menus never offered (only a script can ask for one): said
// with the value, and the flight goes on.
void refuse_selection(const char* what, int value)
{
    MACIBM_alert(what, "That menu item is not in the menus of this region.", "", value, ALERT_NOTE);
}

void runway_end(int code)
{
    const int list = code < menu_vfr_code(0, 0) ? 0 : code < menu_ils_code(0, 0) ? 1 : 2;
    const int entry = code / MENU_ITEMS - RUNWAY_MENU_BASE[list];
    const int sel = code % MENU_ITEMS;
    if (entry < 0 || entry >= REG_LIST_CAP) return refuse_selection("Apt sel out of range!", entry);
    const int a = apt_to_index[entry];
    if (a < 0 || a > env.aptmax) return refuse_selection("loc_apt_wrl out of range!", a);
    if (sel < 0 || sel >= 2 * APT_RWYS || apt_len[a][sel / 2] <= 1) return refuse_selection("rway_sel out of range!", sel);
    msc.typestart = START_TYPES[list];
    msc.loc_apt_wrl = a;
    msc.rway_sel = sel;
    set_fltvars(FLTVARS_RUNWAY);
}

void open_map(int map_type, int window)
{
    if (map_type) msc.map_type = map_type;
    MACIBM_startwind(window);
}

// ---- Output
void graph_record()
{
    for (int s : set.grfsel)
        if (s != -1) return MACIBM_startwind(22);
    MACIBM_alert("You have not selected any data to view!",
                 "Close this window, go to the 'Settings' menu, and select 'Set Data Output'.",
                 "Then select whatever data you want to view... the middle column selects data for graphical viewing.",
                 "Then fly around for awhile and then view this data.", ALERT_NOTE);
}

void approach_chart(int n)
{
    if (n < 0 || n >= region_airports()) return refuse_selection("No approach chart for this entry:", n);
    const int a = apt_to_index[n];
    msc.map_type = CHART_MAP;
    msc.plate_index = a;
    char id[5];
    copy_str(id, sizeof id, apt_id[a]);
    for (int k = 3; k >= 0 && id[k] == ' '; k--) id[k] = 0;
    std::snprintf(mnw.chart_title, sizeof mnw.chart_title, "%s (%s)", apt_name[a], id);
    MACIBM_startwind(WIN_CHART);
}

void reset_flight_path()
{
    std::memset(pat.inited, 0, sizeof pat.inited);
    std::memset(pat.xyztppt, 0, sizeof pat.xyztppt);
}

// ---- Special
struct replay_start { double X, Y, Z, vX, vY, vZ; float the, psi, phi; };
replay_start replay_kept;

void toggle_replay()
{
    if (set.replay_mode == 0) {
        set.replay_mode = REPLAY_HELD;
        pat.time_play = msc.elap_time;
        replay_kept = {flt.X, flt.Y, flt.Z, flt.vX, flt.vY, flt.vZ, flt.the, flt.psi, flt.phi};
    } else {
        // The flight resumes where the replay began.
        set.replay_mode = 0;
        flt.X = replay_kept.X;
        flt.Y = replay_kept.Y;
        flt.Z = replay_kept.Z;
        flt.vX = replay_kept.vX;
        flt.vY = replay_kept.vY;
        flt.vZ = replay_kept.vZ;
        flt.the = replay_kept.the;
        flt.psi = replay_kept.psi;
        flt.phi = replay_kept.phi;
    }
}

struct instruction { int code; const char* lines[4]; };
const instruction instructions[] = {
    {600, {"I will dump all the data for the next cycle of Vantorel to the file 'Vantorel.out'.",
           "This will include all the angles of attack, forces, velocities, etc. for this instant in time.",
           "Quit Vantorel and open the file Vantorel.out' with a word processor to read the resultant file.",
           "Be sure to turn off text-wrapping in your word processor or allow very wide text area for the file to look right."}},
    {605, {"The joystick or yoke will the operate ailerons and elevator. Rudder pedals will operate the rudder. (Rudder will stay centered if you don't have pedals).",
           "If you have a Thrust-Master throttle or a throttle wheel on your joystick, it will operate the aircraft throttle.",
           "If you have no joystick or yoke, the mouse will work instead... just click in the center of the windshield to actviate mouse control.",
           "Go to the 'Settings' menu and select 'Set Flight Mode...' to assign nosewheel steering."}},
    {606, {"Instructions are hardly needed. Just point and click to operate controls.",
           "Click above radio frequency knobs to increase frequency, below them to decrease.",
           "Click on the left and right side of the HSI OBS button to change the HSI OBS. Same with the pressure-setting on the altimeter.",
           "Just click the mouse wherever you want the throttle, flaps, etc to be to move them."}},
    {607, {"You never have to use the keyboard.",
           "If you want to use the keyboard, equivalents are available for almost everything.",
           "See the manual for a complete list of keyboard equivalents.",
           "You can also hit all the keys listed in the view menu to select views."}},
    {608, {"Just hit the Enter key to bring up the air traffic control menu.",
           "Then point and click with the mouse to make your selection. (Selection in pulsing yellow recommended).",
           "Go to the 'Set Sound' option in the 'Settings' menu to select ATC audio output.", ""}},
    {609, {"For help with Vantorel, start it with --help for its options, and keep the file 'Error.out'",
           "from the folder you ran it in: it lists every message the simulator gave.",
           "Send that file, with what you did and what you saw, to whoever gave you this copy.",
           "Most troubles come from a damaged preferences file: 'Reset Preferences and Exit' cures them."}},
};

int instruction_alert(int code)
{
    for (const instruction& i : instructions)
        if (i.code == code) {
            MACIBM_alert(i.lines[0], i.lines[1], i.lines[2], i.lines[3], ALERT_NOTE);
            return 1;
        }
    return 0;
}

// ---- closing windows
void repair_instruments()
{
    rel.vacuum = rel.ss_asi = rel.ss_ahz = rel.ss_alt = rel.ss_tsi = rel.ss_dgy = rel.ss_vvi = 1;
    rel.efis_1 = rel.efis_2 = rel.radios = 1;
}

void repair_equipment()
{
    for (int e = 0; e < 4; e++) rel.engine[e] = rel.thrgov[e] = rel.revlok[e] = rel.oilpmp[e] = 1;
    rel.fc_ail = rel.fc_elv = rel.fc_rud = rel.fc_flp = rel.fc_slt = rel.fc_thr = 1;
    for (int g = 0; g < 3; g++) {
        rel.lagear[g] = 1;
        set.gear_time[g] = 0;
    }
    rel.esystem = rel.hydsys = rel.stbaug = rel.symflp = rel.sttrim = 1;
    rel.antice = rel.clights = rel.otto = rel.trotor = 1;
}

// "Set Sound" closed: the continuous sounds start again under the switch; switched off, the
// horn, the motors and whatever else still plays fall silent with them.
void restart_engine_and_windrain()
{
    stop_engine_and_windrain();
    if (!msc.sound_on) stop_all_sounds();
    play_engine_and_windrain();
}

void place_thermals()
{
    for (auto& row : atm.therm_on_poly)
        for (int& cell : row) cell = fltrand(0, 0.99f) < atm.thermal_part ? 1 : 0;
}

void check_weight()
{
    if (flt.m_total <= pln.m_max) return;
    mnw.topwin = WIN_COCKPIT;
    MACIBM_alert("Your total weight is above the maximum allowable weight for the airplane!",
                 "You will be breaking several Federal Aviation Regulations by flying this thing!",
                 "You SHOULD reduce your fuel or fixed load.", "", ALERT_NOTE);
}

// The controller's words, after the pilot's call sign, shown and spoken.
void controller_says(const char* words) { speak_to_pilot(words); }

void file_flight_plan()
{
    char want[5];                              // identifiers are blank padded to four
    std::snprintf(want, sizeof want, "%-4.4s", fpl.arr_id_str);
    int found = -1;
    for (int a = 0; a <= env.aptmax && a < APT_CAP; a++)
        if (!std::strncmp(apt_id[a], want, 4)) found = a;   // the last one wins
    if (found < 0)
        return controller_says("I am unable to find an airport with that identifier. You will need to file to "
                               "an airport that I have in my computer.");
    atc.plan_index = found;
    atc.ils_vec_in_progress = 0;
    if (fpl.activated) return controller_says("flight plan amended as requested.");
    fpl.onfile = 1;
    fpl.activated = 0;
}

// Codes of the windows the menu items open.
struct window_item { int code; int window; int map_type; };
const window_item window_items[] = {
    {208, 1, 0}, {209, 2, 0}, {210, 3, 402}, {211, 3, 403}, {212, 4, 0}, {213, 5, 0}, {229, 6, 0},
    {300, 7, 0}, {301, 8, 0}, {303, 9, 0}, {304, 10, 0}, {306, 11, 0}, {307, 12, 0}, {308, 13, 0},
    {309, 14, 0}, {311, 15, 0}, {312, 16, 0}, {314, 17, 0}, {315, 18, 0}, {316, 19, 0}, {318, 20, 0},
    {319, 21, 0}, {402, 3, 402}, {403, 3, 403}, {404, 3, 404}, {405, 23, 0}, {406, 4, 0},
};

int window_item_command(int code)
{
    for (const window_item& w : window_items)
        if (w.code == code) {
            open_map(w.map_type, w.window);
            return 1;
        }
    return 0;
}

// Codes that start a new flight or change the settings: held while the recorded path plays,
// since leaving the replay puts the flight back where it began.
int blocked_in_replay(int code)
{
    return code < MENU_GRAPH || code >= menu_vor_code(0);
}

}  // namespace

int menu_reset_path_code() { return 410 + (env.apt_list_max < 0 ? 0 : env.apt_list_max); }

void APPLICATION_handlemenu(int code)
{
    if (set.replay_mode != 0 && blocked_in_replay(code)) return;
    if (code == MENU_CYCLE_DUMP) set.cycoutwaiting = 1;   // the alert then says where it goes
    if (window_item_command(code) || instruction_alert(code)) return;
    if (code >= SPECIAL_START_FIRST && code <= SPECIAL_START_LAST) return set_fltvars(code - SPECIAL_START_OFFSET);
    if (code >= VIEW_FORWARD && code <= VIEW_SHOW_PATH) return view_menu(code);
    if (code >= menu_takeoff_code(0, 0) && code < RUNWAY_CODES_END) return runway_end(code);
    if (code >= MENU_FAVOURITE_FIRST && code < MENU_FAVOURITE_FIRST + MENU_FAVOURITES) {
        const favourite& f = favourites[code - MENU_FAVOURITE_FIRST];
        return gotofield(f.id, f.rway_sel);
    }
    if (code >= menu_vor_code(0) && code < menu_vor_code(REG_LIST_CAP)) {
        const int k = code - menu_vor_code(0);
        if (k > env.vor_list_max || vor_to_index[k] < 0) return refuse_selection("No VOR at this entry:", k);
        return over_navaid(vor_to_index[k]);
    }
    if (code >= menu_ndb_code(0) && code < menu_ndb_code(REG_LIST_CAP)) {
        const int k = code - menu_ndb_code(0);
        if (k > env.ndb_list_max || ndb_to_index[k] < 0) return refuse_selection("No NDB at this entry:", k);
        return over_navaid(ndb_to_index[k]);
    }
    if (code == menu_reset_path_code()) return reset_flight_path();
    if (code >= menu_chart_code(0) && code < menu_reset_path_code() - 1) return approach_chart(code - menu_chart_code(0));
    switch (code) {
    case MENU_ABOUT: return MACIBM_alert("", "", "", "", ALERT_ABOUT);
    case MENU_OPEN_AIRCRAFT: return open_aircraft();
    case MENU_LOAD_SITUATION: return load_situation_menu();
    case MENU_SAVE_SITUATION: return save_situation_menu();
    case MENU_QUIT: return quit();
    case MENU_GET_ME_LOST: return get_me_lost();
    case MENU_GRAPH: return graph_record();
    case MENU_REPLAY: return toggle_replay();
    case MENU_RESET_PREFS: return reset_prefs_and_exit();
    case MENU_LOGTIME: msc.logtime = !msc.logtime; return;
    default: break;
    }
    char line[80];
    std::snprintf(line, sizeof line, "menu command %d: no such item", code);
    mnw_log(line);
}

void process_zap(int w)
{
    switch (w) {
    case 1: gotofield(msc.apt_id_req, 0); break;
    case 5: set_up_env_with_request_latlon(); break;
    case 7: set_rlt_grf_choices(); break;
    case 12: place_thermals(); break;
    case 16: check_weight(); break;
    case 18: repair_instruments(); break;
    case 19: repair_equipment(); break;
    case 20: restart_engine_and_windrain(); break;
    case 25: file_flight_plan(); break;
    default: break;
    }
}

void APPLICATION_setupmenus()
{
    mnw_clear_menus();                             // a menu open on the old lists closes
    MACIBM_create_menu(0, -1, "About");
    MACIBM_append_menu(0, MENU_ABOUT, "About");
    menu(MENU_FILE, "File", file_items);
    menu(MENU_LOCATION, "Location", location_items);
    menu(MENU_SETTINGS, "Settings", settings_items);
    menu(MENU_OUTPUT, "Output", output_items);
    menu(MENU_VIEW, "View", view_items);
    menu(MENU_SPECIAL, "Special", special_items);
    MACIBM_create_menu(MENU_TAKEOFF_LIST, ITEM_TAKEOFF, "");
    MACIBM_create_menu(MENU_VFR_LIST, ITEM_VFR, "");
    MACIBM_create_menu(MENU_ILS_LIST, ITEM_ILS, "");
    MACIBM_create_menu(MENU_VOR_LIST, ITEM_VOR, "");
    MACIBM_create_menu(MENU_NDB_LIST, ITEM_NDB, "");
    MACIBM_create_menu(MENU_FAVOURITE_LIST, ITEM_FAVOURITES, "");
    region_menus();
    for (int f = 0; f < MENU_FAVOURITES; f++)
        MACIBM_append_menu(MENU_FAVOURITE_LIST, MENU_FAVOURITE_FIRST + f, favourites[f].text);
    env.apt_list_max = intlim(env.apt_list_max, 0, REG_LIST_CAP - 1);
    env.vor_list_max = intlim(env.vor_list_max, 0, REG_LIST_CAP - 1);
    env.ndb_list_max = intlim(env.ndb_list_max, 0, REG_LIST_CAP - 1);
}

}  // namespace orv
