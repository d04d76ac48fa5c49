// Flight support: latitude/longitude <-> region metres (also in a region that has moved,
// each quadrant keeping the meridian and X it was loaded with), GPS course and distance,
// the tuning of the navigation receivers, the ADF and the GPS against a small hand-made
// table, and the units of the random wind layers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "2-QZutils/qz_funct.h"
#include "2-QZutils/records.h"
#include "flight/funct.h"
#include "world/nav_db.h"

namespace orv {
namespace {

constexpr double kDeg = 3.14159265358979323846 / 180.0;
constexpr int kLatSou = 40, kLonWes = -75;

class FunctNav : public ::testing::Test {
protected:
    double mpd = 0;   // metres per degree of latitude

    void SetUp() override
    {
        flt = flightstruct{};
        nav = navstruct{};
        env = environmentstruct{};
        rel = relstruct{};
        ins = inststruct{};
        set_constants();
        mpd = 60.0 * con.nmtomtrs;

        // A region whose south-west mesh point is at x = 0, z = 0; each one-degree cell has
        // its own reference meridian and x, and the northern row is offset so that reading
        // the wrong row shows.
        env.lat_sou = kLatSou;
        env.lon_wes = kLonWes;
        env.hiz = 0.0f;
        env.loz = static_cast<float>(-2.0 * mpd);
        env.dz = env.hiz - env.loz;
        env.lox = 0.0f;
        env.dx = static_cast<float>(3.0 * mpd * std::cos(41.0 * kDeg));
        env.hix = env.dx;
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 2; ++j) {
                env.lonwes_ref[i][j] = static_cast<float>(kLonWes + i);
                env.planex_ref[i][j] =
                    static_cast<float>(i * mpd * std::cos((kLatSou + j + 0.5) * kDeg) + j * 700.0);
            }

        for (int n = 0; n < 16; ++n) clear_nav(n);
        env.navmax = -1;
        env.aptmax = -1;
        rel.radios = 1;
    }

    static void clear_nav(int n)
    {
        nav_type[n] = 0;
        nav_lat[n] = nav_lon[n] = nav_h[n] = 0.0f;
        nav_f12[n] = 0;
        nav_hdng[n] = 0;
        std::memset(nav_id[n], 0, sizeof nav_id[n]);
        nav_inreg[n] = 0;
    }

    // Adds navaid number n and makes the table end after it.
    static void put_nav(int n, int type, float lat, float lon, int f12, int hdng, const char* id,
                        float h = 100.0f)
    {
        nav_type[n] = type;
        nav_lat[n] = lat;
        nav_lon[n] = lon;
        nav_h[n] = h;
        nav_f12[n] = f12;
        nav_hdng[n] = hdng;
        std::memset(nav_id[n], 0, sizeof nav_id[n]);
        std::memcpy(nav_id[n], id, std::min<size_t>(std::strlen(id), 4));
        nav_type[n + 1] = NAV_END;
        env.navmax = n + 1;
    }

    // One meridian and x for the whole region, as a freshly loaded region has.
    static void uniform_frame()
    {
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 2; ++j) {
                env.lonwes_ref[i][j] = static_cast<float>(kLonWes);
                env.planex_ref[i][j] = 0.0f;
            }
    }

    // Places the aircraft at (lat, lon, height) and derives its region position.
    void place(float lat, float lon, double h = 300.0)
    {
        flt.lat = lat;
        flt.lon = lon;
        flt.X = X_with_latlon(lat, lon);
        flt.Z = Z_with_lat(lat);
        flt.Y = h;
    }
};

// ---------------------------------------------------------------- coordinates

using Funct_Coords = FunctNav;

TEST_F(Funct_Coords, LatitudeAndZ)
{
    EXPECT_DOUBLE_EQ(Z_with_lat(40.0f), env.hiz);
    EXPECT_NEAR(Z_with_lat(41.0f), -mpd, 1e-3);   // north is negative Z
    EXPECT_NEAR(Z_with_lat(39.5f), 0.5 * mpd, 1e-3);
    EXPECT_NEAR(lat_with_z(-mpd), 41.0f, 1e-5f);
    for (float lat : {39.9f, 40.0f, 40.37f, 41.0f, 41.99f})
        EXPECT_NEAR(lat_with_z(Z_with_lat(lat)), lat, 2e-5f) << lat;
}

