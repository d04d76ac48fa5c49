// acf_text.h -- the aircraft description language: a commented text file that sets the
// fields of the aircraft record by name, compiled into an ".acf" file. The language is
// described at the top of acf_text.cpp and in data/aircraft/README.md.
#pragma once

#include <string>
#include <vector>

#include "2-QZutils/rec_plane.h"

namespace orv {

// Compiles the description in the file `path` into `out` (cleared first). Messages, each
// "file:line: text", are appended to `errors`. Returns true when there were none.
bool acfc_compile_file(const std::string& path, planestruct& out, std::vector<std::string>& errors);

// Same for text held in memory; `name` is used in messages and as the folder that
// relative include paths start from.
bool acfc_compile_text(const std::string& text, const std::string& name, planestruct& out,
                       std::vector<std::string>& errors);

// The whole tool: compile `in_path` and, only when that succeeded, write `out_path`
// (little-endian unless `big_endian`). Messages go to `errors`. Returns the exit status.
int acfc_run(const std::string& in_path, const std::string& out_path, bool big_endian,
             std::vector<std::string>& errors);

}  // namespace orv
