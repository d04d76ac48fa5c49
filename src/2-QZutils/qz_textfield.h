// qz_textfield.h -- a line of text typed into a settings window (a device, a host and port).
// A click on the field gives it the keyboard: the window layer then hands it the keys instead
// of closing the window; Enter, Escape or a click elsewhere gives the keyboard back.
#pragma once

namespace orv {

constexpr int TEXT_FIELD_H = 13;   // the box's height, from y - 3

// Draws the field (w pixels wide) with `text` (room for len bytes) and applies this frame's
// click. Answers 1 on the frame the typing ended (the caller takes the text then), else 0.
int  intextfield(int x, int y, int w, char* text, int len);
int  text_field_has_keyboard(const char* text);   // 1 while `text` is being typed into
// The window layer's side: a key for the field that has the keyboard in window `win`; answers
// 1 when it took the key.
int  text_field_key(int win, int c);

}  // namespace orv
