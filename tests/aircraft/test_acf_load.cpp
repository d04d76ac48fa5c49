// Loading an aircraft: derived values, every stored unit converted, the mid-chord sweep and
// wing joining, wash maps, masses, bodies drawn all the way round or as a half, the rest
// height on floats, the report and its fixed lines, the airfoil file's order, the picker
// loop with and without a window, and damaged input.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "2-QZutils/acf_fields.h"
#include "2-QZutils/acf_parts.h"
#include "2-QZutils/qz_file.h"
#include "2-QZutils/qz_pick.h"
#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/qz_trk.h"
#include "2-QZutils/records.h"
#include "acf_test_util.h"
#include "aircraft/acf_io.h"
#include "aircraft/afl_io.h"
#include "aircraft/initpln.h"
#include "flight/funct.h"
#include "platform/plat_backend.h"
#include "support/test_support.h"

using namespace orv;

namespace {

class Acf_Load : public acf_test::TrainerFixture {
protected:
    void SetUp() override { start("acf_load"); }
};

float span_of_main_wing() { return std::fabs(get_wing_Xarm(5, pln.semilen[5]) - get_wing_Xarm(4, pln.semilen[4])); }

}  // namespace

TEST_F(Acf_Load, TrainerLoadsWithoutAlertsAndSensibleValues)
{
    EXPECT_EQ(load(), 0) << mnw_last_alert_line(0);
    EXPECT_STREQ(pln.C_file, "trainer.acf");
    EXPECT_STREQ(pln.C_name, "trainer.acf");
    // SI about the centre of gravity
    EXPECT_NEAR(pln.semilen[4], 16.0f * 0.3048f, 1e-4f);
    EXPECT_NEAR(pln.Zarm[10], (15.0f - 3.0f) * 0.3048f, 1e-4f);
    EXPECT_NEAR(pln.m_max, 2450.0f / 2.2046226f, 0.01f);
    EXPECT_NEAR(pln.pmax, 160.0f * 745.69987f, 1.0f);
    EXPECT_NEAR(pln.omegamax, 2700.0f * 6.2831853f / 60.0f, 0.01f);
    EXPECT_EQ(pln.Vmin, 40.0f);
    EXPECT_EQ(pln.Vmax, 170.0f);
    // main wing: aspect ratio 2 b / c, Oswald factor between the limits
    EXPECT_NEAR(pln.AR[4], 2.0f * 16.0f / 5.3f, 1e-3f);
    EXPECT_GT(pln.e[4], 0.75f);
    EXPECT_LE(pln.e[4], 1.0f);
    EXPECT_GT(pln.cl_D_cl0[4], 0.7f);
    EXPECT_LT(pln.cl_D_cl0[4], 1.0f);
    EXPECT_GT(pln.alpha_max[4], 16.0f);            // finite wing stalls later than its airfoil
    EXPECT_EQ(pln.flapEQ, 1);
    EXPECT_EQ(pln.ailnEQ, 1);
    EXPECT_EQ(pln.elevEQ, 1);
    EXPECT_EQ(pln.ruddEQ, 1);
    EXPECT_EQ(pln.slatEQ, 0);
    EXPECT_NEAR(pln.clflap[50], 1.0f, 1e-5f);
    EXPECT_NEAR(pln.cmflap[10], -0.04f, 1e-5f);
    // radii of gyration: 0.2 to 0.4 of the semi-span (roll) or of the length (pitch, yaw); the
    // empty mass spread over the wetted area weights the tail more than a real airframe does
    const float span = span_of_main_wing() / 2.0f;
    const float length = pln.body_Z[18][10][0] - pln.body_Z[18][0][0];
    EXPECT_GT(std::sqrt(pln.Jzz_unitmass) / span, 0.2f);
    EXPECT_LT(std::sqrt(pln.Jzz_unitmass) / span, 0.4f);
    EXPECT_GT(std::sqrt(pln.Jxx_unitmass) / length, 0.2f);
    EXPECT_LT(std::sqrt(pln.Jxx_unitmass) / length, 0.4f);
    EXPECT_GT(std::sqrt(pln.Jyy_unitmass) / length, 0.2f);
    EXPECT_LT(std::sqrt(pln.Jyy_unitmass) / length, 0.4f);
    // propeller disc split into rings that add up
    float rings = 0;
    for (int k = 0; k < 8; ++k) rings += pln.ringarea[0][k];
    EXPECT_NEAR(rings, pln.discarea[0], 1e-4f);
    EXPECT_NEAR(pln.discarea[0], 3.14159265f * sqr(3.1f * 0.3048f), 1e-4f);
    // bodies and the stall speed
    EXPECT_GT(pln.fuse_s_frn, 1.0f);
    EXPECT_LT(pln.fuse_s_frn, 2.0f);
    EXPECT_GT(pln.fuse_s_sid, pln.fuse_s_frn);
    EXPECT_GT(msc.est_Vs, 20.0f);                  // about 50 knots
    EXPECT_LT(msc.est_Vs, 32.0f);
    EXPECT_GT(pln.h_eqlbm, 1.0f);
    EXPECT_NEAR(pln.the_eqlbm, 0.0f, 1e-3f);
}

TEST_F(Acf_Load, WashMapsMarkTheTail)
{
    load();
    // both tail halves sit in the wing's downwash outboard of the wing root
    EXPECT_EQ(pln.in_downwash[10][4][0], 0);        // inboard of the wing root: the fuselage
    for (int k = 0; k < pln.els[10]; ++k) {
        if (k > 0) {
            EXPECT_EQ(pln.in_downwash[10][4][k], 1);
            EXPECT_EQ(pln.in_downwash[11][5][k], 1);
        }
        EXPECT_EQ(pln.in_downwash[10][5][k], 0);     // never across sides
        EXPECT_EQ(pln.in_downwash[4][10][k], 0);     // the wing is ahead of the tail
    }
    EXPECT_GT(pln.spec_wash[4], 0.0f);
    EXPECT_EQ(pln.spec_wash[10], 0.0f);
    // the propeller washes the inboard wing and the tail, not the wing tips
    EXPECT_EQ(pln.in_propwash[4][0][0], 1);
    EXPECT_EQ(pln.in_propwash[4][0][5], 0);
    EXPECT_EQ(pln.in_propwash[10][0][0], 1);
    EXPECT_EQ(pln.in_propwash[12][0][0], 1);
    EXPECT_LT(pln.lo_washdir[10][0], pln.max_washdir[10][0]);
    EXPECT_LT(pln.max_washdir[10][0], pln.hi_washdir[10][0]);
}

TEST_F(Acf_Load, SurfaceAheadOfPropellerIsNeverInItsWash)
{
    design().Zarm[0] = 20.0f;                      // pusher behind the tail, on the axis
    design().Yarm[0] = 0.5f;
    design().semilen[0] = 30.0f;                   // a disc that would cover everything
    load();
    for (int j = 4; j <= 13; ++j)
        for (int k = 0; k < 8; ++k) EXPECT_EQ(pln.in_propwash[j][0][k], 0) << j << " " << k;
}

TEST_F(Acf_Load, RectangularElementsAndOswaldForAspectRatioSix)
{
    design().semilen[4] = design().semilen[5] = 15.0f;     // AR = 2 b / c = 6
    design().Croot[4] = design().Ctip[4] = design().Croot[5] = design().Ctip[5] = 5.0f;
    load();
    const float c = 5.0f * 0.3048f;
    for (int k = 0; k < pln.els[4]; ++k) {
        EXPECT_NEAR(pln.mac[4][k], c, 1e-5f);
        EXPECT_NEAR(pln.s[4][k], c * 15.0f * 0.3048f / 6.0f, 1e-5f);
    }
    EXPECT_NEAR(pln.AR[4], 6.0f, 1e-4f);
    const float e6 = 1.78f * (1.0f - 0.045f * std::pow(6.0f, 0.68f)) - 0.64f;
    EXPECT_NEAR(e6, 0.869f, 0.001f);
    EXPECT_NEAR(pln.e[4], e6, 1e-4f);
    // a tapered element's mean chord lies between its chords
    EXPECT_GT(pln.mac[10][0], pln.mac[10][3]);
}

