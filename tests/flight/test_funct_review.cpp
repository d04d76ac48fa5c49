// Flight support: the coordinate conversions in a region that has moved (each quadrant
// keeps the meridian and X it was loaded with), and the units of the random wind layers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "2-QZutils/qz_funct.h"
#include "2-QZutils/records.h"
#include "flight/funct.h"

namespace orv {
namespace {

constexpr double kDeg = 3.14159265358979323846 / 180.0;

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

class Funct_ReviewCoords : public ::testing::Test {
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

TEST_F(Funct_ReviewCoords, RoundTripAfterTheRegionMoves)
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

TEST_F(Funct_ReviewCoords, OverlappingQuadrantsStillGiveALongitudeOfThatX)
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

TEST_F(Funct_ReviewCoords, RowOnANegativeWholeDegreeIsTheOneXWasFoundIn)
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

TEST_F(Funct_ReviewCoords, SeamsAndFarPointsGiveFiniteNearbyLongitudes)
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

TEST(Funct_ReviewWind, LayerSpeedsAreMetresPerSecondUpToTheKnotLimits)
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
