// sound_set.h -- the simulator's sounds: the engines by type, the wind and rain loops, the horn
// and motors, thunder, touchdowns, the crash, the marker and Morse tones, and the cockpit's
// spoken warnings (rendered by a speech engine, or tones when there is none).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "synth.h"

namespace snd {

struct sound {
    std::string file;    // the name in the "sounds" folder ("eng1.WAV" ...)
    bool        looped;  // played round and round: its end joins its start
    track       samples;
};

// Every synthesised sound, engines first.
std::vector<sound> synthesised_sounds();

// The spoken warnings: file and words.
struct spoken {
    const char* file;
    const char* words;
};
const std::vector<spoken>& spoken_warnings();

// The warning as a tone, when no speech engine can say it: a two-note chime whose notes tell
// the warnings apart.
track warning_tone(int index);

}  // namespace snd
