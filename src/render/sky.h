// sky.h -- the sky box round the eye, the stars with their shooting stars, and the cloud deck.
#pragma once

#include "render/scene_laws.h"

namespace orv {

// A box of half-width d round the eye in the pitch-and-roll frame: horizon colour base*rat1,
// base*rat2 up the walls and base*rat3 at the top.
void plot_sky_box(float d, rgb3 base, float rat1, float rat2, float rat3);
void plot_stars(float r, float g, float b, float x1, float y1, float x2, float y2);
void plot_clouds();

// Star brightness for a sky colour at local time h (nothing drawn at or below 0).
float star_brightness(float r, float g, float b, float h);
// Mean seconds between shooting stars for the meteorite code.
float meteor_interval(int code);

}  // namespace orv
