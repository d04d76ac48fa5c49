// Flights with air traffic control, through the program's own start-up and frame: an IFR
// plan from San Bernardino through every phase, and an ILS asked for in the air, whose
// vectors the autopilot flies to the intercept call and then down the localizer and glide
// slope. The menu is worked through the `atc-pick` script command's body.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "2-QZutils/qz_funct.h"
#include "2-QZutils/records.h"
#include "app/app_script_flight.h"
#include "atc/atc_menu.h"
#include "atc/do_atc.h"
#include "flight/flight_sim.h"
#include "flight/flt_init.h"
#include "flight/funct.h"
#include "support/test_support.h"
#include "world/nav_db.h"

using namespace orv;
using namespace orv_test;

namespace {

enum { AP_CMD_HDG = 0, AP_CMD_NAV2 = 2, AP_CMD_ALT = 4, AP_CMD_GS = 6, AP_CMD_SPD = 7 };
enum { SET_ALT = 0, SET_SPD = 2, SET_HDG = 3 };
constexpr int kStartOnRunway = 8;   // set_fltvars: at rest on the chosen runway end
enum { ROW_PICK_UP = 4, ROW_CHECK_IN = 6, ROW_TAXI = 9, ROW_TAKEOFF = 10, ROW_ILS = 13 };

void ap(int mode) { const float a[1] = {(float)mode}; script_ap(a, 1); }
void ap_set(int target, float value) { const float a[2] = {(float)target, value}; script_ap_set(a, 2); }
// Every phrase the controller says, in order.
std::vector<std::string> heard;
void listen()
{
    static char last[ATC_TEXT];
    if (std::strcmp(last, atc.response) != 0) {
        std::snprintf(last, sizeof last, "%s", atc.response);
        heard.push_back(atc.response);
    }
}

void pick(int n)
{
    const float a[1] = {(float)n};
    script_atc_pick(a, 1);
    listen();
}

// Flies `seconds`, the pilot answering each hand-off; `until` ends it early.
void fly(float seconds, bool (*until)() = nullptr)
{
    for (double end = sim_time() + seconds; sim_time() < end;) {
        sim_frame();
        listen();
        if (atc.waiting_new_frq) pick(ROW_CHECK_IN);
        if (until && until()) return;
    }
}

// Each expected phrase heard after the one before it; the first one missing is named.
std::string missing_in_order(const std::vector<const char*>& want)
{
    size_t at = 0;
    for (const char* w : want) {
        while (at < heard.size() && heard[at].find(w) == std::string::npos) at++;
        if (at == heard.size()) return w;
        at++;
    }
    return "";
}

int navaid(int type, const char* id)
{
    for (int n = 0; n < NAV_CAP; n++)
        if (nav_type[n] == type && !std::strncmp(nav_id[n], id, 4)) return n;
    return -1;
}

// The heading and altitude of the newest vector, when the phrase holds one.
bool vector_in(const std::string& s, float* hdg, float* alt)
{
    const size_t h = s.find("heading ");
    const size_t a = s.find("maintain ");
    bool any = false;
    if (h != std::string::npos && s.size() >= h + 13) {
        *hdg = (float)((s[h + 8] - '0') * 100 + (s[h + 10] - '0') * 10 + (s[h + 12] - '0'));
        any = true;
    }
    if (a != std::string::npos) {
        *alt = std::stof(s.substr(a + 9));
        any = true;
    }
    return any;
}

}  // namespace

