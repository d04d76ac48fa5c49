// The OpenAL Soft sound back end: one source and one buffer per slot on the default device.
// The engine speaks in playback rates (samples per second) and hundredths of a decibel; a
// source speaks in pitch (rate over the recorded rate) and linear gain.
#include "platform/openal/snd_openal.h"

#include <AL/al.h>
#include <AL/alc.h>

#include <cmath>

namespace orv {

namespace {

ALCdevice*  device;
ALCcontext* context;
ALuint source[PLAT_SOUND_SLOTS];
ALuint buffer[PLAT_SOUND_SLOTS];
int    recorded_rate[PLAT_SOUND_SLOTS];   // 0: the slot has no buffer

bool valid(int slot) { return context && slot >= 0 && slot < PLAT_SOUND_SLOTS && recorded_rate[slot] > 0; }

void al_release(int slot)
{
    if (!valid(slot)) return;
    alSourceStop(source[slot]);
    alSourcei(source[slot], AL_BUFFER, 0);
    alDeleteSources(1, &source[slot]);
    alDeleteBuffers(1, &buffer[slot]);
    recorded_rate[slot] = 0;
}

void al_close()
{
    for (int s = 0; s < PLAT_SOUND_SLOTS; s++) al_release(s);
    if (context) {
        alcMakeContextCurrent(nullptr);
        alcDestroyContext(context);
        context = nullptr;
    }
    if (device) {
        alcCloseDevice(device);
        device = nullptr;
    }
}

int al_open()
{
    if (context) return 1;
    device = alcOpenDevice(nullptr);
    if (!device) return 0;
    context = alcCreateContext(device, nullptr);
    if (!context || !alcMakeContextCurrent(context)) {
        al_close();
        return 0;
    }
    return 1;
}

int al_create(int slot, const plat_sound_format& fmt, const void* samples, long bytes)
{
    if (!context || slot < 0 || slot >= PLAT_SOUND_SLOTS || fmt.rate <= 0) return PLAT_SOUND_NO_BUFFER;
    ALenum format;
    if (fmt.channels == 1 && fmt.bits == 8) format = AL_FORMAT_MONO8;
    else if (fmt.channels == 1 && fmt.bits == 16) format = AL_FORMAT_MONO16;
    else if (fmt.channels == 2 && fmt.bits == 8) format = AL_FORMAT_STEREO8;
    else if (fmt.channels == 2 && fmt.bits == 16) format = AL_FORMAT_STEREO16;
    else return PLAT_SOUND_NO_BUFFER;
    const long frame = (long)fmt.channels * fmt.bits / 8;
    const long whole = bytes - bytes % frame;    // OpenAL refuses a part frame at the end
    if (whole <= 0) return PLAT_SOUND_NO_UPLOAD;

    al_release(slot);
    alGetError();
    alGenSources(1, &source[slot]);
    if (alGetError() != AL_NO_ERROR) return PLAT_SOUND_NO_BUFFER;
    alGenBuffers(1, &buffer[slot]);
    if (alGetError() != AL_NO_ERROR) {
        alDeleteSources(1, &source[slot]);
        return PLAT_SOUND_NO_BUFFER;
    }
    alBufferData(buffer[slot], format, samples, (ALsizei)whole, fmt.rate);
    if (alGetError() == AL_NO_ERROR) alSourcei(source[slot], AL_BUFFER, (ALint)buffer[slot]);
    if (alGetError() != AL_NO_ERROR) {
        alDeleteSources(1, &source[slot]);
        alDeleteBuffers(1, &buffer[slot]);
        return PLAT_SOUND_NO_UPLOAD;
    }
    // The cockpit's sounds are heard where the listener is, not placed in the scene.
    alSourcei(source[slot], AL_SOURCE_RELATIVE, AL_TRUE);
    recorded_rate[slot] = fmt.rate;
    return PLAT_SOUND_OK;
}

void al_play(int slot, int loop)
{
    if (!valid(slot)) return;
    alSourcei(source[slot], AL_LOOPING, loop ? AL_TRUE : AL_FALSE);
    ALint state = AL_STOPPED;
    alGetSourcei(source[slot], AL_SOURCE_STATE, &state);
    if (state != AL_PLAYING) alSourcePlay(source[slot]);
}

void al_stop(int slot)
{
    if (valid(slot)) alSourceStop(source[slot]);
}

void al_volume(int slot, int centibels)
{
    if (valid(slot)) alSourcef(source[slot], AL_GAIN, std::pow(10.0f, (float)centibels / 2000.0f));
}

void al_frequency(int slot, int hz)
{
    if (valid(slot) && hz > 0) alSourcef(source[slot], AL_PITCH, (float)hz / (float)recorded_rate[slot]);
}

const plat_sound_backend openal = {"openal", al_open, al_create, al_release, al_play,
                                   al_stop, al_volume, al_frequency, al_close};

}  // namespace

const plat_sound_backend* snd_openal_backend() { return &openal; }

}  // namespace orv
