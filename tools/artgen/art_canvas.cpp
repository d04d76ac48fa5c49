#include "art_canvas.h"

#include <png.h>

#include <cmath>
#include <cstdio>
#include <cstring>

#include "2-QZutils/qz_font.h"

namespace art {

static int clamp255(int v) { return v < 0 ? 0 : v > 255 ? 255 : v; }

canvas::canvas(int w_, int h_, rgb c) : w(w_), h(h_), px((size_t)w_ * h_ * 3)
{
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) set(x, y, c);
}

void canvas::set(int x, int y, rgb c)
{
    if (x < 0 || y < 0 || x >= w || y >= h) return;
    uint8_t* p = &px[((size_t)y * w + x) * 3];
    p[0] = (uint8_t)clamp255(c.r);
    p[1] = (uint8_t)clamp255(c.g);
    p[2] = (uint8_t)clamp255(c.b);
}

rgb canvas::get(int x, int y) const
{
    if (x < 0 || y < 0 || x >= w || y >= h) return {0, 0, 0};
    const uint8_t* p = &px[((size_t)y * w + x) * 3];
    return {p[0], p[1], p[2]};
}

rgb mix(rgb a, rgb b, float t)
{
    return {(int)std::lround(a.r + (b.r - a.r) * t), (int)std::lround(a.g + (b.g - a.g) * t),
            (int)std::lround(a.b + (b.b - a.b) * t)};
}

void canvas::blend(int x, int y, rgb c, float a)
{
    if (a <= 0) return;
    set(x, y, a >= 1 ? c : mix(get(x, y), c, a));
}

void canvas::rect(int x, int y, int dx, int dy, rgb c)
{
    for (int j = y; j < y + dy; j++)
        for (int i = x; i < x + dx; i++) set(i, j, c);
}

void canvas::frame(int x, int y, int dx, int dy, rgb c, int t)
{
    rect(x, y, dx, t, c);
    rect(x, y + dy - t, dx, t, c);
    rect(x, y, t, dy, c);
    rect(x + dx - t, y, t, dy, c);
}

void canvas::disc(float cx, float cy, float r, rgb c) { ring(cx, cy, 0, r, 0, 360, c); }

void canvas::ring(float cx, float cy, float r1, float r2, float d1, float d2, rgb c)
{
    int x0 = (int)std::floor(cx - r2 - 1), x1 = (int)std::ceil(cx + r2 + 1);
    int y0 = (int)std::floor(cy - r2 - 1), y1 = (int)std::ceil(cy + r2 + 1);
    const bool full = d2 - d1 >= 360;
    for (int y = y0; y <= y1; y++) {
        for (int x = x0; x <= x1; x++) {
            float dx = x + 0.5f - cx, dy = y + 0.5f - cy, d = std::sqrt(dx * dx + dy * dy);
            float cover = std::fmin(d - r1 + 0.5f, r2 - d + 0.5f);
            if (cover <= 0) continue;
            if (!full) {
                float deg = std::atan2(dx, dy) * 57.29578f;
                while (deg < d1) deg += 360;
                while (deg >= d1 + 360) deg -= 360;
                if (deg > d2) continue;
            }
            blend(x, y, c, std::fmin(cover, 1.0f));
        }
    }
}

void canvas::line(float x1, float y1, float x2, float y2, float width, rgb c)
{
    float dx = x2 - x1, dy = y2 - y1, len2 = dx * dx + dy * dy;
    int xa = (int)std::floor(std::fmin(x1, x2) - width), xb = (int)std::ceil(std::fmax(x1, x2) + width);
    int ya = (int)std::floor(std::fmin(y1, y2) - width), yb = (int)std::ceil(std::fmax(y1, y2) + width);
    for (int y = ya; y <= yb; y++) {
        for (int x = xa; x <= xb; x++) {
            float px_ = x + 0.5f - x1, py_ = y + 0.5f - y1;
            float t = len2 > 0 ? std::fmax(0.0f, std::fmin(1.0f, (px_ * dx + py_ * dy) / len2)) : 0;
            float ex = px_ - t * dx, ey = py_ - t * dy, d = std::sqrt(ex * ex + ey * ey);
            blend(x, y, c, std::fmin(1.0f, width / 2 - d + 0.5f));
        }
    }
}

