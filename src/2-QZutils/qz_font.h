// qz_font.h -- the drawing layer's built-in 5 by 7 dot font: glyphs, strings and numbers.
// Positions of OGL_sub_character and OGL_char are absolute picture pixels; OGL_string and
// OGL_number add the window origin (mnw.x, mnw.y) like every other 2-D operation. In OpenGL
// mode each dot is a point: OGL_string and OGL_number open their own point primitive, a
// caller of OGL_char or OGL_sub_character opens one around them.
#pragma once

namespace orv {

constexpr int GLYPH_COLS = 5, GLYPH_ROWS = 7;
constexpr int LINE_STEP = 10;        // pixels a wrapped or ended line moves down
constexpr int WRAP_OFF_WIDTH = 800;  // a wrap width of this or more never wraps

// dots[(row - 1) * 5 + col]: row 1 the top row, col 0 the leftmost column.
void OGL_sub_character(float x, float y, const int dots[GLYPH_COLS * GLYPH_ROWS]);
void OGL_char(float x, float y, char n);
void OGL_string(int color, float x, float y, const char* input, float dx, int pitch);
void OGL_number(int color, float x, float y, float input, int dig, int dec, int pitch, int sign);

// Text is drawn in capitals; file names, whose case tells them apart, keep theirs between
// OGL_keep_case(1) and OGL_keep_case(previous). Answers the previous setting.
int OGL_keep_case(int on);

// The glyph rows of character n, top to bottom, bit 4 the leftmost column; 0 when the
// character has no glyph.
const unsigned char* font_glyph(char n);

}  // namespace orv
