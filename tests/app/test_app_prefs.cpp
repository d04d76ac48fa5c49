// The preferences and situation files: every line in its place, the round trip, damaged
// and out-of-range values, the first start, and the file kept whole while it is rewritten.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
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


class App_Prefs : public ::testing::Test {
protected:
    app_test::env e;
    void SetUp() override { e = app_test::fresh("prefs"); }
    std::string path() const { return app_test::prefs_file(e); }
    int read_back()
    {
        if (!inf_open(prefs_path, FILE_ANY, PREFS_VERSION, 0)) return 0;
        int r = grab_prefs();
        inf_close();
        return r;
    }
};

TEST_F(App_Prefs, RoundTripRestoresEveryFieldButTheListedOnes)
{
    app_test::fill_unusual();
    ASSERT_EQ(write_prefs_file(), 1);
    const planestruct p0 = pln;
    const atmospherestruct a0 = atm;
    const settingstruct s0 = set;
    const navstruct n0 = nav;
    const miscstruct m0 = msc;
    const float ins_baro = ins.baro;
    clear_records();
    std::memset(&pln, 0, sizeof pln);
    env.aptmax = -1;   // no airport table: an earlier test's one would limit the start airport
    ogl_res = ogl_trees = 0;
    atm.thermal_part = 9;
    ASSERT_EQ(read_back(), 1);

    EXPECT_STREQ(pln.C_file, p0.C_file);
    EXPECT_STREQ(pln.C_path, p0.C_path);
    EXPECT_EQ(msc.loc_apt_wrl, 1234);
    EXPECT_EQ(msc.rway_sel, 3);
    EXPECT_FLOAT_EQ(msc.locl_time, 43210.5f);
    EXPECT_FLOAT_EQ(atm.temp_SL, a0.temp_SL);
    EXPECT_FLOAT_EQ(ins.baro, ins_baro);
    EXPECT_FLOAT_EQ(atm.baro, a0.baro);
    EXPECT_FLOAT_EQ(atm.rain_tstm, 2.5f);
    EXPECT_FLOAT_EQ(atm.wind_tbl, 3);
    EXPECT_FLOAT_EQ(atm.burst_prob, 4);
    EXPECT_EQ(atm.change_clouds, 0);
    EXPECT_EQ(atm.change_vis, 1);            // flags come back as 0 or 1
    EXPECT_EQ(atm.change_turb, 1);
    EXPECT_EQ(atm.cld_type, 3);
    EXPECT_FLOAT_EQ(atm.topsMSL, 3048.25f);
    EXPECT_FLOAT_EQ(atm.baseMSL, 1234.5f);
    EXPECT_FLOAT_EQ(atm.vis_rep, 5000.0f);   // the current visibility, multiplier included
    for (int i = 0; i < 9; i++) {
        EXPECT_FLOAT_EQ(atm.wnddir[i], a0.wnddir[i]);
        EXPECT_FLOAT_EQ(atm.wndspd[i], a0.wndspd[i]);
        EXPECT_FLOAT_EQ(atm.shrdir[i], a0.shrdir[i]);
        EXPECT_FLOAT_EQ(atm.shrspd[i], a0.shrspd[i]);
        EXPECT_FLOAT_EQ(atm.tbl[i], a0.tbl[i]);
    }
    EXPECT_FLOAT_EQ(atm.wave_amp, 1.5f);
    EXPECT_FLOAT_EQ(atm.wave_length, 12);
    EXPECT_FLOAT_EQ(atm.wave_speed, 3.25f);
    EXPECT_EQ(atm.wave_dir, 270);
    EXPECT_EQ(atm.thermal_part, 0.0f);
    EXPECT_EQ(atm.meteorite_code, 4);
    EXPECT_EQ(atm.rway_fric_code, 2);
    EXPECT_EQ(msc.sound_on, 0);
    EXPECT_EQ(atc.voice_out, 0);
    EXPECT_EQ(atc.text_out, 1);
    EXPECT_EQ(msc.warn_frame, 0);
    EXPECT_EQ(msc.warn_flaps, 1);
    EXPECT_EQ(fpl.mr, 0);
    EXPECT_EQ(fpl.mrs, 1);
    for (int g = 0; g < 60; g++) {
        EXPECT_EQ(set.Bdsk[g], 0) << g;      // disk output starts off in every run
        EXPECT_EQ(set.Brlt[g], s0.Brlt[g] ? 1 : 0) << g;
        EXPECT_EQ(set.Bgrf[g], s0.Bgrf[g]) << g;
    }
    EXPECT_EQ(set.serout, 2);
    EXPECT_FLOAT_EQ(set.damp, 1);
    EXPECT_FLOAT_EQ(set.joy_rat_ptch, 0.75f);
    EXPECT_FLOAT_EQ(set.joy_rat_roll, 0.25f);
    EXPECT_EQ(set.eq_ped, 1);
    EXPECT_EQ(set.eq_thr, 1);
    EXPECT_FLOAT_EQ(set.NZptch, 0.05f);
    EXPECT_FLOAT_EQ(set.NZroll, 0.02f);
    for (int b = 0; b < 22; b++) EXPECT_EQ(set.joy_response[b], 30 - b);
    EXPECT_EQ(nav.nf[0], n0.nf[0]);
    EXPECT_EQ(nav.nf[1], n0.nf[1]);
    EXPECT_EQ(nav.cf[0], n0.cf[0]);
    EXPECT_EQ(nav.cf[1], n0.cf[1]);
    EXPECT_FLOAT_EQ(nav.obs[0], 123.5f);
    EXPECT_EQ(nav.adff, 338);
    EXPECT_EQ(nav.dmesel, 1);
    EXPECT_EQ(nav.gps_index_mode, 2);
    EXPECT_EQ(nav.gps_ndb_index, 20);
    EXPECT_EQ(nav.gps_id[3], 6);
    EXPECT_FLOAT_EQ(msc.prd, m0.prd);
    EXPECT_EQ(msc.logtime, 1);
    EXPECT_FLOAT_EQ(rel.total_fail_entry, 2.5f);
    EXPECT_EQ(ogl_res, 3);
    EXPECT_EQ(ogl_trees, 1);
}

