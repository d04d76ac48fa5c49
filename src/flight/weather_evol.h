// weather_evol.h -- the weather's slow evolution once a second (atm.rate_change: 4 none,
// 8 a random rate shifting every ten minutes, else the rate itself, below 4 worsening and
// above 4 improving), the rain-sound state, and the ranges the weather window allows.
#pragma once

namespace orv {

// Rate change values with a meaning of their own.
constexpr float WX_RATE_STEADY = 4, WX_RATE_RANDOM = 8;

void  evolve_weather();          // one second of change, the rain sound, then the ranges
void  clamp_weather();           // the weather window's ranges alone
float weather_change_rate();     // the rate used on the last call (1..7)
int   rain_state();              // the rain sound is on
void  weather_evol_reset();

// Start airport elevation (m) that the cloud base is kept above.
float start_airport_elevation();

}  // namespace orv
