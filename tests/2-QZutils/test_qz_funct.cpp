#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_rand.h"
#include "2-QZutils/records.h"
#include "platform/plat_clock.h"

using namespace orv;

// ---------------------------------------------------------------- numeric helpers

TEST(QzFunct_Numeric, WrapsBringAnyValueIntoTheRange)
{
    EXPECT_EQ(intwrap(-1, 0, 359), 359);
    EXPECT_EQ(intwrap(360, 0, 359), 0);
    EXPECT_EQ(intwrap(200, 0, 359), 200);
    EXPECT_EQ(intwrap(-400, 0, 359), 320);         // more than one period out
    EXPECT_EQ(intwrap(2147483647, 1, 36), 19);         // no overflow at the int limit
    EXPECT_FLOAT_EQ(fltwrap(-10, -180, 180), -10);
    EXPECT_FLOAT_EQ(fltwrap(190, -180, 180), -170);
    EXPECT_FLOAT_EQ(fltwrap(-190, -180, 180), 170);
    EXPECT_FLOAT_EQ(fltwrap(1000, 0, 360), 280);
    EXPECT_NEAR(fltwrap(-4659, -180, 180), 21, 1e-3);   // a roll logged after a hard contact
}

TEST(QzFunct_Numeric, RoundHalvesAwayFromZero)
{
    EXPECT_EQ(orv::round(2.5f), 3);
    EXPECT_EQ(orv::round(-2.5f), -3);
    EXPECT_EQ(orv::round(2.49f), 2);
    EXPECT_EQ(orv::round(-2.49f), -2);
    EXPECT_EQ(orv::round(0.49999997f), 0);   // in+0.5 in float would give 1
    EXPECT_EQ(orv::round(1e20f), 2147483647);
    EXPECT_EQ(orv::round(NAN), 0);
    EXPECT_FLOAT_EQ(fltnear(47, 5), 45);
    EXPECT_FLOAT_EQ(fltnear(47.5f, 5), 50);
    EXPECT_FLOAT_EQ(fltnear(-47.5f, 5), -50);
    EXPECT_EQ(intnear(123, 10), 120);
    EXPECT_FLOAT_EQ(fltnear(3.7f, 0), 3.7f);   // no grid: unchanged, not NaN
}

TEST(QzFunct_Numeric, LimitsRangesAndBoxes)
{
    EXPECT_EQ(intlim(-5, 0, 10), 0);
    EXPECT_EQ(intlim(15, 0, 10), 10);
    EXPECT_EQ(intlim(7, 0, 10), 7);
    // from a float that may be anything a broken flight state holds
    EXPECT_EQ(intlim_of(std::nanf(""), 3, 10), 3);
    EXPECT_EQ(intlim_of(1e20f, 0, 300), 300);
    EXPECT_EQ(intlim_of(-INFINITY, -5, 5), -5);
    EXPECT_EQ(intlim_of(7.9f, 0, 10), 7);
    EXPECT_FLOAT_EQ(fltlim(1.5f, -1, 1), 1);
    EXPECT_FLOAT_EQ(fltlim(-1.5f, -1, 1), -1);
    EXPECT_EQ(intrange(10, 0, 10), 1);
    EXPECT_EQ(intrange(11, 0, 10), 0);
    EXPECT_EQ(fltrange(-0.01f, 0, 1), 0);
    EXPECT_EQ(intbox(5, 5, 0, 0, 5, 5), 1);
    EXPECT_EQ(intbox(5, 6, 0, 0, 5, 5), 0);
    EXPECT_EQ(fltbox(0.5f, -0.1f, 0, 0, 1, 1), 0);
}

TEST(QzFunct_Numeric, InterpExtrapolatesAndMinMax)
{
    EXPECT_FLOAT_EQ(interp(0, 10, 10, 20, 5), 15);
    EXPECT_FLOAT_EQ(interp(0, 10, 10, 20, 20), 30);   // no clamp
    EXPECT_FALSE(std::isfinite(interp(1, 0, 1, 5, 2)));
    EXPECT_FLOAT_EQ(fltmax4(1, 7, -3, 4), 7);
    EXPECT_FLOAT_EQ(fltmin4(1, 7, -3, 4), -3);
    EXPECT_EQ(intmax2(-2, -3), -2);
    // Equal values: the second one comes back (visible through the sign of zero).
    EXPECT_TRUE(std::signbit(fltmin2(0.0f, -0.0f)));
    int a = 1, b = 2;
    int_switch(&a, &b);
    EXPECT_EQ(a, 2);
    EXPECT_EQ(b, 1);
}

TEST(QzFunct_Numeric, SignsSquaresAndApproach)
{
    EXPECT_FLOAT_EQ(fltsgn(0), 1);
    EXPECT_FLOAT_EQ(fltsgn(-0.1f), -1);
    EXPECT_FLOAT_EQ(signsqr(-3), -9);
    EXPECT_FLOAT_EQ(signsqr(3), 9);
    EXPECT_FLOAT_EQ(pythag(3, 4), 5);
    EXPECT_FLOAT_EQ(pythag3(2, 3, 6), 7);
    EXPECT_FLOAT_EQ(closer_assymp(10, 20, 0.25f), 12.5f);
}

