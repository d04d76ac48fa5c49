// The reliability windows: random failures overall, of the instruments, of the equipment; and
// the flight plan filed with the controller.
#include <cmath>
#include <cstdio>
#include <cstring>

#include "2-QZutils/qz_btn.h"
#include "2-QZutils/records.h"
#include "windows/win_common.h"
#include "windows/windows.h"
#include "world/nav_db.h"

namespace orv {

constexpr float FAIL_DRAW_MAX = 400.0f;   // each second two draws in 0..400 both below the setting fail an item
constexpr float RATE_HOURS_MAX = 9999.0f;

// ---- 17 "Set Reliability": random failures of everything
void manage_rel()
{
    if (win_frame()) return;
    win_caption(16, 300, "Random failures of any item");
    win_wheel_row(16, 270, 120, "Failure setting:", &rel.total_fail_entry, 1, 3, 0, 0, FAIL_DRAW_MAX, "of 400");
    char line[96];
    const float per_s = std::pow(rel.total_fail_entry / FAIL_DRAW_MAX, 2.0f);
    if (per_s > 0) std::snprintf(line, sizeof line, "each item fails about once in %.1f hours", 1.0f / (per_s * 3600.0f));
    else std::snprintf(line, sizeof line, "no random failures");
    win_text(WC_READOUT, 16, 240, line);
    win_text(WC_UNIT, 16, 200, "0: nothing fails by chance.");
    win_text(WC_UNIT, 16, 188, "1 is rare; 20 fails something in most flights;");
    win_text(WC_UNIT, 16, 176, "400 fails everything at once.");
}

struct item { const char* name; int* flag; };

static void item_states(const item* items, int n, int x, int y, int per_column, int column_w)
{
    for (int k = 0; k < n; k++) {
        const int cx = x + column_w * (k / per_column), cy = y - 14 * (k % per_column);
        win_text(WC_CAPTION, cx, cy, items[k].name);
        win_text(*items[k].flag ? WC_UNIT : WC_READOUT, cx + 150, cy, *items[k].flag ? "working" : "FAILED");
    }
}

// ---- 18 "Set Reliability": instruments
void manage_ins()
{
    if (win_frame()) return;
    win_caption(16, 480, "Instrument failures");
    win_wheel_row(16, 450, 170, "Mean time between failures:", &rel.ins_fail_rat, 1, 4, 0, 0, RATE_HOURS_MAX, "hours");
    win_text(WC_UNIT, 16, 432, "0: instruments fail only by the setting of all items");
    const item items[] = {
        {"vacuum system", &rel.vacuum}, {"airspeed indicator", &rel.ss_asi}, {"attitude indicator", &rel.ss_ahz},
        {"altimeter", &rel.ss_alt}, {"turn coordinator", &rel.ss_tsi}, {"directional gyro", &rel.ss_dgy},
        {"vertical speed", &rel.ss_vvi}, {"flight display 1", &rel.efis_1}, {"flight display 2", &rel.efis_2},
        {"navigation radios", &rel.radios},
    };
    item_states(items, (int)(sizeof items / sizeof *items), 16, 390, 20, 0);
    win_text(WC_UNIT, 16, 40, "Closing this window repairs every instrument.");
}

// ---- 19 "Set Reliability": equipment
void manage_eqp()
{
    if (win_frame()) return;
    win_caption(16, 520, "Equipment failures");
    win_wheel_row(16, 494, 290, "Engines and flight controls, between failures:", &rel.eq1_fail_rat, 1, 4, 0, 0,
                  RATE_HOURS_MAX, "hours");
    win_wheel_row(16, 470, 290, "Other systems, between failures:", &rel.eq2_fail_rat, 1, 4, 0, 0, RATE_HOURS_MAX, "hours");
    const item items[] = {
        {"engine 1", &rel.engine[0]}, {"engine 2", &rel.engine[1]}, {"engine 3", &rel.engine[2]},
        {"engine 4", &rel.engine[3]}, {"ailerons", &rel.fc_ail}, {"elevator", &rel.fc_elv}, {"rudder", &rel.fc_rud},
        {"flaps", &rel.fc_flp}, {"slats", &rel.fc_slt}, {"throttle", &rel.fc_thr}, {"nose gear", &rel.lagear[0]},
        {"left main gear", &rel.lagear[1]}, {"right main gear", &rel.lagear[2]}, {"electrical system", &rel.esystem},
        {"hydraulic system", &rel.hydsys}, {"governor 1", &rel.thrgov[0]}, {"governor 2", &rel.thrgov[1]},
        {"governor 3", &rel.thrgov[2]}, {"governor 4", &rel.thrgov[3]}, {"stability augmentation", &rel.stbaug},
        {"flap symmetry", &rel.symflp}, {"trim", &rel.sttrim}, {"reverser lock 1", &rel.revlok[0]},
        {"reverser lock 2", &rel.revlok[1]}, {"reverser lock 3", &rel.revlok[2]}, {"reverser lock 4", &rel.revlok[3]},
        {"anti-ice", &rel.antice}, {"oil pump 1", &rel.oilpmp[0]}, {"oil pump 2", &rel.oilpmp[1]},
        {"oil pump 3", &rel.oilpmp[2]}, {"oil pump 4", &rel.oilpmp[3]}, {"cockpit lights", &rel.clights},
        {"autopilot", &rel.otto}, {"tail rotor", &rel.trotor},
    };
    item_states(items, (int)(sizeof items / sizeof *items), 16, 430, 17, 330);
    win_text(WC_UNIT, 16, 30, "Closing this window repairs all the equipment.");
}

// ---- 25 "Flight Plan"
// The controller files to the last airport of that identifier.
static void airport_named(int x, int y, const char* id4)
{
    const int a = win_airport_by_id(id4, 1);
    if (a >= 0) win_text(WC_HEAD, x, y, apt_name[a]);
    else win_text(WC_READOUT, x, y, "no airport with this identifier");
}

void manage_pln()
{
    if (win_frame()) return;
    char line[480];
    std::snprintf(line, sizeof line, "Aircraft: %.60s   tail number %.20s", pln.C_name, pln.tailnum);
    win_caption(20, 370, line);
    win_caption(20, 320, "Departure:");
    in4charbtn(WC_DIGITS, 110, 320, fpl.dep_id_str);
    airport_named(170, 320, fpl.dep_id_str);
    win_caption(20, 280, "Destination:");
    in4charbtn(WC_DIGITS, 110, 280, fpl.arr_id_str);
    airport_named(170, 280, fpl.arr_id_str);
    win_caption(20, 230, "Flight rules:");
    int rules = fpl.VFR ? 1 : fpl.DVFR ? 2 : 0;
    static const char* const rule_names[3] = {"IFR", "VFR", "DVFR"};
    for (int r = 0; r < 3; r++) {
        inonebool(110 + 80 * r, 230, &rules, r);
        win_caption(126 + 80 * r, 231, rule_names[r]);
    }
    fpl.IFR = rules == 0;
    fpl.VFR = rules == 1;
    fpl.DVFR = rules == 2;
    win_wheel_row(20, 190, 90, "Cruise at:", &fpl.cruise_alt, 1, 5, 0, 0, 60000, "ft");
    win_caption(20, 150, "The controller calls you:");
    win_check_row(180, 150, "Mr.", &fpl.mr);
    win_check_row(240, 150, "Mrs.", &fpl.mrs);
    win_text(WC_UNIT, 20, 40, "Closing this window files the plan with the controller.");
}

}  // namespace orv
