// Headless flights of the aircraft's systems: autopilot modes, an instrument landing
// system, fuel burn, a scheduled engine failure, wind drift and the real-weather file, each
// started by the program's own start-up at a real airport and flown through the program's
// own frame. The autopilot is engaged through the script commands' bodies, as a script
// would; the test pilot only flies where a pilot would (the cruise power, the twin's
// engine-out flying and trim, straight and level for the drift). Every flight prints its figures beside its limits.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "2-QZutils/qz_funct.h"
#include "2-QZutils/records.h"
#include "app/app_script_flight.h"
#include "flight/flight_sim.h"
#include "flight/autopilot.h"
#include "flight/failures.h"
#include "flight/funct.h"
#include "flight/real_weather.h"
#include "support/world_fixtures.h"
#include "world/nav_db.h"
#include "world/region.h"
#include "world/wxr_file.h"

using namespace orv;
using namespace orv_test;

namespace {

// Word indices of the script commands `ap` and `ap-set`.
enum { AP_CMD_HDG = 0, AP_CMD_NAV2 = 2, AP_CMD_GPS = 3, AP_CMD_ALT = 4, AP_CMD_VS = 5, AP_CMD_GS = 6, AP_CMD_SPD = 7, AP_CMD_OFF = 8 };
enum { SET_ALT = 0, SET_VS = 1, SET_SPD = 2, SET_HDG = 3 };

void ap(int mode)
{
    const float a[1] = {(float)mode};
    script_ap(a, 1);
}
void ap_set(int target, float value)
{
    const float a[2] = {(float)target, value};
    script_ap_set(a, 2);
}

// The program at this airport, random failures off so that only the flight's own
// failure happens.
bool start(const char* id, const char* icao = "KSFO", int runway_end = 0)
{
    if (sim_start(id, icao, runway_end, 1) != 1) return false;
    rel.total_fail_entry = 0;
    return true;
}

float height_ft() { return (float)flt.Y * con.mtrstoft; }
float hdg_error(float target) { return fltwrap(flt.psi - target, -180.0f, 180.0f); }

void line(const char* flight, const char* figure, double measured, const char* cmp, double limit, const char* unit)
{
    if (*cmp) std::printf("%-14s %-34s %9.2f %-7s (limit %s %.2f)\n", flight, figure, measured, unit, cmp, limit);
    else std::printf("%-14s %-34s %9.2f %s\n", flight, figure, measured, unit);
    std::fflush(stdout);
}

}  // namespace

