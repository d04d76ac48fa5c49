#include "flight/weather_evol.h"

#include <cmath>

#include "2-QZutils/qz_funct.h"
#include "2-QZutils/records.h"
#include "flight/events.h"
#include "flight/flight_hooks.h"
#include "flight/funct.h"
#include "world/nav_db.h"

namespace orv {

namespace {

constexpr float kShiftEvery = 600;        // s between random-rate shifts
constexpr float kFreezingF = 32;
constexpr float kMinBaseAboveField = 50;  // m
constexpr float kMinLayerFt = 1000;

float change_use = WX_RATE_STEADY;
float next_shift;
int   rain_on, rain_known;

float draw_rate() { return fallout((float)intrand(1, 7), 3, 5); }

float pick_rate()
{
    const float rc = atm.rate_change;
    if (rc == WX_RATE_STEADY) return WX_RATE_STEADY;
    if (rc != WX_RATE_RANDOM) return rc;
    if (msc.elap_time >= next_shift || msc.elap_time < next_shift - kShiftEvery) {
        next_shift = msc.elap_time + kShiftEvery;
        change_use = draw_rate();
        // Bad weather already about: a worsening draw gets one more try per condition.
        const bool bad[5] = {atm.rain_tstm > 2, atm.wind_tbl > 2, atm.burst_prob > 2,
                             atm.baseAGL < 300, atm.vis_rep < 10000};
        for (bool b : bad)
            if (b && change_use < WX_RATE_STEADY) change_use = draw_rate();
    }
    return change_use;
}

// One severity drifts against s when a draw lets it (|s| is the chance per second).
void drift_severity(float* v, float s)
{
    if (std::fabs(s) > fltrand(0, 1)) *v = fltlim(*v - 0.01f * s, WX_SEVERITY_MIN, WX_SEVERITY_MAX);
}

void rain_sound()
{
    const int now = !scn.abovetops && atm.temp_SL > kFreezingF && atm.rain_tstm > 1;
    if (rain_known && now != rain_on) {
        if (now) fh_play(BUF_RAIN, 1);
        else fh_stop(BUF_RAIN);
    }
    rain_on = now;
    rain_known = 1;
}

}  // namespace

float start_airport_elevation()
{
    const int a = msc.loc_apt_wrl;
    return a >= 0 && a < APT_CAP ? apt_h[a] : 0.0f;
}

void clamp_weather()
{
    const float field = start_airport_elevation();
    const float ft = con.fttomtrs;
    if (atm.rain_tstm > 1.5f) atm.cld_type = 1;
    atm.baseMSL = fltlim(atm.baseMSL, field + kMinBaseAboveField, WX_MAX_BASE_FT * ft);
    atm.topsMSL = fltlim(atm.topsMSL, atm.baseMSL + kMinLayerFt * ft, WX_MAX_TOPS_FT * ft);
    atm.baseAGL = atm.baseMSL - field;
    atm.vis_rep = fltlim(atm.vis_rep, WX_VIS_MIN_NM * con.nmtomtrs, WX_VIS_MAX_NM * con.nmtomtrs);
    atm.rain_tstm = fltlim(atm.rain_tstm, WX_SEVERITY_MIN, WX_SEVERITY_MAX);
    atm.wind_tbl = fltlim(atm.wind_tbl, WX_SEVERITY_MIN, WX_SEVERITY_MAX);
    atm.burst_prob = fltlim(atm.burst_prob, WX_SEVERITY_MIN, WX_SEVERITY_MAX);
    const float max_wind = WX_MAX_WIND_KT * con.ktstomsc;
    for (int l = 0; l < 9; l++) {
        // A value far outside (a damaged file) must still land inside, not wrap once.
        float d = std::fmod(atm.wnddir[l], 360.0f);
        atm.wnddir[l] = d < 0 ? d + 360 : d;
        atm.shrdir[l] = fltlim(atm.shrdir[l], 0, WX_MAX_SHEAR_DIR);
        atm.wndspd[l] = fltlim(atm.wndspd[l], 0, max_wind);
        atm.shrspd[l] = fltlim(atm.shrspd[l], 0, max_wind);
        atm.tbl[l] = fltlim(atm.tbl[l], 0, WX_MAX_TURBULENCE);
    }
}

void evolve_weather()
{
    const float rate = pick_rate();
    change_use = rate;
    if (rate != WX_RATE_STEADY) {
        const float s = fltlim((rate - WX_RATE_STEADY) / 3, -1, 1);
        if (atm.change_clouds) {
            atm.topsMSL *= (500 - s) / 500;
            atm.baseMSL *= (500 + s) / 500;
        }
        if (atm.change_vis) atm.vis_rep *= (500 + s) / 500;
        if (atm.change_precip) drift_severity(&atm.rain_tstm, s);
        if (atm.change_turb) drift_severity(&atm.wind_tbl, s);
        if (atm.change_micro) drift_severity(&atm.burst_prob, s);
        if (atm.change_turb) assign_wind_tbl(0.05f);
    }
    rain_sound();
    clamp_weather();
}

float weather_change_rate() { return change_use; }
int   rain_state() { return rain_on; }

void weather_evol_reset()
{
    change_use = WX_RATE_STEADY;
    next_shift = 0;
    rain_on = rain_known = 0;
}

}  // namespace orv
