// Every menu code, chosen through the scripted input, on a simulator started at San Bernardino
// with the stock trainer and the build's data tree: the menus it builds, the windows, starts
// and alerts each code gives, what closing a window applies, and the situation files.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "2-QZutils/qz_file.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/qz_pick.h"
#include "2-QZutils/qz_sound.h"
#include "2-QZutils/records.h"
#include "app/app_goto.h"
#include "app/app_menu.h"
#include "platform/plat_script.h"
#include "app/app_situation.h"
#include "app/app_start.h"
#include "app/app_update.h"
#include "flight/flt_init.h"
#include "flight/funct.h"
#include "platform/plat_backend.h"
#include "world/nav_db.h"
#include "world/region.h"
#include "world/region_shift.h"
#include "app_test_env.h"
#include "support/sound_recorder.h"
#include "support/test_support.h"

using namespace orv;
using orv_test::sound_log;

namespace {

const std::string TRAINER = std::string(ORV_BINARY_DIR) + "/Aircraft/Trainer 172/Trainer 172.acf";
const std::string BARON = std::string(ORV_BINARY_DIR) + "/Aircraft/Twin Baron 55/Twin Baron 55.acf";

std::string system_form(std::string p)
{
    for (char& c : p)
        if (c == '/') c = '\\';
    return p;
}

// The menu command as a script line would give it, dispatched by one pass of the event loop
// (without the frame that pass would run, so the records show the command's effect alone).
void choose(int code)
{
    char line[40], err[200];
    std::snprintf(line, sizeof line, "at 0 menu %d", code);
    plat_script_clear();
    ASSERT_EQ(script_parse_line(line, 1, err, sizeof err), 1) << err;
    up_handled = 0;
    MACIBM_event_proc();
    up_handled = 1;
    ASSERT_EQ(plat_script_pending(), 0) << code;
}

struct where { double X, Y, Z; float psi, v; };
where now() { return {flt.X, flt.Y, flt.Z, flt.psi, flt.v}; }
bool same_place(const where& a, const where& b) { return a.X == b.X && a.Y == b.Y && a.Z == b.Z && a.psi == b.psi; }

class MenuCodes : public ::testing::Test {
protected:
    app_test::env e;
    void SetUp() override
    {
        if (orv_test::read_file(TRAINER).empty()) GTEST_SKIP() << "no stock aircraft in this build";
        e = app_test::fresh("menu_codes", false);
        mnw_set_dirs(ORV_BINARY_DIR, e.config.c_str());
        region_set_generation(1);
        ASSERT_EQ(start_simulator(nullptr, 1, 77, TRAINER.c_str()), 1);
        mnw.topwin = 0;
    }
    void TearDown() override { MACIBM_finishup(); }
    int alerts_after(int code)
    {
        const int before = mnw_alert_count();
        choose(code);
        return mnw_alert_count() - before;
    }
};

}  // namespace

TEST_F(MenuCodes, BarAndRegionListsFollowTheLoadedRegion)
{
    std::string bar;
    for (int m = 0; m < MENU_COUNT; m++) bar += mnw.menu_prnt[m] == -1 ? std::string(mnw.menu_name[m]) + " " : "";
    EXPECT_EQ(bar, "About File Location Settings Output View Special ");
    for (int item : {200, 202, 203, 205, 206, 215}) EXPECT_GE(mnw_submenu_of(item), 7) << item;

    int in_region = 0;
    for (int a = 0; a <= env.aptmax; a++) in_region += apt_inreg[a];
    ASSERT_EQ(env.apt_list_max + 1, std::min(in_region, REG_LIST_CAP));
    for (int n = 0; n <= env.apt_list_max; n++) {
        const int a = apt_to_index[n];
        EXPECT_EQ(std::strncmp(mnw.item_name[7][n], apt_name[a], 25), 0) << n;
        int runways = 0;
        for (int r = 0; r < APT_RWYS; r++) runways += apt_len[a][r] > 1;
        for (int list : {7, 8, 9}) {
            const int sub = mnw_submenu_of(list * 100 + n);
            int ends = 0;
            for (int k = 0; k < 100; k++) ends += mnw.item_name[sub][k][0] != 0;
            EXPECT_EQ(ends, 2 * runways) << n;
            EXPECT_STRNE(mnw.item_name[sub][0], mnw.item_name[sub][1]) << n;   // two different ends
        }
        EXPECT_STREQ(mnw.item_name[4][menu_chart_code(n) - 400], mnw.item_name[7][n]);
    }
    EXPECT_STREQ(mnw.item_name[4][menu_reset_path_code() - 400], "Reset Flight Path");
    EXPECT_EQ(menu_reset_path_code(), 410 + env.apt_list_max);
    EXPECT_STREQ(mnw.item_name[10][0], nav_name[vor_to_index[0]]);
    EXPECT_STREQ(mnw.item_name[11][0], nav_name[ndb_to_index[0]]);

    // A new region rebuilds them: the first airport of the list now lies round Denver.
    gotofield("KDEN", 0);
    const int a = apt_to_index[0];
    EXPECT_GT(apt_lat[a][0], 38.0f);
    EXPECT_EQ(std::strncmp(mnw.item_name[7][0], apt_name[a], 25), 0);
}