TEST_F(Funct_Coords, LongitudeUsesTheCellMeridianAndCosineOfLatitude)
{
    // On the west edge: the reference x of the first cell, whatever the latitude.
    EXPECT_NEAR(X_with_latlon(40.3f, -75.0f), 0.0, 1e-3);
    // Half a degree east at 40.5 N: 30 nm shrunk by cos(40.5).
    EXPECT_NEAR(X_with_latlon(40.5f, -74.5f), 0.5 * mpd * std::cos(40.5 * kDeg), 0.05);
    // The northern row has its own reference x.
    EXPECT_NEAR(X_with_latlon(41.5f, -75.0f), 700.0, 1e-3);
    // A point outside the region is placed with the nearest cell, not read past the tables.
    EXPECT_NEAR(X_with_latlon(40.5f, -76.0f), -1.0 * mpd * std::cos(40.5 * kDeg), 0.05);
    EXPECT_TRUE(std::isfinite(X_with_latlon(89.0f, 170.0f)));
}

TEST_F(Funct_Coords, RoundTripInEveryCell)
{
    for (int j = 0; j < 2; ++j)
        for (int i = 0; i < 3; ++i)
            for (float f : {0.2f, 0.5f, 0.8f}) {
                const float lat = static_cast<float>(kLatSou + j) + f;
                const float lon = static_cast<float>(kLonWes + i) + 0.5f;
                const double x = X_with_latlon(lat, lon);
                const double z = Z_with_lat(lat);
                EXPECT_NEAR(lat_with_z(z), lat, 2e-5f);
                EXPECT_NEAR(lon_with_xz(x, z), lon, 1e-4f) << "cell " << i << "," << j;
            }
}

TEST_F(Funct_Coords, OutsideOrUnloadedRegionStaysFinite)
{
    EXPECT_TRUE(std::isfinite(lon_with_xz(10.0 * mpd, 5.0 * mpd)));
    EXPECT_TRUE(std::isfinite(lon_with_xz(-10.0 * mpd, -5.0 * mpd)));
    env = environmentstruct{};   // nothing loaded yet: zero extents
    EXPECT_TRUE(std::isfinite(lon_with_xz(1000.0, -1000.0)));
    EXPECT_TRUE(std::isfinite(lat_with_z(1000.0)));
}

// ---------------------------------------------------------------- GPS

using Funct_Gps = FunctNav;

TEST_F(Funct_Gps, CourseAndDistanceToTheTarget)
{
    uniform_frame();
    place(40.5f, -75.0f);
    struct { float lat, lon, crs; } cases[] = {
        {41.0f, -75.0f, 0.0f}, {40.0f, -75.0f, 180.0f},
        {40.5f, -74.5f, 90.0f}, {40.5f, -75.5f, 270.0f}};
    for (const auto& k : cases) {
        nav.gps_lat = k.lat;
        nav.gps_lon = k.lon;
        float crs = -1, dis = -1;
        get_gps_data(&crs, &dis);
        EXPECT_NEAR(crs, k.crs, 0.2f) << k.lat << " " << k.lon;
        EXPECT_GE(crs, 0.0f);
        EXPECT_LE(crs, 360.0f);
    }
    nav.gps_lat = 41.0f;
    nav.gps_lon = -75.0f;
    float crs = 0, dis = 0;
    get_gps_data(&crs, &dis);
    EXPECT_NEAR(dis, 0.5 * mpd, 1.0);
}

