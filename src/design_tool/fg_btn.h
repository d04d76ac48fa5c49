// fg_btn.h -- the design tool's own input widgets, beside the shared ones of qz_btn and built
// on their wheels, choices and hit tests. Immediate mode like those: each call draws the
// widget in the window on top and applies this frame's click, answering 1 when the value
// changed. None of them changes the value it shows unless clicked.
#pragma once

namespace orv {

// A file name chosen among the files of folder `folder` of the data tree whose names end in
// `ext` (".afl"): the arrows at x + dx step to the name before or after the shown one in name
// order (a name not in the folder steps to the first or last). `string` holds `len` bytes; as
// much of it is shown as fits before the arrows.
int instringbtn(int x, int y, char* string, int len, const char* folder, const char* ext, int dx);

// A whole-number wheel of dig digits holding *var within lo..hi.
int inintbtn(int color, int x, int y, int* var, int dig, int lo, int hi);

// A choice among six captions, *var 1..6 (the caption of *var is drawn at x, y).
int in6textbtn(int x, int y, const char* c1, const char* c2, const char* c3, const char* c4,
               const char* c5, const char* c6, int dx, int* var);

// Six character wheels over the first six characters of `string` (which holds `len` bytes):
// a tail number. Characters after the sixth are kept; trailing blanks are not stored.
int in6charbtn(int color, int x, int y, char* string, int len);

// The body section (station) being edited: a row of n radio buttons 12 px apart and the
// chosen one's number counted from 1 after them; *sec is 0..n-1.
constexpr int SEC_PITCH = 12;
int insecbtn(int x, int y, int* sec, int n);

float fltmax3(float a, float b, float c);
// `on_value` when `on` is set, else `off_value`.
float flt_switch(int on, float off_value, float on_value);

}  // namespace orv
