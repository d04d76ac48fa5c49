// acf_io.h -- reading and writing the image of the aircraft record: the ".acf" file.
#pragma once

#include "2-QZutils/rec_plane.h"

namespace orv {

enum { ACF_READ_NOT_ACF = 0, ACF_READ_OK = 1, ACF_READ_SHORT = 2 };

// Reads the file at `path` (system path, "\" separators allowed) into `out`.
// ACF_READ_NOT_ACF: the file cannot be opened or does not start with an aircraft mark
// (no message; the caller asks for another file). ACF_READ_SHORT: the file ends inside the
// record; an alert says so and `out` is left untouched. ACF_READ_OK: `out` holds the record
// in this machine's byte order (a wrong version is reported and read all the same).
int read_acf(const char* path, planestruct& out);

// The same for an aircraft file image of `size` bytes held in memory; `name` stands for the
// file in messages.
int read_acf_image(const unsigned char* data, long size, const char* name, planestruct& out);

// Saves `p` as a version-46 aircraft file at `path` (file-layer or native form) in this
// machine's byte order, through the file layer: the old file is replaced only once the new
// one is complete, and a failure shows the save alert. Answers 1 on success.
int save_acf(const char* path, const planestruct& p);

// Writes `p` as an aircraft file, numbers in big-endian order when `big_endian` is set
// (mark 'a'), else little-endian (mark 'i'). Answers 1 on success. For tools and tests.
int write_acf(const char* path, const planestruct& p, int big_endian);

}  // namespace orv
