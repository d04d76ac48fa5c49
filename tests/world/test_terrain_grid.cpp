#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <algorithm>
#include <cstdlib>
#include <random>

#include "2-QZutils/records.h"
#include "world/terrain_grid.h"

using namespace orv;

namespace {

// A fresh mesh of ni x nj points, dx metres east per i and dz metres north per j
// (z points south, so z = -dz * j), heights from fn.
template <class F>
void make_grid(int ni, int nj, float dx, float dz, F fn)
{
    std::memset(planexyz, 0, sizeof planexyz);
    std::memset(planetex, 0, sizeof planetex);
    std::memset(on_water, 0, sizeof on_water);
    std::memset(city_on_poly, 0, sizeof city_on_poly);
    std::memset(planes, 0, sizeof planes);
    std::memset(planet, 0, sizeof planet);
    for (int i = 0; i < ni; i++)
        for (int j = 0; j < nj; j++) {
            planexyz[i][j][0] = dx * i;
            planexyz[i][j][2] = -dz * j;
            planexyz[i][j][1] = fn(i, j);
        }
    imaxindex = ni - 1;
    jmaxindex = nj - 1;
    env.over_carr = env.over_frig = env.over_obs = 0;
}

// Direction (in mesh steps) that a straight border texture's t = 1 edge faces.
void t_edge_dir(int i, int j, int* di, int* dj)
{
    *di = planet[i][j][1][0] - planet[i][j][0][0];
    *dj = planet[i][j][0][1] - planet[i][j][0][0];
}

// Corner of the cell where the texture's s = 1, t = 1 corner lies, as -1/+1 steps.
void st_corner_dir(int i, int j, int* ci, int* cj)
{
    *ci = *cj = 0;
    for (int a = 0; a < 2; a++)
        for (int b = 0; b < 2; b++)
            if (planes[i][j][a][b] == 1 && planet[i][j][a][b] == 1) {
                *ci = 2 * a - 1;
                *cj = 2 * b - 1;
            }
}

}  // namespace

// ---------------------------------------------------------------- texture classes

TEST(TerrainGrid_Borders, LakeWithIslandGetsEdgesAndCorners)
{
    make_grid(12, 12, 100, 100, [](int, int) { return 0.0f; });
    for (int i = 3; i <= 8; i++)
        for (int j = 3; j <= 8; j++) on_water[i][j] = (i == 5 && j == 5) ? 0 : 1;
    assign_terrain_texes(12, 12);

    EXPECT_EQ(planetex[1][1], 13u);
    EXPECT_EQ(planetex[5][5], 13u);   // the island stays land
    EXPECT_EQ(planetex[6][7], 12u);   // open water

    int a, b;
    // Lake shores: straight edges facing the land.
    EXPECT_EQ(planetex[3][6], 15u);
    t_edge_dir(3, 6, &a, &b);
    EXPECT_EQ(a, -1);
    EXPECT_EQ(b, 0);
    EXPECT_EQ(planetex[8][6], 15u);
    t_edge_dir(8, 6, &a, &b);
    EXPECT_EQ(a, 1);
    EXPECT_EQ(b, 0);
    EXPECT_EQ(planetex[6][8], 15u);
    t_edge_dir(6, 8, &a, &b);
    EXPECT_EQ(a, 0);
    EXPECT_EQ(b, 1);
    EXPECT_EQ(planetex[7][3], 15u);
    t_edge_dir(7, 3, &a, &b);
    EXPECT_EQ(a, 0);
    EXPECT_EQ(b, -1);

    // Lake corners: inside corners, land on both sides.
    const int corners[4][4] = {{3, 3, -1, -1}, {3, 8, -1, 1}, {8, 3, 1, -1}, {8, 8, 1, 1}};
    for (const auto& c : corners) {
        EXPECT_EQ(planetex[c[0]][c[1]], 16u) << c[0] << "," << c[1];
        st_corner_dir(c[0], c[1], &a, &b);
        EXPECT_EQ(a, c[2]);
        EXPECT_EQ(b, c[3]);
    }

    // Around the island: straight edges beside it, outside corners on its diagonals.
    EXPECT_EQ(planetex[4][5], 15u);
    t_edge_dir(4, 5, &a, &b);
    EXPECT_EQ(a, 1);
    EXPECT_EQ(b, 0);
    EXPECT_EQ(planetex[5][4], 15u);
    t_edge_dir(5, 4, &a, &b);
    EXPECT_EQ(a, 0);
    EXPECT_EQ(b, 1);
    const int diag[4][4] = {{4, 4, 1, 1}, {6, 6, -1, -1}, {4, 6, 1, -1}, {6, 4, -1, 1}};
    for (const auto& d : diag) {
        EXPECT_EQ(planetex[d[0]][d[1]], 17u) << d[0] << "," << d[1];
        st_corner_dir(d[0], d[1], &a, &b);
        EXPECT_EQ(a, d[2]);
        EXPECT_EQ(b, d[3]);
    }

    // Land keeps the unturned pattern.
    EXPECT_EQ(planes[1][1][1][0], 1);
    EXPECT_EQ(planet[1][1][0][1], 1);
    EXPECT_EQ(planes[1][1][0][1], 0);
}

