// app_prefs.h -- the preferences file "Vantorel 4.prf" and the situation file (the same
// record followed by five lines of position and speed). One table of fields drives the writer,
// the reader and the defaults, so the layout is written down once.
#pragma once

namespace orv {

// How a field is stored and written: a text line, a whole number, a number with decimals, a
// flag (written and read as 0 or 1), or a whole number read as a number and cut (an older
// writer put decimals there).
enum class pref_kind { text, whole, real, flag, whole_from_real };

enum pref_rule : unsigned {
    PREF_SAME_LINE = 1,         // continues the line of the field before it, after a blank
    PREF_NO_DEFAULT = 2,        // the first start leaves it as it is
    PREF_DROPPED_ON_READ = 4,   // written, but 0 after reading
    // Kept as "name = value" in PREFS_MORE_FILE beside the preferences, not in the record, so
    // the record (which situation files share) keeps its layout for the files already written.
    PREF_OWN_FILE = 8,
};

// One field of the record. An array field takes one line per element; fields joined by
// PREF_SAME_LINE share the lines, element by element. A number read back is limited to
// lo..hi; one that is not a number at all takes the default. The default and the range are
// in `unit` (feet, knots, nautical miles) when it is given, times the unit's factor.
struct pref_field {
    const char*  name;
    pref_kind    kind;
    void*        where;          // the field, or the first element of an array
    int          count;          // elements
    float        dflt, lo, hi;
    unsigned     rules;
    const float* unit;           // factor into stored units, null: stored units
    const float* written_times;  // the value written is the field times this (visibility)
    const int*   dflt_list;      // defaults of the first dflt_count elements, one each
    int          dflt_count;
};

int               prefs_field_count();
const pref_field& prefs_field(int i);
// The range of a field in stored units.
float             pref_lo(const pref_field& f);
float             pref_hi(const pref_field& f);

// Ranges of the five situation lines (position in the region's frame, m; heading, deg;
// height, m; true speed, m/s).
constexpr float SIT_POSITION_MAX = 1.0e6f;
constexpr float SIT_HEIGHT_MIN = -500, SIT_HEIGHT_MAX = 30000;
constexpr float SIT_SPEED_MAX = 1000;

constexpr int PREFS_VERSION = 462;
constexpr int PREFS_DISABLED_VERSION = -1;                  // written by "Reset Preferences and Exit"
constexpr const char* PREFS_DAMAGED_SUFFIX = ".damaged";   // a damaged file is kept under its name + this
constexpr const char* PREFS_MORE_FILE = "Vantorel 4 more settings.cfg";

void hardprefs();        // first start: welcome alert, aircraft picker, every default
int  grab_prefs();       // reads the record from the open input file; answers 1
void dump_prefs();       // writes the record to the open output stream `ouf`
void initprefs();        // start-up: read the file, or take the defaults

int  write_prefs_file();      // the whole file at prefs_path (and PREFS_MORE_FILE); 1 when in place
int  disable_prefs_file();    // version -1 (and no PREFS_MORE_FILE), so the next start takes the defaults
// The PREF_OWN_FILE fields from PREFS_MORE_FILE; a missing file or name keeps what is there.
void read_more_prefs();
void dump_situation_lines();  // the five lines after the record (open `ouf`)
void grab_situation_lines();  // into set.cus_X, cus_Z, cus_psi, cus_Y, cus_v

// The default start airport: the last one whose identifier begins "KSBD", 0 when none (or
// when the airport tables are empty: nothing is read from them then).
int  default_start_airport();
// Position of airport `index` (its first runway); 0 when the tables hold no such airport.
int  start_airport_position(int index, float* lat, float* lon);

}  // namespace orv
