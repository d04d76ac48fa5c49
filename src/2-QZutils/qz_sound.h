// qz_sound.h -- the sound engine: 23 fixed slots, each one buffer filled from a PCM ".WAV"
// file when an aircraft is loaded (the aircraft's own file first, then the "sounds" folder).
// Three slots are continuous and follow the flight (engine, wind, rain); the others are
// event and warning sounds. The device is behind the back-end table of platform/plat_sound.h:
// silent unless the program installs one, so every call here is safe without a device.
//
// Every call does nothing while sound is unavailable (msc.sound_avail), before the first
// slot has been filled, and for a slot whose file failed. Starting a sound also needs the
// user's switch (msc.sound_on); stopping one does not, so switching sound off can silence
// what is playing.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/plat_sound.h"

namespace orv {

constexpr int SOUND_SLOTS = 23;               // the slots filled from sound files
constexpr int SND_SPEECH = PLAT_SPEECH_SLOT;  // the speech engine's line, after them

enum {
    SND_ENGINE = 0, SND_WIND, SND_RAIN, SND_STALL, SND_FLAP, SND_THUNDER, SND_GEAR,
    SND_TOUCH_RUNWAY, SND_TOUCH_OFF, SND_TOUCH_WATER, SND_CRASH, SND_SINK, SND_PULL_UP,
    SND_TOO_LOW_GEAR, SND_GLIDE_SLOPE, SND_MINIMUMS, SND_WIND_SHEAR, SND_CAUTION,
    SND_50FT, SND_25FT, SND_10FT, SND_MARKER_DOT, SND_MARKER_DASH
};

// File name of each slot ("engn.WAV", ...).
extern const char* const sound_file_name[SOUND_SLOTS];

struct soundstruct {
    int   buffers_filled;               // set once filling has started
    int   has_buffer[SOUND_SLOTS];      // the slot's file loaded into a back-end buffer
    // Precipitation at the aircraft, 0..1, for the rain law: the storm level the weather
    // finds round the aircraft, set every frame by maintain_windrain_sound.
    float prec_rat;
    int   sounds_folder_missing;        // said once; the slots then wait for the aircraft's own
};
extern soundstruct snd;

// Opens the installed back end's device; answers 1 and sets msc.sound_avail when it opened.
// Otherwise says so once and the program runs silent: the alert "Sound init failure!" where
// someone sees the picture, one line in "Error.out" in a run without one.
int  init_sound();
void fill_buffer(int sound_en);         // loads slot sound_en (0..22)
void fill_buffers();                    // every slot, in the load order; after each aircraft load
void play_buffer(int sound_en, int loop);
void stop_buffer(int index);
void set_frq_vol(float frq_rat, float vol_rat, float lovol, float hivol, int index);
void play_engine_and_windrain();
void stop_engine_and_windrain();
void maintain_engine_sound();           // every frame while the aircraft has engines
void maintain_windrain_sound();         // every frame
void dispose_sound();                   // releases every buffer and the device
void stop_all_sounds();                 // every sound slot (the voice has its own switch)

// Precipitation at the aircraft (0..1) from the storm level round it: none above the tops
// or where it falls as snow.
float rain_at_aircraft();

// Plays `count` mono 16-bit samples recorded at `rate` on the speech slot, replacing what it
// held; 1 when it plays. Needs a device, not the sound switch (the voice has its own).
int  play_speech_samples(const std::int16_t* samples, long count, int rate);

// The laws of set_frq_vol: playback rate (Hz) and volume (hundredths of a decibel).
int  sound_frequency(float frq_rat);
int  sound_volume(float vol_rat, float lovol, float hivol);

// The generic engine sound for the loaded aircraft's kind and engine type ("eng1.WAV" ...).
const char* generic_engine_sound();

// A RIFF/WAVE image in memory: answers nullptr and the samples (pointing into `data`) when it
// holds PCM sound, else the alert that says why not.
struct wav_sound {
    plat_sound_format fmt;
    int               format_tag;       // 1: PCM
    const std::uint8_t* samples;
    long              bytes;
};
const char* wav_parse(const std::uint8_t* data, std::size_t size, wav_sound* out);

// Reads and checks the sound file at `path` (file-layer form) into slot; 1 when the slot has
// a buffer, else the alert has been shown.
int  load_sound_file(int slot, const char* path);

}  // namespace orv
