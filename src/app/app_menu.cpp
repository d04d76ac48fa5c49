#include "app/app_menu.h"

#include <cstdio>
#include <cstring>

#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/records.h"
#include "app/app_prefs.h"
#include "input/views_keys.h"

namespace orv {

static void logbook_line(const char* label, float seconds, char* out, int len)
{
    int hrs, min;
    char h[16], m[16];
    sec_to_hrs_min(seconds, &hrs, &min);
    int_to_str(hrs, h);
    int_to_str(min, m);
    std::snprintf(out, len, "%s%s:%s.", label, h, m);
}

static void quit()
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

static void reset_prefs_and_exit()
{
    disable_prefs_file();
    MACIBM_alert("I have disabled the preferences file.",
                 "The next time you start Vantorel or, it will revert to the factory settings.",
                 "This should allow normal operation if the preferences file has become corrupted somehow.",
                 "I will now terminate the program. Run Vantorel again to start in the standard condition.",
                 ALERT_FATAL);
}

void APPLICATION_handlemenu(int code)
{
    // While the recorded path plays, the File, Location and Settings menus are blocked.
    if (set.replay_mode != 0 && code < 400) return;
    switch (code) {
    case MENU_ABOUT: MACIBM_alert("", "", "", "", ALERT_ABOUT); return;
    case MENU_QUIT: quit(); return;
    case MENU_RESET_PREFS: reset_prefs_and_exit(); return;
    default: break;
    }
    if (code >= VIEW_FORWARD && code <= VIEW_SHOW_PATH) {
        view_menu(code);
        return;
    }
    // The other commands arrive with the menu module; until then a choice is only logged.
    char line[80];
    std::snprintf(line, sizeof line, "menu command %d is not available in this build", code);
    mnw_log(line);
}

void APPLICATION_setupmenus()
{
    // Clear every menu: the bar and its submenus are built by the menu module from the
    // region's airport and navaid lists (built by the region loader before this runs).
    for (int m = 0; m < MENU_COUNT; m++) {
        mnw.menu_name[m][0] = 0;
        mnw.menu_prnt[m] = -2;
        mnw.menux1[m] = mnw.menux2[m] = mnw.menuy1[m] = mnw.menuy2[m] = -9999;   // no box yet
        for (int k = 0; k < MENU_ITEMS; k++) {
            mnw.item_name[m][k][0] = 0;
            mnw.itemx1[m][k] = mnw.itemx2[m][k] = mnw.itemy1[m][k] = mnw.itemy2[m][k] = -9999;
        }
    }
    env.apt_list_max = intlim(env.apt_list_max, 0, 89);
    env.vor_list_max = intlim(env.vor_list_max, 0, 89);
    env.ndb_list_max = intlim(env.ndb_list_max, 0, 89);
}

}  // namespace orv
