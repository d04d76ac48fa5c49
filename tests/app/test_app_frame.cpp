// The frame spine: replay of the recorded path, event schedule, frame-period adaptation,
// clocks, and what a frame does with a settings window or a pause.
#include <gtest/gtest.h>

#include <cmath>

#include "2-QZutils/qz_graph.h"
#include "2-QZutils/records.h"
#include "app/app_flight.h"
#include "app/app_update.h"
#include "flight/flight_hooks.h"
#include "flight/integ.h"
#include "platform/plat_backend.h"
#include "app_test_env.h"

using namespace orv;

static void sample(int i, float x, float y, float z, float the, float psi, float phi, float t)
{
    float v[7] = {x, y, z, the, psi, phi, t};
    for (int k = 0; k < 7; k++) pat.xyztppt[i][k] = v[k];
    pat.inited[i] = 1;
}

class App_Replay : public ::testing::Test {
protected:
    void SetUp() override
    {
        app_test::fresh("replay", false);
        msc.prd = 0.1f;
    }
};

TEST_F(App_Replay, PairAcrossTheEndOfTheRingIsUsed)
{
    sample(5999, 100, 50, 0, 0, 90, 0, 20.0f);
    sample(0, 200, 70, -40, 10, 90, 0, 21.0f);
    set.replay_mode = 3;
    pat.time_play = 20.4f;   // plays on to 20.5
    replay_advance();
    EXPECT_EQ(set.replay_mode, 3);
    EXPECT_NEAR(pat.time_play, 20.5f, 1e-5);
    EXPECT_NEAR(flt.X, 150.0, 1e-3);
    EXPECT_NEAR(flt.Y, 60.0, 1e-3);
    EXPECT_NEAR(flt.Z, -20.0, 1e-3);
    EXPECT_NEAR(flt.the, 5.0f, 1e-3);
    EXPECT_NEAR(flt.vX, 100.0f, 1e-3);
    EXPECT_NEAR(flt.vZ, -40.0f, 1e-3);
}

TEST_F(App_Replay, HeadingThroughNorthAndRollThroughInverted)
{
    sample(10, 0, 0, 0, 0, 350, 170, 5.0f);
    sample(11, 0, 0, 0, 0, 10, -170, 6.0f);
    set.replay_mode = 2;   // held: the clock stays
    pat.time_play = 5.5f;
    replay_advance();
    EXPECT_NEAR(std::fmin(flt.psi, 360.0f - flt.psi), 0.0f, 1e-3);   // north (0 or 360), not 180
    EXPECT_GE(flt.psi, 0.0f);
    EXPECT_LE(flt.psi, 360.0f);
    EXPECT_NEAR(std::fabs(flt.phi), 180.0f, 1e-3);
    pat.time_play = 5.75f;
    replay_advance();
    EXPECT_NEAR(flt.psi, 5.0f, 1e-3);
    EXPECT_NEAR(flt.phi, -175.0f, 1e-3);
}

TEST_F(App_Replay, OutsideTheRecordingHoldsAndLeavesTheAircraft)
{
    sample(0, 0, 0, 0, 0, 0, 0, 10.0f);
    sample(1, 10, 0, 0, 0, 0, 0, 11.0f);
    flt.X = 777;
    set.replay_mode = 1;               // rewinding from before the first sample
    pat.time_play = 9.0f;
    replay_advance();
    EXPECT_EQ(set.replay_mode, 2);
    EXPECT_EQ(flt.X, 777.0);
    EXPECT_NEAR(pat.time_play, 9.0f, 1e-6);
    set.replay_mode = 4;               // fast forward past the end
    pat.time_play = 11.0f;
    replay_advance();
    EXPECT_EQ(set.replay_mode, 2);
    EXPECT_EQ(flt.X, 777.0);
}

TEST_F(App_Replay, SpeedsOfEachModeAndLastMatchWins)
{
    sample(0, 0, 0, 0, 0, 0, 0, 0.0f);
    sample(1, 100, 0, 0, 0, 0, 0, 10.0f);
    set.replay_mode = 4;
    pat.time_play = 5.0f;
    replay_advance();                          // 5 + 5 * 0.1
    EXPECT_NEAR(pat.time_play, 5.5f, 1e-5);
    set.replay_mode = 1;
    replay_advance();                          // 5.5 - 0.5
    EXPECT_NEAR(pat.time_play, 5.0f, 1e-5);
    // A later pair (in index order) covering the same time overrides the earlier one.
    sample(50, 1000, 0, 0, 0, 0, 0, 0.0f);
    sample(51, 2000, 0, 0, 0, 0, 0, 10.0f);
    set.replay_mode = 2;
    replay_advance();
    EXPECT_NEAR(flt.X, 1500.0, 1e-3);
}

