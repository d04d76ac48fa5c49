// The navigation database: reading the three files, their failures, the writers (round
// trip), the record layout column for column, the start-up progress, the region flags and
// runway names.
#include <cfloat>
#include <sys/stat.h>
#include <cstdio>
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "2-QZutils/qz_file.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/records.h"
#include "nav_test_util.h"
#include "support/test_support.h"
#include "world/magvar.h"
#include "world/nav_db.h"
#include "world/wxr_file.h"

using namespace orv;

namespace {

const char* HEAD = "I\n354 version\n0\n";

// A program folder with an "additional nav data" folder holding the given files.
struct NavFolder {
    std::string root, dir;
    NavFolder()
    {
        set_constants();
        root = orv_test::temp_dir("nav");
        dir = root + "/additional nav data";
        std::filesystem::create_directories(dir);
        set_app_path(root.c_str());
    }
    void put(const char* name, const std::string& text) { orv_test::write_file(dir + "/" + name, text); }
    void put_all(const std::string& apt, const std::string& nav, const std::string& fix)
    {
        put("apt_dat", apt);
        put("nav_dat", nav);
        put("fix_dat", fix);
    }
};

int alerts_since(int before) { return mnw_alert_count() - before; }
std::string alert_line(int i) { return mnw_last_alert_line(i); }

const char* APT_KSBD =
    "1  34.095402 -117.234398  6 x  70  10000 200 1355355   0.000000    0.000000  0 x   0      0   0       0"
    "   0.000000    0.000000  0 x   0      0   0       0   1159 1 KSBD San Bernardino International Airport\n";

}  // namespace

TEST(NavDb_Reader, AirportFieldsConversionsAndEmptySlots)
{
    NavFolder f;
    std::string apt = std::string(HEAD) + APT_KSBD +
        // Two runways, a three-letter identifier, dashes, headings 360 and -5, tower flag 2.
        "1 10.5 20.25 36 L 360 5000 100 2111111 10.6 20.3 18 R -5 4000 75 3000000 0 0 0 x 0 0 0 0"
        " 100 2 ABC  Alpha-Bravo Field\n"
        "99\n";
    f.put_all(apt, std::string(HEAD) + "99\n", std::string(HEAD) + "99\n");
    int before = mnw_alert_count();
    init_country_data();
    EXPECT_EQ(alerts_since(before), 0);
    ASSERT_EQ(env.aptmax, 1);

    EXPECT_FLOAT_EQ(apt_lat[0][0], 34.095402f);
    EXPECT_FLOAT_EQ(apt_lon[0][0], -117.234398f);
    EXPECT_EQ(apt_num[0][0], 6);
    EXPECT_EQ(apt_lr[0][0], 'x');
    EXPECT_EQ(apt_hdng[0][0], 70);
    EXPECT_EQ(apt_len[0][0], 3048);      // 10000 ft
    EXPECT_EQ(apt_width[0][0], 60);      // 200 ft = 60.96 m, truncated
    EXPECT_EQ(apt_lite[0][0], 1355355);
    EXPECT_NEAR(apt_h[0], 1159 * 0.3048f, 1e-3);
    EXPECT_EQ(apt_twr[0], 1);
    EXPECT_STREQ(apt_id[0], "KSBD");
    EXPECT_STREQ(apt_name[0], "San Bernardino International Airport");
    EXPECT_EQ(apt_len[0][1], 0);         // empty slots
    EXPECT_EQ(apt_len[0][2], 0);

    EXPECT_EQ(apt_num[1][0], 36);
    EXPECT_EQ(apt_lr[1][0], 'L');
    EXPECT_EQ(apt_hdng[1][0], 0);        // 360
    EXPECT_EQ(apt_hdng[1][1], 355);      // -5
    EXPECT_EQ(apt_lr[1][1], 'R');
    EXPECT_EQ(apt_len[1][1], 1219);      // 4000 ft = 1219.2 m
    EXPECT_EQ(apt_twr[1], 0);            // only exactly 1 is a tower
    EXPECT_STREQ(apt_id[1], "ABC ");
    EXPECT_STREQ(apt_name[1], "Alpha Bravo Field");
    // No navaid: an empty entry before the terminator.
    EXPECT_EQ(nav_end_entry(), 1);
    EXPECT_EQ(nav_type[0], 0);
    EXPECT_EQ(nav_type[1], NAV_END);
    EXPECT_EQ(env.fixmax, -1);
    EXPECT_EQ(fix_lat[0], -999.0f);
    EXPECT_EQ(fix_lon[FIX_CAP - 1], -999.0f);
}

