// qz_joy.h -- the joystick layer: shapes the stick's axes into pitch, roll, yaw and throttle
// commands, adds the keyboard and mouse offsets, turns the hat and the buttons into 22
// virtual buttons with the functions the pilot assigned, and takes the force-feedback
// requests of the flight model. The device itself is read through the platform's joystick
// table (plat_joy.h); with no device the axes stand centred and only the offsets move the
// controls.
#pragma once

#include "2-QZutils/qz_joy_cfg.h"

namespace orv {

constexpr int JOY_TYPE_NONE = -1, JOY_TYPE_STICK1 = 15, JOY_TYPE_STICK2 = 16;
constexpr int JOY_VBUTTONS = 22;

// Looks for a joystick in either slot: sets set.controls_type, starts the stick's forces,
// and answers 1; without one it tells the pilot the mouse flies and answers 0.
int JOY_init();

// Null zone removed in place (dat moves towards 0 by nz, never past it); answers
// sign(dat) * |dat|^1.5 of the corrected value.
float JOY_curve(float* dat, float nz);

// One frame of pilot input: every output in -1..1 (throttle as read; the controls limit it
// to 0..1). With mouse_key set, set.MK_ptch/MK_roll/MK_hdng are added before shaping and
// the virtual buttons' functions run.
void JOY_get(float* joy_ptch, float* joy_roll, float* joy_hdng, float* joy_thro, int mouse_key);

// Force-feedback effect request (types 26..34). The arguments are limited to the ranges the
// stick accepts, kept as the latest request of that type, and played on the stick.
constexpr int JOY_FORCE_FIRST = 26, JOY_FORCE_LAST = 34;
constexpr int JOY_FORCE_STRENGTH_MAX = 100;   // the strongest effect, in percent
void JOY_force(int type, int a1, int a2, int a3);

struct joy_force_request { int count; int a1, a2, a3; };
// Latest request of a type (count 0: never requested); null outside 26..34.
const joy_force_request* JOY_force_request(int type);

void JOY_close();

// ---- what the last JOY_get saw (the live joystick print and tests read it)
struct joy_frame {
    int   device;                  // 1 when a device answered this frame
    float axis[JOY_CTL_COUNT];     // pitch, roll, yaw, throttle after mapping, before shaping
    int   have_throttle;           // the throttle axis is mapped and has moved
    int   n_button_pressed[JOY_VBUTTONS];
};
const joy_frame& joy_last_frame();

// The axis settings in use (the file beside the preferences, or the defaults).
joy_config& joy_settings();

// Where the virtual buttons' functions go: the keyboard module fills these (null: nothing).
enum { JOY_LEVER_VECTOR = 1, JOY_LEVER_SWEEP = 2 };
struct joy_input_hooks {
    void (*key)(int c);                  // a keyboard command, as typed
    void (*yoke_key)(int code);
    void (*freeviews_keys)(int code);
    void (*menu)(int code);              // a menu command
    void (*panel_click)(int x, int y);   // a click on the cockpit, window pixels
    void (*lever_step)(int lever, int dy);   // a panel lever moved dy pixels (up positive)
    void (*speedbrake_toggle)();
};
void joy_set_input_hooks(const joy_input_hooks& h);

// Forget the device history (a fresh run): button edges and the unmoved-axis memory.
void joy_reset();

// Pixels a thrust-vector or sweep lever moves for one button press.
constexpr int JOY_LEVER_STEP_PX = 8;
// The cockpit position button function 24 clicks.
constexpr int JOY_CLICK_X = 636, JOY_CLICK_Y = 314;

}  // namespace orv
