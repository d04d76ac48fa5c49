// The navigation files' column layout written out by hand (printf formats of the record
// layout), compared with the writers and read back by the readers; the start-up progress;
// the variation lookup for positions that are not on the globe.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "2-QZutils/qz_file.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/records.h"
#include "support/test_support.h"
#include "world/magvar.h"
#include "world/nav_db.h"

using namespace orv;

namespace {

const char* HEADER = "I\n354 version\n";

struct Apt {
    float lat[3], lon[3];
    int num[3];
    char lr[3];
    int hdng[3], len[3], width[3], lite[3];
    float h;
    int twr;
    const char* id;     // as the tables hold it: four characters, blank padded
    const char* name;
};

struct Nav {
    int type;
    float lat, lon, h;
    int f12, hdng;
    const char* id;
    const char* name;
};

const Apt APTS[] = {
    {{34.095402f, 0, 0}, {-117.234398f, 0, 0}, {6, 0, 0}, {'x', 'x', 'x'}, {70, 0, 0}, {10000, 0, 0},
     {200, 0, 0}, {1355355, 0, 0}, 1159, 1, "KSBD", "San Bernardino International Airport"},
    {{-33.946098f, -33.964f, -33.95f}, {151.177002f, 151.18f, 151.2f}, {16, 7, 34}, {'R', 'x', 'L'},
     {155, 71, 335}, {12999, 8300, 7999}, {148, 148, 148}, {1355355, 2111111, 3000000}, 21, 0, "YSY ",
     "Sydney Kingsford Smith"},
};

const Nav NAVS[] = {
    {NAV_NDB, 52.5589f, -55.7822f, 70, 373, 0, "1A  ", "Williams Harbour"},
    {NAV_VOR, 34.0f, -117.0f, 1000, 11680, 0, "PDZ ", "Paradise VORTAC"},
    {NAV_LOC, 37.6f, -122.3f, 13, 11190, 298, "ISFB", "KSFO 28R ILS"},
    {NAV_IM, -0.5f, 179.999f, -30.5f, 7500, 359, "ISFB", "KSFO 28R IM"},
};

// One airport record body in the layout: per runway latitude (10.6), longitude (11.6),
// number (2), side letter (1), heading (3), length (6), width (3), lighting (7); elevation
// (6, no decimals), tower flag (1), identifier (3), name.
std::string layout_apt(const Apt& a)
{
    std::string s;
    char b[256];
    for (int r = 0; r < 3; r++) {
        std::snprintf(b, sizeof b, "%10.6f %11.6f %2d %c %3d %6d %3d %7d ", a.lat[r], a.lon[r], a.num[r],
                      a.lr[r], a.hdng[r], a.len[r], a.width[r], a.lite[r]);
        s += b;
    }
    std::snprintf(b, sizeof b, "%6.0f %1d %3s %s\n", a.h, a.twr, a.id, a.name);
    return s + b;
}

// type, latitude (10.6), longitude (11.6), elevation (8.1), f1 (8), f2 (8), course (4),
// identifier (4), name.
std::string layout_nav(const Nav& n)
{
    int f1 = n.type == NAV_NDB ? n.f12 : n.f12 / 100, f2 = n.type == NAV_NDB ? 0 : n.f12 % 100;
    char b[256];
    std::snprintf(b, sizeof b, "%d %10.6f %11.6f %8.1f %8d %8d %4d %4s %s\n", n.type, n.lat, n.lon, n.h, f1, f2,
                  n.hdng, n.id, n.name);
    return b;
}

struct Folder {
    std::string root, dir;
    Folder()
    {
        set_constants();
        root = orv_test::temp_dir("nav_review");
        dir = root + "/additional nav data";
        std::filesystem::create_directories(dir);
        set_app_path(root.c_str());
    }
    std::string path(const char* name) const { return dir + "/" + name; }
};

}  // namespace

TEST(NavDb_ReviewLayout, WritersProduceTheRecordLayoutColumnForColumn)
{
    Folder f;
    ASSERT_EQ(ouf_open(f.path("apt_dat").c_str(), FILE_ANY, 354), 1);
    for (const Apt& a : APTS)
        dump_apt_line(a.lat, a.lon, a.num, a.lr, a.hdng, a.len, a.width, a.lite, a.h, a.twr, a.id, a.name);
    ASSERT_EQ(ouf_close(), 1);
    ASSERT_EQ(ouf_open(f.path("nav_dat").c_str(), FILE_ANY, 354), 1);
    for (const Nav& n : NAVS) dump_nav_line(n.type, n.lat, n.lon, n.h, n.f12, n.hdng, n.id, n.name);
    ASSERT_EQ(ouf_close(), 1);

    std::string apt = HEADER, nav = HEADER;
    for (const Apt& a : APTS) apt += layout_apt(a);
    for (const Nav& n : NAVS) nav += layout_nav(n);
    EXPECT_EQ(orv_test::read_file(f.path("apt_dat")), apt);
    EXPECT_EQ(orv_test::read_file(f.path("nav_dat")), nav);
    // Two records spelled out, so the layout above cannot drift with the writers.
    EXPECT_NE(apt.find(" 34.095402 -117.234398  6 x  70  10000 200 1355355   0.000000    0.000000  0 x"
                       "   0      0   0       0"),
              std::string::npos);
    EXPECT_NE(apt.find("   1159 1 KSBD San Bernardino International Airport\n"), std::string::npos);
    EXPECT_NE(nav.find("\n2  52.558899  -55.782200     70.0      373        0    0 1A   Williams Harbour\n"),
              std::string::npos);
    EXPECT_NE(nav.find("\n3  34.000000 -117.000000   1000.0      116       80    0 PDZ  Paradise VORTAC\n"),
              std::string::npos);
}

