// airport_draw.h -- airport pavement, runways with their markings, windsocks, and the surface
// under the aircraft that the pavement and runways report to the ground contact.
#pragma once

namespace orv {

// Runway textures by name.
enum {
    TEX_RWY_NUM_L = 24, TEX_RWY_NUM_R = 28, TEX_RWY_TURN = 38, TEX_RWY_PAVE = 39,
    TEX_RWY_DISP = 40, TEX_RWY_THLD = 41, TEX_RWY_TDZM = 42, TEX_RWY_FDMK = 43,
    TEX_RWY_LINE = 44, TEX_WINDSOCK = 72, TEX_NUMBER = -1   // a number segment
};
enum { SURF_GRASS = 75, SURF_DIRT = 76, SURF_GRAVEL = 77, SURF_OPEN = 78 };

int runway_marking_class(float length_ft, int surface);
int runway_segments(float length, float width);
// Texture of segment s (class 3 runs -2..n+1) of an n-segment runway: TEX_NUMBER for a
// number segment, the surface texture for unpaved runways.
int runway_segment_texture(int mclass, int s, int n, int surface);
// Number shown at the far end of a runway whose first end is `num`.
int runway_far_number(int num);

// Windsock lift below the horizontal (degrees, 0..100) for wind w m/s and flutter f.
float windsock_droop(float w, float f);

void plot_pavement(int apt, int rway, int layer, float s_repeat, int tex);
void plot_runway(int apt_reg, int apt_wrl, int rway, int segments);
void plot_windsock(int apt, int rway, int end);
// Every in-range airport's pavement and runways, then the windsocks (the scene's steps 8, 9).
void plot_airports();
// The surface under the aircraft as plot_airports marks it, without drawing.
void airport_surfaces();
void plot_windsocks();

// 1 when (x, z) lies inside the quad p (four points, either winding).
int inside_quad(const float p[4][3], float x, float z);

}  // namespace orv
