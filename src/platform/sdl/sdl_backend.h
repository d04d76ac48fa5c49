// sdl_backend.h -- the windowed back end: one resizable SDL2 window with an OpenGL
// compatibility context, the 800 by 600 picture scaled into it, F11 for full screen.
#pragma once

#include "platform/plat_backend.h"

namespace orv {

const plat_backend* plat_sdl_backend();

}  // namespace orv
