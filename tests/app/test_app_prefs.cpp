// The preferences and situation files, first start, Quit and "Reset Preferences and Exit",
// and the general initialisation.
#include <gtest/gtest.h>

#include <cmath>
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
#include "render/ship_models.h"
#include "render/sky_stars.h"
#include "support/test_support.h"

using namespace orv;

static std::string prefs_file(const app_test::env& e) { return e.config + "/Vantorel 4.prf"; }

// Every field of the record set to something other than its default.
static void fill_unusual()
{
    std::strcpy(pln.C_file, "Racer 2.acf");
    std::strcpy(pln.C_path, "\\home\\u\\planes\\Racer 2.acf");
    msc.loc_apt_wrl = 1234;
    msc.rway_sel = 3;
    msc.locl_time = 43210.5f;
    atm.temp_SL = 71.5f;
    ins.baro = 30.12f;
    atm.baro = 29.5f;
    atm.rain_tstm = 2.5f;
    atm.wind_tbl = 3;
    atm.burst_prob = 4;
    atm.change_clouds = 0; atm.change_vis = 7; atm.change_precip = 0; atm.change_turb = 1; atm.change_micro = 0;
    atm.cld_type = 3;
    atm.topsMSL = 3048.25f;
    atm.baseMSL = 1234.5f;
    atm.vis_rep = 10000;
    atm.vis_mult = 0.5f;
    for (int i = 0; i < 9; i++) {
        atm.wnddir[i] = 10.5f * i; atm.wndspd[i] = 2.0f + i; atm.shrdir[i] = 3.0f * i;
        atm.shrspd[i] = 0.25f * i; atm.tbl[i] = 0.5f * i;
    }
    atm.wave_amp = 1.5f; atm.wave_length = 12; atm.wave_speed = 3.25f; atm.wave_dir = 270;
    atm.thermal_part = 0.4f; atm.thermal_vvi = 3;
    atm.meteorite_code = 4; atm.rway_fric_code = 2;
    msc.sound_on = 0; atc.voice_out = 0; atc.text_out = 1;
    msc.warn_frame = 0; msc.warn_overspeed = 0; msc.warn_flaps = 1; msc.warn_bb = 0;
    fpl.mr = 0; fpl.mrs = 1;
    for (int g = 0; g < 60; g++) { set.Bdsk[g] = g % 2; set.Brlt[g] = (g % 3 == 0) ? 5 : 0; set.Bgrf[g] = g % 5 == 0; }
    set.serout = 2; set.damp = 1;
    set.joy_rat_ptch = 0.75f; set.joy_rat_hdng = 0.5f; set.joy_rat_roll = 0.25f;
    set.eq_ped = 1; set.eq_avi = 0; set.eq_thr = 1; set.eq_col = 0;
    set.NZptch = 0.05f; set.NZroll = 0.02f;
    for (int b = 0; b < 22; b++) set.joy_response[b] = 30 - b;
    nav.nf[0] = 10930; nav.nf[1] = 11480; nav.cf[0] = 11890; nav.cf[1] = 13200;
    nav.obs[0] = 123.5f; nav.obs[1] = 271;
    nav.adff = 338; nav.dmesel = 1;
    nav.gps_index_mode = 2; nav.gps_index = 17; nav.gps_apt_index = 18; nav.gps_vor_index = 19; nav.gps_ndb_index = 20;
    for (int i = 0; i < 4; i++) nav.gps_id[i] = 3 + i;
    msc.prd = 0.0375f;
    msc.logtime = 1;
    rel.total_fail_entry = 2.5f;
    ogl_res = 3; ogl_trees = 1;
}

class App_Prefs : public ::testing::Test {
protected:
    app_test::env e;
    void SetUp() override { e = app_test::fresh("prefs"); }
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
    fill_unusual();
    ASSERT_EQ(write_prefs_file(), 1);
    const planestruct p0 = pln;
    const atmospherestruct a0 = atm;
    const settingstruct s0 = set;
    const navstruct n0 = nav;
    const miscstruct m0 = msc;
    const float ins_baro = ins.baro;
    clear_records();
    std::memset(&pln, 0, sizeof pln);
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
    fill_unusual();
    ASSERT_EQ(write_prefs_file(), 1);
    std::string text = orv_test::read_file(prefs_file(e));
    ASSERT_EQ(text.rfind("I\n462 version\nRacer 2.acf\n", 0), 0u) << text.substr(0, 60);
    EXPECT_NE(text.find("\n10.5 3 3 0.25 0.5\n"), std::string::npos);   // wind layer 1
    EXPECT_NE(text.find("\n0 1 1\n1 0 0\n"), std::string::npos);         // data groups 0, 1 as flags
    EXPECT_NE(text.find("\n0.0375\n1\n2.5\n3\n1\n"), std::string::npos);   // the last five lines
}

