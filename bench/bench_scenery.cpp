// Scenery speed: one generated quadrant, a full region load from the cache, one region shift
// with and without its new quadrants cached, and the cold start of a new user (no scenery
// source loaded, empty cache). Needs the build's scenery source and navigation data.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>

#include "2-QZutils/qz_file.h"
#include "2-QZutils/qz_funct.h"
#include "2-QZutils/records.h"
#include "world/nav_db.h"
#include "world/region.h"
#include "world/region_shift.h"
#include "world/scenery_cache.h"
#include "world/scenery_gen.h"
#include "world/terrain_grid.h"

using namespace orv;

namespace {

const std::string source_path = std::string(ORV_BINARY_DIR) + "/scenery/earth.dat";
std::string cache_dir;

// The program's data tree, the navigation data, a scratch cache; the corner round KSBD.
bool ready(benchmark::State& state)
{
    static int done = 0, ok = 0;
    if (!done) {
        done = 1;
        set_constants();
        init_trig_tables();
        set_app_path(ORV_BINARY_DIR);
        cache_dir = (std::filesystem::temp_directory_path() / "orv_bench_scenery").string();
        std::filesystem::remove_all(cache_dir);
        std::filesystem::create_directories(cache_dir);
        scenery_cache_set_dir(cache_dir.c_str());
        region_set_generation(1);
        init_country_data();
        ok = std::filesystem::exists(source_path) && env.aptmax > 0;
    }
    if (!ok) state.SkipWithError("needs the build's scenery source and navigation data");
    return ok;
}

void ksbd_corner()
{
    env.lat_sou = 33;
    env.lon_wes = -119;
    flt.Y = 0;
}

void drop_cached(int lat, int lon)
{
    char name[64];
    return_latlon_str_ENV(lat, lon, name, 1);
    std::string n = name;
    n[n.find('\\')] = '/';
    std::filesystem::remove(cache_dir + "/" + n);
}

void BM_GenerateTile(benchmark::State& state)
{
    if (!ready(state)) return;
    if (!scenery_source_ready()) scenery_source_load(source_path.c_str());
    static float elev[QUAD_PTS_LAT * QUAD_PTS_LON];
    static int flags[QUAD_PTS_LAT * QUAD_PTS_LON];
    // Coast, mountains, a fjord coast and a dense airport field.
    static const int tiles[4][2] = {{33, -119}, {39, -106}, {60, 5}, {35, 139}};
    int k = 0;
    for (auto _ : state) {
        generate_tile(tiles[k][0], tiles[k][1], elev, flags);
        benchmark::DoNotOptimize(elev[0]);
        k = (k + 1) % 4;
    }
}
BENCHMARK(BM_GenerateTile)->Unit(benchmark::kMillisecond);

void BM_LoadRegionCached(benchmark::State& state)
{
    if (!ready(state)) return;
    ksbd_corner();
    load_region();   // fills the cache
    for (auto _ : state) {
        ksbd_corner();
        load_region();
    }
}
BENCHMARK(BM_LoadRegionCached)->Unit(benchmark::kMillisecond);

// One shift north: three new quadrants, generated in the frame (arg 1: the aircraft got there
// before the worker made them), made ahead by the worker while the flight went on (arg 2), or
// cached from an earlier flight (arg 0).
void BM_ShiftNorth(benchmark::State& state)
{
    if (!ready(state)) return;
    const int mode = (int)state.range(0);
    for (auto _ : state) {
        state.PauseTiming();
        scenery_cache_ahead_settle();
        if (mode == 2)
            for (int q = 0; q < 3; q++) drop_cached(35, -119 + q);
        ksbd_corner();
        load_region();
        if (mode == 1)
            for (int q = 0; q < 3; q++) drop_cached(35, -119 + q);
        scenery_cache_ahead_settle();
        state.ResumeTiming();
        shift_region(REGION_NORTH);   // the scene's shift
    }
}
BENCHMARK(BM_ShiftNorth)->Arg(1)->Arg(2)->Arg(0)->Unit(benchmark::kMillisecond);

// A new user: the source not yet loaded and nothing in the cache, six quadrants to make.
void BM_ColdStartRegion(benchmark::State& state)
{
    if (!ready(state)) return;
    for (auto _ : state) {
        state.PauseTiming();
        scenery_cache_ahead_drop();
        scenery_source_unload();
        std::filesystem::remove_all(cache_dir);
        std::filesystem::create_directories(cache_dir);
        scenery_cache_set_dir(cache_dir.c_str());
        ksbd_corner();
        state.ResumeTiming();
        load_region();
    }
}
BENCHMARK(BM_ColdStartRegion)->Unit(benchmark::kMillisecond)->Iterations(3);

// Ground height on the loaded region round KSBD: random points anywhere on it (arg 0), and
// the contact points of an aircraft rolling and climbing out (arg 1: points a few metres
// apart, as every half-step asks). Arg 2 and 3: the same through the ring search over the
// cells, the lookup the direct one replaced.
// One ground lookup an iteration, round the 4096 points.
void time_lookups(benchmark::State& state, const float (*pts)[2], bool searched)
{
    int n = 0;
    for (auto _ : state) {
        int i, j;
        const float* p = pts[n++ & 4095];
        benchmark::DoNotOptimize(searched ? find_local_h_searched(p[0], p[1], &i, &j, 1)
                                          : find_local_h(p[0], p[1], &i, &j, 1));
    }
}

void BM_FindLocalH(benchmark::State& state)
{
    if (!ready(state)) return;
    static int loaded;   // once: the load's own lookups are not what is measured
    if (!loaded) {
        loaded = 1;
        ksbd_corner();
        load_region();
    }
    const bool track = state.range(0) % 2 == 1, searched = state.range(0) >= 2;
    static float pts[4096][2];
    std::mt19937 rng(7);
    std::uniform_real_distribution<float> ux(env.lox, env.hix), uz(env.loz, env.hiz);
    float x = 0.5f * (env.lox + env.hix), z = 0.5f * (env.loz + env.hiz);
    for (auto& p : pts) {
        if (track) {
            x += 2.5f;   // 50 m/s over a 0.025 s half-step, toward the north-east
            z -= 1.0f;
        } else {
            x = ux(rng);
            z = uz(rng);
        }
        p[0] = x;
        p[1] = z;
    }
    time_lookups(state, pts, searched);
}
BENCHMARK(BM_FindLocalH)->Arg(0)->Arg(1)->Arg(2)->Arg(3);

// The ground lookup in a region from the South Pole to 88 S, whose cells are slivers and whose
// three degrees of longitude are a wedge: points on the wedge (0) and walking off it (1).
// Runs after the others: it leaves its own mesh behind.
void BM_FindLocalHAtThePole(benchmark::State& state)
{
    const double mpd = 60.0 * 1852.0, deg = M_PI / 180.0;
    for (int i = 0; i < TER_I; i++)
        for (int j = 0; j < TER_J; j++) {
            planexyz[i][j][0] = (float)(i / 59.0 * mpd * std::cos((-90.0 + j / 79.0) * deg));
            planexyz[i][j][1] = 2800.0f + (j > 0 ? 5.0f * std::sin(i * 0.7f) : 0.0f);
            planexyz[i][j][2] = (float)(-j / 79.0 * mpd);
        }
    imaxindex = TER_I - 1;
    jmaxindex = TER_J - 1;
    env.over_carr = env.over_frig = env.over_obs = 0;
    static float pts[4096][2];
    float x = 0.5f * planexyz[TER_I - 1][10][0], z = planexyz[0][10][2];
    for (auto& p : pts) {
        x += state.range(0) ? 2.5f : 0.0f;   // 50 m/s eastward over a 0.025 s half-step
        z -= 0.3f;
        p[0] = x;
        p[1] = z;
    }
    time_lookups(state, pts, false);
}
BENCHMARK(BM_FindLocalHAtThePole)->Arg(0)->Arg(1);

}  // namespace
