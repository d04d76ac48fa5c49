// Second look at the application shell: the preferences file line by line, every first-start
// and start-up default, damaged values, the event divisor's limits, the clocks' boundaries,
// and the alert's text line.
#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "2-QZutils/qz_file.h"
#include "2-QZutils/qz_pick.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/records.h"
#include "app/app_menu.h"
#include "app/app_prefs.h"
#include "app/app_start.h"
#include "app/app_update.h"
#include "app_test_env.h"
#include "support/test_support.h"

using namespace orv;

// A value on every line that no neighbouring line shares, so a swapped pair shows.
static void fill_distinct()
{
    std::strcpy(pln.C_file, "A.acf");
    std::strcpy(pln.C_path, "\\p\\A.acf");
    msc.loc_apt_wrl = 3;
    msc.rway_sel = 4;
    msc.locl_time = 1001;
    atm.temp_SL = 1002;
    ins.baro = 1003;
    atm.baro = 1004;
    atm.rain_tstm = 1005;
    atm.wind_tbl = 1006;
    atm.burst_prob = 1007;
    atm.change_clouds = 5; atm.change_vis = 0; atm.change_precip = 1; atm.change_turb = 0; atm.change_micro = 1;
    atm.cld_type = 8;
    atm.topsMSL = 1009;
    atm.baseMSL = 1010;
    atm.vis_rep = 2000;
    atm.vis_mult = 0.5f;
    for (int i = 0; i < 9; i++) {
        atm.wnddir[i] = 100.0f + i; atm.wndspd[i] = 110.0f + i; atm.shrdir[i] = 120.0f + i;
        atm.shrspd[i] = 130.0f + i; atm.tbl[i] = 140.0f + i;
    }
    atm.wave_amp = 1011; atm.wave_length = 1012; atm.wave_speed = 1013; atm.wave_dir = 14;
    atm.meteorite_code = 15; atm.rway_fric_code = 16;
    msc.sound_on = 0; atc.voice_out = 1; atc.text_out = 0;
    msc.warn_frame = 1; msc.warn_overspeed = 0; msc.warn_flaps = 1; msc.warn_bb = 0;
    fpl.mr = 1; fpl.mrs = 0;
    for (int g = 0; g < 60; g++) { set.Bdsk[g] = g % 2; set.Brlt[g] = ((g / 2) % 2) * 3; set.Bgrf[g] = g % 3 == 0; }
    set.serout = 17; set.damp = 1018;
    set.joy_rat_ptch = 1019; set.joy_rat_hdng = 1020; set.joy_rat_roll = 1021;
    set.eq_ped = 1; set.eq_avi = 0; set.eq_thr = 0; set.eq_col = 1;
    set.NZptch = 0.03f; set.NZroll = 0.04f;
    for (int b = 0; b < 22; b++) set.joy_response[b] = 200 + b;
    nav.nf[0] = 10800; nav.nf[1] = 10810; nav.cf[0] = 11800; nav.cf[1] = 11810;
    nav.obs[0] = 22; nav.obs[1] = 23; nav.adff = 24; nav.dmesel = 25;
    nav.gps_index_mode = 26; nav.gps_index = 27; nav.gps_apt_index = 28; nav.gps_vor_index = 29; nav.gps_ndb_index = 30;
    for (int i = 0; i < 4; i++) nav.gps_id[i] = 31 + i;
    msc.prd = 0.035f; msc.logtime = 1; rel.total_fail_entry = 36;
    ogl_res = 37; ogl_trees = 38;
}

