#include "windows/data_groups.h"

#include <cmath>
#include <cstring>

#include "windows/windows.h"

namespace orv {

constexpr int LABEL_FIELD = 10;                 // a 4-letter name and its unit
constexpr float SECONDS_PER_HOUR = 3600.0f;
constexpr float FLAP_DETENTS = 50.0f;           // flt.flap runs 0..50

int data_group_count(int g)
{
    const int n = (int)std::strlen(data_group_label(g));
    return n ? (n + LABEL_FIELD - 1) / LABEL_FIELD : 0;
}

static float pa_to_psf() { return con.ft2tom2 / con.lbstonew; }
static float n_to_lb() { return 1.0f / con.lbstonew; }

// The load factor: the specific force (acceleration less gravity) along the body's up axis,
// in units of g.
static float load_factor()
{
    const float g = atm.g > 0 ? atm.g : con.g;
    const float sthe = std::sin(flt.the * con.dgrtorad), cthe = std::cos(flt.the * con.dgrtorad);
    const float sphi = std::sin(flt.phi * con.dgrtorad), cphi = std::cos(flt.phi * con.dgrtorad);
    const float spsi = std::sin(flt.psi * con.dgrtorad), cpsi = std::cos(flt.psi * con.dgrtorad);
    // the body's up axis in the region frame (east, up, south)
    const float up_e = sphi * cpsi - cphi * sthe * spsi;
    const float up_u = cphi * cthe;
    const float up_s = cphi * sthe * cpsi + sphi * spsi;
    return (flt.aX * up_e + (flt.aY + g) * up_u + flt.aZ * up_s) / g;
}

// The aerodynamic force of the flight-path axes turned into the body axes (through the
// sideslip, then the angle of attack), with the engines and the gear added: N.
static void body_forces(float* normal, float* axial, float* side)
{
    const float ax1 = flt.faxilaero * flt.cosbeta + flt.fsideaero * flt.sinbeta;
    const float sd1 = flt.fsideaero * flt.cosbeta - flt.faxilaero * flt.sinbeta;
    const float nr1 = flt.fnrmlaero;
    *axial = ax1 * flt.cosalph + nr1 * flt.sinalph + flt.faxilprop + flt.faxilgear;
    *normal = nr1 * flt.cosalph - ax1 * flt.sinalph + flt.fnrmlprop + flt.fnrmlgear;
    *side = sd1 + flt.fsideprop + flt.fsidegear;
}

static float propeller_efficiency(int e)
{
    return flt.power[e] > 0 ? flt.thrust[e] * flt.av / flt.power[e] : 0.0f;
}

static float brake(int side)
{
    float b = set.parkbrake;
    if (set.eq_toebrakes) b += set.toe_brake[side];
    return b > 1 ? 1 : b;
}

static void four(float* v, float a, float b, float c, float d) { v[0] = a; v[1] = b; v[2] = c; v[3] = d; }

int data_group_values(int g, float v[GROUP_VALUES])
{
    for (int k = 0; k < GROUP_VALUES; k++) v[k] = 0;
    const float lb = con.kgstolbs, ft = con.mtrstoft, kt = con.msctokts;
    float nrm, axl, sid;
    switch (g) {
    case 0: v[0] = msc.prd > 0 ? 1.0f / msc.prd : 0; v[1] = msc.rtrat; break;
    case 1: v[0] = msc.elap_time; break;
    case 2: v[0] = msc.locl_time / SECONDS_PER_HOUR; v[1] = msc.zulu_time / SECONDS_PER_HOUR; break;
    case 3: v[0] = atm.crtsig; break;
    case 4: v[0] = atm.rho / con.endtomed; break;
    case 5: v[0] = flt.Alpha; v[1] = flt.Beta; break;
    case 6: v[0] = flt.hpath; break;
    case 7: v[0] = flt.vpath; break;
    case 8: for (int e = 0; e < 4; e++) v[e] = flt.thro[e]; break;
    case 9:   // the propeller levers as the speed they ask for
        for (int e = 0; e < 4; e++)
            v[e] = (pln.omegamin + flt.prop[e] * (pln.omegamax - pln.omegamin)) * con.rsctorpm;
        break;
    case 10: four(v, pln.sweepnow[4], pln.sweepnow[6], pln.sweepnow[10], flt.vertcant[0]); break;
    case 11: v[0] = set.YK_ptch; v[1] = set.YK_roll; v[2] = set.YK_hdng; break;
    case 12: v[0] = set.FC_ptch; v[1] = set.FC_roll; v[2] = set.FC_hdng; break;
    case 13: v[0] = flt.elv_trim; v[1] = flt.flap / FLAP_DETENTS; v[2] = flt.slat; break;
    case 14: four(v, (float)set.gear_handle, brake(0), brake(1), (float)flt.sbrk); break;
    case 15: v[0] = flt.av * kt; v[1] = flt.vind; break;
    case 16: v[0] = flt.vY * con.msctofpm; break;
    case 17: v[0] = flt.machno; v[1] = load_factor(); break;
    case 18: v[0] = atm.a * kt; break;
    case 19: v[0] = flt.Qstatic * pa_to_psf(); break;
    case 20:
        v[0] = flt.M / con.ftlbstonm; v[1] = flt.L / con.ftlbstonm; v[2] = flt.N / con.ftlbstonm;
        break;
    case 21: v[0] = flt.Qdot; v[1] = flt.Pdot; v[2] = flt.Rdot; break;
    case 22: v[0] = flt.Q; v[1] = flt.P; v[2] = flt.R; break;
    case 23: v[0] = flt.the; v[1] = flt.phi; break;
    case 24: v[0] = flt.psi; v[1] = flt.magpsi; v[2] = (float)env.mvar; break;
    case 25: v[0] = flt.dist * ft; v[1] = flt.dist * con.mtrstonm; break;
    case 26: v[0] = flt.lat; v[1] = flt.lon; v[2] = (float)flt.Y * ft; break;
    case 27: v[0] = (float)flt.X; v[1] = (float)flt.Y; v[2] = (float)flt.Z; break;
    case 28: for (int e = 0; e < 4; e++) v[e] = flt.power[e] / con.hptowat; break;
    case 29: for (int e = 0; e < 4; e++) v[e] = flt.thrust[e] * n_to_lb(); break;
    case 30: for (int e = 0; e < 4; e++) v[e] = flt.trq[e] / con.ftlbstonm; break;
    case 31: for (int e = 0; e < 4; e++) v[e] = flt.tac[e] * con.rsctorpm; break;
    case 32: for (int e = 0; e < 4; e++) v[e] = flt.proppitch[e]; break;
    case 33: for (int e = 0; e < 4; e++) v[e] = flt.DVinc[e] * kt; break;
    case 34: for (int e = 0; e < 4; e++) v[e] = flt.mpr[e]; break;
    case 35: for (int e = 0; e < 4; e++) v[e] = flt.n1_[e]; break;
    case 36: for (int e = 0; e < 4; e++) v[e] = flt.ff_[e] * lb * SECONDS_PER_HOUR; break;
    case 37: v[0] = flt.fnrmlaero * n_to_lb(); v[1] = -flt.faxilaero * n_to_lb(); v[2] = flt.fsideaero * n_to_lb(); break;
    case 38:
        body_forces(&nrm, &axl, &sid);
        v[0] = nrm * n_to_lb(); v[1] = axl * n_to_lb(); v[2] = sid * n_to_lb();
        break;
    case 39: for (int k = 0; k < 3; k++) v[k] = flt.gearf[k] * n_to_lb(); break;
    case 40: v[0] = flt.faxilaero < 0 ? flt.fnrmlaero / -flt.faxilaero : 0.0f; break;
    case 41: for (int e = 0; e < 4; e++) v[e] = propeller_efficiency(e); break;
    case 42: v[0] = flt.lailndef; v[1] = flt.railndef; break;
    case 43: v[0] = flt.lsplrdef; v[1] = flt.rsplrdef; break;
    case 44: v[0] = flt.lhstbdef; v[1] = flt.rhstbdef; break;
    case 45: v[0] = flt.ruddef; break;
    case 46: v[0] = flt.ldruddef; v[1] = flt.rdruddef; break;
    case 47:
        if (pln.is_heli) { v[0] = set.FC_ptch * pln.elevcyclic; v[1] = set.FC_roll * pln.ailncyclic; }
        break;
    case 48: v[0] = flt.m_fixed * lb; v[1] = flt.m_fuel * lb; v[2] = flt.m_jettison * lb; break;
    case 49: v[0] = pln.m_empty * lb; v[1] = flt.m_total * lb; break;
    default: return 0;
    }
    return data_group_count(g);
}

void set_dig_dec(int g, int k, int* dig, int* dec)
{
    // Ten places a field: a sign, the digits and a point; small ratios and angles keep
    // more decimals, big forces and positions none.
    switch (g) {
    case 3: case 4: case 8: case 11: case 12: case 13: case 17: case 41: *dig = 7; *dec = 4; return;
    case 2: case 14: case 40: *dig = 7; *dec = 3; return;
    case 26: *dig = 8; *dec = k < 2 ? 4 : 0; return;
    case 20: case 27: case 29: case 30: case 36: case 37: case 38: case 39: case 48: case 49:
        *dig = 8; *dec = 0; return;
    default: *dig = 8; *dec = 2; return;
    }
}

}  // namespace orv