TEST_F(App_Prefs, FileLayoutAndWrittenForms)
{
    app_test::fill_unusual();
    ASSERT_EQ(write_prefs_file(), 1);
    std::string text = orv_test::read_file(app_test::prefs_file(e));
    ASSERT_EQ(text.rfind("I\n462 version\nRacer 2.acf\n", 0), 0u) << text.substr(0, 60);
    EXPECT_NE(text.find("\n10.5 3 3 0.25 0.5\n"), std::string::npos);   // wind layer 1
    EXPECT_NE(text.find("\n0 1 1\n1 0 0\n"), std::string::npos);         // data groups 0, 1 as flags
    EXPECT_NE(text.find("\n0.0375\n1\n2.5\n3\n1\n"), std::string::npos);   // the last five lines
}

TEST_F(App_Prefs, PeriodIsLimitedAndAvionicsBringDefaultRadios)
{
    app_test::fill_unusual();
    msc.prd = 0.5f;
    set.eq_avi = 1;
    ASSERT_EQ(write_prefs_file(), 1);
    clear_records();
    ASSERT_EQ(read_back(), 1);
    EXPECT_FLOAT_EQ(msc.prd, 0.1f);
    EXPECT_EQ(nav.nf[0], 11170);
    EXPECT_EQ(nav.nf[1], 11170);
    EXPECT_EQ(nav.cf[0], 12100);
    EXPECT_EQ(nav.cf[1], 12100);
    EXPECT_EQ(nav.adff, 210);
    msc.prd = 0.001f;
    ASSERT_EQ(write_prefs_file(), 1);
    ASSERT_EQ(read_back(), 1);
    EXPECT_FLOAT_EQ(msc.prd, 0.01f);
}

