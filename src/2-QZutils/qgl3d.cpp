// The do-nothing 3-D table and its loader.
#include "2-QZutils/qgl3d.h"

#include <cstring>

namespace orv {

static const qgl3d_table quiet3d = {
    []() {},
    []() {},
    [](GLfloat, GLfloat, GLfloat) {},
    [](GLfloat, GLfloat, GLfloat, GLfloat) {},
    [](GLdouble, GLdouble, GLdouble, GLdouble, GLdouble, GLdouble) {},
    [](GLenum, GLenum, const GLfloat*) {},
    [](GLenum, GLfloat) {},
    [](GLenum, const GLfloat*) {},
    [](GLfloat) {},
    [](GLfloat) {},
    [](GLenum) {},
    [](GLfloat, GLfloat, GLfloat) {},
    [](GLenum, GLenum) {},
};

qgl3d_table qgl3d = quiet3d;

static const char* const names3d[] = {
    "glPushMatrix", "glPopMatrix", "glTranslatef", "glRotatef", "glFrustum", "glLightfv",
    "glFogf", "glFogfv", "glPointSize", "glLineWidth", "glDepthFunc", "glColor3f",
    "glPolygonMode",
};
constexpr int ENTRY3D_COUNT = sizeof names3d / sizeof names3d[0];
static_assert(sizeof(qgl3d_table) == ENTRY3D_COUNT * sizeof(void (*)()), "one name per table entry");

int qgl3d_load(void* (*get)(const char* name))
{
    qgl3d = quiet3d;
    int found = 0;
    unsigned char* slots = reinterpret_cast<unsigned char*>(&qgl3d);
    for (int i = 0; i < ENTRY3D_COUNT && get; i++) {
        void* fn = get(names3d[i]);
        if (!fn) continue;
        std::memcpy(slots + i * sizeof(void (*)()), &fn, sizeof fn);
        found++;
    }
    return found;
}

void qgl3d_reset() { qgl3d = quiet3d; }

}  // namespace orv