TEST(QzFunct_Numeric, FalloutPushesToNearerEdge)
{
    EXPECT_FLOAT_EQ(fallout(5, 0, 10), 10);
    EXPECT_FLOAT_EQ(fallout(4.9f, 0, 10), 0);
    EXPECT_FLOAT_EQ(fallout(11, 0, 10), 11);
    EXPECT_FLOAT_EQ(fallout(-1, 0, 10), -1);
    EXPECT_FLOAT_EQ(fallout(0, 0, 10), 0);
    EXPECT_FLOAT_EQ(fallout(10, 0, 10), 10);
}

// ---------------------------------------------------------------- random numbers

TEST(QzFunct_Random, IntrandCoversRangeAndNeverPassesMax)
{
    seed_rand(7);
    int seen[36] = {};
    for (int k = 0; k < 200000; k++) {
        const int r = intrand(0, 35);
        ASSERT_GE(r, 0);
        ASSERT_LE(r, 35);
        seen[r]++;
    }
    for (int v = 0; v < 36; v++) EXPECT_GT(seen[v], 4000) << v;
    EXPECT_EQ(intrand(5, 5), 5);
    for (int k = 0; k < 1000; k++) {
        const int r = intrand(10, 3);   // reversed bounds stay inside them
        ASSERT_GE(r, 3);
        ASSERT_LE(r, 10);
    }
}

TEST(QzFunct_Random, FltrandSpansRangeAndSeedRepeats)
{
    seed_rand(42);
    float lo = 1e9f, hi = -1e9f;
    float first[5];
    for (int k = 0; k < 100000; k++) {
        const float r = fltrand(-2, 2);
        if (k < 5) first[k] = r;
        lo = std::fmin(lo, r);
        hi = std::fmax(hi, r);
    }
    EXPECT_GE(lo, -2.0f);
    EXPECT_LE(hi, 2.0f);
    EXPECT_LT(lo, -1.99f);
    EXPECT_GT(hi, 1.99f);
    seed_rand(42);
    for (int k = 0; k < 5; k++) EXPECT_EQ(fltrand(-2, 2), first[k]);
    seed_rand(43);
    int same = 0;
    for (int k = 0; k < 5; k++) same += (fltrand(-2, 2) == first[k]);
    EXPECT_LT(same, 5);
}

// Draws from a stream of its own leave the main stream's sequence where it was, and a
// stream seeded alike repeats the main stream's numbers.
TEST(QzFunct_Random, AStreamOfItsOwnLeavesTheMainStreamAlone)
{
    seed_rand(9);
    const float a = fltrand(0, 1), b = fltrand(0, 1);
    rand_stream own;
    stream_seed(&own, 9);
    seed_rand(9);
    EXPECT_EQ(fltrand(0, 1), a);
    for (int k = 0; k < 50; k++) stream_intrand(&own, 0, 9);
    EXPECT_EQ(fltrand(0, 1), b);
    stream_seed(&own, 9);
    EXPECT_EQ(stream_fltrand(&own, 0, 1), a);
}

// Skipping n draws lands where drawing them would, for counts with many bits and none.
TEST(QzFunct_Random, SkippingDrawsLandsWhereDrawingThemWould)
{
    for (std::uint64_t n : {0ull, 1ull, 2ull, 255ull, 40001ull}) {
        rand_stream drawn, skipped;
        stream_seed(&drawn, 4);
        stream_seed(&skipped, 4);
        for (std::uint64_t k = 0; k < n; k++) stream_intrand(&drawn, 0, 9);
        stream_skip(&skipped, n);
        EXPECT_EQ(skipped.state, drawn.state) << n;
    }
    seed_rand(5);
    for (int k = 0; k < 300; k++) fltrand(0, 1);
    const float after = fltrand(0, 1);
    seed_rand(5);
    skip_rand(300);
    EXPECT_EQ(fltrand(0, 1), after);
}

static long fake_ms;
static long fake_clock() { return fake_ms++; }   // every look at the clock is a millisecond

TEST(QzFunct_Random, DelayWaitsForTheClock)
{
    plat_set_clock(fake_clock);
    fake_ms = 1000;
    delay(0.05f);
    EXPECT_GE(fake_ms, 1050);
    EXPECT_LE(fake_ms, 1053);
    const long before = fake_ms;
    delay(-1.0f);   // nothing to wait for
    EXPECT_LE(fake_ms - before, 1);
    plat_set_clock(nullptr);
}

// ---------------------------------------------------------------- tables and rotations

