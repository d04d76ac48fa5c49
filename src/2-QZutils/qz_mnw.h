// qz_mnw.h -- the window, menu, alert and event layer. The operations are the same with
// or without a window; the platform back end behind them is chosen at start-up.
#pragma once

#include "2-QZutils/qz_file.h"   // PATH_LEN
#include "2-QZutils/qz_trk.h"   // trk, "Vantorel.out", closed by MACIBM_finishup

namespace orv {

enum { ALERT_ABOUT = 81, ALERT_NOTE = 82, ALERT_FATAL_NUM = 83, ALERT_FATAL = 84 };

void MACIBM_init();
void MACIBM_event_proc();
void MACIBM_alert(const char* l1, const char* l2, const char* l3, const char* l4, int code);
void MACIBM_alert(const char* l1, const char* l2, const char* l3, int number, int code);
void MACIBM_startwind(int w);
void MACIBM_showinit(int step);
void mnw_progress_tick();        // one more start-up item loaded (each texture): the bar moves on
void MACIBM_finishup();
int  mnw_is_headless();          // 1 when no window back end is installed
int  mnw_is_interactive();       // 1 when a user sees the picture and can answer in it
void MACIBM_setres(int mode);    // 1: full screen at the desktop's mode, 0: the window back
int  renderer_is_software(const char* renderer);   // an OpenGL renderer string without hardware

// Alerts raised so far in this process (tests read them; the log "Error.out" has them too).
int         mnw_alert_count();
const char* mnw_last_alert_line(int line);   // line 0..3 of the newest alert

// ---- menus: menu m (0..329) holds the items 100 m .. 100 m + 99. Index errors are fatal.
void MACIBM_create_menu(int m, int parent_item, const char* title);   // parent -1: menu bar
void MACIBM_append_menu(int m, int code, const char* text);           // "-" is a separator
// Every menu undefined (parent NO_MENU), without names, items or boxes (NO_MENU_BOX), and
// none open.
constexpr int NO_MENU = -2, NO_MENU_BOX = -9999;
void mnw_clear_menus();

// ---- input dispatch (the back ends feed these; scripts reach them through the back end)
void MACIBM_handlekey(int c);     // c: the character typed (8 Backspace, 13 Enter)
void MACIBM_handleclick();        // at mnw.mx, mnw.my

// ---- the preferences file "Vantorel 4.prf" in the settings folder (file-layer "\" form)
extern char prefs_path[PATH_LEN];

// Folders used by MACIBM_init: the installation data tree (app_path, wrk_path) and the folder
// of the preferences file. Empty or null: the program's folder and the user's settings folder.
void mnw_set_dirs(const char* data_dir, const char* config_dir);

// ---- the program's callbacks. The shared library calls the application only through these,
// so each program (simulator, design tool) registers its own. Null members are skipped.
struct mnw_app_callbacks {
    void   (*update)();                           // APPLICATION_update
    void   (*handlekey)(int c);                   // APPLICATION_handlekey
    void   (*handlemenu)(int code);               // APPLICATION_handlemenu
    void   (*setupmenus)();                       // APPLICATION_setupmenus
    void   (*process_zap)(int w);                 // apply window w's settings when it closes
    void   (*command)(int code, const float* args, int nargs);   // scripted control commands
    double (*sim_time)();                         // simulated seconds since start (scripts)
    void   (*quit)();                             // the user closed the main window (null: gdone)
};
void mnw_register_app(const mnw_app_callbacks& cb);

// Draws the static parts of window w (the panel for the flight, the widgets' backgrounds)
// into the screen image while it is being composed; set by the modules that own them.
void mnw_set_window_builder(void (*fn)(int w));
void mnw_build_window_statics(int w);

// Menu geometry, shared with the menu drawing.
void mnw_layout_menu_bar();
int  mnw_submenu_of(int code);    // the menu hanging from item `code`, -1 when none

// The file picker's own update for windows 998 and 999 (registered by the file layer).
void mnw_set_file_window_update(void (*fn)());

// Release functions run by MACIBM_finishup, newest first (sound, joystick, serial port...).
// At most 16; answers 0 when full.
int  mnw_at_finishup(void (*fn)());

// One diagnostic line into "Error.out" (nothing before MACIBM_init has opened it).
void mnw_log(const char* line);

// A fatal alert (83, 84) sets gdone, finishes up and calls this with status 0. The default is
// std::exit. Tests install their own; when it returns, MACIBM_alert returns to its caller.
void mnw_set_exit_hook(void (*fn)(int status));

int  mnw_last_init_step();        // the step last shown by MACIBM_showinit
const char* mnw_window_title(int w);   // "" for the cockpit and unknown codes

}  // namespace orv
