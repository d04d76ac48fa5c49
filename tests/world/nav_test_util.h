// Helpers shared by the navigation tests.
#pragma once

#include <string>
#include <vector>

namespace nav_test {

// Writes the chosen airports and navaids back through the writers (lengths, widths and
// elevations in feet as the files hold them) into `dir` as "apt_dat" and "nav_dat".
void dump_tables(const std::string& dir, const std::vector<int>& airports, const std::vector<int>& navaids);

std::vector<int> all_airports();   // 0 .. env.aptmax
std::vector<int> all_navaids();    // every navaid before the end mark

}  // namespace nav_test
