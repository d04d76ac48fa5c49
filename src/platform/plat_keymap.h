// plat_keymap.h -- the fixed US keyboard map: what a key types, by its position on the
// keyboard (USB HID keyboard usage codes, which SDL's scancodes are), with Shift held or not.
#pragma once

namespace orv {

// The character typed (8 Backspace, 9 Tab, 13 Enter, 27 Escape), a PLAT_KEY_ code for
// arrows, function keys, the keypad and the editing keys, or 0 for a key that gives nothing.
int plat_us_key(int usage, int shift);

}  // namespace orv