TEST(QzFunct_Trig, TablesAndTurns)
{
    init_trig_tables();
    EXPECT_FLOAT_EQ(isin(90), 1);
    EXPECT_EQ(icos(90), 0.0f);
    EXPECT_EQ(isin(180), 0.0f);
    EXPECT_NEAR(isin(30), 0.5f, 1e-6f);
    EXPECT_FLOAT_EQ(icos(360), 1);
    EXPECT_NEAR(isin(-90), -1.0f, 1e-6f);   // out of table: wrapped, not read past it
    EXPECT_NEAR(isin(450), 1.0f, 1e-6f);

    // x east, y north: turning by +90 maps east onto the second axis' negative.
    EXPECT_NEAR(rx2d(1, 0, 90), 0.0f, 1e-6f);
    EXPECT_NEAR(ry2d(1, 0, 90), -1.0f, 1e-6f);
    for (int h : {0, 37, 145, 290, 360}) {
        const float x = 3.0f, y = -7.0f;
        const float a = rx2d(x, y, h), b = ry2d(x, y, h);
        EXPECT_NEAR(rx3d(a, b, h), x, 1e-4f) << h;   // rx3d/rz3d undo rx2d/ry2d
        EXPECT_NEAR(rz3d(a, b, h), y, 1e-4f) << h;
        EXPECT_NEAR(pythag(a, b), pythag(x, y), 1e-4f);
    }
}

// Independent reference: the three turns written as matrices and multiplied.
static void reference_turn(float psi, float the, float phi, const double in[3], double out[3])
{
    const double cp = std::cos(psi), sp = std::sin(psi);
    const double ct = std::cos(the), st = std::sin(the);
    const double cr = std::cos(phi), sr = std::sin(phi);
    // heading turns (x, y); pitch turns (z, y'); roll turns (x', z').
    const double H[3][3] = {{cp, -sp, 0}, {sp, cp, 0}, {0, 0, 1}};
    const double P[3][3] = {{1, 0, 0}, {0, ct, st}, {0, -st, ct}};
    const double R[3][3] = {{cr, 0, -sr}, {0, 1, 0}, {sr, 0, cr}};
    double a[3], b[3];
    for (int r = 0; r < 3; r++) a[r] = H[r][0] * in[0] + H[r][1] * in[1] + H[r][2] * in[2];
    for (int r = 0; r < 3; r++) b[r] = P[r][0] * a[0] + P[r][1] * a[1] + P[r][2] * a[2];
    for (int r = 0; r < 3; r++) out[r] = R[r][0] * b[0] + R[r][1] * b[1] + R[r][2] * b[2];
}

TEST(QzFunct_Trig, XfrmMatchesMatrixProductAndKeepsLength)
{
    const float angles[][3] = {{0.3f, -0.2f, 0.9f}, {2.5f, 0.7f, -1.2f}, {0, 0, 0}};
    for (const auto& ang : angles) {
        con.cosPLANpsi = std::cos(ang[0]);
        con.sinPLANpsi = std::sin(ang[0]);
        con.cosPLANthe = std::cos(ang[1]);
        con.sinPLANthe = std::sin(ang[1]);
        con.cosPLANphi = std::cos(ang[2]);
        con.sinPLANphi = std::sin(ang[2]);
        const double in[3] = {1.5, -2.0, 4.0};
        double ref[3];
        reference_turn(ang[0], ang[1], ang[2], in, ref);
        VVECT out{};
        xfrm_VVECT((float)in[0], (float)in[1], (float)in[2], &out);
        EXPECT_NEAR(out.x, ref[0], 1e-5);
        EXPECT_NEAR(out.y, ref[1], 1e-5);
        EXPECT_NEAR(out.z, ref[2], 1e-5);
        EXPECT_NEAR(pythag3(out.x, out.y, out.z), pythag3(1.5f, -2.0f, 4.0f), 1e-5);
    }
    // Pure pitch of 90 degrees turns the third component into the vertical.
    con.cosPLANpsi = 1; con.sinPLANpsi = 0;
    con.cosPLANthe = 0; con.sinPLANthe = 1;
    con.cosPLANphi = 1; con.sinPLANphi = 0;
    VVECT out{};
    xfrm_VVECT(0, 0, 2, &out);
    EXPECT_FLOAT_EQ(out.y, 2);
}

TEST(QzFunct_Trig, NormalOfParallelVectorsIsUp)
{
    VVECT a{1, 2, 3}, b{2, 4, 6}, n{9, 9, 9};
    find_normal_vects(&a, &b, &n);
    EXPECT_EQ(n.x, 0.0f);
    EXPECT_EQ(n.y, 1.0f);
    EXPECT_EQ(n.z, 0.0f);
    VVECT z{0, 0, 0};
    find_normal_vects(&z, &a, &n);
    EXPECT_EQ(n.y, 1.0f);

    VVECT ex{2, 0, 0}, ez{0, 0, 3};
    find_normal_vects(&ex, &ez, &n);   // x cross z = -y
    EXPECT_FLOAT_EQ(n.y, -1.0f);
    find_normal_vects(&ez, &ex, &n);
    EXPECT_FLOAT_EQ(n.y, 1.0f);
    EXPECT_FLOAT_EQ(n.x, 0.0f);
}

// ---------------------------------------------------------------- strings and digits

