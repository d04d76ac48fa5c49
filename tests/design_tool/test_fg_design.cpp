// The design helpers: blade angles worked by hand, mirroring surfaces, the instrument chooser
// and the airfoil thickness read for the drawing.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include <sys/stat.h>

#include "2-QZutils/qz_file.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/records.h"
#include "design_tool/fg_design.h"
#include "support/test_support.h"

namespace orv {
namespace {

class Design : public ::testing::Test {
protected:
    void SetUp() override
    {
        set_constants();
        std::memset(&pln, 0, sizeof pln);
        std::memset(&afl, 0, sizeof afl);
        std::memset(&mnw, 0, sizeof mnw);
    }
};

TEST_F(Design, PropellerBladeAnglesForAdvanceAndForSpeed)
{
    // A 3 ft propeller of two elements at 2400 rpm; by hand (feet throughout):
    // for an advance of 60 in = 5 ft a turn, element 0 at r = 0.75 ft takes
    // atan(5 / (2 pi 0.75)) = 46.70 deg, element 1 at 2.25 ft atan(5 / 14.137) = 19.48 deg,
    // and the speed is 40 turns/s * 5 ft = 200 ft/s = 118.5 kt.
    pln.els[1] = 2;
    pln.semilen[1] = 3.0f;
    pln.des_rpm[1] = 2400.0f;
    pln.des_adv[1] = 60.0f;
    ASSERT_EQ(design_prop(1, DESIGN_FOR_ADVANCE), 1);
    EXPECT_NEAR(pln.anginc[1][0], 46.70f, 0.01f);
    EXPECT_NEAR(pln.anginc[1][1], 19.48f, 0.01f);
    EXPECT_NEAR(pln.des_vel[1], 118.50f, 0.05f);
    EXPECT_EQ(pln.anginc[0][0], 0.0f);   // only that propeller

    // For 100 kt = 168.78 ft/s at 2400 rpm (251.33 rad/s): element 1 takes
    // atan(168.78 / (251.33 * 2.25)) = 16.62 deg and the advance is 168.78 / 40 = 4.2195 ft = 50.63 in.
    pln.des_vel[1] = 100.0f;
    ASSERT_EQ(design_prop(1, DESIGN_FOR_SPEED), 1);
    EXPECT_NEAR(pln.anginc[1][1], 16.62f, 0.01f);
    EXPECT_NEAR(pln.des_adv[1], 50.63f, 0.05f);

    // Variable pitch: angles from the tip's, atan(4.2195 / (2 pi 3)) = 12.62 deg, pitch range 0..22.62.
    pln.varpitchEQ = 1;
    ASSERT_EQ(design_prop(1, DESIGN_FOR_SPEED), 1);
    EXPECT_NEAR(pln.anginc[1][1], 16.62f - 12.62f, 0.02f);
    EXPECT_FLOAT_EQ(pln.minpitch[1], 0.0f);
    EXPECT_NEAR(pln.maxpitch[1], 22.62f, 0.03f);

    // A rotor's pitch range is its own; a propeller with no rpm is left alone.
    pln.is_heli = 1;
    pln.maxpitch[1] = 15.0f;
    design_prop(1, DESIGN_FOR_SPEED);
    EXPECT_FLOAT_EQ(pln.maxpitch[1], 15.0f);
    pln.des_rpm[1] = 0.0f;
    pln.anginc[1][0] = 3.0f;
    EXPECT_EQ(design_prop(1, DESIGN_FOR_ADVANCE), 0);
    EXPECT_FLOAT_EQ(pln.anginc[1][0], 3.0f);
}

TEST_F(Design, CopyFoilMirrorsTheArmButNotThePylonsPositionAndCarriesRightHandControls)
{
    for (int p : {4, 10, 12, 15}) {
        pln.Xarm[p] = -6.0f;
        pln.Yarm[p] = 1.5f;
        pln.Zarm[p] = 4.0f;
        pln.semilen[p] = 16.0f;
        pln.els[p] = 6;
        pln.ailn[p][5] = pln.elev[p][2] = pln.rudd[p][1] = 1;
        std::snprintf(pln.Rafl0[p], ACF_STR, "NACA 2412 (popular).afl");
        afl.trat[p][1][0] = 0.09f;
    }
    copy_foil(4, 5);
    EXPECT_FLOAT_EQ(pln.Xarm[5], 6.0f);
    EXPECT_FLOAT_EQ(pln.Yarm[5], 1.5f);
    EXPECT_FLOAT_EQ(pln.Zarm[5], 4.0f);
    EXPECT_FLOAT_EQ(pln.semilen[5], 16.0f);
    EXPECT_STREQ(pln.Rafl0[5], "NACA 2412 (popular).afl");
    EXPECT_FLOAT_EQ(afl.trat[5][1][0], 0.09f);
    EXPECT_EQ(pln.ailn[5][5], 1);
    // The stabiliser's right half keeps its elevator: the flight model reads each half's flags.
    copy_foil(10, 11);
    EXPECT_EQ(pln.elev[11][2], 1);
    // The second fin mirrors its place, not the first's rudder flags.
    copy_foil(12, 13);
    EXPECT_FLOAT_EQ(pln.Xarm[13], 6.0f);
    EXPECT_EQ(pln.rudd[13][1], 0);
    // Into the first pylon: its own position stays.
    pln.Xarm[14] = 9.0f;
    pln.Zarm[14] = -2.0f;
    copy_foil(15, 14);
    EXPECT_FLOAT_EQ(pln.Xarm[14], 9.0f);
    EXPECT_FLOAT_EQ(pln.Zarm[14], -2.0f);
    EXPECT_FLOAT_EQ(pln.semilen[14], 16.0f);
}

TEST_F(Design, InstrumentChooserMovesAKindFromTheSlotThatHeldIt)
{
    pln.ins_of_loc[2] = 3;   // the altimeter
    pln.has_ins[2] = 1;
    const int x = 100, y = 200;
    mnw.mouse_clicked = 1;
    mnw.mx = x + 20;
    mnw.my = y - 3 * INS_KIND_PITCH + 3;   // on the third row below the top: the altimeter
    EXPECT_EQ(fiddle_ins_loc(5, x, y), 1);
    EXPECT_EQ(pln.ins_of_loc[5], 3);
    EXPECT_EQ(pln.has_ins[5], 1);
    EXPECT_EQ(pln.ins_of_loc[2], 0);
    EXPECT_EQ(pln.has_ins[2], 0);
    // NONE is never taken from the other slots.
    pln.ins_of_loc[7] = 0;
    mnw.my = y + 3;
    EXPECT_EQ(fiddle_ins_loc(5, x, y), 1);
    EXPECT_EQ(pln.ins_of_loc[5], 0);
    EXPECT_EQ(pln.ins_of_loc[7], 0);
}

TEST_F(Design, FoilThicknessFromTheAirfoilFileOrTheAlert)
{
    const std::string dir = orv_test::temp_dir("fg_foil");
    ::mkdir((dir + "/airfoils").c_str(), 0755);
    orv_test::write_file(dir + "/airfoils/notafoil.afl", "I\n363 version\n999\n");
    std::snprintf(app_path, sizeof app_path, "%s/", dir.c_str());
    afl.trat[8][1][0] = 0.5f;
    const int before = mnw_alert_count();
    EXPECT_EQ(assign_foil_thickness("notafoil.afl", 8, 1), 0);
    EXPECT_EQ(mnw_alert_count(), before + 1);
    EXPECT_STREQ(mnw_last_alert_line(0), "You didn't select a foil!");
    EXPECT_STREQ(mnw_last_alert_line(1), "notafoil.afl");
    EXPECT_EQ(afl.trat[8][1][0], 0.0f);

    std::snprintf(app_path, sizeof app_path, "%s/", ORV_BINARY_DIR);
    char probe[PATH_LEN] = "NACA 2412 (popular).afl";
    ap_dir("airfoils", probe);
    std::FILE* present = std::fopen(native_path(probe), "r");
    ORV_NEED_DATA(present != nullptr, "airfoil files");
    std::fclose(present);
    EXPECT_EQ(assign_foil_thickness("NACA 2412 (popular).afl", 8, 0), 1);
    EXPECT_NEAR(afl.trat[8][0][0], 0.12f, 1e-4f);
    EXPECT_NEAR(afl.trat[8][0][1], 0.12f, 1e-4f);
}

}  // namespace
}  // namespace orv
