#include "flight/autopilot.h"

#include <cmath>

#include "2-QZutils/qz_angles.h"
#include "2-QZutils/qz_funct.h"
#include "2-QZutils/records.h"
#include "flight/events.h"
#include "flight/flight_hooks.h"
#include "flight/funct.h"

namespace orv {

namespace {

constexpr float kMaxBank = 30;            // degrees
constexpr float kMaxCut = 30;             // degrees of intercept
constexpr float kCutPerDot = 800;         // degrees x knots per dot
constexpr float kThrottleRate = 0.1f;     // full sweep in 10 s
constexpr float kReciprocalBand = 175;    // degrees: a heading error beyond it is "behind"

// Persistent state of one vertical engagement and of the auto-throttle.
float tune, initial_trim;
int   old_alt;
float o_throt, o_speed;
int   speed_engaged;
int   turn_side;                          // +1 right, -1 left: a turn through the reciprocal

int* lateral_flag(int mode)
{
    switch (mode) {
    case AP_HDG: return &ott.HDSLCT;
    case AP_NAV1: return &ott.NAV[0];
    case AP_NAV2: return &ott.NAV[1];
    default: return nullptr;
    }
}

int* vertical_flag(int mode)
{
    switch (mode) {
    case AP_ALT: return &ott.ALHOLD;
    case AP_VS: return &ott.VVHOLD;
    case AP_GS: return &ott.GS2;
    default: return nullptr;
    }
}

// Step, round to the step, limit; in display units.
float knob(float now, int dir, float step, float lo, float hi)
{
    return fltlim(fltnear(now + (dir > 0 ? step : dir < 0 ? -step : 0), step), lo, hi);
}

bool radio_has_gps(int w) { return w == 0 && plane_has_gps(); }

}  // namespace

void ap_set_lateral(int mode, int on)
{
    int* f = lateral_flag(mode);
    if (!f) return;
    ott.HDSLCT = ott.NAV[0] = ott.NAV[1] = 0;
    *f = on ? 1 : 0;
}

void ap_set_vertical(int mode, int on)
{
    int* f = vertical_flag(mode);
    if (!f) return;
    ott.ALHOLD = ott.VVHOLD = ott.GS2 = 0;
    *f = on ? 1 : 0;
    if (on && mode == AP_VS) ott.vv_hold = flt.vY;
}

void ap_press_lateral(int mode)
{
    if (int* f = lateral_flag(mode)) ap_set_lateral(mode, !*f);
}

void ap_press_vertical(int mode)
{
    int* f = vertical_flag(mode);
    if (!f) return;
    int was = *f;
    ap_set_vertical(mode, !was);
    if (mode == AP_VS) ott.vv_hold = flt.vY;   // the button loads it either way
}

void ap_press_speed() { ott.ASHOLD = !ott.ASHOLD; }

int ap_any_mode()
{
    return ott.HDSLCT || ott.NAV[0] || ott.NAV[1] || ott.ALHOLD || ott.VVHOLD || ott.GS2 ||
           ott.ASHOLD;
}

namespace {
void all_modes_off()
{
    ott.HDSLCT = ott.NAV[0] = ott.NAV[1] = 0;
    ott.ALHOLD = ott.VVHOLD = ott.GS2 = 0;
    ott.ASHOLD = 0;
}
}  // namespace

void ap_disconnect()
{
    all_modes_off();
    if (voice_warnings()) fh_play(BUF_CAUTION, 0);   // the disconnect warning
}

void ap_new_flight()
{
    all_modes_off();
    ap_reset();
}

void ap_knob_alt(int dir)
{
    ott.al_hold = knob(ott.al_hold * con.mtrstoft, dir, AP_ALT_STEP_FT, 0, AP_ALT_MAX_FT) * con.fttomtrs;
}
void ap_knob_vvi(int dir)
{
    ott.vv_hold = knob(ott.vv_hold * con.msctofpm, dir, AP_VVI_STEP_FPM, -AP_VVI_MAX_FPM, AP_VVI_MAX_FPM) /
                  con.msctofpm;
}
void ap_knob_spd(int dir) { ott.as_hold = knob(ott.as_hold, dir, AP_SPD_STEP_KT, 0, AP_SPD_MAX_KT); }

void ap_set_alt_ft(float ft) { ott.al_hold = knob(ft, 0, AP_ALT_STEP_FT, 0, AP_ALT_MAX_FT) * con.fttomtrs; }
void ap_set_vvi_fpm(float fpm)
{
    ott.vv_hold = knob(fpm, 0, AP_VVI_STEP_FPM, -AP_VVI_MAX_FPM, AP_VVI_MAX_FPM) / con.msctofpm;
}
void ap_set_spd_kt(float kt) { ott.as_hold = knob(kt, 0, AP_SPD_STEP_KT, 0, AP_SPD_MAX_KT); }

float ap_desired_heading()
{
    if (ott.HDSLCT) return fltwrap(nav.hdsel, 0, 360);
    const int w = ott.NAV[0] ? 0 : 1;
    float des;
    if (radio_has_gps(w)) des = nav.gps_lock_crs;
    else if (nav.ilsgs[w] == 9) des = nav.obs[w] - (float)env.mvar;
    else des = nav.ilscrs[w];
    des += fltlim(nav.hdef[w] * kCutPerDot / fallout(flt.vind, -1, 1), -kMaxCut, kMaxCut);
    return fltwrap(des, 0, 360);
}

float ap_commanded_bank()
{
    float desphi = fltwrap(ap_desired_heading() - flt.psi, -180, 180);
    // A turn onto the reciprocal keeps the side it started on: heading noise either side of
    // exactly behind would flip the bank every frame and the turn would never start.
    if (std::fabs(desphi) > kReciprocalBand && turn_side * desphi < 0) desphi += 360.0f * turn_side;
    const float g = con.g > 0 ? con.g : 9.8f;
    const float standard = std::atan(flt.v * PI_F / (g * 60.0f)) * con.radtodgr;
    desphi = fltlim(desphi, -standard, standard);
    return fltlim(desphi, -kMaxBank, kMaxBank);
}

void ap_lateral_law(float c_rat)
{
    if (!rel.otto || !(ott.HDSLCT || ott.NAV[0] || ott.NAV[1])) {
        turn_side = 0;
        return;
    }
    const float desphi = ap_commanded_bank();
    const float err = fltwrap(ap_desired_heading() - flt.psi, -180, 180);
    if (std::fabs(err) <= kReciprocalBand) turn_side = 0;
    else if (!turn_side) turn_side = desphi < 0 ? -1 : 1;
    set.YK_roll = (-0.0001f * flt.Pdot + 0.01f * (desphi - flt.phi) - 0.001f * flt.P) * c_rat;
    if (pln.is_heli) set.YK_hdng = (-0.05f * flt.Beta - 0.05f * flt.R) * c_rat;
}

float ap_desired_vvi()
{
    float des = 0;
    if (ott.VVHOLD) des = ott.vv_hold;
    if (ott.ALHOLD) {
        const float lim = std::fabs(ott.vv_hold);
        des = fltlim(0.05f * (ott.al_hold - flt.hind), -lim, lim);
    }
    if (ott.GS2) des = -flt.v * std::sin((2.0f * nav.vdef[1] + nav.ilsgs[1]) * con.dgrtorad);
    return des;
}

void ap_vertical_law(float c_rat)
{
    if (!rel.otto) return;
    if (!(ott.ALHOLD || ott.VVHOLD || ott.GS2)) {
        old_alt = 0;
        return;
    }
    const float prd = msc.prd;
    if (!old_alt) {
        old_alt = 1;
        initial_trim = flt.elv_trim;
        tune = 0;
    }
    const float des_vvi = ap_desired_vvi();
    const float del_v = 0.1f * (des_vvi - flt.vY);
    const float del_a = 0.2f * (0.0f - flt.aY);
    tune += (del_v + del_a) * prd;
    // At a standstill no climb angle exists; the integrator alone then sets the attitude.
    const float ratio = flt.v > 0 ? des_vvi / flt.v : 0.0f;
    const float pitch_des = std::asin(fltlim(ratio, -0.99f, 0.99f)) * con.radtodgr + tune;
    const float pitch_con = pln.is_heli ? 0.1f : 1.0f;
    if (rel.sttrim)
        flt.elv_trim = ((pitch_des - flt.the) * pitch_con * 0.5f - 0.1f * flt.Q) * c_rat + initial_trim;
    if (std::fabs(flt.elv_trim) > 1) tune *= 0.95f;
    flt.elv_trim = fltlim(flt.elv_trim, -1, 1);
}

int ap_speed_law()
{
    if (!rel.otto || !ott.ASHOLD) {
        speed_engaged = 0;
        return 0;
    }
    const float prd = msc.prd > 0 ? msc.prd : 0.05f;
    if (!speed_engaged && !set.thro_pot) set.FC_thro = fltlim(flt.throrequest[0], 0, 1);
    speed_engaged = 1;
    o_throt = set.FC_thro;
    float want = 0.05f * (ott.as_hold - flt.vind) + 0.5f - 0.25f * (flt.vind - o_speed) / prd;
    o_speed = flt.vind;
    const float defmax = kThrottleRate * prd;
    set.YK_thro = fltlim(want, o_throt - defmax, o_throt + defmax);
    return 1;
}

void ap_reset()
{
    tune = initial_trim = 0;
    old_alt = 0;
    o_throt = o_speed = 0;
    speed_engaged = 0;
    turn_side = 0;
}

}  // namespace orv
