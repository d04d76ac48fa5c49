// joy_setup.h -- the joystick at the terminal: a live print of what the devices report, and a
// walk-through that finds which axis works each control (and its sense and dead zone) by
// asking the pilot to move them one by one, then keeps the answer beside the preferences.
#pragma once

#include <cstdio>

namespace orv {

// Prints the devices as they come and go and, whenever something moves, one line with the
// raw axes, the controls they work, the hat, the buttons held and the virtual buttons.
// Runs for `frames` polls (0: until the process is stopped), sleeping `frame_ms` between.
void joy_live_print(std::FILE* out, long frames, int frame_ms);

struct joy_setup_io {
    std::FILE* out;
    int  (*wait_enter)(void* ctx);   // 0 when the pilot gave up (end of input)
    void* ctx;
    void (*sleep_ms)(int ms);        // between samples; null: no pause
};

// The walk-through; writes the settings to cfg_path. Answers 0 when they were saved.
int joy_setup_run(const joy_setup_io& io, const char* cfg_path);

// The walk-through at this terminal (Enter on standard input).
int joy_setup_terminal(const char* cfg_path);

constexpr float JOY_SETUP_MIN_TRAVEL = 0.2f;   // share of the half-range a control must move

}  // namespace orv
