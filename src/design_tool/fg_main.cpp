#include "design_tool/fg_main.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>

#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/qz_pick.h"
#include "2-QZutils/records.h"
#include "2-QZutils/records_reset.h"
#include "design_tool/fg_file.h"
#include "design_tool/fg_menu.h"
#include "design_tool/fg_plot.h"
#include "design_tool/fg_prefs.h"
#include "design_tool/fg_windows.h"
#include "platform/plat_backend.h"
#include "platform/plat_cli.h"
#include "platform/plat_clock.h"
#include "platform/plat_paths.h"
#include "platform/plat_script.h"
#include "platform/plat_signal.h"

namespace orv {

namespace {

constexpr int STARTUP_PICTURE_STEPS = 121;
constexpr double FRAME_SECONDS = 1.0 / 60.0;   // scripted time runs at a display's pace
constexpr int SCREENSHOT_FRAMES = 2;            // the first frame draws, the second is kept
constexpr unsigned SEED_RANGE = 32000;

long frames_drawn;
const plat_backend* windowed_backend;
const plat_backend* offscreen_backend;

double scripted_time() { return (double)frames_drawn * FRAME_SECONDS; }

int is_file(const char* path)
{
    struct stat st;
    return stat(path, &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace

const char* fg_help_text()
{
    return "Usage: flexgauge [FILE.acf] [options]\n"
           "\n"
           "Flexgauge, the aircraft design tool of Vantorel. Opens FILE.acf, or starts from its\n"
           "default aircraft; File > Save writes an aircraft file the simulator flies.\n"
           "\n"
           "  --screenshot FILE    draw without a display (offscreen) and write the last\n"
           "                       frame as a PNG picture; --frames defaults to 2\n"
           "  --script FILE        timed input, one per line: at <seconds> <command> <args...>\n"
           "                       commands: key <char> | click <x> <y> | menu <code> |\n"
           "                       screenshot <file.png>; '#' starts a comment\n"
           "  --pick FILE          answer the next file picker (Open, Save As) with FILE;\n"
           "                       given again, the pickers after it (at most 4)\n"
           "  --frames N           end the run after N frames (without a window the run ends\n"
           "                       when the script is done)\n"
           "  --headless           run without a window (alerts go to standard error)\n"
           "  --data-dir DIR       installation data tree (default: the program's folder, or\n"
           "                       PREFIX/share/vantorel for a program in PREFIX/bin)\n"
           "  --config-dir DIR     preferences folder (default: $XDG_CONFIG_HOME/vantorel,\n"
           "                       else ~/.config/vantorel); \"Flexgauge.prf\" is kept there\n"
           "  --help               show this help and exit\n"
           "  --version            show the version and exit\n";
}

int fg_parse_command_line(int argc, char** argv, fg_options* o, char* err, int errlen)
{
    std::memset(o, 0, sizeof *o);
    for (int i = 1; i < argc; i++) {
        const char* a = argv[i];
        const char* v = i + 1 < argc ? argv[i + 1] : nullptr;
        if (!std::strcmp(a, "--help") || !std::strcmp(a, "-h")) o->show_help = 1;
        else if (!std::strcmp(a, "--version")) o->show_version = 1;
        else if (!std::strcmp(a, "--headless")) o->headless = 1;
        else if (!std::strcmp(a, "--screenshot")) { if (!plat_copy_option(o->screenshot, v, a, err, errlen)) return 0; i++; }
        else if (!std::strcmp(a, "--script")) { if (!plat_copy_option(o->script, v, a, err, errlen)) return 0; i++; }
        else if (!std::strcmp(a, "--data-dir")) { if (!plat_copy_option(o->data_dir, v, a, err, errlen)) return 0; i++; }
        else if (!std::strcmp(a, "--config-dir")) { if (!plat_copy_option(o->config_dir, v, a, err, errlen)) return 0; i++; }
        else if (!std::strcmp(a, "--pick")) {
            if (o->picks >= FG_PICKS_MAX) {
                std::snprintf(err, errlen, "--pick: at most %d answers", FG_PICKS_MAX);
                return 0;
            }
            if (!plat_copy_option(o->pick[o->picks], v, a, err, errlen)) return 0;
            o->picks++;
            i++;
        } else if (!std::strcmp(a, "--frames")) {
            char* end = nullptr;
            errno = 0;
            const long n = v ? std::strtol(v, &end, 10) : 0;
            if (!v || end == v || *end || errno || n < 1) {
                std::snprintf(err, errlen, "--frames needs a whole number of 1 or more, not '%s'", v ? v : "");
                return 0;
            }
            o->frames = n;
            i++;
        } else if (a[0] == '-') {
            std::snprintf(err, errlen, "unknown option '%s' (try --help)", a);
            return 0;
        } else if (o->aircraft[0]) {
            std::snprintf(err, errlen, "one aircraft file at a time, not also '%s'", a);
            return 0;
        } else if (!plat_copy_option(o->aircraft, a, "the aircraft file", err, errlen)) {
            return 0;
        }
    }
    return 1;
}

void fg_set_backends(const plat_backend* windowed, const plat_backend* offscreen)
{
    windowed_backend = windowed;
    offscreen_backend = offscreen;
}

void fg_update()
{
    frames_drawn++;
    fg_turn_view();
    if (mnw.topwin >= WIN_DESIGN_FIRST && mnw.topwin <= WIN_DESIGN_LAST) {
        // The aircraft stays in view above the window's panel, so an edit shows as it is made.
        if (fg_window_fn routine = fg_window_routine(mnw.topwin)) {
            manage_plot(FG_PANEL_H);
            return routine();
        }
        MACIBM_startwind(WIN_COCKPIT);
    }
    manage_plot();
}

void fg_start()
{
    mnw_app_callbacks cb = {};
    cb.update = fg_update;
    cb.handlekey = fg_handle_key;
    cb.handlemenu = fg_handle_menu;
    cb.setupmenus = fg_setup_menus;
    cb.command = script_run_command;
    cb.sim_time = scripted_time;
    cb.quit = fg_quit;
    mnw_register_app(cb);
    frames_drawn = 0;
    clear_records();
    set_constants();
    seed_rand((unsigned)(plat_clock_ms() % SEED_RANGE));
    MACIBM_init();
    if (gdone) return;
    if (mnw_is_interactive())
        for (int i = 0; i < STARTUP_PICTURE_STEPS; i++) MACIBM_showinit(1);
    msc.bluesky = 0;
    mnw.draw_wire = 1;
    fg_default_view();
    fg_read_prefs();
    fg_new();                           // the default aircraft (setup_baseplane), untitled
}

int fg_main(int argc, char** argv)
{
    fg_options o;
    char err[600];
    if (!fg_parse_command_line(argc, argv, &o, err, sizeof err)) {
        std::fprintf(stderr, "flexgauge: %s\n", err);
        return 2;
    }
    if (o.show_help) { std::fputs(fg_help_text(), stdout); return 0; }
    if (o.show_version) { std::puts("Flexgauge Version Beta-1."); return 0; }
    if (o.aircraft[0] && !is_file(o.aircraft)) {
        std::fprintf(stderr, "flexgauge: no such aircraft file: %s\n", o.aircraft);
        return 2;
    }
    if (o.data_dir[0] && !plat_is_dir(o.data_dir)) {
        std::fprintf(stderr, "flexgauge: --data-dir: no such folder: %s\n", o.data_dir);
        return 2;
    }
    plat_catch_stop_signals();
    if (o.script[0] && !script_load(o.script, err, sizeof err)) {
        std::fprintf(stderr, "flexgauge: script %s: %s\n", o.script, err);
        return 2;
    }
    plat_choose_backend(o.headless, o.screenshot[0] != 0, windowed_backend, offscreen_backend);
    plat_headless_set_frame_rate(0);
    if (o.screenshot[0] && !o.frames) o.frames = SCREENSHOT_FRAMES;
    mnw_set_dirs(o.data_dir, o.config_dir);
    fg_start();
    if (gdone) {
        MACIBM_finishup();
        return 2;
    }
    if (o.aircraft[0]) fg_load_aircraft(o.aircraft);   // one it cannot open is told; the default stays
    for (int i = 0; i < o.picks; i++) picker_queue_answer(o.pick[i]);
    const plat_backend* b = plat_backend_get();
    if (o.screenshot[0] && b->request_shot && !b->request_shot(o.screenshot, 1))
        std::fprintf(stderr, "flexgauge: --screenshot: cannot write %s\n", o.screenshot);
    // Nobody is at a run without a window: it ends when its script has nothing left to do.
    const int until_script_done = !mnw_is_interactive() && !o.frames;
    while (!gdone) {
        MACIBM_event_proc();
        if (o.frames && frames_drawn >= o.frames) break;
        if (until_script_done && !plat_script_pending()) break;
    }
    MACIBM_finishup();
    return plat_stop_exit_status();
}

}  // namespace orv
