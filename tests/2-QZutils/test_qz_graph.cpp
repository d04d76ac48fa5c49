// Buffer-mode drawing, pixel by pixel: primitives, palette tinting, the font, strings and numbers.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "2-QZutils/qgl.h"
#include "2-QZutils/qz_font.h"
#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_graph.h"
#include "2-QZutils/records.h"

using namespace orv;

namespace {

constexpr int WHITE = 38;   // untinted white

class Buffer_Draw : public ::testing::Test {
protected:
    void SetUp() override
    {
        init_trig_tables();
        OGL_default_palette();
        ins.r_rat = ins.g_rat = ins.b_rat = 1;
        mnw.x = mnw.y = 0;
        to_array = 1;
        clear();
    }
    void TearDown() override
    {
        to_array = 0;
        mnw.x = mnw.y = 0;
    }
    static void clear() { std::memset(rgb_array, 0, sizeof rgb_array); }
    static bool lit(int x, int y) { const unsigned char* p = rgb_array + (y * SCREEN_W + x) * 3; return p[0] || p[1] || p[2]; }
    static int lit_count()
    {
        int n = 0;
        for (int y = 0; y < SCREEN_H; y++)
            for (int x = 0; x < SCREEN_W; x++) n += lit(x, y);
        return n;
    }
    static std::vector<unsigned char> snapshot() { return std::vector<unsigned char>(rgb_array, rgb_array + sizeof rgb_array); }
};

TEST_F(Buffer_Draw, ZeroLengthLineLightsOnePixel)
{
    OGL_line(WHITE, 10, 10, 10, 10);
    EXPECT_EQ(lit_count(), 1);
    EXPECT_TRUE(lit(10, 10));
}

TEST_F(Buffer_Draw, DiagonalLineEndsOnItsEndPoint)
{
    OGL_line(WHITE, 0, 0, 5, 5);
    for (int k = 0; k <= 5; k++) EXPECT_TRUE(lit(k, k)) << k;
    EXPECT_EQ(lit_count(), 6);
}

TEST_F(Buffer_Draw, FilledRectangleCoversRoundedColumnsAndRowsFromTheOrigin)
{
    mnw.x = 10;
    mnw.y = 20;
    OGL_fillrect(WHITE, 0.4f, 0, 3, 2);     // columns 10..12, rows 20..21
    EXPECT_EQ(lit_count(), 6);
    EXPECT_TRUE(lit(10, 20));
    EXPECT_TRUE(lit(12, 21));
    EXPECT_FALSE(lit(13, 20));
    EXPECT_FALSE(lit(10, 22));
}

TEST_F(Buffer_Draw, FramedRectangleIsItsFourSides)
{
    OGL_framerect(WHITE, 100, 100, 4, 3);
    EXPECT_EQ(lit_count(), 2 * 5 + 2 * 2);
    EXPECT_FALSE(lit(102, 101));
}

TEST_F(Buffer_Draw, CirclesCoverTheirRows)
{
    OGL_fillcircle(WHITE, 50, 50, 3);
    for (int x = 47; x <= 53; x++) EXPECT_TRUE(lit(x, 50)) << x;
    EXPECT_FALSE(lit(46, 50));
    EXPECT_TRUE(lit(50, 53));
    EXPECT_FALSE(lit(49, 53));              // the top row is a single pixel
    clear();
    OGL_framecircle(WHITE, 50, 50, 3);
    EXPECT_TRUE(lit(47, 50));
    EXPECT_TRUE(lit(53, 50));
    EXPECT_TRUE(lit(50, 47));
    EXPECT_FALSE(lit(50, 50));
}

TEST_F(Buffer_Draw, ArcRunsClockwiseFromStraightUpWithTheOriginAddedOnce)
{
    mnw.x = 100;
    mnw.y = 100;
    OGL_arc(WHITE, 0, 0, 10, 11, 0, 90);
    EXPECT_TRUE(lit(100, 110));             // 0 degrees: straight up
    EXPECT_TRUE(lit(110, 100));             // 90 degrees: to the right
    EXPECT_TRUE(lit(100, 111));             // the outer radius too
    EXPECT_FALSE(lit(90, 100));             // 270 degrees is not part of it
    EXPECT_FALSE(lit(200, 210));            // origin not added twice
}

TEST_F(Buffer_Draw, PanelColoursFollowTheLightingMultipliers)
{
    ins.g_rat = ins.b_rat = 0.5f;
    OGL_setcolor(0);
    EXPECT_EQ(current_rgb[0], 255);
    EXPECT_EQ(current_rgb[1], 128);
    EXPECT_EQ(current_rgb[2], 128);
    OGL_setcolor(38);                       // the same white, not a panel colour
    EXPECT_EQ(current_rgb[1], 255);
}

TEST_F(Buffer_Draw, PointsOutsideThePictureAreDropped)
{
    OGL_line(WHITE, -5, 3, 2, 3);
    OGL_line(WHITE, 798, 599, 805, 599);
    EXPECT_EQ(lit_count(), 3 + 2);
}

TEST_F(Buffer_Draw, GlyphRowOneIsTheTopRow)
{
    OGL_setcolor(WHITE);
    OGL_char(20, 30, 'L');                  // L: left column, then the bottom row
    for (int r = 30; r <= 36; r++) EXPECT_TRUE(lit(20, r)) << r;
    for (int c = 20; c <= 24; c++) EXPECT_TRUE(lit(c, 30)) << c;
    EXPECT_EQ(lit_count(), 11);
    clear();
    OGL_char(20, 30, '7');                  // 7: the top row is full, the bottom one dot
    for (int c = 20; c <= 24; c++) EXPECT_TRUE(lit(c, 36)) << c;
    EXPECT_TRUE(lit(22, 30));
    EXPECT_EQ(lit_count(), 11);
}

TEST_F(Buffer_Draw, FontCoversItsWholeRangeAndFoldsLowerCase)
{
    ASSERT_NE(font_glyph('|'), nullptr);
    for (int r = 0; r < 7; r++) EXPECT_EQ(font_glyph('|')[r], 0x04);
    EXPECT_EQ(font_glyph('_')[6], 0x1F);
    EXPECT_EQ(font_glyph('a'), font_glyph('A'));
    EXPECT_EQ(font_glyph('"'), nullptr);
    EXPECT_EQ(font_glyph('{'), nullptr);
    EXPECT_EQ(font_glyph('~'), nullptr);
    EXPECT_NE(font_glyph(' '), nullptr);
}

// Draws the expected characters one by one; the number or string must give the same image.
struct expect_char { float x, y; char c; };
static std::vector<unsigned char> expected(std::initializer_list<expect_char> chars)
{
    std::memset(rgb_array, 0, sizeof rgb_array);
    OGL_setcolor(WHITE);
    for (const expect_char& e : chars) OGL_char(e.x, e.y, e.c);
    std::vector<unsigned char> img(rgb_array, rgb_array + sizeof rgb_array);
    std::memset(rgb_array, 0, sizeof rgb_array);
    return img;
}

TEST_F(Buffer_Draw, NumbersFillTheirColumnsFromTheLeft)
{
    auto want = expected({{112, 50, '7'}});
    OGL_number(WHITE, 100, 50, 7, 3, 0, 6, 0);          // two blanks, then the 7
    EXPECT_TRUE(snapshot() == want);

    want = expected({{100, 50, '0'}, {103, 50, '.'}, {106, 50, '5'}, {112, 50, '0'}});
    OGL_number(WHITE, 100, 50, 0.5f, 3, 2, 6, 0);       // at least dec + 1 digits: 0.50
    EXPECT_TRUE(snapshot() == want);

    mnw.x = 50;
    want = expected({{144, 60, '-'}, {150, 60, '1'}, {158, 60, '2'}});
    OGL_number(WHITE, 100, 60, -12, 2, 0, 8, 1);        // sign column 6 to the left, origin added
    EXPECT_TRUE(snapshot() == want);
}

TEST_F(Buffer_Draw, NumberThatIsNotFiniteShowsDashes)
{
    const auto want = expected({{100, 50, '-'}, {106, 50, '-'}, {112, 50, '-'}});
    for (float v : {INFINITY, -INFINITY, NAN}) {
        OGL_number(WHITE, 100, 50, v, 3, 0, 6, 1);
        EXPECT_TRUE(snapshot() == want) << v;
    }
}

TEST_F(Buffer_Draw, NegativeNumberRoundingToZeroShowsNoMinus)
{
    auto want = expected({{100, 50, '0'}, {103, 50, '.'}, {106, 50, '0'}});
    OGL_number(WHITE, 100, 50, -0.04f, 2, 1, 6, 1);
    EXPECT_TRUE(snapshot() == want);
}

TEST_F(Buffer_Draw, NumberTooLongForItsColumnsShowsMantissaAndRaisedExponent)
{
    // 1234.5 in four columns with one decimal needs five digits: 1.23 times ten cubed.
    auto want = expected({{100, 50, '1'}, {103, 50, '.'}, {106, 50, '2'}, {112, 50, '3'}});
    static const int cube[35] = {1, 1, 0, 0, 0,  0, 0, 1, 0, 0,  1, 1, 0, 0, 0,  0, 0, 1, 0, 0,
                                 1, 1, 0, 0, 0,  0, 0, 0, 0, 0,  0, 0, 0, 0, 0};
    std::memcpy(rgb_array, want.data(), want.size());
    OGL_sub_character(118, 50, cube);
    want.assign(rgb_array, rgb_array + sizeof rgb_array);
    clear();
    OGL_number(WHITE, 100, 50, 1234.5f, 4, 1, 6, 0);
    EXPECT_TRUE(snapshot() == want);

    // Eight digits in seven columns is still too long, not its last seven digits.
    clear();
    want = expected({{100, 50, '1'}, {103, 50, '.'}, {106, 50, '2'}, {112, 50, '3'}});
    OGL_number(WHITE, 100, 50, 12345678.0f, 7, 0, 6, 0);
    for (int y = 50; y < 57; y++)
        for (int x = 100; x < 118; x++)
            EXPECT_EQ(lit(x, y), (bool)want[(y * SCREEN_W + x) * 3]) << x << "," << y;
}

TEST_F(Buffer_Draw, StringsWrapWholeWordsOnlyWhenAWidthIsGiven)
{
    auto want = expected({{0, 100, 'A'}, {6, 100, 'A'}, {12, 100, 'A'}, {18, 100, ' '},
                          {24, 100, 'B'}, {30, 100, 'B'}});
    OGL_string(WHITE, 0, 100, "AAA BB", 800, 6);
    EXPECT_TRUE(snapshot() == want);

    mnw.x = 200;
    want = expected({{200, 100, 'A'}, {206, 100, 'A'}, {212, 100, 'A'}, {200, 90, 'B'}, {206, 90, 'B'}});
    OGL_string(WHITE, 0, 100, "AAA BB", 30, 6);         // BB would end at 36 > 30
    EXPECT_TRUE(snapshot() == want);
}

}  // namespace

