// fltutil.cpp -- airfoil coefficients, element forces, control increments, ground and
// water contact points.
#include "flight/fltutil.h"

#include <cmath>
#include <cstring>
#include <iomanip>

#include "2-QZutils/acf_parts.h"
#include "2-QZutils/qz_angles.h"
#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_trk.h"
#include "2-QZutils/records.h"
#include "flight/funct.h"
#include "world/terrain_grid.h"

namespace orv {

namespace {

constexpr float LIFT_TABLE_FROM = 10.0f;   // below this angle lift is the straight line
constexpr float TABLE_LAST = 269.99f;
constexpr float FREEZING_F = 32.0f;

bool dumping() { return set.cycout && trk; }

}  // namespace

float afl_index(float a)
{
    if (std::isnan(a)) return 0.0f;   // a NaN would pass the limit and index the tables with garbage
    float i = a <= 20.0f ? 10.0f * a : 200.0f + (a - 20.0f);
    return fltlim(i, 0.0f, TABLE_LAST);
}

void anyfoil(float alpha, float* cl, float* cd, float* cm, int EN, int RT, int Re, int el)
{
    const float h = 1.0f + (pln.slat_effect[EN] - 1.0f) * flt.slat;
    const float zl = afl.al_zl[EN][RT][Re];
    float d = pln.al_D_al0[EN] * (alpha - zl);
    const int slatted = el >= 0 && el < MAX_ELS && pln.slat[EN][el];
    if (slatted && h != 0.0f) d /= h;
    const float m = d + zl;
    flt.stalled[EN] = m > pln.alpha_max[EN] * h ? 1 : 0;

    const float i = afl_index(std::fabs(m));
    const int F = (int)i;
    const int F1 = F + 1 < AFL_CD_N ? F + 1 : AFL_CD_N - 1;
    const float wF = (float)(F + 1) - i, wF1 = i - (float)F;
    const bool pos = m > 0.0f;

    const float* cdt = pos ? afl.cdpos[EN][RT][Re] : afl.cdneg[EN][RT][Re];
    *cd = cdt[F] * wF + cdt[F1] * wF1;
    const bool table_lift = std::fabs(m) >= LIFT_TABLE_FROM;
    if (table_lift) {
        const float* clt = pos ? afl.clpos[EN][RT][Re] : afl.clneg[EN][RT][Re];
        const int a = intlim(F - 100, 0, AFL_CL_N - 1), b = intlim(F1 - 100, 0, AFL_CL_N - 1);
        *cl = clt[a] * wF + clt[b] * wF1;
    } else {
        *cl = afl.clM[EN][RT][Re] * m + afl.clB[EN][RT][Re];
    }
    const float a2 = afl.cmal2[EN][RT][Re], a3 = afl.cmal3[EN][RT][Re];
    const float c1 = afl.cm1[EN][RT][Re], c2 = afl.cm2[EN][RT][Re], c3 = afl.cm3[EN][RT][Re],
                c4 = afl.cm4[EN][RT][Re];
    if (m >= a2 && m <= a3) *cm = interp(a2, c2, a3, c3, m);
    else if (m > a3 && m <= 20.0f) *cm = interp(a3, c3, 20.0f, c4, m);
    else if (m >= -20.0f && m < a2) *cm = interp(-20.0f, c1, a2, c2, m);
    else if (m > 20.0f) *cm = interp(20.0f, c4, 90.0f, -0.32f, m);
    else *cm = interp(-90.0f, 0.32f, -20.0f, c1, m);

    if (dumping()) {
        trk << "   These coefficients are using the " << (Re ? "HIGH" : "LOW") << " Reynolds number airfoil "
            << (RT ? "TIP" : "ROOT") << ",\n";
        if (slatted)
            trk << "   Alpha-ratio due to slats is " << h << ", and we rotate the lift-line about the zero-lift alpha of "
                << zl << " deg.\n";
        trk << "   At an effective angle of attack (after finite-wing and slat alpha reduction) of " << m << " deg:\n";
        if (table_lift)
            trk << "      We look up lift, drag, and moment coefficients in tables to get cl=" << *cl << ", cd=" << *cd
                << " cm=" << *cm << "\n";
        else
            trk << "      We look up drag coefficients in tables to get cd=" << *cd << "\n"
                << "      We use straight-line lift and moment curves to get cl=" << *cl << ", cm=" << *cm << "\n";
    }
    if (slatted) {
        *cl *= h;
        if (dumping())
            trk << "   Slats are boosting the resulting lift by " << (h - 1.0f) * 100.0f << "%, to a value of " << *cl
                << "\n";
    }
}

// The low/high Reynolds blend of one end of the part, clamped to that end's two numbers.
static float reyno_blend(float re, float re_lo, float re_hi, float lo, float hi)
{
    if (std::fabs(re_hi - re_lo) < 1e-6f) return lo;
    const float r = fltlim(re, fltmin2(re_lo, re_hi), fltmax2(re_lo, re_hi));
    return interp(re_lo, lo, re_hi, hi, r);
}

void Fco_subsonic(float modcl, float modcd, float modcm, float* cl, float* cd, float* cm, int en, int el)
{
    const float alpha = flt.alpha[en][el];
    float c[2][2][3];   // [root/tip][low/high Re][cl, cd, cm]
    anyfoil(alpha, &c[0][0][0], &c[0][0][1], &c[0][0][2], en, 0, 0, el);
    const char* names[2][2] = {{pln.Rafl0[en], pln.Rafl1[en]}, {pln.Tafl0[en], pln.Tafl1[en]}};
    for (int rt = 0; rt < 2; rt++)
        for (int re = 0; re < 2; re++) {
            if (rt == 0 && re == 0) continue;
            if (!std::strncmp(names[rt][re], pln.Rafl0[en], ACF_STR)) {
                std::memcpy(c[rt][re], c[0][0], sizeof c[0][0]);
                continue;
            }
            anyfoil(alpha, &c[rt][re][0], &c[rt][re][1], &c[rt][re][2], en, rt, re, el);
        }
    const float Re = flt.v_el[en][el] * atm.rho * pln.mac[en][el] / con.muair / 1000000.0f;
    float end[2][3];
    for (int rt = 0; rt < 2; rt++)
        for (int k = 0; k < 3; k++)
            end[rt][k] = reyno_blend(Re, afl.Re[en][rt][0], afl.Re[en][rt][1], c[rt][0][k], c[rt][1][k]);
    const float els = (float)(pln.els[en] > 0 ? pln.els[en] : 1);
    const float at = (float)el + 0.5f;
    *cl = interp(0.0f, end[0][0], els, end[1][0], at);
    *cd = interp(0.0f, end[0][1], els, end[1][1], at);
    *cm = interp(0.0f, end[0][2], els, end[1][2], at);
    if (dumping()) {
        trk << "   Reynolds number=" << Re << " million, element centre at " << at / els * 100.0f << "% of span.\n";
        const char* nm[3] = {"CL", "CD", "CM"};
        for (int k = 0; k < 3; k++)
            trk << "   " << nm[k] << " Coeff summary: root reyno 1=" << c[0][0][k] << " reyno 2=" << c[0][1][k]
                << " tip reyno 1=" << c[1][0][k] << " reyno 2=" << c[1][1][k] << " |======>resultant "
                << (k == 0 ? "cl" : k == 1 ? "cd" : "cm") << "=" << (k == 0 ? *cl : k == 1 ? *cd : *cm) << "\n";
        trk << "   adding control-effects cl of" << modcl << ", cd of " << modcd << ", cm of " << modcm << "\n";
    }
    *cl += modcl;
    *cd += modcd;
    *cm += modcm;
    *cl *= pln.cl_D_cl0[en];
    *cm *= pln.cm_D_cm0[en];
    const float ear = PI_F * pln.e[en] * pln.AR[en];
    float cdi = ear > 0.0f ? (*cl) * (*cl) / ear : 0.0f;
    const bool ground_part = pln.is_heli ? en == 0 : (en >= 4 && en <= 11);
    if (dumping())
        trk << "   finite-wing lift   multiplier=" << pln.cl_D_cl0[en] << "\n"
            << "   finite-wing moment multiplier=" << pln.cm_D_cm0[en] << "\n";
    if (*cl > 0.0f && ground_part) {
        cdi *= flt.CDIgrndeffect[en];
        *cl *= flt.CL_grndeffect[en];
        if (dumping())
            trk << "   ground effect cdi  multiplier=" << flt.CDIgrndeffect[en] << "\n"
                << "   ground effect cl   multiplier=" << flt.CL_grndeffect[en] << "\n";
    }
    *cd += cdi;
    const float M = atm.a > 0.0f ? flt.v_el[en][el] / atm.a : 0.0f;
    const float Mu = fltlim(M, 0.0f, 0.8f);
    const float pg = 1.0f / std::sqrt(1.0f - Mu * Mu);
    *cl *= pg;
    *cm *= pg;
    const float Md = 0.7f - 0.2f * (*cl);
    float ddiv = 0.0f;
    if (M > Md) ddiv = 2.5f * (Mu - Md) * (Mu - Md);
    *cd += ddiv;
    const float dcm = -0.25f * pln.delta_fac[en] * (*cl);
    *cm += dcm;
    if (dumping()) {
        trk << "   adding cdi of" << cdi << "\n   local mach#=" << M << "\n   Prandtl-Glauert cl mult by" << pg
            << "\n   Prandtl-Glauert cm mult by" << pg << "\n";
        if (ddiv > 0.0f) trk << "   drag divergent mach number exceeded, cd incremented by" << ddiv << "\n";
        trk << "   delta-wing moment change adds cm of" << dcm << "\n";
    }
    if (msc.frame_ice > 0.001f) {
        *cl = *cl / (1.0f + 0.5f * msc.frame_ice);
        *cd = *cd * (1.0f + 4.0f * msc.frame_ice);
        if (dumping()) trk << "WARNING! ICE IS CHANGING THE COEFFICIENTS!\n";
    }
    if (dumping())
        trk << "   FINAL LOCAL-VELOCITY COEFFICIENTS: cl=" << *cl << ", cd=" << *cd << ", cm=" << *cm << "\n";
}

void supersonic_flatplate(float alpha, float* cl, float* cd, float machno, float foil_rat)
{
    const float a = alpha * DEG_TO_RAD_F;
    const float cp = 2.0f * a / std::sqrt(machno * machno - 1.0f);
    *cl += cp * std::cos(a) * foil_rat;
    *cd += cp * std::sin(a) * foil_rat;
}

void Fco_supersonic(float modcl, float modcd, float modcm, float* cl, float* cd, float* cm, int en, int el)
{
    const float theta = 0.5f * std::atan(afl.trat[en][0][0] + afl.trat[en][1][0]) / DEG_TO_RAD_F;
    const float Mu = fltlim(flt.machno, 1.1f, 3.0f);
    const float a = flt.alpha[en][el];
    *cl = *cd = 0.0f;
    supersonic_flatplate(a - theta, cl, cd, Mu, 0.5f);
    supersonic_flatplate(a + theta, cl, cd, Mu, 0.5f);
    supersonic_flatplate(a + theta, cl, cd, Mu, 0.5f);
    supersonic_flatplate(a - theta, cl, cd, Mu, 0.5f);
    *cd += 0.0046f;
    *cm = -0.25f * (*cl);
    *cl += modcl;
    *cd += modcd;
    *cm += modcm;
}

float F_el_force(float modcl, float modcd, float modcm, float* lift, float* drag, float* momt, int en, int el)
{
    float cl, cd, cm;
    if (flt.machno < 1.0f) Fco_subsonic(modcl, modcd, modcm, &cl, &cd, &cm, en, el);
    else Fco_supersonic(modcl, modcd, modcm, &cl, &cd, &cm, en, el);
    const float d = flt.deldir[en][el] * DEG_TO_RAD_F;
    const float sd = std::sin(d), cdd = std::cos(d);
    const float clp = cl * cdd + cd * sd;
    const float cdp = cd * cdd - cl * sd;
    const float v = flt.v_el[en][el];
    const float qS = v * v * pln.s[en][el] * atm.rho * 0.5f;
    *lift = clp * qS;
    *drag = cdp * qS;
    *momt = cm * qS * pln.mac[en][el];
    if (dumping())
        trk << "   This rotation turns the initial cl of" << cl << " and cd of" << cd
            << " along the direction of the flight path.\n   to the new values of cl=" << clp << " and cd=" << cdp
            << "\n   force=coeff*S*V*V*rho/2.0\n   lift=" << *lift << " N.\n   drag=" << *drag << " N.\n";
    return cl;
}

void set_con_eff(int en, int con_type, float rat, float def, float* cl, float* cd, float* cm, const char* str)
{
    float cl_d = std::sqrt(std::fmax(rat, 0.0f)) * 0.1097f / 1.5f;
    float cd_d = rat * 0.003f / 0.25f;
    float cm_d = (0.75f - 0.5f * rat) * cl_d;
    switch (con_type) {
    case CON_SPOILER: cl_d *= 2.0f; cd_d *= 2.0f; cm_d *= 0.5f; break;
    case CON_SPEEDBRAKE: cl_d *= 0.5f; cd_d *= 2.0f; cm_d = 0.0f; break;
    case CON_DRAGRUDDER: cl_d = 0.0f; cd_d *= 4.0f; cm_d = 0.0f; break;
    default: break;
    }
    const float dcl0 = -def * cl_d, dcd = std::fabs(def) * cd_d, dcm = def * cm_d;
    static const float loss_at[7] = {10, 15, 20, 30, 40, 50, 60};
    static const float loss[7] = {1.0f, 0.98f, 0.86f, 0.68f, 0.6f, 0.55f, 0.5f};
    const float ad = std::fabs(def);
    float k = 1.0f;
    if (ad >= 60.0f) k = 0.5f;
    else if (ad >= 10.0f)
        for (int i = 0; i < 6; i++)
            if (ad >= loss_at[i] && ad < loss_at[i + 1]) k = interp(loss_at[i], loss[i], loss_at[i + 1], loss[i + 1], ad);
    float dcl = dcl0 * k;
    if (flt.stalled[en]) dcl *= 0.2f;
    if (pln.con_smooth == 1) dcl *= 0.7f;
    else if (pln.con_smooth == 2) dcl *= 0.85f;
    if (dumping()) {
        trk << " THEORETICAL RESULTS FOR " << str << " " << rat << " CHORD SURFACE:\n"
            << "      cl=" << cl_d << " per deg.\n      cd=" << cd_d << " per deg.\n      cm=" << cm_d << " per deg.\n"
            << "   AFTER" << " DEFELCTION OF " << def << " DEG:\n"
            << "      cl change due to surface is: " << dcl0 << "\n      cd change due to surface is: " << dcd
            << "\n      cm change due to surface is: " << dcm << "\n"
            << "   AFTER FINITE-DEFLECTION LOSSES, STALLED SURFACE LOSSES, AND FOIL ROUGHNESS LOSSES:\n"
            << "      cl change due to surface is: " << dcl << "\n      cd change due to surface is: " << dcd
            << "\n      cm change due to surface is: " << dcm << "\n";
    }
    *cl = dcl;
    *cd = dcd;
    *cm = dcm;
}

static void force_report(const char* heading, float a, float s, float n)
{
    if (!dumping()) return;
    const std::string frame(20, '\xA5');
    trk << frame << " " << heading << " " << frame << "\n" << std::setprecision(0);
    trk << "   f_axil=" << std::setw(9) << a << " N,   L=" << std::setw(9) << flt.L << " N-m.\n";
    trk << "   f_side=" << std::setw(9) << s << " N,   M=" << std::setw(9) << flt.M << " N-m.\n";
    trk << "   f_nrml=" << std::setw(9) << n << " N,   N=" << std::setw(9) << flt.N << " N-m.\n";
    trk << std::setprecision(4);
}

void aeroforcerep()
{
    force_report("RUNNING AERODYNAMIC FORCE AND TOTAL MOMENT TOTALS, FLIGHT-PATH AXIS SYSTEM", flt.faxilaero,
                 flt.fsideaero, flt.fnrmlaero);
}

void propforcerep()
{
    force_report("RUNNING PROPULSIVE FORCE AND TOTAL MOMENT TOTALS, AIRCRAFT AXIS SYSTEM", flt.faxilprop,
                 flt.fsideprop, flt.fnrmlprop);
}

// ---------------------------------------------------------------- ground contact

// Undulation of a rough surface at (xg, zg), metres.
float surface_roughness(int surf, float xg, float zg)
{
    switch (surf) {
    case 75: return 0.01f * (std::cos(4 * zg) + std::sin(4 * xg) + std::sin(xg) + std::cos(zg));
    case 76: return 0.02f * (std::cos(4 * zg) + std::sin(4 * xg) + std::sin(2 * xg) + std::cos(2 * zg));
    case 77: return 0.02f * (std::sin(4 * xg) + std::cos(4 * zg));
    case 78: return 0.04f * (std::cos(4 * zg) + std::sin(4 * xg) + std::sin(xg) + std::cos(zg));
    default: return 0.0f;
    }
}

int handle_contact_point(int w, float Xarm, float Yarm, float Zarm)
{
    float c = 1.0f;
    const bool freezing = atm.temp_SL <= FREEZING_F;
    if (atm.rway_fric_code == 2) c = freezing ? 0.4f : 0.8f;
    else if (atm.rway_fric_code == 3) c = freezing ? 0.2f : 0.4f;
    float rco = 0.04f, bco = 0.8f * c, mco = 0.4f * c;
    const int surf = env.surf_type;
    if (surf == 75) { rco *= 2; bco *= 0.5f; mco *= 0.5f; }
    else if (surf >= 76 && surf <= 78) { rco *= 4; bco *= 0.5f; mco *= 2; }

    float k, d;
    if (w == 0) { k = pln.ngearcon; d = pln.ngeardmp; }
    else if (w <= 2) { k = pln.mgearcon; d = pln.mgeardmp; }
    else { k = pln.skidcon; d = pln.skiddmp; }

    float gx = 0, gz = 0;
    if (env.over_frig) { gx = env.frig_phi_dot * DEG_TO_RAD_F * 7.0f; gz = env.frig_the_dot * DEG_TO_RAD_F * 7.0f; }
    else if (env.over_carr) { gx = env.carr_phi_dot * DEG_TO_RAD_F * 21.0f; gz = env.carr_the_dot * DEG_TO_RAD_F * 21.0f; }

    const float xg = (float)flt.X + Xarm * flt.cospsi - Zarm * flt.sinpsi;
    const float zg = (float)flt.Z + Zarm * flt.cospsi + Xarm * flt.sinpsi;
    const float h = fltwrap(std::atan2(flt.vX - gx, gz - flt.vZ) / DEG_TO_RAD_F, 0.0f, 360.0f);
    const float b = fltwrap(flt.psi - h, -180.0f, 180.0f);
    const float u = pythag(flt.vX - gx, flt.vZ - gz);

    int ci, cj;
    const float ground = find_local_h(xg, zg, &ci, &cj, 1) + surface_roughness(surf, xg, zg);
    const float def = ground - (float)flt.Y + Zarm * flt.sinthe + Xarm * flt.sinphi - Yarm * flt.costhe * flt.cosphi;
    const float vel = flt.vY - Zarm * flt.Qrad - Xarm * flt.Prad;
    const int wi = intlim(w, 0, 8);
    pln.geardef[wi] = def;
    const float N = dampedforce(def, -vel, k, d);
    if (pln.geardef[wi] < 0) pln.geardef[wi] = 0;
    if (w <= 2 && def > 0.01f && vel < -5.0f && fltrand(0.0f, 1.0f) < 0.3f) pln.gear_stat[w] = 0;

    float f = fltlim(u, 0.0f, 1.0f);
    if (std::fabs(b) > 90.0f) f = -f;
    const float s_yaw = set.eq_ped ? set.YK_hdng : set.YK_roll;
    const bool castoring = pln.nwsteer == 0.0f;
    float A;
    if (w == 0) A = N * rco * f;
    else if (w <= 2) {
        float p = set.parkbrake;
        if (set.eq_toebrakes) p += set.toe_brake[w - 1];
        if (castoring) p += (w == 1 ? -0.5f : 0.5f) * s_yaw;
        p = fltlim(p, 0.0f, 1.0f);
        A = N * f * (rco + (bco - rco) * p);
    } else A = N * mco * f;

    float S = N * (w <= 2 ? bco : mco) * fltlim(std::sin(b * DEG_TO_RAD_F) * u + flt.Rrad * Zarm, -1.0f, 1.0f);
    if (w == 0 && castoring && pln.ngearZ < pln.mgearZ) S = 0;
    if ((w == 1 || w == 2) && pln.ngearZ > pln.mgearZ) S *= 0.5f;

    if (w == 0 && N > 1.0f) {
        if (pln.nwsteer > 0.0f) {
            const float rat = set.joy_rat_hdng != 0.0f ? set.joy_rat_hdng : 1.0f;
            float s = s_yaw / rat;
            s *= fltlim(5.0f + 8.0f * (std::fabs(s) - 1.0f), 1.0f, 5.0f);
            s *= fltlim(5.0f - 0.4f * flt.v, 1.0f, 5.0f);
            const float base = pln.mgearZ - pln.ngearZ;
            if (std::fabs(base) > 0.01f) {
                flt.R = flt.v * s * pln.nwsteer / base;
                flt.Rrad = flt.R * DEG_TO_RAD_F;
            }
        } else if (u < 1.0f) {
            flt.R = 0;
            flt.Rrad = 0;
        }
    }
    if (w >= 3 && w <= 6 && N > 1.0f) {
        flt.R = -flt.Rdot * msc.prd;
        flt.Rrad = flt.R * DEG_TO_RAD_F;
    }
    addFagear(-A, Xarm, Yarm);
    addFsgear(S, Yarm, Zarm);
    addFngear(N, Xarm, Zarm);
    if (dumping() && N > 1.0f)
        trk << "contact point " << w << "\n   y_contact=" << ground << " m.\n   geardef  =" << def
            << " m.\n   axilforce=" << -A << " N.\n   sideforce=" << S << " N.\n   nrmlforce=" << N << " N.\n";
    if (w <= 2) flt.gearf[w] = N;
    if (N > 0.0f) {
        flt.onground = 1;
        return 1;
    }
    return 0;
}

// ---------------------------------------------------------------- water contact

int handle_float_point(int en, int s, int r, float x, float y, float z, float water_h)
{
    const float height = (float)flt.Y - water_h + y * flt.costhe * flt.cosphi - z * flt.sinthe - x * flt.sinphi;
    const float depth = -height;
    if (depth < 0.0f) return 0;
    const int ns = f_body_s_dim(en), nr = f_body_r_dim(en);
    const float vert_vel = flt.vY - z * flt.Qrad - x * flt.Prad;
    const float axial_v = flt.vaxial - x * flt.Rrad;
    float side_v = -z * flt.Rrad;
    if (r == nr / 2 && z > 0.0f) side_v += std::sin(10.0f * set.FC_hdng * DEG_TO_RAD_F) * flt.v;

    const int sm = intlim(s - 1, 0, ns - 1), sp = intlim(s + 1, 0, ns - 1);
    const int rm = intlim(r - 1, 0, nr - 1), rp = intlim(r + 1, 0, nr - 1);
    const int sc = intlim(s, 0, ns - 1);
    const float dXf = (pln.body_X[en][sc][rm] - pln.body_X[en][sc][rp]) * 0.5f;
    const float dYf = (pln.body_Y[en][sp][r] - pln.body_Y[en][sm][r]) * 0.5f;
    const float dZf = (pln.body_Z[en][sp][r] - pln.body_Z[en][sm][r]) * 0.5f;
    const float dX = dXf;
    const float dY = dYf * flt.costhe - dZf * flt.sinthe;
    const float dZ = dZf * flt.costhe + dYf * flt.sinthe;

    const float wet = std::fabs(dZf * dXf), cap = std::fabs(dX * dY), sid = std::fabs(dZ * dY);
    const float displacement = depth * wet;
    float slope = std::fabs(dZ) > 1e-6f ? dY / dZ : 0.0f;
    if (slope > 1.0f) slope = 0.0f;
    const float rho = con.rho_h20;
    const float buoy = displacement * rho * atm.g;
    const float damp = -vert_vel * std::fabs(vert_vel) * wet * rho;
    const float plane = -axial_v * std::fabs(axial_v) * slope * cap * rho;
    const float plane_ax = fltlim(std::fabs(dZ) > 1e-6f ? dY / dZ : 0.0f, -0.05f, 0.05f) * plane;
    const float skin = -0.00165f * wet * rho * axial_v * std::fabs(axial_v);
    const float side = -1.2f * sid * rho * side_v * std::fabs(side_v);
    addFagear(plane_ax, x, y);
    addFagear(skin, x, y);
    addFsgear(side, y, z);
    addFngear(buoy, x, z);
    addFngear(damp, x, z);
    addFngear(plane, x, z);
    if (dumping())
        trk << "[" << en << "][" << s << "][" << r << "],  z =" << z << "  x =" << x << "  y =" << y << "\n"
            << "dZf=" << dZf << " dXf=" << dXf << " dYf=" << dYf << "\ndZ =" << dZ << " dX =" << dX << " dY =" << dY
            << "\nheight=" << height << ", vert_vel=" << vert_vel << "\naxial_v=" << axial_v << ", wet_area=" << wet
            << " cap_area=" << cap << " sid_area=" << sid << "\ndisplacement=" << displacement << ", Q=" << rho
            << "\nnrmlforce_B=" << buoy << ".\nnrmlforce_D=" << damp << ".\nnrmlforce_P=" << plane
            << ".\naxilforce_P=" << plane_ax << ".\naxilforce_F=" << skin << ".\n";
    flt.onground = 1;
    return 1;
}

}  // namespace orv
