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

// Radio tuning steps (frequencies in 10 kHz units, ADF in kHz).
void NAVinc(int* frq, int step);
void COMinc(int* frq, int step);
void ADFinc(int* frq, int step);
void XPNinc(int* digit, int step);

// Where the controls sit that the layout leaves open (window pixels, before osrad/oseng).
constexpr int GEAR_SOUND_SLOT = 6;
constexpr int FLAP_UP_Y = 127, FLAP_DOWN_Y = 73;          // flap lever travel
constexpr int SBRK_ARMED_Y = 123, SBRK_STOWED_Y = 113, SBRK_FULL_Y = 93;
constexpr int ENGINE_LEVER_LOW = 4, ENGINE_LEVER_HIGH = 52;   // throttle, prop, mixture travel
constexpr int THRO_REVERSE_IDLE = 16;                      // idle with reverse thrust fitted
constexpr int THRO_BURNER_TOP = 60;                        // beyond the top: afterburner
constexpr int LEVER_GRAB_DY = 7;                           // the knob's centre above the lever end

}  // namespace orv