TEST(TerrainGrid_Borders, SlopePairingCityLightsAndSteepShores)
{
    // Flat for i <= 5, a 45 degree climb beyond: cells from i = 5 on are steep.
    make_grid(14, 10, 100, 100, [](int i, int) { return i > 5 ? 100.0f * (i - 5) : 0.0f; });
    for (int i = 0; i < 14; i++)
        for (int j = 0; j < 10; j++) city_on_poly[i][j] = 1;
    assign_terrain_texes(14, 10);

    EXPECT_EQ(planetex[3][4], 13u);
    EXPECT_EQ(planetex[5][4], 13u);   // paired with flat cell 4
    EXPECT_EQ(planetex[6][4], 18u);   // steep cell facing the flat land
    int a, b;
    t_edge_dir(6, 4, &a, &b);
    EXPECT_EQ(a, -1);
    EXPECT_EQ(b, 0);
    EXPECT_EQ(planetex[8][4], 14u);
    EXPECT_EQ(city_on_poly[4][4], 1);
    EXPECT_EQ(city_on_poly[8][4], 0);

    // Water lying at the foot of the slope borders on steep land.
    make_grid(14, 10, 100, 100, [](int i, int) { return i > 5 ? 100.0f * (i - 5) : 0.0f; });
    for (int i = 0; i <= 4; i++)
        for (int j = 0; j < 10; j++) on_water[i][j] = 1;
    assign_terrain_texes(14, 10);
    EXPECT_EQ(planetex[2][4], 12u);
    EXPECT_EQ(planetex[4][4], 21u);
    t_edge_dir(4, 4, &a, &b);
    EXPECT_EQ(a, 1);
    EXPECT_EQ(b, 0);
    EXPECT_EQ(planetex[5][4], 14u);   // no flat partner beside water: stays steep
}

TEST(TerrainGrid_Borders, WaterAgainstSteepAndCoastSet)
{
    make_grid(10, 10, 100, 100, [](int, int) { return 0.0f; });
    for (int i = 0; i < 10; i++)
        for (int j = 0; j < 10; j++) {
            planetex[i][j] = (i <= 4) ? 12u : 14u;
        }
    new_border(12, 14, 13, 21, 22, 23, 15, 16, 17, 10, 10);
    EXPECT_EQ(planetex[4][5], 21u);
    EXPECT_EQ(planetex[3][5], 12u);
    EXPECT_EQ(planetex[5][5], 14u);
    EXPECT_EQ(coast(4, 5), 1);
    EXPECT_EQ(coast(5, 5), 0);
    EXPECT_EQ(coast(-1, 5), 0);
    EXPECT_EQ(coast(500, 5), 0);
    // Outside the interior the cells are never touched.
    EXPECT_EQ(planetex[4][0], 12u);
}

