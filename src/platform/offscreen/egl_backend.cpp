#include "platform/offscreen/egl_backend.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GL/gl.h>
#include <GL/glext.h>

#include <cstdio>

#include "platform/offscreen/driver_pin.h"
#include "platform/offscreen/shot_png.h"

namespace orv {

static EGLDisplay display = EGL_NO_DISPLAY;
static EGLContext context = EGL_NO_CONTEXT;
static GLuint framebuffer, color_buffer, depth_buffer;
static int pic_w = 800, pic_h = 600;

static PFNGLGENFRAMEBUFFERSPROC        gen_framebuffers;
static PFNGLBINDFRAMEBUFFERPROC        bind_framebuffer;
static PFNGLGENRENDERBUFFERSPROC       gen_renderbuffers;
static PFNGLBINDRENDERBUFFERPROC       bind_renderbuffer;
static PFNGLRENDERBUFFERSTORAGEPROC    renderbuffer_storage;
static PFNGLFRAMEBUFFERRENDERBUFFERPROC framebuffer_renderbuffer;
static PFNGLCHECKFRAMEBUFFERSTATUSPROC check_framebuffer_status;
static PFNGLDELETEFRAMEBUFFERSPROC     delete_framebuffers;
static PFNGLDELETERENDERBUFFERSPROC    delete_renderbuffers;
static void (*gl_finish)();
static void (*gl_read_pixels)(GLint, GLint, GLsizei, GLsizei, GLenum, GLenum, void*);

template <class F> static int load(F& fn, const char* name)
{
    fn = reinterpret_cast<F>(eglGetProcAddress(name));
    return fn != nullptr;
}

static void* egl_gl_proc(const char* name) { return reinterpret_cast<void*>(eglGetProcAddress(name)); }

static void egl_finish();

static int fail(const char* what, int code)
{
    std::fprintf(stderr, "offscreen: %s (EGL error 0x%x)\n", what, (unsigned)eglGetError());
    egl_finish();
    return code;
}

static int egl_init(int width, int height, const char*)
{
    pic_w = width;
    pic_h = height;
    auto get_platform_display = reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(eglGetProcAddress("eglGetPlatformDisplayEXT"));
    if (!get_platform_display) return fail("no EGL platform displays", PLAT_INIT_NO_WINDOW);
    display = get_platform_display(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
    if (display == EGL_NO_DISPLAY || !eglInitialize(display, nullptr, nullptr))
        return fail("the surfaceless platform is not available", PLAT_INIT_NO_WINDOW);
    if (!eglBindAPI(EGL_OPENGL_API)) return fail("desktop OpenGL is not available", PLAT_INIT_NO_CONTEXT);
    static const EGLint config_attribs[] = {EGL_SURFACE_TYPE, EGL_PBUFFER_BIT, EGL_RENDERABLE_TYPE, EGL_OPENGL_BIT, EGL_NONE};
    EGLConfig config;
    EGLint count = 0;
    if (!eglChooseConfig(display, config_attribs, &config, 1, &count) || count < 1)
        return fail("no OpenGL configuration", PLAT_INIT_NO_FORMAT);
    static const EGLint context_attribs[] = {
        EGL_CONTEXT_OPENGL_PROFILE_MASK, EGL_CONTEXT_OPENGL_COMPATIBILITY_PROFILE_BIT, EGL_NONE};
    context = eglCreateContext(display, config, EGL_NO_CONTEXT, context_attribs);
    if (context == EGL_NO_CONTEXT) return fail("no compatibility context", PLAT_INIT_NO_CONTEXT);
    if (!eglMakeCurrent(display, EGL_NO_SURFACE, EGL_NO_SURFACE, context))
        return fail("the context cannot be made current", PLAT_INIT_NO_CONTEXT);
    pin_loaded_libraries();

    int ok = load(gen_framebuffers, "glGenFramebuffers") & load(bind_framebuffer, "glBindFramebuffer") &
             load(gen_renderbuffers, "glGenRenderbuffers") & load(bind_renderbuffer, "glBindRenderbuffer") &
             load(renderbuffer_storage, "glRenderbufferStorage") &
             load(framebuffer_renderbuffer, "glFramebufferRenderbuffer") &
             load(check_framebuffer_status, "glCheckFramebufferStatus") &
             load(delete_framebuffers, "glDeleteFramebuffers") & load(delete_renderbuffers, "glDeleteRenderbuffers") &
             load(gl_finish, "glFinish") & load(gl_read_pixels, "glReadPixels");
    if (!ok) return fail("framebuffer objects are not available", PLAT_INIT_NO_CONTEXT);
    // Surfaceless means no default framebuffer: the picture is drawn into one of our own.
    gen_framebuffers(1, &framebuffer);
    bind_framebuffer(GL_FRAMEBUFFER, framebuffer);
    gen_renderbuffers(1, &color_buffer);
    bind_renderbuffer(GL_RENDERBUFFER, color_buffer);
    renderbuffer_storage(GL_RENDERBUFFER, GL_RGBA8, width, height);
    framebuffer_renderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, color_buffer);
    gen_renderbuffers(1, &depth_buffer);
    bind_renderbuffer(GL_RENDERBUFFER, depth_buffer);
    renderbuffer_storage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, width, height);
    framebuffer_renderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, depth_buffer);
    if (check_framebuffer_status(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE)
        return fail("the offscreen framebuffer is incomplete", PLAT_INIT_NO_FORMAT);
    return PLAT_INIT_OK;
}

static int egl_pump(double now, plat_event* out) { return plat_headless_backend()->pump(now, out); }

static void egl_viewport(int* x, int* y, int* w, int* h)
{
    *x = *y = 0;
    *w = pic_w;
    *h = pic_h;
}

static void egl_present()
{
    if (context == EGL_NO_CONTEXT) return;
    shot_before_swap(reinterpret_cast<read_pixels_fn>(gl_read_pixels), 0, 0, pic_w, pic_h);
    gl_finish();
}

static void egl_show_alert(const char* const lines[4], int code) { plat_headless_backend()->show_alert(lines, code); }

static int egl_request_shot(const char* path, int keep) { return shot_request(path, keep); }

static void egl_finish()
{
    shot_finish();
    if (context != EGL_NO_CONTEXT && delete_framebuffers) {
        delete_framebuffers(1, &framebuffer);
        delete_renderbuffers(1, &color_buffer);
        delete_renderbuffers(1, &depth_buffer);
    }
    framebuffer = color_buffer = depth_buffer = 0;
    if (display != EGL_NO_DISPLAY) {
        eglMakeCurrent(display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
        if (context != EGL_NO_CONTEXT) eglDestroyContext(display, context);
        eglTerminate(display);
    }
    context = EGL_NO_CONTEXT;
    display = EGL_NO_DISPLAY;
}

static const plat_backend offscreen_backend = {
    "offscreen", 0, egl_init, egl_pump, egl_present, egl_show_alert, egl_finish,
    0, egl_gl_proc, egl_viewport, nullptr, nullptr, egl_request_shot,
};

const plat_backend* plat_offscreen_backend() { return &offscreen_backend; }

}  // namespace orv
