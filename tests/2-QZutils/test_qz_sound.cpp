// The sound engine through the recording back end: the slot laws at hand-worked points and
// their shape, the gates that keep it quiet, and every refusal of the WAV reader.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <string>

#include "2-QZutils/qz_file.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/qz_sound.h"
#include "2-QZutils/qz_speech.h"
#include "2-QZutils/records.h"
#include "platform/plat_speech.h"
#include "support/sound_recorder.h"
#include "support/test_support.h"

using namespace orv;
using orv_test::sound_log;

namespace {

void put(std::string& s, unsigned v, int n) { for (int k = 0; k < n; k++) s += (char)((v >> (8 * k)) & 255); }

// A RIFF/WAVE file of `samples` bytes of silence at 22050 Hz, 16 bits.
std::string wav(long samples = 64, int tag = 1, int channels = 1)
{
    std::string s = "RIFF";
    put(s, (unsigned)(36 + samples), 4);
    s += "WAVEfmt ";
    put(s, 16, 4); put(s, tag, 2); put(s, channels, 2); put(s, 22050, 4);
    put(s, 44100 * channels, 4); put(s, 2 * channels, 2); put(s, 16, 2);
    s += "data";
    put(s, (unsigned)samples, 4);
    return s + std::string((size_t)samples, '\0');
}

class Sound : public ::testing::Test {
protected:
    std::string dir = orv_test::temp_dir("sound");
    void SetUp() override
    {
        set_constants();
        std::filesystem::create_directories(dir + "/sounds");
        set_app_path(dir.c_str());
        std::memset(&snd, 0, sizeof snd);
        std::memset(&pln, 0, sizeof pln);
        std::memset(&flt, 0, sizeof flt);
        copy_str(pln.C_path, PATH_LEN, (dir + "/Plane.acf").c_str());
        to_system_form(pln.C_path);
        pln.Vne = 200;
        msc.sound_on = 1;
        orv_test::sound_recorder_install();
        ASSERT_EQ(init_sound(), 1);
    }
    void TearDown() override { dispose_sound(); plat_sound_install(nullptr); }
    void sound_file(const std::string& name, const std::string& bytes = wav())
    {
        orv_test::write_file(dir + "/sounds/" + name, bytes);
    }
    // A good file for slot: the aircraft's own for the engine (the generic one depends on the
    // type), the "sounds" folder's for the others.
    void fill(int slot)
    {
        if (slot == SND_ENGINE) orv_test::write_file(dir + "/Plane engn.WAV", wav());
        else sound_file(sound_file_name[slot]);
        fill_buffer(slot);
        ASSERT_TRUE(sound_log(slot).has_buffer) << slot;
    }
};

TEST_F(Sound, FrequencyAndVolumeLawsAtTheirEnds)
{
    EXPECT_EQ(sound_frequency(0), 100);              // never 0 Hz
    EXPECT_EQ(sound_frequency(NAN), 100);
    EXPECT_EQ(sound_frequency(50), 100000);
    EXPECT_EQ(sound_volume(0, 0, 1), -5000);          // silent
    EXPECT_EQ(sound_volume(-3, 0, 1), -5000);
    EXPECT_EQ(sound_volume(1, 0, 1), -907);           // int(-5000 (1 - sqrt 0.67))
    EXPECT_EQ(sound_volume(9, 0, 1), 0);
}

// Each kind of engine with its engines averaging half the reference speed (engine rpm: rotor
// or propeller speed times the gear ratio), throttles closed; twins and fours average their
// engines, a helicopter hears only its first. Then pitch and loudness never fall with rpm.
TEST_F(Sound, EngineLawPerEngineType)
{
    struct row { const char* what; int heli, type, vect, engines; float hp, rpm, n1; int hz, cb; };
    const row rows[] = {
        {"twin piston", 0, 1, 0, 2, 200, 1250, 0, 11025, -1764},
        {"small piston", 0, 2, 0, 1, 5, 3500, 0, 11025, -1764},
        {"turboprop four", 0, 3, 0, 4, 900, 950, 0, 11025, -1226},
        {"vectored turboprop", 0, 3, 1, 1, 900, 250, 0, 11025, -1226},
        {"jet twin", 0, 4, 0, 2, 0, 0, 50, 15592, -1063},
        {"jet four", 0, 5, 0, 4, 0, 0, 50, 15592, -1063},
        {"piston helicopter", 1, 1, 0, 2, 200, 250, 0, 11025, -1515},
        {"turbine helicopter", 1, 3, 0, 2, 900, 200, 0, 11025, -1515},
    };
    fill(SND_ENGINE);
    for (const row& r : rows) {
        SCOPED_TRACE(r.what);
        pln.is_heli = r.heli; pln.entype = r.type; pln.vectEQ = r.vect; pln.numen = r.engines;
        pln.pmax = r.hp * con.hptowat;
        pln.gearrat = 2;
        auto run = [&](float share, float throttle) {
            for (int i = 0; i < 4; i++) {
                // Spread about the mean; engines a single or a helicopter lacks are wild.
                const float s = (!r.heli && r.engines > 1) ? (i % 2 ? 1.5f : 0.5f) : (i ? 3.0f : 1.0f);
                flt.tac[i] = s * share * r.rpm / pln.gearrat * con.rpmtorsc;
                flt.n1_[i] = s * share * r.n1;
                flt.thro[i] = throttle;
                flt.mixt_powr_rat[i] = 1;
            }
            maintain_engine_sound();
            return std::make_pair(sound_log(SND_ENGINE).frequency, sound_log(SND_ENGINE).volume);
        };
        const auto half = run(1, 0);
        EXPECT_NEAR(half.first, r.hz, 1);
        EXPECT_NEAR(half.second, r.cb, 1);
        auto last = run(0, 0);
        for (float share = 0.1f; share < 3; share += 0.1f) {
            const auto now = run(share, std::fmin(share / 2, 1));
            EXPECT_GE(now.first, last.first);
            EXPECT_GE(now.second, last.second);
            last = now;
        }
    }
}

TEST_F(Sound, WindAndRainLaws)
{
    fill(SND_WIND);
    fill(SND_RAIN);
    flt.vind = 100;                                   // half of Vne
    atm.temp_SL = 60; scn.abovetops = 0;
    atm.level = 2;                                    // half the heaviest storm round the aircraft
    maintain_windrain_sound();
    EXPECT_FLOAT_EQ(snd.prec_rat, 0.5f);
    EXPECT_EQ(sound_log(SND_WIND).frequency, 11025);
    EXPECT_NEAR(sound_log(SND_WIND).volume, -2953, 1);    // a quarter of the level: r squared
    EXPECT_EQ(sound_log(SND_RAIN).frequency, 13781);      // 0.5 + (2 - 0.5) / 2, halved by the rain
    flt.vind = 0;
    atm.temp_SL = 20;                                 // snow falls silently
    maintain_windrain_sound();
    EXPECT_EQ(snd.prec_rat, 0);
    EXPECT_EQ(sound_log(SND_WIND).frequency, 100);
    EXPECT_EQ(sound_log(SND_WIND).volume, -5000);
    EXPECT_EQ(sound_log(SND_RAIN).volume, -5000);
}

TEST_F(Sound, PlayingFollowsTheSwitchesAndTheWeather)
{
    for (int s : {SND_ENGINE, SND_WIND, SND_RAIN, SND_STALL}) fill(s);
    pln.entype = 1;
    atm.temp_SL = 60; atm.rain_tstm = 2; scn.abovetops = 0;
    play_engine_and_windrain();
    EXPECT_TRUE(sound_log(SND_RAIN).playing && sound_log(SND_RAIN).looped);
    play_buffer(SND_STALL, 1);                        // the horn: full volume, recorded rate
    EXPECT_EQ(sound_log(SND_STALL).frequency, 22050);
    EXPECT_EQ(sound_log(SND_STALL).volume, -907);

    // Switched off, sound still stops what plays but starts nothing.
    msc.sound_on = 0;
    stop_engine_and_windrain();
    play_engine_and_windrain();
    for (int s : {SND_ENGINE, SND_WIND, SND_RAIN}) EXPECT_FALSE(sound_log(s).playing) << s;
    msc.sound_on = 1;
    atm.temp_SL = 20;                                 // snow: no rain heard
    play_engine_and_windrain();
    EXPECT_TRUE(sound_log(SND_ENGINE).playing);
    EXPECT_FALSE(sound_log(SND_RAIN).playing);
}

// A run nobody sees (these tests, --headless) gets no alert for the missing device.
TEST_F(Sound, WithoutADeviceARunWithoutPictureStaysSilentWithoutAlert)
{
    dispose_sound();
    orv_test::sound_recorder_install(0);
    const int before = mnw_alert_count();
    EXPECT_EQ(init_sound(), 0);
    sound_file("wind.WAV");
    fill_buffer(SND_WIND);
    play_buffer(SND_WIND, 1);
    EXPECT_EQ(sound_log(SND_WIND).has_buffer + sound_log(SND_WIND).plays, 0);
    EXPECT_EQ(mnw_alert_count(), before);
}

TEST_F(Sound, TheAircraftsOwnSoundsComeFirstThenTheGenericEngine)
{
    sound_file("eng5.WAV", wav(10));
    sound_file("eng1.WAV", wav(20));
    pln.is_heli = 1; pln.entype = 3;
    fill_buffer(SND_ENGINE);
    EXPECT_EQ(sound_log(SND_ENGINE).bytes, 10);
    pln.is_heli = 0; pln.entype = 2;
    fill_buffer(SND_ENGINE);
    EXPECT_EQ(sound_log(SND_ENGINE).bytes, 20);
    orv_test::write_file(dir + "/Plane engn.WAV", wav(30));
    fill_buffer(SND_ENGINE);
    EXPECT_EQ(sound_log(SND_ENGINE).bytes, 30);
    fill_buffer(SOUND_SLOTS);
    EXPECT_STREQ(mnw_last_alert_line(0), "Requested sound out of range!");
}

TEST_F(Sound, EachDamagedSoundFileGivesItsAlertAndNoBuffer)
{
    const std::string good = wav(10);
    const size_t fmt_at = good.find("fmt "), data_at = good.find("data");
    std::string compressed = good;
    compressed[fmt_at + 8] = 2;
    const struct { std::string bytes; const char* alert; } cases[] = {
        {"", "This is not a RIFF file."},
        {std::string("RIFF\4\0\0\0AVI fmt ", 16), "This is not a WAVE file."},
        {good.substr(0, fmt_at), "WAVE file has no fmt chunk."},
        {good.substr(0, fmt_at + 6), "Failed to read format size."},
        {good.substr(0, fmt_at + 16), "Failed to read format chunk opening sound."},
        {compressed, "The sound file is not a PCM file."},
        {good.substr(0, data_at), "WAVE file has no data chunk."},
        {good.substr(0, data_at + 6), "Failed to read data size."},
        {wav(0), "The sound-file data chunk has no data."},
        {good.substr(0, good.size() - 4), "Failed to read data chunk opening sound."},
        {wav(12, 1, 6), "Sound Buffer Creation Failed"},   // six channels
    };
    fill(SND_THUNDER);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.alert);
        sound_file("thun.WAV", c.bytes);
        const int before = mnw_alert_count();
        fill_buffer(SND_THUNDER);
        play_buffer(SND_THUNDER, 0);
        EXPECT_EQ(mnw_alert_count(), before + 1);
        EXPECT_STREQ(mnw_last_alert_line(0), c.alert);
        EXPECT_EQ(sound_log(SND_THUNDER).has_buffer + sound_log(SND_THUNDER).plays, 0);
    }
    std::filesystem::remove(dir + "/sounds/thun.WAV");
    fill_buffer(SND_THUNDER);
    EXPECT_STREQ(mnw_last_alert_line(0), "Cannot open sound file!");
}

}  // namespace

