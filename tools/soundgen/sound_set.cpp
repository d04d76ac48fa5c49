#include "sound_set.h"

#include <cmath>

namespace snd {

namespace {

constexpr float LOOP_PEAK = 0.7f;     // the loops are set by the engine's volume law
constexpr float EVENT_PEAK = 0.8f;
constexpr float TONE_PEAK = 0.5f;     // marker and Morse tones sit under the engine

// Noise with its own seed, filtered into a band on the loop's circle.
track band_noise(int n, std::uint32_t seed, double low_hz, double high_hz, bool circular)
{
    track t = white_noise(n, seed);
    lowpass(t, high_hz, circular);
    lowpass(t, high_hz, circular);
    if (low_hz > 0) highpass(t, low_hz, circular);
    normalise(t, 1);
    return t;
}

// A propeller or piston engine at its reference speed: the firing frequency's harmonics, a
// cylinder's uneven beat below it, and exhaust noise pulsing with each firing.
track piston_engine(double firing_hz, int seconds, std::uint32_t seed)
{
    const int n = samples_of(seconds);
    track t((size_t)n, 0.0f);
    const double f = loop_frequency(firing_hz, n);
    add_harmonics(t, f, 14, 0.8, 0.5f);
    add_sine(t, f / 2, 0.25f);
    add_sine(t, f / 4, 0.12f);
    track bark = band_noise(n, seed, 150, 2500, true);
    for (int i = 0; i < n; i++) {
        const double beat = std::pow(std::fabs(std::sin(3.14159265 * f * i / RATE)), 6.0);
        t[(size_t)i] += 0.6f * bark[(size_t)i] * (float)beat;
    }
    normalise(t, LOOP_PEAK);
    return t;
}

// A turbine's roar and whine over an optional propeller buzz.
track turbine(double buzz_hz, double whine_hz, double roar_hz, int seconds, std::uint32_t seed)
{
    const int n = samples_of(seconds);
    track t = band_noise(n, seed, 40, roar_hz, true);
    for (float& v : t) v *= 0.7f;
    if (buzz_hz > 0) add_harmonics(t, loop_frequency(buzz_hz, n), 10, 1.0, 0.35f);
    add_sine(t, loop_frequency(whine_hz, n), 0.12f);
    add_sine(t, loop_frequency(whine_hz * 1.52, n), 0.05f);
    track hiss = band_noise(n, seed + 1, 3000, 8000, true);
    mix(t, hiss, 0.1f);
    normalise(t, LOOP_PEAK);
    return t;
}

// A rotor's blade passes (slap and thump) over the engine under it.
track rotor(double blade_pass_hz, track engine, std::uint32_t seed)
{
    const int n = (int)engine.size();
    const double f = loop_frequency(blade_pass_hz, n);
    const int passes = (int)std::lround(f * n / RATE);
    track slap = band_noise(samples_of(0.1), seed, 200, 1800, false);
    track t = engine;
    for (float& v : t) v *= 0.5f;
    for (int k = 0; k < passes; k++) {
        const int at = (int)std::lround((double)k * n / passes);
        add_burst(t, slap, at, 0.012, 0.9f, true);
    }
    add_sine(t, f, 0.35f);
    add_sine(t, 2 * f, 0.15f);
    normalise(t, LOOP_PEAK);
    return t;
}

track wind()
{
    const int n = samples_of(4);
    track t = band_noise(n, 11, 80, 700, true);
    tremolo(t, 0.5, 0.3f);
    tremolo(t, 1.25, 0.2f);
    track whistle = band_noise(n, 12, 1200, 2500, true);
    mix(t, whistle, 0.12f);
    normalise(t, LOOP_PEAK);
    return t;
}

track rain()
{
    const int n = samples_of(3);
    track t = band_noise(n, 21, 1500, 9000, true);
    for (float& v : t) v *= 0.4f;
    noise_source where{22};
    track tick = band_noise(samples_of(0.02), 23, 2000, 9000, false);
    for (int k = 0; k < 600; k++) {
        const int at = (int)((where.next() + 1) * 0.5f * (float)(n - 1));
        add_burst(t, tick, at, 0.002, 0.3f + 0.3f * where.next(), true);
    }
    normalise(t, LOOP_PEAK);
    return t;
}

track stall_horn()
{
    const int n = samples_of(0.5);
    track t((size_t)n, 0.0f);
    const double f = loop_frequency(420, n);
    add_sine(t, f, 1.0f);
    for (float& v : t) v = std::tanh(3.0f * v);   // a reed's buzz
    add_sine(t, 3 * f, 0.1f);
    normalise(t, EVENT_PEAK);
    return t;
}

track flap_motor()
{
    const int n = samples_of(1);
    track t((size_t)n, 0.0f);
    const double f = loop_frequency(190, n);
    add_harmonics(t, f, 12, 1.0, 0.5f);
    add_sine(t, 6 * f, 0.08f);                    // the gearbox
    track hum = band_noise(n, 31, 100, 3000, true);
    mix(t, hum, 0.15f);
    normalise(t, EVENT_PEAK * 0.6f);
    return t;
}

// Gear motor: spins up, runs, and the legs lock with a clunk.
track gear_motor()
{
    track t = silence(3.6);
    track run = silence(3.2);
    add_glide(run, 110, 170, 0.5f);
    add_glide(run, 220, 340, 0.25f);
    add_glide(run, 660, 1020, 0.06f);
    track hum = band_noise((int)run.size(), 41, 100, 2500, false);
    mix(run, hum, 0.15f);
    fade_ends(run, 0.15);
    mix(t, run);
    track clunk = silence(0.3);
    add_sine(clunk, 70, 0.9f);
    track knock = band_noise((int)clunk.size(), 42, 100, 1500, false);
    mix(clunk, knock, 0.5f);
    attack_decay(clunk, 0.002, 0.05);
    mix(t, clunk, 1.0f, samples_of(3.25));
    normalise(t, EVENT_PEAK);
    return t;
}

track thunder()
{
    track t = band_noise(samples_of(5), 51, 20, 180, false);
    noise_source swell{52};
    for (int k = 0; k < 5; k++) {   // the rumble rolls in a few swells
        track roll = band_noise(samples_of(1.2), 53 + k, 30, 300, false);
        attack_decay(roll, 0.15, 0.35);
        mix(t, roll, 1.2f + swell.next() * 0.4f, samples_of(0.2 + 0.8 * k + 0.2 * swell.next()));
    }
    attack_decay(t, 0.05, 1.4);
    track crack = band_noise(samples_of(0.25), 58, 300, 4000, false);
    attack_decay(crack, 0.002, 0.05);
    mix(t, crack, 1.5f);
    normalise(t, EVENT_PEAK);
    return t;
}

// A touchdown: the thump of the leg, and what the surface adds.
track thump(double seconds, std::uint32_t seed)
{
    track t = silence(seconds);
    add_sine(t, 75, 0.8f, 0, 0, samples_of(0.2));
    track knock = band_noise((int)t.size(), seed, 60, 600, false);
    mix(t, knock, 0.4f);
    attack_decay(t, 0.003, 0.06);
    return t;
}

track touch_runway()
{
    track t = thump(0.6, 61);
    track chirp = silence(0.35);
    add_glide(chirp, 1150, 850, 0.5f);
    track scrub = band_noise((int)chirp.size(), 62, 800, 3500, false);
    mix(chirp, scrub, 0.5f);
    attack_decay(chirp, 0.01, 0.09);
    mix(t, chirp, 1.0f, samples_of(0.005));
    normalise(t, EVENT_PEAK);
    return t;
}

track touch_rough()
{
    track t = thump(0.9, 71);
    track rumble = band_noise(samples_of(0.8), 72, 40, 350, false);
    attack_decay(rumble, 0.01, 0.25);
    tremolo(rumble, 23, 0.6f);     // the wheels over clods
    mix(t, rumble, 0.8f);
    normalise(t, EVENT_PEAK);
    return t;
}

track touch_water()
{
    track t = band_noise(samples_of(1.3), 81, 300, 6000, false);
    tremolo(t, 9, 0.5f);           // the spray's bubbling
    attack_decay(t, 0.03, 0.35);
    track body = thump(1.3, 82);
    mix(t, body, 0.5f);
    normalise(t, EVENT_PEAK);
    return t;
}

track crash()
{
    track t = band_noise(samples_of(3), 91, 20, 500, false);
    attack_decay(t, 0.005, 0.7);
    track crack = band_noise(samples_of(0.4), 92, 200, 6000, false);
    attack_decay(crack, 0.001, 0.08);
    mix(t, crack, 1.2f);
    noise_source debris{93};
    track rattle = band_noise(samples_of(0.05), 94, 1000, 6000, false);
    for (int k = 0; k < 40; k++) {
        const double at = 0.2 + 1.8 * (debris.next() + 1) * 0.5;
        add_burst(t, rattle, samples_of(at), 0.006, 0.4f * (float)std::exp(-at), false);
    }
    normalise(t, EVENT_PEAK);
    return t;
}

// The marker and Morse tone: dot 0.12 s, dash three times as long, soft edges.
constexpr double MORSE_TONE_HZ = 1020;
track morse(double seconds)
{
    track t = silence(seconds);
    add_sine(t, MORSE_TONE_HZ, 1.0f);
    fade_ends(t, 0.006);
    normalise(t, TONE_PEAK);
    return t;
}

}  // namespace

std::vector<sound> synthesised_sounds()
{
    // Each engine as heard at the reference speed of the engine law, where the engine plays
    // its file at the recorded rate: a four-cylinder piston at 2500 rpm fires twice a turn
    // (84 Hz); the turboprop's four blades at 1900 rpm buzz at 127 Hz; the rotors pass their
    // two blades at 500 and 400 rpm.
    std::vector<sound> all;
    all.push_back({"eng1.WAV", true, piston_engine(84, 1, 1)});
    all.push_back({"eng2.WAV", true, turbine(127, 3100, 1500, 1, 2)});
    all.push_back({"eng3.WAV", true, turbine(0, 2900, 900, 2, 3)});
    all.push_back({"eng4.WAV", true, rotor(2 * 500 / 60.0, piston_engine(90, 3, 4), 5)});
    all.push_back({"eng5.WAV", true, rotor(2 * 400 / 60.0, turbine(0, 3600, 1200, 3, 6), 7)});
    all.push_back({"wind.WAV", true, wind()});
    all.push_back({"rain.WAV", true, rain()});
    all.push_back({"stal.WAV", true, stall_horn()});
    all.push_back({"flap.WAV", true, flap_motor()});
    all.push_back({"thun.WAV", false, thunder()});
    all.push_back({"gear.WAV", false, gear_motor()});
    all.push_back({"lrun.WAV", false, touch_runway()});
    all.push_back({"loff.WAV", false, touch_rough()});
    all.push_back({"lwat.WAV", false, touch_water()});
    all.push_back({"boom.WAV", false, crash()});
    all.push_back({"mdot.WAV", false, morse(0.12)});
    all.push_back({"mdas.WAV", false, morse(0.36)});
    return all;
}

const std::vector<spoken>& spoken_warnings()
{
    static const std::vector<spoken> words = {
        {"sink.WAV", "sink rate"},    {"pull.WAV", "pull up"},      {"gwrn.WAV", "too low, gear"},
        {"glid.WAV", "glide slope"},  {"mini.WAV", "minimums"},     {"wshr.WAV", "wind shear"},
        {"caut.WAV", "caution"},      {"50ft.WAV", "fifty"},        {"25ft.WAV", "twenty five"},
        {"10ft.WAV", "ten"},
    };
    return words;
}

track warning_tone(int index)
{
    track t = silence(0.5);
    const int half = (int)t.size() / 2;
    add_sine(t, 600 + 60 * index, 1.0f, 0, 0, half);
    add_sine(t, 900 + 60 * index, 1.0f, 0, half, half);
    fade_ends(t, 0.01);
    normalise(t, EVENT_PEAK);
    return t;
}

}  // namespace snd