// ---------------------------------------------------------------- ground height

TEST(TerrainGrid_Height, InsideCwRegSides)
{
    // Heading north (z falling): the inner side is east.
    EXPECT_EQ(inside_cw_reg(0, 0, 0, -100, 10, -50, 1), 1);
    EXPECT_EQ(inside_cw_reg(0, 0, 0, -100, -10, -50, 1), 0);
    EXPECT_EQ(inside_cw_reg(0, 0, 0, -100, -0.5f, -50, 1), 1);   // within the margin
    // Heading east: the inner side is south (+z).
    EXPECT_EQ(inside_cw_reg(0, 0, 100, 0, 50, 10, 1), 1);
    EXPECT_EQ(inside_cw_reg(0, 0, 100, 0, 50, -10, 1), 0);
    // Heading west and south reverse the sense.
    EXPECT_EQ(inside_cw_reg(100, 0, 0, 0, 50, -10, 1), 1);
    EXPECT_EQ(inside_cw_reg(0, -100, 0, 0, -10, -50, 1), 1);
    // A diagonal heading south-west: the inner side is north-west.
    EXPECT_EQ(inside_cw_reg(100, -100, 0, 0, 20, -60, 0), 1);
    EXPECT_EQ(inside_cw_reg(100, -100, 0, 0, 60, -20, 0), 0);
    EXPECT_EQ(inside_cw_reg(5, 5, 5, 5, 5, 5, 1), 0);   // no edge
}

TEST(TerrainGrid_Height, InsideOnEdgeAndVertexOfARaisedPoint)
{
    make_grid(6, 5, 100, 100, [](int i, int j) { return (i == 2 && j == 2) ? 50.0f : 0.0f; });
    int i = -1, j = -1;
    EXPECT_NEAR(find_local_h(180, -120, &i, &j, 0), 10.0f, 1e-3);   // south-east half
    EXPECT_EQ(i, 1);
    EXPECT_EQ(j, 1);
    EXPECT_NEAR(find_local_h(120, -180, &i, &j, 0), 10.0f, 1e-3);   // north-west half
    EXPECT_EQ(i, 1);
    EXPECT_EQ(j, 1);
    EXPECT_NEAR(find_local_h(200, -150, &i, &j, 0), 25.0f, 1e-3);   // on a cell edge
    EXPECT_NEAR(find_local_h(200, -200, &i, &j, 0), 50.0f, 1e-3);   // on the vertex
    EXPECT_NEAR(find_local_h(350, -350, &i, &j, 0), 0.0f, 1e-3);
    EXPECT_EQ(i, 3);
    EXPECT_EQ(j, 3);
    EXPECT_NEAR(find_local_h(499.5f, -399.5f, &i, &j, 0), 0.0f, 1e-3);   // last cell
    EXPECT_EQ(i, 4);
    EXPECT_EQ(j, 3);
}

TEST(TerrainGrid_Height, OutsideTheGridExtrapolatesTheNearestGuess)
{
    auto plane = [](float x, float z) { return 3.0f + 0.02f * x - 0.01f * z; };
    make_grid(6, 5, 100, 100, [&](int i, int j) { return plane(100.0f * i, -100.0f * j); });
    const float pts[][2] = {{-5000, 200}, {99999, -99999}, {250, 1e7f}, {-1e30f, 1e30f}};
    for (const auto& p : pts) {
        int i = -1, j = -1;
        const float h = find_local_h(p[0], p[1], &i, &j, 0);
        EXPECT_GE(i, 0);
        EXPECT_LE(i, 4);
        EXPECT_GE(j, 0);
        EXPECT_LE(j, 3);
        if (std::fabs(p[0]) < 1e6f) {
            EXPECT_NEAR(h, plane(p[0], p[1]), 1e-4f * (std::fabs(p[0]) + std::fabs(p[1])) + 1e-2f);
        }
    }
    int i, j;
    EXPECT_NEAR(find_local_h(-0.5f, 0.5f, &i, &j, 0), plane(-0.5f, 0.5f), 1e-3);   // margin
    EXPECT_EQ(i, 0);
    EXPECT_EQ(j, 0);
    EXPECT_TRUE(std::isfinite(find_local_h(NAN, 0, &i, &j, 0)));
}

