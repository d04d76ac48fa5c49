// The windowed back end over SDL2. The picture is drawn at its own 800 by 600 size into a
// viewport scaled to fit the window with its shape kept; mouse positions are mapped back into
// the picture. Scripted mouse input is sent through the window's own event queue at the
// matching window position, so it takes the same way as the user's mouse.
#include "platform/sdl/sdl_backend.h"

#include <SDL.h>
#include <GL/gl.h>

#include <cstdio>
#include <cstring>

#include "platform/offscreen/driver_pin.h"
#include "platform/offscreen/shot_png.h"
#include "platform/plat_gl_window.h"
#include "platform/plat_keymap.h"
#include "platform/plat_view.h"

namespace orv {

static SDL_Window*   window;
static SDL_GLContext context;
static int pic_w = 800, pic_h = 600;
static int fullscreen;

// The few entry points the back end needs itself (the drawing layer has its own table).
static void (*gl_clear)(GLbitfield);
static void (*gl_clear_color)(GLclampf, GLclampf, GLclampf, GLclampf);
static void (*gl_viewport)(GLint, GLint, GLsizei, GLsizei);
static void (*gl_read_pixels)(GLint, GLint, GLsizei, GLsizei, GLenum, GLenum, void*);
static void (*gl_get_integerv)(GLenum, GLint*);

// The largest window the driver can draw into, read once the context is current.
static int gl_max_w = 16384, gl_max_h = 16384;

template <class F> static void load(F*& fn, const char* name) { fn = reinterpret_cast<F*>(SDL_GL_GetProcAddress(name)); }

static plat_view_rect window_view()      // in window coordinates: where the mouse is measured
{
    int w = pic_w, h = pic_h;
    if (window) SDL_GetWindowSize(window, &w, &h);
    return plat_fit_picture(w, h, pic_w, pic_h);
}

static void drawable_size(int* w, int* h)
{
    *w = pic_w;
    *h = pic_h;
    if (window) SDL_GL_GetDrawableSize(window, w, h);
}

static void sdl_viewport(int* x, int* y, int* w, int* h)
{
    int dw, dh;
    drawable_size(&dw, &dh);
    plat_view_rect v = plat_fit_picture(dw, dh, pic_w, pic_h);
    *x = v.x;
    *y = dh - (v.y + v.h);                // GL counts rows from the bottom
    *w = v.w;
    *h = v.h;
}

static void* sdl_gl_proc(const char* name) { return SDL_GL_GetProcAddress(name); }

static void learn_driver_limits()
{
    if (!gl_get_integerv) return;
    GLint dims[2] = {0, 0}, texture = 0;
    gl_get_integerv(GL_MAX_VIEWPORT_DIMS, dims);
    gl_get_integerv(GL_MAX_TEXTURE_SIZE, &texture);
    if (dims[0] > 0) gl_max_w = dims[0];
    if (dims[1] > 0) gl_max_h = dims[1];
    if (texture > 0 && texture < gl_max_w) gl_max_w = texture;
    if (texture > 0 && texture < gl_max_h) gl_max_h = texture;
    SDL_SetWindowMaximumSize(window, gl_max_w, gl_max_h);   // also for the user's own dragging
}

// The two steps of opening the window, for the shared depth order of plat_gl_window.
static const char* opening_title = "";
static int opening_w, opening_h;

static void ask_depth(int bits)
{
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 5);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 5);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 5);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, bits);
}

static int open_window()
{
    const Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI;
    window = SDL_CreateWindow(opening_title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, opening_w, opening_h, flags);
    if (!window) return PLAT_INIT_NO_FORMAT;
    context = SDL_GL_CreateContext(window);
    if (context) {
        pin_loaded_libraries();
        return PLAT_INIT_OK;
    }
    SDL_DestroyWindow(window);
    window = nullptr;
    return PLAT_INIT_NO_CONTEXT;
}

