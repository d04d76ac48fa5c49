#include "flight/flight_hooks.h"

namespace orv {

static flight_hooks hooks;

void flight_set_hooks(const flight_hooks& h) { hooks = h; }
const flight_hooks& flight_hook_table() { return hooks; }

void fh_play(int buffer, int loop)
{
    if (hooks.play_buffer) hooks.play_buffer(buffer, loop);
}
void fh_stop(int buffer)
{
    if (hooks.stop_buffer) hooks.stop_buffer(buffer);
}
void fh_volume(int buffer, float vol)
{
    if (hooks.set_buffer_volume) hooks.set_buffer_volume(buffer, vol);
}
void fh_engine_panel_click(int dx, int y)
{
    if (hooks.engine_panel_click) hooks.engine_panel_click(dx, y);
}
void fh_joy_effect(int effect, int strength, int direction, int duration)
{
    if (hooks.joy_effect) hooks.joy_effect(effect, strength, direction, duration);
}

}  // namespace orv