TEST(TerrainGrid_Height, DegenerateGridsAreSafe)
{
    make_grid(4, 4, 0, 0, [](int, int) { return 7.0f; });   // every point at one spot
    int i = -1, j = -1;
    float h = find_local_h(10, -10, &i, &j, 0);
    EXPECT_FLOAT_EQ(h, 7.0f);
    EXPECT_EQ(i, 0);
    EXPECT_EQ(j, 0);

    make_grid(4, 4, 100, 0, [](int i, int) { return 1.0f * i; });   // no extent north
    h = find_local_h(150, 0, &i, &j, 0);
    EXPECT_TRUE(std::isfinite(h));

    make_grid(1, 1, 100, 100, [](int, int) { return 4.0f; });   // a single point
    EXPECT_FLOAT_EQ(find_local_h(0, 0, &i, &j, 0), 4.0f);
    EXPECT_EQ(i, 0);
    imaxindex = 5000;   // absurd counts stay inside the arrays
    jmaxindex = -3;
    EXPECT_FLOAT_EQ(find_local_h(0, 0, &i, &j, 0), 4.0f);
}

TEST(TerrainGrid_Height, ShipDecksAndObstacles)
{
    make_grid(6, 5, 100, 100, [](int, int) { return 2.0f; });
    con.BOAT_loc_X = 200;
    con.BOAT_loc_Y = 1;
    con.BOAT_loc_Z = -200;
    con.cosBOATphi = con.cosBOATthe = 1;
    con.sinBOATphi = con.sinBOATthe = 0;
    int i, j;
    env.over_carr = 1;
    EXPECT_NEAR(find_local_h(210, -190, &i, &j, 1), 22.0f, 1e-4);
    EXPECT_NEAR(find_local_h(210, -190, &i, &j, 0), 2.0f, 1e-4);   // terrain only
    EXPECT_EQ(i, 2);
    EXPECT_EQ(j, 1);

    // Rolled 0.1 rad and pitched 0.05 rad: the deck tilts with them.
    const float r = 0.1f, p = 0.05f;
    con.cosBOATphi = std::cos(r);
    con.sinBOATphi = std::sin(r);
    con.cosBOATthe = std::cos(p);
    con.sinBOATthe = std::sin(p);
    const float expect = std::cos(r) * std::cos(p) * 21 + 1 - 10 * std::tan(r) - 10 * std::tan(p);
    EXPECT_NEAR(find_local_h(210, -190, &i, &j, 1), expect, 1e-3);

    env.over_carr = 0;
    env.over_frig = 1;
    con.cosBOATphi = con.cosBOATthe = 1;
    con.sinBOATphi = con.sinBOATthe = 0;
    EXPECT_NEAR(find_local_h(210, -190, &i, &j, 1), 8.0f, 1e-4);
    env.over_frig = 0;
    env.over_obs = 1;
    env.obj_height = 123.0f;
    EXPECT_NEAR(find_local_h(210, -190, &i, &j, 1), 123.0f, 1e-4);
    env.over_obs = 0;
}

