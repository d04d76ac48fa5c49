// The panel's controls: clicks through the scripted input and direct presses of the knobs,
// buttons and levers.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstring>
#include <string>

#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/qz_tune.h"
#include "2-QZutils/records.h"
#include "platform/plat_script.h"
#include "app/app_start.h"
#include "app/app_update.h"
#include "flight/events.h"
#include "flight/flight_hooks.h"
#include "input/keys.h"
#include "panel/manage_das.h"
#include "panel/p_init.h"
#include "panel_test_util.h"
#include "platform/plat_backend.h"
#include "support/test_support.h"

using namespace orv;

namespace {

int played[32], stopped[32];
void record_play(int slot, int) { if (slot >= 0 && slot < 32) played[slot]++; }
void record_stop(int slot) { if (slot >= 0 && slot < 32) stopped[slot]++; }

class PanelControls : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::string dir = orv_test::temp_dir("panel_controls");
        ASSERT_EQ(chdir(dir.c_str()), 0);
        plat_backend_install(nullptr);
        plat_script_clear();
        clear_records();
        register_app_callbacks();
        mnw_set_dirs((dir + "/data").c_str(), (dir + "/config").c_str());
        app_set_fixed_step(1);
        app_set_flight_step(nullptr);
        app_set_event_hooks(nullptr, nullptr);
        frame_timing_reset();
        app_run_reset();
        MACIBM_init();
        flight_hooks h = flight_hook_table();
        h.play_buffer = record_play;
        h.stop_buffer = record_stop;
        flight_set_hooks(h);
        std::memset(played, 0, sizeof played);
        std::memset(stopped, 0, sizeof stopped);

        panel_test::conventional_aircraft(1, INS_ADF, INS_SUPP);
        ins.baro = 29.92f;
        set.controls_type = -1;
    }
    void TearDown() override
    {
        flight_set_hooks(flight_hooks{});
        app_set_fixed_step(0);
    }
    // Runs frames until the scripted events of the next `seconds` have been handled.
    void script(const char* line, float seconds = 0.2f)
    {
        char err[200];
        ASSERT_EQ(script_parse_line(line, 1, err, sizeof err), 1) << err;
        for (int f = 0; f < (int)(seconds / msc.prd + 0.5f); ++f) MACIBM_event_proc();
    }
    void press(int x, int y)
    {
        mnw.mouse_clicked = 1;
        mnw.delay_dragging = 0;
        manage_das(x, y);
        mnw.mouse_clicked = 0;
    }
};

TEST_F(PanelControls, ScriptedClicksOnPauseStopAndRestartTheSounds)
{
    script("at 0 click 760 320");
    EXPECT_EQ(msc.paused, 1);
    EXPECT_EQ(stopped[0] + stopped[1] + stopped[2], 3);
    EXPECT_EQ(played[0] + played[1], 0);
    const float frozen = msc.init_time;
    script("at 0.3 click 760 320", 0.3f);
    EXPECT_EQ(msc.paused, 0);
    EXPECT_EQ(played[0], 1);          // engine
    EXPECT_EQ(played[1], 1);          // wind
    EXPECT_EQ(played[2], 0);          // no thunderstorm: no rain
    EXPECT_EQ(msc.init_time, frozen); // nothing advanced the flight clock while paused
}

TEST_F(PanelControls, ScriptedClicksStopTheAltimeterSettingAt32)
{
    ins.baro = 31.995f;
    const int x = ins.x_loc[INS_BARO_KNOB], y = ins.y_loc[INS_BARO_KNOB];
    char line[80];
    std::snprintf(line, sizeof line, "at 0 click %d %d", x, y + 5);
    script(line);
    EXPECT_FLOAT_EQ(ins.baro, 31.998f);
    for (int k = 0; k < 3; ++k) press(x, y + 5);
    EXPECT_FLOAT_EQ(ins.baro, 32.0f);
    press(x - 3, y - 5);                // the lower half turns it down again
    EXPECT_FLOAT_EQ(ins.baro, 31.997f);
    ins.baro = 28.001f;
    press(x, y - 5);
    EXPECT_FLOAT_EQ(ins.baro, 28.0f);
}

