// app_menu.h -- the menu bar the simulator builds (fixed menus and the lists of the loaded
// region), the commands its items carry out, and what closing a settings window applies.
#pragma once

namespace orv {

void APPLICATION_handlemenu(int code);
void APPLICATION_setupmenus();

// Applies the settings of window w when it closes (another window replaces it).
void process_zap(int w);

enum {
    MENU_ABOUT = 0, MENU_OPEN_AIRCRAFT = 100, MENU_LOAD_SITUATION = 102, MENU_SAVE_SITUATION = 103,
    MENU_QUIT = 105, MENU_GET_ME_LOST = 230, MENU_GRAPH = 400, MENU_CYCLE_DUMP = 600, MENU_REPLAY = 601,
    MENU_RESET_PREFS = 603, MENU_LOGTIME = 611
};

// Item codes of the region's lists: airport n's runway end e (runway index times 2, plus 1
// for the opposite end) for a take-off, a VFR final and an ILS final; VOR and NDB entry k;
// the approach chart of airport n; the favourites.
constexpr int menu_takeoff_code(int n, int e) { return (n + 15) * 100 + e; }
constexpr int menu_vfr_code(int n, int e) { return (n + 115) * 100 + e; }
constexpr int menu_ils_code(int n, int e) { return (n + 215) * 100 + e; }
constexpr int menu_vor_code(int k) { return 1000 + k; }
constexpr int menu_ndb_code(int k) { return 1100 + k; }
constexpr int menu_chart_code(int n) { return 408 + n; }
constexpr int MENU_FAVOURITE_FIRST = 1200, MENU_FAVOURITES = 4;
int menu_reset_path_code();     // 410 + the last airport entry of the region

}  // namespace orv