TEST_F(Acf_Load, EqualReynoldsNumbersUseTheLowTable)
{
    load();
    EXPECT_EQ(afl.Re[4][0][0], 0.0f);
    EXPECT_NEAR(afl.Re[4][0][1], 99.9f, 1e-4f);
    EXPECT_NEAR(afl.clM[4][0][0], 0.1f, 1e-6f);
    EXPECT_NEAR(afl.al_zl[4][0][0], -2.0f, 1e-4f);
    EXPECT_NEAR(afl.trat[4][1][1], 0.12f, 1e-6f);
    EXPECT_NEAR(afl.cdpos[4][0][0][0], 0.008f, 1e-6f);
    EXPECT_NEAR(afl.clpos[4][0][0][100], 1.4f, 1e-6f);  // 20 degrees, clipped
}

TEST_F(Acf_Load, JoinedAndBiplaneWings)
{
    // wing 2 continues wing 1 outboard: one wing for the corrections
    planestruct& p = design();
    p.semilen[4] = p.semilen[5] = 8.0f;
    p.Ctip[4] = p.Ctip[5] = 5.0f;
    for (int side = 0; side < 2; ++side) {
        const int in = 4 + side, out = 6 + side;
        const float s = side ? 1.0f : -1.0f;
        p.semilen[out] = 8.0f; p.Croot[out] = 5.0f; p.Ctip[out] = 3.0f; p.els[out] = 4;
        p.Xarm[out] = s * (1.5f + 8.0f * std::cos(1.5f * 3.14159265f / 180.0f));
        p.Yarm[out] = 3.0f + 8.0f * std::sin(1.5f * 3.14159265f / 180.0f);
        p.dihed[out] = 1.5f;
        std::strcpy(p.Rafl0[out], "t.afl"); std::strcpy(p.Rafl1[out], "t.afl");
        std::strcpy(p.Tafl0[out], "t.afl"); std::strcpy(p.Tafl1[out], "t.afl");
        (void)in;
    }
    EXPECT_EQ(load(), 0) << mnw_last_alert_line(0);
    const float ar_joined = 2.0f * 16.0f / ((5.3f + 3.0f) / 2.0f);
    EXPECT_NEAR(pln.AR[4], ar_joined, 1e-3f);
    EXPECT_NEAR(pln.AR[6], ar_joined, 1e-3f);

    // a biplane: wing 2 five feet above wing 1, same span
    acf_test::make_trainer(p);
    for (int side = 0; side < 2; ++side) {
        const int out = 6 + side;
        p.semilen[out] = 16.0f; p.Croot[out] = p.Ctip[out] = 5.3f; p.els[out] = 6;
        p.Xarm[out] = side ? 1.5f : -1.5f; p.Yarm[out] = 8.0f; p.dihed[out] = 1.5f;
        std::strcpy(p.Rafl0[out], "t.afl"); std::strcpy(p.Rafl1[out], "t.afl");
        std::strcpy(p.Tafl0[out], "t.afl"); std::strcpy(p.Tafl1[out], "t.afl");
    }
    load("biplane.acf");
    const float r = 5.0f / 32.0f;
    const float sigma = 31 * std::pow(r, 4.0f) - 37.8f * std::pow(r, 3.0f) + 17.98f * r * r - 4.896f * r + 0.9962f;
    const float e = 2.0f / (2.0f + 2.0f * sigma);
    EXPECT_NEAR(pln.e[4], fltlim(e, 0.5f, 1.0f), 1e-3f);
}

TEST_F(Acf_Load, ReportHasTheBuildUp)
{
    const std::string out = dir + "/Vantorel.out";
    trk.open(out);
    load();
    trk.close();
    const std::string text = orv_test::read_file(out);
    for (const char* line : {"Simulating trainer.acf", "x location positive aft      x force positive forwards",
                             "Finite-Wing & Element Build-Up for left wing 1", "   Oswalds efficiency factor based on AR (",
                             "DISC AREA is broken down into rings", "TOTAL DISC AREA=",
                             "DOWNWASH SITUATION:  W1=wing 1", "PROPWASH SITUATION: 1 through 4 means propwash",
                             "   The radius of gyration in roll  is", "Engine number 1, however, weighs",
                             "Final radii of gyration are then as follows:",
                             "These dimensions, like all dimensions in this output file, are with respect to the C.G.!"})
        EXPECT_NE(text.find(line), std::string::npos) << line;
    EXPECT_NE(text.find("left h-stab:  -- W1 W1 W1"), std::string::npos);
    // without the output file open, loading writes nothing and still works
    EXPECT_EQ(load(), 0);
}

TEST_F(Acf_Load, MissingAirfoilAndWrongCheckNumber)
{
    std::strcpy(design().Tafl1[12], "gone.afl");
    load();
    EXPECT_STREQ(mnw_last_alert_line(0), "An airfoil file could not be found! The name of the airfoil is:");
    EXPECT_STREQ(mnw_last_alert_line(1), "gone.afl");
    EXPECT_STREQ(mnw_last_alert_line(3), "vert stab 1");
    // It flies on a flat plate: 2 pi per radian to a stall at 12 degrees, drag rising as the
    // sine squared to about 2 at right angles, the same either way up.
    const float* cl = afl.clpos[12][1][1];
    const float* cd = afl.cdpos[12][1][1];
    EXPECT_NEAR(afl.clM[12][1][1] * 180.0f / (float)M_PI, 2.0f * (float)M_PI, 0.01f);
    EXPECT_GT(cl[120 - 100], cl[200 - 100]);
    EXPECT_NEAR(cd[225], 0.5f * cd[270], 0.02f);    // 45 degrees
    EXPECT_NEAR(cd[270], 2.0f, 0.02f);
    EXPECT_FLOAT_EQ(afl.clneg[12][1][1][50], -cl[50]);

    acf_test::foil_opts bad;
    bad.check = 4321;
    acf_test::write_airfoil(dir, "bad.afl", bad);
    std::strcpy(design().Tafl1[12], "bad.afl");
    EXPECT_EQ(load(), 1);
    EXPECT_STREQ(mnw_last_alert_line(0), "An airfoil file is corrupted! The name of the airfoil is:");

    acf_test::foil_opts cut;
    cut.cut_after_lines = 120;
    acf_test::write_airfoil(dir, "cut.afl", cut);
    std::strcpy(design().Tafl1[12], "cut.afl");
    EXPECT_LE(load(), 2);                          // the scanner's note and ours, not hundreds
    EXPECT_STREQ(mnw_last_alert_line(0), "An airfoil file is corrupted! The name of the airfoil is:");
    EXPECT_TRUE(std::isfinite(pln.al_D_al0[12]));
}

// A file named by several slots is read once per load: every slot still gets the Reynolds
// number of its own file (a part whose two numbers are equal widens its own copy), and a file
// changed between loads is read anew.
TEST_F(Acf_Load, AirfoilNamedAgainKeepsItsOwnNumbersAndIsReadAnewNextLoad)
{
    acf_test::foil_opts low, high;
    low.Re = 1.0f;
    high.Re = 6.0f;
    acf_test::write_airfoil(dir, "low.afl", low);
    acf_test::write_airfoil(dir, "high.afl", high);
    for (char* name : {design().Rafl0[4], design().Rafl1[4], design().Tafl0[4], design().Tafl1[4],
                       design().Rafl0[12], design().Tafl0[12]})
        std::strcpy(name, "low.afl");
    std::strcpy(design().Rafl1[12], "high.afl");
    std::strcpy(design().Tafl1[12], "high.afl");
    EXPECT_EQ(load(), 0) << mnw_last_alert_line(0);
    EXPECT_FLOAT_EQ(afl.Re[4][0][1], 99.9f);   // equal numbers: the low table throughout
    EXPECT_FLOAT_EQ(afl.Re[12][0][0], 1.0f);
    EXPECT_FLOAT_EQ(afl.Re[12][0][1], 6.0f);

    low.check = 4321;
    acf_test::write_airfoil(dir, "low.afl", low);
    EXPECT_GE(load(), 1);
    EXPECT_STREQ(mnw_last_alert_line(0), "An airfoil file is corrupted! The name of the airfoil is:");
}

