// autopilot.h -- the autopilot's modes (record ott) as the panel buttons, the keyboard and
// scripts change them, the set knobs for its targets, and its two control laws, which
// update_controls evaluates every frame.
//
// Lateral modes (heading select, NAV 1, NAV 2) exclude each other, as do the vertical modes
// (altitude hold, vertical speed, glide slope); airspeed hold combines with anything.
#pragma once

namespace orv {

enum ap_lateral { AP_HDG = 0, AP_NAV1 = 1, AP_NAV2 = 2 };
enum ap_vertical { AP_ALT = 0, AP_VS = 1, AP_GS = 2 };

// A panel button: toggles its own mode and clears the other two of its group. The
// vertical-speed button also loads the present vertical speed as the target.
void ap_press_lateral(int mode);
void ap_press_vertical(int mode);
void ap_press_speed();

// Engage (on 1) or release one mode, keeping the exclusions (scripts and keys).
void ap_set_lateral(int mode, int on);
void ap_set_vertical(int mode, int on);

// Every mode off, with the disconnect warning where the aircraft has a voice system.
void ap_disconnect();
int  ap_any_mode();

// Set knobs: dir +1 (upper half of the knob) or -1. Each steps its target, rounds it to the
// step and keeps it in range; the targets stay in SI units.
constexpr float AP_ALT_STEP_FT = 100, AP_ALT_MAX_FT = 90000;
constexpr float AP_VVI_STEP_FPM = 100, AP_VVI_MAX_FPM = 9000;
constexpr float AP_SPD_STEP_KT = 5, AP_SPD_MAX_KT = 900;
void ap_knob_alt(int dir);
void ap_knob_vvi(int dir);
void ap_knob_spd(int dir);
// Set a target directly (scripts): the same rounding and limits as the knobs.
void ap_set_alt_ft(float ft);
void ap_set_vvi_fpm(float fpm);
void ap_set_spd_kt(float kt);

// The laws, for update_controls. c_rat is the control-gain ratio of the frame.
float ap_desired_heading();      // degrees true, 0..360, with the intercept cut in NAV modes
float ap_commanded_bank();       // degrees, the bank the lateral law flies; a turn onto the
                                 // reciprocal keeps the side it started on
float ap_desired_vvi();          // m/s, of the active vertical mode
void  ap_lateral_law(float c_rat);
void  ap_vertical_law(float c_rat);
// Drives the throttle (answers 1) while airspeed hold flies. Without a hardware throttle it
// takes over from where the panel lever stands rather than from the absent axis's idle.
int   ap_speed_law();
void  ap_reset();                // a fresh run: no engagement history
// A new flight: every mode off without the disconnect warning, and no engagement history, so
// nothing of the last flight's targets flies the new one.
void  ap_new_flight();

}  // namespace orv