TEST(NavDb_Reader, NavaidsFixesAndLongNames)
{
    NavFolder f;
    std::string nav = std::string(HEAD) +
        " 2  52.558899  -55.782200     70.0      344        0    0 1A   Williams-Harbour\n"
        " 3  34.000000 -117.000000   1000.0      116       80  360 PDZ  Paradise\n"
        " 4  37.6 -122.3 13.0 109 75 -62 ISFA " + std::string(60, 'n') + "\n"
        "99\n";
    std::string fix = std::string(HEAD) + "33.5 -118.25 ALPHA\n-12.75 140.5 AB   \n99.0\n";
    f.put_all(std::string(HEAD) + "99\n", nav, fix);
    int before = mnw_alert_count();
    init_country_data();
    EXPECT_EQ(alerts_since(before), 0);
    EXPECT_EQ(env.aptmax, -1);
    ASSERT_EQ(nav_end_entry(), 3);       // three navaids
    EXPECT_EQ(nav_type[3], NAV_END);
    EXPECT_EQ(nav_type[0], NAV_NDB);
    EXPECT_EQ(nav_f12[0], 344);
    EXPECT_STREQ(nav_id[0], "1A  ");
    EXPECT_STREQ(nav_name[0], "Williams-Harbour");   // dashes stay in navaid names
    EXPECT_EQ(nav_f12[1], 11680);
    EXPECT_NEAR(nav_h[1], 304.8f, 1e-3);
    EXPECT_EQ(nav_hdng[1], 0);
    EXPECT_STREQ(nav_id[1], "PDZ ");
    EXPECT_EQ(nav_f12[2], 10975);
    EXPECT_EQ(nav_hdng[2], 298);
    EXPECT_EQ(std::strlen(nav_name[2]), 39u);

    EXPECT_EQ(env.fixmax, 1);
    EXPECT_FLOAT_EQ(fix_lat[1], -12.75f);
    EXPECT_FLOAT_EQ(fix_lon[1], 140.5f);
    EXPECT_STREQ(fix_name[0], "ALPHA");
    EXPECT_STREQ(fix_name[1], "AB   ");   // trailing blanks kept
    EXPECT_EQ(fix_lat[2], -999.0f);

    // A smaller database read after it keeps nothing of the first past its own records.
    f.put_all(std::string(HEAD) + "99\n", std::string(HEAD) + " 3 34 -117 1000 116 80 360 PDZ  Paradise\n99\n",
              std::string(HEAD) + "99.0\n");
    init_country_data();
    ASSERT_EQ(nav_end_entry(), 1);
    EXPECT_EQ(nav_f12[2], 0);
    EXPECT_STREQ(nav_name[2], "");
    EXPECT_STREQ(fix_name[1], "");
    EXPECT_EQ(fix_lat[1], -999.0f);
}

TEST(NavDb_Reader, CrLfFilesReadAlike)
{
    NavFolder f;
    std::string apt = "I\r\n354 version\r\n0\r\n" + std::string(APT_KSBD);
    apt.insert(apt.size() - 1, "\r");
    apt += "99\r\n";
    f.put_all(apt, "I\r\n354 version\r\n0\r\n 3 1 2 3 112 0 0 ABC  Abc\r\n99\r\n",
              "I\r\n354 version\r\n0\r\n1 2 FIXAB\r\n99\r\n");
    int before = mnw_alert_count();
    init_country_data();
    EXPECT_EQ(alerts_since(before), 0);
    EXPECT_EQ(env.aptmax, 0);
    EXPECT_STREQ(apt_name[0], "San Bernardino International Airport");
    EXPECT_EQ(nav_end_entry(), 1);
    EXPECT_STREQ(nav_name[0], "Abc");
    EXPECT_STREQ(fix_name[0], "FIXAB");
}

