// keys.h -- everything the simulator does from the keyboard. Most keys issue a menu command,
// change a radio frequency, or "click" a cockpit control at a position computed from the
// panel layout, so that a key does exactly what the mouse would do there.
#pragma once

namespace orv {

// What the keys need to know of the panel of the loaded aircraft (filled by the panel).
constexpr int KEY_PANEL_INSTRUMENTS = 11;
struct key_panel {
    int oseng, osrad;                    // x origins of the engine quadrant and the radio stack
    int engines;                         // engine levers on the quadrant, 1..4
    int thro_x[4], prop_x[4], mixt_x[4]; // lever columns from oseng
    int thro[4], prop[4], mixt[4];       // knob positions now, panel pixels
    int flap, sbrk;                      // flap and speed-brake knobs
    int vect, swee;                      // thrust-vector and sweep knobs
    int vect_x, swee_x;                  // their columns from oseng
    int x_loc[KEY_PANEL_INSTRUMENTS], y_loc[KEY_PANEL_INSTRUMENTS];   // instrument centres
    int engine0_reversing;               // engine 0's reverser is out
};

struct key_hooks {
    void (*menu)(int code);                   // a menu command
    void (*panel_click)(int x, int y);        // the cockpit's click handler at window pixels
    int  (*panel_layout)(key_panel* out);     // 0 while there is no panel
    void (*atc_enter)();                      // open the ATC menu, or redraw its options
    void (*play_buffer)(int buffer, int loop);
};
void keys_set_hooks(const key_hooks& h);

// One key typed in the cockpit: a character, or one of the platform's codes for the arrows,
// function keys and keypad (plat_backend.h). Registered as the simulator's key handler.
void keys_handle(int c);

// The keyboard commands of the characters (APPLICATION_handlekey's table).
void key_command(int ch);

// Numeric keypad yoke, codes 0..6.
void yoke_key(int code);
// Function keys: 28 + n, or 40 + n with Shift; n 0..11 for F1..F9, Backspace, F11, F12.
void function_key(int code);

// Connects the joystick's button functions to these keys; call once at start-up.
void keys_install();

// Flap and speed-brake detents (knob positions the keys move the levers to).
int flap_key_target(int key, int flap);    // key '1' (towards flaps up) or '2'
int sbrk_key_target(int key, int sbrk);    // key '5' (out) or '6' (in)

constexpr float YOKE_PITCH_STEP = 0.05f, YOKE_ROLL_STEP = 0.1f, YOKE_YAW_STEP = 0.1f;
constexpr int   VOICE_BUFFER_AP_OFF = 17;

}  // namespace orv
