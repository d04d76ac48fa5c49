// events_sec.h -- mod_sec's steps, about once a second: marker beacons, voice callouts,
// texture-set tracking, air traffic control, radio tuning, the real-weather file, the
// frame-rate guard, weather evolution, stick vibration, fuel, icing, failures, pressures,
// lightning, gravity and the speed-limit warnings.
#pragma once

namespace orv {

// Each step alone, in mod_sec's order (tests drive them one at a time).
void sec_markers();
void sec_callouts();
void sec_texture_set();
void sec_atc();
void sec_radios();
void sec_frame_guard();
void sec_stick_vibration();
void sec_fuel();
void sec_icing();
void sec_lightning();
void sec_gravity();
void sec_speed_limits();

// Air temperature at the aircraft, degrees C (sea-level temperature and the standard lapse).
float air_temp_c();
// The frame-rate warning has been shown in this run.
int  frame_warning_given();
// Seconds slower than the allowed frame period in a row.
int  slow_seconds();

// Heights (ft) of the three callouts.
constexpr float CALLOUT_50 = 50, CALLOUT_25 = 25, CALLOUT_10 = 10;
constexpr int   CARB_HEAT_OFF_ABOVE = 28;   // carb-heat lever position, panel pixels

void events_sec_reset();

}  // namespace orv