TEST(NavDb_Reader, LineEndingBeforeTheIdentifierLeavesTheNextRecordAlone)
{
    NavFolder f;
    f.put_all(std::string(HEAD) + "99\n",
              std::string(HEAD) + " 3 1 2 3 112 0 0\n 2 4 5 6 400 0 0 NB   Next\n99\n",
              std::string(HEAD) + "1 2\n3 4 FIXCD\n99\n");
    int before = mnw_alert_count();
    init_country_data();
    EXPECT_EQ(alerts_since(before), 0);
    ASSERT_EQ(nav_end_entry(), 2);
    EXPECT_STREQ(nav_id[0], "    ");
    EXPECT_STREQ(nav_name[0], "");
    EXPECT_EQ(nav_type[1], NAV_NDB);
    EXPECT_STREQ(nav_id[1], "NB  ");
    EXPECT_STREQ(nav_name[1], "Next");
    ASSERT_EQ(env.fixmax, 1);
    EXPECT_STREQ(fix_name[0], "     ");
    EXPECT_STREQ(fix_name[1], "FIXCD");
}

TEST(NavDb_Failures, MissingFolderAlertsAndGoesOn)
{
    set_constants();
    std::string root = orv_test::temp_dir("nav_missing");
    set_app_path(root.c_str());
    int before = mnw_alert_count();
    init_country_data();
    EXPECT_EQ(alerts_since(before), 3);   // one per file
    EXPECT_EQ(alert_line(0), "I am unable to access a nav, airport, or fix data file!");
    EXPECT_EQ(alert_line(1), "The path I am looking at is as follows:");
    EXPECT_NE(alert_line(2).find("additional nav data"), std::string::npos);
    EXPECT_NE(alert_line(2).find("fix_dat"), std::string::npos);
    EXPECT_EQ(alert_line(3), "Make sure the file listed above is available in the path listed above!");
    EXPECT_EQ(env.aptmax, -1);
    EXPECT_EQ(nav_end_entry(), 1);
    EXPECT_EQ(nav_type[1], NAV_END);
    EXPECT_EQ(env.fixmax, -1);
    EXPECT_EQ(fix_lat[5], -999.0f);
}

TEST(NavDb_Failures, BadMarkWrongVersionAndBadHeader)
{
    NavFolder f;
    // A mark other than 'A'/'I' cannot be read at all.
    f.put_all("X\n354 version\n0\n99\n", std::string(HEAD) + "99\n", std::string(HEAD) + "99\n");
    int before = mnw_alert_count();
    init_country_data();
    EXPECT_EQ(alerts_since(before), 1);
    EXPECT_EQ(alert_line(0), "I am unable to access a nav, airport, or fix data file!");
    EXPECT_NE(alert_line(2).find("apt_dat"), std::string::npos);

    // A wrong version is reported and the file is still read.
    f.put("apt_dat", std::string("I\n353 version\n0\n") + APT_KSBD + "99\n");
    before = mnw_alert_count();
    init_country_data();
    EXPECT_EQ(alerts_since(before), 1);
    EXPECT_NE(alert_line(0).find("wrong version"), std::string::npos);
    EXPECT_EQ(env.aptmax, 0);
    EXPECT_STREQ(apt_id[0], "KSBD");

    // A version that is not a number leaves the stream failed after the version scan.
    f.put("apt_dat", std::string("I\nversion\n0\n") + APT_KSBD + "99\n");
    before = mnw_alert_count();
    init_country_data();
    EXPECT_GE(alerts_since(before), 1);
    EXPECT_EQ(alert_line(0), "Error reading in global data file after version-scan!");
    EXPECT_EQ(env.aptmax, -1);
}

