// Half-steps of the flight model (force build-up and integration) per second for each stock
// aircraft in cruise, with every allocation counted: the step must allocate nothing.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>

#include "2-QZutils/qz_file.h"
#include "2-QZutils/records.h"
#include "aircraft/initpln.h"
#include "app/app_start.h"
#include "flight/fltcalc.h"
#include "flight/flt_init.h"
#include "flight/integ.h"

static std::atomic<long> allocations{0};

// These replace the global operators, so malloc and free do pair up; GCC sees the malloc
// through the inlined operator new and warns about the free all the same.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif
void* operator new(std::size_t n)
{
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(n ? n : 1)) return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t n)
{
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(n ? n : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

using namespace orv;

static bool start_cruise(const char* folder, float ktas, float ft)
{
    clear_records();
    set_app_path(ORV_BINARY_DIR);
    initgen();
    atm.temp_SL = 59.0f;
    atm.baro = ins.baro = 29.92f;
    const std::string path = std::string(ORV_BINARY_DIR) + "/Aircraft/" + folder + "/" + folder + ".acf";
    if (load_plane_file(path.c_str()) != 1) return false;
    env.lat_sou = 36;
    env.lon_wes = -124;
    set_flat_region_frame(0.0f);
    set.cus_X = 0.5f * (env.lox + env.hix);
    set.cus_Z = 0.5f * (env.loz + env.hiz);
    set.cus_Y = ft * con.fttomtrs;
    set.cus_v = ktas * con.ktstomsc;
    set.cus_psi = 90;
    set_fltvars(10);
    msc.prd = 0.05f;
    update_flight();   // ground effect, atmosphere and engines of the first frame
    msc.prd = 0.025f;
    return true;
}

static void BM_HalfStep(benchmark::State& state, const char* folder, float ktas, float ft)
{
    if (!start_cruise(folder, ktas, ft)) {
        state.SkipWithError("stock aircraft not installed");
        return;
    }
    const long before = allocations.load();
    for (auto _ : state) {
        set_a();
        integ_vx();
        // keep the aircraft in its cruise so every iteration does the same work
        if (flt.Y < 500.0 || flt.Y > 4000.0) flt.Y = ft * con.fttomtrs;
        benchmark::DoNotOptimize(flt.aY);
    }
    state.counters["allocs_in_step"] = (double)(allocations.load() - before);
    state.counters["half_steps_per_s"] = benchmark::Counter((double)state.iterations(), benchmark::Counter::kIsRate);
}

BENCHMARK_CAPTURE(BM_HalfStep, trainer, "Trainer 172", 110.0f, 5000.0f);
BENCHMARK_CAPTURE(BM_HalfStep, twin, "Twin Baron 55", 170.0f, 5000.0f);
BENCHMARK_CAPTURE(BM_HalfStep, turboprop, "Turboprop C90GTi", 220.0f, 5000.0f);
BENCHMARK_CAPTURE(BM_HalfStep, bizjet, "Bizjet CJ3", 300.0f, 5000.0f);
BENCHMARK_CAPTURE(BM_HalfStep, helicopter, "Helicopter R22", 80.0f, 5000.0f);
BENCHMARK_CAPTURE(BM_HalfStep, floatplane, "Floatplane Beaver", 110.0f, 5000.0f);
BENCHMARK_CAPTURE(BM_HalfStep, carrierjet, "Carrier Jet F18", 350.0f, 5000.0f);
