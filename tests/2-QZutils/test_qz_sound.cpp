// The sound engine through the recording back end: the slot laws at hand-worked points and
// their shape, the gates that keep it quiet, and every refusal of the WAV reader.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <string>

#include "2-QZutils/qz_file.h"
#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/qz_sound.h"
#include "2-QZutils/records.h"
#include "support/sound_recorder.h"
#include "support/test_support.h"

using namespace orv;
using orv_test::sound_log;

namespace {

void put32(std::string& s, unsigned v) { for (int k = 0; k < 4; k++) s += (char)((v >> (8 * k)) & 255); }
void put16(std::string& s, unsigned v) { for (int k = 0; k < 2; k++) s += (char)((v >> (8 * k)) & 255); }

// A RIFF/WAVE file of `samples` bytes of silence; the fields can be spoilt one by one.
std::string wav(long samples = 64, int tag = 1, int channels = 1, int bits = 16)
{
    std::string fmt;
    put16(fmt, tag); put16(fmt, channels); put32(fmt, 22050);
    put32(fmt, 22050 * channels * bits / 8); put16(fmt, channels * bits / 8); put16(fmt, bits);
    std::string s = "RIFF";
    put32(s, (unsigned)(4 + 8 + fmt.size() + 8 + samples));
    s += "WAVEfmt ";
    put32(s, (unsigned)fmt.size());
    s += fmt + "data";
    put32(s, (unsigned)samples);
    return s + std::string((size_t)samples, '\0');
}

class Sound : public ::testing::Test {
protected:
    std::string dir;
    void SetUp() override
    {
        set_constants();
        dir = orv_test::temp_dir("sound");
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
    void TearDown() override
    {
        dispose_sound();
        plat_sound_install(nullptr);
    }
    void sound_file(const std::string& name, const std::string& bytes = wav())
    {
        orv_test::write_file(dir + "/sounds/" + name, bytes);
    }
    // Loads slot from a good file: the aircraft's own for the engine (the generic one depends
    // on the type), the "sounds" folder's for the others.
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
    EXPECT_EQ(sound_frequency(0), 100);             // never 0 Hz
    EXPECT_EQ(sound_frequency(NAN), 100);
    EXPECT_EQ(sound_frequency(0.5f), 11025);
    EXPECT_EQ(sound_frequency(50), 100000);
    EXPECT_EQ(sound_volume(0, 0, 1), -5000);         // silent
    EXPECT_EQ(sound_volume(-3, 0, 1), -5000);
    EXPECT_EQ(sound_volume(1, 0, 1), -907);          // int(-5000 (1 - sqrt 0.67))
    EXPECT_EQ(sound_volume(9, 0, 1), 0);
}

// Each kind of engine at half its reference speed (engine rpm = rotor or propeller speed times
// the gear ratio) and closed throttles; twins and fours average their engines, a helicopter
// hears only its first.
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
        for (int i = 0; i < 4; i++) {
            // Engines spread about the mean; those a single or a helicopter lacks are ignored.
            const float spread = (!r.heli && r.engines > 1) ? (i % 2 ? 1.5f : 0.5f) : (i == 0 ? 1.0f : 3.0f);
            flt.tac[i] = spread * r.rpm / pln.gearrat * con.rpmtorsc;
            flt.n1_[i] = spread * r.n1;
            flt.mixt_powr_rat[i] = 1;
        }
        maintain_engine_sound();
        EXPECT_NEAR(sound_log(SND_ENGINE).frequency, r.hz, 1);
        EXPECT_NEAR(sound_log(SND_ENGINE).volume, r.cb, 1);

        // Pitch and loudness never fall as the engines speed up.
        int last_hz = 0, last_cb = -5001;
        for (float f = 0; f <= 1.5f; f += 0.05f) {
            for (int i = 0; i < 4; i++) {
                flt.tac[i] = f * r.rpm / pln.gearrat * con.rpmtorsc * 2;
                flt.n1_[i] = f * r.n1 * 2;
                flt.thro[i] = fltlim(f, 0, 1);
            }
            maintain_engine_sound();
            EXPECT_GE(sound_log(SND_ENGINE).frequency, last_hz);
            EXPECT_GE(sound_log(SND_ENGINE).volume, last_cb);
            last_hz = sound_log(SND_ENGINE).frequency;
            last_cb = sound_log(SND_ENGINE).volume;
        }
        for (int i = 0; i < 4; i++) flt.thro[i] = 0;
    }
}

TEST_F(Sound, WindAndRainLaws)
{
    fill(SND_WIND);
    fill(SND_RAIN);
    flt.vind = 100;                                  // half of Vne
    snd.prec_rat = 0.5f;
    maintain_windrain_sound();
    EXPECT_EQ(sound_log(SND_WIND).frequency, 11025);
    EXPECT_NEAR(sound_log(SND_WIND).volume, -2953, 1);   // a quarter of the level: r squared
    EXPECT_EQ(sound_log(SND_RAIN).frequency, 13781);     // 0.5 + (2 - 0.5) / 2, halved by the rain
    flt.vind = 0;
    snd.prec_rat = 0;
    maintain_windrain_sound();
    EXPECT_EQ(sound_log(SND_WIND).frequency, 100);
    EXPECT_EQ(sound_log(SND_WIND).volume, -5000);
    EXPECT_EQ(sound_log(SND_RAIN).volume, -5000);        // no rain, no sound
}

