#include "design_tool/fg_design.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "2-QZutils/acf_parts.h"
#include "2-QZutils/qz_angles.h"
#include "2-QZutils/qz_btn.h"
#include "2-QZutils/qz_file.h"
#include "2-QZutils/qz_font.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/records.h"
#include "design_tool/fg_btn.h"

namespace orv {

namespace {

constexpr float INCHES_PER_FOOT = 12.0f;
constexpr float SECONDS_PER_MINUTE = 60.0f;
constexpr float PITCH_RANGE_ABOVE_TIP = 10.0f;   // degrees of coarse pitch past the design tip angle
constexpr int AIRFOIL_CHECK = 1234, AIRFOIL_VERSION = 363;
constexpr int C_KIND_CHOSEN = 0, C_KIND_OTHER = 19;
constexpr int KIND_ROW_W = 110;   // a kind's row answers this far right of x

float deg(float rad) { return rad / DEG_TO_RAD_F; }

void copy_elems(int (*field)[MAX_ELS], int from, int to)
{
    std::memcpy(field[to], field[from], sizeof field[to]);
}

}  // namespace

// Worked by hand for one element: a 3 ft propeller of two elements, designed for an advance
// of 60 in a turn at 2400 rpm. Element 0 lies at r = 3 * 0.5 / 2 = 0.75 ft; p = 5 ft a turn, so
// its incidence is atan(5 / (2 pi 0.75)) = atan(1.0610) = 46.70 degrees, and the design speed
// is 2400 / 60 turns a second times 5 ft = 200 ft/s = 118.5 kt. (The ratios are taken in the
// same unit on both sides, so feet serve as well as metres; only the speed is converted.)
int design_prop(int eng, int mode)
{
    if (eng < 0 || eng >= NUM_ENGINES) return 0;
    if (con.fttomtrs == 0.0f) set_constants();
    const int els = pln.els[eng] > MAX_ELS ? MAX_ELS : pln.els[eng];
    const float R = pln.semilen[eng] * con.fttomtrs;
    const float omega = pln.des_rpm[eng] * 2.0f * PI_F / SECONDS_PER_MINUTE;   // rad/s
    if (els <= 0 || !(R > 0.0f) || !(omega > 0.0f)) return 0;
    float p = pln.des_adv[eng] / INCHES_PER_FOOT * con.fttomtrs;               // m a turn
    float V = pln.des_vel[eng] * con.ktstomsc;                                 // m/s
    if (mode == DESIGN_FOR_ADVANCE) V = omega / (2.0f * PI_F) * p;
    else p = V / (omega / (2.0f * PI_F));
    for (int i = 0; i < els; ++i) {
        const float r = R * ((float)i + 0.5f) / (float)els;
        pln.anginc[eng][i] = mode == DESIGN_FOR_ADVANCE ? deg(std::atan(p / (2.0f * PI_F * r)))
                                                        : deg(std::atan(V / (omega * r)));
    }
    const float tip = deg(std::atan(p / (2.0f * PI_F * R)));
    const float w = flt_switch(pln.varpitchEQ, 0.0f, tip);
    for (int i = 0; i < els; ++i) pln.anginc[eng][i] -= w;
    if (pln.varpitchEQ && !pln.is_heli) {
        pln.minpitch[eng] = 0.0f;
        pln.maxpitch[eng] = w + PITCH_RANGE_ABOVE_TIP;
    }
    if (mode == DESIGN_FOR_ADVANCE) pln.des_vel[eng] = V / con.ktstomsc;
    else pln.des_adv[eng] = p / con.fttomtrs * INCHES_PER_FOOT;
    return 1;
}

void copy_foil(int from, int to)
{
    if (from < 0 || from >= NUM_PARTS || to < 0 || to >= NUM_PARTS || from == to) return;
    pln.sweep1[to] = pln.sweep1[from];
    pln.sweep2[to] = pln.sweep2[from];
    pln.varsweepEQ[to] = pln.varsweepEQ[from];
    pln.dihed[to] = pln.dihed[from];
    std::memcpy(pln.Rafl0[to], pln.Rafl0[from], sizeof pln.Rafl0[to]);
    std::memcpy(pln.Rafl1[to], pln.Rafl1[from], sizeof pln.Rafl1[to]);
    std::memcpy(pln.Tafl0[to], pln.Tafl0[from], sizeof pln.Tafl0[to]);
    std::memcpy(pln.Tafl1[to], pln.Tafl1[from], sizeof pln.Tafl1[to]);
    pln.semilen[to] = pln.semilen[from];
    pln.Croot[to] = pln.Croot[from];
    pln.Ctip[to] = pln.Ctip[from];
    if (to != PART_PYLON1) {   // the first pylon is placed by hand, never by its mirror
        pln.Xarm[to] = -pln.Xarm[from];
        pln.Yarm[to] = pln.Yarm[from];
        pln.Zarm[to] = pln.Zarm[from];
    }
    std::memcpy(afl.trat[to], afl.trat[from], sizeof afl.trat[to]);
    pln.els[to] = pln.els[from];
    std::memcpy(pln.anginc[to], pln.anginc[from], sizeof pln.anginc[to]);
    // The right-hand surfaces move with their left ones. The stabiliser's right half is among
    // them: the flight model reads each half's own elevator flags.
    if (to == PART_WING1R || to == PART_WING2R || to == PART_WING3R || to == PART_HSTABR) {
        for (auto* f : {pln.ailn, pln.splr, pln.flap, pln.slat, pln.sbrk, pln.drud, pln.elev, pln.rudd})
            copy_elems(f, from, to);
    }
}

void copy_body(int from, int to)
{
    if (from < 0 || from >= NUM_PARTS || to < 0 || to >= NUM_PARTS || from == to) return;
    std::memcpy(pln.body_X[to], pln.body_X[from], sizeof pln.body_X[to]);
    std::memcpy(pln.body_Y[to], pln.body_Y[from], sizeof pln.body_Y[to]);
    std::memcpy(pln.body_Z[to], pln.body_Z[from], sizeof pln.body_Z[to]);
}

int fiddle_ins_loc(int slot, int x, int y)
{
    static const char* const kinds[INS_KINDS] = {
        "      NONE",        "    airspeed",     " artifcl horizon", "    altimeter", "  supplementary",
        "    turn-slip",     " directional gyro", "  vertical speed", "      A.D.F."};
    if (slot < 0 || slot >= PANEL_SLOT_COUNT) return 0;
    int changed = 0;
    for (int k = 0; k < INS_KINDS; ++k) {
        const int ky = y - k * INS_KIND_PITCH;
        if (btn_clicked_in(x, ky - 2, x + KIND_ROW_W, ky + INS_KIND_PITCH - 3) && pln.ins_of_loc[slot] != k) {
            if (k != 0)
                for (int s = 0; s < PANEL_SLOT_COUNT; ++s)
                    if (s != slot && pln.ins_of_loc[s] == k) {
                        pln.ins_of_loc[s] = 0;
                        pln.has_ins[s] = 0;
                    }
            pln.ins_of_loc[slot] = k;
            pln.has_ins[slot] = k != 0;
            changed = 1;
        }
        OGL_string(pln.ins_of_loc[slot] == k ? C_KIND_CHOSEN : C_KIND_OTHER, x, ky, kinds[k], WRAP_OFF_WIDTH, 6);
    }
    return changed;
}

int assign_foil_thickness(const char* name, int part, int rt)
{
    if (part < 0 || part >= NUM_PARTS || rt < 0 || rt > 1) return 0;
    afl.trat[part][rt][0] = afl.trat[part][rt][1] = 0.0f;
    char path[PATH_LEN];
    copy_str(path, sizeof path, name ? name : "");
    ap_dir("airfoils", path);
    if (!name || !name[0] || !inf_open(path, FILE_ANY, AIRFOIL_VERSION, 1)) {
        inf_close();
        return 0;
    }
    if (intscan("airfoil check number") != AIRFOIL_CHECK) {
        inf_close();
        MACIBM_alert("You didn't select a foil!", name, "", "", ALERT_NOTE);
        return 0;
    }
    char word[64];
    wrdscan(word, "airfoil name", sizeof word);
    const float t = fltscanNOSN("thickness ratio");
    const int ok = inf_good() && std::isfinite(t);
    inf_close();
    if (!ok) return 0;
    afl.trat[part][rt][0] = afl.trat[part][rt][1] = t;
    return 1;
}

int partner_part(int part)
{
    if (part < 0 || part >= NUM_PARTS || part == PART_FUSE || part == PART_FAIR1) return -1;
    if (pln.is_heli && part <= 1) return -1;                 // main and tail rotor
    if (part >= PART_NACE1 && part <= PART_NACE4) return ((part - PART_NACE1) ^ 1) + PART_NACE1;
    if (part == PART_MISC1 || part == PART_MISC2) return part == PART_MISC1 ? PART_MISC2 : PART_MISC1;
    if (part > PART_FAIR1) return part == PART_FAIR1 + 1 ? PART_FAIR3 : PART_FAIR1 + 1;   // the main wheels'
    return part ^ 1;   // the pairs below the fuselage start on even parts
}

}  // namespace orv
