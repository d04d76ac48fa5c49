// Airfoil and flap file generation: the files are read back here with a reader written
// independently of the generator, following the simulator's reading order.
#include "afoilgen_core.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <sys/wait.h>

#include "support/test_support.h"

namespace {

namespace fs = std::filesystem;

// A cursor over a text file with the simulator's scanner semantics: numbers and words skip
// white space including line ends; rln skips up to and including the next line end.
struct cursor {
    std::string s;
    size_t p = 0;
    bool ok = true;

    void skip_ws() { while (p < s.size() && std::isspace((unsigned char)s[p])) ++p; }
    double num()
    {
        skip_ws();
        const char* b = s.c_str() + p;
        char* e = nullptr;
        double v = std::strtod(b, &e);
        if (e == b) { ok = false; return 0; }
        p += e - b;
        return v;
    }
    std::string word()
    {
        skip_ws();
        size_t b = p;
        while (p < s.size() && !std::isspace((unsigned char)s[p])) ++p;
        return s.substr(b, p - b);
    }
    std::string line()
    {
        size_t e = s.find('\n', p);
        if (e == std::string::npos) { ok = false; e = s.size(); }
        std::string l = s.substr(p, e - p);
        p = std::min(e + 1, s.size());
        return l;
    }
    void rln() { line(); }
    bool only_space_left() { skip_ws(); return p == s.size(); }
};

struct afl_file {
    std::string name;
    double trat = 0, re = 0, stall = 0;
    double clpos[171], clneg[171], cdpos[271], cdneg[271];
    double angpos[271], angneg[271];
    double clM = 0, clB = 0, cmal2 = 0, cmal3 = 0, cm[4] = {0, 0, 0, 0};
};

// Returns "" when the file follows the reading order exactly, else what went wrong.
std::string read_afl(const std::string& path, afl_file& a)
{
    cursor c{orv_test::read_file(path)};
    if (c.s.empty()) return "cannot read " + path;
    if (c.line() != "I") return "mark line";
    if (c.line() != "363 version") return "version line";
    if ((int)c.num() != 1234) return "check number";
    c.rln();
    a.name = c.word();
    a.trat = c.num();
    a.re = c.num();
    c.num();
    a.stall = c.num();
    c.rln();
    c.rln();
    for (int i = 270; i >= 100; --i) {
        a.angneg[i] = c.num();
        a.clneg[i - 100] = c.num();
        a.cdneg[i] = c.num();
    }
    for (int i = 99; i >= 0; --i) {
        a.angneg[i] = c.num();
        a.cdneg[i] = c.num();
    }
    c.rln();
    double* one[] = {&a.clM, &a.clB, &a.cmal2, &a.cmal3, &a.cm[0], &a.cm[1], &a.cm[2], &a.cm[3]};
    for (double* v : one) {
        *v = c.num();
        c.rln();
    }
    c.rln();
    for (int i = 0; i < 100; ++i) {
        a.angpos[i] = c.num();
        a.cdpos[i] = c.num();
    }
    for (int i = 100; i <= 270; ++i) {
        a.angpos[i] = c.num();
        a.clpos[i - 100] = c.num();
        a.cdpos[i] = c.num();
    }
    if (!c.ok) return "ran out of data";
    if (!c.only_space_left()) return "data left after the positive tables";
    return "";
}

struct flp_file { double cl[51], cd[51], cm[51]; int setting[51]; };

std::string read_flp(const std::string& path, flp_file& f)
{
    cursor c{orv_test::read_file(path)};
    if (c.s.empty()) return "cannot read " + path;
    if (c.line() != "I") return "mark line";
    if (c.line() != "363 version") return "version line";
    if ((int)c.num() != 2345) return "check number";
    c.rln();
    c.rln();
    c.rln();
    for (int s = 0; s < 51; ++s) {
        f.setting[s] = (int)c.num();
        f.cl[s] = c.num();
        f.cd[s] = c.num();
        f.cm[s] = c.num();
    }
    if (!c.ok) return "ran out of data";
    if (!c.only_space_left()) return "data left after the table";
    return "";
}

// Lift as the simulator looks it up: the line within 10 degrees, the tables beyond.
double lookup_cl(const afl_file& a, double alpha)
{
    double m = std::fabs(alpha);
    if (m < 10.0) return a.clM * alpha + a.clB;
    double i = m <= 20.0 ? 10.0 * m : 200.0 + (m - 20.0);
    i = std::min(i, 269.99);
    int F = (int)i;
    const double* t = alpha > 0 ? a.clpos : a.clneg;
    return t[F - 100] * (F + 1 - i) + t[F + 1 - 100] * (i - F);
}

const std::string kAirfoils = std::string(ORV_BINARY_DIR) + "/airfoils/";
const std::string kFlaps = std::string(ORV_BINARY_DIR) + "/flaps/";

const char* kShippedAirfoils[] = {
    "NACA 2412 (popular)", "NACA 0009 (symmetrical)", "Clark-Y (good propeller)",
    "NACA 0012 (helicopter rotor)", "NACA 64-212 (laminar jet wing)", "NACA 64A204 (thin supersonic)"};
const char* kShippedFlaps[] = {"plain flap", "split flap", "slotted flap"};

#define NEED_DATA_TREE() ORV_NEED_DATA(fs::exists(kAirfoils + "NACA 2412 (popular).afl"), "airfoils")

// ---------------------------------------------------------------- the generator itself

TEST(AfoilGen_Core, AngleIndexMatchesTheLookup)
{
    EXPECT_DOUBLE_EQ(orv::afg_index_angle(0), 0.0);
    EXPECT_DOUBLE_EQ(orv::afg_index_angle(100), 10.0);
    EXPECT_DOUBLE_EQ(orv::afg_index_angle(155), 15.5);
    EXPECT_DOUBLE_EQ(orv::afg_index_angle(200), 20.0);
    EXPECT_DOUBLE_EQ(orv::afg_index_angle(205), 25.0);
    EXPECT_DOUBLE_EQ(orv::afg_index_angle(270), 90.0);
}

orv::afg_redata sample_re()
{
    orv::afg_redata d;
    d.re = 3; d.slope = 0.1; d.alpha0 = -2; d.clmax = 1.5; d.stall = 15; d.drop = 0.3;
    d.clmax_neg = 1.2; d.stall_neg = 14; d.drop_neg = 0.3; d.cd0 = 0.006; d.k = 0.006;
    d.cl_mindrag = 0.2; d.cd90 = 1.9;
    return d;
}

TEST(AfoilGen_Core, RejectsFiguresThatCannotMakeACurve)
{
    orv::afg_redata d = sample_re();
    EXPECT_EQ(orv::afg_check(d), "");
    d.clmax = 1.8;   // the line reaches only 1.7 by 15 degrees
    EXPECT_NE(orv::afg_check(d), "");
    d = sample_re();
    d.stall_neg = 40;
    EXPECT_NE(orv::afg_check(d), "");
    d = sample_re();
    d.cd0 = 0;
    EXPECT_NE(orv::afg_check(d), "");
    d = sample_re();
    d.drop = 1.6;
    EXPECT_NE(orv::afg_check(d), "");
}

TEST(AfoilGen_Core, CurveShape)
{
    orv::afg_redata d = sample_re();
    double cl, cd, prev_cl = 0, prev_cd = 0;
    // Linear well below the stall, clmax exactly at it, lower after it.
    orv::afg_section_at(d, 4.0, &cl, &cd);
    EXPECT_NEAR(cl, 0.6, 1e-9);
    orv::afg_section_at(d, 15.0, &cl, &cd);
    EXPECT_NEAR(cl, 1.5, 1e-9);
    orv::afg_section_at(d, -14.0, &cl, &cd);
    EXPECT_NEAR(cl, -1.2, 1e-9);
    orv::afg_section_at(d, 19.0, &cl, &cd);
    EXPECT_NEAR(cl, 1.2, 1e-9);
    // Minimum drag where the polar says.
    orv::afg_section_at(d, 0.0, &cl, &cd);
    EXPECT_NEAR(cd, 0.006, 1e-9);
    // Broadside: no lift, flat-plate drag.
    orv::afg_section_at(d, 90.0, &cl, &cd);
    EXPECT_NEAR(cl, 0.0, 1e-9);
    EXPECT_NEAR(cd, 1.906, 1e-9);
    orv::afg_section_at(d, -90.0, &cl, &cd);
    EXPECT_NEAR(cl, 0.0, 1e-9);
    // No jumps anywhere, in 0.05-degree steps.
    for (int k = -1800; k <= 1800; ++k) {
        orv::afg_section_at(d, k * 0.05, &cl, &cd);
        if (k > -1800) {
            EXPECT_LT(std::fabs(cl - prev_cl), 0.02) << "at " << k * 0.05;
            EXPECT_LT(std::fabs(cd - prev_cd), 0.01) << "at " << k * 0.05;
        }
        EXPECT_GT(cd, 0.0);
        prev_cl = cl;
        prev_cd = cd;
    }
}

TEST(AfoilGen_Core, LineMeetsTablesWhenTheCurveBendsEarly)
{
    // A thin section that leaves the line before 10 degrees: the file's line is the
    // chord through the curve at +-10 degrees, so the simulator sees no step there.
    orv::afg_redata d = sample_re();
    d.clmax = 0.95; d.stall = 10.5; d.clmax_neg = 0.7; d.stall_neg = 9; d.alpha0 = -1;
    ASSERT_EQ(orv::afg_check(d), "");
    orv::afg_tables t;
    orv::afg_build_tables(d, t);
    EXPECT_NEAR(t.clM * 10 + t.clB, t.clpos[0], 1e-5);
    EXPECT_NEAR(t.clM * -10 + t.clB, t.clneg[0], 1e-5);
    EXPECT_LT(t.clM, 0.1);
}

TEST(AfoilGen_Core, DescriptionErrorsAreReported)
{
    std::string dir = orv_test::temp_dir("afoilgen_sec");
    std::string err;
    orv::afg_section sec;
    std::string good =
        "name = Test Foil\nthickness = 0.1\nre = 1 2\nslope = 0.1\nalpha0 = -2\nclmax = 1.5 1.6\n"
        "stall = 15 16\nclmax_neg = 1.2\nstall_neg = 14\ncd0 = 0.006\nk = 0.006\n";
    ASSERT_TRUE(orv::afg_read_section(orv_test::write_file(dir + "/a.sec", good), sec, err)) << err;
    EXPECT_EQ(sec.name, "Test_Foil");
    EXPECT_DOUBLE_EQ(sec.re[0].clmax, 1.5);
    EXPECT_DOUBLE_EQ(sec.re[1].clmax, 1.6);
    EXPECT_DOUBLE_EQ(sec.re[1].slope, 0.1);
    EXPECT_DOUBLE_EQ(sec.re[0].cm_20, -0.08);
    ASSERT_TRUE(orv::afg_read_section(orv_test::write_file(dir + "/e.sec", good + "cm0 = -0.05\ncm_m20 = 0.1\n"), sec, err)) << err;
    EXPECT_DOUBLE_EQ(sec.re[1].cm_pos_stall, -0.05);
    EXPECT_DOUBLE_EQ(sec.re[1].cm_neg_stall, -0.05);
    EXPECT_DOUBLE_EQ(sec.re[1].cm_20, -0.13);
    EXPECT_DOUBLE_EQ(sec.re[1].cm_m20, 0.1);

    EXPECT_FALSE(orv::afg_read_section(orv_test::write_file(dir + "/b.sec", good + "clmaxx = 1\n"), sec, err));
    EXPECT_NE(err.find("unknown key"), std::string::npos) << err;
    EXPECT_FALSE(orv::afg_read_section(orv_test::write_file(dir + "/c.sec", good + "cd90 = 1.9 x\n"), sec, err));
    EXPECT_NE(err.find(":12:"), std::string::npos) << err;
    std::string no_stall = good;
    no_stall.replace(no_stall.find("stall = 15 16\n"), 14, "");
    EXPECT_FALSE(orv::afg_read_section(orv_test::write_file(dir + "/d.sec", no_stall), sec, err));
    EXPECT_NE(err.find("'stall' is missing"), std::string::npos) << err;
    EXPECT_FALSE(orv::afg_read_section(dir + "/none.sec", sec, err));
}

TEST(AfoilGen_Core, WrittenFileReadsBackInTheSimulatorsOrder)
{
    std::string dir = orv_test::temp_dir("afoilgen_rt");
    orv::afg_section sec;
    sec.name = "RT";
    sec.trat = 0.1;
    sec.re[0] = sec.re[1] = sample_re();
    sec.re[1].re = 7;
    std::string err;
    // A note running over several lines must not shift the tables the reader expects.
    ASSERT_TRUE(orv::afg_write_afl(dir + "/rt.afl", sec, 1, "made\nby a test\r\n", err)) << err;
    EXPECT_FALSE(fs::exists(dir + "/rt.afl.tmp"));
    afl_file a;
    ASSERT_EQ(read_afl(dir + "/rt.afl", a), "");
    orv::afg_tables t;
    orv::afg_build_tables(sec.re[1], t);
    EXPECT_EQ(a.name, "RT");
    EXPECT_NEAR(a.re, 7.0, 1e-9);
    EXPECT_NEAR(a.stall, 15.0, 1e-9);
    for (int i = 0; i <= 270; ++i) {
        EXPECT_NEAR(a.angpos[i], orv::afg_index_angle(i), 1e-9);
        EXPECT_NEAR(a.angneg[i], -orv::afg_index_angle(i), 1e-9);
        EXPECT_NEAR(a.cdpos[i], t.cdpos[i], 1e-5);
        EXPECT_NEAR(a.cdneg[i], t.cdneg[i], 1e-5);
        if (i >= 100) {
            EXPECT_NEAR(a.clpos[i - 100], t.clpos[i - 100], 1e-5);
            EXPECT_NEAR(a.clneg[i - 100], t.clneg[i - 100], 1e-5);
        }
    }
    EXPECT_NEAR(a.clM, 0.1, 1e-6);
    EXPECT_NEAR(a.clB, 0.2, 1e-6);
    EXPECT_NEAR(a.cmal2, -14, 1e-9);
    EXPECT_NEAR(a.cmal3, 15, 1e-9);
    EXPECT_FALSE(orv::afg_write_afl(dir + "/no such folder/x.afl", sec, 0, "", err));
}

TEST(AfoilGen_Core, FlapIncrementsFollowThePublishedPointsWithoutOvershoot)
{
    orv::afg_flap f;
    f.name = "t";
    f.max_def = 40;
    f.points = {{10, 0.4, 0.01, -0.08}, {20, 0.7, 0.035, -0.14}, {30, 0.85, 0.07, -0.17}, {40, 0.85, 0.11, -0.19}};
    double cl, cd, cm;
    orv::afg_flap_at(f, 0, &cl, &cd, &cm);
    EXPECT_EQ(cl, 0.0);
    orv::afg_flap_at(f, 25, &cl, &cd, &cm);   // 20 degrees
    EXPECT_NEAR(cl, 0.7, 1e-12);
    EXPECT_NEAR(cd, 0.035, 1e-12);
    EXPECT_NEAR(cm, -0.14, 1e-12);
    double prev = 0;
    for (int s = 38; s <= 50; ++s) {   // the flat last stretch must stay flat, not bulge
        orv::afg_flap_at(f, s, &cl, &cd, &cm);
        EXPECT_LE(cl, 0.85 + 1e-12);
        EXPECT_GE(cl, prev - 1e-12);
        prev = cl;
    }
}

// ---------------------------------------------------------------- the shipped files

TEST(AfoilGen_Shipped, EveryAirfoilFollowsTheReadingOrderAndIsSmooth)
{
    NEED_DATA_TREE();
    for (const char* base : kShippedAirfoils) {
        for (std::string suffix : {".afl", " high Re.afl"}) {
            std::string path = kAirfoils + base + suffix;
            SCOPED_TRACE(path);
            afl_file a;
            ASSERT_EQ(read_afl(path, a), "");
            EXPECT_GT(a.trat, 0.02);
            EXPECT_LT(a.trat, 0.2);
            EXPECT_GT(a.re, 0.5);
            EXPECT_GT(a.stall, 8.0);
            EXPECT_LT(a.stall, 20.0);
            // The line meets the tables at +-10 degrees.
            EXPECT_NEAR(lookup_cl(a, 9.9999), lookup_cl(a, 10.0), 2e-3);
            EXPECT_NEAR(lookup_cl(a, -9.9999), lookup_cl(a, -10.0), 2e-3);
            EXPECT_NEAR(a.cdpos[0], a.cdneg[0], 1e-9);
            EXPECT_NEAR(a.clpos[170], 0.0, 0.01);
            EXPECT_NEAR(a.clneg[170], 0.0, 0.01);
            for (const double* cd : {a.cdpos, a.cdneg}) {
                EXPECT_GE(cd[270], 1.8);
                EXPECT_LE(cd[270], 2.02);
                for (int i = 0; i <= 270; ++i) EXPECT_GT(cd[i], 0.002) << i;
            }
            // No jumps: per degree of angle, across the stall as well.
            for (int side = 0; side < 2; ++side) {
                const double* cl = side ? a.clneg : a.clpos;
                const double* cd = side ? a.cdneg : a.cdpos;
                for (int i = 1; i <= 270; ++i) {
                    double da = orv::afg_index_angle(i) - orv::afg_index_angle(i - 1);
                    EXPECT_LT(std::fabs(cd[i] - cd[i - 1]) / da, 0.12) << "cd at index " << i;
                    if (i > 100) {
                        EXPECT_LT(std::fabs(cl[i - 100] - cl[i - 101]) / da, 0.4) << "cl at index " << i;
                    }
                }
            }
            // Lift stays on its side of zero past 10 degrees (a swapped table shows up here).
            for (int i = 0; i < 170; ++i) {
                EXPECT_GT(a.clpos[i], 0.0) << i;
                EXPECT_LT(a.clneg[i], 0.0) << i;
            }
        }
    }
}

afl_file load(const std::string& base)
{
    afl_file a;
    std::string why = read_afl(kAirfoils + base + ".afl", a);
    EXPECT_EQ(why, "") << base;
    return a;
}

// Angle and value of the stall peak: the largest positive-side lift below 30 degrees
// (a thin plate may lift as much again near 45 degrees).
std::pair<double, double> peak(const afl_file& a)
{
    int best = 0;
    for (int i = 0; i <= 110; ++i)
        if (a.clpos[i] > a.clpos[best]) best = i;
    return {orv::afg_index_angle(best + 100), a.clpos[best]};
}

TEST(AfoilGen_Shipped, PublishedFiguresOfTheSections)
{
    NEED_DATA_TREE();
    afl_file n2412 = load("NACA 2412 (popular)");
    EXPECT_GE(n2412.clB, 0.20);
    EXPECT_LE(n2412.clB, 0.25);
    EXPECT_NEAR(n2412.clM, 0.105, 0.01);
    EXPECT_NEAR(-n2412.clB / n2412.clM, -2.1, 0.2);
    auto [a_max, cl_max] = peak(n2412);
    EXPECT_NEAR(cl_max, 1.6, 0.1);
    EXPECT_NEAR(a_max, 16.0, 1.5);
    EXPECT_NEAR(n2412.stall, a_max, 0.05);
    EXPECT_NEAR(n2412.cdpos[0] + n2412.cdpos[20], 0.012, 0.002);   // about 0.006 round cl 0.2
    EXPECT_LT(n2412.cm[2], 0.0);                                     // cambered: nose-down

    for (const char* base : {"NACA 0009 (symmetrical)", "NACA 0012 (helicopter rotor)"}) {
        SCOPED_TRACE(base);
        afl_file s = load(base);
        EXPECT_NEAR(s.clB, 0.0, 1e-6);
        EXPECT_NEAR(s.clM, 0.105, 0.01);
        for (int i = 0; i < 171; ++i) EXPECT_NEAR(s.clpos[i], -s.clneg[i], 1e-6) << i;
        for (int i = 0; i <= 270; ++i) EXPECT_NEAR(s.cdpos[i], s.cdneg[i], 1e-6) << i;
        EXPECT_NEAR(s.cm[1], -s.cm[2], 1e-6);
        EXPECT_NEAR(s.cm[0], -s.cm[3], 1e-6);
    }
    auto [a09, cl09] = peak(load("NACA 0009 (symmetrical)"));
    EXPECT_NEAR(cl09, 1.25, 0.1);
    EXPECT_NEAR(a09, 13.0, 1.5);

    afl_file clarky = load("Clark-Y (good propeller)");
    EXPECT_NEAR(-clarky.clB / clarky.clM, -3.5, 0.6);
    EXPECT_LT(clarky.cm[2], -0.05);

    // The thin section stalls early and low; the laminar section has the lowest drag.
    auto [a_thin, cl_thin] = peak(load("NACA 64A204 (thin supersonic)"));
    EXPECT_LT(cl_thin, 1.1);
    EXPECT_LT(a_thin, 12.5);
    afl_file lam = load("NACA 64-212 (laminar jet wing)");
    double lam_min = *std::min_element(lam.cdpos, lam.cdpos + 100);
    double n2412_min = *std::min_element(n2412.cdpos, n2412.cdpos + 100);
    EXPECT_LT(lam_min, n2412_min);

    // Higher Reynolds number: more lift before the stall.
    afl_file hi;
    ASSERT_EQ(read_afl(kAirfoils + "NACA 2412 (popular) high Re.afl", hi), "");
    EXPECT_GT(peak(hi).second, cl_max);
    EXPECT_GT(hi.re, n2412.re);
}

TEST(AfoilGen_Shipped, FlapsGrowWithSetting)
{
    NEED_DATA_TREE();
    double full_cl[3];
    for (int n = 0; n < 3; ++n) {
        SCOPED_TRACE(kShippedFlaps[n]);
        flp_file f;
        ASSERT_EQ(read_flp(kFlaps + kShippedFlaps[n] + ".flp", f), "");
        EXPECT_EQ(f.cl[0], 0.0);
        EXPECT_EQ(f.cd[0], 0.0);
        EXPECT_EQ(f.cm[0], 0.0);
        for (int s = 1; s < 51; ++s) {
            EXPECT_EQ(f.setting[s], s);
            EXPECT_GT(f.cl[s], f.cl[s - 1]) << s;
            EXPECT_GT(f.cd[s], f.cd[s - 1]) << s;
            EXPECT_LT(f.cm[s], f.cm[s - 1]) << s;
        }
        full_cl[n] = f.cl[50];
        EXPECT_GT(f.cl[50], 0.8);
        EXPECT_LT(f.cl[50], 1.6);
    }
    // The slotted flap gives the most lift; the split flap costs the most drag.
    EXPECT_GT(full_cl[2], full_cl[0]);
    EXPECT_GT(full_cl[2], full_cl[1]);
    flp_file split, slotted;
    ASSERT_EQ(read_flp(kFlaps + std::string("split flap.flp"), split), "");
    ASSERT_EQ(read_flp(kFlaps + std::string("slotted flap.flp"), slotted), "");
    EXPECT_GT(split.cd[50], 2 * slotted.cd[50]);
}

TEST(AfoilGen_Program, WritesIntoFoldersItHasToMake)
{
    const std::string exe = std::string(ORV_BINARY_DIR) + "/tools/afoilgen/afoilgen";
    if (!fs::exists(exe)) GTEST_SKIP() << "afoilgen not built";
    // A fresh data tree: neither output folder exists yet.
    const std::string tree = orv_test::temp_dir("afoilgen_prog") + "/tree";
    const std::string src = ORV_SOURCE_DIR;
    auto run = [&](const std::string& files) {
        std::string cmd = "\"" + exe + "\" --airfoils \"" + tree + "/airfoils\" --flaps \"" + tree +
                          "/flaps\" " + files + " 2>/dev/null";
        int rc = std::system(cmd.c_str());
        return WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
    };
    ASSERT_EQ(run("\"" + src + "/data/airfoils/NACA 0009 (symmetrical).sec\" \"" + src +
                  "/data/flaps/plain flap.fsec\""), 0);
    EXPECT_TRUE(fs::is_regular_file(tree + "/airfoils/NACA 0009 (symmetrical).afl"));
    EXPECT_TRUE(fs::is_regular_file(tree + "/airfoils/NACA 0009 (symmetrical) high Re.afl"));
    EXPECT_TRUE(fs::is_regular_file(tree + "/flaps/plain flap.flp"));
    EXPECT_EQ(run("\"" + src + "/data/aircraft/README.md\""), 2);   // neither kind of description
}

}  // namespace
