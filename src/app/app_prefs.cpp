#include "app/app_prefs.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <iomanip>

#include <sys/stat.h>

#include "2-QZutils/qz_file.h"
#include "2-QZutils/qz_pick.h"
#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/records.h"
#include "windows/data_output.h"
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

static void set_defaults()
{
    msc.loc_apt_wrl = default_start_airport();
    set_region_corner_from_airport();
    msc.rway_sel = 0;
    msc.locl_time = 57600;
    atm.temp_SL = 59;
    ins.baro = 29.92f;
    atm.baro = 29.92f;
    atm.rain_tstm = 1;
    atm.wind_tbl = 1;
    atm.burst_prob = 1;
    atm.change_clouds = atm.change_vis = atm.change_precip = atm.change_turb = atm.change_micro = 1;
    atm.cld_type = 1;
    atm.topsMSL = 5000 * con.fttomtrs;
    atm.baseMSL = 4000 * con.fttomtrs;
    atm.vis_rep = 7 * con.nmtomtrs;
    for (int i = 0; i < 9; i++)
        atm.wnddir[i] = atm.wndspd[i] = atm.shrdir[i] = atm.shrspd[i] = atm.tbl[i] = 0;
    atm.wave_amp = 1;
    atm.wave_length = 10;
    atm.wave_speed = 2;
    atm.wave_dir = 0;
    atm.thermal_part = 0;
    atm.thermal_vvi = 0;
    atm.meteorite_code = 2;
    atm.rway_fric_code = 1;
    msc.sound_on = 1;
    atc.voice_out = 1;
    atc.text_out = 1;
    msc.warn_frame = 1;
    msc.warn_overspeed = 1;
    msc.warn_flaps = 0;
    msc.warn_bb = 1;
    fpl.mr = 1;
    fpl.mrs = 0;
    for (int g = 0; g < 60; g++) set.Bdsk[g] = set.Brlt[g] = set.Bgrf[g] = 0;
    set.serout = 0;
    set.damp = 0;
    set.joy_rat_ptch = set.joy_rat_hdng = set.joy_rat_roll = 1.0f;
    set.eq_ped = set.eq_avi = set.eq_thr = set.eq_col = 0;
    set.NZptch = set.NZroll = 0.01f;
    static const int buttons[16] = {2, 1, 5, 6, 22, 21, 19, 20, 15, 16, 11, 12, 10, 9, 17, 18};
    for (int b = 0; b < 16; b++) set.joy_response[b] = buttons[b];   // 16..21 keep their value
    nav.nf[0] = nav.nf[1] = 11170;
    nav.cf[0] = nav.cf[1] = 12100;
    nav.obs[0] = nav.obs[1] = 0;
    nav.adff = 210;
    nav.dmesel = 0;
    nav.gps_index_mode = 1;
    nav.gps_index = 1600;
    nav.gps_apt_index = 1600;
    nav.gps_vor_index = 2100;
    nav.gps_ndb_index = 700;
    for (int i = 0; i < 4; i++) nav.gps_id[i] = 11;
    msc.prd = 0.05f;
    rel.total_fail_entry = 1;
    ogl_res = 2;
    ogl_trees = 0;
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

static int flag(int v) { return v ? 1 : 0; }

// A number read from the file, cut to a whole number; one that no int can hold (a damaged
// line: "nan", "1e30") becomes 0 instead of undefined behaviour.
static int truncate_to_int(float v)
{
    if (!(v > -2147483648.0f && v < 2147483647.0f)) return 0;
    return (int)v;
}

void dump_prefs()
{
    ouf << std::defaultfloat << std::setprecision(6);
    ouf << pln.C_file << "\n" << pln.C_path << "\n";
    ouf << msc.loc_apt_wrl << "\n" << msc.rway_sel << "\n" << msc.locl_time << "\n";
    ouf << atm.temp_SL << "\n" << ins.baro << "\n" << atm.baro << "\n";
    ouf << atm.rain_tstm << "\n" << atm.wind_tbl << "\n" << atm.burst_prob << "\n";
    ouf << flag(atm.change_clouds) << "\n" << flag(atm.change_vis) << "\n" << flag(atm.change_precip) << "\n"
        << flag(atm.change_turb) << "\n" << flag(atm.change_micro) << "\n";
    ouf << atm.cld_type << "\n" << atm.topsMSL << "\n" << atm.baseMSL << "\n";
    ouf << atm.vis_rep * atm.vis_mult << "\n";
    for (int i = 0; i < 9; i++)
        ouf << atm.wnddir[i] << " " << atm.wndspd[i] << " " << atm.shrdir[i] << " " << atm.shrspd[i]
            << " " << atm.tbl[i] << "\n";
    ouf << atm.wave_amp << "\n" << atm.wave_length << "\n" << atm.wave_speed << "\n" << atm.wave_dir << "\n";
    ouf << atm.meteorite_code << "\n" << atm.rway_fric_code << "\n";
    ouf << flag(msc.sound_on) << "\n" << flag(atc.voice_out) << "\n" << flag(atc.text_out) << "\n";
    ouf << flag(msc.warn_frame) << "\n" << flag(msc.warn_overspeed) << "\n" << flag(msc.warn_flaps) << "\n"
        << flag(msc.warn_bb) << "\n";
    ouf << flag(fpl.mr) << "\n" << flag(fpl.mrs) << "\n";
    for (int g = 0; g < 60; g++)
        ouf << flag(set.Bdsk[g]) << " " << flag(set.Brlt[g]) << " " << flag(set.Bgrf[g]) << "\n";
    ouf << set.serout << "\n" << set.damp << "\n";
    ouf << set.joy_rat_ptch << "\n" << set.joy_rat_hdng << "\n" << set.joy_rat_roll << "\n";
    ouf << flag(set.eq_ped) << "\n" << flag(set.eq_avi) << "\n" << flag(set.eq_thr) << "\n" << flag(set.eq_col) << "\n";
    ouf << set.NZptch << "\n" << set.NZroll << "\n";
    for (int b = 0; b < 22; b++) ouf << set.joy_response[b] << "\n";
    ouf << nav.nf[0] << "\n" << nav.nf[1] << "\n" << nav.cf[0] << "\n" << nav.cf[1] << "\n";
    ouf << nav.obs[0] << "\n" << nav.obs[1] << "\n" << nav.adff << "\n" << nav.dmesel << "\n";
    ouf << nav.gps_index_mode << "\n" << nav.gps_index << "\n" << nav.gps_apt_index << "\n"
        << nav.gps_vor_index << "\n" << nav.gps_ndb_index << "\n";
    for (int i = 0; i < 4; i++) ouf << nav.gps_id[i] << "\n";
    ouf << msc.prd << "\n" << flag(msc.logtime) << "\n" << rel.total_fail_entry << "\n";
    ouf << ogl_res << "\n" << ogl_trees << "\n";
}

int grab_prefs()
{
    const char* m = "preferences";
    strscan(pln.C_file, m, 400);
    strscan(pln.C_path, m, 400);
    msc.loc_apt_wrl = intscan(m);
    // A file from before the airport data changed may name an airport that no longer exists.
    if (airports_loaded() && (msc.loc_apt_wrl < 0 || msc.loc_apt_wrl > env.aptmax))
        msc.loc_apt_wrl = default_start_airport();
    set_region_corner_from_airport();
    msc.rway_sel = intscan(m);
    msc.locl_time = fltscan(m);
    atm.temp_SL = fltscan(m);
    ins.baro = fltscan(m);
    atm.baro = fltscan(m);
    atm.rain_tstm = fltscan(m);
    atm.wind_tbl = fltscan(m);
    atm.burst_prob = fltscan(m);
    atm.change_clouds = flag(intscan(m));
    atm.change_vis = flag(intscan(m));
    atm.change_precip = flag(intscan(m));
    atm.change_turb = flag(intscan(m));
    atm.change_micro = flag(intscan(m));
    atm.cld_type = intscan(m);
    atm.topsMSL = fltscan(m);
    atm.baseMSL = fltscan(m);
    atm.vis_rep = fltscan(m);
    for (int i = 0; i < 9; i++) {
        atm.wnddir[i] = fltscanNOSN(m);
        atm.wndspd[i] = fltscanNOSN(m);
        atm.shrdir[i] = fltscanNOSN(m);
        atm.shrspd[i] = fltscanNOSN(m);
        atm.tbl[i] = fltscan(m);
    }
    atm.wave_amp = fltscan(m);
    atm.wave_length = fltscan(m);
    atm.wave_speed = fltscan(m);
    atm.wave_dir = truncate_to_int(fltscan(m));
    atm.thermal_part = 0;
    atm.thermal_vvi = 0;
    atm.meteorite_code = intscan(m);
    atm.rway_fric_code = intscan(m);
    msc.sound_on = flag(intscan(m));
    atc.voice_out = flag(intscan(m));
    atc.text_out = flag(intscan(m));
    msc.warn_frame = flag(intscan(m));
    msc.warn_overspeed = flag(intscan(m));
    msc.warn_flaps = flag(intscan(m));
    msc.warn_bb = flag(intscan(m));
    fpl.mr = flag(intscan(m));
    fpl.mrs = flag(intscan(m));
    for (int g = 0; g < 60; g++) {
        intscanNOSN(m);                       // output to disk starts off in every run
        set.Bdsk[g] = 0;
        set.Brlt[g] = flag(intscanNOSN(m));
        set.Bgrf[g] = flag(intscan(m));
    }
    set.serout = intscan(m);
    set.damp = fltscan(m);
    set.joy_rat_ptch = fltscan(m);
    set.joy_rat_hdng = fltscan(m);
    set.joy_rat_roll = fltscan(m);
    set.eq_ped = flag(intscan(m));
    set.eq_avi = flag(intscan(m));
    set.eq_thr = flag(intscan(m));
    set.eq_col = flag(intscan(m));
    set.NZptch = fltscan(m);
    set.NZroll = fltscan(m);
    for (int b = 0; b < 22; b++) set.joy_response[b] = intscan(m);
    nav.nf[0] = intscan(m);
    nav.nf[1] = intscan(m);
    nav.cf[0] = intscan(m);
    nav.cf[1] = intscan(m);
    nav.obs[0] = fltscan(m);
    nav.obs[1] = fltscan(m);
    nav.adff = intscan(m);
    nav.dmesel = intscan(m);
    nav.gps_index_mode = intscan(m);
    nav.gps_index = intscan(m);
    nav.gps_apt_index = intscan(m);
    nav.gps_vor_index = intscan(m);
    nav.gps_ndb_index = intscan(m);
    for (int i = 0; i < 4; i++) nav.gps_id[i] = intscan(m);
    float prd = fltscan(m);
    msc.prd = std::isfinite(prd) ? fltlim(prd, 0.01f, 0.1f) : 0.05f;   // a damaged line must not stop time
    msc.logtime = flag(intscan(m));
    rel.total_fail_entry = fltscan(m);
    ogl_res = intscan(m);
    ogl_trees = intscan(m);

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

void grab_situation_lines()
{
    set.cus_X = fltscan("sit file");
    set.cus_Z = fltscan("sit file");
    set.cus_psi = fltscan("sit file");
    set.cus_Y = fltscan("sit file");
    set.cus_v = fltscan("sit file");
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
    float lat, lon;
    if (start_airport_position(msc.loc_apt_wrl, &lat, &lon)) {
        flt.lat = lat;
        flt.lon = lon;
    }
    set_rlt_grf_choices();
}

int write_prefs_file()
{
    if (!ouf_open(prefs_path, FILE_ANY, PREFS_VERSION)) return 0;
    dump_prefs();
    return ouf_close();
}

int disable_prefs_file()
{
    if (!ouf_open(prefs_path, FILE_ANY, PREFS_DISABLED_VERSION)) return 0;
    ouf << "z\n\n";
    return ouf_close();
}

}  // namespace orv
