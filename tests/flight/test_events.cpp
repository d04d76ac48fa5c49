// Periodic events: Morse identifier, markers, needles, callouts, frame-rate guard, fuel,
// icing, failures, pressures, weather evolution and the speed warnings.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/records.h"
#include "flight/events.h"
#include "flight/events_sec.h"
#include "flight/failures.h"
#include "flight/flight_hooks.h"
#include "flight/weather_evol.h"
#include "world/nav_db.h"

namespace orv {
namespace {

std::vector<int> played;
void record_play(int b, int) { played.push_back(b); }
void record_stop(int b) { played.push_back(-b); }
int plays(int b)
{
    int n = 0;
    for (int p : played) n += p == b;
    return n;
}

class Events : public ::testing::Test {
protected:
    void SetUp() override
    {
        flt = flightstruct{};
        set = settingstruct{};
        msc = miscstruct{};
        rel = relstruct{};
        nav = navstruct{};
        ins = inststruct{};
        pln = planestruct{};
        std::memset(&atm, 0, sizeof atm);
        std::memset(&env, 0, sizeof env);
        set_constants();
        seed_rand(7);
        rel_repair_all();
        events_reset();
        mnw.menu_up = -1;
        flight_hooks h{};
        h.play_buffer = record_play;
        h.stop_buffer = record_stop;
        flight_set_hooks(h);
        played.clear();
    }
    void TearDown() override { flight_set_hooks(flight_hooks{}); }
};

TEST_F(Events, MorseScheduleOfAbc)
{
    int type[MORSE_SLOTS];
    float time[MORSE_SLOTS] = {0};
    int n = 0;
    for (char c : {'A', 'B', 'C'}) build_morse_id(c, type, time, &n);
    const int want_type[] = {3, 4, 2, 4, 3, 3, 3, 2, 4, 3, 4, 3, 2};
    const float want_time[] = {0, 0.3f, 0.8f, 1.8f, 2.3f, 2.6f, 2.9f, 3.2f, 4.2f, 4.7f, 5.0f, 5.5f, 5.8f};
    ASSERT_EQ(n, 13);
    for (int i = 0; i < n; i++) {
        EXPECT_EQ(type[i], want_type[i]) << i;
        EXPECT_NEAR(time[i], want_time[i], 1e-4f) << i;
    }
    n = 0;
    build_morse_id('7', type, time, &n);     // not a letter: the silence alone
    EXPECT_EQ(n, 1);
    EXPECT_EQ(type[0], SND_SILENT);
    n = MORSE_SLOTS - 1;                     // the schedule never runs over its end
    build_morse_id('B', type, time, &n);
    EXPECT_EQ(n, MORSE_SLOTS);
}

TEST_F(Events, IdentifierPlaysOnceAndRestartsTenSecondsAfterItBegan)
{
    nav.goodnav[1] = 1;
    nav.radout = 1;
    std::memcpy(nav.nav_id[1], "ABC ", 5);
    for (int k = 0; k < 100; k++) {           // 10 s at ten calls a second
        msc.elap_time = 0.1f * k;
        mod_evt();
    }
    EXPECT_EQ(plays(BUF_DOT), 1 + 3 + 2);
    EXPECT_EQ(plays(BUF_DASH), 1 + 1 + 2);
    msc.elap_time = 10.0f;
    mod_evt();                                // the schedule ended; the next call starts again
    msc.elap_time = 10.1f;
    mod_evt();
    EXPECT_EQ(plays(BUF_DOT), 7);             // A's dot, at the new start
    EXPECT_NEAR(morse_times()[0], 10.1f, 1e-4f);
}

TEST_F(Events, OuterMarkerDashOnceASecondInnerThreeDots)
{
    flt.Y = 500;
    for (int which = 0; which < 3; which++) {
        played.clear();
        set_marker_flags(which == 0, which == 1, which == 2);
        for (int c = 0; c < 10; c++) {
            msc.cntr10 = c;
            mod_evt();
        }
        const int dots[3] = {0, 1, 3}, dashes[3] = {1, 1, 0};
        EXPECT_EQ(plays(BUF_DOT), dots[which]) << which;
        EXPECT_EQ(plays(BUF_DASH), dashes[which]) << which;
    }
}

TEST_F(Events, VorNeedleShowsFromAndReflectsTheDeflection)
{
    pln.supptype = 1;                         // no GPS: receiver 0 is a VOR receiver
    nav.goodnav[0] = 1;
    nav.ilsgs[0] = 9;
    nav.obs[0] = 0;
    nav.vorX[0] = 40;                         // station 4 degrees right of due north:
    nav.vorZ[0] = -572.0f;                    // half a dot a degree
    mod_evt();
    EXPECT_EQ(nav.ntf[0], 1);
    EXPECT_NEAR(nav.hdef[0], 2.0f, 2e-3f);
    nav.vorX[0] = 50;                         // behind, bearing 175: "from", and the
    nav.vorZ[0] = 571.5f;                     // deflection reflected to 5 degrees
    mod_evt();
    EXPECT_EQ(nav.ntf[0], 2);
    EXPECT_NEAR(nav.hdef[0], 2.5f, 2e-3f);
    nav.vorX[0] = -50;                        // the other side reflects the other way
    mod_evt();
    EXPECT_NEAR(nav.hdef[0], -2.5f, 2e-3f);
}

TEST_F(Events, HeightCalloutsOnlyAfterBeingAboveTheMark)
{
    pln.bitchinbettyEQ = msc.warn_bb = 1;
    set.gear_handle = 1;
    const float heights[] = {60, 40, 20, 5, 5, 60, 40};
    float t = 0;
    for (float h : heights) {
        flt.Y = h * con.fttomtrs;
        msc.elap_time = t;
        sec_callouts();
        t += 2;
    }
    EXPECT_EQ(plays(BUF_50FT), 2);
    EXPECT_EQ(plays(BUF_25FT), 1);
    EXPECT_EQ(plays(BUF_10FT), 1);
}

TEST_F(Events, FrameRateWarningOncePerRunAndVisibilityGivesWay)
{
    msc.warn_frame = 1;
    atm.vis_rep = 20 * con.nmtomtrs;
    atm.vis_mult = 1;
    msc.prd = 0.2f;
    const int alerts = mnw_alert_count();
    for (int s = 0; s < 40; s++) sec_frame_guard();
    EXPECT_EQ(mnw_alert_count(), alerts + 1);
    EXPECT_TRUE(frame_warning_given());
    EXPECT_LT(atm.vis_mult, 0.5f);
    msc.prd = 0.02f;                          // fast again: the count clears, visibility returns
    for (int s = 0; s < 5; s++) sec_frame_guard();
    EXPECT_EQ(slow_seconds(), 0);
    msc.prd = 0.2f;
    for (int s = 0; s < 40; s++) sec_frame_guard();
    EXPECT_EQ(mnw_alert_count(), alerts + 1);
}

TEST_F(Events, CarbHeatOffNeverRemovesCarburettorIce)
{
    pln.entype = 1;
    pln.numen = 1;
    pln.gearrat = 2;                          // geared: the arc is held at the propeller
    pln.omegamingreen = 2000 * con.rpmtorsc / pln.gearrat;   // as the loader leaves it
    const auto prop_speed = [](float engine_rpm) { return engine_rpm * con.rpmtorsc / pln.gearrat; };
    atm.temp_SL = 59;                         // 15 C at sea level
    flt.Y = 300;
    ins.heat = 40;                            // lever up: heat off
    for (float rpm : {0.f, 800.f, 1200.f, 1900.f, 2500.f, 2700.f}) {
        msc.carb_ice[0] = 0.5f;
        flt.tac[0] = prop_speed(rpm);
        sec_icing();
        EXPECT_GE(msc.carb_ice[0], 0.5f) << rpm;
    }
    flt.tac[0] = prop_speed(1500);            // in the icing band it grows
    msc.carb_ice[0] = 0.5f;
    sec_icing();
    EXPECT_NEAR(msc.carb_ice[0], 0.505f, 1e-5f);
    ins.heat = 10;                            // heat on: it goes
    sec_icing();
    EXPECT_LT(msc.carb_ice[0], 0.5f);
}

TEST_F(Events, FuelBurnsByTheSecondAndEnginesStarve)
{
    pln.numen = 2;
    pln.m_fuel = 100;
    flt.m_fuel = 1;
    flt.ff_[0] = flt.ff_[1] = 0.1f;
    flt.mixt_powr_rat[0] = flt.mixt_powr_rat[1] = 1;
    for (int s = 0; s <= 3; s++) {
        msc.elap_time = (float)s;
        sec_fuel();
    }
    EXPECT_NEAR(flt.m_fuel, 1 - 3 * 0.2f, 1e-4f);
    EXPECT_EQ(flt.eng_running[0], 1);
    for (int s = 4; s <= 10; s++) {
        msc.elap_time = (float)s;
        sec_fuel();
    }
    EXPECT_FLOAT_EQ(flt.m_fuel, 0.0f);
    EXPECT_EQ(flt.eng_running[0] + flt.eng_running[1], 0);
}

TEST_F(Events, ScheduledFailuresAndTheElectricalBus)
{
    pln.numen = 2;
    pln.ecam = 1;
    for (int w = 0; w < NUM_FAILURES; w++) rel.fail_type[w] = 1;
    rel.fail_type[10] = 3;                    // engine failure now
    rel.fail_type[20] = 3;                    // electrical system
    draw_failures();
    EXPECT_EQ(rel.engine[0] + rel.engine[1], 1);
    EXPECT_EQ(rel.esystem, 0);
    EXPECT_EQ(rel.radios + rel.clights + rel.efis_1 + rel.efis_2, 0);
    EXPECT_EQ(rel.fc_elv, 1);
    EXPECT_EQ(plays(BUF_CAUTION), 1);
    EXPECT_EQ(ins.ecam_mode, 7);
    played.clear();
    draw_failures();                          // the second engine is not drawn again
    EXPECT_EQ(rel.engine[0] + rel.engine[1], 1);
    EXPECT_EQ(plays(BUF_CAUTION), 0);
}

TEST_F(Events, HydraulicPressureBleedsAndTheRamAirTurbineDeploys)
{
    pln.ff_hydraulic = 1;
    pln.numen = 1;
    pln.entype = 4;
    pln.Vne = 400;
    flt.vind = 200;
    flt.Y = 3000;
    update_pressures();                       // no engine running in the air
    EXPECT_EQ(rel.RAT_on, 1);
    EXPECT_FLOAT_EQ(rel.hyd_rat, 0.5f);
    flt.eng_running[0] = 1;
    flt.n1_[0] = 100;
    update_pressures();
    EXPECT_FLOAT_EQ(rel.hyd_rat, 1.0f);
    msc.elap_time = 100;
    fail_item(FAIL_HYDRAULIC, 0);
    msc.elap_time = 190;
    update_pressures();
    EXPECT_NEAR(rel.hyd_rat, 0.45f, 1e-4f);
    msc.elap_time = 400;
    update_pressures();
    EXPECT_FLOAT_EQ(rel.hyd_rat, 0.0f);
}

TEST_F(Events, WeatherWorsensAtItsRateAndStaysInTheWindowsRanges)
{
    msc.loc_apt_wrl = 0;
    apt_h[0] = 0;                             // start airport at sea level
    atm.rate_change = 1;                      // s = -1: worse every second
    atm.change_vis = 1;
    atm.vis_rep = 10000;
    atm.baseMSL = 1000;
    atm.topsMSL = 3000;
    atm.rain_tstm = atm.wind_tbl = atm.burst_prob = 1;
    evolve_weather();
    EXPECT_NEAR(atm.vis_rep, 10000 * 499.0f / 500, 0.01f);
    atm.rate_change = WX_RATE_STEADY;
    atm.vis_rep = 1e9f;
    atm.wndspd[3] = 900 * con.ktstomsc;
    atm.wnddir[3] = -725;
    atm.rain_tstm = 40;
    atm.topsMSL = atm.baseMSL;
    evolve_weather();
    EXPECT_FLOAT_EQ(atm.vis_rep, 37040);
    EXPECT_NEAR(atm.wndspd[3], 99 * con.ktstomsc, 1e-3f);
    EXPECT_NEAR(atm.wnddir[3], 355, 1e-3f);
    EXPECT_FLOAT_EQ(atm.rain_tstm, 5);
    EXPECT_EQ(atm.cld_type, 1);
    EXPECT_NEAR(atm.topsMSL - atm.baseMSL, 1000 * con.fttomtrs, 1e-2f);
}

TEST_F(Events, RainSoundFollowsTheRainStateAfterTheFirstCall)
{
    atm.temp_SL = 60;
    atm.rain_tstm = 3;
    evolve_weather();                         // the first call only records
    EXPECT_TRUE(played.empty());
    scn.abovetops = 1;
    evolve_weather();
    EXPECT_EQ(plays(-BUF_RAIN), 1);
    scn.abovetops = 0;
    evolve_weather();
    EXPECT_EQ(plays(BUF_RAIN), 1);
}

TEST_F(Events, OverspeedWarnsOnceAndOnlyWhenEnabled)
{
    pln.Vne = 100;
    pln.Vfe = 80;
    pln.asi_units = 2;
    flt.vind = 120;
    const int alerts = mnw_alert_count();
    sec_speed_limits();
    EXPECT_EQ(flt.over_vne, 0);
    EXPECT_EQ(mnw_alert_count(), alerts);
    msc.warn_overspeed = 1;
    sec_speed_limits();
    sec_speed_limits();
    EXPECT_EQ(flt.over_vne, 1);
    EXPECT_EQ(mnw_alert_count(), alerts + 1);
    msc.warn_flaps = 1;
    flt.flaprequest = 10;
    sec_speed_limits();
    EXPECT_EQ(flt.over_vfe, 1);
    flt.flaprequest = 0;                      // retracting clears it
    sec_speed_limits();
    EXPECT_EQ(flt.over_vfe, 0);
}

}  // namespace
}  // namespace orv
