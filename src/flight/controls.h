// controls.h -- control input and autopilot: moves the control surfaces, trims, throttles
// and thrust vector from the pilot's inputs (yoke, keyboard offsets, mouse) and the
// autopilot's modes, once per frame before the force build-up.
//
// The flight update calls update_controls(); the panel calls the autopilot's button
// exclusions and set-knob limits declared here as they land.
#pragma once

namespace orv {

// One frame of control input and autopilot (reads set, ott, flt, pln; writes flt's
// control positions and ott's working state).
void update_controls();

}  // namespace orv