// Heading select from 090 to 270: the autopilot turns right (a bug exactly behind turns the
// way the bank's sign says), banks no more than the standard-rate bank, and rolls out onto
// the bug.
TEST(FlightSystems, HeadingSelectTurnsOntoTheBug)
{
    ORV_NEED_DATA(start("trainer"), "stock aircraft");
    sim_air_start(5000.0f, 105.0f, 90.0f);
    sim_power(0.65f);
    ap_set(SET_VS, 500.0f);
    ap_set(SET_ALT, 5000.0f);
    ap_set(SET_HDG, 90.0f);
    ap(AP_CMD_ALT);
    ap(AP_CMD_HDG);
    sim_fly(60.0f, nullptr);
    ASSERT_LT(std::fabs(hdg_error(90.0f)), 3.0f) << "not settled on 090 before the turn";

    ap_set(SET_HDG, 270.0f);
    const double t0 = sim_time();
    float max_bank = 0, max_cmd = 0, overshoot = 0, standard = 0, steady_gap = 0;
    double settled_at = -1;
    bool passed = false;
    while (sim_time() - t0 < 180.0) {
        sim_frame();
        const float cmd = ap_commanded_bank(), e = hdg_error(270.0f);
        standard = std::atan(flt.v * 3.14159265f / (con.g * 60.0f)) * con.radtodgr;
        max_bank = std::fmax(max_bank, std::fabs(flt.phi));
        max_cmd = std::fmax(max_cmd, std::fabs(cmd));
        // the steady part of the turn: bank held at the limit
        if (sim_time() - t0 > 20.0 && std::fabs(e) > 30.0f) steady_gap = std::fmax(steady_gap, std::fabs(flt.phi - cmd));
        if (!passed && flt.psi > 180.0f && e > -0.5f) passed = true;
        if (passed) overshoot = std::fmax(overshoot, e);
        if (std::fabs(e) >= 3.0f) settled_at = -1;
        else if (settled_at < 0) settled_at = sim_time() - t0;
    }
    const float final_err = std::fabs(hdg_error(270.0f));
    line("heading 090-270", "commanded bank, greatest (deg)", max_cmd, "<=", fmin(standard, 30.0f) + 0.1f, "deg");
    line("heading 090-270", "bank flown, greatest (deg)", max_bank, "~", max_cmd, "deg");
    line("heading 090-270", "bank flown - commanded, steady", steady_gap, "<=", 3.0, "deg");
    // The roll law (bank error and roll-rate terms scaled by the control-gain ratio) damps the
    // heading loop to about 0.4 whatever the speed: the trainer rolls out some 10 degrees past
    // the bug. The law is kept as it stands; the limit says how far past is too far for it.
    constexpr float OVERSHOOT_LIMIT = 12.0f;
    line("heading 090-270", "overshoot past 270 (deg)", overshoot, "<=", OVERSHOOT_LIMIT, "deg");
    line("heading 090-270", "from the bug after 180 s (deg)", final_err, "<", 3.0, "deg");
    line("heading 090-270", "within 3 deg for good after (s)", settled_at, ">=", 0.0, "s");
    EXPECT_TRUE(passed) << "turned the wrong way or never arrived";
    EXPECT_GT(max_cmd, standard - 0.5f) << "the turn is not flown at the bank limit";
    EXPECT_LE(max_cmd, fmin(standard, 30.0f) + 0.1f);
    EXPECT_LE(steady_gap, 3.0f);
    EXPECT_LE(overshoot, OVERSHOOT_LIMIT);
    EXPECT_LT(final_err, 3.0f);
    EXPECT_GE(settled_at, 0.0);
}

// A 1000 ft climb at a set vertical speed, then altitude hold: two minutes within 50 ft.
TEST(FlightSystems, VerticalSpeedClimbThenAltitudeHold)
{
    ORV_NEED_DATA(start("trainer"), "stock aircraft");
    sim_air_start(4000.0f, 100.0f, 270.0f);
    sim_power(0.65f);
    ap_set(SET_HDG, 270.0f);
    ap(AP_CMD_HDG);
    ap_set(SET_VS, 0.0f);
    ap(AP_CMD_VS);
    sim_fly(30.0f, nullptr);

    sim_power(1.0f);
    ap_set(SET_VS, 500.0f);
    ap_set(SET_ALT, 5000.0f);
    // the climb settles, then its rate is measured up to the capture band of the hold
    // (the band where the hold's own rate falls below the set one: 500 ft/min / 0.05 per s)
    sim_fly(30.0f, nullptr);
    const double y1 = flt.Y, t1 = sim_time();
    while (flt.hind * con.mtrstoft < 4800.0f && sim_time() - t1 < 300.0) sim_frame();
    const double climb_fpm = (flt.Y - y1) * con.mtrstoft / ((sim_time() - t1) / 60.0);
    ap(AP_CMD_ALT);
    sim_fly(60.0f, nullptr);
    sim_power(0.65f);
    double worst = 0;
    const double t3 = sim_time();
    while (sim_time() - t3 < 120.0) {
        sim_frame();
        worst = std::fmax(worst, std::fabs(flt.hind * con.mtrstoft - 5000.0));
    }
    line("climb 4000-5000", "climb rate in VS 500 (ft/min)", climb_fpm, "~", 500.0, "ft/min");
    line("altitude hold", "greatest error over 2 min (ft)", worst, "<=", 50.0, "ft");
    EXPECT_NEAR(climb_fpm, 500.0, 100.0);
    EXPECT_LE(worst, 50.0);
}

