// Queries about the fixed part list.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "2-QZutils/acf_parts.h"
#include "2-QZutils/records.h"

using namespace orv;

namespace {

void reset()
{
    std::memset(&pln, 0, sizeof pln);
    std::memset(&flt, 0, sizeof flt);
}

}  // namespace

TEST(Acf_Parts, NamesAndPanelSpacing)
{
    reset();
    EXPECT_STREQ(part_name(0), "propeller 1");
    EXPECT_STREQ(part_name(5), "rigt wing 1");
    EXPECT_STREQ(part_name(18), "fuselage");
    EXPECT_STREQ(part_name(27), "w-fairing 3");
    EXPECT_STREQ(part_name(28), "");
    EXPECT_STREQ(part_name(-1), "");
    pln.is_heli = 1;
    EXPECT_STREQ(part_name(0), "main rotor");
    EXPECT_STREQ(part_name(1), "tail rotor");

    pln.ins_of_loc[1] = 4; pln.ins_of_loc[2] = 2;
    EXPECT_EQ(ret_ins_sep(1, 2), 50 + 65);
    EXPECT_EQ(ret_ins_sep(2, 1), 64 + 51);
    EXPECT_EQ(ret_ins_sep(2, 2), 64 + 65);
    EXPECT_EQ(ret_ins_sep(-4, 99), 50 + 51);      // outside the slots: narrow
}

TEST(Acf_Parts, WhichPartsTheAircraftHas)
{
    reset();
    pln.entype = 1; pln.numen = 2;
    pln.semilen[4] = pln.semilen[5] = 5.0f;
    pln.semilen[14] = pln.semilen[15] = 1.0f; pln.semilen[16] = 1.0f;
    pln.nace_eq = 1;
    EXPECT_EQ(have_this_part(0), 1);
    EXPECT_EQ(have_this_part(1), 1);
    EXPECT_EQ(have_this_part(2), 0);
    EXPECT_EQ(have_this_part(4), 1);
    EXPECT_EQ(have_this_part(6), 0);
    EXPECT_EQ(have_this_part(15), 1);
    EXPECT_EQ(have_this_part(16), 0);              // no third engine for its pylon
    EXPECT_EQ(have_this_part(18), 1);
    EXPECT_EQ(have_this_part(20), 1);
    EXPECT_EQ(have_this_part(21), 0);
    EXPECT_EQ(have_this_part(28), 0);
    EXPECT_EQ(have_this_part(-3), 0);
    pln.entype = 4;                                 // jets have no propellers
    EXPECT_EQ(have_this_part(0), 0);
    pln.is_heli = 1;
    EXPECT_EQ(have_this_part(1), 1);
    flt.over_vne = 1;
    EXPECT_EQ(have_this_part(5), 0);
    EXPECT_EQ(have_this_part(4), 1);

    pln.misc_eq = 1; pln.misc_X = 0.0f;
    EXPECT_EQ(have_this_part(23), 1);
    EXPECT_EQ(have_this_part(24), 0);
    pln.gear_type = 3; pln.fair_eq = 1; pln.gear_stat[0] = 1; pln.gear_stat[2] = 1;
    EXPECT_EQ(have_this_part(25), 1);
    EXPECT_EQ(have_this_part(26), 0);
    EXPECT_EQ(have_this_part(27), 1);
    pln.gear_type = 2; pln.fair_eq = 0;
    EXPECT_EQ(have_this_part(25), 0);
    EXPECT_EQ(have_this_part(26), 1);
}

TEST(Acf_Parts, BodyPositionsAndDrawingResolution)
{
    reset();
    pln.Xarm[1] = -2.0f; pln.Yarm[1] = 0.5f; pln.Zarm[1] = -1.0f;
    float x, y, z;
    get_body_os(20, &x, &y, &z);                   // nacelle 2 sits at engine 2
    EXPECT_EQ(x, -2.0f); EXPECT_EQ(y, 0.5f); EXPECT_EQ(z, -1.0f);
    pln.misc_X = 3.0f; pln.misc_Y = -1.0f; pln.misc_Z = 0.5f;
    get_body_os(23, &x, &y, &z);
    EXPECT_EQ(x, -3.0f);
    get_body_os(24, &x, &y, &z);
    EXPECT_EQ(x, 3.0f); EXPECT_EQ(y, -1.0f);
    pln.gear_type = 3; pln.mgearX = 1.5f; pln.mgearY = -1.0f; pln.mgearZ = 0.4f; pln.geardef[1] = 0.1f;
    get_body_os(26, &x, &y, &z);
    EXPECT_EQ(x, -1.5f); EXPECT_FLOAT_EQ(y, -1.1f); EXPECT_EQ(z, 0.4f);
    pln.gear_type = 2; pln.skidX = 1.0f; pln.skidY = -1.2f; pln.geardef[5] = 0.2f;
    get_body_os(27, &x, &y, &z);
    EXPECT_EQ(x, 1.0f); EXPECT_FLOAT_EQ(y, -1.4f);
    get_body_os(18, &x, &y, &z);
    EXPECT_EQ(x, 0.0f); EXPECT_EQ(y, 0.0f);
    get_body_os(99, &x, &y, &z);
    EXPECT_EQ(z, 0.0f);

    pln.numblades[2] = 3.0f;
    EXPECT_EQ(f_body_s_dim(2), 3);
    pln.numblades[2] = 1.0e9f;
    EXPECT_EQ(f_body_s_dim(2), 18);               // never more stations than the arrays hold
    EXPECT_EQ(f_body_s_dim(7), 2);
    EXPECT_EQ(f_body_s_dim(18), 11);
    EXPECT_EQ(f_body_s_dim(26), 7);
    EXPECT_EQ(f_body_r_dim(1), 2);
    EXPECT_EQ(f_body_r_dim(12), 12);
    EXPECT_EQ(f_body_r_dim(22), 16);
    EXPECT_EQ(f_body_r_dim(25), 8);
}

