#include "qz_speech.h"

namespace orv {

namespace {
bool g_ready = false;
}

int initspeechsynth() {
    g_ready = false;   // no speech back end yet
    return 0;
}

int speech_speak(const char*) { return g_ready ? 1 : 0; }

bool speech_ready() { return g_ready; }

void dispose_speech() { g_ready = false; }

}  // namespace orv
