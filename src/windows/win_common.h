// win_common.h -- what every settings window shares: the close box and the ways out, and rows
// of a caption, a widget and the unit of what it edits.
#pragma once

namespace orv {

// Window furniture colours: captions, units and notes on the window's face, the digits of the
// wheels in the panel's own green, and read-outs.
enum { WC_CAPTION = 29, WC_UNIT = 22, WC_DIGITS = 47, WC_READOUT = 20, WC_HEAD = 16 };
constexpr int WIN_CHAR_W = 6;            // the 5 by 7 font's pitch
constexpr int WIN_ROW_H = 20;            // one row of widgets
constexpr int WIN_TITLE_H = 14;          // the title bar drawn by the window layer

// The close box at the right of the title bar; a click on it, or anywhere outside the window
// (a key in a settings window arrives as a click just above it), closes the window and returns
// to the cockpit. Answers 1 when the window closed: its routine then stops for this frame.
int win_frame();

// Closes the window on top (its settings are applied by the window layer on the way out).
void win_close();

void win_text(int color, int x, int y, const char* text);
void win_caption(int x, int y, const char* text);

// A caption at x, a wheel at x + wheel_dx and the unit after it. The wheel shows the stored
// value times `shown_per_stored` (a unit conversion); a change is written back in stored units.
// Answers 1 when the click changed the value.
int win_wheel_row(int x, int y, int wheel_dx, const char* caption, float* stored, float shown_per_stored,
                  int dig, int dec, float lo, float hi, const char* unit);
int win_int_wheel_row(int x, int y, int wheel_dx, const char* caption, int* stored, int dig, int lo, int hi,
                      const char* unit);

// A check box at x and its caption after it.
int win_check_row(int x, int y, const char* caption, int* var);

// A choice among n captions held in *zero_based (0..n-1), the arrows at x + dx.
int win_choice_row(int x, int y, int caption_dx, const char* caption, const char* const* choices, int n,
                   int arrows_dx, int* zero_based);

// The airport of a four-character identifier (blank padded when shorter): the first in the
// database, or the last when `last` is set; -1 when there is none.
int win_airport_by_id(const char* id4, int last);

}  // namespace orv
