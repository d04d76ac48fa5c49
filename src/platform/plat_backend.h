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
    PLAT_EV_CLOSE,        // the user closed the window
    PLAT_EV_QUIT,         // the user closed the program's main window: quit as from the menu
    PLAT_EV_SHOT          // scripted: write the next frame to screenshot file number `code`
};

// Keys that type no character come as these codes (above every character).
enum {
    PLAT_KEY_LEFT = 0x100, PLAT_KEY_RIGHT, PLAT_KEY_UP, PLAT_KEY_DOWN,
    PLAT_KEY_F1 = 0x110,                   // F1..F12 are PLAT_KEY_F1 + 0..11
    PLAT_KEY_KP0 = 0x120,                  // keypad digits 0..9 are PLAT_KEY_KP0 + 0..9
    PLAT_KEY_KP_DOT = 0x12A, PLAT_KEY_KP_PLUS, PLAT_KEY_KP_MINUS, PLAT_KEY_KP_TIMES,
    PLAT_KEY_KP_DIVIDE, PLAT_KEY_KP_ENTER,
    PLAT_KEY_PAGE_UP = 0x130, PLAT_KEY_PAGE_DOWN, PLAT_KEY_HOME, PLAT_KEY_END, PLAT_KEY_INSERT,
    PLAT_KEY_DELETE,
    PLAT_KEY_SHIFT_F1 = 0x140,             // Shift+F1..F12 are PLAT_KEY_SHIFT_F1 + 0..11
};

// What init answers.
enum { PLAT_INIT_NO_WINDOW = 0, PLAT_INIT_OK = 1, PLAT_INIT_NO_FORMAT = 2, PLAT_INIT_NO_CONTEXT = 3 };

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
    // ---- back ends with a picture (null members: none)
    int   interactive;                                  // 1: a user can answer an alert in the picture
    void* (*gl_proc)(const char* name);                 // OpenGL entry points of the current context
    void  (*viewport)(int* x, int* y, int* w, int* h);  // the picture in the drawable, GL's y-up origin
    void  (*set_fullscreen)(int on);                    // 1: the desktop's mode, 0: the window back
    void  (*resize)(int w, int h);                      // the window's size, as the user would drag it
    // Writes the next presented frame as a PNG; with `keep` every frame is read back and the
    // last one is written when the back end finishes. Answers 0 when it cannot.
    int   (*request_shot)(const char* path, int keep);
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
// File names of scripted screenshots: the index goes into a PLAT_EV_SHOT event's code.
constexpr int PLAT_SCRIPT_SHOTS = 64, PLAT_SHOT_PATH = 400;
int  plat_script_shot(const char* path);        // -1 when the table is full or the name too long
const char* plat_script_shot_path(int index);   // "" for an unknown index

}  // namespace orv
