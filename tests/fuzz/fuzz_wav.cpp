// Fuzz target: the sound-file reader on arbitrary file contents, in memory and from the
// "sounds" folder; the samples it answers must lie inside the file.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "2-QZutils/qz_file.h"
#include "2-QZutils/qz_sound.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const bool quiet = std::freopen("/dev/null", "w", stderr) != nullptr;   // the alerts
    (void)quiet;
    orv::wav_sound w{};
    if (!orv::wav_parse(data, size, &w)) {
        if (w.bytes <= 0 || w.samples < data || w.samples + w.bytes > data + size) std::abort();
    }
    orv_fuzz::program_folder("sounds");
    orv_fuzz::write_input("sounds/fuzz.WAV", data, size);
    char path[orv::PATH_LEN] = "fuzz.WAV";
    orv::ap_dir("sounds", path);
    orv::load_sound_file(orv::SND_THUNDER, path);
    return 0;
}
