// speech_espeak.h -- the speech back end over the espeak-ng library (US English voice), rendering
// into samples in the caller's buffer. Only the programs link it: the simulator installs it
// before initspeechsynth (plat_speech_install(speech_espeak_backend())), and the sound tool
// renders the cockpit's spoken warnings with it at build time.
#pragma once

#include "platform/plat_speech.h"

namespace orv {

const plat_speech_backend* speech_espeak_backend();

}  // namespace orv