TEST(QzFunct_Strings, DigitConversions)
{
    EXPECT_EQ(char_to_int('0'), 0);
    EXPECT_EQ(char_to_int('7'), 7);
    EXPECT_EQ(char_to_int('+'), 1);
    EXPECT_EQ(char_to_int('-'), -1);
    EXPECT_EQ(char_to_int('x'), 0);
    EXPECT_EQ(int_to_char(9), '9');
    EXPECT_EQ(int_to_char(0), '0');
    EXPECT_EQ(int_to_char(10), '0');

    EXPECT_EQ(str_is_int(""), 1);
    EXPECT_EQ(str_is_int("0123"), 1);
    EXPECT_EQ(str_is_int("12a"), 0);
    EXPECT_EQ(str_to_int("0042"), 42);
    EXPECT_EQ(str_to_int("12345"), -1);
    EXPECT_EQ(str_to_int("12a"), -1);
    EXPECT_EQ(str_to_int(""), -1);
    EXPECT_EQ(str_to_int("-5"), -1);

    EXPECT_EQ(str_is_frac("3/4"), 1);
    EXPECT_EQ(str_is_frac("0/4"), 0);
    EXPECT_EQ(str_is_frac("3/40"), 0);
    EXPECT_EQ(str_is_frac("3-4"), 0);
    EXPECT_FLOAT_EQ(str_to_frac("3/4"), 0.75f);
    EXPECT_FLOAT_EQ(str_to_frac("1/16"), -1.0f);
    EXPECT_FLOAT_EQ(str_to_frac("1/0"), -1.0f);   // no division by zero
}

TEST(QzFunct_Strings, IntToStrAndTimes)
{
    char buf[16];
    int_to_str(0, buf);
    EXPECT_STREQ(buf, "0");
    int_to_str(-407, buf);
    EXPECT_STREQ(buf, "-407");
    int_to_str(99999, buf);
    EXPECT_STREQ(buf, "99999");
    int_to_str(1234567, buf);   // five digits at most
    EXPECT_STREQ(buf, "99999");
    int_to_str(-2147483647 - 1, buf);
    EXPECT_STREQ(buf, "-99999");

    int h = -1, m = -1;
    sec_to_hrs_min(3 * 3600 + 25 * 60 + 59.9f, &h, &m);
    EXPECT_EQ(h, 3);
    EXPECT_EQ(m, 25);
}

TEST(QzFunct_Strings, CopyJoinAppendAndCodes)
{
    char buf[64] = "keep";
    C_to_C(nullptr, buf);
    EXPECT_STREQ(buf, "keep");
    C_to_C("abc", buf);
    EXPECT_STREQ(buf, "abc");
    C_plus_C("ab", "cd", buf);
    EXPECT_STREQ(buf, "abcd");
    C_plus_C(buf, "ef", buf);   // joining onto itself
    EXPECT_STREQ(buf, "abcdef");
    app_C(buf, "!");
    EXPECT_STREQ(buf, "abcdef!");

    EXPECT_EQ(code_to_char(0), ' ');
    EXPECT_EQ(code_to_char(1), '0');
    EXPECT_EQ(code_to_char(10), '9');
    EXPECT_EQ(code_to_char(11), 'A');
    EXPECT_EQ(code_to_char(36), 'Z');
    EXPECT_EQ(code_to_char(37), '0');
    for (int c = 0; c <= 36; c++) EXPECT_EQ(char_to_code(code_to_char(c)), c);
    EXPECT_EQ(code_to_char(char_to_code('x')), '0');

    int b[5];
    int_to_bol(&b[0], &b[1], &b[2], &b[3], &b[4], 0x35);   // 1 + 4 + 16, bit 32 ignored
    EXPECT_EQ(b[0], 1);
    EXPECT_EQ(b[1], 0);
    EXPECT_EQ(b[2], 1);
    EXPECT_EQ(b[3], 0);
    EXPECT_EQ(b[4], 1);
}

// ---------------------------------------------------------------- scenery names

static std::string env_name(int lat, int lon, int new_format)
{
    char buf[64];
    std::memset(buf, 'Z', sizeof buf);
    return_latlon_str_ENV(lat, lon, buf, new_format);
    return buf;
}

TEST(QzFunct_SceneryName, EverySignCombination)
{
    EXPECT_EQ(env_name(33, -118, 1), "+30-120\\+33-118.env");
    EXPECT_EQ(env_name(42, -76, 1), "+40-080\\+42-076.env");
    EXPECT_EQ(env_name(-5, 3, 1), "-10+000\\-05+003.env");
    EXPECT_EQ(env_name(-15, -76, 1), "-20-080\\-15-076.env");
    EXPECT_EQ(env_name(51, 12, 1), "+50+010\\+51+012.env");
    EXPECT_EQ(env_name(0, 0, 1), "+00+000\\+00+000.env");
    EXPECT_EQ(env_name(-1, -1, 1), "-10-010\\-01-001.env");
    EXPECT_EQ(env_name(-10, -180, 1), "-10-180\\-10-180.env");   // multiples of ten
    EXPECT_EQ(env_name(-70, 179, 1), "-70+170\\-70+179.env");    // floored south of -60 too
    EXPECT_EQ(env_name(33, -118, 0), "United States\\+33-118.env");
    EXPECT_EQ(env_name(-5, 3, 0), "United States\\-05+003.env");
}

