// Second look at the weather decoder: where each step looks in the line, in which order
// its checks run, and which of them overwrite.
#include <gtest/gtest.h>

#include <cmath>

#include "2-QZutils/qz_funct.h"
#include "2-QZutils/records.h"

using namespace orv;

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

TEST(QzFunct_NumericReview, IntnearHoldsValuesNoIntCanHold)
{
    EXPECT_EQ(intnear(47, 5), 45);
    EXPECT_EQ(intnear(-47.5f, 5), -50);
    EXPECT_EQ(intnear(3e9f, 1), 2147483647);
    EXPECT_EQ(intnear(-3e9f, 10), -2147483647 - 1);
    EXPECT_EQ(intnear(NAN, 0), 0);       // no grid: the value itself, which is no number
    EXPECT_EQ(intnear(INFINITY, 0), 2147483647);
}
