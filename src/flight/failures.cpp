#include "flight/failures.h"

#include "2-QZutils/qz_funct.h"
#include "2-QZutils/records.h"
#include "flight/events.h"
#include "flight/flight_hooks.h"
#include "flight/funct.h"

namespace orv {

namespace {

constexpr int   kEcamFailurePage = 7;
constexpr float kHydBleedTime = 180;     // s from 0.9 to 0 after a hydraulic failure
constexpr float kOilBleedTime = 300;     // s from 1 to 0 after an oil-pump failure
constexpr float kRatCeiling = 20000;     // m: above it the ratio stays full
constexpr float kGyroError = 10;         // degrees of random gyro error after a vacuum failure

int engines() { return intlim(pln.numen, 1, 4); }

int all_working(const int* per_engine)
{
    for (int e = 0; e < engines(); e++)
        if (!per_engine[e]) return 0;
    return 1;
}

// The item's flag, or null when the item is per engine or does not exist.
int* item_flag(int w)
{
    switch (w) {
    case FAIL_VACUUM: return &rel.vacuum;
    case FAIL_ASI: return &rel.ss_asi;
    case FAIL_AHZ: return &rel.ss_ahz;
    case FAIL_ALT: return &rel.ss_alt;
    case FAIL_TSI: return &rel.ss_tsi;
    case FAIL_DGY: return &rel.ss_dgy;
    case FAIL_VVI: return &rel.ss_vvi;
    case FAIL_EFIS1: return &rel.efis_1;
    case FAIL_EFIS2: return &rel.efis_2;
    case FAIL_RADIOS: return &rel.radios;
    case FAIL_AILERONS: return &rel.fc_ail;
    case FAIL_ELEVATOR: return &rel.fc_elv;
    case FAIL_RUDDER: return &rel.fc_rud;
    case FAIL_FLAPS: return &rel.fc_flp;
    case FAIL_SLATS: return &rel.fc_slt;
    case FAIL_THROTTLE: return &rel.fc_thr;
    case FAIL_GEAR1: return &rel.lagear[0];
    case FAIL_GEAR2: return &rel.lagear[1];
    case FAIL_GEAR3: return &rel.lagear[2];
    case FAIL_ELECTRICAL: return &rel.esystem;
    case FAIL_HYDRAULIC: return &rel.hydsys;
    case FAIL_STABAUG: return &rel.stbaug;
    case FAIL_FLAP_SYMMETRY: return &rel.symflp;
    case FAIL_TRIM: return &rel.sttrim;
    case FAIL_ANTIICE: return &rel.antice;
    case FAIL_COCKPIT_LIGHTS: return &rel.clights;
    case FAIL_AUTOPILOT: return &rel.otto;
    case FAIL_TAIL_ROTOR: return &rel.trotor;
    default: return nullptr;
    }
}

int* engine_items(int w)
{
    switch (w) {
    case FAIL_ENGINE: return rel.engine;
    case FAIL_GOVERNOR: return rel.thrgov;
    case FAIL_REVERSER: return rel.revlok;
    case FAIL_OIL_PUMP: return rel.oilpmp;
    default: return nullptr;
    }
}

// Whether the aircraft carries the item at all.
int fitted(int w)
{
    switch (w) {
    case FAIL_VACUUM: return pln.paneltype == 1;
    case FAIL_EFIS1:
    case FAIL_EFIS2: return pln.paneltype == 2;
    case FAIL_AILERONS: return pln.ailnEQ;
    case FAIL_FLAPS: return pln.flapEQ;
    case FAIL_SLATS: return pln.slatEQ;
    case FAIL_GEAR1:
    case FAIL_GEAR2:
    case FAIL_GEAR3: return pln.gear_type > 2;
    case FAIL_HYDRAULIC: return pln.ff_hydraulic;
    default: return 1;
    }
}

}  // namespace

void rel_repair_all()
{
    rel.vacuum = rel.ss_asi = rel.ss_ahz = rel.ss_alt = rel.ss_tsi = rel.ss_dgy = rel.ss_vvi = 1;
    rel.efis_1 = rel.efis_2 = rel.radios = 1;
    for (int e = 0; e < 4; e++) rel.engine[e] = rel.thrgov[e] = rel.revlok[e] = rel.oilpmp[e] = 1;
    rel.fc_ail = rel.fc_elv = rel.fc_rud = rel.fc_flp = rel.fc_slt = rel.fc_thr = 1;
    rel.lagear[0] = rel.lagear[1] = rel.lagear[2] = 1;
    rel.esystem = rel.hydsys = rel.stbaug = rel.symflp = rel.sttrim = rel.antice = 1;
    rel.clights = rel.otto = rel.trotor = 1;
    rel.hyd_rat = rel.oil_rat = 1;
    rel.RAT_on = 0;
    rel.the_fail_err = rel.phi_fail_err = 0;
}

int fail_item(int w, int engine)
{
    if (w < 0 || w >= NUM_FAILURES) return 0;
    if (int* per = engine_items(w)) {
        const int e = engine >= 0 && engine < engines() ? engine : intrand(0, engines() - 1);
        if (!per[e]) return 0;
        per[e] = 0;
        if (w == FAIL_OIL_PUMP) rel.oil_fail_time = msc.elap_time;
        return 1;
    }
    int* f = item_flag(w);
    if (!f || !*f) return 0;
    *f = 0;
    switch (w) {
    case FAIL_VACUUM:
        rel.vac_death_time = msc.elap_time;
        rel.the_fail_err = fltrand(-kGyroError, kGyroError);
        rel.phi_fail_err = fltrand(-kGyroError, kGyroError);
        break;
    case FAIL_ELECTRICAL:
        // The bus feeds the cockpit lights, the radios and both screens.
        rel.clights = rel.radios = rel.efis_1 = rel.efis_2 = 0;
        break;
    case FAIL_HYDRAULIC: rel.hyd_fail_time = msc.elap_time; break;
    default: break;
    }
    return 1;
}

void draw_failures()
{
    int any = 0;
    for (int w = 0; w < NUM_FAILURES; w++) {
        if (!fitted(w)) continue;
        if (int* per = engine_items(w)) {
            if (!all_working(per)) continue;
        } else {
            int* f = item_flag(w);
            if (!f || !*f) continue;
        }
        if (failme(w)) any |= fail_item(w, -1);
    }
    if (any && pln.ecam) {
        fh_play(BUF_CAUTION, 0);
        ins.ecam_mode = kEcamFailurePage;
    }
}

void update_pressures()
{
    rel.RAT_on = 0;
    if (!pln.ff_hydraulic) {
        rel.hyd_rat = 1;
    } else if (!rel.hydsys) {
        const float t = msc.elap_time - rel.hyd_fail_time;
        rel.hyd_rat = fltlim(interp(0, 0.9f, kHydBleedTime, 0, t), 0, 0.9f);
    } else if (flt.Y > kRatCeiling) {
        rel.hyd_rat = 1;
    } else {
        const float max_rotor = pln.omegamax > 0 ? pln.omegamax : 1;
        if (pln.is_heli) {
            rel.hyd_rat = fltlim(flt.tac[0] / max_rotor, 0, 1);
        } else {
            int running = 0;
            float sum = 0;
            for (int e = 0; e < engines(); e++) {
                running |= flt.eng_running[e];
                sum += (pln.entype == 4 || pln.entype == 5) ? flt.n1_[e] / 100 : flt.tac[e] / max_rotor;
            }
            rel.hyd_rat = fltlim(0.9f + 0.1f * sum / engines(), 0, 1);
            if (!running && !flt.onground) {
                rel.RAT_on = 1;
                rel.hyd_rat = pln.Vne > 0 ? fltlim(flt.vind / pln.Vne, 0, 1) : 0;
            }
        }
    }
    int oil_ok = 1;
    for (int e = 0; e < engines(); e++) oil_ok &= rel.oilpmp[e] != 0;
    rel.oil_rat = oil_ok ? 1 : fltlim(interp(0, 1, kOilBleedTime, 0, msc.elap_time - rel.oil_fail_time), 0, 1);
}

}  // namespace orv
