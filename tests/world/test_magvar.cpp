// Magnetic variation: the grid compiled in from the build's grid file, the cell choice,
// the interpolation and the sign and truncation of the answer. Expected values are worked
// out here from the shipped grid's corner values.
#include <gtest/gtest.h>

#include <cmath>

#include "world/magvar.h"
#include "world/nav_db.h"

using namespace orv;

namespace {

// Grid value at latitude row lat (-60..60 by 30) and longitude lon (-180..180 by 10).
double g(int lat, int lon) { return magvar_grid[lat / 30 + 2][lon / 10 + 18]; }

// Straight line through (x1, y1) and (x2, y2) at x.
double line(double x1, double y1, double x2, double y2, double x) { return y1 + (y2 - y1) * (x - x1) / (x2 - x1); }

// The answer for a point in the cell with south-west corner (la, lo).
int expected(int la, int lo, double lat, double lon)
{
    double w = line(la, g(la, lo), la + 30, g(la + 30, lo), lat);
    double e = line(la, g(la, lo + 10), la + 30, g(la + 30, lo + 10), lat);
    return (int)(-line(lo, w, lo + 10, e, lon));
}

}  // namespace

TEST(MagVar_Grid, ShippedGridIsTheWorldModelLayout)
{
    // The first and last columns are the same meridian.
    for (int r = 0; r < MAGVAR_ROWS; r++) EXPECT_FLOAT_EQ(magvar_grid[r][0], magvar_grid[r][MAGVAR_COLS - 1]);
    // Broad features of the field: westerly variation over north-east North America and
    // easterly over the western United States, the large easterly values south of Australia.
    EXPECT_LT(g(60, -70), -15.0);
    EXPECT_GT(g(30, -120), 5.0);
    EXPECT_GT(g(-60, 150), 30.0);
    for (int r = 0; r < MAGVAR_ROWS; r++)
        for (int c = 0; c < MAGVAR_COLS; c++) EXPECT_LT(std::fabs(magvar_grid[r][c]), 90.0f);
}

TEST(MagVar_Lookup, GridPointsGiveTheirOwnValueNegatedAndTruncated)
{
    for (int lat = -60; lat <= 60; lat += 30)
        for (int lon = -180; lon <= 180; lon += 10)
            EXPECT_EQ(find_var((float)lat, (float)lon), (int)(-g(lat, lon))) << lat << " " << lon;
    // Easterly variation reads negative: 30 N 120 W.
    EXPECT_LT(find_var(30, -120), 0);
    EXPECT_EQ(find_var(30, -120), (int)(-g(30, -120)));
}

TEST(MagVar_Lookup, InsideACellInterpolatesBetweenItsFourCorners)
{
    struct P { float lat, lon; int la, lo; } pts[] = {
        {34.1f, -117.2f, 30, -120},   // southern California
        {51.5f, -0.1f, 30, -10},      // London
        {-33.9f, 151.2f, -60, 150},   // Sydney
        {-15.0f, -47.9f, -30, -50},   // middle of the -30..0 cell
        {14.9f, 5.0f, 0, 0},
        {45.0f, 179.9f, 30, 170},     // last column pair
        {-45.0f, -180.0f, -60, -180},
    };
    for (const P& p : pts)
        EXPECT_EQ(find_var(p.lat, p.lon), expected(p.la, p.lo, p.lat, p.lon)) << p.lat << " " << p.lon;
}

TEST(MagVar_Lookup, BeyondTheOuterRowsTheLinesCarryOn)
{
    // North of 60: the 30 and 60 rows' line, extrapolated; south of -60 the -60 and -30 rows'.
    EXPECT_EQ(find_var(75, -100), expected(30, -100, 75, -100));
    EXPECT_EQ(find_var(75, -95), expected(30, -100, 75, -95));
    EXPECT_EQ(find_var(-75, 120), expected(-60, 120, -75, 120));
    double north = -(g(60, -100) + (g(60, -100) - g(30, -100)) * 0.5);
    EXPECT_EQ(find_var(75, -100), (int)north);
    // Longitudes past the date line stay in the edge cells.
    EXPECT_EQ(find_var(10, 185), expected(0, 170, 10, 185));
    EXPECT_EQ(find_var(10, -185), expected(0, -180, 10, -185));
}
