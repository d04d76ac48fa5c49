#include "platform/plat_gl_window.h"

#include "platform/plat_backend.h"

namespace orv {

int plat_open_gl_window(const plat_gl_window_steps& steps, int* failure)
{
    static const int depths[2] = {PLAT_DEPTH_BITS_WANTED, PLAT_DEPTH_BITS_FALLBACK};
    int code = PLAT_INIT_NO_WINDOW;
    for (int bits : depths) {
        steps.ask_depth(bits);
        code = steps.open();
        if (code == PLAT_INIT_OK) return bits;
    }
    if (failure) *failure = code;
    return 0;
}

}  // namespace orv
