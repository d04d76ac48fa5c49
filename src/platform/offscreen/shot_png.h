// shot_png.h -- screenshots of the presented picture, written as PNG files, for both back
// ends that have a picture.
#pragma once

namespace orv {

// Writes w by h RGB pixels; rows are given bottom row first (as OpenGL reads them).
// Answers 1, or 0 after a message on standard error.
int png_write_rgb(const char* path, const unsigned char* rgb, int w, int h);

// The screenshot waiting for the next frame. `read_pixels` is the context's glReadPixels.
using read_pixels_fn = void (*)(int x, int y, int w, int h, unsigned format, unsigned type, void* out);
int  shot_request(const char* path, int keep);
// Called before each buffer swap with the picture's rectangle in the drawable (y up).
void shot_before_swap(read_pixels_fn read_pixels, int x, int y, int w, int h);
void shot_finish();       // writes a kept frame

}  // namespace orv
