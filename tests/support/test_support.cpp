#include "support/test_support.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include <unistd.h>

namespace fs = std::filesystem;

namespace orv_test {

static std::vector<std::string>& made_dirs()
{
    static std::vector<std::string> dirs;
    return dirs;
}

static void remove_made_dirs()
{
    std::error_code ec;
    for (auto& d : made_dirs()) fs::remove_all(d, ec);
}

std::string temp_dir(const std::string& tag)
{
    static int serial = 0;
    if (made_dirs().empty()) std::atexit(remove_made_dirs);
    fs::path p = fs::temp_directory_path() /
                 ("orv_" + tag + "_" + std::to_string(getpid()) + "_" + std::to_string(serial++));
    fs::remove_all(p);
    fs::create_directories(p);
    made_dirs().push_back(p.string());
    return p.string();
}

std::string write_file(const std::string& path, const std::string& text)
{
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(text.data(), (std::streamsize)text.size());
    return path;
}

std::string read_file(const std::string& path)
{
    std::ifstream f(path, std::ios::binary);
    if (!f) return "";
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

}  // namespace orv_test
