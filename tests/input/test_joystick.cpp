// The joystick layer over a fake device table: axis conversions, the unmoved-axis rule,
// virtual buttons and their functions, the helicopter collective, hot-plug, and the forces.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "2-QZutils/qz_force.h"
#include "2-QZutils/qz_joy.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/records.h"
#include "flight/events.h"
#include "input/fake_joy.h"

namespace orv {
namespace {

using orv_test::fake_joy_installed;

std::vector<int> keys_sent, menus_sent;
void rec_key(int c) { keys_sent.push_back(c); }
void rec_menu(int m) { menus_sent.push_back(m); }

struct Joystick : ::testing::Test {
    fake_joy_installed f;
    void SetUp() override
    {
        set = settingstruct{};
        flt = flightstruct{};
        pln = planestruct{};
        set.joy_rat_ptch = set.joy_rat_roll = set.joy_rat_hdng = 1;
        set.eq_ped = 1;
        joy_settings() = joy_default_config(0);
        keys_sent.clear();
        menus_sent.clear();
        joy_input_hooks h = {};
        h.key = rec_key;
        h.menu = rec_menu;
        joy_set_input_hooks(h);
    }
    void TearDown() override
    {
        CloseStick();
        joy_set_input_hooks(joy_input_hooks{});
    }
    float p = 0, r = 0, h = 0, t = 0;
    void get(int mouse_key = 1) { JOY_get(&p, &r, &h, &t, mouse_key); }
    const int* vb() { return joy_last_frame().n_button_pressed; }
};

TEST_F(Joystick, AxesReadCentredUntilMovedThenFollowTheConversions)
{
    f.dev.plug(0);
    f.dev.axis(0, 1, 0);              // Linux's end-stop reading before the first movement
    f.dev.axis(0, 2, 0);
    ASSERT_EQ(JOY_init(), 1);
    EXPECT_EQ(set.controls_type, JOY_TYPE_STICK1);
    set.NZptch = 0.1f;
    set.joy_rat_ptch = 0.5f;
    get();
    EXPECT_EQ(p, 0.0f);
    EXPECT_EQ(t, 0.0f);               // an untouched throttle never grabs the levers
    EXPECT_EQ(joy_last_frame().have_throttle, 0);

    f.dev.axis(0, 1, 65534);          // full back
    get();
    EXPECT_NEAR(p, std::pow(0.9f, 1.5f) * 0.5f, 1e-6f);
    f.dev.axis(0, 1, PLAT_JOY_AXIS_CENTRE);
    get();
    EXPECT_EQ(p, 0.0f);               // exactly centred with null zone 0.1

    f.dev.axis(0, 2, 65535);          // throttle fully forward
    get();
    EXPECT_NEAR(t, 1.1f - 1.2f * 65535 / 65537.0f, 1e-6f);
    f.dev.axis(0, 2, 40000);
    get();
    EXPECT_EQ(joy_last_frame().have_throttle, 1);
    EXPECT_NEAR(t, 1.1f - 1.2f * 40000 / 65537.0f, 1e-6f);

    set.eq_ped = 0;                   // no pedals: the twist does nothing, the keyboard rudder still works
    f.dev.axis(0, 3, 0);
    set.MK_hdng = 0.25f;
    get();
    EXPECT_NEAR(h, std::pow(0.25f, 1.5f), 1e-6f);
}

TEST_F(Joystick, VirtualButtonsFromHatAndButtons)
{
    f.dev.plug(0);
    JOY_init();
    f.dev.buttons(0, 0x3);            // raw 1 and 2 together
    get();
    EXPECT_FALSE(vb()[4]);
    EXPECT_FALSE(vb()[5]);
    f.dev.buttons(0, 0x1 | (1u << 4) | (1u << 15));   // 1 alone, 5 and 16
    get();
    EXPECT_TRUE(vb()[4]);
    EXPECT_TRUE(vb()[8]);
    EXPECT_TRUE(vb()[19]);
    f.dev.buttons(0, 0);
    f.dev.pov(0, 4500);               // diagonal
    get();
    for (int i = 0; i < JOY_VBUTTONS; i++) EXPECT_FALSE(vb()[i]) << i;
    const int povs[4] = {0, 18000, 27000, 9000};
    for (int d = 0; d < 4; d++) {
        f.dev.pov(0, povs[d]);
        get();
        for (int i = 0; i < 4; i++) EXPECT_EQ(vb()[i], i == d) << povs[d];
    }
}

TEST_F(Joystick, ButtonFunctionsRepeatPressAndRelease)
{
    f.dev.plug(0);
    JOY_init();
    set.joy_response[8] = 1;          // raw 5: trim ']' while held
    set.joy_response[9] = 13;         // raw 6: 'q' once per press
    set.joy_response[10] = 10;        // raw 7: glance down, back forward on release
    set.joy_response[11] = 20;        // raw 8: parking brake while held
    f.dev.buttons(0, (1u << 4) | (1u << 5) | (1u << 6) | (1u << 7));
    get();
    get();
    EXPECT_EQ(keys_sent, (std::vector<int>{']', 'q', ']'}));
    EXPECT_EQ(menus_sent, (std::vector<int>{502}));
    EXPECT_EQ(set.parkbrake, 1.0f);
    get(0);                           // without mouse_key the functions rest
    EXPECT_EQ(keys_sent.size(), 3u);
    f.dev.buttons(0, 0);
    get();
    EXPECT_EQ(menus_sent, (std::vector<int>{502, 500}));
    EXPECT_EQ(set.parkbrake, 0.0f);
}

TEST_F(Joystick, HelicopterCollectiveSteppedOnNewPresses)
{
    pln.is_heli = 1;
    pln.entype = 1;
    set.eq_col = 1;
    flt.throrequest[0] = 0.5f;
    f.dev.plug(0);
    JOY_init();
    f.dev.buttons(0, 0x8);            // button 4 raises once per press
    get();
    get();
    EXPECT_NEAR(flt.throrequest[0], 0.6f, 1e-6f);
    EXPECT_EQ(flt.throrequest[1], flt.throrequest[0]);
    f.dev.buttons(0, 0x2 | 0x4);      // 2 and 3 together: down to 0
    get();
    EXPECT_EQ(flt.throrequest[0], 0.0f);
    f.dev.buttons(0, 0x2 | 0x8);
    get();
    EXPECT_EQ(flt.throrequest[0], 1.0f);
}

TEST_F(Joystick, HotPlugBothWaysAndAlertsWithoutDevices)
{
    int alerts = mnw_alert_count();
    EXPECT_EQ(JOY_init(), 0);
    EXPECT_EQ(set.controls_type, JOY_TYPE_NONE);
    EXPECT_EQ(mnw_alert_count(), alerts + 1);
    EXPECT_STREQ(mnw_last_alert_line(0), "My system-checking indicates that there are no joysticks on this computer");
    get();
    EXPECT_EQ(set.controls_type, JOY_TYPE_NONE);

    f.dev.plug(1);                    // plugged in mid-flight, in the second slot
    f.dev.axis(1, 1, 0);
    get();
    EXPECT_EQ(set.controls_type, JOY_TYPE_STICK2);
    get();
    EXPECT_EQ(p, 0.0f);               // still unmoved
    f.dev.axis(1, 1, 65534);
    get();
    EXPECT_NEAR(p, 1.0f, 1e-6f);
    f.dev.unplug(1);
    get();
    EXPECT_EQ(set.controls_type, JOY_TYPE_NONE);
    EXPECT_EQ(p, 0.0f);
    f.dev.plug(1);                    // another device: its end-stop reading is not trusted either
    f.dev.axis(1, 1, 65534);
    get();
    get();
    EXPECT_EQ(set.controls_type, JOY_TYPE_STICK2);
    EXPECT_EQ(p, 0.0f);

    f.dev.unplug(1);
    f.dev.count = -1;                 // no joystick support at all
    JOY_init();
    EXPECT_STREQ(mnw_last_alert_line(0), "My system-checking indicates that Linux is NOT set up to handle any joysticks!");
}

TEST_F(Joystick, ForceCallsAreLimitedAndPlayed)
{
    f.dev.haptic = 1;
    f.dev.plug(0);
    JOY_init();
    ASSERT_EQ(forces_active(), 1);
    JOY_force(26, 150, -150, 200);
    const joy_force_request* s = JOY_force_request(26);
    EXPECT_EQ(s->a1, 100);
    EXPECT_EQ(s->a2, -100);
    EXPECT_EQ(s->a3, 100);
    ASSERT_EQ(f.dev.calls.size(), 2u);
    EXPECT_EQ(f.dev.calls[0].slot, FX_SPRING_X);
    EXPECT_EQ(f.dev.calls[0].effect.centre, 100);
    EXPECT_EQ(f.dev.calls[1].effect.centre, -100);
    EXPECT_EQ(f.dev.calls[1].effect.coeff_pos, 100);

    f.dev.calls.clear();
    JOY_force(33, 150, -90, 9999);
    JOY_force(28, 200, 80, 0);
    ASSERT_EQ(f.dev.calls.size(), 3u);
    EXPECT_EQ(f.dev.calls[0].effect.kind, PLAT_FX_JOLT);
    EXPECT_EQ(f.dev.calls[0].effect.magnitude, 100);
    EXPECT_EQ(f.dev.calls[0].effect.direction_deg, 270);
    EXPECT_EQ(f.dev.calls[0].effect.duration_ms, 2500);
    EXPECT_EQ(f.dev.calls[1].slot, FX_VIBRATION_X);
    EXPECT_EQ(f.dev.calls[2].slot, FX_VIBRATION_Y);
    EXPECT_EQ(f.dev.calls[2].effect.frequency_hz, 50);
    f.dev.calls.clear();
    JOY_force(34, 0, 0, 0);
    EXPECT_EQ(f.dev.calls.size(), (size_t)PLAT_FX_SLOTS);   // every effect stopped
    for (const auto& c : f.dev.calls) EXPECT_EQ(c.op, orv_test::FAKE_STOP);
}

TEST_F(Joystick, ForcesAreSilentWithoutAForceDevice)
{
    f.dev.plug(0);                    // a stick without force feedback
    JOY_init();
    for (int type = JOY_FORCE_FIRST; type <= JOY_FORCE_LAST; type++) JOY_force(type, 50, 20, 300);
    EXPECT_TRUE(f.dev.calls.empty());
    EXPECT_EQ(forces_active(), 0);
    EXPECT_EQ(JOY_force_request(31)->a1, 50);   // the request is still kept
}

TEST_F(Joystick, SpringCentreFollowsTrimAndTheRestingStickReadsCentred)
{
    f.dev.haptic = 1;
    f.dev.plug(0);
    JOY_init();
    flt.elv_trim = 0.4f;              // the controls add half of it to the stick: 0.2
    JOY_force(26, 0, 0, 60);
    ASSERT_EQ(f.dev.calls.size(), 2u);
    EXPECT_EQ(f.dev.calls[1].effect.centre, 20);
    EXPECT_EQ(f.dev.calls[0].effect.centre, 0);
    f.dev.axis(0, 1, 0);              // mark the axis moved, then leave it where the spring holds it
    get();
    f.dev.axis(0, 1, (int)std::lround(1.2 * 32767));
    get();
    EXPECT_NEAR(p, 0.0f, 1e-4f);
}

TEST_F(Joystick, StallWarningShakesTheStickAndStopsIt)
{
    f.dev.haptic = 1;
    f.dev.plug(0);
    JOY_init();
    set_constants();
    events_reset();
    rel.esystem = 1;
    pln.ff_stickshaker = 1;
    pln.semilen[4] = 5;
    pln.alpha_max[4] = 15;
    msc.est_Vs = 25;
    msc.prd = 0.05f;
    flt.vind = 60;
    flt.alpha[4][0] = 10;             // well below the stall: no shaking
    mod_evt();
    for (const auto& c : f.dev.calls) EXPECT_NE(c.effect.kind, PLAT_FX_VIBRATION);
    f.dev.calls.clear();
    flt.alpha[4][0] = 13;             // within 3 degrees of the stall
    mod_evt();
    int shaking = 0;
    for (const auto& c : f.dev.calls)
        if (c.op == orv_test::FAKE_PLAY && c.effect.kind == PLAT_FX_VIBRATION && c.effect.magnitude == 100 &&
            c.effect.frequency_hz == 10)
            shaking |= c.slot == FX_VIBRATION_X ? 1 : c.slot == FX_VIBRATION_Y ? 2 : 0;
    EXPECT_EQ(shaking, 3);
    f.dev.calls.clear();
    mod_evt();                        // still warning: nothing new
    for (const auto& c : f.dev.calls) EXPECT_NE(c.slot, FX_VIBRATION_Y);
    flt.alpha[4][0] = 5;
    mod_evt();
    int stopped = 0;
    for (const auto& c : f.dev.calls) stopped |= c.op == orv_test::FAKE_STOP && c.slot == FX_VIBRATION_Y;
    EXPECT_TRUE(stopped);
}

}  // namespace
}  // namespace orv