TEST_F(MenuCodes, WindowItemsOnlyOpenTheirWindow)
{
    // Window and map chart: the Location menu's maps are the Output menu's first two charts.
    struct { int code, window, map_type; } items[] = {
        {208, 1, 0}, {209, 2, 0}, {210, 3, 402}, {211, 3, 403}, {212, 4, 0}, {213, 5, 0}, {229, 6, 0},
        {402, 3, 402}, {403, 3, 403}, {404, 3, 404}, {405, 23, 0}, {406, 4, 0},
    };
    const where start = now();
    for (const auto& i : items) {
        msc.map_type = 0;
        choose(i.code);
        EXPECT_EQ(mnw.topwin * 1000 + msc.map_type, i.window * 1000 + i.map_type) << i.code;
        mnw.topwin = 0;
    }
    // The Settings items open the settings windows one after another, in menu order.
    int expected = 7;
    for (int k = 0; k < 20; k++) {
        if (std::strcmp(mnw.item_name[3][k], "-") == 0) continue;
        choose(300 + k);
        EXPECT_EQ(mnw.topwin, expected++) << 300 + k;
        mnw.topwin = 0;
    }
    EXPECT_EQ(expected, 22);
    EXPECT_TRUE(same_place(start, now()));

    // The approach chart of the first listed airport, with its name and identifier as title.
    choose(menu_chart_code(0));
    EXPECT_EQ(mnw.topwin * 1000 + msc.map_type, 24998);
    EXPECT_EQ(msc.plate_index, apt_to_index[0]);
    EXPECT_NE(std::string(mnw_window_title(24)).find(" (" + std::string(apt_id[msc.plate_index], 3)), std::string::npos);
}

TEST_F(MenuCodes, LocationItemsStartTheFlightWhereTheySay)
{
    // Runway ends of the first listed airport: take-off on the ground, the finals in the air.
    const int a = apt_to_index[0];
    float height[3];
    const int codes[3] = {menu_takeoff_code(0, 1), menu_vfr_code(0, 1), menu_ils_code(0, 1)};
    for (int l = 0; l < 3; l++) {
        choose(codes[l]);
        height[l] = (float)flt.Y - apt_h[a];
        EXPECT_EQ(msc.typestart * 100000 + msc.loc_apt_wrl * 10 + msc.rway_sel, (7 + l) * 100000 + a * 10 + 1);
    }
    EXPECT_LT(height[0], 5.0f);
    EXPECT_GT(height[1], 50.0f);
    EXPECT_GT(height[2], height[1]);

    // An end the airport does not have (only a script can ask): said with the value, and the
    // flight goes on where it was.
    int single = -1;
    for (int n = 0; n <= env.apt_list_max && single < 0; n++)
        if (apt_len[apt_to_index[n]][1] <= 1) single = n;
    ASSERT_GE(single, 0);
    const where before = now();
    EXPECT_EQ(alerts_after(menu_takeoff_code(single, 2)), 1);
    EXPECT_STREQ(mnw_last_alert_line(0), "rway_sel out of range!");
    EXPECT_STREQ(mnw_last_alert_line(3), "2");
    EXPECT_EQ(app_test::exit_calls, 0);
    EXPECT_TRUE(same_place(before, now()));

    // Over the first VOR and the first NDB: 1000 m above the station, heading north.
    for (int code : {menu_vor_code(0), menu_ndb_code(0)}) {
        const int n = code < 1100 ? vor_to_index[0] : ndb_to_index[0];
        choose(code);
        EXPECT_NEAR(flt.X, X_with_latlon(nav_lat[n], nav_lon[n]), 1.0) << code;
        EXPECT_NEAR(flt.Z, Z_with_lat(nav_lat[n]), 1.0) << code;
        EXPECT_NEAR(flt.Y, nav_h[n] + 1000.0, 1.0) << code;
    }

    // Lost somewhere in the region, between 2000 and 4000 m.
    choose(MENU_GET_ME_LOST);
    EXPECT_TRUE(flt.X >= env.lox && flt.X <= env.hix && flt.Z >= env.loz && flt.Z <= env.hiz);
    EXPECT_TRUE(flt.Y >= 2000 && flt.Y <= 4000) << flt.Y;

    // The special starts: each puts the aircraft somewhere new or says what it could not find.
    for (int code = 217; code <= 227; code++) {
        const where b = now();
        const int said = alerts_after(code);
        EXPECT_NE(said > 0, !same_place(b, now())) << code;
        mnw.topwin = 0;
    }

    // Favourites: Thermal lies in this region; Meigs Field is not in the navigation data.
    choose(1201);
    EXPECT_EQ(std::strncmp(apt_id[msc.loc_apt_wrl], "KTRM", 4), 0);
    const where at_thermal = now();
    EXPECT_EQ(alerts_after(1203), 1);
    EXPECT_STREQ(mnw_last_alert_line(0), "I could not find an airport with this ID anywhere in the country!");
    EXPECT_TRUE(same_place(at_thermal, now()));
}