namespace {

int airport_index(const char* icao)
{
    for (int a = 0; a <= env.aptmax && a < APT_CAP; a++)
        if (std::strncmp(apt_id[a], icao, 4) == 0) return a;
    return -1;
}

int navaid_index(int type, const char* id)
{
    for (int n = 0; n <= env.navmax && n < NAV_CAP; n++)
        if (nav_type[n] == type && std::strncmp(nav_id[n], id, 4) == 0) return n;
    return -1;
}

// Cross-track distance (m, right positive) of the aircraft from the line through (x, z)
// along the true course crs, and its distance along it (m, ahead positive).
void track_offsets(double x, double z, float crs, double* cross, double* along)
{
    const double c = crs * con.dgrtorad, dx = flt.X - x, dz = flt.Z - z;
    const double ux = std::sin(c), uz = -std::cos(c);   // unit vector of the course (X east, Z south)
    *along = dx * ux + dz * uz;
    *cross = dx * -uz + dz * ux;
}

}  // namespace

// The derived landing system of San Bernardino runway 06 on NAV 2, localizer and glide slope
// engaged 10 nm out: both needles within a dot all the way, and the aircraft 200 ft above
// the field within 60 m of the centre line.
TEST(FlightSystems, IlsApproachOnNav2)
{
    ORV_NEED_DATA(start("trainer", "KSBD", 0), "stock aircraft");
    const int a = airport_index("KSBD"), loc = navaid_index(NAV_LOC, "ISBA");
    ASSERT_GE(a, 0);
    ASSERT_GE(loc, 0) << "no derived landing system for KSBD 06";
    ASSERT_EQ(apt_num[a][0], 6);
    const float field_ft = apt_h[a] * con.mtrstoft, crs = (float)apt_hdng[a][0];
    const double cx = X_with_latlon(apt_lat[a][0], apt_lon[a][0]), cz = Z_with_lat(apt_lat[a][0]);
    const double half = 0.5 * apt_len[a][0];
    const double c = crs * con.dgrtorad;
    const double thr_x = cx - half * std::sin(c), thr_z = cz + half * std::cos(c);
    // 10 nm before the threshold, on the centre line, a little below the glide slope
    const double out = 10.0 * con.nmtomtrs;
    flt.X = thr_x - out * std::sin(c);
    flt.Z = thr_z + out * std::cos(c);
    sim_air_start(field_ft + 0.9f * std::tan(3.0f * con.dgrtorad) * (float)out * con.mtrstoft, 90.0f, crs);
    sim_power(0.55f);

    const float nav2[2] = {2.0f, nav_f12[loc] / 100.0f};
    script_nav(nav2, 2);
    ASSERT_TRUE(nav.goodnav[1]) << "NAV 2 did not tune the localizer";
    ASSERT_EQ(nav.ilsgs[1], 3.0f) << "no glide slope on NAV 2";
    ap(AP_CMD_NAV2);
    ap(AP_CMD_GS);
    ap_set(SET_SPD, 90.0f);
    ap(AP_CMD_SPD);
    sim_fly(5.0f, nullptr);   // the needles come alive at the next events

    float worst_h = 0, worst_v = 0;
    double cross = 0, along = 0, cross_200 = NAN;
    float slowest = 1e9f, fastest = 0;
    for (int i = 0; i < 20 * 600; i++) {
        sim_frame();
        slowest = std::fmin(slowest, flt.vind);
        fastest = std::fmax(fastest, flt.vind);
        worst_h = std::fmax(worst_h, std::fabs(nav.hdef[1]));
        worst_v = std::fmax(worst_v, std::fabs(nav.vdef[1]));
        track_offsets(thr_x, thr_z, crs, &cross, &along);
        if (height_ft() - field_ft < 200.0f) {
            cross_200 = cross;
            break;
        }
    }
    line("ILS KSBD 06", "localizer needle, worst (dots)", worst_h, "<=", 1.0, "dots");
    line("ILS KSBD 06", "glide-slope needle, worst (dots)", worst_v, "<=", 1.0, "dots");
    line("ILS KSBD 06", "speed hold 90 kt: slowest (KIAS)", slowest, ">=", 80.0, "kt");
    line("ILS KSBD 06", "speed hold 90 kt: fastest (KIAS)", fastest, "<=", 100.0, "kt");
    line("ILS KSBD 06", "centre line at 200 ft (m)", std::fabs(cross_200), "<=", 60.0, "m");
    // on the glide path 200 ft lies this far before the antenna, 1000 ft past the threshold
    line("ILS KSBD 06", "before the threshold at 200 ft (m)", -along, "~",
         (200 / std::tan(3 * con.dgrtorad) - 1000) * con.fttomtrs, "m");
    // decision height: the pilot disconnects and the throttle stays where the autopilot left it
    const float lever = flt.throrequest[0];
    ap(AP_CMD_OFF);
    sim_fly(2.0f, nullptr);
    line("ILS KSBD 06", "throttle 2 s after disconnecting", flt.throrequest[0], "~", lever, "");
    EXPECT_NEAR(flt.throrequest[0], lever, 0.05f);
    ASSERT_FALSE(std::isnan(cross_200)) << "never came down to 200 ft above the field";
    EXPECT_LE(worst_h, 1.0f);
    EXPECT_LE(worst_v, 1.0f);
    EXPECT_LE(std::fabs(cross_200), 60.0);
    EXPECT_GE(slowest, 80.0f);
    EXPECT_LE(fastest, 100.0f);
}