TEST_F(Acf_Load, FlapFileMissingWrongOrCutShort)
{
    std::strcpy(design().flap_str, "none.flp");
    EXPECT_EQ(load(), 1);
    EXPECT_STREQ(mnw_last_alert_line(0),
                 "The flap file that is required by the aircraft you are attempting to fly could not be found.");

    acf_test::write_flap(dir, "wrong.flp", 2346);
    std::strcpy(design().flap_str, "wrong.flp");
    EXPECT_EQ(load(), 1);
    EXPECT_STREQ(mnw_last_alert_line(0), "An error occurred during read-in of the flaps file.");

    acf_test::write_flap(dir, "short.flp", 2345, 20);
    std::strcpy(design().flap_str, "short.flp");
    EXPECT_LE(load(), 2);
    EXPECT_STREQ(mnw_last_alert_line(0), "An error occurred during read-in of the flaps file.");
    EXPECT_NEAR(pln.clflap[19], 0.38f, 1e-5f);
    EXPECT_EQ(pln.clflap[20], 0.0f);
    EXPECT_EQ(pln.clflap[50], 0.0f);
}

TEST_F(Acf_Load, HeavyGearSpringsAndJunkInComputedFieldsLoadQuietly)
{
    // an airliner's gear springs are stored in N/m and reach 1.4e7: they are real values
    planestruct& p = design();
    p.mgearcon = 1.4e7f;
    p.ngearcon = 4.0e6f;
    // fields the loader computes afresh: whatever the file holds there does not matter
    p.Vmax = 3.0e20f;
    p.Jxx_unitmass = NAN;
    p.spec_wash[10] = INFINITY;
    p.AR[4] = -1.0e30f;
    EXPECT_EQ(load(), 0) << mnw_last_alert_line(0);
    EXPECT_EQ(pln.mgearcon, 1.4e7f);
    EXPECT_EQ(pln.ngearcon, 4.0e6f);
    EXPECT_EQ(pln.Vmax, 170.0f);
    EXPECT_GT(pln.Jxx_unitmass, 0.0f);
    EXPECT_TRUE(std::isfinite(pln.spec_wash[10]));
    EXPECT_NEAR(pln.AR[4], 2.0f * 16.0f / 5.3f, 1e-3f);
}

TEST_F(Acf_Load, JoinedPanelsWithDihedralAreNoBiplane)
{
    // inner panels with 6 degrees of dihedral, outer panels from their tips: the outer root
    // sits 0.84 ft above the inner root, more than the chord test, yet it is one wing
    planestruct& p = design();
    const float dihed = 6.0f, rad = dihed * 3.14159265f / 180.0f;
    for (int side = 0; side < 2; ++side) {
        const int in = 4 + side, out = 6 + side;
        const float s = side ? 1.0f : -1.0f;
        p.semilen[in] = 8.0f; p.Ctip[in] = 5.0f; p.dihed[in] = dihed;
        p.semilen[out] = 8.0f; p.Croot[out] = 5.0f; p.Ctip[out] = 3.0f; p.els[out] = 4;
        p.Xarm[out] = s * (1.5f + 8.0f * std::cos(rad));
        p.Yarm[out] = 3.0f + 8.0f * std::sin(rad);
        p.dihed[out] = dihed;
        std::strcpy(p.Rafl0[out], "t.afl"); std::strcpy(p.Rafl1[out], "t.afl");
        std::strcpy(p.Tafl0[out], "t.afl"); std::strcpy(p.Tafl1[out], "t.afl");
    }
    EXPECT_EQ(load(), 0) << mnw_last_alert_line(0);
    const float ar_joined = 2.0f * 16.0f / ((5.3f + 3.0f) / 2.0f);
    ASSERT_NEAR(pln.AR[4], ar_joined, 1e-3f);
    // the joined wing keeps the efficiency of its own aspect ratio, not the 0.5 floor
    for (int part = 4; part <= 7; ++part) EXPECT_GT(pln.e[part], 0.7f) << part;
}

TEST_F(Acf_Load, AbsurdValuesAreReportedAndMadeHarmless)
{
    planestruct& p = design();
    p.Croot[10] = p.Ctip[10] = 0.0f;               // zero chords
    p.Croot[11] = NAN;
    p.Ctip[11] = -2.0f;
    p.els[5] = 12;
    p.els[4] = 0;
    p.numen = 9;
    p.numblades[0] = 40.0f;
    p.m_fuel = -50.0f;
    p.body_Y[18][3][3] = INFINITY;
    p.semilen[12] = 3.0e30f;
    const int alerts = load();
    EXPECT_GE(alerts, 8);                          // not a number, 2 counts, engines, blades, fuel, 2 chords
    EXPECT_EQ(pln.els[5], 8);
    EXPECT_EQ(pln.els[4], 1);
    EXPECT_EQ(pln.numen, 4);
    EXPECT_EQ(pln.numblades[0], 18.0f);
    EXPECT_EQ(pln.m_fuel, 0.0f);
    EXPECT_EQ(pln.Croot[11], 0.0f);
    EXPECT_EQ(pln.semilen[12], 0.0f);
    for (int part = 0; part < 28; ++part) {
        ASSERT_TRUE(std::isfinite(pln.AR[part])) << part;
        ASSERT_TRUE(std::isfinite(pln.e[part])) << part;
        ASSERT_TRUE(std::isfinite(pln.al_D_al0[part])) << part;
        ASSERT_TRUE(std::isfinite(pln.alpha_max[part])) << part;
        for (int k = 0; k < 8; ++k) ASSERT_TRUE(std::isfinite(pln.mac[part][k]) && std::isfinite(pln.s[part][k]));
    }
    EXPECT_TRUE(std::isfinite(pln.Jxx_unitmass) && std::isfinite(pln.Jyy_unitmass) && std::isfinite(pln.Jzz_unitmass));
    EXPECT_TRUE(std::isfinite(msc.est_Vs));
}

TEST_F(Acf_Load, DesignChecks)
{
    planestruct& p = design();
    p.Vne = 0.0f;
    load();
    EXPECT_STREQ(mnw_last_alert_line(0), "You entered a Vne of zero!");

    acf_test::make_trainer(p);
    p.m_empty = 0.0f;
    p.m_max = 0.0f;
    EXPECT_GE(load(), 2);
    EXPECT_STREQ(mnw_last_alert_line(0), "You have entered a maximum weight of zero!");
    EXPECT_TRUE(std::isfinite(pln.Jxx_unitmass));

    acf_test::make_trainer(p);
    for (int part = 4; part <= 13; ++part) p.semilen[part] = 0.0f;
    load();
    EXPECT_STREQ(mnw_last_alert_line(0), "This aircraft has no flying surfaces!");

    acf_test::make_trainer(p);
    p.has_ins[5] = p.has_ins[6] = p.has_ins[7] = p.has_ins[8] = 1;
    p.ins_of_loc[5] = 1; p.ins_of_loc[6] = 2; p.ins_of_loc[7] = 3; p.ins_of_loc[8] = 5;
    EXPECT_EQ(load(), 1);
    EXPECT_STREQ(mnw_last_alert_line(0), PANEL_ROW_ALERT);

    acf_test::make_trainer(p);
    acf_test::foil_opts neg;
    neg.negative_drag = true;
    acf_test::write_airfoil(dir, "neg.afl", neg);
    std::strcpy(p.Rafl0[12], "neg.afl");
    EXPECT_EQ(load(), 1);
    EXPECT_STREQ(mnw_last_alert_line(0), "An airfoil used by this aircraft has negative drag at some angle of attack!");
}

