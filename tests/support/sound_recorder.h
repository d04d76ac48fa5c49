// sound_recorder.h -- a sound back end that plays nothing and records, per slot, what the
// sound engine asked of it: the buffer, the latest frequency and volume, play and stop.
#pragma once

#include "platform/plat_sound.h"

namespace orv_test {

struct sound_slot_log {
    int  has_buffer;
    orv::plat_sound_format fmt;
    long bytes;
    int  frequency;      // Hz; 0 until set
    int  volume;         // hundredths of a decibel; 1 until set (never a real value)
    int  playing, looped;
    int  plays, stops;
};

// Installs the recorder with cleared logs; `device` says whether its open succeeds.
void sound_recorder_install(int device = 1);
const sound_slot_log& sound_log(int slot);
void sound_log_clear_levels();   // frequency and volume back to "not set", for the next frame

}  // namespace orv_test
