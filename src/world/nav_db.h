// nav_db.h -- the world-wide navigation database: airports with up to three runways,
// radio navaids and named fixes, read once at start-up from "additional nav data", held in
// fixed global tables for the whole run and flagged per scenery region.
#pragma once

namespace orv {

constexpr int APT_CAP  = 15000;   // airports
constexpr int APT_RWYS = 3;       // runway slots per airport
constexpr int NAV_CAP  = 20000;   // navaid entries (records, terminator and a spare)
constexpr int NAV_FREQ_WHOLE_MAX = 99999;
constexpr float NAV_ELEV_FT_MAX = 100000.0f;   // no airport or navaid stands higher or lower   // f1 of a navaid record: whole MHz, or kHz for an NDB
constexpr int FIX_CAP  = 34000;   // fixes
constexpr int REG_LIST_CAP = 90;  // entries of each region index list

// The placed carriers' own localizer and glide-slope entries, one pair per region quadrant,
// after the terminator (type 0, matching no kind, until a carrier is drawn): they never take
// a navaid of the data file and no carrier takes another's.
constexpr int CARRIER_NAV_PAIRS = 6;

// Records stored before the table-full alert (the navaid and fix tables keep room behind
// the last record for the terminator and the carriers' localizers and glide slopes).
constexpr int APT_READ_MAX = 15000;
constexpr int NAV_READ_MAX = NAV_CAP - 1 - 2 * CARRIER_NAV_PAIRS;
constexpr int FIX_READ_MAX = 33999;

constexpr int NAV_NDB = 2, NAV_VOR = 3, NAV_LOC = 4, NAV_LOC_ONLY = 5, NAV_GS = 6,
              NAV_OM = 7, NAV_MM = 8, NAV_IM = 9, NAV_END = 99;

// ---- airports, in file order (env.aptmax = index of the last one)
extern float apt_lat[APT_CAP][APT_RWYS];    // runway centre, degrees north
extern float apt_lon[APT_CAP][APT_RWYS];    // degrees east
extern int   apt_num[APT_CAP][APT_RWYS];    // 1..36, designation of the runway's first end
extern char  apt_lr[APT_CAP][APT_RWYS];     // 'L', 'R' or 'x'
extern int   apt_hdng[APT_CAP][APT_RWYS];   // true heading of the first end, 0..359
extern int   apt_len[APT_CAP][APT_RWYS];    // metres; 1 or less: empty slot
extern int   apt_width[APT_CAP][APT_RWYS];  // metres
extern int   apt_lite[APT_CAP][APT_RWYS];   // surface and lighting code (code_to_lgts)
extern float apt_h[APT_CAP];                // field elevation, metres
extern int   apt_twr[APT_CAP];              // 1: control tower
extern char  apt_id[APT_CAP][5];            // four characters (blank padded), NUL
extern char  apt_name[APT_CAP][40];         // at most 39 characters, '-' read as blank
extern int   apt_inreg[APT_CAP];            // first runway inside the loaded region

// ---- navaids (loops run 0..env.navmax inclusive; nav_type 99 marks the end of the file)
extern int   nav_type[NAV_CAP];
extern float nav_lat[NAV_CAP], nav_lon[NAV_CAP];
extern float nav_h[NAV_CAP];                // metres
extern int   nav_f12[NAV_CAP];              // NDB: kHz; others: MHz * 100
extern int   nav_hdng[NAV_CAP];             // localizer course, 0..359
extern char  nav_id[NAV_CAP][5];
extern char  nav_name[NAV_CAP][40];
extern int   nav_inreg[NAV_CAP];

// ---- fixes (-999 marks an unused entry)
extern float fix_lat[FIX_CAP], fix_lon[FIX_CAP];
extern char  fix_name[FIX_CAP][6];          // five characters (blank padded), NUL

// ---- region index lists, built by the menu set-up each time a region loads
extern int apt_to_index[REG_LIST_CAP];
extern int vor_to_index[REG_LIST_CAP];
extern int ndb_to_index[REG_LIST_CAP];
extern int apt_inrange[REG_LIST_CAP];

int  nav_end_entry();                    // the terminator: also the count of navaids read
int  carrier_loc_entry(int carrier);     // carrier 0..5's localizer; its glide slope is the one below

// Reads "apt_dat", "nav_dat" and "fix_dat" from the folder "additional nav data" under
// app_path into the tables; sets env.aptmax (airports - 1), env.navmax (the last carrier
// entry; the terminator at nav_end_entry(), entry 0 empty when there is no navaid) and env.fixmax
// (fixes - 1). A missing or bad file is reported and leaves its table empty; the program
// goes on. Reading stops at a table's capacity after the table-full alert.
void init_country_data();

// Opens one navigation file on the file layer's input stream and consumes its three
// header lines. 1 when the stream is ready for records; 0 after the alert.
int  open_apt_nav_dat(const char* path);

// One airport record after its record code; runway fields are arrays of three.
void scan_apt_line(float* lat, float* lon, int* num, char* lr, int* hdng, int* len,
                   int* width, int* lite, float* h, int* twr, char* id, char* name);
// One navaid record after its type (which the caller has read).
void scan_nav_line(int type, float* lat, float* lon, float* h, int* f12, int* hdng,
                   char* id, char* name);

// Writers to the file layer's output stream (after ouf_open) in the files' column layout.
// Lengths, widths and elevations are written as given (the caller converts to feet).
void dump_apt_line(const float* lat, const float* lon, const int* num, const char* lr,
                   const int* hdng, const int* len, const int* width, const int* lite,
                   float h, int twr, const char* id, const char* name);
void dump_nav_line(int type, float lat, float lon, float h, int f12, int hdng,
                   const char* id, const char* name);

// After a region's quadrants are read: flags the airports and navaids inside the region
// whose south-west corner is (env.lat_sou, env.lon_wes), 2 degrees by 3 degrees.
void finish_nav_readin();
void set_region_flags();          // the flagging step alone

// "Rwy 09L" / "Pad 04" (out needs 8 bytes).
void rway_to_cs(int num, char lr, int helipad, char* out);

}  // namespace orv
