// Fuzz target: the real-weather file "WORLD.RWX" on arbitrary contents, its report picked
// for one of three airports in the region and decoded into the weather; the first line of
// the input is also decoded as a report whatever its station.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "2-QZutils/qz_funct.h"
#include "2-QZutils/records.h"
#include "fuzz_support.h"
#include "world/nav_db.h"
#include "world/wxr_file.h"

namespace {

void three_airports()
{
    const char* ids[3] = {"KFAR", "KONT", "KSBD"};
    const float lat[3] = {34.1f, 34.06f, 34.1f}, lon[3] = {-118.0f, -117.6f, -117.2f};
    for (int a = 0; a < 3; ++a) {
        std::memcpy(orv::apt_id[a], ids[a], 5);
        orv::apt_lat[a][0] = lat[a];
        orv::apt_lon[a][0] = lon[a];
        orv::apt_h[a] = 300.0f * a;
    }
    orv::env.aptmax = 2;
    orv::env.lat_sou = 33;
    orv::env.lon_wes = -119;
    orv::set_region_flags();
}

void decode(const char* report, float z_report)
{
    float z_time = 0, base = 0, tops = 0, vis = 0, temp = 0, dewp = 0, dir = 0, spd = 0, gus = 0, baro = 0;
    int type = 0, obs_vis = 0, obs_den = 0;
    orv::decode_wxr(report, z_report, &z_time, &type, &base, &tops, &vis, &obs_vis, &obs_den, &temp, &dewp,
                    &dir, &spd, &gus, &baro);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static bool ready = false;
    if (!ready) {
        orv_fuzz::program_folder("");
        three_airports();
        ready = true;
    }
    orv_fuzz::write_input("WORLD.RWX", data, size);
    if (orv::wxr_open()) {
        char report[400] = "";
        float z = 0.0f;
        if (orv::get_wxr_str(report, &z, 34.06f, -117.5f)) decode(report, z);
        orv::wxr_close();
    }
    char first[400];
    const std::size_t n = std::min(size, sizeof first - 1);
    std::size_t end = 0;
    while (end < n && data[end] != '\n' && data[end] != '\r' && data[end] != 0) ++end;
    std::memcpy(first, data, end);
    first[end] = 0;
    decode(first, 0.0f);
    return 0;
}
