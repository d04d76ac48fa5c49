// afl_io.h -- reading the airfoil files (folder "airfoils") and the flap file (folder
// "flaps") of the aircraft being loaded.
#pragma once

namespace orv {

// Reads airfoil `name` (folder "airfoils") into afl for part EN (0..27), root/tip RT (0/1),
// Reynolds slot Re (0 low, 1 high); *alpha gets its stalling angle. Answers 1 when read.
int  grabafoil(const char* name, int EN, int RT, int Re, float* alpha);
// Copies the tables of one part's airfoil slot to another's (the same file read once).
void copy_airfoil(int from_EN, int from_RT, int from_Re, int EN, int RT, int Re);

// Reads pln.flap_str (folder "flaps") into the flap tables of pln when the aircraft has
// flaps (pln.flapEQ); a missing or damaged file is told and leaves the tables zero.
void read_flap_file();

}  // namespace orv
