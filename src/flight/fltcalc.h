// fltcalc.h -- the force and moment build-up of one flight-model step: engines, rockets,
// puffers, every element of every lifting part with rotation, propwash and downwash, the
// bodies, tyres, brakes and chute, and the ground and water contact; it leaves the
// accelerations in flt for the integrator.
#pragma once

namespace orv {

void set_a();

// Share (0..1) of a propwash stream flowing in direction th (degrees) that reaches a surface
// whose wash window is lo..hi with its peak at mx: a triangle, open at its ends and its peak.
float wash_share(float th, float lo, float mx, float hi);

// The side whose flaps keep working after an asymmetric-flap failure (35 right, 36 left),
// drawn on first need and kept for the run; 0 before then.
int asym_flap_side();

// Forgets the contact geometry of the previous aircraft (after a load or a new start).
void flight_contact_reach_reset();

}  // namespace orv
