// Helpers shared by the file-layer tests.
#pragma once

#include <cstring>

#include "2-QZutils/qz_file.h"

namespace qzfile_test {

// Keeps the program's folder and the picker's folder as they were.
struct PathGuard {
    char app[orv::PATH_LEN], wrk[orv::PATH_LEN];
    PathGuard()
    {
        std::memcpy(app, orv::app_path, orv::PATH_LEN);
        std::memcpy(wrk, orv::wrk_path, orv::PATH_LEN);
    }
    ~PathGuard()
    {
        std::memcpy(orv::app_path, app, orv::PATH_LEN);
        std::memcpy(orv::wrk_path, wrk, orv::PATH_LEN);
    }
};

}  // namespace qzfile_test
