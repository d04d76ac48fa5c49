#include "world/scenery_cache.h"

#include <cstdio>
#include <cstdlib>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <thread>

#include "2-QZutils/qz_file.h"
#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_mnw.h"
#include "platform/plat_paths.h"
#include "world/scenery_gen.h"

namespace orv {

namespace {

constexpr int DIR_LEN = 400;
char cache_dir_opt[DIR_LEN];
int  source_tried;   // the scenery source is looked for once per run

// The source's file in native form. The path helpers keep their answer in one buffer, so
// only the main thread calls them; the worker is handed the answer.
void source_file(char* native, int len)
{
    char path[PATH_LEN] = "earth.dat";
    ap_dir("scenery", path);
    std::snprintf(native, len, "%s", native_path(path));
}

int file_exists(const char* native)
{
    std::FILE* f = std::fopen(native, "rb");
    if (!f) return 0;
    std::fclose(f);
    return 1;
}

constexpr int NATIVE_LEN = DIR_LEN + 64;

// The cache file of quadrant (lat, lon) and the length of its folder's part.
int tile_path(int lat, int lon, char* native, int* folder_len)
{
    char dir[DIR_LEN], name[64];
    scenery_cache_dir(dir, sizeof dir);
    return_latlon_str_ENV(lat, lon, name, 1);
    char* sep = std::strchr(name, '\\');
    if (!sep) return 0;
    *sep = 0;
    std::snprintf(native, NATIVE_LEN, "%s/%s", dir, name);
    *folder_len = (int)std::strlen(native);
    std::snprintf(native + *folder_len, NATIVE_LEN - *folder_len, "/%s", sep + 1);
    return 1;
}

int make_tile(int lat, int lon, char* native, int folder_len)
{
    native[folder_len] = 0;
    const int made = plat_make_dirs(native);
    native[folder_len] = '/';
    return made && generate_env_file(lat, lon, native);
}

// ---- tiles made ahead: one worker thread, a fixed queue, nothing allocated once it runs

constexpr int AHEAD_CAP = 16;

struct ahead_queue {
    std::mutex lock;
    std::condition_variable changed;
    int lat[AHEAD_CAP], lon[AHEAD_CAP];
    int count;
    int busy, busy_lat, busy_lon;   // the tile the worker is making
    int stopping;
    char source[PATH_LEN];          // loaded by the worker when the frame has not needed it yet
    std::thread worker;
};
ahead_queue ahead;

void ahead_work()
{
    std::unique_lock<std::mutex> held(ahead.lock);
    for (;;) {
        ahead.changed.wait(held, [] { return ahead.stopping || ahead.count > 0; });
        if (ahead.stopping) return;
        const int lat = ahead.lat[0], lon = ahead.lon[0];
        ahead.count--;
        for (int k = 0; k < ahead.count; k++) {
            ahead.lat[k] = ahead.lat[k + 1];
            ahead.lon[k] = ahead.lon[k + 1];
        }
        ahead.busy = 1;
        ahead.busy_lat = lat;
        ahead.busy_lon = lon;
        char native[NATIVE_LEN];
        int folder_len;
        const int known = tile_path(lat, lon, native, &folder_len);
        held.unlock();
        // A tile that cannot be made now is made, and its failure reported, when it is needed.
        if (known && !file_exists(native) && (scenery_source_ready() || scenery_source_load(ahead.source)))
            make_tile(lat, lon, native, folder_len);
        held.lock();
        ahead.busy = 0;
        ahead.changed.notify_all();
    }
}

void ahead_stop()
{
    {
        std::lock_guard<std::mutex> held(ahead.lock);
        ahead.stopping = 1;
    }
    ahead.changed.notify_all();
    if (ahead.worker.joinable()) ahead.worker.join();
}

// The tile is needed now: out of the queue, and the worker's own finished first.
void ahead_claim(int lat, int lon)
{
    std::unique_lock<std::mutex> held(ahead.lock);
    for (int k = 0; k < ahead.count; k++) {
        if (ahead.lat[k] != lat || ahead.lon[k] != lon) continue;
        ahead.count--;
        for (int m = k; m < ahead.count; m++) {
            ahead.lat[m] = ahead.lat[m + 1];
            ahead.lon[m] = ahead.lon[m + 1];
        }
        break;
    }
    ahead.changed.wait(held, [&] { return !ahead.busy || ahead.busy_lat != lat || ahead.busy_lon != lon; });
}

}  // namespace

int scenery_source_available()
{
    if (scenery_source_ready()) return 1;
    if (source_tried) return 0;
    source_tried = 1;
    char native[PATH_LEN];
    source_file(native, sizeof native);
    if (scenery_source_load(native)) return 1;
    char path[PATH_LEN] = "earth.dat";
    ap_dir("scenery", path);
    char line[PATH_LEN + 80];
    std::snprintf(line, sizeof line,
                  "No scenery source at %s: quadrants without a scenery file are water.", path);
    mnw_log(line);
    return 0;
}

void scenery_cache_ahead(int lat, int lon)
{
    if (lat < -90 || lat > 89) return;
    lon = intwrap(lon, -180, 179);
    char native[NATIVE_LEN];
    int folder_len;
    // Without a source this run (looked for and missing) nothing can be made ahead.
    if (!tile_path(lat, lon, native, &folder_len) || file_exists(native) || (source_tried && !scenery_source_ready()))
        return;
    std::lock_guard<std::mutex> held(ahead.lock);
    if (ahead.stopping) return;
    if (!ahead.busy && ahead.count == 0) source_file(ahead.source, sizeof ahead.source);
    if (ahead.busy && ahead.busy_lat == lat && ahead.busy_lon == lon) return;
    for (int k = 0; k < ahead.count; k++)
        if (ahead.lat[k] == lat && ahead.lon[k] == lon) return;
    if (ahead.count >= AHEAD_CAP) return;   // the oldest wishes go first; this one waits its turn
    ahead.lat[ahead.count] = lat;
    ahead.lon[ahead.count] = lon;
    ahead.count++;
    if (!ahead.worker.joinable()) {
        ahead.worker = std::thread(ahead_work);
        std::atexit(ahead_stop);   // before the source and the folders go
    }
    ahead.changed.notify_all();
}

void scenery_cache_ahead_around(int lat_sou, int lon_wes)
{
    // The quadrants a shift in each direction would bring: the rows north and south, the
    // columns west and east.
    for (int c = 0; c < 3; c++) {
        scenery_cache_ahead(lat_sou + 2, lon_wes + c);
        scenery_cache_ahead(lat_sou - 1, lon_wes + c);
    }
    for (int r = 0; r < 2; r++) {
        scenery_cache_ahead(lat_sou + r, lon_wes - 1);
        scenery_cache_ahead(lat_sou + r, lon_wes + 3);
    }
}

void scenery_cache_ahead_settle()
{
    std::unique_lock<std::mutex> held(ahead.lock);
    ahead.changed.wait(held, [] { return ahead.count == 0 && !ahead.busy; });
}

void scenery_cache_set_dir(const char* native_dir)
{
    scenery_cache_ahead_drop();
    std::snprintf(cache_dir_opt, sizeof cache_dir_opt, "%s", native_dir ? native_dir : "");
    source_tried = 0;
}

void scenery_cache_ahead_drop()
{
    std::unique_lock<std::mutex> held(ahead.lock);
    ahead.count = 0;
    ahead.changed.wait(held, [] { return !ahead.busy; });
}

void scenery_cache_dir(char* out, int len)
{
    if (cache_dir_opt[0]) {
        std::snprintf(out, len, "%s", cache_dir_opt);
        return;
    }
    cache_root_dir(out, len);
    const int used = (int)std::strlen(out);
    std::snprintf(out + used, (size_t)(len - used), "/scenery");
}

void cache_root_dir(char* out, int len)
{
    const char* xdg = std::getenv("XDG_CACHE_HOME");
    const char* home = std::getenv("HOME");
    if (xdg && xdg[0] == '/') std::snprintf(out, len, "%s/vantorel", xdg);
    else if (home && home[0]) std::snprintf(out, len, "%s/.cache/vantorel", home);
    else std::snprintf(out, len, ".vantorel-cache");
}

int scenery_cache_tile(int lat, int lon, char* path, int len)
{
    char native[NATIVE_LEN];
    int folder_len;
    if (!tile_path(lat, lon, native, &folder_len)) return 0;
    if (!file_exists(native)) {
        // Made ahead already, or being made: the worker's tile is waited for (it is nearly
        // done); one still queued is made here at once instead.
        ahead_claim(lat, lon);
        if (!file_exists(native)) {
            if (!scenery_source_available()) return 0;
            if (!make_tile(lat, lon, native, folder_len)) {
                char line[NATIVE_LEN + 80];
                std::snprintf(line, sizeof line, "Could not write the generated scenery file %s", native);
                mnw_log(line);
                return 0;
            }
        }
    }
    if ((int)std::strlen(native) >= len) return 0;
    std::snprintf(path, len, "%s", native);
    for (char* p = path; *p; p++)
        if (*p == '/') *p = '\\';
    return 1;
}

}  // namespace orv
