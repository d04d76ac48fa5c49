#include "platform/plat_view.h"

namespace orv {

plat_view_rect plat_fit_picture(int win_w, int win_h, int pic_w, int pic_h)
{
    plat_view_rect v = {0, 0, pic_w, pic_h};
    if (win_w <= 0 || win_h <= 0 || pic_w <= 0 || pic_h <= 0) return v;
    // Compare win_w / win_h with pic_w / pic_h in whole numbers.
    if ((long)win_w * pic_h > (long)win_h * pic_w) {   // wider than the picture: bars left and right
        v.h = win_h;
        v.w = (int)((long)win_h * pic_w / pic_h);
    } else {
        v.w = win_w;
        v.h = (int)((long)win_w * pic_h / pic_w);
    }
    v.x = (win_w - v.w) / 2;
    v.y = (win_h - v.h) / 2;
    return v;
}

static int clamp(int v, int lo, int hi) { return v < lo ? lo : v > hi ? hi : v; }

void plat_window_to_picture(const plat_view_rect& v, int pic_w, int pic_h, int wx, int wy, int* px, int* py)
{
    if (v.w <= 0 || v.h <= 0) { *px = wx; *py = wy; return; }
    // Floor division, so a position just left of the picture never rounds onto column 0 twice.
    long ox = (long)(wx - v.x) * pic_w, oy = (long)(wy - v.y) * pic_h;
    long cx = ox >= 0 ? ox / v.w : -((-ox + v.w - 1) / v.w);
    long cy = oy >= 0 ? oy / v.h : -((-oy + v.h - 1) / v.h);
    *px = clamp((int)cx, 0, pic_w - 1);
    *py = clamp((int)cy, 0, pic_h - 1);
}

}  // namespace orv

namespace orv {

void plat_picture_to_window(const plat_view_rect& v, int pic_w, int pic_h, int px, int py, int* wx, int* wy)
{
    if (pic_w <= 0 || pic_h <= 0) { *wx = px; *wy = py; return; }
    *wx = v.x + (int)(((long)px * v.w + v.w / 2) / pic_w);
    *wy = v.y + (int)(((long)py * v.h + v.h / 2) / pic_h);
}

}  // namespace orv
