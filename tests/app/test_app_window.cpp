// The window layer over the headless back end, and scripted input.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "2-QZutils/qz_file.h"
#include "2-QZutils/qz_pick.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/records.h"
#include "platform/plat_script.h"
#include "app/app_start.h"
#include "app/app_update.h"
#include "app_test_env.h"
#include "orv_version.h"
#include "platform/plat_backend.h"
#include "support/test_support.h"

using namespace orv;

static int menu_codes[16], menu_count;
static int keys[16], key_count;
static void record_menu(int code) { if (menu_count < 16) menu_codes[menu_count++] = code; }
static void record_key(int c) { if (key_count < 16) keys[key_count++] = c; }

class App_Window : public ::testing::Test {
protected:
    app_test::env e;
    void SetUp() override
    {
        e = app_test::fresh("window");
        msc.prd = 0.05f;
        menu_count = key_count = 0;
        mnw_app_callbacks cb = {};
        cb.handlemenu = record_menu;
        cb.handlekey = record_key;
        cb.update = APPLICATION_update;
        cb.sim_time = app_sim_time;
        cb.command = script_run_command;
        mnw_register_app(cb);
        app_set_fixed_step(1);
    }
    void TearDown() override
    {
        app_set_fixed_step(0);
        register_app_callbacks();
    }
};

static plat_event mouse(int type, int x, int y)
{
    plat_event ev = {};
    ev.type = type;
    ev.x = x;
    ev.y = y;
    return ev;
}

TEST_F(App_Window, MouseIsCountedUpFromTheBottom)
{
    plat_script_push(mouse(PLAT_EV_MOUSE_MOVE, 0, 0));
    MACIBM_event_proc();
    EXPECT_EQ(mnw.mx, 0);
    EXPECT_EQ(mnw.my, 600 - 0 - mnw.y);
    MACIBM_startwind(5);                    // a 246 by 165 window, centred
    EXPECT_EQ(mnw.x, 277);
    EXPECT_EQ(mnw.y, 218);
    plat_script_push(mouse(PLAT_EV_MOUSE_MOVE, 300, 100));
    MACIBM_event_proc();
    EXPECT_EQ(mnw.mx, 23);
    EXPECT_EQ(mnw.my, 600 - 100 - 218);
    EXPECT_STREQ(mnw_window_title(5), "Set Lat/Lon");
}

TEST_F(App_Window, HoldingTheButtonOverASecondIsADelayedDrag)
{
    plat_script_push(mouse(PLAT_EV_MOUSE_DOWN, 400, 300));
    MACIBM_event_proc();
    EXPECT_EQ(mnw.mouse_clicked, 1);
    EXPECT_EQ(mnw.now_dragging, 1);
    EXPECT_EQ(mnw.delay_dragging, 0);
    app_test::clock_ms += 1500;
    MACIBM_event_proc();
    EXPECT_EQ(mnw.mouse_clicked, 0);
    EXPECT_EQ(mnw.delay_dragging, 1);
    plat_script_push(mouse(PLAT_EV_MOUSE_UP, 400, 300));
    MACIBM_event_proc();
    EXPECT_EQ(mnw.mouse_lifted, 1);
    EXPECT_EQ(mnw.now_dragging, 0);
    EXPECT_EQ(mnw.delay_dragging, 0);
}

TEST_F(App_Window, MenuClicksChooseItemsAndSeparatorsCloseTheMenu)
{
    // A bare menu bar and no flight frame: the menus an earlier test built hang submenus
    // from these items, and a frame that shifts the region builds them again.
    std::memset(mnw.menu_name, 0, sizeof mnw.menu_name);
    std::memset(mnw.item_name, 0, sizeof mnw.item_name);
    mnw_app_callbacks cb = {};
    cb.handlemenu = record_menu;
    mnw_register_app(cb);
    MACIBM_create_menu(0, -1, "About");
    MACIBM_append_menu(0, 0, "About");
    MACIBM_create_menu(1, -1, "File");
    MACIBM_append_menu(1, 100, "Open Aircraft");
    MACIBM_append_menu(1, 101, "-");
    MACIBM_append_menu(1, 102, "Load Situation");
    // "About" spans x 10..40, "File" 50..74 on the bar (y 583..600).
    plat_script_push(mouse(PLAT_EV_MOUSE_DOWN, 60, 600 - 590));
    plat_script_push(mouse(PLAT_EV_MOUSE_UP, 60, 600 - 590));
    MACIBM_event_proc();
    ASSERT_EQ(mnw.menu_up, 1);
    MACIBM_event_proc();
    // Items hang from y 583: 100 at 571..583, the separator 569..571, 102 at 557..569.
    plat_script_push(mouse(PLAT_EV_MOUSE_DOWN, 60, 600 - 570));
    MACIBM_event_proc();
    EXPECT_EQ(mnw.menu_up, -1);
    EXPECT_EQ(menu_count, 0);
    plat_script_push(mouse(PLAT_EV_MOUSE_DOWN, 60, 600 - 590));
    MACIBM_event_proc();
    plat_script_push(mouse(PLAT_EV_MOUSE_DOWN, 60, 600 - 560));
    MACIBM_event_proc();
    EXPECT_EQ(mnw.menu_up, -1);
    ASSERT_EQ(menu_count, 1);
    EXPECT_EQ(menu_codes[0], 102);
}

