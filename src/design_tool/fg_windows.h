// fg_windows.h -- the design tool's windows: one routine per Standard (200 + n) and Expert
// (300 + n) menu command, run every frame while its window is on top. Each shows and edits
// the fields of its part of the aircraft record, in the file's stored units.
#pragma once

namespace orv {

using fg_window_fn = void (*)();

// The routine of the window opened by menu command `code`, null when that command opens none.
fg_window_fn fg_window_routine(int code);

}  // namespace orv
