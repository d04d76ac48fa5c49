// The engine and wind/rain sounds run every frame: their cost through a back end that takes
// every level and does nothing with it (the device's own work is not ours to measure), and the
// memory they take while they run, counted at malloc (operator new ends there too).
// Target: well under 0.1 ms a frame for both, and no allocation.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <string>

#include "2-QZutils/qz_file.h"
#include "2-QZutils/qz_sound.h"
#include "2-QZutils/records.h"

// Every allocation of the process passes here (glibc's own entry points underneath).
extern "C" {
void* __libc_malloc(std::size_t);
void* __libc_calloc(std::size_t, std::size_t);
void* __libc_realloc(void*, std::size_t);
long  allocations;
void* malloc(std::size_t n)
{
    allocations++;
    return __libc_malloc(n);
}
void* calloc(std::size_t n, std::size_t size)
{
    allocations++;
    return __libc_calloc(n, size);
}
void* realloc(void* p, std::size_t n)
{
    allocations++;
    return __libc_realloc(p, n);
}
}

using namespace orv;

namespace {

// Runs the timed loop of `frame` and reports the allocations it made per frame.
template <typename Frame> void timed_frames(benchmark::State& state, Frame frame)
{
    const long before = allocations;
    long frames = 0;
    for (auto _ : state) {
        frame();
        frames++;
        benchmark::ClobberMemory();
    }
    const long made = allocations - before;
    state.counters["allocs_per_frame"] = frames ? (double)made / (double)frames : 0.0;
    state.counters["allocs_before"] = (double)before;   // the counter does count: the set-up's
    if (made) state.SkipWithError("maintain_* allocated while the flight ran");
}

int  takes_open() { return 1; }
int  takes_create(int, const plat_sound_format&, const void*, long) { return PLAT_SOUND_OK; }
void takes_slot(int) {}
void takes_play(int, int) {}
void takes_level(int, int) {}
void takes_close() {}
const plat_sound_backend takes_all = {"bench", takes_open, takes_create, takes_slot, takes_play,
                                      takes_slot, takes_level, takes_level, takes_close};

void fill_slots()
{
    const std::string dir = (std::filesystem::temp_directory_path() / "orv_bench_sound").string();
    std::filesystem::create_directories(dir + "/sounds");
    // A 44-byte header and four samples: enough for a buffer.
    const unsigned char head[44] = {'R', 'I', 'F', 'F', 40, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' ',
                                    16, 0, 0, 0, 1, 0, 1, 0, 0x22, 0x56, 0, 0, 0x44, 0xAC, 0, 0, 2, 0, 16, 0,
                                    'd', 'a', 't', 'a', 8, 0, 0, 0};
    for (const char* name : {"eng3.WAV", "eng5.WAV", "wind.WAV", "rain.WAV"}) {
        std::FILE* f = std::fopen((dir + "/sounds/" + name).c_str(), "wb");
        std::fwrite(head, 1, sizeof head, f);
        std::fwrite("\0\0\0\0\0\0\0\0", 1, 8, f);
        std::fclose(f);
    }
    set_app_path(dir.c_str());
    plat_sound_install(&takes_all);
    msc.sound_on = 1;
    init_sound();
    for (int s : {SND_ENGINE, SND_WIND, SND_RAIN}) fill_buffer(s);
}

void BM_MaintainSounds_JetFour(benchmark::State& state)
{
    set_constants();
    pln.entype = 4; pln.numen = 4; pln.Vne = 350;
    fill_slots();
    snd.prec_rat = 0.3f;
    atm.temp_SL = 60;
    float n1 = 20;
    timed_frames(state, [&] {
        for (int i = 0; i < 4; i++) flt.n1_[i] = n1, flt.thro[i] = n1 / 100, flt.mixt_powr_rat[i] = 1;
        flt.vind = n1 * 3;
        atm.level = n1 / 30;
        maintain_engine_sound();
        maintain_windrain_sound();
        n1 = n1 < 105 ? n1 + 0.01f : 20;
    });
    if (!snd.has_buffer[SND_ENGINE]) state.SkipWithError("no engine buffer: nothing measured");
}
BENCHMARK(BM_MaintainSounds_JetFour);

// The rotor's law, through the same frame.
void BM_MaintainSounds_Helicopter(benchmark::State& state)
{
    set_constants();
    pln.entype = 3; pln.numen = 2; pln.is_heli = 1; pln.Vne = 150; pln.gearrat = 0.1f;
    fill_slots();
    float rpm = 100;
    timed_frames(state, [&] {
        flt.tac[0] = rpm * con.rpmtorsc * 10, flt.thro[0] = rpm / 400, flt.mixt_powr_rat[0] = 1;
        flt.vind = rpm / 4;
        maintain_engine_sound();
        maintain_windrain_sound();
        rpm = rpm < 420 ? rpm + 0.05f : 100;
    });
    if (!snd.has_buffer[SND_ENGINE]) state.SkipWithError("no engine buffer: nothing measured");
}
BENCHMARK(BM_MaintainSounds_Helicopter);

}  // namespace