TEST_F(App_Replay, TwoSamplesAtOneInstantDoNotDivideByZero)
{
    sample(0, 10, 20, 30, 1, 2, 3, 4.0f);
    sample(1, 50, 60, 70, 1, 2, 3, 4.0f);
    flt.vX = 12;
    set.replay_mode = 2;
    pat.time_play = 4.0f;
    replay_advance();
    EXPECT_EQ(set.replay_mode, 2);
    EXPECT_TRUE(std::isfinite(flt.X));
    EXPECT_NEAR(flt.X, 10.0, 1e-6);
    EXPECT_EQ(flt.vX, 12.0f);
}

class App_Period : public ::testing::Test {
protected:
    void SetUp() override { app_test::fresh("period", false); }
};

// Runs frames; the test clock moves by `ratio` times each frame's period.
static void run_frames(int n, float ratio)
{
    for (int i = 0; i < n; i++) {
        app_test::clock_ms += (long)std::lround(ratio * msc.prd * 1000.0f);
        flight_frame();
    }
}

TEST_F(App_Period, SlowFramesGrowThePeriodBySqrtThreeUntilTheCap)
{
    msc.prd = 0.02f;
    msc.rtrat = 1;
    run_frames(10, 3.0f);        // first measurement only starts the clock
    EXPECT_FLOAT_EQ(msc.prd, 0.02f);
    for (int m = 0; m < 6; m++) {
        float before = msc.prd;
        run_frames(10, 3.0f);
        EXPECT_NEAR(msc.rtrat, 3.0f, 0.02f);
        if (before * std::sqrt(3.0f) < 0.11f)
            EXPECT_NEAR(msc.prd / before, std::sqrt(3.0f), 0.01f) << "measurement " << m;
        else
            EXPECT_FLOAT_EQ(msc.prd, 0.11f) << "measurement " << m;
    }
    EXPECT_FLOAT_EQ(msc.prd, 0.11f);
}

TEST_F(App_Period, FastFramesShrinkGentlyAndRatioIsClamped)
{
    msc.prd = 0.05f;
    run_frames(10, 0.5f);
    run_frames(10, 0.5f);
    EXPECT_NEAR(msc.prd, 0.05f * std::pow(0.5f, 0.2f), 1e-4);
    // A frozen clock measures nothing: the ratio stops at 0.2.
    for (int i = 0; i < 10; i++) flight_frame();
    EXPECT_FLOAT_EQ(msc.rtrat, 0.2f);
}

TEST_F(App_Period, VeryFastFramesDoNotStopTime)
{
    msc.prd = 0.05f;
    for (int i = 0; i < 5000; i++) flight_frame();    // the clock never moves
    EXPECT_FLOAT_EQ(msc.prd, PRD_FLOOR);
    float before = msc.elap_time;
    flight_frame();
    EXPECT_GT(msc.elap_time, before);
}

TEST_F(App_Period, FixedStepKeepsThePeriod)
{
    msc.prd = 0.04f;
    app_set_fixed_step(1);
    run_frames(100, 3.0f);
    app_set_fixed_step(0);
    EXPECT_FLOAT_EQ(msc.prd, 0.04f);
    EXPECT_EQ(msc.cntr, 100);
}

static int evt_calls, sec_calls;
static int evt_at[64];
static void count_evt()
{
    if (evt_calls < 64) evt_at[evt_calls] = msc.cntr;
    evt_calls++;
}
static void count_sec() { sec_calls++; }

TEST_F(App_Period, CounterWrapsAt30000WithoutSkippingEvents)
{
    msc.prd = 0.05f;             // an event tick every second frame
    app_set_fixed_step(1);
    msc.cntr = 29990;
    evt_calls = sec_calls = 0;
    app_set_event_hooks(count_evt, count_sec);
    for (int i = 0; i < 30; i++) flight_frame();
    app_set_fixed_step(0);
    EXPECT_EQ(msc.cntr, 19);     // 29990 + 30 frames, through 30000 -> 0
    ASSERT_GE(evt_calls, 15);
    // Ticks at every even counter, 30000 and 0 both included: no gap longer than two frames.
    bool saw_30000 = false, saw_0 = false;
    for (int i = 0; i < evt_calls && i < 64; i++) {
        saw_30000 |= evt_at[i] == 30000;
        saw_0 |= evt_at[i] == 0;
    }
    EXPECT_TRUE(saw_30000);
    EXPECT_TRUE(saw_0);
}

