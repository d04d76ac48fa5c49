// Start-up: a second instance, the general initialisation and its defaults, the ship
// outlines, the sky of a fixed seed, the start airport, and the menus at start.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "2-QZutils/qz_file.h"
#include "2-QZutils/qz_pick.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/records.h"
#include "app/app_goto.h"
#include "app/app_menu.h"
#include "app/app_prefs.h"
#include "app/app_start.h"
#include "app_test_env.h"
#include "render/ship_models.h"
#include "render/sky_stars.h"
#include "support/test_support.h"
#include "world/nav_db.h"

using namespace orv;

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

TEST_F(App_Start, FixedSeedGivesTheSameSky)
{
    // The stock trainer of the build's data tree (the start-up loads the aircraft it is given).
    const std::string acf = std::string(ORV_BINARY_DIR) + "/Aircraft/Trainer 172/Trainer 172.acf";
    ORV_NEED_DATA(!orv_test::read_file(acf).empty(), "stock aircraft");
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


// The airport a start was asked for is not asked for again by the next start in the same
// process, which may read a data tree without it.
TEST_F(App_Start, CommandLineAirportIsForItsOwnStartOnly)
{
    const std::string acf = std::string(ORV_BINARY_DIR) + "/Aircraft/Trainer 172/Trainer 172.acf";
    ORV_NEED_DATA(!orv_test::read_file(acf).empty(), "stock aircraft");
    mnw_set_dirs(ORV_BINARY_DIR, e.config.c_str());
    app_set_start_airport("KSBD", 1);
    ASSERT_EQ(start_simulator(nullptr, 1, 1, acf.c_str()), 1);
    EXPECT_EQ(msc.rway_sel, 1);
    mnw_set_dirs(e.data.c_str(), e.config.c_str());   // no navigation data at all
    EXPECT_EQ(start_simulator(nullptr, 1, 1, acf.c_str()), 1);
    MACIBM_finishup();
}

TEST_F(App_Start, GeneralInitialisationAtmosphereAndOutputFile)
{
    initgen();
    // Atmosphere rows every 10 000 ft: row 5 at 50 000 ft with 0.0003639 slug/ft^3.
    EXPECT_NEAR(atm.hr[5][0], 15240.0f, 1e-1);
    EXPECT_NEAR(atm.hr[5][1], 0.0003639f * 515.379f, 1e-3);
    EXPECT_TRUE((trk.flags() & std::ios::floatfield) == std::ios::fixed);
}

TEST_F(App_Start, MenusStartWithoutBoxesAndEmptyListsAtZero)
{
    mnw.menux1[3] = 12;
    mnw.itemy2[7][4] = 40;
    MACIBM_append_menu(7, 704, "Old");
    APPLICATION_setupmenus();
    EXPECT_EQ(mnw.menux1[3], -9999);
    EXPECT_EQ(mnw.itemy2[7][4], -9999);
    EXPECT_STREQ(mnw.item_name[7][4], "");
    EXPECT_EQ(env.apt_list_max, 0);
    EXPECT_EQ(env.vor_list_max, 0);
    EXPECT_EQ(env.ndb_list_max, 0);
}


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
    app_test::fill_unusual();                             // names airport 1234 of a bigger table
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
