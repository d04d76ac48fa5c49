// The keyboard: the view ring, upper against lower case, the keypad yoke, arrows under a
// settings window, the flap and speed-brake detents through the panel, function keys, and
// the radio tuning steps.
#include <gtest/gtest.h>

#include <vector>

#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/qz_tune.h"
#include "2-QZutils/records.h"
#include "input/keys.h"
#include "input/views_keys.h"
#include "platform/plat_backend.h"

namespace orv {
namespace {

key_panel panel;
struct click_at { int x, y; };
std::vector<click_at> clicks;

int fill_panel(key_panel* out)
{
    *out = panel;
    return 1;
}

// A click on the flap or speed-brake column moves that knob to the click, as the panel does.
void panel_click(int x, int y)
{
    clicks.push_back({x, y});
    if (x == panel.oseng + 650) panel.flap = y;
    if (x == panel.oseng + 698) panel.sbrk = y;
}

struct Keys : ::testing::Test {
    void SetUp() override
    {
        set = settingstruct{};
        msc = miscstruct{};
        nav = navstruct{};
        scn.zoom = 1;
        scn.psi = scn.the = 0;
        mnw.topwin = 0;
        con.dgrtorad = 3.14159265f / 180;
        msc.prd = 0.05f;
        panel = key_panel{};
        panel.oseng = 10;
        panel.osrad = 200;
        clicks.clear();
        key_hooks h = {};
        h.panel_click = panel_click;
        h.panel_layout = fill_panel;
        keys_set_hooks(h);
    }
    void TearDown() override { keys_set_hooks(key_hooks{}); }
};

TEST_F(Keys, QEightTimesGoesRoundTheRingBackToForward)
{
    set.view_type = VIEW_FORWARD;
    const int ring[8] = {504, 506, 508, 511, 509, 507, 505, 500};
    for (int i = 0; i < 8; i++) {
        keys_handle('q');
        EXPECT_EQ(set.view_type, ring[i]) << i;
    }
    EXPECT_EQ(set.view_is_fullscreen, 0);   // the forward view keeps the panel
    set.view_type = VIEW_CHASE;             // off the ring: one step off forward
    keys_handle('e');
    EXPECT_EQ(set.view_type, VIEW_RIGHT45);
    EXPECT_EQ(set.view_is_fullscreen, 1);
    EXPECT_EQ(msc.key_pressed, 'e');
}

TEST_F(Keys, UpperAndLowerCaseAreDifferentCommands)
{
    set.view_type = VIEW_BACK;
    nav.cf[0] = 12270;
    keys_handle('W');
    EXPECT_EQ(nav.cf[0], 12370);
    EXPECT_EQ(set.view_type, VIEW_BACK);
    keys_handle('w');
    EXPECT_EQ(set.view_type, VIEW_FORWARD);
    EXPECT_EQ(nav.cf[0], 12370);
}

TEST_F(Keys, KeypadYokeClampsAndFiveLeavesPitch)
{
    set.MK_ptch = 0.3f;
    set.MK_roll = 0.5f;
    set.MK_hdng = -0.2f;
    keys_handle(PLAT_KEY_KP0 + 5);
    EXPECT_FLOAT_EQ(set.MK_ptch, 0.3f);
    EXPECT_EQ(set.MK_roll, 0.0f);
    EXPECT_EQ(set.MK_hdng, 0.0f);
    for (int i = 0; i < 30; i++) keys_handle(PLAT_KEY_KP0 + 2);
    EXPECT_EQ(set.MK_ptch, 1.0f);
    for (int i = 0; i < 30; i++) keys_handle(PLAT_KEY_KP0 + 4);
    EXPECT_EQ(set.MK_roll, -1.0f);
    keys_handle(PLAT_KEY_KP0 + 3);
    EXPECT_FLOAT_EQ(set.MK_hdng, 0.1f);
}

TEST_F(Keys, ArrowsPanOnlyWhileNoSettingsWindowIsUp)
{
    mnw_app_callbacks cb = {};
    cb.handlekey = keys_handle;
    mnw_register_app(cb);
    scn.psi = 90;                           // looking east
    msc.spotview_X = 1000;
    mnw.topwin = 5;
    MACIBM_handlekey(PLAT_KEY_UP);
    MACIBM_handlekey(PLAT_KEY_LEFT);
    EXPECT_EQ(msc.spotview_X, 1000.0f);
    EXPECT_EQ(msc.freeviewXZ, 0.0f);
    mnw.topwin = 0;
    MACIBM_handlekey(PLAT_KEY_UP);          // the spot camera moves 100 m along the view
    EXPECT_NEAR(msc.spotview_X, 1100.0f, 1e-3f);
    EXPECT_NEAR(msc.spotview_Z, 0.0f, 1e-3f);
    EXPECT_NEAR(msc.freeviewY, 0.05f, 1e-6f);
    MACIBM_handlekey(PLAT_KEY_LEFT);        // wraps below 0 into 0..2 pi
    EXPECT_NEAR(msc.freeviewXZ, 6.28318531f - 0.05f, 1e-5f);
    mnw_register_app(mnw_app_callbacks{});
}

TEST_F(Keys, FlapAndSpeedBrakeKeysStepThroughTheDetents)
{
    panel.flap = 127;
    const int down[5] = {117, 103, 88, 73, 73};
    for (int y : down) {
        keys_handle('2');
        EXPECT_EQ(panel.flap, y);
    }
    const int up[5] = {88, 103, 117, 127, 127};
    for (int y : up) {
        keys_handle('1');
        EXPECT_EQ(panel.flap, y);
    }
    EXPECT_EQ(clicks.back().x, 10 + 650);
    panel.sbrk = 93;
    const int out[4] = {103, 113, 123, 123};
    for (int y : out) {
        keys_handle('5');
        EXPECT_EQ(panel.sbrk, y);
    }
    keys_handle('6');
    EXPECT_EQ(panel.sbrk, 113);
}

TEST_F(Keys, FunctionKeysClickTheLeversAboveTheirKnobs)
{
    panel.thro_x[1] = 40;
    panel.thro[1] = 30;
    panel.mixt_x[0] = 100;
    panel.mixt[0] = 20;
    set.thro_pot = 1;
    keys_handle(PLAT_KEY_F1 + 1);           // F2: throttle 2
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0].x, 10 + 40 + 6);
    EXPECT_EQ(clicks[0].y, 35);
    EXPECT_EQ(set.thro_pot, 0);
    keys_handle(PLAT_KEY_SHIFT_F1 + 1);
    EXPECT_EQ(clicks[1].y, 39);
    keys_handle(PLAT_KEY_F1 + 8);           // F9: mixture 1
    EXPECT_EQ(clicks[2].x, 10 + 100 + 4);
    EXPECT_EQ(clicks[2].y, 31);
    set.eq_thr = 1;                         // a hardware throttle: only the first lever of a kind
    keys_handle(PLAT_KEY_F1 + 1);
    EXPECT_EQ(clicks.size(), 3u);
    keys_handle(PLAT_KEY_F1 + 0);
    EXPECT_EQ(clicks[3].x, 10 + 6);         // engine 0's own column, not a fixed one
}