// Fuel flow of the trainer at 75 % power at 8500 ft (ten minutes of level flight after four
// to settle) against the handbook's cruise figure.
TEST(FlightSystems, TrainerFuelFlowAtCruisePower)
{
    const double published = reference_figure("trainer", "fuel_flow_cruise");
    ASSERT_FALSE(std::isnan(published)) << "no fuel_flow_cruise row for the trainer";
    ORV_NEED_DATA(start("trainer"), "stock aircraft");
    sim_air_start(8500.0f, 115.0f, 270.0f);
    sim_set_weight_lb(0.85f * (float)reference_figure("trainer", "max_weight"));
    sim_power(0.75f);
    sim_fly(240.0f, [] {
        pilot_hold_height(8500.0f);
        const float share = flt.power[0] / fmaxf(pln.pmax, 1.0f);
        flt.throrequest[0] = fltlim(flt.throrequest[0] + 0.4f * msc.prd * (0.75f - share), 0.0f, 1.0f);
    });
    const float fuel0 = flt.m_fuel;
    double share_sum = 0;
    int n = 0;
    const double t0 = sim_time();
    while (sim_time() - t0 < 600.0) {
        pilot_hold_height(8500.0f);
        const float share = flt.power[0] / fmaxf(pln.pmax, 1.0f);
        flt.throrequest[0] = fltlim(flt.throrequest[0] + 0.4f * msc.prd * (0.75f - share), 0.0f, 1.0f);
        sim_frame();
        share_sum += share;
        n++;
    }
    const double lb_per_gal = 6.0;
    const double gph = (fuel0 - flt.m_fuel) / con.lbstokgs / lb_per_gal * 3600.0 / (sim_time() - t0);
    // 75 % or, where the engine no longer makes it at this height, full throttle
    const double share = share_sum / n;
    line("fuel trainer", "power share (mean)", share, "0.70 ..", 0.76, "");
    line("fuel trainer", "throttle", flt.throrequest[0], "<=", 1.0, "");
    line("fuel trainer", "flow scaled to 75 % power (gal/h)", gph * 0.75 / share, "~", published, "gal/h");
    const double err = report("trainer", "fuel_flow_cruise", gph, published, "gal/h");
    EXPECT_GE(share, 0.70);
    EXPECT_LE(share, 0.76);
    EXPECT_LE(std::fabs(err), 15.0);
}

