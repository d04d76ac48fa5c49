#include "platform/plat_cli.h"

#include <cstdio>
#include <cstring>

#include "platform/plat_backend.h"
#include "platform/plat_paths.h"

namespace orv {

int plat_copy_option(char* dst, const char* v, const char* flag, char* err, int errlen)
{
    if (!v || !v[0]) {
        std::snprintf(err, errlen, "%s needs a value", flag);
        return 0;
    }
    if (std::strlen(v) >= (size_t)PLAT_OPTION_LEN) {
        std::snprintf(err, errlen, "%s: path too long (at most %d characters)", flag, PLAT_OPTION_LEN - 1);
        return 0;
    }
    std::snprintf(dst, PLAT_OPTION_LEN, "%s", v);
    return 1;
}

void plat_choose_backend(int headless, int screenshot, const plat_backend* windowed, const plat_backend* offscreen)
{
    const plat_backend* b = plat_headless_backend();
    if (headless) {
        if (screenshot) std::fprintf(stderr, "--headless draws nothing: no screenshot is written.\n");
    } else if (screenshot) {
        if (offscreen) b = offscreen;
        else std::fprintf(stderr, "This build has no offscreen drawing: no screenshot is written.\n");
    } else if (!plat_display_available()) {
        std::fprintf(stderr, "No display found: running without a window (headless).\n");
    } else if (!windowed) {
        std::fprintf(stderr, "This build has no window support: running without a window (headless).\n");
    } else {
        b = windowed;
    }
    plat_backend_install(b);
}

}  // namespace orv
