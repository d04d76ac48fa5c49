// One frame of the live panel over the records: what each instrument shows, its lag and its
// failure.
#include <gtest/gtest.h>

#include <cstring>

#include "2-QZutils/qz_funct.h"
#include "2-QZutils/records.h"
#include "flight/events.h"
#include "flight/flight_hooks.h"
#include "flight/funct.h"
#include "panel/p_init.h"
#include "panel/p_update.h"
#include "panel_test_util.h"

using namespace orv;

namespace {

int tones;
void count_tone(int slot, int) { tones += slot == RADALT_TONE_SLOT; }

class PanelFrame : public ::testing::Test {
protected:
    void SetUp() override
    {
        panel_test::conventional_aircraft(3, INS_SUPP, INS_ADF);
        panel_test::all_working();
        std::snprintf(pln.C_name, sizeof pln.C_name, "Trainer 172.acf");
        pln.supptype = SUPP_RADALT;
        pln.Vso = 50;
        init_panel_layout();
        atm.T = 288.15f;
        tones = 0;
        flight_hooks h = {};
        h.play_buffer = count_tone;
        flight_set_hooks(h);
        panel_reset();
    }
    void TearDown() override { flight_set_hooks(flight_hooks{}); }
    void run(float seconds)
    {
        for (int f = 0; f < (int)(seconds / msc.prd + 0.5f); ++f) {
            msc.init_time += msc.prd;
            msc.elap_time += msc.prd;
            update_panel();
        }
    }
};

TEST_F(PanelFrame, VacuumFailureFreezesTheAttitudeThreeMinutesLater)
{
    flt.the = 5;
    flt.phi = 10;
    run(1);
    EXPECT_FLOAT_EQ(ins.phi180, 10);
    rel.vacuum = 0;
    rel.vac_death_time = msc.elap_time;
    flt.phi = 40;
    run(30);                                   // still spinning fast enough to follow
    EXPECT_NEAR(ins.phi180, 40, 1);
    run(151);
    const float held = ins.phi180;
    flt.phi = -50;
    flt.the = -30;
    run(60);
    EXPECT_FLOAT_EQ(ins.phi180, held);
    // a new flight starts the gyros again from the aircraft
    rel.vacuum = 1;
    msc.init_time = 0;
    run(0.05f);
    EXPECT_FLOAT_EQ(ins.phi180, -50);
}

TEST_F(PanelFrame, FailedAirspeedIndicatorHoldsItsLastReading)
{
    flt.vind = 100;
    run(0.1f);
    const int at_100 = panel_shown_values().asi_angle;
    EXPECT_EQ(at_100, round((100 - pln.Vmin) * ins.indtoASI));
    rel.ss_asi = 0;
    flt.vind = 150;
    run(1);
    EXPECT_EQ(panel_shown_values().asi_angle, at_100);
}

TEST_F(PanelFrame, RadarAltimeterToneSoundsOncePerDescentThroughTheBugWithVoiceWarningsOn)
{
    ins.radalt_ft = 200;
    pln.bitchinbettyEQ = 1;
    for (int voice : {1, 0}) {
        msc.warn_bb = voice;
        tones = 0;
        for (float h_ft : {400.0f, 250.0f, 150.0f, 100.0f, 180.0f, 300.0f, 120.0f}) {
            flt.Y = h_ft * con.fttomtrs;
            run(0.05f);
        }
        EXPECT_EQ(tones, voice ? 2 : 0) << "voice warnings " << voice;
    }
    EXPECT_NEAR(panel_shown_values().radalt_angle, 120 * 180 / 500.0f, 0.1f);
}

TEST_F(PanelFrame, StatusLineShowsTheNameUnlessItsSlotsConditionHolds)
{
    run(0.05f);
    EXPECT_STREQ(panel_shown_values().status, "Trainer 172.acf");
    EXPECT_STREQ(panel_shown_values().feel, "controls:  50%");
    EXPECT_STREQ(panel_shown_values().mode, "mode: realistic");
    EXPECT_EQ(panel_shown_values().oat, 15);
    rel.oilpmp[0] = 0;                          // slot 4 runs from 13.3 s to 16.7 s
    msc.elap_time = 14;
    run(0.05f);
    EXPECT_STREQ(panel_shown_values().status, "oil pressure gone!");
    EXPECT_EQ(panel_shown_values().status_warning, 1);
    msc.elap_time = 17;
    run(0.05f);
    EXPECT_STREQ(panel_shown_values().status, "Trainer 172.acf");
}

TEST_F(PanelFrame, MarkerLampFlashesOnlyOverItsMarker)
{
    msc.cntr10 = 0;                              // every lamp's rhythm is on at step 0
    run(0.05f);
    EXPECT_EQ(panel_shown_values().marker[MARKER_MIDDLE], 0);
    set_marker_flags(0, 1, 0);
    run(0.05f);
    EXPECT_EQ(panel_shown_values().marker[MARKER_MIDDLE], 1);
    EXPECT_EQ(panel_shown_values().marker[MARKER_OUTER], 0);
    msc.cntr10 = 2;                              // the middle marker's dash pauses at step 2
    run(0.05f);
    EXPECT_EQ(panel_shown_values().marker[MARKER_MIDDLE], 0);
    set_marker_flags(0, 0, 0);
}

// A jet's maximum-allowable-speed needle sweeps past the airspeed needle's 330 degrees up to
// 350; a GPS face whose radios failed shows the DME read-out, not frozen GPS figures.
TEST_F(PanelFrame, MaximumSpeedNeedleToThreeFiftyAndGpsFallsBackToDmeWithoutRadios)
{
    pln.entype = 4;
    pln.Mmo = 5.0f;
    pln.ASpwr = 1.0f;
    pln.Vmin = 0.0f;
    ins.indtoASI = 1.0f;
    for (float vne : {340.0f, 900.0f}) {
        pln.Vne = vne;
        run(0.05f);
        EXPECT_EQ(panel_shown_values().asi_max_angle, (int)fltmin2(vne, 350.0f)) << vne;
    }
    pln.supptype = SUPP_RADALT;   // neither the second VOR nor the RMI: the panel has a GPS
    ASSERT_TRUE(plane_has_gps());
    rel.radios = 0;
    run(0.05f);
    EXPECT_FALSE(panel_shown_values().gps_shown);
}

TEST_F(PanelFrame, TurboPropGaugesAndHsiFromTheRecords)
{
    pln.pmax = 400000;
    pln.omegamax = 200;
    pln.gearrat = 1;
    init_panel_layout();
    flt.trq[0] = 1000;                          // half the maximum torque of 2000 N m
    ins.psimag = 90;
    flt.magpsi = 90;
    nav.obs[1] = 120;
    nav.hdef[1] = 2;
    run(0.05f);
    const panel_shown& s = panel_shown_values();
    EXPECT_EQ(s.gauge[2][0], round(50 * ins.trqtoINS));
    EXPECT_EQ(s.hsi_course, 330);
    EXPECT_FLOAT_EQ(s.hsi_dev_px, 10);
    EXPECT_EQ(s.hsi_card, 90);
}

}  // namespace
