// real_weather.h -- the real-weather report file ("WORLD.RWX" in the program folder, or
// the file given with --real-weather): read about once a minute and whenever the aircraft
// crosses a whole degree; the nearest report sets time, wind, temperature and pressure at
// once, while visibility, clouds and rain move 1 % per second towards it. A damaged file or
// absurd values give one message and are limited to the weather window's ranges.
#pragma once

namespace orv {

constexpr float RWX_CHECK_EVERY = 60;     // s
constexpr float RWX_APPROACH = 0.01f;     // share of the gap closed each second
constexpr int   RWX_MAX_LINE = 399;       // characters of one report

// Ranges of the weather window that reports are limited to (temperature F, pressure inHg).
constexpr float WX_TEMP_MIN_F = -60, WX_TEMP_MAX_F = 140;
constexpr float WX_BARO_MIN = 28, WX_BARO_MAX = 32;
constexpr float WX_WIND_MAX_KT = 99;

struct real_weather_targets {
    int   in_use;                 // a report of the file drives the weather
    float vis, base, tops, rain;  // where the slow values are heading
    float dewp;                   // dew point, F
    char  station[5];
};

void real_weather_second();       // mod_sec's step: check the file when due, then approach
const real_weather_targets& real_weather_state();
void real_weather_reset();

// Three-digit wind speed (knots) of a report's slash group written ddfff, or -1; its
// direction (degrees) goes to *dir_deg when given.
int  report_wind_kt(const char* report, float* dir_deg);

}  // namespace orv