TEST_F(App_Window, MenuIndexErrorsAreFatal)
{
    MACIBM_append_menu(3, 250, "Wrong hundred");
    EXPECT_EQ(app_test::exit_calls, 1);
    EXPECT_STREQ(mnw_last_alert_line(0), "Item index out of range in append_menu!");
    EXPECT_STREQ(mnw_last_alert_line(3), "250");
    MACIBM_create_menu(330, -1, "Too far");
    EXPECT_STREQ(mnw_last_alert_line(0), "Menu index out of range in create_menu!");
}

TEST_F(App_Window, KeysGoToTheFlightOrClickAboveASettingsWindow)
{
    MACIBM_handlekey('w');
    ASSERT_EQ(key_count, 1);
    EXPECT_EQ(keys[0], 'w');
    MACIBM_startwind(9);                    // 691 by 147
    return_hit = 1;
    MACIBM_handlekey('x');
    EXPECT_EQ(key_count, 1);
    EXPECT_EQ(mnw.mx, -1);
    EXPECT_EQ(mnw.my, 149);
    EXPECT_EQ(mnw.mouse_clicked, 1);
    EXPECT_EQ(return_hit, 0);
}

TEST_F(App_Window, FatalAlertFinishesUpAndExitsWithZero)
{
    gdone = 0;
    MACIBM_alert("Something broke.", "Second line", "", 77, ALERT_FATAL_NUM);
    EXPECT_EQ(gdone, 1);
    EXPECT_EQ(app_test::exit_calls, 1);
    EXPECT_EQ(app_test::exit_status, 0);
    EXPECT_STREQ(mnw_last_alert_line(3), "77");
    std::string log = orv_test::read_file(e.work + "/Error.out");
    EXPECT_NE(log.find("alert 83:\n  Something broke.\n  Second line\n  77\n"), std::string::npos) << log;
    MACIBM_alert("", "", "", "", ALERT_ABOUT);
    EXPECT_EQ(std::string(mnw_last_alert_line(3)), std::string("Version ") + ORV_VERSION_TEXT + " Rev B.");
    EXPECT_EQ(app_test::exit_calls, 1);
}

TEST_F(App_Window, ScriptedEventsArriveAtTheirSimulatedTime)
{
    char err[200];
    ASSERT_EQ(script_parse_line("at 0.5 key g   # gear", 1, err, sizeof err), 1) << err;
    ASSERT_EQ(script_parse_line("at 0.2 menu 604", 2, err, sizeof err), 1) << err;
    ASSERT_EQ(script_parse_line("   # only a comment", 3, err, sizeof err), 1);
    ASSERT_EQ(script_parse_line("", 4, err, sizeof err), 1);
    EXPECT_EQ(plat_script_pending(), 2);
    int frames_to_menu = 0, frames_to_key = 0;
    for (int f = 1; f <= 20; f++) {
        MACIBM_event_proc();
        if (!frames_to_menu && menu_count) frames_to_menu = f;
        if (!frames_to_key && key_count) frames_to_key = f;
    }
    EXPECT_EQ(frames_to_menu, 5);            // the pass that starts at 0.2 s (4 frames of 0.05)
    EXPECT_EQ(frames_to_key, 11);
    EXPECT_EQ(menu_codes[0], 604);
    EXPECT_EQ(keys[0], 'g');
}

static float got_args[4];
static int   got_calls;
static void throttle(const float* a, int n)
{
    got_calls++;
    for (int i = 0; i < n && i < 4; i++) got_args[i] = a[i];
}

TEST_F(App_Window, RegisteredCommandsAndClicks)
{
    int code = register_script_command("test_throttle", 2, throttle);
    if (code < 0) GTEST_SKIP() << "already registered by an earlier run in this process";
    EXPECT_EQ(register_script_command("test_throttle", 2, throttle), -1);
    EXPECT_EQ(register_script_command("menu", 1, throttle), -1);
    char err[200];
    ASSERT_EQ(script_parse_line("at 0 test_throttle 0.75 1", 1, err, sizeof err), 1) << err;
    ASSERT_EQ(script_parse_line("at 0 click 400 10", 2, err, sizeof err), 1) << err;
    EXPECT_EQ(script_parse_line("at 0 test_throttle 0.75", 3, err, sizeof err), 0);
    EXPECT_NE(std::strstr(err, "line 3"), nullptr) << err;
    got_calls = 0;
    MACIBM_event_proc();
    EXPECT_EQ(got_calls, 1);
    EXPECT_FLOAT_EQ(got_args[0], 0.75f);
    EXPECT_FLOAT_EQ(got_args[1], 1.0f);
    EXPECT_EQ(mnw.mouse_clicked, 1);
    EXPECT_EQ(mnw.mx, 400);
    EXPECT_EQ(mnw.my, 10);                   // screen y counts up from the bottom
    EXPECT_EQ(mnw.now_dragging, 1);          // released with the next pass
    MACIBM_event_proc();
    EXPECT_EQ(mnw.now_dragging, 0);
    EXPECT_EQ(mnw.mouse_lifted, 1);
}

