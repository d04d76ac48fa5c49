#pragma once

namespace orv {

// What the command line asked for. Paths are native ("/"-separated).
struct app_options {
    int      headless;         // --headless
    int      fixed_step;       // --fixed-step: msc.prd stays at its value
    int      have_seed;        // --seed N
    unsigned seed;
    long     frames;           // --frames N (0: no limit)
    double   seconds;          // --seconds S of simulated time (0: no limit)
    char     script[400];      // --script FILE
    char     log[400];         // --log FILE
    int      log_groups[50];   // --log-groups 3,15,26: data groups added to the log's columns
    int      log_group_count;
    char     data_dir[400];    // --data-dir DIR
    char     config_dir[400];  // --config-dir DIR
    char     aircraft[400];    // --aircraft PATH
    char     situation[400];   // --situation FILE: start from a saved situation
    char     real_weather[400];  // --real-weather FILE: the report file read as "WORLD.RWX"
    char     airport[8];       // --airport ICAO
    int      runway_end;       // --runway-end N (-1: not given)
    int      no_scenery_gen;   // --no-scenery-generation
    int      show_help, show_version;
    int      have_dump_cycle;  // --dump-cycle-at S
    double   dump_cycle_at;
    char     screenshot[400];  // --screenshot FILE.png: draw offscreen, write the last frame
    int      joystick_test;    // --joystick-test: print the joysticks live, no flight
    int      joystick_setup;   // --joystick-setup: the axis walk-through at the terminal
    char     serial_device[400];   // --serial-device PATH
    char     nmea_udp[400];        // --nmea-udp HOST:PORT
};

extern app_options app_opt;

// Fills `o` from the arguments. Answers 1, or 0 after writing the reason to `err`.
int  parse_command_line(int argc, char** argv, app_options* o, char* err, int errlen);
const char* help_text();

// The back ends the program was built with (the library that holds them is linked by the
// program only). Null: none of that kind; the run then goes without a window.
void app_set_backends(const struct plat_backend* windowed, const struct plat_backend* offscreen);

// Parses the command line, runs start-up, the main loop and finish-up. Returns the exit status.
int app_main(int argc, char** argv);

}  // namespace orv
