// The drawn panel: needle angles read back from the pixels of the screen image.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_graph.h"
#include "2-QZutils/records.h"
#include "panel/manage_das.h"
#include "panel/p_draw.h"
#include "panel/p_init.h"
#include "panel/p_update.h"
#include "panel_test_util.h"
#include "support/test_support.h"

using namespace orv;

namespace {

class PanelPixels : public ::testing::Test {
protected:
    void SetUp() override
    {
        panel_test::conventional_aircraft(1, INS_ADF, INS_SUPP);
        panel_test::all_working();
        mnw.x = mnw.y = 0;
        ins.r_rat = ins.g_rat = ins.b_rat = 1;
        OGL_default_palette();
        panel_reset();
    }
    void TearDown() override { to_array = 0; }

    // Angle (clockwise from up) of the white pixels in the ring r1..r2 round an instrument.
    static float needle_angle(int n, float r1, float r2)
    {
        const int cx = ins.x_loc[n], cy = ins.y_loc[n];
        double sx = 0, sy = 0;
        int count = 0;
        for (int y = cy - (int)r2; y <= cy + (int)r2; ++y)
            for (int x = cx - (int)r2; x <= cx + (int)r2; ++x) {
                const float r = std::hypot((float)(x - cx), (float)(y - cy));
                if (r < r1 || r > r2) continue;
                const unsigned char* p = rgb_array + (y * SCREEN_W + x) * 3;
                if (p[0] != 255 || p[1] != 255 || p[2] != 255) continue;
                sx += x - cx;
                sy += y - cy;
                ++count;
            }
        if (count == 0) return -1;
        return fltwrap((float)(std::atan2(sx, sy) * 180 / 3.14159265), 0, 360);
    }

