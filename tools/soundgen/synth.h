// synth.h -- the sound tool's synthesis kit: mono float tracks at one rate, oscillators, noise,
// filters, envelopes and the 16-bit PCM writer. A looped sound is built on a circle: every
// tone has a whole number of cycles in the loop and the filters run round it, so the last
// sample leads into the first without a click.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace snd {

constexpr int RATE = 22050;   // the engine plays a frequency ratio of 1 at this rate

using track = std::vector<float>;

track silence(double seconds);
int   samples_of(double seconds);

// The noise generator is the tool's own, seeded per sound, so every build makes the same files.
struct noise_source {
    std::uint32_t state;
    float next();   // uniform in -1..1
};
track white_noise(int n, std::uint32_t seed);

// One-pole filters at a corner frequency (Hz). The circular forms settle on the loop first.
void lowpass(track& t, double corner_hz, bool circular = false);
void highpass(track& t, double corner_hz, bool circular = false);

// Adds amplitude * sin(2 pi f t + phase) from `from` for `count` samples (all when count < 0).
void add_sine(track& t, double hz, float amplitude, double phase = 0, int from = 0, int count = -1);
// Harmonics 1..n of f with amplitudes 1/h^tilt, phases spread so the sum has no spike.
void add_harmonics(track& t, double hz, int n, double tilt, float amplitude);
// A tone whose frequency glides from f0 to f1 over the track.
void add_glide(track& t, double f0_hz, double f1_hz, float amplitude);
// `noise` times a decaying burst starting at sample `at` (wrapping round a loop when `wrap`).
void add_burst(track& t, const track& noise, int at, double decay_s, float amplitude, bool wrap);

// A whole number of cycles of f in a loop of n samples: the nearest loopable frequency.
double loop_frequency(double hz, int n);

// Envelopes: linear attack, exponential decay to the end; and short ramps at both ends.
void attack_decay(track& t, double attack_s, double decay_s);
void fade_ends(track& t, double seconds);
// Multiplies by 1 + depth * sin(2 pi f t) with f rounded to whole cycles of the track.
void tremolo(track& t, double hz, float depth);

void mix(track& into, const track& add, float gain = 1, int at = 0);
void normalise(track& t, float peak);
float peak_of(const track& t);

// 16-bit PCM mono RIFF/WAVE; answers false when the file could not be written.
bool write_wav(const std::string& path, const track& t, int rate = RATE);
bool write_wav16(const std::string& path, const std::int16_t* s, long n, int rate);

}  // namespace snd