TEST_F(Sound, AMissingSoundsFolderIsSaidOnceForAllSlots)
{
    std::filesystem::remove_all(dir + "/sounds");
    orv_test::write_file(dir + "/Plane wind.WAV", wav(12));   // the aircraft's own still loads
    const int before = mnw_alert_count();
    fill_buffers();
    EXPECT_EQ(mnw_alert_count(), before + 1);
    EXPECT_EQ(sound_log(SND_WIND).bytes, 12);
    EXPECT_FALSE(snd.has_buffer[SND_ENGINE]);
}

namespace speech_fake {
int rate = 16000;
int open() { return rate; }
long render(const char* text, std::int16_t* out, long max)
{
    const long n = std::min<long>((long)std::strlen(text) * 100, max);
    std::fill(out, out + n, 0);
    return n;
}
void close() {}
const plat_speech_backend backend = {"fake", open, render, close};
}  // namespace speech_fake

// The voice plays on its own slot at the synthesiser's rate; it needs the device as well.
TEST_F(Sound, SpeechPlaysOnItsSlotAndNeedsTheDevice)
{
    plat_speech_install(&speech_fake::backend);
    EXPECT_EQ(initspeechsynth(), 1);
    EXPECT_EQ(speech_speak("cleared to land"), 1);
    EXPECT_EQ(sound_log(SND_SPEECH).bytes, 15 * 100 * 2);
    EXPECT_EQ(sound_log(SND_SPEECH).frequency, 16000);
    EXPECT_EQ(sound_log(SND_SPEECH).plays, 1);

    dispose_sound();
    orv_test::sound_recorder_install(0);
    init_sound();
    EXPECT_EQ(initspeechsynth(), 0);
    EXPECT_EQ(speech_speak("cleared to land"), 0);
    plat_speech_install(nullptr);
    orv_test::sound_recorder_install(1);
    init_sound();
    EXPECT_EQ(initspeechsynth(), 0);            // no synthesiser at all
    dispose_speech();
}
