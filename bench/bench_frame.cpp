// One whole frame of the simulator on the software renderer: the trainer lined up on KSBD
// runway 06 at noon under a clear sky with 20 nautical miles of visibility (arg 0), and
// cruising at 9,500 ft above an overcast from 3,000 to 5,000 ft with 40 miles of visibility
// (arg 1), drawn offscreen (EGL, Mesa surfaceless, 800 by 600) through the same start-up and
// frame as the program.
// Reports the median and 95th percentile frame time and the C++ allocations made during the
// timed frames (a counting operator new), which must be none.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <new>
#include <string>

#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/records.h"
#include "app/app_flight.h"
#include "app/app_goto.h"
#include "app/app_script_flight.h"
#include "app/app_start.h"
#include "app/app_update.h"
#include "flight/flt_init.h"
#include "platform/offscreen/egl_backend.h"
#include "platform/plat_backend.h"
#include "world/region.h"

namespace {
long news;   // operator new calls since the program started
}

// The replacements pair malloc with free; the compiler cannot see that they match.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t n)
{
    news++;
    if (void* p = std::malloc(n ? n : 1)) return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t n) { return operator new(n); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { operator delete(p); }
void operator delete[](void* p, std::size_t) noexcept { operator delete(p); }

using namespace orv;

namespace {

constexpr int TIMED_FRAMES = 300, WARM_FRAMES = 40;
double frame_ms[TIMED_FRAMES];

bool started()
{
    static int done = 0, ok = 0;
    if (done) return ok;
    done = 1;
    const std::string plane = std::string(ORV_BINARY_DIR) + "/Aircraft/Trainer 172/Trainer 172.acf";
    const std::string cfg = (std::filesystem::temp_directory_path() / "orv_bench_frame").string();
    std::filesystem::create_directories(cfg);
    if (!std::filesystem::exists(plane)) return 0;
    register_flight_script_commands();
    register_flight_commands();
    plat_backend_install(plat_offscreen_backend());
    plat_headless_set_frame_rate(0);
    mnw_set_dirs(ORV_BINARY_DIR, cfg.c_str());
    app_set_fixed_step(1);
    app_set_run_limits(0, 0);
    region_set_generation(1);
    app_set_start_airport("KSBD", 0);
    if (!start_simulator(nullptr, 1, 7, plane.c_str()) || plat_backend_get()->headless) return 0;
    atm.cld_type = 0;
    atm.vis_rep = 20.0f * con.nmtomtrs;
    atm.rate_change = 4;   // the weather holds still
    msc.locl_time = 12.0f * 3600.0f;
    for (int f = 0; f < WARM_FRAMES; f++) MACIBM_event_proc();
    ok = 1;
    return ok;
}

void BM_WholeFrameKSBD(benchmark::State& state)
{
    if (!started()) {
        state.SkipWithError("needs the offscreen renderer, the stock trainer and the navigation data");
        return;
    }
    if (state.range(0) == 1) {
        atm.cld_type = 1;
        atm.baseMSL = 3000.0f * con.fttomtrs;
        atm.topsMSL = 5000.0f * con.fttomtrs;
        atm.vis_rep = 40.0f * con.nmtomtrs;
        set.cus_X = (float)flt.X;
        set.cus_Z = (float)flt.Z;
        set.cus_Y = 9500.0f * con.fttomtrs;
        set.cus_psi = 60.0f;
        set.cus_v = 110.0f * con.ktstomsc;
        set_fltvars(10);
        for (int f = 0; f < WARM_FRAMES; f++) MACIBM_event_proc();
    }
    int n = 0;
    const long news_before = news;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        MACIBM_event_proc();   // flight step, scene, panel, menus, present (glFinish)
        const auto t1 = std::chrono::steady_clock::now();
        if (n < TIMED_FRAMES) frame_ms[n++] = std::chrono::duration<double, std::milli>(t1 - t0).count();
    }
    const long allocs = news - news_before;
    std::sort(frame_ms, frame_ms + n);
    state.counters["median_ms"] = frame_ms[n / 2];
    state.counters["p95_ms"] = frame_ms[std::min(n - 1, (int)(0.95 * n))];
    state.counters["allocs_per_frame"] = n ? (double)allocs / n : 0.0;
    state.counters["allocs_before"] = (double)news_before;   // the counter does count: start-up
    state.counters["vis_nm"] = atm.vis_eff / con.nmtomtrs;
}
BENCHMARK(BM_WholeFrameKSBD)->Arg(0)->Arg(1)->Iterations(TIMED_FRAMES)->Unit(benchmark::kMillisecond);

}  // namespace
