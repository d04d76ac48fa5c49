// Control input and autopilot: rate limits, gain ratio, autopilot laws and exclusions, set
// knobs, throttle sync, deflections, touchdown actions.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_joy.h"
#include "2-QZutils/records.h"
#include "flight/autopilot.h"
#include "flight/controls.h"
#include "flight/flight_hooks.h"
#include "flight/flt_init.h"

namespace orv {
namespace {

std::vector<int> clicks_x, clicks_y;
void record_click(int x, int y) { clicks_x.push_back(x); clicks_y.push_back(y); }

class Controls : public ::testing::Test {
protected:
    void SetUp() override
    {
        flt = flightstruct{};
        set = settingstruct{};
        ott = ottostruct{};
        msc = miscstruct{};
        rel = relstruct{};
        nav = navstruct{};
        pln = planestruct{};
        set_constants();
        set.joy_rat_ptch = set.joy_rat_roll = set.joy_rat_hdng = 1;
        rel.otto = rel.sttrim = rel.stbaug = rel.fc_elv = rel.fc_ail = rel.fc_rud = 1;
        rel.hyd_rat = 1;
        msc.prd = 0.05f;
        msc.est_Vs = 25;
        flight_hooks h{};
        h.engine_panel_click = record_click;
        flight_set_hooks(h);
        clicks_x.clear();
        clicks_y.clear();
        controls_reset();
    }
    void TearDown() override { flight_set_hooks(flight_hooks{}); }
    void run(float seconds)
    {
        int n = (int)std::lround(seconds / msc.prd);
        for (int i = 0; i < n; i++) update_controls();
    }
};

TEST_F(Controls, YokeTakesHalfASecondForFullTravelAtAnyFrameRate)
{
    for (float prd : {0.05f, 0.01f}) {
        set.YK_ptch = -1;
        msc.prd = prd;
        set.MK_ptch = 1;
        run(0.45f);
        EXPECT_LT(set.YK_ptch, 0.85f) << prd;
        run(0.05f);
        EXPECT_NEAR(set.YK_ptch, 1.0f, 1e-4f) << prd;
    }
}

TEST_F(Controls, GainRatioIsFullBelowStallAndLimitedAtTenTimesIt)
{
    flt.vind = 10 * con.msctokts;                  // below the 25 m/s stall speed
    EXPECT_FLOAT_EQ(control_gain_ratio(), 1.0f);
    flt.vind = 50 * con.msctokts;
    EXPECT_NEAR(control_gain_ratio(), 0.25f, 1e-4f);
    flt.vind = 500 * con.msctokts;                 // 20 times: q_rat held at 100
    EXPECT_NEAR(control_gain_ratio(), 0.01f, 1e-6f);
    pln.is_heli = 1;
    EXPECT_FLOAT_EQ(control_gain_ratio(), 1.0f);
}

TEST_F(Controls, HeadingBugBehindBanksRightAtStandardRateOrThirtyDegrees)
{
    ott.HDSLCT = 1;
    flt.psi = 0;
    nav.hdsel = 180;                       // exactly behind: +180 stays +180, a right turn
    flt.v = 50;
    EXPECT_NEAR(ap_commanded_bank(), std::atan(50 * 3.14159265f / (con.g * 60)) * con.radtodgr, 1e-3f);
    EXPECT_GT(ap_commanded_bank(), 14.0f);
    flt.v = 200;                            // standard rate would need 47 degrees
    EXPECT_FLOAT_EQ(ap_commanded_bank(), 30.0f);
    nav.hdsel = 190;                        // nearer to the left: a left turn
    EXPECT_FLOAT_EQ(ap_commanded_bank(), -30.0f);
}

TEST_F(Controls, TurnOntoTheReciprocalKeepsItsSideThroughHeadingNoise)
{
    ott.HDSLCT = 1;
    nav.hdsel = 270;
    flt.v = 200;
    flt.vind = 250;
    for (int i = 0; i < 20; i++) {
        // the heading dithers a thousandth of a degree either side of exactly behind
        flt.psi = i % 2 ? 90.001f : 89.999f;
        update_controls();
        EXPECT_LT(set.YK_roll, 0.0f) << "frame " << i;   // the first frame chose left
        EXPECT_FLOAT_EQ(ap_commanded_bank(), -30.0f);
    }
    flt.psi = 120;                          // outside the band the side is free again
    update_controls();
    EXPECT_FLOAT_EQ(ap_commanded_bank(), 30.0f);
}

TEST_F(Controls, NavModeCutsTowardsTheCourseAndTheVorCourseIsMagnetic)
{
    ott.NAV[1] = 1;
    nav.ilsgs[1] = 9;
    nav.obs[1] = 90;
    env.mvar = -10;                         // easterly variation: 090 magnetic is 100 true
    flt.vind = 100;
    nav.hdef[1] = 1;                        // course to the right: cut right 8 degrees
    EXPECT_NEAR(ap_desired_heading(), 108.0f, 1e-3f);
    nav.hdef[1] = -5;                       // a big deviation: the cut stops at 30
    EXPECT_NEAR(ap_desired_heading(), 70.0f, 1e-3f);
    env.mvar = 0;
}

TEST_F(Controls, VerticalTargetsOfAltitudeHoldAndGlideSlope)
{
    flt.hind = 1000;
    ott.al_hold = 1300;
    ott.ALHOLD = 1;
    ott.vv_hold = 0;                        // no climb limit: hold level
    EXPECT_FLOAT_EQ(ap_desired_vvi(), 0.0f);
    ott.vv_hold = -5;                       // the limit acts in either sense
    EXPECT_FLOAT_EQ(ap_desired_vvi(), 5.0f);
    ott.al_hold = 700;
    EXPECT_FLOAT_EQ(ap_desired_vvi(), -5.0f);
    ott.ALHOLD = 0;
    ott.GS2 = 1;
    flt.v = 60;
    nav.ilsgs[1] = 3;
    nav.vdef[1] = 0.5f;                     // above the slope: descend at 4 degrees
    EXPECT_NEAR(ap_desired_vvi(), -60 * std::sin(4 * con.dgrtorad), 1e-4f);
}

TEST_F(Controls, VerticalModeFliesTheTrimAndAFailedAutopilotFreezesIt)
{
    ott.VVHOLD = 1;
    ott.vv_hold = 0;
    flt.v = 50;
    flt.the = -4;                           // nose low for level flight: trim up
    flt.elv_trim = 0.1f;
    flt.vind = 25 * con.msctokts;
    update_controls();
    EXPECT_FLOAT_EQ(flt.elv_trim, 1.0f);     // 0.1 + 2 asked, limited
    rel.otto = 0;
    flt.elv_trim = 0.2f;
    update_controls();
    EXPECT_FLOAT_EQ(flt.elv_trim, 0.2f);
    EXPECT_EQ(ott.VVHOLD, 1);
}

TEST_F(Controls, AutoThrottleMovesAtMostOneTenthPerSecond)
{
    ott.ASHOLD = 1;
    ott.as_hold = 200;
    flt.vind = 80;
    float last = 0;
    for (int i = 0; i < 40; i++) {
        update_controls();
        EXPECT_LE(set.FC_thro - last, 0.1f * msc.prd + 1e-6f);
        last = set.FC_thro;
    }
    // The first frame has no previous speed (it reads as a huge acceleration and holds
    // the throttle shut); the other 39 frames open it at the full rate.
    EXPECT_NEAR(set.FC_thro, 39 * 0.1f * msc.prd, 1e-4f);
}

TEST_F(Controls, ThrottleLeverFollowsOnlyAHardwareAxis)
{
    set.YK_thro = 0.03f;                    // never more than 0.04 from 0
    run(1);
    EXPECT_EQ(set.thro_pot, 0);
    EXPECT_TRUE(clicks_x.empty());
    controls_reset();
    set.YK_thro = 1;                        // a real throttle jumps
    update_controls();
    EXPECT_EQ(set.thro_pot, 1);
    ASSERT_EQ(clicks_x.size(), 1u);
    EXPECT_EQ(clicks_x[0], THRO_LEVER_DX);
    // The lever spans 4 (idle) to 52 pixels; the yoke's rate limit let 0.8 through.
    EXPECT_NEAR(set.FC_thro, 0.8f, 1e-5f);
    EXPECT_EQ(clicks_y[0], 42 + THRO_LEVER_DY);   // 4 + 48 x 0.8, rounded
}

TEST_F(Controls, AutoThrottleTakesOverFromTheLeverAndLeavesItThereWithoutAHardwareAxis)
{
    flt.throrequest[0] = 0.6f;              // the panel lever, moved with the mouse
    flt.vind = 100;
    ott.as_hold = 100;
    ott.ASHOLD = 1;
    update_controls();
    // one frame's step from the lever, not from the absent axis's idle
    EXPECT_NEAR(set.FC_thro, 0.6f - 0.1f * msc.prd, 1e-4f);
    ASSERT_EQ(clicks_y.size(), 1u);
    EXPECT_EQ(clicks_y[0], 33 + THRO_LEVER_DY);   // 4 + 48 x 0.595, rounded
    run(2);
    EXPECT_EQ(set.thro_pot, 0) << "the auto-throttle was taken for a hardware throttle";
    const size_t clicks = clicks_y.size();
    ott.ASHOLD = 0;
    run(1);
    EXPECT_EQ(set.thro_pot, 0);
    EXPECT_EQ(clicks_y.size(), clicks) << "the lever was dragged after the auto-throttle let go";
}

TEST_F(Controls, HelicopterYawDamperOpposesYawInTheHoverAndSlipAtSpeed)
{
    pln.is_heli = 1;
    flt.R = 10;                             // yawing right in the hover
    update_controls();
    EXPECT_NEAR(set.YK_hdng, -0.2f, 1e-5f);
    flt.R = 0;
    flt.Beta = 5;
    flt.vind = 100;                         // above the stall speed: sideslip only
    update_controls();
    EXPECT_NEAR(set.YK_hdng, -0.1f, 1e-5f);
    set.eq_ped = 1;                         // pedals: the pilot's own (centred) yaw
    update_controls();
    EXPECT_FLOAT_EQ(set.YK_hdng, 0.0f);
}

TEST_F(Controls, SurfacesDeflectByTravelFailureAndCanard)
{
    pln.ailnEQ = 1;
    pln.ailn_up = 20;
    pln.ailn_dn = 10;
    pln.elev_up = 25;
    pln.elev_dn = 15;
    pln.rudd_def = 30;
    set.MK_roll = 0.5f;
    set.MK_ptch = 0.4f;
    run(1);
    const float r = set.FC_roll, p = set.FC_ptch;
    ASSERT_GT(r, 0.3f);
    ASSERT_GT(p, 0.2f);
    EXPECT_NEAR(flt.lailndef, -r * 10, 1e-4f);   // right roll: left aileron down its travel
    EXPECT_NEAR(flt.railndef, r * 20, 1e-4f);
    EXPECT_NEAR(flt.lhstbdef, p * 25, 1e-4f);
    EXPECT_NEAR(flt.ruddef, 0.0f, 1e-6f);
    pln.Zarm[10] = -3;                      // canard: the sense turns over
    update_controls();
    EXPECT_NEAR(flt.lhstbdef, -p * 15, 1e-4f);
    rel.fc_elv = 0;
    flt.elv_trim = 0.5f;                    // trim still acts on a failed run
    update_controls();
    EXPECT_NEAR(set.FC_ptch, 0.25f, 1e-5f);
    rel.hyd_rat = 0.5f;
    update_controls();
    EXPECT_NEAR(set.FC_roll, 0.5f * r, 1e-5f);
}

TEST_F(Controls, TouchdownBrakesAndDisconnectsEveryMode)
{
    pln.autofbrkEQ = 1;
    pln.autosbrkEQ = 1;
    flt.sbrk = -1;
    ott.NAV[0] = ott.GS2 = ott.ASHOLD = 1;
    update_controls();                      // still airborne
    EXPECT_EQ(ott.GS2, 1);
    flt.onground = 1;
    update_controls();
    EXPECT_FALSE(ap_any_mode());
    EXPECT_FLOAT_EQ(set.parkbrake, 1.0f);
    ASSERT_FALSE(clicks_x.empty());
    EXPECT_EQ(clicks_x.back(), SBRK_LEVER_DX);
}

// A new flight must not fly the old one's targets: every mode off without the disconnect
// warning, and the next vertical engagement takes the new flight's trim as its base.
TEST_F(Controls, NewFlightClearsEveryModeSilently)
{
    flight_hooks h = flight_hook_table();
    h.play_buffer = [](int, int) { ADD_FAILURE() << "a sound"; };
    flight_set_hooks(h);
    pln.bitchinbettyEQ = msc.warn_bb = 1;
    ott.HDSLCT = ott.NAV[1] = ott.ALHOLD = ott.VVHOLD = ott.GS2 = ott.ASHOLD = 1;
    flt.elv_trim = 0.8f;
    update_controls();                      // engaged with 0.8 as the trim base
    set_fltvars(10);
    EXPECT_FALSE(ap_any_mode());
    ott.ALHOLD = 1;                          // engaged again before a frame of the new flight
    ott.al_hold = (float)flt.hind;
    update_controls();
    EXPECT_LT(std::fabs(flt.elv_trim), 0.2f);
}

TEST_F(Controls, ButtonsExcludeWithinTheirGroupOnly)
{
    ap_press_lateral(AP_HDG);
    ap_press_vertical(AP_ALT);
    ap_press_speed();
    ap_press_lateral(AP_NAV2);
    EXPECT_EQ(ott.HDSLCT, 0);
    EXPECT_EQ(ott.NAV[1], 1);
    EXPECT_EQ(ott.ALHOLD, 1);
    flt.vY = 2.5f;
    ap_press_vertical(AP_VS);
    EXPECT_EQ(ott.ALHOLD, 0);
    EXPECT_EQ(ott.VVHOLD, 1);
    EXPECT_FLOAT_EQ(ott.vv_hold, 2.5f);
    EXPECT_EQ(ott.ASHOLD, 1);
    ap_press_lateral(AP_NAV2);              // its own button again: off
    EXPECT_EQ(ott.NAV[0] + ott.NAV[1] + ott.HDSLCT, 0);
}

TEST_F(Controls, SetKnobsRoundToTheirStepAndStopAtTheirLimits)
{
    ott.al_hold = 1234 * con.fttomtrs;
    ap_knob_alt(1);
    EXPECT_NEAR(ott.al_hold * con.mtrstoft, 1300, 0.05f);
    ott.al_hold = 89990 * con.fttomtrs;
    ap_knob_alt(1);
    EXPECT_NEAR(ott.al_hold * con.mtrstoft, 90000, 0.1f);
    ott.al_hold = 40 * con.fttomtrs;
    ap_knob_alt(-1);
    EXPECT_FLOAT_EQ(ott.al_hold, 0.0f);
    ott.vv_hold = -8950 / con.msctofpm;
    ap_knob_vvi(-1);
    EXPECT_NEAR(ott.vv_hold * con.msctofpm, -9000, 0.05f);
    ott.as_hold = 897;
    ap_knob_spd(1);
    EXPECT_FLOAT_EQ(ott.as_hold, 900);
    ott.as_hold = 2;
    ap_knob_spd(-1);
    EXPECT_FLOAT_EQ(ott.as_hold, 0);
}

TEST(Joystick, CurveRemovesTheNullZoneBeforeShaping)
{
    float centred = 0.05f;
    EXPECT_FLOAT_EQ(JOY_curve(&centred, 0.1f), 0.0f);
    EXPECT_FLOAT_EQ(centred, 0.0f);
    float full = -1;
    EXPECT_NEAR(JOY_curve(&full, 0.1f), -std::pow(0.9f, 1.5f), 1e-6f);
    EXPECT_FLOAT_EQ(full, -0.9f);           // the stored value is corrected, not curved
    set = settingstruct{};
    set.joy_rat_roll = 0.5f;
    set.NZroll = 0.1f;
    set.MK_roll = 1;
    float p, r, h, t;
    JOY_get(&p, &r, &h, &t, 1);
    EXPECT_NEAR(r, std::pow(0.9f, 1.5f) * 0.5f, 1e-6f);
    JOY_get(&p, &r, &h, &t, 0);             // offsets left out
    EXPECT_FLOAT_EQ(r, 0.0f);
}

}  // namespace
}  // namespace orv
