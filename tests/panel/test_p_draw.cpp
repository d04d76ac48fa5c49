// The drawn panel: needle angles read back from the pixels of the screen image.
#include <gtest/gtest.h>

#include <cmath>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "2-QZutils/qz_file.h"
#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_graph.h"
#include "2-QZutils/records.h"
#include "panel/manage_das.h"
#include "panel/p_draw.h"
#include "panel/p_init.h"
#include "panel/p_panel_art.h"
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

// A tachometer's green band and red line stand where its needle points at those speeds: the
// engine's, and a helicopter's rotor tachometer, which reads the rotor, not the engine.
TEST_F(PanelPixels, TachometerBandAndRedLineMeetTheNeedleAtTheirSpeeds)
{
    const float per_rpm = 1.0f / con.rsctorpm;
    pln.omegamax = 2700 * per_rpm;
    pln.omegamingreen = 2100 * per_rpm;
    pln.omegamaxgreen = 2500 * per_rpm;
    for (const int heli : {0, 1}) {
        pln.is_heli = heli;
        pln.gearrat = heli ? 8.0f : 1.0f;
        init_panel_layout();
        const int x0 = en_x[1][heli] + oseng, y0 = en_y[1];
        const struct { float rpm, r; int colour; } marks[] = {{2300, 20.5f, 13}, {2700, 17.0f, 8}};
        for (const auto& m : marks) {
            flt.tac[0] = m.rpm * per_rpm;
            update_panel();
            draw_panel_background();
            const int a = (heli ? panel_shown_values().rotor_gauge : panel_shown_values().gauge[1][0]) + 180;
            const int x = round(x0 + m.r * isin(a)), y = round(y0 + m.r * icos(a));
            EXPECT_GT(pixels_of(m.colour, x - 1, y - 1, x + 1, y + 1), 0) << m.rpm << (heli ? " rotor" : " engine");
        }
    }
}

// The installation's panel bitmaps, each of its own colour, land where the layout puts them,
// for the radio stack at its standard place and moved right.
TEST_F(PanelPixels, PanelBitmapsLandWhereTheLayoutPutsThem)
{
    const std::string dir = orv_test::temp_dir("panel_art");
    std::filesystem::create_directories(dir + "/bitmaps/Vantorel");
    struct art { const char* name; unsigned rgb; int w, h; };
    static const art arts[] = {
        {"radios", 0x102030u, RADIO_STACK_W, RADIO_STACK_H}, {"statbar", 0x203040u, STATUS_BAR_W, STATUS_BAR_H},
        {"egt", 0x304050u, EGT_ART_W, EGT_ART_H}, {"b_sbrka", 0x405060u, SBRK_AUTO_SLOT.w, SBRK_AUTO_SLOT.h},
        {"b_trim", 0x607080u, TRIM_SLOT.w, TRIM_SLOT.h}};
    static unsigned colour;
    for (const art& a : arts) {
        colour = a.rgb;
        orv_test::write_file(dir + "/bitmaps/Vantorel/" + a.name + ".BMP",
                             orv_test::bmp_file(a.w, a.h, [](int, int) { return colour; }));
    }
    set_app_path((dir + "/").c_str());
    auto is = [](unsigned rgb, int x, int y) {
        const unsigned char* p = rgb_array + (y * SCREEN_W + x) * 3;
        return p[0] == (rgb >> 16) && p[1] == ((rgb >> 8) & 255) && p[2] == (rgb & 255);
    };
    pln.fbrkEQ = pln.autosbrkEQ = 1;
    for (const int radiotype : {1, 2}) {
        pln.radiotype = radiotype;
        init_panel_layout();
        draw_panel_background();
        const int rx = osrad + RADIO_STACK_X;
        EXPECT_TRUE(is(0x102030u, rx, 1) && is(0x102030u, std::min(rx + RADIO_STACK_W, SCREEN_W) - 1, RADIO_STACK_H - 1))
            << radiotype;
        EXPECT_FALSE(is(0x102030u, rx - 1, 1)) << radiotype;
        EXPECT_TRUE(is(0x203040u, 2, STATUS_BAR_Y + 1));
        EXPECT_TRUE(is(0x304050u, en_x[0][0] + oseng + EGT_ART_DX, en_y[0] + EGT_ART_DY)) << radiotype;
        EXPECT_TRUE(is(0x405060u, oseng + SBRK_AUTO_SLOT.dx, SBRK_AUTO_SLOT.y)) << radiotype;
        EXPECT_TRUE(is(0x607080u, oseng + TRIM_SLOT.dx + TRIM_SLOT.w - 1, TRIM_SLOT.y + TRIM_SLOT.h - 1)) << radiotype;
        set.parkbrake = 1;   // the brakes lamp stands over the parking brake's button, which moves with the stack
        update_panel();
        to_array = 1;
        draw_panel_live();
        EXPECT_GT(pixels_of(41, rx + 11, 20, rx + 51, 30), 10) << radiotype;
    }
    set_app_path("");
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
    // the second dial place holds the rotor tachometer, which engine 1's speed does not move
    const int x2 = en_x[1][1] + oseng, y2 = en_y[1];
    flt.tac[0] = 100;
    draw(100, 1000);
    const int rotor_only = pixels_of(NEEDLE_COLOUR, x2 - 19, y2 - 19, x2 + 19, y2 + 19);
    flt.tac[1] = 250;
    draw(100, 1000);
    EXPECT_EQ(pixels_of(NEEDLE_COLOUR, x2 - 19, y2 - 19, x2 + 19, y2 + 19), rotor_only);

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
    orv_test::write_file(dir + "/Mine panl.BMP", orv_test::bmp_file(800, 333, [](int, int) { return 0x1ec80au; }));
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
