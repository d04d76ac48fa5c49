// Flight support: accumulators, contact and lift laws, charts, wind, failures, fuel,
// gauge scales and the phonetic alphabet.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "2-QZutils/qz_funct.h"
#include "2-QZutils/records.h"
#include "flight/funct.h"

namespace orv {
namespace {

constexpr float kPi = 3.14159265f;

class FunctBase : public ::testing::Test {
protected:
    void SetUp() override
    {
        flt = flightstruct{};
        atm = atmospherestruct{};
        msc = miscstruct{};
        rel = relstruct{};
        pln = planestruct{};
        set_constants();
        seed_rand(12345);
    }
};

// ---------------------------------------------------------------- accumulators

using Funct_Accumulators = FunctBase;

TEST_F(Funct_Accumulators, BodyAxisForcesGoToTheirOwnSumsWithLeverMoments)
{
    addFaprop(100.0f, 2.0f, 3.0f);   // thrust above and right of the CG
    EXPECT_FLOAT_EQ(flt.faxilprop, 100.0f);
    EXPECT_FLOAT_EQ(flt.M, -300.0f);
    EXPECT_FLOAT_EQ(flt.N, -200.0f);
    EXPECT_FLOAT_EQ(flt.L, 0.0f);

    addFsprop(10.0f, 4.0f, 5.0f);
    EXPECT_FLOAT_EQ(flt.fsideprop, 10.0f);
    EXPECT_FLOAT_EQ(flt.L, 40.0f);
    EXPECT_FLOAT_EQ(flt.N, -200.0f - 50.0f);

    addFnprop(7.0f, 1.0f, -2.0f);
    EXPECT_FLOAT_EQ(flt.fnrmlprop, 7.0f);
    EXPECT_FLOAT_EQ(flt.L, 40.0f - 7.0f);
    EXPECT_FLOAT_EQ(flt.M, -300.0f + 14.0f);

    // Gear forces have their own sums but share the moments.
    addFagear(-50.0f, 0.0f, -1.0f);
    addFsgear(3.0f, -1.0f, 0.0f);
    addFngear(1000.0f, -0.5f, 0.0f);
    EXPECT_FLOAT_EQ(flt.faxilgear, -50.0f);
    EXPECT_FLOAT_EQ(flt.fsidegear, 3.0f);
    EXPECT_FLOAT_EQ(flt.fnrmlgear, 1000.0f);
    EXPECT_FLOAT_EQ(flt.faxilprop, 100.0f);
    EXPECT_FLOAT_EQ(flt.M, -286.0f - 50.0f);
    EXPECT_FLOAT_EQ(flt.L, 33.0f - 3.0f + 500.0f);
}

TEST_F(Funct_Accumulators, AeroSumsStayInPathAxesButMomentsUseBodyAxes)
{
    // No incidence: path and body axes agree.
    flt.cosalph = flt.cosbeta = 1.0f;
    addFaero(-10.0f, 2.0f, 30.0f, 1.0f, 2.0f, 3.0f);
    EXPECT_FLOAT_EQ(flt.faxilaero, -10.0f);
    EXPECT_FLOAT_EQ(flt.fsideaero, 2.0f);
    EXPECT_FLOAT_EQ(flt.fnrmlaero, 30.0f);
    EXPECT_FLOAT_EQ(flt.L, -30.0f * 1.0f + 2.0f * 2.0f);
    EXPECT_FLOAT_EQ(flt.M, 10.0f * 2.0f - 30.0f * 3.0f);
    EXPECT_FLOAT_EQ(flt.N, 10.0f * 1.0f - 2.0f * 3.0f);

    // At 90 degrees angle of attack a path-axis axial force acts against body normal.
    flt = flightstruct{};
    flt.sinalph = 1.0f;
    flt.cosbeta = 1.0f;
    addFaero(10.0f, 0.0f, 0.0f, 1.0f, 2.0f, 3.0f);
    EXPECT_FLOAT_EQ(flt.faxilaero, 10.0f);
    EXPECT_FLOAT_EQ(flt.fnrmlaero, 0.0f);
    EXPECT_FLOAT_EQ(flt.L, 10.0f);
    EXPECT_FLOAT_EQ(flt.M, 30.0f);
    EXPECT_FLOAT_EQ(flt.N, 0.0f);

    // At 90 degrees of sideslip it becomes a (negative) side force.
    flt = flightstruct{};
    flt.sinbeta = 1.0f;
    flt.cosalph = 1.0f;
    addFaero(10.0f, 0.0f, 0.0f, 1.0f, 2.0f, 3.0f);
    EXPECT_FLOAT_EQ(flt.L, -20.0f);
    EXPECT_FLOAT_EQ(flt.M, 0.0f);
    EXPECT_FLOAT_EQ(flt.N, 30.0f);
}

// ---------------------------------------------------------------- contact and lift laws

using Funct_DampedForce = FunctBase;

TEST_F(Funct_DampedForce, NoContactNoPullAndLimited)
{
    pln.m_max = 1000.0f;
    EXPECT_EQ(dampedforce(-0.01f, 50.0f, 1e5f, 1e4f), 0.0f);   // clear of the ground
    EXPECT_EQ(dampedforce(-0.01f, -50.0f, 1e5f, 1e4f), 0.0f);
    EXPECT_EQ(dampedforce(0.05f, -10.0f, 1e5f, 1e4f), 0.0f);    // extending fast: no pull
    EXPECT_FLOAT_EQ(dampedforce(0.1f, 0.5f, 1e4f, 2e3f), 1000.0f + 1000.0f);
    EXPECT_FLOAT_EQ(dampedforce(0.0f, 0.0f, 1e4f, 2e3f), 0.0f);
    const float lim = 5.0f * 1000.0f * con.g;
    EXPECT_FLOAT_EQ(dampedforce(10.0f, 100.0f, 1e6f, 1e5f), lim);
}

using Funct_InduceAlpha = FunctBase;

TEST_F(Funct_InduceAlpha, AspectRatioLimitsAndSupersonicCut)
{
    // Worked by hand: a lift coefficient of 1 on an elliptic wing of aspect ratio 10 bends
    // the flow down by 1/(10 pi) rad, 1.824 deg; the aspect ratio is taken within 2..20.
    pln.AR[4] = 10.0f;
    EXPECT_NEAR(induce_alpha(1.0f, 4), 1.824f, 1e-3f);
    pln.AR[4] = 1.0f;
    EXPECT_NEAR(induce_alpha(1.0f, 4), 9.119f, 1e-3f);
    pln.AR[4] = 50.0f;
    EXPECT_NEAR(induce_alpha(-1.0f, 4), -0.912f, 1e-3f);
    pln.AR[4] = 0.0f;    // a missing surface still divides by a sane span
    EXPECT_TRUE(std::isfinite(induce_alpha(1.0f, 4)));

    flt.machno = 1.2f;
    pln.AR[4] = 10.0f;
    EXPECT_EQ(induce_alpha(1.0f, 4), 0.0f);

    flt.machno = 0.5f;
    pln.AR[0] = 8.0f;
    pln.AR[27] = 8.0f;
    const float a8 = induce_alpha(1.0f, 0);
    EXPECT_FLOAT_EQ(induce_alpha(1.0f, -3), a8);    // out-of-range part numbers stay in the table
    EXPECT_FLOAT_EQ(induce_alpha(1.0f, 500), a8);
}

using Funct_Pulse = FunctBase;

TEST_F(Funct_Pulse, RangeAndPeriod)
{
    msc.elap_time = 0.0f;
    EXPECT_NEAR(pulse(0.0f), 0.5f, 1e-6f);
    EXPECT_NEAR(pulse(kPi / 4.0f), 1.0f, 1e-6f);
    EXPECT_NEAR(pulse(-kPi / 4.0f), 0.0f, 1e-6f);
    msc.elap_time = 7.3f;
    EXPECT_NEAR(pulse(0.2f), pulse(0.2f + kPi), 1e-4f);
}

// ---------------------------------------------------------------- geometry and charts

using Funct_Charts = FunctBase;

TEST_F(Funct_Charts, TriangleArea)
{
    EXPECT_FLOAT_EQ(findarea(0, 0, 0, 3, 0, 0, 0, 4, 0), 6.0f);
    EXPECT_FLOAT_EQ(findarea(0, 0, 0, 0, 4, 0, 3, 0, 0), 6.0f);   // winding does not matter
    EXPECT_FLOAT_EQ(findarea(1, 0, 0, 1, 2, 0, 1, 0, 2), 2.0f);   // in the y-z plane
    EXPECT_FLOAT_EQ(findarea(0, 0, 0, 1, 1, 1, 2, 2, 2), 0.0f);   // collinear
}

// z = x^2 + 10 y^2 is curved in both directions, so reading it with the wrong pair of
// rows or columns gives a different answer.
float chart(float x1, float x2, float x3, float y1, float y2, float y3, float x, float y)
{
    auto f = [](float a, float b) { return a * a + 10.0f * b * b; };
    return interp9(x1, x2, x3, y1, y2, y3, f(x1, y1), f(x2, y1), f(x3, y1), f(x1, y2),
                   f(x2, y2), f(x3, y2), f(x1, y3), f(x2, y3), f(x3, y3), x, y);
}

TEST_F(Funct_Charts, Interp9NodesPairsAndExtrapolation)
{
    const float xs[3] = {1, 2, 4};
    const float ys[3] = {3, 2, 0};   // descending
    for (float x : xs)
        for (float y : ys)
            EXPECT_FLOAT_EQ(chart(1, 2, 4, 3, 2, 0, x, y), x * x + 10 * y * y) << x << "," << y;

    // Inside the low-x, high-y cell: chords through (1, 2) in x and (3, 2) in y.
    // Along x at x = 1.5: the chord of x^2 is 1 + 3 * 0.5 = 2.5; along y at y = 2.5: 65.
    EXPECT_FLOAT_EQ(chart(1, 2, 4, 3, 2, 0, 1.5f, 2.5f), 2.5f + 65.0f);
    // Inside the high-x, low-y cell: chords through (2, 4) and (2, 0).
    // x = 3: 4 + 12 * 0.5 = 10; y = 1: 40 * 0.5 = 20.
    EXPECT_FLOAT_EQ(chart(1, 2, 4, 3, 2, 0, 3.0f, 1.0f), 10.0f + 20.0f);
    // Beyond the chart the outer chords are extended: x = 6 -> 16 + 6 * 2 = 28.
    EXPECT_FLOAT_EQ(chart(1, 2, 4, 3, 2, 0, 6.0f, 0.0f), 28.0f);
    // y above y1: chord through y 3 and 2 extended: y = 4 -> 90 + 50 = 140.
    EXPECT_FLOAT_EQ(chart(1, 2, 4, 3, 2, 0, 1.0f, 4.0f), 1.0f + 140.0f);
}

TEST_F(Funct_Charts, SpecWashNodesClampsAndShortTails)
{
    // On a chart node with the tail at the reference distance: the e0 value.
    EXPECT_NEAR(findspecwash(0.0f, 0.6f, 6.0f, 1.0f), 6.2f, 1e-5f);
    // A tail closer than 0.6 semispans gets the wash unchanged.
    EXPECT_NEAR(findspecwash(0.0f, 0.55f, 6.0f, 1.0f), 6.2f, 1e-5f);
    EXPECT_NEAR(findspecwash(0.5f, 0.5f, 9.0f, 0.5f), 5.1f - 5.33f * 0.5f, 1e-5f);
    // Worked case: AR 9, TR 0.5, h 0.5, x 1.0.
    const float wash = 5.1f - 5.33f * 0.5f;
    const float change = 0.4f * (1.1f + (0.5f - 1.1f) * 0.5f / 0.4f);
    EXPECT_NEAR(findspecwash(0.5f, 1.0f, 9.0f, 0.5f), wash - 0.4f * change, 1e-5f);
    // Arguments are clamped to the charts' ranges.
    EXPECT_FLOAT_EQ(findspecwash(3.0f, 5.0f, 40.0f, 2.0f), findspecwash(1.0f, 2.0f, 15.0f, 1.1f));
    EXPECT_FLOAT_EQ(findspecwash(-1.0f, 0.0f, 1.0f, 0.0f), findspecwash(0.0f, 0.5f, 3.0f, 0.1f));
    // A high tail behind a low-aspect, pointed wing: the wash itself is limited at 0.
    EXPECT_NEAR(findspecwash(1.0f, 0.6f, 6.0f, 0.2f), 0.0f, 1e-6f);
}

using Funct_CloserLinear = FunctBase;

TEST_F(Funct_CloserLinear, StepsTheShortWayRoundAndNeverOvershoots)
{
    EXPECT_NEAR(closer_linear(350.0f, 10.0f, 5.0f, 0.0f, 360.0f), 355.0f, 1e-4f);
    EXPECT_NEAR(closer_linear(10.0f, 350.0f, 5.0f, 0.0f, 360.0f), 5.0f, 1e-4f);
    EXPECT_NEAR(closer_linear(355.0f, 2.0f, 10.0f, 0.0f, 360.0f), 2.0f, 1e-4f);   // through north
    EXPECT_NEAR(closer_linear(2.0f, 355.0f, 10.0f, 0.0f, 360.0f), 355.0f, 1e-4f);
    EXPECT_NEAR(closer_linear(100.0f, 103.0f, 5.0f, 0.0f, 360.0f), 103.0f, 1e-4f);
    EXPECT_NEAR(closer_linear(100.0f, 90.0f, 5.0f, 0.0f, 360.0f), 95.0f, 1e-4f);
    EXPECT_NEAR(closer_linear(90.0f, 90.0f, 5.0f, 0.0f, 360.0f), 90.0f, 1e-4f);
}

// ---------------------------------------------------------------- wind, failures, fuel

using Funct_Wind = FunctBase;

TEST_F(Funct_Wind, LayerIndexBoundaries)
{
    const float ft = con.fttomtrs;
    EXPECT_EQ(wind_index(-100.0f), 0);
    EXPECT_EQ(wind_index(999.0f * ft), 0);
    EXPECT_EQ(wind_index(1000.0f * ft), 1);
    EXPECT_EQ(wind_index(3999.0f * ft), 3);
    EXPECT_EQ(wind_index(4999.0f * ft), 4);
    EXPECT_EQ(wind_index(5000.0f * ft), 5);
    EXPECT_EQ(wind_index(19999.0f * ft), 6);
    EXPECT_EQ(wind_index(29999.0f * ft), 7);
    EXPECT_EQ(wind_index(30000.0f * ft), 8);
    EXPECT_EQ(wind_index(1e7f), 8);
}

TEST_F(Funct_Wind, CalmSettingDecaysEveryLayer)
{
    atm.wind_tbl = 1.0f;   // calmest: every target is zero, the direction holds
    for (int c = 0; c < 9; ++c) {
        atm.wnddir[c] = 100.0f;
        atm.wndspd[c] = 20.0f;
        atm.shrspd[c] = 8.0f;
        atm.tbl[c] = 4.0f;
    }
    atm.wnddir[0] = 200.0f;
    assign_wind_tbl(0.5f);
    for (int c = 0; c < 9; ++c) {
        EXPECT_FLOAT_EQ(atm.wndspd[c], 10.0f);
        EXPECT_FLOAT_EQ(atm.shrspd[c], 4.0f);
        EXPECT_FLOAT_EQ(atm.tbl[c], 2.0f);
    }
    EXPECT_FLOAT_EQ(atm.wnddir[0], 200.0f);
    EXPECT_FLOAT_EQ(atm.wnddir[5], 150.0f);   // towards the old prevailing direction

    atm = atmospherestruct{};   // unset severity: no undefined power of a negative number
    assign_wind_tbl(1.0f);
    for (int c = 0; c < 9; ++c) EXPECT_TRUE(std::isfinite(atm.wnddir[c]) && atm.wndspd[c] == 0.0f);
}

TEST_F(Funct_Wind, SevereSettingStaysWithinItsRanges)
{
    atm.wind_tbl = 5.0f;
    for (int round_ = 0; round_ < 50; ++round_) {
        assign_wind_tbl(1.0f);
        float lo = 1e9f, hi = -1e9f;
        for (int c = 0; c < 9; ++c) {
            EXPECT_GE(atm.wndspd[c], 0.0f);
            EXPECT_LE(atm.wndspd[c], 90.0f * con.ktstomsc + 1e-3f);   // speeds kept in m/s
            EXPECT_LE(atm.shrdir[c], 150.0f);
            EXPECT_LE(atm.shrspd[c], 30.0f * con.ktstomsc + 1e-3f);
            EXPECT_LE(atm.tbl[c], 15.0f);
            lo = std::min(lo, atm.wnddir[c]);
            hi = std::max(hi, atm.wnddir[c]);
        }
        EXPECT_LE(hi - lo, 180.0f);   // every layer within 90 degrees of the prevailing wind
        EXPECT_GE(lo, -90.0f);
        EXPECT_LE(hi, 450.0f);
    }
}

using Funct_Failme = FunctBase;

TEST_F(Funct_Failme, TypesAndTheGeneralRate)
{
    rel.total_fail_entry = 0.0f;
    rel.fail_type[3] = 3;
    rel.fail_type[4] = 1;
    rel.fail_type[5] = 2;
    rel.fail_time_max[5] = 0.0001f;   // far shorter than a draw interval: fails at once
    rel.fail_type[6] = 2;
    rel.fail_time_max[6] = 1e6f;
    int hits6 = 0;
    for (int i = 0; i < 200; ++i) {
        EXPECT_EQ(failme(3), 1);
        EXPECT_EQ(failme(4), 0);
        EXPECT_EQ(failme(5), 1);
        hits6 += failme(6);
    }
    EXPECT_LE(hits6, 2);
    EXPECT_EQ(failme(-1), 0);
    EXPECT_EQ(failme(32), 0);

    rel.total_fail_entry = 401.0f;   // both draws always below: everything fails
    for (int i = 0; i < 50; ++i) EXPECT_EQ(failme(4), 1);

    // Two draws both below 200 of 400: about a quarter of the time.
    rel.total_fail_entry = 200.0f;
    int hits = 0;
    for (int i = 0; i < 4000; ++i) hits += failme(4);
    EXPECT_GT(hits, 700);
    EXPECT_LT(hits, 1300);
}

using Funct_Fuel = FunctBase;

float lbs_per_hour(float kg_per_s) { return kg_per_s * 3600.0f * con.kgstolbs; }

TEST_F(Funct_Fuel, PistonTurbopropAndJetLaws)
{
    pln.entype = 1;
    pln.pmax = 200.0f * con.hptowat;
    pln.sfc = 0.5f;                  // 100 lb/h at full power
    EXPECT_NEAR(lbs_per_hour(burnin_fuel(pln.pmax)), 100.0f, 1e-3f);
    EXPECT_NEAR(lbs_per_hour(burnin_fuel(0.0f)), 1.0f, 1e-4f);
    EXPECT_NEAR(lbs_per_hour(burnin_fuel(0.5f * pln.pmax)), 50.5f, 1e-3f);
    EXPECT_NEAR(lbs_per_hour(burnin_fuel(-pln.pmax)), 1.0f, 1e-4f);   // never below idle

    pln.entype = 3;
    EXPECT_NEAR(lbs_per_hour(burnin_fuel(0.0f)), 5.0f, 1e-3f);
    EXPECT_NEAR(lbs_per_hour(burnin_fuel(pln.pmax)), 100.0f, 1e-3f);

    pln.entype = 4;
    pln.tmax = 1000.0f * con.lbstonew;
    pln.sfc = 0.8f;                  // 800 lb/h at full thrust
    EXPECT_NEAR(lbs_per_hour(burnin_fuel(pln.tmax)), 800.0f, 1e-2f);
    EXPECT_NEAR(lbs_per_hour(burnin_fuel(0.0f)), 40.0f, 1e-3f);
    EXPECT_NEAR(lbs_per_hour(burnin_fuel(3.0f * pln.tmax)), 40.0f + 760.0f * 3.0f, 0.1f);

    pln.entype = 0;
    EXPECT_EQ(burnin_fuel(1e6f), 0.0f);

    pln = planestruct{};             // an engine with no rating: nothing, not a division by 0
    pln.entype = 2;
    EXPECT_EQ(burnin_fuel(1000.0f), 0.0f);
}

// ---------------------------------------------------------------- gauge scales

using Funct_Gauges = FunctBase;

TEST_F(Funct_Gauges, FullScaleOneStepAbove)
{
    EXPECT_EQ(gage_me(0.0f), 10);
    EXPECT_EQ(gage_me(100.0f), 110);    // the thresholds are strict
    EXPECT_EQ(gage_me(101.0f), 120);
    EXPECT_EQ(gage_me(251.0f), 300);
    EXPECT_EQ(gage_me(2400.0f), 2600);
    EXPECT_EQ(gage_me(600000.0f), 700000);
}

TEST_F(Funct_Gauges, TickLayoutBands)
{
    int t = 0, n = 0, l = 0;
    set_mod(100, &t, &n, &l);
    EXPECT_EQ(t, 2); EXPECT_EQ(n, 10); EXPECT_EQ(l, 1);
    set_mod(101, &t, &n, &l);
    EXPECT_EQ(t, 5); EXPECT_EQ(n, 20); EXPECT_EQ(l, 1);
    set_mod(251, &t, &n, &l);
    EXPECT_EQ(t, 10); EXPECT_EQ(n, 50); EXPECT_EQ(l, 10);
    set_mod(1001, &t, &n, &l);
    EXPECT_EQ(t, 50); EXPECT_EQ(n, 200); EXPECT_EQ(l, 100);
    set_mod(25001, &t, &n, &l);
    EXPECT_EQ(t, 1000); EXPECT_EQ(n, 5000); EXPECT_EQ(l, 1000);
    set_mod(500001, &t, &n, &l);
    EXPECT_EQ(t, 20000); EXPECT_EQ(n, 100000); EXPECT_EQ(l, 1000);
}

TEST_F(Funct_Gauges, EngineGaugeMaxima)
{
    pln.omegamax = 1200.0f / con.rsctorpm;   // rad/s at the propeller
    pln.gearrat = 2.0f;                      // 2400 rpm at the engine: steps of 200
    EXPECT_EQ(tac_max(), 2600);
    pln.mpmax = 29.5f;
    EXPECT_FLOAT_EQ(mpr_max(), 29.5f);
    EXPECT_EQ(n1__max(), 100);
    EXPECT_EQ(trq_max(), 100);

    pln.entype = 1;
    pln.pmax = 200.0f * con.hptowat;
    pln.sfc = 0.45f;                           // 90 lb/h
    EXPECT_EQ(ff__max(), 100);

    pln.entype = 4;
    pln.tmax = 1000.0f * con.lbstonew;
    pln.sfc = 0.8f;                            // 800 lb/h dry
    EXPECT_EQ(ff__max(), 900);    // 800 is past 500: steps of 100
    pln.burnerinc = 500.0f * con.lbstonew;     // afterburner: read at three times the thrust
    EXPECT_EQ(ff__max(), 2600);   // 2320 lb/h, steps of 200
}

// ---------------------------------------------------------------- phonetic alphabet

TEST(Funct_Phonetic, DigitsCapitalsAndEverythingElse)
{
    char out[PHONETIC_LEN];
    const struct { char c; const char* w; } cases[] = {
        {'0', "zero"}, {'9', "niner"}, {'A', "alpha"}, {'J', "juliet"}, {'L', "leema"},
        {'N', "november"}, {'X', "x ray"}, {'Z', "zooloo"}};
    for (const auto& k : cases) {
        std::memset(out, '#', sizeof out);
        get_phonetic(k.c, out);
        EXPECT_STREQ(out, k.w) << k.c;
    }
    for (char c : {'a', 'z', '-', ' ', '\0', '@', '['}) {
        std::memset(out, '#', sizeof out);
        get_phonetic(c, out);
        EXPECT_STREQ(out, "") << static_cast<int>(c);
    }
}

}  // namespace
}  // namespace orv