TEST_F(PanelControls, GearHandleGivesEachWorkingLegATravelTime)
{
    pln.gear_retract = 1;
    set.gear_handle = 1;
    rel.lagear[0] = rel.lagear[1] = 1;
    rel.lagear[2] = 0;
    msc.elap_time = 100;
    press(oseng + 620, 30);
    EXPECT_EQ(set.gear_handle, 0);
    EXPECT_EQ(played[GEAR_SOUND_SLOT], 1);
    for (int leg = 0; leg < 2; ++leg) {
        EXPECT_GE(set.gear_time[leg], 103.0f);
        EXPECT_LE(set.gear_time[leg], 105.0f);
    }
    EXPECT_GT(set.gear_time[2], 1e6f);                   // a failed leg never arrives
    // the legs travel in the periodic events: none is up before 3 s, the working ones by 5 s
    for (int leg = 0; leg < 3; ++leg) pln.gear_stat[leg] = 1;
    events_reset();
    msc.elap_time = 102.9f;
    mod_evt();
    EXPECT_EQ(pln.gear_stat[0] + pln.gear_stat[1] + pln.gear_stat[2], 3);
    msc.elap_time = 105.1f;
    mod_evt();
    EXPECT_EQ(pln.gear_stat[0], 0);
    EXPECT_EQ(pln.gear_stat[1], 0);
    EXPECT_EQ(pln.gear_stat[2], 1);
    pln.gear_retract = 0;                                 // fixed gear has no handle
    press(oseng + 620, 30);
    EXPECT_EQ(set.gear_handle, 0);
}

TEST_F(PanelControls, AutopilotButtonsKeepTheirExclusions)
{
    const int hdg = osrad + 493 + 5;
    auto button = [&](int k) { press(hdg + 21 * k, 90); };
    button(0);
    EXPECT_EQ(ott.HDSLCT, 1);
    button(1);                                            // NAV1 takes over from HDG
    EXPECT_EQ(ott.HDSLCT, 0);
    EXPECT_EQ(ott.NAV[0], 1);
    button(3);
    flt.vY = 2.54f;
    button(4);                                            // VVI takes over from ALT
    EXPECT_EQ(ott.ALHOLD, 0);
    EXPECT_EQ(ott.VVHOLD, 1);
    EXPECT_FLOAT_EQ(ott.vv_hold, 2.54f);
    button(6);                                            // speed hold combines with both
    EXPECT_EQ(ott.ASHOLD, 1);
    EXPECT_EQ(ott.NAV[0], 1);
    EXPECT_EQ(ott.VVHOLD, 1);
    // the set knob: the upper half climbs by 100 ft
    ott.al_hold = 0;
    press(315, 320);
    EXPECT_NEAR(ott.al_hold * con.mtrstoft, 100, 0.01);
}

TEST_F(PanelControls, RadioTuning)
{
    int f = 11795;
    NAVinc(&f, 50);
    EXPECT_EQ(f, 11700);                                  // hundredths wrap, the megahertz stay
    NAVinc(&f, 1000);
    EXPECT_EQ(f, 10800);
    NAVinc(&f, -50);
    EXPECT_EQ(f, 10895);
    f = 13600;
    COMinc(&f, 1000);
    EXPECT_EQ(f, 11800);
    f = 399;
    ADFinc(&f, 100);
    EXPECT_EQ(f, 499);
    ADFinc(&f, 1);
    EXPECT_EQ(f, 490);                                    // the units wrap alone
    f = 990;
    ADFinc(&f, 100);
    EXPECT_EQ(f, 90);
    int d = 7;
    XPNinc(&d, 1);
    EXPECT_EQ(d, 0);
    XPNinc(&d, -1);
    EXPECT_EQ(d, 7);

    // the same through the radio stack
    nav.nf[0] = 11000;
    nav.cf[1] = 12000;
    nav.adff = 300;
    press(osrad + 607, 225);                              // NAV 1 megahertz up
    press(osrad + 637, 165);                              // COM 2 hundredths down
    press(osrad + 545, 200);                              // ADF hundreds up
    press(osrad + 575, 125);                              // transponder digit 4 down
    EXPECT_EQ(nav.nf[0], 11100);
    EXPECT_EQ(nav.cf[1], 12095);
    EXPECT_EQ(nav.adff, 400);
    EXPECT_EQ(nav.tran4, 7);
}

TEST_F(PanelControls, KnobsRepeatFasterWhileHeldButTogglesDoNot)
{
    nav.obs[1] = 359;
    const int kx = ins.x_loc[INS_HSI] + 48, ky = ins.y_loc[INS_HSI] - 50;
    press(kx + 3, ky);
    press(kx + 3, ky);
    EXPECT_FLOAT_EQ(nav.obs[1], 1);                       // through north (0..360 wraps)
    mnw.delay_dragging = 1;                               // held for over a second
    manage_das(kx - 3, ky);
    EXPECT_FLOAT_EQ(nav.obs[1], 358);
    manage_das(760, 320);                                 // pause is not pressed again by holding
    EXPECT_EQ(msc.paused, 0);
    mnw.delay_dragging = 0;
    nav.hdsel = 0;
    press(ins.x_loc[INS_HSI] - 38 - 3, ky);
    EXPECT_FLOAT_EQ(nav.hdsel, 359);
}

