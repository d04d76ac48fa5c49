// gl_record.h -- a checking recording GL for the drawing tests: it takes the place of the
// primitive entries of the qgl table, counts the vertices sent per primitive mode and counts
// as faults a vertex sent with no primitive open, a Begin inside an open primitive, an End
// with none open and a primitive still open when the recording stops. A test may chain its
// own Begin and Vertex3f recorders behind the checks.
#pragma once

#include "2-QZutils/qgl.h"

namespace orv_test {

struct gl_record {
    int faults;
    int open;                           // 1 while a primitive is open
    GLenum mode;                        // of the primitive open or last opened
    int vertices[GL_POLYGON + 1];       // per primitive mode
    void (*on_begin)(GLenum mode);
    void (*on_vertex3)(GLfloat x, GLfloat y, GLfloat z);
};

extern gl_record glrec;

// Saves the table, clears the counts and puts the checking entries in (the chained
// recorders may be null). gl_record_stop restores the table and answers the faults.
void gl_record_start(void (*on_begin)(GLenum) = nullptr,
                     void (*on_vertex3)(GLfloat, GLfloat, GLfloat) = nullptr);
int  gl_record_stop();

}  // namespace orv_test
