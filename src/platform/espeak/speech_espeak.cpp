// The espeak-ng speech back end. The engine runs synchronously: espeak_Synth returns once the
// whole line has gone through the callback, which copies the samples into the caller's room.
#include "platform/espeak/speech_espeak.h"

#include <espeak-ng/speak_lib.h>

#include <cstring>

namespace orv {

namespace {

constexpr const char* VOICES[] = {"en-us", "en"};   // the first that the data tree holds
constexpr int CALM_WORDS_PER_MINUTE = 165;          // a controller's steady pace
constexpr int NO_BUFFER_HINT = 0;                   // the engine picks its own chunk size

bool opened;
int  rate;

// Where the callback puts the samples of the line being rendered.
std::int16_t* room;
long          room_size, room_used;

int take_samples(short* wav, int n, espeak_EVENT*)
{
    if (!wav || n <= 0) return 0;
    const long fits = room_size - room_used < n ? room_size - room_used : n;
    if (fits > 0) std::memcpy(room + room_used, wav, (std::size_t)fits * sizeof(std::int16_t));
    room_used += fits;
    return room_used >= room_size ? 1 : 0;   // 1 stops the line: there is no room left
}

int es_open()
{
    if (opened) return rate;
    const int r = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, NO_BUFFER_HINT, nullptr, espeakINITIALIZE_DONT_EXIT);
    if (r <= 0) return 0;   // no data tree, or the library could not start
    bool voice = false;
    for (const char* v : VOICES)
        if (espeak_SetVoiceByName(v) == EE_OK) {
            voice = true;
            break;
        }
    if (!voice) {
        espeak_Terminate();
        return 0;
    }
    espeak_SetParameter(espeakRATE, CALM_WORDS_PER_MINUTE, 0);
    espeak_SetSynthCallback(take_samples);
    opened = true;
    rate = r;
    return rate;
}

long es_render(const char* text, std::int16_t* out, long max_samples)
{
    if (!opened || !text || !out || max_samples <= 0) return -1;
    room = out;
    room_size = max_samples;
    room_used = 0;
    const espeak_ERROR e = espeak_Synth(text, std::strlen(text) + 1, 0, POS_CHARACTER, 0, espeakCHARS_AUTO,
                                        nullptr, nullptr);
    room = nullptr;
    return e == EE_OK ? room_used : -1;
}

void es_close()
{
    if (!opened) return;
    espeak_Terminate();
    opened = false;
    rate = 0;
}

const plat_speech_backend espeak_backend = {"espeak-ng", es_open, es_render, es_close};

}  // namespace

const plat_speech_backend* speech_espeak_backend() { return &espeak_backend; }

}  // namespace orv
