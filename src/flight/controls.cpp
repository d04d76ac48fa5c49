#include "flight/controls.h"

#include <cmath>

#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_joy.h"
#include "2-QZutils/records.h"
#include "flight/autopilot.h"
#include "flight/flight_hooks.h"

namespace orv {

namespace {

constexpr float kYokeRate = 4.0f;          // full travel -1..1 in 0.5 s
constexpr float kMouseCentreX = 400, kMouseCentreY = 443, kMousePixelsPerUnit = 100;
constexpr float kThrottleJump = 0.04f;     // a change this large came from a hardware axis
constexpr float kQratMax = 100;
constexpr int   kArmedSpeedbrake = -1;

float fc_old;
int   old_onground;
int   auto_was;   // the auto-throttle drove last frame

float stall_speed() { return msc.est_Vs; }   // m/s

void rate_limit(float* yoke, float axis, float prd)
{
    *yoke += fltlim(axis - *yoke, -kYokeRate * prd, kYokeRate * prd);
}

void helicopter_yaw_damper(float c_rat)
{
    if (!pln.is_heli || set.eq_ped || flt.onground) return;
    const float vs = stall_speed();
    const float s = vs > 0 ? fltlim(flt.vind * con.ktstomsc / vs, 0, 1) : 1.0f;
    const float beta_use = s * flt.Beta;
    const float r_use = (1 - s) * flt.R;
    set.YK_hdng = -(0.02f * beta_use + 0.02f * r_use) * c_rat;
}

// Share of the low-speed law at this speed (the high-speed law takes the rest).
float low_speed_share()
{
    if (pln.AShiV == pln.ASloV) return flt.vind < pln.ASloV ? 1.0f : 0.0f;
    return fltlim(interp(pln.ASloV, 1, pln.AShiV, 0, flt.vind), 0, 1);
}

void artificial_stability(float c_rat)
{
    const float lo = low_speed_share();
    const float hi = 1 - lo;
    const float ptch_trim = 0.5f * flt.elv_trim;
    const float hdng_trim = 0.25f * flt.rud_trim;
    const float roll_trim = 0.1f * flt.ail_trim;
    const float p_lo = ((set.YK_ptch + ptch_trim) * pln.ASmaxp1 - flt.Q) * pln.ASp1;
    const float p_hi = ((set.YK_ptch + ptch_trim) * pln.ASmaxp2 - flt.Alpha) * pln.ASp2;
    const float h_lo = ((set.YK_hdng + hdng_trim) * pln.ASmaxh1 - flt.R) * pln.ASh1;
    const float h_hi = ((set.YK_hdng + hdng_trim) * pln.ASmaxh2 - flt.Beta - flt.R) * pln.ASh2;
    const float r_lo = ((set.YK_roll + roll_trim) * pln.ASmaxr1 - flt.P) * pln.ASr1;
    const float r_hi = ((set.YK_roll + roll_trim) * pln.ASmaxr2 - flt.P) * pln.ASr2;
    const float k = rel.stbaug ? c_rat : 0.0f;
    set.FC_ptch = set.YK_ptch + k * (p_lo * lo + p_hi * hi);
    set.FC_roll = set.YK_roll + k * (r_lo * lo + r_hi * hi);
    set.FC_hdng = set.YK_hdng + (flt.onground ? 0.0f : k) * (h_lo * lo + h_hi * hi);
    set.FC_thro = set.YK_thro;
}

void control_run_failures()
{
    set.FC_ptch = fltlim(set.FC_ptch * rel.hyd_rat * (rel.fc_elv ? 1 : 0), -1, 1);
    set.FC_hdng = fltlim(set.FC_hdng * rel.hyd_rat * (rel.fc_rud ? 1 : 0), -1, 1);
    set.FC_roll = fltlim(set.FC_roll * rel.hyd_rat * (rel.fc_ail ? 1 : 0), -1, 1);
    set.FC_thro = fltlim(set.FC_thro, 0, 1);
}

// The auto-throttle's own movement is no hardware axis: it moves the lever while it flies
// without claiming a throttle that the lever would then follow to idle once it lets go.
void throttle_lever_sync(int auto_throttle)
{
    if (!auto_throttle && std::fabs(set.FC_thro - fc_old) > kThrottleJump) set.thro_pot = 1;
    if (!set.thro_pot && !auto_throttle) return;
    if (set.thro_pot) fc_old = set.FC_thro;
    const int was_dragging = mnw.now_dragging;
    mnw.now_dragging = 0;
    fh_engine_panel_click(THRO_LEVER_DX, round(throttle_lever_y(set.FC_thro)) + THRO_LEVER_DY);
    mnw.now_dragging = was_dragging;
}

void trims()
{
    set.FC_ptch = fltlim(set.FC_ptch + 0.5f * flt.elv_trim, -1, 1);
    set.FC_hdng = fltlim(set.FC_hdng + 0.25f * flt.rud_trim, -1, 1);
    set.FC_roll = fltlim(set.FC_roll + 0.1f * flt.ail_trim, -1, 1);
}

void surface_deflections()
{
    const float p = set.FC_ptch, r = set.FC_roll, h = set.FC_hdng;
    if (pln.ailnEQ) {
        if (r < 0) {
            flt.lailndef = -r * pln.ailn_up;
            flt.railndef = r * pln.ailn_dn;
        } else {
            flt.lailndef = -r * pln.ailn_dn;
            flt.railndef = r * pln.ailn_up;
        }
        const float mix = pln.ailpitch * p - 0.02f * (float)flt.flap * pln.ailflaps;
        flt.lailndef += mix;
        flt.railndef += mix;
    }
    if (pln.splrEQ) {
        flt.lsplrdef = r < 0 ? -r * pln.splr_def : 0.0f;
        flt.rsplrdef = r < 0 ? 0.0f : r * pln.splr_def;
    }
    if (pln.drudEQ) {
        flt.ldruddef = fltmax2(0, -h * pln.drud_def);
        flt.rdruddef = fltmax2(0, h * pln.drud_def);
    }
    float d;
    if (pln.Zarm[10] >= 0) d = p > 0 ? p * pln.elev_up : p * pln.elev_dn;
    else d = p > 0 ? -p * pln.elev_dn : -p * pln.elev_up;   // canard
    flt.lhstbdef = d - r * pln.stabroll + h * pln.stabhdng;
    flt.rhstbdef = d + r * pln.stabroll - h * pln.stabhdng;
    flt.ruddef = -h * pln.rudd_def;
}

void tail_rotor_and_cant()
{
    if (pln.is_heli) {
        // The pedal sense follows the main rotor's direction of turning.
        flt.proppitch[1] = pln.propdir[0] > 0
                               ? interp(-1, pln.maxpitch[1], 1, pln.minpitch[1], set.FC_hdng)
                               : interp(-1, pln.minpitch[1], 1, pln.maxpitch[1], set.FC_hdng);
    }
    for (int i = 0; i < 4; i++) {
        flt.vertcant[i] = pln.vertcant[i];
        flt.sidecant[i] = pln.sidecant[i];
    }
    const float pitch_cyc = pln.elevcyclic * set.FC_ptch;
    const float roll_cyc = pln.ailncyclic * set.FC_roll;
    if (pln.is_heli) {
        flt.vertcant[0] += pitch_cyc;
        flt.sidecant[0] += roll_cyc;
    }
    if (pln.vectEQ && pln.entype != 4 && pln.entype != 5) {
        for (int i = 0; i < 2; i++) {
            flt.vertcant[i] += pitch_cyc;
            flt.sidecant[i] += roll_cyc;
        }
    }
}

void touchdown()
{
    if (flt.onground && !old_onground) {
        if (pln.autofbrkEQ) set.parkbrake = 1;
        if (pln.autosbrkEQ && flt.sbrk == kArmedSpeedbrake) fh_engine_panel_click(SBRK_LEVER_DX, SBRK_LEVER_Y);
        if (ap_any_mode()) {
            // The keyboard's disconnect clicks the heading button off through the panel;
            // without it the modes are cleared here.
            const flight_hooks& h = flight_hook_table();
            if (h.handle_key) h.handle_key('!');
            if (ap_any_mode()) ap_disconnect();
        }
    }
    old_onground = flt.onground;
}

}  // namespace

float control_gain_ratio()
{
    if (pln.is_heli) return 1.0f;
    const float vs = stall_speed();
    if (vs <= 0) return 1.0f;   // no stall speed known: full authority rather than 0/0
    const float q_rat = fltlim(sqr(flt.vind * con.ktstomsc / vs), 1, kQratMax);
    return 1.0f / q_rat;
}

float throttle_lever_y(float fc_thro)
{
    const float idle = pln.revthrustEQ ? 16.0f : 4.0f;
    return interp(0, idle, 1, 52, fc_thro);
}

void controls_reset()
{
    fc_old = 0;
    old_onground = 0;
    auto_was = 0;
    set.thro_pot = 0;
    ap_reset();
}

void update_controls()
{
    const float prd = msc.prd;
    if (msc.mouse_is_joy) {
        set.MK_ptch = (kMouseCentreY - (float)mnw.my) / kMousePixelsPerUnit;
        set.MK_roll = ((float)mnw.mx - kMouseCentreX) / kMousePixelsPerUnit;
    }
    float ptch, roll, hdng, thro;
    JOY_get(&ptch, &roll, &hdng, &thro, 1);
    rate_limit(&set.YK_ptch, ptch, prd);
    rate_limit(&set.YK_roll, roll, prd);
    rate_limit(&set.YK_hdng, hdng, prd);
    rate_limit(&set.YK_thro, thro, prd);

    const float c_rat = control_gain_ratio();
    helicopter_yaw_damper(c_rat);
    ap_lateral_law(c_rat);
    ap_vertical_law(c_rat);
    const int auto_throttle = ap_speed_law();
    // Airspeed hold let go: the throttle is the pilot's axis again, as it stands.
    if (auto_was && !auto_throttle) set.YK_thro = fltlim(thro, 0, 1);
    auto_was = auto_throttle;

    set.YK_ptch = fltlim(set.YK_ptch, -1, 1);
    set.YK_roll = fltlim(set.YK_roll, -1, 1);
    set.YK_hdng = fltlim(set.YK_hdng, -1, 1);
    set.YK_thro = fltlim(set.YK_thro, 0, 1);

    artificial_stability(c_rat);
    control_run_failures();
    throttle_lever_sync(auto_throttle);
    trims();
    surface_deflections();
    tail_rotor_and_cant();
    touchdown();
}

}  // namespace orv
