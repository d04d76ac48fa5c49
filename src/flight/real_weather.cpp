#include "flight/real_weather.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/records.h"
#include "flight/funct.h"
#include "flight/weather_evol.h"
#include "world/wxr_file.h"

namespace orv {

namespace {

real_weather_targets rw;
int   checked_once, alerted, damage_warned, range_warned;
float last_check;
int   last_lat, last_lon;
char  last_range_report[RWX_MAX_LINE + 1];

float day_wrap(float t)
{
    float d = std::fmod(t, 86400.0f);
    return d < 0 ? d + 86400 : d;
}

// Binary bytes or over-long lines: the file was not written as reports.
int file_damage(const char* path, int* binary, int* long_line)
{
    *binary = *long_line = 0;
    std::FILE* f = std::fopen(path, "rb");
    if (!f) return 0;
    int c, len = 0;
    while ((c = std::fgetc(f)) != EOF) {
        if (c == '\n' || c == '\r') {
            len = 0;
            continue;
        }
        if ((c < 0x20 && c != '\t') || c == 0x7f) *binary = 1;
        if (++len > RWX_MAX_LINE) *long_line = 1;
    }
    std::fclose(f);
    return *binary || *long_line;
}

void warn_damage()
{
    int binary, long_line;
    if (!file_damage(wxr_path(), &binary, &long_line)) {
        damage_warned = 0;
        return;
    }
    if (damage_warned) return;
    damage_warned = 1;
    MACIBM_alert("The real-weather file 'WORLD.RWX' is damaged:",
                 binary ? "it holds bytes that are not text." : "a line is longer than 399 characters.",
                 "I shall use whatever reports I can read in it,",
                 "and keep every value inside the ranges of the 'Set Weather' window.", ALERT_NOTE);
}

float rain_for(int kind, int density)
{
    static const float showers[3] = {2, 3.5f, 5}, storms[3] = {3, 4, 5};
    if (kind < 1 || density < 1) return 1;
    const int d = intlim(density, 1, 3) - 1;
    return kind == 1 ? storms[d] : showers[d];
}

// Limits one value to [lo, hi]; answers 1 when it was outside.
int limit(float* v, float lo, float hi)
{
    if (!std::isfinite(*v)) {
        *v = lo;
        return 1;
    }
    if (*v >= lo && *v <= hi) return 0;
    *v = fltlim(*v, lo, hi);
    return 1;
}

void apply_report(const char* report, float z_report)
{
    float z_time = msc.zulu_time, base = atm.baseMSL, tops = atm.topsMSL, vis = atm.vis_rep;
    float temp = atm.temp_SL, dewp = rw.dewp, dir = atm.wnddir[0], spd = atm.wndspd[0];
    float gust = atm.shrspd[0], baro = atm.baro;
    int   cld = atm.cld_type, kind = 0, den = 0;
    decode_wxr(report, z_report, &z_time, &cld, &base, &tops, &vis, &kind, &den, &temp, &dewp, &dir,
               &spd, &gust, &baro);
    const int wide_wind = report_wind_kt(report, &dir);
    if (wide_wind >= 0) spd = wide_wind * con.ktstomsc;

    const float ft = con.fttomtrs;
    const float field = start_airport_elevation();
    int absurd = 0;
    absurd |= limit(&vis, 185.2f, 37040);
    absurd |= limit(&base, field + 50, 98999 * ft);
    absurd |= limit(&tops, base + 1000 * ft, 99999 * ft);
    absurd |= limit(&temp, WX_TEMP_MIN_F, WX_TEMP_MAX_F);
    absurd |= limit(&dewp, WX_TEMP_MIN_F, WX_TEMP_MAX_F);
    absurd |= limit(&baro, WX_BARO_MIN, WX_BARO_MAX);
    absurd |= limit(&spd, 0, WX_WIND_MAX_KT * con.ktstomsc);
    absurd |= limit(&gust, 0, WX_WIND_MAX_KT * con.ktstomsc);
    absurd |= limit(&z_time, 0, 86400);
    if (!std::isfinite(dir)) dir = 0;
    if (absurd && std::strncmp(last_range_report, report, RWX_MAX_LINE) != 0) {
        std::snprintf(last_range_report, sizeof last_range_report, "%s", report);
        char l1[120];
        std::snprintf(l1, sizeof l1, "The weather report for %.4s in 'WORLD.RWX' holds values", report);
        MACIBM_alert(l1, "outside the ranges of the 'Set Weather' window.",
                     "I have limited them to those ranges.", "", ALERT_NOTE);
        range_warned++;
    }

    atm.cld_type = cld;
    atm.temp_SL = temp;
    atm.baro = baro;
    // A report gives the surface wind: every layer up to the station's own height takes it,
    // or a station above the lowest layer would report a wind nobody there feels.
    const int top = intlim(wind_index(z_report), 0, 8);
    for (int l = 0; l <= top; l++) {
        atm.wnddir[l] = dir;
        atm.wndspd[l] = spd;
        atm.shrspd[l] = gust;
    }
    rw.dewp = dewp;
    rw.vis = vis;
    rw.base = base;
    rw.tops = tops;
    rw.rain = rain_for(kind, den);
    std::snprintf(rw.station, sizeof rw.station, "%.4s", report);
    // The report's time is universal; the local clock follows the aircraft's longitude.
    msc.zulu_time = z_time;
    msc.locl_time = day_wrap(z_time + (float)(round(flt.lon / 15.0f) + 1) * 3600.0f);
    rw.in_use = 1;
}

void read_file()
{
    if (!wxr_open()) {
        rw.in_use = 0;                  // no file: the normal case, silent
        return;
    }
    atm.rate_change = WX_RATE_STEADY;
    if (!alerted) {
        alerted = 1;
        MACIBM_alert("I have detected the file 'WORLD.RWX' in the Vantorel folder.",
                     "I shall therefore use that file to set the TIME and WEATHER conditions, though you can over-ride the TIME setting.",
                     "You can over-ride the WEATHER settings in the 'Set Weather' window as well, but REAL conditions will soon over-ride YOUR settings!",
                     "For complete weather CONTROL, rather than using REAL weather, remove the file 'WORLD.RWX' from the Vantorel folder.",
                     ALERT_NOTE);
    }
    char report[400] = "";
    float z_report = 0;
    const int found = get_wxr_str(report, &z_report, flt.lat, flt.lon);
    wxr_close();
    warn_damage();
    if (found) apply_report(report, z_report);
}

void approach(float* v, float target) { *v += RWX_APPROACH * (target - *v); }

}  // namespace

int report_wind_kt(const char* report, float* dir_deg)
{
    if (!report) return -1;
    char buf[RWX_MAX_LINE + 1];
    std::snprintf(buf, sizeof buf, "%s", report);
    for (char* tok = std::strtok(buf, " \t"); tok; tok = std::strtok(nullptr, " \t")) {
        int slashes = 0;
        for (const char* p = tok; *p; p++) slashes += *p == '/';
        if (slashes < 3) continue;
        // [ppp/]tt/dd/ddfff/aaa: the wind is the third part after the optional pressure.
        int part = 0;
        const int want = slashes >= 4 ? 3 : 2;
        const char* start = tok;
        for (const char* p = tok;; p++) {
            if (*p == '/' || !*p) {
                if (part == want) {
                    const long n = p - start;
                    if (n != 5) return -1;
                    for (int k = 0; k < 5; k++)
                        if (start[k] < '0' || start[k] > '9') return -1;
                    if (dir_deg) *dir_deg = (float)(((start[0] - '0') * 10 + (start[1] - '0')) * 10);
                    return (start[2] - '0') * 100 + (start[3] - '0') * 10 + (start[4] - '0');
                }
                if (!*p) return -1;
                part++;
                start = p + 1;
            }
        }
    }
    return -1;
}

void real_weather_second()
{
    const int ilat = (int)std::floor(flt.lat), ilon = (int)std::floor(flt.lon);
    const float now = msc.elap_time;
    if (!checked_once || now - last_check >= RWX_CHECK_EVERY || now < last_check || ilat != last_lat ||
        ilon != last_lon) {
        checked_once = 1;
        last_check = now;
        last_lat = ilat;
        last_lon = ilon;
        read_file();
    }
    if (!rw.in_use) return;
    approach(&atm.vis_rep, rw.vis);
    approach(&atm.baseMSL, rw.base);
    approach(&atm.topsMSL, rw.tops);
    approach(&atm.rain_tstm, rw.rain);
    if (atm.rain_tstm < 1.5f && rw.rain < 1.5f) atm.rain_tstm = 1;
}

const real_weather_targets& real_weather_state() { return rw; }

void real_weather_reset()
{
    rw = real_weather_targets{};
    checked_once = alerted = damage_warned = range_warned = 0;
    last_check = 0;
    last_lat = last_lon = 0;
    last_range_report[0] = 0;
}

}  // namespace orv
