// flight_hooks.h -- the calls the flight model and the flight systems make into areas above
// them (sound, joystick forces, panel levers, keyboard, scenery and screen effects, air
// traffic control, data output, the frame's schedule and the crash message). The program
// fills the whole table once at start-up; an empty entry does nothing, so the flight model
// runs alone (the tests fill only what they watch).
#pragma once

namespace orv {

struct flight_hooks {
    // sound
    void (*play_buffer)(int buffer, int loop);         // sound slot; loop 1 repeats it
    void (*stop_buffer)(int buffer);
    void (*set_buffer_volume)(int buffer, float vol);  // 0..1
    void (*stop_sounds)();                            // engine and wind sounds off
    void (*restart_sounds)();                         // engine and wind sounds back on
    void (*maintain_engine_sound)();
    void (*maintain_windrain_sound)();
    // the joystick's forces
    void (*joy_effect)(int effect, int strength, int direction, int duration);
    // the cockpit and the keyboard
    void (*engine_panel_click)(int dx, int y);         // a click dx from the engine panel's edge
    void (*handle_key)(int c);                        // a keyboard command
    // scenery and the screen
    void (*reload_plane_geo)();                       // aircraft geometry and paint
    void (*load_texture)(const char* name);           // one terrain or airport texture
    void (*advance_rabbits)(int restart);             // approach-light strobes
    void (*layout_smoke)();                           // forest-fire smoke column
    void (*crash_flash)();                            // the full-screen flash of a crash
    void (*night_light)(float r, float g, float b);   // pulse of colour 56
    // air traffic control
    void (*atc_second)();                             // flight plan and ILS vectors
    void (*lso_respond)();                            // carrier landing officer
    // data output
    void (*update_graph)();                           // graph output, while set.grfout
    void (*serial_output)();                          // serial sentences and packets
    void (*data_out)(int labels);                     // one row (or the labels) to disk
    // the frame: the event schedule, the frame-period adaptation and the clocks
    void (*frame_schedule)();
    // the crash message (four lines)
    void (*crash_alert)(const char* l1, const char* l2, const char* l3, const char* l4);
};

void flight_set_hooks(const flight_hooks& h);   // once, at start-up
const flight_hooks& flight_hook_table();

// Wrappers that skip an empty entry.
void fh_play(int buffer, int loop);
void fh_stop(int buffer);
void fh_volume(int buffer, float vol);
void fh_engine_panel_click(int dx, int y);
void fh_joy_effect(int effect, int strength, int direction, int duration);

// Effects of the force-feedback joystick the flight model uses.
constexpr int JOY_JOLT = 33;
constexpr int JOY_STOP_ALL = 34;

}  // namespace orv