static int sdl_init(int width, int height, const char* title)
{
    pic_w = width;
    pic_h = height;
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "SDL could not start: %s\n", SDL_GetError());
        return PLAT_INIT_NO_WINDOW;
    }
    // The depth buffer's size is asked for in the shared order (24 bits, then 16).
    opening_title = title;
    opening_w = width;
    opening_h = height;
    int failure = PLAT_INIT_NO_WINDOW;
    if (!plat_open_gl_window({ask_depth, open_window}, &failure)) {
        std::fprintf(stderr, "SDL could not open the window with an OpenGL context: %s\n", SDL_GetError());
        // A plain window that opens says the display is there but has no such pixel format.
        SDL_Window* plain = SDL_CreateWindow(title, 0, 0, 16, 16, SDL_WINDOW_HIDDEN);
        const int code = !plain ? PLAT_INIT_NO_WINDOW : failure == PLAT_INIT_NO_CONTEXT ? PLAT_INIT_NO_CONTEXT : PLAT_INIT_NO_FORMAT;
        if (plain) SDL_DestroyWindow(plain);
        SDL_Quit();
        return code;
    }
    int depth_bits = 0;
    SDL_GL_GetAttribute(SDL_GL_DEPTH_SIZE, &depth_bits);
    std::fprintf(stderr, "OpenGL depth buffer: %d bits\n", depth_bits);
    SDL_GL_MakeCurrent(window, context);
    SDL_GL_SetSwapInterval(1);
    load(gl_clear, "glClear");
    load(gl_clear_color, "glClearColor");
    load(gl_viewport, "glViewport");
    load(gl_read_pixels, "glReadPixels");
    load(gl_get_integerv, "glGetIntegerv");
    learn_driver_limits();
    return PLAT_INIT_OK;
}

// Full screen is a borderless window over the whole desktop, which keeps its own mode. Asking
// the window manager for full screen instead does nothing where there is none (a bare X
// server), while SDL then reports the desktop's size: the picture was drawn for a surface the
// window did not have, and all but its lower-left 800 by 600 pixels were lost.
static int windowed_x = SDL_WINDOWPOS_CENTERED, windowed_y = SDL_WINDOWPOS_CENTERED;
static int windowed_w, windowed_h;

static void sdl_set_fullscreen(int on)
{
    if (!window || (on ? 1 : 0) == fullscreen) return;
    fullscreen = on ? 1 : 0;
    if (fullscreen) {
        SDL_GetWindowPosition(window, &windowed_x, &windowed_y);
        SDL_GetWindowSize(window, &windowed_w, &windowed_h);
        SDL_Rect desk;
        if (SDL_GetDisplayBounds(SDL_GetWindowDisplayIndex(window), &desk) != 0) {
            fullscreen = 0;
            return;
        }
        SDL_SetWindowBordered(window, SDL_FALSE);
        SDL_SetWindowPosition(window, desk.x, desk.y);
        SDL_SetWindowSize(window, desk.w, desk.h);
        SDL_RaiseWindow(window);
    } else {
        SDL_SetWindowBordered(window, SDL_TRUE);
        SDL_SetWindowSize(window, windowed_w > 0 ? windowed_w : pic_w, windowed_h > 0 ? windowed_h : pic_h);
        SDL_SetWindowPosition(window, windowed_x, windowed_y);
    }
}

static void sdl_resize(int w, int h)
{
    if (!window || w < 1 || h < 1) return;
    if (fullscreen) sdl_set_fullscreen(0);
    // A window larger than the display or the driver would only allocate what no one can see.
    SDL_Rect display;
    if (SDL_GetDisplayUsableBounds(SDL_GetWindowDisplayIndex(window), &display) == 0) {
        if (w > display.w) w = display.w;
        if (h > display.h) h = display.h;
    }
    if (w > gl_max_w) w = gl_max_w;
    if (h > gl_max_h) h = gl_max_h;
    SDL_SetWindowSize(window, w, h);
}

static int mouse_event(int type, int wx, int wy, plat_event* out)
{
    std::memset(out, 0, sizeof *out);
    out->type = type;
    plat_window_to_picture(window_view(), pic_w, pic_h, wx, wy, &out->x, &out->y);
    return 1;
}

// Answers 1 when the SDL event becomes one of ours.
static int translate(const SDL_Event& e, plat_event* out)
{
    switch (e.type) {
    case SDL_QUIT:
        std::memset(out, 0, sizeof *out);
        out->type = PLAT_EV_QUIT;
        return 1;
    case SDL_KEYDOWN: {
        if (e.key.keysym.scancode == SDL_SCANCODE_F11) {   // the window's own key
            if (!e.key.repeat) sdl_set_fullscreen(!fullscreen);
            return 0;
        }
        int c = plat_us_key(e.key.keysym.scancode, (e.key.keysym.mod & KMOD_SHIFT) != 0);
        if (!c) return 0;
        std::memset(out, 0, sizeof *out);
        out->type = PLAT_EV_KEY;
        out->key = c;
        return 1;
    }
    case SDL_MOUSEMOTION: return mouse_event(PLAT_EV_MOUSE_MOVE, e.motion.x, e.motion.y, out);
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        if (e.button.button != SDL_BUTTON_LEFT && e.button.button != SDL_BUTTON_RIGHT) return 0;
        return mouse_event(e.type == SDL_MOUSEBUTTONDOWN ? PLAT_EV_MOUSE_DOWN : PLAT_EV_MOUSE_UP,
                           e.button.x, e.button.y, out);
    default: return 0;
    }
}