TEST(NavDb_ReviewLayout, ReaderTakesFilesWrittenInTheLayoutWithSeparateLines)
{
    Folder f;
    // Records in the layout with the record code (airports) on a line of its own and the
    // fields of a record spread over lines: numbers are read as tokens whatever the lines.
    std::string apt = std::string(HEADER) + "2 airports\n";
    for (const Apt& a : APTS) apt += "1\n" + layout_apt(a);
    apt += "99\n";
    std::string nav = std::string(HEADER) + "4\n";
    for (const Nav& n : NAVS) nav += layout_nav(n);
    nav.replace(nav.find("\n4 ") + 2, 1, "\n");   // the localizer's type alone on its line
    nav += "99\n";
    std::string fix = std::string(HEADER) + "2\n  33.500000 -117.250000 PIRAT\n -10.000000   20.000000   AB   \n"
                      "  99.000000    0.000000 \n";
    orv_test::write_file(f.path("apt_dat"), apt);
    orv_test::write_file(f.path("nav_dat"), nav);
    orv_test::write_file(f.path("fix_dat"), fix);
    int before = mnw_alert_count();
    init_country_data();
    EXPECT_EQ(mnw_alert_count(), before);

    ASSERT_EQ(env.aptmax, 1);
    for (int i = 0; i < 2; i++) {
        const Apt& a = APTS[i];
        for (int r = 0; r < 3; r++) {
            EXPECT_EQ(apt_lat[i][r], a.lat[r]);
            EXPECT_EQ(apt_lon[i][r], a.lon[r]);
            EXPECT_EQ(apt_num[i][r], a.num[r]);
            EXPECT_EQ(apt_lr[i][r], a.lr[r]);
            EXPECT_EQ(apt_hdng[i][r], a.hdng[r]);
            EXPECT_EQ(apt_len[i][r], (int)(a.len[r] * con.fttomtrs));
            EXPECT_EQ(apt_width[i][r], (int)(a.width[r] * con.fttomtrs));
            EXPECT_EQ(apt_lite[i][r], a.lite[r]);
        }
        EXPECT_FLOAT_EQ(apt_h[i], a.h * con.fttomtrs);
        EXPECT_EQ(apt_twr[i], a.twr);
        EXPECT_STREQ(apt_id[i], a.id);
        EXPECT_STREQ(apt_name[i], a.name);
    }
    ASSERT_EQ(env.navmax, 5);
    EXPECT_EQ(nav_type[4], NAV_END);
    for (int i = 0; i < 4; i++) {
        const Nav& n = NAVS[i];
        EXPECT_EQ(nav_type[i], n.type);
        EXPECT_EQ(nav_lat[i], n.lat);
        EXPECT_EQ(nav_lon[i], n.lon);
        EXPECT_FLOAT_EQ(nav_h[i], n.h * con.fttomtrs);
        EXPECT_EQ(nav_f12[i], n.f12);
        EXPECT_EQ(nav_hdng[i], n.hdng);
        EXPECT_STREQ(nav_id[i], n.id);
        EXPECT_STREQ(nav_name[i], n.name);
    }
    ASSERT_EQ(env.fixmax, 1);
    EXPECT_STREQ(fix_name[0], "PIRAT");
    EXPECT_STREQ(fix_name[1], "AB   ");
    EXPECT_EQ(fix_lat[1], -10.0f);
    EXPECT_EQ(fix_lat[2], -999.0f);
}

TEST(NavDb_ReviewStartup, ProgressAdvancesAtEveryThousandthRecord)
{
    Folder f;
    std::string nav = std::string(HEADER) + "0\n", fix = std::string(HEADER) + "0\n";
    for (int i = 0; i < 999; i++) {
        nav += "2 1.0 2.0 3.0 344 0 0 AB   An NDB\n";
        fix += "1.5 2.5 FIXAB\n";
    }
    orv_test::write_file(f.path("apt_dat"), std::string(HEADER) + "0\n99\n");
    orv_test::write_file(f.path("nav_dat"), nav + "99\n");
    orv_test::write_file(f.path("fix_dat"), fix + "99\n");
    MACIBM_showinit(0);
    init_country_data();
    EXPECT_EQ(env.navmax, 1000);
    EXPECT_EQ(mnw_last_init_step(), 0);   // 999 of each: no step yet

    orv_test::write_file(f.path("fix_dat"), fix + "1.5 2.5 FIXAB\n99\n");
    init_country_data();
    EXPECT_EQ(env.fixmax, 999);
    EXPECT_EQ(mnw_last_init_step(), 1);
}

