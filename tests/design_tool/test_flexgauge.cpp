// The design tool run headless: its default aircraft, the stock fleet opened and saved
// back, the File menu's guard of unsaved work, the view keys and the body smoothing.
#include <cmath>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "2-QZutils/acf_parts.h"
#include "2-QZutils/qz_file.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/qz_pick.h"
#include "2-QZutils/records.h"
#include "aircraft/acf_io.h"
#include "aircraft/initpln.h"
#include "design_tool/fg_baseplane.h"
#include "design_tool/fg_file.h"
#include "design_tool/fg_main.h"
#include "design_tool/fg_menu.h"
#include "design_tool/fg_plot.h"
#include "design_tool/fg_prefs.h"
#include "platform/plat_backend.h"
#include "support/test_support.h"

namespace fs = std::filesystem;
using namespace orv;

namespace {

class Flexgauge : public ::testing::Test {
protected:
    std::string work;
    void SetUp() override
    {
        work = orv_test::temp_dir("flexgauge");
        plat_backend_install(nullptr);
        picker_clear_answers();
        mnw_set_dirs(ORV_BINARY_DIR, work.c_str());
        fg_start();
        ASSERT_FALSE(gdone);
    }
    void TearDown() override { MACIBM_finishup(); }
};

std::vector<std::string> stock_aircraft()
{
    std::vector<std::string> out;
    const fs::path root = fs::path(ORV_BINARY_DIR) / "Aircraft";
    if (!fs::is_directory(root)) return out;
    for (const auto& folder : fs::directory_iterator(root))
        for (const auto& f : fs::directory_iterator(folder.path()))
            if (f.path().extension() == ".acf") out.push_back(f.path().string());
    return out;
}

int menu_holds(int m, const char* text)
{
    for (int k = 0; k < MENU_ITEMS; k++)
        if (!std::strcmp(mnw.item_name[m][k], text)) return 1;
    return 0;
}

}  // namespace

TEST_F(Flexgauge, DefaultAircraftHoldsTheBaseDesign)
{
    for (int round = 0; round < 20; round++) {
        setup_baseplane("Untitled.acf", "Untitled.acf");
        const char* t = pln.tailnum;
        ASSERT_EQ(std::strlen(t), 6u) << t;
        EXPECT_EQ(t[0], 'N');
        for (int i = 1; i <= 3; i++) EXPECT_TRUE(t[i] >= '0' && t[i] <= '9') << t;
        for (int i = 4; i <= 5; i++) EXPECT_TRUE(t[i] >= 'A' && t[i] <= 'Z') << t;
    }
    EXPECT_EQ(msc.planemod, 0);
    EXPECT_EQ(msc.planenamed, 0);
    EXPECT_EQ(pln.els[PART_PROP1], 8);
    EXPECT_EQ(pln.els[PART_WING2R], 6);
    EXPECT_EQ(pln.els[PART_HSTABL], 4);
    for (int p = PART_VSTAB1; p <= PART_PYLON4; p++) {
        EXPECT_EQ(pln.els[p], 4) << p;
        EXPECT_EQ(pln.dihed[p], 90.0f) << p;
    }
    EXPECT_STREQ(pln.Tafl1[PART_PROP4], "Clark-Y (good propeller).afl");
    EXPECT_STREQ(pln.Rafl0[PART_WING3L], "NACA 2412 (popular).afl");
    EXPECT_STREQ(pln.Tafl0[PART_VSTAB2], "NACA 0009 (symmetrical).afl");
    EXPECT_STREQ(pln.flap_str, "plain flap.flp");
    // Every body's stations are rings round the body line, evenly spaced along it.
    for (int p = PART_FUSE; p <= PART_FAIR3; p++) {
        const int ns = f_body_s_dim(p), np = f_body_r_dim(p);
        const float dz = pln.body_Z[p][1][0] - pln.body_Z[p][0][0];
        ASSERT_GT(dz, 0.0f) << p;
        for (int s = 0; s < ns; s++) {
            EXPECT_NEAR(pln.body_Z[p][s][0] - pln.body_Z[p][0][0], s * dz, 1e-3f) << p << " station " << s;
            const float r = std::hypot(pln.body_X[p][s][0], pln.body_Y[p][s][0]);
            for (int k = 0; k < np; k++)
                EXPECT_NEAR(std::hypot(pln.body_X[p][s][k], pln.body_Y[p][s][k]), r, 1e-4f) << p << "/" << s << "/" << k;
        }
    }
}

