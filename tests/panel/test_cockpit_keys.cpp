// Every key and joystick button function that clicks the cockpit, through the real keys, the
// real joystick layer and the real click handler, on quadrants of one to four engines and with
// the radio stack and engine panel in either place.
#include <gtest/gtest.h>

#include <cstring>

#include "2-QZutils/qz_force.h"
#include "2-QZutils/qz_joy.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/records.h"
#include "app/app_input.h"
#include "input/fake_joy.h"
#include "input/keys.h"
#include "panel/manage_das.h"
#include "panel/p_init.h"
#include "panel_test_util.h"
#include "platform/plat_backend.h"

using namespace orv;

namespace {

// A key (0: none) and the joystick button function (0: none) that should do the same.
struct cockpit_case {
    int key, joy_fn;
    float (*probe)();   // what the click must change
};

float ott_modes() { return ott.HDSLCT + 2 * ott.NAV[0] + 4 * ott.NAV[1] + 8 * ott.ALHOLD + 16 * ott.VVHOLD + 32 * ott.GS2 + 64 * ott.ASHOLD; }

const cockpit_case CASES[] = {
    {'1', 15, [] { return (float)ins.flap; }},   {'2', 16, [] { return (float)ins.flap; }},
    {'3', 0, [] { return (float)ins.heat; }},    {'4', 0, [] { return (float)ins.heat; }},
    {'5', 0, [] { return (float)ins.sbrk; }},    {'6', 21, [] { return (float)ins.sbrk; }},
    {'[', 2, [] { return flt.elv_trim; }},       {']', 1, [] { return flt.elv_trim; }},
    {'7', 5, [] { return flt.ail_trim; }},       {'8', 6, [] { return flt.ail_trim; }},
    {'9', 3, [] { return flt.rud_trim; }},       {'0', 4, [] { return flt.rud_trim; }},
    {'b', 0, [] { return set.parkbrake; }},      {'g', 19, [] { return (float)set.gear_handle; }},
    {'$', 0, ott_modes}, {'%', 0, ott_modes}, {'^', 0, ott_modes}, {'&', 0, ott_modes},
    {'*', 0, ott_modes}, {'!', 22, ott_modes},
    {'n', 0, [] { return nav.hdsel; }},          {'m', 0, [] { return nav.hdsel; }},
    {'y', 0, [] { return nav.obs[1]; }},         {'u', 0, [] { return nav.obs[1]; }},
    {'h', 0, [] { return nav.obs[0]; }},         {'j', 0, [] { return nav.obs[0]; }},
    {'i', 0, [] { return ins.baro; }},           {'o', 0, [] { return ins.baro; }},
    {'p', 0, [] { return (float)msc.paused; }},
    {0, 17, [] { return (float)ins.vect; }},     {0, 18, [] { return (float)ins.vect; }},
    {0, 24, [] { return flt.m_jettison; }},
};

// The function keys of levers 0..11: F1..F9, Backspace, F11, F12.
int lever_key(int n) { return n == 9 ? 8 : PLAT_KEY_F1 + n; }

class CockpitKeys : public ::testing::Test {
protected:
    orv_test::fake_joy_installed joy;
    void SetUp() override
    {
        plat_backend_install(nullptr);
        panel_test::conventional_aircraft(1, INS_ADF, INS_SUPP);
        pln.supptype = SUPP_VOR2;
        pln.flapEQ = pln.fbrkEQ = pln.vectEQ = pln.jettisonEQ = 1;   // a fuselage speed brake
        pln.revthrustEQ = pln.gear_retract = 1;
        rel.lagear[0] = rel.lagear[1] = rel.lagear[2] = 1;
        wire_pilot_input();
        joy.dev.plug(0);
        JOY_init();
    }
    void TearDown() override
    {
        CloseStick();
        joy_set_input_hooks(joy_input_hooks{});
        keys_set_hooks(key_hooks{});
    }
    // Every lever and knob mid-travel, one autopilot mode on, trims centred.
    void mid_positions()
    {
        ins.flap = ins.sbrk = 103;
        ins.vect = 100;
        ins.heat = 30;
        flt.sbrk = 0;
        flt.elv_trim = flt.ail_trim = flt.rud_trim = 0;
        flt.m_jettison = 100;
        for (int e = 0; e < 4; e++) {
            ins.thro[e] = ins.prop[e] = ins.mixt[e] = 30;
            flt.revving_thrust[e] = 0;
        }
        ott = ottostruct{};
        ott.ALHOLD = 1;
        nav.hdsel = nav.obs[0] = nav.obs[1] = 100;
        ins.adf_card = 100;
        ins.baro = 29.92f;
        msc.paused = 0;
        set.parkbrake = 0;
        set.gear_handle = 1;
    }
    // From the mid positions, the key or else a press and release of raw button 1 with fn.
    void press(int key, int fn)
    {
        mid_positions();
        if (key) return keys_handle(key);
        float p, r, h, t;
        set.joy_response[4] = fn;
        joy.dev.buttons(0, 1u);
        JOY_get(&p, &r, &h, &t, 1);
        joy.dev.buttons(0, 0u);
        JOY_get(&p, &r, &h, &t, 1);
    }
    int* levers(int kind) { return kind == 0 ? ins.thro : kind == 1 ? ins.prop : ins.mixt; }
};

TEST_F(CockpitKeys, EveryClickLandsOnItsControlForOneToFourEnginesAndBothStacks)
{
    for (int radiotype = 1; radiotype <= 2; radiotype++)
        for (int engines = 1; engines <= 4; engines++) {
            pln.numen = engines;
            pln.radiotype = radiotype;
            init_panel_layout();
            const std::string where = "radiotype " + std::to_string(radiotype) + ", engines " + std::to_string(engines);
            for (const cockpit_case& c : CASES)
                for (int by_joy = 0; by_joy < 2; by_joy++) {
                    if (by_joy ? !c.joy_fn : !c.key) continue;
                    mid_positions();
                    const float before = c.probe();
                    press(by_joy ? 0 : c.key, c.joy_fn);
                    EXPECT_NE(c.probe(), before) << where << ", key " << c.key << ", button function " << c.joy_fn << ", by button " << by_joy;
                }
            // The reverser, by key and by button, takes every throttle into reverse.
            for (int key : {(int)'.', 0}) {
                press(key, 23);
                for (int e = 0; e < engines; e++) EXPECT_EQ(flt.revving_thrust[e], 1) << where << ", key " << key << ", engine " << e;
            }
            // Each function key moves its own lever; with a hardware throttle the first key of
            // each kind moves all of that kind together and the others rest.
            for (int hardware = 0; hardware < 2; hardware++) {
                set.eq_thr = hardware;
                for (int n = 0; n < 12; n++) {
                    const int kind = n / 4, lever = n % 4;
                    if (lever >= engines) continue;
                    press(lever_key(n), 0);
                    for (int e = 0; e < engines; e++) {
                        const bool moves = hardware ? lever == 0 : e == lever;
                        EXPECT_EQ(levers(kind)[e] != 30, moves) << where << ", hardware " << hardware << ", key " << n << ", engine " << e;
                    }
                }
            }
            set.eq_thr = 0;
        }
}

}  // namespace
