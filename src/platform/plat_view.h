// plat_view.h -- where the 800 by 600 picture lies in a window of any size: scaled to fit
// with its shape kept and centred (bars on the two free sides), and window positions mapped
// back into picture pixels.
#pragma once

namespace orv {

struct plat_view_rect { int x, y, w, h; };   // in window pixels, origin at the top left

// The picture's rectangle in a window of win_w by win_h pixels.
plat_view_rect plat_fit_picture(int win_w, int win_h, int pic_w, int pic_h);

// A window position (top-left origin, y down) as a picture position with the same origin and
// direction, clamped into the picture so a click on a bar lands on its nearest edge.
void plat_window_to_picture(const plat_view_rect& v, int pic_w, int pic_h, int wx, int wy, int* px, int* py);

}  // namespace orv

namespace orv {

// The window position at the middle of picture pixel (px, py): the way back of
// plat_window_to_picture, so picture positions can be sent as if the mouse were there.
void plat_picture_to_window(const plat_view_rect& v, int pic_w, int pic_h, int px, int py, int* wx, int* wy);

}  // namespace orv
