// app_script_flight.h -- script commands that fly the aircraft's systems:
//   ap <hdg|nav1|nav2|gps|alt|vs|gs|spd|off>      engage an autopilot mode (off: all)
//   ap-set <alt|vs|spd|hdg> <value>               targets in ft, ft/min, kt, degrees true
//   nav <1|2> <MHz>   obs <1|2> <deg>   adf <kHz>  radios (tuned at once)
//   fail <0..31>                                  fail one item now
//   weather <field> <value>                       a field of the weather window
//   time <hours>                                  local time of day
#pragma once

namespace orv {

// The weather fields `weather` takes, in the units it takes them.
extern const char* const WEATHER_FIELDS[];
extern const int WEATHER_FIELD_COUNT;

// Adds the commands (once; later calls do nothing). Before a script is read.
void register_flight_script_commands();

// The command bodies, for the script layer and tests (args as the script passes them).
void script_ap(const float* args, int nargs);
void script_ap_set(const float* args, int nargs);
void script_nav(const float* args, int nargs);
void script_obs(const float* args, int nargs);
void script_adf(const float* args, int nargs);
void script_fail(const float* args, int nargs);
void script_weather(const float* args, int nargs);
void script_time(const float* args, int nargs);
// "atc-pick <n>": row n of the ATC menu, or entry n of the list it shows (opening the menu first).
void script_atc_pick(const float* args, int nargs);

}  // namespace orv
