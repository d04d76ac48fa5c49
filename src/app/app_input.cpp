#include "app/app_input.h"

#include <cstdio>
#include <cstring>

#include "2-QZutils/qz_file.h"
#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_joy.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/records.h"
#include "app/app_main.h"
#include "app/app_menu.h"
#include "app/app_update.h"
#include "atc/atc_menu.h"
#include "flight/flight_hooks.h"
#include "input/joy_setup.h"
#include "input/keys.h"
#include "input/views_keys.h"
#include "panel/manage_das.h"
#include "panel/p_init.h"
#include "platform/plat_paths.h"
#include "platform/plat_signal.h"

namespace orv {

void joystick_settings_path(const char* config_dir, char* out, int len)
{
    char dir[400];
    if (config_dir && config_dir[0]) std::snprintf(dir, sizeof dir, "%s", config_dir);
    else plat_default_config_dir(dir, sizeof dir);
    joy_config_path(dir, out, len);
}

// Columns of the thrust-vector and sweep levers from the engine panel's edge (their slots
// start 4 pixels to the left).
constexpr int kVectLeverDX = 734, kSweeLeverDX = 740;

// What the keys read of the panel laid out for the loaded aircraft.
static int panel_for_keys(key_panel* p)
{
    p->oseng = oseng;
    p->osrad = osrad;
    p->engines = intlim(pln.numen, 1, 4);
    for (int e = 0; e < 4; e++) {
        p->thro_x[e] = thro_x[e];
        p->prop_x[e] = prop_x[e];
        p->mixt_x[e] = mixt_x[e];
        p->thro[e] = ins.thro[e];
        p->prop[e] = ins.prop[e];
        p->mixt[e] = ins.mixt[e];
    }
    p->flap = ins.flap;
    p->sbrk = ins.sbrk;
    p->vect = ins.vect;
    p->swee = ins.swee;
    p->vect_x = kVectLeverDX;
    p->swee_x = kSweeLeverDX;
    for (int i = 0; i < KEY_PANEL_INSTRUMENTS; i++) {
        p->x_loc[i] = ins.x_loc[i];
        p->y_loc[i] = ins.y_loc[i];
    }
    p->engine0_reversing = flt.revving_thrust[0];
    return 1;
}

void wire_pilot_input()
{
    key_hooks k = {};
    k.menu = APPLICATION_handlemenu;
    k.panel_layout = panel_for_keys;
    k.panel_click = manage_das;
    k.play_buffer = fh_play;
    k.atc_enter = atc_enter;
    keys_set_hooks(k);
    views_set_atc_move_hook(atc_move);
    keys_install();
    app_set_key_handler(keys_handle);
}

// The settings file sits beside the preferences (prefs_path is in the file layer's form).
static void read_joystick_settings()
{
    char dir[400];
    std::snprintf(dir, sizeof dir, "%s", native_path(prefs_path));
    if (char* slash = std::strrchr(dir, '/')) *slash = 0;
    else std::snprintf(dir, sizeof dir, ".");
    char path[460];
    joy_config_path(dir, path, sizeof path);
    joy_config cfg = joy_default_config(0);
    char err[120];
    if (!joy_config_read(path, &cfg, err, sizeof err)) return;
    joy_settings() = cfg;
    if (err[0]) {
        char line[700];
        std::snprintf(line, sizeof line, "%s: %s (the line was skipped)", path, err);
        mnw_log(line);
        MACIBM_alert("Some joystick settings could not be read:", line,
                     "Run Vantorel with --joystick-setup to set the joystick up again.", "", ALERT_NOTE);
    }
}

void start_joystick()
{
    read_joystick_settings();
    JOY_init();
    mnw_at_finishup(JOY_close);
}

constexpr int kLivePrintFrameMs = 10;

int joystick_tool(const app_options& o)
{
    char path[460];
    joystick_settings_path(o.config_dir, path, sizeof path);
    if (o.joystick_setup) {
        char dir[sizeof path];
        std::snprintf(dir, sizeof dir, "%s", path);
        if (char* slash = std::strrchr(dir, '/')) *slash = 0;
        if (!plat_make_dirs(dir)) {
            std::fprintf(stderr, "vantorel: cannot create the settings folder %s\n", dir);
            return 1;
        }
        return joy_setup_terminal(path) == 0 ? 0 : 1;
    }
    plat_catch_stop_signals();
    joy_config cfg = joy_default_config(0);
    char err[120];
    if (joy_config_read(path, &cfg, err, sizeof err)) {
        joy_settings() = cfg;
        if (err[0]) std::fprintf(stderr, "vantorel: %s: %s (skipped)\n", path, err);
    }
    joy_live_print(stdout, o.frames, kLivePrintFrameMs);
    JOY_close();
    return plat_stop_exit_status();
}

}  // namespace orv