TEST(Acf_Parts, SidesAndSpanLine)
{
    reset();
    EXPECT_EQ(latsign(4), -1.0f);
    EXPECT_EQ(latsign(10), -1.0f);
    EXPECT_EQ(latsign(5), 1.0f);
    EXPECT_EQ(latsign(12), 1.0f);
    pln.Xarm[14] = -0.06f;
    EXPECT_EQ(latsign(14), -1.0f);
    pln.Xarm[14] = -0.04f;
    EXPECT_EQ(latsign(14), 1.0f);

    pln.els[4] = 4; pln.semilen[4] = 8.0f;
    EXPECT_FLOAT_EQ(get_wing_rarm(4, 0), 1.0f);
    EXPECT_FLOAT_EQ(get_wing_rarm(4, 3), 7.0f);
    pln.els[6] = 0; pln.semilen[6] = 8.0f;        // a bad count must not divide by zero
    EXPECT_TRUE(std::isfinite(get_wing_rarm(6, 0)));

    pln.Xarm[4] = -1.0f; pln.Yarm[4] = 0.5f; pln.Zarm[4] = 0.2f;
    pln.dihed[4] = 90.0f;
    EXPECT_NEAR(get_wing_Xarm(4, 2.0f), -1.0f, 1e-5f);
    EXPECT_NEAR(get_wing_Yarm(4, 2.0f), 2.5f, 1e-5f);
    pln.dihed[4] = 0.0f; pln.sweep1[4] = 30.0f;
    EXPECT_NEAR(get_wing_Xarm(4, 2.0f), -1.0f - std::cos(30.0f * 3.14159265f / 180.0f) * 2.0f, 1e-5f);
    EXPECT_NEAR(get_wing_Zarm(4, 2.0f), 1.2f, 1e-5f);
    EXPECT_EQ(get_wing_Xarm(40, 2.0f), 0.0f);
}

TEST(Acf_Parts, SpanLineWithDihedralAndSweepTogether)
{
    constexpr float kD = 3.14159265f / 180.0f;
    std::memset(&pln, 0, sizeof pln);
    std::memset(&flt, 0, sizeof flt);
    pln.Xarm[8] = -0.5f; pln.Yarm[8] = 1.0f; pln.Zarm[8] = 2.0f;
    pln.dihed[8] = 20.0f; pln.sweep1[8] = -25.0f;    // left wing 3, forward swept
    const float len = 3.0f;
    EXPECT_NEAR(get_wing_Xarm(8, len), -0.5f - std::cos(20 * kD) * std::cos(-25 * kD) * len, 1e-5f);
    EXPECT_NEAR(get_wing_Yarm(8, len), 1.0f + std::sin(20 * kD) * std::cos(-25 * kD) * len, 1e-5f);
    EXPECT_NEAR(get_wing_Zarm(8, len), 2.0f + std::sin(-25 * kD) * len, 1e-5f);
    // a right-hand propeller's blade runs to the right
    pln.Xarm[3] = 2.0f;
    EXPECT_NEAR(get_wing_Xarm(3, len), 2.0f + len, 1e-5f);

    // wheel fairings on a nose-wheel undercarriage, skids on a skid one
    float x, y, z;
    pln.gear_type = 3; pln.ngearY = -1.0f; pln.ngearZ = -2.0f; pln.geardef[0] = 0.25f;
    get_body_os(25, &x, &y, &z);
    EXPECT_EQ(x, 0.0f); EXPECT_FLOAT_EQ(y, -1.25f); EXPECT_EQ(z, -2.0f);
    pln.Xarm[9] = 1.5f; pln.Yarm[9] = -0.2f; pln.Zarm[9] = 0.7f;
    get_body_os(9, &x, &y, &z);
    EXPECT_EQ(x, 1.5f); EXPECT_EQ(y, -0.2f); EXPECT_EQ(z, 0.7f);
    pln.gear_type = 2; pln.skidX = 0.9f; pln.skidY = -1.0f; pln.skidZ = 0.3f; pln.geardef[3] = 0.1f;
    get_body_os(26, &x, &y, &z);
    EXPECT_EQ(x, -0.9f); EXPECT_FLOAT_EQ(y, -1.1f); EXPECT_EQ(z, 0.3f);
}
