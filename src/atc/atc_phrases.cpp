// atc_phrases.cpp -- the word pieces of the controller's phrases, vectors, the active
// runway, the ATIS, and the way a phrase goes out (text, standard error, speech).
#include "atc/atc_phrases.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <strings.h>

#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/qz_speech.h"
#include "2-QZutils/rec_plane.h"
#include "2-QZutils/records.h"
#include "flight/funct.h"
#include "flight/real_weather.h"
#include "platform/plat_backend.h"
#include "world/nav_db.h"
#include "world/wxr_file.h"

namespace orv {

namespace {

constexpr float kSecondsPerCharacter = 0.1f;   // a phrase stays on the screen this long a character
constexpr int   kVectorHeadingSlack = 5;       // degrees a heading may move before it is given again
constexpr float kMinVectorAgl = 1500;          // ft above the ground under the aircraft
constexpr float kAltitudeSlack = 200;          // ft off the given altitude before it is said again
constexpr float kSettledRate = 2;              // m/s: faster than this towards it is "on the way"
constexpr float kIlsSearchNm = 5;              // an ILS this near the field serves it
constexpr float kRunwayWindKt = 5;             // above this the wind picks the runway end
constexpr float kDewpointSpreadF = 10;         // without a report the air is this much drier
constexpr int   kGustShownKt = 6, kGustAlertKt = 5, kShearShownDeg = 10;

struct phrase_state {
    int   last_hdg;                // last heading given, -1 none
    int   last_alt;                // last altitude given, -1 none
    int   told_no_speech;
};
phrase_state ps = {-1, -1, 0};

const char* const kPlaneTypes[] = {
    "Cessna 152", "Cessna 172", "Piper Warrior", "Piper Archer", "Piper Arrow", "Beech Duke",
    "Tobago", "Trinidad", "Mooney", "Glasair", "Lancair", "Beech Duchess", "Beech Baron",
    "Cessna 310", "Cessna 414", "Pilatus PC 12", "Beech Starship", "Piaggio Avanti", "Lear 35",
    "Lear 55", "Cessna Citation", "Boeing 727", "Boeing 737", "Boeing 757", "Boeing 767",
    "Airbus A-300"};
constexpr int kLowTypeLast = 17, kHighTypeFirst = 11, kHighTypeLast = 25;
constexpr float kHighTrafficFt = 10000;

void append_digits(char* text, int value, int digits)
{
    char d[12];
    std::snprintf(d, sizeof d, "%0*d", digits, value);
    for (const char* c = d; *c; c++) {
        const char one[2] = {*c, 0};
        atc_append(text, one);
    }
}

void spell(char* text, const char* s)
{
    for (const char* c = s; *c; c++) {
        char word[PHONETIC_LEN];
        get_phonetic((char)std::toupper((unsigned char)*c), word);
        if (word[0]) atc_append(text, word);
    }
}

int wrap180(float a) { return intwrap((int)a, -179, 180); }   // truncated, as the runway rule wants

}  // namespace

void atc_append(char* text, const char* words)
{
    if (!words[0]) return;
    const size_t n = std::strlen(text);
    const bool blank = n == 0 || text[n - 1] == ' ' || words[0] == ' ' || words[0] == '.' || words[0] == ',';
    std::snprintf(text + n, ATC_TEXT - n, "%s%s", blank ? "" : " ", words);
}

void atc_appendf(char* text, const char* fmt, ...)
{
    char words[ATC_TEXT];
    va_list ap;
    va_start(ap, fmt);
    std::vsnprintf(words, sizeof words, fmt, ap);
    va_end(ap);
    atc_append(text, words);
}

void start_command_string(char* text, int us)
{
    if (us) {
        char name[sizeof pln.C_name];
        std::snprintf(name, sizeof name, "%s", pln.C_name);
        const size_t n = std::strlen(name);
        if (n > 4 && !strcasecmp(name + n - 4, ".acf")) name[n - 4] = 0;   // the name, not the file
        atc_append(text, name);
        spell(text, pln.tailnum);
        return;
    }
    char tail[7];
    tail[0] = 'N';
    for (int k = 1; k <= 3; k++) tail[k] = (char)('0' + intrand(0, 9));
    tail[4] = code_to_char(intrand(1, CHAR_CODE_MAX));   // a digit or a letter
    tail[5] = code_to_char(intrand(11, CHAR_CODE_MAX));  // a letter
    tail[6] = 0;
    spell(text, tail);
}

void app_heading_string(char* text, float h, int hownear)
{
    const int near = hownear > 0 ? hownear : 1;
    int hdg = (int)fltwrap(h, 0, 360);
    hdg = round((float)hdg / near) * near;
    hdg = intwrap(hdg, 0, 359);
    append_digits(text, hdg == 0 ? 360 : hdg, 3);
}

void app_turn_string(char* text, float h, int hownear)
{
    const float diff = fltwrap(h - flt.magpsi, -180, 180);
    atc_append(text, diff < 1 ? "turn left heading" : "turn right heading");
    app_heading_string(text, h, hownear);
}

void app_freq(char* text, int f1, int f2)
{
    append_digits(text, f1, 3);
    atc_append(text, "point");
    append_digits(text, f2, 2);
}

void app_random_freq(char* text) { app_freq(text, intrand(118, 134), intrand(0, 19)); }

void app_squawk(char* text)
{
    for (int k = 0; k < 4; k++) atc_appendf(text, "%d", intrand(0, 7));
}

void app_altimeter_string(char* text, float baro)
{
    if (pln.us_alt) {
        const int hundredths = round(baro * 100);
        atc_appendf(text, "altimeter %d.%02d", hundredths / 100, hundredths % 100);
    } else {
        atc_appendf(text, "area QNH %d.", round(baro * 1013 / 29.92f));
    }
}

void app_wind_string(char* text, int dir, int spd, int gust, int shear)
{
    if (spd <= 0) return atc_append(text, "Wind calm");
    if (spd <= 4) return atc_append(text, "Wind light and variable");
    if (shear > kShearShownDeg || gust - spd > kGustAlertKt) atc_append(text, "Wind shear alert.");
    atc_append(text, "Wind");
    app_heading_string(text, (float)dir, 10);
    atc_appendf(text, "at %d", spd);
    if (shear > kShearShownDeg) {
        atc_append(text, "variable");
        app_heading_string(text, (float)(dir - shear), 10);
        atc_append(text, "to");
        app_heading_string(text, (float)(dir + shear), 10);
    }
    if (gust - spd >= kGustShownKt) atc_appendf(text, "gust %d", gust);
}

void app_current_rway_string(char* text, int apt)
{
    int rway = 0, direction = 1, ils = 0, ils_nav = 0;
    get_active_rway(apt, &rway, &direction, &ils, &ils_nav);
    const bool reverse = direction == 2;
    int num = apt_num[apt][rway];
    if (reverse) num = intwrap(num + 18, 1, 36);
    atc_append(text, "runway");
    if (num >= 10) append_digits(text, num, 2);
    else atc_appendf(text, "%d", num);
    const char lr = apt_lr[apt][rway];
    if (lr == 'L') atc_append(text, reverse ? "right" : "left");
    if (lr == 'R') atc_append(text, reverse ? "left" : "right");
}

const char* app_rand_plane(float z)
{
    const bool high = z * con.mtrstoft >= kHighTrafficFt;
    return kPlaneTypes[high ? intrand(kHighTypeFirst, kHighTypeLast) : intrand(0, kLowTypeLast)];
}

int vector_me(float hdg_des, int hdg_near, float alt_des, int alt_near, int force_message, char* text)
{
    const int hnear = hdg_near > 0 ? hdg_near : 1, anear = alt_near > 0 ? alt_near : 1;
    const int hdg = intwrap(round(fltwrap(hdg_des, 0, 360) / hnear) * hnear, 0, 359);
    const float floor_ft = env.localh_cg * con.mtrstoft + kMinVectorAgl;
    const int alt = round(std::fmax(alt_des, floor_ft) / anear) * anear;
    const float now_ft = (float)flt.Y * con.mtrstoft;
    const bool hdg_call = force_message || ps.last_hdg < 0 || std::abs(intwrap(hdg - ps.last_hdg, -179, 180)) > kVectorHeadingSlack;
    const bool alt_call = force_message || alt != ps.last_alt ||
                          (now_ft > alt + kAltitudeSlack && flt.vY > -kSettledRate) ||
                          (now_ft < alt - kAltitudeSlack && flt.vY < kSettledRate);
    if (hdg_call) {
        app_turn_string(text, (float)hdg, hnear);
        ps.last_hdg = hdg;
    }
    if (alt_call) {
        atc_appendf(text, "%s and maintain %d feet", now_ft < alt ? "climb" : "descend", alt);
        ps.last_alt = alt;
    }
    return hdg_call || alt_call;
}

void vector_me_reset() { ps.last_hdg = ps.last_alt = -1; }

// The real-weather file's report for the airport's position, decoded over the inputs given.
static int airport_report(int apt, float* z_time, int* cld, float* base, float* tops, float* vis, int* kind,
                          int* den, float* temp, float* dewp, float* dir, float* spd, float* gust, float* baro)
{
    if (!wxr_open()) return 0;
    char report[400] = "";
    float z_report = apt_h[apt];
    const int found = get_wxr_str(report, &z_report, apt_lat[apt][0], apt_lon[apt][0]);
    wxr_close();
    if (!found) return 0;
    decode_wxr(report, z_report, z_time, cld, base, tops, vis, kind, den, temp, dewp, dir, spd, gust, baro);
    return 1;
}

void atc_airport_wind(int apt, float* dir, float* spd, float* gust)
{
    const int k = intlim(wind_index(apt_h[apt]), 0, 8);
    float d = atm.wnddir[k], s = atm.wndspd[k], g = atm.shrspd[k];
    float z_time = msc.zulu_time, base = atm.baseMSL, tops = atm.topsMSL, vis = atm.vis_rep;
    float temp = atm.temp_SL, dewp = temp, baro = atm.baro;
    int cld = atm.cld_type, kind = 0, den = 0;
    airport_report(apt, &z_time, &cld, &base, &tops, &vis, &kind, &den, &temp, &dewp, &d, &s, &g, &baro);
    *dir = d;
    *spd = s * con.msctokts;
    *gust = (s + g) * con.msctokts;   // the layers and the reports keep the gust above the mean
}

// The runway end whose heading lies nearest `course`: runway 0's two ends, then those of
// runways 1 and 2 that exist, earlier ends winning ties.
static void nearest_end(int apt, float course, int* rway, int* direction)
{
    int best = 999;
    for (int r = 0; r < APT_RWYS; r++) {
        if (r > 0 && apt_len[apt][r] <= 1) continue;
        for (int d = 1; d <= 2; d++) {
            const int end_hdg = apt_hdng[apt][r] + (d == 2 ? 180 : 0);
            const int off = std::abs(wrap180((float)end_hdg - course));
            if (off < best) {
                best = off;
                *rway = r;
                *direction = d;
            }
        }
    }
}

void get_active_rway(int apt, int* rway, int* direction, int* ils_loc_found, int* ILS_to_use)
{
    float wind_dir = 0, wind_kt = 0, gust = 0;
    atc_airport_wind(apt, &wind_dir, &wind_kt, &gust);
    *rway = 0;
    if (apt_len[apt][1] > apt_len[apt][*rway]) *rway = 1;
    if (apt_len[apt][2] > apt_len[apt][*rway]) *rway = 2;
    *direction = 1;
    *ils_loc_found = 0;
    *ILS_to_use = 0;
    int best = 999;
    for (int n = 0; n < NAV_CAP; n++) {
        if (nav_type[n] != NAV_LOC && nav_type[n] != NAV_LOC_ONLY) continue;
        const float dis_nm = 60 * pythag(nav_lat[n] - apt_lat[apt][0], nav_lon[n] - apt_lon[apt][0]);
        if (dis_nm >= kIlsSearchNm) continue;
        const int wind_angle = std::abs(wrap180(wind_dir - nav_hdng[n]));
        if (wind_angle >= best) continue;
        best = wind_angle;
        *ILS_to_use = n;
        *ils_loc_found = 1;
        nearest_end(apt, (float)nav_hdng[n], rway, direction);
    }
    if (!*ils_loc_found && wind_kt > kRunwayWindKt) nearest_end(apt, wind_dir, rway, direction);
}

// Ceilings are reported in coarser steps the higher they are.
static int reported_ceiling(float base_m, float field_m)
{
    const int c = round((base_m - field_m) * con.mtrstoft);
    const int step = c <= 1000 ? 50 : c <= 10000 ? 100 : 500;
    return round((float)c / step) * step;
}

void give_ATIS(int apt)
{
    float z_time = msc.zulu_time, base = atm.baseMSL, tops = atm.topsMSL, vis = atm.vis_rep;
    const real_weather_targets& rw = real_weather_state();
    float temp = atm.temp_SL, dewp = rw.in_use ? rw.dewp : atm.temp_SL - kDewpointSpreadF;
    float dir = atm.wnddir[0], spd = atm.wndspd[0], gust = atm.shrspd[0], baro = atm.baro;
    int cld = atm.cld_type, kind = 0, den = 0;
    airport_report(apt, &z_time, &cld, &base, &tops, &vis, &kind, &den, &temp, &dewp, &dir, &spd, &gust, &baro);

    char text[ATC_TEXT] = "";
    atm.info[0] = code_to_char(intrand(11, CHAR_CODE_MAX));
    atm.info[1] = 0;
    char letter[PHONETIC_LEN];
    get_phonetic(atm.info[0], letter);
    atc_appendf(text, "%s information %s", apt_name[apt], letter);
    int hrs = 0, min = 0;
    sec_to_hrs_min(z_time, &hrs, &min);
    atc_appendf(text, ". %d hundred zooloo weather.", hrs);
    if (cld == 0) atc_append(text, "Sky clear");
    else atc_appendf(text, "Measured ceiling %d overcast", reported_ceiling(base, apt_h[apt]));
    const float vis_nm = vis * con.mtrstonm;
    if (vis_nm > 0.9f) atc_appendf(text, "visibility %d", round(vis_nm));
    else atc_appendf(text, "R V R %d", round(vis * con.mtrstoft / 100) * 100);
    if (kind < 1) atc_append(text, ".");
    else atc_append(text, temp > 32 ? ", rain." : ", snow.");
    atc_appendf(text, "Temperature %d dewpoint %d.", (int)temp, (int)dewp);
    const float spd_kt = spd * con.msctokts;
    app_wind_string(text, (int)dir, (int)spd_kt, (int)(spd_kt + gust * con.msctokts), 0);
    atc_append(text, ",");
    app_altimeter_string(text, baro);
    atc_append(text, ". Arriving and departing");
    app_current_rway_string(text, apt);
    atc_appendf(text, ". Advise on initial contact you have %s.", letter);
    speakstring(text);
}

void speakstring(const char* text)
{
    std::snprintf(atc.response, sizeof atc.response, "%.399s", text);
    const bool words = atc.response[strspn(atc.response, " ")] != 0;   // the wake-up blank is not shown
    if (atc.text_out) {
        atc.response_timeout = msc.elap_time + kSecondsPerCharacter * (float)std::strlen(atc.response);
        if (words && plat_backend_get()->headless) std::fprintf(stderr, "ATC: %s\n", atc.response);
    }
    if (!atc.voice_out) return;
    if (!msc.speech_avail) {
        if (words && !ps.told_no_speech) {
            ps.told_no_speech = 1;
            mnw_log("No speech engine: the controller's words are shown as text only.");
            if (plat_backend_get()->headless) std::fprintf(stderr, "ATC: no speech, text only\n");
        }
        return;
    }
    if (!speech_speak(atc.response)) MACIBM_alert("Can't speak ATC command!", "", "", "", ALERT_NOTE);
}

void speak_to_pilot(const char* words)
{
    char text[ATC_TEXT] = "";
    start_command_string(text, 1);
    atc_append(text, words);
    speakstring(text);
}

float atc_distance_nm(float lat, float lon)
{
    const double x = X_with_latlon(lat, lon), z = Z_with_lat(lat);
    return pythag((float)(x - flt.X), (float)(z - flt.Z)) * con.mtrstonm;
}

float atc_bearing(float lat, float lon) { return true_bearing_to(X_with_latlon(lat, lon), Z_with_lat(lat)); }

void atc_phrases_reset() { ps = {-1, -1, 0}; }

}  // namespace orv
