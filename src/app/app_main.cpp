#include "app/app_main.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <climits>
#include <cstring>
#include <sys/stat.h>

#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/records.h"
#include "app/app_flight.h"
#include "app/app_input.h"
#include "app/app_goto.h"
#include "app/app_log.h"
#include "platform/plat_script.h"
#include "app/app_script_flight.h"
#include "app/app_situation.h"
#include "app/app_start.h"
#include "app/app_update.h"
#include "flight/integ.h"
#include "platform/plat_backend.h"
#include "platform/plat_cli.h"
#include "platform/plat_paths.h"
#include "platform/plat_signal.h"
#include "platform/plat_sound.h"
#include "platform/plat_speech.h"
#include "world/wxr_file.h"
#include "world/region.h"
#include "orv_version.h"


namespace orv {

constexpr int HEADLESS_FRAME_RATE = 60;   // frames per second of a run without a window


app_options app_opt;

const char* help_text()
{
    return "Usage: vantorel [options]\n"
           "\n"
           "Vantorel flight simulator. Without a display it runs without a window (headless).\n"
           "\n"
           "  --headless           run without a window (alerts go to standard error)\n"
           "  --frames N           end the run after N frames\n"
           "  --seconds S          end the run after S seconds of simulated time\n"
           "  --fixed-step         keep the frame period at its stored value (no real-time\n"
           "                       adaptation), for reproducible runs\n"
           "  --seed N             seed the random generator with N (0..4294967295)\n"
           "  --script FILE        timed input, one per line: at <seconds> <command> <args...>\n"
           "                       commands: key <char> | click <x> <y> | menu <code>;\n"
           "                       ap <hdg|nav1|nav2|gps|alt|vs|gs|spd|off> |\n"
           "                       ap-set <alt ft|vs fpm|spd kt|hdg deg> | nav <1|2> <MHz> |\n"
           "                       obs <1|2> <deg> | adf <kHz> | fail <0..31> |\n"
           "                       weather <field> <value> | time <hours> |\n"
           "                       air <ft> <kt> (flying here) | panel <1|2> (glass);\n"
           "                       '#' starts a comment; a bad line stops the start\n"
           "  --log FILE           CSV flight log, one row every 0.1 s of simulated time\n"
           "  --dump-cycle-at S    write every force of the flight model for the half step at\n"
           "                       simulated time S to Vantorel.out\n"
           "  --data-dir DIR       installation data tree (default: the program's folder, or\n"
           "                       PREFIX/share/vantorel for a program in PREFIX/bin)\n"
           "  --config-dir DIR     preferences folder (default: $XDG_CONFIG_HOME/vantorel,\n"
           "                       else ~/.config/vantorel); created when missing\n"
           "  --aircraft PATH      aircraft file to fly; answers the first-start aircraft\n"
           "                       dialog and replaces the aircraft in the preferences\n"
           "  --situation FILE     start from a situation saved with File > Save Situation\n"
           "                       (its aircraft, place, weather and time of day)\n"
           "  --real-weather FILE  read weather reports from FILE as the program folder's\n"
           "                       \"WORLD.RWX\" (time, wind, clouds, visibility, pressure)\n"
           "  --screenshot FILE    draw without a display (offscreen) and write the last\n"
           "                       frame as a PNG picture; --frames defaults to 1\n"
           "  --joystick-test      print the joysticks and what their axes, hat and buttons\n"
           "                       report, live as they move (with --frames N: N polls)\n"
           "  --joystick-setup     walk through moving each control at the terminal and keep\n"
           "                       the axes, senses and dead zones beside the preferences\n"
           "  --airport ICAO       start on a runway of this airport (its identifier in the\n"
           "                       navigation data); an unknown one stops the start\n"
           "  --runway-end N       with --airport: 0 the first end of its first runway, 1 the\n"
           "                       opposite end, 2 and 3 the second runway, 4 and 5 the third\n"
           "                       (default 0)\n"
           "  --no-scenery-generation\n"
           "                       do not generate missing scenery: quadrants without a scenery\n"
           "                       file are water\n"
           "  --help               show this help and exit\n"
           "  --version            show the version and exit\n";
}

// The simulator's options take their values as the design tool's do.
static int copy_arg(char* dst, const char* v, const char* flag, char* err, int errlen)
{
    return plat_copy_option(dst, v, flag, err, errlen);
}

int parse_command_line(int argc, char** argv, app_options* o, char* err, int errlen)
{
    std::memset(o, 0, sizeof *o);
    o->runway_end = -1;
    for (int i = 1; i < argc; i++) {
        const char* a = argv[i];
        const char* v = (i + 1 < argc) ? argv[i + 1] : nullptr;
        auto need = [&]() -> int {
            if (!v) { std::snprintf(err, errlen, "%s needs a value", a); return 0; }
            i++;
            return 1;
        };
        if (!std::strcmp(a, "--headless")) o->headless = 1;
        else if (!std::strcmp(a, "--fixed-step")) o->fixed_step = 1;
        else if (!std::strcmp(a, "--help") || !std::strcmp(a, "-h")) o->show_help = 1;
        else if (!std::strcmp(a, "--version")) o->show_version = 1;
        else if (!std::strcmp(a, "--joystick-test")) o->joystick_test = 1;
        else if (!std::strcmp(a, "--joystick-setup")) o->joystick_setup = 1;
        else if (!std::strcmp(a, "--frames")) {
            if (!need()) return 0;
            char* end;
            errno = 0;
            long n = std::strtol(v, &end, 10);
            if (end == v || *end || errno || n < 1) {
                std::snprintf(err, errlen, "--frames needs a whole number of 1 or more, not '%s'", v);
                return 0;
            }
            o->frames = n;
        } else if (!std::strcmp(a, "--seconds")) {
            if (!need()) return 0;
            char* end;
            double s = std::strtod(v, &end);
            if (end == v || *end || !std::isfinite(s) || s <= 0) {
                std::snprintf(err, errlen, "--seconds needs a positive number, not '%s'", v);
                return 0;
            }
            o->seconds = s;
        } else if (!std::strcmp(a, "--dump-cycle-at")) {
            if (!need()) return 0;
            char* end;
            double s = std::strtod(v, &end);
            if (end == v || *end || !std::isfinite(s) || s < 0) {
                std::snprintf(err, errlen, "--dump-cycle-at needs a time of zero or more seconds, not '%s'", v);
                return 0;
            }
            o->dump_cycle_at = s;
            o->have_dump_cycle = 1;
        } else if (!std::strcmp(a, "--seed")) {
            if (!need()) return 0;
            char* end;
            errno = 0;
            unsigned long s = std::strtoul(v, &end, 10);
            if (end == v || *end || errno || v[0] == '-' || s > 0xFFFFFFFFul) {
                std::snprintf(err, errlen, "--seed needs a whole number 0..4294967295, not '%s'", v);
                return 0;
            }
            o->have_seed = 1;
            o->seed = (unsigned)s;
        } else if (!std::strcmp(a, "--script")) {
            if (!need() || !copy_arg(o->script, v, a, err, errlen)) return 0;
        } else if (!std::strcmp(a, "--log")) {
            if (!need() || !copy_arg(o->log, v, a, err, errlen)) return 0;
        } else if (!std::strcmp(a, "--data-dir")) {
            if (!need() || !copy_arg(o->data_dir, v, a, err, errlen)) return 0;
        } else if (!std::strcmp(a, "--config-dir")) {
            if (!need() || !copy_arg(o->config_dir, v, a, err, errlen)) return 0;
        } else if (!std::strcmp(a, "--screenshot")) {
            if (!need() || !copy_arg(o->screenshot, v, a, err, errlen)) return 0;
        } else if (!std::strcmp(a, "--aircraft")) {
            if (!need() || !copy_arg(o->aircraft, v, a, err, errlen)) return 0;
        } else if (!std::strcmp(a, "--situation")) {
            if (!need() || !copy_arg(o->situation, v, a, err, errlen)) return 0;
        } else if (!std::strcmp(a, "--real-weather")) {
            if (!need() || !copy_arg(o->real_weather, v, a, err, errlen)) return 0;
        } else if (!std::strcmp(a, "--airport")) {
            if (!need()) return 0;
            const size_t n = std::strlen(v);
            if (n < 1 || n > 4 || std::strchr(v, ' ')) {
                std::snprintf(err, errlen, "--airport needs an identifier of 1 to 4 characters, not '%s'", v);
                return 0;
            }
            std::snprintf(o->airport, sizeof o->airport, "%s", v);
        } else if (!std::strcmp(a, "--runway-end")) {
            if (!need()) return 0;
            char* end;
            errno = 0;
            long n = std::strtol(v, &end, 10);
            if (end == v || *end || errno || n < 0 || n > 5) {
                std::snprintf(err, errlen, "--runway-end needs a whole number 0..5, not '%s'", v);
                return 0;
            }
            o->runway_end = (int)n;
        } else if (!std::strcmp(a, "--no-scenery-generation")) {
            o->no_scenery_gen = 1;
        } else {
            std::snprintf(err, errlen, "unknown option '%s' (try --help)", a);
            return 0;
        }
    }
    return 1;
}

static const plat_backend* windowed_backend;
static const plat_backend* offscreen_backend;

void app_set_backends(const plat_backend* windowed, const plat_backend* offscreen)
{
    windowed_backend = windowed;
    offscreen_backend = offscreen;
}

// The window the user sees, an offscreen picture for screenshots, or none at all.
static void choose_backend(const app_options& o)
{
    plat_choose_backend(o.headless, o.screenshot[0] != 0, windowed_backend, offscreen_backend);
    // Only someone at the window hears the flight: a run without one opens no sound device
    // and no speech engine, so it has nothing about either to say.
    if (plat_backend_get() != windowed_backend) {
        plat_sound_install(nullptr);
        plat_speech_install(nullptr);
    }
}

// No display or driver makes a picture wider or taller than this; the back end limits a
// size further to what its own display and driver allow.
constexpr float RESIZE_MAX_PIXELS = 16384.0f;

static const char* resize_refused(const float* args, int)
{
    static char why[64];
    std::snprintf(why, sizeof why, "width and height must be 1 to %.0f pixels", RESIZE_MAX_PIXELS);
    for (int k = 0; k < 2; k++)
        if (!(args[k] >= 1.0f && args[k] <= RESIZE_MAX_PIXELS)) return why;
    return nullptr;
}

static void resize_window(const float* args, int)
{
    const plat_backend* b = plat_backend_get();
    if (b->resize) b->resize((int)args[0], (int)args[1]);
}

int app_main(int argc, char** argv)
{
    char err[600];
    if (!parse_command_line(argc, argv, &app_opt, err, sizeof err)) {
        std::fprintf(stderr, "vantorel: %s\n", err);
        return 2;
    }
    if (app_opt.show_help) { std::fputs(help_text(), stdout); return 0; }
    if (app_opt.show_version) { std::printf("Vantorel %s\n", ORV_VERSION_TEXT); return 0; }
    if (app_opt.joystick_test || app_opt.joystick_setup) return joystick_tool(app_opt);
    plat_catch_stop_signals();
    if (app_opt.runway_end >= 0 && !app_opt.airport[0]) {
        std::fprintf(stderr, "vantorel: --runway-end needs --airport\n");
        return 2;
    }

    if (app_opt.data_dir[0] && !plat_is_dir(app_opt.data_dir)) {
        std::fprintf(stderr, "vantorel: --data-dir: no such folder: %s\n", app_opt.data_dir);
        return 2;
    }
    struct stat st;
    if (app_opt.aircraft[0] && (stat(app_opt.aircraft, &st) != 0 || !S_ISREG(st.st_mode))) {
        std::fprintf(stderr, "vantorel: --aircraft: no such file: %s\n", app_opt.aircraft);
        return 2;
    }
    char real[PATH_MAX];
    if (app_opt.aircraft[0] && realpath(app_opt.aircraft, real) && std::strlen(real) < sizeof app_opt.aircraft)
        std::snprintf(app_opt.aircraft, sizeof app_opt.aircraft, "%s", real);   // kept in the preferences
    if (app_opt.situation[0] && (stat(app_opt.situation, &st) != 0 || !S_ISREG(st.st_mode))) {
        std::fprintf(stderr, "vantorel: --situation: no such file: %s\n", app_opt.situation);
        return 2;
    }
    if (app_opt.situation[0] && realpath(app_opt.situation, real) && std::strlen(real) < sizeof app_opt.situation)
        std::snprintf(app_opt.situation, sizeof app_opt.situation, "%s", real);
    if (app_opt.real_weather[0] && (stat(app_opt.real_weather, &st) != 0 || !S_ISREG(st.st_mode))) {
        std::fprintf(stderr, "vantorel: --real-weather: no such file: %s\n", app_opt.real_weather);
        return 2;
    }
    if (app_opt.real_weather[0]) wxr_set_path(app_opt.real_weather);
    register_flight_script_commands();
    register_flight_commands();
    register_panel_commands();
    register_script_command_checked("resize", 2, 2, resize_window, resize_refused);
    if (app_opt.script[0] && !script_load(app_opt.script, err, sizeof err)) {
        std::fprintf(stderr, "vantorel: script %s: %s\n", app_opt.script, err);
        return 2;
    }

    choose_backend(app_opt);
    if (app_opt.screenshot[0] && !app_opt.frames && !app_opt.seconds) app_opt.frames = 1;
    // Without a window the frames still come at a display's pace, so simulated time keeps step
    // with real time; a --fixed-step run is a batch run and goes as fast as it can.
    plat_headless_set_frame_rate(app_opt.fixed_step ? 0 : HEADLESS_FRAME_RATE);

    mnw_set_dirs(app_opt.data_dir, app_opt.config_dir);
    app_set_fixed_step(app_opt.fixed_step);
    app_set_run_limits(app_opt.frames, app_opt.seconds);

    region_set_generation(!app_opt.no_scenery_gen);
    app_set_start_airport(app_opt.airport, app_opt.runway_end);
    app_set_start_situation(app_opt.situation);
    if (!start_simulator(nullptr, app_opt.have_seed, app_opt.seed, app_opt.aircraft)) {
        if (!app_start_airport_refused()) return plat_stop_exit_status();
        MACIBM_finishup();
        return 2;
    }
    register_flight_log_columns();
    register_panel_log_columns();
    if (app_opt.have_dump_cycle) flight_request_dump_at(app_opt.dump_cycle_at);
    if (app_opt.log[0] && flight_log_open(app_opt.log)) mnw_at_finishup(flight_log_close);
    const plat_backend* b = plat_backend_get();
    if (app_opt.screenshot[0] && b->request_shot && !b->request_shot(app_opt.screenshot, 1))
        std::fprintf(stderr, "vantorel: --screenshot: cannot write %s\n", app_opt.screenshot);
    run_main_loop();
    MACIBM_finishup();
    return plat_stop_exit_status();
}

}  // namespace orv
