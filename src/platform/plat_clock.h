// plat_clock.h -- the process clock behind one replaceable function.
// Tests install their own clock to drive the frame-period adaptation deterministically.
#pragma once

namespace orv {

using plat_clock_fn = long (*)();

long plat_clock_ms();                       // milliseconds of the process clock
void plat_set_clock(plat_clock_fn fn);      // nullptr restores the real clock

}  // namespace orv
