// plat_joy.h -- the table of joystick and force-feedback operations a device back end
// provides. The default table knows no device: every read fails and every effect is
// dropped, so the simulator flies with the mouse and the keyboard. The SDL back end installs
// its own table; tests install a fake one.
#pragma once

namespace orv {

constexpr int PLAT_JOY_SLOTS = 2;        // the two joystick slots the simulator reads
constexpr int PLAT_JOY_MAX_AXES = 8;
constexpr int PLAT_JOY_MAX_BUTTONS = 32;
constexpr int PLAT_JOY_AXIS_MAX = 65535;  // raw axis range 0..65535
constexpr int PLAT_JOY_AXIS_CENTRE = 32767;
constexpr int PLAT_JOY_POV_CENTRED = -1;  // hat not pressed

// One device as read this frame.
struct plat_joy_state {
    int      naxes, nbuttons, nhats;
    int      axis[PLAT_JOY_MAX_AXES];    // raw 0..65535, 32767 at rest
    unsigned buttons;                    // bit n: button n + 1 held
    int      pov;                        // first hat: hundredths of a degree clockwise from
                                         // forward (0, 4500 ... 31500), PLAT_JOY_POV_CENTRED
    int      is_controller;              // a game controller with its standard layout
    unsigned serial;                     // changes whenever another device fills the slot
};

// A force effect, in the stick's own units: positions and strengths in -100..100 or
// 0..100 (per cent of the device's range), frequencies in Hz, times in milliseconds.
enum { PLAT_FX_SPRING = 1, PLAT_FX_VIBRATION, PLAT_FX_JOLT };
enum { PLAT_FX_AXIS_X = 1, PLAT_FX_AXIS_Y = 2 };
struct plat_force_effect {
    int kind;
    int axes;            // PLAT_FX_AXIS_X | PLAT_FX_AXIS_Y
    int centre;          // spring centre, -100..100
    int coeff_pos, coeff_neg;   // spring stiffness either side of the centre, 0..100
    int magnitude;       // vibration or jolt strength, 0..100
    int frequency_hz;    // vibration, 1..50
    int direction_deg;   // jolt: the direction the stick is pushed, 0..359 clockwise from forward
    int duration_ms;     // jolt length; vibrations and springs last until stopped
};

constexpr int PLAT_FX_SLOTS = 8;   // effect slots the force layer uses

struct plat_joy_ops {
    const char* name;
    // Joystick devices the system sees now; -1 when the system has no joystick support.
    int  (*device_count)();
    // Once a frame, before the reads: the system's device list and states are brought up to
    // date (null: nothing to do).
    void (*poll)();
    // Reads the device in slot 0..PLAT_JOY_SLOTS-1 (the n-th device attached); 0 when none
    // answers. Devices plugged in or pulled out are picked up here.
    int  (*read)(int slot, plat_joy_state* out);
    const char* (*device_name)(int slot);   // "" when none
    void (*close)();                         // every device; safe to repeat
    // ---- force feedback on the device in a slot (null members: none)
    int  (*haptic_open)(int slot);           // 1 when the device can play forces
    int  (*haptic_play)(int fx_slot, const plat_force_effect* e);   // replaces what was there
    void (*haptic_stop)(int fx_slot);
    void (*haptic_close)();
};

const plat_joy_ops* plat_joy_get();            // the device-less table until another is installed
void plat_joy_install(const plat_joy_ops* ops);  // nullptr puts the device-less one back
const plat_joy_ops* plat_joy_none();

}  // namespace orv
