// egl_backend.h -- the offscreen back end: the same drawing with no display, into an
// 800 by 600 framebuffer of an OpenGL compatibility context made with EGL on Mesa's
// surfaceless platform. Nobody watches: alerts go to standard error and input is scripted.
#pragma once

#include "platform/plat_backend.h"

namespace orv {

const plat_backend* plat_offscreen_backend();

}  // namespace orv
