// The preferences and situation files: every line in its place, the round trip, damaged
// and out-of-range values, the first start, and the file kept whole while it is rewritten.
#include <gtest/gtest.h>

#include <climits>
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
#include "windows/serial_out.h"
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
    atm.temp_SL = 102;
    ins.baro = 30.03f;
    atm.baro = 30.04f;
    atm.rain_tstm = 1.5f;
    atm.wind_tbl = 2.5f;
    atm.burst_prob = 3.5f;
    atm.change_clouds = 5; atm.change_vis = 0; atm.change_precip = 1; atm.change_turb = 0; atm.change_micro = 1;
    atm.cld_type = 0;
    atm.topsMSL = 1009;
    atm.baseMSL = 1010;
    atm.vis_rep = 2000;
    atm.vis_mult = 0.5f;
    for (int i = 0; i < 9; i++) {
        atm.wnddir[i] = 100.0f + i; atm.wndspd[i] = 10.0f + i; atm.shrdir[i] = 120.0f + i;
        atm.shrspd[i] = 30.0f + i; atm.tbl[i] = 1.0f + i;
    }
    atm.wave_amp = 1.25f; atm.wave_length = 12; atm.wave_speed = 13; atm.wave_dir = 14;
    atm.meteorite_code = 3; atm.rway_fric_code = 2;
    msc.sound_on = 0; atc.voice_out = 1; atc.text_out = 0;
    msc.warn_frame = 1; msc.warn_overspeed = 0; msc.warn_flaps = 1; msc.warn_bb = 0;
    fpl.mr = 1; fpl.mrs = 0;
    for (int g = 0; g < 60; g++) { set.Bdsk[g] = g % 2; set.Brlt[g] = ((g / 2) % 2) * 3; set.Bgrf[g] = g % 3 == 0; }
    set.serout = 4; set.damp = 0.5f;
    set.joy_rat_ptch = 0.19f; set.joy_rat_hdng = 0.2f; set.joy_rat_roll = 0.21f;
    set.eq_ped = 1; set.eq_avi = 0; set.eq_thr = 0; set.eq_col = 1;
    set.NZptch = 0.03f; set.NZroll = 0.04f;
    for (int b = 0; b < 22; b++) set.joy_response[b] = 5 + b;
    nav.nf[0] = 10800; nav.nf[1] = 10810; nav.cf[0] = 11800; nav.cf[1] = 11810;
    nav.obs[0] = 22; nav.obs[1] = 23; nav.adff = 24; nav.dmesel = 1;
    nav.gps_index_mode = 3; nav.gps_index = 27; nav.gps_apt_index = 28; nav.gps_vor_index = 29; nav.gps_ndb_index = 30;
    for (int i = 0; i < 4; i++) nav.gps_id[i] = 31 + i;
    msc.prd = 0.035f; msc.logtime = 1; rel.total_fail_entry = 36;
    ogl_res = 4; ogl_trees = 1;
}

// The lines fill_distinct must produce, in the order of the preferences record.
static std::vector<std::string> expected_lines()
{
    std::vector<std::string> v = {"I", "462 version", "A.acf", "\\p\\A.acf", "3", "4", "1001", "102", "30.03",
                                  "30.04", "1.5", "2.5", "3.5", "1", "0", "1", "0", "1", "0", "1009", "1010",
                                  "1000"};
    for (int i = 0; i < 9; i++)
        v.push_back(std::to_string(100 + i) + " " + std::to_string(10 + i) + " " + std::to_string(120 + i) +
                    " " + std::to_string(30 + i) + " " + std::to_string(1 + i));
    for (const char* s : {"1.25", "12", "13", "14", "3", "2", "0", "1", "0", "1", "0", "1", "0", "1", "0"})
        v.push_back(s);
    for (int g = 0; g < 60; g++)
        v.push_back(std::to_string(g % 2) + " " + std::to_string((g / 2) % 2) + " " + std::to_string(g % 3 == 0));
    for (const char* s : {"4", "0.5", "0.19", "0.2", "0.21", "1", "0", "0", "1", "0.03", "0.04"}) v.push_back(s);
    for (int b = 0; b < 22; b++) v.push_back(std::to_string(5 + b));
    for (const char* s : {"10800", "10810", "11800", "11810", "22", "23", "24", "1", "3", "27", "28", "29",
                          "30", "31", "32", "33", "34", "0.035", "1", "36", "4", "1"})
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

    // Fields a first start leaves alone, and the ones not in the file.
    fill_distinct();
    atm.thermal_part = 0.5f;
    picker_queue_answer(answer.c_str());
    hardprefs();
    EXPECT_EQ(set.joy_response[15], 18);
    EXPECT_EQ(set.joy_response[16], 21);     // buttons 16..21 keep what they held
    EXPECT_EQ(msc.logtime, 1);
    EXPECT_EQ(set.eq_avi, 0);
    EXPECT_EQ(atm.thermal_part, 0);
    EXPECT_STREQ(pln.C_file, "Trainer.acf");
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
    // A hand-made file read and written back gives the same lines: every line went into the
    // field the writer takes it from. The reader skips what follows the fifth number of a wind
    // line and drops the first number of each data group (output to disk starts off).
    std::vector<std::string> lines = expected_lines();
    const std::vector<std::string> want = lines;
    lines[22] += " 999 extra words";        // wind layer 0
    std::string text;
    for (const std::string& l : lines) text += l + "\n";
    orv_test::write_file(path(), text);
    clear_records();
    env.aptmax = -1;   // no airport table: an earlier test's one would limit the start airport
    atm.thermal_part = 9;
    ASSERT_EQ(read_back(), 1);
    EXPECT_EQ(atm.thermal_part, 0.0f);       // not in the file: reset as at a first start
    atm.vis_mult = 1;
    ASSERT_EQ(write_prefs_file(), 1);
    const std::vector<std::string> got = split_lines(orv_test::read_file(path()));
    ASSERT_EQ(got.size(), want.size());
    const size_t groups = 22 + 9 + 15;      // the first data group's line
    for (size_t i = 0; i < want.size(); i++) {
        std::string w = want[i];
        if (i >= groups && i < groups + 60) w[0] = '0';
        EXPECT_EQ(got[i], w) << "line " << i + 1;
    }
}

