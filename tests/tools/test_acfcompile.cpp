// Tests of the aircraft description compiler: its error reports, the ways of selecting
// elements, and a compile-write-read round trip through the aircraft file.

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include <sys/wait.h>

#include "2-QZutils/acf_fields.h"
#include "acf_text.h"
#include "aircraft/acf_io.h"
#include "support/test_support.h"

namespace {

using orv::planestruct;

struct Compiled {
    std::unique_ptr<planestruct> rec = std::make_unique<planestruct>();
    std::vector<std::string> errors;
    bool ok = false;
};

Compiled compile(const std::string& text, const std::string& name = "t.txt") {
    Compiled c;
    c.ok = orv::acfc_compile_text(text, name, *c.rec, c.errors);
    return c;
}

std::string joined(const std::vector<std::string>& v) {
    std::string s;
    for (const auto& e : v) s += e + "\n";
    return s;
}

// Expects exactly one error, on `line`, whose text contains `part`.
void expect_error(const std::string& text, int line, const std::string& part) {
    Compiled c = compile(text);
    EXPECT_FALSE(c.ok) << text;
    ASSERT_EQ(c.errors.size(), 1u) << joined(c.errors);
    EXPECT_NE(c.errors[0].find("t.txt:" + std::to_string(line) + ":"), std::string::npos) << c.errors[0];
    EXPECT_NE(c.errors[0].find(part), std::string::npos) << c.errors[0];
}

TEST(AcfCompile_Errors, UnknownFieldAndName) {
    expect_error("asi_units = 2\nwingspan = 36\n", 2, "unknown field 'wingspan'");
    expect_error("Vne = SPEED\n", 1, "unknown name 'SPEED'");
    expect_error("Vne = sqr(4)\n", 1, "unknown function 'sqr'");
    expect_error("let Vne = 3\n", 1, "is a field name");
}

TEST(AcfCompile_Errors, BadIndex) {
    expect_error("semilen[28] = 1\n", 1, "out of range 0..27");
    expect_error("semilen[-1] = 1\n", 1, "out of range");
    expect_error("anginc[4][8] = 1\n", 1, "out of range 0..7");
    expect_error("semilen[4][0] = 1\n", 1, "has 1 index, got 2");
    expect_error("Vne[0] = 1\n", 1, "has 0 indexes, got 1");
    expect_error("semilen[1.5] = 1\n", 1, "not a whole number");
    expect_error("semilen[7..4] = 1\n", 1, "empty range");
    expect_error("semilen[4 = 1\n", 1, "missing ']'");
    // A text field's last dimension is the text itself, not an index.
    expect_error("Rafl0[4][0] = \"x\"\n", 1, "has 1 index, got 2");
}

TEST(AcfCompile_Errors, WrongValueCount) {
    expect_error("Vne = 1 2\n", 1, "takes 1 value");
    expect_error("anginc[4][6] = 1 2 3\n", 1, "run past the end");
    expect_error("gear_stat = 1 1 1 1\n", 1, "takes 1 value or 3 values here, got 4");
    expect_error("els[4..5] = 1 2 3\n", 1, "got 3");
    expect_error("Vne =\n", 1, "no value");
    expect_error("section[FUSELAGE][0] = 1 2 3 4\n", 1, "takes 5 values");
}

TEST(AcfCompile_Errors, BadValues) {
    expect_error("C_name = \"abc\n", 1, "unterminated string");
    expect_error("Rafl0[4] = \"NACA\" \"0012\"\n", 1, "one quoted string");
    expect_error("Vne = \"fast\"\n", 1, "numeric field, not text");
    expect_error("tailnum = 12\n", 1, "text field");
    expect_error("numen = 1.5\n", 1, "whole numbers");
    expect_error("numen = 3000000000\n", 1, "too large for an int");
    expect_error("Vne = 1/0\n", 1, "division by zero");
    expect_error("Vne = (1 + 2\n", 1, "missing ')'");
    expect_error("Vne = sqrt(-1)\n", 1, "negative");
    // overflow part way through an expression: no infinity or NaN reaches the record
    expect_error("Vne = 1e308*10 - 1e308*10\n", 1, "not a finite number");
    expect_error("let BIG = 1e308*10\n", 1, "not a finite number");
    expect_error("els[1e308*10 - 1e308*10] = 4\n", 1, "not a finite number");
    expect_error("section[4][0] = 0 0 1 1 1\n", 1, "bodies");
    std::string longtext(400, 'x');
    expect_error("tailnum = \"" + longtext + "\"\n", 1, "longer than 399");
}

TEST(AcfCompile_Errors, EveryProblemIsReportedWithItsLine) {
    Compiled c = compile("# a comment\nfoo = 1\nVne = 160\n\nsemilen[40] = 3\nVno = x\n");
    EXPECT_FALSE(c.ok);
    ASSERT_EQ(c.errors.size(), 3u) << joined(c.errors);
    EXPECT_EQ(c.errors[0].rfind("t.txt:2:", 0), 0u);
    EXPECT_EQ(c.errors[1].rfind("t.txt:5:", 0), 0u);
    EXPECT_EQ(c.errors[2].rfind("t.txt:6:", 0), 0u);
}

TEST(AcfCompile_Errors, Includes) {
    std::string dir = orv_test::temp_dir("acfc_inc");
    orv_test::write_file(dir + "/self.inc", "Vne = 1\ninclude \"self.inc\"\n");
    orv_test::write_file(dir + "/bad.inc", "Vno = 100\nbogus = 2\n");
    orv_test::write_file(dir + "/main.txt", "include \"bad.inc\"\ninclude \"missing.inc\"\ninclude \"self.inc\"\n");
    auto rec = std::make_unique<planestruct>();
    std::vector<std::string> errors;
    EXPECT_FALSE(orv::acfc_compile_file(dir + "/main.txt", *rec, errors));
    std::string all = joined(errors);
    EXPECT_NE(all.find(dir + "/bad.inc:2: unknown field 'bogus'"), std::string::npos) << all;
    EXPECT_NE(all.find(dir + "/main.txt:2: cannot open included file"), std::string::npos) << all;
    EXPECT_NE(all.find("includes itself"), std::string::npos) << all;
    errors.clear();
    EXPECT_FALSE(orv::acfc_compile_file(dir + "/none.txt", *rec, errors));
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("cannot open"), std::string::npos);
}