TEST(NavDb_Failures, TruncatedAndDamagedRecordsKeepWhatWasRead)
{
    NavFolder f;
    std::string ksbd = APT_KSBD;
    // The second airport is cut off in its second runway group, and there is no terminator.
    f.put_all(std::string(HEAD) + ksbd + ksbd.substr(0, 120),
              std::string(HEAD) + " 3 1 2 3 112 0 0 ABC  Abc\n 2 1 2 3 300\n",
              std::string(HEAD) + "1 2 FIXAB\n3 4 FIXCD\n");   // no terminator
    int before = mnw_alert_count();
    init_country_data();
    EXPECT_EQ(alerts_since(before), 3);   // one scanning alert per file
    EXPECT_EQ(alert_line(0), "File-scanning error!");
    EXPECT_EQ(alert_line(2), "file:");
    EXPECT_EQ(alert_line(3), "fix_dat");
    EXPECT_EQ(env.aptmax, 0);
    EXPECT_STREQ(apt_id[0], "KSBD");
    EXPECT_EQ(apt_len[1][0], 0);          // the broken record is not kept
    EXPECT_EQ(apt_id[1][0], 0);
    EXPECT_EQ(nav_end_entry(), 1);             // one navaid; the broken one became the terminator
    EXPECT_EQ(nav_type[1], NAV_END);
    EXPECT_EQ(env.fixmax, 1);

    // A field that is not a number names the field.
    std::string bad = ksbd;
    bad.replace(bad.find(" 70 "), 4, " xx ");
    f.put_all(std::string(HEAD) + ksbd + bad + ksbd + "99\n", std::string(HEAD) + "99\n",
              std::string(HEAD) + "99\n");
    before = mnw_alert_count();
    init_country_data();
    EXPECT_EQ(alerts_since(before), 1);
    EXPECT_EQ(alert_line(3), "scan apt apt_hdng");
    EXPECT_EQ(env.aptmax, 0);
}

TEST(NavDb_Failures, OutOfRangeNumbersAreRefusedBeforeTheyAreComputedWith)
{
    NavFolder f;
    // A frequency no int can hold once it is combined (f1 * 100 + f2), then a navaid off the
    // globe: each is a damaged record, refused with the scanning alert; the one before stays.
    const char* sfo = " 3  37.619000 -122.374000     13.0      115       80    0  SFO San Francisco\n";
    for (const char* damaged : {" 3  37.6 -122.3 13 2147483647 99 0 BAD Overflow\n",
                                " 3  37.6 -122.3 13 115 250 0 BAD Hundredths\n",
                                " 3  91.5 -122.3 13 115 80 0 BAD Off the globe\n"}) {
        f.put_all(std::string(HEAD) + "99\n", std::string(HEAD) + sfo + damaged + sfo + "99\n",
                  std::string(HEAD) + " 37.5 -1e30 ARCHI\n99\n");
        const int before = mnw_alert_count();
        init_country_data();
        EXPECT_EQ(alerts_since(before), 2) << damaged;   // nav_dat and fix_dat, once each
        EXPECT_EQ(nav_end_entry(), 1) << damaged;        // only the first navaid is kept
        EXPECT_EQ(nav_f12[0], 11580);
        EXPECT_EQ(nav_type[1], NAV_END);
        EXPECT_EQ(env.fixmax, -1);
    }
}

TEST(NavDb_Failures, TablesStopAtCapacityAfterTheAlert)
{
    NavFolder f;
    std::string apt = HEAD, nav = HEAD, fix = HEAD;
    apt.reserve(APT_READ_MAX * 230);
    for (int i = 0; i <= APT_READ_MAX; i++) {
        char id[8];
        std::snprintf(id, sizeof id, "%04d", i % 10000);
        std::string line = APT_KSBD;
        line.replace(line.find("KSBD"), 4, id);
        apt += line;
    }
    apt += "99\n";
    for (int i = 0; i <= NAV_READ_MAX; i++) nav += " 2 1.0 2.0 3.0 344 0 0 AB   An NDB\n";
    nav += "99\n";
    for (int i = 0; i <= FIX_READ_MAX; i++) fix += "1.5 2.5 FIXAB\n";
    fix += "99\n";
    f.put_all(apt, nav, fix);
    int before = mnw_alert_count();
    init_country_data();
    EXPECT_EQ(alerts_since(before), 3);
    EXPECT_EQ(alert_line(0), "Too many fixes in world database!");
    EXPECT_EQ(alert_line(3), std::to_string(FIX_READ_MAX));
    EXPECT_EQ(env.aptmax, APT_READ_MAX - 1);
    EXPECT_STREQ(apt_id[APT_READ_MAX - 1], "4999");
    EXPECT_EQ(nav_end_entry(), NAV_READ_MAX);
    EXPECT_EQ(nav_type[NAV_READ_MAX], NAV_END);
    EXPECT_EQ(nav_type[NAV_READ_MAX - 1], NAV_NDB);
    EXPECT_EQ(env.fixmax, FIX_READ_MAX - 1);
    EXPECT_EQ(fix_lat[FIX_READ_MAX], -999.0f);

    // Exactly at capacity: no alert.
    apt.erase(apt.rfind("1  34"), std::string(APT_KSBD).size());
    f.put("apt_dat", apt);
    f.put("nav_dat", std::string(HEAD) + "99\n");
    f.put("fix_dat", std::string(HEAD) + "99\n");
    before = mnw_alert_count();
    init_country_data();
    EXPECT_EQ(alerts_since(before), 0);
    EXPECT_EQ(env.aptmax, APT_READ_MAX - 1);
}

