// The do-nothing OpenGL table and its loader.
#include "2-QZutils/qgl.h"

#include "2-QZutils/qgl3d.h"

#include <cstring>

namespace orv {

static const qgl_table quiet = {
    [](GLenum) {},
    [](GLenum) {},
    [](GLenum) {},
    []() {},
    [](GLfloat, GLfloat) {},
    [](GLfloat, GLfloat, GLfloat) {},
    [](GLfloat, GLfloat) {},
    [](GLfloat, GLfloat, GLfloat) {},
    [](const GLfloat*) {},
    [](GLfloat, GLfloat, GLfloat, GLfloat) {},
    [](GLenum, GLuint) {},
    [](GLenum, GLint, GLint, GLsizei, GLsizei, GLint, GLenum, GLenum, const void*) {},
    [](GLenum, GLenum, GLint) {},
    [](GLenum, GLint* out) { if (out) *out = 0; },
    [](GLenum) -> const GLubyte* { return reinterpret_cast<const GLubyte*>(""); },
    [](GLint, GLint, GLsizei, GLsizei, GLenum, GLenum, void*) {},
    [](GLenum, GLint) {},
    [](GLint, GLint, GLsizei, GLsizei) {},
    [](GLint, GLint, GLsizei, GLsizei) {},
    [](GLenum) {},
    []() {},
    [](GLdouble, GLdouble, GLdouble, GLdouble, GLdouble, GLdouble) {},
    [](GLenum, const GLfloat*) {},
    [](GLenum) {},
    [](GLenum) {},
    [](GLenum) {},
    [](GLenum, GLclampf) {},
    [](GLenum, GLenum) {},
    [](GLenum, GLint) {},
    [](GLenum, GLenum) {},
    [](GLclampf, GLclampf, GLclampf, GLclampf) {},
    [](GLbitfield) {},
    []() {},
    []() -> GLenum { return 0; },
};

qgl_table qgl = quiet;
static int loaded;

// Entry names in the order of the table's members.
static const char* const names[] = {
    "glEnable", "glDisable", "glBegin", "glEnd", "glVertex2f", "glVertex3f", "glTexCoord2f",
    "glNormal3f", "glColor3fv", "glColor4f", "glBindTexture", "glTexImage2D", "glTexParameteri",
    "glGetIntegerv", "glGetString", "glReadPixels", "glPixelStorei", "glViewport", "glScissor",
    "glMatrixMode", "glLoadIdentity", "glOrtho", "glLightModelfv", "glFrontFace", "glCullFace",
    "glShadeModel", "glAlphaFunc", "glBlendFunc", "glFogi", "glHint", "glClearColor", "glClear",
    "glFinish", "glGetError",
};
constexpr int ENTRY_COUNT = sizeof names / sizeof names[0];
static_assert(sizeof(qgl_table) == ENTRY_COUNT * sizeof(void (*)()), "one name per table entry");

int qgl_load(void* (*get)(const char* name))
{
    qgl = quiet;
    int found = 0;
    unsigned char* slots = reinterpret_cast<unsigned char*>(&qgl);
    for (int i = 0; i < ENTRY_COUNT && get; i++) {
        void* fn = get(names[i]);
        if (!fn) continue;
        std::memcpy(slots + i * sizeof(void (*)()), &fn, sizeof fn);
        found++;
    }
    loaded = (found == ENTRY_COUNT);
    qgl3d_load(get);   // the scene's entries come from the same context
    return found;
}

void qgl_reset()
{
    qgl = quiet;
    qgl3d_reset();
    loaded = 0;
}

int qgl_loaded() { return loaded; }

}  // namespace orv
