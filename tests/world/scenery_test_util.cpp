#include "scenery_test_util.h"

#include <cstdint>
#include <filesystem>

#include "2-QZutils/records.h"
#include "world/nav_db.h"
#include "world/region.h"
#include "world/region_shift.h"
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

void shift(int type)
{
    using namespace orv;
    static const int slots[6][3] = {{-1, -1, -1}, {-1, -1, -1}, {0, 3, -1}, {2, 5, -1}, {3, 4, 5}, {0, 1, 2}};
    drop_old_quadrants(type);
    env.lon_wes += (type == REGION_EAST) - (type == REGION_WEST);
    env.lat_sou += (type == REGION_NORTH) - (type == REGION_SOUTH);
    for (int s : slots[type])
        if (s >= 0) read_quadrant(env.lat_sou + s / 3, env.lon_wes + s % 3, s);
    finish_nav_readin();
}

}  // namespace scenery_test
