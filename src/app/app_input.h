// app_input.h -- the pilot's input joined to the simulator: the keyboard handler and its
// menu and panel hooks, the joystick's button functions, the joystick start (with the axis
// settings kept beside the preferences) and its release at finish-up.
#pragma once

namespace orv {

struct app_options;

void wire_pilot_input();          // before the first event is handled
void start_joystick();            // the start-up step after the speech engine wakes

// The axis-settings file in the preferences folder of this run (native path).
void joystick_settings_path(const char* config_dir, char* out, int len);

// --joystick-test and --joystick-setup: run without the simulator; answers the exit status.
int joystick_tool(const app_options& o);

}  // namespace orv
