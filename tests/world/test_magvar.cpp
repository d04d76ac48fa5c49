// Magnetic variation: the grid compiled in from the build's grid file, the cell choice,
// the interpolation and the sign and truncation of the answer, worked by hand from the
// shipped grid's corner values.
#include <gtest/gtest.h>

#include <cmath>

#include "world/magvar.h"
#include "world/nav_db.h"

using namespace orv;

namespace {

// Grid value at latitude row lat (-60..60 by 30) and longitude lon (-180..180 by 10).
double g(int lat, int lon) { return magvar_grid[lat / 30 + 2][lon / 10 + 18]; }

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

// Worked by hand from the shipped 2026 grid: the cell 30..60 N, 120..110 W has the corners
// 10.95 (SW), 8.54 (SE), 17.23 (NW), 12.81 (NE); the cell 0..30 N at the date line 9.24 and
// 3.24 on 170 E, 9.97 and 6.18 on 180, 9.74 and 8.21 on 170 W (south, north).
TEST(MagVar_Lookup, InsideACellAndBeyondItsEdgesTheCornersLinesCarryOn)
{
    ASSERT_FLOAT_EQ(magvar_grid[3][6], 10.95f);        // the premise: 30 N 120 W as shipped
    ASSERT_FLOAT_EQ(magvar_grid[4][7], 12.81f);
    EXPECT_EQ(find_var(45, -115), -12);          // the cell's centre: the corners' mean, 12.38 E
    EXPECT_EQ(find_var(40, -112.5f), -10);       // 13.04 on 120 W and 9.96 on 110 W, 3/4 of the way: 10.73
    EXPECT_EQ(find_var(34.1f, -117.2f), -11);    // San Bernardino: 11.06
    EXPECT_EQ(find_var(75, -110), -14);          // north of 60 the 30..60 line runs on: 12.81 + 4.27 / 2
    EXPECT_EQ(find_var(10, 185), -9);            // past the date line the edge cell's lines: 7.24 + 1.5 * 1.47
    EXPECT_EQ(find_var(10, -185), -8);           // and the other side: 8.71 - 0.5 * 0.52
}