TEST_F(MenuCodes, OutputSpecialAndViewItems)
{
    EXPECT_EQ(alerts_after(0), 1);
    EXPECT_EQ(std::string(mnw_last_alert_line(3)).rfind("Version ", 0), 0u);

    // The graph record needs a chosen group; with one it opens the graph window.
    EXPECT_EQ(alerts_after(MENU_GRAPH), 1);
    EXPECT_STREQ(mnw_last_alert_line(0), "You have not selected any data to view!");
    set.Bgrf[41] = 1;
    mnw.topwin = 7;
    MACIBM_startwind(0);          // closing "Set Data Output" takes the new choice
    EXPECT_EQ(set.grfsel[0] * 100 + set.grfsel[1], 41 * 100 - 1);
    choose(MENU_GRAPH);
    EXPECT_EQ(mnw.topwin, 22);
    mnw.topwin = 0;

    pat.inited[5999] = 1;
    pat.xyztppt[17][6] = 3;
    choose(menu_reset_path_code());
    EXPECT_EQ(pat.inited[5999], 0);
    EXPECT_EQ(pat.xyztppt[17][6], 0);

    set.cycoutwaiting = 0;
    EXPECT_EQ(alerts_after(MENU_CYCLE_DUMP), 1);
    EXPECT_EQ(set.cycoutwaiting, 1);
    std::string first_lines;
    for (int code = 605; code <= 609; code++) {
        EXPECT_EQ(alerts_after(code), 1) << code;
        EXPECT_EQ(first_lines.find(mnw_last_alert_line(0)), std::string::npos) << code;
        first_lines += mnw_last_alert_line(0);
    }
    // The ATC instructions name the key that really opens the ATC menu.
    choose(608);
    ASSERT_NE(std::string(mnw_last_alert_line(0)).find("Enter key"), std::string::npos) << mnw_last_alert_line(0);
    mnw.topwin = 0;
    MACIBM_handlekey(13);
    EXPECT_EQ(atc.menu_up, 1);
    atc.menu_up = 0;
    const int logtime = msc.logtime;
    choose(MENU_LOGTIME);
    EXPECT_EQ(msc.logtime, !logtime);

    for (int code = 500; code <= 521; code++) {
        if (!std::strcmp(mnw.item_name[5][code - 500], "-")) continue;
        choose(code);
        EXPECT_EQ(set.view_type, code);
    }
    const float zoom = scn.zoom;
    choose(523);
    EXPECT_EQ(scn.zoom, 2 * zoom);
    const int show = msc.show_path;
    choose(525);
    EXPECT_EQ(msc.show_path, !show);

    // Replay holds every command that would start a new flight, and leaving it puts the
    // flight back where the replay began.
    const where start = now();
    choose(MENU_REPLAY);
    EXPECT_EQ(set.replay_mode, 2);
    flt.X += 500;
    const int held[] = {217, MENU_GET_ME_LOST, menu_vor_code(0), menu_takeoff_code(0, 0), 1201, 312};
    for (int code : held) choose(code);
    EXPECT_EQ(mnw.topwin, 0);
    choose(MENU_REPLAY);
    EXPECT_EQ(set.replay_mode, 0);
    EXPECT_TRUE(same_place(start, now()));

    choose(MENU_QUIT);
    EXPECT_EQ(gdone, 1);
    choose(MENU_RESET_PREFS);
    EXPECT_EQ(app_test::exit_calls, 1);
    EXPECT_EQ(orv_test::read_file(app_test::prefs_file(e)), "I\n-1 version\nz\n\n");
}

