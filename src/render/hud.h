// hud.h -- the two head-up displays, drawn in 2-D inside the HUD box of the view.
#pragma once

namespace orv {

constexpr float HUD_PIX_PER_DEG = 9.41f;
constexpr int HUD_COLOR = 47, HUD_COLOR_DIM = 49;

void plot_nrml_hud();
void plot_cool_hud();

// Flight-path marker centre for sideslip, angle of attack and the view's pitch offset,
// truncated and kept 2 pixels inside the box.
void hud_fpm(float beta, float alpha, float offset, float* x, float* y);

}  // namespace orv