TEST(AcfCompile_Assign, EveryElementRangeAndRows) {
    Compiled c = compile(
        "els[*] = 6\n"
        "els[PROP1..PROP4] = 8\n"
        "semilen[LEFT_WING1..RIGHT_WING1] = 36/2\n"
        "anginc[4..5] = 2 1 0\n"          // the start of every selected row
        "anginc[6][2] = 5 6 7\n"          // consecutive elements from [6][2]
        "anginc[7] = 0 1 2 3 4 5 6 7\n"   // exactly one per element
        "gear_stat = 1 0 1\n"
        "in_propwash[10..11][0][*] = 1\n");
    ASSERT_TRUE(c.ok) << joined(c.errors);
    const planestruct& p = *c.rec;
    for (int i = 0; i < 4; ++i) EXPECT_EQ(p.els[i], 8);
    for (int i = 4; i < 28; ++i) EXPECT_EQ(p.els[i], 6);
    EXPECT_FLOAT_EQ(p.semilen[4], 18);
    EXPECT_FLOAT_EQ(p.semilen[5], 18);
    EXPECT_FLOAT_EQ(p.semilen[6], 0);
    for (int part = 4; part <= 5; ++part) {
        EXPECT_FLOAT_EQ(p.anginc[part][0], 2);
        EXPECT_FLOAT_EQ(p.anginc[part][2], 0);
        EXPECT_FLOAT_EQ(p.anginc[part][3], 0);
    }
    EXPECT_FLOAT_EQ(p.anginc[6][1], 0);
    EXPECT_FLOAT_EQ(p.anginc[6][2], 5);
    EXPECT_FLOAT_EQ(p.anginc[6][4], 7);
    EXPECT_FLOAT_EQ(p.anginc[6][5], 0);
    EXPECT_FLOAT_EQ(p.anginc[7][7], 7);
    EXPECT_EQ(p.gear_stat[1], 0);
    EXPECT_EQ(p.gear_stat[2], 1);
    EXPECT_EQ(p.in_propwash[10][0][7], 1);
    EXPECT_EQ(p.in_propwash[11][0][0], 1);
    EXPECT_EQ(p.in_propwash[11][1][0], 0);
    EXPECT_EQ(p.in_propwash[12][0][0], 0);
}