// ---------------------------------------------------------------- weather reports

struct Wx {
    float z_time = -1, cld_base = -1, cld_tops = -1, vis = -1;
    int cld_type = -1, obs_vis = -1, obs_den = -1;
    float temp = -1, dewp = -1, wnd_dir = -1, wnd_spd = -1, wnd_gus = -1, baro = -1;
    void decode(const char* line, float z = 0)
    {
        decode_wxr(line, z, &z_time, &cld_type, &cld_base, &cld_tops, &vis, &obs_vis, &obs_den,
                   &temp, &dewp, &wnd_dir, &wnd_spd, &wnd_gus, &baro);
    }
};

class QzFunct_Weather : public ::testing::Test {
protected:
    void SetUp() override { set_constants(); }
};

TEST_F(QzFunct_Weather, FullLineWithLayersVisibilityWeatherAndPressure)
{
    Wx w;
    w.decode("KSFO 1856 25 SCT 40 BKN 120 OVC 7 R- 132/58/52/2712G20/992", 100.0f);
    EXPECT_FLOAT_EQ(w.z_time, 1 * 36000 + 8 * 3600 + 5 * 600 + 6 * 60);
    EXPECT_EQ(w.cld_type, 1);
    EXPECT_NEAR(w.cld_base, 4000 * 0.3048f + 100, 1e-3);
    // tops: highest layer plus light rain's thousand feet
    EXPECT_NEAR(w.cld_tops, 12000 * 0.3048f + 100 + 1000 * 0.3048f, 1e-2);
    EXPECT_NEAR(w.vis, 7 * 1852.0f, 1e-2);
    EXPECT_EQ(w.obs_vis, 2);
    EXPECT_EQ(w.obs_den, 1);
    EXPECT_FLOAT_EQ(w.temp, 58);
    EXPECT_FLOAT_EQ(w.dewp, 52);
    EXPECT_FLOAT_EQ(w.wnd_dir, 270);
    EXPECT_NEAR(w.wnd_spd, 12 * 1852.0f / 3600, 1e-4);
    EXPECT_NEAR(w.wnd_gus, 8 * 1852.0f / 3600, 1e-4);
    EXPECT_NEAR(w.baro, 29.92f, 1e-4);
}

TEST_F(QzFunct_Weather, ClearWithoutPressurePart)
{
    Wx w;
    w.decode("KBOS 0930 CLR 10 45/30/1805/012");
    EXPECT_FLOAT_EQ(w.z_time, 9 * 3600 + 30 * 60);
    EXPECT_EQ(w.cld_type, 0);
    EXPECT_FLOAT_EQ(w.cld_base, -1);   // untouched
    EXPECT_FLOAT_EQ(w.cld_tops, -1);
    EXPECT_NEAR(w.vis, 10 * 1852.0f, 1e-2);
    EXPECT_EQ(w.obs_vis, -1);
    EXPECT_FLOAT_EQ(w.temp, 45);
    EXPECT_FLOAT_EQ(w.dewp, 30);
    EXPECT_FLOAT_EQ(w.wnd_dir, 180);
    EXPECT_NEAR(w.wnd_spd, 5 * 1852.0f / 3600, 1e-4);
    EXPECT_FLOAT_EQ(w.wnd_gus, 0);
    EXPECT_NEAR(w.baro, 30.12f, 1e-4);
}

TEST_F(QzFunct_Weather, NoTimeTokenLeavesTimeAndScatteredOnlyGivesNoLayer)
{
    Wx w;
    w.decode("KDEN 30 SCT 15 TRW+ 210/-05/00/3315/001");
    EXPECT_FLOAT_EQ(w.z_time, -1);
    EXPECT_EQ(w.cld_type, 0);          // data, but no layer
    EXPECT_FLOAT_EQ(w.cld_base, -1);
    EXPECT_NEAR(w.vis, 15 * 1852.0f, 1e-2);
    EXPECT_EQ(w.obs_vis, 1);
    EXPECT_EQ(w.obs_den, 3);
    EXPECT_NEAR(w.cld_tops, -1 + 30000 * 0.3048f, 1e-1);   // thunderstorm: 10000 ft a step
    EXPECT_FLOAT_EQ(w.temp, -1);       // negative and zero are not read
    EXPECT_FLOAT_EQ(w.dewp, -1);
    EXPECT_FLOAT_EQ(w.wnd_dir, 330);
    EXPECT_NEAR(w.baro, 30.01f, 1e-4);
}

TEST_F(QzFunct_Weather, FractionalVisibility)
{
    Wx w;
    w.decode("KSEA 1200 5 OVC 1 1/2 R+F 100/40/39/0000/980");
    EXPECT_NEAR(w.vis, 1.5f * 1852.0f, 1e-2);
    EXPECT_EQ(w.obs_vis, 3);
    EXPECT_EQ(w.obs_den, 3);
    EXPECT_EQ(w.cld_type, 1);
    EXPECT_NEAR(w.baro, 29.80f, 1e-4);

    Wx v;
    v.decode("KSEA 1200 5 OVC 3/4 100/40/39/0000/980");
    EXPECT_NEAR(v.vis, 0.75f * 1852.0f, 1e-2);
    EXPECT_EQ(v.obs_vis, -1);

    Wx u;
    u.decode("KSEA 1200 5 OVC 2 1/4 100/40/39/0000/980");
    EXPECT_NEAR(u.vis, 2.25f * 1852.0f, 1e-2);
}

