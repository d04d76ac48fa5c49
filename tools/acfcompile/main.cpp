// acfcompile -- compiles an aircraft description (text) into an ".acf" aircraft file.
//
//   acfcompile [--big-endian] description.txt aircraft.acf
//
// The description language is explained at the top of acf_text.cpp and in
// data/aircraft/README.md. On any error nothing is written and the exit status is 1.

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "acf_text.h"

int main(int argc, char** argv) {
    bool big = false;
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--big-endian") == 0) big = true;
        else args.emplace_back(argv[i]);
    }
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: acfcompile [--big-endian] description.txt aircraft.acf\n");
        return 2;
    }
    std::vector<std::string> errors;
    int rc = orv::acfc_run(args[0], args[1], big, errors);
    for (const std::string& e : errors) std::fprintf(stderr, "%s\n", e.c_str());
    if (rc != 0) std::fprintf(stderr, "acfcompile: %s not written\n", args[1].c_str());
    return rc;
}