TEST_F(Funct_Gps, TargetFromAirportOrNavaidAndTheLock)
{
    uniform_frame();
    env.aptmax = 2;
    apt_lat[2][0] = 41.0f;
    apt_lon[2][0] = -75.0f;
    apt_lat[2][1] = 0.0f;
    put_nav(3, NAV_VOR, 40.5f, -74.5f, 11680, 0, "VVV");
    place(40.5f, -75.0f);

    nav.gps_index_mode = 1;
    nav.gps_index = 2;
    nav.gps_lock_crs = 123.0f;
    setnav(5);
    EXPECT_FLOAT_EQ(nav.gps_lat, 41.0f);
    EXPECT_FLOAT_EQ(nav.gps_lon, -75.0f);
    // without a lock the read-out still follows the aircraft; only the locked course waits
    EXPECT_NEAR(nav.gps_dis, 0.5 * mpd, 1.0);
    EXPECT_FLOAT_EQ(nav.gps_lock_crs, 123.0f);

    ins.lock_GPS = 1;
    setnav(5);
    EXPECT_EQ(ins.lock_GPS, 0);
    EXPECT_NEAR(nav.gps_lock_crs, 0.0f, 0.2f);

    place(40.75f, -75.0f);   // halfway there: the distance counts down with no new lock
    setnav(5);
    EXPECT_NEAR(nav.gps_dis, 0.25 * mpd, 1.0);
    EXPECT_NEAR(nav.gps_lock_crs, 0.0f, 0.2f);

    place(40.5f, -75.0f);
    nav.gps_index_mode = 2;   // a navaid
    nav.gps_index = 3;
    ins.lock_GPS = 1;
    setnav(5);
    EXPECT_FLOAT_EQ(nav.gps_lon, -74.5f);
    EXPECT_NEAR(nav.gps_lock_crs, 90.0f, 0.2f);

    // Indexes past the tables leave the target alone.
    for (int idx : {-1, 3, 14999, 15000, 1 << 30}) {
        nav.gps_index_mode = 1;
        nav.gps_index = idx;
        setnav(5);
        EXPECT_FLOAT_EQ(nav.gps_lon, -74.5f) << idx;
    }
    for (int idx : {-5, 5, 20000, 1 << 30}) {
        nav.gps_index_mode = 3;
        nav.gps_index = idx;
        setnav(5);
        EXPECT_FLOAT_EQ(nav.gps_lon, -74.5f) << idx;
    }
}

// The identifier and the name always speak of the same waypoint: editing the one finds the
// other, stepping walks the region's entries of the table in use, and a flight starts with a
// waypoint of its own region.
TEST_F(Funct_Gps, IdentifierIndexAndRegionAgree)
{
    uniform_frame();
    put_nav(0, NAV_VOR, 40.5f, -74.5f, 11680, 0, "ABC");
    put_nav(1, NAV_NDB, 40.6f, -74.6f, 300, 0, "ABC");     // same letters, other table
    put_nav(2, NAV_VOR, 60.0f, -10.0f, 11500, 0, "FAR");   // far outside the region
    put_nav(3, NAV_VOR, 40.9f, -74.1f, 11300, 0, "XYZ");
    for (int n = 0; n < 4; ++n) nav_inreg[n] = n != 2;
    place(40.8f, -74.2f);

    nav.gps_index_mode = GPS_MODE_VOR;
    nav.gps_index = 2;
    nav.gps_ndb_index = 700;   // the stored default, past this table's end
    const int typed[4] = {char_to_code('A'), char_to_code('B'), char_to_code('C'), char_to_code(' ')};
    for (int k = 0; k < 4; ++k) nav.gps_id[k] = typed[k];
    ASSERT_EQ(gps_find_id(), 1);
    EXPECT_EQ(nav.gps_index, 0);   // the VOR, not the NDB of the same name
    nav.gps_id[0] = char_to_code('Q');
    EXPECT_EQ(gps_find_id(), 0);
    EXPECT_EQ(nav.gps_index, 0);

    gps_step(1);   // over the NDB and the VOR outside the region
    EXPECT_EQ(nav.gps_index, 3);
    EXPECT_EQ(code_to_char(nav.gps_id[0]), 'X');
    gps_step(1);   // round the table's end
    EXPECT_EQ(nav.gps_index, 0);

    gps_select_mode(GPS_MODE_NDB);
    EXPECT_EQ(nav.gps_index, 1);   // the first NDB, the stored one being none
    gps_select_mode(GPS_MODE_VOR);
    EXPECT_EQ(nav.gps_index, 0);   // the VOR chosen before

    nav.gps_index = 2;
    gps_home();
    EXPECT_EQ(nav.gps_index, 3);   // the region's VOR nearest the aircraft
    EXPECT_EQ(code_to_char(nav.gps_id[2]), 'Z');
}

// ---------------------------------------------------------------- radios

using Funct_Radios = FunctNav;

