// afoilgen -- writes the shipped airfoil and flap files from section descriptions.
//
//   afoilgen --airfoils DIR --flaps DIR FILE...
//
// A section description "X.sec" gives "X.afl" (its lower Reynolds number, the one near
// the stall of the aircraft that use it) and "X high Re.afl" (its higher one); a flap
// description "X.fsec" gives "X.flp". Any error stops the run with a message and a
// non-zero exit, so a bad description breaks the build rather than shipping a bad table.
#include "afoilgen_core.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

namespace orv {

static std::string stem_of(const std::string& path, const char* ext)
{
    size_t slash = path.find_last_of('/');
    std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
    size_t n = std::strlen(ext);
    if (base.size() > n && base.compare(base.size() - n, n, ext) == 0) return base.substr(0, base.size() - n);
    return "";
}

static int afoilgen_main(int argc, char** argv)
{
    std::string afl_dir = ".", flp_dir = ".";
    int files = 0;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if ((arg == "--airfoils" || arg == "--flaps") && i + 1 < argc) {
            std::string& dir = arg == "--airfoils" ? afl_dir : flp_dir;
            dir = argv[++i];
            // A fresh data tree lacks the folder; one that cannot be made fails at the write.
            std::error_code made;
            std::filesystem::create_directories(dir, made);
            continue;
        }
        std::string err;
        std::string stem = stem_of(arg, ".sec");
        if (!stem.empty()) {
            afg_section sec;
            std::string note = "generated from " + stem + ".sec; negative angles first: angle cl cd from -90 degrees, then angle cd";
            if (!afg_read_section(arg, sec, err) ||
                !afg_write_afl(afl_dir + "/" + stem + ".afl", sec, 0, note, err) ||
                !afg_write_afl(afl_dir + "/" + stem + " high Re.afl", sec, 1, note, err)) {
                std::fprintf(stderr, "afoilgen: %s\n", err.c_str());
                return 1;
            }
            ++files;
            continue;
        }
        stem = stem_of(arg, ".fsec");
        if (!stem.empty()) {
            afg_flap flp;
            if (!afg_read_flap(arg, flp, err) ||
                !afg_write_flp(flp_dir + "/" + stem + ".flp", flp, "", err)) {
                std::fprintf(stderr, "afoilgen: %s\n", err.c_str());
                return 1;
            }
            ++files;
            continue;
        }
        std::fprintf(stderr, "afoilgen: '%s' is neither a .sec nor a .fsec file\n", arg.c_str());
        std::fprintf(stderr, "usage: afoilgen --airfoils DIR --flaps DIR FILE.sec|FILE.fsec...\n");
        return 2;
    }
    if (files == 0) {
        std::fprintf(stderr, "usage: afoilgen --airfoils DIR --flaps DIR FILE.sec|FILE.fsec...\n");
        return 2;
    }
    return 0;
}

}  // namespace orv

int main(int argc, char** argv) { return orv::afoilgen_main(argc, argv); }
