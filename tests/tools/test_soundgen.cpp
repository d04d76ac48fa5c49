// The synthesised sounds: every file the sound engine asks for is in the built "sounds" folder
// as PCM it accepts, and a looped sound's end leads into its start without a click.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "2-QZutils/qz_sound.h"
#include "sound_set.h"
#include "support/test_support.h"

namespace {

float largest_step(const snd::track& t)
{
    float m = 0;
    for (size_t i = 1; i < t.size(); i++) m = std::max(m, std::fabs(t[i] - t[i - 1]));
    return m;
}

}  // namespace

TEST(Soundgen, LoopsJoinWithoutAClick)
{
    int loops = 0;
    for (const snd::sound& s : snd::synthesised_sounds()) {
        ASSERT_FALSE(s.samples.empty()) << s.file;
        EXPECT_LE(snd::peak_of(s.samples), 1.0f) << s.file << " would clip";
        if (!s.looped) continue;
        loops++;
        const float seam = std::fabs(s.samples.front() - s.samples.back());
        EXPECT_LE(seam, largest_step(s.samples)) << s.file << " clicks where it loops";
    }
    EXPECT_EQ(loops, 9);   // five engines, wind, rain, horn, flap motor
}

TEST(Soundgen, TheBuiltFolderHoldsEverySlotAndEngineAsPcm)
{
    if (!ORV_DATA_TREE_BUILT) GTEST_SKIP() << "no data tree in this build";
    std::vector<std::string> names = {"eng1.WAV", "eng2.WAV", "eng3.WAV", "eng4.WAV", "eng5.WAV"};
    for (int s = orv::SND_WIND; s < orv::SOUND_SLOTS; s++) names.push_back(orv::sound_file_name[s]);
    for (const std::string& n : names) {
        const std::string bytes = orv_test::read_file(std::string(ORV_BINARY_DIR) + "/sounds/" + n);
        ASSERT_FALSE(bytes.empty()) << n << " missing";
        orv::wav_sound w{};
        const char* why = orv::wav_parse(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), &w);
        EXPECT_EQ(why, nullptr) << n << ": " << why;
        EXPECT_EQ(w.fmt.channels * 100 + w.fmt.bits, 116) << n << " is not 16-bit mono";
        EXPECT_GT(w.bytes, snd::RATE / 10) << n << " is shorter than a twentieth of a second";
    }
}