TEST_F(QzFunct_Weather, WeatherTable)
{
    const struct { const char* tok; int kind, den; } cases[] = {
        {"R", 2, 2}, {"RF", 3, 2}, {"RW+", 4, 3}, {"RW-F", 4, 1}, {"S-", 2, 1},
        {"SW", 4, 2}, {"TRW", 1, 2}, {"TRW-F", 1, 1}, {"TRWF", 1, 2}, {"S+", 2, 3},
    };
    for (const auto& c : cases) {
        Wx w;
        const std::string line = std::string("KXYZ 1200 20 BKN 5 ") + c.tok + " 100/40/39/0000/980";
        w.decode(line.c_str());
        EXPECT_EQ(w.obs_vis, c.kind) << c.tok;
        EXPECT_EQ(w.obs_den, c.den) << c.tok;
    }
    Wx w;
    w.decode("KXYZ 1200 20 BKN 5 FOG 100/40/39/0000/980");
    EXPECT_EQ(w.obs_vis, -1);
}

TEST_F(QzFunct_Weather, VariableAndMalformedWinds)
{
    seed_rand(3);
    for (int k = 0; k < 200; k++) {
        Wx w;
        w.decode(k % 2 ? "KXYZ 1200 CLR 10 50/40/VR07/992" : "KXYZ 1200 CLR 10 50/40/VR07G15/992");
        ASSERT_GE(w.wnd_dir, 0);
        ASSERT_LE(w.wnd_dir, 350);
        ASSERT_EQ(std::fmod(w.wnd_dir, 10.0f), 0.0f);
        ASSERT_NEAR(w.wnd_spd, 7 * 1852.0f / 3600, 1e-4);
        if (k % 2 == 0) {
            ASSERT_NEAR(w.wnd_gus, 8 * 1852.0f / 3600, 1e-4);
        }
    }
    Wx w;
    w.decode("KXYZ 1200 CLR 10 50/40/27015/992");   // five characters: ignored
    EXPECT_FLOAT_EQ(w.wnd_dir, -1);
    EXPECT_FLOAT_EQ(w.wnd_spd, -1);
    EXPECT_FLOAT_EQ(w.wnd_gus, -1);
    EXPECT_NEAR(w.baro, 29.92f, 1e-4);
}

TEST_F(QzFunct_Weather, MalformedLinesStayInBounds)
{
    Wx w;
    w.decode("");
    w.decode(nullptr);
    w.decode("////");
    w.decode("A B C D E F ///");
    w.decode("KXYZ  1200   /// /");
    EXPECT_FLOAT_EQ(w.temp, -1);
    EXPECT_FLOAT_EQ(w.z_time, -1);

    // Far more than 40 tokens, some far longer than a buffer: the extra tokens are dropped.
    std::string line = "KXYZ 1200";
    for (int k = 0; k < 100; k++) line += " 25 SCT";
    line += " " + std::string(2000, 'X') + " 10 50/40/2710/992";
    w.decode(line.c_str());
    EXPECT_FLOAT_EQ(w.z_time, 12 * 3600);
    EXPECT_FLOAT_EQ(w.temp, -1);   // the slash group was past the fortieth token

    Wx v;
    v.decode("KXYZ 1200 CLR 10 50/40/2710/992\r\n");
    EXPECT_NEAR(v.baro, 29.92f, 1e-4);
}

// ---------------------------------------------------------------- lighting codes

TEST(QzFunct_Lights, UnpacksTypeAndBothEnds)
{
    int typ, gls[2], rwy[2], app[2];
    code_to_lgts(&typ, gls, rwy, app, 2123045);
    EXPECT_EQ(typ, 74);
    EXPECT_EQ(gls[0], 1);
    EXPECT_EQ(rwy[0], 2);
    EXPECT_EQ(app[0], 3);
    EXPECT_EQ(gls[1], 1);
    EXPECT_EQ(rwy[1], 4);
    EXPECT_EQ(app[1], 5);

    code_to_lgts(&typ, gls, rwy, app, 356206);
    EXPECT_EQ(typ, 73);
    EXPECT_EQ(gls[0], 3);
    EXPECT_EQ(rwy[0], 5);
    EXPECT_EQ(app[0], 6);
    EXPECT_EQ(gls[1], 2);
    EXPECT_EQ(rwy[1], 1);   // no tens digit: default
    EXPECT_EQ(app[1], 6);

    code_to_lgts(&typ, gls, rwy, app, 5000002);
    EXPECT_EQ(typ, 77);
    EXPECT_EQ(gls[0], 1);
    EXPECT_EQ(rwy[0], 1);
    EXPECT_EQ(app[0], 1);
    EXPECT_EQ(app[1], 2);   // approach type 2 is kept

    code_to_lgts(&typ, gls, rwy, app, 9000000);
    EXPECT_EQ(typ, 73);
}

