#include "support/sound_recorder.h"

namespace orv_test {

namespace {

sound_slot_log logs[orv::PLAT_SOUND_SLOTS];
int device_present;

constexpr int UNSET_VOLUME = 1;

bool in_range(int s) { return s >= 0 && s < orv::PLAT_SOUND_SLOTS; }

int  rec_open() { return device_present; }
int  rec_create(int s, const orv::plat_sound_format& f, const void*, long bytes)
{
    if (!in_range(s)) return orv::PLAT_SOUND_NO_BUFFER;
    logs[s] = sound_slot_log{1, f, bytes, 0, UNSET_VOLUME, 0, 0, 0, 0};
    return orv::PLAT_SOUND_OK;
}
void rec_release(int s) { if (in_range(s)) logs[s].has_buffer = 0; }
void rec_play(int s, int loop) { if (in_range(s)) { logs[s].playing = 1; logs[s].looped = loop; logs[s].plays++; } }
void rec_stop(int s) { if (in_range(s)) { logs[s].playing = 0; logs[s].stops++; } }
void rec_volume(int s, int cb) { if (in_range(s)) logs[s].volume = cb; }
void rec_frequency(int s, int hz) { if (in_range(s)) logs[s].frequency = hz; }
void rec_close() { for (auto& l : logs) l.has_buffer = 0; }

const orv::plat_sound_backend recorder = {"recorder", rec_open, rec_create, rec_release, rec_play,
                                          rec_stop, rec_volume, rec_frequency, rec_close};

}  // namespace

void sound_recorder_install(int device)
{
    for (auto& l : logs) l = sound_slot_log{};
    sound_log_clear_levels();
    device_present = device;
    orv::plat_sound_install(&recorder);
}

const sound_slot_log& sound_log(int slot) { return logs[in_range(slot) ? slot : 0]; }

void sound_log_clear_levels()
{
    for (auto& l : logs) {
        l.frequency = 0;
        l.volume = UNSET_VOLUME;
    }
}

}  // namespace orv_test
