// test_support.h -- helpers shared by the test programs.
#pragma once

#include <string>

#include <gtest/gtest.h>

// A test that needs the built data tree (stock aircraft, airfoils, converted navigation and
// scenery data). A build that makes the tree (ORV_BUILD_DATA, the default and CI's) fails the
// test when what it needs is missing, so a CI run without the tree cannot pass by skipping;
// only a build told not to make the tree skips it.
#define ORV_NEED_DATA(present, what)                                                 \
    do {                                                                             \
        if (!(present)) {                                                            \
            if (ORV_DATA_TREE_BUILT) FAIL() << (what) << ": the data tree is missing"; \
            GTEST_SKIP() << (what) << " (the build makes no data tree)";             \
        }                                                                            \
    } while (0)

namespace orv_test {

// A fresh empty folder under the system's temporary folder, removed at process exit.
std::string temp_dir(const std::string& tag);

// Writes `text` byte for byte (no line-end translation) and returns the path.
std::string write_file(const std::string& path, const std::string& text);

// Reads a whole file byte for byte ("" when it cannot be read).
std::string read_file(const std::string& path);

// A 24-bit bitmap file, rows bottom to top, each padded to four bytes; pixel(x, y) gives
// 0xRRGGBB. `bits` and `magic` go into the header as given (a damaged file); header_only
// leaves the pixels out.
std::string bmp_file(int w, int h, unsigned (*pixel)(int x, int y), int bits = 24, int magic = 19778,
                     bool header_only = false);

}  // namespace orv_test
