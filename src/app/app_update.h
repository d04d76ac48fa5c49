// app_update.h -- one frame of the application: the window-manager table, the replay of the
// recorded path, and the frame spine (event schedule, frame-period adaptation, clocks).
#pragma once

namespace orv {

using app_hook = void (*)();

void APPLICATION_update();
void APPLICATION_handlekey(int c);

// The frame spine, run wherever the flight model runs (not paused, not replaying): the
// registered flight step, which calls frame_schedule (the event schedule, then the
// frame-period adaptation, then the clocks) through its hook table at its place in the frame.
void flight_frame();
void frame_schedule();
void run_event_schedule();     // mod_evt ~10 times a second, mod_sec every tenth of those
void adapt_period();           // msc.cntr, and msc.prd kept in step with the process clock
void advance_clocks();         // elapsed, local, zulu, night, instrument, stopwatch, beacon
void replay_advance();         // plays the recorded path instead of the flight model

constexpr float PRD_FLOOR = 0.001f;   // the adapted period never goes below this (s)

void frame_timing_reset();     // event divisor back to 1, clock measurement restarted
void app_set_fixed_step(int on);   // 1: msc.prd is never adapted (reproducible runs)

// Hooks the later modules fill. Until one is registered its step does nothing.
void app_set_event_hooks(app_hook mod_evt, app_hook mod_sec);   // periodic-events module
void app_set_flight_step(app_hook fn);      // forces and integration of the flight model
void app_set_scenery_update(app_hook fn);   // world, panel and overlays
void app_set_panel_click(app_hook fn);      // data-acquisition panel (mouse in the cockpit)
void app_set_panel_update(app_hook fn);     // the live instrument panel, after the scenery
void app_set_key_handler(void (*fn)(int c));
void app_set_window_manager(int w, app_hook fn);   // w 1..25

// The run: simulated seconds and frames since start, and the limits that end it.
double app_sim_time();
long   app_frame_count();
void   app_run_reset();
void   app_set_run_limits(long frames, double seconds);

}  // namespace orv
