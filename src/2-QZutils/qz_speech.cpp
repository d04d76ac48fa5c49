// The speech engine: one line at a time rendered by the installed speech back end into a fixed
// room and played on the sound engine's speech slot. Speech needs both the synthesiser and a
// sound device; without them the controller's words go out as text only.
#include "2-QZutils/qz_speech.h"

#include <cstdint>

#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/qz_sound.h"
#include "2-QZutils/records.h"
#include "platform/plat_speech.h"

namespace orv {

namespace {

// Room for the longest line the controller says (399 characters) at a calm pace.
constexpr long LINE_SECONDS = 40;
constexpr long MAX_RATE = 22050;
std::int16_t line_samples[LINE_SECONDS * MAX_RATE];

bool g_ready = false;
int  g_rate = 0;
bool g_absence_said = false;

void say_absence_once(const char* why)
{
    if (g_absence_said) return;
    g_absence_said = true;
    mnw_log(why);
}

}  // namespace

int initspeechsynth()
{
    dispose_speech();
    if (!msc.sound_avail) return 0;   // the missing device has been said: it silences the voice too
    g_rate = plat_speech_get()->open();
    if (g_rate <= 0 || g_rate > MAX_RATE) {
        if (g_rate > 0) plat_speech_get()->close();
        g_rate = 0;
        say_absence_once("No speech engine (espeak-ng) could start: ATC speaks as text only.");
        return 0;
    }
    g_ready = true;
    return 1;
}

int speech_speak(const char* text)
{
    if (!g_ready || !text) return 0;
    const long n = plat_speech_get()->render(text, line_samples, (long)(sizeof line_samples / sizeof line_samples[0]));
    if (n < 0) return 0;
    if (n == 0) return 1;   // a blank line: nothing to hear, yet the engine is awake
    return play_speech_samples(line_samples, n, g_rate);
}

bool speech_ready() { return g_ready; }

void dispose_speech()
{
    if (g_ready) plat_speech_get()->close();
    g_ready = false;
    g_rate = 0;
}

}  // namespace orv
