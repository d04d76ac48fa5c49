// weather_gen.h -- generated weather of the region: the fractal weather grid (atm.wxr) per
// quadrant and the overcast cloud deck per sector, both from one fractal-noise routine.
#pragma once

namespace orv {

constexpr int WXR_PER_DEG = 210;              // weather grid intervals per degree
constexpr int WXR_I = 3 * WXR_PER_DEG + 1;    // 631 points east
constexpr int WXR_J = 2 * WXR_PER_DEG + 1;    // 421 points north
constexpr int CLOUD_PER_SECTOR = 16;          // cloud cells per sector (and per degree)
constexpr int CLOUD_SECTORS_I = 5, CLOUD_SECTORS_J = 4;
constexpr int CLOUD_I = CLOUD_SECTORS_I * CLOUD_PER_SECTOR + 1;   // 81
constexpr int CLOUD_J = CLOUD_SECTORS_J * CLOUD_PER_SECTOR + 1;   // 65

extern float cloudxyz[CLOUD_I][CLOUD_J][3];
extern float cloudrgb[CLOUD_I][CLOUD_J][3];

// Adds fractal noise, levels level1..level2, to points i1_sec..i2_sec by j1_sec..j2_sec of
// the grid z, whose point (i, j) is z[(i * jdim + j) * tdim + t_os].
void fractalize(int i1_sec, int j1_sec, int i2_sec, int j2_sec, float* z, int jdim, int tdim,
                int t_os, float delzlo, float delzhi, int level1, int level2);

// New weather for the quadrant in slot 0..5.
void gen_wx_for_sec(int slot);

// The overcast deck of cloud sector (isec 0..4, jsec 0..3).
void fill_a_sector_with_ocast(int isec, int jsec);

}  // namespace orv
