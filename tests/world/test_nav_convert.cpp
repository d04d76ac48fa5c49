// The navigation converter (tools/navconv) on small hand-made OurAirports files, and the
// converted real data the build puts into its data tree, read back by the simulator.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <set>
#include <string>

#include "2-QZutils/qz_file.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/records.h"
#include "nav_test_util.h"
#include "support/test_support.h"
#include "world/nav_db.h"

using namespace orv;
namespace fs = std::filesystem;

namespace {

const std::string TOOL = ORV_BINARY_DIR "/tools/navconv/navconv";

const char* AIRPORTS_HEAD =
    "\"id\",\"ident\",\"type\",\"name\",\"latitude_deg\",\"longitude_deg\",\"elevation_ft\",\"continent\","
    "\"iso_country\",\"iso_region\",\"municipality\",\"scheduled_service\",\"icao_code\",\"iata_code\","
    "\"gps_code\",\"local_code\",\"home_link\",\"wikipedia_link\",\"keywords\"\r\n";
const char* RUNWAYS_HEAD =
    "\"id\",\"airport_ref\",\"airport_ident\",\"length_ft\",\"width_ft\",\"surface\",\"lighted\",\"closed\","
    "\"le_ident\",\"le_latitude_deg\",\"le_longitude_deg\",\"le_elevation_ft\",\"le_heading_degT\","
    "\"le_displaced_threshold_ft\",\"he_ident\",\"he_latitude_deg\",\"he_longitude_deg\",\"he_elevation_ft\","
    "\"he_heading_degT\",\"he_displaced_threshold_ft\"\r\n";
const char* NAVAIDS_HEAD =
    "\"id\",\"filename\",\"ident\",\"name\",\"type\",\"frequency_khz\",\"latitude_deg\",\"longitude_deg\","
    "\"elevation_ft\",\"iso_country\",\"dme_frequency_khz\",\"dme_channel\",\"dme_latitude_deg\","
    "\"dme_longitude_deg\",\"dme_elevation_ft\",\"slaved_variation_deg\",\"magnetic_variation_deg\","
    "\"usageType\",\"power\",\"associated_airport\"\n";
const char* FREQ_HEAD = "\"id\",\"airport_ref\",\"airport_ident\",\"type\",\"description\",\"frequency_mhz\"\n";

std::string apt_row(const std::string& ident, const std::string& type, const std::string& name,
                    double lat, double lon, const std::string& elev)
{
    char b[512];
    std::snprintf(b, sizeof b, "1,\"%s\",\"%s\",\"%s\",%.6f,%.6f,%s,\"NA\",\"US\",\"US-CA\",\"X\",\"no\",,,,,,,\r\n",
                  ident.c_str(), type.c_str(), name.c_str(), lat, lon, elev.c_str());
    return b;
}

// A runway from its first end at (lat, lon) with true heading hdg and the given length: the
// opposite end's coordinates are worked out on the local flat earth.
std::string rwy_row(const std::string& apt, int len, int wid, const std::string& surf, int lit,
                    int closed, const std::string& le, const std::string& he, double lat, double lon,
                    double hdg, bool both_ends = true)
{
    double h = hdg * M_PI / 180.0, ftdeg = 6076.12 * 60.0;
    double lat2 = lat + len * std::cos(h) / ftdeg;
    double lon2 = lon + len * std::sin(h) / (ftdeg * std::cos(lat * M_PI / 180.0));
    char b[512];
    if (both_ends)
        std::snprintf(b, sizeof b, "1,1,\"%s\",%d,%d,\"%s\",%d,%d,\"%s\",%.6f,%.6f,100,%.1f,,\"%s\",%.6f,%.6f,110,%.1f,\n",
                      apt.c_str(), len, wid, surf.c_str(), lit, closed, le.c_str(), lat, lon, hdg, he.c_str(),
                      lat2, lon2, std::fmod(hdg + 180, 360));
    else
        std::snprintf(b, sizeof b, "1,1,\"%s\",%d,%d,\"%s\",%d,%d,\"%s\",%.6f,%.6f,,%.1f,,\"%s\",,,,,\n",
                      apt.c_str(), len, wid, surf.c_str(), lit, closed, le.c_str(), lat, lon, hdg, he.c_str());
    return b;
}

struct Converted {
    std::string in, root, out;
    int status = -1;
};

// Runs the converter on the given CSV texts and reads its output with the simulator.
Converted convert(const std::string& airports, const std::string& runways, const std::string& navaids,
                  const std::string& freqs)
{
    Converted c;
    c.in = orv_test::temp_dir("navconv_in");
    c.root = orv_test::temp_dir("navconv_out");
    c.out = c.root + "/additional nav data";   // not made here: the converter makes it
    orv_test::write_file(c.in + "/airports.csv", std::string(AIRPORTS_HEAD) + airports);
    orv_test::write_file(c.in + "/runways.csv", std::string(RUNWAYS_HEAD) + runways);
    orv_test::write_file(c.in + "/navaids.csv", std::string(NAVAIDS_HEAD) + navaids);
    orv_test::write_file(c.in + "/airport-frequencies.csv", std::string(FREQ_HEAD) + freqs);
    std::string cmd = "\"" + TOOL + "\" --in \"" + c.in + "\" --out \"" + c.out + "\" > /dev/null";
    c.status = std::system(cmd.c_str());
    set_constants();
    set_app_path(c.root.c_str());
    init_country_data();
    return c;
}

int find_apt(const char* id4)
{
    for (int a = 0; a <= env.aptmax; a++)
        if (std::strcmp(apt_id[a], id4) == 0) return a;
    return -1;
}

}  // namespace

