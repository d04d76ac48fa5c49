// p_draw.h -- drawing the panel with the drawing layer: the static background (faces, dial
// markings, lever slots), composed into the screen image once per aircraft, and the live
// needles, read-outs, lamps and levers each frame from panel_shown_values().
#pragma once

namespace orv {

// A needle from radius r1 to r2 at a whole-degree angle clockwise from up; width 10 and more
// draws it two pixels wide.
void plot_needle(float x, float y, int angle, float r1, float r2, int colour, int width);
void init_tickmark(float x, float y, float r1, float r2, int angle, int colour);

// The background of the loaded aircraft's panel into the screen image (rgb_array), leaving
// the drawing layer in its normal mode; OGL_upload_background makes textures of it.
void draw_panel_background();
// The same over what the screen image already holds (the window layer's panel bitmap): faces,
// dial markings, engine displays and lever slots, without the plain panel fill.
void draw_panel_statics();

// The live parts over the background, in the frame order of update_panel.
void draw_panel_live();

// Colours of the panel.
constexpr int PANEL_COLOUR = 22, FACE_COLOUR = 29, NEEDLE_COLOUR = 0, MARK_COLOUR = 0;

}  // namespace orv
