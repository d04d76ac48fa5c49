// qz_graph.h -- the drawing layer: the 80-colour palette, 2-D primitives in window pixels
// (origin at the bottom left of the 800 by 600 picture, y up), textured quads, the cache of
// the four enable states the scene switches most, and the 800 by 600 background image.
//
// Every 2-D operation adds the origin of the window being drawn (mnw.x, mnw.y). With
// `to_array` set it writes into the screen image `rgb_array` instead of calling OpenGL, so
// the panel and window backgrounds can be composed once and then shown as textures.
// OpenGL is reached only through the qgl table (qgl.h).
#pragma once

namespace orv {

constexpr int SCREEN_W = 800, SCREEN_H = 600;
constexpr int PALETTE_SIZE = 80;
constexpr int TINTED_COLORS = 38;            // colours 0..37 follow the panel lighting
constexpr int RGB_ARRAY_BYTES = SCREEN_W * SCREEN_H * 3;
constexpr int BG_TILE = 128;                 // background tiles: 7 by 5 of 128 by 128 pixels
constexpr int BG_TILE_COLS = 7, BG_TILE_ROWS = 5;
constexpr int BG_TEX_BASE = 500;             // tile (i, j) is texture 500 + i + 7 j

extern float col_rgb[PALETTE_SIZE][3];
extern int   to_array;
extern unsigned char rgb_array[RGB_ARRAY_BYTES];
extern unsigned char current_rgb[3];
extern unsigned char sub_array[BG_TILE * BG_TILE * 3];

void OGL_setstate(int fog, int tex, int lit, int dep);
void OGL_bindtex(int index);
void OGL_setcolor(int index);
void OGL_assigncolor(int index, float r, float g, float b);
void OGL_default_palette();                  // the start-up palette (entries 56..59, 74..79 black)
void ogl_cache_reset();                      // forget the applied states (a new context)
void ogl_forget_binding();                   // a texture was bound directly, not through OGL_bindtex

void BUF_point(int x, int y);                // absolute screen pixel; outside the image: nothing
void OGL_sbuf();                             // present the finished frame

void OGL_line(int color, float x1, float y1, float x2, float y2);
void OGL_fillrect(int color, float x, float y, float dx, float dy);
void OGL_framerect(int color, float x, float y, float dx, float dy);
void OGL_fillcircle(int color, float x, float y, float r);
void OGL_framecircle(int color, float x, float y, float r);
void OGL_arc(int color, float x, float y, float r1, float r2, float d1, float d2);

void OGL_2dquad(float s1, float t1, float s2, float t2, float s3, float t3, float s4, float t4,
                float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4);
void OGL_3dline(float x1, float y1, float z1, float x2, float y2, float z2);
void OGL_3dquad_st(const float xyz1[3], const float xyz2[3], const float xyz3[3], const float xyz4[3],
                   int tex, float s1, float t1, float s2, float t2);
void OGL_3dquad_flat(const float xyz1[3], const float xyz2[3], const float xyz3[3], const float xyz4[3],
                     int tex, float xmin, float zmin, float xrange, float zrange);

void tile(int i, int j, float x1, float y1, float x2, float y2, float s1, float t1, float s2, float t2);
void OGL_plot_background();
// Cuts the screen image into the 35 background textures (through sub_array) and uploads them.
void OGL_upload_background();

// Where the 800 by 600 picture lies in the window's own pixels (the back end keeps it up to
// date when the window is resized; the picture keeps its shape and is centred).
struct ogl_viewport { int x, y, w, h; };
extern ogl_viewport ogl_view;

// Sets the viewport to a rectangle of the 800 by 600 picture (pixels, origin at the bottom
// left), wherever and at whatever scale the picture lies in the window.
void OGL_viewport(int x, int y, int w, int h);

// The OpenGL state every picture starts from: 2-D projection of the 800 by 600 picture,
// lighting model, packing, culling, alpha test, blending, fog and hints.
void OGL_setup_context();

}  // namespace orv