TEST_F(Flexgauge, DefaultAircraftSavedLoadsInTheSimulatorWithoutComplaint)
{
    const std::string path = work + "/Default.acf";
    ASSERT_EQ(fg_save_aircraft_to(path.c_str()), 1);
    EXPECT_EQ(fs::file_size(path), (std::uintmax_t)ACF_FILE_BYTES);
    EXPECT_EQ(msc.planenamed, 1);
    const int alerts = mnw_alert_count();
    ASSERT_EQ(load_plane_file(path.c_str()), 1);
    EXPECT_EQ(mnw_alert_count(), alerts) << mnw_last_alert_line(0);
    EXPECT_GT(pln.m_max, 700.0f);            // now kilograms: the loader converted the pounds
}

TEST_F(Flexgauge, EveryStockAircraftOpensAndSavesToTheSameRecord)
{
    const auto fleet = stock_aircraft();
    ORV_NEED_DATA(fleet.size() >= 7, "the stock fleet");
    int helicopters = 0;
    static planestruct opened, back;
    for (const std::string& acf : fleet) {
        SCOPED_TRACE(acf);
        const int alerts = mnw_alert_count();
        ASSERT_EQ(fg_load_aircraft(acf.c_str()), 1);
        EXPECT_EQ(mnw_alert_count(), alerts) << mnw_last_alert_line(0);
        EXPECT_GT(find_dis_to_plane(), pln.semilen[PART_PROP1]);
        // The menus follow the aircraft's kind.
        EXPECT_EQ(menu_holds(2, "Main Rotor"), pln.is_heli);
        EXPECT_EQ(menu_holds(2, "Wing 1"), !pln.is_heli);
        helicopters += pln.is_heli;
        std::memcpy(&opened, &pln, sizeof opened);
        const std::string copy = work + "/" + fs::path(acf).filename().string();
        ASSERT_EQ(fg_save_aircraft_to(copy.c_str()), 1);
        ASSERT_EQ(read_acf(copy.c_str(), back), ACF_READ_OK);
        EXPECT_EQ(std::memcmp(&back, &pln, sizeof back), 0);
        // Only the file's own name and path changed with the save.
        EXPECT_EQ(std::memcmp(&back.is_heli, &opened.is_heli, sizeof back - offsetof(planestruct, is_heli)), 0);
    }
    EXPECT_EQ(helicopters, 1);
}

TEST_F(Flexgauge, AFailedSaveKeepsTheDesignAndItsName)
{
    fg_smooth_body(PART_FUSE, 0);
    ASSERT_EQ(msc.planemod, 1);
    const std::string before = pln.C_path;
    const int alerts = mnw_alert_count();
    const std::string nowhere = work + "/no such folder/Plane.acf";
    EXPECT_EQ(fg_save_aircraft_to(nowhere.c_str()), 0);
    EXPECT_GT(mnw_alert_count(), alerts);
    EXPECT_STREQ(mnw_last_alert_line(0), "I could not save the file! Could the directory that the file sits in be missing?");
    EXPECT_EQ(before, pln.C_path);
    EXPECT_EQ(msc.planemod, 1);
    EXPECT_EQ(msc.planenamed, 0);
    // Save As through the picker, a name typed without its suffix.
    picker_queue_answer((work + "/Mine").c_str());
    fg_handle_menu(FG_MENU_SAVE);
    EXPECT_TRUE(fs::exists(work + "/Mine.acf"));
    EXPECT_EQ(msc.planemod, 0);
    EXPECT_STREQ(pln.C_file, "Mine.acf");
}

TEST_F(Flexgauge, UnsavedChangesAreWarnedBeforeTheyAreDropped)
{
    fg_handle_key('F');                 // a change: the fuselage smoothed
    ASSERT_EQ(msc.planemod, 1);
    const int alerts = mnw_alert_count();
    fg_handle_menu(FG_MENU_QUIT);
    EXPECT_FALSE(gdone);
    EXPECT_EQ(mnw_alert_count(), alerts + 1);
    fg_handle_menu(FG_MENU_NEW);        // another command is warned on its own
    EXPECT_EQ(msc.planemod, 1);
    fg_handle_menu(FG_MENU_NEW);        // repeated, it goes ahead
    EXPECT_EQ(msc.planemod, 0);
    msc.zoom = 2.5f;
    msc.bluesky = 1;
    fg_handle_menu(FG_MENU_QUIT);       // nothing left to lose: no warning
    EXPECT_TRUE(gdone);
    EXPECT_EQ(mnw_alert_count(), alerts + 2);
    // Quit kept the view in the tool's own preferences.
    msc.zoom = 1.0f;
    msc.bluesky = 0;
    fg_read_prefs();
    EXPECT_EQ(msc.zoom, 2.5f);
    EXPECT_EQ(msc.bluesky, 1);
    EXPECT_TRUE(fs::exists(work + "/Flexgauge.prf"));
}

