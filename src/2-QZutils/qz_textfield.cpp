#include "2-QZutils/qz_textfield.h"

#include <cstring>

#include "2-QZutils/qz_btn.h"
#include "2-QZutils/qz_font.h"
#include "2-QZutils/qz_graph.h"
#include "2-QZutils/records.h"

namespace orv {

namespace {

enum { C_FIELD = 26, C_FIELD_EDGE = 29, C_FIELD_TEXT = 47, C_CARET = 43 };
constexpr int CHAR_PITCH = 6, PAD = 3;
constexpr int KEY_BACKSPACE = 8, KEY_ENTER = 13, KEY_ESCAPE = 27, KEY_PRINTABLE_FIRST = 32, KEY_PRINTABLE_LAST = 126;

char* typed;       // the field that has the keyboard, null none
int   typed_len;
int   typed_win;   // the window it belongs to
int   typed_done;  // Enter was hit: the field answers 1 at its next call
char* released;    // a field another took the keyboard from: it answers 1 at its next call

}  // namespace

int text_field_has_keyboard(const char* text) { return typed && typed == text && typed_win == mnw.topwin; }

int text_field_key(int win, int c)
{
    if (!typed || typed_win != win) return 0;
    const int n = (int)std::strlen(typed);
    if (c == KEY_ENTER || c == '\n' || c == KEY_ESCAPE) typed_done = 1;
    else if (c == KEY_BACKSPACE) { if (n > 0) typed[n - 1] = 0; }
    else if (c >= KEY_PRINTABLE_FIRST && c <= KEY_PRINTABLE_LAST && n < typed_len - 1) {
        typed[n] = (char)c;
        typed[n + 1] = 0;
    }
    return 1;
}

int intextfield(int x, int y, int w, char* text, int len)
{
    int ended = 0;
    if (released == text) {
        released = nullptr;
        ended = 1;
    }
    const int mine = text_field_has_keyboard(text);
    const int inside = btn_clicked_in(x, y - PAD, x + w, y - PAD + TEXT_FIELD_H);
    if (mine && (typed_done || (mnw.mouse_clicked && !inside))) {
        typed = nullptr;
        typed_done = 0;
        ended = 1;
    } else if (!mine && inside) {
        if (typed && typed != text) released = typed;
        typed = text;
        typed_len = len;
        typed_win = mnw.topwin;
        typed_done = 0;
    }
    OGL_fillrect(C_FIELD, x, y - PAD, w, TEXT_FIELD_H);
    OGL_framerect(C_FIELD_EDGE, x, y - PAD, w, TEXT_FIELD_H);
    // The end of a long text shows: that is where the typing goes.
    const int room = (w - 2 * PAD) / CHAR_PITCH - 1, n = (int)std::strlen(text);
    const char* shown = n > room ? text + (n - room) : text;
    OGL_string(C_FIELD_TEXT, x + PAD, y, shown, WRAP_OFF_WIDTH, CHAR_PITCH);
    if (text_field_has_keyboard(text)) {
        const int cx = x + PAD + (int)std::strlen(shown) * CHAR_PITCH;
        OGL_line(C_CARET, cx, y - 1, cx, y + 8);
    }
    return ended;
}

}  // namespace orv
