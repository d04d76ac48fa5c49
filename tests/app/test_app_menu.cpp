// Menu commands without a region: Quit, the logbook, "Reset Preferences and Exit" and codes
// that are no command.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "2-QZutils/qz_file.h"
#include "2-QZutils/qz_pick.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/records.h"
#include "app/app_menu.h"
#include "app/app_prefs.h"
#include "app/app_start.h"
#include "app_test_env.h"
#include "support/test_support.h"

using namespace orv;

class App_Menu : public ::testing::Test {
protected:
    app_test::env e;
    void SetUp() override { e = app_test::fresh("menu"); }
};

TEST_F(App_Menu, QuitWritesPreferencesAndEndsTheLoop)
{
    app_test::fill_unusual();
    msc.logtime = 0;
    gdone = 0;
    APPLICATION_handlemenu(MENU_QUIT);
    EXPECT_EQ(gdone, 1);
    std::string text = orv_test::read_file(app_test::prefs_file(e));
    EXPECT_EQ(text.rfind("I\n462 version\nRacer 2.acf\n", 0), 0u);
}

TEST_F(App_Menu, QuitIsIgnoredDuringReplay)
{
    set.replay_mode = 3;
    gdone = 0;
    APPLICATION_handlemenu(MENU_QUIT);
    EXPECT_EQ(gdone, 0);
    EXPECT_TRUE(orv_test::read_file(app_test::prefs_file(e)).empty());
}

TEST_F(App_Menu, LogbookOnQuit)
{
    msc.logtime = 1;
    msc.elap_time = 2 * 3600 + 5 * 60 + 10;
    msc.nigt_time = 45 * 60;
    msc.aifr_time = 0;
    APPLICATION_handlemenu(MENU_QUIT);
    EXPECT_STREQ(mnw_last_alert_line(0), "Logbook results:");
    EXPECT_STREQ(mnw_last_alert_line(1), "Total time logged:2:5.");
    EXPECT_STREQ(mnw_last_alert_line(2), "Night time logged:0:45.");
    EXPECT_STREQ(mnw_last_alert_line(3), "Actual instrument time logged:0:0.");
}

TEST_F(App_Menu, ResetDisablesTheFileAndTheNextStartTakesDefaults)
{
    app_test::fill_unusual();
    ASSERT_EQ(write_prefs_file(), 1);
    APPLICATION_handlemenu(MENU_RESET_PREFS);
    EXPECT_EQ(app_test::exit_calls, 1);
    EXPECT_EQ(app_test::exit_status, 0);
    EXPECT_EQ(orv_test::read_file(app_test::prefs_file(e)), "I\n-1 version\nz\n\n");
    EXPECT_STREQ(mnw_last_alert_line(0), "I have disabled the preferences file.");

    // Next start: the disabled file is refused, so the welcome and the aircraft dialog come.
    e = app_test::fresh("menu2");
    std::string prf = orv_test::write_file(app_test::prefs_file(e), "I\n-1 version\nz\n\n");
    std::string acf = orv_test::write_file(e.work + "/A.acf", "i");
    for (char& c : acf) if (c == '/') c = '\\';
    picker_queue_answer(acf.c_str());
    initprefs();
    EXPECT_EQ(app_test::exit_calls, 0);
    EXPECT_STREQ(mnw_last_alert_line(0), "Welcome to Vantorel for Linux.");
    EXPECT_FLOAT_EQ(msc.prd, 0.05f);
}

TEST_F(App_Menu, UnknownCommandsOnlyLeaveALine)
{
    set_constants();
    settingstruct s0 = set;
    int alerts = mnw_alert_count();
    APPLICATION_handlemenu(700);               // an item that only opens its submenu
    EXPECT_EQ(mnw_alert_count(), alerts);
    EXPECT_EQ(std::memcmp(&s0, &set, sizeof set), 0);
    MACIBM_finishup();                         // flushes and closes Error.out
    std::string log = orv_test::read_file(e.work + "/Error.out");
    EXPECT_NE(log.find("menu command 700"), std::string::npos);
}
