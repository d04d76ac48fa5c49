// fg_main.h -- the design tool's command line, start-up and main loop.
#pragma once

#include "platform/plat_cli.h"

namespace orv {

constexpr int FG_PICKS_MAX = 4;   // --pick answers one run takes

// What the command line asked for.
struct fg_options {
    char aircraft[PLAT_OPTION_LEN];      // FILE.acf to open at start (empty: the default aircraft)
    char screenshot[PLAT_OPTION_LEN];    // --screenshot FILE.png: draw offscreen, write the last frame
    char script[PLAT_OPTION_LEN];        // --script FILE: timed menu commands, clicks and keys
    char pick[FG_PICKS_MAX][PLAT_OPTION_LEN];       // --pick FILE: answers for the file picker, in order
    int  picks;
    char data_dir[PLAT_OPTION_LEN];      // --data-dir DIR
    char config_dir[PLAT_OPTION_LEN];    // --config-dir DIR
    long frames;             // --frames N (0: until the script is done, or the user quits)
    int  headless;           // --headless
    int  show_help, show_version;
};

// Fills `o` from the arguments; answers 1, or 0 with the reason in `err`.
int  fg_parse_command_line(int argc, char** argv, fg_options* o, char* err, int errlen);
const char* fg_help_text();

// The window and offscreen back ends the program was built with (null: none of that kind).
void fg_set_backends(const plat_backend* windowed, const plat_backend* offscreen);

// Start-up of the tool after the window layer is up: the default aircraft, its menus and
// view, the preferences. Tests call it with the headless back end.
void fg_start();

// One frame's work of the tool (APPLICATION_update): the design window on top, or the view.
void fg_update();

// Parses the command line, starts, runs the main loop and finishes up; the exit status.
int  fg_main(int argc, char** argv);

}  // namespace orv
