#include "app/app_script_flight.h"

#include <cmath>
#include <cstdio>

#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/records.h"
#include "platform/plat_script.h"
#include "flight/autopilot.h"
#include "flight/failures.h"
#include "flight/funct.h"
#include "flight/real_weather.h"
#include "flight/weather_evol.h"

namespace orv {

namespace {

const char* const kApModes[] = {"hdg", "nav1", "nav2", "gps", "alt", "vs", "gs", "spd", "off"};
enum { M_HDG, M_NAV1, M_NAV2, M_GPS, M_ALT, M_VS, M_GS, M_SPD, M_OFF };
const char* const kApTargets[] = {"alt", "vs", "spd", "hdg"};

constexpr float kNavLowMHz = 108.0f, kNavHighMHz = 117.95f;
constexpr float kAdfLowKHz = 190, kAdfHighKHz = 1750;

// Refused values go to the log and the run goes on.
void refuse(const char* what, float v)
{
    char line[160];
    std::snprintf(line, sizeof line, "script: %s: %g refused", what, (double)v);
    mnw_log(line);
    std::fprintf(stderr, "%s\n", line);
}

// v into 0..span, however far outside it lies.
float wrap_into(float v, float span)
{
    const float w = std::fmod(v, span);
    return w < 0 ? w + span : w;
}

int radio_index(float v, const char* what)
{
    if (v == 1 || v == 2) return (int)v - 1;
    refuse(what, v);
    return -1;
}

}  // namespace

const char* const WEATHER_FIELDS[] = {
    "clouds",      // cloud type, 0 none, 1 layer
    "base",        // cloud base, ft above sea level
    "tops",        // cloud tops, ft above sea level
    "vis",         // visibility, nautical miles
    "rain",        // precipitation and thunderstorm level 1..5
    "turb",        // turbulence level 1..5
    "burst",       // microburst probability 1..5
    "wnddir",      // wind direction of every layer, degrees
    "wndspd",      // wind speed of every layer, knots
    "shrdir",      // shear direction spread of every layer, degrees
    "shrspd",      // shear speed of every layer, knots
    "tbl",         // turbulence of every layer 0..9
    "temp",        // sea-level temperature, F
    "baro",        // sea-level pressure, inHg
    "thermals",    // share of the ground with thermals 0..1
    "thermal_vvi", // thermal climb, ft/min
    "rate",        // rate of change: 4 none, 8 random, below 4 worse, above 4 better
    "change_clouds", "change_vis", "change_precip", "change_turb", "change_micro"};
const int WEATHER_FIELD_COUNT = sizeof WEATHER_FIELDS / sizeof *WEATHER_FIELDS;

void script_ap(const float* args, int)
{
    switch ((int)args[0]) {
    case M_HDG: ap_set_lateral(AP_HDG, 1); break;
    case M_NAV1: ap_set_lateral(AP_NAV1, 1); break;
    case M_NAV2: ap_set_lateral(AP_NAV2, 1); break;
    case M_GPS:
        // The GPS course goes to receiver 1's law; it locks at the next tuning.
        ins.lock_GPS = 1;
        ap_set_lateral(AP_NAV1, 1);
        break;
    case M_ALT: ap_set_vertical(AP_ALT, 1); break;
    case M_VS: {
        const float target = ott.vv_hold;
        ap_set_vertical(AP_VS, 1);
        if (target != 0) ott.vv_hold = target;   // a target set before engaging is kept
        break;
    }
    case M_GS: ap_set_vertical(AP_GS, 1); break;
    case M_SPD: ott.ASHOLD = 1; break;
    case M_OFF: ap_disconnect(); break;
    default: break;
    }
}

void script_ap_set(const float* args, int)
{
    const float v = args[1];
    switch ((int)args[0]) {
    case 0: ap_set_alt_ft(v); break;
    case 1: ap_set_vvi_fpm(v); break;
    case 2: ap_set_spd_kt(v); break;
    case 3: nav.hdsel = wrap_into(v, 360); break;
    default: break;
    }
}

void script_nav(const float* args, int)
{
    const int w = radio_index(args[0], "nav receiver");
    if (w < 0) return;
    if (!(args[1] >= kNavLowMHz && args[1] <= kNavHighMHz)) return refuse("nav frequency (MHz)", args[1]);
    nav.nf[w] = round(args[1] * 100);
    setnav(w);
}

void script_obs(const float* args, int)
{
    const int w = radio_index(args[0], "obs receiver");
    if (w < 0) return;
    if (!std::isfinite(args[1])) return refuse("obs course", args[1]);
    nav.obs[w] = wrap_into(args[1], 360);
}

void script_adf(const float* args, int)
{
    if (!(args[0] >= kAdfLowKHz && args[0] <= kAdfHighKHz)) return refuse("adf frequency (kHz)", args[0]);
    nav.adff = round(args[0]);
    setnav(4);
}

void script_fail(const float* args, int)
{
    const float w = args[0];
    if (!(w >= 0 && w < NUM_FAILURES) || w != std::floor(w)) return refuse("failure item (0..31)", w);
    fail_item((int)w, -1);
}

void script_weather(const float* args, int)
{
    const int f = (int)args[0];
    const float v = args[1];
    if (!std::isfinite(v)) return refuse(WEATHER_FIELDS[f], v);
    auto each_layer = [](float* a, float x) { for (int l = 0; l < 9; l++) a[l] = x; };
    switch (f) {
    case 0: atm.cld_type = v != 0; break;
    case 1: atm.baseMSL = v * con.fttomtrs; break;
    case 2: atm.topsMSL = v * con.fttomtrs; break;
    case 3: atm.vis_rep = v * con.nmtomtrs; break;
    case 4: atm.rain_tstm = v; break;
    case 5: atm.wind_tbl = v; break;
    case 6: atm.burst_prob = v; break;
    case 7: each_layer(atm.wnddir, v); break;
    case 8: each_layer(atm.wndspd, v * con.ktstomsc); break;
    case 9: each_layer(atm.shrdir, v); break;
    case 10: each_layer(atm.shrspd, v * con.ktstomsc); break;
    case 11: each_layer(atm.tbl, v); break;
    case 12: atm.temp_SL = fltlim(v, WX_TEMP_MIN_F, WX_TEMP_MAX_F); break;
    case 13: atm.baro = fltlim(v, WX_BARO_MIN, WX_BARO_MAX); break;
    case 14: atm.thermal_part = fltlim(v, 0, 1); break;
    case 15: atm.thermal_vvi = v / con.msctofpm; break;
    case 16: atm.rate_change = fltlim(std::round(v), 1, 8); break;
    case 17: atm.change_clouds = v != 0; break;
    case 18: atm.change_vis = v != 0; break;
    case 19: atm.change_precip = v != 0; break;
    case 20: atm.change_turb = v != 0; break;
    case 21: atm.change_micro = v != 0; break;
    default: return;
    }
    clamp_weather();   // the window's ranges hold for a script too
}

void script_time(const float* args, int)
{
    const float h = args[0];
    if (!std::isfinite(h)) return refuse("time (hours)", h);
    msc.locl_time = wrap_into(h * 3600.0f, 86400);
    msc.zulu_time = wrap_into(msc.locl_time - (float)(round(flt.lon / 15.0f) + 1) * 3600.0f, 86400);
}

void register_flight_script_commands()
{
    static int done;
    if (done) return;
    done = 1;
    register_script_word_command("ap", kApModes, sizeof kApModes / sizeof *kApModes, 0, script_ap);
    register_script_word_command("ap-set", kApTargets, sizeof kApTargets / sizeof *kApTargets, 1, script_ap_set);
    register_script_command("nav", 2, script_nav);
    register_script_command("obs", 2, script_obs);
    register_script_command("adf", 1, script_adf);
    register_script_command("fail", 1, script_fail);
    register_script_word_command("weather", WEATHER_FIELDS, WEATHER_FIELD_COUNT, 1, script_weather);
    register_script_command("time", 1, script_time);
}

}  // namespace orv
