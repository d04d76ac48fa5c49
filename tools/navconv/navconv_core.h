// navconv_core.h -- the navigation converter as a library, so its tests can run it in-process.
#pragma once

#include <string>

namespace orv {

// Reads the OurAirports CSV files in folder `in` and writes "apt_dat", "nav_dat" and
// "fix_dat" into folder `out` (made when missing). Answers 0 on success, else 1 with the
// reason on standard error.
int navconv_run(const std::string& in, const std::string& out);

}  // namespace orv
