// afl_io.cpp -- the airfoil (".afl", folder "airfoils") and flap (".flp", folder "flaps")
// files: text tables read through the file layer's scanners into afl and pln.
#include "aircraft/afl_io.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "2-QZutils/acf_parts.h"
#include "2-QZutils/qz_file.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/records.h"

namespace orv {

namespace {

// Scanners report the first failure themselves; reading stops there so a cut-short file
// gives one message, not hundreds.
bool rd(float* v, const char* msg, bool stay_on_line = true)
{
    *v = stay_on_line ? fltscanNOSN(msg) : fltscan(msg);
    if (!std::isfinite(*v)) *v = 0.0f;
    return inf_good() != 0;
}

void clear_airfoil(int EN, int RT, int Re)
{
    afl.trat[EN][RT][Re] = afl.Re[EN][RT][Re] = afl.al_zl[EN][RT][Re] = 0.0f;
    afl.clM[EN][RT][Re] = afl.clB[EN][RT][Re] = 0.0f;
    afl.cmal2[EN][RT][Re] = afl.cmal3[EN][RT][Re] = 0.0f;
    afl.cm1[EN][RT][Re] = afl.cm2[EN][RT][Re] = afl.cm3[EN][RT][Re] = afl.cm4[EN][RT][Re] = 0.0f;
    std::memset(afl.clpos[EN][RT][Re], 0, sizeof afl.clpos[EN][RT][Re]);
    std::memset(afl.clneg[EN][RT][Re], 0, sizeof afl.clneg[EN][RT][Re]);
    std::memset(afl.cdpos[EN][RT][Re], 0, sizeof afl.cdpos[EN][RT][Re]);
    std::memset(afl.cdneg[EN][RT][Re], 0, sizeof afl.cdneg[EN][RT][Re]);
}

// The section a part flies on when its airfoil file is missing or damaged: a thin flat plate,
// lift rising 2 pi per radian to a stall at PLATE_STALL_DEG and falling over PLATE_STALL_FALL_DEG
// to the plate's normal force, which also gives the drag rising as the sine squared.
constexpr float kPi = 3.14159265358979f;
constexpr float kDeg = kPi / 180.0f;
constexpr float PLATE_STALL_DEG = 12.0f;
constexpr float PLATE_STALL_FALL_DEG = 6.0f;
constexpr float PLATE_LIFT_SLOPE = 2.0f * kPi * kDeg;   // per degree
constexpr float PLATE_NORMAL_FORCE = 1.98f;   // normal force coefficient at right angles to the flow
constexpr float PLATE_SKIN_DRAG = 0.01f;
constexpr float PLATE_THICKNESS = 0.02f;
constexpr float PLATE_STALLED_CM = -0.1f;      // the centre of pressure moving aft past the stall

// Degrees of table index i: tenths up to 20 degrees, whole degrees above.
float table_angle(int i) { return i <= 200 ? (float)i / 10.0f : 20.0f + (float)(i - 200); }

float plate_lift(float deg)
{
    const float r = deg * kDeg;
    const float stalled = PLATE_NORMAL_FORCE * std::sin(r) * std::cos(r);
    if (deg <= PLATE_STALL_DEG) return PLATE_LIFT_SLOPE * deg;
    if (deg >= PLATE_STALL_DEG + PLATE_STALL_FALL_DEG) return stalled;
    const float f = (deg - PLATE_STALL_DEG) / PLATE_STALL_FALL_DEG;
    return PLATE_LIFT_SLOPE * PLATE_STALL_DEG * (1.0f - f) + stalled * f;
}

void flat_plate_airfoil(int EN, int RT, int Re, float* alpha)
{
    clear_airfoil(EN, RT, Re);
    afl.trat[EN][RT][Re] = PLATE_THICKNESS;
    afl.clM[EN][RT][Re] = PLATE_LIFT_SLOPE;
    afl.cmal2[EN][RT][Re] = -PLATE_STALL_DEG;
    afl.cmal3[EN][RT][Re] = PLATE_STALL_DEG;
    afl.cm1[EN][RT][Re] = -PLATE_STALLED_CM;
    afl.cm4[EN][RT][Re] = PLATE_STALLED_CM;
    for (int i = 0; i < AFL_CD_N; ++i) {
        const float s = std::sin(table_angle(i) * kDeg);
        afl.cdpos[EN][RT][Re][i] = afl.cdneg[EN][RT][Re][i] = PLATE_SKIN_DRAG + PLATE_NORMAL_FORCE * s * s;
    }
    for (int k = 0; k < AFL_CL_N; ++k) {
        afl.clpos[EN][RT][Re][k] = plate_lift(table_angle(k + 100));
        afl.clneg[EN][RT][Re][k] = -afl.clpos[EN][RT][Re][k];
    }
    *alpha = PLATE_STALL_DEG;
}

bool read_airfoil_body(int EN, int RT, int Re, float* alpha)
{
    char word[64];
    float unused, a, cl, cd;
    wrdscan(word, "airfoil name", sizeof word);
    if (!inf_good()) return false;
    if (!rd(&afl.trat[EN][RT][Re], "thickness ratio") || !rd(&afl.Re[EN][RT][Re], "Reynolds number") ||
        !rd(&unused, "airfoil header") || !rd(alpha, "stalling angle"))
        return false;
    rln("airfoil header");
    rln("airfoil header");
    for (int i = 270; i >= 100; --i) {
        if (!rd(&a, "negative lift table") || !rd(&cl, "negative lift table") || !rd(&cd, "negative lift table"))
            return false;
        afl.clneg[EN][RT][Re][i - 100] = cl;
        afl.cdneg[EN][RT][Re][i] = cd;
    }
    for (int i = 99; i >= 0; --i) {
        if (!rd(&a, "negative drag table") || !rd(&cd, "negative drag table")) return false;
        afl.cdneg[EN][RT][Re][i] = cd;
    }
    rln("airfoil constants");
    float* consts[8] = {&afl.clM[EN][RT][Re], &afl.clB[EN][RT][Re], &afl.cmal2[EN][RT][Re], &afl.cmal3[EN][RT][Re],
                        &afl.cm1[EN][RT][Re], &afl.cm2[EN][RT][Re], &afl.cm3[EN][RT][Re], &afl.cm4[EN][RT][Re]};
    for (float* c : consts)
        if (!rd(c, "airfoil constants", false)) return false;
    rln("airfoil constants");
    for (int i = 0; i <= 99; ++i) {
        if (!rd(&a, "positive drag table") || !rd(&cd, "positive drag table")) return false;
        afl.cdpos[EN][RT][Re][i] = cd;
    }
    for (int i = 100; i <= 270; ++i) {
        if (!rd(&a, "positive lift table") || !rd(&cl, "positive lift table") || !rd(&cd, "positive lift table"))
            return false;
        afl.clpos[EN][RT][Re][i - 100] = cl;
        afl.cdpos[EN][RT][Re][i] = cd;
    }
    return true;
}

void flap_corrupt_alert()
{
    MACIBM_alert("An error occurred during read-in of the flaps file.",
                 "Either the file has been corrupted, or it is not really a flaps file. The corrupted flaps file is: ",
                 pln.flap_str,
                 "Re-generate the flaps file by opening it up with the 'Piecewright' application and then saving it.",
                 ALERT_NOTE);
}

}  // namespace

void copy_airfoil(int from_EN, int from_RT, int from_Re, int EN, int RT, int Re)
{
    const int f = from_EN, fr = from_RT, fe = from_Re;
    afl.trat[EN][RT][Re] = afl.trat[f][fr][fe];
    afl.Re[EN][RT][Re] = afl.Re[f][fr][fe];
    afl.al_zl[EN][RT][Re] = afl.al_zl[f][fr][fe];
    afl.clM[EN][RT][Re] = afl.clM[f][fr][fe];
    afl.clB[EN][RT][Re] = afl.clB[f][fr][fe];
    afl.cmal2[EN][RT][Re] = afl.cmal2[f][fr][fe];
    afl.cmal3[EN][RT][Re] = afl.cmal3[f][fr][fe];
    afl.cm1[EN][RT][Re] = afl.cm1[f][fr][fe];
    afl.cm2[EN][RT][Re] = afl.cm2[f][fr][fe];
    afl.cm3[EN][RT][Re] = afl.cm3[f][fr][fe];
    afl.cm4[EN][RT][Re] = afl.cm4[f][fr][fe];
    std::memcpy(afl.clpos[EN][RT][Re], afl.clpos[f][fr][fe], sizeof afl.clpos[EN][RT][Re]);
    std::memcpy(afl.clneg[EN][RT][Re], afl.clneg[f][fr][fe], sizeof afl.clneg[EN][RT][Re]);
    std::memcpy(afl.cdpos[EN][RT][Re], afl.cdpos[f][fr][fe], sizeof afl.cdpos[EN][RT][Re]);
    std::memcpy(afl.cdneg[EN][RT][Re], afl.cdneg[f][fr][fe], sizeof afl.cdneg[EN][RT][Re]);
}

int grabafoil(const char* name, int EN, int RT, int Re, float* alpha)
{
    float dummy = 0.0f;
    if (!alpha) alpha = &dummy;
    *alpha = 0.0f;
    if (EN < 0 || EN >= NUM_PARTS || RT < 0 || RT > 1 || Re < 0 || Re > 1) return 0;
    clear_airfoil(EN, RT, Re);
    char path[PATH_LEN];
    std::snprintf(path, sizeof path, "%s", name ? name : "");
    ap_dir("airfoils", path);
    if (!name || !name[0] || !inf_open(path, FILE_ANY, 363, 1)) {
        inf_close();
        MACIBM_alert("An airfoil file could not be found! The name of the airfoil is:", name ? name : "",
                     "The file is used by the:", part_name(EN), ALERT_NOTE);
        flat_plate_airfoil(EN, RT, Re, alpha);
        return 0;
    }
    if (intscan("airfoil check number") != 1234) {
        inf_close();
        MACIBM_alert("An airfoil file is corrupted! The name of the airfoil is:", name,
                     "The file is used by the:", part_name(EN), ALERT_NOTE);
        flat_plate_airfoil(EN, RT, Re, alpha);
        return 0;
    }
    const bool ok = read_airfoil_body(EN, RT, Re, alpha);
    inf_close();
    if (!ok) {
        MACIBM_alert("An airfoil file is corrupted! The name of the airfoil is:", name,
                     "The file is used by the:", part_name(EN), ALERT_NOTE);
        flat_plate_airfoil(EN, RT, Re, alpha);
        return 0;
    }
    afl.al_zl[EN][RT][Re] = std::fabs(afl.clM[EN][RT][Re]) > 1.0e-9f ? -afl.clB[EN][RT][Re] / afl.clM[EN][RT][Re] : 0.0f;
    return 1;
}


void read_flap_file()
{
    std::memset(pln.clflap, 0, sizeof pln.clflap);
    std::memset(pln.cdflap, 0, sizeof pln.cdflap);
    std::memset(pln.cmflap, 0, sizeof pln.cmflap);
    if (!pln.flapEQ) return;
    char path[PATH_LEN];
    std::snprintf(path, sizeof path, "%s", pln.flap_str);
    ap_dir("flaps", path);
    if (!pln.flap_str[0] || !inf_open(path, FILE_ANY, 363, 1)) {
        inf_close();
        MACIBM_alert("The flap file that is required by the aircraft you are attempting to fly could not be found.",
                     "The name of the missing flap file is: ", pln.flap_str,
                     "Make sure the missing flap file is in the 'flaps' folder.", ALERT_NOTE);
        return;
    }
    if (intscan("flap check number") != 2345) {
        inf_close();
        flap_corrupt_alert();
        return;
    }
    rln("flap header");
    rln("flap header");
    bool ok = inf_good() != 0;
    for (int f = 0; ok && f < FLAP_SETTINGS; ++f) {
        intscanNOSN("flap setting");
        float cl = 0.0f, cd = 0.0f, cm = 0.0f;
        ok = inf_good() && rd(&cl, "flap lift") && rd(&cd, "flap drag") && rd(&cm, "flap moment", false);
        if (!ok) break;
        pln.clflap[f] = cl;
        pln.cdflap[f] = cd;
        pln.cmflap[f] = cm;
    }
    inf_close();
    if (!ok) flap_corrupt_alert();
}

}  // namespace orv