    void draw(float vind, float hind_ft)
    {
        flt.vind = vind;
        flt.hind = hind_ft * con.fttomtrs;
        update_panel();
        draw_panel_background();
        to_array = 1;
        draw_panel_live();
        to_array = 0;
    }
};

float angle_gap(float a, float b) { return std::fabs(fltwrap(a - b, -180, 180)); }

TEST_F(PanelPixels, AirspeedAndAltimeterNeedlesSitWhereTheLawsPutThem)
{
    const struct { float kt, ft; } states[] = {{100, 1250}, {140, 3770}};
    for (const auto& st : states) {
        draw(st.kt, st.ft);
        const float asi_law = asi_needle_angle(st.kt, pln.ASpwr, pln.Vmin, ins.indtoASI);
        const float alt_law = altimeter_needle_angle(st.ft);
        EXPECT_LT(angle_gap(needle_angle(INS_ASI, 8, 33), asi_law), 3) << st.kt << " kt";
        // beyond the thousands hand only the hundreds hand is white
        EXPECT_LT(angle_gap(needle_angle(INS_ALT, 22, 33), alt_law), 3) << st.ft << " ft";
    }
    // the two states put the needles in clearly different places
    EXPECT_GT(angle_gap(altimeter_needle_angle(1250), altimeter_needle_angle(3770)), 90);
}

TEST_F(PanelPixels, AttitudeIndicatorSplitsSkyAndGroundAtTheHorizon)
{
    auto sky = [](int dx, int dy) {
        const unsigned char* p = rgb_array + ((ins.y_loc[INS_AHZ] + dy) * SCREEN_W + ins.x_loc[INS_AHZ] + dx) * 3;
        return p[2] == 255 && p[0] == 0;     // colour 10, pure blue
    };
    flt.the = 10;                            // nose up: the horizon drops 15 px
    draw(100, 1000);
    EXPECT_TRUE(sky(3, -12));
    EXPECT_FALSE(sky(3, -18));
    flt.the = 0;
    flt.phi = 30;                            // right bank: the horizon's right end rises
    draw(100, 1000);
    EXPECT_FALSE(sky(30, 5));
    EXPECT_TRUE(sky(-30, 5));
    EXPECT_FALSE(sky(-50, 5));               // outside the round window: no sky drawn
}

TEST_F(PanelPixels, BackgroundCarriesTheAirspeedScale)
{
    draw_panel_background();
    // the red never-exceed mark spans 3 degrees either side of Vne (whose tick is white)
    const int a = asi_needle_angle(pln.Vne, pln.ASpwr, pln.Vmin, ins.indtoASI) + 2;
    const int x = round(ins.x_loc[INS_ASI] + 41 * isin(a)), y = round(ins.y_loc[INS_ASI] + 41 * icos(a));
    const unsigned char* p = rgb_array + (y * SCREEN_W + x) * 3;
    EXPECT_EQ(p[0], 255);
    EXPECT_EQ(p[1], 0);
    EXPECT_EQ(p[2], 0);
}

TEST_F(PanelPixels, EnginesShowOnlyTheGaugesTheirTypeCarries)
{
    // the manifold-pressure needle (row 2) of a piston engine only with a variable-pitch propeller
    auto white_near_centre = [](int row) {
        const int cx = en_x[row][0] + oseng, cy = en_y[row];
        int n = 0;
        for (int y = cy - 18; y <= cy + 18; ++y)
            for (int x = cx - 18; x <= cx + 18; ++x) {
                const unsigned char* p = rgb_array + (y * SCREEN_W + x) * 3;
                n += p[0] == 255 && p[1] == 255 && p[2] == 255;
            }
        return n;
    };
    flt.mpr[0] = 25;
    flt.tac[0] = 200;
    pln.varpitchEQ = 0;
    draw(100, 1000);
    EXPECT_GT(white_near_centre(1), 10);     // the tachometer's needle
    EXPECT_EQ(white_near_centre(2), 0);
    pln.varpitchEQ = 1;
    draw(100, 1000);
    EXPECT_GT(white_near_centre(2), 10);
}

// Pixels of palette colour c in the box x1..x2, y1..y2 of the screen image.
int pixels_of(int c, int x1, int y1, int x2, int y2)
{
    const unsigned char want[3] = {(unsigned char)round(col_rgb[c][0] * 255), (unsigned char)round(col_rgb[c][1] * 255),
                                   (unsigned char)round(col_rgb[c][2] * 255)};
    int n = 0;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x) n += std::memcmp(rgb_array + (y * SCREEN_W + x) * 3, want, 3) == 0;
    return n;
}

// The tachometer's green band and red line stand where its needle points at those speeds.
TEST_F(PanelPixels, TachometerBandAndRedLineMeetTheNeedleAtTheirSpeeds)
{
    const float per_rpm = 1.0f / con.rsctorpm;
    pln.gearrat = 1.0f;
    pln.omegamax = 2700 * per_rpm;
    pln.omegamingreen = 2100 * per_rpm;
    pln.omegamaxgreen = 2500 * per_rpm;
    init_panel_layout();
    const struct { float rpm, r; int colour; } marks[] = {{2300, 20.5f, 13}, {2700, 17.0f, 8}};
    for (const auto& m : marks) {
        flt.tac[0] = m.rpm * per_rpm;
        update_panel();
        draw_panel_background();
        const int a = panel_shown_values().gauge[1][0] + 180;
        const int x = round(en_x[1][0] + oseng + m.r * isin(a)), y = round(en_y[1] + m.r * icos(a));
        EXPECT_GT(pixels_of(m.colour, x - 1, y - 1, x + 1, y + 1), 0) << m.rpm;
    }
}