// A scripted mouse event goes into SDL's queue at the window position of its picture pixel.
static int send_scripted_mouse(const plat_event& ev)
{
    int wx, wy;
    plat_picture_to_window(window_view(), pic_w, pic_h, ev.x, ev.y, &wx, &wy);
    SDL_Event e;
    std::memset(&e, 0, sizeof e);
    if (ev.type == PLAT_EV_MOUSE_MOVE) {
        e.type = SDL_MOUSEMOTION;
        e.motion.windowID = SDL_GetWindowID(window);
        e.motion.x = wx;
        e.motion.y = wy;
    } else {
        e.type = ev.type == PLAT_EV_MOUSE_DOWN ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
        e.button.windowID = SDL_GetWindowID(window);
        e.button.button = SDL_BUTTON_LEFT;
        e.button.state = ev.type == PLAT_EV_MOUSE_DOWN ? SDL_PRESSED : SDL_RELEASED;
        e.button.clicks = 1;
        e.button.x = wx;
        e.button.y = wy;
    }
    return SDL_PushEvent(&e) == 1;
}

static int sdl_pump(double now, plat_event* out)
{
    SDL_Event e;
    while (SDL_PollEvent(&e))
        if (translate(e, out)) return 1;
    if (!plat_headless_backend()->pump(now, out)) return 0;
    const int is_mouse = out->type == PLAT_EV_MOUSE_DOWN || out->type == PLAT_EV_MOUSE_UP || out->type == PLAT_EV_MOUSE_MOVE;
    if (!is_mouse || !window) return 1;
    if (!send_scripted_mouse(*out)) return 1;              // the queue is full: hand it over as it is
    while (SDL_PollEvent(&e))
        if (translate(e, out)) return 1;
    return 0;
}

static void sdl_present()
{
    if (!window) return;
    int x, y, w, h, dw, dh;
    sdl_viewport(&x, &y, &w, &h);
    shot_before_swap(reinterpret_cast<read_pixels_fn>(gl_read_pixels), x, y, w, h);
    SDL_GL_SwapWindow(window);
    // The bars beside the picture stay black whatever size the window takes.
    drawable_size(&dw, &dh);
    if (gl_viewport && gl_clear && gl_clear_color) {
        gl_viewport(0, 0, dw, dh);
        gl_clear_color(0, 0, 0, 1);
        gl_clear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        gl_viewport(x, y, w, h);
    }
}

static void sdl_show_alert(const char* const lines[4], int code)
{
    char text[2048] = "";
    for (int i = 0; i < 4; i++) {
        if (!lines[i] || !lines[i][0]) continue;
        if (text[0]) std::strncat(text, "\n\n", sizeof text - std::strlen(text) - 1);
        std::strncat(text, lines[i], sizeof text - std::strlen(text) - 1);
    }
    if (SDL_ShowSimpleMessageBox(code >= 83 ? SDL_MESSAGEBOX_ERROR : SDL_MESSAGEBOX_INFORMATION,
                                 "Orvessa Message", text, window) != 0)
        plat_headless_backend()->show_alert(lines, code);
}

static int sdl_request_shot(const char* path, int keep) { return shot_request(path, keep); }

static void sdl_finish()
{
    shot_finish();
    if (context) SDL_GL_DeleteContext(context);
    if (window) SDL_DestroyWindow(window);
    if (context || window) SDL_Quit();
    context = nullptr;
    window = nullptr;
    gl_clear = nullptr;
    gl_clear_color = nullptr;
    gl_viewport = nullptr;
    gl_read_pixels = nullptr;
}

static const plat_backend sdl_backend = {
    "window", 0, sdl_init, sdl_pump, sdl_present, sdl_show_alert, sdl_finish,
    1, sdl_gl_proc, sdl_viewport, sdl_set_fullscreen, sdl_resize, sdl_request_shot,
};

const plat_backend* plat_sdl_backend() { return &sdl_backend; }

}  // namespace orv
