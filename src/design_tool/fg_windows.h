// fg_windows.h -- the design tool's windows: one routine per Standard (200 + n) and Expert
// (300 + n) menu command, n counting from 0 in menu order, run every frame while its window is
// on top. The commands of the two modes share their numbers; the aircraft's `pln.is_heli` says
// which mode's window a number opens. In the helicopter mode the Standard menu runs from
// "Viewpoint" (200) to "Landing Gear" (214) and the Expert menu holds "Stability-Augmentation"
// (300).
//
// Each window shows and edits the fields of its part of the aircraft record, in the file's
// stored units with the unit shown, on a panel over the lower part of the screen (the view of
// the aircraft stays above it). A change sets `msc.planemod`, mirrors a left-hand surface to
// its right-hand twin and rebuilds the aircraft's drawing; the close box at the panel's top
// right returns to the view alone.
#pragma once

namespace orv {

using fg_window_fn = void (*)();

// The routine of the window opened by menu command `code`, null when that command opens none.
fg_window_fn fg_window_routine(int code);

// The window's title (its menu item's text), "" when `code` opens none in the current mode.
const char* fg_window_title(int code);

constexpr int FG_PANEL_H = 380;   // the design window's height from the bottom of the screen

// Where the widget of `field` (element `index`, flat) is drawn in the window `code`: its
// window-pixel position, as the window lays it out for the part now chosen in it (`index` -1:
// any element of the field). Rows without a field are found by their caption. Answers 0 when
// the window does not show it. For scripted clicks and tests.
int fg_widget_at(int code, const char* field, int index, int* x, int* y);

// Chooses the part that a window covering several (propellers, pylons, nacelles...) edits;
// answers 0 when the window does not cover it.
int fg_choose_part(int code, int part);

}  // namespace orv
