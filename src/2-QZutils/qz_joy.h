// qz_joy.h -- the joystick layer: shapes the stick's axes into pitch, roll, yaw and throttle
// commands, adds the keyboard and mouse offsets, and takes the force-feedback requests of
// the flight model. The device itself is read through the platform back end; with no device
// the axes stand centred and only the offsets move the controls.
#pragma once

namespace orv {

// Null zone removed in place (dat moves towards 0 by nz, never past it); answers
// sign(dat) * |dat|^1.5 of the corrected value.
float JOY_curve(float* dat, float nz);

// One frame of pilot input: every output in -1..1 (throttle as read; the controls limit it
// to 0..1). With mouse_key set, set.MK_ptch/MK_roll/MK_hdng are added before shaping.
void JOY_get(float* joy_ptch, float* joy_roll, float* joy_hdng, float* joy_thro, int mouse_key);

// Force-feedback effect request (types 26..34). The arguments are limited to the ranges the
// stick accepts and kept as the latest request of that type for the device to play.
constexpr int JOY_FORCE_FIRST = 26, JOY_FORCE_LAST = 34;
void JOY_force(int type, int a1, int a2, int a3);

struct joy_force_request { int count; int a1, a2, a3; };
// Latest request of a type (count 0: never requested); null outside 26..34.
const joy_force_request* JOY_force_request(int type);

}  // namespace orv
