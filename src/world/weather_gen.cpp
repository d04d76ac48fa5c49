#include "world/weather_gen.h"

#include <cmath>

#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_rand.h"
#include "2-QZutils/records.h"
#include "world/region.h"

namespace orv {

float cloudxyz[CLOUD_I][CLOUD_J][3];
float cloudrgb[CLOUD_I][CLOUD_J][3];

namespace {

constexpr float WXR_AMPLITUDE = 3.0f;
constexpr int   NOISE_LEVEL_FIRST = 1, NOISE_LEVEL_LAST = 4;
constexpr float OVERCAST_STEP_FT = 500.0f;
constexpr float CLOUD_DARKEST = 0.4f;
// Cloud indices of the region's edges: 16 cells to a degree, one degree of deck round it.
constexpr int CLOUD_WEST = 16, CLOUD_EAST = 64, CLOUD_SOUTH = 16, CLOUD_NORTH = 48;

// A value along a line through three points (lo, c, hi), taking the half the point lies in.
float along3(int k, int k1, int kc, int k2, float z1, float zc, float z2)
{
    return (k < kc) ? interp((float)k1, z1, (float)kc, zc, (float)k)
                    : interp((float)kc, zc, (float)k2, z2, (float)k);
}

// fractalize draws one number per block of each level, and level n has 2^n by 2^n blocks.
std::uint64_t fractal_draws(int level1, int level2)
{
    std::uint64_t draws = 0;
    for (int level = level1; level <= level2; level++) draws += (std::uint64_t)1 << (2 * level);
    return draws;
}

// Points ka+1..kb-1 of line r (stride t) on the straight line from r[ka] to r[kb].
void half_line_fill(float* r, int t, int ka, int kb)
{
    const float za = r[(long)ka * t], zb = r[(long)kb * t];
    const double slope = ((double)zb - za) / ((double)kb - ka);
    for (int k = ka + 1; k <= kb - 1; k++) r[(long)k * t] = (float)(za + slope * ((double)k - ka));
}

// Points of line r between k1 and k2 but kc, from the two lines through its three points.
void line_fill(float* r, int t, int k1, int kc, int k2)
{
    half_line_fill(r, t, k1, kc);
    half_line_fill(r, t, kc, k2);
}

// Points ja+1..jb-1 of row r, but none at jb's centre: the mean of the line along i through
// rows ra and rb (at_i of span_i from ra) and the line along j from za at ja to zb at jb.
void mean_fill(float* r, const float* ra, const float* rb, int t, double span_i, double at_i, int ja,
               int jb, float za, float zb)
{
    const double slope_j = ((double)zb - za) / ((double)jb - ja);
    for (int j = ja + 1; j <= jb - 1; j++) {
        const long k = (long)j * t;
        const float a = (float)(ra[k] + ((double)rb[k] - ra[k]) / span_i * at_i);
        const float b = (float)(za + slope_j * ((double)j - ja));
        r[k] = 0.5f * (a + b);
    }
}

}  // namespace

void fractalize(int i1_sec, int j1_sec, int i2_sec, int j2_sec, float* z, int jdim, int tdim,
                int t_os, float delzlo, float delzhi, int level1, int level2)
{
    // Each point between a block's edges and centre lines is the mean of two lines through
    // three points, one across i and one across j (interp's arithmetic, term for term). The
    // slope of a line along j is the same for every point of a half row, so it is taken
    // once per half row; the slope along i changes with j and is taken at every point.
    auto row = [&](int i) { return z + (long)i * jdim * tdim + t_os; };
    for (int level = level1; level <= level2; level++) {
        const int divmax = round(std::pow(2.0f, (float)level));
        const float part = 1.0f / (float)divmax;
        const int deli = (int)((float)(i2_sec - i1_sec) * part);
        const int delj = (int)((float)(j2_sec - j1_sec) * part);
        for (int idiv = 0; idiv < divmax; idiv++) {
            for (int jdiv = 0; jdiv < divmax; jdiv++) {
                const int i1 = i1_sec + idiv * deli, i2 = i1_sec + (idiv + 1) * deli;
                const int j1 = j1_sec + jdiv * delj, j2 = j1_sec + (jdiv + 1) * delj;
                const int ic = (2 * i1_sec + deli * (2 * idiv + 1)) / 2;
                const int jc = (2 * j1_sec + delj * (2 * jdiv + 1)) / 2;
                float* const centre_row = row(ic);
                centre_row[(long)jc * tdim] += fltrand(delzlo, delzhi) * part;
                for (int i = i1 + 1; i <= i2 - 1; i++)
                    if (i != ic)
                        row(i)[(long)jc * tdim] = along3(i, i1, ic, i2, row(i1)[(long)jc * tdim],
                                                         centre_row[(long)jc * tdim], row(i2)[(long)jc * tdim]);
                line_fill(centre_row, tdim, j1, jc, j2);
                for (int i = i1 + 1; i <= i2 - 1; i++) {
                    if (i == ic) continue;
                    const int lo = i < ic;
                    const float* const ra = row(lo ? i1 : ic);
                    const float* const rb = row(lo ? ic : i2);
                    const double span_i = lo ? (double)ic - i1 : (double)i2 - ic;
                    const double at_i = lo ? (double)i - i1 : (double)i - ic;
                    float* const r = row(i);
                    mean_fill(r, ra, rb, tdim, span_i, at_i, j1, jc, r[(long)j1 * tdim], r[(long)jc * tdim]);
                    mean_fill(r, ra, rb, tdim, span_i, at_i, jc, j2, r[(long)jc * tdim], r[(long)j2 * tdim]);
                }
            }
        }
    }
}

void gen_wx_for_sec(int slot)
{
    slot = intlim(slot, 0, 5);
    const int i0 = WXR_PER_DEG * (slot % 3), j0 = WXR_PER_DEG * (slot / 3);
    for (int i = i0; i <= i0 + WXR_PER_DEG; i++)
        for (int j = j0; j <= j0 + WXR_PER_DEG; j++) atm.wxr[i][j] = 0.0f;
    fractalize(i0, j0, i0 + WXR_PER_DEG, j0 + WXR_PER_DEG, &atm.wxr[0][0], WXR_J, 1, 0,
               -WXR_AMPLITUDE, WXR_AMPLITUDE, NOISE_LEVEL_FIRST, NOISE_LEVEL_LAST);
    for (int i = i0; i <= i0 + WXR_PER_DEG; i++)
        for (int j = j0; j <= j0 + WXR_PER_DEG; j++) atm.wxr[i][j] = fltlim(atm.wxr[i][j], 0.0f, 1.0f);
}

void fill_a_sector_with_ocast(int isec, int jsec)
{
    isec = intlim(isec, 0, CLOUD_SECTORS_I - 1);
    jsec = intlim(jsec, 0, CLOUD_SECTORS_J - 1);
    if (!region_drawn()) {   // only the sky's drawing shows the deck
        skip_rand(fractal_draws(NOISE_LEVEL_FIRST, NOISE_LEVEL_LAST));
        return;
    }
    const int i0 = CLOUD_PER_SECTOR * isec, j0 = CLOUD_PER_SECTOR * jsec;
    const float deltaz = OVERCAST_STEP_FT * con.fttomtrs;
    for (int i = i0; i <= i0 + CLOUD_PER_SECTOR; i++)
        for (int j = j0; j <= j0 + CLOUD_PER_SECTOR; j++) cloudxyz[i][j][1] = -deltaz;
    fractalize(i0, j0, i0 + CLOUD_PER_SECTOR, j0 + CLOUD_PER_SECTOR, &cloudxyz[0][0][0], CLOUD_J,
               3, 1, -2.0f * deltaz, 2.0f * deltaz, NOISE_LEVEL_FIRST, NOISE_LEVEL_LAST);
    for (int i = i0; i <= i0 + CLOUD_PER_SECTOR; i++) {
        for (int j = j0; j <= j0 + CLOUD_PER_SECTOR; j++) {
            cloudxyz[i][j][0] = interp((float)CLOUD_WEST, env.lox, (float)CLOUD_EAST, env.hix, (float)i);
            cloudxyz[i][j][2] = interp((float)CLOUD_SOUTH, env.hiz, (float)CLOUD_NORTH, env.loz, (float)j);
            const float grey = interp(-2.0f * deltaz, CLOUD_DARKEST, 0.0f, 1.0f, cloudxyz[i][j][1]);
            cloudrgb[i][j][0] = cloudrgb[i][j][1] = cloudrgb[i][j][2] = grey;
        }
    }
}

}  // namespace orv
