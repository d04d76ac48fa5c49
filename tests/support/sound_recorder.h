// sound_recorder.h -- a sound back end that plays nothing and records, per slot, what the
// sound engine asked of it: the buffer, the latest frequency and volume, play and stop.
#pragma once

#include "platform/plat_sound.h"

namespace orv_test {

struct sound_slot_log {
    int  has_buffer;
    long bytes;
    int  frequency;      // Hz; 0 until set
    int  volume;         // hundredths of a decibel; 1 until set (never a real value)
    int  playing, looped, plays;
};

// Installs the recorder with cleared logs; `device` says whether a device opens.
void sound_recorder_install(int device = 1);
const sound_slot_log& sound_log(int slot);

}  // namespace orv_test
