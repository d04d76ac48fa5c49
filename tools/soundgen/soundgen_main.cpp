// soundgen: synthesises the simulator's sounds as 16-bit PCM WAV files into the data tree's
// "sounds" folder, and renders the cockpit's spoken warnings with the speech engine (a tone
// stands in for each, and the tool says so, when the engine or its voice data is missing).
//
//   soundgen --out <data tree>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/espeak/speech_espeak.h"
#include "sound_set.h"

namespace {

constexpr long LONGEST_WARNING_SAMPLES = 5L * snd::RATE;

// Renders one warning; false when the engine gave nothing.
bool say(const orv::plat_speech_backend* voice, int rate, const std::string& path, const char* words)
{
    static std::int16_t room[LONGEST_WARNING_SAMPLES];
    const long n = voice->render(words, room, LONGEST_WARNING_SAMPLES);
    return n > 0 && snd::write_wav16(path, room, n, rate);
}

}  // namespace

int main(int argc, char** argv)
{
    std::string out;
    for (int i = 1; i < argc; i++)
        if (!std::strcmp(argv[i], "--out") && i + 1 < argc) out = argv[++i];
    if (out.empty()) {
        std::fprintf(stderr, "usage: soundgen --out <data tree>\n");
        return 2;
    }
    const std::string dir = out + "/sounds";
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    int failed = 0;
    for (const snd::sound& s : snd::synthesised_sounds())
        if (!snd::write_wav(dir + "/" + s.file, s.samples)) {
            std::fprintf(stderr, "soundgen: cannot write %s/%s\n", dir.c_str(), s.file.c_str());
            failed++;
        }

    const orv::plat_speech_backend* voice = orv::speech_espeak_backend();
    const int rate = voice->open();
    if (rate <= 0)
        std::fprintf(stderr, "soundgen: no speech engine or voice data (espeak-ng): the spoken warnings are tones\n");
    const auto& warnings = snd::spoken_warnings();
    for (size_t k = 0; k < warnings.size(); k++) {
        const std::string path = dir + "/" + warnings[k].file;
        if (rate > 0 && say(voice, rate, path, warnings[k].words)) continue;
        if (rate > 0) std::fprintf(stderr, "soundgen: \"%s\" could not be spoken: a tone instead\n", warnings[k].words);
        if (!snd::write_wav(path, snd::warning_tone((int)k))) {
            std::fprintf(stderr, "soundgen: cannot write %s\n", path.c_str());
            failed++;
        }
    }
    voice->close();
    return failed ? 1 : 0;
}