TEST_F(MenuCodes, OpenAircraftTakesAReadableFileAndKeepsTheOldOneOtherwise)
{
    if (orv_test::read_file(BARON).empty()) GTEST_SKIP() << "no twin in this build";
    const std::string junk = orv_test::write_file(e.work + "/Junk.acf", "not an aircraft");
    picker_queue_answer(system_form(junk).c_str());
    EXPECT_GE(alerts_after(MENU_OPEN_AIRCRAFT), 1);
    EXPECT_STREQ(pln.C_file, "Trainer 172.acf");
    EXPECT_EQ(pln.numen, 1);

    picker_queue_answer(system_form(BARON).c_str());
    msc.typestart = 9;
    choose(MENU_OPEN_AIRCRAFT);
    EXPECT_STREQ(pln.C_file, "Twin Baron 55.acf");
    EXPECT_EQ(pln.numen, 2);
    EXPECT_EQ(msc.typestart, 7);
}

TEST_F(MenuCodes, ClosingAWindowAppliesItsSettings)
{
    auto close = [](int w) {
        mnw.topwin = w;
        MACIBM_startwind(0);
    };
    rel.ss_asi = rel.efis_2 = rel.vacuum = 0;
    rel.engine[3] = rel.lagear[2] = rel.trotor = 0;
    set.gear_time[2] = 12;
    close(18);
    EXPECT_EQ(rel.ss_asi + rel.efis_2 + rel.vacuum, 3);
    EXPECT_EQ(rel.engine[3] + rel.lagear[2] + rel.trotor, 0);   // equipment is another window
    close(19);
    EXPECT_EQ(rel.engine[3] + rel.lagear[2] + rel.trotor, 3);
    EXPECT_EQ(set.gear_time[2], 0);

    for (float part : {0.0f, 1.0f}) {        // no thermals, and thermals over every cell
        atm.thermal_part = part;
        close(12);
        int cells = 0;
        for (auto& row : atm.therm_on_poly)
            for (int c : row) cells += c;
        EXPECT_EQ(cells, part ? 178 * 159 : 0);
    }

    flt.m_total = pln.m_max + 1;
    close(16);
    EXPECT_STREQ(mnw_last_alert_line(0), "Your total weight is above the maximum allowable weight for the airplane!");

    std::strcpy(msc.apt_id_req, "KTRM");
    close(1);
    EXPECT_EQ(std::strncmp(apt_id[msc.loc_apt_wrl], "KTRM", 4), 0);

    // The flight plan: an unknown arrival is refused, a known one filed, an active one amended.
    std::strcpy(fpl.arr_id_str, "QQQQ");
    close(25);
    EXPECT_NE(std::string(atc.response).find("unable to find"), std::string::npos);
    std::strcpy(fpl.arr_id_str, "KSBD");
    close(25);
    EXPECT_EQ(std::strncmp(apt_id[atc.plan_index], "KSBD", 4), 0);
    EXPECT_EQ(fpl.onfile, 1);
    fpl.activated = 1;
    close(25);
    EXPECT_NE(std::string(atc.response).find(" flight plan amended as requested."), std::string::npos);

    // The sound window restarts the engine and wind loops (the trainer has one engine); closed
    // with the sound off, it silences the horn as well.
    orv_test::sound_recorder_install();
    init_sound();
    fill_buffers();
    play_buffer(SND_STALL, 1);
    atm.rain_tstm = 0;
    close(20);
    EXPECT_TRUE(sound_log(SND_ENGINE).looped && sound_log(SND_WIND).playing && sound_log(SND_STALL).playing);
    EXPECT_FALSE(sound_log(SND_RAIN).playing);
    msc.sound_on = 0;
    close(20);
    EXPECT_FALSE(sound_log(SND_ENGINE).playing || sound_log(SND_WIND).playing || sound_log(SND_STALL).playing);
    plat_sound_install(nullptr);
}