TEST_F(Acf_Load, MissingFileGoesThroughThePicker)
{
    const std::string good = acf_test::save_acf(dir, "picked.acf", design());
    std::snprintf(pln.C_path, sizeof pln.C_path, "%s/gone.acf", dir.c_str());
    picker_clear_answers();
    picker_queue_answer(good.c_str());
    const int before = mnw_alert_count();
    EXPECT_EQ(load_plane(), 1);
    EXPECT_EQ(mnw_alert_count(), before + 1);
    EXPECT_STREQ(pln.C_file, "picked.acf");
    EXPECT_NEAR(pln.AR[4], 2.0f * 16.0f / 5.3f, 1e-3f);
}

TEST_F(Acf_Load, CancelledPickerWithoutWindowEndsTheProgram)
{
    std::snprintf(pln.C_path, sizeof pln.C_path, "%s/gone.acf", dir.c_str());
    picker_clear_answers();
    EXPECT_EXIT(load_plane(), ::testing::ExitedWithCode(0), "File opening failed or aborted.");
}

TEST_F(Acf_Load, DamagedImagesNeverCrashTheLoader)
{
    // a valid image with bytes scribbled over it, and cut at random places
    const std::string path = acf_test::save_acf(dir, "fuzz.acf", design());
    const std::string bytes = orv_test::read_file(path);
    std::mt19937 rng(12345);
    for (int round = 0; round < 120; ++round) {
        std::string b = bytes;
        const int hits = 1 + static_cast<int>(rng() % 400);
        for (int h = 0; h < hits; ++h) b[rng() % b.size()] = static_cast<char>(rng());
        // and whole numbers of random fields: counts, indexes, chords, masses
        for (int h = 0; h < 30; ++h) {
            const acf_field& f = acf_fields[rng() % static_cast<unsigned>(acf_num_fields)];
            if (f.type == ACF_CHAR) continue;
            const std::size_t at = ACF_HEADER_BYTES + f.offset + 4 * (rng() % f.count);
            const std::uint32_t patterns[] = {0u, 0xffffffffu, 0x7fc00000u /* NaN */, 0x7f800000u /* inf */,
                                              9u, 0x80000000u, static_cast<std::uint32_t>(rng())};
            const std::uint32_t v = patterns[rng() % 7];
            std::memcpy(&b[at], &v, 4);
        }
        if (round % 5 == 4) b.resize(rng() % b.size());
        load_plane_image(reinterpret_cast<const std::uint8_t*>(b.data()), b.size(), "damaged.acf");
        // whatever was read or refused, every count the flight model indexes with fits its table
        for (int part = 0; part < NUM_PARTS; ++part) {
            ASSERT_GE(pln.els[part], 0) << part;
            ASSERT_LE(pln.els[part], MAX_ELS) << part;
        }
        ASSERT_GE(pln.numen, 0);
        ASSERT_LE(pln.numen, NUM_ENGINES);
        for (int e = 0; e < NUM_ENGINES; ++e) {
            ASSERT_GE(pln.numblades[e], 0.0f) << e;
            ASSERT_LE(pln.numblades[e], static_cast<float>(BODY_STATIONS)) << e;
        }
    }
    EXPECT_EQ(load_plane_image(nullptr, 0, "empty.acf"), 0);
}

TEST_F(Acf_Load, AnglesWrapAndPositionsAreAboutTheCentreOfGravity)
{
    design().sweep1[10] = design().sweep1[11] = 370.0f;
    design().dihed[12] = -270.0f;
    design().sweep1[4] = 1.0e6f + 20.0f;           // many turns, still finite
    EXPECT_EQ(load(), 0) << mnw_last_alert_line(0);
    EXPECT_NEAR(pln.sweep1[10], 10.0f, 1e-3f);
    EXPECT_NEAR(pln.dihed[12], 90.0f, 1e-3f);
    EXPECT_GE(pln.sweep1[4], -180.0f);
    EXPECT_LE(pln.sweep1[4], 180.0f);
    // cgZ 3 ft, cgY 0: every longitudinal position moves forward by 3 ft
    EXPECT_NEAR(pln.peZ, (0.5f - 3.0f) * 0.3048f, 1e-5f);
    EXPECT_NEAR(pln.ngearZ, (-5.0f - 3.0f) * 0.3048f, 1e-5f);
    EXPECT_NEAR(pln.body_Z[18][0][0], (-7.0f - 3.0f) * 0.3048f, 1e-5f);
    EXPECT_NEAR(pln.Zarm[0], (-7.0f - 3.0f) * 0.3048f, 1e-5f);
    EXPECT_NEAR(pln.Yarm[4], 3.0f * 0.3048f, 1e-5f);
}

namespace {

constexpr float kFt = 0.3048f;
constexpr float kD = 3.14159265f / 180.0f;


// ---- a window back end whose user dismisses the picker ---------------------------------

struct picker_user {
    int rounds = 0;              // pickers shown so far
    int quit_at = 0;             // on this round the user closes the window instead
    std::string restore_from;    // on round 2 the missing file comes back
    std::string restore_to;
    std::vector<std::string> alerts;
};
picker_user g_user;

int fake_init(int, int, const char*) { return 1; }
int fake_pump(double, plat_event*)
{
    if (mnw.topwin == 998) {
        ++g_user.rounds;
        if (g_user.rounds == g_user.quit_at) {
            gdone = 1;
        } else {
            if (g_user.rounds == 2 && !g_user.restore_from.empty())
                std::filesystem::copy_file(g_user.restore_from, g_user.restore_to,
                                           std::filesystem::copy_options::overwrite_existing);
            mnw.topwin = 0;      // the picker goes away without a choice
        }
    }
    return 0;
}
int g_exits = 0;                 // fatal alerts whose exit was caught
void count_exit(int) { ++g_exits; }
void fake_present() {}
void fake_alert(const char* const lines[4], int) { g_user.alerts.push_back(lines[0]); }
void fake_finish() {}

const plat_backend kWindowed = {"review window", 0, fake_init, fake_pump, fake_present, fake_alert, fake_finish,
                                1, nullptr, nullptr, nullptr, nullptr, nullptr};

int count_of(const std::vector<std::string>& v, const char* s)
{
    int n = 0;
    for (const auto& a : v) n += a == s;
    return n;
}

// Builds a body of radius r about (0, yc) at `stations` stations, all the way round (16
// points from the top, point 4 on the right, point 8 on the keel) or as its right half.
void round_body(planestruct& p, int part, int stations, float z0, float dz, float yc, bool half)
{
    for (int s = 0; s < 18; ++s)
        for (int k = 0; k < 16; ++k) p.body_X[part][s][k] = p.body_Y[part][s][k] = p.body_Z[part][s][k] = 0.0f;
    for (int s = 0; s < stations; ++s) {
        const float r = s == 0 || s == stations - 1 ? 0.6f : 2.0f;
        for (int k = 0; k < 16; ++k) {
            const float th = half ? 3.14159265f * (k < 8 ? k : 8) / 8.0f : 2.0f * 3.14159265f * k / 16.0f;
            p.body_X[part][s][k] = r * std::sin(th);
            p.body_Y[part][s][k] = yc + r * std::cos(th);
            p.body_Z[part][s][k] = z0 + dz * s;
        }
    }
}

// load_plane behind the pretend window, with fatal alerts counted instead of ending the test.
int load_plane_in_window()
{
    gdone = 0;
    g_exits = 0;
    mnw_set_exit_hook(count_exit);
    plat_backend_install(&kWindowed);
    const int r = load_plane();
    plat_backend_install(nullptr);
    mnw_set_exit_hook(nullptr);
    return r;
}

}  // namespace

