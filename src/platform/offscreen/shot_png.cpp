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

// Two requests can wait at once: the kept one (--screenshot: the last frame, written at the
// end) and a one-off (a script's screenshot: the next frame); one does not replace the other.
struct shot_slot {
    char path[4096];
    int  pending;
};
static shot_slot kept, once;
static int have_kept, kept_w, kept_h;
static std::vector<unsigned char> pixels;   // sized when a shot is asked for, not per frame

int shot_request(const char* path, int keep)
{
    shot_slot& s = keep ? kept : once;
    if (!path || !path[0] || std::snprintf(s.path, sizeof s.path, "%s", path) >= (int)sizeof s.path) return 0;
    s.pending = 1;
    if (keep) have_kept = 0;
    return 1;
}

void shot_before_swap(read_pixels_fn read_pixels, int x, int y, int w, int h)
{
    if ((!kept.pending && !once.pending) || !read_pixels || w <= 0 || h <= 0) return;
    if (pixels.size() < (size_t)w * h * 3) pixels.resize((size_t)w * h * 3);
    read_pixels(x, y, w, h, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    if (once.pending) {
        once.pending = 0;
        png_write_rgb(once.path, pixels.data(), w, h);
    }
    if (kept.pending) {
        have_kept = 1;
        kept_w = w;
        kept_h = h;
    }
}

void shot_finish()
{
    if (kept.pending && have_kept) png_write_rgb(kept.path, pixels.data(), kept_w, kept_h);
    kept.pending = once.pending = have_kept = 0;
}

}  // namespace orv
