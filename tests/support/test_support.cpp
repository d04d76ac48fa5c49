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

std::string bmp_file(int w, int h, unsigned (*pixel)(int x, int y), int bits, int magic, bool header_only)
{
    const int stride = (w * 3 + 3) & ~3;
    std::string s(54, '\0');
    auto put = [&](int at, unsigned v, int n) { for (int k = 0; k < n; k++) s[at + k] = (char)((v >> (8 * k)) & 255); };
    put(0, magic, 2);
    put(2, 54 + stride * h, 4);
    put(10, 54, 4);
    put(14, 40, 4);
    put(18, w, 4);
    put(22, h, 4);
    put(26, 1, 2);
    put(28, bits, 2);
    if (header_only) return s;
    for (int y = 0; y < h; y++) {
        std::string row(stride, '\0');
        for (int x = 0; x < w; x++) {
            const unsigned rgb = pixel(x, y);
            row[3 * x] = (char)(rgb & 255);            // stored blue, green, red
            row[3 * x + 1] = (char)((rgb >> 8) & 255);
            row[3 * x + 2] = (char)((rgb >> 16) & 255);
        }
        s += row;
    }
    return s;
}

}  // namespace orv_test