namespace {

struct Snapshot {
    int aptmax, navmax;
    std::vector<std::string> apt, nav;
};

Snapshot snapshot()
{
    Snapshot s{env.aptmax, env.navmax, {}, {}};
    char b[512];
    for (int a = 0; a <= env.aptmax; a++) {
        std::string t;
        for (int r = 0; r < 3; r++) {
            std::snprintf(b, sizeof b, "%.9g %.9g %d %c %d %d %d %d|", apt_lat[a][r], apt_lon[a][r],
                          apt_num[a][r], apt_lr[a][r], apt_hdng[a][r], apt_len[a][r], apt_width[a][r],
                          apt_lite[a][r]);
            t += b;
        }
        std::snprintf(b, sizeof b, "%.9g %d [%.4s] [%.39s]", apt_h[a], apt_twr[a], apt_id[a], apt_name[a]);
        s.apt.push_back(t + b);
    }
    for (int n = 0; n <= env.navmax; n++) {
        std::snprintf(b, sizeof b, "%d %.9g %.9g %.9g %d %d [%.4s] [%.39s]", nav_type[n], nav_lat[n], nav_lon[n],
                      nav_h[n], nav_f12[n], nav_hdng[n], nav_id[n], nav_name[n]);
        s.nav.push_back(b);
    }
    return s;
}

void expect_same(const Snapshot& a, const Snapshot& b)
{
    ASSERT_EQ(a.aptmax, b.aptmax);
    ASSERT_EQ(a.navmax, b.navmax);
    int bad = 0;
    for (size_t i = 0; i < a.apt.size() && bad < 5; i++)
        if (a.apt[i] != b.apt[i]) { ADD_FAILURE() << a.apt[i] << "\n" << b.apt[i]; bad++; }
    for (size_t i = 0; i < a.nav.size() && bad < 5; i++)
        if (a.nav[i] != b.nav[i]) { ADD_FAILURE() << a.nav[i] << "\n" << b.nav[i]; bad++; }
}

}  // namespace

TEST(NavDb_RoundTrip, WritersAndReadersAgreeOnEveryField)
{
    NavFolder f;
    std::string apt = std::string(HEAD) + APT_KSBD +
        "1 -33.946098 151.177002 16 R 155 12999 148 1355355 -33.964 151.18 7 x 71 8300 148 1355355"
        " -33.95 151.2 16 L -5 7999 148 1355355 21 1 YSSY Sydney-Kingsford Smith\n"
        "1 0.5 -0.25 36 x 360 1 10 0 0 0 0 x 0 0 0 0 0 0 0 x 0 0 0 0 -12 0 A1   Low - Field\n"
        "99\n";
    std::string nav = std::string(HEAD) +
        " 2 -0.5 179.999 -30.5 415 0 0 X    Edge of the map\n"
        " 3 34.0 -117.0 1000 117 95 0 PDZ  Paradise-VORTAC\n"
        " 4 37.6 -122.3 13 110 50 -62 ISFB KSFO 28R ILS\n"
        " 7 37.5 -122.2 13 75 0 360 ISFB KSFO 28R OM\n"
        "99\n";
    f.put_all(apt, nav, std::string(HEAD) + "99\n");
    init_country_data();
    ASSERT_EQ(env.aptmax, 2);
    EXPECT_STREQ(apt_name[1], "Sydney Kingsford Smith");
    EXPECT_EQ(apt_hdng[1][2], 355);
    EXPECT_STREQ(apt_name[2], "Low   Field");
    EXPECT_EQ(apt_len[2][0], 0);          // 1 ft: an empty slot, kept as such
    EXPECT_EQ(nav_hdng[2], 298);
    EXPECT_EQ(nav_hdng[3], 0);
    Snapshot first = snapshot();

    NavFolder g;
    nav_test::dump_tables(g.dir, nav_test::all_airports(), nav_test::all_navaids());
    g.put("fix_dat", std::string(HEAD) + "99\n");
    int before = mnw_alert_count();
    init_country_data();
    EXPECT_EQ(alerts_since(before), 0);
    expect_same(first, snapshot());
}

