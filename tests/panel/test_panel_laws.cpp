// What the instruments show for a given flight state: needle laws, lags and read-outs.
#include <gtest/gtest.h>

#include <cmath>

#include "2-QZutils/qz_funct.h"
#include "panel/panel_laws.h"

using namespace orv;

namespace {

class PanelLaws : public ::testing::Test {
protected:
    static void SetUpTestSuite() { init_trig_tables(); }
};

TEST_F(PanelLaws, AirspeedNeedleSpansItsScale)
{
    const float lin = 330.0f / (170.0f - 30.0f);
    EXPECT_EQ(asi_needle_angle(30, 1, 30, lin), 0);
    EXPECT_EQ(asi_needle_angle(170, 1, 30, lin), 330);
    EXPECT_EQ(asi_needle_angle(100, 1, 30, lin), 165);
    EXPECT_EQ(asi_needle_angle(0, 1, 30, lin), 0);         // parked: on the stop, not below it
    EXPECT_EQ(asi_needle_angle(400, 1, 30, lin), 330);
    // compressed scale: 60 kt at 0 degrees, 449 kt at 330, 200 kt well past the middle
    const float pw = 330.0f / (std::pow(449.0f, 0.3f) - std::pow(60.0f, 0.3f));
    EXPECT_EQ(asi_needle_angle(60, 0.3f, 60, pw), 0);
    EXPECT_EQ(asi_needle_angle(449, 0.3f, 60, pw), 330);
    EXPECT_GT(asi_needle_angle(200, 0.3f, 60, pw), 165);
    EXPECT_FLOAT_EQ(asi_dial_speed(100, 2, 1.15078f), 115.078f);
}

float settle(float (*step)(float, float, float), float input, int frames)
{
    float v = 0;
    for (int i = 0; i < frames; ++i) v = step(v, input, 0.05f);
    return v;
}

TEST_F(PanelLaws, TurnNeedleShowsThirtyAtStandardRateAndLags)
{
    EXPECT_NEAR(settle(turn_needle_step, 3.0f, 400), 30.0f, 0.01f);
    EXPECT_NEAR(settle(turn_needle_step, 3.0f, 20), 30.0f * (1 - std::pow(0.95f, 20)), 0.01f);
    EXPECT_NEAR(settle(turn_needle_step, -20.0f, 400), -55.0f, 0.01f);
    // ball: a side force equal to the normal force is 45 degrees of slip, on the 15 stop
    float ball = 0;
    for (int i = 0; i < 600; ++i) ball = slip_ball_step(ball, 1000, 1000, 0.05f);
    EXPECT_NEAR(ball, 15, 0.01f);
    EXPECT_TRUE(std::isfinite(slip_ball_step(0, 10, 0, 0.05f)));   // no lift at all
}

TEST_F(PanelLaws, VerticalSpeedNeedleLagsAndStopsAtItsLimits)
{
    const float per_ms = 196.85f * 0.08f;                 // 2000 ft/min dial
    float vvi = 0;
    for (int i = 0; i < 400; ++i) vvi = vvi_step(vvi, per_ms, 5.08f, 0.05f);   // 1000 ft/min
    EXPECT_NEAR(vvi, 80, 0.1f);
    EXPECT_EQ(vvi_needle_angle(vvi, 0), -10);
    EXPECT_EQ(vvi_needle_angle(0, 0), -90);               // level: 9 o'clock
    EXPECT_EQ(vvi_needle_angle(500, 0), 70);
    EXPECT_EQ(vvi_needle_angle(-500, 0), -250);
    EXPECT_EQ(vvi_needle_angle(500, 1), 0);
    EXPECT_EQ(vvi_needle_angle(-500, 1), -180);
}

TEST_F(PanelLaws, HsiCourseArrowAndDeviationBar)
{
    // heading 90, course 120: the arrow leans 30 degrees right of the lubber line
    const int c = hsi_course_angle(90, 120);
    EXPECT_EQ(c, 330);
    const pt tip = hsi_arrow_tip(100, 100, c);
    EXPECT_NEAR(tip.x, 120, 0.01f);
    EXPECT_NEAR(tip.y, 100 + 40 * std::cos(30 * 3.14159265f / 180), 0.01f);
    EXPECT_EQ(hsi_course_angle(359.5f, 0.5f), 359);
    // on course heading: the bar runs straight up, moved sideways by the deviation
    pt a, b;
    hsi_deviation_bar(100, 100, 0, 10, &a, &b);
    EXPECT_FLOAT_EQ(a.x, 110);
    EXPECT_FLOAT_EQ(b.x, 110);
    EXPECT_FLOAT_EQ(a.y, 70);
    EXPECT_FLOAT_EQ(b.y, 130);
    // course 90 degrees to the left of the heading: the bar lies flat and moves up
    hsi_deviation_bar(100, 100, 90, 10, &a, &b);
    EXPECT_FLOAT_EQ(a.y, 110);
    EXPECT_FLOAT_EQ(b.y, 110);
    EXPECT_EQ(hsi_bug_angle(100, 10, 80), 10);
    EXPECT_EQ(hsi_bug_angle(10, 0, 350), 20);
}

TEST_F(PanelLaws, DmeLagsTheDistanceAndDerivesGroundSpeed)
{
    dme_state s = {};
    dme_step(&s, 20, 0);
    EXPECT_FLOAT_EQ(s.dist_nm, 20);
    dme_step(&s, 10, 1);                                  // a jump is followed at 0.4 a frame
    EXPECT_FLOAT_EQ(s.dist_nm, 16);
    // closing at 180 kt (0.05 nm a second) for a minute, one frame a second
    s = {};
    for (int t = 0; t <= 60; ++t) dme_step(&s, 20 - 0.05f * t, (float)t);
    EXPECT_NEAR(s.speed_kt, 180, 0.5f);
    EXPECT_NEAR(s.dist_nm, 17.0f + 0.05f * 1.5f, 0.01f);     // lags 1.5 frames behind
    EXPECT_EQ(minutes_to_go(s.dist_nm, s.speed_kt), 6);
    dme_step(&s, 17, 60);                                 // no time passed: speed kept
    EXPECT_NEAR(s.speed_kt, 180, 0.5f);
    EXPECT_EQ(minutes_to_go(5, 0), 999);
    dme_step(&s, 5000, 61);
    EXPECT_LE(s.dist_nm, 999);
}

TEST_F(PanelLaws, GpsReadouts)
{
    const float nm = 1852, kt = 1852.0f / 3600.0f;
    gps_readout r = gps_readouts(2, -10, 5, 10 * nm, 100 * kt, 156, 1 / nm, 1 / kt);
    EXPECT_EQ(r.bar_x, 156 + 585 + 6);
    EXPECT_EQ(r.course, 355);
    EXPECT_EQ(r.dist_nm, 10);
    EXPECT_EQ(r.speed_kt, 100);
    EXPECT_EQ(r.minutes, 6);
    r = gps_readouts(-40, 10, 355, 20000 * nm, 0, 0, 1 / nm, 1 / kt);
    EXPECT_EQ(r.bar_x, 585 - 25);
    EXPECT_EQ(r.course, 5);
    EXPECT_EQ(r.dist_nm, 9999);
    EXPECT_EQ(r.minutes, 999);
}

TEST_F(PanelLaws, RadarAltimeterBreaksItsScaleAt500Feet)
{
    EXPECT_FLOAT_EQ(radalt_angle(250), 90);
    EXPECT_FLOAT_EQ(radalt_angle(500), 180);
    EXPECT_FLOAT_EQ(radalt_angle(1000), 198);              // ten times slower above the break
    EXPECT_FLOAT_EQ(radalt_height_ft(1, 1001, 0, 3.2808f), 2500);
    EXPECT_FLOAT_EQ(radalt_height_ft(-1, 0.5, 0, 3.2808f), 0);

    // minimums tone: once when passing down through the bug, again only after climbing above
    int armed = 0, tones = 0;
    const float heights[] = {300, 250, 199, 150, 120, 199, 150, 220, 180, 100};
    for (float h : heights) tones += radalt_tone(&armed, h, 200);
    EXPECT_EQ(tones, 2);
    armed = 0;
    EXPECT_EQ(radalt_tone(&armed, 100, 200), 0);           // starting below the bug: silent
}

TEST_F(PanelLaws, VacuumFailureFreezesTheGyrosAfterThreeMinutes)
{
    init_trig_tables();
    const float T = 100;
    gyro_inputs in = {};
    in.vacuum = 0;
    in.ahz_ok = in.dgy_ok = 1;
    in.vac_death_time = T;
    in.the_fail_err = 20;
    float the = 0, phi = 0, psi = 90;
    // shortly after the failure the gyros still follow almost fully
    in.fail_clock = T + 1;
    in.phi = 30;
    gyro_step(&the, &phi, &psi, in);
    EXPECT_NEAR(phi, 30 * std::pow(1 - 1 / 180.0f, 2), 0.01f);
    // near the end they barely move, and past T + 180 not at all
    in.fail_clock = T + 179;
    const float before = phi;
    in.phi = 90;
    gyro_step(&the, &phi, &psi, in);
    EXPECT_LT(std::fabs(phi - before), 0.01f);
    in.fail_clock = T + 180;
    in.phi = -60;
    in.the = 45;
    in.magpsi = 270;
    const float the_at = the, phi_at = phi, psi_at = psi;
    for (int i = 0; i < 100; ++i) {
        in.fail_clock += 0.05f;
        gyro_step(&the, &phi, &psi, in);
    }
    EXPECT_EQ(the, the_at);
    EXPECT_EQ(phi, phi_at);
    EXPECT_EQ(psi, psi_at);
    // with the vacuum working a failed attitude gyro holds while the heading follows
    in.vacuum = 1;
    in.ahz_ok = 0;
    gyro_step(&the, &phi, &psi, in);
    EXPECT_EQ(phi, phi_at);
    EXPECT_EQ(psi, 270);
}

TEST_F(PanelLaws, CompassErrorsByHeading)
{
    // accelerating east-west matters only off the north-south line; turning error the reverse
    EXPECT_NEAR(compass_error(90, 2, 0, 30), -36, 1e-4);
    EXPECT_NEAR(compass_error(270, 2, 0, 30), -36, 1e-4);
    EXPECT_NEAR(compass_error(0, 2, 0, 30), 0, 1e-4);
    EXPECT_NEAR(compass_error(0, 0, 30, 30), 15, 1e-4);    // (45 - 15) sin 30
    EXPECT_NEAR(compass_error(90, 0, 30, 30), 0, 1e-4);
    // one-second lag, the short way round through north
    EXPECT_NEAR(compass_step(350, 20, 0, 0.5f), 5, 1e-3);
    EXPECT_NEAR(compass_step(20, 350, 0, 0.5f), 5, 1e-3);
}

TEST_F(PanelLaws, StatusBarReadouts)
{
    EXPECT_EQ(control_feel_percent(1, 1, 1), 100);
    EXPECT_EQ(control_feel_percent(0.8f, 0.8f, 0.8f), 80);
    EXPECT_EQ(control_feel_percent(0, 0, 0), 50);
    EXPECT_EQ(ease_mode(0.5f), 2);
    EXPECT_EQ(ease_mode(3), 4);
    EXPECT_EQ(status_slot(3.3f), 0);
    EXPECT_EQ(status_slot(3.4f), 1);
    EXPECT_EQ(status_slot(20.0f), 0);                     // six slots, then round again
    EXPECT_EQ(oat_value(288.15f, 1), 59);
    EXPECT_EQ(oat_value(288.15f, 0), 15);
    EXPECT_EQ(oat_value(200, 0), -50);
    // outer, middle and inner markers flash in different rhythms over the 10-step counter
    int lit[3] = {};
    for (int s = 0; s < 10; ++s)
        for (int m = 0; m < 3; ++m) lit[m] += marker_lit(m, s);
    EXPECT_EQ(lit[0], 5);
    EXPECT_EQ(lit[1], 7);
    EXPECT_EQ(lit[2], 6);
    EXPECT_EQ(fuel_needle(50, 100), 16);
    EXPECT_EQ(baro_window_value(29.92f, 1, 0), 2992);
    EXPECT_EQ(baro_window_value(29.92f, 0, 0), 1013);
    EXPECT_EQ(baro_window_value(29.92f, 0, 1), 1013);
}

TEST_F(PanelLaws, AltimeterAdfAndVariometer)
{
    EXPECT_EQ(altimeter_needle_angle(250), 90);
    EXPECT_EQ(altimeter_needle_angle(5750), 270);
    EXPECT_EQ(altimeter_needle_angle(-250), 270);
    // station due east, heading north: 90 right; the needle turns at most 90 degrees a second
    EXPECT_NEAR(adf_relative_bearing(1000, 0, 0, 0, 0), 90, 1e-3);
    EXPECT_NEAR(adf_relative_bearing(0, 1000, 0, 0, 90), 90, 1e-3);   // south, heading east
    EXPECT_NEAR(adf_needle_step(350, 90, 0.5f), 35, 1e-3);
    EXPECT_EQ(rmi_bearing(-1000, 0, 0, 0, 10), 280);
    // climbing 400 ft/min of total energy is 128 degrees above 9 o'clock... at the stop
    const float fpm = 196.85f;
    EXPECT_EQ(vari_needle_angle(400 / fpm * 9.81f, 9.81f, fpm), 38);
    EXPECT_EQ(vari_needle_angle(-100, 9.81f, fpm), -218);
}

}  // namespace

namespace orv {
// A strike 10 nm north of an aircraft heading east shows left of the centre at a third of the
// 30 nm range ring; one beyond the range does not show.
TEST(Stormscope, StrikesShowRelativeToTheNoseWithinRange)
{
    const float nm = 1852.0f;
    pt o{};
    ASSERT_EQ(stormscope_dot(0.0f, -10 * nm, 0.0, 0.0, 90.0f, 30 * nm, 40.0f, &o), 1);
    EXPECT_NEAR(o.x, -40.0f / 3.0f, 0.01f);
    EXPECT_NEAR(o.y, 0.0f, 0.01f);
    ASSERT_EQ(stormscope_dot(10 * nm, 0.0f, 0.0, 0.0, 90.0f, 30 * nm, 40.0f, &o), 1);   // dead ahead
    EXPECT_NEAR(o.y, 40.0f / 3.0f, 0.01f);
    EXPECT_EQ(stormscope_dot(0.0f, -40 * nm, 0.0, 0.0, 90.0f, 30 * nm, 40.0f, &o), 0);
}
}  // namespace orv