TEST_F(Sound, PlayingFollowsTheSwitchesAndTheWeather)
{
    for (int s : {SND_ENGINE, SND_WIND, SND_RAIN, SND_STALL}) fill(s);
    pln.entype = 1;
    atm.temp_SL = 60; atm.rain_tstm = 2; scn.abovetops = 0;
    play_engine_and_windrain();
    EXPECT_TRUE(sound_log(SND_RAIN).playing && sound_log(SND_RAIN).looped);
    play_buffer(SND_STALL, 1);                       // the horn sounds at full volume, recorded rate
    EXPECT_EQ(sound_log(SND_STALL).frequency, 22050);
    EXPECT_EQ(sound_log(SND_STALL).volume, -907);

    // Switching sound off still silences what plays, but starts nothing.
    msc.sound_on = 0;
    stop_engine_and_windrain();
    play_engine_and_windrain();
    for (int s : {SND_ENGINE, SND_WIND, SND_RAIN}) EXPECT_FALSE(sound_log(s).playing) << s;

    msc.sound_on = 1;
    atm.temp_SL = 20;                                // snow: no rain heard
    play_engine_and_windrain();
    EXPECT_TRUE(sound_log(SND_ENGINE).playing);
    EXPECT_FALSE(sound_log(SND_RAIN).playing);
}

TEST_F(Sound, WithoutADeviceItSaysSoOnceAndStaysSilent)
{
    dispose_sound();
    orv_test::sound_recorder_install(0);
    const int before = mnw_alert_count();
    EXPECT_EQ(init_sound(), 0);
    EXPECT_EQ(mnw_alert_count(), before + 1);
    EXPECT_STREQ(mnw_last_alert_line(0), "Sound init failure!");
    sound_file("wind.WAV");
    fill_buffer(SND_WIND);
    play_buffer(SND_WIND, 1);
    EXPECT_FALSE(sound_log(SND_WIND).has_buffer);
    EXPECT_EQ(sound_log(SND_WIND).plays, 0);
    EXPECT_EQ(mnw_alert_count(), before + 1);
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

    const int before = mnw_alert_count();
    fill_buffer(SOUND_SLOTS);
    EXPECT_STREQ(mnw_last_alert_line(0), "Requested sound out of range!");
    EXPECT_EQ(mnw_alert_count(), before + 1);
}

TEST_F(Sound, EachDamagedSoundFileGivesItsAlertAndNoBuffer)
{
    const std::string good = wav(10);
    const size_t fmt_at = good.find("fmt "), data_at = good.find("data");
    auto with16 = [&](size_t at, unsigned v) { std::string s = good; s[at] = (char)v; s[at + 1] = (char)(v >> 8); return s; };
    const struct { const char* bytes_what; std::string bytes; const char* alert; } cases[] = {
        {"empty", "", "This is not a RIFF file."},
        {"no WAVE", std::string("RIFF\4\0\0\0AVI fmt ", 16), "This is not a WAVE file."},
        {"no format", good.substr(0, fmt_at), "WAVE file has no fmt chunk."},
        {"cut in format size", good.substr(0, fmt_at + 6), "Failed to read format size."},
        {"cut in format", good.substr(0, fmt_at + 16), "Failed to read format chunk opening sound."},
        {"compressed", with16(fmt_at + 8, 2), "The sound file is not a PCM file."},
        {"no data", good.substr(0, data_at), "WAVE file has no data chunk."},
        {"cut in data size", good.substr(0, data_at + 6), "Failed to read data size."},
        {"no samples", wav(0), "The sound-file data chunk has no data."},
        {"cut in samples", good.substr(0, good.size() - 4), "Failed to read data chunk opening sound."},
        {"six channels", wav(12, 1, 6), "Sound Buffer Creation Failed"},
    };
    fill(SND_THUNDER);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes_what);
        sound_file("thun.WAV", c.bytes);
        const int before = mnw_alert_count();
        fill_buffer(SND_THUNDER);
        EXPECT_EQ(mnw_alert_count(), before + 1);
        EXPECT_STREQ(mnw_last_alert_line(0), c.alert);
        EXPECT_FALSE(sound_log(SND_THUNDER).has_buffer);
        play_buffer(SND_THUNDER, 0);
        EXPECT_EQ(sound_log(SND_THUNDER).plays, 0);
    }
    std::filesystem::remove(dir + "/sounds/thun.WAV");
    fill_buffer(SND_THUNDER);
    EXPECT_STREQ(mnw_last_alert_line(0), "Cannot open sound file!");
}

}  // namespace
