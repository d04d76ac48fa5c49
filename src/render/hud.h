// hud.h -- the two head-up displays, drawn in 2-D inside the HUD box of the view.
#pragma once

namespace orv {

constexpr float HUD_PIX_PER_DEG = 9.41f;
constexpr int HUD_COLOR = 47, HUD_COLOR_DIM = 49;

void plot_nrml_hud();
void plot_cool_hud();   // the type-3 display, with the hoops

// Hoops of the type-3 display: squares 60 m across every 300 m along the path ahead (receiver
// 2's approach, else level at the altitude target along the heading bug). Hoop k (0 nearest)
// as it stands in the view: centre and half side in pixels; 0 when it is behind, too close
// or outside the box.
constexpr int   HOOPS = 5;
constexpr float HOOP_SPACING = 300.0f, HOOP_HALF_SIZE = 30.0f, HOOP_NEAREST = 50.0f;
constexpr float VOR_GLIDE_MARK = 9.0f;   // nav.ilsgs of a VOR: no approach to follow
int hud_hoop(int k, float* x, float* y, float* half);

// Flight-path marker centre for sideslip, angle of attack and the view's pitch offset,
// truncated and kept 2 pixels inside the box.
void hud_fpm(float beta, float alpha, float offset, float* x, float* y);

}  // namespace orv
