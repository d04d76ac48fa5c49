#include "support/sound_recorder.h"

namespace orv_test {

namespace {

sound_slot_log logs[orv::PLAT_SOUND_SLOTS];
int device_present;

bool ok(int s) { return s >= 0 && s < orv::PLAT_SOUND_SLOTS; }

int  rec_open() { return device_present; }
int  rec_create(int s, const orv::plat_sound_format&, const void*, long bytes)
{
    if (!ok(s)) return orv::PLAT_SOUND_NO_BUFFER;
    logs[s] = sound_slot_log{1, bytes, 0, 1, 0, 0, 0};
    return orv::PLAT_SOUND_OK;
}
void rec_release(int s) { if (ok(s)) logs[s].has_buffer = 0; }
void rec_play(int s, int loop) { if (ok(s)) logs[s].playing = 1, logs[s].looped = loop, logs[s].plays++; }
void rec_stop(int s) { if (ok(s)) logs[s].playing = 0; }
void rec_volume(int s, int cb) { if (ok(s)) logs[s].volume = cb; }
void rec_frequency(int s, int hz) { if (ok(s)) logs[s].frequency = hz; }
void rec_close() { for (auto& l : logs) l.has_buffer = 0; }

const orv::plat_sound_backend recorder = {"recorder", rec_open, rec_create, rec_release, rec_play,
                                          rec_stop, rec_volume, rec_frequency, rec_close};

}  // namespace

void sound_recorder_install(int device)
{
    for (auto& l : logs) l = sound_slot_log{0, 0, 0, 1, 0, 0, 0};
    device_present = device;
    orv::plat_sound_install(&recorder);
}

const sound_slot_log& sound_log(int slot) { return logs[ok(slot) ? slot : 0]; }

}  // namespace orv_test