TEST_F(App_Prefs, WaveDirectionIsTruncatedWhenRead)
{
    app_test::fill_unusual();
    ASSERT_EQ(write_prefs_file(), 1);
    std::string text = orv_test::read_file(app_test::prefs_file(e));
    size_t at = text.find("\n270\n");
    ASSERT_NE(at, std::string::npos);
    text.replace(at, 5, "\n270.9\n");
    orv_test::write_file(app_test::prefs_file(e), text);
    ASSERT_EQ(read_back(), 1);
    EXPECT_EQ(atm.wave_dir, 270);
    EXPECT_EQ(atm.meteorite_code, 4);        // the lines after it still line up
    EXPECT_EQ(ogl_trees, 1);
}

TEST_F(App_Prefs, SituationLinesFollowTheRecord)
{
    app_test::fill_unusual();
    env.lox = 100;
    env.hiz = 5000;
    flt.X = 12345.5;
    flt.Z = 3000;
    flt.psi = 271.25f;
    flt.Y = 1524;
    flt.v = 61.5f;
    std::string sit = e.work + "/trip.sit";
    ASSERT_EQ(ouf_open(sit.c_str(), FILE_SITUATION, PREFS_VERSION), 1);
    dump_prefs();
    dump_situation_lines();
    ASSERT_EQ(ouf_close(), 1);
    std::string text = orv_test::read_file(sit);
    EXPECT_NE(text.find("\n12245.5 situation data\n-2000 situation data\n271.25 situation data\n"), std::string::npos);
    clear_records();
    ASSERT_EQ(inf_open(sit.c_str(), FILE_ANY, PREFS_VERSION, 1), 1);
    ASSERT_EQ(grab_prefs(), 1);
    grab_situation_lines();
    inf_close();
    EXPECT_FLOAT_EQ(set.cus_X, 12245.5f);
    EXPECT_FLOAT_EQ(set.cus_Z, -2000.0f);
    EXPECT_FLOAT_EQ(set.cus_psi, 271.25f);
    EXPECT_FLOAT_EQ(set.cus_Y, 1524.0f);
    EXPECT_FLOAT_EQ(set.cus_v, 61.5f);
    EXPECT_EQ(ogl_res, 3);
}

TEST_F(App_Prefs, FirstStartTakesDefaultsAfterTheAircraftIsChosen)
{
    std::string acf = orv_test::write_file(e.work + "/Trainer.acf", "i");
    std::string answer = acf;
    for (char& c : answer) if (c == '/') c = '\\';
    picker_queue_answer(answer.c_str());
    int before = mnw_alert_count();
    initprefs();
    EXPECT_EQ(app_test::exit_calls, 0);
    EXPECT_EQ(mnw_alert_count(), before + 1);
    EXPECT_STREQ(mnw_last_alert_line(0), "Welcome to Vantorel for Linux.");
    EXPECT_STREQ(pln.C_file, "Trainer.acf");
    EXPECT_FLOAT_EQ(msc.prd, 0.05f);
    EXPECT_FLOAT_EQ(msc.locl_time, 57600);
    EXPECT_NEAR(atm.topsMSL, 1524.0f, 1e-2);
    EXPECT_NEAR(atm.vis_rep, 7 * 1852.0f, 1e-1);
    EXPECT_EQ(set.joy_response[0], 2);
    EXPECT_EQ(set.joy_response[15], 18);
    EXPECT_EQ(set.joy_response[16], 0);
    EXPECT_EQ(nav.gps_vor_index, 2100);
    EXPECT_EQ(ogl_res, 2);
    EXPECT_EQ(msc.loc_apt_wrl, default_start_airport());
}

TEST_F(App_Prefs, NoAircraftAtFirstStartIsFatal)
{
    initprefs();                              // no picker answer: the dialog is cancelled
    EXPECT_EQ(app_test::exit_calls, 1);
    EXPECT_EQ(app_test::exit_status, 0);
    EXPECT_EQ(gdone, 1);
    EXPECT_STREQ(mnw_last_alert_line(0), "I did not get a valid aircraft from you.");
    std::string log = orv_test::read_file(e.work + "/Error.out");
    EXPECT_NE(log.find("alert 84"), std::string::npos);
}

