// app_menu.h -- the menu commands the simulator carries out.
#pragma once

namespace orv {

void APPLICATION_handlemenu(int code);
void APPLICATION_setupmenus();

enum { MENU_ABOUT = 0, MENU_QUIT = 105, MENU_RESET_PREFS = 603 };

}  // namespace orv