TEST_F(Funct_Radios, CheckNavNearestOnFrequencyWithinRange)
{
    put_nav(0, NAV_VOR, 40.5f, -74.0f, 11680, 0, "AAA");
    place(40.5f, -74.5f);
    float minr = 10.0f;
    EXPECT_EQ(check_nav(0, 11690, &minr, 1.0f), 0);   // another frequency
    EXPECT_EQ(check_nav(0, 11680, &minr, 0.4f), 0);   // beyond its usable range
    EXPECT_FLOAT_EQ(minr, 10.0f);
    EXPECT_EQ(check_nav(0, 11680, &minr, 1.0f), 1);
    EXPECT_NEAR(minr, 0.5f, 1e-5f);
    EXPECT_EQ(check_nav(0, 11680, &minr, 1.0f), 0);   // only a strictly nearer one replaces
    EXPECT_EQ(check_nav(-1, 11680, &minr, 1.0f), 0);
    EXPECT_EQ(check_nav(NAV_CAP, 11680, &minr, 1.0f), 0);
    EXPECT_EQ(check_nav(0, 11680, nullptr, 1.0f), 0);

    // Half a degree apart across the antimeridian, not 359.5.
    put_nav(1, NAV_VOR, -17.0f, 179.8f, 11680, 0, "EST");
    place(-17.0f, -179.9f);
    minr = 10.0f;
    EXPECT_EQ(check_nav(1, 11680, &minr, 1.0f), 1);
    EXPECT_NEAR(minr, 0.3f, 1e-4f);
}

TEST_F(Funct_Radios, VorNearestOnFrequencyAndRangeGrowsWithHeight)
{
    put_nav(0, NAV_VOR, 40.5f, -73.8f, 11680, 0, "FAR");
    put_nav(1, NAV_VOR, 40.5f, -74.2f, 11680, 0, "NEAR");
    put_nav(2, NAV_VOR, 40.5f, -74.4f, 11300, 0, "OTHR");
    put_nav(3, NAV_NDB, 40.5f, -74.45f, 11680, 0, "NDB");   // not a VOR, whatever its number
    place(40.5f, -74.5f);
    nav.nf[0] = 11680;
    setnav(0);
    EXPECT_EQ(nav.goodnav[0], 1);
    EXPECT_STREQ(nav.nav_id[0], "NEAR");
    EXPECT_EQ(nav.ilsgs[0], 9.0f);
    EXPECT_NEAR(nav.vorX[0], X_with_latlon(40.5f, -74.2f), 0.05);
    EXPECT_NEAR(nav.vorZ[0], Z_with_lat(40.5f), 0.05);
    EXPECT_FLOAT_EQ(nav.vorY[0], 100.0f);

    // Receiver 2 on the other frequency.
    nav.nf[1] = 11300;
    setnav(1);
    EXPECT_EQ(nav.goodnav[1], 1);
    EXPECT_STREQ(nav.nav_id[1], "OTHR");

    // 2 degrees away: beyond reach at sea level, received at 30000 ft.
    for (int n = 0; n < 4; ++n) clear_nav(n);
    put_nav(0, NAV_VOR, 40.5f, -72.5f, 11680, 0, "DIST");
    place(40.5f, -74.5f, 0.0);
    setnav(0);
    EXPECT_EQ(nav.goodnav[0], 0);
    place(40.5f, -74.5f, 30000.0 * con.fttomtrs);
    setnav(0);
    EXPECT_EQ(nav.goodnav[0], 1);
    place(40.5f, -74.5f, 90000.0);   // no further gain above 30000 ft
    flt.lon = -75.9f;
    setnav(0);
    EXPECT_EQ(nav.goodnav[0], 0);
}

TEST_F(Funct_Radios, LocalizerOnlyFromInFrontAndGlideSlope)
{
    // A runway heading east; the localizer and glide slope stand east of the aircraft.
    put_nav(0, NAV_LOC, 40.5f, -74.3f, 11010, 90, "IABC");
    put_nav(1, NAV_GS, 40.5f, -74.35f, 11010, 90, "IABC", 20.0f);
    place(40.5f, -74.5f);
    nav.nf[0] = 11010;
    setnav(0);
    EXPECT_EQ(nav.goodnav[0], 1);
    EXPECT_STREQ(nav.nav_id[0], "IABC");
    EXPECT_EQ(nav.ilsgs[0], 3.0f);
    EXPECT_EQ(nav.ilscrs[0], 90.0f);
    EXPECT_NEAR(nav.vorX[0], X_with_latlon(40.5f, -74.3f), 0.05);
    EXPECT_NEAR(nav.gsX[0], X_with_latlon(40.5f, -74.35f), 0.05);
    EXPECT_FLOAT_EQ(nav.gsY[0], 20.0f);

    // From beyond the far end (behind the course) nothing is received.
    place(40.5f, -74.1f);
    setnav(0);
    EXPECT_EQ(nav.goodnav[0], 0);

    // A nearer localizer behind the aircraft does not hide one in front of it.
    for (int n = 0; n < 2; ++n) clear_nav(n);
    put_nav(0, NAV_LOC_ONLY, 40.5f, -74.45f, 10950, 270, "IBEH");   // course west: aircraft east of it
    put_nav(1, NAV_LOC_ONLY, 40.5f, -74.3f, 10950, 90, "IFRT");
    place(40.5f, -74.5f);
    nav.nf[0] = 10950;
    nav.ilsgs[0] = 9.0f;
    setnav(0);
    EXPECT_EQ(nav.goodnav[0], 1);
    EXPECT_STREQ(nav.nav_id[0], "IFRT");
    EXPECT_EQ(nav.ilsgs[0], 0.0f);   // no glide slope on this one
}