namespace {

struct Rep {
    float z_time = -1, cld_base = -1, cld_tops = -1, vis = -1;
    int cld_type = -1, obs_vis = -1, obs_den = -1;
    float temp = -1, dewp = -1, wnd_dir = -1, wnd_spd = -1, wnd_gus = -1, baro = -1;
    void decode(const char* line, float z = 0)
    {
        decode_wxr(line, z, &z_time, &cld_type, &cld_base, &cld_tops, &vis, &obs_vis, &obs_den,
                   &temp, &dewp, &wnd_dir, &wnd_spd, &wnd_gus, &baro);
    }
};

const float NM = 1852.0f;
const float FT = 0.3048f;

class QzFunct_WeatherSteps : public ::testing::Test {
protected:
    void SetUp() override { set_constants(); }
};

}  // namespace

TEST_F(QzFunct_WeatherSteps, SkyPairsStepByTwoFromTheTokenAfterTheTime)
{
    // Pairs start right after the time: (X, 25), (BKN, 7). A layer "25 BKN" straddles two
    // pairs and is no layer at all.
    Rep r;
    r.decode("KXYZ 1200 X 25 BKN 7 R 100/40/39/0000/980");
    EXPECT_EQ(r.cld_type, -1);
    EXPECT_FLOAT_EQ(r.cld_base, -1);

    // Without a time token the pairs start at token 1; the last pair may have its height
    // as late as three tokens before the slash group.
    Rep s;
    s.decode("KXYZ 15 OVC 8 100/40/39/0000/980", 50);
    EXPECT_EQ(s.cld_type, 1);
    EXPECT_NEAR(s.cld_base, 1500 * FT + 50, 1e-2);
    EXPECT_NEAR(s.cld_tops, 1500 * FT + 50, 1e-2);
    EXPECT_NEAR(s.vis, 8 * NM, 1e-2);

    // Lowest and highest layer whatever their order; a zero height and a scattered deck
    // are no layers.
    Rep t;
    t.decode("KXYZ 1200 0 OVC 90 BKN 30 OVC 200 SCT 4 100/40/39/0000/980");
    EXPECT_EQ(t.cld_type, 1);
    EXPECT_NEAR(t.cld_base, 3000 * FT, 1e-2);
    EXPECT_NEAR(t.cld_tops, 9000 * FT, 1e-2);
}

TEST_F(QzFunct_WeatherSteps, VisibilityChecksRunInOrderEachLaterOneOverwriting)
{
    Rep a;   // two whole numbers: the one two before the group is read last
    a.decode("KXYZ 1200 CLR 3 2 100/40/39/0000/980");
    EXPECT_NEAR(a.vis, 3 * NM, 1e-2);

    Rep b;   // a fraction just before the group overwrites a whole number two before it
    b.decode("KXYZ 1200 CLR 9 1/2 100/40/39/0000/980");
    EXPECT_NEAR(b.vis, 9.5f * NM, 1e-2);

    Rep c;   // two fractions: the earlier one is read last (with no whole number before it)
    c.decode("KXYZ 1200 CLR 1/2 3/4 100/40/39/0000/980");
    EXPECT_NEAR(c.vis, 0.5f * NM, 1e-2);

    Rep d;   // a weather token between visibility and the group
    d.decode("KXYZ 1200 CLR 2 3/4 S 100/40/39/0000/980");
    EXPECT_NEAR(d.vis, 2.75f * NM, 1e-2);

    Rep e;   // the group right after the time: no visibility step at all
    e.decode("KXYZ 1200 100/40/39/0000/980");
    EXPECT_FLOAT_EQ(e.vis, -1);
}

TEST_F(QzFunct_WeatherSteps, TheTimeIsNeverReadAsVisibility)
{
    // The time stands two before the group here; read as a number of miles it would give
    // a visibility of 1200 nautical miles.
    Rep a;
    a.decode("KXYZ 1200 5 100/40/39/0000/980");
    EXPECT_NEAR(a.vis, 5 * NM, 1e-2);
    Rep b;
    b.decode("KXYZ 1200 1/2 100/40/39/0000/980");
    EXPECT_NEAR(b.vis, 0.5f * NM, 1e-2);
    Rep c;   // without a time token, token 1 is visibility as any other
    c.decode("KXYZ 6 100/40/39/0000/980");
    EXPECT_NEAR(c.vis, 6 * NM, 1e-2);
}

