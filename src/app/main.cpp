// The simulator's entry point: everything else lives in the orv_app library.
#include "app/app_main.h"
#include "platform/plat_joy.h"
#include "platform/sdl/sdl_joystick.h"

int main(int argc, char** argv)
{
    // Only the program reaches real devices; the library and its tests see the table's default.
    orv::plat_joy_install(orv::plat_sdl_joy());
    return orv::app_main(argc, argv);
}
