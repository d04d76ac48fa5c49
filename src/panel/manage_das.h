// manage_das.h -- the cockpit's click handler: finds the panel controls under a click in
// window pixels (y up) and changes the simulator as the pilot's hand would. Knobs repeat while
// the button is held (the window layer calls again each frame once the hold is long enough)
// and some move faster then; toggles act only on the press itself.
//
// The controls, joystick buttons and keyboard press panel controls through the same call.
#pragma once

namespace orv {

void manage_das(int x, int y);

// A click dx from the engine panel's left edge (the controls' throttle sync and speedbrake);
// a throttle click from here moves every engine's lever together.
void panel_engine_click(int dx, int y);

// The radio knobs tune with the steps of 2-QZutils/qz_tune.h (NAVinc, COMinc, ADFinc, XPNinc).

// Where the controls sit that the layout leaves open (window pixels, before osrad/oseng).
constexpr int GEAR_SOUND_SLOT = 6;
constexpr int EFIS_BUTTON_PITCH = 26;                      // the glass map's buttons along its lower edge
constexpr int FLAP_UP_Y = 127, FLAP_DOWN_Y = 73;          // flap lever travel
constexpr int SBRK_ARMED_Y = 123, SBRK_STOWED_Y = 113, SBRK_FULL_Y = 93;
constexpr int ENGINE_LEVER_LOW = 4, ENGINE_LEVER_HIGH = 52;   // throttle, prop, mixture travel
constexpr int THRO_REVERSE_IDLE = 16;                      // idle with reverse thrust fitted
constexpr int THRO_BURNER_TOP = 60;                        // beyond the top: afterburner
constexpr int LEVER_GRAB_DY = 7;                           // a throttle knob's centre above the lever end
constexpr int KNOB_GRAB_DY = 13;                           // the propeller and mixture knobs' (taller)
constexpr int TRIM_SLOT_LOW = 78, TRIM_SLOT_HIGH = 129;    // elevator trim wheel: nose down .. nose up
constexpr float TRIM_WHEEL_STEP = 0.02f;                   // trim per press or held frame
constexpr int TRIM_ROCKER_SPLIT = 585;                     // aileron and rudder trim: left | right half
// Instrument knobs from the instrument's centre (the HSI's below the card).
constexpr int HSI_BUG_KNOB_DX = -37, HSI_OBS_KNOB_DX = 47, HSI_KNOB_HALF = 15;
constexpr int SUPP_KNOB_DX = -28, SUPP_KNOB_DY = -40, SUPP_KNOB_HALF = 16, SUPP_ROCK_DY = 4;

}  // namespace orv