namespace {

std::vector<float> sent;   // texture coordinates and normals, in the order sent
void rec_tex(GLfloat s, GLfloat t) { sent.push_back(s); sent.push_back(t); }
void rec_normal(GLfloat x, GLfloat y, GLfloat z) { sent.insert(sent.end(), {x, y, z}); }
int viewport[4];
void rec_viewport(GLint x, GLint y, GLsizei w, GLsizei h) { viewport[0] = x; viewport[1] = y; viewport[2] = w; viewport[3] = h; }

TEST(Quads, FlatQuadLaysItsTextureOnTheGroundAndFacesUp)
{
    qgl_reset();
    qgl.TexCoord2f = rec_tex;
    qgl.Normal3f = rec_normal;
    sent.clear();
    // A sloping quad, corners in the clockwise order seen from above (y up, z south).
    const float a[3] = {10, 0, 20}, b[3] = {30, 0, 20}, c[3] = {30, 5, 30}, d[3] = {10, 5, 30};
    OGL_3dquad_flat(a, b, c, d, 45, 10, 20, 40, 20);
    ASSERT_EQ(sent.size(), 3u + 8u);
    EXPECT_GT(sent[1], 0.5f);                          // the normal leans up
    EXPECT_FLOAT_EQ(sent[3], 0.0f);                    // (x - xmin) / xrange, (z - zmin) / zrange
    EXPECT_FLOAT_EQ(sent[4], 0.0f);
    EXPECT_FLOAT_EQ(sent[7], 0.5f);
    EXPECT_FLOAT_EQ(sent[8], 0.5f);
    sent.clear();
    OGL_3dquad_st(a, b, c, d, 45, 0.1f, 0.2f, 0.9f, 0.8f);   // (s1,t1) (s1,t2) (s2,t2) (s2,t1)
    const float want[8] = {0.1f, 0.2f, 0.1f, 0.8f, 0.9f, 0.8f, 0.9f, 0.2f};
    for (int k = 0; k < 8; k++) EXPECT_FLOAT_EQ(sent[3 + k], want[k]) << k;
    qgl_reset();
}

TEST(Quads, ViewportsOfThePictureFollowItsPlaceInTheWindow)
{
    qgl_reset();
    qgl.Viewport = rec_viewport;
    ogl_viewport keep = ogl_view;
    ogl_view = {400, 0, 1600, 1200};                   // twice the size, bars on the left
    OGL_viewport(0, 333, 800, 267);                    // the 3-D view above the panel
    EXPECT_EQ(viewport[0], 400);
    EXPECT_EQ(viewport[1], 666);
    EXPECT_EQ(viewport[2], 1600);
    EXPECT_EQ(viewport[3], 534);
    ogl_view = keep;
    qgl_reset();
}

}  // namespace
