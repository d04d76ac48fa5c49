// fltcalc.cpp -- force and moment build-up.
#include "flight/fltcalc.h"

#include <cmath>

#include "2-QZutils/acf_parts.h"
#include "2-QZutils/qz_angles.h"
#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_trk.h"
#include "2-QZutils/records.h"
#include "flight/events.h"
#include "flight/flight_hooks.h"
#include "flight/fltutil.h"
#include "flight/funct.h"
#include "flight/propel.h"
#include "world/terrain_grid.h"

namespace orv {


namespace {

constexpr float FUSE_LIFT_SLOPE = 0.27f;   // body lift and side coefficient at 90 degrees
constexpr float FUSE_ANGLE_LIMIT = 15.0f;
constexpr float FAIRING_CD = 0.05f;
// A body behind a propeller (fuselage in the propwash, nacelle) meets the slipstream at the
// speed it has through the disc, half the far wake's increment by momentum theory: the far
// wake's full increment is reached only about a diameter behind the disc, and by then it is
// mixing out with the air round it. Taking the far wake over the whole body counted the
// slipstream's scrubbing twice at full power, where the increment is largest.
constexpr float SLIPSTREAM_AT_BODY = 0.5f;
constexpr float HARD_TOUCH_VY = -2.54f;    // m/s: a touchdown heard as a thump
// A fresh flight sets the aircraft just above what it stands on; its legs settling there in
// the first moments are not a landing and make no sound.
constexpr float START_SETTLE_S = 1.0f;
// A leg chattering over rough ground leaves it for a step or two at a time: a touchdown is
// heard only when the contact was clear of the ground for this long.
constexpr float TOUCH_REARM_S = 0.3f;
// Contact points are looked for only while the aircraft is within this much of what is under
// it beyond its own reach (terrain under the points may rise above the ground under the CG).
constexpr float CONTACT_MARGIN = 30.0f;

int asym_side;            // 35 or 36 once drawn
float contact_reach;      // farthest contact point from the centre of gravity, m
float clear_since[9];     // msc.init_time when each contact point last left the ground

bool dumping() { return set.cycout && trk; }

float part_side(int p) { return (p == 4 || p == 6 || p == 8 || p == 10) ? -1.0f : 1.0f; }

}  // namespace

float wash_share(float th, float lo, float mx, float hi)
{
    if (th > lo && th < mx) return (th - lo) / (mx - lo);
    if (th > mx && th < hi) return (hi - th) / (hi - mx);
    return 0.0f;
}

namespace {

void rotate_to_earth(float f, float r, float u, float sps, float cps, float sth, float cth, float sph, float cph,
                     float* north, float* east, float* up)
{
    const float r1 = r * cph + u * sph;
    const float u1 = -r * sph + u * cph;
    const float f2 = f * cth - u1 * sth;
    const float u2 = f * sth + u1 * cth;
    *north = f2 * cps - r1 * sps;
    *east = f2 * sps + r1 * cps;
    *up = u2;
}

void body_point(int p, int s, int k, float* x, float* y, float* z)
{
    float xos, yos, zos;
    get_body_os(p, &xos, &yos, &zos);
    *x = xos + pln.body_X[p][s][k];
    *y = yos + pln.body_Y[p][s][k];
    *z = zos + pln.body_Z[p][s][k];
}

float compute_reach()
{
    float r = 1.0f;
    auto take = [&](float x, float y, float z) { r = fltmax2(r, std::sqrt(x * x + y * y + z * z)); };
    for (int p = 18; p <= 24; p++) {
        if (!have_this_part(p)) continue;
        for (int s = 0; s < f_body_s_dim(p); s++)
            for (int k = 0; k < f_body_r_dim(p); k++) {
                float x, y, z;
                body_point(p, s, k, &x, &y, &z);
                take(x, y, z);
            }
    }
    for (int p = 4; p <= 13; p++)
        if (have_this_part(p))
            take(get_wing_Xarm(p, pln.semilen[p]), get_wing_Yarm(p, pln.semilen[p]), get_wing_Zarm(p, pln.semilen[p]));
    take(pln.mgearX, pln.mgearY - pln.wheelrad, pln.mgearZ);
    take(0, pln.ngearY - pln.wheelrad, pln.ngearZ);
    take(pln.skidX, pln.skidY, std::fabs(pln.skidZ) + 0.5f * pln.skidl);
    return r;
}

// Height of the water surface at (x, z), with the waves.
float water_height(float x, float z)
{
    int i, j;
    float h = find_local_h(x, z, &i, &j, 0);
    if (atm.wave_amp > 0.0f && atm.wave_length > 0.0f) {
        const float along = x * isin(atm.wave_dir) - z * icos(atm.wave_dir);
        h += atm.wave_amp * std::sin(2.0f * PI_F * (along - atm.wave_speed * msc.init_time) / atm.wave_length);
    }
    return h;
}

bool over_water()
{
    const int i = intlim(env.i_viewpoint, 0, TER_I - 1), j = intlim(env.j_viewpoint, 0, TER_J - 1);
    return on_water[i][j] != 0;
}

bool over_deck() { return env.over_carr || env.over_frig || env.over_obs; }

// Height of what the aircraft would land on under its centre of gravity: a ship's deck or an
// obstacle's top where it is over one (they stand in water cells and far above the terrain).
float surface_under_cg()
{
    if (!over_deck()) return env.localh_cg;
    int i, j;
    return fltmax2(env.localh_cg, find_local_h((float)flt.X, (float)flt.Z, &i, &j, 1));
}

void touch_event(int point, int was, int now, int sound, int strength, int duration)
{
    if (!now && was) clear_since[point] = msc.init_time;
    if (now && !was) {
        const bool heard = msc.init_time > START_SETTLE_S && msc.init_time - clear_since[point] > TOUCH_REARM_S;
        if (heard) fh_play(sound, 0);
        fh_joy_effect(JOY_JOLT, strength, intrand(0, 359), duration);
    }
}

void contacts()
{
    if (contact_reach <= 0.0f) contact_reach = compute_reach();
    flt.onground = 0;
    for (int w = 0; w < 3; w++) flt.gearf[w] = 0;
    const bool low = (float)flt.Y - surface_under_cg() < contact_reach + CONTACT_MARGIN;
    const bool water = over_water();
    const bool open_water = water && !over_deck();
    int touch[9] = {};
    if (low) {
        if (pln.gear_type >= 3) {
            const float yn = pln.ngearY - pln.wheelrad, ym = pln.mgearY - pln.wheelrad;
            if (pln.gear_stat[0]) touch[0] = handle_contact_point(0, 0.0f, yn, pln.ngearZ);
            if (pln.gear_stat[1]) touch[1] = handle_contact_point(1, -pln.mgearX, ym, pln.mgearZ);
            if (pln.gear_stat[2]) touch[2] = handle_contact_point(2, pln.mgearX, ym, pln.mgearZ);
        } else if (pln.gear_type == 2) {
            const float h = 0.5f * pln.skidl;
            touch[3] = handle_contact_point(3, -pln.skidX, pln.skidY, pln.skidZ - h);
            touch[4] = handle_contact_point(4, -pln.skidX, pln.skidY, pln.skidZ + h);
            touch[5] = handle_contact_point(5, pln.skidX, pln.skidY, pln.skidZ - h);
            touch[6] = handle_contact_point(6, pln.skidX, pln.skidY, pln.skidZ + h);
        }
        for (int p = 4; p <= 13; p++)
            if (have_this_part(p))
                touch[8] |= handle_contact_point(8, get_wing_Xarm(p, pln.semilen[p]), get_wing_Yarm(p, pln.semilen[p]),
                                                 get_wing_Zarm(p, pln.semilen[p]));
        // On open water the hulls float on their points instead of resting on the surface;
        // on a deck they rest on it like anywhere on land.
        for (int p = 18; p <= 24 && !open_water; p++) {
            if (!have_this_part(p)) continue;
            for (int s = 0; s < f_body_s_dim(p); s++)
                for (int k = 0; k < f_body_r_dim(p); k++) {
                    float x, y, z;
                    body_point(p, s, k, &x, &y, &z);
                    touch[7] |= handle_contact_point(7, x, y, z);
                }
        }
        if (water) {
            const float wh = water_height((float)flt.X, (float)flt.Z);
            for (int p : {18, 23, 24}) {
                if (!have_this_part(p)) continue;
                for (int s = 0; s < f_body_s_dim(p); s++)
                    for (int k = 0; k < f_body_r_dim(p); k++) {
                        float x, y, z;
                        body_point(p, s, k, &x, &y, &z);
                        handle_float_point(p, s, k, x, y, z, wh);
                    }
            }
        }
    }
    if (flt.wired) addFagear(-flt.m_total * flt.trap_accel, 0.0f, 0.2f * pln.mgearY);
    const bool rough = env.surf_type >= 75 && env.surf_type <= 78;
    for (int w = 0; w < 3; w++) {
        const int strength = flt.m_total > 0 ? intlim_of(flt.gearf[w] / flt.m_total * 200.0f, 0, 300) : 0;
        const int sound = flt.vY < HARD_TOUCH_VY ? BUF_CRASH : (rough ? BUF_TOUCH_ROUGH : BUF_TOUCH_RUNWAY);
        touch_event(w, flt.gear_touch[w], touch[w], sound, strength, 300);
    }
    touch_event(7, flt.gear_touch[7] || flt.gear_touch[8], touch[7] || touch[8], open_water ? BUF_TOUCH_WATER : BUF_CRASH,
                100, 250);
    for (int w = 0; w < 9; w++) flt.gear_touch[w] = touch[w];
}

// Lift, drag and moment of every element of the present parts 4..17; wash[] collects the
// downwash each part sheds.
void surfaces(float wash[NUM_PARTS])
{
    const bool propwash = pln.entype >= 1 && pln.entype <= 3;
    for (int part = 4; part <= 17; part++) {
        if (!have_this_part(part)) continue;
        const float s = part_side(part);
        const float G = pln.dihed[part] * DEG_TO_RAD_F, sG = std::sin(G), cG = std::cos(G);
        const float sweep_e = flt.Alpha * std::fabs(sG) + s * flt.Beta * cG + pln.sweepnow[part];
        const float Vn = std::fabs(std::cos(sweep_e * DEG_TO_RAD_F) * flt.av);
        const bool wing = part <= 9, hstab = part == 10 || part == 11, vstab = part == 12 || part == 13;
        const bool left = s < 0;
        const int els = intlim(pln.els[part], 0, MAX_ELS);
        if (dumping()) trk << "\n" << part_name(part) << ":\n";
        for (int j = 0; j < els; j++) {
            const float rarm = get_wing_rarm(part, j);
            const float X = get_wing_Xarm(part, rarm), Y = get_wing_Yarm(part, rarm), Z = get_wing_Zarm(part, rarm);
            const float a = flt.Alpha * cG + pln.anginc[part][j] - flt.Beta * s * sG;
            flt.deldir[part][j] = -a;
            float u = Vn * std::cos(a * DEG_TO_RAD_F), w = Vn * std::sin(a * DEG_TO_RAD_F);
            if (dumping())
                trk << "   element x=" << X << "\n   element y=" << Y << "\n   element z=" << Z
                    << "\n   After incidence, dihedral, and sweep, alpha=" << a
                    << "\n   vector form, BEFORE aircraft rotational velocities: V=" << u << "," << w << "\n";
            u -= Y * flt.Qrad + X * flt.Rrad;
            w += (Z * flt.Qrad + X * flt.Prad) * cG;
            w += (Y * flt.Prad - Z * flt.Rrad) * std::fabs(s * sG);
            if (dumping()) trk << "   vector form, AFTER  aircraft rotational velocities: V=" << u << "," << w << "\n";
            if (propwash)
                for (int k = 0; k < pln.numen && k < NUM_ENGINES; k++) {
                    if (!pln.in_propwash[part][k][j]) continue;
                    const float vc = flt.vertcant[k] * DEG_TO_RAD_F, dv = flt.DVinc[k];
                    const float th = std::atan2(flt.av * flt.sinalph - std::sin(vc) * dv,
                                                std::cos(vc) * dv + flt.av * flt.cosalph) / DEG_TO_RAD_F;
                    const float f = wash_share(th, pln.lo_washdir[part][k], pln.max_washdir[part][k],
                                               pln.hi_washdir[part][k]);
                    if (vstab) u += dv * f;
                    else {
                        w -= std::sin(vc) * dv * f;
                        u += std::cos(vc) * dv * f;
                    }
                    if (dumping())
                        trk << "   The propwash from engine #" << k + 1 << " is " << dv << " m/s at share " << f
                            << "\n   The speed increment due to propwash is therefore" << dv * f
                            << "\n   Vector form AFTER propwash is: V=" << u << "," << w << "\n";
                }
            flt.v_el[part][j] = std::sqrt(u * u + w * w);
            flt.alpha[part][j] = std::atan2(w, u) / DEG_TO_RAD_F + flt.downwash[part][j];
            flt.deldir[part][j] += flt.alpha[part][j];
            if (dumping())
                trk << "   The alpha increment due to downwash is" << flt.downwash[part][j]
                    << "\n   The change in infinite flow direction due to rotation rates, propwash, and downwash is"
                    << flt.deldir[part][j] << "\n";
            if (hstab) {
                if (pln.hstabtype == 1) {
                    flt.alpha[part][j] -= left ? flt.lhstbdef : flt.rhstbdef;
                    if (dumping()) trk << "   The alpha increment due hstab def=" << -(left ? flt.lhstbdef : flt.rhstbdef) << "\n";
                }
                if (pln.hstbtrimmax > 0.01f) {
                    const float t = pln.Zarm[10] >= 0.0f ? -1.0f : 1.0f;
                    flt.alpha[part][j] += flt.elv_trim * pln.hstbtrimmax * t;
                    if (dumping()) trk << "   The alpha increment due hstab trim=" << flt.elv_trim * pln.hstbtrimmax * t << "\n";
                }
            }
            float modcl = 0, modcd = 0, modcm = 0, dalpha = 0;
            auto control = [&](int kind, float rat, float def, bool induces, const char* name) {
                float cl, cd, cm;
                set_con_eff(part, kind, rat, def, &cl, &cd, &cm, name);
                modcl += cl;
                modcd += cd;
                modcm += cm;
                if (induces) dalpha += induce_alpha(cl, part);
            };
            if (wing) {
                if (pln.ailn[part][j]) control(CON_PLAIN, pln.ailn_crat, left ? flt.lailndef : flt.railndef, true, "AILERON");
                if (pln.splr[part][j])
                    control(CON_SPOILER, pln.splr_crat, left ? flt.lsplrdef : flt.rsplrdef, false, "SPOILER");
                if (pln.sbrk[part][j] && flt.sbrk >= 1)
                    control(CON_SPEEDBRAKE, pln.sbrk_crat, flt.sbrk * pln.sbrk_def * 0.5f, false, "SPEEDBRAKE");
                if (pln.drud[part][j])
                    control(CON_DRAGRUDDER, pln.drud_crat, left ? flt.ldruddef : flt.rdruddef, false, "DRAG-RUDDER");
            }
            if (hstab && pln.hstabtype == 0 && pln.elev[part][j])
                control(CON_PLAIN, pln.elev_crat, left ? flt.lhstbdef : flt.rhstbdef, true, "ELEVATOR");
            if (vstab && pln.rudd[part][j]) control(CON_PLAIN, pln.rudd_crat, flt.ruddef, true, "RUDDER");
            if (pln.flap[part][j] && flt.flap >= 1) {
                bool acts = true;
                if (!rel.symflp) acts = (asym_flap_side() == 36) == left;
                if (acts) {
                    const int f = intlim(flt.flap, 0, FLAP_SETTINGS - 1);
                    modcl += pln.clflap[f];
                    modcd += pln.cdflap[f];
                    modcm += pln.cmflap[f];
                    dalpha += induce_alpha(pln.clflap[f], part);
                    if (dumping())
                        trk << "   FLAP COEFF INC: cl incmntd by" << pln.clflap[f] << ", cd incmntd by" << pln.cdflap[f]
                            << ", cm incmntd by" << pln.cmflap[f] << ". (def=" << f / 50.0f << ", 1=full deployment)\n";
                }
            }
            flt.alpha[part][j] += dalpha;
            if (dumping())
                trk << "   Effective alpha increased" << dalpha
                    << " deg by all combined lift-incrementation devices up to final alpha of" << flt.alpha[part][j]
                    << "\n   Finally, surface is at an alpha of" << flt.alpha[part][j] << "\n";
            float lift, drag, momt;
            const float cl = F_el_force(modcl, modcd, modcm, &lift, &drag, &momt, part, j);
            addFaero(-drag, -lift * s * sG, lift * cG, X, Y, Z);
            flt.M += momt * cG;
            flt.N -= momt * s * sG;
            const float g = flt.stalled[part] ? std::fabs(std::sin(2.0f * msc.elap_time)) : 1.0f;
            wash[part] += g * pln.spec_wash[part] * cl / (float)els;
        }
        if (dumping()) aeroforcerep();
    }
}

void downwash_distribution(const float wash[NUM_PARTS])
{
    for (int d = 4; d <= 11; d++)
        for (int e = 0; e < MAX_ELS; e++) {
            float sum = 0.0f;
            for (int c = 4; c <= 11; c++)
                if (pln.in_downwash[d][c][e]) sum += wash[c];
            flt.downwash[d][e] = -sum;
        }
}

void bodies()
{
    const float rho = atm.rho;
    {
        const float V = pln.fusewash ? flt.av + SLIPSTREAM_AT_BODY * flt.DVinc[0] : flt.av;
        const float q = 0.5f * rho * V * V;
        const float af = fltlim(flt.Alpha, -FUSE_ANGLE_LIMIT, FUSE_ANGLE_LIMIT);
        const float bf = fltlim(flt.Beta, -FUSE_ANGLE_LIMIT, FUSE_ANGLE_LIMIT);
        const float lift = FUSE_LIFT_SLOPE * af / 90.0f * pln.fuse_s_top * q;
        const float side = FUSE_LIFT_SLOPE * bf / 90.0f * pln.fuse_s_sid * q;
        const float del = std::sqrt(af * af + bf * bf);
        const float cd = pln.fuse_cd + (FUSE_LIFT_SLOPE - pln.fuse_cd) * del / 90.0f;
        const float area = pln.fuse_s_frn + ((pln.fuse_s_top + pln.fuse_s_sid) * 0.5f - pln.fuse_s_frn) * del / 90.0f;
        const float drag = cd * area * q;
        addFaero(-drag, side, lift, 0.0f, pln.fuseYcent, pln.fuseZcent);
        if (dumping())
            trk << "FUSELAGE:\n   fuse speed                       =" << V << "\n   fuse lift                        ="
                << lift << "\n   fuse side force                  =" << side << "\n   fuse drag                        ="
                << drag << "\n";
    }
    for (int p = 19; p <= 27; p++) {
        if (!have_this_part(p)) continue;
        float cd, area, V = flt.av;
        if (p <= 22) {
            if (pln.entype == 4 || pln.entype == 5) continue;
            cd = pln.entype == 3 ? pln.fuse_cd : 2.0f * pln.fuse_cd;
            area = pln.nace_s;
            V = flt.av + SLIPSTREAM_AT_BODY * flt.DVinc[p - 19];
        } else if (p <= 24) {
            cd = pln.fuse_cd;
            area = pln.misc_s;
        } else {
            cd = FAIRING_CD;
            area = pln.fair_s;
        }
        const float drag = 0.5f * rho * V * V * cd * area;
        addFaero(-drag, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f);
        if (dumping())
            trk << part_name(p) << "\n   cd     =" << cd << "\n   area   =" << area << "\n   speed  =" << V
                << "\n   drag   =" << drag << "\n";
    }
    if (pln.gear_type >= 3)
        for (int leg = 0; leg < 3; leg++) {
            if (!pln.gear_stat[leg]) continue;
            float area = 1.6f * pln.wheelrad * pln.wheelrad;
            if (pln.fair_eq) area *= 0.1f;
            const float drag = 0.25f * area * flt.Qstatic;
            addFaero(-drag, 0.0f, 0.0f, 0.0f, pln.mgearY, pln.mgearZ);
            if (dumping()) trk << "Gear tire: drag=" << drag << " N\n";
        }
    if (pln.fbrkEQ && flt.sbrk >= 1) {
        const float drag = pln.brake_area * flt.Qstatic * (flt.sbrk * 0.5f) * 1.23f;
        addFaero(-drag, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f);
        if (dumping()) trk << "   Fuselage-mounted speedbrakes adding" << drag << " N of drag\n";
    }
    if (pln.chuteEQ && ins.chute_on) {
        const float drag = pln.chute_area * flt.Qstatic * 1.42f;
        addFaero(-drag, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f);
        if (dumping()) trk << "   Chutes adding" << drag << " N of drag\n";
    }
    if (dumping()) aeroforcerep();
}

}  // namespace

int asym_flap_side()
{
    if (!asym_side) asym_side = intrand(35, 36);
    return asym_side;
}

void flight_contact_reach_reset()
{
    contact_reach = 0.0f;
    for (float& t : clear_since) t = 0.0f;   // the new flight's clock starts again
}

void set_a()
{
    flt.faxilprop = flt.fsideprop = flt.fnrmlprop = 0;
    flt.faxilaero = flt.fsideaero = flt.fnrmlaero = 0;
    flt.faxilgear = flt.fsidegear = flt.fnrmlgear = 0;
    flt.L = flt.M = flt.N = 0;

    if (atm.rho > 0.0f) {
        if (pln.entype >= 1 && pln.entype <= 3) props();
        else if (pln.entype == 4 || pln.entype == 5) jets();
        if (dumping()) propforcerep();
    }
    if (ins.jato_on) {
        const int th = round(pln.jatotheta);
        addFaprop(icos(th) * pln.jatothrust, 0.0f, pln.jatoY);
        addFnprop(isin(th) * pln.jatothrust, 0.0f, pln.jatoZ);
        flt.jatoleft -= msc.prd;
        if (flt.jatoleft < 0.0f) ins.jato_on = 0;
    }
    if (pln.puffEQ) {
        flt.L += pln.puffL * set.FC_roll;
        flt.M += pln.puffM * set.FC_ptch;
        flt.N += pln.puffN * set.FC_hdng;
    }
    float wash[NUM_PARTS] = {};
    surfaces(wash);
    downwash_distribution(wash);
    bodies();
    contacts();
    if (dumping()) trk << "GEAR:\n   f_axil=" << flt.faxilgear << " f_side=" << flt.fsidegear << " f_nrml=" << flt.fnrmlgear << "\n";

    if (!pln.is_heli && pln.entype >= 1 && pln.entype <= 3 && pln.omegamax > 0.0f &&
        (pln.numen == 1 || (pln.numen == 2 && pln.propdir[0] == pln.propdir[1])))
        flt.L += (pln.pmax / pln.omegamax) * pln.numen * 0.75f * flt.Qratio * pln.propdir[0] * 2.0f;

    float pn, pe, pu, an, ae, au;
    rotate_to_earth(flt.faxilprop, flt.fsideprop, flt.fnrmlprop, flt.sinpsi, flt.cospsi, flt.sinthe, flt.costhe,
                    flt.sinphi, flt.cosphi, &pn, &pe, &pu);
    rotate_to_earth(flt.faxilaero, flt.fsideaero, flt.fnrmlaero, flt.sinahpath, flt.cosahpath, flt.sinavpath,
                    flt.cosavpath, flt.sinphi_path, flt.cosphi_path, &an, &ae, &au);
    const float gn = flt.faxilgear * flt.cospsi - flt.fsidegear * flt.sinpsi;
    const float ge = flt.faxilgear * flt.sinpsi + flt.fsidegear * flt.cospsi;
    const float north = pn + an + gn, east = pe + ae + ge, up = pu + au + flt.fnrmlgear;

    const float k = 1.0f + msc.frame_ice;
    const float m = flt.m_total > 0.0f ? flt.m_total * k : 1.0f;
    flt.aX = east / m;
    flt.aY = up / m - atm.g;
    flt.aZ = -north / m;
    const float mk2 = (flt.m_total > 0.0f ? flt.m_total : 1.0f) * k * k;
    auto ang = [&](float moment, float j) { return j > 0.0f ? moment / (j * mk2) / DEG_TO_RAD_F : 0.0f; };
    flt.Pdot = ang(flt.L, pln.Jzz_unitmass);
    flt.Qdot = ang(flt.M, pln.Jxx_unitmass);
    flt.Rdot = ang(flt.N, pln.Jyy_unitmass);
    if (dumping())
        trk << "GRAND TOTALS AT END OF FORCE AND MOMENT BUILD-UP\n   north=" << north << " N, east=" << east
            << " N, up=" << up << " N\n   L=" << flt.L << " N-m, M=" << flt.M << " N-m, N=" << flt.N
            << " N-m\nMASSES TO GET FROM FORCES TO ACCELERATIONS\n   mass    =" << flt.m_total
            << "\n   roll  MI=" << pln.Jzz_unitmass * flt.m_total << "\n   pitch MI=" << pln.Jxx_unitmass * flt.m_total
            << "\n   yaw   MI=" << pln.Jyy_unitmass * flt.m_total << "\n   a_x=" << flt.aX << "\n   a_y=" << flt.aY
            << "\n   a_z=" << flt.aZ << "\n   Pdot (roll) =" << flt.Pdot << "\n   Qdot (pitch)=" << flt.Qdot
            << "\n   Rdot (yaw)  =" << flt.Rdot << "\n";
}

}  // namespace orv
