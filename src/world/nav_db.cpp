// nav_db.cpp -- the navigation database: the three text files of "additional nav data"
// read into fixed tables at start-up, their writers, and the per-region flags.
#include "world/nav_db.h"
#include "world/region.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "2-QZutils/qz_file.h"
#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/records.h"
#include "world/nav_cache.h"

namespace orv {

float apt_lat[APT_CAP][APT_RWYS], apt_lon[APT_CAP][APT_RWYS];
int   apt_num[APT_CAP][APT_RWYS];
char  apt_lr[APT_CAP][APT_RWYS];
int   apt_hdng[APT_CAP][APT_RWYS], apt_len[APT_CAP][APT_RWYS];
int   apt_width[APT_CAP][APT_RWYS], apt_lite[APT_CAP][APT_RWYS];
float apt_h[APT_CAP];
int   apt_twr[APT_CAP];
char  apt_id[APT_CAP][5];
char  apt_name[APT_CAP][40];
int   apt_inreg[APT_CAP];

int   nav_type[NAV_CAP];
float nav_lat[NAV_CAP], nav_lon[NAV_CAP], nav_h[NAV_CAP];
int   nav_f12[NAV_CAP], nav_hdng[NAV_CAP];
char  nav_id[NAV_CAP][5];
char  nav_name[NAV_CAP][40];
int   nav_inreg[NAV_CAP];

float fix_lat[FIX_CAP], fix_lon[FIX_CAP];
char  fix_name[FIX_CAP][6];

int apt_to_index[REG_LIST_CAP], vor_to_index[REG_LIST_CAP], ndb_to_index[REG_LIST_CAP];
int apt_inrange[REG_LIST_CAP];

static const char* const NAV_FOLDER = "additional nav data";

static int wrap_hdng(int h)
{
    h %= 360;
    return h < 0 ? h + 360 : h;
}

// The file layer's alert goes out once per file; these stop a record at its first failed
// field so a damaged record is not read on into garbage.
static int scan_ok() { return inf_good(); }

// A position off the globe, or an elevation no ground has, is a damaged record: refused with
// the scanning alert before anything computes with it. Answers 1 when the values may be kept.
static int keep_position(float lat, float lon, float h_ft, const char* msg)
{
    if (!scan_ok()) return 0;
    if (std::fabs(lat) <= 90.0f && std::fabs(lon) <= 180.0f && std::fabs(h_ft) <= NAV_ELEV_FT_MAX) return 1;
    scan_refuse(msg);
    return 0;
}

// The rest of the line after the last number: the separator (or, for navaids and fixes,
// any blanks), a fixed-width identifier, a separator and the name. A line that ends early
// gives a blank-padded identifier and an empty name; the next line is left to the next
// record.
static void scan_id_and_name(int skip_blanks, int id_len, char* id, char* name, int name_cap,
                             const char* msg)
{
    char line[512];
    strscan(line, msg, sizeof line);
    const char* p = line;
    if (skip_blanks) {
        while (*p == ' ' || *p == '\t') p++;
    } else if (*p) {
        p++;   // the separator
    }
    int i = 0;
    for (; i < id_len && p[i]; i++) id[i] = p[i];
    for (int k = i; k < id_len; k++) id[k] = ' ';
    id[id_len] = 0;
    p += i;
    if (!name) return;
    if (*p) p++;       // the separator after the identifier
    std::snprintf(name, name_cap, "%s", p);
}

void scan_apt_line(float* lat, float* lon, int* num, char* lr, int* hdng, int* len,
                   int* width, int* lite, float* h, int* twr, char* id, char* name)
{
    for (int r = 0; r < APT_RWYS; r++) {
        lat[r] = fltscanNOSN("scan apt apt_lat");
        lon[r] = fltscanNOSN("scan apt apt_lon");
        num[r] = intscanNOSN("scan apt apt_num");
        char w[4];
        wrdscan(w, "scan apt apt_num", sizeof w);
        lr[r] = w[0];
        hdng[r] = wrap_hdng(intscanNOSN("scan apt apt_hdng"));
        len[r] = intscanNOSN("scan apt apt_len");
        width[r] = intscanNOSN("scan apt apt_width");
        lite[r] = intscanNOSN("scan apt apt_lite");
        if (!keep_position(lat[r], lon[r], 0.0f, "scan apt apt_lat")) return;
        if (len[r] < 0 || width[r] < 0) {
            scan_refuse("scan apt apt_len");
            return;
        }
    }
    *h = fltscanNOSN("scan apt apt_h");
    *twr = intscanNOSN("scan apt apt_twr") == 1;
    if (!keep_position(0.0f, 0.0f, *h, "scan apt apt_h")) return;
    scan_id_and_name(0, 4, id, name, 40, "scan apt name");
}

void scan_nav_line(int type, float* lat, float* lon, float* h, int* f12, int* hdng,
                   char* id, char* name)
{
    *lat = fltscanNOSN("scan nav line");
    *lon = fltscanNOSN("scan nav line");
    *h = fltscanNOSN("scan nav line");
    if (!keep_position(*lat, *lon, *h, "scan nav line")) return;
    int f1 = intscanNOSN("scan nav line");
    int f2 = intscanNOSN("scan nav line");
    // Whole MHz (or kHz for an NDB) and hundredths: anything beyond them is a damaged record,
    // refused before it is combined into the frequency.
    const bool in_range = f1 >= 0 && f1 <= NAV_FREQ_WHOLE_MAX && (type == NAV_NDB || (f2 >= 0 && f2 <= 99));
    if (!in_range) {
        scan_refuse("scan nav line");
        *f12 = 0;
        return;
    }
    *f12 = (type == NAV_NDB) ? f1 : f1 * 100 + f2;
    *hdng = wrap_hdng(intscanNOSN("scan nav line"));
    if (!scan_ok()) return;
    scan_id_and_name(1, 4, id, name, 40, "scan nav line");
}

// An identifier always takes its four columns, so a shorter one keeps the record readable.
static void put_id(const char* id)
{
    char b[5];
    int i = 0;
    for (; i < 4 && id && id[i]; i++) b[i] = id[i];
    for (; i < 4; i++) b[i] = ' ';
    b[4] = 0;
    ouf << b;
}

// The name runs to the line end: a line end inside it would split the record.
static void put_name(const char* name)
{
    for (const char* p = name; p && *p; p++) ouf << ((*p == '\n' || *p == '\r') ? ' ' : *p);
    ouf << '\n';
}

void dump_apt_line(const float* lat, const float* lon, const int* num, const char* lr,
                   const int* hdng, const int* len, const int* width, const int* lite,
                   float h, int twr, const char* id, const char* name)
{
    char b[128];
    for (int r = 0; r < APT_RWYS; r++) {
        char side = lr[r];
        if ((unsigned char)side <= ' ' || (unsigned char)side >= 0x7F) side = 'x';
        std::snprintf(b, sizeof b, "%10.6f %11.6f %2d %c %3d %6d %3d %7d ", lat[r], lon[r], num[r],
                      side, hdng[r], len[r], width[r], lite[r]);
        ouf << b;
    }
    std::snprintf(b, sizeof b, "%6.0f %1d ", h, twr == 1 ? 1 : 0);
    ouf << b;
    put_id(id);
    ouf << ' ';
    put_name(name);
}

void dump_nav_line(int type, float lat, float lon, float h, int f12, int hdng,
                   const char* id, const char* name)
{
    int f1 = (type == NAV_NDB) ? f12 : f12 / 100;
    int f2 = (type == NAV_NDB) ? 0 : f12 % 100;
    char b[128];
    std::snprintf(b, sizeof b, "%d %10.6f %11.6f %8.1f %8d %8d %4d ", type, lat, lon, h, f1, f2, hdng);
    ouf << b;
    put_id(id);
    ouf << ' ';
    put_name(name);
}

int open_apt_nav_dat(const char* path)
{
    inf_use = 1;
    int ok = inf_open(path, FILE_ANY, 354, 1);
    if (!ok && !inf1.open) {
        MACIBM_alert("I am unable to access a nav, airport, or fix data file!",
                     "The path I am looking at is as follows:", path,
                     "Make sure the file listed above is available in the path listed above!",
                     ALERT_NOTE);
        return 0;
    }
    if (!inf_good()) {
        MACIBM_alert("Error reading in global data file after version-scan!", "", "", "", ALERT_NOTE);
        inf_close();
        return 0;
    }
    const char* base = std::strrchr(path, '\\');
    intscan(base ? base + 1 : path);   // third header line: a count, not needed
    return inf_good();
}

static void table_full(const char* what, int count)
{
    MACIBM_alert(what, "", "", count, ALERT_NOTE);
}

static void clear_airport(int n)
{
    for (int r = 0; r < APT_RWYS; r++) {
        apt_lat[n][r] = apt_lon[n][r] = 0;
        apt_num[n][r] = apt_hdng[n][r] = apt_len[n][r] = apt_width[n][r] = apt_lite[n][r] = 0;
        apt_lr[n][r] = 0;
    }
    apt_h[n] = 0;
    apt_twr[n] = apt_inreg[n] = 0;
    std::memset(apt_id[n], 0, sizeof apt_id[n]);
    std::memset(apt_name[n], 0, sizeof apt_name[n]);
}

// The native path of a file of the navigation folder, for the cache's stamp.
static void nav_file(const char* name, char* path, char* native)
{
    std::snprintf(path, PATH_LEN, "%s", name);
    ap_dir(NAV_FOLDER, path);
    std::snprintf(native, PATH_LEN, "%s", native_path(path));
}

#define NAV_COLUMN(table) nav_cache_column{(void*)(table), (long)sizeof((table)[0])}

// Airports as read from the text; *opened is 0 when the file could not be opened.
static int parse_airports(const char* path, int* opened)
{
    int n = 0;
    *opened = 0;
    if (!open_apt_nav_dat(path)) return 0;
    *opened = 1;
    for (;;) {
        int code = intscanNOSN("apt_dat");
        if (!inf_good() || code == 99) break;
        if (n >= APT_READ_MAX) {
            table_full("Too many airports in world database!", n);
            break;
        }
        scan_apt_line(apt_lat[n], apt_lon[n], apt_num[n], apt_lr[n], apt_hdng[n], apt_len[n],
                      apt_width[n], apt_lite[n], &apt_h[n], &apt_twr[n], apt_id[n], apt_name[n]);
        if (!inf_good()) {   // a record cut short is not kept
            clear_airport(n);
            break;
        }
        for (char* c = apt_name[n]; *c; c++)
            if (*c == '-') *c = ' ';
        for (int r = 0; r < APT_RWYS; r++) {
            apt_len[n][r] = (int)(apt_len[n][r] * con.fttomtrs);
            apt_width[n][r] = (int)(apt_width[n][r] * con.fttomtrs);
        }
        apt_h[n] *= con.fttomtrs;
        n++;
        if (n % 1000 == 0) MACIBM_showinit(1);
    }
    inf_close();
    return n;
}

static void read_airports()
{
    char path[PATH_LEN], native[PATH_LEN];
    nav_file("apt_dat", path, native);
    const nav_cache_column cols[] = {
        NAV_COLUMN(apt_lat), NAV_COLUMN(apt_lon), NAV_COLUMN(apt_num), NAV_COLUMN(apt_lr),
        NAV_COLUMN(apt_hdng), NAV_COLUMN(apt_len), NAV_COLUMN(apt_width), NAV_COLUMN(apt_lite),
        NAV_COLUMN(apt_h), NAV_COLUMN(apt_twr), NAV_COLUMN(apt_id), NAV_COLUMN(apt_name)};
    constexpr int ncols = (int)(sizeof cols / sizeof cols[0]);
    int n = nav_cache_load("apt_dat", native, cols, ncols, APT_READ_MAX);
    if (n < 0) {
        int opened;
        const int alerts = mnw_alert_count();
        n = parse_airports(path, &opened);
        // What raised an alert is read from the text again next time, so its alert comes again.
        if (opened && mnw_alert_count() == alerts) nav_cache_store("apt_dat", native, cols, ncols, n);
    }
    env.aptmax = n - 1;
}

static int nav_end;

static int parse_navaids(const char* path, int* opened)
{
    int n = 0;
    *opened = 0;
    if (!open_apt_nav_dat(path)) return 0;
    *opened = 1;
    for (;;) {
        nav_type[n] = intscanNOSN("nav_dat");
        if (!inf_good() || nav_type[n] == 99) break;
        if (n >= NAV_READ_MAX) {
            table_full("Too many navs in world database!", n);
            break;
        }
        scan_nav_line(nav_type[n], &nav_lat[n], &nav_lon[n], &nav_h[n], &nav_f12[n], &nav_hdng[n],
                      nav_id[n], nav_name[n]);
        if (!inf_good()) break;
        nav_h[n] *= con.fttomtrs;
        n++;
        if (n % 1000 == 0) MACIBM_showinit(1);
    }
    inf_close();
    return n;
}

static void read_navaids()
{
    char path[PATH_LEN], native[PATH_LEN];
    nav_file("nav_dat", path, native);
    const nav_cache_column cols[] = {NAV_COLUMN(nav_type), NAV_COLUMN(nav_lat), NAV_COLUMN(nav_lon),
                                     NAV_COLUMN(nav_h), NAV_COLUMN(nav_f12), NAV_COLUMN(nav_hdng),
                                     NAV_COLUMN(nav_id), NAV_COLUMN(nav_name)};
    constexpr int ncols = (int)(sizeof cols / sizeof cols[0]);
    int n = nav_cache_load("nav_dat", native, cols, ncols, NAV_READ_MAX);
    if (n < 0) {
        int opened;
        const int alerts = mnw_alert_count();
        n = parse_navaids(path, &opened);
        // What raised an alert is read from the text again next time, so its alert comes again.
        if (opened && mnw_alert_count() == alerts) nav_cache_store("nav_dat", native, cols, ncols, n);
    }
    // Entry n holds the terminator whatever stopped the read, so every loop up to navmax
    // meets a clean end; the carriers' pairs follow it. With no navaid at all an empty entry
    // (type 0, matching no kind) stands in for the first.
    if (n == 0) {
        nav_type[0] = 0;
        nav_id[0][0] = nav_name[0][0] = 0;
        n = 1;
    }
    nav_type[n] = NAV_END;
    nav_lat[n] = nav_lon[n] = nav_h[n] = 0;
    nav_f12[n] = nav_hdng[n] = 0;
    nav_id[n][0] = nav_name[n][0] = 0;
    nav_end = n;
    for (int k = n + 1; k <= n + 2 * CARRIER_NAV_PAIRS; k++) {
        nav_type[k] = 0;
        nav_inreg[k] = 0;
        nav_id[k][0] = nav_name[k][0] = 0;
    }
    env.navmax = n + 2 * CARRIER_NAV_PAIRS;
}

int nav_end_entry() { return nav_end; }

int carrier_loc_entry(int carrier)
{
    if (carrier < 0 || carrier >= CARRIER_NAV_PAIRS) return -1;
    const int loc = env.navmax - 2 * (CARRIER_NAV_PAIRS - 1 - carrier);
    return loc >= 2 && loc < NAV_CAP ? loc : -1;
}

static int parse_fixes(const char* path, int* opened)
{
    int n = 0;
    *opened = 0;
    if (!open_apt_nav_dat(path)) return 0;
    *opened = 1;
    for (;;) {
        float lat = fltscanNOSN("fix_dat");
        if (!inf_good() || orv::round(lat) == 99) break;
        if (n >= FIX_READ_MAX) {
            table_full("Too many fixes in world database!", n);
            break;
        }
        float lon = fltscanNOSN("fix_dat");
        char name[6];
        if (keep_position(lat, lon, 0.0f, "fix_dat")) scan_id_and_name(1, 5, name, nullptr, 0, "fix_dat");
        if (!inf_good()) break;
        fix_lat[n] = lat;
        fix_lon[n] = lon;
        std::memcpy(fix_name[n], name, sizeof name);
        n++;
        if (n % 1000 == 0) MACIBM_showinit(1);
    }
    inf_close();
    return n;
}

static void read_fixes()
{
    for (int i = 0; i < FIX_CAP; i++) fix_lat[i] = fix_lon[i] = -999.0f;
    char path[PATH_LEN], native[PATH_LEN];
    nav_file("fix_dat", path, native);
    const nav_cache_column cols[] = {NAV_COLUMN(fix_lat), NAV_COLUMN(fix_lon), NAV_COLUMN(fix_name)};
    constexpr int ncols = (int)(sizeof cols / sizeof cols[0]);
    int n = nav_cache_load("fix_dat", native, cols, ncols, FIX_READ_MAX);
    if (n < 0) {
        for (int i = 0; i < FIX_CAP; i++) fix_lat[i] = fix_lon[i] = -999.0f;
        int opened;
        const int alerts = mnw_alert_count();
        n = parse_fixes(path, &opened);
        // What raised an alert is read from the text again next time, so its alert comes again.
        if (opened && mnw_alert_count() == alerts) nav_cache_store("fix_dat", native, cols, ncols, n);
    }
    env.fixmax = n - 1;
}

// Rows of each table that a read of this process has filled (a fresh process has them all
// zero, and a read fills only a prefix).
static int apt_rows_used, nav_rows_used, fix_rows_used;

// The rows a read or a caller of the tables may have filled: those of the last reads, and
// those the counts name.
static int rows_to_clear(int read_rows, int max_index, int cap)
{
    return intlim(intmax2(read_rows, max_index + 1), 0, cap);
}

// Every table back to its start-up state, so a second read never mixes with the first: only
// the rows filled since the process started, which spares a fresh process touching the
// tables' unused pages.
static void clear_tables()
{
    const int na = rows_to_clear(apt_rows_used, env.aptmax, APT_CAP);
    const int nn = rows_to_clear(nav_rows_used, env.navmax, NAV_CAP);
    const int nf = rows_to_clear(fix_rows_used, env.fixmax, FIX_CAP);
    auto clear_rows = [](auto& table, int rows) { std::memset(table, 0, rows * sizeof table[0]); };
    clear_rows(apt_lat, na);
    clear_rows(apt_lon, na);
    clear_rows(apt_num, na);
    clear_rows(apt_lr, na);
    clear_rows(apt_hdng, na);
    clear_rows(apt_len, na);
    clear_rows(apt_width, na);
    clear_rows(apt_lite, na);
    clear_rows(apt_h, na);
    clear_rows(apt_twr, na);
    clear_rows(apt_id, na);
    clear_rows(apt_name, na);
    clear_rows(apt_inreg, na);
    clear_rows(nav_type, nn);
    clear_rows(nav_lat, nn);
    clear_rows(nav_lon, nn);
    clear_rows(nav_h, nn);
    clear_rows(nav_f12, nn);
    clear_rows(nav_hdng, nn);
    clear_rows(nav_id, nn);
    clear_rows(nav_name, nn);
    clear_rows(nav_inreg, nn);
    clear_rows(fix_name, nf);
}

void init_country_data()
{
    int keep_use = inf_use;
    clear_tables();
    read_airports();
    read_navaids();
    read_fixes();
    inf_use = keep_use;
    apt_rows_used = env.aptmax + 1;
    nav_rows_used = env.navmax + 1;
    fix_rows_used = env.fixmax + 1;
}

void set_region_flags()
{
    // Longitudes are counted east of the western meridian, so places across the antimeridian
    // belong to a region that reaches it.
    const float la = (float)env.lat_sou;
    auto inside = [&](float lat, float lon) {
        const double east = region_lon_offset(lon, env.lon_wes);
        return lat >= la && lat <= la + 2 && east >= 0.0 && east <= 3.0;
    };
    for (int i = 0; i <= env.aptmax && i < APT_CAP; i++) apt_inreg[i] = inside(apt_lat[i][0], apt_lon[i][0]);
    for (int i = 0; i <= env.navmax && i < NAV_CAP; i++) nav_inreg[i] = inside(nav_lat[i], nav_lon[i]);
}

void finish_nav_readin()
{
    set_region_flags();
    finish_region();
}

void rway_to_cs(int num, char lr, int helipad, char* out)
{
    if (num < 0) num = 0;
    if (num > 99) num = 99;
    int n = std::snprintf(out, 8, "%s %02d", helipad ? "Pad" : "Rwy", num);
    if (lr != 'x' && (unsigned char)lr > ' ' && (unsigned char)lr < 0x7F) {
        out[n] = lr;
        out[n + 1] = 0;
    }
}

}  // namespace orv
