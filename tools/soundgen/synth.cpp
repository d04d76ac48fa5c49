#include "synth.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace snd {

namespace {

constexpr double TWO_PI = 6.283185307179586;

double pole(double corner_hz) { return std::exp(-TWO_PI * corner_hz / RATE); }

void put_le(std::FILE* f, std::uint32_t v, int bytes)
{
    for (int k = 0; k < bytes; k++) std::fputc((int)((v >> (8 * k)) & 0xFF), f);
}

}  // namespace

int   samples_of(double seconds) { return (int)std::lround(seconds * RATE); }
track silence(double seconds) { return track((size_t)samples_of(seconds), 0.0f); }

float noise_source::next()
{
    state = state * 1664525u + 1013904223u;   // a plain linear congruential step
    return (float)((state >> 8) & 0xFFFFFF) / (float)0x800000 - 1.0f;
}

track white_noise(int n, std::uint32_t seed)
{
    noise_source src{seed};
    track t((size_t)n);
    for (float& v : t) v = src.next();
    return t;
}

void lowpass(track& t, double corner_hz, bool circular)
{
    if (t.empty()) return;
    const double a = pole(corner_hz);
    double y = 0;
    if (circular)
        for (float v : t) y = a * y + (1 - a) * v;   // one lap to settle on the loop
    for (float& v : t) v = (float)(y = a * y + (1 - a) * v);
}

void highpass(track& t, double corner_hz, bool circular)
{
    track low = t;
    lowpass(low, corner_hz, circular);
    for (size_t i = 0; i < t.size(); i++) t[i] -= low[i];
}

void add_sine(track& t, double hz, float amplitude, double phase, int from, int count)
{
    const int end = count < 0 ? (int)t.size() : std::min((int)t.size(), from + count);
    for (int i = std::max(from, 0); i < end; i++)
        t[(size_t)i] += amplitude * (float)std::sin(TWO_PI * hz * (i - from) / RATE + phase);
}

void add_harmonics(track& t, double hz, int n, double tilt, float amplitude)
{
    for (int h = 1; h <= n && hz * h < RATE / 2; h++)
        add_sine(t, hz * h, amplitude / (float)std::pow(h, tilt), 2.399963 * h * h);   // golden-angle phases
}

void add_glide(track& t, double f0_hz, double f1_hz, float amplitude)
{
    double phase = 0;
    const double n = (double)t.size();
    for (size_t i = 0; i < t.size(); i++) {
        phase += TWO_PI * (f0_hz + (f1_hz - f0_hz) * i / n) / RATE;
        t[i] += amplitude * (float)std::sin(phase);
    }
}

void add_burst(track& t, const track& noise, int at, double decay_s, float amplitude, bool wrap)
{
    const int len = std::min((int)noise.size(), samples_of(decay_s * 6));
    for (int k = 0; k < len; k++) {
        int i = at + k;
        if (wrap) i %= (int)t.size();
        else if (i >= (int)t.size()) break;
        t[(size_t)i] += amplitude * noise[(size_t)k] * (float)std::exp(-(double)k / (decay_s * RATE));
    }
}

double loop_frequency(double hz, int n)
{
    const double cycles = std::max(1.0, std::round(hz * n / RATE));
    return cycles * RATE / n;
}

void attack_decay(track& t, double attack_s, double decay_s)
{
    const double a = std::max(1.0, attack_s * RATE);
    for (size_t i = 0; i < t.size(); i++) {
        const double g = i < a ? i / a : std::exp(-(i - a) / (decay_s * RATE));
        t[i] *= (float)g;
    }
}

void fade_ends(track& t, double seconds)
{
    const size_t n = std::min(t.size() / 2, (size_t)samples_of(seconds));
    for (size_t i = 0; i < n; i++) {
        const float g = (float)i / (float)n;
        t[i] *= g;
        t[t.size() - 1 - i] *= g;
    }
}

void tremolo(track& t, double hz, float depth)
{
    const double f = loop_frequency(hz, (int)t.size());
    for (size_t i = 0; i < t.size(); i++) t[i] *= 1 + depth * (float)std::sin(TWO_PI * f * i / RATE);
}

void mix(track& into, const track& add, float gain, int at)
{
    for (size_t k = 0; k < add.size() && at + k < into.size(); k++) into[at + k] += gain * add[k];
}

float peak_of(const track& t)
{
    float p = 0;
    for (float v : t) p = std::max(p, std::fabs(v));
    return p;
}

void normalise(track& t, float peak)
{
    const float p = peak_of(t);
    if (p > 0)
        for (float& v : t) v *= peak / p;
}

bool write_wav16(const std::string& path, const std::int16_t* s, long n, int rate)
{
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const std::uint32_t data = (std::uint32_t)n * 2;
    std::fputs("RIFF", f);
    put_le(f, 36 + data, 4);
    std::fputs("WAVEfmt ", f);
    put_le(f, 16, 4);
    put_le(f, 1, 2);              // PCM
    put_le(f, 1, 2);              // mono
    put_le(f, (std::uint32_t)rate, 4);
    put_le(f, (std::uint32_t)rate * 2, 4);
    put_le(f, 2, 2);
    put_le(f, 16, 2);
    std::fputs("data", f);
    put_le(f, data, 4);
    for (long i = 0; i < n; i++) put_le(f, (std::uint16_t)s[i], 2);
    return std::fclose(f) == 0;
}

bool write_wav(const std::string& path, const track& t, int rate)
{
    std::vector<std::int16_t> pcm(t.size());
    for (size_t i = 0; i < t.size(); i++)
        pcm[i] = (std::int16_t)std::lround(std::clamp(t[i], -1.0f, 1.0f) * 32767.0f);
    return write_wav16(path, pcm.data(), (long)pcm.size(), rate);
}

}  // namespace snd