namespace {

// Rudder trim moved the way the pilot's foot presses, until the foot can rest.
void trim_rudder()
{
    flt.rud_trim = fltlim(flt.rud_trim + 0.5f * msc.prd * set.YK_hdng / 0.25f, -1.0f, 1.0f);
}

int twin_failed = -1;
void single_engine_pilot()
{
    pilot_hold_speed(110.0f, bank_for_heading(270.0f, 5.0f));
    trim_rudder();
}

}  // namespace

// A failure of type 3 (fails at the next draw) scheduled on the twin's engines: one engine
// stops, and the pilot holds heading with at most 5 degrees of bank and the rudder trimmed,
// the foot off the pedals.
TEST(FlightSystems, TwinScheduledEngineFailureStaysControllable)
{
    ORV_NEED_DATA(start("twin"), "stock aircraft");
    ASSERT_EQ(pln.numen, 2);
    sim_air_start(4000.0f, 130.0f, 270.0f);
    sim_set_weight_lb(0.9f * (float)reference_figure("twin", "max_weight"));
    flt.rud_trim = 0;
    sim_power(0.75f);
    sim_fly(30.0f, [] { pilot_hold_height(4000.0f, bank_for_heading(270.0f)); });
    ASSERT_TRUE(flt.eng_running[0] && flt.eng_running[1]);

    rel.fail_type[FAIL_ENGINE] = 3;
    const double t0 = sim_time();
    int failed = -1;
    while (failed < 0 && sim_time() - t0 < 2.0) {
        pilot_hold_height(4000.0f, bank_for_heading(270.0f));
        sim_frame();
        for (int e = 0; e < 2; e++)
            if (!rel.engine[e]) failed = e;
    }
    const double fail_after = sim_time() - t0;
    rel.fail_type[FAIL_ENGINE] = 1;
    ASSERT_GE(failed, 0) << "the scheduled failure did not happen within two draws";
    twin_failed = failed;
    const int live = 1 - failed;
    sim_power(1.0f);   // the pilot's full power on both levers; the dead engine gives nothing
    flt.prop[failed] = pln.omegamingreen;   // and its propeller feathered
    sim_fly(120.0f, single_engine_pilot);
    const double y0 = flt.Y;
    float worst_hdg = 0, worst_bank = 0, worst_beta = 0;
    const double t1 = sim_time();
    while (sim_time() - t1 < 60.0) {
        single_engine_pilot();
        sim_frame();
        worst_hdg = std::fmax(worst_hdg, std::fabs(hdg_error(270.0f)));
        worst_bank = std::fmax(worst_bank, std::fabs(flt.phi));
        worst_beta = std::fmax(worst_beta, std::fabs(flt.Beta));
    }
    const double fpm = (flt.Y - y0) * con.mtrstoft;
    std::printf("twin: engine %d failed %.2f s after the failure was scheduled\n", failed, fail_after);
    line("engine failure", "failed engine running", flt.eng_running[failed], "==", 0, "");
    line("engine failure", "failed engine power (hp)", flt.power[failed] / con.hptowat, "<=", 1.0, "hp");
    line("engine failure", "live engine power (hp)", flt.power[live] / con.hptowat, ">", 100.0, "hp");
    line("engine failure", "rudder trim (-1..1)", flt.rud_trim, "|x| >", 0.3, "");
    line("engine failure", "pedal left over (-1..1)", set.YK_hdng, "|x| <", 0.05, "");
    line("engine failure", "heading error, worst (deg)", worst_hdg, "<=", 5.0, "deg");
    line("engine failure", "bank, worst (deg)", worst_bank, "<=", 6.0, "deg");
    line("engine failure", "sideslip, worst (deg)", worst_beta, "<=", 3.0, "deg");
    line("engine failure", "climb at 110 KIAS (ft/min)", fpm, ">", -300.0, "ft/min");
    EXPECT_FALSE(flt.eng_running[failed]);
    EXPECT_LT(flt.power[failed], 0.01f * pln.pmax);
    EXPECT_TRUE(flt.eng_running[live]);
    EXPECT_LE(fail_after, 1.05) << "a failure of type 3 waits for no more than the next draw";
    // the trim carries the asymmetric thrust (its full travel is a quarter of the pedal's);
    // what is left for the foot is a touch
    EXPECT_GT(std::fabs(flt.rud_trim), 0.3f) << "no rudder trim needed: the failed engine pulls as before";
    EXPECT_LT(std::fabs(set.YK_hdng), 0.05f);
    EXPECT_LE(worst_hdg, 5.0f);
    EXPECT_LE(worst_bank, 6.0f);
    EXPECT_LE(worst_beta, 3.0f);
    EXPECT_GT(fpm, -300.0);
}