TEST(AcfCompile_Assign, ExpressionsNamesAndText) {
    Compiled c = compile(
        "let SPAN = 36 + 1/12   # comment after a value\n"
        "let FOIL = \"NACA 2412 (popular).afl\"\n"
        "cgY = 0.5\n"
        "mgearY = -4.1\n"
        "h_eqlbm = (cgY - mgearY) * 0.3048\n"
        "semilen[4] = SPAN / 2\n"
        "semilen[5] = -SPAN/2 + SPAN\n"
        "anginc[0] = atan(1) atan2(1, 0) sqrt(16) -2 \\\n"
        "            cos(60) * 2\n"
        "tailnum = \"N#1 \\\"x\\\"\"\n"
        "Rafl0[4..5] = FOIL\n"
        "Vne = 100\n"
        "Vne = 163\n");
    ASSERT_TRUE(c.ok) << joined(c.errors);
    const planestruct& p = *c.rec;
    EXPECT_NEAR(p.h_eqlbm, 4.6 * 0.3048, 1e-5);
    EXPECT_NEAR(p.semilen[4], (36 + 1.0 / 12) / 2, 1e-5);
    EXPECT_NEAR(p.semilen[5], p.semilen[4], 1e-5);
    EXPECT_NEAR(p.anginc[0][0], 45, 1e-4);
    EXPECT_NEAR(p.anginc[0][1], 90, 1e-4);
    EXPECT_NEAR(p.anginc[0][2], 4, 1e-6);
    EXPECT_NEAR(p.anginc[0][3], -2, 1e-6);
    EXPECT_NEAR(p.anginc[0][4], 1, 1e-5);
    EXPECT_STREQ(p.tailnum, "N#1 \"x\"");
    EXPECT_STREQ(p.Rafl0[4], "NACA 2412 (popular).afl");
    EXPECT_STREQ(p.Rafl0[5], "NACA 2412 (popular).afl");
    EXPECT_STREQ(p.Rafl0[6], "");
    EXPECT_FLOAT_EQ(p.Vne, 163);
}

TEST(AcfCompile_Assign, BodySection) {
    Compiled c = compile(
        "section[FUSELAGE][3] = 7 0.5 1.8 2 1.5\n"
        "section[FAIR_LEFT][0] = -1 0.7 0.3 0.4 0.35\n");
    ASSERT_TRUE(c.ok) << joined(c.errors);
    const planestruct& p = *c.rec;
    EXPECT_NEAR(p.body_Y[18][3][0], 2.5, 1e-6);   // top
    EXPECT_NEAR(p.body_X[18][3][0], 0, 1e-6);
    EXPECT_NEAR(p.body_X[18][3][4], 1.8, 1e-6);   // right side
    EXPECT_NEAR(p.body_Y[18][3][4], 0.5, 1e-6);
    EXPECT_NEAR(p.body_Y[18][3][8], -1.0, 1e-6);  // bottom
    EXPECT_NEAR(p.body_X[18][3][12], -1.8, 1e-6); // left side
    for (int k = 0; k < 16; ++k) EXPECT_FLOAT_EQ(p.body_Z[18][3][k], 7);
    // Wheel fairings have 8 points a section.
    EXPECT_NEAR(p.body_X[26][0][2], 0.3, 1e-6);
    EXPECT_NEAR(p.body_Y[26][0][4], 0.35, 1e-6);
    EXPECT_FLOAT_EQ(p.body_Z[26][0][7], -1);
    EXPECT_FLOAT_EQ(p.body_Z[26][0][8], 0);
}

