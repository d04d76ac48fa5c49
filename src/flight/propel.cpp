// propel.cpp -- propulsion: propellers, rotors and jets.
#include "flight/propel.h"

#include <cmath>

#include "2-QZutils/acf_parts.h"
#include "2-QZutils/qz_angles.h"
#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_trk.h"
#include "2-QZutils/records.h"
#include "flight/fltutil.h"
#include "flight/funct.h"

namespace orv {

namespace {

constexpr float POWER_ALT_RATE = 2.306e-05f;   // per metre, density-ratio law of the power
constexpr float CARB_HEAT_ON = 28.0f;          // heat lever position from which heat is on
constexpr float REVERSE_PITCH = -15.0f;
constexpr float FEATHER_PITCH = 80.0f;
constexpr float HELI_WASH_FROM_KT = 15.0f;
// A stopped engine turned by its propeller is motored: friction and the pumping of closed
// throttles hold back a share of the rated torque that is nearly the same at any speed
// (rising a little with the square of it), so a dead engine's windmilling propeller is braked
// and draws the drag it does in a glide. Below a tenth of full speed the floor fades, so the
// friction stops the propeller rather than turning it backwards.
constexpr float MOTORING_FLOOR = 0.16f;        // share of rated torque, at any speed
constexpr float MOTORING_SQUARE = 0.06f;       // more at full speed, with its square
constexpr float MOTORING_FADE = 0.1f;          // speed ratio below which the floor fades

bool dumping() { return set.cycout && trk; }

// Roll and pitch moment (N·m) of the last disc `aprop` worked, from its blades' thrust
// differences across the disc alone: the moment about its hub.
float hub_roll, hub_pitch;

// Braking torque of a stopped engine, as a share of its rated torque, at speed ratio w (the
// propeller's speed over its full speed; negative turning backwards).
float motoring_share(float w)
{
    const float a = std::fabs(w);
    return (MOTORING_FLOOR * fltmin2(a / MOTORING_FADE, 1.0f) + MOTORING_SQUARE * a * a) * (w < 0 ? -1.0f : 1.0f);
}

// Per-engine aircraft values of engine `eng`: a helicopter keeps them all in slot 0.
int slot(int eng) { return pln.is_heli ? 0 : eng; }

// The reverser of an engine is out when the pilot selects it, or on its own when its lock
// has failed.
bool reversing(int eng) { return flt.revving_thrust[eng] || (pln.revthrustEQ && !rel.revlok[eng]); }

}  // namespace

void apropengine(int eng)
{
    const int k = slot(eng);
    const float tac = flt.tac[pln.is_heli ? 0 : eng];
    const float d = std::pow(fltmax2(1.0f - POWER_ALT_RATE * pln.critalt, 0.0f), 4.14f);
    const float sig_e = fltlim(atm.crtsig + 1.0f - d, 0.0f, 1.0f);
    float p_alt = (sig_e - 0.1f) / 0.9f;
    if (pln.entype == 1 && ins.heat < CARB_HEAT_ON) p_alt *= 0.9f;
    const float span = pln.omegamax - pln.omegamin;
    const float r = span > 0.0f ? fltlim((tac - pln.omegamin) / span, 0.0f, 99.0f) : 0.0f;
    const float t0 = pln.omegamax > 0.0f ? pln.pmax / pln.omegamax : 0.0f;
    const float tq_full = t0 * (1.5f * r + 0.5f - r * r);
    const float tq_idle = t0 * (0.01f - r * r);
    float trq;
    if (flt.eng_running[eng])
        trq = p_alt * interp(0.0f, tq_idle, 1.0f, tq_full, std::sqrt(fltmax2(flt.thro[eng], 0.0f))) *
              flt.mixt_powr_rat[eng];
    else
        trq = -t0 * motoring_share(pln.omegamax > 0.0f ? tac / pln.omegamax : 0.0f);
    if (!rel.oilpmp[eng] && trq > 0.0f) trq *= rel.oil_rat;
    if (pln.is_heli && trq < 0.0f) trq = 0.0f;
    trq *= 1.0f - msc.carb_ice[eng];
    flt.trq[eng] = trq;
    flt.power[eng] = trq * tac;
    if (pln.entype == 1 || pln.entype == 2) {
        const float target = interp(0.0f, 0.5f * sig_e * atm.baro, 1.0f, sig_e * pln.mpmax, flt.thro[eng]);
        flt.mpr[eng] += (target - flt.mpr[eng]) * msc.prd;
    }
    const float vc = flt.vertcant[k] * DEG_TO_RAD_F;
    flt.L -= std::cos(vc) * trq * pln.propdir[k];
    flt.N += std::sin(vc) * trq * pln.propdir[k];
}

float dv_total(float dv_total_now, float t, float s, float vgeo)
{
    const float vd = fallout(dv_total_now * 0.5f + vgeo, -1.0f, 1.0f);
    const float den = s * atm.rho * std::fabs(vd);
    const float dvt = den > 0.0f ? t / den : 0.0f;
    return dv_total_now + 0.5f * msc.prd * (dvt - dv_total_now);
}

void aprop(int eng, float X, float Y, float Z)
{
    const float vc = flt.vertcant[eng], sc = flt.sidecant[eng];
    const float svc = std::sin(vc * DEG_TO_RAD_F), cvc = std::cos(vc * DEG_TO_RAD_F);
    const float ssc = std::sin(sc * DEG_TO_RAD_F), csc = std::cos(sc * DEG_TO_RAD_F);
    const float ad = csc * (vc + flt.Alpha), bd = cvc * (sc + flt.Beta);
    const float geo = flt.av * std::cos(ad * DEG_TO_RAD_F) * std::cos(bd * DEG_TO_RAD_F) - flt.Prad * X * svc * csc -
                      flt.Rrad * X * cvc * csc - flt.Rrad * Z * ssc;
    const float dir = pln.propdir[eng] > 0 ? 1.0f : -1.0f;
    const float sin_a = std::sin(ad * DEG_TO_RAD_F) * flt.vaxial, sin_b = std::sin(bd * DEG_TO_RAD_F) * flt.vaxial;
    // 12, 3, 6 and 9 o'clock seen from behind: in-plane free stream, cyclic, and the
    // direction (right, up) from the hub toward the blade.
    const float inplane[4] = {-sin_b * dir, sin_a * dir, sin_b * dir, -sin_a * dir};
    const float cyc[4] = {-dir * pln.ailncyclic * set.FC_roll, dir * pln.elevcyclic * set.FC_ptch,
                          dir * pln.ailncyclic * set.FC_roll, -dir * pln.elevcyclic * set.FC_ptch};
    const float toward_x[4] = {0, 1, 0, -1}, toward_up[4] = {1, 0, -1, 0};
    const float blades = pln.numblades[eng] * 0.25f;
    flt.Dtq[eng] = 0.0f;
    flt.thrust[eng] = 0.0f;
    hub_roll = hub_pitch = 0.0f;
    if (dumping())
        trk << "   PROP HUB LOCATION: x=" << X << " y=" << Y << " z=" << Z << "\n   The prop is turning "
            << (dir > 0 ? "clockwise" : "counter-clockwise")
            << "\n   The angle of attack of the prop disk (0=normal to flight path, 90=parallel to flight path) is " << ad
            << "\n   The sideslip        of the prop disk (0=normal to flight path, 90=parallel to flight path) is " << bd
            << "\n   Geometric airspeed into the disc (before propwash) is " << geo << "\n";
    const float kts = flt.av * con.msctokts;
    const int els = intlim(pln.els[eng], 0, MAX_ELS);
    for (int ring = 0; ring < els; ring++) {
        float dv = 0.5f * flt.ringDVinc[eng][ring];
        if (pln.is_heli && kts > HELI_WASH_FROM_KT) dv *= fltlim(interp(15.0f, 0.8f, 50.0f, 0.5f, kts), 0.5f, 0.8f);
        if (geo < 0.0f) dv *= 0.5f;
        const float dvn = geo + dv;
        const float rarm = get_wing_rarm(eng, ring);
        float ring_thrust = 0.0f;
        for (int pos = 0; pos < 4; pos++) {
            const float rot = rarm * flt.tac[eng] + inplane[pos];
            const float pitch = flt.proppitch[eng] + pln.anginc[eng][ring] + cyc[pos];
            flt.v_el[eng][ring] = std::sqrt(rot * rot + dvn * dvn);
            flt.deldir[eng][ring] = std::atan2(-dvn, rot) / DEG_TO_RAD_F;
            flt.alpha[eng][ring] = flt.deldir[eng][ring] + pitch;
            if (dumping())
                trk << "   " << (pos == 0 ? 12 : pos * 3) << " O'CLOCK AS SEEN FROM AFT LOOKING FORWARDS\n"
                    << "   propwash speed INCREMENT thru ring: " << dv << "\n   TOTAL INCOMING airspeed: " << dvn
                    << "\n   speed due to ROTATION of the prop: " << rot << "\n   total SEGMENT speed: "
                    << flt.v_el[eng][ring] << "\n   corkscrew PATH from disk: " << flt.deldir[eng][ring]
                    << "\n   governor prop PITCH: " << flt.proppitch[eng] << "\n   INCIDENCE this segment: "
                    << pln.anginc[eng][ring] << "\n   pitch after any CYCLIC DEFLECTIONS: " << pitch
                    << "\n   blade element ANGLE OF ATTACK: " << flt.alpha[eng][ring] << "\n";
            float lift, drag, momt;
            F_el_force(0.0f, 0.0f, 0.0f, &lift, &drag, &momt, eng, ring);
            const float T = lift * blades;
            flt.Dtq[eng] += rarm * drag * blades;
            flt.thrust[eng] += T;
            ring_thrust += T;
            const float off = 0.4f * rarm;
            const float px = X + off * toward_x[pos];
            const float py = Y + off * toward_up[pos] * cvc;
            const float pz = Z + off * toward_up[pos] * svc;
            addFaprop(csc * cvc * T, px, py);
            addFsprop(ssc * T, py, pz);
            addFnprop(csc * svc * T, px, pz);
            // the same forces' moments about the hub (the moment laws of addF*prop)
            hub_roll += ssc * T * (py - Y) - csc * svc * T * (px - X);
            hub_pitch -= csc * cvc * T * (py - Y) + csc * svc * T * (pz - Z);
        }
        flt.ringDVinc[eng][ring] = dv_total(flt.ringDVinc[eng][ring], ring_thrust, pln.ringarea[eng][ring], geo);
    }
    flt.DVinc[eng] = dv_total(flt.DVinc[eng], flt.thrust[eng], pln.discarea[eng], geo);
    if (dumping())
        trk << "   Total 'mixed' propwash increase in speed well behind prop is " << flt.DVinc[eng] << "\n";
}

// Propeller speed change of one disc from its net torque, smoothed over the steps.
static float spin_up(float net_torque, float inertia)
{
    const float acc = inertia > 0.0f ? net_torque / inertia : 0.0f;
    flt.propomegadot = (3.0f * flt.propomegadot + acc) * 0.25f;
    return flt.propomegadot;
}

// Collective aircraft: the governor holds the speed of the rotor or propeller that engine
// `eng` drives (speed, rad/s, accelerating at wdot) with that engine's throttle.
static void governor(int eng, float speed, float wdot)
{
    if (rel.thrgov[eng])
        flt.throrequest[eng] =
            fltlim(flt.throrequest[eng] + ((pln.omegamax - speed) * 0.5f - wdot) * msc.prd, 0.0f, 1.0f);
    else
        flt.throrequest[eng] = 1.0f;
}

static void props_heli()
{
    aprop(0, pln.Xarm[0], pln.Yarm[0], pln.Zarm[0]);
    // A teetering rotor carries no moment through its hub. The blades' lift differences
    // across the disc (the cyclic, the advancing blade) flap it instead, and the disc, a
    // gyroscope, tilts a quarter turn later in its sense of turning: stick back tilts it
    // back, the advancing blade blows it back. The body follows that tilt, so the hub's roll
    // and pitch moments act turned by a quarter turn.
    const float turn = pln.propdir[0] > 0 ? 1.0f : -1.0f;
    flt.L += turn * hub_pitch - hub_roll;
    flt.M -= turn * hub_roll + hub_pitch;
    // A failed tail-rotor drive leaves the tail rotor standing: no anti-torque thrust, and
    // no load or inertia of its own on the main rotor.
    const bool tail_driven = rel.trotor != 0;
    if (tail_driven) aprop(1, pln.Xarm[1], pln.Yarm[1], pln.Zarm[1]);
    else flt.thrust[1] = flt.Dtq[1] = flt.DVinc[1] = flt.tac[1] = 0.0f;
    float torque = 0.0f;
    const int n = intlim(pln.numen, 0, 2);
    for (int e = 0; e < n; e++) {
        apropengine(e);
        torque += flt.trq[e];
    }
    const float tail_load = flt.Dtq[1] * pln.trotor_rat;
    const float inertia = pln.miprop[0] + (tail_driven ? pln.miprop[1] * pln.trotor_rat * pln.trotor_rat : 0.0f);
    const float wdot = spin_up(torque - flt.Dtq[0] - tail_load, inertia);
    if (pln.collectEQ || pln.entype == 3)
        for (int e = 0; e < n; e++) governor(e, flt.tac[0], wdot);
    // The disc keeps its plane while the body rolls or pitches under it, and its tilted
    // thrust resists the turn: the rotor damps the roll and pitch rates.
    const float gyro = 0.4f * pln.miprop[0] * flt.tac[0];
    flt.L -= gyro * flt.Prad;
    flt.M -= gyro * flt.Qrad;
    flt.tac[0] += wdot * msc.prd;
    if (!rel.oilpmp[0]) flt.tac[0] *= (rel.oil_rat + 9.0f) / 10.0f;
    if (flt.tac[0] < 0.0f) flt.tac[0] = 0.0f;
    flt.tac[1] = tail_driven ? flt.tac[0] * pln.trotor_rat : 0.0f;
}

void props()
{
    if (pln.is_heli) {
        props_heli();
        return;
    }
    const int n = intlim(pln.numen, 0, NUM_ENGINES);
    for (int e = 0; e < n; e++) {
        apropengine(e);
        aprop(e, pln.Xarm[e], pln.Yarm[e], pln.Zarm[e]);
        if (n == 1) flt.DVinc[1] = flt.DVinc[0];
        const float wdot = spin_up(flt.trq[e] - flt.Dtq[e], pln.miprop[e]);
        if (pln.collectEQ) governor(e, flt.tac[e], wdot);
        else if (pln.varpitchEQ) {
            if (pln.revthrustEQ && reversing(e)) flt.proppitch[e] = REVERSE_PITCH;
            else
                flt.proppitch[e] = fltlim(flt.proppitch[e] + ((flt.tac[e] - flt.prop[e]) * 0.3f + 0.1f * wdot) * msc.prd,
                                          pln.minpitch[e], pln.maxpitch[e]);
            if (n > 1 && std::fabs(flt.prop[e] - pln.omegamingreen) < 1.0f) flt.proppitch[e] = FEATHER_PITCH;
        } else flt.proppitch[e] = 0.0f;
        // Gyroscopic coupling of the spinning propeller (rates in radians per second).
        flt.M -= pln.miprop[e] * flt.tac[e] * flt.Qrad;
        flt.N -= pln.miprop[e] * flt.tac[e] * flt.Prad;
        flt.tac[e] += wdot * msc.prd;
        if (!rel.oilpmp[e]) flt.tac[e] *= (rel.oil_rat + 9.0f) / 10.0f;
    }
}

void jets()
{
    const int n = intlim(pln.numen, 0, NUM_ENGINES);
    const float M = flt.machno;
    for (int e = 0; e < n; e++) {
        const float p = 0.05f + 0.95f * flt.thro[e];
        const float gap = p - flt.parteqlbmthrust[e];
        const float delta = (gap >= 0 ? 1.0f : -1.0f) * std::sqrt(std::fabs(gap));
        float r = 2.0f * delta;
        if (flt.n1_[e] < 25.0f) r = 0.04f;
        if (!flt.eng_running[e]) r = -3.0f * (flt.n1_[e] / 100.0f) * (flt.n1_[e] / 100.0f);
        const float spool = pln.spooltime > 0.0f ? pln.spooltime : 1.0f;
        flt.parteqlbmthrust[e] = fltlim(flt.parteqlbmthrust[e] + r * msc.prd / spool, 0.0f, 1.0f);
        flt.n1_[e] = 100.0f * std::sqrt(flt.parteqlbmthrust[e]);
        float sig = atm.crtsig;
        if (M > 1.0f) sig *= 2.4f * M * M / (0.4f * M * M + 2.0f);
        if (pln.entype == 4) sig *= M < 2.0f ? interp(0, 1, 2, 2, M) : interp(2, 2, 3, 1, M);
        else sig *= M < 1.0f ? interp(0, 1, 1, 1.15f, M) : interp(1, 1.15f, 1.2f, 0.5f, M);
        const float inlet = 0.3f * pln.facejet * flt.Qstatic;
        float T;
        if (flt.eng_running[e]) {
            const float full = pln.tmax * sig, idle = 0.01f * pln.tmax * sig - inlet;
            T = interp(0.0f, idle, 1.0f, full, flt.parteqlbmthrust[e]);
            if (flt.after_burning[e]) T += pln.burnerinc * atm.crtsig;
        } else T = -inlet;
        if (!rel.oilpmp[e]) {
            flt.n1_[e] *= rel.oil_rat;
            T *= rel.oil_rat;
        }
        if (reversing(e)) T *= -0.4f;
        flt.thrust[e] = T;
        const float vc = flt.vertcant[e] * DEG_TO_RAD_F;
        addFaprop(std::cos(vc) * T, pln.Xarm[e], pln.Yarm[e]);
        addFnprop(std::sin(vc) * T, pln.Xarm[e], pln.Zarm[e]);
    }
}

}  // namespace orv