TEST_F(MenuCodes, SituationSavedInFlightComesBackInAFreshRun)
{
    // Saved after the region has moved a degree east with the aircraft.
    set.cus_X = (float)X_with_latlon(34.4f, -116.3f);
    set.cus_Z = (float)Z_with_lat(34.4f);
    set.cus_Y = 1500;
    set.cus_psi = 75;
    set.cus_v = 60;
    set_fltvars(10);
    for (int i = 0; i < 20; i++) MACIBM_event_proc();
    const int west = env.lon_wes;
    shift_region(REGION_EAST);
    ASSERT_EQ(env.lon_wes, west + 1);
    atm.temp_SL = 41;
    msc.locl_time = 70000;
    const where saved = now();
    const float lat = lat_with_z(flt.Z), lon = lon_with_xz(flt.X, flt.Z);
    const std::string sit = e.work + "/Evening.sit";
    picker_queue_answer(system_form(sit).c_str());
    choose(MENU_SAVE_SITUATION);
    const std::string text = orv_test::read_file(sit);
    ASSERT_FALSE(text.empty());
    picker_queue_answer(system_form(e.work + "/Dawn").c_str());   // typed without its suffix
    choose(MENU_SAVE_SITUATION);
    EXPECT_EQ(orv_test::read_file(e.work + "/Dawn.sit"), text);

    // A fresh run started from it.
    MACIBM_finishup();
    e = app_test::fresh("menu_codes2", false);
    mnw_set_dirs(ORV_BINARY_DIR, e.config.c_str());
    app_set_start_situation(sit.c_str());
    ASSERT_EQ(start_simulator(nullptr, 1, 5, TRAINER.c_str()), 1);
    app_set_start_situation("");
    EXPECT_EQ(env.lon_wes, west + 1);
    EXPECT_NEAR(lat_with_z(flt.Z), lat, 1.0 / 111000);
    EXPECT_NEAR((lon_with_xz(flt.X, flt.Z) - lon) * 111000 * std::cos(lat * M_PI / 180), 0, 1.0);
    EXPECT_NEAR(flt.Y, saved.Y, 0.01);
    EXPECT_NEAR(flt.psi, saved.psi, 0.001);
    EXPECT_NEAR(flt.v, saved.v, 0.001);
    EXPECT_FLOAT_EQ(atm.temp_SL, 41);
    EXPECT_FLOAT_EQ(msc.locl_time, 70000);

    // The same file loaded from the menu into this run puts the aircraft on the same spot.
    flt.X += 3000;
    picker_queue_answer(system_form(sit).c_str());
    const double X_fresh = flt.X - 3000;
    choose(MENU_LOAD_SITUATION);
    EXPECT_NEAR(flt.X, X_fresh, 1.0);

    // A damaged copy: said, and nothing of the flight or the settings changes.
    const std::string cut = orv_test::write_file(e.work + "/Cut.sit", text.substr(0, text.size() / 2));
    std::string spoilt = text;   // the height line of the five
    size_t at = 0;
    for (int k = 0; k < 4; k++) at = spoilt.find(" situation data", at + 1);
    const size_t line = spoilt.rfind('\n', at) + 1;
    spoilt.replace(line, at - line, "nan");
    const std::string bad = orv_test::write_file(e.work + "/Bad.sit", spoilt);
    atm.temp_SL = 50;
    for (const std::string& f : {cut, bad}) {
        const where before = now();
        picker_queue_answer(system_form(f).c_str());
        choose(MENU_LOAD_SITUATION);
        EXPECT_STREQ(mnw_last_alert_line(0), "I could not load this situation:") << f;
        EXPECT_TRUE(same_place(before, now())) << f;
        EXPECT_FLOAT_EQ(atm.temp_SL, 50) << f;
    }
    EXPECT_EQ(orv_test::read_file(sit), text);
}
