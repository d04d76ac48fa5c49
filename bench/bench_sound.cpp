// The engine and wind/rain sounds run every frame: their cost through a back end that takes
// every level and does nothing with it (the device's own work is not ours to measure).
// Target: well under 0.1 ms a frame for both.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "2-QZutils/qz_file.h"
#include "2-QZutils/qz_sound.h"
#include "2-QZutils/records.h"

using namespace orv;

namespace {

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
    for (const char* name : {"eng3.WAV", "wind.WAV", "rain.WAV"}) {
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
    float n1 = 20;
    for (auto _ : state) {
        for (int i = 0; i < 4; i++) flt.n1_[i] = n1, flt.thro[i] = n1 / 100, flt.mixt_powr_rat[i] = 1;
        flt.vind = n1 * 3;
        maintain_engine_sound();
        maintain_windrain_sound();
        n1 = n1 < 105 ? n1 + 0.01f : 20;
        benchmark::ClobberMemory();
    }
    if (!snd.has_buffer[SND_ENGINE]) state.SkipWithError("no engine buffer: nothing measured");
}
BENCHMARK(BM_MaintainSounds_JetFour);

}  // namespace
