#include "platform/plat_paths.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace orv {

int plat_program_dir(char* out, int len)
{
    char buf[4096];
    ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n > 0) {
        buf[n] = 0;
        char* slash = std::strrchr(buf, '/');
        if (slash) {
            if (slash == buf) slash[1] = 0; else *slash = 0;
            if ((int)std::strlen(buf) < len) {
                std::snprintf(out, len, "%s", buf);
                return 1;
            }
        }
    }
    std::snprintf(out, len, ".");
    return 0;
}

void plat_default_config_dir(char* out, int len)
{
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    // An XDG value must be absolute; a relative one is to be ignored.
    if (xdg && xdg[0] == '/')
        std::snprintf(out, len, "%s/vantorel", xdg);
    else if (home && home[0])
        std::snprintf(out, len, "%s/.config/vantorel", home);
    else
        std::snprintf(out, len, "./.vantorel");
}

int plat_is_dir(const char* path)
{
    struct stat st;
    return path && path[0] && stat(path, &st) == 0 && S_ISDIR(st.st_mode);
}

int plat_make_dirs(const char* path)
{
    if (!path || !path[0]) return 0;
    char buf[4096];
    if (std::strlen(path) >= sizeof buf) return 0;
    std::snprintf(buf, sizeof buf, "%s", path);
    for (char* p = buf + 1; *p; p++) {
        if (*p != '/') continue;
        *p = 0;
        if (mkdir(buf, 0755) != 0 && errno != EEXIST) { *p = '/'; return 0; }
        *p = '/';
    }
    if (mkdir(buf, 0755) != 0 && errno != EEXIST) return 0;
    return plat_is_dir(buf);
}

int plat_display_available()
{
    const char* d = std::getenv("DISPLAY");
    const char* w = std::getenv("WAYLAND_DISPLAY");
    return (d && d[0]) || (w && w[0]);
}

}  // namespace orv
