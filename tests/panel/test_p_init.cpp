// Panel layout for the loaded aircraft: instrument places, offsets, scales, clip tables and
// the digit drums.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "2-QZutils/records.h"
#include "flight/funct.h"
#include "panel/p_init.h"
#include "panel_test_util.h"

using namespace orv;

namespace {

class PanelLayout : public ::testing::Test {
protected:
    void SetUp() override
    {
        panel_test::conventional_aircraft(1, INS_ADF, INS_SUPP);
        pln.Vso = 44;
        pln.Vne = 158;
        pln.mpmax = 30;
        pln.omegamax = 2700 / con.rsctorpm;
        pln.gearrat = 1;
    }
};

TEST_F(PanelLayout, TopRowOfThreeWideAndOneNarrowPacksFromTheLeft)
{
    init_panel_layout();
    EXPECT_EQ(ins.x_loc[INS_ASI], 66);
    EXPECT_EQ(ins.x_loc[INS_AHZ], 195);
    EXPECT_EQ(ins.x_loc[INS_ALT], 324);
    EXPECT_EQ(ins.x_loc[INS_ADF], 439);
    EXPECT_EQ(ins.y_loc[INS_ASI], 222);
    EXPECT_EQ(ins.y_loc[INS_ADF], 222 + 15);      // narrow ones sit higher
    EXPECT_EQ(ins.y_loc[INS_SUPP], 84 + 15);
    EXPECT_EQ(ins.y_loc[INS_HSI], 84);
    EXPECT_EQ(loc_of_ins[INS_HSI], 6);
    EXPECT_EQ(ins.x_loc[INS_BARO_KNOB], 324 - 35);
    EXPECT_EQ(ins.y_loc[INS_BARO_KNOB], 222 - 45);
    EXPECT_EQ(pln.gsx1, ins.x_loc[INS_HSI] - 59);
    EXPECT_EQ(pln.gsyc, 84);
    EXPECT_EQ(ins.avail[INS_EFIS], 0);
}

TEST_F(PanelLayout, AnUnknownInstrumentNumberLeavesItsPlaceEmpty)
{
    pln.ins_of_loc[2] = 77;
    init_panel_layout();
    EXPECT_EQ(ins.avail[INS_AHZ], 0);
    EXPECT_EQ(ins.x_loc[INS_ALT], 66 + 64 + 50 + 1 + 50 + 64 + 1);  // the empty place is narrow
}

TEST_F(PanelLayout, RadioTypeOtherThanOneMovesStackRightAndEnginesLeft)
{
    init_panel_layout();
    EXPECT_EQ(osrad, 0);
    EXPECT_EQ(oseng, 0);
    pln.radiotype = 2;
    init_panel_layout();
    EXPECT_EQ(osrad, 156);
    EXPECT_EQ(oseng, -155);
    EXPECT_EQ(thro_x[0], 669);                      // lever x is stored before the offset
}

TEST_F(PanelLayout, GlassPanelUsesFixedPlacesAndHasNoTurnSlip)
{
    pln.paneltype = 2;
    init_panel_layout();
    EXPECT_EQ(ins.avail[INS_TSI], 0);
    EXPECT_EQ(ins.avail[INS_EFIS], 1);
    EXPECT_EQ(ins.x_loc[INS_HSI], 92);
    EXPECT_EQ(ins.y_loc[INS_ADF], 84 + 15);
    EXPECT_EQ(ins.x_loc[INS_BARO_KNOB], 175);
    EXPECT_EQ(pln.ecam, 1);
    EXPECT_FLOAT_EQ(ins.msctoVVI, con.msctofpm * 0.02f);
    // square attitude window 52 px either side of its centre on every row
    EXPECT_EQ(pln.ahx1_prim[0], 92 - 52);
    EXPECT_EQ(pln.ahx2_prim[104], 92 + 52);
    EXPECT_EQ(pln.gsx1, 92 - 57);
}

TEST_F(PanelLayout, AirspeedScalesSpan330Degrees)
{
    init_panel_layout();
    EXPECT_FLOAT_EQ(pln.Vmin, 30);
    EXPECT_FLOAT_EQ(pln.Vmax, 170);
    EXPECT_FLOAT_EQ(ins.indtoASI * (170 - 30), 330);

    pln.vectEQ = 1;
    init_panel_layout();
    EXPECT_FLOAT_EQ(pln.Vmin, 0);

    pln.AStype = 2;
    init_panel_layout();
    EXPECT_FLOAT_EQ(pln.ASpwr, 0.3f);
    EXPECT_NEAR((std::pow(449.0f, 0.3f) - std::pow(60.0f, 0.3f)) * ins.indtoASI, 330, 1e-3);

    pln.AStype = 1;
    pln.vectEQ = 0;
    pln.Vne = pln.Vso = 0;                          // a damaged file: no range at all
    init_panel_layout();
    EXPECT_TRUE(std::isfinite(ins.indtoASI));
}

TEST_F(PanelLayout, ConventionalAttitudeWindowIsACircleOnItsCentre)
{
    init_panel_layout();
    const int xc = ins.x_loc[INS_AHZ];
    // the middle row spans the full diameter; the end rows close to a point
    EXPECT_EQ(pln.ahx2_prim[57] - pln.ahx1_prim[57], 94);
    EXPECT_EQ(pln.ahx1_prim[10], xc);
    EXPECT_EQ(pln.ahx1_prim[57] + pln.ahx2_prim[57], 2 * xc);
    EXPECT_NEAR(pln.ahx2_roll[57] - pln.ahx1_roll[57], 115, 1);
}

TEST_F(PanelLayout, EngineGaugesAndLeversFollowTheEngineCount)
{
    init_panel_layout();
    EXPECT_EQ(pln.tape, 0);
    EXPECT_EQ(en_x[1][0], 684);
    EXPECT_EQ(en_y[1], 254);
    EXPECT_FLOAT_EQ(ins.tactoINS, 270.0f / tac_max());  // a dial sweeps 270 degrees

    pln.numen = 4;
    init_panel_layout();
    EXPECT_EQ(pln.tape, 1);
    EXPECT_EQ(pln.ecam, 1);
    EXPECT_EQ(en_x[2][3], 790);
    EXPECT_EQ(en_y[1], 171);
    EXPECT_EQ(mixt_x[3], 776);
    EXPECT_FLOAT_EQ(ins.mprtoINS, 100.0f / 30.0f);     // a tape is 100 px high

    pln.numen = 2;
    pln.paneltype = 2;                                 // engine display shifts the dials
    init_panel_layout();
    EXPECT_EQ(en_x[0][1], 759);
    EXPECT_EQ(en_y[2], 202);
    pln.is_heli = 1;
    init_panel_layout();
    EXPECT_EQ(pln.ecam, 0);
}

TEST(PanelAssets, DrumsTapesAndIconsHoldTheirGlyphs)
{
    init_panel_assets();
    // digit 1 at drum row 6: its top row is "..#.." so only the middle column is ink
    for (int c = 0; c < 5; ++c) EXPECT_EQ(ins.v_tape_col[c][6], c == 2 ? 0 : 22);
    // digit 0 starts at row -3, wrapping to the bottom of the drum: ".###." then "#...#"
    EXPECT_EQ(ins.v_tape_col[0][87], 22);
    EXPECT_EQ(ins.v_tape_col[0][88], 0);
    // heading tape 1: "27" at column 270 (2 at 267, 7 at 273); tape 2 shows 36 - 27 = 9 centred
    EXPECT_EQ(ins.h_tape_col1[265][4], 22);         // top row of 2 is ".###."
    EXPECT_EQ(ins.h_tape_col1[266][4], 0);
    EXPECT_EQ(ins.h_tape_col1[271][4], 0);          // top row of 7 is "#####"
    EXPECT_EQ(ins.h_tape_col2[270][4], 0);          // 9 centred: ".###." middle column
    EXPECT_EQ(ins.h_tape_col2[268][4], 22);
    // heading 0 on the decreasing tape is written 0, not 36
    EXPECT_EQ(ins.h_tape_col2[0][4], 0);
    EXPECT_EQ(ins.h_tape_col2[2][5], 0);            // "#...#" row of 0
    // VOR icon row 4 "##......##"
    const int vor4[10] = {1, 1, 0, 0, 0, 0, 0, 0, 1, 1};
    for (int c = 0; c < 10; ++c) EXPECT_EQ(ins.nav_pic[1][4][c], vor4[c]);
    EXPECT_EQ(ins.nav_pic[3][2][9], 1);
    EXPECT_EQ(ins.nav_pic[0][4][0], 0);
}

}  // namespace