TEST(NavDb_Converter, AirportSelectionRunwaysAndCodes)
{
    if (!fs::exists(TOOL)) GTEST_SKIP() << "navconv not built";
    std::string apts =
        apt_row("KAAA", "large_airport", "Alpha-Bravo, \"\"Intl\"\"", 34.0, -117.0, "1000") +
        apt_row("KCLS", "closed", "Closed Field", 34.1, -117.1, "10") +
        apt_row("KLONG", "small_airport", "Long Ident", 34.2, -117.2, "10") +
        apt_row("WAT", "seaplane_base", "Only Water", 34.3, -117.3, "0") +
        apt_row("SB", "small_airport", "S\xC3\xA3o Bento", 34.4, -117.4, "") +
        apt_row("NORW", "small_airport", "No Runway", 34.5, -117.5, "5");
    std::string rwys =
        rwy_row("KAAA", 12000, 200, "CON", 1, 0, "09L", "27R", 34.0, -117.02, 91.0) +
        rwy_row("KAAA", 3000, 75, "TURF", 0, 0, "18", "36", 34.01, -117.0, 180.0) +
        rwy_row("KAAA", 6000, 150, "ASPH-G", 1, 0, "04", "22", 33.99, -117.01, 42.0) +
        rwy_row("KAAA", 2000, 50, "GRVL", 1, 0, "13", "31", 33.98, -117.0, 132.0) +
        rwy_row("KAAA", 9000, 150, "ASP", 1, 1, "05", "23", 33.97, -117.0, 50.0) +   // closed
        rwy_row("KCLS", 5000, 100, "ASP", 0, 0, "01", "19", 34.1, -117.1, 10.0) +
        rwy_row("KLONG", 5000, 100, "ASP", 0, 0, "01", "19", 34.2, -117.2, 10.0) +
        rwy_row("WAT", 5000, 200, "WATER", 0, 0, "N", "S", 34.3, -117.3, 0.0) +
        // Only one end placed, and the file's ends in reverse order: 28 before 10.
        rwy_row("SB", 2500, 0, "GRS", 0, 0, "28", "10", 34.4, -117.4, 280.0, false) +
        // Neither end placed: unusable.
        "1,1,\"NORW\",3000,60,\"DIRT\",0,0,\"01\",,,,10,,\"19\",,,,190,\r\n";
    std::string navs =
        "1,\"f\",\"PDZ\",\"Paradise\",\"VORTAC\",112200,34.0,-117.0,1000,\"US\",,,,,,,,\"LO\",\"HIGH\",\n"
        "2,\"f\",\"AB\",\"Alpha NDB\",\"NDB\",344,34.1,-117.1,,\"US\",,,,,,,,\"LO\",\"LOW\",\"KAAA\"\n"
        "3,\"f\",\"DD\",\"Dme Only\",\"DME\",112200,34.1,-117.1,,\"US\",,,,,,,,\"LO\",\"LOW\",\n"
        "4,\"f\",\"TT\",\"Tacan Only\",\"TACAN\",112200,34.1,-117.1,,\"US\",,,,,,,,\"LO\",\"LOW\",\n"
        "5,\"f\",\"VV\",\"Plain,VOR\",\"VOR-DME\",117950,34.1,-117.1,50,\"US\",,,,,,,,\"LO\",\"LOW\",\n"
        "6,\"f\",\"NN\",\"Ndb Dme\",\"NDB-DME\",1750,34.1,-117.1,5,\"US\",,,,,,,,\"LO\",\"LOW\",\n";
    std::string freqs = "1,1,\"KAAA\",\"TWR\",\"TOWER\",118.5\n1,1,\"SB\",\"CTAF\",\"CTAF\",122.9\n";
    int before = mnw_alert_count();
    Converted c = convert(apts, rwys, navs, freqs);
    ASSERT_EQ(c.status, 0);
    EXPECT_EQ(mnw_alert_count(), before);

    ASSERT_EQ(env.aptmax, 1);            // KAAA and SB only
    int a = find_apt("KAAA");
    ASSERT_GE(a, 0);
    EXPECT_STREQ(apt_name[a], "Alpha Bravo, \"Intl\"");
    EXPECT_EQ(apt_twr[a], 1);
    EXPECT_NEAR(apt_h[a], 1000 * 0.3048f, 0.01f);
    // Three longest open runways, longest first: 09L (12000), 04 (6000), 18 (3000).
    EXPECT_EQ(apt_num[a][0], 9);
    EXPECT_EQ(apt_lr[a][0], 'L');
    EXPECT_EQ(apt_hdng[a][0], 91);
    EXPECT_EQ(apt_len[a][0], 3657);      // 12000 ft
    EXPECT_EQ(apt_width[a][0], 60);
    EXPECT_EQ(apt_num[a][1], 4);
    EXPECT_EQ(apt_num[a][2], 18);
    EXPECT_EQ(apt_lr[a][2], 'x');
    // The centre of the runway: half its length along the heading from the first end.
    EXPECT_NEAR(apt_lat[a][0], 34.0 + 6000 * std::cos(91 * M_PI / 180) / (6076.12 * 60), 1e-5);
    EXPECT_NEAR(apt_lon[a][0], -117.02 + 6000 * std::sin(91 * M_PI / 180) / (6076.12 * 60 * std::cos(34 * M_PI / 180)), 1e-5);
    // Surface and lights: lit concrete 12000 ft at a large airport; lit asphalt 6000 ft;
    // unlit turf.
    EXPECT_EQ(apt_lite[a][0], 1356356);
    EXPECT_EQ(apt_lite[a][1], 2343343);
    EXPECT_EQ(apt_lite[a][2], 3111111);

    int s = find_apt("SB  ");
    ASSERT_GE(s, 0);
    EXPECT_STREQ(apt_name[s], "Sao Bento");
    EXPECT_EQ(apt_twr[s], 0);
    EXPECT_EQ(apt_num[s][0], 10);                    // the lower-numbered end
    EXPECT_EQ(apt_hdng[s][0], 100);
    EXPECT_EQ(apt_width[s][0], 22);                  // missing width: 75 ft
    EXPECT_EQ(apt_h[s], 0.0f);                       // no elevation anywhere
    EXPECT_NEAR(apt_lat[s][0], 34.4 + 1250 * std::cos(280 * M_PI / 180) / (6076.12 * 60), 1e-5);
    EXPECT_EQ(apt_lite[s][0] / 1000000, 3);

    // Navaids: the VORTAC, the NDB (elevation from its airport), the VOR-DME, the NDB-DME;
    // then KAAA's instrument landing systems: hard runways of 5000 ft or more, both ends.
    int vor = 0, ndb = 0, loc = 0, gs = 0, om = 0, mm = 0, im = 0;
    std::set<int> loc_freqs;
    std::set<std::string> loc_ids;
    for (int n = 0; n < nav_end_entry(); n++) {
        switch (nav_type[n]) {
        case NAV_VOR: vor++; break;
        case NAV_NDB: ndb++; break;
        case NAV_LOC:
            loc++;
            loc_freqs.insert(nav_f12[n]);
            loc_ids.insert(nav_id[n]);
            EXPECT_GE(nav_f12[n], 10810);
            EXPECT_LE(nav_f12[n], 11195);
            EXPECT_EQ((nav_f12[n] / 10) % 2, 1) << nav_f12[n];   // odd tenths
            EXPECT_EQ(nav_id[n][0], 'I');
            for (int k = 1; k < 4; k++) EXPECT_TRUE(nav_id[n][k] >= 'A' && nav_id[n][k] <= 'Z');
            EXPECT_NE(std::string(nav_name[n]).find("KAAA"), std::string::npos);
            break;
        case NAV_GS: gs++; break;
        case NAV_OM: om++; break;
        case NAV_MM: mm++; break;
        case NAV_IM: im++; break;
        default: ADD_FAILURE() << "type " << nav_type[n];
        }
    }
    EXPECT_EQ(vor, 2);
    EXPECT_EQ(ndb, 2);
    EXPECT_EQ(loc, 4);                   // 09L/27R and 04/22
    EXPECT_EQ(gs, 4);
    EXPECT_EQ(om, 4);
    EXPECT_EQ(mm, 4);
    EXPECT_EQ(im, 4);
    EXPECT_EQ(loc_freqs.size(), 4u);
    EXPECT_EQ(loc_ids.size(), 4u);
    EXPECT_EQ(nav_f12[0], 11220);
    EXPECT_EQ(nav_f12[1], 344);
    EXPECT_NEAR(nav_h[1], 1000 * 0.3048f, 0.01f);
    EXPECT_STREQ(nav_name[2], "Plain,VOR");
    EXPECT_EQ(nav_f12[2], 11795);
    EXPECT_EQ(nav_f12[3], 1750);
    // The localizer of runway 27R lies beyond the 09L end, course 271; its glide slope is
    // 1000 ft past the 27R threshold.
    for (int n = 0; n < nav_end_entry(); n++) {
        if (std::string(nav_name[n]) == "KAAA 27R ILS") {
            EXPECT_EQ(nav_hdng[n], 271);
            EXPECT_LT(nav_lon[n], -117.02);
        }
        if (std::string(nav_name[n]) == "KAAA 09L GS") {
            EXPECT_EQ(nav_hdng[n], 91);
            EXPECT_GT(nav_lon[n], -117.02);
            EXPECT_LT(nav_lat[n], 34.0);  // to the right of an eastbound approach
        }
    }
    EXPECT_EQ(env.fixmax, -1);           // fix file: its terminator only
}

