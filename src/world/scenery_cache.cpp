#include "world/scenery_cache.h"

#include <cstdio>
#include <cstdlib>

namespace orv {

namespace {
char cache_dir_opt[400];
}

void scenery_cache_set_dir(const char* native_dir)
{
    std::snprintf(cache_dir_opt, sizeof cache_dir_opt, "%s", native_dir ? native_dir : "");
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

int scenery_cache_tile(int, int, char*, int) { return 0; }

}  // namespace orv
