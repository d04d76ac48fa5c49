// art_canvas.h -- a small RGB canvas with the drawing the artwork needs: fills, discs, rings,
// thick lines, deterministic noise and the program's own 5 by 7 font scaled up.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace art {

struct rgb { int r, g, b; };

struct canvas {
    int w = 0, h = 0;
    std::vector<uint8_t> px;          // rows bottom to top, 3 bytes a pixel
    canvas() = default;
    canvas(int w_, int h_, rgb c);
    void set(int x, int y, rgb c);
    rgb  get(int x, int y) const;
    void blend(int x, int y, rgb c, float a);
    void rect(int x, int y, int dx, int dy, rgb c);
    void frame(int x, int y, int dx, int dy, rgb c, int t = 1);
    void disc(float cx, float cy, float r, rgb c);
    // Ring sector between radii r1 and r2, compass degrees d1..d2 clockwise from straight up.
    void ring(float cx, float cy, float r1, float r2, float d1, float d2, rgb c);
    void line(float x1, float y1, float x2, float y2, float width, rgb c);
    void tick(float cx, float cy, float r1, float r2, float deg, float width, rgb c);
    // Text in the 5 by 7 font, each dot `scale` pixels; (x, y) the lower-left corner.
    void text(int x, int y, const std::string& s, int scale, rgb c);
    void text_centred(float cx, float cy, const std::string& s, int scale, rgb c);
    // Multiplies each pixel by 1 + amount * (noise - 0.5), noise from the seed.
    void grain(uint32_t seed, float amount, int cell = 1);
    void paste(const canvas& src, int x, int y);
};

float noise(uint32_t seed, int x, int y);        // 0..1, the same for the same arguments
float smooth_noise(uint32_t seed, float x, float y);   // value noise, 0..1
rgb   mix(rgb a, rgb b, float t);

// Writes a 24-bit bottom-up bitmap; answers 1 when written.
int write_bmp(const std::string& path, const canvas& c);
int write_png(const std::string& path, const canvas& c);

}  // namespace art