TEST_F(Funct_Radios, VorReplacesLocalizerOnTheSameFrequency)
{
    put_nav(0, NAV_LOC, 40.5f, -74.3f, 11010, 90, "ILOC");
    put_nav(1, NAV_VOR, 40.5f, -74.0f, 11010, 0, "VOR");
    place(40.5f, -74.5f);
    nav.nf[0] = 11010;
    setnav(0);
    EXPECT_STREQ(nav.nav_id[0], "VOR");
    EXPECT_EQ(nav.ilsgs[0], 9.0f);
    EXPECT_NEAR(nav.vorX[0], X_with_latlon(40.5f, -74.0f), 0.05);
}

TEST_F(Funct_Radios, AdfTunesNdbsOnly)
{
    put_nav(0, NAV_VOR, 40.5f, -74.45f, 344, 0, "VOR");
    put_nav(1, NAV_NDB, 40.5f, -74.2f, 344, 0, "NDB");
    put_nav(2, NAV_NDB, 40.5f, -74.4f, 345, 0, "OTH");
    place(40.5f, -74.5f);
    nav.adff = 344;
    setnav(4);
    EXPECT_EQ(nav.goodnav[4], 1);
    EXPECT_STREQ(nav.nav_id[4], "NDB");
    EXPECT_NEAR(nav.adfX, X_with_latlon(40.5f, -74.2f), 0.05);
    EXPECT_NEAR(nav.adfZ, Z_with_lat(40.5f), 0.05);

    nav.adff = 999;   // nothing there: the needle loses its station
    setnav(4);
    EXPECT_EQ(nav.goodnav[4], 0);
}

TEST_F(Funct_Radios, FailedRadiosEmptyAndOversizedTables)
{
    put_nav(0, NAV_VOR, 40.5f, -74.4f, 11680, 0, "VOR");
    put_nav(1, NAV_NDB, 40.5f, -74.4f, 344, 0, "NDB");
    place(40.5f, -74.5f);
    nav.nf[0] = 11680;
    nav.adff = 344;
    setnav(0);
    setnav(4);
    ASSERT_EQ(nav.goodnav[0], 1);
    ASSERT_EQ(nav.goodnav[4], 1);

    rel.radios = 0;
    setnav(0);
    setnav(4);
    EXPECT_EQ(nav.goodnav[0], 0);
    EXPECT_EQ(nav.goodnav[4], 0);

    rel.radios = 1;
    env.navmax = -1;   // nothing read
    setnav(0);
    EXPECT_EQ(nav.goodnav[0], 0);

    env.navmax = 1 << 30;   // a corrupt count must not walk past the table
    setnav(0);
    EXPECT_EQ(nav.goodnav[0], 1);

    for (int w : {-1, 2, 3, 6, 99}) setnav(w);   // not a radio: nothing happens
    EXPECT_EQ(nav.goodnav[0], 1);
}

