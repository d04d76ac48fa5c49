// Writes the seed corpus of the aircraft-file target: small valid images in both byte
// orders, so the fuzzer starts from files that get past the mark and the version.
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "aircraft/acf_io.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seed DIR\n");
        return 2;
    }
    std::string dir = argv[1];
    auto p = std::make_unique<orv::planestruct>();
    std::memset(p.get(), 0, sizeof *p);
    int ok = orv::write_acf((dir + "/zero_le.acf").c_str(), *p, 0) &&
             orv::write_acf((dir + "/zero_be.acf").c_str(), *p, 1);
    return ok ? 0 : 1;
}
