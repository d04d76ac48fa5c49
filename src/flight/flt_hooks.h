// flt_hooks.h -- the calls the flight model makes into modules that sit above it (sound,
// joystick forces, graphs, serial output, traffic drawing, the screen flash of a crash).
// The application registers them; a hook left null does nothing.
#pragma once

namespace orv {

struct flight_model_hooks {
    void (*update_graph)();                 // graph output, while set.grfout
    void (*maintain_engine_sound)();
    void (*maintain_windrain_sound)();
    void (*serial_output)();                // serial sentences and packets
    void (*play_sound)(int buffer);         // one-shot sound (touchdown 7/8, crash 10, water 9)
    void (*stop_sounds)();                  // engine and wind sounds off
    void (*restart_sounds)();               // engine and wind sounds back on
    void (*joy_effect)(int effect, int strength, int direction, int duration);
    void (*crash_flash)();                  // the full-screen flash of a crash
    void (*crash_alert)(const char* l1, const char* l2, const char* l3, const char* l4);
    void (*night_light)(float r, float g, float b);   // pulse of colour 56
};

extern flight_model_hooks flt_hooks;

// Effects of the force-feedback joystick the flight model uses.
constexpr int JOY_JOLT = 33;
constexpr int JOY_STOP_ALL = 34;

}  // namespace orv