TEST_F(Acf_Load, CancelledPickerWithAWindowStartsOver)
{
    const std::string good = acf_test::save_acf(dir, "good.acf", design());
    const std::string gone = dir + "/gone.acf";
    std::snprintf(pln.C_path, sizeof pln.C_path, "%s", gone.c_str());
    g_user = picker_user{};
    g_user.restore_from = good;
    g_user.restore_to = gone;
    const int r = load_plane_in_window();
    EXPECT_EQ(g_exits, 0);
    // two pickers cancelled, each reported; the second time round the file is back and loads
    EXPECT_EQ(r, 1);
    EXPECT_EQ(g_user.rounds, 2);
    EXPECT_EQ(count_of(g_user.alerts, "File opening failed or aborted."), 2);
    EXPECT_EQ(count_of(g_user.alerts, "The aircraft file that you last used "), 2);
    EXPECT_EQ(gdone, 0);
    EXPECT_STREQ(pln.C_file, "gone.acf");
    EXPECT_NEAR(pln.AR[4], 2.0f * 16.0f / 5.3f, 1e-3f);
}

TEST_F(Acf_Load, ClosingTheWindowWhilePickingEndsTheLoop)
{
    std::snprintf(pln.C_path, sizeof pln.C_path, "%s/gone.acf", dir.c_str());
    g_user = picker_user{};
    g_user.quit_at = 3;
    const int r = load_plane_in_window();
    EXPECT_EQ(g_exits, 0);
    const int ended = gdone;
    gdone = 0;
    mnw.topwin = 0;
    EXPECT_EQ(r, 0);
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(g_user.rounds, 3);
    EXPECT_EQ(count_of(g_user.alerts, "File opening failed or aborted."), 2);
}

TEST_F(Acf_Load, MidChordSweepAndDragDivergenceFactor)
{
    // h-stab swept 30 degrees: Lm = atan((b sin L + c_r/4 - c_t/4) / (b cos L))
    planestruct& p = design();
    p.sweep1[10] = p.sweep1[11] = 30.0f;
    load();
    const float b = 5.5f * kFt, cr = 3.5f * kFt, ct = 3.0f * kFt;
    const float lm = std::atan((b * std::sin(30 * kD) + 0.25f * cr - 0.25f * ct) / (b * std::cos(30 * kD))) / kD;
    EXPECT_NEAR(pln.delta_fac[10], fltlim(lm / 65.0f, 0, 1) * (1.0f - ct / cr), 1e-4f);
    EXPECT_NEAR(pln.AR[10], 2.0f * b * std::cos(30 * kD) / ((cr + ct) / 2.0f), 1e-4f);
    EXPECT_NEAR(pln.cm_D_cm0[10],
                pln.AR[10] * std::cos(30 * kD) * std::cos(30 * kD) / (pln.AR[10] + 2.0f * std::cos(30 * kD)), 1e-5f);

    // swept past 90 degrees the ratio is negative: a plain arctangent gives a negative
    // mid-chord sweep and no drag-divergence shift (atan2 would give the full shift)
    p.sweep1[10] = p.sweep1[11] = 120.0f;
    load();
    EXPECT_EQ(pln.delta_fac[10], 0.0f);
    EXPECT_EQ(pln.AR[10], 0.0f);
    EXPECT_TRUE(std::isfinite(pln.e[10]) && std::isfinite(pln.al_D_al0[10]));
}

TEST_F(Acf_Load, WingJoinTestsBothWaysTheSecondDeciding)
{
    // two one-foot surfaces whose tips each touch the other's root: right wing 2 runs out
    // to the right from x = 0, left wing 2 runs back to the left from x = 1 ft
    planestruct& p = design();
    auto stub = [&](int part, float x, float croot, float ctip) {
        p.semilen[part] = 1.0f; p.Croot[part] = croot; p.Ctip[part] = ctip; p.els[part] = 2;
        p.Xarm[part] = x; p.Yarm[part] = 10.0f; p.Zarm[part] = 25.0f; p.dihed[part] = 0.0f;
        std::strcpy(p.Rafl0[part], "t.afl"); std::strcpy(p.Rafl1[part], "t.afl");
        std::strcpy(p.Tafl0[part], "t.afl"); std::strcpy(p.Tafl1[part], "t.afl");
    };
    stub(7, 0.0f, 4.0f, 2.0f);
    stub(6, 1.0f, 6.0f, 3.0f);
    load();
    // for surface 7 the second test (6 inboard) decides: root chord Croot[6], tip chord Ctip[7]
    EXPECT_NEAR(pln.AR[7], 2.0f * 2.0f / ((6.0f + 2.0f) / 2.0f), 1e-4f);
    // for surface 6 the second test (7 inboard) decides: root chord Croot[7], tip chord Ctip[6]
    EXPECT_NEAR(pln.AR[6], 2.0f * 2.0f / ((4.0f + 3.0f) / 2.0f), 1e-4f);
}

TEST_F(Acf_Load, RoundAndHalfBodiesGiveTheSameAreasAndInertia)
{
    planestruct& p = design();
    p.nace_eq = 1;                 // nacelle 1 as a right half of a smaller round body
    round_body(p, 18, 11, -7.0f, 2.6f, 0.5f, false);
    round_body(p, 19, 7, -2.0f, 1.0f, 0.0f, true);
    load("round.acf");
    const float frn = pln.fuse_s_frn, sid = pln.fuse_s_sid, top = pln.fuse_s_top;
    const float jxx = pln.Jxx_unitmass, jyy = pln.Jyy_unitmass, jzz = pln.Jzz_unitmass;
    const float ycent = pln.fuseYcent, nace = pln.nace_s;

    // the 16-gon of radius 2 ft, not twice it
    const float r = 2.0f * kFt;
    EXPECT_NEAR(frn, 8.0f * r * r * std::sin(2.0f * 3.14159265f / 16.0f), 1e-4f);
    EXPECT_NEAR(nace, frn, 1e-4f);
    // side and top areas: heights and widths of 2 r in the middle stations, 1.2 ft at the ends
    const float len = 26.0f * kFt, end = 0.6f * kFt;
    const float strip = 2.6f * kFt;
    const float expect = 2.0f * r * (len - 2.0f * strip) + (2.0f * r + 2.0f * end) * strip;
    EXPECT_NEAR(sid, expect, 1e-3f);
    EXPECT_NEAR(top, expect, 1e-3f);
    EXPECT_NEAR(ycent, 0.5f * kFt, 1e-3f);

    // the same fuselage given as its right half is mirrored: nothing changes
    round_body(p, 18, 11, -7.0f, 2.6f, 0.5f, true);
    load("half.acf");
    EXPECT_NEAR(pln.fuse_s_frn, frn, 1e-4f);
    EXPECT_NEAR(pln.fuse_s_sid, sid, 1e-4f);
    EXPECT_NEAR(pln.fuse_s_top, top, 1e-4f);
    EXPECT_NEAR(pln.fuseYcent, ycent, 1e-4f);
    EXPECT_NEAR(pln.Jxx_unitmass, jxx, 1e-3f * jxx);
    EXPECT_NEAR(pln.Jyy_unitmass, jyy, 1e-3f * jyy);    // a mirrored panel keeps its lateral arm
    EXPECT_NEAR(pln.Jzz_unitmass, jzz, 1e-3f * jzz);
}

TEST_F(Acf_Load, FloatsGiveTheRestHeight)
{
    planestruct& p = design();
    p.gear_type = 0;
    p.gear_stat[0] = p.gear_stat[1] = p.gear_stat[2] = 0;
    p.misc_eq = 1;
    p.misc_X = 4.0f; p.misc_Y = -6.0f; p.misc_Z = 1.0f;
    round_body(p, 23, 7, -6.0f, 2.0f, 0.0f, false);
    round_body(p, 24, 7, -6.0f, 2.0f, 0.0f, false);
    load("floats.acf");
    // the floats' keel: 6 ft below the reference line plus the 2 ft float radius (cgY is 0)
    EXPECT_NEAR(pln.h_eqlbm, 8.0f * kFt, 1e-4f);
    EXPECT_NEAR(pln.the_eqlbm, 0.0f, 1e-6f);
    EXPECT_GT(pln.misc_s, 0.0f);

    // without floats the fuselage keel is the lowest point
    p.misc_eq = 0;
    load("hull.acf");
    float low = 0.0f;
    for (int s = 0; s < 11; ++s)
        for (int k = 0; k < 16; ++k) low = std::fmin(low, pln.body_Y[18][s][k]);
    EXPECT_NEAR(pln.h_eqlbm, -low, 1e-5f);
}