TEST_F(PanelControls, ThrottleLeversReverseAndFollowTheControlsSync)
{
    pln.numen = 2;
    pln.revthrustEQ = 1;
    init_panel_layout();
    press(thro_x[1] + oseng + 5, 4 + LEVER_GRAB_DY);     // pulled to the bottom: reverse
    EXPECT_FLOAT_EQ(flt.throrequest[1], -0.33f);
    EXPECT_FLOAT_EQ(flt.throrequest[0], 0);
    press(thro_x[0] + oseng + 5, 60 + LEVER_GRAB_DY);    // beyond the top of a non-burner: full
    EXPECT_FLOAT_EQ(flt.throrequest[0], 1);
    EXPECT_EQ(flt.after_burning[0], 0);
    panel_engine_click(675, 28 + LEVER_GRAB_DY);          // the hardware throttle at 28
    EXPECT_EQ(ins.thro[0], 28);
    EXPECT_EQ(ins.thro[1], 28);
    // flaps: the lever's lower end is full flap
    pln.flapEQ = 1;
    press(oseng + 650, FLAP_DOWN_Y);
    EXPECT_EQ(flt.flaprequest, 50);
    press(oseng + 650, 100);
    EXPECT_EQ(flt.flaprequest, 25);
}

// Keys press the cockpit's controls at positions of their own; each must land on its control.
TEST_F(PanelControls, KeysPressTheRealControlsTheyAreMeantFor)
{
    pln.flapEQ = 1;
    pln.revthrustEQ = 1;
    pln.gear_retract = 1;
    pln.supptype = SUPP_VOR2;
    rel.lagear[0] = rel.lagear[1] = rel.lagear[2] = 1;
    ins.flap = FLAP_UP_Y;
    const int detents[4] = {117, 103, 88, 73};
    int last_request = -1;
    for (int y : detents) {
        keys_handle('2');
        EXPECT_EQ(ins.flap, y);
        EXPECT_GT(flt.flaprequest, last_request);
        last_request = flt.flaprequest;
    }
    EXPECT_EQ(flt.flaprequest, 50);
    keys_handle('1');
    EXPECT_EQ(ins.flap, 88);

    struct turn { char down, up; float* v; };
    const turn knobs[] = {{'y', 'u', &nav.obs[1]}, {'h', 'j', &nav.obs[0]}};
    for (const turn& k : knobs) {
        *k.v = 100;
        keys_handle(k.up);
        EXPECT_FLOAT_EQ(*k.v, 101) << k.up;
        keys_handle(k.down);
        keys_handle(k.down);
        EXPECT_FLOAT_EQ(*k.v, 99) << k.down;
    }
    nav.hdsel = 10;
    keys_handle('m');
    keys_handle('m');
    keys_handle('n');
    EXPECT_EQ(nav.hdsel, 11);
    ins.baro = 29.92f;
    keys_handle('o');
    EXPECT_FLOAT_EQ(ins.baro, 29.923f);
    keys_handle('i');
    keys_handle('i');
    EXPECT_FLOAT_EQ(ins.baro, 29.917f);

    keys_handle('8');                                     // the trim rockers: the halves oppose
    EXPECT_GT(flt.ail_trim, 0);
    keys_handle('7');
    keys_handle('7');
    EXPECT_LT(flt.ail_trim, 0);
    keys_handle('0');
    EXPECT_GT(flt.rud_trim, 0);
    keys_handle('[');                                     // nose-up trim, a step per press
    EXPECT_FLOAT_EQ(flt.elv_trim, TRIM_WHEEL_STEP);
    keys_handle(']');
    keys_handle(']');
    EXPECT_FLOAT_EQ(flt.elv_trim, -TRIM_WHEEL_STEP);

    keys_handle('b');
    EXPECT_EQ(set.parkbrake, 1.0f);
    set.gear_handle = 1;
    keys_handle('g');
    EXPECT_EQ(set.gear_handle, 0);
    keys_handle('$');
    EXPECT_EQ(ott.NAV[0], 1);

    ins.thro[0] = 20;
    keys_handle(PLAT_KEY_SHIFT_F1);                        // a little more power, then a little less
    EXPECT_EQ(ins.thro[0], 22);
    keys_handle(PLAT_KEY_F1);
    keys_handle(PLAT_KEY_F1);
    EXPECT_EQ(ins.thro[0], 18);
    ins.mixt[0] = 30;
    keys_handle(PLAT_KEY_SHIFT_F1 + 8);
    EXPECT_EQ(ins.mixt[0], 32);
    keys_handle('.');                                     // reverser out, and back to idle
    EXPECT_EQ(flt.revving_thrust[0], 1);
    EXPECT_LT(flt.throrequest[0], 0);
    keys_handle('.');
    EXPECT_EQ(flt.revving_thrust[0], 0);
    EXPECT_NEAR(flt.throrequest[0], 0, 0.01);
    keys_handle('p');
    EXPECT_EQ(msc.paused, 1);
}

}  // namespace