TEST_F(App_Period, PerSecondWorkRunsOnceInTenEventTicks)
{
    msc.prd = 0.1f;              // one tick a frame
    app_set_fixed_step(1);
    evt_calls = sec_calls = 0;
    app_set_event_hooks(count_evt, count_sec);
    for (int i = 0; i < 100; i++) flight_frame();
    app_set_fixed_step(0);
    EXPECT_EQ(evt_calls, 100);
    EXPECT_EQ(sec_calls, 10);
}

class App_Clocks : public ::testing::Test {
protected:
    void SetUp() override
    {
        app_test::fresh("clocks", false);
        set_constants();
        app_set_fixed_step(1);
        msc.prd = 0.5f;
        atm.vis_mult = 1;
    }
    void TearDown() override { app_set_fixed_step(0); }
};

TEST_F(App_Clocks, WrapAndZuluFromLongitude)
{
    msc.locl_time = 86399.8f;
    msc.elap_time = 86399.8f;
    flt.lon = -117.3f;           // round(-7.82) = -8: zulu = local + 7 h
    flt.Y = 0;
    atm.baseMSL = 1000;
    atm.topsMSL = 2000;
    atm.vis_rep = 20000;
    advance_clocks();
    EXPECT_NEAR(msc.locl_time, 0.3f, 1e-2);
    EXPECT_NEAR(msc.elap_time, 0.3f, 1e-2);
    EXPECT_NEAR(msc.zulu_time, 0.3f + 7 * 3600, 1e-1);
    EXPECT_NEAR(msc.nigt_time, 0.5f, 1e-6);     // before 05:00 is night
    EXPECT_EQ(msc.aifr_time, 0.0f);             // below the bases in good visibility
}

TEST_F(App_Clocks, InstrumentTimeInCloudAndLowVisibility)
{
    msc.locl_time = 12 * 3600;
    atm.baseMSL = 1000;
    atm.topsMSL = 2000;
    atm.vis_rep = 20000;
    flt.Y = 1500;                // between base and tops: in cloud
    advance_clocks();
    EXPECT_FLOAT_EQ(msc.aifr_time, 0.5f);
    flt.Y = 2500;                // above the tops: clear
    advance_clocks();
    EXPECT_FLOAT_EQ(msc.aifr_time, 0.5f);
    flt.Y = 100;                 // below the bases with 2 nm
    atm.vis_rep = 2 * 1852;
    advance_clocks();
    EXPECT_FLOAT_EQ(msc.aifr_time, 1.0f);
    EXPECT_EQ(msc.nigt_time, 0.0f);
    msc.timer_running = 1;
    msc.timr_time = 3599.8f;
    advance_clocks();
    EXPECT_NEAR(msc.timr_time, 0.3f, 1e-2);
}

// An hour of 0.05 s frames from 16:00 is an hour on the clocks: a float clock that late in
// the day steps in 1/256 s and would lose part of every frame.
TEST_F(App_Clocks, AnHourOfShortFramesIsAnHour)
{
    msc.prd = 0.05f;
    msc.locl_time = 16 * 3600;
    msc.elap_time = 10 * 3600;
    for (int i = 0; i < 72000; i++) advance_clocks();
    EXPECT_NEAR(msc.locl_time, 17 * 3600, 0.05f);
    EXPECT_NEAR(msc.elap_time, 11 * 3600, 0.05f);
}

class App_Frame : public ::testing::Test {
protected:
    void SetUp() override
    {
        app_test::fresh("frame");
        msc.prd = 0.05f;
        app_set_fixed_step(1);
    }
    void TearDown() override { app_set_fixed_step(0); }
};

static int flight_steps;
static void count_step()   // the flight model runs the frame's schedule within its step
{
    flight_steps++;
    frame_schedule();
}

