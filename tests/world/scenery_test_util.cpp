#include "scenery_test_util.h"

#include <cstdint>
#include <filesystem>

#include "world/scenery_gen.h"

namespace scenery_test {

std::string load_island(const std::string& dir, float lon_w, float lon_e, float lat_s, float lat_n,
                        float field_m)
{
    const float ring[10] = {lon_w, lat_s, lon_e, lat_s, lon_e, lat_n, lon_w, lat_n, lon_w, lat_s};
    const std::uint32_t starts[2] = {0, 5};
    const float field[3] = {0.5f * (lat_s + lat_n), 0.5f * (lon_w + lon_e), field_m};
    const std::string path = dir + "/island.dat";
    if (!orv::scenery_source_write(path.c_str(), ring, starts, 1, field, 1)) return "";
    if (!orv::scenery_source_load(path.c_str())) return "";
    return path;
}

std::string built_source()
{
    const std::string p = std::string(ORV_BINARY_DIR) + "/scenery/earth.dat";
    return std::filesystem::exists(p) ? p : "";
}

}  // namespace scenery_test
