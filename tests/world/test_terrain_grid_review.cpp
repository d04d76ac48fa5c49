// Second look at the ground-height search: which ring ends it, which of several candidate
// triangles answers, and what answers when nothing holds the point.
#include <gtest/gtest.h>

#include <cmath>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <random>

#include "2-QZutils/records.h"
#include "world/terrain_grid.h"

using namespace orv;

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