TEST(NavDb_Converter, MoreAirportsThanTheTableKeepsTheLargestKinds)
{
    if (!fs::exists(TOOL)) GTEST_SKIP() << "navconv not built";
    std::string apts, rwys;
    apts.reserve(APT_READ_MAX * 140);
    rwys.reserve(APT_READ_MAX * 160);
    // 15000 small airports with runways of 1000..15999 ft, then a heliport and a large one.
    for (int i = 0; i < APT_READ_MAX; i++) {
        const char* d = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
        std::string id = std::string("S") + d[i / 1296] + d[i / 36 % 36] + d[i % 36];
        apts += apt_row(id, "small_airport", "Small", 10 + i * 0.001, 20, "10");
        rwys += rwy_row(id, 1000 + i, 50, "GRS", 0, 0, "09", "27", 10 + i * 0.001, 20, 90);
    }
    apts += apt_row("HELI", "heliport", "Heli", 1, 1, "10") + apt_row("LRGE", "large_airport", "Large", 2, 2, "10");
    rwys += rwy_row("HELI", 50000, 50, "CON", 0, 0, "01", "19", 1, 1, 10) +
            rwy_row("LRGE", 500, 50, "CON", 0, 0, "01", "19", 2, 2, 10);
    Converted c = convert(apts, rwys, "", "");
    ASSERT_EQ(c.status, 0);
    ASSERT_EQ(env.aptmax, APT_READ_MAX - 1);
    EXPECT_GE(find_apt("LRGE"), 0);
    EXPECT_LT(find_apt("HELI"), 0);
    EXPECT_LT(find_apt("S000"), 0);      // the shortest small runway made room
    EXPECT_GE(find_apt("S001"), 0);
    EXPECT_EQ(nav_end_entry(), 1);       // no navaids: an empty entry and the terminator
}

