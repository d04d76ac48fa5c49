// atc_phrases.h -- the controller's words: the pieces every phrase is built from (call signs,
// headings, turns, frequencies, squawk codes, altimeter, wind, runway), the vectors, the
// airport's active runway, the ATIS, and `speakstring`, which shows and speaks a phrase.
// Each piece appends to a text of ATC_TEXT characters, with a blank between words.
#pragma once

namespace orv {

// Appends `words` to `text` (ATC_TEXT long), a blank between when neither side has one.
void atc_append(char* text, const char* words);
// printf-style append.
void atc_appendf(char* text, const char* fmt, ...);

// The pilot's call sign (us: the aircraft's name and its tail number spelled phonetically),
// or a made-up one of other traffic.
void start_command_string(char* text, int us);
void app_heading_string(char* text, float h, int hownear);   // "2 7 0"; 0 is said "3 6 0"
void app_turn_string(char* text, float h, int hownear);      // "turn left heading ..." from the magnetic heading
void app_freq(char* text, int f1, int f2);                   // "1 2 4 point 3 5"
void app_random_freq(char* text);                            // a frequency of the controllers' band
void app_squawk(char* text);                                 // four random digits 0..7
void app_altimeter_string(char* text, float baro);           // by the aircraft's units (pln.us_alt)
void app_wind_string(char* text, int dir, int spd, int gust, int shear);   // degrees and knots
void app_current_rway_string(char* text, int apt);
const char* app_rand_plane(float z);                         // a traffic aircraft's type at height z (m)

// The heading (degrees, rounded to hdg_near) and altitude (ft, rounded to alt_near) to fly:
// says only what changed or is not being flown (both when force_message). Answers 1 when
// anything was added to text.
int  vector_me(float hdg_des, int hdg_near, float alt_des, int alt_near, int force_message, char* text);
void vector_me_reset();                      // no heading or altitude given yet

// The runway (0..2) and direction (1 its own heading, 2 the reciprocal) that airport apt
// lands on, and the ILS or localizer serving it (ils_loc_found 1, navaid ILS_to_use).
void get_active_rway(int apt, int* rway, int* direction, int* ils_loc_found, int* ILS_to_use);

// Wind at airport apt (degrees, knots, gust knots): the wind layer of its elevation, or the
// real-weather file's report for it.
void atc_airport_wind(int apt, float* dir, float* spd, float* gust);

void give_ATIS(int apt);

// Cut at 399 characters, kept in atc.response, shown with text_out while response_timeout
// lasts (on standard error in a run without a picture), spoken with speech and voice_out.
void speakstring(const char* text);
// A call-signed phrase: the pilot's call sign, then the words.
void speak_to_pilot(const char* words);

// Distance (nm) and true bearing (degrees) from the aircraft to (lat, lon).
float atc_distance_nm(float lat, float lon);
float atc_bearing(float lat, float lon);

void atc_phrases_reset();

}  // namespace orv
