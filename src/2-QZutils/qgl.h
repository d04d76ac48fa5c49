// qgl.h -- the OpenGL entry points the drawing layer uses, as a table of function pointers.
//
// The shared library and every test program link no GL: the table starts out with harmless
// entries that do nothing (a query answers zeros), so drawing without a context costs nothing
// and draws nothing. A back end that has made a context current fills the table from its
// loader with qgl_load; tests may put their own recording functions into single entries.
// The GL header is included for its types and constants only.
#pragma once

#include <GL/gl.h>

namespace orv {

struct qgl_table {
    void (*Enable)(GLenum cap);
    void (*Disable)(GLenum cap);
    void (*Begin)(GLenum mode);
    void (*End)();
    void (*Vertex2f)(GLfloat x, GLfloat y);
    void (*Vertex3f)(GLfloat x, GLfloat y, GLfloat z);
    void (*TexCoord2f)(GLfloat s, GLfloat t);
    void (*Normal3f)(GLfloat x, GLfloat y, GLfloat z);
    void (*Color3fv)(const GLfloat* v);
    void (*Color4f)(GLfloat r, GLfloat g, GLfloat b, GLfloat a);
    void (*BindTexture)(GLenum target, GLuint name);
    void (*TexImage2D)(GLenum target, GLint level, GLint internal_format, GLsizei width,
                       GLsizei height, GLint border, GLenum format, GLenum type, const void* pixels);
    void (*TexParameteri)(GLenum target, GLenum pname, GLint param);
    void (*GetIntegerv)(GLenum pname, GLint* out);
    const GLubyte* (*GetString)(GLenum name);
    void (*ReadPixels)(GLint x, GLint y, GLsizei w, GLsizei h, GLenum format, GLenum type, void* out);
    void (*PixelStorei)(GLenum pname, GLint param);
    void (*Viewport)(GLint x, GLint y, GLsizei w, GLsizei h);
    void (*Scissor)(GLint x, GLint y, GLsizei w, GLsizei h);
    void (*MatrixMode)(GLenum mode);
    void (*LoadIdentity)();
    void (*Ortho)(GLdouble l, GLdouble r, GLdouble b, GLdouble t, GLdouble n, GLdouble f);
    void (*LightModelfv)(GLenum pname, const GLfloat* params);
    void (*FrontFace)(GLenum mode);
    void (*CullFace)(GLenum mode);
    void (*ShadeModel)(GLenum mode);
    void (*AlphaFunc)(GLenum func, GLclampf ref);
    void (*BlendFunc)(GLenum sfactor, GLenum dfactor);
    void (*Fogi)(GLenum pname, GLint param);
    void (*Hint)(GLenum target, GLenum mode);
    void (*ClearColor)(GLclampf r, GLclampf g, GLclampf b, GLclampf a);
    void (*Clear)(GLbitfield mask);
    void (*Finish)();
    GLenum (*GetError)();
};

extern qgl_table qgl;

// Fills every entry from `get` (SDL_GL_GetProcAddress, eglGetProcAddress...). An entry the
// loader does not know keeps its do-nothing default. Answers the number of entries found.
int  qgl_load(void* (*get)(const char* name));
void qgl_reset();      // every entry back to its do-nothing default (the context is gone)
int  qgl_loaded();     // 1 after a qgl_load that found every entry, until qgl_reset

}  // namespace orv