TEST_F(Keys, AutopilotOffWithoutAPanelClearsEveryMode)
{
    keys_set_hooks(key_hooks{});
    ott.NAV[1] = ott.ALHOLD = ott.GS2 = 1;
    keys_handle('!');
    EXPECT_EQ(ott.HDSLCT + ott.NAV[0] + ott.NAV[1] + ott.ALHOLD + ott.VVHOLD + ott.GS2 + ott.ASHOLD, 0);
}

TEST(RadioTuning, DigitsWrapWithoutCarrying)
{
    int com = 13695;
    COMinc(&com, 50);
    EXPECT_EQ(com, 13600);
    COMinc(&com, 1000);
    EXPECT_EQ(com, 11800);
    int navf = 10800;
    NAVinc(&navf, -1000);
    EXPECT_EQ(navf, 11700);
    NAVinc(&navf, -50);
    EXPECT_EQ(navf, 11795);
    int adf = 950;
    ADFinc(&adf, 100);
    EXPECT_EQ(adf, 50);
    ADFinc(&adf, -1);
    EXPECT_EQ(adf, 59);
    int digit = 7;
    XPNinc(&digit, 1);
    EXPECT_EQ(digit, 0);
    XPNinc(&digit, -1);
    EXPECT_EQ(digit, 7);
}

}  // namespace
}  // namespace orv
