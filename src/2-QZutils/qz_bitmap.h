// qz_bitmap.h -- loading 24-bit Windows bitmap files into textures or into the screen image.
#pragma once

namespace orv {

// Sources and destinations (OGL_texbmp's type).
enum {
    BMP_TEXTURE = -100,         // "textures" (or the scenery objects folder) -> texture p1
    BMP_SCREEN = -101,          // "bitmaps" -> screen image at (p1, p2) plus the window origin
    BMP_TEXTURE_PATH = -102,    // full path without extension -> texture p1
    BMP_COCKPIT_PATH = -103,    // full path without extension -> screen image: the custom cockpit
};
// Texel modes (p2 for textures).
enum {
    TEX_TERRAIN = -104,         // RGB, square, mip-mapped
    TEX_KEYED = -105,           // RGBA: pixels (1, 1, 1) transparent
    TEX_LUMINANCE = -106,       // RGBA: black, alpha the brightness
};

constexpr int BMP_MAX_SIDE = 1024;
constexpr int COCKPIT_W = 800, COCKPIT_H = 333;

// Loads one bitmap; answers 1, or 0 when an optional bitmap (the custom cockpit, the
// aircraft's own "hand" texture 57) is missing. Every problem is an alert and loading goes on:
// a texture that cannot be read becomes a 4 by 4 grey texture.
int OGL_texbmp(int type, int p1, int p2, const char* name);

// The reduction factor for texture p1 of w by h texels at the resolution setting ogl_res,
// doubled while the context's largest texture size is smaller than a reduced side.
int texbmp_reduction(int p1, int w, int h, int max_texture_size);

// The file (system form) a load of this type and name reads; 0 when the path does not fit.
// path holds PATH_LEN bytes.
int texbmp_path(int type, int p1, const char* name, char* path);

// Size of the last image read into the staging buffer (after any reduction), for callers that
// use the pixels themselves.
void texbmp_last_size(int* w, int* h);

}  // namespace orv

namespace orv {

// The textures the program names, with the file each loads and its texel mode (0 plain).
struct texture_file { int name; const char* file; int mode; };
const texture_file* texture_files(int* count);
void load_scenery_textures();     // textures 12..55 and 59..77 (a new region, season or resolution)
void load_startup_textures();     // "letters" and "cursor" (79, 80)

// The file that texture p1 loads this season (the seasonal and tropical substitutions), or
// `name` when none applies.
const char* seasonal_name(int p1, const char* name);

}  // namespace orv
