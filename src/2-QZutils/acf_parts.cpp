#include "2-QZutils/acf_parts.h"

#include <cmath>

#include "2-QZutils/qz_angles.h"
#include "2-QZutils/records.h"

namespace orv {

namespace {

const char* const kPartNames[NUM_PARTS] = {
    "propeller 1", "propeller 2", "propeller 3", "propeller 4",
    "left wing 1", "rigt wing 1", "left wing 2", "rigt wing 2", "left wing 3", "rigt wing 3",
    "left h-stab", "rigt h-stab", "vert stab 1", "vert stab 2",
    "eng pylon 1", "eng pylon 2", "eng pylon 3", "eng pylon 4",
    "fuselage", "nacelle 1", "nacelle 2", "nacelle 3", "nacelle 4",
    "misc body 1", "misc body 2", "w-fairing 1", "w-fairing 2", "w-fairing 3"};

bool valid_part(int part) { return part >= PART_PROP1 && part < NUM_PARTS; }
bool is_jet() { return pln.entype == 4 || pln.entype == 5; }
bool narrow_kind(int kind) { return kind == 0 || kind == 4 || kind == 8; }
int  slot_kind(int slot) { return (slot >= 0 && slot < 9) ? pln.ins_of_loc[slot] : 0; }

}  // namespace

const char* part_name(int part)
{
    if (!valid_part(part)) return "";
    if (pln.is_heli) {
        if (part == 0) return "main rotor";
        if (part == 1) return "tail rotor";
    }
    return kPartNames[part];
}

int ret_ins_sep(int a, int b)
{
    return (narrow_kind(slot_kind(a)) ? 50 : 64) + (narrow_kind(slot_kind(b)) ? 51 : 65);
}

int have_this_part(int part)
{
    if (!valid_part(part)) return 0;
    if (flt.over_vne && (part == 5 || part == 7 || part == 9)) return 0;
    if (part <= 1) return ((!is_jet() && pln.numen > part) || pln.is_heli) ? 1 : 0;
    if (part <= PART_PROP4) return (!is_jet() && pln.numen > part) ? 1 : 0;
    if (part <= PART_VSTAB2) return pln.semilen[part] > 0.05f ? 1 : 0;
    if (part <= PART_PYLON4) return (pln.semilen[part] > 0.05f && pln.numen > part - PART_PYLON1) ? 1 : 0;
    if (part == PART_FUSE) return 1;
    if (part <= 22) return (pln.nace_eq && pln.numen > part - 19) ? 1 : 0;
    if (part == PART_MISC1) return pln.misc_eq ? 1 : 0;
    if (part == PART_MISC2) return (pln.misc_eq && pln.misc_X > 0.01f) ? 1 : 0;
    // wheel fairings, or the two skids on a skid undercarriage
    if (pln.gear_type == 2) return (part == 26 || part == 27) ? 1 : 0;
    return (pln.fair_eq && pln.gear_type >= 3 && pln.gear_stat[part - 25]) ? 1 : 0;
}

void get_body_os(int part, float* xos, float* yos, float* zos)
{
    float x = 0.0f, y = 0.0f, z = 0.0f;
    if (valid_part(part)) {
        if (part <= PART_PYLON4) {
            x = pln.Xarm[part]; y = pln.Yarm[part]; z = pln.Zarm[part];
        } else if (part >= 19 && part <= 22) {
            x = pln.Xarm[part - 19]; y = pln.Yarm[part - 19]; z = pln.Zarm[part - 19];
        } else if (part == PART_MISC1 || part == PART_MISC2) {
            x = part == PART_MISC1 ? -pln.misc_X : pln.misc_X; y = pln.misc_Y; z = pln.misc_Z;
        } else if (part >= 25) {
            const int leg = part - 25;
            if (pln.gear_type > 2) {
                if (leg == 0) { x = 0.0f; y = pln.ngearY; z = pln.ngearZ; }
                else { x = leg == 1 ? -pln.mgearX : pln.mgearX; y = pln.mgearY; z = pln.mgearZ; }
                y -= pln.geardef[leg];
            } else if (pln.gear_type == 2 && leg >= 1) {
                x = leg == 1 ? -pln.skidX : pln.skidX;
                y = pln.skidY - pln.geardef[leg == 1 ? 3 : 5];
                z = pln.skidZ;
            }
        }
    }
    if (xos) *xos = x;
    if (yos) *yos = y;
    if (zos) *zos = z;
}

int f_body_s_dim(int part)
{
    if (!valid_part(part)) return 0;
    if (part <= PART_PROP4) {
        const float b = pln.numblades[part];
        if (!(b > 0.0f)) return 0;                       // also NaN
        return b >= BODY_STATIONS ? BODY_STATIONS : static_cast<int>(b);
    }
    if (part <= PART_PYLON4) return 2;
    if (part == PART_FUSE) return 11;
    return 7;
}

int f_body_r_dim(int part)
{
    if (!valid_part(part)) return 0;
    if (part <= PART_PROP4) return 2;
    if (part <= PART_PYLON4) return 12;
    if (part <= 24) return 16;
    return 8;
}

float latsign(int part)
{
    if (part == 4 || part == 6 || part == 8 || part == 10) return -1.0f;
    if ((part >= PART_PROP1 && part <= PART_PROP4) || (part >= PART_PYLON1 && part <= PART_PYLON4))
        return pln.Xarm[part] < -0.05f ? -1.0f : 1.0f;
    return 1.0f;
}

float get_wing_rarm(int part, int el)
{
    if (!valid_part(part)) return 0.0f;
    const int els = pln.els[part] >= 1 ? pln.els[part] : 1;
    return (static_cast<float>(el) + 0.5f) / static_cast<float>(els) * pln.semilen[part];
}


float get_wing_Xarm(int part, float len)
{
    if (!valid_part(part)) return 0.0f;
    return pln.Xarm[part] + latsign(part) * std::cos(pln.dihed[part] * DEG_TO_RAD_F) *
                                std::cos(pln.sweep1[part] * DEG_TO_RAD_F) * len;
}

float get_wing_Yarm(int part, float len)
{
    if (!valid_part(part)) return 0.0f;
    return pln.Yarm[part] + std::sin(pln.dihed[part] * DEG_TO_RAD_F) *
                                std::cos(pln.sweep1[part] * DEG_TO_RAD_F) * len;
}

float get_wing_Zarm(int part, float len)
{
    if (!valid_part(part)) return 0.0f;
    return pln.Zarm[part] + std::sin(pln.sweep1[part] * DEG_TO_RAD_F) * len;
}

}  // namespace orv
