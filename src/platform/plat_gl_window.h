// plat_gl_window.h -- the order in which a windowed back end asks the display for its OpenGL
// window: a 24-bit depth buffer first (terrain and buildings 5 km off fight in 16 bits), then
// 16 bits from a display that refuses 24. The back end supplies the two steps; the order and
// the answer are the same for every back end and are tested here without a display.
#pragma once

namespace orv {

constexpr int PLAT_DEPTH_BITS_WANTED = 24, PLAT_DEPTH_BITS_FALLBACK = 16;

struct plat_gl_window_steps {
    void (*ask_depth)(int bits);   // sets the depth the next window is asked for
    int  (*open)();                // window and context: a PLAT_INIT_ code (plat_backend.h)
};

// Opens the window with the first depth the display grants. Answers the depth asked for
// when it opened, else 0 with *failure the last step's code.
int plat_open_gl_window(const plat_gl_window_steps& steps, int* failure);

}  // namespace orv
