// atc_menu.h -- the ATC menu over the 3-D view: the main menu of 19 rows (hidden, shown or
// marked as the expected next step) and the lists of airports and approaches it opens,
// worked with the mouse, the arrow keys and Enter; and the controller's phrase on the screen.
#pragma once

namespace orv {

constexpr int ATC_MENU_ROWS = 19;
constexpr int ATC_LIST_MAX = 60;            // the 60th entry of a list raises the alert
constexpr int ATC_LEVEL_MAIN = 4, ATC_LEVEL_ATIS = 5, ATC_LEVEL_VECTORS = 8, ATC_LEVEL_LANDING = 9,
              ATC_LEVEL_ILS = 10, ATC_LEVEL_LOC = 11;
// The menu area (window pixels): a click inside it selects.
constexpr int ATC_AREA_Y0 = 360, ATC_AREA_Y1 = 550;

// Row j of the main menu: 0 hidden, 1 shown, 2 the expected next step; its text into out.
int  atc_menu_row(int j, char* out, int outlen);

// Draws the menu (select 0) or acts on the selected row or entry (select 1).
void plot_atc_options(int select);
// The Enter key: opens the main menu, or selects when it is open.
void atc_enter();
// The arrows: move the selection by columns and rows.
void atc_move(int dcol, int drow);
// A click at window pixels; answers 1 when the menu took it.
int  atc_click(int x, int y);
// Selects row (main menu) or entry (list, counted down the columns) n, opening the main menu
// first when it is closed: the script command's way in.
void atc_pick(int n);
// The frame's overlay: the menu while up, else the controller's phrase while it lasts.
void atc_overlay();

// Entries of the open list (levels 5 and 8..11), and entry k's airport or navaid index.
int  atc_list_count();
int  atc_list_entry(int k);

}  // namespace orv
