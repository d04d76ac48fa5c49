// fg_menu.h -- the design tool's menu bar (aeroplane or helicopter mode, following the
// aircraft), its commands and the view keys.
#pragma once

namespace orv {

enum {
    FG_MENU_ABOUT = 0,
    FG_MENU_NEW = 100, FG_MENU_OPEN = 101, FG_MENU_SAVE = 102, FG_MENU_SAVE_AS = 103, FG_MENU_QUIT = 105,
    FG_STANDARD_FIRST = 200, FG_EXPERT_FIRST = 300,
    FG_BACKGROUND_FIRST = 400, FG_SPECIAL_FIRST = 500
};

// Items of the Standard and Expert menus in the current mode (pln.is_heli).
int  fg_standard_count();
int  fg_expert_count();

void fg_setup_menus();            // APPLICATION_setupmenus of the design tool
void fg_handle_menu(int code);    // APPLICATION_handlemenu
void fg_handle_key(int c);        // APPLICATION_handlekey: the view keys and the smoothing keys

// Smooths the cross-sections of a body part (18..27) into ellipses; `total` also evens
// them out along the body. The design is then changed.
void fg_smooth_body(int part, int total);

// The view the tool starts with and New and the view commands come back to.
void fg_default_view();

}  // namespace orv