TEST(NavDb_RoundTrip, ShortIdentifierAndBlankSideLetterKeepTheRecordReadable)
{
    NavFolder f;
    std::string p = f.dir + "/apt_dat";
    ASSERT_EQ(ouf_open(p.c_str(), FILE_ANY, 354), 1);
    ouf << "1\n1 ";
    float lat[3] = {1, 0, 0}, lon[3] = {2, 0, 0};
    int num[3] = {9, 0, 0}, hdg[3] = {90, 0, 0}, len[3] = {3000, 0, 0}, wid[3] = {60, 0, 0},
        lite[3] = {0, 0, 0};
    char lr[3] = {'L', 0, ' '};
    dump_apt_line(lat, lon, num, lr, hdg, len, wid, lite, 50, 1, "AB", "Two Letter");
    ouf << "99\n";
    ASSERT_EQ(ouf_close(), 1);
    p = f.dir + "/nav_dat";
    ASSERT_EQ(ouf_open(p.c_str(), FILE_ANY, 354), 1);
    ouf << "1\n";
    dump_nav_line(NAV_VOR, 1, 2, 3, 11390, 0, "Q", "One\nLetter");
    ouf << "99\n";
    ASSERT_EQ(ouf_close(), 1);
    f.put("fix_dat", std::string(HEAD) + "99\n");
    int before = mnw_alert_count();
    init_country_data();
    EXPECT_EQ(alerts_since(before), 0);
    ASSERT_EQ(env.aptmax, 0);
    EXPECT_STREQ(apt_id[0], "AB  ");
    EXPECT_STREQ(apt_name[0], "Two Letter");
    EXPECT_EQ(apt_lr[0][1], 'x');
    EXPECT_EQ(apt_lr[0][2], 'x');
    EXPECT_EQ(apt_twr[0], 1);
    ASSERT_EQ(nav_end_entry(), 1);
    EXPECT_EQ(nav_f12[0], 11390);
    EXPECT_STREQ(nav_id[0], "Q   ");
    EXPECT_STREQ(nav_name[0], "One Letter");
}

TEST(NavDb_Region, BoundsAreInclusiveAndFirstRunwayDecides)
{
    env.aptmax = 3;
    env.navmax = 2;
    const float pos[4][2] = {{33.0f, -119.0f}, {35.0f, -116.0f}, {35.01f, -117.0f}, {34.0f, -119.01f}};
    for (int a = 0; a < 4; a++) {
        apt_lat[a][0] = pos[a][0];
        apt_lon[a][0] = pos[a][1];
        apt_lat[a][1] = 34.0f;            // a later runway inside does not count
        apt_lon[a][1] = -118.0f;
    }
    for (int n = 0; n < 3; n++) {
        nav_lat[n] = pos[n + 1][0];
        nav_lon[n] = pos[n + 1][1];
    }
    env.lat_sou = 33;
    env.lon_wes = -119;
    finish_nav_readin();
    EXPECT_EQ(apt_inreg[0], 1);
    EXPECT_EQ(apt_inreg[1], 1);
    EXPECT_EQ(apt_inreg[2], 0);
    EXPECT_EQ(apt_inreg[3], 0);
    EXPECT_EQ(nav_inreg[0], 1);
    EXPECT_EQ(nav_inreg[1], 0);
    EXPECT_EQ(nav_inreg[2], 0);
    env.lat_sou = 35;
    env.lon_wes = -117;
    finish_nav_readin();
    EXPECT_EQ(apt_inreg[0], 0);
    EXPECT_EQ(apt_inreg[1], 1);
    EXPECT_EQ(apt_inreg[2], 1);
}

