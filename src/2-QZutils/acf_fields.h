// acf_fields.h -- a table of every field of planestruct in file order: name, byte offset
// in the record, element type and array shape. Built from the struct itself (offsetof and
// the declared array types), so it cannot drift from the layout. Used by the byte-order
// reversal of the record, the layout tests and the aircraft-description compiler, which
// sets any field by name and element index. The fields a designer sets also carry their
// stored unit, the range a design may hold and the decimals shown, so the design tool's
// windows describe a field only by its name.
#pragma once

#include <cstddef>

#include "2-QZutils/rec_plane.h"

namespace orv {

enum acf_type { ACF_INT = 0, ACF_FLOAT = 1, ACF_CHAR = 2 };

struct acf_field {
    const char* name;
    std::size_t offset;       // bytes from the start of the record (file offset - 5)
    acf_type    type;
    int         rank;         // numeric: number of array dimensions (0 for a scalar);
                              // text: dimensions before the text length (0 for one string)
    int         dims[3];      // extents of those dimensions (unused ones are 1)
    std::size_t count;        // elements: numbers, or strings for a text field
    std::size_t elem_size;    // 4 for a number, the text area length for a string
    std::size_t bytes;        // count * elem_size
    const char* unit;         // stored unit ("" for a count, a flag, a ratio or text); null for
                              // fields the loader or the panel layout computes or sets (file
                              // names, derived areas and tables, panel bounds, the fitted-
                              // control flags drawn from the element flags): nobody designs them
    float       lo, hi;       // range of a designed number (a flag: 0..1)
    int         dec;          // decimals shown
};

extern const acf_field acf_fields[];
extern const int acf_num_fields;

// The field with that exact name, or nullptr.
const acf_field* acf_find_field(const char* name);

// 1 when the field is one a designer sets (it carries a unit and a range).
inline int acf_is_designed(const acf_field* f) { return f && f->unit; }

// Address of element `index` (flat, row-major, 0..count-1) of the field in `p`; nullptr
// when the index is out of range.
void* acf_elem_ptr(planestruct& p, const acf_field* f, std::size_t index);
const void* acf_elem_ptr(const planestruct& p, const acf_field* f, std::size_t index);

// Flat index of [i][j][k] (as many as the field's rank), -1 when any is out of range.
long acf_flat_index(const acf_field* f, int i, int j = 0, int k = 0);

// Reverses the four bytes of every int and float element of the record; text is kept.
void rev_pln_bytes(planestruct& p);

}  // namespace orv
