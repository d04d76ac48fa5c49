#include "support/gl_record.h"

#include <cstring>

namespace orv_test {

gl_record glrec;
static orv::qgl_table saved_table;

static void rec_begin(GLenum mode)
{
    if (glrec.open) glrec.faults++;
    glrec.open = 1;
    glrec.mode = mode <= GL_POLYGON ? mode : GL_POLYGON;
    if (glrec.on_begin) glrec.on_begin(mode);
}

static void rec_end()
{
    if (!glrec.open) glrec.faults++;
    glrec.open = 0;
}

static void count_vertex()
{
    if (!glrec.open) glrec.faults++;
    else glrec.vertices[glrec.mode]++;
}

static void rec_vertex2(GLfloat, GLfloat) { count_vertex(); }

static void rec_vertex3(GLfloat x, GLfloat y, GLfloat z)
{
    count_vertex();
    if (glrec.on_vertex3) glrec.on_vertex3(x, y, z);
}

void gl_record_start(void (*on_begin)(GLenum), void (*on_vertex3)(GLfloat, GLfloat, GLfloat))
{
    saved_table = orv::qgl;
    std::memset(&glrec, 0, sizeof glrec);
    glrec.on_begin = on_begin;
    glrec.on_vertex3 = on_vertex3;
    orv::qgl.Begin = rec_begin;
    orv::qgl.End = rec_end;
    orv::qgl.Vertex2f = rec_vertex2;
    orv::qgl.Vertex3f = rec_vertex3;
}

int gl_record_stop()
{
    orv::qgl = saved_table;
    if (glrec.open) glrec.faults++;
    glrec.open = 0;
    return glrec.faults;
}

}  // namespace orv_test
