// scenerygen -- the scenery source and generated environment files.
//
//   scenerygen compile --land land-10m.json --airports airports.csv --out earth.dat
//   scenerygen tile --source earth.dat --lat 33 --lon -118 --out +33-118.env [--obstacles towers.txt]
//   scenerygen build --source earth.dat --out DIR --lat-min 30 --lat-max 35 --lon-min -120 --lon-max -115
//
// "build" writes every quadrant of the box (south-west corners lat-min..lat-max and
// lon-min..lon-max) into DIR in the simulator's layout (DIR/+30-120/+33-118.env), with a
// progress line; quadrants already there are kept. Put DIR at "additional nav data" or the
// scenery cache to fly over them.
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>
#include <sys/stat.h>

#include "land_compile.h"
#include "2-QZutils/qz_funct.h"
#include "platform/plat_paths.h"
#include "world/scenery_gen.h"

namespace {

int usage()
{
    std::fputs("usage:\n"
               "  scenerygen compile --land FILE.json --airports airports.csv --out FILE\n"
               "  scenerygen tile --source FILE --lat N --lon E --out FILE.env [--obstacles FILE]\n"
               "  scenerygen build --source FILE --out DIR --lat-min N --lat-max N --lon-min E --lon-max E\n"
               "                   [--obstacles FILE]\n"
               "An obstacles file holds one surveyed obstacle a line: type (2 building, 3 radio tower,\n"
               "4 power-line tower, 5, 6, 8 custom object), latitude, longitude, height in feet (a\n"
               "custom object's heading) and a custom object's file name.\n",
               stderr);
    return 2;
}

const char* opt(int argc, char** argv, const char* name)
{
    for (int i = 2; i + 1 < argc; i++)
        if (!std::strcmp(argv[i], name)) return argv[i + 1];
    return nullptr;
}

int whole(const char* s, const char* name, int lo, int hi, int* out)
{
    if (!s) {
        std::fprintf(stderr, "scenerygen: %s is needed\n", name);
        return 0;
    }
    char* end;
    errno = 0;
    const long v = std::strtol(s, &end, 10);
    if (end == s || *end || errno || v < lo || v > hi) {
        std::fprintf(stderr, "scenerygen: %s needs a whole number %d..%d, not '%s'\n", name, lo, hi, s);
        return 0;
    }
    *out = (int)v;
    return 1;
}

int load_source(const char* path)
{
    if (!path) {
        std::fputs("scenerygen: --source is needed\n", stderr);
        return 0;
    }
    if (!orv::scenery_source_load(path)) {
        std::fprintf(stderr, "scenerygen: %s is not a scenery source (make one with 'compile')\n", path);
        return 0;
    }
    return 1;
}

int compile(int argc, char** argv)
{
    const char* land = opt(argc, argv, "--land");
    const char* apts = opt(argc, argv, "--airports");
    const char* out = opt(argc, argv, "--out");
    if (!land || !apts || !out) return usage();
    scenerygen::land_rings rings;
    std::string err = scenerygen::read_topojson_rings(land, &rings);
    if (!err.empty()) {
        std::fprintf(stderr, "scenerygen: %s\n", err.c_str());
        return 1;
    }
    std::vector<float> fields;
    int skipped = 0;
    err = scenerygen::read_airport_elevations(apts, &fields, &skipped);
    if (!err.empty()) {
        std::fprintf(stderr, "scenerygen: %s\n", err.c_str());
        return 1;
    }
    const int n_rings = (int)rings.ring_start.size() - 1;
    if (!orv::scenery_source_write(out, rings.lonlat.data(), rings.ring_start.data(), n_rings,
                                   fields.data(), (int)(fields.size() / 3))) {
        std::fprintf(stderr, "scenerygen: cannot write %s\n", out);
        return 1;
    }
    std::printf("scenerygen: %d rings, %zu points, %zu airports (%d without an elevation) -> %s\n",
                n_rings, rings.lonlat.size() / 2, fields.size() / 3, skipped, out);
    return 0;
}

// The obstacles of --obstacles, when given; false when the file cannot be read.
bool load_obstacles(int argc, char** argv, std::vector<orv::env_object>* out)
{
    const char* path = opt(argc, argv, "--obstacles");
    if (!path) return true;
    std::string problems;
    const std::string err = scenerygen::read_obstacles(path, out, &problems);
    if (!err.empty()) {
        std::fprintf(stderr, "scenerygen: %s\n", err.c_str());
        return false;
    }
    if (!problems.empty()) std::fprintf(stderr, "scenerygen: %s: lines passed over:\n%s", path, problems.c_str());
    return true;
}

int tile(int argc, char** argv)
{
    int lat, lon;
    const char* out = opt(argc, argv, "--out");
    if (!out || !whole(opt(argc, argv, "--lat"), "--lat", -90, 89, &lat) ||
        !whole(opt(argc, argv, "--lon"), "--lon", -180, 179, &lon))
        return usage();
    std::vector<orv::env_object> obstacles;
    if (!load_obstacles(argc, argv, &obstacles) || !load_source(opt(argc, argv, "--source"))) return 1;
    if (!orv::generate_env_file(lat, lon, out, obstacles.data(), (int)obstacles.size())) {
        std::fprintf(stderr, "scenerygen: cannot write %s\n", out);
        return 1;
    }
    return 0;
}

int build(int argc, char** argv)
{
    int la0, la1, lo0, lo1;
    const char* dir = opt(argc, argv, "--out");
    if (!dir || !whole(opt(argc, argv, "--lat-min"), "--lat-min", -90, 89, &la0) ||
        !whole(opt(argc, argv, "--lat-max"), "--lat-max", -90, 89, &la1) ||
        !whole(opt(argc, argv, "--lon-min"), "--lon-min", -180, 179, &lo0) ||
        !whole(opt(argc, argv, "--lon-max"), "--lon-max", -180, 179, &lo1))
        return usage();
    if (la1 < la0 || lo1 < lo0) {
        std::fputs("scenerygen: the box's minimum must not exceed its maximum\n", stderr);
        return 2;
    }
    std::vector<orv::env_object> obstacles;
    if (!load_obstacles(argc, argv, &obstacles) || !load_source(opt(argc, argv, "--source"))) return 1;
    const long total = (long)(la1 - la0 + 1) * (lo1 - lo0 + 1);
    long done = 0, made = 0;
    const auto t0 = std::chrono::steady_clock::now();
    for (int lat = la0; lat <= la1; lat++) {
        for (int lon = lo0; lon <= lo1; lon++) {
            char name[64];
            orv::return_latlon_str_ENV(lat, lon, name, 1);
            char* sep = std::strchr(name, '\\');
            *sep = 0;
            const std::string folder = std::string(dir) + "/" + name;
            const std::string path = folder + "/" + (sep + 1);
            struct stat st;
            if (stat(path.c_str(), &st) != 0) {
                if (!orv::plat_make_dirs(folder.c_str()) || !orv::generate_env_file(lat, lon, path.c_str(), obstacles.data(), (int)obstacles.size())) {
                    std::fprintf(stderr, "\nscenerygen: cannot write %s\n", path.c_str());
                    return 1;
                }
                made++;
            }
            done++;
            const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
            std::fprintf(stderr, "\rscenerygen: %ld/%ld quadrants (%s), %.1f s", done, total, sep + 1, s);
        }
    }
    std::fprintf(stderr, "\nscenerygen: %ld quadrants written, %ld already there\n", made, total - made);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) return usage();
    if (!std::strcmp(argv[1], "compile")) return compile(argc, argv);
    if (!std::strcmp(argv[1], "tile")) return tile(argc, argv);
    if (!std::strcmp(argv[1], "build")) return build(argc, argv);
    return usage();
}
