// snd_openal.h -- the sound back end over OpenAL Soft. Only the programs link it; they
// install it before init_sound (plat_sound_install(snd_openal_backend())).
#pragma once

#include "platform/plat_sound.h"

namespace orv {

const plat_sound_backend* snd_openal_backend();

}  // namespace orv