TEST(MagVar_Review, PositionsOffTheGlobeGiveABoundedAnswer)
{
    EXPECT_EQ(find_var(NAN, 10.0f), 0);
    EXPECT_EQ(find_var(10.0f, NAN), 0);
    const float far[][2] = {{1e30f, 0}, {-1e30f, 0}, {0, 1e30f}, {0, -FLT_MAX}, {INFINITY, 0}, {45, -INFINITY}};
    for (const auto& p : far) {
        int v = find_var(p[0], p[1]);
        EXPECT_GE(v, -180) << p[0] << " " << p[1];
        EXPECT_LE(v, 180) << p[0] << " " << p[1];
    }
}

TEST(NavDb_ReviewFailures, EveryUnreadableNumberNamesItsField)
{
    Folder f;
    const std::string ok_apt =
        "1  34.095402 -117.234398  6 x  70  10000 200 1355355   0.000000    0.000000  0 x   0      0   0"
        "       0   0.000000    0.000000  0 x   0      0   0       0   1159 1 KSBD San Bernardino\n";
    const std::string end = std::string(HEADER) + "0\n99\n";
    // Token k of the record (after its code) made unreadable, and the label the alert gives.
    struct Case { int token; const char* label; } cases[] = {
        {-1, "apt_dat"}, {0, "scan apt apt_lat"}, {1, "scan apt apt_lon"}, {2, "scan apt apt_num"},
        {4, "scan apt apt_hdng"}, {5, "scan apt apt_len"}, {6, "scan apt apt_width"}, {7, "scan apt apt_lite"},
        {16, "scan apt apt_lat"}, {23, "scan apt apt_lite"}, {24, "scan apt apt_h"}, {25, "scan apt apt_twr"},
    };
    for (const Case& c : cases) {
        // Split into tokens; the identifier and the name stay as they are.
        std::string rec = ok_apt, out;
        size_t pos = 0;
        for (int k = -1; k <= 25; k++) {
            size_t a = rec.find_first_not_of(' ', pos), b = rec.find(' ', a);
            out += rec.substr(pos, a - pos) + (k == c.token ? "zz" : rec.substr(a, b - a));
            pos = b;
        }
        out += rec.substr(pos);
        orv_test::write_file(f.path("apt_dat"), std::string(HEADER) + "1\n" + ok_apt + out + "99\n");
        orv_test::write_file(f.path("nav_dat"), end);
        orv_test::write_file(f.path("fix_dat"), end);
        int before = mnw_alert_count();
        init_country_data();
        EXPECT_EQ(mnw_alert_count() - before, 1) << c.label;
        EXPECT_STREQ(mnw_last_alert_line(0), "File-scanning error!");
        EXPECT_STREQ(mnw_last_alert_line(2), "file:");
        EXPECT_STREQ(mnw_last_alert_line(3), c.label);
        EXPECT_EQ(env.aptmax, 0) << c.label;    // the good record before it is kept
    }
    // The file ends right after the tower flag: the name cannot be read.
    std::string cut = ok_apt.substr(0, ok_apt.find(" KSBD"));
    orv_test::write_file(f.path("apt_dat"), std::string(HEADER) + "1\n" + cut);
    init_country_data();
    EXPECT_STREQ(mnw_last_alert_line(3), "scan apt name");

    orv_test::write_file(f.path("apt_dat"), end);
    const char* navs[][2] = {{"zz 1 2 3 344 0 0 AB   x\n", "nav_dat"},
                             {"2 1 2 zz 344 0 0 AB   x\n", "scan nav line"},
                             {"3 1 2 3 113 zz 0 AB   x\n", "scan nav line"},
                             {"3 1 2 3 113 90 zz AB   x\n", "scan nav line"}};
    for (const auto& n : navs) {
        orv_test::write_file(f.path("nav_dat"), std::string(HEADER) + "1\n" + n[0] + "99\n");
        init_country_data();
        EXPECT_STREQ(mnw_last_alert_line(3), n[1]) << n[0];
        EXPECT_EQ(env.navmax, 2);
        EXPECT_EQ(nav_type[1], NAV_END);
    }
    orv_test::write_file(f.path("nav_dat"), end);
    for (const char* fx : {"zz 2 FIXAB\n", "1 zz FIXAB\n"}) {
        orv_test::write_file(f.path("fix_dat"), std::string(HEADER) + "1\n" + fx + "99\n");
        init_country_data();
        EXPECT_STREQ(mnw_last_alert_line(3), "fix_dat") << fx;
        EXPECT_EQ(env.fixmax, -1);
    }
}
