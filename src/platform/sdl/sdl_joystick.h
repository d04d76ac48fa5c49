// sdl_joystick.h -- joysticks, game controllers and their force feedback over SDL2's
// joystick, game-controller and haptic subsystems, which start on first use. Slot n is the
// n-th device attached; devices plugged in or pulled out are followed every poll.
//
// For tests without hardware, the environment variable ORV_VIRTUAL_JOYSTICK names a file of
// timed moves for a virtual stick (4 axes, 16 buttons, 1 hat), one a line, counted in polls
// (one poll a frame):
//   at <poll> attach | detach
//   at <poll> axis <0..3> <-32768..32767>
//   at <poll> button <1..16> <0|1>
//   at <poll> hat <centre|up|down|left|right|upleft|upright|downleft|downright>
// '#' starts a comment. A bad line is reported on standard error and skipped.
#pragma once

#include "platform/plat_joy.h"

namespace orv {

const plat_joy_ops* plat_sdl_joy();

}  // namespace orv
