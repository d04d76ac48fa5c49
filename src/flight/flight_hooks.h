// flight_hooks.h -- the calls the flight systems make into areas above them (sound, panel
// levers, keyboard, scenery textures, air traffic control, data output). The application
// fills the table at start-up; an empty entry does nothing, so the flight model runs alone.
#pragma once

namespace orv {

struct flight_hooks {
    void (*play_buffer)(int buffer, int loop);        // sound slot; loop 1 repeats it
    void (*stop_buffer)(int buffer);
    void (*set_buffer_volume)(int buffer, float vol);  // 0..1
    void (*engine_panel_click)(int dx, int y);         // a click dx from the engine panel's edge
    void (*handle_key)(int c);                        // a keyboard command
    void (*reload_plane_geo)();                       // aircraft geometry and paint
    void (*load_texture)(const char* name);           // one terrain or airport texture
    void (*atc_second)();                             // flight plan and ILS vectors
    void (*lso_respond)();                            // carrier landing officer
    void (*advance_rabbits)(int restart);             // approach-light strobes
    void (*layout_smoke)();                           // forest-fire smoke column
    void (*data_out)(int labels);                     // one row (or the labels) to disk
};

void flight_set_hooks(const flight_hooks& h);
const flight_hooks& flight_hook_table();

// Convenience wrappers that skip an empty entry.
void fh_play(int buffer, int loop);
void fh_stop(int buffer);
void fh_volume(int buffer, float vol);
void fh_engine_panel_click(int dx, int y);

}  // namespace orv
