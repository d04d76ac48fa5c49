// Flights with air traffic control, through the program's own start-up and frame: an IFR
// plan from San Bernardino flown from parking through every phase to the ramp, an ILS asked
// for in the air, whose vectors the autopilot flies to the intercept call and then down the
// localizer and glide slope, and a carrier approach called by the landing signal officer.
// The menu is worked through the `atc-pick` script command's body.
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
#include "atc/atc_phrases.h"
#include "atc/do_atc.h"
#include "flight/flight_sim.h"
#include "flight/flt_init.h"
#include "flight/funct.h"
#include "support/test_support.h"
#include "world/nav_db.h"

using namespace orv;
using namespace orv_test;

namespace {

enum { AP_CMD_HDG = 0, AP_CMD_NAV2 = 2, AP_CMD_ALT = 4, AP_CMD_GS = 6, AP_CMD_SPD = 7, AP_CMD_OFF = 8 };
enum { SET_ALT = 0, SET_VVI = 1, SET_SPD = 2, SET_HDG = 3 };
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

// Flies up to `seconds`, `pilot` (if any) at the controls before each frame and `each` after
// it, answering each hand-off; answers whether `until` came true.
template <class Each>
bool fly(float seconds, bool (*until)(), void (*pilot)(), Each each)
{
    for (double end = sim_time() + seconds; sim_time() < end;) {
        if (pilot) pilot();
        sim_frame();
        each();
        listen();
        if (until && until()) return true;
        if (atc.waiting_new_frq) pick(ROW_CHECK_IN);
    }
    return false;
}
bool fly(float seconds, bool (*until)() = nullptr, void (*pilot)() = nullptr)
{
    return fly(seconds, until, pilot, [] {});
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

// The pilot's side: on the ground the nose wheel and the brakes along a line, in the air the
// autopilot flying what the controller says, then the flare and the roll-out.
namespace {

constexpr float kTaxiMs = 6, kRotateKias = 55, kClimbPitch = 8, kClimbKias = 90, kApproachKias = 80;
constexpr float kClimbFpm = 700;                    // the altitude hold's rate of climb and descent
constexpr float kFlareFt = 25, kLandingFt = 120;    // gear height: the flare, and the autopilot let go
constexpr float kAutopilotFt = 400;                 // gear height: the autopilot takes the climb

struct line {
    double x0, z0;   // the line the wheels follow, from here on heading hdg
    float hdg;
} wheels;

// Metres along the line from its start, and to its right.
float along_line()
{
    const float h = wheels.hdg * con.dgrtorad;
    return (float)((flt.X - wheels.x0) * std::sin(h) - (flt.Z - wheels.z0) * std::cos(h));
}
float right_of_line()
{
    const float h = wheels.hdg * con.dgrtorad;
    return (float)((flt.X - wheels.x0) * std::cos(h) + (flt.Z - wheels.z0) * std::sin(h));
}

// The heading that brings the wheels onto the line 30 m ahead, and the pedals that turn to it
// (the nose wheel turns the aircraft at once: small gains, damped by the yaw rate).
float heading_onto_line() { return fltwrap(wheels.hdg - std::atan2(right_of_line(), 30.0f) / con.dgrtorad, 0, 360); }
void steer(float hdg) { set.MK_hdng = fltlim(0.01f * fltwrap(hdg - flt.psi, -180, 180) - 0.005f * flt.R, -0.4f, 0.4f); }

// From where the aircraft stands, along a leg to (x, z) at taxi speed, stopped there with the
// brakes; false after 3 minutes.
bool taxi_to(double x, double z)
{
    wheels = {flt.X, flt.Z, true_bearing_to(x, z)};
    const float len = pythag((float)(x - flt.X), (float)(z - flt.Z));
    for (double end = sim_time() + 180; sim_time() < end;) {
        const float left = len - along_line();
        const float want = fltlim(0.25f * left, 0, kTaxiMs);
        if (left < 1 && flt.v < 0.5f) return true;
        sim_power(fltlim(0.25f + 0.1f * (want - flt.v), 0, 0.6f));
        set.parkbrake = want < 0.5f ? 1.0f : fltlim(0.5f * (flt.v - want), 0, 1);
        pilot_hold_pitch(flt.the);   // elevator neutral (this also centres the pedals), then steer
        steer(heading_onto_line());
        sim_frame();
    }
    return false;
}

// The IFR flight's pilot, from the take-off roll to the stop: stages in order.
enum { ROLL, CLIMB_OUT, VECTORS, ILS, FLARE, ROLL_OUT };
struct ifr_pilot {
    int stage;
    float rwy, ground_pitch;
    bool direct;      // "proceed on course": straight for the destination
    size_t read;      // phrases already acted on
    int vectors;      // headings and altitudes the controller gave
    std::string call_sign;
} ip;

void ifr_reset(int stage, float rwy, float ground_pitch)
{
    char cs[ATC_TEXT] = "";
    start_command_string(cs, 1);
    ip = {stage, rwy, ground_pitch, false, heard.size(), 0, cs};
}

float gear_height_ft() { return ((float)flt.Y - env.localh_cg - pln.h_eqlbm) * con.mtrstoft; }

// Cleared for the approach: NAV 2 on the landing system the pilot asked for (the request's
// last word), the autopilot on its localizer and glide slope.
void capture_the_approach()
{
    const char* id = std::strrchr(atc.ils_command, ' ');
    const int loc = id ? navaid(NAV_LOC, id + 1) : -1;
    if (loc >= 0) {
        const float nav2[2] = {2.0f, nav_f12[loc] / 100.0f};
        script_nav(nav2, 2);
    }
    ap(AP_CMD_NAV2);
    ap(AP_CMD_GS);
    ap_set(SET_SPD, kApproachKias);
    ip.stage = ILS;
}

// What the controller said to us since the last look, as the pilot acts on it.
void act_on_the_controller()
{
    for (; ip.read < heard.size(); ip.read++) {
        const std::string& w = heard[ip.read];
        if (w.compare(0, ip.call_sign.size(), ip.call_sign) != 0) continue;   // other traffic
        if (w.find("intercept localizer") != std::string::npos) {
            capture_the_approach();
            continue;
        }
        const size_t climb = w.find("Climb to ");
        if (climb != std::string::npos) ap_set(SET_ALT, std::stof(w.substr(climb + 9)));
        if (w.find("on course to") != std::string::npos) ip.direct = true;
        float hdg = -1, alt = -1;
        if (ip.stage == VECTORS && vector_in(w, &hdg, &alt)) {
            ip.vectors++;
            if (hdg >= 0) {
                ap_set(SET_HDG, fltwrap(hdg - (float)env.mvar, 0, 360));   // said magnetic, the bug is true
                ip.direct = false;
            }
            if (alt >= 0) ap_set(SET_ALT, alt);
        }
    }
    if (ip.direct && ip.stage == VECTORS) {
        const int d = atc.plan_index;
        ap_set(SET_HDG, atc_bearing(apt_lat[d][0], apt_lon[d][0]));
    }
}

void ifr_pilot_frame()
{
    act_on_the_controller();
    switch (ip.stage) {
    case ROLL:
    case CLIMB_OUT:
        sim_power(1.0f);
        set.parkbrake = 0;
        pilot_hold_pitch(flt.vind > kRotateKias || !flt.onground ? kClimbPitch : ip.ground_pitch,
                         flt.onground ? 0.0f : bank_for_heading(ip.rwy));
        if (flt.onground) steer(heading_onto_line());
        else ip.stage = CLIMB_OUT;
        if (ip.stage == CLIMB_OUT && gear_height_ft() > kAutopilotFt) {
            pilot_reset();
            ap(AP_CMD_HDG);   // engaging holds what is flown; then the targets
            ap(AP_CMD_ALT);
            ap(AP_CMD_SPD);
            ap_set(SET_HDG, ip.rwy);
            ap_set(SET_ALT, (float)fpl.init_alt);
            ap_set(SET_VVI, kClimbFpm);
            ap_set(SET_SPD, kClimbKias);
            ip.stage = VECTORS;
        }
        return;
    case VECTORS: return;
    case ILS:
        if (gear_height_ft() < kLandingFt) {
            ap(AP_CMD_OFF);
            pilot_reset();
            ip.stage = FLARE;
        }
        return;
    case FLARE: {
        const float h = gear_height_ft();
        sim_power(h > kFlareFt ? 0.2f : 0.0f);
        const float bank = fltlim(0.5f * fltwrap(heading_onto_line() - flt.psi, -180, 180), -5, 5);
        pilot_hold_vs(h > kFlareFt ? -400.0f : -100.0f, bank);
        if (flt.onground) ip.stage = ROLL_OUT;
        return;
    }
    case ROLL_OUT:
        sim_power(0.0f);
        pilot_hold_pitch(ip.ground_pitch);
        steer(heading_onto_line());
        set.parkbrake = fltlim(set.parkbrake + 0.5f * msc.prd, 0, 1);
        return;
    }
}

}  // namespace

// Parked beside the runway: the clearance, taxi to the hold of the active runway, the take-off
// flown, departure and centre, the approach's ILS vectors flown by the autopilot and the
// localizer and glide slope captured, the tower, a flown landing to a stop, the turn-off and
// ground, the pilot calling in after every hand-off. The aircraft goes from the ground to the
// air and back without a crash.
TEST(AtcFlights, IfrPlanFromSanBernardinoThroughEveryPhase)
{
    ORV_NEED_DATA(sim_start("trainer", "KSBD", 0, 1), "stock aircraft");
    heard.clear();
    const double hold_x = flt.X, hold_z = flt.Z;
    const float rwy = flt.psi;
    const float s = std::sin(rwy * con.dgrtorad), c = std::cos(rwy * con.dgrtorad);
    // parked 250 m along the runway and 100 m to its right, facing back
    set.cus_X = (float)(hold_x + 250 * s + 100 * c);
    set.cus_Z = (float)(hold_z - 250 * c + 100 * s);
    set.cus_Y = 0;
    set.cus_psi = fltwrap(rwy + 180, 0, 360);
    set.cus_v = 0;
    set_fltvars(9);

    std::snprintf(fpl.arr_id_str, sizeof fpl.arr_id_str, "KSBD");
    fpl.IFR = 1;
    fpl.cruise_alt = 4000;
    fpl.onfile = 1;
    atc.plan_index = atc_find_airport("KSBD");
    ASSERT_GE(atc.plan_index, 0);

    fly(2);
    pick(ROW_PICK_UP);
    EXPECT_EQ(atc.plan_phase, PLAN_CLEARED);
    pick(ROW_TAXI);
    set.parkbrake = 0;
    ASSERT_TRUE(taxi_to(hold_x + 100 * c, hold_z + 100 * s)) << "taxiing to the hold";
    pick(ROW_TAKEOFF);
    ASSERT_TRUE(taxi_to(hold_x + 40 * s, hold_z - 40 * c)) << "lining up";
    const double rolled_from = sim_time();
    wheels = {hold_x, hold_z, rwy};   // the centre line

    // Ground, air, ground: each change of the wheels' contact; and the time since the flight
    // began, which a crash's new flight starts again.
    std::vector<int> contact = {flt.onground};
    int restarts = 0;
    float flown = msc.init_time;
    ifr_reset(ROLL, rwy, flt.the);   // the pitch standing on the wheels
    const bool closed = fly(1500, [] { return fpl.onfile == 0 && flt.v < 0.5f; }, ifr_pilot_frame, [&] {
        if (flt.onground != contact.back()) contact.push_back(flt.onground);
        restarts += msc.init_time < flown;
        flown = msc.init_time;
    });
    std::printf("the flight from the hold to the stop took %.0f s simulated\n", sim_time() - rolled_from);
    EXPECT_TRUE(closed) << "last words: " << atc.response << ", phase " << atc.plan_phase;
    EXPECT_EQ(missing_in_order({"cleared as filed maintain at or below 3000 expect 4000", "taxi runway 6",
                                "fly runway heading cleared for take off runway 6", "contact departure.",
                                "radar contact. Climb to 4000 approved", "contact center", "roger proceed on course",
                                "approach on", "vectors I L S approach", "tower on", "cleared to land runway 6",
                                "intercept localizer", "make next turn-off contact ground", "taxi to the ramp."}),
              "");
    EXPECT_EQ(fpl.activated, 0);
    EXPECT_EQ(contact, (std::vector<int>{1, 0, 1})) << "bounced, or never flew";
    EXPECT_EQ(restarts, 0) << "crashed";
    // ground: off the runway to the right, where the ramp is
    ASSERT_TRUE(taxi_to(flt.X + 30 * c + 20 * s, flt.Z + 30 * s - 20 * c)) << "taxiing in";
    wheels = {hold_x, hold_z, rwy};
    EXPECT_GT(right_of_line(), 25.0f);
    EXPECT_TRUE(flt.onground);
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
    ap(AP_CMD_SPD);
    ap(AP_CMD_HDG);
    ap(AP_CMD_ALT);
    ap_set(SET_SPD, 100);
    ap_set(SET_VVI, kClimbFpm);

    pick(ROW_ILS);
    ASSERT_EQ(atc.menu_level, ATC_LEVEL_ILS);
    int entry = -1;
    for (int k = 0; k < atc_list_count(); k++)
        if (atc_list_entry(k) == loc) entry = k;
    ASSERT_GE(entry, 0) << "ISBA is not in the ILS list";
    pick(entry);
    ASSERT_EQ(atc.ils_vec_in_progress, 1) << atc.response;
    ifr_reset(VECTORS, flt.psi, 0);
    fly(900, [] { return atc.ils_vec_in_progress == 0; }, act_on_the_controller);
    ASSERT_NE(heard.back().find("intercept localizer"), std::string::npos) << heard.back();
    EXPECT_GE(ip.vectors, 2);
    EXPECT_EQ(atc.waiting_new_frq, 1);   // "contact tower"
    act_on_the_controller();             // NAV 2 on ISBA, the localizer and glide slope
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

namespace {

constexpr float kDeckCourse = 352;   // the carrier's landing course

// Where the aircraft is from the deck, as the ship's drawing last measured it: distance (nm),
// glide angle (deg above the deck) and lineup (deg the deck lies right of the course).
struct deck_view {
    float nm, glide, lineup;
};
deck_view from_deck()
{
    const float* c = atc.cardxyz;
    const float d = pythag(c[0], c[2]);
    const float brg = fltwrap(std::atan2(-c[0], c[2]) / con.dgrtorad, 0, 360);
    return {d * con.mtrstonm, std::atan2(c[1], d) / con.dgrtorad, fltwrap(brg - kDeckCourse, -180, 180)};
}

// The approach's plan: from this many nm in, the glide angle and the lineup flown.
struct approach_leg {
    float from_nm, glide, lineup;
};
constexpr float kStartNm = 4.5f, kStartLineup = 4.5f;
constexpr float kShipStartGlide = 3.5f;   // deg: the carrier start's line down to the deck
constexpr float kLevel = -1;   // a leg flown level, which leaves the glide path below as the deck nears
constexpr approach_leg kLegs[] = {
    {9, 0.5f, kStartLineup},   // low and left of the line on a long final
    {3.6f, 3, kStartLineup},   // onto the glide path, still left
    {2.6f, kLevel, 0},         // level onto the line, and so high
};
constexpr float kWaveOffNm = 0.35f;
constexpr float kVsChange = 1.0f;     // m/s each second: the pilot changes the glide smoothly
constexpr float kApproachVs = 1.4f;   // times the stall speed: the angle of attack inside the officer's band

// Holds the leg's glide angle through the vertical speed and its lineup through the heading,
// never more than 8.5 degrees off the course (the officer stops watching at 10); goes round
// when waved off.
void carrier_pilot()
{
    const deck_view at = from_deck();
    approach_leg leg = kLegs[0];
    for (const approach_leg& l : kLegs)
        if (at.nm < l.from_nm) leg = l;
    const float d_m = at.nm * con.nmtomtrs;
    const float want_h = d_m * std::tan(leg.glide * con.dgrtorad);
    const float vs = leg.glide == kLevel ? 0.0f
                                         : -flt.v * std::sin(leg.glide * con.dgrtorad) + 0.1f * (want_h - atc.cardxyz[1]);
    static float vs_flown;
    if (msc.init_time == 0) vs_flown = flt.vY;
    vs_flown += fltlim(fltlim(vs, -12, 12) - vs_flown, -kVsChange * msc.prd, kVsChange * msc.prd);
    const float hdg = kDeckCourse + fltlim(at.lineup - 2 * (leg.lineup - at.lineup), -8.5f, 8.5f);
    const float bank = bank_for_heading(fltwrap(hdg, 0, 360), 25);
    if (at.nm < kWaveOffNm || !std::strcmp(atc.response, "Wave Off!")) {   // going round
        sim_power(1.0f);
        return pilot_hold_pitch(12, bank);
    }
    pilot_hold_vs(vs_flown * con.msctofpm, bank);
}

}  // namespace

// The carrier jet down the carrier's approach from 4.5 nm, low and left of the line, then on
// the glide path still left, then high on the line into the wave-off: the landing signal
// officer's calls, from where the ship's drawing finds the aircraft, come in that order.
TEST(AtcFlights, CarrierApproachGetsTheLandingSignalOfficersCalls)
{
    ORV_NEED_DATA(sim_start("carrierjet", "KSBD", 0, 1), "stock aircraft");
    set_fltvars(15);   // behind the nearest carrier on its approach
    ASSERT_NEAR(flt.psi, kDeckCourse, 0.5f) << "no carrier in the region";
    // from the start's distance back to a long final, off to the left
    const float start_m = 60 * msc.est_Vs, back = kStartNm * con.nmtomtrs - start_m;
    const float left = kStartNm * con.nmtomtrs * std::tan(kStartLineup * con.dgrtorad);
    const float s = std::sin(kDeckCourse * con.dgrtorad), c = std::cos(kDeckCourse * con.dgrtorad);
    flt.X += -s * back - c * left;
    flt.Z += c * back - s * left;
    flt.Y += kStartNm * con.nmtomtrs * std::tan(kLegs[0].glide * con.dgrtorad) - std::sin(kShipStartGlide * con.dgrtorad) * start_m;
    pilot_reset();
    ap(AP_CMD_SPD);
    ap_set(SET_SPD, kApproachVs * msc.est_Vs * con.msctokts);
    listen();   // what was said before the approach is not the officer's
    heard.clear();
    float nearest = 99;
    std::vector<deck_view> where_heard;
    for (double end = sim_time() + 200; sim_time() < end && nearest > kWaveOffNm - 0.1f;) {
        carrier_pilot();
        const deck_view at = from_deck();   // where the officer last saw the aircraft
        sim_frame();
        const size_t before = heard.size();
        listen();
        if (heard.size() > before) {
            where_heard.push_back(at);
            std::printf("LSO at %.2f nm, glide %.1f, lineup %+.1f, alpha %.1f: %s\n", at.nm, at.glide, at.lineup,
                        flt.Alpha, heard.back().c_str());
        }
        if (atc.cardxyz[2] != ATC_NO_CARRIER) nearest = std::fmin(nearest, from_deck().nm);
    }
    ASSERT_EQ(heard, (std::vector<std::string>{"Call the ball.", "Power", "Right for lineup", "Power Off", "Wave Off!"}));
    EXPECT_LT(where_heard[1].glide, 1.0f);    // low
    EXPECT_GT(where_heard[2].lineup, 3.0f);   // left of the line
    EXPECT_GT(where_heard[3].glide, 5.0f);    // high
    EXPECT_LT(where_heard[4].nm, 0.5f);       // in close, still high
    EXPECT_GT(where_heard[4].glide, 5.0f);
}
