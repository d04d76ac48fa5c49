// Fuzz target: the airfoil reader, through the file layer, on arbitrary file contents.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "2-QZutils/qz_file.h"
#include "aircraft/afl_io.h"
#include "aircraft/initpln.h"

namespace {

std::string folder;

void setup()
{
    char tmpl[] = "/tmp/orv_fuzz_afl_XXXXXX";
    const char* d = mkdtemp(tmpl);
    if (!d) std::abort();
    folder = d;
    std::string sub = folder + "/airfoils";
    if (std::system(("mkdir -p '" + sub + "'").c_str()) != 0) std::abort();
    // The loader builds its paths from the program folder, with the system's separator.
    std::snprintf(orv::app_path, sizeof orv::app_path, "%s\\", folder.c_str());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (folder.empty()) setup();
    std::string file = folder + "/airfoils/fuzz.afl";
    std::FILE* f = std::fopen(file.c_str(), "wb");
    if (!f) std::abort();
    if (size) std::fwrite(data, 1, size, f);
    std::fclose(f);
    float alpha = 0;
    // Every slot of the tables is written somewhere: vary part, root/tip and Reynolds slot.
    int en = size ? data[0] % 28 : 4;
    int rt = size > 1 ? data[1] & 1 : 0;
    int re = size > 2 ? data[2] & 1 : 0;
    orv::grabafoil("fuzz.afl", en, rt, re, &alpha);
    return 0;
}