// Wind of the weather fields drifts an aircraft flying a steady heading: its ground track is
// the wind triangle's.
TEST(FlightSystems, WindDriftFollowsTheWindTriangle)
{
    ORV_NEED_DATA(start("trainer"), "stock aircraft");
    sim_air_start(5000.0f, 110.0f, 0.0f);
    sim_power(0.7f);
    const float dir[2] = {7.0f, 270.0f}, spd[2] = {8.0f, 25.0f};   // from 270 magnetic at 25 kt
    script_weather(dir, 2);
    script_weather(spd, 2);
    sim_fly(60.0f, [] { pilot_hold_height(5000.0f, bank_for_heading(0.0f)); });
    const double x0 = flt.X, z0 = flt.Z, t0 = sim_time();
    double hdg_sum = 0, tas_sum = 0;
    int n = 0;
    while (sim_time() - t0 < 120.0) {
        pilot_hold_height(5000.0f, bank_for_heading(0.0f));
        sim_frame();
        hdg_sum += fltwrap(flt.psi, -180.0f, 180.0f);
        tas_sum += flt.av * std::cos(flt.the * con.dgrtorad - flt.Alpha * con.dgrtorad);
        n++;
    }
    const double hdg = hdg_sum / n, tas = tas_sum / n;
    const double east = flt.X - x0, north = -(flt.Z - z0);
    const double track = std::atan2(east, north) * con.radtodgr;
    // the wind blows from its true direction, the magnetic one less the variation
    const double from = (270.0 - env.mvar) * con.dgrtorad, w = 25.0 * con.ktstomsc;
    const double h = hdg * con.dgrtorad;
    const double ge = tas * std::sin(h) - w * std::sin(from), gn = tas * std::cos(h) - w * std::cos(from);
    const double want = std::atan2(ge, gn) * con.radtodgr, want_gs = std::hypot(ge, gn);
    const double gs = std::hypot(east, north) / (sim_time() - t0);
    line("wind drift", "mean heading (deg true)", hdg, "~", 0.0, "deg");
    line("wind drift", "true air speed (kt)", tas * con.msctokts, "", 0.0, "kt");
    line("wind drift", "ground speed (kt)", gs * con.msctokts, "~", want_gs * con.msctokts, "kt");
    line("wind drift", "ground track (deg true)", track, "~", want, "deg");
    line("wind drift", "track - triangle (deg)", track - want, "|x| <=", 2.0, "deg");
    EXPECT_LE(std::fabs(track - want), 2.0);
    EXPECT_NEAR(gs, want_gs, 2.0 * con.ktstomsc);
    EXPECT_GT(std::fabs(track - hdg), 5.0) << "no drift at all";
}

