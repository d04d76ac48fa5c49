// The silent sound back end: no device, every operation does nothing.
#include "platform/plat_sound.h"

namespace orv {

namespace {

int  silent_open() { return 0; }
int  silent_create(int, const plat_sound_format&, const void*, long) { return PLAT_SOUND_NO_BUFFER; }
void silent_slot(int) {}
void silent_play(int, int) {}
void silent_level(int, int) {}
void silent_close() {}

const plat_sound_backend silent = {"silent", silent_open, silent_create, silent_slot, silent_play,
                                   silent_slot, silent_level, silent_level, silent_close};
const plat_sound_backend* installed = &silent;

}  // namespace

const plat_sound_backend* plat_sound_get() { return installed; }
void plat_sound_install(const plat_sound_backend* b) { installed = b ? b : &silent; }
const plat_sound_backend* plat_sound_silent() { return &silent; }

}  // namespace orv
