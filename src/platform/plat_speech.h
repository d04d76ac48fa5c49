// plat_speech.h -- the table of operations a speech back end provides to the speech engine
// (2-QZutils/qz_speech): a line of text rendered into 16-bit samples that the sound engine then
// plays. Until the program installs one, the silent back end is in place: no engine opens, so
// the areas and their tests never need a synthesiser.
#pragma once

#include <cstdint>

namespace orv {

struct plat_speech_backend {
    const char* name;
    int  (*open)();        // the rate (samples per second) of what render gives, 0: no engine
    // Renders `text` into at most `max_samples` mono samples; answers how many were written
    // (a text too long for the room is cut), or -1 when the engine failed.
    long (*render)(const char* text, std::int16_t* out, long max_samples);
    void (*close)();
};

const plat_speech_backend* plat_speech_get();            // the silent one until another is installed
void plat_speech_install(const plat_speech_backend* b);  // nullptr puts the silent one back

}  // namespace orv
