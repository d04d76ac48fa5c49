// plat_backend.h -- the table of operations a display back end provides to the window layer.
//
// The window layer (qz_mnw) is the same with or without a window; what changes is the back end
// installed here. The headless back end (no window, alerts on standard error, input from a
// script) is always available; a windowed back end installs itself with plat_backend_install.
//
// Events carry window-system coordinates: origin at the top-left pixel of the 800 by 600
// window, y growing downwards; the window layer turns them into its own y-up mouse position.
#pragma once

namespace orv {

enum {
    PLAT_EV_NONE = 0,
    PLAT_EV_KEY,          // key: the character typed
    PLAT_EV_MOUSE_DOWN,   // x, y
    PLAT_EV_MOUSE_UP,     // x, y
    PLAT_EV_MOUSE_MOVE,   // x, y
    PLAT_EV_MENU,         // code: a menu item code, as if chosen with the mouse
    PLAT_EV_COMMAND,      // code: index of an application command, args[0..nargs-1]
    PLAT_EV_CLOSE         // the user closed the window
};

constexpr int PLAT_EV_MAX_ARGS = 6;

struct plat_event {
    double time;          // scripted events: simulated seconds since the start of the run
    int    type;
    int    key;
    int    x, y;
    int    code;
    int    nargs;
    float  args[PLAT_EV_MAX_ARGS];
    int    line;          // script line the event came from (0 when none)
};

struct plat_backend {
    const char* name;
    int  headless;                                      // 1: no window, nothing is drawn
    int  (*init)(int width, int height, const char* title);   // 1 when the window exists
    // Hands out the next pending event whose time has come (now: simulated seconds since
    // start); answers 0 when there is none. Called repeatedly, once per event.
    int  (*pump)(double now, plat_event* out);
    void (*present)();                                  // show the finished frame
    void (*show_alert)(const char* const lines[4], int code);
    void (*finish)();                                   // release the window; safe to repeat
};

const plat_backend* plat_backend_get();                 // the headless one until another is installed
void plat_backend_install(const plat_backend* b);       // nullptr puts the headless one back
const plat_backend* plat_headless_backend();
// Frames per second the headless back end presents at, like a display's refresh; 0 (the
// default) presents at once.
void plat_headless_set_frame_rate(int hz);

// ---- scripted input, handed out by the headless back end's pump in time order.
constexpr int PLAT_SCRIPT_MAX = 8192;
int  plat_script_push(const plat_event& ev);   // 0 when the queue is full; equal times keep order
void plat_script_clear();
int  plat_script_pending();                    // events not yet handed out

}  // namespace orv