TEST(AcfCompile_RoundTrip, WriteAndReadBack) {
    std::string dir = orv_test::temp_dir("acfc_rt");
    orv_test::write_file(dir + "/common.inc", "asi_units = 2\nVno = 129\n");
    const std::string desc =
        "include \"common.inc\"\n"
        "tailnum = \"N172OV\"\n"
        "numen = 2\n"
        "pmax = 285\n"
        "Rafl1[10..11] = \"NACA 0009 (symmetrical).afl\"\n"
        "anginc[4..5] = 1.5 1 0.5\n"
        "section[FUSELAGE][*] = 3 0 1 1 1\n"
        "body_Z[FUSELAGE][10][*] = 27\n";
    orv_test::write_file(dir + "/plane.txt", desc);
    auto compiled = std::make_unique<planestruct>();
    std::vector<std::string> errors;
    ASSERT_TRUE(orv::acfc_compile_file(dir + "/plane.txt", *compiled, errors)) << joined(errors);
    EXPECT_FLOAT_EQ(compiled->body_Z[18][17][15], 3);   // every station
    EXPECT_FLOAT_EQ(compiled->body_Z[18][10][15], 27);  // then one of them moved

    for (int big = 0; big <= 1; ++big) {
        std::string out = dir + (big ? "/big.acf" : "/little.acf");
        ASSERT_EQ(orv::acfc_run(dir + "/plane.txt", out, big != 0, errors), 0) << joined(errors);
        std::string bytes = orv_test::read_file(out);
        ASSERT_EQ(bytes.size(), 5u + sizeof(planestruct));
        EXPECT_EQ(bytes[0], big ? 'a' : 'i');
        auto back = std::make_unique<planestruct>();
        ASSERT_EQ(orv::read_acf(out.c_str(), *back), orv::ACF_READ_OK);
        // Every field, element by element, as the table names them.
        for (int i = 0; i < orv::acf_num_fields; ++i) {
            const orv::acf_field* f = &orv::acf_fields[i];
            for (std::size_t k = 0; k < f->count; ++k) {
                const void* a = orv::acf_elem_ptr(*compiled, f, k);
                const void* b = orv::acf_elem_ptr(*back, f, k);
                std::size_t n = f->type == orv::ACF_CHAR ? std::strlen(static_cast<const char*>(a)) + 1 : 4;
                ASSERT_EQ(std::memcmp(a, b, n), 0) << f->name << " element " << k << (big ? " big" : " little");
            }
        }
        EXPECT_STREQ(back->tailnum, "N172OV");
        EXPECT_FLOAT_EQ(back->Vno, 129);
        EXPECT_EQ(back->numen, 2);
    }
}

TEST(AcfCompile_RoundTrip, NothingWrittenOnError) {
    std::string dir = orv_test::temp_dir("acfc_err");
    orv_test::write_file(dir + "/bad.txt", "Vne = 163\nVno = \n");
    std::vector<std::string> errors;
    EXPECT_EQ(orv::acfc_run(dir + "/bad.txt", dir + "/new.acf", false, errors), 1);
    EXPECT_FALSE(std::ifstream(dir + "/new.acf").good());
    EXPECT_FALSE(std::ifstream(dir + "/new.acf.part").good());
    // An aircraft file already there is left as it was.
    orv_test::write_file(dir + "/old.acf", "keep");
    EXPECT_EQ(orv::acfc_run(dir + "/bad.txt", dir + "/old.acf", false, errors), 1);
    EXPECT_EQ(orv_test::read_file(dir + "/old.acf"), "keep");
    // Without a valid airspeed unit the loader would take the record for byte-reversed.
    orv_test::write_file(dir + "/nounits.txt", "Vne = 163\n");
    errors.clear();
    EXPECT_EQ(orv::acfc_run(dir + "/nounits.txt", dir + "/nounits.acf", false, errors), 1);
    EXPECT_FALSE(std::ifstream(dir + "/nounits.acf").good());
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("asi_units"), std::string::npos);
    // A folder is not a description.
    errors.clear();
    EXPECT_EQ(orv::acfc_run(dir, dir + "/folder.acf", false, errors), 1);
    EXPECT_FALSE(std::ifstream(dir + "/folder.acf").good());
    // An output folder that does not exist is an error, not a crash.
    orv_test::write_file(dir + "/good.txt", "asi_units = 2\n");
    errors.clear();
    EXPECT_EQ(orv::acfc_run(dir + "/good.txt", dir + "/no/such/dir/x.acf", false, errors), 1);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("cannot write"), std::string::npos);
}