// The alert's text line and OK button, and the save window's keys.
class App_Dialogs : public ::testing::Test {
protected:
    app_test::env e;
    void SetUp() override { e = app_test::fresh("window_review"); }
};

TEST_F(App_Dialogs, AlertTextLineHoldsAtMostThirtyOneCharacters)
{
    MACIBM_alert("A first line much longer than thirty-one characters", "", "", "", ALERT_NOTE);
    MACIBM_startwind(996);
    MACIBM_handlekey('x');
    EXPECT_EQ(std::strlen(mnw_last_alert_line(0)), 31u);
    EXPECT_EQ(mnw_last_alert_line(0)[30], 'x');
    MACIBM_handlekey('y');                        // the 31st character is replaced again
    EXPECT_STREQ(mnw_last_alert_line(0), "A first line much longer than y");
    return_hit = 0;
    MACIBM_handlekey(13);                         // Enter closes the alert
    EXPECT_EQ(mnw.topwin, 0);
    EXPECT_EQ(return_hit, 0);
}

TEST_F(App_Dialogs, ClickOnOkClosesTheAlertAndForgetsEnter)
{
    MACIBM_startwind(996);
    return_hit = 1;
    mnw.mx = 10;                                  // left of the button: nothing
    mnw.my = 20;
    MACIBM_handleclick();
    EXPECT_EQ(mnw.topwin, 996);
    mnw.mx = 200;
    MACIBM_handleclick();
    EXPECT_EQ(mnw.topwin, 0);
    EXPECT_EQ(return_hit, 0);
    EXPECT_EQ(mnw.x, 0);
    EXPECT_EQ(mnw.dx, 800);
}

TEST_F(App_Dialogs, SaveWindowKeysEditTheNameItSavesUnder)
{
    MACIBM_alert("Last alert text", "", "", "", ALERT_NOTE);
    MACIBM_startwind(999);
    std::snprintf(g_cs1, NAME_LEN, "%s", "Untitled.sit");
    for (int i = 0; i < 4; i++) MACIBM_handlekey(8);
    MACIBM_handlekey('2');
    EXPECT_STREQ(g_cs1, "Untitled2");
    EXPECT_STREQ(mnw_last_alert_line(0), "Last alert text");   // the alert's line is not the name
    return_hit = 0;
    MACIBM_handlekey(13);
    EXPECT_EQ(return_hit, 1);
    return_hit = 0;
}

namespace {
std::string shot_path;
int shot_keep = -1;
int record_shot(const char* path, int keep) { shot_path = path; shot_keep = keep; return 1; }
int  pic_init(int, int, const char*) { return PLAT_INIT_OK; }
int  pic_pump(double now, plat_event* ev) { return plat_headless_backend()->pump(now, ev); }
void pic_nothing() {}
void pic_alert(const char* const*, int) {}
const plat_backend picture_backend = {"picture", 0, pic_init, pic_pump, pic_nothing, pic_alert, pic_nothing,
                                      1, nullptr, nullptr, nullptr, nullptr, record_shot};
}  // namespace

TEST_F(App_Window, ScreenshotCommandAsksTheBackEndForTheNextFrame)
{
    char err[200];
    EXPECT_EQ(script_parse_line("at 0 screenshot", 1, err, sizeof err), 0);
    EXPECT_EQ(script_parse_line("at 0 screenshot a.png b.png", 2, err, sizeof err), 0);
    ASSERT_EQ(script_parse_line("at 0 screenshot mid flight.png", 3, err, sizeof err), 0);   // one name, no blanks
    ASSERT_EQ(script_parse_line("at 0 screenshot mid.png", 4, err, sizeof err), 1) << err;
    EXPECT_EQ(register_script_command("screenshot", 1, throttle), -1);
    shot_path.clear();
    MACIBM_event_proc();                       // headless: nothing to take, said in the log
    EXPECT_TRUE(shot_path.empty());
    ASSERT_EQ(script_parse_line("at 0 screenshot later.png", 5, err, sizeof err), 1) << err;
    plat_backend_install(&picture_backend);
    ogl_ready = 1;
    MACIBM_event_proc();
    ogl_ready = 0;
    plat_backend_install(nullptr);
    EXPECT_EQ(shot_path, "later.png");
    EXPECT_EQ(shot_keep, 0);                   // this one frame, not every frame to the end
}

TEST_F(App_Window, KeyThatClosesAnAlertIsNotAlsoGivenToTheFlight)
{
    MACIBM_startwind(996);
    plat_event enter = {};
    enter.type = PLAT_EV_KEY;
    enter.key = 13;
    plat_script_push(enter);
    plat_script_push(enter);
    MACIBM_event_proc();
    EXPECT_EQ(mnw.topwin, 0);
    EXPECT_EQ(key_count, 0);
    EXPECT_EQ(plat_script_pending(), 1);       // the second Enter waits for the next pass
    MACIBM_event_proc();
    ASSERT_EQ(key_count, 1);
    EXPECT_EQ(keys[0], 13);
}