TEST(TerrainGrid_Height, FullGridAgreesWithDirectTriangleHeight)
{
    std::mt19937 rng(11);
    std::uniform_real_distribution<float> hgt(0.0f, 300.0f);
    const float dx = 1900.0f, dz = 1400.0f;
    make_grid(TER_I, TER_J, dx, dz, [&](int, int) { return hgt(rng); });
    std::uniform_real_distribution<float> ux(0.0f, dx * (TER_I - 1)), uz(-dz * (TER_J - 1), 0.0f);
    for (int n = 0; n < 3000; n++) {
        const float x = ux(rng), z = uz(rng);
        // The cell and triangle by plain arithmetic on the regular mesh.
        const int ci = std::min((int)(x / dx), TER_I - 2);
        const int cj = std::min((int)(-z / dz), TER_J - 2);
        const float fx = x / dx - ci, fj = -z / dz - cj;
        const float h00 = planexyz[ci][cj][1], h10 = planexyz[ci + 1][cj][1];
        const float h01 = planexyz[ci][cj + 1][1], h11 = planexyz[ci + 1][cj + 1][1];
        const float want = (fx >= fj) ? h00 + fx * (h10 - h00) + fj * (h11 - h10)
                                      : h00 + fj * (h01 - h00) + fx * (h11 - h01);
        int i = -1, j = -1;
        const float h = find_local_h(x, z, &i, &j, 0);
        ASSERT_NEAR(h, want, 1.0f) << x << "," << z;
        ASSERT_LE(std::abs(i - ci), 1);
        ASSERT_LE(std::abs(j - cj), 1);
    }
}

namespace {

// Mesh with the given x of each row and z = -100 j; height bumpy enough that the planes
// of neighbouring triangles differ everywhere off their shared edges.
void make_mesh(const float* xs, int ni, int nj)
{
    std::memset(planexyz, 0, sizeof planexyz);
    for (int i = 0; i < ni; i++)
        for (int j = 0; j < nj; j++) {
            planexyz[i][j][0] = xs[i];
            planexyz[i][j][2] = -100.0f * j;
            planexyz[i][j][1] = (float)(7 * i * i + 3 * j * j + 5 * i * j + ((i + j) % 2) * 40);
        }
    imaxindex = ni - 1;
    jmaxindex = nj - 1;
    env.over_carr = env.over_frig = env.over_obs = 0;
}

// Height of the plane through three mesh points at (x, z), solved directly.
float plane_at(int i1, int j1, int i2, int j2, int i3, int j3, float x, float z)
{
    const float* a = planexyz[i1][j1];
    const float* b = planexyz[i2][j2];
    const float* c = planexyz[i3][j3];
    const double det = (double)(b[0] - a[0]) * (c[2] - a[2]) - (double)(c[0] - a[0]) * (b[2] - a[2]);
    const double u = ((x - a[0]) * (double)(c[2] - a[2]) - (c[0] - a[0]) * (double)(z - a[2])) / det;
    const double v = ((b[0] - a[0]) * (double)(z - a[2]) - (x - a[0]) * (double)(b[2] - a[2])) / det;
    return (float)(a[1] + u * (b[1] - a[1]) + v * (c[1] - a[1]));
}

float tri_height(int i, int j, int tri, float x, float z)
{
    int i1, j1, i2, j2, i3, j3;
    convert_ij_dxy(i, j, tri, &i1, &j1, &i2, &j2, &i3, &j3);
    return plane_at(i1, j1, i2, j2, i3, j3, x, z);
}

}  // namespace

TEST(TerrainGrid_RingSearch, LastTriangleTestedInTheFirstRingWithAHitAnswers)
{
    // Rows crowd at the west, so the first guess (x spread evenly to the last row) lands in
    // row 0 while the point lies just past row 1's east edge.
    const float xs[6] = {0, 10, 20, 30, 40, 500};
    make_mesh(xs, 6, 5);
    const float x = 20.5f, z = -200.5f;   // half a metre into cell (2, 2), on its SW corner

    // Ring 1 around the guess (0, 2) is the first to hold the point (within the one-metre
    // margin): triangles 0 and 1 of cell (1, 1) and triangle 1 of cell (1, 2). Row 1 is
    // read column by column, so (1, 2) triangle 1 is the last one tested. Cell (2, 2), which
    // really holds the point, is only in ring 2 and is never reached.
    int i = -1, j = -1;
    const float h = find_local_h(x, z, &i, &j, 0);
    EXPECT_EQ(i, 1);
    EXPECT_EQ(j, 2);
    EXPECT_NEAR(h, tri_height(1, 2, 1, x, z), 1e-3);
    // The candidates give different answers, so the choice is visible.
    EXPECT_GT(std::fabs(tri_height(1, 1, 1, x, z) - h), 0.01f);
    EXPECT_GT(std::fabs(tri_height(1, 1, 0, x, z) - h), 0.01f);
    EXPECT_GT(std::fabs(tri_height(2, 2, 0, x, z) - h), 0.01f);
}