// Builds the region frame the way the scenery loader keeps it: a quadrant is placed with
// the region corner of the moment it was read (x = cos(lat)·(lon − lon_wes)·60 nm + corner x,
// z = corner z − (lat − lat_sou)·60 nm), and keeps that reference when the region moves.
class RegionHistory {
public:
    explicit RegionHistory(int lat_sou, int lon_wes)
    {
        env = environmentstruct{};
        env.lat_sou = lat_sou;
        env.lon_wes = lon_wes;
        cx_ = 0.0;
        cz_ = 0.0;
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 2; ++j) fresh(i, j);
        bounds();
    }

    void east()
    {
        cx_ += std::cos(env.lat_sou * kDeg) * mpd();
        ++env.lon_wes;
        for (int j = 0; j < 2; ++j) {
            for (int i = 0; i < 2; ++i) copy(i, j, i + 1, j);
            fresh(2, j);
        }
        bounds();
    }
    void west()
    {
        cx_ -= std::cos(env.lat_sou * kDeg) * mpd();
        --env.lon_wes;
        for (int j = 0; j < 2; ++j) {
            for (int i = 2; i > 0; --i) copy(i, j, i - 1, j);
            fresh(0, j);
        }
        bounds();
    }
    void north()
    {
        cz_ -= mpd();
        ++env.lat_sou;
        for (int i = 0; i < 3; ++i) {
            copy(i, 0, i, 1);
            fresh(i, 1);
        }
        bounds();
    }
    void south()
    {
        cz_ += mpd();
        --env.lat_sou;
        for (int i = 0; i < 3; ++i) {
            copy(i, 1, i, 0);
            fresh(i, 0);
        }
        bounds();
    }

private:
    double cx_, cz_;
    static double mpd() { return 60.0 * con.nmtomtrs; }
    void fresh(int i, int j)
    {
        env.lonwes_ref[i][j] = static_cast<float>(env.lon_wes);
        env.planex_ref[i][j] = static_cast<float>(cx_);
    }
    static void copy(int to_i, int to_j, int from_i, int from_j)
    {
        env.lonwes_ref[to_i][to_j] = env.lonwes_ref[from_i][from_j];
        env.planex_ref[to_i][to_j] = env.planex_ref[from_i][from_j];
    }
    // First and last mesh column as found along the southern edge.
    void bounds()
    {
        const double c = std::cos(env.lat_sou * kDeg) * mpd();
        env.hiz = static_cast<float>(cz_);
        env.loz = static_cast<float>(cz_ - 2.0 * mpd());
        env.dz = env.hiz - env.loz;
        env.lox = static_cast<float>((env.lon_wes - env.lonwes_ref[0][0]) * c + env.planex_ref[0][0]);
        env.hix = static_cast<float>((env.lon_wes + 3 - env.lonwes_ref[2][0]) * c + env.planex_ref[2][0]);
        env.dx = env.hix - env.lox;
    }
};

class Funct_MovedRegion : public ::testing::Test {
protected:
    void SetUp() override { set_constants(); }

    struct Sweep {
        int inexact = 0;          // longitudes that came back different
        int off_x = 0;            // returned longitudes that do not lead back to the same X
        float worst_seam = 0.0f;  // largest distance from a cell edge of an inexact one
    };

    // Every latitude and longitude of a grid over the region, with the cell edges and points
    // just either side of them, goes out to X and Z and back.
    static Sweep sweep_region()
    {
        Sweep r;
        const float lat0 = static_cast<float>(env.lat_sou), lon0 = static_cast<float>(env.lon_wes);
        const float fracs[] = {0.0f, 1e-4f, 0.004f, 0.013f, 0.25f, 0.5f, 0.77f, 0.996f, 0.9999f};
        for (int jd = 0; jd < 2; ++jd)
            for (float fl : fracs)
                for (int id = 0; id < 3; ++id)
                    for (float fo : fracs) {
                        const float lat = lat0 + jd + fl;
                        const float lon = lon0 + id + fo;
                        const double x = X_with_latlon(lat, lon);
                        const double z = Z_with_lat(lat);
                        EXPECT_FLOAT_EQ(lat_with_z(z), lat);
                        const float lon2 = lon_with_xz(x, z);
                        if (std::fabs(X_with_latlon(lat, lon2) - x) > 1.0) ++r.off_x;   // a float ulp of longitude is ~0.6 m
                        if (std::fabs(lon2 - lon) > 4e-6f) {
                            ++r.inexact;
                            r.worst_seam = std::max(r.worst_seam, std::min(fo, 1.0f - fo));
                        }
                    }
        return r;
    }

    static void expect_exact(const char* what)
    {
        const Sweep r = sweep_region();
        EXPECT_EQ(r.inexact, 0) << what;
        EXPECT_EQ(r.off_x, 0) << what;
    }
};

