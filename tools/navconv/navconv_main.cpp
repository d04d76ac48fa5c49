// navconv -- builds the simulator's navigation files from the OurAirports CSV files.
//
//   navconv --in <folder with the CSV files> --out <"additional nav data" folder>
#include <cstdio>
#include <cstring>
#include <string>

#include "navconv_core.h"

int main(int argc, char** argv)
{
    std::string in, out;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--in")) in = argv[i + 1];
        else if (!std::strcmp(argv[i], "--out")) out = argv[i + 1];
    }
    if (in.empty() || out.empty()) {
        std::fprintf(stderr, "navconv: usage: navconv --in DIR --out DIR\n");
        return 1;
    }
    return orv::navconv_run(in, out);
}