TEST_F(Acf_Load, ReportLinesInTheirPlaces)
{
    const std::string out = dir + "/Vantorel.out";
    trk.open(out);
    load("report.acf");
    trk.close();
    const std::string text = orv_test::read_file(out);
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);) lines.push_back(l);

    // the head: rule, product, "Simulating", rule, the sign conventions with their blank lines
    std::size_t at = 0;
    while (at < lines.size() && lines[at].rfind("Simulating ", 0) != 0) ++at;
    ASSERT_LT(at + 12, lines.size());
    ASSERT_GE(at, 2u);
    EXPECT_EQ(lines[at], "Simulating report.acf");
    EXPECT_EQ(lines[at - 2].find_first_not_of('-'), std::string::npos);
    EXPECT_EQ(lines[at + 1].find_first_not_of('-'), std::string::npos);
    const char* head[] = {
        "x location positive aft      x force positive forwards    pitch/alpha pos nose up",
        "y location positive right    y force positive right       roll pos right",
        "z location positive up       z force positive up          yaw/beta pos nose right",
        "",
        "elevator, aileron, spoiler   positive control surface up      ",
        "rudder                       positive control surface right   ",
        "drag-yaw                     positive control surface deployed",
        "pitch cyclic prop pitch      positive request nose up         ",
        "roll  cyclic prop pitch      positive request nose right      ",
        ""};
    for (int i = 0; i < 10; ++i) EXPECT_EQ(lines[at + 2 + i], head[i]) << i;

    // a part's build-up in its order, with the quoted pieces of every line
    auto find_from = [&](std::size_t from, const std::string& prefix) {
        for (std::size_t i = from; i < lines.size(); ++i)
            if (lines[i].rfind(prefix, 0) == 0) return i;
        return lines.size();
    };
    const std::size_t w = find_from(0, "Finite-Wing & Element Build-Up for left h-stab");
    ASSERT_LT(w, lines.size());
    const std::size_t e = find_from(w, "   Oswalds efficiency factor based on AR (");
    const std::size_t f = find_from(e, "   Thoretical lift-slope reduction is to");
    const std::size_t c = find_from(f, "      and reducing airfoil lift coefficients to");
    const std::size_t a = find_from(c, "      using coefficient data at an angle of attack that is");
    const std::size_t m = find_from(a, "      Based on AR and sweep, cm change is to");
    const std::size_t d = find_from(m, "      Based on AR and TR, aerodynamic center is moved");
    ASSERT_LT(d, lines.size());
    EXPECT_NE(lines[e].find(") and sweep ("), std::string::npos);
    EXPECT_NE(lines[e].find(" deg) is"), std::string::npos);
    EXPECT_NE(lines[f].find("% of the 2-D value."), std::string::npos);
    EXPECT_NE(lines[d].find("% of the way from the the 25% chord to the 50% chord."), std::string::npos);
    // the efficiency factor printed is the one stored, after its limits
    std::istringstream ev(lines[e].substr(lines[e].find(" deg) is") + 8));
    float printed = 0.0f;
    ev >> printed;
    EXPECT_NEAR(printed, pln.e[10], 1e-4f);

    const std::size_t disc = find_from(0, "propeller 1 DISC AREA is broken down into rings for propwash distribution as follows:");
    ASSERT_LT(disc + 9, lines.size());
    EXPECT_EQ(lines[disc + 1].rfind("   element number 0 (lat arm=", 0), 0u);
    EXPECT_NE(lines[disc + 1].find(" mtrs):   ring area="), std::string::npos);
    EXPECT_EQ(lines[disc + 9].rfind("                                      TOTAL DISC AREA=", 0), 0u);

    const std::size_t g = find_from(0, "   The radius of gyration in roll  is");
    ASSERT_LT(g + 6, lines.size());
    EXPECT_EQ(lines[g + 1].rfind("   The radius of gyration in pitch is", 0), 0u);
    EXPECT_EQ(lines[g + 2].rfind("   The radius of gyration in yaw   is", 0), 0u);
    EXPECT_EQ(lines[g + 2].substr(lines[g + 2].size() - 8), " meters.");
    EXPECT_EQ(lines[g + 3].rfind("Engine number 1, however, weighs ", 0), 0u);
    EXPECT_NE(lines[g + 3].find(" kg, and is at:"), std::string::npos);
    EXPECT_EQ(lines[g + 4], "Final radii of gyration are then as follows:");
    EXPECT_EQ(lines[g + 5].rfind("   The radius of gyration in roll  is", 0), 0u);
    // after the engines: the stored value
    std::istringstream rv(lines[g + 5].substr(38));
    float roll = 0.0f;
    rv >> roll;
    EXPECT_NEAR(roll, std::sqrt(pln.Jzz_unitmass), 1e-3f);
}

TEST_F(Acf_Load, WideInstrumentsAreCountedByTheirKind)
{
    // four wide instruments on the top row: the kinds decide, whatever the presence flags say
    planestruct& p = design();
    for (int slot = 0; slot < 9; ++slot) p.has_ins[slot] = 0;
    p.ins_of_loc[1] = 1; p.ins_of_loc[2] = 2; p.ins_of_loc[3] = 3; p.ins_of_loc[4] = 7;
    EXPECT_EQ(load("wide.acf"), 1);
    EXPECT_STREQ(mnw_last_alert_line(0), PANEL_ROW_ALERT);
    // three wide and a narrow one (kinds 0, 4 and 8 are narrow) on each row are fine
    p.ins_of_loc[4] = 4;
    p.ins_of_loc[5] = 5; p.ins_of_loc[6] = 6; p.ins_of_loc[7] = 8; p.ins_of_loc[8] = 1;
    EXPECT_EQ(load("three.acf"), 0) << mnw_last_alert_line(0);
    // four wide on both rows: each row is told, the panel is checked row by row
    p.ins_of_loc[4] = 1;
    p.ins_of_loc[7] = 2;
    EXPECT_EQ(load("both.acf"), 2);
    EXPECT_STREQ(mnw_last_alert_line(0), PANEL_ROW_ALERT);
}

namespace {

// An airfoil whose every table entry tells where it came from: negative-side lift -i/1000,
// negative-side drag 0.5 + i/1000, positive-side lift i/1000, drag 1.5 + i/1000 (i the angle
// index), and eight different constants.
void write_indexed_airfoil(const std::string& app_dir, const std::string& name, float clM, float clB)
{
    std::ostringstream s;
    s << "I\n363 version\n1234\n";
    s << "indexfoil 0.09 6.5 7 14.5 the rest of this line is skipped\n";
    s << "this whole line is skipped 1 2 3\n";
    for (int i = 270; i >= 100; --i) s << -i / 10.0f << " " << -i / 1000.0f << " " << 0.5f + i / 1000.0f << "\n";
    for (int i = 99; i >= 0; --i) s << -i / 10.0f << " " << 0.5f + i / 1000.0f << (i == 0 ? " 42 skipped\n" : "\n");
    s << clM << " one value per line\n" << clB << "\n0.11\n0.12\n0.13\n0.14\n0.15\n0.16\n";
    s << "99 99 99 skipped\n";
    for (int i = 0; i <= 99; ++i) s << i / 10.0f << " " << 1.5f + i / 1000.0f << "\n";
    for (int i = 100; i <= 270; ++i) s << i / 10.0f << " " << i / 1000.0f << " " << 1.5f + i / 1000.0f << "\n";
    orv_test::write_file(app_dir + "/airfoils/" + name, s.str());
}

}  // namespace

