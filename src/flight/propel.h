// propel.h -- engine forces and moments of one flight-model step: propellers and rotors
// by blade elements over the disc, with their engines' torque, and jets with spool-up,
// Mach and altitude effects. The propwash found here feeds the surfaces behind the discs.
#pragma once

namespace orv {

void props();                                   // every propeller engine (types 1..3)
void apropengine(int eng);                      // engine torque, power, manifold pressure
void aprop(int eng, float X, float Y, float Z); // blade-element forces of one disc
// Next propwash increment for thrust t (N) through area s (m^2) with incoming speed vgeo.
float dv_total(float dv_total_now, float t, float s, float vgeo);
void jets();                                    // every jet engine (types 4 and 5)

}  // namespace orv