TEST_F(Funct_MovedRegion, RoundTripAfterTheRegionMoves)
{
    // Freshly loaded: one reference for the whole region.
    RegionHistory region(40, -75);
    expect_exact("fresh");

    // Eastward: the new column keeps a different meridian and X from the two old ones; near
    // the northern edge the old columns' degree is narrower than the southern-edge width, so
    // the column guessed from the region's width is the wrong one near the seam.
    region.east();
    expect_exact("after east");
    region.north();
    expect_exact("after east, north");

    RegionHistory westward(40, -75);
    westward.west();
    westward.west();
    expect_exact("after west, west");

    // Moved east on the equator, then south across it.
    RegionHistory equator(-1, 170);
    equator.north();
    equator.east();
    equator.south();
    expect_exact("equator");
}

TEST_F(Funct_MovedRegion, OverlappingQuadrantsStillGiveALongitudeOfThatX)
{
    // Moving east at one latitude and back west at another leaves two quadrants of a row
    // with references about a kilometre apart, so a strip along their seam is claimed by
    // both. There the X alone cannot tell the two longitudes apart: either is accepted, as
    // long as it leads back to the same X. Everywhere else the round trip is exact.
    RegionHistory region(40, -75);
    region.east();
    region.north();
    region.west();
    const Sweep r = sweep_region();
    EXPECT_EQ(r.off_x, 0);
    EXPECT_GT(r.inexact, 0);              // the strip exists in this history
    EXPECT_LT(r.worst_seam, 0.02f);       // and is no wider than the references' offset
}

TEST_F(Funct_MovedRegion, RowOnANegativeWholeDegreeIsTheOneXWasFoundIn)
{
    // South of the equator: latitude -33.0 exactly belongs to the southern row (its cell is
    // found by rounding lat - 0.5), and the rows keep different references after the moves.
    RegionHistory region(-35, 150);
    region.east();
    region.north();   // rows -34..-33 (old references) and -33..-32 (fresh)
    ASSERT_NE(env.planex_ref[0][0], env.planex_ref[0][1]);
    for (float lon : {151.5f, 152.5f, 153.25f}) {
        for (float lat : {-33.0f, -33.5f, -32.5f, -32.0001f}) {
            const double x = X_with_latlon(lat, lon);
            const double z = Z_with_lat(lat);
            EXPECT_FLOAT_EQ(lon_with_xz(x, z), lon) << lat << " " << lon;
        }
    }
}

TEST_F(Funct_MovedRegion, SeamsAndFarPointsGiveFiniteNearbyLongitudes)
{
    RegionHistory region(50, 5);
    region.east();
    region.north();
    // X between the east edge of one quadrant and the west edge of the next (their
    // references differ): whichever side is taken, the longitude is at that seam.
    const float lat = 51.8f;   // the row read before the move north
    const double z = Z_with_lat(lat);
    const double x_left = X_with_latlon(lat, 7.99999f);
    const double x_right = X_with_latlon(lat, 8.0f);
    ASSERT_GT(x_right - x_left, 100.0);   // a gap, not a shared edge
    const float mid = lon_with_xz(0.5 * (x_left + x_right), z);
    EXPECT_NEAR(mid, 8.0f, 0.05f);
    // Far outside, the nearest cell extends; nothing is read beyond the tables.
    EXPECT_GT(lon_with_xz(env.hix + 1e6, z), 15.0f);
    EXPECT_LT(lon_with_xz(env.lox - 1e6, z), 0.0f);
    EXPECT_TRUE(std::isfinite(X_with_latlon(1e30f, -1e30f)));
}

// ---------------------------------------------------------------- wind layers

TEST(Funct_WindLayers, LayerSpeedsAreMetresPerSecondUpToTheKnotLimits)
{
    set_constants();
    seed_rand(777);
    atm = atmospherestruct{};
    atm.wind_tbl = 5.0f;   // the most severe setting: targets up to 90 and 30 knots
    const float kts = con.ktstomsc;
    float top_spd = 0.0f, top_shr = 0.0f;
    for (int r = 0; r < 60; ++r) {
        assign_wind_tbl(1.0f);
        for (int c = 0; c < 9; ++c) {
            EXPECT_LE(atm.wndspd[c], 90.0f * kts + 1e-3f);
            EXPECT_LE(atm.shrspd[c], 30.0f * kts + 1e-3f);
            top_spd = std::max(top_spd, atm.wndspd[c]);
            top_shr = std::max(top_shr, atm.shrspd[c]);
        }
    }
    EXPECT_GT(top_spd, 80.0f * kts);   // the whole range is used
    EXPECT_GT(top_shr, 25.0f * kts);
}

}  // namespace
}  // namespace orv
