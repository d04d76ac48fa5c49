// Helpers shared by the scenery tests: a small synthetic scenery source.
#pragma once

#include <string>

namespace scenery_test {

// Writes a source holding one square island (lon_w..lon_e by lat_s..lat_n) with one field of
// elevation `field_m` at its middle, and loads it. Answers the file's path.
std::string load_island(const std::string& dir, float lon_w, float lon_e, float lat_s, float lat_n,
                        float field_m);

// The source compiled by the build from the real data, or "" when the build had no data.
std::string built_source();

}  // namespace scenery_test