TEST_F(QzFunct_WeatherSteps, WeatherNeedsThreeTokensAfterTheTimeAndGrowsTheTops)
{
    // time_seg + 3 must be below main_seg: "5 R" right after the time is too short.
    Rep a;
    a.decode("KXYZ 1200 5 R 100/40/39/0000/980");
    EXPECT_EQ(a.obs_vis, -1);
    EXPECT_FLOAT_EQ(a.cld_tops, -1);
    EXPECT_NEAR(a.vis, 5 * NM, 1e-2);

    Rep b;
    b.decode("KXYZ 1200 CLR 5 R 100/40/39/0000/980");
    EXPECT_EQ(b.obs_vis, 2);
    EXPECT_EQ(b.obs_den, 2);
    EXPECT_NEAR(b.cld_tops, -1 + 2000 * FT, 1e-2);   // grows from what the caller set

    Rep c;   // showers: kind 4, a thousand feet a step
    c.decode("KXYZ 1200 20 OVC 5 RW+ 100/40/39/0000/980");
    EXPECT_NEAR(c.cld_tops, 2000 * FT + 3000 * FT, 1e-2);

    Rep d;   // thunderstorm: ten thousand feet a step
    d.decode("KXYZ 1200 20 OVC 5 TRW- 100/40/39/0000/980");
    EXPECT_NEAR(d.cld_tops, 2000 * FT + 10000 * FT, 1e-2);

    // A token the table does not know leaves kind, intensity and tops as the caller set
    // them, even when the caller's kind is one that would grow the tops.
    Rep e;
    e.obs_vis = 2;
    e.obs_den = 3;
    e.decode("KXYZ 1200 20 OVC 5 HZ 100/40/39/0000/980");
    EXPECT_EQ(e.obs_vis, 2);
    EXPECT_NEAR(e.cld_tops, 2000 * FT, 1e-2);
}

TEST_F(QzFunct_WeatherSteps, SlashGroupPartsAltimeterAndWind)
{
    Rep a;   // with pressure: parts 1..4
    a.decode("KXYZ 1200 CLR 10 998/61/55/0910/500");
    EXPECT_FLOAT_EQ(a.temp, 61);
    EXPECT_FLOAT_EQ(a.dewp, 55);
    EXPECT_FLOAT_EQ(a.wnd_dir, 90);
    EXPECT_NEAR(a.wnd_spd, 10 * NM / 3600, 1e-4);
    EXPECT_NEAR(a.baro, 25.00f, 1e-4);   // 5.00 is at least 5: plus 20

    Rep b;   // without pressure: parts 0..3
    b.decode("KXYZ 1200 CLR 10 61/55/0910/499");
    EXPECT_FLOAT_EQ(b.temp, 61);
    EXPECT_FLOAT_EQ(b.dewp, 55);
    EXPECT_FLOAT_EQ(b.wnd_dir, 90);
    EXPECT_NEAR(b.baro, 34.99f, 1e-4);   // 4.99: plus 30

    Rep c;   // seven characters without a 'G': speed read, no gust
    c.wnd_gus = 5;
    c.decode("KXYZ 1200 CLR 10 61/55/3625X30/2992");
    EXPECT_FLOAT_EQ(c.wnd_dir, 360);
    EXPECT_NEAR(c.wnd_spd, 25 * NM / 3600, 1e-4);
    EXPECT_FLOAT_EQ(c.wnd_gus, 0);
    EXPECT_FLOAT_EQ(c.baro, -1);   // four digits are no altimeter

    Rep d;   // a wind group with a letter where a digit belongs is ignored
    d.decode("KXYZ 1200 CLR 10 61/55/27O5/992");
    EXPECT_FLOAT_EQ(d.wnd_dir, -1);
    EXPECT_FLOAT_EQ(d.wnd_spd, -1);
    EXPECT_NEAR(d.baro, 29.92f, 1e-4);

    Rep e;   // a four-slash group is read with its pressure part skipped, not as temperature
    e.decode("KXYZ 1200 CLR 10 012/M05/00/0000/992");
    EXPECT_FLOAT_EQ(e.temp, -1);
    EXPECT_FLOAT_EQ(e.dewp, -1);
    EXPECT_FLOAT_EQ(e.wnd_dir, 0);
}

TEST_F(QzFunct_WeatherSteps, TimeDigitsAndFirstGroupOnly)
{
    Rep a;
    a.decode("KXYZ 2359 CLR 10 61/55/0910/992 10/10/1010/010");
    EXPECT_FLOAT_EQ(a.z_time, 23 * 3600 + 59 * 60);
    EXPECT_FLOAT_EQ(a.temp, 61);   // the first group with three slashes is the one read
    EXPECT_NEAR(a.baro, 29.92f, 1e-4);

    Rep b;   // a four-character token that is not four digits sets no time
    b.decode("KXYZ 12Z0 CLR 10 61/55/0910/992");
    EXPECT_FLOAT_EQ(b.z_time, -1);
    EXPECT_EQ(b.cld_type, 0);
}

TEST(QzFunct_Numeric, IntnearHoldsValuesNoIntCanHold)
{
    EXPECT_EQ(intnear(47, 5), 45);
    EXPECT_EQ(intnear(-47.5f, 5), -50);
    EXPECT_EQ(intnear(3e9f, 1), 2147483647);
    EXPECT_EQ(intnear(-3e9f, 10), -2147483647 - 1);
    EXPECT_EQ(intnear(NAN, 0), 0);       // no grid: the value itself, which is no number
    EXPECT_EQ(intnear(INFINITY, 0), 2147483647);
}
