// events.h -- the periodic flight events: mod_evt about ten times a second (warnings,
// needles, markers, the Morse identifier, gusts, shear, surface and gear travel, ...) and
// mod_sec once a second (events_sec.h: failures, weather evolution, fuel, icing, callouts,
// the real-weather file). The application's frame schedule calls them through its event
// hooks.
#pragma once

namespace orv {

void mod_evt();
void mod_sec();

// The spoken cockpit warnings: fitted to the aircraft and switched on in the settings.
int voice_warnings();

// Morse identifier schedule: 24 slots of sound type and start time.
constexpr int MORSE_SLOTS = 24;
constexpr int SND_SILENT = 2, SND_DOT = 3, SND_DASH = 4;
// Appends the elements of capital letter ch from slot *n, then one silent slot; each slot
// sets the next slot's time (dot +0.3 s, dash +0.5 s, silence +1.0 s). Anything but A..Z
// gives the silent slot alone. Slots past the schedule's end are dropped.
void build_morse_id(char ch, int* type_snd, float* time_snd, int* n);

// Marker-beacon flags (outer, middle, inner) that the once-a-second step sets.
enum { MARKER_OUTER = 0, MARKER_MIDDLE = 1, MARKER_INNER = 2 };
void set_marker_flags(int outer, int middle, int inner);
int  marker_flag(int which);

// The identifier being sent (slot types and times; null outside the schedule).
const int*   morse_types();
const float* morse_times();

// Sound buffers the flight plays, and the stick effects the events use.
enum {
    BUF_STALL = 3, BUF_FLAP_MOTOR = 4, BUF_THUNDER = 5, BUF_TOUCH_RUNWAY = 7, BUF_TOUCH_ROUGH = 8,
    BUF_TOUCH_WATER = 9, BUF_CRASH = 10, BUF_SINK_RATE = 11, BUF_PULL_UP = 12,
    BUF_GEAR = 13, BUF_GLIDESLOPE = 14, BUF_WINDSHEAR = 16, BUF_CAUTION = 17,
    BUF_50FT = 18, BUF_25FT = 19, BUF_10FT = 20, BUF_DOT = 21, BUF_DASH = 22, BUF_RAIN = 2
};
enum { FORCE_ROTOR = 26, FORCE_ENGINE = 27, FORCE_SHAKER = 28, FORCE_SHAKER_OFF = 30 };

// Weather-radar value (0..1) of the region's cell holding (x, z).
float radar_value(double x, double z);

// Program start: every kept state of both routines back to its first-call value.
void events_reset();

}  // namespace orv
