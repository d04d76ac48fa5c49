// Start-up read of the navigation database from the build's converted data tree.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "2-QZutils/qz_file.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/records.h"
#include "world/magvar.h"
#include "world/nav_db.h"

using namespace orv;

static void BM_InitCountryData(benchmark::State& state)
{
    if (!std::filesystem::exists(ORV_BINARY_DIR "/additional nav data/apt_dat")) {
        state.SkipWithError("no converted navigation data in the build tree");
        return;
    }
    set_constants();
    set_app_path(ORV_BINARY_DIR);
    int alerts = mnw_alert_count();
    for (auto _ : state) {
        init_country_data();
        benchmark::DoNotOptimize(env.navmax);
    }
    if (mnw_alert_count() != alerts) state.SkipWithError("the data raised alerts");
    state.counters["airports"] = env.aptmax + 1;
    state.counters["navaids"] = env.navmax - 1;
}
BENCHMARK(BM_InitCountryData)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

static void BM_FindVar(benchmark::State& state)
{
    float lat = -80, lon = -180;
    for (auto _ : state) {
        benchmark::DoNotOptimize(find_var(lat, lon));
        lat = lat > 80 ? -80 : lat + 0.37f;
        lon = lon > 180 ? -180 : lon + 1.13f;
    }
}
BENCHMARK(BM_FindVar);
