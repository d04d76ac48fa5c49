// Fuzz target: the bitmap loader on arbitrary file contents, into a texture of each texel mode
// and into the screen image at an edge, where clipping matters.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "2-QZutils/qz_bitmap.h"
#include "2-QZutils/qz_file.h"
#include "2-QZutils/records.h"

namespace {

std::string folder;

void setup()
{
    char tmpl[] = "/tmp/orv_fuzz_bmp_XXXXXX";
    const char* d = mkdtemp(tmpl);
    if (!d) std::abort();
    folder = d;
    if (std::system(("mkdir -p '" + folder + "/textures' '" + folder + "/bitmaps/Vantorel'").c_str()) != 0) std::abort();
    orv::set_app_path(folder.c_str());
    std::freopen("/dev/null", "w", stderr);      // the alerts of damaged files
}

void put(const std::string& path, const std::uint8_t* data, std::size_t size)
{
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) std::abort();
    if (size) std::fwrite(data, 1, size, f);
    std::fclose(f);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (folder.empty()) setup();
    put(folder + "/textures/fuzz.BMP", data, size);
    put(folder + "/bitmaps/Vantorel/fuzz.BMP", data, size);
    orv::ogl_res = 1 + (size % 5);
    orv::OGL_texbmp(orv::BMP_TEXTURE, 45, 0, "fuzz");
    orv::OGL_texbmp(orv::BMP_TEXTURE, 14, orv::TEX_TERRAIN, "fuzz");
    orv::OGL_texbmp(orv::BMP_TEXTURE, 60, orv::TEX_KEYED, "fuzz");
    orv::OGL_texbmp(orv::BMP_TEXTURE, 59, orv::TEX_LUMINANCE, "fuzz");
    orv::OGL_texbmp(orv::BMP_SCREEN, 700, 550, "fuzz");
    orv::OGL_texbmp(orv::BMP_SCREEN, -50, -20, "fuzz");
    return 0;
}