TEST_F(Flexgauge, TheMenuBarStaysLiveAboveADesignWindow)
{
    MACIBM_startwind(FG_STANDARD_FIRST + 12);
    mnw_layout_menu_bar();
    mnw.mx = (mnw.menux1[1] + mnw.menux2[1]) / 2;      // on the title "File"
    mnw.my = 590;
    mnw.mouse_clicked = 1;
    MACIBM_handleclick();
    EXPECT_EQ(mnw.menu_up, 1);
    EXPECT_EQ(mnw.mouse_clicked, 0);                   // the window below does not see it
    plat_event key = {};
    key.type = PLAT_EV_KEY;
    key.key = 'x';
    plat_script_push(key);
    const float zoom = msc.zoom;
    MACIBM_event_proc();
    EXPECT_GT(msc.zoom, zoom);
}

TEST_F(Flexgauge, ViewKeysAndModeSwitch)
{
    const float zoom = msc.zoom, psi = msc.psi;
    fg_handle_key('x');
    EXPECT_GT(msc.zoom, zoom);
    fg_handle_key('D');                 // capital view keys act as the small ones
    EXPECT_NE(msc.psi, psi);
    fg_handle_key('j');
    EXPECT_LT(msc.xos, 0.0f);
    EXPECT_EQ(msc.planemod, 0);         // the view is no design change
    fg_handle_menu(FG_SPECIAL_FIRST + 10);   // helicopter-making mode
    EXPECT_EQ(pln.is_heli, 1);
    EXPECT_TRUE(menu_holds(2, "Tail Rotor"));
    EXPECT_TRUE(menu_holds(3, "Stability-Augmentation"));
    EXPECT_EQ(msc.planemod, 1);
    // A design command opens its window: here the helicopter's main rotor.
    fg_handle_menu(FG_STANDARD_FIRST + 4);
    EXPECT_EQ(mnw.topwin, FG_STANDARD_FIRST + 4);
}

TEST_F(Flexgauge, SmoothingMakesEllipsesAndEvensThemAlong)
{
    const int p = PART_FUSE, np = f_body_r_dim(p);
    round_body(p, 2.0f, 0.0f, 20.0f);
    pln.body_X[p][5][3] += 0.9f;        // a dent on the right side of station 5
    pln.body_Y[p][6][0] += 1.2f;        // a bump on top of station 6
    fg_smooth_body(p, 0);
    for (int k = 1; k < np / 2; k++)    // left and right mirror each other again
        EXPECT_NEAR(pln.body_X[p][5][k], -pln.body_X[p][5][np - k], 1e-5f) << k;
    const float top6 = pln.body_Y[p][6][0], top5 = pln.body_Y[p][5][0], top7 = pln.body_Y[p][7][0];
    fg_smooth_body(p, 1);
    EXPECT_LT(pln.body_Y[p][6][0], top6);                    // the bump is shared with its neighbours
    EXPECT_GT(pln.body_Y[p][5][0] + pln.body_Y[p][7][0], top5 + top7);
    EXPECT_EQ(pln.body_Z[p][6][0], 12.0f);                   // stations stay where they were
}

TEST(FlexgaugeOptions, CommandLine)
{
    fg_options o;
    char err[200];
    char prog[] = "flexgauge", acf[] = "A.acf", shot[] = "--screenshot", png[] = "a.png", pick[] = "--pick",
         two[] = "B.acf", frames[] = "--frames", zero[] = "0";
    char* ok[] = {prog, acf, shot, png, pick, two};
    ASSERT_EQ(fg_parse_command_line(6, ok, &o, err, sizeof err), 1) << err;
    EXPECT_STREQ(o.aircraft, "A.acf");
    EXPECT_STREQ(o.screenshot, "a.png");
    EXPECT_EQ(o.picks, 1);
    char* second_file[] = {prog, acf, two};
    EXPECT_EQ(fg_parse_command_line(3, second_file, &o, err, sizeof err), 0);
    char* bad_frames[] = {prog, frames, zero};
    EXPECT_EQ(fg_parse_command_line(3, bad_frames, &o, err, sizeof err), 0);
    char* dangling[] = {prog, shot};
    EXPECT_EQ(fg_parse_command_line(2, dangling, &o, err, sizeof err), 0);
}
