#include "design_tool/fg_baseplane.h"

#include <cmath>
#include <cstring>

#include "2-QZutils/acf_parts.h"
#include "2-QZutils/qz_angles.h"
#include "2-QZutils/qz_file.h"
#include "2-QZutils/qz_funct.h"
#include "2-QZutils/records.h"

namespace orv {

namespace {

constexpr const char* PROP_FOIL = "Clark-Y (good propeller).afl";
constexpr const char* WING_FOIL = "NACA 2412 (popular).afl";
constexpr const char* TAIL_FOIL = "NACA 0009 (symmetrical).afl";
constexpr const char* FLAP_FILE = "plain flap.flp";

constexpr int DIGIT_CODE_FIRST = 1, DIGIT_CODE_LAST = 10, LETTER_CODE_FIRST = 11, LETTER_CODE_LAST = 36;
constexpr int TAIL_DIGITS = 3, TAIL_LETTERS = 2;

// Element counts: propellers, wings, horizontal tail, vertical tails and pylons.
constexpr int PROP_ELS = 8, WING_ELS = 6, HSTAB_ELS = 4, FIN_ELS = 4;
constexpr float UPRIGHT_DEG = 90.0f;          // fins and pylons stand vertically
constexpr int BLADES = 2;
constexpr int INSTRUMENT_SLOTS = 8;

// The fraction of a body's radius kept at its first and last station, so the ends close
// without a degenerate ring.
constexpr float END_RADIUS_FRACTION = 0.08f;

void set_foils(int part, const char* foil)
{
    copy_str(pln.Rafl0[part], ACF_STR, foil);
    copy_str(pln.Rafl1[part], ACF_STR, foil);
    copy_str(pln.Tafl0[part], ACF_STR, foil);
    copy_str(pln.Tafl1[part], ACF_STR, foil);
}

void surface(int part, float x, float y, float z, float semilen, float croot, float ctip)
{
    pln.Xarm[part] = x;
    pln.Yarm[part] = y;
    pln.Zarm[part] = z;
    pln.semilen[part] = semilen;
    pln.Croot[part] = croot;
    pln.Ctip[part] = ctip;
}

// A pair of left and right surfaces (left first), the right one at +x.
void surface_pair(int left, float y, float z, float semilen, float croot, float ctip)
{
    surface(left, 0.0f, y, z, semilen, croot, ctip);
    surface(left + 1, 0.0f, y, z, semilen, croot, ctip);
}

void tail_number()
{
    char* t = pln.tailnum;
    int n = 0;
    t[n++] = 'N';
    for (int i = 0; i < TAIL_DIGITS; i++) t[n++] = code_to_char(intrand(DIGIT_CODE_FIRST, DIGIT_CODE_LAST));
    for (int i = 0; i < TAIL_LETTERS; i++) t[n++] = code_to_char(intrand(LETTER_CODE_FIRST, LETTER_CODE_LAST));
    t[n] = 0;
}

void panel_and_options()
{
    pln.asi_units = 2;
    pln.paneltype = pln.radiotype = pln.AStype = pln.supptype = pln.HUDtype = pln.VVItype = 1;
    for (int slot = 1; slot <= INSTRUMENT_SLOTS; slot++) {
        pln.ins_of_loc[slot] = slot;
        pln.has_ins[slot] = 1;
    }
    pln.con_smooth = 2;
}

// A 110 hp carburetted engine on a fixed-pitch two-blade propeller, blades set for 56 in a
// turn at 2550 rpm.
void engine_and_propeller()
{
    pln.entype = 1;
    pln.numen = 1;
    pln.gearrat = 1.0f;
    pln.pmax = 110.0f;
    pln.sfc = 0.45f;
    pln.mpmax = 29.0f;
    pln.omegamin = 700.0f;
    pln.omegamax = 2700.0f;
    pln.omegamingreen = 2000.0f;
    pln.omegamaxgreen = 2700.0f;
    pln.spooltime = 1.0f;
    for (int e = 0; e < NUM_ENGINES; e++) {
        pln.numblades[e] = BLADES;
        pln.propdir[e] = 1;
        pln.miprop[e] = 1.6f;
        pln.des_adv[e] = 56.0f;
        pln.des_rpm[e] = 2550.0f;
        set_foils(e, PROP_FOIL);
        pln.els[e] = PROP_ELS;
    }
    surface(PART_PROP1, 0.0f, 0.0f, 0.3f, 2.9f, 0.55f, 0.35f);
    // Every ring at the angle that advances it the design pitch in one turn.
    const float pitch_ft = pln.des_adv[0] / 12.0f;
    for (int i = 0; i < PROP_ELS; i++) {
        const float r = pln.semilen[PART_PROP1] * ((float)i + 0.5f) / (float)PROP_ELS;
        pln.anginc[PART_PROP1][i] = std::atan(pitch_ft / (2.0f * PI_F * r)) / DEG_TO_RAD_F;
    }
    // 56 in a turn at 2550 rpm, in knots.
    pln.des_vel[0] = pitch_ft * pln.des_rpm[0] / 60.0f * 0.3048f / 0.514444f;
}

void wings_and_tails()
{
    constexpr float WING_Y = 1.9f, WING_Z = 6.2f;   // on the cabin roof
    surface_pair(PART_WING1L, WING_Y, WING_Z, 15.5f, 5.0f, 4.2f);
    for (int p = PART_WING1L; p <= PART_WING1R; p++) {
        pln.dihed[p] = 3.0f;
        static const float twist[WING_ELS] = {1.5f, 1.2f, 0.9f, 0.6f, 0.3f, 0.0f};
        for (int e = 0; e < WING_ELS; e++) pln.anginc[p][e] = twist[e];
        for (int e = 1; e <= 2; e++) pln.flap[p][e] = 1;
        for (int e = 3; e <= 5; e++) pln.ailn[p][e] = 1;
    }
    surface_pair(PART_HSTABL, 1.0f, 20.0f, 5.2f, 3.4f, 2.6f);
    for (int p = PART_HSTABL; p <= PART_HSTABR; p++) {
        for (int e = 0; e < HSTAB_ELS; e++) {
            pln.anginc[p][e] = -1.0f;
            pln.elev[p][e] = 1;
        }
    }
    pln.hstbtrimmax = 4.0f;
    surface(PART_VSTAB1, 0.0f, 1.2f, 19.2f, 4.0f, 4.8f, 2.8f);
    pln.sweep1[PART_VSTAB1] = pln.sweep2[PART_VSTAB1] = 28.0f;
    for (int e = 0; e < FIN_ELS; e++) pln.rudd[PART_VSTAB1][e] = 1;

    for (int p = PART_WING1L; p <= PART_WING3R; p++) {
        pln.els[p] = WING_ELS;
        set_foils(p, WING_FOIL);
    }
    for (int p = PART_HSTABL; p <= PART_HSTABR; p++) pln.els[p] = HSTAB_ELS;
    for (int p = PART_VSTAB1; p <= PART_PYLON4; p++) {
        pln.els[p] = FIN_ELS;
        pln.dihed[p] = UPRIGHT_DEG;
    }
    for (int p = PART_HSTABL; p <= PART_PYLON4; p++) set_foils(p, TAIL_FOIL);
    copy_str(pln.flap_str, ACF_STR, FLAP_FILE);

    pln.ailn_crat = 0.25f; pln.ailn_up = 20.0f; pln.ailn_dn = 15.0f;
    pln.elev_crat = 0.40f; pln.elev_up = 25.0f; pln.elev_dn = 20.0f;
    pln.rudd_crat = 0.40f; pln.rudd_def = 20.0f;
}

void bodies()
{
    round_body(PART_FUSE, 2.0f, 0.0f, 23.0f);
    pln.fuse_cd = 0.2f;
    pln.fusewash = 1;
    for (int p = PART_NACE1; p <= PART_MISC2; p++) round_body(p, 1.0f, -3.0f, 3.0f);
    for (int p = PART_FAIR1; p <= PART_FAIR3; p++) round_body(p, 0.4f, -1.0f, 1.0f);
}

// Fixed tricycle gear on a ground line 4 ft under the thrust line, springs sized so each leg
// sinks about 8 cm under its share of the maximum weight (stored as N/m and N s/m).
void gear_and_mass()
{
    pln.Vso = 42.0f; pln.Vs = 48.0f; pln.Vfe = 85.0f; pln.Vno = 115.0f; pln.Vne = 145.0f;
    pln.m_empty = 1100.0f;
    pln.m_max = 1650.0f;
    pln.m_fuel = 150.0f;
    pln.cgZ = 6.2f;
    pln.cgY = 0.8f;

    constexpr float GROUND_Y = -4.0f;
    pln.gear_type = 3;
    pln.gear_stat[0] = pln.gear_stat[1] = pln.gear_stat[2] = 1;
    pln.wheelrad = 0.65f;
    pln.ngearZ = 2.8f;
    pln.ngearY = GROUND_Y + pln.wheelrad;
    pln.mgearZ = 8.0f;
    pln.mgearX = 3.8f;
    pln.mgearY = GROUND_Y + pln.wheelrad;
    pln.ngearZ_att = pln.ngearZ;
    pln.ngearY_att = -1.3f;
    pln.mgearZ_att = pln.mgearZ - 0.5f;
    pln.mgearX_att = 1.6f;
    pln.mgearY_att = -1.4f;
    pln.nwsteer = 10.0f;

    constexpr float LB_TO_KG = 0.4536f, G = 9.81f, SINK_M = 0.08f, DAMPING = 0.6f;
    const float mass = pln.m_max * LB_TO_KG, weight = mass * G;
    const float nose = (pln.mgearZ - pln.cgZ) / (pln.mgearZ - pln.ngearZ);
    pln.ngearcon = nose * weight / SINK_M;
    pln.mgearcon = (1.0f - nose) / 2.0f * weight / SINK_M;
    pln.ngeardmp = 2.0f * DAMPING * std::sqrt(pln.ngearcon * nose * mass);
    pln.mgeardmp = 2.0f * DAMPING * std::sqrt(pln.mgearcon * (1.0f - nose) / 2.0f * mass);
    pln.skidcon = weight / 10.0f / 0.05f;
    pln.skiddmp = 2.0f * DAMPING * std::sqrt(pln.skidcon * mass / 10.0f);
    pln.h_eqlbm = (pln.cgY - GROUND_Y) * 0.3048f;

    pln.peX = -0.9f;
    pln.peY = 1.8f;
    pln.peZ = 6.0f;
}

}  // namespace

void round_body(int part, float radius, float z_front, float z_back)
{
    const int ns = f_body_s_dim(part), np = f_body_r_dim(part);
    if (ns < 2 || np < 1) return;
    pln.body_r[part] = radius;
    for (int s = 0; s < ns; s++) {
        const float t = (float)s / (float)(ns - 1);
        const float r = radius * fltmax2(std::sqrt(std::sin(PI_F * t)), END_RADIUS_FRACTION);
        for (int k = 0; k < np; k++) {
            const float a = 2.0f * PI_F * (float)k / (float)np;
            pln.body_X[part][s][k] = r * std::sin(a);
            pln.body_Y[part][s][k] = r * std::cos(a);
            pln.body_Z[part][s][k] = z_front + (z_back - z_front) * t;
        }
    }
}

void setup_baseplane(const char* name, const char* path)
{
    std::memset(&pln, 0, sizeof pln);
    std::memset(&afl, 0, sizeof afl);
    copy_str(pln.C_file, ACF_STR, name);
    copy_str(pln.C_name, ACF_STR, name);
    copy_str(pln.C_path, ACF_STR, path);
    msc.planemod = 0;
    msc.planenamed = 0;
    tail_number();
    panel_and_options();
    engine_and_propeller();
    wings_and_tails();
    bodies();
    gear_and_mass();
}

}  // namespace orv