// ---- the real data the build converted into its data tree

namespace {

bool load_real_data()
{
    if (!fs::exists(ORV_BINARY_DIR "/additional nav data/apt_dat")) return false;
    set_constants();
    set_app_path(ORV_BINARY_DIR);
    init_country_data();
    return true;
}

}  // namespace

TEST(NavDb_RealData, ReadsWithoutAlertsInTheExpectedAmounts)
{
    int before = mnw_alert_count();
    if (!load_real_data()) GTEST_SKIP() << "no converted navigation data in the build tree";
    EXPECT_EQ(mnw_alert_count(), before);
    EXPECT_GT(env.aptmax, 9000);
    EXPECT_LT(env.aptmax, APT_READ_MAX);
    int vor = 0, ndb = 0, ils = 0;
    for (int n = 0; n <= env.navmax; n++) {
        vor += nav_type[n] == NAV_VOR;
        ndb += nav_type[n] == NAV_NDB;
        ils += nav_type[n] == NAV_LOC;
    }
    EXPECT_GT(vor + ndb, 8500);
    EXPECT_GT(ils, 1000);
    EXPECT_EQ(nav_type[nav_end_entry()], NAV_END);
    EXPECT_LE(nav_end_entry(), NAV_READ_MAX);
    for (int a = 0; a <= env.aptmax; a++) {
        ASSERT_GT(apt_len[a][0], 1) << apt_id[a];
        ASSERT_EQ(std::strlen(apt_id[a]), 4u);
        ASSERT_TRUE(apt_lr[a][0] == 'L' || apt_lr[a][0] == 'R' || apt_lr[a][0] == 'x') << apt_id[a];
        ASSERT_GE(apt_num[a][0], 1);
        ASSERT_LE(apt_num[a][0], 36);
        ASSERT_GE(apt_len[a][0], apt_len[a][1]) << apt_id[a];
        ASSERT_GE(apt_len[a][1], apt_len[a][2]) << apt_id[a];
        int surf = apt_lite[a][0] / 1000000;
        ASSERT_TRUE(surf >= 1 && surf <= 5) << apt_id[a];
    }
}

