// The design tool's entry point: everything else lives in the orv_design_tool library; the
// window and offscreen back ends are linked here only, so the library and its tests need no
// display.
#include "design_tool/fg_main.h"
#include "platform/offscreen/egl_backend.h"
#include "platform/sdl/sdl_backend.h"

int main(int argc, char** argv)
{
    orv::fg_set_backends(orv::plat_sdl_backend(), orv::plat_offscreen_backend());
    return orv::fg_main(argc, argv);
}