TEST_F(App_Frame, PauseAndSettingsWindowsFreezeTheFlight)
{
    flight_steps = 0;
    app_set_flight_step(count_step);
    msc.paused = 1;
    APPLICATION_update();
    EXPECT_EQ(flight_steps, 0);
    EXPECT_EQ(msc.elap_time, 0.0f);
    EXPECT_EQ(msc.cntr, 0);
    msc.paused = 0;
    mnw.topwin = 12;
    APPLICATION_update();
    EXPECT_EQ(flight_steps, 0);
    mnw.topwin = 0;
    APPLICATION_update();
    EXPECT_EQ(flight_steps, 1);
    EXPECT_EQ(msc.cntr, 1);
    EXPECT_EQ(app_frame_count(), 3);
    app_set_flight_step(nullptr);
}

TEST_F(App_Frame, FrameAndTimeLimitsEndTheRun)
{
    app_set_run_limits(5, 0);
    gdone = 0;
    for (int i = 0; i < 4; i++) APPLICATION_update();
    EXPECT_EQ(gdone, 0);
    APPLICATION_update();
    EXPECT_EQ(gdone, 1);
    app_run_reset();
    app_set_run_limits(0, 1.0);
    gdone = 0;
    int frames = 0;
    while (!gdone && frames < 1000) { APPLICATION_update(); frames++; }
    EXPECT_EQ(frames, 20);       // 20 frames of 0.05 s
    app_set_run_limits(0, 0);
}

static int presents;

// The program's hooks bring the crash's flash (every fill shown, 40 of each colour;
// no pause where nobody watches) and the night lights' pulse of colour 56.
TEST_F(App_Frame, CrashFlashesThePictureAndTheNightLightPulses)
{
    plat_backend picture = *plat_headless_backend();
    picture.headless = 0;
    picture.present = [] { presents++; };
    plat_backend_install(&picture);
    flt.onground = 1;
    flt.vY = -30;
    EXPECT_EQ(crash_check(), 1);
    EXPECT_EQ(presents, 80);
    const flight_hooks& h = flight_hook_table();
    ASSERT_NE(h.night_light, nullptr);
    h.night_light(0.1f, 0.5f, 0.1f);
    EXPECT_FLOAT_EQ(col_rgb[56][1], 0.5f);
    plat_backend_install(nullptr);
}

// The event schedule's divisor and the clocks' boundaries, with the constants set.
class App_Schedule : public ::testing::Test {
protected:
    void SetUp() override
    {
        app_test::fresh("frame_review", false);
        set_constants();
        app_set_fixed_step(1);
    }
    void TearDown() override
    {
        app_set_fixed_step(0);
        app_set_event_hooks(nullptr, nullptr);
    }
};

static int ticks;
static void count_tick() { ticks++; }

TEST_F(App_Schedule, EventDivisorIsHeldBetweenOneAndNinetyNine)
{
    app_set_event_hooks(count_tick, nullptr);
    msc.prd = 0.001f;            // round(0.1 / 0.001) = 100, held at 99
    ticks = 0;
    for (int i = 0; i < 300; i++) flight_frame();
    EXPECT_EQ(ticks, 4);         // counters 0, 99, 198, 297
    frame_timing_reset();
    msc.cntr = 0;
    msc.prd = 0.3f;              // round(0.33) = 0, held at 1: a tick every frame
    ticks = 0;
    for (int i = 0; i < 10; i++) flight_frame();
    EXPECT_EQ(ticks, 10);
}

TEST_F(App_Schedule, ZuluRoundsHalfZonesAwayFromZeroAndNightEdges)
{
    msc.prd = 0.001f;
    msc.locl_time = 12 * 3600;
    flt.lon = 22.5f;             // round(1.5) = 2: zulu = local - 3 h
    advance_clocks();
    EXPECT_NEAR(msc.zulu_time, 9 * 3600, 0.5f);
    flt.lon = -22.5f;            // round(-1.5) = -2: zulu = local + 1 h
    advance_clocks();
    EXPECT_NEAR(msc.zulu_time, 13 * 3600, 0.5f);
    flt.lon = 170;               // round(11.3) = 11: zulu = local - 12 h, wrapped
    msc.locl_time = 3600;
    advance_clocks();
    EXPECT_NEAR(msc.zulu_time, 13 * 3600, 0.5f);

    msc.nigt_time = 0;
    msc.locl_time = 5 * 3600;    // 05:00 and 19:00 themselves are day
    advance_clocks();
    msc.locl_time = 19 * 3600;
    advance_clocks();
    EXPECT_EQ(msc.nigt_time, 0.0f);
    msc.locl_time = 19 * 3600 + 1;
    advance_clocks();
    EXPECT_GT(msc.nigt_time, 0.0f);
}