// Clearance on the ground, taxi and take-off, then departure, centre, approach and tower,
// the landing roll and ground, with the pilot calling in after every hand-off. The aircraft
// leaves the runway as an air start 1000 ft up and lands by being set back on the runway:
// the phases are ATC's, not the pilot's.
TEST(AtcFlights, IfrPlanFromSanBernardinoThroughEveryPhase)
{
    ORV_NEED_DATA(sim_start("trainer", "KSBD", 0, 1), "stock aircraft");
    heard.clear();
    std::snprintf(fpl.arr_id_str, sizeof fpl.arr_id_str, "KSBD");
    fpl.IFR = 1;
    fpl.cruise_alt = 4000;
    fpl.onfile = 1;
    atc.plan_index = atc_find_airport("KSBD");
    ASSERT_GE(atc.plan_index, 0);
    const float field_ft = apt_h[atc.plan_index] * con.mtrstoft;
    const int on_runway = msc.typestart;

    fly(1);
    pick(ROW_PICK_UP);
    EXPECT_EQ(atc.plan_phase, PLAN_CLEARED);
    pick(ROW_TAXI);
    pick(ROW_TAKEOFF);
    listen();
    sim_air_start(field_ft + 1000, 90, flt.psi);
    sim_power(0.7f);
    ap_set(SET_ALT, field_ft + 1500);
    ap(AP_CMD_ALT);
    ap_set(SET_HDG, flt.magpsi);
    ap(AP_CMD_HDG);
    fly(240, [] { return atc.plan_phase == PLAN_LANDING; });
    ASSERT_EQ(atc.plan_phase, PLAN_LANDING) << "last words: " << atc.response;
    msc.typestart = on_runway;
    set_fltvars(kStartOnRunway);   // down and stopped on the runway
    fly(10, [] { return fpl.onfile == 0; });
    EXPECT_EQ(missing_in_order({"cleared as filed maintain at or below 3000 expect 4000", "taxi runway",
                                "fly runway heading cleared for take off runway", "contact departure.",
                                "radar contact. Climb to 4000 approved", "contact center", "roger proceed on course",
                                "approach on", "tower", "cleared to land runway", "make next turn-off contact ground",
                                "taxi to the ramp."}),
              "");
    EXPECT_EQ(fpl.onfile, 0);
    EXPECT_EQ(fpl.activated, 0);
}

// Asked for the ILS of runway 06 while 20 nm south-west of the field and off the course:
// the autopilot flies each vector until the intercept call, then the localizer and glide
// slope of NAV 2 hold the aircraft inside a dot.
TEST(AtcFlights, IlsVectorsLeadToTheInterceptAndTheCapture)
{
    ORV_NEED_DATA(sim_start("trainer", "KSBD", 0, 1), "stock aircraft");
    heard.clear();
    const int loc = navaid(NAV_LOC, "ISBA");
    ASSERT_GE(loc, 0) << "no landing system for KSBD 06";
    const float c = (float)nav_hdng[loc];
    const double lx = X_with_latlon(nav_lat[loc], nav_lon[loc]), lz = Z_with_lat(nav_lat[loc]);
    // 18 nm out, 40 degrees off the course line, heading across it
    const double out = 18 * con.nmtomtrs, off = (c + 180 + 40) * con.dgrtorad;
    flt.X = lx + out * std::sin(off);
    flt.Z = lz - out * std::cos(off);
    sim_air_start(6000, 100, fltwrap(c + 90, 0, 360));
    sim_power(0.7f);
    ap_set(SET_SPD, 100);
    ap(AP_CMD_SPD);
    ap_set(SET_HDG, flt.magpsi);
    ap(AP_CMD_HDG);
    ap_set(SET_ALT, 6000);
    ap(AP_CMD_ALT);

    pick(ROW_ILS);
    ASSERT_EQ(atc.menu_level, ATC_LEVEL_ILS);
    int entry = -1;
    for (int k = 0; k < atc_list_count(); k++)
        if (atc_list_entry(k) == loc) entry = k;
    ASSERT_GE(entry, 0) << "ISBA is not in the ILS list";
    pick(entry);
    ASSERT_EQ(atc.ils_vec_in_progress, 1) << atc.response;
    float hdg = flt.magpsi, alt = 6000;
    int vectors = 0;
    for (double end = sim_time() + 900; sim_time() < end && atc.ils_vec_in_progress;) {
        sim_frame();
        const size_t before = heard.size();
        listen();
        if (heard.size() > before && heard.back().find("intercept") == std::string::npos &&
            vector_in(heard.back(), &hdg, &alt)) {
            vectors++;
            ap_set(SET_HDG, hdg);
            ap_set(SET_ALT, alt);
        }
    }
    ASSERT_NE(heard.back().find("intercept localizer"), std::string::npos) << heard.back();
    EXPECT_GE(vectors, 2);
    EXPECT_EQ(atc.waiting_new_frq, 1);   // "contact tower"

    const float nav2[2] = {2.0f, nav_f12[loc] / 100.0f};
    script_nav(nav2, 2);
    ap(AP_CMD_NAV2);
    ap(AP_CMD_GS);
    float worst_h = 0, worst_v = 0;
    fly(150);   // the capture
    for (int i = 0; i < 20 * 60; i++) {
        sim_frame();
        worst_h = std::fmax(worst_h, std::fabs(nav.hdef[1]));
        worst_v = std::fmax(worst_v, std::fabs(nav.vdef[1]));
    }
    std::printf("after the capture: localizer worst %.2f dots, glide slope worst %.2f dots\n", worst_h, worst_v);
    EXPECT_LE(worst_h, 1.0f);
    EXPECT_LE(worst_v, 1.0f);
}
