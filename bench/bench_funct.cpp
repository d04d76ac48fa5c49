// Ground height over a full region mesh and weather-line decoding: both run every frame
// or every few seconds, so their cost matters.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>

#include "2-QZutils/qz_funct.h"
#include "2-QZutils/records.h"
#include "world/terrain_grid.h"

using namespace orv;

static void build_region_mesh()
{
    // A region of three by two degrees: 59 and 79 intervals a degree, rolling hills.
    const float dx = 3.0f * 60.0f * 1852.0f * 0.77f / (TER_I - 1);
    const float dz = 2.0f * 60.0f * 1852.0f / (TER_J - 1);
    for (int i = 0; i < TER_I; i++)
        for (int j = 0; j < TER_J; j++) {
            planexyz[i][j][0] = dx * i;
            planexyz[i][j][2] = -dz * j;
            planexyz[i][j][1] = 300.0f + 200.0f * std::sin(i * 0.21f) * std::cos(j * 0.17f);
        }
    imaxindex = TER_I - 1;
    jmaxindex = TER_J - 1;
    env.over_carr = env.over_frig = env.over_obs = 0;
}

static void BM_FindLocalH_RandomPoints(benchmark::State& state)
{
    build_region_mesh();
    std::mt19937 rng(5);
    std::uniform_real_distribution<float> ux(0.0f, planexyz[TER_I - 1][0][0]);
    std::uniform_real_distribution<float> uz(planexyz[0][TER_J - 1][2], 0.0f);
    float pts[1024][2];
    for (auto& p : pts) {
        p[0] = ux(rng);
        p[1] = uz(rng);
    }
    int n = 0;
    for (auto _ : state) {
        int i, j;
        const float* p = pts[n++ & 1023];
        benchmark::DoNotOptimize(find_local_h(p[0], p[1], &i, &j, 1));
    }
}
BENCHMARK(BM_FindLocalH_RandomPoints);

// The worst case: a point off the mesh makes the search ring sweep every cell.
static void BM_FindLocalH_OffGrid(benchmark::State& state)
{
    build_region_mesh();
    for (auto _ : state) {
        int i, j;
        benchmark::DoNotOptimize(find_local_h(-50000.0f, 50000.0f, &i, &j, 0));
    }
}
BENCHMARK(BM_FindLocalH_OffGrid);

static void BM_DecodeWeatherLine(benchmark::State& state)
{
    set_constants();
    const char* line = "KSFO 1856 25 SCT 40 BKN 120 OVC 1 1/2 RW-F 132/58/52/2712G20/992";
    for (auto _ : state) {
        float z_time = 0, cld_base = 0, cld_tops = 0, vis = 0, temp = 0, dewp = 0;
        float wnd_dir = 0, wnd_spd = 0, wnd_gus = 0, baro = 0;
        int cld_type = 0, obs_vis = 0, obs_den = 0;
        decode_wxr(line, 4.0f, &z_time, &cld_type, &cld_base, &cld_tops, &vis, &obs_vis,
                   &obs_den, &temp, &dewp, &wnd_dir, &wnd_spd, &wnd_gus, &baro);
        benchmark::DoNotOptimize(baro);
        benchmark::DoNotOptimize(vis);
    }
}
BENCHMARK(BM_DecodeWeatherLine);