// The lines fill_distinct must produce, in the order of the preferences record.
static std::vector<std::string> expected_lines()
{
    std::vector<std::string> v = {"I", "462 version", "A.acf", "\\p\\A.acf", "3", "4", "1001", "1002", "1003",
                                  "1004", "1005", "1006", "1007", "1", "0", "1", "0", "1", "8", "1009", "1010",
                                  "1000"};
    for (int i = 0; i < 9; i++)
        v.push_back(std::to_string(100 + i) + " " + std::to_string(110 + i) + " " + std::to_string(120 + i) +
                    " " + std::to_string(130 + i) + " " + std::to_string(140 + i));
    for (const char* s : {"1011", "1012", "1013", "14", "15", "16", "0", "1", "0", "1", "0", "1", "0", "1", "0"})
        v.push_back(s);
    for (int g = 0; g < 60; g++)
        v.push_back(std::to_string(g % 2) + " " + std::to_string((g / 2) % 2) + " " + std::to_string(g % 3 == 0));
    for (const char* s : {"17", "1018", "1019", "1020", "1021", "1", "0", "0", "1", "0.03", "0.04"}) v.push_back(s);
    for (int b = 0; b < 22; b++) v.push_back(std::to_string(200 + b));
    for (const char* s : {"10800", "10810", "11800", "11810", "22", "23", "24", "25", "26", "27", "28", "29",
                          "30", "31", "32", "33", "34", "0.035", "1", "36", "37", "38"})
        v.push_back(s);
    return v;
}