TEST(NavDb_RealData, SanBernardinoAndSanFrancisco)
{
    if (!load_real_data()) GTEST_SKIP() << "no converted navigation data in the build tree";
    int a = find_apt("KSBD");
    ASSERT_GE(a, 0);
    EXPECT_EQ(apt_num[a][0], 6);
    EXPECT_EQ(apt_lr[a][0], 'x');
    EXPECT_EQ(apt_len[a][0], 3048);       // 10,000 ft
    EXPECT_EQ(apt_width[a][0], 60);       // 200 ft
    EXPECT_NEAR(apt_hdng[a][0], 70, 2);
    EXPECT_NEAR(apt_h[a], 1159 * 0.3048f, 0.01f);
    EXPECT_LE(apt_len[a][1], 1);
    EXPECT_EQ(apt_twr[a], 1);
    env.lat_sou = 33;
    env.lon_wes = -119;
    finish_nav_readin();
    EXPECT_EQ(apt_inreg[a], 1);
    env.lat_sou = 36;
    finish_nav_readin();
    EXPECT_EQ(apt_inreg[a], 0);

    int f = find_apt("KSFO");
    ASSERT_GE(f, 0);
    EXPECT_EQ(apt_num[f][0], 10);         // 10L/28R, 11,870 ft
    EXPECT_EQ(apt_lr[f][0], 'L');
    EXPECT_EQ(apt_len[f][0], (int)(11870 * 0.3048f));
    EXPECT_EQ(apt_num[f][1], 10);
    EXPECT_EQ(apt_lr[f][1], 'R');
    EXPECT_EQ(apt_num[f][2], 1);          // 1R/19L, 8,660 ft; 1L (7,650 ft) is the one left out
    EXPECT_EQ(apt_lr[f][2], 'R');
    EXPECT_EQ(apt_len[f][2], (int)(8660 * 0.3048f));
}

