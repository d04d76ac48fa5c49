// qz_btn.h -- the input widgets of the settings windows and the design tool. Immediate mode:
// each call draws the widget at its place in the window on top (window pixels, y up) and
// applies this frame's click (mnw.mouse_clicked at mnw.mx, mnw.my) to the value it edits.
// Every widget answers 1 when the click changed the value, else 0.
#pragma once

namespace orv {

constexpr int BTN_DIGIT_W = 10;      // one column of a number wheel or a character wheel
constexpr int BTN_WHEEL_DIGITS = 7;  // a number wheel holds at most this many digits

// A 9 x 9 bevelled check box, lit when `on`.
void block(int x, int y, int on);

// A check box: a click within 2 px round the box toggles *var (0/1).
int inboolbtn(int x, int y, int* var);

// A radio button: a click on it sets *var = boxnum; lit while *var == boxnum.
int inonebool(int x, int y, int* var, int boxnum);

// A choice among n captions (*var 1..n, wrapping): the arrows in the 15 px column at x + dx
// step it down (lower half) or up (upper half); the caption of *var is drawn at (x, y).
int intextbtn(int x, int y, const char* const* captions, int n, int dx, int* var);
int in2textbtn(int x, int y, const char* c1, const char* c2, int dx, int* var);
int in3textbtn(int x, int y, const char* c1, const char* c2, const char* c3, int dx, int* var);
int in4textbtn(int x, int y, const char* c1, const char* c2, const char* c3, const char* c4, int dx,
               int* var);
int in5textbtn(int x, int y, const char* c1, const char* c2, const char* c3, const char* c4,
               const char* c5, int dx, int* var);
int in8textbtn(int x, int y, const char* c1, const char* c2, const char* c3, const char* c4,
               const char* c5, const char* c6, const char* c7, const char* c8, int dx, int* var);

// n characters (at most BTN_CHAR_WHEELS) in 10 px columns from x; a click in a column steps
// that character one code down (below y + 3) or up, within blank..'Z'. Writes the n and a
// terminating zero (string holds n + 1). in4charbtn is the four-character identifier wheel.
constexpr int BTN_CHAR_WHEELS = 16;
int incharbtn(int color, int x, int y, char* string, int n);
int in4charbtn(int color, int x, int y, char* string);

// A number wheel of dig digits with dec of them decimals: a click on a digit's column adds
// (upper half) or subtracts (lower half) that digit's place value; *var stays within lo..hi.
int instdbtn_range(int color, int x, int y, float* var, int dig, int dec, float lo, float hi);
// The wheel limited to what its digits hold, and to 0 from below unless `sign` is set.
int instdbtn(int color, int x, int y, float* var, int dig, int dec, int sign);

// A scrolling list of names with their identifiers, list positions ind1..ind2, the row of
// *center_index marked in the middle: a click on a row chooses it, the arrows beside it scroll
// a row, the barred arrows a page. Position p shows entry order[p] (p itself when order is
// null). Answers 2 when a row was clicked (a choice), 1 when scrolled.
constexpr int NAME_LIST_ROWS = 11, NAME_LIST_ROW_H = 12, NAME_LIST_W = 300;
int plot_name_list(int os_x, int os_y, const char (*name)[40], const char (*id)[5], int* center_index,
                   int ind1, int ind2, const int* order = nullptr);

// 1 when this frame's click lies in x1..x2, y1..y2 (window pixels).
int btn_clicked_in(int x1, int y1, int x2, int y2);

}  // namespace orv