void canvas::tick(float cx, float cy, float r1, float r2, float deg, float width, rgb c)
{
    float s = std::sin(deg / 57.29578f), k = std::cos(deg / 57.29578f);
    line(cx + r1 * s, cy + r1 * k, cx + r2 * s, cy + r2 * k, width, c);
}

void canvas::text(int x, int y, const std::string& s, int scale, rgb c)
{
    for (size_t n = 0; n < s.size(); n++) {
        const unsigned char* rows = orv::font_glyph(s[n]);
        if (!rows) continue;
        int gx = x + (int)n * 6 * scale;
        for (int r = 0; r < 7; r++)
            for (int col = 0; col < 5; col++)
                if ((rows[r] >> (4 - col)) & 1) rect(gx + col * scale, y + (6 - r) * scale, scale, scale, c);
    }
}

void canvas::text_centred(float cx, float cy, const std::string& s, int scale, rgb c)
{
    int width = ((int)s.size() * 6 - 1) * scale;
    text((int)std::lround(cx - width / 2.0f), (int)std::lround(cy - 3.5f * scale), s, scale, c);
}

float noise(uint32_t seed, int x, int y)
{
    uint32_t v = seed * 0x9E3779B1u ^ (uint32_t)x * 0x85EBCA77u ^ (uint32_t)y * 0xC2B2AE3Du;
    v ^= v >> 15;
    v *= 0x2C1B3C6Du;
    v ^= v >> 12;
    v *= 0x297A2D39u;
    v ^= v >> 15;
    return (v & 0xFFFFFF) / 16777215.0f;
}

float smooth_noise(uint32_t seed, float x, float y)
{
    int x0 = (int)std::floor(x), y0 = (int)std::floor(y);
    float fx = x - x0, fy = y - y0;
    fx = fx * fx * (3 - 2 * fx);
    fy = fy * fy * (3 - 2 * fy);
    float a = noise(seed, x0, y0), b = noise(seed, x0 + 1, y0), c = noise(seed, x0, y0 + 1), d = noise(seed, x0 + 1, y0 + 1);
    return (a + (b - a) * fx) * (1 - fy) + (c + (d - c) * fx) * fy;
}

void canvas::grain(uint32_t seed, float amount, int cell)
{
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            float f = 1 + amount * (noise(seed, x / cell, y / cell) - 0.5f);
            rgb c = get(x, y);
            set(x, y, {(int)(c.r * f), (int)(c.g * f), (int)(c.b * f)});
        }
}

void canvas::paste(const canvas& src, int x, int y)
{
    for (int j = 0; j < src.h; j++)
        for (int i = 0; i < src.w; i++) set(x + i, y + j, src.get(i, j));
}

static void put_le(std::string& s, uint32_t v, int n)
{
    for (int k = 0; k < n; k++) s.push_back((char)((v >> (8 * k)) & 255));
}

int write_bmp(const std::string& path, const canvas& c)
{
    const int stride = (c.w * 3 + 3) & ~3;
    std::string s;
    s.reserve(54 + (size_t)stride * c.h);
    put_le(s, 19778, 2);
    put_le(s, 54 + stride * c.h, 4);
    put_le(s, 0, 4);
    put_le(s, 54, 4);
    put_le(s, 40, 4);
    put_le(s, c.w, 4);
    put_le(s, c.h, 4);
    put_le(s, 1, 2);
    put_le(s, 24, 2);
    put_le(s, 0, 4);
    put_le(s, stride * c.h, 4);
    put_le(s, 2835, 4);
    put_le(s, 2835, 4);
    put_le(s, 0, 4);
    put_le(s, 0, 4);
    for (int y = 0; y < c.h; y++) {
        for (int x = 0; x < c.w; x++) {
            rgb p = c.get(x, y);
            s.push_back((char)p.b);
            s.push_back((char)p.g);
            s.push_back((char)p.r);
        }
        for (int k = c.w * 3; k < stride; k++) s.push_back(0);
    }
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return 0;
    int ok = std::fwrite(s.data(), 1, s.size(), f) == s.size();
    return std::fclose(f) == 0 && ok;
}

int write_png(const std::string& path, const canvas& c)
{
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return 0;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(f);
        return 0;
    }
    png_init_io(png, f);
    png_set_IHDR(png, info, c.w, c.h, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = c.h - 1; y >= 0; y--) png_write_row(png, const_cast<png_bytep>(&c.px[(size_t)y * c.w * 3]));
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(f) == 0;
}

}  // namespace art
