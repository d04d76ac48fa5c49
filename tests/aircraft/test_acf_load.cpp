// Loading an aircraft: derived values, wash maps, masses, the report, and damaged input.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>

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
#include "aircraft/initpln.h"
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
        acf_fuzz_one(reinterpret_cast<const std::uint8_t*>(b.data()), b.size());
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
    EXPECT_EQ(acf_fuzz_one(nullptr, 0), 0);
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
