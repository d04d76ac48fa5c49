// qgl3d.h -- the OpenGL entry points of the 3-D scene (matrices, projection, light, fog,
// point and line sizes), a second table beside qgl with the same rules: do-nothing entries
// until a back end loads it (qgl_load fills both tables), so area libraries and tests link
// no GL and may put their own recording functions into single entries.
#pragma once

#include <GL/gl.h>

namespace orv {

struct qgl3d_table {
    void (*PushMatrix)();
    void (*PopMatrix)();
    void (*Translatef)(GLfloat x, GLfloat y, GLfloat z);
    void (*Rotatef)(GLfloat angle, GLfloat x, GLfloat y, GLfloat z);
    void (*Frustum)(GLdouble l, GLdouble r, GLdouble b, GLdouble t, GLdouble n, GLdouble f);
    void (*Lightfv)(GLenum light, GLenum pname, const GLfloat* params);
    void (*Fogf)(GLenum pname, GLfloat param);
    void (*Fogfv)(GLenum pname, const GLfloat* params);
    void (*PointSize)(GLfloat size);
    void (*LineWidth)(GLfloat width);
    void (*DepthFunc)(GLenum func);
    void (*Color3f)(GLfloat r, GLfloat g, GLfloat b);
    void (*PolygonMode)(GLenum face, GLenum mode);
};

extern qgl3d_table qgl3d;

int  qgl3d_load(void* (*get)(const char* name));   // answers the entries found
void qgl3d_reset();

}  // namespace orv
