#include "app/app_situation.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "2-QZutils/drplane.h"
#include "2-QZutils/qz_file.h"
#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/records.h"
#include "aircraft/initpln.h"
#include "app/app_prefs.h"
#include "flight/flt_init.h"
#include "platform/plat_fs.h"
#include "world/region.h"

namespace orv {

namespace {

constexpr int FLTVARS_CUSTOM = 9;
// After the five lines the region's corner follows, so that a flight saved after the region
// moved with it comes back in that region and not in the one round the start airport.
constexpr const char* CORNER_LABEL = " situation corner\n";
// Beyond these the numbers cannot come from a flight (a damaged file).
constexpr double POSITION_LIMIT_M = 1.0e6, HEIGHT_LOW_M = -1000, HEIGHT_HIGH_M = 1.0e5, SPEED_LIMIT_MS = 2000;
constexpr int LAT_LIMIT = 90, LON_LIMIT = 180;

// Everything grab_prefs and the situation lines write, kept so a damaged file changes nothing.
struct kept_records {
    char C_file[sizeof pln.C_file], C_path[sizeof pln.C_path];
    miscstruct msc;
    environmentstruct env;
    atmospherestruct atm;
    inststruct ins;
    atcstruct atc;
    flightplanstruct fpl;
    settingstruct set;
    navstruct nav;
    relstruct rel;
    int ogl_res, ogl_trees;
};
kept_records kept;   // static: env and atm are large

void keep_records()
{
    std::memcpy(kept.C_file, pln.C_file, sizeof kept.C_file);
    std::memcpy(kept.C_path, pln.C_path, sizeof kept.C_path);
    kept.msc = msc;
    kept.env = env;
    kept.atm = atm;
    kept.ins = ins;
    kept.atc = atc;
    kept.fpl = fpl;
    kept.set = set;
    kept.nav = nav;
    kept.rel = rel;
    kept.ogl_res = ogl_res;
    kept.ogl_trees = ogl_trees;
}

void restore_records()
{
    std::memcpy(pln.C_file, kept.C_file, sizeof kept.C_file);
    std::memcpy(pln.C_path, kept.C_path, sizeof kept.C_path);
    msc = kept.msc;
    env = kept.env;
    atm = kept.atm;
    ins = kept.ins;
    atc = kept.atc;
    fpl = kept.fpl;
    set = kept.set;
    nav = kept.nav;
    rel = kept.rel;
    ogl_res = kept.ogl_res;
    ogl_trees = kept.ogl_trees;
}

int situation_values_sane()
{
    const float v[5] = {set.cus_X, set.cus_Z, set.cus_psi, set.cus_Y, set.cus_v};
    for (float x : v)
        if (!std::isfinite(x)) return 0;
    return std::fabs(set.cus_X) < POSITION_LIMIT_M && std::fabs(set.cus_Z) < POSITION_LIMIT_M &&
           set.cus_Y > HEIGHT_LOW_M && set.cus_Y < HEIGHT_HIGH_M && set.cus_v >= 0 && set.cus_v < SPEED_LIMIT_MS;
}

// The corner lines, when the file has them (files without them start round their airport).
int grab_corner()
{
    if (inf_eof()) return 1;
    const int lat = intscan("sit file"), lon = intscan("sit file");
    if (!inf_good() || lat < -LAT_LIMIT || lat >= LAT_LIMIT || lon < -LON_LIMIT || lon > LON_LIMIT) return 0;
    env.lat_sou = lat;
    env.lon_wes = lon;
    return 1;
}

void refuse(const char* path, const char* why)
{
    MACIBM_alert("I could not load this situation:", native_path(path), why, "Your flight goes on as it was.", ALERT_NOTE);
}

char start_situation[PATH_LEN];

}  // namespace

int save_situation(const char* path)
{
    if (!ouf_open(path, FILE_SITUATION, PREFS_VERSION)) return 0;
    dump_prefs();
    dump_situation_lines();
    ouf << env.lat_sou << CORNER_LABEL << env.lon_wes << CORNER_LABEL;
    return ouf_close();
}

int read_situation(const char* path)
{
    keep_records();
    // A file of another version gets the file layer's wrong-version alert and is read anyway.
    if (!inf_open(path, FILE_ANY, PREFS_VERSION, 1)) {
        inf_close();
        refuse(path, "It is not a situation file, or it could not be opened.");
        return 0;
    }
    int ok = grab_prefs();
    if (ok) {
        grab_situation_lines();
        ok = inf_good() && situation_values_sane() && grab_corner();
    }
    inf_close();
    if (!ok) {
        restore_records();
        refuse(path, "It is damaged or cut short.");
        return 0;
    }
    if (!plat_is_readable_file(native_path(pln.C_path))) {
        char why[PATH_LEN + 40];
        std::snprintf(why, sizeof why, "Its aircraft is not there: %s", native_path(pln.C_path));
        restore_records();
        refuse(path, why);
        return 0;
    }
    set.cus_psi = fltwrap(set.cus_psi, 0, 360);
    return 1;
}

int load_situation(const char* path)
{
    if (!read_situation(path)) return 0;
    // The aircraft first: one that no longer loads leaves the flight as it was.
    char aircraft[PATH_LEN];
    copy_str(aircraft, PATH_LEN, pln.C_path);
    if (!load_plane_file(aircraft)) {
        restore_records();
        refuse(path, "Its aircraft file could not be read.");
        return 0;
    }
    load_plane_geo(mnw_is_headless() ? 0 : 1, 0);
    load_region();
    set_fltvars(FLTVARS_CUSTOM);
    MACIBM_startwind(WIN_COCKPIT);
    return 1;
}

void app_set_start_situation(const char* native)
{
    copy_str(start_situation, PATH_LEN, native ? native : "");
    to_system_form(start_situation);
}

int app_read_start_situation()
{
    return start_situation[0] && read_situation(start_situation);
}

}  // namespace orv
