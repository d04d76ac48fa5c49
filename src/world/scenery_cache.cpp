#include "world/scenery_cache.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

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

int file_exists(const char* native)
{
    std::FILE* f = std::fopen(native, "rb");
    if (!f) return 0;
    std::fclose(f);
    return 1;
}

}  // namespace

int scenery_source_available()
{
    if (scenery_source_ready()) return 1;
    if (source_tried) return 0;
    source_tried = 1;
    char path[PATH_LEN] = "earth.dat";
    ap_dir("scenery", path);
    if (scenery_source_load(native_path(path))) return 1;
    char line[PATH_LEN + 80];
    std::snprintf(line, sizeof line,
                  "No scenery source at %s: quadrants without a scenery file are water.", path);
    mnw_log(line);
    return 0;
}

void scenery_cache_set_dir(const char* native_dir)
{
    std::snprintf(cache_dir_opt, sizeof cache_dir_opt, "%s", native_dir ? native_dir : "");
    source_tried = 0;
}

void scenery_cache_dir(char* out, int len)
{
    if (cache_dir_opt[0]) {
        std::snprintf(out, len, "%s", cache_dir_opt);
        return;
    }
    const char* xdg = std::getenv("XDG_CACHE_HOME");
    const char* home = std::getenv("HOME");
    if (xdg && xdg[0] == '/') std::snprintf(out, len, "%s/vantorel/scenery", xdg);
    else if (home && home[0]) std::snprintf(out, len, "%s/.cache/vantorel/scenery", home);
    else std::snprintf(out, len, ".vantorel-cache/scenery");
}

int scenery_cache_tile(int lat, int lon, char* path, int len)
{
    char dir[DIR_LEN], name[64], native[DIR_LEN + 64];
    scenery_cache_dir(dir, sizeof dir);
    return_latlon_str_ENV(lat, lon, name, 1);
    char* sep = std::strchr(name, '\\');
    if (!sep) return 0;
    *sep = 0;
    std::snprintf(native, sizeof native, "%s/%s", dir, name);
    const int folder_len = (int)std::strlen(native);
    std::snprintf(native + folder_len, sizeof native - folder_len, "/%s", sep + 1);
    if (!file_exists(native)) {
        if (!scenery_source_available()) return 0;
        native[folder_len] = 0;
        const int made = plat_make_dirs(native);
        native[folder_len] = '/';
        if (!made || !generate_env_file(lat, lon, native)) {
            char line[DIR_LEN + 80];
            std::snprintf(line, sizeof line, "Could not write the generated scenery file %s", native);
            mnw_log(line);
            return 0;
        }
    }
    if ((int)std::strlen(native) >= len) return 0;
    std::snprintf(path, len, "%s", native);
    for (char* p = path; *p; p++)
        if (*p == '/') *p = '\\';
    return 1;
}

}  // namespace orv
