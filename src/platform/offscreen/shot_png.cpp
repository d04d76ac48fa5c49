#include "platform/offscreen/shot_png.h"

#include <GL/gl.h>
#include <png.h>

#include <cstdio>
#include <vector>

namespace orv {

int png_write_rgb(const char* path, const unsigned char* rgb, int w, int h)
{
    std::FILE* f = std::fopen(path, "wb");
    if (!f) {
        std::fprintf(stderr, "screenshot: cannot write %s\n", path);
        return 0;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(f);
        std::fprintf(stderr, "screenshot: could not encode %s\n", path);
        return 0;
    }
    png_init_io(png, f);
    png_set_IHDR(png, info, w, h, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int r = h - 1; r >= 0; r--) png_write_row(png, const_cast<png_bytep>(rgb + (size_t)r * w * 3));
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    int ok = std::fclose(f) == 0;
    if (!ok) std::fprintf(stderr, "screenshot: could not finish %s\n", path);
    return ok;
}

static char shot_path[4096];
static int  pending, keep_every, have_kept;
static int  kept_w, kept_h;
static std::vector<unsigned char> pixels;   // sized when a shot is asked for, not per frame

int shot_request(const char* path, int keep)
{
    if (!path || !path[0] || std::snprintf(shot_path, sizeof shot_path, "%s", path) >= (int)sizeof shot_path) return 0;
    pending = 1;
    keep_every = keep;
    have_kept = 0;
    return 1;
}

void shot_before_swap(read_pixels_fn read_pixels, int x, int y, int w, int h)
{
    if (!pending || !read_pixels || w <= 0 || h <= 0) return;
    if (pixels.size() < (size_t)w * h * 3) pixels.resize((size_t)w * h * 3);
    read_pixels(x, y, w, h, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    if (keep_every) {
        have_kept = 1;
        kept_w = w;
        kept_h = h;
        return;
    }
    pending = 0;
    png_write_rgb(shot_path, pixels.data(), w, h);
}

void shot_finish()
{
    if (pending && keep_every && have_kept) png_write_rgb(shot_path, pixels.data(), kept_w, kept_h);
    pending = keep_every = have_kept = 0;
}

}  // namespace orv