TEST(NavDb_RealData, DumpAndReadBackReproducesTheTables)
{
    if (!load_real_data()) GTEST_SKIP() << "no converted navigation data in the build tree";
    // A sample: every 37th airport and navaid, plus names with dashes, short identifiers
    // and odd headings found in the data, are written through the writers and read back.
    std::string root = orv_test::temp_dir("nav_rt"), dir = root + "/additional nav data";
    fs::create_directories(dir);
    std::vector<int> as, ns;
    for (int a = 0; a <= env.aptmax; a++)
        if (a % 37 == 0 || apt_id[a][3] == ' ' || std::strchr(apt_name[a], ' ') == nullptr) as.push_back(a);
    for (int n = 0; n < nav_end_entry(); n++)
        if (n % 37 == 0 || nav_id[n][3] == ' ' || std::strchr(nav_name[n], '-') || nav_hdng[n] > 300) ns.push_back(n);
    ASSERT_GT(as.size(), 300u);
    ASSERT_GT(ns.size(), 300u);

    nav_test::dump_tables(dir, as, ns);
    orv_test::write_file(dir + "/fix_dat", "I\n354 version\n0\n99\n");

    struct A { float lat[3], lon[3], h; int num[3], hdg[3], len[3], wid[3], lite[3], twr; char lr[3], id[5], name[40]; };
    struct N { int type, f12, hdg; float lat, lon, h; char id[5], name[40]; };
    std::vector<A> aw;
    std::vector<N> nw;
    for (int a : as) {
        A x;
        std::memcpy(x.lat, apt_lat[a], sizeof x.lat); std::memcpy(x.lon, apt_lon[a], sizeof x.lon);
        std::memcpy(x.num, apt_num[a], sizeof x.num); std::memcpy(x.hdg, apt_hdng[a], sizeof x.hdg);
        std::memcpy(x.len, apt_len[a], sizeof x.len); std::memcpy(x.wid, apt_width[a], sizeof x.wid);
        std::memcpy(x.lite, apt_lite[a], sizeof x.lite); std::memcpy(x.lr, apt_lr[a], sizeof x.lr);
        std::memcpy(x.id, apt_id[a], sizeof x.id); std::memcpy(x.name, apt_name[a], sizeof x.name);
        x.h = apt_h[a]; x.twr = apt_twr[a];
        aw.push_back(x);
    }
    for (int n : ns) {
        N y{nav_type[n], nav_f12[n], nav_hdng[n], nav_lat[n], nav_lon[n], nav_h[n], {}, {}};
        std::memcpy(y.id, nav_id[n], sizeof y.id); std::memcpy(y.name, nav_name[n], sizeof y.name);
        nw.push_back(y);
    }

    set_app_path(root.c_str());
    int before = mnw_alert_count();
    init_country_data();
    EXPECT_EQ(mnw_alert_count(), before);
    ASSERT_EQ(env.aptmax + 1, (int)aw.size());
    ASSERT_EQ(nav_end_entry(), (int)nw.size());
    int bad = 0;
    for (size_t i = 0; i < aw.size() && bad < 5; i++) {
        const A& x = aw[i];
        bool same = x.h == apt_h[i] && x.twr == apt_twr[i] && !std::strcmp(x.id, apt_id[i]) &&
                    !std::strcmp(x.name, apt_name[i]);
        for (int r = 0; r < 3; r++)
            same = same && x.lat[r] == apt_lat[i][r] && x.lon[r] == apt_lon[i][r] && x.num[r] == apt_num[i][r] &&
                   x.hdg[r] == apt_hdng[i][r] && x.len[r] == apt_len[i][r] && x.wid[r] == apt_width[i][r] &&
                   x.lite[r] == apt_lite[i][r] && x.lr[r] == apt_lr[i][r];
        if (!same) { ADD_FAILURE() << "airport " << x.id << " [" << x.name << "]"; bad++; }
    }
    for (size_t i = 0; i < nw.size() && bad < 10; i++) {
        const N& y = nw[i];
        bool same = y.type == nav_type[i] && y.f12 == nav_f12[i] && y.hdg == nav_hdng[i] && y.lat == nav_lat[i] &&
                    y.lon == nav_lon[i] && y.h == nav_h[i] && !std::strcmp(y.id, nav_id[i]) &&
                    !std::strcmp(y.name, nav_name[i]);
        if (!same) { ADD_FAILURE() << "navaid " << y.id << " [" << y.name << "]"; bad++; }
    }
}

TEST(NavDb_Converter, SurveyedEndsPlaceTheCentreWhateverTheListedLength)
{
    if (!fs::exists(TOOL)) GTEST_SKIP() << "navconv not built";
    // Ends 5000 ft apart due north, but the file lists 8000 ft: the centre is half-way between
    // the ends, not 4000 ft up the heading from the first one. "BITUM" is a hard surface.
    const double lat1 = 40.0, lon1 = -100.0, lat2 = 40.0 + 5000.0 / (6076.12 * 60.0);
    char row[512];
    std::snprintf(row, sizeof row,
                  "1,1,\"KMID\",8000,100,\"BITUM\",0,0,\"18\",%.7f,%.7f,100,180.0,,\"36\",%.7f,%.7f,100,0.0,\n",
                  lat2, lon1, lat1, lon1);
    Converted c = convert(apt_row("KMID", "small_airport", "Midpoint", 40.0, -100.0, "100"), row, "", "");
    ASSERT_EQ(c.status, 0);
    int a = find_apt("KMID");
    ASSERT_GE(a, 0);
    EXPECT_NEAR(apt_lat[a][0], (lat1 + lat2) / 2, 1e-5);
    EXPECT_NEAR(apt_lon[a][0], lon1, 1e-5);
    EXPECT_EQ(apt_lite[a][0] / 1000000, 2);
    EXPECT_EQ(apt_num[a][0], 18);
}
