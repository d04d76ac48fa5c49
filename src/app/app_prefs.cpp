#include "app/app_prefs.h"

#include <cmath>
#include <limits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iomanip>

#include <sys/stat.h>

#include "2-QZutils/qz_file.h"
#include "2-QZutils/qz_pick.h"
#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_joy.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/records.h"
#include "flight/funct.h"
#include "flight/weather_evol.h"
#include "windows/data_output.h"
#include "windows/serial_out.h"
#include "world/nav_db.h"
#include "world/region.h"

namespace orv {

// The airport tables are filled by init_country_data; before that (or when its files were
// missing) they hold nothing, and the start airport stays index 0 without a position.
static int airports_loaded()
{
    return env.aptmax >= 0 && env.aptmax < APT_CAP && apt_id[0][0] != 0;
}

int default_start_airport()
{
    if (!airports_loaded()) return 0;
    int found = 0;
    for (int i = 0; i <= env.aptmax; i++)
        if (std::strncmp(apt_id[i], "KSBD", 4) == 0) found = i;   // the last one wins
    return found;
}

int start_airport_position(int index, float* lat, float* lon)
{
    if (!airports_loaded() || index < 0 || index > env.aptmax) return 0;
    *lat = apt_lat[index][0];
    *lon = apt_lon[index][0];
    return 1;
}

static void set_region_corner_from_airport()
{
    float lat, lon;
    if (!start_airport_position(msc.loc_apt_wrl, &lat, &lon)) return;
    env.lat_sou = round(lat - 1.0f);
    env.lon_wes = round(lon - 1.5f);
}

// ---- the record, field by field, in the order of the file

constexpr int kRecordFields = 200;   // room for the table below
constexpr float kTimeOfDayMax = 86400;                // s
constexpr float kTempMinF = -80, kTempMaxF = 140;     // sea-level temperature
constexpr float kBaroMin = 25, kBaroMax = 35;         // inches of mercury
// Waves: amplitude, length and speed (m, m, m/s) of a rough sea; the steepest and fastest
// the ranges allow still lets a floating aircraft ride them.
constexpr float kWaveAmpMax = 2, kWaveLengthMin = 10, kWaveLengthMax = 500, kWaveSpeedMax = 20;
constexpr float kNullZoneMax = 0.5f;                  // of the stick's travel
constexpr float kFailDrawMax = 400;                   // the failure draws' range
constexpr int   kMeteorCodes = 4, kFrictionCodes = 3;
constexpr int   kNavMin = 10800, kNavMax = 11799, kComMin = 11800, kComMax = 13699;   // 10 kHz units
constexpr int   kAdfMax = 999;                        // kHz: three wheels
constexpr int   kTextureResMin = 1, kTextureResMax = 5;
constexpr float kFullCircle = 360;
constexpr int   kJoyButtonDefaults[16] = {2, 1, 5, 6, 22, 21, 19, 20, 15, 16, 11, 12, 10, 9, 17, 18};

static pref_field field(const char* name, pref_kind kind, void* where, int count, float dflt, float lo,
                        float hi, unsigned rules = 0)
{
    return pref_field{name, kind, where, count, dflt, lo, hi, rules, nullptr, nullptr, nullptr, 0};
}
static pref_field text(const char* name, char* where) { return field(name, pref_kind::text, where, 1, 0, 0, 0, PREF_NO_DEFAULT); }
static pref_field whole(const char* name, int* where, int dflt, int lo, int hi, int count = 1)
{
    return field(name, pref_kind::whole, where, count, (float)dflt, (float)lo, (float)hi);
}
static pref_field real(const char* name, float* where, float dflt, float lo, float hi, int count = 1)
{
    return field(name, pref_kind::real, where, count, dflt, lo, hi);
}
static pref_field flag(const char* name, int* where, int dflt, int count = 1)
{
    return field(name, pref_kind::flag, where, count, (float)dflt, 0, 1);
}
static pref_field in_unit(pref_field f, const float* unit) { f.unit = unit; return f; }
static pref_field ruled(pref_field f, unsigned rules) { f.rules |= rules; return f; }

static int         record_fields;
static pref_field  record[kRecordFields];

static void add(const pref_field& f) { record[record_fields++] = f; }

static void build_record()
{
    if (record_fields) return;
    add(text("aircraft file name", pln.C_file));
    add(text("aircraft file path", pln.C_path));
    add(ruled(whole("start airport", &msc.loc_apt_wrl, 0, 0, APT_CAP - 1), PREF_NO_DEFAULT));   // set_defaults
    add(whole("runway end", &msc.rway_sel, 0, 0, 2 * APT_RWYS - 1));
    add(real("local time", &msc.locl_time, 57600, 0, kTimeOfDayMax));
    add(real("sea-level temperature", &atm.temp_SL, 59, kTempMinF, kTempMaxF));
    add(real("altimeter setting", &ins.baro, 29.92f, kBaroMin, kBaroMax));
    add(real("sea-level pressure", &atm.baro, 29.92f, kBaroMin, kBaroMax));
    add(real("precipitation level", &atm.rain_tstm, 1, WX_SEVERITY_MIN, WX_SEVERITY_MAX));
    add(real("wind severity", &atm.wind_tbl, 1, WX_SEVERITY_MIN, WX_SEVERITY_MAX));
    add(real("microburst level", &atm.burst_prob, 1, WX_SEVERITY_MIN, WX_SEVERITY_MAX));
    add(flag("clouds change", &atm.change_clouds, 1));
    add(flag("visibility changes", &atm.change_vis, 1));
    add(flag("precipitation changes", &atm.change_precip, 1));
    add(flag("turbulence changes", &atm.change_turb, 1));
    add(flag("microbursts change", &atm.change_micro, 1));
    add(whole("cloud type", &atm.cld_type, 1, 0, 1));
    add(in_unit(real("cloud tops", &atm.topsMSL, 5000, 0, WX_MAX_TOPS_FT), &con.fttomtrs));
    add(in_unit(real("cloud base", &atm.baseMSL, 4000, 0, WX_MAX_BASE_FT), &con.fttomtrs));
    pref_field vis = in_unit(real("visibility", &atm.vis_rep, 7, WX_VIS_MIN_NM, WX_VIS_MAX_NM), &con.nmtomtrs);
    vis.written_times = &atm.vis_mult;   // the visibility of the moment is kept
    add(vis);
    add(real("wind direction", atm.wnddir, 0, 0, kFullCircle, 9));
    add(ruled(in_unit(real("wind speed", atm.wndspd, 0, 0, WX_MAX_WIND_KT, 9), &con.ktstomsc), PREF_SAME_LINE));
    add(ruled(real("shear direction", atm.shrdir, 0, 0, WX_MAX_SHEAR_DIR, 9), PREF_SAME_LINE));
    add(ruled(in_unit(real("shear speed", atm.shrspd, 0, 0, WX_MAX_WIND_KT, 9), &con.ktstomsc), PREF_SAME_LINE));
    add(ruled(real("turbulence", atm.tbl, 0, 0, WX_MAX_TURBULENCE, 9), PREF_SAME_LINE));
    add(real("wave amplitude", &atm.wave_amp, 1, 0, kWaveAmpMax));
    add(real("wave length", &atm.wave_length, 10, kWaveLengthMin, kWaveLengthMax));
    add(real("wave speed", &atm.wave_speed, 2, 0, kWaveSpeedMax));
    add(field("wave direction", pref_kind::whole_from_real, &atm.wave_dir, 1, 0, 0, kFullCircle));
    add(whole("meteor showers", &atm.meteorite_code, 2, 1, kMeteorCodes));
    add(whole("runway condition", &atm.rway_fric_code, 1, 1, kFrictionCodes));
    add(flag("sound", &msc.sound_on, 1));
    add(flag("ATC speech", &atc.voice_out, 1));
    add(flag("ATC text", &atc.text_out, 1));
    add(flag("frame warning", &msc.warn_frame, 1));
    add(flag("overspeed warning", &msc.warn_overspeed, 1));
    add(flag("flap warning", &msc.warn_flaps, 0));
    add(flag("voice warnings", &msc.warn_bb, 1));
    add(flag("flight plan address", &fpl.mr, 1));
    add(flag("flight plan address s", &fpl.mrs, 0));
    add(ruled(flag("output to disk", set.Bdsk, 0, 60), PREF_DROPPED_ON_READ));   // starts off in every run
    add(ruled(flag("output to the screen", set.Brlt, 0, 60), PREF_SAME_LINE));
    add(ruled(flag("output to graphs", set.Bgrf, 0, 60), PREF_SAME_LINE));
    add(whole("serial output", &set.serout, 0, 0, SERIAL_MODES - 1));
    add(real("flight mode", &set.damp, 0, 0, 1));
    add(real("pitch authority", &set.joy_rat_ptch, 1, 0, 1));
    add(real("yaw authority", &set.joy_rat_hdng, 1, 0, 1));
    add(real("roll authority", &set.joy_rat_roll, 1, 0, 1));
    add(flag("pedals", &set.eq_ped, 0));
    add(flag("avionics", &set.eq_avi, 0));
    add(flag("throttle quadrant", &set.eq_thr, 0));
    add(flag("collective", &set.eq_col, 0));
    add(real("pitch null zone", &set.NZptch, 0.01f, 0, kNullZoneMax));
    add(real("roll null zone", &set.NZroll, 0.01f, 0, kNullZoneMax));
    pref_field buttons = whole("joystick buttons", set.joy_response, 0, 0, JOY_FORCE_LAST, JOY_VBUTTONS);
    buttons.dflt_list = kJoyButtonDefaults;   // the last six keep what they hold
    buttons.dflt_count = 16;
    add(buttons);
    add(whole("NAV frequencies", nav.nf, 11170, kNavMin, kNavMax, 2));
    add(whole("COM frequencies", nav.cf, 12100, kComMin, kComMax, 2));
    add(real("course selectors", nav.obs, 0, 0, kFullCircle, 2));
    add(whole("ADF frequency", &nav.adff, 210, 0, kAdfMax));
    add(whole("DME source", &nav.dmesel, 0, 0, 1));
    add(whole("GPS table", &nav.gps_index_mode, GPS_MODE_APT, GPS_MODE_APT, GPS_MODE_NDB));
    add(whole("GPS waypoint", &nav.gps_index, 1600, 0, NAV_CAP - 1));
    add(whole("GPS airport", &nav.gps_apt_index, 1600, 0, APT_CAP - 1));
    add(whole("GPS VOR", &nav.gps_vor_index, 2100, 0, NAV_CAP - 1));
    add(whole("GPS NDB", &nav.gps_ndb_index, 700, 0, NAV_CAP - 1));
    add(whole("GPS identifier", nav.gps_id, 11, 0, CHAR_CODE_MAX, 4));
    add(real("frame period", &msc.prd, 0.05f, 0.01f, 0.1f));
    add(ruled(flag("report logged time", &msc.logtime, 0), PREF_NO_DEFAULT));
    add(real("failure chance", &rel.total_fail_entry, 1, 0, kFailDrawMax));
    add(whole("texture resolution", &ogl_res, 2, kTextureResMin, kTextureResMax));
    add(whole("trees", &ogl_trees, 0, 0, 1));
    // Newer fields, in their own file.
    add(ruled(text("serial device", ser_cfg.device), PREF_OWN_FILE));
    add(ruled(text("NMEA UDP target", ser_cfg.udp_target), PREF_OWN_FILE));
}

int prefs_field_count()
{
    build_record();
    return record_fields;
}

const pref_field& prefs_field(int i)
{
    build_record();
    return record[i];
}

static float unit_of(const pref_field& f) { return f.unit ? *f.unit : 1.0f; }
float pref_lo(const pref_field& f) { return f.lo * unit_of(f); }
float pref_hi(const pref_field& f) { return f.hi * unit_of(f); }

static int*   whole_at(const pref_field& f, int i) { return static_cast<int*>(f.where) + i; }
static float* real_at(const pref_field& f, int i) { return static_cast<float*>(f.where) + i; }

static float default_of(const pref_field& f, int i)
{
    return f.dflt_list ? (float)f.dflt_list[i] : f.dflt * unit_of(f);
}

static void set_defaults()
{
    build_record();
    for (int n = 0; n < record_fields; n++) {
        const pref_field& f = record[n];
        if (f.rules & PREF_NO_DEFAULT) continue;
        const int count = f.dflt_list ? f.dflt_count : f.count;
        for (int i = 0; i < count; i++) {
            if (f.kind == pref_kind::real) *real_at(f, i) = default_of(f, i);
            else *whole_at(f, i) = (int)default_of(f, i);
        }
    }
    msc.loc_apt_wrl = default_start_airport();
    set_region_corner_from_airport();
    atm.thermal_part = 0;
    atm.thermal_vvi = 0;
}

void hardprefs()
{
    MACIBM_alert("Welcome to Vantorel for Linux.",
                 "Since you have never flown with us before, you will now select an aircraft to start your flying in Vantorel.",
                 "", "", ALERT_NOTE);
    std::strcpy(pln.C_file, "Untitled.acf");
    if (!MACIBM_open(FILE_AIRCRAFT, pln.C_file, pln.C_path)) {
        MACIBM_alert("I did not get a valid aircraft from you.",
                     "If you want to try again, navigate to the same folder that this program is in.",
                     "Then select an aircraft file.", "Aircraft files have a '.acf' suffix.", ALERT_FATAL);
        return;   // only reached when a test has taken over the exit
    }
    set_defaults();
}

static int as_flag(int v) { return v ? 1 : 0; }

// A number read from the file, cut to a whole number; one that no int can hold (a damaged
// line: "nan", "1e30") becomes 0 instead of undefined behaviour.
static int truncate_to_int(float v)
{
    if (!(v > -2147483648.0f && v < 2147483647.0f)) return 0;
    return (int)v;
}

// The fields [first, end) that share their lines, element i of each.
static void write_line(int first, int end, int i)
{
    for (int n = first; n < end; n++) {
        const pref_field& f = record[n];
        if (n > first) ouf << " ";
        switch (f.kind) {
        case pref_kind::text: ouf << static_cast<const char*>(f.where); break;
        case pref_kind::real: ouf << *real_at(f, i) * (f.written_times ? *f.written_times : 1.0f); break;
        case pref_kind::flag: ouf << as_flag(*whole_at(f, i)); break;
        case pref_kind::whole:
        case pref_kind::whole_from_real: ouf << *whole_at(f, i); break;
        }
    }
    ouf << "\n";
}

static void read_line(int first, int end, int i, const char* msg)
{
    for (int n = first; n < end; n++) {
        const pref_field& f = record[n];
        const bool last = n == end - 1;   // the rest of the line is skipped after the last one
        if (f.kind == pref_kind::text) {
            strscan(static_cast<char*>(f.where), msg, PATH_LEN);   // both text fields are paths
        } else if (f.kind == pref_kind::real || f.kind == pref_kind::whole_from_real) {
            const float v = last ? fltscan(msg) : fltscanNOSN(msg);
            if (f.kind == pref_kind::whole_from_real)
                *whole_at(f, i) = intlim(truncate_to_int(v), (int)pref_lo(f), (int)pref_hi(f));
            else
                *real_at(f, i) = std::isfinite(v) ? fltlim(v, pref_lo(f), pref_hi(f)) : default_of(f, i);
        } else {
            const int v = last ? intscan(msg) : intscanNOSN(msg);
            int* to = whole_at(f, i);
            if (f.rules & PREF_DROPPED_ON_READ) *to = 0;
            else if (f.kind == pref_kind::flag) *to = as_flag(v);
            else *to = intlim(v, (int)pref_lo(f), (int)pref_hi(f));
        }
    }
}

// Each run of fields that share their lines, in the order of the file.
template <typename Line>
static void each_line(Line line)
{
    build_record();
    for (int first = 0; first < record_fields;) {
        if (record[first].rules & PREF_OWN_FILE) { first++; continue; }
        int end = first + 1;
        while (end < record_fields && (record[end].rules & PREF_SAME_LINE)) end++;
        for (int i = 0; i < record[first].count; i++) line(first, end, i);
        first = end;
    }
}

void dump_prefs()
{
    ouf << std::defaultfloat << std::setprecision(6);
    each_line([](int first, int end, int i) { write_line(first, end, i); });
}

int grab_prefs()
{
    each_line([](int first, int end, int i) { read_line(first, end, i, "preferences"); });
    // A file from before the airport data changed may name an airport that no longer exists.
    if (airports_loaded() && msc.loc_apt_wrl > env.aptmax) msc.loc_apt_wrl = default_start_airport();
    set_region_corner_from_airport();
    atm.thermal_part = 0;
    atm.thermal_vvi = 0;
    if (set.eq_avi) {                         // avionics equipment brings its own radios
        nav.nf[0] = nav.nf[1] = 11170;
        nav.cf[0] = nav.cf[1] = 12100;
        nav.adff = 210;
    }
    // A damaged file has already said so through the scanning alert. Everything after the damage
    // read as zeros, and taking it would write those zeros back at the next Quit: refuse the file
    // so the defaults apply instead.
    return inf_good();
}

void dump_situation_lines()
{
    // The position is written in the frame a fresh load of the corner builds, to the last bit of
    // the float it is read back into, so loading the situation puts the aircraft on the spot.
    double sx, sz;
    region_stored_position(flt.X, flt.Z, &sx, &sz);
    ouf << std::defaultfloat << std::setprecision(9);
    ouf << (float)sx << " situation data\n";
    ouf << (float)sz << " situation data\n";
    ouf << std::setprecision(6);
    ouf << flt.psi << " situation data\n";
    ouf << flt.Y << " situation data\n";
    ouf << flt.v << " situation data\n";
}

// A situation line's number within its range. One that is no number at all stays none (NaN):
// a position made up for it would misplace the flight, so the situation's load refuses it.
static float situation_value(float lo, float hi)
{
    const float v = fltscan("sit file");
    return std::isfinite(v) ? fltlim(v, lo, hi) : std::numeric_limits<float>::quiet_NaN();
}

void grab_situation_lines()
{
    set.cus_X = situation_value(-SIT_POSITION_MAX, SIT_POSITION_MAX);
    set.cus_Z = situation_value(-SIT_POSITION_MAX, SIT_POSITION_MAX);
    set.cus_psi = fltwrap(std::fmod(situation_value(-SIT_POSITION_MAX, SIT_POSITION_MAX), kFullCircle), 0, kFullCircle);
    set.cus_Y = situation_value(SIT_HEIGHT_MIN, SIT_HEIGHT_MAX);
    set.cus_v = situation_value(0, SIT_SPEED_MAX);
}

// A preferences file that is there but cannot be taken (not a preferences file, a version
// nobody wrote, or a record cut short or spoilt) is kept beside the new one for the user,
// who is told where. The file "Reset Preferences and Exit" leaves (version -1) is no damage.
static void keep_damaged_prefs()
{
    if (inf_open(prefs_path, FILE_ANY, PREFS_DISABLED_VERSION, 0)) {
        inf_close();
        return;
    }
    inf_close();
    const char* native = native_path(prefs_path);
    struct stat st;
    if (::stat(native, &st) != 0 || !S_ISREG(st.st_mode)) return;   // no file: a first start
    char kept[PATH_LEN + 16];
    std::snprintf(kept, sizeof kept, "%s%s", native, PREFS_DAMAGED_SUFFIX);
    char shown[PATH_LEN + 64];
    if (std::rename(native, kept) == 0) {
        std::snprintf(shown, sizeof shown, "It has been kept as \"%s\".", kept);
        MACIBM_alert("The preferences file was damaged, so your settings could not be read!", shown,
                     "Vantorel starts with its defaults and writes a new preferences file when you quit.",
                     "", ALERT_NOTE);
    } else {
        std::snprintf(shown, sizeof shown, "It could not be kept as \"%s\" either.", kept);
        MACIBM_alert("The preferences file was damaged, so your settings could not be read!", shown,
                     "Vantorel starts with its defaults; the damaged file stays where it is until you quit.",
                     "", ALERT_NOTE);
    }
}

void initprefs()
{
    if (!inf_open(prefs_path, FILE_ANY, PREFS_VERSION, 0) || !grab_prefs()) {
        inf_close();
        keep_damaged_prefs();
        hardprefs();
    }
    inf_close();
    read_more_prefs();
    float lat, lon;
    if (start_airport_position(msc.loc_apt_wrl, &lat, &lon)) {
        flt.lat = lat;
        flt.lon = lon;
    }
    set_rlt_grf_choices();
}

// ---- the newer fields' own file, "name = value" a line

static void more_prefs_path(char* out, int len)
{
    const char* native = native_path(prefs_path);
    const char* slash = std::strrchr(native, '/');
    const int dir_len = slash ? (int)(slash - native) + 1 : 0;
    std::snprintf(out, len, "%.*s%s", dir_len, native, PREFS_MORE_FILE);
}

static int write_more_prefs()
{
    char path[PATH_LEN + 64], temp[PATH_LEN + 80];
    more_prefs_path(path, sizeof path);
    std::snprintf(temp, sizeof temp, "%s.tmp", path);
    std::FILE* f = std::fopen(temp, "w");
    if (!f) return 0;
    std::fputs("# Vantorel settings added after the preferences file's layout was fixed\n", f);
    for (int n = 0; n < prefs_field_count(); n++) {
        const pref_field& fl = record[n];
        if (!(fl.rules & PREF_OWN_FILE)) continue;
        if (fl.kind == pref_kind::text) std::fprintf(f, "%s = %s\n", fl.name, static_cast<const char*>(fl.where));
        else if (fl.kind == pref_kind::real) std::fprintf(f, "%s = %g\n", fl.name, *real_at(fl, 0));
        else std::fprintf(f, "%s = %d\n", fl.name, *whole_at(fl, 0));
    }
    const int ok = std::fclose(f) == 0;
    return ok && std::rename(temp, path) == 0;
}

static void take_more_pref(const pref_field& f, const char* value)
{
    if (f.kind == pref_kind::text) {
        std::snprintf(static_cast<char*>(f.where), PATH_LEN, "%s", value);
        return;
    }
    char* end;
    const float v = std::strtof(value, &end);
    if (end == value || !std::isfinite(v)) return;   // keeps what it holds
    if (f.kind == pref_kind::real) *real_at(f, 0) = fltlim(v, pref_lo(f), pref_hi(f));
    else if (f.kind == pref_kind::flag) *whole_at(f, 0) = as_flag((int)v);
    else *whole_at(f, 0) = intlim(truncate_to_int(v), (int)pref_lo(f), (int)pref_hi(f));
}

void read_more_prefs()
{
    char path[PATH_LEN + 64];
    more_prefs_path(path, sizeof path);
    std::FILE* f = std::fopen(path, "r");
    if (!f) return;
    char line[PATH_LEN + 80];
    while (std::fgets(line, sizeof line, f)) {
        line[std::strcspn(line, "\r\n")] = 0;
        char* eq = std::strstr(line, " = ");
        if (line[0] == '#' || !eq) continue;
        *eq = 0;
        for (int n = 0; n < prefs_field_count(); n++)   // a name no field has is a newer program's
            if ((record[n].rules & PREF_OWN_FILE) && !std::strcmp(record[n].name, line)) take_more_pref(record[n], eq + 3);
    }
    std::fclose(f);
}

int write_prefs_file()
{
    if (!ouf_open(prefs_path, FILE_ANY, PREFS_VERSION)) return 0;
    dump_prefs();
    const int ok = ouf_close();
    return write_more_prefs() && ok;
}

int disable_prefs_file()
{
    char more[PATH_LEN + 64];
    more_prefs_path(more, sizeof more);
    std::remove(more);
    if (!ouf_open(prefs_path, FILE_ANY, PREFS_DISABLED_VERSION)) return 0;
    ouf << "z\n\n";
    return ouf_close();
}

}  // namespace orv
