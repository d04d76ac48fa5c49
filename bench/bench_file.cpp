// Scanning speed of the file layer on a navigation-sized text file (about 5 MB, 90,000 lines),
// read the way the navigation reader reads its files.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include <unistd.h>

#include "2-QZutils/qz_file.h"

using namespace orv;

namespace {

const std::string& nav_like_file()
{
    static std::string path;
    if (!path.empty()) return path;
    path = "/tmp/orv_bench_file_" + std::to_string(getpid()) + ".txt";
    FILE* f = std::fopen(path.c_str(), "wb");
    std::fputs("I\n354 version\n", f);
    long bytes = 0;
    unsigned seed = 12345;
    auto next = [&seed]() {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 8) & 0xffff;
    };
    for (int i = 0; bytes < 5 * 1024 * 1024; i++) {
        int n = std::fprintf(f, "%d %.6f %.6f %d %d %d NV%04d SOME NAVAID NAME %d\n", 2 + (int)(next() % 3),
                             -90.0 + next() * (180.0 / 65536), -180.0 + next() * (360.0 / 65536),
                             (int)(next() % 12000), 10800 + (int)(next() % 1000), (int)(next() % 200),
                             i % 10000, i);
        bytes += n;
    }
    std::fputs("99\n", f);
    std::fclose(f);
    std::atexit([] { std::remove(path.c_str()); });
    return path;
}

void BM_ScanNavFile(benchmark::State& state)
{
    const std::string& path = nav_like_file();
    long lines = 0;
    for (auto _ : state) {
        if (!inf_open(path.c_str(), FILE_ANY, 354, 0)) {
            state.SkipWithError("open failed");
            return;
        }
        char id[8];
        lines = 0;
        for (;;) {
            int type = intscanNOSN("type");
            if (type == 99 || !inf_good()) break;
            float lat = fltscanNOSN("lat");
            float lon = fltscanNOSN("lon");
            int elev = intscanNOSN("elev");
            int freq = intscanNOSN("freq");
            int range = intscanNOSN("range");
            wrdscan(id, "id", 8);
            rln("name");
            benchmark::DoNotOptimize(lat + lon + (float)(elev + freq + range) + id[0]);
            lines++;
        }
        inf_close();
    }
    state.counters["lines"] = (double)lines;
    state.SetBytesProcessed(state.iterations() * 5 * 1024 * 1024);
}
BENCHMARK(BM_ScanNavFile)->Unit(benchmark::kMillisecond);

// The same file read line by line as text only.
void BM_StrscanNavFile(benchmark::State& state)
{
    const std::string& path = nav_like_file();
    for (auto _ : state) {
        inf_open(path.c_str(), FILE_ANY, 354, 0);
        char line[128];
        while (!inf_eof()) strscan(line, "line", sizeof line);
        inf_close();
        benchmark::DoNotOptimize(line[0]);
    }
}
BENCHMARK(BM_StrscanNavFile)->Unit(benchmark::kMillisecond);

}  // namespace