TEST_F(App_Prefs, OldFileStaysWholeUntilTheNewOneIsComplete)
{
    app_test::fill_unusual();
    ASSERT_EQ(write_prefs_file(), 1);
    const std::string before = orv_test::read_file(app_test::prefs_file(e));
    msc.locl_time = 1000;
    ASSERT_EQ(ouf_open(prefs_path, FILE_ANY, PREFS_VERSION), 1);
    dump_prefs();
    ouf.flush();
    // Interrupted here, the user still has the previous file, not half of the new one.
    EXPECT_EQ(orv_test::read_file(app_test::prefs_file(e)), before);
    ASSERT_EQ(ouf_close(), 1);
    EXPECT_NE(orv_test::read_file(app_test::prefs_file(e)), before);
    ASSERT_EQ(read_back(), 1);
    EXPECT_FLOAT_EQ(msc.locl_time, 1000);
}

TEST_F(App_Prefs, DamagedPeriodLineFallsBackToTheDefault)
{
    app_test::fill_unusual();
    ASSERT_EQ(write_prefs_file(), 1);
    std::string text = orv_test::read_file(app_test::prefs_file(e));
    size_t at = text.find("\n0.0375\n");
    ASSERT_NE(at, std::string::npos);
    text.replace(at, 8, "\nnan\n");
    orv_test::write_file(app_test::prefs_file(e), text);
    read_back();
    EXPECT_TRUE(std::isfinite(msc.prd));
    EXPECT_GE(msc.prd, 0.01f);
    EXPECT_LE(msc.prd, 0.1f);
}


TEST_F(App_Prefs, EveryLineStandsWhereTheRecordPutsIt)
{
    fill_distinct();
    ASSERT_EQ(write_prefs_file(), 1);
    const std::vector<std::string> got = split_lines(orv_test::read_file(path()));
    const std::vector<std::string> want = expected_lines();
    ASSERT_EQ(got.size(), want.size());
    for (size_t i = 0; i < want.size(); i++) EXPECT_EQ(got[i], want[i]) << "line " << i + 1;
}

TEST_F(App_Prefs, ReaderTakesEachLineIntoItsField)
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

TEST_F(App_Prefs, AnOverlongNameKeeps399CharactersAndTheNextLineLinesUp)
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

TEST_F(App_Prefs, AWaveDirectionNoIntCanHoldBecomesZero)
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

TEST_F(App_Prefs, FirstStartGivesEveryFieldItsDefault)
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

TEST_F(App_Prefs, SituationLinesCarryTheirSuffix)
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


TEST_F(App_Prefs, ADamagedFileIsRefusedSoItsZerosAreNeverWrittenBack)
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

TEST_F(App_Prefs, ADamagedFileIsKeptBesideTheNewOneAndTheAlertSaysWhere)
{
    std::vector<std::string> lines = expected_lines();
    lines[35] = "garbage";
    std::string text;
    for (const std::string& l : lines) text += l + "\n";
    orv_test::write_file(path(), text);
    clear_records();
    initprefs();                      // then the first start's picker, cancelled without a window
    EXPECT_EQ(orv_test::read_file(path() + ".damaged"), text);
    const std::string log = orv_test::read_file(e.work + "/Error.out");
    const std::size_t told = log.find("The preferences file was damaged");
    ASSERT_NE(told, std::string::npos);
    EXPECT_NE(log.find("Vantorel 4.prf.damaged\"", told), std::string::npos);

    // The file "Reset Preferences and Exit" leaves is no damage: nothing is kept.
    std::remove((path() + ".damaged").c_str());
    ASSERT_EQ(disable_prefs_file(), 1);
    initprefs();
    EXPECT_FALSE(std::filesystem::exists(path() + ".damaged"));
}