TEST(TerrainGrid_RingSearch, OnTheDiagonalTriangleOneAnswers)
{
    const float xs[5] = {0, 100, 200, 300, 400};
    make_mesh(xs, 5, 5);
    // Cell (1, 1) spans x 100..200, z -100..-200; its diagonal runs from (100, -100) to
    // (200, -200). Half a metre off it on either side lies in both triangles (margin).
    for (float off : {-0.5f, 0.5f}) {
        const float x = 150.0f + off, z = -150.0f;
        int i = -1, j = -1;
        const float h = find_local_h(x, z, &i, &j, 0);
        EXPECT_EQ(i, 1);
        EXPECT_EQ(j, 1);
        EXPECT_NEAR(h, tri_height(1, 1, 1, x, z), 1e-3) << off;
        EXPECT_GT(std::fabs(tri_height(1, 1, 0, x, z) - h), 0.01f) << off;
    }
}

TEST(TerrainGrid_RingSearch, NoTriangleAnywhereUsesTheGuessWithTriangleZero)
{
    const float xs[5] = {0, 100, 200, 300, 400};
    make_mesh(xs, 5, 5);
    // Far north-east of the mesh: the guess is held to the last cell (3, 3).
    const float x = 900.0f, z = -1500.0f;
    int i = -1, j = -1;
    const float h = find_local_h(x, z, &i, &j, 0);
    EXPECT_EQ(i, 3);
    EXPECT_EQ(j, 3);
    EXPECT_NEAR(h, tri_height(3, 3, 0, x, z), 1e-2);
    EXPECT_GT(std::fabs(tri_height(3, 3, 1, x, z) - h), 1.0f);
}

// The ring search against a plain enumeration of the same rings: every cell whose ring
// distance from the guess is r, rows ascending, columns ascending, triangle 0 then 1.
TEST(TerrainGrid_RingSearch, AgreesWithAPlainRingEnumeration)
{
    std::mt19937 rng(5);
    std::uniform_real_distribution<float> step(5.0f, 200.0f), hgt(0.0f, 900.0f), u01(0.0f, 1.0f);
    for (int mesh = 0; mesh < 20; mesh++) {
        const int ni = 3 + (int)(u01(rng) * 14), nj = 3 + (int)(u01(rng) * 14);
        float xs[TER_I], zs[TER_J];
        xs[0] = 0;
        zs[0] = 0;
        for (int i = 1; i < ni; i++) xs[i] = xs[i - 1] + step(rng);
        for (int j = 1; j < nj; j++) zs[j] = zs[j - 1] - step(rng);
        std::memset(planexyz, 0, sizeof planexyz);
        for (int i = 0; i < ni; i++)
            for (int j = 0; j < nj; j++) {
                planexyz[i][j][0] = xs[i];
                planexyz[i][j][2] = zs[j];
                planexyz[i][j][1] = hgt(rng);
            }
        imaxindex = ni - 1;
        jmaxindex = nj - 1;
        env.over_carr = env.over_frig = env.over_obs = 0;
        const int imx = ni - 1, jmx = nj - 1;

        for (int n = 0; n < 300; n++) {
            // Mostly on or near mesh lines (where several triangles claim the point), some
            // anywhere, some outside.
            float x = xs[(int)(u01(rng) * (ni - 1))] + (u01(rng) - 0.5f) * 3.0f;
            float z = zs[(int)(u01(rng) * (nj - 1))] + (u01(rng) - 0.5f) * 3.0f;
            if (n % 3 == 1) x = (u01(rng) * 1.2f - 0.1f) * xs[imx];
            if (n % 3 == 2) z = (u01(rng) * 1.2f - 0.1f) * zs[jmx];

            int gi = (int)(x / xs[imx] * imx), gj = (int)(z / zs[jmx] * jmx);
            gi = std::min(std::max(gi, 0), imx - 1);
            gj = std::min(std::max(gj, 0), jmx - 1);
            int wi = gi, wj = gj, wt = 0, hit = 0;
            for (int r = 0; !hit && r < std::max(imx, jmx); r++)
                for (int ci = 0; ci < imx; ci++)
                    for (int cj = 0; cj < jmx; cj++) {
                        if (std::max(std::abs(ci - gi), std::abs(cj - gj)) != r) continue;
                        for (int tri = 0; tri < 2; tri++) {
                            int i1, j1, i2, j2, i3, j3;
                            convert_ij_dxy(ci, cj, tri, &i1, &j1, &i2, &j2, &i3, &j3);
                            // Edges in the order the cell's triangle is walked.
                            const float* a = planexyz[ci][cj];
                            const float* b = tri == 0 ? planexyz[ci][cj + 1] : planexyz[ci + 1][cj + 1];
                            const float* c = tri == 0 ? planexyz[ci + 1][cj + 1] : planexyz[ci + 1][cj];
                            if (inside_cw_reg(a[0], a[2], b[0], b[2], x, z, 1.0f) &&
                                inside_cw_reg(b[0], b[2], c[0], c[2], x, z, 1.0f) &&
                                inside_cw_reg(c[0], c[2], a[0], a[2], x, z, 1.0f)) {
                                hit = 1;
                                wi = ci;
                                wj = cj;
                                wt = tri;
                            }
                        }
                    }
            int i = -1, j = -1;
            const float h = find_local_h(x, z, &i, &j, 0);
            ASSERT_EQ(i, wi) << mesh << " " << x << "," << z;
            ASSERT_EQ(j, wj) << mesh << " " << x << "," << z;
            const float want = tri_height(wi, wj, wt, x, z);
            ASSERT_NEAR(h, want, 1e-3f * (1.0f + std::fabs(want))) << mesh << " " << x << "," << z;
        }
    }
}