TEST(NavDb_Names, RunwayAndPadDesignations)
{
    char out[16];
    rway_to_cs(9, 'L', 0, out);
    EXPECT_STREQ(out, "Rwy 09L");
    rway_to_cs(27, 'x', 0, out);
    EXPECT_STREQ(out, "Rwy 27");
    rway_to_cs(4, 'x', 1, out);
    EXPECT_STREQ(out, "Pad 04");
    rway_to_cs(36, 'R', 1, out);
    EXPECT_STREQ(out, "Pad 36R");
    std::memset(out, '#', sizeof out);
    rway_to_cs(123, 0, 0, out);               // never longer than 7 characters
    EXPECT_STREQ(out, "Rwy 99");
}

TEST(NavDb_Weather, NearestInRegionReportWins)
{
    NavFolder f;
    std::string apt = std::string(HEAD) + APT_KSBD;
    std::string ontario = APT_KSBD;
    ontario.replace(ontario.find("34.095402"), 9, "34.056000");
    ontario.replace(ontario.find("-117.234398"), 11, "-117.601000");
    ontario.replace(ontario.find("1159 1 KSBD"), 11, " 944 1 KONT");
    std::string far = APT_KSBD;
    far.replace(far.find("34.095402"), 9, "40.500000");
    far.replace(far.find("KSBD"), 4, "KFAR");
    f.put_all(apt + ontario + far + "99\n", std::string(HEAD) + "99\n", std::string(HEAD) + "99\n");
    init_country_data();
    env.lat_sou = 33;
    env.lon_wes = -119;
    finish_nav_readin();
    f.put("../WORLD.RWX", "KFAR 1200 CLR 10 20/10/3010/992\n"
                          "KONT 1200 CLR 10 21/10/2710/995\r\n"
                          "KSBD 1200 250 BKN 7 22/11/2510/998\n"
                          "KXX\n");
    ASSERT_EQ(wxr_open(), 1);
    char rep[400];
    float z = -1;
    EXPECT_EQ(get_wxr_str(rep, &z, 34.06f, -117.5f), 1);
    wxr_close();
    EXPECT_STREQ(rep, "KONT 1200 CLR 10 21/10/2710/995");
    EXPECT_NEAR(z, 944 * 0.3048f, 0.01f);
    ASSERT_EQ(wxr_open(), 1);
    EXPECT_EQ(get_wxr_str(rep, &z, 34.2f, -117.0f), 1);
    EXPECT_STREQ(rep, "KSBD 1200 250 BKN 7 22/11/2510/998");
    wxr_close();
    // Out of the region the report of an airport is not used.
    env.lat_sou = 38;
    finish_nav_readin();
    ASSERT_EQ(wxr_open(), 1);
    EXPECT_EQ(get_wxr_str(rep, &z, 40.5f, -117.2f), 0);
    wxr_close();
    env.lat_sou = 39;
    finish_nav_readin();
    ASSERT_EQ(wxr_open(), 1);
    EXPECT_EQ(get_wxr_str(rep, &z, 34.0f, -117.2f), 1);
    EXPECT_STREQ(rep, "KFAR 1200 CLR 10 20/10/3010/992");
    wxr_close();
}

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

TEST(NavDb_Layout, WritersProduceTheRecordLayoutColumnForColumn)
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

TEST(NavDb_Layout, ReaderTakesFilesWrittenInTheLayoutWithSeparateLines)
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
    ASSERT_EQ(nav_end_entry(), 4);
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

TEST(NavDb_Startup, ProgressAdvancesAtEveryThousandthRecord)
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
    EXPECT_EQ(nav_end_entry(), 999);
    EXPECT_EQ(mnw_last_init_step(), 0);   // 999 of each: no step yet

    orv_test::write_file(f.path("fix_dat"), fix + "1.5 2.5 FIXAB\n99\n");
    init_country_data();
    EXPECT_EQ(env.fixmax, 999);
    EXPECT_EQ(mnw_last_init_step(), 1);
}

