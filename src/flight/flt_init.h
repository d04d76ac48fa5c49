// flt_init.h -- flight initialisation: places the aircraft for a new flight of one of the
// start types (runway, approaches, custom positions, strips, helipads, ships, formation,
// fire, catapult, seaplane) and resets the flight state.
#pragma once

namespace orv {

void set_fltvars(int type_start);

}  // namespace orv
