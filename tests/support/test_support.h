// test_support.h -- helpers shared by the test programs.
#pragma once

#include <string>

namespace orv_test {

// A fresh empty folder under the system's temporary folder, removed at process exit.
std::string temp_dir(const std::string& tag);

// Writes `text` byte for byte (no line-end translation) and returns the path.
std::string write_file(const std::string& path, const std::string& text);

// Reads a whole file byte for byte ("" when it cannot be read).
std::string read_file(const std::string& path);

}  // namespace orv_test
