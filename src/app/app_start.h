// app_start.h -- start-up, the main loop and finish-up of the simulator.
#pragma once

#include "2-QZutils/records_reset.h"   // clear_records, which start-up calls first

namespace orv {

void initgen();            // general initialisation (random seed, atmosphere, stars, ships, defaults)
void assign_hr(int index, float height_kft, float density_slug_ft3);

// Steps of start-up, in order; answers 0 and does nothing when a previous instance is given.
// `seed`: fixed random seed when `have_seed`; `aircraft`: a native path that replaces the
// aircraft named in the preferences (empty for none).
int  start_simulator(const void* previous_instance, int have_seed, unsigned seed, const char* aircraft);
void run_main_loop();      // MACIBM_event_proc until gdone
void register_app_callbacks();

// Script commands `panel <1|2>` (the conventional or glass panel for the loaded aircraft, laid
// out again) and `window <0..25>` (a settings window opened, or closed with 0), and the log columns of the needles the panel shows.
void register_panel_commands();
void register_panel_log_columns();

}  // namespace orv
