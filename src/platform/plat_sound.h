// plat_sound.h -- the table of operations a sound back end provides to the sound engine
// (2-QZutils/qz_sound). The engine keeps 23 fixed slots and one more for the voice of the
// speech engine; a back end holds one playable buffer per slot. Until the program installs a device back end, the silent one is in place: no
// device opens and every operation does nothing, so the areas and their tests never need one.
#pragma once

namespace orv {

constexpr int PLAT_SOUND_SLOTS = 24;
constexpr int PLAT_SPEECH_SLOT = 23;   // the last one: the spoken line of the speech engine

// What create answers.
enum { PLAT_SOUND_NO_BUFFER = 0, PLAT_SOUND_OK = 1, PLAT_SOUND_NO_UPLOAD = 2 };

// Linear PCM samples, interleaved; 8-bit samples are unsigned, 16-bit ones little-endian.
struct plat_sound_format {
    int channels;        // 1 or 2
    int bits;            // 8 or 16
    int rate;            // samples per second as recorded
};

struct plat_sound_backend {
    const char* name;
    int  (*open)();                                   // 1 when a device opened
    // Makes slot's buffer from `bytes` bytes of samples (copied; a previous buffer of the
    // slot is released first). Answers PLAT_SOUND_OK, _NO_BUFFER or _NO_UPLOAD.
    int  (*create)(int slot, const plat_sound_format& fmt, const void* samples, long bytes);
    void (*release)(int slot);
    void (*play)(int slot, int loop);                 // from the start; a playing slot goes on
    void (*stop)(int slot);
    void (*set_volume)(int slot, int centibels);      // hundredths of a decibel, -5000..0
    void (*set_frequency)(int slot, int hz);          // playback rate in samples per second
    void (*close)();                                  // releases every buffer and the device
};

const plat_sound_backend* plat_sound_get();            // the silent one until another is installed
void plat_sound_install(const plat_sound_backend* b);  // nullptr puts the silent one back
const plat_sound_backend* plat_sound_silent();

}  // namespace orv
