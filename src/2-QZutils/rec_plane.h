// rec_plane.h -- the aircraft record (also the body of the ".acf" file) and the
// airfoil tables of the loaded aircraft. The byte layout is the file format: no
// padding, fields in file order.
#pragma once

namespace orv {

struct planestruct {
    char C_file[400];              // aircraft file name (run-time only)
    char C_path[400];              // aircraft file path (run-time only)
};

struct airfoilstruct {
    int dummy_;
};

}  // namespace orv
