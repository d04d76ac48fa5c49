// app_prefs.h -- the preferences file "Vantorel 4.prf" and the situation file (the same
// record followed by five lines of position and speed). One writer, one reader, one layout.
#pragma once

namespace orv {

constexpr int PREFS_VERSION = 462;
constexpr int PREFS_DISABLED_VERSION = -1;                  // written by "Reset Preferences and Exit"
constexpr const char* PREFS_DAMAGED_SUFFIX = ".damaged";   // a damaged file is kept under its name + this

void hardprefs();        // first start: welcome alert, aircraft picker, every default
int  grab_prefs();       // reads the record from the open input file; answers 1
void dump_prefs();       // writes the record to the open output stream `ouf`
void initprefs();        // start-up: read the file, or take the defaults

int  write_prefs_file();      // the whole file at prefs_path; 1 when it is in place
int  disable_prefs_file();    // version -1, so the next start takes the defaults
void dump_situation_lines();  // the five lines after the record (open `ouf`)
void grab_situation_lines();  // into set.cus_X, cus_Z, cus_psi, cus_Y, cus_v

// The default start airport: the last one whose identifier begins "KSBD", 0 when none (or
// when the airport tables are empty: nothing is read from them then).
int  default_start_airport();
// Position of airport `index` (its first runway); 0 when the tables hold no such airport.
int  start_airport_position(int index, float* lat, float* lon);

}  // namespace orv