// The real-weather file with a report for San Bernardino: clouds, wind and pressure as
// decoded, and visibility and cloud heights moving 1 % a second towards the report.
TEST(FlightSystems, RealWeatherReportOfTheStartAirport)
{
    const weather_reports reports(temp_dir("rwx_flight"), "KSFO 1830 CLR 20 60/50/3005/001\n"
                                                          "KSBD 1830 30 BKN 80 OVC 4 72/50/2315/998\n");
    const bool started = start("trainer", "KSBD", 0);
    ORV_NEED_DATA(started, "stock aircraft");
    set.parkbrake = 1;
    const float vis0 = atm.vis_rep;
    // the first second's events read the file
    int frames = 0;
    while (!real_weather_state().in_use && frames++ < 200) sim_frame();
    ASSERT_TRUE(real_weather_state().in_use) << "the report file was not read";
    const real_weather_targets& rw = real_weather_state();
    const int a = airport_index("KSBD");
    const float field = apt_h[a];
    const float vis1 = atm.vis_rep, base1 = atm.baseMSL;
    std::printf("real weather   report of %s read\n", rw.station);
    line("real weather", "cloud type", atm.cld_type, "==", 1, "");
    line("real weather", "cloud base target (ft MSL)", rw.base * con.mtrstoft, "==", 3000 + field * con.mtrstoft, "ft");
    line("real weather", "cloud tops target (ft MSL)", rw.tops * con.mtrstoft, "==", 8000 + field * con.mtrstoft, "ft");
    line("real weather", "visibility target (nm)", rw.vis / con.nmtomtrs, "==", 4, "nm");
    line("real weather", "pressure (inHg)", atm.baro, "==", 29.98, "inHg");
    line("real weather", "temperature (F)", atm.temp_SL, "==", 72, "F");
    const int l = wind_index(field);
    line("real weather", "wind at the field (deg)", atm.wnddir[l], "==", 230, "deg");
    line("real weather", "wind at the field (kt)", atm.wndspd[l] * con.msctokts, "==", 15, "kt");
    EXPECT_STREQ(rw.station, "KSBD");
    EXPECT_EQ(atm.cld_type, 1);
    EXPECT_NEAR(rw.base, 3000 * con.fttomtrs + field, 1.0f);
    EXPECT_NEAR(rw.tops, 8000 * con.fttomtrs + field, 1.0f);
    EXPECT_NEAR(rw.vis, 4 * con.nmtomtrs, 1.0f);
    EXPECT_NEAR(atm.baro, 29.98f, 1e-3f);
    EXPECT_FLOAT_EQ(atm.temp_SL, 72.0f);
    EXPECT_FLOAT_EQ(atm.wnddir[l], 230.0f);
    EXPECT_NEAR(atm.wndspd[l], 15 * con.ktstomsc, 1e-3f);
    // the first approach step has been taken with the reading
    EXPECT_NEAR(vis1 - vis0, 0.01f * (rw.vis - vis0), 0.5f);

    // a minute on: each second has closed 1 % of what was left
    sim_fly(60.0f, nullptr);
    const double want_vis = rw.vis + (vis1 - rw.vis) * std::pow(0.99, 60);
    const double want_base = rw.base + (base1 - rw.base) * std::pow(0.99, 60);
    line("real weather", "visibility after 60 s (m)", atm.vis_rep, "~", want_vis, "m");
    line("real weather", "cloud base after 60 s (m)", atm.baseMSL, "~", want_base, "m");
    EXPECT_NEAR(atm.vis_rep, want_vis, 0.01 * std::fabs(vis1 - rw.vis) + 1.0);
    EXPECT_NEAR(atm.baseMSL, want_base, 0.01 * std::fabs(base1 - rw.base) + 1.0);
    // and the aircraft feels the reported wind
    const float wx = atm.wind_X, wz = atm.wind_Z;
    // on the ground the gusts' height factor halves it
    line("real weather", "wind felt on the ground (kt)", std::hypot(wx, wz) * con.msctokts, "~", 15 * 0.5, "kt");
    EXPECT_NEAR(std::hypot(wx, wz) * con.msctokts, 7.5, 1.0);
}