// Every field of the record can be set by name: the last element of each, so an index
// table that stopped short of a field's extent shows up too.
TEST(AcfCompile_Assign, EveryFieldIsReachableByName) {
    std::string text;
    for (int i = 0; i < orv::acf_num_fields; ++i) {
        const orv::acf_field* f = &orv::acf_fields[i];
        text += f->name;
        for (int d = 0; d < f->rank; ++d) text += "[" + std::to_string(f->dims[d] - 1) + "]";
        text += f->type == orv::ACF_CHAR ? " = \"x\"\n" : " = 3\n";
    }
    Compiled c = compile(text);
    ASSERT_TRUE(c.ok) << joined(c.errors);
    for (int i = 0; i < orv::acf_num_fields; ++i) {
        const orv::acf_field* f = &orv::acf_fields[i];
        const void* last = orv::acf_elem_ptr(*c.rec, f, f->count - 1);
        ASSERT_NE(last, nullptr) << f->name;
        if (f->type == orv::ACF_CHAR) {
            EXPECT_STREQ(static_cast<const char*>(last), "x") << f->name;
        } else if (f->type == orv::ACF_INT) {
            int v;
            std::memcpy(&v, last, 4);
            EXPECT_EQ(v, 3) << f->name;
        } else {
            float v;
            std::memcpy(&v, last, 4);
            EXPECT_EQ(v, 3.0f) << f->name;
        }
    }
}

TEST(AcfCompile_Program, ExitStatusAndMessages) {
    const std::string exe = std::string(ORV_BINARY_DIR) + "/tools/acfcompile/acfcompile";
    if (!std::ifstream(exe).good()) GTEST_SKIP() << "acfcompile not built";
    std::string dir = orv_test::temp_dir("acfc_prog");
    orv_test::write_file(dir + "/good.txt", "asi_units = 2\nVne = 163\n");
    orv_test::write_file(dir + "/bad.txt", "asi_units = 2\nVne = fast\n");
    auto run = [&](const std::string& args) {
        std::string cmd = "\"" + exe + "\" " + args + " 2>\"" + dir + "/err.txt\"";
        int rc = std::system(cmd.c_str());
        return WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
    };
    EXPECT_EQ(run("\"" + dir + "/good.txt\" \"" + dir + "/good.acf\""), 0);
    EXPECT_EQ(orv_test::read_file(dir + "/good.acf").size(), 5u + sizeof(planestruct));
    EXPECT_EQ(run("--big-endian \"" + dir + "/good.txt\" \"" + dir + "/big.acf\""), 0);
    EXPECT_EQ(orv_test::read_file(dir + "/big.acf")[0], 'a');
    EXPECT_EQ(run("\"" + dir + "/bad.txt\" \"" + dir + "/bad.acf\""), 1);
    EXPECT_NE(orv_test::read_file(dir + "/err.txt").find("bad.txt:2: Vne: unknown name 'fast'"), std::string::npos)
        << orv_test::read_file(dir + "/err.txt");
    EXPECT_FALSE(std::ifstream(dir + "/bad.acf").good());
    EXPECT_EQ(run("\"" + dir + "/good.txt\""), 2);  // usage
}

}  // namespace
