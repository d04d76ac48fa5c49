// events_sec.cpp -- mod_sec, the events about once a second.
#include "flight/events_sec.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_joy.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/records.h"
#include "flight/events.h"
#include "flight/failures.h"
#include "flight/flight_hooks.h"
#include "flight/funct.h"
#include "flight/real_weather.h"
#include "flight/weather_evol.h"
#include "world/nav_db.h"

namespace orv {

namespace {

constexpr float kCalloutEvery = 2;        // s
constexpr int   kLsoEvery = 4, kRadioEvery = 6;
constexpr float kSlowVisibilityNm = 3.06f;
constexpr int   kSlowSecondsToWarn = 10;
constexpr float kFreezingF = 32;
constexpr float kTropicLat = 30;
constexpr float kLapseCPerFt = 0.00198f;  // standard lapse rate
constexpr float kMaxStrikeNm = 30;
constexpr int   kBoltBranches = 4, kBoltPoints = 20, kBoltFork = 13;

struct sec_state {
    float next_callout;
    int   below50, below25, below10;
    int   tex_known, freezing, tropical, res;
    char  plane_path[400];
    int   lso_count, radio_count;
    int   slow_count, warned;
    float last_fuel_time;
    int   fuel_known;
};
sec_state ss;

const char* const kTerrainTextures[] = {"wat", "grs", "mnt", "grs_wat_h", "grs_wat_c", "wat_grs_c",
                                        "grs_mnt_h", "grs_mnt_c", "mnt_grs_c", "mnt_wat_h", "mnt_wat_c",
                                        "wat_mnt_c"};
const char* const kAirportTextures[] = {
    "rway_0L", "rway_1L", "rway_2L", "rway_3L", "rway_0R", "rway_1R", "rway_2R", "rway_3R",
    "rway_4R", "rway_5R", "rway_6R", "rway_7R", "rway_8R", "rway_9R", "rway_turn", "rway_pave",
    "rway_disp", "rway_thld", "rway_tdzm", "rway_fdmk", "rway_line", "deck", "metal", "dirty",
    "pad", "tower", "hull", "bld_block", "bld_nartop", "bld_tapered", "bld_narbot", "bld_avon",
    "bld_contow", "windsock", "rway_gras", "rway_dirt", "rway_grav", "fire1", "fire2", "fire3",
    "fire4", "fire5", "fire6", "fire7", "fire8", "fire9", "fire10", "fire11", "fire12", "smoke"};

int engines() { return intlim(pln.numen, 0, 4); }

int in_cloud_layer()
{
    return atm.cld_type == 1 && flt.Y > atm.baseMSL && flt.Y < atm.topsMSL;
}

void load_textures(const char* const* names, int n)
{
    const flight_hooks& h = flight_hook_table();
    if (!h.load_texture) return;
    for (int i = 0; i < n; i++) h.load_texture(names[i]);
}

}  // namespace

void sec_markers()
{
    int flag[3] = {0, 0, 0};
    if (!flt.onground && rel.radios) {
        static const float within[3] = {0.004f, 0.003f, 0.002f};
        const int last = intlim(env.navmax, -1, NAV_CAP - 1);
        for (int n = 0; n <= last; n++) {
            const int k = nav_type[n] - NAV_OM;
            if (k < 0 || k > 2 || !nav_inreg[n]) continue;
            if (std::fabs(nav_lat[n] - flt.lat) < within[k] && std::fabs(nav_lon[n] - flt.lon) < within[k])
                flag[k] = 1;
        }
    }
    set_marker_flags(flag[0], flag[1], flag[2]);
}

void sec_callouts()
{
    if (!rel.esystem || !voice_warnings()) return;
    const float now = msc.elap_time;
    if (now < ss.next_callout && ss.next_callout - now <= kCalloutEvery) return;
    ss.next_callout = now + kCalloutEvery;
    const float the = flt.the * con.dgrtorad;
    const float h = ((float)flt.Y - env.localh_cg - pln.mgearZ * std::sin(the) + pln.mgearY * std::cos(the)) *
                    con.mtrstoft;
    const float vs = flt.vY * con.msctofpm;
    if (h < 2500) {
        if (vs < interp(0, -1500, 2500, -7000, h)) fh_play(BUF_PULL_UP, 0);
        else if (vs < interp(0, -1000, 2500, -5000, h)) fh_play(BUF_SINK_RATE, 0);
        else if (!set.gear_handle && h < 500 && vs < 0 && flt.vind < pln.Vfe) fh_play(BUF_GEAR, 0);
    }
    const int b50 = h < CALLOUT_50, b25 = h < CALLOUT_25, b10 = h < CALLOUT_10;
    if (!flt.onground) {
        if (b10 && !ss.below10) fh_play(BUF_10FT, 0);
        if (b25 && !ss.below25) fh_play(BUF_25FT, 0);
        if (b50 && !ss.below50) fh_play(BUF_50FT, 0);
    }
    ss.below50 = b50;
    ss.below25 = b25;
    ss.below10 = b10;
}

void sec_texture_set()
{
    const int freezing = atm.temp_SL <= kFreezingF;
    const int tropical = std::fabs(flt.lat) < kTropicLat;
    if (!ss.tex_known) {
        // Start-up loaded the set that fits; only later changes reload.
        ss.tex_known = 1;
    } else {
        const int res_changed = ogl_res != ss.res;
        const flight_hooks& h = flight_hook_table();
        if ((std::strcmp(pln.C_path, ss.plane_path) != 0 || res_changed) && h.reload_plane_geo)
            h.reload_plane_geo();
        if (freezing != ss.freezing || tropical != ss.tropical || res_changed)
            load_textures(kTerrainTextures, sizeof kTerrainTextures / sizeof *kTerrainTextures);
        if (res_changed) load_textures(kAirportTextures, sizeof kAirportTextures / sizeof *kAirportTextures);
    }
    ss.freezing = freezing;
    ss.tropical = tropical;
    ss.res = ogl_res;
    std::snprintf(ss.plane_path, sizeof ss.plane_path, "%s", pln.C_path);
}

void sec_atc()
{
    const flight_hooks& h = flight_hook_table();
    if (h.atc_second) h.atc_second();
    if (++ss.lso_count >= kLsoEvery) {
        ss.lso_count = 0;
        if (h.lso_respond) h.lso_respond();
    }
}

void sec_radios()
{
    if (++ss.radio_count < kRadioEvery) return;
    ss.radio_count = 0;
    if (!plane_has_gps()) setnav(0);
    setnav(1);
    setnav(4);
    if (plane_has_gps()) setnav(5);
    const flight_hooks& h = flight_hook_table();
    if (h.layout_smoke) h.layout_smoke();
}

void sec_frame_guard()
{
    if (mnw.menu_up >= 0 || in_cloud_layer()) return;
    const float allowed = (atm.cld_type == 1 && flt.Y > atm.topsMSL) ? 0.05f : 1.0f / 11.0f;
    if (msc.prd > allowed) {
        ss.slow_count++;
        if (atm.vis_rep * atm.vis_mult > kSlowVisibilityNm * con.nmtomtrs) atm.vis_mult *= 0.96f;
    } else if (msc.prd < 0.75f * allowed) {
        ss.slow_count = 0;
        if (atm.vis_mult < 0.99f) atm.vis_mult *= 1.02f;
    }
    if (ss.slow_count > kSlowSecondsToWarn && msc.warn_frame && !ss.warned) {
        ss.warned = 1;
        MACIBM_alert("Warning: The simulator is running too slow for smooth animation and accurate flight dynamics. You should lower the graphics load in the 'Set Rendering Options' window.",
                     "The simulator will maintain smooth animation by reducing the visibility, allowing a higher frame rate for smoother animation.",
                     "Remember, it is possible to set the visibility too high for almost ANY CPU... this insures that you can ask for all the visibility that YOUR CPU can handle!",
                     "To avoid this warning again, reduce the visibility, or go to the 'Warnings' item in the 'Settings' menu.",
                     ALERT_NOTE);
    }
}

void sec_stick_vibration()
{
    JOY_force(FORCE_ROTOR, 0, 0, (int)(75 * flt.Qratio));
    float shake = 0;
    if (pln.is_heli && pln.omegamax > 0) shake = 20 * fltlim(flt.tac[0] / pln.omegamax, 0, 1);
    else if (engines() && pln.omegamax > 0 && pln.entype >= 1 && pln.entype <= 3)
        shake = 5 * fltlim(flt.tac[0] / pln.omegamax, 0, 1);
    shake += 10 * fltlim(flt.Qratio, 0, 1);
    JOY_force(FORCE_ENGINE, (int)shake, 10 + (int)(10 * fltlim(flt.Qratio, 0, 1)), 0);
}

void sec_fuel()
{
    const float now = msc.elap_time;
    // A new flight or the day's wrap: start counting from now.
    float dt = ss.fuel_known ? now - ss.last_fuel_time : 0.0f;
    if (dt < 0 || dt > 10) dt = 0;
    ss.last_fuel_time = now;
    ss.fuel_known = 1;
    for (int e = 0; e < engines(); e++) {
        flt.m_fuel -= flt.ff_[e] * dt;
        flt.eng_running[e] = flt.m_fuel > 0.01f && flt.mixt_powr_rat[e] > 0.01f && rel.engine[e];
    }
    flt.m_fuel = fltlim(flt.m_fuel, 0, pln.m_fuel);
}

float air_temp_c()
{
    return (atm.temp_SL - 32) * 5.0f / 9.0f - kLapseCPerFt * (float)flt.Y * con.mtrstoft;
}

void sec_icing()
{
    const float t = air_temp_c();
    if (t >= -20 && t <= 0 && in_cloud_layer()) msc.frame_ice += 0.00333f;
    if (t > 0) msc.frame_ice -= 0.000333f * t;
    if (rel.antice && ins.antiice_on) msc.frame_ice -= 0.01f;
    msc.frame_ice = fltmax2(msc.frame_ice, 0);

    if (pln.entype == 1 && !flt.onground && t >= -5 && t <= 25 && ins.heat > CARB_HEAT_OFF_ABOVE) {
        // The green arc is loaded as propeller speed in rad/s, the unit of flt.tac.
        for (int e = 0; e < engines(); e++) {
            const float w = flt.tac[e];
            if (w >= 0.5f * pln.omegamingreen && w <= pln.omegamingreen) msc.carb_ice[e] += 0.005f;
        }
    }
    if (ins.heat < CARB_HEAT_OFF_ABOVE) {
        for (int e = 0; e < engines(); e++) {
            if (flt.tac[e] > pln.omegamingreen) msc.carb_ice[e] -= 0.01f;
            msc.carb_ice[e] -= 0.2f;
        }
    }
    for (int e = 0; e < 4; e++) msc.carb_ice[e] = fltlim(msc.carb_ice[e], 0, 1);
}

void sec_lightning()
{
    if (!(atm.rain_tstm > 1 && atm.temp_SL > kFreezingF)) return;
    const float dist_nm = fltrand(0, kMaxStrikeNm);
    const float brg = fltrand(0, 360) * con.dgrtorad;
    const double sx = flt.X + dist_nm * con.nmtomtrs * std::sin(brg);
    const double sz = flt.Z - dist_nm * con.nmtomtrs * std::cos(brg);
    if (!(radar_value(sx, sz) * atm.rain_tstm > 2 && flt.Y < atm.topsMSL)) return;
    const float ground = env.localh_cg;
    float x = (float)sx, y = ground + 3000, z = (float)sz;
    for (int b = 0; b < kBoltBranches; b++) {
        if (b > 0) {
            x = atm.lightXYZ[b - 1][kBoltFork][0];
            y = atm.lightXYZ[b - 1][kBoltFork][1];
            z = atm.lightXYZ[b - 1][kBoltFork][2];
        }
        const float unit = 0.05f * (y - ground);
        for (int p = 0; p < kBoltPoints; p++) {
            atm.lightXYZ[b][p][0] = x;
            atm.lightXYZ[b][p][1] = y;
            atm.lightXYZ[b][p][2] = z;
            y -= fltrand(0.5f, 1.5f) * unit;
            x += fltrand(-0.5f, 0.5f) * unit;
            z += fltrand(-0.5f, 0.5f) * unit;
        }
    }
    atm.strike_stop_time = msc.elap_time + fltrand(0.2f, 0.6f);
    const float loud = dist_nm > 0 ? 5 / dist_nm : 1.0f;
    if (loud > 0.3f) {
        fh_volume(BUF_THUNDER, fltlim(loud, 0.3f, 1));
        fh_play(BUF_THUNDER, 0);
    }
}

void sec_gravity()
{
    const float r = con.rearth + (float)flt.Y;
    atm.g = r > 0 ? con.muearth / (r * r) : con.g;
}

void sec_speed_limits()
{
    if (pln.is_heli) return;
    const float ias = pln.asi_units == 2 ? flt.vind : flt.vind * 1.15f;
    if (ias > 1.1f * pln.Vne && msc.warn_overspeed && !flt.over_vne) {
        flt.over_vne = 1;
        MACIBM_alert("You just busted the redline speed.", "I shall now remove a critical flying surface.",
                     "Enjoy the ride down.",
                     "(To avoid this occurrence again, you can fly more slowly or select the 'Warnings' item in the 'Settings' menu).",
                     ALERT_NOTE);
    }
    if (flt.flaprequest <= 0) flt.over_vfe = 0;
    else if (ias > pln.Vfe && msc.warn_flaps && !flt.over_vfe) {
        flt.over_vfe = 1;
        MACIBM_alert("You just extended the flaps above Vfe.", "", "",
                     "(To avoid this occurrence again, you can fly right or go to the 'Warnings' item in the 'Settings' menu.",
                     ALERT_NOTE);
    }
}

int frame_warning_given() { return ss.warned; }
int slow_seconds() { return ss.slow_count; }

void events_sec_reset()
{
    std::memset(&ss, 0, sizeof ss);
    weather_evol_reset();
    real_weather_reset();
}

void mod_sec()
{
    sec_markers();
    sec_callouts();
    sec_texture_set();
    sec_atc();
    sec_radios();
    real_weather_second();
    sec_frame_guard();
    evolve_weather();
    sec_stick_vibration();
    sec_fuel();
    sec_icing();
    draw_failures();
    update_pressures();
    sec_lightning();
    sec_gravity();
    sec_speed_limits();
}

}  // namespace orv
