// The silent speech back end: no engine opens.
#include "platform/plat_speech.h"

namespace orv {

namespace {

int  mute_open() { return 0; }
long mute_render(const char*, std::int16_t*, long) { return -1; }
void mute_close() {}

const plat_speech_backend mute = {"silent", mute_open, mute_render, mute_close};
const plat_speech_backend* installed = &mute;

}  // namespace

const plat_speech_backend* plat_speech_get() { return installed; }
void plat_speech_install(const plat_speech_backend* b) { installed = b ? b : &mute; }

}  // namespace orv
