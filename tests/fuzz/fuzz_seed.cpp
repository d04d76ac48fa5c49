// Writes the seed corpora of the fuzz targets that have no shipped files to start from, so
// the fuzzer begins with inputs that get past each file's head:
//
//   fuzz_seed acf DIR      small aircraft images in both byte orders
//   fuzz_seed navdata DIR  DIR/apt_dat, DIR/nav_dat, DIR/fix_dat seeds (a few records each)
//   fuzz_seed prefs DIR    a preferences file with its situation lines
//   fuzz_seed wxr DIR      real-weather files
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "2-QZutils/qz_file.h"
#include "2-QZutils/records.h"
#include "aircraft/acf_io.h"
#include "app/app_prefs.h"
#include "world/nav_db.h"

namespace {

bool write_text(const std::string& path, const std::string& text)
{
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f << text;
    return static_cast<bool>(f);
}

bool seed_acf(const std::string& dir)
{
    auto p = std::make_unique<orv::planestruct>();
    std::memset(p.get(), 0, sizeof *p);
    p->asi_units = 1;
    return orv::write_acf((dir + "/zero_le.acf").c_str(), *p, 0) &&
           orv::write_acf((dir + "/zero_be.acf").c_str(), *p, 1);
}

bool seed_navdata(const std::string& dir)
{
    const float lat[3] = {37.61f, 37.62f, 0}, lon[3] = {-122.37f, -122.38f, 0};
    const int num[3] = {28, 1, 0}, hdg[3] = {284, 14, 0}, len[3] = {11870, 7650, 0}, wid[3] = {200, 150, 0};
    const int lite[3] = {2353535, 2232323, 0};
    const char lr[3] = {'R', 'L', 'x'};
    bool ok = true;
    std::string apt = dir + "/apt", nav = dir + "/nav", fix = dir + "/fix";
    for (const std::string& d : {apt, nav, fix}) std::filesystem::create_directories(d);
    ok = ok && orv::ouf_open((apt + "/apt_dat").c_str(), orv::FILE_ANY, 354);
    orv::ouf << "2 airports\n1 ";
    orv::dump_apt_line(lat, lon, num, lr, hdg, len, wid, lite, 13, 1, "KSFO", "San Francisco Intl");
    orv::ouf << "1 ";
    orv::dump_apt_line(lat, lon, num, lr, hdg, len, wid, lite, 9, 0, "KOAK", "Oakland-Intl");
    orv::ouf << "99\n";
    ok = ok && orv::ouf_close();
    ok = ok && orv::ouf_open((nav + "/nav_dat").c_str(), orv::FILE_ANY, 354);
    orv::ouf << "4 navaids\n3 ";
    orv::dump_nav_line(3, 37.62f, -122.37f, 13, 11580, 0, "SFO", "San Francisco VOR");
    orv::ouf << "2 ";
    orv::dump_nav_line(2, 37.7f, -122.2f, 0, 362, 0, "OA", "Oakland NDB");
    orv::ouf << "4 ";
    orv::dump_nav_line(4, 37.6f, -122.3f, 13, 11090, 298, "ISFB", "KSFO 28R ILS");
    orv::ouf << "7 ";
    orv::dump_nav_line(7, 37.5f, -122.2f, 13, 7500, 360, "ISFB", "KSFO 28R OM");
    orv::ouf << "99\n";
    ok = ok && orv::ouf_close();
    ok = ok && write_text(fix + "/fix_dat", "I\n354 version\n2 fixes\n 37.500000 -122.100000 ARCHI\n 38.000000 -121.500000 BRIXX\n99\n");
    return ok;
}

bool seed_prefs(const std::string& dir)
{
    orv::set_constants();
    std::strcpy(orv::pln.C_file, "Trainer.acf");
    std::strcpy(orv::pln.C_path, "\\data\\Aircraft\\Trainer\\Trainer.acf");
    orv::msc.prd = 0.05f;
    if (!orv::ouf_open((dir + "/prefs.prf").c_str(), orv::FILE_ANY, orv::PREFS_VERSION)) return false;
    orv::dump_prefs();
    orv::dump_situation_lines();
    return orv::ouf_close() != 0;
}

bool seed_wxr(const std::string& dir)
{
    return write_text(dir + "/one.rwx", "KONT 1200 CLR 10 21/10/2710/995\n") &&
           write_text(dir + "/three.rwx", "KFAR 1200 CLR 10 20/10/3010/992\n"
                                          "KONT 1200 250 BKN 7 TRW+F 22/11/2510G25/998\r\n"
                                          "KSBD 1830 M20 OVC 40 OVC 3 R- 18/16/0000/1012\n");
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: fuzz_seed acf|navdata|prefs|wxr DIR\n");
        return 2;
    }
    const std::string kind = argv[1], dir = argv[2];
    std::filesystem::create_directories(dir);
    bool ok = false;
    if (kind == "acf") ok = seed_acf(dir);
    else if (kind == "navdata") ok = seed_navdata(dir);
    else if (kind == "prefs") ok = seed_prefs(dir);
    else if (kind == "wxr") ok = seed_wxr(dir);
    else std::fprintf(stderr, "fuzz_seed: unknown corpus '%s'\n", kind.c_str());
    return ok ? 0 : 1;
}
