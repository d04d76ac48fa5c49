// qz_force.h -- the force-feedback stick: centring springs, vibrations, buffeting and jolts,
// played through the device table of the platform layer (plat_joy.h). Until a device that
// can play forces has been opened and enabled, every call does nothing and says nothing.
//
// Arguments are in per cent of the stick's range: centres -100..100, strengths 0..100,
// frequencies in Hz, directions in degrees clockwise from forward, durations in ms.
#pragma once

namespace orv {

void SetJoystickPort(int port);     // 1-based slot of the stick the forces go to
int  InitStick(int mode);           // opens the stick's forces; 1 when it can play them
void EnableForces();
void XSpring(int centre, int coeff_pos, int coeff_neg);
void YSpring(int centre, int coeff_pos, int coeff_neg);
void XVibration(int magnitude_pos, int magnitude_neg, int frequency_hz);
void YVibration(int magnitude_pos, int magnitude_neg, int frequency_hz);
void XVibrationClear();
void YVibrationClear();
void Buffeting(int magnitude);
void BuffetingClear();
void Jolt(int magnitude, int direction_deg, int duration_ms);
void ClearForces();
void CloseStick();

int  forces_active();               // 1 after InitStick and EnableForces found a device
// Where the springs hold the stick now (-1..1 on each axis; 0 without forces).
float force_spring_centre_x();
float force_spring_centre_y();

// The effect slots of the device table each effect plays in.
enum { FX_SPRING_X = 0, FX_SPRING_Y, FX_VIBRATION_X, FX_VIBRATION_Y, FX_BUFFET, FX_JOLT };

}  // namespace orv