// A region from the South Pole to 88 S: the first row is one point, the cells are slivers
// metres wide, and the region's three degrees of longitude are a narrow wedge. Beyond it the
// ground is that of the nearest edge at the same latitude, not a sliver's plane carried
// kilometres sideways.
TEST(TerrainGrid_Height, TowardAPoleTheGroundStaysBoundedOffTheWedge)
{
    const double mpd = 60.0 * 1852.0, deg = M_PI / 180.0;
    std::memset(planexyz, 0, sizeof planexyz);
    for (int i = 0; i < TER_I; i++)
        for (int j = 0; j < TER_J; j++) {
            const double lat = -90.0 + j / 79.0;
            planexyz[i][j][0] = (float)(i / 59.0 * mpd * std::cos(lat * deg));
            planexyz[i][j][2] = (float)(-j / 79.0 * mpd);
            // the pole is one point with one height
            planexyz[i][j][1] = 2800.0f + (j > 0 ? 6.0f * std::sin(i * 0.7f) : 0.0f) + 3.0f * std::cos(j * 0.4f);
        }
    imaxindex = TER_I - 1;
    jmaxindex = TER_J - 1;
    env.over_carr = env.over_frig = env.over_obs = 0;
    int i, j;
    for (int cj = 1; cj < TER_J - 1; cj += 7) {   // kilometres east and west of the wedge
        const float east = find_local_h(planexyz[TER_I - 1][cj][0] + 5000.0f, planexyz[0][cj][2], &i, &j, 0);
        EXPECT_NEAR(east, planexyz[TER_I - 1][cj][1], 0.01f) << cj;
        const float west = find_local_h(planexyz[0][cj][0] - 5000.0f, planexyz[0][cj][2], &i, &j, 0);
        EXPECT_NEAR(west, planexyz[0][cj][1], 0.01f) << cj;
    }
    EXPECT_NEAR(find_local_h(0.0f, 3000.0f, &i, &j, 0), planexyz[0][0][1], 0.01f);   // past the pole
}
