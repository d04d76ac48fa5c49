// weather_evol.h -- the weather's slow evolution once a second (atm.rate_change: 4 none,
// 8 a random rate shifting every ten minutes, else the rate itself, below 4 worsening and
// above 4 improving), the rain-sound state, and the ranges the weather window allows.
#pragma once

namespace orv {

// Rate change values with a meaning of their own.
constexpr float WX_RATE_STEADY = 4, WX_RATE_RANDOM = 8;

// The weather window's ranges (also those of the weather kept in the preferences).
constexpr float WX_MAX_BASE_FT = 98999, WX_MAX_TOPS_FT = 99999;
constexpr float WX_VIS_MIN_NM = 0.1f, WX_VIS_MAX_NM = 20;   // visibility
constexpr float WX_SEVERITY_MIN = 1, WX_SEVERITY_MAX = 5;   // rain and storms, wind, microbursts
constexpr float WX_MAX_WIND_KT = 99;                        // wind and shear speeds
constexpr float WX_MAX_SHEAR_DIR = 180;
constexpr float WX_MAX_TURBULENCE = 9;

void  evolve_weather();          // one second of change, the rain sound, then the ranges
void  clamp_weather();           // the weather window's ranges alone
float weather_change_rate();     // the rate used on the last call (1..7)
int   rain_state();              // the rain sound is on
void  weather_evol_reset();

// Start airport elevation (m) that the cloud base is kept above.
float start_airport_elevation();

}  // namespace orv