// Every lever the aircraft has shows a handle inside the column the click handler moves it
// by, at the lever's height.
TEST_F(PanelPixels, SpeedbrakeVectorAndTrimHandlesStandInTheirClickColumns)
{
    pln.fbrkEQ = pln.vectEQ = 1;   // a fuselage speed brake, as on the carrier jet
    init_panel_layout();
    ins.sbrk = 103;
    ins.vect = 100;
    flt.elv_trim = 0.0f;
    draw(100, 1000);
    const struct { int x1, x2, y; } levers[] = {
        {oseng + 692, oseng + 712, 103}, {oseng + 730, oseng + 750, 100},
        {oseng + 780, oseng + 796, (TRIM_SLOT_LOW + TRIM_SLOT_HIGH) / 2}};
    for (const auto& l : levers) EXPECT_GE(pixels_of(NEEDLE_COLOUR, l.x1, l.y - 2, l.x2, l.y + 2), 30) << l.x1 - oseng;
}

// A twin helicopter's one set of dials carries engine 0's needles only; a twin's afterburner
// word stands beside its tachometer; the ADF needle runs through the hub with a barbed head.
TEST_F(PanelPixels, HelicopterTwinNeedlesBurnWordsAndTheAdfNeedle)
{
    pln.is_heli = 1;
    pln.numen = 2;
    init_panel_layout();
    flt.tac[0] = flt.tac[1] = 200;
    draw(100, 1000);
    const int x2 = en_x[1][1] + oseng, y2 = en_y[1];
    EXPECT_EQ(pixels_of(NEEDLE_COLOUR, x2 - 19, y2 - 19, x2 + 19, y2 + 19), 0);

    pln.is_heli = 0;
    pln.entype = 4;
    init_panel_layout();
    flt.after_burning[1] = 1;
    draw(100, 1000);
    EXPECT_GT(pixels_of(41, x2 - 11, y2 + 4, x2 + 13, y2 + 11), 10);

    const int ax = ins.x_loc[INS_ADF], ay = ins.y_loc[INS_ADF];
    EXPECT_GT(pixels_of(9, ax - 2, ay - 29, ax + 2, ay - 20), 5);   // the tail below the hub (needle up)
    EXPECT_GT(pixels_of(9, ax - 6, ay + 20, ax - 2, ay + 27), 0);   // the barbs either side of the head
    EXPECT_GT(pixels_of(9, ax + 2, ay + 20, ax + 6, ay + 27), 0);
}

TEST_F(PanelPixels, AnAircraftsOwnCockpitPictureReplacesTheFaces)
{
    // an 800 x 333 picture of one colour beside the aircraft file, as "<name> panl.BMP"
    const std::string dir = orv_test::temp_dir("own_panel");
    const int w = 800, h = 333, stride = w * 3;
    std::string bmp(54 + stride * h, '\0');
    auto le = [&](int at, unsigned v, int bytes) { for (int k = 0; k < bytes; ++k) bmp[at + k] = (char)(v >> (8 * k)); };
    bmp[0] = 'B';
    bmp[1] = 'M';
    le(2, (unsigned)bmp.size(), 4);
    le(10, 54, 4);
    le(14, 40, 4);
    le(18, w, 4);
    le(22, h, 4);
    le(26, 1, 2);
    le(28, 24, 2);
    for (int i = 54; i < (int)bmp.size(); i += 3) { bmp[i] = 10; bmp[i + 1] = 200; bmp[i + 2] = 30; }   // blue, green, red
    orv_test::write_file(dir + "/Mine panl.BMP", bmp);
    std::snprintf(pln.C_path, sizeof pln.C_path, "%s/Mine.acf", dir.c_str());
    draw_panel_background();
    EXPECT_EQ(pln.cp, 1);
    const unsigned char* p = rgb_array + (ins.y_loc[INS_ALT] * SCREEN_W + ins.x_loc[INS_ALT] + 20) * 3;
    EXPECT_EQ(p[0], 30);                     // the picture, not an instrument face
    EXPECT_EQ(p[1], 200);
    EXPECT_EQ(p[2], 10);
    std::snprintf(pln.C_path, sizeof pln.C_path, "%s/Other.acf", dir.c_str());
    draw_panel_background();
    EXPECT_EQ(pln.cp, 0);
}

}  // namespace
