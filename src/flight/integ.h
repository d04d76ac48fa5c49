// integ.h -- one frame of the flight model: controls, mass, ground effect, atmosphere,
// engines and fuel flow, traffic, the two integration half steps and the crash check.
#pragma once

namespace orv {

void update_flight();
void integ_vx();                            // one semi-implicit Euler step over msc.prd
void set_latlon_from_xz();                  // flt.lat, flt.lon from flt.X, flt.Z
// Pitch (the_dot_now) or roll (phi_dot_now) of ship 17 (frigate) or 15 (carrier) at
// msc.init_time into *angle; answers its rate. Degrees, degrees per second.
float the_dot_now(float* angle, int ship);
float phi_dot_now(float* angle, int ship);
int   crs_wrapped();                        // 1 while the aircraft moves tail first
// Crash check after the integration: answers 1 when the flight was restarted.
int   crash_check();

// Atmosphere at height y (m) into atm.rho, T, a, crtsig.
void set_atmosphere(double y);

// Dump of the next half step requested for simulated time t (s) of the run; negative: none.
void flight_request_dump_at(double t);

}  // namespace orv
