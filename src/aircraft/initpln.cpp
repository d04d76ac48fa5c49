// initpln.cpp -- turning an aircraft file into the working aircraft record.
//
// The file stores feet, pounds, horsepower and degrees in the design tool's frame; the
// flight model wants SI about the centre of gravity, elements with areas and chords, the
// finite-wing corrections and which element sits in whose wash. Every value that comes
// from a file is treated as untrusted: counts are clamped to the arrays before they index
// anything, non-numbers are zeroed, and divisions are guarded, so a damaged file gives
// alerts and a harmless aircraft, never a crash.
#include "aircraft/initpln.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <ostream>
#include <string>

#include "2-QZutils/acf_fields.h"
#include "2-QZutils/acf_parts.h"
#include "2-QZutils/qz_angles.h"
#include "2-QZutils/qz_file.h"
#include "2-QZutils/qz_pick.h"
#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/qz_trk.h"
#include "2-QZutils/records.h"
#include "aircraft/acf_io.h"
#include "aircraft/afl_io.h"
#include "flight/funct.h"

namespace orv {

namespace {

// No stored quantity of an aircraft comes near this; the heaviest gear springs (N/m, stored
// as they are) stay a hundred times below it, and squares and cubes of it stay finite.
constexpr float kAbsurd = 1.0e9f;
constexpr float HELI_SLOW_FLIGHT_KT = 40.0f;   // stands in for the stall speed of a rotorcraft

// The report goes to "Vantorel.out" when the program has opened it, else nowhere.
std::ostream& rep()
{
    static std::ostream discard(nullptr);
    if (trk.is_open()) return trk;
    return discard;
}

void rule() { rep() << "------------------------------------------------------------------------\n"; }

float safe_div(float a, float b, float if_zero = 0.0f)
{
    return (std::fabs(b) > 1.0e-9f) ? a / b : if_zero;
}

const char* file_part(const char* path)
{
    const char* name = path;
    for (const char* c = path; *c; ++c)
        if (*c == '\\' || *c == '/') name = c + 1;
    return name;
}

bool is_prop_engine() { return pln.entype >= 1 && pln.entype <= 3; }

// ---- sanity of the raw record -----------------------------------------------------------

// Fields the loader computes afresh: what the file holds there does not matter, so they are
// zeroed quietly when they are not numbers and never alerted on.
const char* const kComputedAtLoad[] = {
    "ASpwr", "Vmin", "Vmax", "discarea", "ringarea", "spec_wash", "lo_washdir", "hi_washdir",
    "max_washdir", "s", "mac", "AR", "e", "delta_fac", "al_D_al0", "cl_D_cl0", "cm_D_cm0",
    "alpha_max", "slat_effect", "fuseYcent", "fuseZcent", "fuse_s_frn", "fuse_s_sid", "fuse_s_top",
    "nace_s", "misc_s", "fair_s", "body_r", "Jxx_unitmass", "Jyy_unitmass", "Jzz_unitmass"};

bool computed_at_load(const char* name)
{
    for (const char* c : kComputedAtLoad)
        if (std::strcmp(c, name) == 0) return true;
    return false;
}

// Text areas end with a NUL whatever the file held; every number that is not a number, or is
// beyond anything an aircraft could have, becomes 0 (one alert names the first).
void sanitize_record()
{
    int bad = 0;
    char first[96] = "";
    unsigned char* base = reinterpret_cast<unsigned char*>(&pln);
    for (int i = 0; i < acf_num_fields; ++i) {
        const acf_field& f = acf_fields[i];
        const bool computed = computed_at_load(f.name);
        for (std::size_t n = 0; n < f.count; ++n) {
            unsigned char* e = base + f.offset + n * f.elem_size;
            if (f.type == ACF_CHAR) {
                e[f.elem_size - 1] = 0;
            } else if (f.type == ACF_FLOAT) {
                float v;
                std::memcpy(&v, e, 4);
                if (computed) {
                    if (!std::isfinite(v)) std::memset(e, 0, 4);
                } else if (!std::isfinite(v) || std::fabs(v) > kAbsurd) {
                    if (!bad++) std::snprintf(first, sizeof first, "The first is %s, element %zu.", f.name, n);
                    v = 0.0f;
                    std::memcpy(e, &v, 4);
                }
            }
        }
    }
    if (bad) {
        char count[96];
        std::snprintf(count, sizeof count, "%d values were not numbers or far out of range; they are now zero.", bad);
        MACIBM_alert("The aircraft file holds values that cannot be right!", first, count,
                     "Check the aircraft in Flexgauge.", ALERT_NOTE);
    }
}

void clamp_count(int* v, int lo, int hi, const char* what, const char* part, bool tell)
{
    if (*v >= lo && *v <= hi) return;
    if (tell) {
        char l2[200];
        std::snprintf(l2, sizeof l2, "%s of the %s is %d; it must be %d to %d.", what, part, *v, lo, hi);
        MACIBM_alert("The aircraft file holds an impossible count!", l2, "It has been limited to that range.",
                     "Check the aircraft in Flexgauge.", ALERT_NOTE);
    }
    *v = *v < lo ? lo : hi;
}

// Counts index arrays everywhere in the program: they are brought into range before use.
void clamp_counts()
{
    if (pln.asi_units != 1 && pln.asi_units != 2) {
        MACIBM_alert("The aircraft file is damaged: its airspeed units are neither knots nor mph.",
                     pln.C_path, "Knots are assumed.", "", ALERT_NOTE);
        pln.asi_units = 1;
    }
    clamp_count(&pln.numen, 0, NUM_ENGINES, "The number of engines", "aircraft", true);
    clamp_count(&pln.entype, 0, 5, "The engine type", "aircraft", true);
    for (int p = 0; p < NUM_PARTS; ++p) {
        if (p <= PART_PYLON4) clamp_count(&pln.els[p], 1, MAX_ELS, "The element count", part_name(p), have_this_part(p) != 0);
        else clamp_count(&pln.els[p], 0, MAX_ELS, "The element count", part_name(p), false);
    }
    for (int e = 0; e < NUM_ENGINES; ++e) {
        const bool used = is_prop_engine() && e < pln.numen;
        if (used && (pln.numblades[e] < 1.0f || pln.numblades[e] > BODY_STATIONS)) {
            char l2[160];
            std::snprintf(l2, sizeof l2, "Propeller %d has %g blades; it must have 1 to %d.", e + 1,
                          static_cast<double>(pln.numblades[e]), BODY_STATIONS);
            MACIBM_alert("The aircraft file holds an impossible count!", l2, "It has been limited to that range.",
                         "Check the aircraft in Flexgauge.", ALERT_NOTE);
        }
        pln.numblades[e] = fltlim(pln.numblades[e], used ? 1.0f : 0.0f, static_cast<float>(BODY_STATIONS));
    }
    // a pointed tip (zero tip chord) is a real design; no chord at all, or a negative one, is not
    for (int p = PART_PROP1; p <= PART_PYLON4; ++p) {
        if (!have_this_part(p)) continue;
        if (pln.Croot[p] < 0.0f || pln.Ctip[p] < 0.0f || (pln.Croot[p] == 0.0f && pln.Ctip[p] == 0.0f)) {
            char l1[160];
            std::snprintf(l1, sizeof l1, "The %s has a chord of zero or less!", part_name(p));
            MACIBM_alert(l1, "It has no area, so it can make no lift.", "You need to change this in Flexgauge.", "",
                         ALERT_NOTE);
            pln.Croot[p] = std::fmax(pln.Croot[p], 0.0f);
            pln.Ctip[p] = std::fmax(pln.Ctip[p], 0.0f);
        }
    }
    const char* mass_name[4] = {"empty", "maximum", "fuel", "jettisonable"};
    float* mass[4] = {&pln.m_empty, &pln.m_max, &pln.m_fuel, &pln.m_jettison};
    for (int i = 0; i < 4; ++i) {
        if (*mass[i] < 0.0f) {
            char l1[120];
            std::snprintf(l1, sizeof l1, "You have entered a negative %s weight!", mass_name[i]);
            MACIBM_alert(l1, "This defies the immutable laws of physics!",
                         "Please do not defy the immutable laws of physics!", "It has been set to zero.", ALERT_NOTE);
            *mass[i] = 0.0f;
        }
    }
}

// ---- unit conversion and the centre-of-gravity origin ------------------------------------

// Into -180..180 however many turns the stored angle holds.
float wrap180(float a)
{
    return a - 360.0f * std::floor((a + 180.0f) / 360.0f);
}

void convert_units()
{
    const float ft = con.fttomtrs;
    float* lengths[] = {&pln.peX, &pln.peY, &pln.peZ, &pln.critalt, &pln.vectarm, &pln.misc_X, &pln.misc_Y,
                        &pln.misc_Z, &pln.cgY, &pln.cgZ, &pln.skidX, &pln.skidY, &pln.skidZ, &pln.skidl,
                        &pln.ngearZ, &pln.ngearY, &pln.mgearZ, &pln.mgearX, &pln.mgearY, &pln.ngearZ_att,
                        &pln.ngearY_att, &pln.mgearZ_att, &pln.mgearX_att, &pln.mgearY_att, &pln.wheelrad,
                        &pln.jatoY, &pln.jatoZ};
    for (float* v : lengths) *v *= ft;
    for (int p = 0; p < NUM_PARTS; ++p) {
        pln.semilen[p] *= ft;
        pln.Croot[p] *= ft;
        pln.Ctip[p] *= ft;
        pln.Xarm[p] *= ft;
        pln.Yarm[p] *= ft;
        pln.Zarm[p] *= ft;
        pln.sweep1[p] = wrap180(pln.sweep1[p]);
        pln.dihed[p] = wrap180(pln.dihed[p]);
        for (int s = 0; s < BODY_STATIONS; ++s)
            for (int k = 0; k < BODY_POINTS; ++k) {
                pln.body_X[p][s][k] *= ft;
                pln.body_Y[p][s][k] *= ft;
                pln.body_Z[p][s][k] *= ft;
            }
    }
    pln.pmax *= con.hptowat;
    float gear = pln.gearrat;
    if (!(gear > 0.0f)) {
        if (is_prop_engine() && pln.numen > 0)
            MACIBM_alert("The propeller gear ratio of this aircraft is zero or negative!",
                         "A direct drive (ratio 1) is assumed.", "You need to change this in Flexgauge.", "",
                         ALERT_NOTE);
        gear = pln.gearrat = 1.0f;
    }
    pln.omegamin *= con.rpmtorsc / gear;
    pln.omegamax *= con.rpmtorsc / gear;
    pln.omegamingreen *= con.rpmtorsc / gear;
    pln.omegamaxgreen *= con.rpmtorsc / gear;
    pln.tmax *= con.lbstonew;
    pln.burnerinc *= con.lbstonew;
    pln.jatothrust *= con.lbstonew;
    pln.facejet *= con.ft2tom2;
    pln.brake_area *= con.ft2tom2;
    pln.chute_area *= con.ft2tom2;
    pln.m_empty *= con.lbstokgs;
    pln.m_max *= con.lbstokgs;
    pln.m_fuel *= con.lbstokgs;
    pln.m_jettison *= con.lbstokgs;
    pln.puffL *= con.ftlbstonm;
    pln.puffM *= con.ftlbstonm;
    pln.puffN *= con.ftlbstonm;
}

// Bodies 19..27 are drawn about their reference points (get_body_os), which move with the
// origin; only the fuselage's points are in the aircraft frame itself.
void move_origin_to_cg()
{
    const float cy = pln.cgY, cz = pln.cgZ;
    float* ys[] = {&pln.peY, &pln.ngearY, &pln.mgearY, &pln.ngearY_att, &pln.mgearY_att, &pln.skidY,
                   &pln.jatoY, &pln.misc_Y};
    float* zs[] = {&pln.peZ, &pln.ngearZ, &pln.mgearZ, &pln.ngearZ_att, &pln.mgearZ_att, &pln.skidZ,
                   &pln.jatoZ, &pln.misc_Z};
    for (float* v : ys) *v -= cy;
    for (float* v : zs) *v -= cz;
    for (int p = PART_PROP1; p <= PART_PYLON4; ++p) {
        pln.Yarm[p] -= cy;
        pln.Zarm[p] -= cz;
    }
    for (int s = 0; s < BODY_STATIONS; ++s)
        for (int k = 0; k < BODY_POINTS; ++k) {
            pln.body_Y[PART_FUSE][s][k] -= cy;
            pln.body_Z[PART_FUSE][s][k] -= cz;
        }
}

bool wide_kind(int kind) { return (kind >= 1 && kind <= 3) || (kind >= 5 && kind <= 7); }

void check_panel_slots()
{
    for (int row = 0; row < 2; ++row) {
        int wide = 0;
        for (int slot = 1 + 4 * row; slot <= 4 + 4 * row; ++slot)
            if (wide_kind(pln.ins_of_loc[slot])) ++wide;     // the kind decides, as the panel lays it out
        if (wide > 3) {
            MACIBM_alert(PANEL_ROW_ALERT,
                         "There can only be THREE WIDE INSTRUMENTS ON EACH ROW of the panel (the fourth must be narrow to fit!)",
                         "The WIDE instruments are the 'standard six', namely the airspeed, horizon, altimeter, turn-slip, HSI, and vertical speed.",
                         "Go into Flexgauge and select only 3 WIDE instruments for each row of instruments.",
                         ALERT_NOTE);
        }
    }
}

// ---- elements --------------------------------------------------------------------------

void cut_elements()
{
    int (*flags[8])[MAX_ELS] = {pln.ailn, pln.splr, pln.flap, pln.slat, pln.sbrk, pln.drud, pln.elev, pln.rudd};
    int* eqs[8] = {&pln.ailnEQ, &pln.splrEQ, &pln.flapEQ, &pln.slatEQ, &pln.sbrkEQ, &pln.drudEQ, &pln.elevEQ, &pln.ruddEQ};
    for (int i = 0; i < 8; ++i) *eqs[i] = 0;
    std::memset(pln.s, 0, sizeof pln.s);
    std::memset(pln.mac, 0, sizeof pln.mac);
    for (int p = PART_PROP1; p <= PART_PYLON4; ++p) {
        pln.sweepnow[p] = pln.sweep1[p];
        if (!have_this_part(p)) continue;
        const int els = pln.els[p];
        for (int k = 0; k < els; ++k) {
            const float c1 = pln.Croot[p] + (pln.Ctip[p] - pln.Croot[p]) * k / els;
            const float c2 = pln.Croot[p] + (pln.Ctip[p] - pln.Croot[p]) * (k + 1) / els;
            pln.s[p][k] = (c1 + c2) * pln.semilen[p] * 0.5f / els;
            pln.mac[p][k] = (2.0f / 3.0f) * (c1 + c2 - safe_div(c1 * c2, c1 + c2));
            for (int i = 0; i < 8; ++i)
                if (flags[i][p][k]) *eqs[i] = 1;
        }
    }
}

// ---- finite-wing build-up ---------------------------------------------------------------

struct wing_geom { float b, croot, ctip, sweep; };

bool near3(float ax, float ay, float az, float bx, float by, float bz, float tol)
{
    return std::fabs(ax - bx) < tol && std::fabs(ay - by) < tol && std::fabs(az - bz) < tol;
}

// When the tip of one of the surfaces p and q meets the other's root they are one wing:
// answers the inboard one of the two, else -1. Both tests are made; when both hold (two very
// short surfaces) the second decides.
int joined_inboard(int p, int q)
{
    if (q == p || !have_this_part(q)) return -1;
    if (std::fabs(pln.dihed[p] - pln.dihed[q]) >= 30.0f) return -1;
    const float ptx = get_wing_Xarm(p, pln.semilen[p]), pty = get_wing_Yarm(p, pln.semilen[p]),
                ptz = get_wing_Zarm(p, pln.semilen[p]);
    const float qtx = get_wing_Xarm(q, pln.semilen[q]), qty = get_wing_Yarm(q, pln.semilen[q]),
                qtz = get_wing_Zarm(q, pln.semilen[q]);
    int inboard = -1;
    if (near3(ptx, pty, ptz, pln.Xarm[q], pln.Yarm[q], pln.Zarm[q], 0.2f * pln.Ctip[p])) inboard = p;
    if (near3(qtx, qty, qtz, pln.Xarm[p], pln.Yarm[p], pln.Zarm[p], 0.2f * pln.Ctip[q])) inboard = q;
    return inboard;
}

// A surface whose tip meets another's root is one wing with it for the corrections.
wing_geom wing_geometry(int p)
{
    wing_geom g{pln.semilen[p], pln.Croot[p], pln.Ctip[p], pln.sweep1[p]};
    if (p < PART_WING1L || p > PART_VSTAB2) return g;
    for (int q = PART_WING1L; q <= PART_VSTAB2; ++q) {
        const int inboard = joined_inboard(p, q);
        if (inboard < 0) continue;
        const int outboard = inboard == p ? q : p;
        g.croot = pln.Croot[inboard];
        g.ctip = pln.Ctip[outboard];
        g.b = pln.semilen[p] + pln.semilen[q];
        g.sweep = safe_div(pln.semilen[p] * pln.sweep1[p] + pln.semilen[q] * pln.sweep1[q], g.b);
        rep() << "   !!!Note: I am joining " << part_name(inboard) << " to " << part_name(outboard)
              << " to form one continuous wing!!!\n";
    }
    return g;
}

float oswald(float AR, float sweep)
{
    const float base = 1.0f - 0.045f * std::pow(std::fmax(AR, 0.0f), 0.68f);
    const float e_straight = 1.78f * base - 0.64f;
    const float lc = fltlim(std::fabs(sweep), 30.0f, 90.0f);
    const float e_swept = 4.61f * base * std::pow(std::fmax(std::cos(lc * DEG_TO_RAD_F), 0.0f), 0.15f) - 3.1f;
    if (std::fabs(sweep) >= 30.0f) return e_swept;
    return interp(0.0f, e_straight, 30.0f, e_swept, std::fabs(sweep));
}

// The airfoil files read so far in this load. A part's four slots, and the parts of one
// aircraft, mostly name the same few files: a name met again copies the tables read the
// first time. Only files read whole are kept, so a missing or damaged one alerts every time.
struct foil_read {
    const char* name;
    int   p, rt, re;
    float stall;
    float reynolds;   // as the file gives it: the slot's own may since have been widened below
};
static foil_read foils_read[NUM_PARTS * 4];
static int n_foils_read;

static const foil_read* foil_read_before(const char* name)
{
    for (int k = 0; k < n_foils_read; ++k)
        if (!std::strncmp(foils_read[k].name, name, ACF_STR)) return &foils_read[k];
    return nullptr;
}

void read_part_airfoils(int p)
{
    const char* names[4] = {pln.Rafl0[p], pln.Rafl1[p], pln.Tafl0[p], pln.Tafl1[p]};
    const int rt[4] = {0, 0, 1, 1}, re[4] = {0, 1, 0, 1};
    float sum_alpha = 0.0f;
    for (int i = 0; i < 4; ++i) {
        float a = 0.0f;
        if (const foil_read* f = foil_read_before(names[i])) {
            copy_airfoil(f->p, f->rt, f->re, p, rt[i], re[i]);
            afl.Re[p][rt[i]][re[i]] = f->reynolds;
            a = f->stall;
        } else if (grabafoil(names[i], p, rt[i], re[i], &a) && n_foils_read < NUM_PARTS * 4) {
            foils_read[n_foils_read++] = {names[i], p, rt[i], re[i], a, afl.Re[p][rt[i]][re[i]]};
        }
        sum_alpha += a;
        rep() << "   " << (rt[i] ? "tip " : "root") << " airfoil, " << (re[i] ? "high" : "low ")
              << " Reynolds number: " << names[i] << "  (Re " << afl.Re[p][rt[i]][re[i]]
              << " million, t/c " << afl.trat[p][rt[i]][re[i]] << ", stall " << a << " deg)\n";
    }
    for (int r = 0; r < 2; ++r) {
        if (std::fabs(afl.Re[p][r][0] - afl.Re[p][r][1]) < 0.01f) {
            // equal numbers: every lookup takes the low-Re table
            afl.Re[p][r][0] = 0.0f;
            afl.Re[p][r][1] = 99.9f;
        }
    }
    pln.alpha_max[p] = sum_alpha / 4.0f;
}

void finite_wing(int p)
{
    rep() << "\nFinite-Wing & Element Build-Up for " << part_name(p) << "\n";
    read_part_airfoils(p);

    const wing_geom g = wing_geometry(p);
    const float cosL = std::cos(g.sweep * DEG_TO_RAD_F), sinL = std::sin(g.sweep * DEG_TO_RAD_F);
    const float mean_chord = (g.croot + g.ctip) / 2.0f;
    float AR = safe_div(2.0f * g.b * cosL, mean_chord);
    if (AR < 0.0f) AR = 0.0f;
    pln.AR[p] = AR;

    // a plain arctangent of the ratio (not atan2): a surface swept past 90 degrees must not
    // come out as a mid-chord sweep beyond 90; a span line with no spanwise extent is 90
    const float mid_num = g.b * sinL + 0.25f * g.croot - 0.25f * g.ctip, mid_den = g.b * cosL;
    const float sweep_mid = std::fabs(mid_den) > 1.0e-9f ? std::atan(mid_num / mid_den) / DEG_TO_RAD_F
                                                         : (mid_num < 0.0f ? -90.0f : 90.0f);
    pln.delta_fac[p] = fltlim(sweep_mid / 65.0f, 0.0f, 1.0f) * fltlim(1.0f - safe_div(g.ctip, g.croot, 1.0f), 0.0f, 1.0f);

    float e = oswald(AR, g.sweep);

    if (p >= PART_WING1L && p <= PART_WING3R) {
        for (int q = PART_WING1L; q <= PART_WING3R; ++q) {
            if (q == p || !have_this_part(q)) continue;
            // the inner and outer panels of one wing, on either side, stand apart only by its
            // dihedral (wing parts come in left/right pairs 4/5, 6/7, 8/9)
            const int mirror = p ^ 1;
            if (joined_inboard(p, q) >= 0 || joined_inboard(mirror, q) >= 0) continue;
            const float dy = std::fabs(pln.Yarm[p] - pln.Yarm[q]);
            const float dz = std::fabs(pln.Zarm[p] - pln.Zarm[q]);
            if (!(dy > dz && dy > 0.1f * pln.Ctip[p] && dy > 0.1f * pln.Ctip[q])) continue;
            const float b1 = pln.semilen[p], b2 = pln.semilen[q];
            if (!(b1 > 0.0f && b2 > 0.0f)) continue;
            const float r = dy / (b1 + b2);
            const float sigma = 31.0f * r * r * r * r - 37.8f * r * r * r + 17.98f * r * r - 4.896f * r + 0.9962f;
            const float m = b1 <= b2 ? b1 / b2 : b2 / b1;
            e = safe_div(2.0f * m * m, 1.0f + 2.0f * sigma * m + m * m, 1.0f);
            rep() << "   Biplane interference with " << part_name(q) << " changes the efficiency factor to " << e << "\n";
        }
    }
    e = fltlim(e, 0.5f, 1.0f);
    pln.e[p] = e;
    rep() << "   Oswalds efficiency factor based on AR (" << AR << ") and sweep (" << g.sweep << " deg) is " << e << "\n";

    const float a0 = (afl.clM[p][0][0] + afl.clM[p][0][1] + afl.clM[p][1][0] + afl.clM[p][1][1]) * 45.0f / PI_F;
    const float f = AR > 1.0e-4f ? 1.0f / (1.0f + a0 / (PI_F * e * AR)) : 0.0f;
    pln.al_D_al0[p] = 1.0f - 0.68f * (1.0f - f);
    pln.cl_D_cl0[p] = 1.0f - 0.32f * (1.0f - f);
    pln.cm_D_cm0[p] = safe_div(AR * cosL * cosL, AR + 2.0f * cosL);
    pln.alpha_max[p] = safe_div(pln.alpha_max[p], pln.al_D_al0[p]);

    rep() << "   Thoretical lift-slope reduction is to " << f * 100.0f << "% of the 2-D value.\n";
    rep() << "      and reducing airfoil lift coefficients to " << pln.cl_D_cl0[p] * 100.0f << "%\n";
    rep() << "      using coefficient data at an angle of attack that is " << pln.al_D_al0[p] * 100.0f
          << "% of the actual angle of attack.\n";
    rep() << "      Based on AR and sweep, cm change is to " << pln.cm_D_cm0[p] * 100.0f << "%\n";
    rep() << "      Based on AR and TR, aerodynamic center is moved " << pln.delta_fac[p] * 100.0f
          << "% of the way from the the 25% chord to the 50% chord.\n";
    rep() << "   Stalling angle of the finite surface " << pln.alpha_max[p] << " deg\n";
}

void propeller_disc(int p)
{
    const float R = pln.semilen[p];
    const int els = pln.els[p];
    pln.discarea[p] = PI_F * R * R;
    rep() << "\n" << part_name(p) << " DISC AREA is broken down into rings for propwash distribution as follows:\n";
    for (int k = 0; k < MAX_ELS; ++k) {
        if (k >= els) { pln.ringarea[p][k] = 0.0f; continue; }
        const float ro = R * (k + 1) / els, ri = R * k / els;
        pln.ringarea[p][k] = PI_F * ro * ro - PI_F * ri * ri;
        rep() << "   element number " << k << " (lat arm=" << get_wing_rarm(p, k) << " mtrs):   ring area="
              << pln.ringarea[p][k] << "\n";
    }
    rep() << "                                      TOTAL DISC AREA=" << pln.discarea[p] << "\n";
}

void write_report_head()
{
    rep() << "\n";
    rule();
    rep() << "Vantorel aircraft build-up\n";
    rep() << "Simulating " << pln.C_file << "\n";
    rule();
    rep() << "x location positive aft      x force positive forwards    pitch/alpha pos nose up\n"
          << "y location positive right    y force positive right       roll pos right\n"
          << "z location positive up       z force positive up          yaw/beta pos nose right\n"
          << "\n"
          << "elevator, aileron, spoiler   positive control surface up      \n"
          << "rudder                       positive control surface right   \n"
          << "drag-yaw                     positive control surface deployed\n"
          << "pitch cyclic prop pitch      positive request nose up         \n"
          << "roll  cyclic prop pitch      positive request nose right      \n"
          << "\n";
}

}  // namespace

namespace {

// ---- finishplane steps ------------------------------------------------------------------

void slat_effects()
{
    for (int p = 0; p < NUM_PARTS; ++p) pln.slat_effect[p] = 1.0f;
    for (int p = PART_WING1L; p <= PART_HSTABR; ++p) {
        if (!have_this_part(p)) continue;
        bool slatted = false;
        for (int k = 0; k < pln.els[p]; ++k) slatted = slatted || pln.slat[p][k];
        if (!slatted || std::fabs(pln.alpha_max[p]) < 1.0e-3f) continue;
        pln.slat_effect[p] = (pln.alpha_max[p] + pln.slat_inc) / pln.alpha_max[p];
        rep() << "\n" << part_name(p) << ":\n"
              << "Full slat deployment will cause coefficient data to spread out alpha-wise to "
              << pln.slat_effect[p] * 100.0f << "% of original.\n"
              << "Full slat deployment will also change the lift coefficient by the same amount (keeping the lift SLOPE the same).\n";
    }
}

const char* wash_code(int j)
{
    if (j == 4 || j == 5) return "W1";
    if (j == 6 || j == 7) return "W2";
    if (j == 8 || j == 9) return "W3";
    if (j == 10 || j == 11) return "HS";
    return "--";
}

float elem_X(int p, int k) { return get_wing_Xarm(p, get_wing_rarm(p, k)); }
float elem_Y(int p, int k) { return get_wing_Yarm(p, get_wing_rarm(p, k)); }
float elem_Z(int p, int k) { return get_wing_Zarm(p, get_wing_rarm(p, k)); }

void downwash_map()
{
    std::memset(pln.in_downwash, 0, sizeof pln.in_downwash);
    std::memset(pln.spec_wash, 0, sizeof pln.spec_wash);
    for (int i = PART_WING1L; i <= PART_HSTABR; ++i) {
        if (!have_this_part(i)) continue;
        for (int j = PART_WING1L; j <= PART_HSTABR; ++j) {
            if (j == i || (i & 1) != (j & 1) || !have_this_part(j) || !(pln.Zarm[j] < pln.Zarm[i])) continue;
            const float xr = std::fabs(pln.Xarm[j]), xt = std::fabs(get_wing_Xarm(j, pln.semilen[j]));
            const float lo = std::fmin(xr, xt), hi = std::fmax(xr, xt);
            bool any = false;
            for (int k = 0; k < pln.els[i]; ++k) {
                const float x = std::fabs(elem_X(i, k));
                if (x >= lo && x <= hi) { pln.in_downwash[i][j][k] = 1; any = true; }
            }
            if (any) {
                const float sj = pln.semilen[j];
                pln.spec_wash[j] = findspecwash((pln.Yarm[i] - pln.Yarm[j]) / sj, (pln.Zarm[i] - pln.Zarm[j]) / sj,
                                                pln.AR[j], safe_div(pln.Ctip[j], pln.Croot[j], 1.0f));
            }
        }
    }
    rep() << "\nDOWNWASH SITUATION:  W1=wing 1  W2=wing 2  W3=wing 3  HS=horizontal stabilizer\n";
    for (int i = PART_WING1L; i <= PART_HSTABR; ++i) {
        if (!have_this_part(i)) continue;
        rep() << "   " << part_name(i) << ": ";
        for (int k = 0; k < pln.els[i]; ++k) {
            int src = -1;
            for (int j = PART_WING1L; j <= PART_HSTABR; ++j) if (pln.in_downwash[i][j][k]) src = j;
            rep() << " " << wash_code(src);
        }
        rep() << "\n";
    }
    for (int j = PART_WING1L; j <= PART_HSTABR; ++j)
        if (pln.spec_wash[j] != 0.0f)
            rep() << "   downwash behind the " << part_name(j) << ": " << pln.spec_wash[j] << " deg per unit lift coefficient\n";
}

void propwash_map()
{
    std::memset(pln.in_propwash, 0, sizeof pln.in_propwash);
    std::memset(pln.lo_washdir, 0, sizeof pln.lo_washdir);
    std::memset(pln.hi_washdir, 0, sizeof pln.hi_washdir);
    std::memset(pln.max_washdir, 0, sizeof pln.max_washdir);
    for (int i = PART_PROP1; i <= PART_PROP4; ++i) {
        if (!have_this_part(i)) continue;
        const float R = pln.semilen[i];
        for (int j = PART_WING1L; j <= PART_VSTAB2; ++j) {
            if (!have_this_part(j) || !(pln.Zarm[j] > pln.Zarm[i])) continue;
            bool any = false;
            for (int k = 0; k < pln.els[j]; ++k) {
                if (std::fabs(elem_X(j, k) - pln.Xarm[i]) <= R && std::fabs(elem_Y(j, k) - pln.Yarm[i]) <= R) {
                    pln.in_propwash[j][i][k] = 1;
                    any = true;
                }
            }
            if (!any) continue;
            const float dz = pln.Zarm[j] - pln.Zarm[i], dy = pln.Yarm[j] - pln.Yarm[i];
            pln.max_washdir[j][i] = std::atan2(dy, dz) / DEG_TO_RAD_F;
            pln.hi_washdir[j][i] = std::atan2(dy + R, dz) / DEG_TO_RAD_F;
            pln.lo_washdir[j][i] = std::atan2(dy - R, dz) / DEG_TO_RAD_F;
        }
    }
    rep() << "\nPROPWASH SITUATION: 1 through 4 means propwash from that engine on element.\n";
    for (int j = PART_WING1L; j <= PART_VSTAB2; ++j) {
        if (!have_this_part(j)) continue;
        rep() << "   " << part_name(j) << ": ";
        for (int k = 0; k < pln.els[j]; ++k) {
            rep() << " ";
            bool none = true;
            for (int i = PART_PROP1; i <= PART_PROP4; ++i)
                if (pln.in_propwash[j][i][k]) { rep() << (i + 1); none = false; }
            if (none) rep() << "-";
        }
        rep() << "\n";
    }
}

void report_radii(const char* head)
{
    rep() << head
          << "   The radius of gyration in roll  is " << std::sqrt(std::fmax(pln.Jzz_unitmass, 0.0f)) << " meters.\n"
          << "   The radius of gyration in pitch is " << std::sqrt(std::fmax(pln.Jxx_unitmass, 0.0f)) << " meters.\n"
          << "   The radius of gyration in yaw   is " << std::sqrt(std::fmax(pln.Jyy_unitmass, 0.0f)) << " meters.\n";
}

float engine_mass_kg()
{
    float lbs = 0.0f;
    if (pln.entype == 1 || pln.entype == 2) lbs = 1.75f * pln.pmax / con.hptowat;
    else if (pln.entype == 3) lbs = 0.5f * pln.pmax / con.hptowat;
    else if (pln.entype == 4 || pln.entype == 5) lbs = 0.18f * pln.tmax / con.lbstonew;
    return std::fmax(lbs, 0.0f) * con.lbstokgs;
}

float tri_area(float ax, float ay, float az, float bx, float by, float bz, float cx, float cy, float cz)
{
    const float ux = bx - ax, uy = by - ay, uz = bz - az, vx = cx - ax, vy = cy - ay, vz = cz - az;
    return 0.5f * std::sqrt(sqr(uy * vz - uz * vy) + sqr(uz * vx - ux * vz) + sqr(ux * vy - uy * vx));
}

bool body_is_half_outline(int p, int ns, int np)
{
    for (int s = 0; s < ns; ++s)
        for (int k = 0; k < np; ++k)
            if (pln.body_X[p][s][k] < -0.001f) return false;
    return true;
}

void mass_distribution()
{
    double jxx = 0, jyy = 0, jzz = 0, area = 0, fy = 0, fz = 0, farea = 0;
    const int ns = f_body_s_dim(PART_FUSE), np = f_body_r_dim(PART_FUSE);
    const auto& X = pln.body_X[PART_FUSE];
    const auto& Y = pln.body_Y[PART_FUSE];
    const auto& Z = pln.body_Z[PART_FUSE];
    // A fuselage drawn all the way round closes from its last point back to its first; one
    // given as a half outline stands for its mirror image as well.
    const bool half = body_is_half_outline(PART_FUSE, ns, np);
    const float mirror = half ? 2.0f : 1.0f;
    const int panels = half ? np - 1 : np;
    for (int s = 0; s + 1 < ns; ++s)
        for (int k = 0; k < panels; ++k) {
            const int k1 = (k + 1) % np;
            const float a = mirror * (tri_area(X[s][k], Y[s][k], Z[s][k], X[s + 1][k], Y[s + 1][k], Z[s + 1][k],
                                               X[s + 1][k1], Y[s + 1][k1], Z[s + 1][k1]) +
                                      tri_area(X[s][k], Y[s][k], Z[s][k], X[s + 1][k1], Y[s + 1][k1],
                                               Z[s + 1][k1], X[s][k1], Y[s][k1], Z[s][k1]));
            // a half panel and its mirror image sit at -cx and +cx: the same arm squared
            const float cx = (X[s][k] + X[s + 1][k] + X[s + 1][k1] + X[s][k1]) / 4.0f;
            const float cy = (Y[s][k] + Y[s + 1][k] + Y[s + 1][k1] + Y[s][k1]) / 4.0f;
            const float cz = (Z[s][k] + Z[s + 1][k] + Z[s + 1][k1] + Z[s][k1]) / 4.0f;
            jxx += a * (cy * cy + cz * cz);
            jyy += a * (cx * cx + cz * cz);
            jzz += a * (cx * cx + cy * cy);
            area += a;
            farea += a;
            fy += a * cy;
            fz += a * cz;
        }
    pln.fuseYcent = farea > 0 ? static_cast<float>(fy / farea) : 0.0f;
    pln.fuseZcent = farea > 0 ? static_cast<float>(fz / farea) : 0.0f;
    for (int p = PART_WING1L; p <= PART_PYLON4; ++p) {
        if (!have_this_part(p)) continue;
        for (int k = 0; k < pln.els[p]; ++k) {
            const double a = std::fabs(pln.s[p][k]);
            const double x = elem_X(p, k), y = elem_Y(p, k), z = elem_Z(p, k);
            jxx += a * (y * y + z * z);
            jyy += a * (x * x + z * z);
            jzz += a * (x * x + y * y);
            area += a;
        }
    }
    pln.Jxx_unitmass = area > 0 ? static_cast<float>(jxx / area) : 0.0f;
    pln.Jyy_unitmass = area > 0 ? static_cast<float>(jyy / area) : 0.0f;
    pln.Jzz_unitmass = area > 0 ? static_cast<float>(jzz / area) : 0.0f;
    rep() << "\nMASS DISTRIBUTION (empty mass spread over the wetted area):\n";
    report_radii("");

    const float me = engine_mass_kg();
    if (pln.numen > 0 && me > 0.0f && pln.m_empty > 0.0f) {
        const float scale = fltlim((pln.m_empty - pln.numen * me) / pln.m_empty, 0.0f, 1.0f);
        pln.Jxx_unitmass *= scale;
        pln.Jyy_unitmass *= scale;
        pln.Jzz_unitmass *= scale;
        for (int e = 0; e < pln.numen; ++e) {
            const float x = pln.Xarm[e], y = pln.Yarm[e], z = pln.Zarm[e];
            pln.Jxx_unitmass += me * (y * y + z * z) / pln.m_empty;
            pln.Jyy_unitmass += me * (x * x + z * z) / pln.m_empty;
            pln.Jzz_unitmass += me * (x * x + y * y) / pln.m_empty;
            rep() << "Engine number " << e + 1 << ", however, weighs " << me << " kg, and is at: " << x << " "
                  << y << " " << z << "\n";
        }
        report_radii("Final radii of gyration are then as follows:\n");
    }
}

// Bodies are normally drawn all the way round (point 0 on top, the keel half-way round), and
// their section is the closed outline. A body given only as its right half (no point left of
// the centre line) is mirrored: twice the area under the half outline.
float section_area(int p, int s, int np)
{
    const bool half = body_is_half_outline(p, f_body_s_dim(p), np);
    const int segments = half ? np - 1 : np;
    float sum = 0.0f;
    for (int k = 0; k < segments; ++k) {
        const int k1 = (k + 1) % np;
        sum += 0.5f * (pln.body_X[p][s][k] + pln.body_X[p][s][k1]) * (pln.body_Y[p][s][k] - pln.body_Y[p][s][k1]);
    }
    return std::fabs(half ? 2.0f * sum : sum);
}

float frontal_area(int p)
{
    if (!have_this_part(p)) return 0.0f;
    float best = 0.0f;
    const int ns = f_body_s_dim(p), np = f_body_r_dim(p);
    for (int s = 0; s < ns; ++s) best = std::fmax(best, section_area(p, s, np));
    return best;
}

void gear_geometry()
{
    // height of the centre of gravity above the ground and pitch when resting on the gear
    if (pln.gear_type >= 3) {
        const float yn = pln.ngearY - pln.wheelrad, ym = pln.mgearY - pln.wheelrad;
        const float dz = pln.ngearZ - pln.mgearZ;
        const float the = std::fabs(dz) > 0.01f ? std::atan((yn - ym) / dz) : 0.0f;
        pln.the_eqlbm = the / DEG_TO_RAD_F;
        pln.h_eqlbm = -(ym * std::cos(the) - pln.mgearZ * std::sin(the));
    } else if (pln.gear_type == 2) {
        pln.the_eqlbm = 0.0f;
        pln.h_eqlbm = -pln.skidY;
    } else {
        // no wheels or skids: the aircraft rests on its lowest hull, the fuselage or the floats
        float low = 0.0f;
        for (int s = 0; s < f_body_s_dim(PART_FUSE); ++s)
            for (int k = 0; k < BODY_POINTS; ++k) low = std::fmin(low, pln.body_Y[PART_FUSE][s][k]);
        for (int p = 23; p <= 24; ++p) {
            if (!have_this_part(p)) continue;
            float xos, yos, zos;
            get_body_os(p, &xos, &yos, &zos);
            for (int s = 0; s < f_body_s_dim(p); ++s)
                for (int k = 0; k < f_body_r_dim(p); ++k) low = std::fmin(low, yos + pln.body_Y[p][s][k]);
        }
        pln.the_eqlbm = 0.0f;
        pln.h_eqlbm = -low;
    }
    rep() << "At rest on the gear the C.G. is " << pln.h_eqlbm << " meters up and the pitch is "
          << pln.the_eqlbm + 0.0f << " degrees.\n";
}

void body_data()
{
    for (int p = 0; p < NUM_PARTS; ++p) pln.body_r[p] = 0.0f;
    pln.fuse_s_frn = frontal_area(PART_FUSE);
    pln.nace_s = pln.misc_s = pln.fair_s = 0.0f;
    for (int p = 19; p <= 22; ++p) pln.nace_s = std::fmax(pln.nace_s, frontal_area(p));
    for (int p = 23; p <= 24; ++p) pln.misc_s = std::fmax(pln.misc_s, frontal_area(p));
    for (int p = 25; p <= 27; ++p) pln.fair_s = std::fmax(pln.fair_s, frontal_area(p));
    for (int p = PART_FUSE; p < NUM_PARTS; ++p) pln.body_r[p] = std::sqrt(frontal_area(p) / PI_F);

    pln.fuse_s_sid = pln.fuse_s_top = 0.0f;
    const auto& X = pln.body_X[PART_FUSE];
    const auto& Y = pln.body_Y[PART_FUSE];
    const auto& Z = pln.body_Z[PART_FUSE];
    for (int s = 0; s + 1 < 11; ++s) {
        const float h1 = Y[s][0] - Y[s][8], h2 = Y[s + 1][0] - Y[s + 1][8];
        const float w1 = 2.0f * X[s][4], w2 = 2.0f * X[s + 1][4];
        const float dz = std::fabs(Z[s + 1][0] - Z[s][0]);
        pln.fuse_s_sid += 0.5f * (h1 + h2) * dz;
        pln.fuse_s_top += 0.5f * (w1 + w2) * dz;
    }
    pln.fuse_s_sid = std::fabs(pln.fuse_s_sid);
    pln.fuse_s_top = std::fabs(pln.fuse_s_top);

    rep() << "\nBODY DATA:\n"
          << "The frontal area of the fuselage is " << pln.fuse_s_frn << " square meters.\n"
          << "The side area of the fuselage is " << pln.fuse_s_sid << " square meters.\n"
          << "The top area of the fuselage is " << pln.fuse_s_top << " square meters.\n"
          << "The fuselage centroid is at " << pln.fuseYcent << " meters up and " << pln.fuseZcent << " meters aft.\n"
          << "These dimensions, like all dimensions in this output file, are with respect to the C.G.!\n";
    if (pln.nace_eq) rep() << "The frontal area of the engine nacelles is " << pln.nace_s << " square meters each.\n";
    if (pln.misc_eq) rep() << "The frontal area of the fuel tanks/floats is " << pln.misc_s << " square meters each.\n";
    if (pln.fair_eq) rep() << "The frontal area of the wheel fairings is " << pln.fair_s << " square meters each.\n";

    gear_geometry();

    // stall speed from the maximum weight over the wing and tail area at a typical clean
    // maximum lift coefficient; flight starts use it for their speeds
    float area = 0.0f;
    for (int p = PART_WING1L; p <= PART_HSTABR; ++p)
        if (have_this_part(p))
            for (int k = 0; k < pln.els[p]; ++k) area += std::fabs(pln.s[p][k]);
    const float clmax = 1.3f;
    msc.est_Vs = (area > 0.01f && pln.m_max > 0.0f) ? std::sqrt(2.0f * pln.m_max * con.g / (con.rhoSL * area * clmax)) : 0.0f;
    if (pln.is_heli) {
        // A rotorcraft does not stall with its stub wings or tail: the wing-area estimate would
        // put approach and traffic speeds in the hundreds of knots. Starts, traffic and the yaw
        // damper use this speed as "slow forward flight", which for a light helicopter is about
        // 40 knots.
        msc.est_Vs = HELI_SLOW_FLIGHT_KT * con.ktstomsc;
        rep() << "A helicopter has no stall speed; its slow forward flight is taken as " << HELI_SLOW_FLIGHT_KT
              << " knots.\n";
    }
    rep() << "The estimated stall speed is " << msc.est_Vs << " meters per second.\n";
}

void design_alert(const char* l1, const char* l2, const char* l3 = "", const char* l4 = "")
{
    MACIBM_alert(l1, l2, l3, l4, ALERT_NOTE);
}

void design_checks()
{
    const char* fix = "You need to change this in Flexgauge.";
    if (!pln.is_heli) {
        if (pln.Vno == 0.0f) design_alert("You entered a Vno of zero!", fix);
        if (pln.Vne == 0.0f) design_alert("You entered a Vne of zero!", fix);
    }
    if (pln.m_empty < 1.0f)
        design_alert("You have entered an empty weight of zero!", "This defies the immutable laws of physics!",
                     "Please do not defy the immutable laws of physics!");
    if (pln.m_max < 1.0f)
        design_alert("You have entered a maximum weight of zero!", "This defies the immutable laws of physics!",
                     "Please do not defy the immutable laws of physics!");
    if ((pln.entype == 1 || pln.entype == 2) && pln.numen > 0 && pln.mpmax == 0.0f)
        design_alert("You entered a maximum manifold pressure of zero for a piston engine!",
                     "The engine could never make any power.", fix);

    bool neg_drag = false;
    for (int p = 0; p <= PART_PYLON4 && !neg_drag; ++p) {
        if (!have_this_part(p)) continue;
        for (int rt = 0; rt < 2 && !neg_drag; ++rt)
            for (int re = 0; re < 2 && !neg_drag; ++re)
                for (int i = 0; i < AFL_CD_N; ++i)
                    if (afl.cdpos[p][rt][re][i] < 0.0f || afl.cdneg[p][rt][re][i] < 0.0f) {
                        neg_drag = true;
                        design_alert("An airfoil used by this aircraft has negative drag at some angle of attack!",
                                     "The airfoil is used by the:", part_name(p),
                                     "Correct the airfoil's drag table in Piecewright.");
                        break;
                    }
    }

    bool fuse_defined = false;
    for (int s = 0; s < 11; ++s)
        for (int k = 0; k < BODY_POINTS; ++k)
            if (pln.body_X[PART_FUSE][s][k] != 0.0f || pln.body_Y[PART_FUSE][s][k] != 0.0f) fuse_defined = true;
    if (fuse_defined)
        for (int s = 0; s + 1 < 11; ++s)
            if (pln.body_Z[PART_FUSE][s][0] == pln.body_Z[PART_FUSE][s + 1][0]) {
                design_alert("Two sections of the fuselage are at the same station!",
                             "Each fuselage section must lie behind the one before it.", fix);
                break;
            }

    if (pln.paneltype == 2 && (pln.supptype == 3 || pln.supptype == 6))
        design_alert("The glass panel cannot carry that supplementary instrument!",
                     "Its EFIS map display already shows the moving map and the weather radar.", fix);
    if (pln.m_empty > pln.m_max && pln.m_max >= 1.0f)
        design_alert("You entered an empty weight that is greater than the maximum weight!",
                     "This defies the immutable laws of physics!", fix);
    if (pln.hstabtype == 1) {
        if (pln.hstbtrimmax != 0.0f)
            design_alert("This aircraft has a stabilator, but you entered a stabilizer trim range!",
                         "A stabilator trims by moving the whole tail: the trim range must be zero.", fix);
        bool elev = false;
        for (int p = 10; p <= PART_HSTABR; ++p)
            for (int k = 0; k < pln.els[p]; ++k) elev = elev || pln.elev[p][k];
        if (elev)
            design_alert("This aircraft has a stabilator, but you gave it elevators!",
                         "A stabilator has no separate elevators.", fix);
    }
    if (pln.fusewash && (!is_prop_engine() || pln.numen == 0))
        design_alert("You put the fuselage in the propwash, but this aircraft has no propellers!", fix);
    if (pln.vectEQ && !pln.puffEQ && pln.elevcyclic == 0.0f && pln.ailncyclic == 0.0f)
        design_alert("This aircraft has vectored thrust, but neither cyclic control nor reaction puffers!",
                     "It cannot be controlled in the hover.", fix);
    if (pln.puffEQ && pln.puffL == 0.0f && pln.puffM == 0.0f && pln.puffN == 0.0f)
        design_alert("This aircraft has reaction puffers, but all of their moments are zero!", fix);
    bool flies = pln.is_heli != 0;
    for (int p = PART_WING1L; p <= PART_VSTAB2; ++p) flies = flies || have_this_part(p);
    if (!flies) design_alert("This aircraft has no flying surfaces!", fix);
}

}  // namespace

void finishplane(int mode)
{
    (void)mode;     // every caller needs the complete derivation
    slat_effects();
    read_flap_file();
    downwash_map();
    propwash_map();
    mass_distribution();
    body_data();
    design_checks();
    rep().flush();
}

namespace {

int g_last_read = ACF_READ_NOT_ACF;     // how the last attempt's file read went

// Makes the record just read (at `path`) the aircraft and derives everything from it.
int take_record(const planestruct& rec, const char* path);

}  // namespace

static aircraft_hooks hooks;
void aircraft_set_hooks(const aircraft_hooks& h) { hooks = h; }

int load_plane_file(const char* path_in)
{
    char path[PATH_LEN];
    copy_str(path, (int)sizeof path, path_in);
    if (con.fttomtrs == 0.0f) set_constants();   // converting with empty constants zeroes the aircraft
    static planestruct rec;
    g_last_read = read_acf(path, rec);
    if (g_last_read != ACF_READ_OK) return 0;
    return take_record(rec, path);
}

int load_plane_image(const std::uint8_t* data, std::size_t size, const char* name_in)
{
    char name[PATH_LEN];
    copy_str(name, (int)sizeof name, name_in);
    if (con.fttomtrs == 0.0f) set_constants();
    static planestruct rec;
    g_last_read = read_acf_image(data, static_cast<long>(size), name, rec);
    if (g_last_read != ACF_READ_OK) return 0;
    return take_record(rec, name);
}

namespace {

int take_record(const planestruct& rec, const char* path)
{
    std::memcpy(&pln, &rec, sizeof pln);

    copy_str(pln.C_path, (int)sizeof pln.C_path, path);
    copy_str(pln.C_file, (int)sizeof pln.C_file, file_part(path));
    copy_str(pln.C_name, (int)sizeof pln.C_name, pln.C_file);
    flt.over_vne = 0;
    write_report_head();

    sanitize_record();
    convert_units();
    move_origin_to_cg();
    clamp_counts();         // after conversion: which parts are present is decided in metres

    if (pln.numen == 0) pln.entype = 0;
    pln.Vmin = fltnear(pln.Vso - 10.0f, 10.0f);
    pln.Vmax = fltnear(pln.Vne + 10.0f, 10.0f);
    check_panel_slots();

    cut_elements();
    std::memset(&afl, 0, sizeof afl);
    n_foils_read = 0;   // files may have changed since the last load
    std::memset(pln.discarea, 0, sizeof pln.discarea);
    std::memset(pln.ringarea, 0, sizeof pln.ringarea);
    for (int p = 0; p < NUM_PARTS; ++p) {
        pln.AR[p] = pln.e[p] = pln.delta_fac[p] = pln.alpha_max[p] = 0.0f;
        pln.al_D_al0[p] = pln.cl_D_cl0[p] = pln.cm_D_cm0[p] = 1.0f;
    }
    for (int p = PART_PROP1; p <= PART_PYLON4; ++p) {
        if (!have_this_part(p)) continue;
        finite_wing(p);
        if (p <= PART_PROP4 && is_prop_engine()) propeller_disc(p);
    }
    finishplane(3);
    if (hooks.plane_loaded) hooks.plane_loaded();
    return 1;
}

}  // namespace

int load_plane()
{
    for (;;) {
        if (load_plane_file(pln.C_path)) return 1;
        // a damaged file has had its own alert; a missing one gets this explanation
        if (g_last_read == ACF_READ_NOT_ACF)
            MACIBM_alert("The aircraft file that you last used ", pln.C_path,
                         "could not be found in the same folder as the 'Vantorel' application.",
                         "I will therefore shunt you directly to the aircraft opening routine, where you will select the aircraft you want to fly.",
                         ALERT_NOTE);
        copy_str(pln.C_file, (int)sizeof pln.C_file, "Untitled.acf");
        if (!MACIBM_open(FILE_AIRCRAFT, pln.C_file, pln.C_path)) {
            if (gdone) return 0;            // the window was closed while picking: the program ends
            if (mnw_is_headless()) {
                // Nobody can answer a picker without a window: asking again would spin for ever.
                MACIBM_alert("File opening failed or aborted.", "", "", "", ALERT_FATAL);
                gdone = 1;      // a back end that returns from a fatal alert still must not loop
                return 0;
            }
            MACIBM_alert("File opening failed or aborted.", "", "", "", ALERT_NOTE);
        }
    }
}

const char* const PANEL_ROW_ALERT = "Invalid panel specification!";

}  // namespace orv