TEST_F(Acf_Load, AirfoilFileIsReadInItsOrder)
{
    write_indexed_airfoil(dir, "index.afl", 0.105f, 0.42f);
    std::memset(&afl, 0, sizeof afl);
    float alpha = 0.0f;
    const int before = mnw_alert_count();
    ASSERT_EQ(grabafoil("index.afl", 7, 1, 0, &alpha), 1);
    EXPECT_EQ(mnw_alert_count(), before);
    EXPECT_NEAR(alpha, 14.5f, 1e-6f);
    EXPECT_NEAR(afl.trat[7][1][0], 0.09f, 1e-6f);
    EXPECT_NEAR(afl.Re[7][1][0], 6.5f, 1e-6f);
    for (int i : {100, 101, 185, 269, 270}) {
        EXPECT_NEAR(afl.clneg[7][1][0][i - 100], -i / 1000.0f, 1e-6f) << i;
        EXPECT_NEAR(afl.clpos[7][1][0][i - 100], i / 1000.0f, 1e-6f) << i;
    }
    for (int i : {0, 1, 98, 99, 100, 200, 270}) {
        EXPECT_NEAR(afl.cdneg[7][1][0][i], 0.5f + i / 1000.0f, 1e-6f) << i;
        EXPECT_NEAR(afl.cdpos[7][1][0][i], 1.5f + i / 1000.0f, 1e-6f) << i;
    }
    EXPECT_NEAR(afl.clM[7][1][0], 0.105f, 1e-6f);
    EXPECT_NEAR(afl.clB[7][1][0], 0.42f, 1e-6f);
    EXPECT_NEAR(afl.cmal2[7][1][0], 0.11f, 1e-6f);
    EXPECT_NEAR(afl.cmal3[7][1][0], 0.12f, 1e-6f);
    EXPECT_NEAR(afl.cm1[7][1][0], 0.13f, 1e-6f);
    EXPECT_NEAR(afl.cm2[7][1][0], 0.14f, 1e-6f);
    EXPECT_NEAR(afl.cm3[7][1][0], 0.15f, 1e-6f);
    EXPECT_NEAR(afl.cm4[7][1][0], 0.16f, 1e-6f);
    EXPECT_NEAR(afl.al_zl[7][1][0], -0.42f / 0.105f, 1e-4f);
    // other slots untouched
    EXPECT_EQ(afl.clM[7][0][0], 0.0f);
    EXPECT_EQ(afl.clM[7][1][1], 0.0f);

    // a flat lift curve has no zero-lift angle to divide out
    write_indexed_airfoil(dir, "flat.afl", 0.0f, 0.3f);
    ASSERT_EQ(grabafoil("flat.afl", 7, 0, 1, &alpha), 1);
    EXPECT_EQ(afl.al_zl[7][0][1], 0.0f);
}

TEST_F(Acf_Load, PartsTooSmallInMetresAreNotCheckedAsSurfaces)
{
    // a 0.1 ft (3 cm) stub is no surface: its missing chord and element count say nothing
    planestruct& p = design();
    p.semilen[13] = 0.1f;
    p.Croot[13] = p.Ctip[13] = 0.0f;
    p.els[13] = 0;
    std::strcpy(p.Rafl0[13], "t.afl"); std::strcpy(p.Rafl1[13], "t.afl");
    std::strcpy(p.Tafl0[13], "t.afl"); std::strcpy(p.Tafl1[13], "t.afl");
    EXPECT_EQ(load("stub.acf"), 0) << mnw_last_alert_line(0);
    EXPECT_EQ(have_this_part(13), 0);
    EXPECT_EQ(pln.els[13], 1);
    // the same with a real span is reported twice: chord and element count
    p.semilen[13] = 3.0f;
    EXPECT_EQ(load("fin2.acf"), 2);
}