static std::vector<std::string> split_lines(const std::string& text)
{
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

class App_PrefsReview : public ::testing::Test {
protected:
    app_test::env e;
    void SetUp() override { e = app_test::fresh("prefs_review"); }
    std::string path() const { return e.config + "/Vantorel 4.prf"; }
    int read_back()
    {
        if (!inf_open(prefs_path, FILE_ANY, PREFS_VERSION, 0)) return 0;
        int r = grab_prefs();
        inf_close();
        return r;
    }
};

TEST_F(App_PrefsReview, EveryLineStandsWhereTheRecordPutsIt)
{
    fill_distinct();
    ASSERT_EQ(write_prefs_file(), 1);
    const std::vector<std::string> got = split_lines(orv_test::read_file(path()));
    const std::vector<std::string> want = expected_lines();
    ASSERT_EQ(got.size(), want.size());
    for (size_t i = 0; i < want.size(); i++) EXPECT_EQ(got[i], want[i]) << "line " << i + 1;
}

TEST_F(App_PrefsReview, ReaderTakesEachLineIntoItsField)
{
    // A hand-made file: the reader must follow the same table as the writer, skip what follows
    // the fifth number of a wind line, and drop the first number of each data group.
    std::vector<std::string> lines = expected_lines();
    lines[22] += " 999 extra words";        // wind layer 0
    std::string text;
    for (const std::string& l : lines) text += l + "\n";
    orv_test::write_file(path(), text);
    clear_records();
    ASSERT_EQ(read_back(), 1);
    EXPECT_STREQ(pln.C_path, "\\p\\A.acf");
    EXPECT_EQ(msc.rway_sel, 4);
    EXPECT_FLOAT_EQ(ins.baro, 1003);
    EXPECT_FLOAT_EQ(atm.burst_prob, 1007);
    EXPECT_EQ(atm.change_clouds, 1);
    EXPECT_EQ(atm.change_vis, 0);
    EXPECT_EQ(atm.cld_type, 8);
    EXPECT_FLOAT_EQ(atm.vis_rep, 1000);
    EXPECT_FLOAT_EQ(atm.tbl[0], 140);
    EXPECT_FLOAT_EQ(atm.wnddir[1], 101);
    EXPECT_FLOAT_EQ(atm.shrspd[8], 138);
    EXPECT_FLOAT_EQ(atm.wave_speed, 1013);
    EXPECT_EQ(atm.wave_dir, 14);
    EXPECT_EQ(atm.rway_fric_code, 16);
    EXPECT_EQ(atc.voice_out, 1);
    EXPECT_EQ(msc.warn_flaps, 1);
    EXPECT_EQ(fpl.mr, 1);
    for (int g = 0; g < 60; g++) {
        EXPECT_EQ(set.Bdsk[g], 0) << g;
        EXPECT_EQ(set.Brlt[g], (g / 2) % 2) << g;
        EXPECT_EQ(set.Bgrf[g], g % 3 == 0 ? 1 : 0) << g;
    }
    EXPECT_EQ(set.serout, 17);
    EXPECT_FLOAT_EQ(set.joy_rat_roll, 1021);
    EXPECT_EQ(set.eq_col, 1);
    EXPECT_FLOAT_EQ(set.NZroll, 0.04f);
    EXPECT_EQ(set.joy_response[0], 200);
    EXPECT_EQ(set.joy_response[21], 221);
    EXPECT_EQ(nav.nf[1], 10810);
    EXPECT_EQ(nav.cf[0], 11800);
    EXPECT_FLOAT_EQ(nav.obs[1], 23);
    EXPECT_EQ(nav.dmesel, 25);
    EXPECT_EQ(nav.gps_ndb_index, 30);
    EXPECT_EQ(nav.gps_id[3], 34);
    EXPECT_FLOAT_EQ(msc.prd, 0.035f);
    EXPECT_EQ(msc.logtime, 1);
    EXPECT_FLOAT_EQ(rel.total_fail_entry, 36);
    EXPECT_EQ(ogl_trees, 38);
}

TEST_F(App_PrefsReview, AnOverlongNameKeeps399CharactersAndTheNextLineLinesUp)
{
    std::vector<std::string> lines = expected_lines();
    lines[2] = std::string(500, 'n');
    std::string text;
    for (const std::string& l : lines) text += l + "\n";
    orv_test::write_file(path(), text);
    clear_records();
    ASSERT_EQ(read_back(), 1);
    EXPECT_EQ(std::strlen(pln.C_file), 399u);
    EXPECT_STREQ(pln.C_path, "\\p\\A.acf");
    EXPECT_EQ(msc.rway_sel, 4);
}

TEST_F(App_PrefsReview, AWaveDirectionNoIntCanHoldBecomesZero)
{
    for (const char* bad : {"1e30", "-1e30", "nan", "inf"}) {
        std::vector<std::string> lines = expected_lines();
        ASSERT_EQ(lines[34], "14");               // the wave direction's line
        lines[34] = bad;
        std::string text;
        for (const std::string& l : lines) text += l + "\n";
        orv_test::write_file(path(), text);
        clear_records();
        atm.wave_dir = 77;
        ASSERT_EQ(read_back(), 1) << bad;
        EXPECT_EQ(atm.wave_dir, 0) << bad;
        EXPECT_EQ(atm.meteorite_code, 15) << bad;   // the next line still lines up
    }
}

TEST_F(App_PrefsReview, FirstStartGivesEveryFieldItsDefault)
{
    fill_distinct();
    set.eq_avi = 1;
    atm.thermal_part = 0.5f;
    atm.thermal_vvi = 4;
    atm.vis_mult = 1;
    std::string acf = orv_test::write_file(e.work + "/Trainer.acf", "i");
    for (char& c : acf) if (c == '/') c = '\\';
    picker_queue_answer(acf.c_str());
    hardprefs();
    ASSERT_EQ(app_test::exit_calls, 0);
    EXPECT_STREQ(pln.C_file, "Trainer.acf");
    EXPECT_STREQ(pln.C_path, acf.c_str());
    EXPECT_EQ(msc.loc_apt_wrl, 0);              // no airport tables in this test
    EXPECT_EQ(msc.rway_sel, 0);
    EXPECT_FLOAT_EQ(msc.locl_time, 57600);
    EXPECT_FLOAT_EQ(atm.temp_SL, 59);
    EXPECT_FLOAT_EQ(ins.baro, 29.92f);
    EXPECT_FLOAT_EQ(atm.baro, 29.92f);
    EXPECT_FLOAT_EQ(atm.rain_tstm, 1);
    EXPECT_FLOAT_EQ(atm.wind_tbl, 1);
    EXPECT_FLOAT_EQ(atm.burst_prob, 1);
    EXPECT_EQ(atm.change_clouds + atm.change_vis + atm.change_precip + atm.change_turb + atm.change_micro, 5);
    EXPECT_EQ(atm.cld_type, 1);
    EXPECT_NEAR(atm.topsMSL, 1524.0f, 1e-2);
    EXPECT_NEAR(atm.baseMSL, 1219.2f, 1e-2);
    EXPECT_NEAR(atm.vis_rep, 12964.0f, 1e-1);
    for (int i = 0; i < 9; i++) {
        EXPECT_EQ(atm.wnddir[i], 0); EXPECT_EQ(atm.wndspd[i], 0); EXPECT_EQ(atm.shrdir[i], 0);
        EXPECT_EQ(atm.shrspd[i], 0); EXPECT_EQ(atm.tbl[i], 0);
    }
    EXPECT_FLOAT_EQ(atm.wave_amp, 1);
    EXPECT_FLOAT_EQ(atm.wave_length, 10);
    EXPECT_FLOAT_EQ(atm.wave_speed, 2);
    EXPECT_EQ(atm.wave_dir, 0);
    EXPECT_EQ(atm.thermal_part, 0);
    EXPECT_EQ(atm.thermal_vvi, 0);
    EXPECT_EQ(atm.meteorite_code, 2);
    EXPECT_EQ(atm.rway_fric_code, 1);
    EXPECT_EQ(msc.sound_on, 1);
    EXPECT_EQ(atc.voice_out, 1);
    EXPECT_EQ(atc.text_out, 1);
    EXPECT_EQ(msc.warn_frame, 1);
    EXPECT_EQ(msc.warn_overspeed, 1);
    EXPECT_EQ(msc.warn_flaps, 0);
    EXPECT_EQ(msc.warn_bb, 1);
    EXPECT_EQ(fpl.mr, 1);
    EXPECT_EQ(fpl.mrs, 0);
    for (int g = 0; g < 60; g++) EXPECT_EQ(set.Bdsk[g] + set.Brlt[g] + set.Bgrf[g], 0) << g;
    EXPECT_EQ(set.serout, 0);
    EXPECT_EQ(set.damp, 0);
    EXPECT_FLOAT_EQ(set.joy_rat_ptch, 1);
    EXPECT_FLOAT_EQ(set.joy_rat_hdng, 1);
    EXPECT_FLOAT_EQ(set.joy_rat_roll, 1);
    EXPECT_EQ(set.eq_ped + set.eq_avi + set.eq_thr + set.eq_col, 0);
    EXPECT_FLOAT_EQ(set.NZptch, 0.01f);
    EXPECT_FLOAT_EQ(set.NZroll, 0.01f);
    const int buttons[16] = {2, 1, 5, 6, 22, 21, 19, 20, 15, 16, 11, 12, 10, 9, 17, 18};
    for (int b = 0; b < 16; b++) EXPECT_EQ(set.joy_response[b], buttons[b]) << b;
    for (int b = 16; b < 22; b++) EXPECT_EQ(set.joy_response[b], 200 + b) << "button " << b << " is not set";
    EXPECT_EQ(nav.nf[0], 11170); EXPECT_EQ(nav.nf[1], 11170);
    EXPECT_EQ(nav.cf[0], 12100); EXPECT_EQ(nav.cf[1], 12100);
    EXPECT_EQ(nav.obs[0], 0); EXPECT_EQ(nav.obs[1], 0);
    EXPECT_EQ(nav.adff, 210);
    EXPECT_EQ(nav.dmesel, 0);
    EXPECT_EQ(nav.gps_index_mode, 1);
    EXPECT_EQ(nav.gps_index, 1600);
    EXPECT_EQ(nav.gps_apt_index, 1600);
    EXPECT_EQ(nav.gps_vor_index, 2100);
    EXPECT_EQ(nav.gps_ndb_index, 700);
    for (int i = 0; i < 4; i++) EXPECT_EQ(nav.gps_id[i], 11);
    EXPECT_FLOAT_EQ(msc.prd, 0.05f);
    EXPECT_EQ(msc.logtime, 1);                  // not a default: keeps what it held
    EXPECT_FLOAT_EQ(rel.total_fail_entry, 1);
    EXPECT_EQ(ogl_res, 2);
    EXPECT_EQ(ogl_trees, 0);
}

TEST_F(App_PrefsReview, SituationLinesCarryTheirSuffix)
{
    flt.X = 1500.5; env.lox = 500;
    flt.Z = 200; env.hiz = 1200;
    flt.psi = 90.5f;
    flt.Y = 3000;
    flt.v = 72.25f;
    const std::string sit = e.work + "/Trip.sit";
    std::string sys = sit;
    for (char& c : sys) if (c == '/') c = '\\';
    ASSERT_EQ(ouf_open(sys.c_str(), FILE_SITUATION, PREFS_VERSION), 1);
    dump_prefs();
    dump_situation_lines();
    ASSERT_EQ(ouf_close(), 1);
    const std::vector<std::string> lines = split_lines(orv_test::read_file(sit));
    ASSERT_GE(lines.size(), 5u);
    const size_t n = lines.size();
    EXPECT_EQ(lines[n - 5], "1000.5 situation data");
    EXPECT_EQ(lines[n - 4], "-1000 situation data");
    EXPECT_EQ(lines[n - 3], "90.5 situation data");
    EXPECT_EQ(lines[n - 2], "3000 situation data");
    EXPECT_EQ(lines[n - 1], "72.25 situation data");
}

class App_StartReview : public ::testing::Test {
protected:
    app_test::env e;
    void SetUp() override { e = app_test::fresh("start_review"); }
};

TEST_F(App_StartReview, GeneralInitialisationDefaults)
{
    initgen();
    EXPECT_EQ(fpl.IFR, 1);
    EXPECT_EQ(fpl.VFR, 0);
    EXPECT_EQ(fpl.DVFR, 0);
    EXPECT_FLOAT_EQ(fpl.cruise_alt, 5000);
    EXPECT_EQ(ins.HUD_on, 1);
    EXPECT_EQ(ins.HOOP_on, 0);
    EXPECT_EQ(ins.map_mode, 1);
    EXPECT_EQ(ins.arg_mode, 1);
    EXPECT_FLOAT_EQ(ins.map_range, 30);
    EXPECT_FLOAT_EQ(ins.arg_range, 30);
    EXPECT_FLOAT_EQ(ins.rad_range, 30);
    EXPECT_EQ(ins.hud_brt, 1);
    EXPECT_EQ(env.i_viewpoint, 89);
    EXPECT_EQ(env.j_viewpoint, 79);
    EXPECT_EQ(nav.radout, 2);
    EXPECT_FLOAT_EQ(atm.vis_mult, 1);
    EXPECT_EQ(rel.ins_fail_rat, 0);
    EXPECT_EQ(rel.eq1_fail_rat, 0);
    EXPECT_EQ(rel.eq2_fail_rat, 0);
    for (int i = 0; i < 32; i++) {
        EXPECT_EQ(rel.fail_type[i], 1) << i;
        EXPECT_FLOAT_EQ(rel.fail_time_max[i], 10) << i;
    }
    EXPECT_FLOAT_EQ(msc.rtrat, 1);
    EXPECT_FLOAT_EQ(atm.rate_change, 4);
    EXPECT_FLOAT_EQ(scn.zoom, 1);
    EXPECT_EQ(env.nrst_apt_max, -999);
    EXPECT_EQ(env.nrst_ndb_max, -999);
    EXPECT_EQ(nav.tran1, 1);
    EXPECT_EQ(nav.tran3, 0);
    EXPECT_EQ(nav.tran4, 0);
    // Atmosphere rows every 10 000 ft: row 5 at 50 000 ft with 0.0003639 slug/ft^3.
    EXPECT_NEAR(atm.hr[5][0], 15240.0f, 1e-1);
    EXPECT_NEAR(atm.hr[5][1], 0.0003639f * 515.379f, 1e-3);
    EXPECT_TRUE((trk.flags() & std::ios::floatfield) == std::ios::fixed);
}

TEST_F(App_StartReview, MenusStartWithoutBoxesAndEmptyListsAtZero)
{
    mnw.menux1[3] = 12;
    mnw.itemy2[7][4] = 40;
    std::strcpy(mnw.item_name[7][4], "Old");
    APPLICATION_setupmenus();
    EXPECT_EQ(mnw.menux1[3], -9999);
    EXPECT_EQ(mnw.itemy2[7][4], -9999);
    EXPECT_STREQ(mnw.item_name[7][4], "");
    EXPECT_EQ(env.apt_list_max, 0);
    EXPECT_EQ(env.vor_list_max, 0);
    EXPECT_EQ(env.ndb_list_max, 0);
}

class App_FrameReview : public ::testing::Test {
protected:
    void SetUp() override
    {
        app_test::fresh("frame_review", false);
        set_constants();
        app_set_fixed_step(1);
    }
    void TearDown() override
    {
        app_set_fixed_step(0);
        app_set_event_hooks(nullptr, nullptr);
    }
};

static int ticks;
static void count_tick() { ticks++; }

TEST_F(App_FrameReview, EventDivisorIsHeldBetweenOneAndNinetyNine)
{
    app_set_event_hooks(count_tick, nullptr);
    msc.prd = 0.001f;            // round(0.1 / 0.001) = 100, held at 99
    ticks = 0;
    for (int i = 0; i < 300; i++) flight_frame();
    EXPECT_EQ(ticks, 4);         // counters 0, 99, 198, 297
    frame_timing_reset();
    msc.cntr = 0;
    msc.prd = 0.3f;              // round(0.33) = 0, held at 1: a tick every frame
    ticks = 0;
    for (int i = 0; i < 10; i++) flight_frame();
    EXPECT_EQ(ticks, 10);
}

TEST_F(App_FrameReview, ZuluRoundsHalfZonesAwayFromZeroAndNightEdges)
{
    msc.prd = 0.001f;
    msc.locl_time = 12 * 3600;
    flt.lon = 22.5f;             // round(1.5) = 2: zulu = local - 3 h
    advance_clocks();
    EXPECT_NEAR(msc.zulu_time, 9 * 3600, 0.5f);
    flt.lon = -22.5f;            // round(-1.5) = -2: zulu = local + 1 h
    advance_clocks();
    EXPECT_NEAR(msc.zulu_time, 13 * 3600, 0.5f);
    flt.lon = 170;               // round(11.3) = 11: zulu = local - 12 h, wrapped
    msc.locl_time = 3600;
    advance_clocks();
    EXPECT_NEAR(msc.zulu_time, 13 * 3600, 0.5f);

    msc.nigt_time = 0;
    msc.locl_time = 5 * 3600;    // 05:00 and 19:00 themselves are day
    advance_clocks();
    msc.locl_time = 19 * 3600;
    advance_clocks();
    EXPECT_EQ(msc.nigt_time, 0.0f);
    msc.locl_time = 19 * 3600 + 1;
    advance_clocks();
    EXPECT_GT(msc.nigt_time, 0.0f);
}

class App_WindowReview : public ::testing::Test {
protected:
    app_test::env e;
    void SetUp() override { e = app_test::fresh("window_review"); }
};

TEST_F(App_WindowReview, AlertTextLineHoldsAtMostThirtyOneCharacters)
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

TEST_F(App_WindowReview, ClickOnOkClosesTheAlertAndForgetsEnter)
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

TEST_F(App_WindowReview, SaveWindowKeysEditTheNameItSavesUnder)
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

TEST_F(App_PrefsReview, ADamagedFileIsRefusedSoItsZerosAreNeverWrittenBack)
{
    std::vector<std::string> lines = expected_lines();
    ASSERT_EQ(lines[35], "15");                   // the meteorite code's line
    lines[35] = "garbage";
    std::string text;
    for (const std::string& l : lines) text += l + "\n";
    orv_test::write_file(path(), text);
    clear_records();
    const int alerts = mnw_alert_count();
    EXPECT_EQ(read_back(), 0);
    EXPECT_EQ(mnw_alert_count(), alerts + 1);     // the scanning alert, once
    EXPECT_STREQ(mnw_last_alert_line(0), "File-scanning error!");

    // The untouched file still reads.
    lines[35] = "15";
    text.clear();
    for (const std::string& l : lines) text += l + "\n";
    orv_test::write_file(path(), text);
    EXPECT_EQ(read_back(), 1);
}