TEST(MagVar_Lookup, PositionsOffTheGlobeGiveABoundedAnswer)
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

TEST(NavDb_Failures, EveryUnreadableNumberNamesItsField)
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
        EXPECT_EQ(nav_end_entry(), 1);
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

// The tables as a start-up leaves them, to compare a cached read with a read of the text.
static std::vector<char> nav_tables()
{
    std::vector<char> out;
    auto add = [&](const void* p, size_t n) { out.insert(out.end(), (const char*)p, (const char*)p + n); };
    add(apt_lat, sizeof apt_lat), add(apt_num, sizeof apt_num), add(apt_lr, sizeof apt_lr);
    add(apt_len, sizeof apt_len), add(apt_h, sizeof apt_h), add(apt_id, sizeof apt_id);
    add(apt_name, sizeof apt_name), add(nav_type, sizeof nav_type), add(nav_lat, sizeof nav_lat);
    add(nav_h, sizeof nav_h), add(nav_f12, sizeof nav_f12), add(nav_id, sizeof nav_id);
    add(fix_lat, sizeof fix_lat), add(fix_name, sizeof fix_name);
    add(&env.aptmax, sizeof env.aptmax), add(&env.navmax, sizeof env.navmax), add(&env.fixmax, sizeof env.fixmax);
    return out;
}

TEST(NavDb_Cache, UnchangedFilesComeFromTheCacheAndAnyChangeOrDamageReadsTheText)
{
    namespace fs = std::filesystem;
    NavFolder f;
    const std::string cache = orv_test::temp_dir("navcache");
    const char* keep = std::getenv("XDG_CACHE_HOME");
    const std::string kept = keep ? keep : "";
    setenv("XDG_CACHE_HOME", cache.c_str(), 1);
    const std::string nav = std::string(HEAD) + " 3  34.000000 -117.000000   1000.0      116       80  360 PDZ  Paradise\n99\n";
    const std::string fix = std::string(HEAD) + "33.5 -118.25 ALPHA\n99.0\n";
    f.put_all(std::string(HEAD) + APT_KSBD + "99\n", nav, fix);
    init_country_data();
    const std::vector<char> from_text = nav_tables();
    ASSERT_STREQ(apt_id[0], "KSBD");

    // A read from the cache leaves its entry as it was; a read of the text writes it anew.
    const std::string entry = cache + "/vantorel/nav/apt_dat.bin";
    struct stat st0 = {}, st1 = {};
    ASSERT_EQ(stat(entry.c_str(), &st0), 0);
    init_country_data();
    ASSERT_EQ(stat(entry.c_str(), &st1), 0);
    EXPECT_EQ(st1.st_ino, st0.st_ino);
    EXPECT_TRUE(nav_tables() == from_text);   // every column as the text gave it

    // The same size and time with other words: read from the text.
    const fs::path apt = f.dir + "/apt_dat";
    const auto stamp = fs::last_write_time(apt);
    std::string other = std::string(HEAD) + APT_KSBD + "99\n";
    other.replace(other.find("KSBD"), 4, "KSBX");
    f.put("apt_dat", other);
    fs::last_write_time(apt, stamp);
    init_country_data();
    EXPECT_STREQ(apt_id[0], "KSBX");

    // A damaged entry is passed over without a word, and the text read again.
    std::string bytes = orv_test::read_file(entry);
    ASSERT_GT(bytes.size(), 100u);
    bytes[bytes.size() - 3] ^= 0x5a;
    orv_test::write_file(entry, bytes);
    const int before = mnw_alert_count();
    init_country_data();
    EXPECT_EQ(alerts_since(before), 0);
    EXPECT_STREQ(apt_id[0], "KSBX");
    EXPECT_EQ(orv_test::read_file(entry).substr(0, 8), std::string("ORVNAV2", 8));
    EXPECT_NE(orv_test::read_file(entry), bytes);   // written anew from the text
    if (keep) setenv("XDG_CACHE_HOME", kept.c_str(), 1);
    else unsetenv("XDG_CACHE_HOME");
}