TEST_F(App_Prefs, EveryValueReadIsLimitedToItsRange)
{
    // Each number written far outside its field's range (or as no number at all) comes back
    // within the range; one that is no number takes the default.
    for (int trial = 0; trial < 3; trial++) {
        app_test::fill_unusual();
        for (int n = 0; n < prefs_field_count(); n++) {
            const pref_field& f = prefs_field(n);
            for (int i = 0; i < f.count; i++) {
                if (f.kind == pref_kind::real)
                    static_cast<float*>(f.where)[i] = trial == 0 ? 1e30f : trial == 1 ? -1e30f : NAN;
                else if (f.kind != pref_kind::text)
                    static_cast<int*>(f.where)[i] = trial == 1 ? INT_MIN : INT_MAX;
            }
        }
        atm.vis_mult = 1;
        ASSERT_EQ(write_prefs_file(), 1);
        clear_records();
        ASSERT_EQ(read_back(), 1) << trial;
        for (int n = 0; n < prefs_field_count(); n++) {
            const pref_field& f = prefs_field(n);
            for (int i = 0; i < f.count && f.kind != pref_kind::text; i++) {
                const float v = f.kind == pref_kind::real ? static_cast<float*>(f.where)[i]
                                                          : (float)static_cast<int*>(f.where)[i];
                EXPECT_GE(v, pref_lo(f)) << f.name << " " << trial;
                EXPECT_LE(v, pref_hi(f)) << f.name << " " << trial;
                if (trial == 2 && f.kind == pref_kind::real && !f.dflt_list) {
                    EXPECT_FLOAT_EQ(v, f.dflt * (f.unit ? *f.unit : 1.0f)) << f.name;
                }
            }
        }
    }
    EXPECT_FLOAT_EQ(msc.prd, 0.05f);          // a damaged period must not stop time
}

TEST_F(App_Prefs, SituationValuesAreLimited)
{
    const std::string sit = e.work + "/odd.sit";
    ASSERT_EQ(ouf_open(sit.c_str(), FILE_SITUATION, PREFS_VERSION), 1);
    dump_prefs();
    ouf << "1e30 situation data\nnan situation data\n-450 situation data\n-1e30 situation data\n"
           "inf situation data\n";   // heading -450 is 270
    ASSERT_EQ(ouf_close(), 1);
    ASSERT_EQ(inf_open(sit.c_str(), FILE_ANY, PREFS_VERSION, 1), 1);
    ASSERT_EQ(grab_prefs(), 1);
    grab_situation_lines();
    inf_close();
    EXPECT_FLOAT_EQ(set.cus_X, SIT_POSITION_MAX);
    EXPECT_TRUE(std::isnan(set.cus_Z));      // no number: left for the load to refuse
    EXPECT_FLOAT_EQ(set.cus_psi, 270);
    EXPECT_FLOAT_EQ(set.cus_Y, SIT_HEIGHT_MIN);
    EXPECT_TRUE(std::isnan(set.cus_v));      // infinity is no speed
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
        EXPECT_EQ(atm.meteorite_code, 3) << bad;    // the next line still lines up
    }
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
    ASSERT_EQ(lines[35], "3");                    // the meteorite code's line
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
    lines[35] = "3";
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

// The serial port and the UDP target live beside the record, so the record (which situation
// files share) keeps its layout; "Reset Preferences and Exit" takes them away too.
TEST_F(App_Prefs, NewerFieldsKeepTheirOwnFileAndAResetRemovesIt)
{
    std::snprintf(ser_cfg.device, sizeof ser_cfg.device, "/dev/serial/by-id/usb-GPS 1");
    std::snprintf(ser_cfg.udp_target, sizeof ser_cfg.udp_target, "tablet:10110");
    ASSERT_EQ(write_prefs_file(), 1);
    EXPECT_EQ(orv_test::read_file(path()).find("tablet"), std::string::npos);
    const std::string more = e.config + "/" + PREFS_MORE_FILE;
    std::FILE* f = std::fopen(more.c_str(), "a");
    ASSERT_NE(f, nullptr);
    std::fputs("a field of a newer program = 7\nno separator here\n", f);
    std::fclose(f);
    ser_cfg.device[0] = ser_cfg.udp_target[0] = 0;
    read_more_prefs();
    EXPECT_STREQ(ser_cfg.device, "/dev/serial/by-id/usb-GPS 1");   // blanks and all
    EXPECT_STREQ(ser_cfg.udp_target, "tablet:10110");
    ASSERT_EQ(disable_prefs_file(), 1);
    EXPECT_FALSE(std::filesystem::exists(more));
    std::snprintf(ser_cfg.device, sizeof ser_cfg.device, "%s", SERIAL_DEFAULT_DEVICE);
    ser_cfg.udp_target[0] = 0;
}
