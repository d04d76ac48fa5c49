// The simulator's entry point: everything else lives in the orv_app library; the window,
// offscreen, sound, speech and serial back ends are linked here only, so the library and its tests need no display.
#include "app/app_main.h"
#include "platform/espeak/speech_espeak.h"
#include "platform/offscreen/egl_backend.h"
#include "platform/openal/snd_openal.h"
#include "platform/plat_joy.h"
#include "platform/plat_mem.h"
#include "platform/serial/ser_termios.h"
#include "platform/sdl/sdl_backend.h"
#include "platform/sdl/sdl_joystick.h"

int main(int argc, char** argv)
{
    orv::plat_mem_prefer_large_pages();   // before the records are first touched
    // Only the program reaches real devices; the library and its tests see the tables' defaults.
    orv::app_set_backends(orv::plat_sdl_backend(), orv::plat_offscreen_backend());
    orv::plat_joy_install(orv::plat_sdl_joy());
    orv::plat_sound_install(orv::snd_openal_backend());
    orv::plat_speech_install(orv::speech_espeak_backend());
    orv::plat_serial_install(orv::ser_termios_backend());
    return orv::app_main(argc, argv);
}