TEST_F(Acf_Load, EveryStoredUnitIsConvertedAndMovedToTheCentreOfGravity)
{
    planestruct& p = design();
    p.cgY = 2.0f; p.cgZ = 3.0f;
    p.peX = 0.7f; p.peY = 4.0f; p.peZ = 0.5f;
    p.critalt = 8000.0f; p.vectarm = 2.5f;
    p.misc_X = 4.0f; p.misc_Y = -3.0f; p.misc_Z = 1.5f;
    p.skidX = 1.1f; p.skidY = -2.2f; p.skidZ = 0.4f; p.skidl = 6.0f;
    p.ngearZ_att = -4.0f; p.ngearY_att = -1.0f;
    p.mgearZ_att = 4.0f; p.mgearX_att = 2.0f; p.mgearY_att = -1.5f;
    p.wheelrad = 0.6f; p.jatoY = -1.0f; p.jatoZ = 5.0f;
    p.gearrat = 2.0f; p.omegamin = 700.0f; p.omegamax = 2700.0f;
    p.omegamingreen = 2100.0f; p.omegamaxgreen = 2500.0f;
    p.tmax = 1000.0f; p.burnerinc = 400.0f; p.jatothrust = 250.0f;
    p.facejet = 3.0f; p.brake_area = 5.0f; p.chute_area = 40.0f;
    p.m_empty = 1650.0f; p.m_max = 2450.0f; p.m_fuel = 300.0f; p.m_jettison = 100.0f;
    p.puffEQ = 1; p.puffL = 100.0f; p.puffM = 200.0f; p.puffN = 300.0f;
    // stored as they are: not in the conversion list
    p.pylondx = 1.25f; p.sweep2[4] = 45.0f; p.des_vel[0] = 120.0f; p.spooltime = 3.0f;
    // a nacelle's points are about its own reference point
    p.nace_eq = 1;
    p.body_Y[19][2][3] = 0.8f; p.body_Z[19][2][3] = 1.2f; p.body_X[19][2][3] = 0.4f;
    load("units.acf");

    const float ft = 0.3048f, lbf = 4.4482216f, ft2 = ft * ft, lb = 1.0f / 2.2046226f;
    const float rpm = 6.2831853f / 60.0f, ftlb = 1.3558179f;
    const float cy = 2.0f, cz = 3.0f;
    // lateral positions: converted, not moved
    EXPECT_NEAR(pln.peX, 0.7f * ft, 1e-5f);
    EXPECT_NEAR(pln.misc_X, 4.0f * ft, 1e-5f);
    EXPECT_NEAR(pln.skidX, 1.1f * ft, 1e-5f);
    EXPECT_NEAR(pln.mgearX_att, 2.0f * ft, 1e-5f);
    EXPECT_NEAR(pln.mgearX, 4.0f * ft, 1e-5f);
    EXPECT_NEAR(pln.Xarm[5], 1.5f * ft, 1e-5f);
    // vertical and longitudinal positions: converted and moved
    EXPECT_NEAR(pln.peY, (4.0f - cy) * ft, 1e-5f);
    EXPECT_NEAR(pln.peZ, (0.5f - cz) * ft, 1e-5f);
    EXPECT_NEAR(pln.misc_Y, (-3.0f - cy) * ft, 1e-5f);
    EXPECT_NEAR(pln.misc_Z, (1.5f - cz) * ft, 1e-5f);
    EXPECT_NEAR(pln.skidY, (-2.2f - cy) * ft, 1e-5f);
    EXPECT_NEAR(pln.skidZ, (0.4f - cz) * ft, 1e-5f);
    EXPECT_NEAR(pln.ngearY, (-3.5f - cy) * ft, 1e-5f);
    EXPECT_NEAR(pln.mgearY, (-3.5f - cy) * ft, 1e-5f);
    EXPECT_NEAR(pln.mgearZ, (4.5f - cz) * ft, 1e-5f);
    EXPECT_NEAR(pln.ngearZ_att, (-4.0f - cz) * ft, 1e-5f);
    EXPECT_NEAR(pln.ngearY_att, (-1.0f - cy) * ft, 1e-5f);
    EXPECT_NEAR(pln.mgearZ_att, (4.0f - cz) * ft, 1e-5f);
    EXPECT_NEAR(pln.mgearY_att, (-1.5f - cy) * ft, 1e-5f);
    EXPECT_NEAR(pln.jatoY, (-1.0f - cy) * ft, 1e-5f);
    EXPECT_NEAR(pln.jatoZ, (5.0f - cz) * ft, 1e-5f);
    EXPECT_NEAR(pln.Yarm[10], (0.5f - cy) * ft, 1e-5f);
    EXPECT_NEAR(pln.Zarm[12], (14.0f - cz) * ft, 1e-5f);
    EXPECT_NEAR(pln.Yarm[0], (0.0f - cy) * ft, 1e-5f);
    EXPECT_NEAR(pln.body_Y[18][5][0], (0.5f + 2.4f - 0.4f - cy) * ft, 1e-4f);
    EXPECT_NEAR(pln.body_Z[18][5][0], (-7.0f + 13.0f - cz) * ft, 1e-4f);
    EXPECT_NEAR(pln.body_X[18][5][4], 2.0f * ft, 1e-4f);
    EXPECT_NEAR(pln.body_Y[19][2][3], 0.8f * ft, 1e-6f);
    EXPECT_NEAR(pln.body_Z[19][2][3], 1.2f * ft, 1e-6f);
    EXPECT_NEAR(pln.body_X[19][2][3], 0.4f * ft, 1e-6f);
    EXPECT_NEAR(pln.cgY, cy * ft, 1e-6f);
    EXPECT_NEAR(pln.cgZ, cz * ft, 1e-6f);
    // lengths that are not positions
    EXPECT_NEAR(pln.critalt, 8000.0f * ft, 1e-2f);
    EXPECT_NEAR(pln.vectarm, 2.5f * ft, 1e-5f);
    EXPECT_NEAR(pln.skidl, 6.0f * ft, 1e-5f);
    EXPECT_NEAR(pln.wheelrad, 0.6f * ft, 1e-5f);
    EXPECT_NEAR(pln.semilen[10], 5.5f * ft, 1e-5f);
    EXPECT_NEAR(pln.Croot[10], 3.5f * ft, 1e-5f);
    EXPECT_NEAR(pln.Ctip[10], 3.0f * ft, 1e-5f);
    // engine speeds at the propeller
    EXPECT_NEAR(pln.omegamin, 700.0f * rpm / 2.0f, 1e-3f);
    EXPECT_NEAR(pln.omegamax, 2700.0f * rpm / 2.0f, 1e-3f);
    EXPECT_NEAR(pln.omegamingreen, 2100.0f * rpm / 2.0f, 1e-3f);
    EXPECT_NEAR(pln.omegamaxgreen, 2500.0f * rpm / 2.0f, 1e-3f);
    EXPECT_NEAR(pln.pmax, 160.0f * 745.69987f, 0.5f);
    EXPECT_NEAR(pln.tmax, 1000.0f * lbf, 1e-2f);
    EXPECT_NEAR(pln.burnerinc, 400.0f * lbf, 1e-2f);
    EXPECT_NEAR(pln.jatothrust, 250.0f * lbf, 1e-2f);
    EXPECT_NEAR(pln.facejet, 3.0f * ft2, 1e-5f);
    EXPECT_NEAR(pln.brake_area, 5.0f * ft2, 1e-5f);
    EXPECT_NEAR(pln.chute_area, 40.0f * ft2, 1e-4f);
    EXPECT_NEAR(pln.m_empty, 1650.0f * lb, 1e-2f);
    EXPECT_NEAR(pln.m_max, 2450.0f * lb, 1e-2f);
    EXPECT_NEAR(pln.m_fuel, 300.0f * lb, 1e-3f);
    EXPECT_NEAR(pln.m_jettison, 100.0f * lb, 1e-3f);
    EXPECT_NEAR(pln.puffL, 100.0f * ftlb, 1e-3f);
    EXPECT_NEAR(pln.puffM, 200.0f * ftlb, 1e-3f);
    EXPECT_NEAR(pln.puffN, 300.0f * ftlb, 1e-3f);
    EXPECT_EQ(pln.pylondx, 1.25f);
    EXPECT_EQ(pln.sweep2[4], 45.0f);
    EXPECT_EQ(pln.des_vel[0], 120.0f);
    EXPECT_EQ(pln.spooltime, 3.0f);
    EXPECT_EQ(pln.Vne, 160.0f);
    EXPECT_EQ(pln.sweepnow[4], pln.sweep1[4]);
}

TEST_F(Acf_Load, WashStrengthAndEngineMassesByTheirFormulas)
{
    planestruct& p = design();
    p.entype = 0;                          // engines weigh nothing: the airframe's own radii
    load("bare.acf");
    const float jxx0 = pln.Jxx_unitmass, jyy0 = pln.Jyy_unitmass, jzz0 = pln.Jzz_unitmass;

    // the tail behind wing 1: spec_wash from the separations in wing semi-spans
    const float sj = pln.semilen[4];
    EXPECT_NEAR(pln.spec_wash[4],
                findspecwash((pln.Yarm[10] - pln.Yarm[4]) / sj, (pln.Zarm[10] - pln.Zarm[4]) / sj, pln.AR[4],
                             pln.Ctip[4] / pln.Croot[4]),
                1e-5f);

    const struct { int type; float pmax_hp, tmax_lb, lb_per; bool jet; } engines[] = {
        {1, 160.0f, 0.0f, 1.75f, false}, {3, 160.0f, 0.0f, 0.5f, false}, {4, 0.0f, 3000.0f, 0.18f, true}};
    for (const auto& en : engines) {
        SCOPED_TRACE(en.type);
        p.entype = en.type;
        p.pmax = en.pmax_hp;
        p.tmax = en.tmax_lb;
        load("engine.acf");
        const float me = en.lb_per * (en.jet ? en.tmax_lb : en.pmax_hp) / 2.2046226f;
        const float m = pln.m_empty, scale = (m - me) / m;
        const float x = pln.Xarm[0], y = pln.Yarm[0], z = pln.Zarm[0];
        EXPECT_NEAR(pln.Jxx_unitmass, jxx0 * scale + me * (y * y + z * z) / m, 1e-3f * jxx0);
        EXPECT_NEAR(pln.Jyy_unitmass, jyy0 * scale + me * (x * x + z * z) / m, 1e-3f * jyy0);
        EXPECT_NEAR(pln.Jzz_unitmass, jzz0 * scale + me * (x * x + y * y) / m, 1e-3f * jzz0);
    }

    // the propeller's wash on the tail: direction window from the hub to the surface root
    p.entype = 1; p.pmax = 160.0f; p.tmax = 0.0f;
    load("wash.acf");
    const float dz = pln.Zarm[10] - pln.Zarm[0], dy = pln.Yarm[10] - pln.Yarm[0], R = pln.semilen[0];
    EXPECT_NEAR(pln.max_washdir[10][0], std::atan2(dy, dz) / kD, 1e-3f);
    EXPECT_NEAR(pln.hi_washdir[10][0], std::atan2(dy + R, dz) / kD, 1e-3f);
    EXPECT_NEAR(pln.lo_washdir[10][0], std::atan2(dy - R, dz) / kD, 1e-3f);
    // rings: the annuli of the disc, summing to the disc
    float sum = 0.0f;
    for (int k = 0; k < 8; ++k) {
        const float ro = R * (k + 1) / 8.0f, ri = R * k / 8.0f;
        EXPECT_NEAR(pln.ringarea[0][k], 3.14159265f * (ro * ro - ri * ri), 1e-5f);
        sum += pln.ringarea[0][k];
    }
    EXPECT_NEAR(sum, pln.discarea[0], 1e-4f);
    EXPECT_NEAR(pln.discarea[0], 3.14159265f * R * R, 1e-5f);
}
