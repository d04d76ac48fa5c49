// controls.h -- control input and autopilot: moves the control surfaces, trims, throttles
// and thrust vector from the pilot's inputs (stick, keyboard offsets, mouse) and the
// autopilot's modes (autopilot.h), once per frame before the force build-up.
#pragma once

namespace orv {

// One frame of control input and autopilot (reads set, ott, flt, pln, rel; writes the
// yoke and final control positions in set and the surface deflections in flt).
void update_controls();

// Control-gain ratio: 1 at or below the estimated stall speed, falling with the square of
// the speed above it to 0.01; 1 for a helicopter. Every automatic control term scales by it.
float control_gain_ratio();

// Panel throttle-lever position (panel pixels) the hardware throttle drags it to.
float throttle_lever_y(float fc_thro);

// A fresh run: the rate limits, hardware-throttle detection and touchdown memory forget.
void controls_reset();

// Panel spots the controls click as the pilot would (x from the engine panel's left edge).
constexpr int THRO_LEVER_DX = 675, THRO_LEVER_DY = 7;
constexpr int SBRK_LEVER_DX = 708, SBRK_LEVER_Y = 93;

}  // namespace orv