TEST_F(App_Prefs, PeriodIsLimitedAndAvionicsBringDefaultRadios)
{
    fill_unusual();
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
    fill_unusual();
    ASSERT_EQ(write_prefs_file(), 1);
    std::string text = orv_test::read_file(prefs_file(e));
    size_t at = text.find("\n270\n");
    ASSERT_NE(at, std::string::npos);
    text.replace(at, 5, "\n270.9\n");
    orv_test::write_file(prefs_file(e), text);
    ASSERT_EQ(read_back(), 1);
    EXPECT_EQ(atm.wave_dir, 270);
    EXPECT_EQ(atm.meteorite_code, 4);        // the lines after it still line up
    EXPECT_EQ(ogl_trees, 1);
}

TEST_F(App_Prefs, SituationLinesFollowTheRecord)
{
    fill_unusual();
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
    EXPECT_STREQ(mnw_last_alert_line(0), "Welcome to Vantorel for Macintosh/Windows.");
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

class App_Menu : public ::testing::Test {
protected:
    app_test::env e;
    void SetUp() override { e = app_test::fresh("menu"); }
};

TEST_F(App_Menu, QuitWritesPreferencesAndEndsTheLoop)
{
    fill_unusual();
    msc.logtime = 0;
    gdone = 0;
    APPLICATION_handlemenu(MENU_QUIT);
    EXPECT_EQ(gdone, 1);
    std::string text = orv_test::read_file(prefs_file(e));
    EXPECT_EQ(text.rfind("I\n462 version\nRacer 2.acf\n", 0), 0u);
}

TEST_F(App_Menu, QuitIsIgnoredDuringReplay)
{
    set.replay_mode = 3;
    gdone = 0;
    APPLICATION_handlemenu(MENU_QUIT);
    EXPECT_EQ(gdone, 0);
    EXPECT_TRUE(orv_test::read_file(prefs_file(e)).empty());
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
    fill_unusual();
    ASSERT_EQ(write_prefs_file(), 1);
    APPLICATION_handlemenu(MENU_RESET_PREFS);
    EXPECT_EQ(app_test::exit_calls, 1);
    EXPECT_EQ(app_test::exit_status, 0);
    EXPECT_EQ(orv_test::read_file(prefs_file(e)), "I\n-1 version\nz\n\n");
    EXPECT_STREQ(mnw_last_alert_line(0), "I have disabled the preferences file.");

    // Next start: the disabled file is refused, so the welcome and the aircraft dialog come.
    e = app_test::fresh("menu2");
    std::string prf = orv_test::write_file(prefs_file(e), "I\n-1 version\nz\n\n");
    std::string acf = orv_test::write_file(e.work + "/A.acf", "i");
    for (char& c : acf) if (c == '/') c = '\\';
    picker_queue_answer(acf.c_str());
    initprefs();
    EXPECT_EQ(app_test::exit_calls, 0);
    EXPECT_STREQ(mnw_last_alert_line(0), "Welcome to Vantorel for Macintosh/Windows.");
    EXPECT_FLOAT_EQ(msc.prd, 0.05f);
}

TEST_F(App_Menu, UnknownCommandsOnlyLeaveALine)
{
    set_constants();
    settingstruct s0 = set;
    int alerts = mnw_alert_count();
    APPLICATION_handlemenu(304);
    EXPECT_EQ(mnw_alert_count(), alerts);
    EXPECT_EQ(std::memcmp(&s0, &set, sizeof set), 0);
    MACIBM_finishup();                         // flushes and closes Error.out
    std::string log = orv_test::read_file(e.work + "/Error.out");
    EXPECT_NE(log.find("menu command 304"), std::string::npos);
}

class App_Start : public ::testing::Test {
protected:
    app_test::env e;
    void SetUp() override { e = app_test::fresh("start"); }
};

TEST_F(App_Start, PreviousInstanceTouchesNothing)
{
    msc.prd = 0.07f;
    flt.X = 42;
    int token = 1;
    EXPECT_EQ(start_simulator(&token, 0, 0, ""), 0);
    EXPECT_FLOAT_EQ(msc.prd, 0.07f);
    EXPECT_EQ(flt.X, 42.0);
}

TEST_F(App_Start, GeneralInitialisation)
{
    initgen();
    EXPECT_NEAR(atm.hr[0][1], 1.225f, 1e-3);          // sea-level density, kg/m^3
    EXPECT_NEAR(atm.hr[1][0], 3048.0f, 1e-2);
    EXPECT_NEAR(atm.hr[20][0], 60960.0f, 1e-1);
    EXPECT_NEAR(atm.hr[21][0], 259000 * 0.3048f, 1.0f);
    EXPECT_EQ(atm.hr[21][1], 0.0f);
    for (int i = 1; i < 22; i++) EXPECT_LT(atm.hr[i][1], atm.hr[i - 1][1]);
    float lowest = 90, highest = -90;
    for (int s = 0; s < STAR_COUNT; s++) {
        float r = std::sqrt(star_xyz[s][0] * star_xyz[s][0] + star_xyz[s][1] * star_xyz[s][1] +
                            star_xyz[s][2] * star_xyz[s][2]);
        ASSERT_NEAR(r, 1000.0f, 0.5f);
        float el = std::asin(star_xyz[s][1] / r) * 57.29578f;
        lowest = std::fmin(lowest, el);
        highest = std::fmax(highest, el);
    }
    // 90 * signed square of r / 90, r in -45..80: from 22.5 below the horizon to 71.1 above.
    EXPECT_GE(lowest, -22.6f);
    EXPECT_LT(lowest, -20.0f);
    EXPECT_LE(highest, 71.2f);
    EXPECT_GT(highest, 65.0f);
    EXPECT_EQ(msc.typestart, 7);
    // the custom start begins 5,000 ft up at 200 kt, in the fields the custom start reads
    EXPECT_NEAR(set.cus_Y, 5000 * 0.3048f, 1e-2);
    EXPECT_NEAR(set.cus_v, 200 * 1852 / 3600.0f, 1e-2);
    EXPECT_STREQ(msc.apt_id_req, "KAAA");
    EXPECT_EQ(rel.fail_type[31], 1);
    EXPECT_EQ(env.nrst_vor_max, -999);
    EXPECT_EQ(nav.tran2, 2);
    EXPECT_TRUE(trk.is_open());
}

TEST_F(App_Start, ShipOutlinesHaveTheirSizes)
{
    load_ship_models();
    float zmin = 1e9, zmax = -1e9, xmax = 0;
    for (int i = 0; i < CARR_STATIONS; i++)
        for (int k = 0; k < 2; k++) {
            zmin = std::fmin(zmin, carr_pxyz[i][k][2]);
            zmax = std::fmax(zmax, carr_pxyz[i][k][2]);
            xmax = std::fmax(xmax, std::fabs(carr_pxyz[i][k][0]));
        }
    EXPECT_NEAR(zmax - zmin, CARR_LENGTH, 1.0f);
    EXPECT_LE(xmax, CARR_BEAM);
    for (int i = 0; i < CARR_STATIONS; i++) EXPECT_GT(carr_pxyz[i][1][1], carr_pxyz[i][0][1]);
    for (int i = 0; i < CARR_LIGHTS; i++) {        // every light on or beside the ship
        EXPECT_LE(std::fabs(carr_lxyz[i][2]), CARR_LENGTH / 2 + 1) << i;
        EXPECT_LE(std::fabs(carr_lxyz[i][0]), CARR_BEAM) << i;
        EXPECT_GT(carr_lxyz[i][1], 0.0f) << i;
    }
    for (int i = 0; i < FRIG_STATIONS; i++) EXPECT_LE(std::fabs(frig_pxyz[i][1][2]), FRIG_LENGTH / 2 + 0.01f);
    for (int i = 0; i < OILR_STATIONS; i++) EXPECT_GT(oilr_pxyz[i][1][1], oilr_pxyz[i][0][1]);
}

TEST_F(App_Prefs, OldFileStaysWholeUntilTheNewOneIsComplete)
{
    fill_unusual();
    ASSERT_EQ(write_prefs_file(), 1);
    const std::string before = orv_test::read_file(prefs_file(e));
    msc.locl_time = 1000;
    ASSERT_EQ(ouf_open(prefs_path, FILE_ANY, PREFS_VERSION), 1);
    dump_prefs();
    ouf.flush();
    // Interrupted here, the user still has the previous file, not half of the new one.
    EXPECT_EQ(orv_test::read_file(prefs_file(e)), before);
    ASSERT_EQ(ouf_close(), 1);
    EXPECT_NE(orv_test::read_file(prefs_file(e)), before);
    ASSERT_EQ(read_back(), 1);
    EXPECT_FLOAT_EQ(msc.locl_time, 1000);
}

TEST_F(App_Prefs, DamagedPeriodLineFallsBackToTheDefault)
{
    fill_unusual();
    ASSERT_EQ(write_prefs_file(), 1);
    std::string text = orv_test::read_file(prefs_file(e));
    size_t at = text.find("\n0.0375\n");
    ASSERT_NE(at, std::string::npos);
    text.replace(at, 8, "\nnan\n");
    orv_test::write_file(prefs_file(e), text);
    read_back();
    EXPECT_TRUE(std::isfinite(msc.prd));
    EXPECT_GE(msc.prd, 0.01f);
    EXPECT_LE(msc.prd, 0.1f);
}

TEST_F(App_Start, FixedSeedGivesTheSameSky)
{
    // The stock trainer of the build's data tree (the start-up loads the aircraft it is given).
    const std::string acf = std::string(ORV_BINARY_DIR) + "/Aircraft/Trainer 172/Trainer 172.acf";
    if (orv_test::read_file(acf).empty()) GTEST_SKIP() << "no stock aircraft in this build";
    ASSERT_EQ(start_simulator(nullptr, 1, 1234, acf.c_str()), 1);
    float first[10][3];
    std::memcpy(first, star_xyz, sizeof first);
    EXPECT_EQ(done_initing, 1);
    EXPECT_STREQ(pln.C_file, "Trainer 172.acf");
    EXPECT_EQ(app_test::exit_calls, 0);
    ASSERT_EQ(start_simulator(nullptr, 1, 1234, acf.c_str()), 1);
    EXPECT_EQ(std::memcmp(first, star_xyz, sizeof first), 0);
    ASSERT_EQ(start_simulator(nullptr, 1, 4321, acf.c_str()), 1);
    EXPECT_NE(std::memcmp(first, star_xyz, sizeof first), 0);
    MACIBM_finishup();
}

#include "world/nav_db.h"

class App_StartAirport : public ::testing::Test {
protected:
    app_test::env e;
    void SetUp() override
    {
        e = app_test::fresh("airport");
        for (int i = 0; i < 4; i++) {
            apt_lat[i][0] = 34.0f + i;
            apt_lon[i][0] = -117.0f - i;
        }
        std::strcpy(apt_id[0], "KLAX");
        std::strcpy(apt_id[1], "KSBD");
        std::strcpy(apt_id[2], "KSBD");
        std::strcpy(apt_id[3], "KSBA");
        env.aptmax = 3;
    }
    void TearDown() override
    {
        for (int i = 0; i < 4; i++) apt_id[i][0] = 0;
        env.aptmax = 0;
    }
};

TEST_F(App_StartAirport, LastKsbdIsTheDefaultAndSetsTheRegionCorner)
{
    EXPECT_EQ(default_start_airport(), 2);
    std::string acf = orv_test::write_file(e.work + "/A.acf", "i");
    for (char& c : acf) if (c == '/') c = '\\';
    picker_queue_answer(acf.c_str());
    initprefs();
    EXPECT_EQ(msc.loc_apt_wrl, 2);
    EXPECT_FLOAT_EQ(flt.lat, 36.0f);
    EXPECT_FLOAT_EQ(flt.lon, -119.0f);
    EXPECT_EQ(env.lat_sou, 35);                 // round(36 - 1)
    EXPECT_EQ(env.lon_wes, -121);               // round(-119 - 1.5) = round(-120.5), away from zero
}

TEST_F(App_StartAirport, AnAirportIndexBeyondTheTableFallsBackToTheDefault)
{
    fill_unusual();                             // names airport 1234 of a bigger table
    ASSERT_EQ(write_prefs_file(), 1);
    initprefs();
    EXPECT_EQ(msc.loc_apt_wrl, 2);
    EXPECT_FLOAT_EQ(flt.lat, 36.0f);
    msc.loc_apt_wrl = 1;
    ASSERT_EQ(write_prefs_file(), 1);
    initprefs();
    EXPECT_EQ(msc.loc_apt_wrl, 1);
    EXPECT_EQ(env.lat_sou, 34);
}

TEST_F(App_StartAirport, EmptyTablesAreNotRead)
{
    apt_id[0][0] = 0;                           // what a start without navigation data leaves
    EXPECT_EQ(default_start_airport(), 0);
    float lat = 99, lon = 99;
    EXPECT_EQ(start_airport_position(1, &lat, &lon), 0);
    EXPECT_EQ(lat, 99.0f);
}