// The bug exactly behind at speed, where the heading barely moves in level flight: the turn
// must start and go one way (the bizjet at 30000 ft).
TEST(FlightSystems, HeadingBugExactlyBehindStartsTheTurn)
{
    ORV_NEED_DATA(start("bizjet"), "stock aircraft");
    sim_air_start(30000.0f, 400.0f, 90.0f);
    sim_power(0.8f);
    ap_set(SET_VS, 500.0f);
    ap_set(SET_ALT, 30000.0f);
    ap_set(SET_HDG, 90.0f);
    ap(AP_CMD_ALT);
    ap(AP_CMD_HDG);
    sim_fly(60.0f, nullptr);
    ap_set(SET_HDG, 270.0f);
    sim_fly(30.0f, nullptr);
    const float turned = std::fabs(hdg_error(90.0f)), bank = std::fabs(flt.phi);
    line("bug behind", "heading change after 30 s (deg)", turned, ">=", 15.0, "deg");
    line("bug behind", "bank after 30 s (deg)", bank, ">=", 20.0, "deg");
    EXPECT_GE(turned, 15.0f);
    EXPECT_GE(bank, 20.0f);
}

// The GPS course to Palm Springs, locked over San Bernardino, with the bizjet then put a
// nautical mile right of the line at 200 KIAS: the autopilot's NAV1 mode flies back onto the
// line and down it, and the read-out's distance counts down with the true one.
TEST(FlightSystems, GpsCourseIsFlownBackOntoItsLine)
{
    ORV_NEED_DATA(start("bizjet", "KSBD", 0), "stock aircraft");
    const int target = airport_index("KPSP");
    ASSERT_GE(target, 0);
    ASSERT_TRUE(plane_has_gps());
    nav.gps_index_mode = GPS_MODE_APT;
    nav.gps_index = target;
    gps_sync_id();
    const double tx = X_with_latlon(apt_lat[target][0], apt_lon[target][0]), tz = Z_with_lat(apt_lat[target][0]);
    sim_air_start(10000.0f, 240.0f, true_bearing_to(tx, tz));
    sim_power(0.5f);
    ap_set(SET_VS, 500.0f);
    ap_set(SET_ALT, 10000.0f);
    ap_set(SET_SPD, 200.0f);
    ap(AP_CMD_ALT);
    ap(AP_CMD_SPD);
    ap(AP_CMD_GPS);
    sim_fly(7.0f, nullptr);   // the lock is taken at the next tuning
    ASSERT_EQ(ins.lock_GPS, 0) << "the GPS never tuned";
    const float crs = nav.gps_lock_crs;
    const double nm = con.nmtomtrs;
    double cross = 0, along = 0;
    // The course line is the true bearing to the waypoint; away from the region's reference
    // meridian the frame's directions are skewed from true ones.
    auto gps_offsets = [&] {
        const double off = (crs - true_bearing_to(tx, tz)) * con.dgrtorad, d = std::hypot(flt.X - tx, flt.Z - tz);
        cross = d * std::sin(off);
        along = -d * std::cos(off);
    };
    const double right = region_frame_heading(flt.X, flt.lat, crs + 90.0f) * con.dgrtorad;
    flt.X += std::sin(right) * nm;   // a mile to the right of the course line
    flt.Z -= std::cos(right) * nm;
    gps_offsets();
    ASSERT_NEAR(cross, nm, 30.0);

    float worst_readout = 0;
    for (int i = 0; i < 20 * 900 && -along > 10.0 * nm; i++) {
        sim_frame();
        gps_offsets();
        worst_readout = std::fmax(worst_readout, (float)std::fabs(nav.gps_dis - std::hypot(flt.X - tx, flt.Z - tz)));
    }
    const double cross_at_10 = -along <= 10.0 * nm ? cross : NAN;
    line("GPS KSBD-KPSP", "off the line 10 nm out (m)", std::fabs(cross_at_10), "<=", 0.1 * nm, "m");
    line("GPS KSBD-KPSP", "read-out distance - true, worst (m)", worst_readout, "<=", 50.0, "m");
    ASSERT_FALSE(std::isnan(cross_at_10)) << "never came within 10 nm of the waypoint";
    EXPECT_LE(std::fabs(cross_at_10), 0.1 * nm);
    EXPECT_LE(worst_readout, 50.0f);
}
