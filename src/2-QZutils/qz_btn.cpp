#include "2-QZutils/qz_btn.h"

#include <cmath>
#include <cstring>

#include "2-QZutils/qz_font.h"
#include "2-QZutils/qz_graph.h"
#include "2-QZutils/records.h"

namespace orv {

// The check box's bevel and face, lit and unlit, and the furniture of the other widgets.
enum { C_BEVEL_LIGHT_ON = 46, C_BEVEL_LIGHT_OFF = 50, C_BEVEL_DARK_ON = 50, C_BEVEL_DARK_OFF = 52,
       C_FACE_ON = 49, C_FACE_OFF = 51, C_ARROW = 22, C_CAPTION = 29, C_WELL = 26, C_MARK = 43 };
constexpr int BOX = 9, BOX_FACE = 5, CHAR_PITCH = 6;
constexpr int CHECK_SLACK = 2;           // a check box answers this far round its square
constexpr int RADIO_REACH = 10;
constexpr int ARROW_COL_W = 15, ARROW_BELOW = 17, ARROW_ABOVE = 23, SPLIT_DY = 3;   // choice arrows
constexpr int WHEEL_BELOW = 14, WHEEL_ABOVE = 20;                                   // wheel columns
constexpr char CHAR_LOWEST = ' ', CHAR_HIGHEST = 'Z';

int btn_clicked_in(int x1, int y1, int x2, int y2)
{
    return mnw.mouse_clicked && mnw.mx >= x1 && mnw.mx <= x2 && mnw.my >= y1 && mnw.my <= y2;
}

void block(int x, int y, int on)
{
    const int light = on ? C_BEVEL_LIGHT_ON : C_BEVEL_LIGHT_OFF, dark = on ? C_BEVEL_DARK_ON : C_BEVEL_DARK_OFF;
    const int e = BOX - 1;
    OGL_line(light, x, y + e, x + e, y + e);
    OGL_line(light, x, y, x, y + e);
    OGL_line(dark, x, y, x + e, y);
    OGL_line(dark, x + e, y, x + e, y + e);
    const int inset = (BOX - BOX_FACE) / 2;
    OGL_fillrect(on ? C_FACE_ON : C_FACE_OFF, x + inset, y + inset, BOX_FACE, BOX_FACE);
}

int inboolbtn(int x, int y, int* var)
{
    int changed = 0;
    if (btn_clicked_in(x - CHECK_SLACK, y - CHECK_SLACK, x + BOX - 1 + CHECK_SLACK, y + BOX - 1 + CHECK_SLACK)) {
        *var = *var ? 0 : 1;
        changed = 1;
    }
    block(x, y, *var);
    return changed;
}

int inonebool(int x, int y, int* var, int boxnum)
{
    int changed = 0;
    if (btn_clicked_in(x, y, x + RADIO_REACH, y + RADIO_REACH) && *var != boxnum) {
        *var = boxnum;
        changed = 1;
    }
    block(x, y, *var == boxnum);
    return changed;
}

// An arrow pointing up or down in a 15 px column, its base at y (window pixels).
static void arrow(int x, int y, int up)
{
    const float cx = x + ARROW_COL_W / 2.0f, tip = up ? y + 5.0f : y - 5.0f;
    OGL_line(C_ARROW, cx - 4, (float)y, cx, tip);
    OGL_line(C_ARROW, cx, tip, cx + 4, (float)y);
}

// The up and down arrows of a choice, round the split at y + 3.
static void arrows(int x, int y)
{
    arrow(x, y + 6, 1);
    arrow(x, y + 1, 0);
}

int intextbtn(int x, int y, const char* const* captions, int n, int dx, int* var)
{
    int changed = 0;
    const int cx = x + dx;
    if (btn_clicked_in(cx, y - ARROW_BELOW, cx + ARROW_COL_W, y + ARROW_ABOVE)) {
        *var += mnw.my < y + SPLIT_DY ? -1 : 1;
        changed = 1;
    }
    if (*var < 1 || *var > n) *var = ((*var - 1) % n + n) % n + 1;   // wraps within 1..n
    arrows(cx, y);
    OGL_string(C_CAPTION, x, y, captions[*var - 1], WRAP_OFF_WIDTH, CHAR_PITCH);
    return changed;
}

int in2textbtn(int x, int y, const char* c1, const char* c2, int dx, int* var)
{
    const char* c[] = {c1, c2};
    return intextbtn(x, y, c, 2, dx, var);
}
int in3textbtn(int x, int y, const char* c1, const char* c2, const char* c3, int dx, int* var)
{
    const char* c[] = {c1, c2, c3};
    return intextbtn(x, y, c, 3, dx, var);
}
int in4textbtn(int x, int y, const char* c1, const char* c2, const char* c3, const char* c4, int dx, int* var)
{
    const char* c[] = {c1, c2, c3, c4};
    return intextbtn(x, y, c, 4, dx, var);
}
int in5textbtn(int x, int y, const char* c1, const char* c2, const char* c3, const char* c4, const char* c5,
               int dx, int* var)
{
    const char* c[] = {c1, c2, c3, c4, c5};
    return intextbtn(x, y, c, 5, dx, var);
}
int in8textbtn(int x, int y, const char* c1, const char* c2, const char* c3, const char* c4, const char* c5,
               const char* c6, const char* c7, const char* c8, int dx, int* var)
{
    const char* c[] = {c1, c2, c3, c4, c5, c6, c7, c8};
    return intextbtn(x, y, c, 8, dx, var);
}

// The column under this frame's click among `cols` columns from x, or -1; *up set for the upper half.
static int wheel_column(int x, int y, int cols, int* up)
{
    if (!btn_clicked_in(x, y - WHEEL_BELOW, x + cols * BTN_DIGIT_W - 1, y + WHEEL_ABOVE)) return -1;
    *up = mnw.my >= y + SPLIT_DY;
    return (mnw.mx - x) / BTN_DIGIT_W;
}

// The dark well behind a wheel, with a tick above and below each column to show where to click.
static void wheel_well(int x, int y, int cols)
{
    OGL_fillrect(C_WELL, x - 1, y - 3, cols * BTN_DIGIT_W + 1, 13);
    for (int k = 0; k < cols; k++) {
        const float cx = x + k * BTN_DIGIT_W + BTN_DIGIT_W / 2.0f;
        OGL_line(C_ARROW, cx - 2, y + 12, cx + 2, y + 12);
        OGL_line(C_ARROW, cx - 2, y - 5, cx + 2, y - 5);
    }
}

int incharbtn(int color, int x, int y, char* string, int n)
{
    if (n < 1) return 0;
    if (n > BTN_CHAR_WHEELS) n = BTN_CHAR_WHEELS;
    int up = 0, changed = 0;
    const int k = wheel_column(x, y, n, &up);
    char s[BTN_CHAR_WHEELS + 1];
    for (int i = 0; i < n; i++) {
        const char c = string[i];
        s[i] = (c < CHAR_LOWEST || c > CHAR_HIGHEST) ? CHAR_LOWEST : c;
        if (i > 0 && !string[i - 1]) s[i] = CHAR_LOWEST;   // a shorter identifier is blank padded
    }
    if (k >= 0) {
        s[k] = (char)(s[k] + (up ? 1 : -1));
        if (s[k] > CHAR_HIGHEST) s[k] = CHAR_LOWEST;
        if (s[k] < CHAR_LOWEST) s[k] = CHAR_HIGHEST;
        changed = 1;
    }
    s[n] = 0;
    std::memcpy(string, s, (std::size_t)n + 1);
    wheel_well(x, y, n);
    for (int i = 0; i < n; i++) {
        const char one[2] = {s[i], 0};
        OGL_string(color, x + i * BTN_DIGIT_W + 2, y, one, WRAP_OFF_WIDTH, CHAR_PITCH);
    }
    return changed;
}

int in4charbtn(int color, int x, int y, char* string) { return incharbtn(color, x, y, string, 4); }

int instdbtn_range(int color, int x, int y, float* var, int dig, int dec, float lo, float hi)
{
    if (dig < 1) dig = 1;
    if (dig > BTN_WHEEL_DIGITS) dig = BTN_WHEEL_DIGITS;
    if (dec < 0) dec = 0;
    if (dec > dig) dec = dig;
    const double scale = std::pow(10.0, dec);
    int up = 0, changed = 0;
    const int k = wheel_column(x, y, dig, &up);
    float v = std::isfinite(*var) ? *var : lo;
    if (k >= 0) {
        const double place = std::pow(10.0, dig - 1 - dec - k);
        v = (float)(std::round((v + (up ? place : -place)) * scale) / scale);   // no drift from tenths
        changed = 1;
    }
    if (v > hi) v = hi;
    if (v < lo) v = lo;
    if (v != *var) changed = 1;
    else if (k >= 0) changed = 0;          // at a limit the click changed nothing
    *var = v;

    if (lo < 0) OGL_fillrect(C_WELL, x - BTN_DIGIT_W, y - 3, BTN_DIGIT_W, 13);   // the sign's place
    wheel_well(x, y, dig);
    long n = std::lround(std::fabs((double)v) * scale);
    for (int i = dig - 1; i >= 0; i--, n /= 10) {
        const char one[2] = {(char)('0' + n % 10), 0};
        OGL_string(color, x + i * BTN_DIGIT_W + 2, y, one, WRAP_OFF_WIDTH, CHAR_PITCH);
    }
    if (dec > 0) OGL_fillrect(color, x + (dig - dec) * BTN_DIGIT_W - 1, y, 2, 2);
    if (v < 0) OGL_line(color, x - 8, y + 3, x - 2, y + 3);
    return changed;
}

int instdbtn(int color, int x, int y, float* var, int dig, int dec, int sign)
{
    if (dig > BTN_WHEEL_DIGITS) dig = BTN_WHEEL_DIGITS;
    const float hi = (float)(std::pow(10.0, dig - dec) - std::pow(10.0, -dec));
    return instdbtn_range(color, x, y, var, dig, dec, sign ? -hi : 0.0f, hi);
}

int plot_name_list(int os_x, int os_y, const char (*name)[40], const char (*id)[5], int* center_index,
                   int ind1, int ind2, const int* order)
{
    if (ind2 < ind1) return 0;
    const int half = NAME_LIST_ROWS / 2;
    const int top = os_y + NAME_LIST_ROWS * NAME_LIST_ROW_H;   // the list runs down from here
    int result = 0;
    const int arrow_x = os_x + NAME_LIST_W + 6;
    // Scroll arrows right of the list: one row (inner pair) or one page (outer pair).
    const int step[4] = {-(NAME_LIST_ROWS - 1), -1, 1, NAME_LIST_ROWS - 1};
    const int ay[4] = {top - 12, top - 40, os_y + 28, os_y};
    for (int a = 0; a < 4; a++) {
        if (btn_clicked_in(arrow_x, ay[a], arrow_x + ARROW_COL_W, ay[a] + 12)) {
            *center_index += step[a];
            result = 1;
        }
        const int up = a < 2;
        arrow(arrow_x, up ? ay[a] + 3 : ay[a] + 9, up);
        if (a == 0 || a == 3) OGL_line(C_ARROW, arrow_x + 2, ay[a] + (up ? 10 : 2), arrow_x + 13, ay[a] + (up ? 10 : 2));
    }
    for (int r = 0; r < NAME_LIST_ROWS; r++) {
        const int y1 = top - (r + 1) * NAME_LIST_ROW_H;
        if (btn_clicked_in(os_x, y1, os_x + NAME_LIST_W, y1 + NAME_LIST_ROW_H - 1)) {
            const int pick = *center_index - half + r;
            if (pick >= ind1 && pick <= ind2) {
                *center_index = pick;
                result = 2;
            }
        }
    }
    if (*center_index < ind1) *center_index = ind1;
    if (*center_index > ind2) *center_index = ind2;
    OGL_fillrect(C_WELL, os_x, os_y, NAME_LIST_W, NAME_LIST_ROWS * NAME_LIST_ROW_H);
    OGL_fillrect(C_MARK, os_x, top - (half + 1) * NAME_LIST_ROW_H, NAME_LIST_W, NAME_LIST_ROW_H);
    for (int r = 0; r < NAME_LIST_ROWS; r++) {
        const int p = *center_index - half + r;
        if (p < ind1 || p > ind2) continue;
        const int i = order ? order[p] : p;
        const int y = top - (r + 1) * NAME_LIST_ROW_H + 3;
        const int c = r == half ? 38 : 47;
        OGL_string(c, os_x + 4, y, id[i], WRAP_OFF_WIDTH, CHAR_PITCH);
        OGL_string(c, os_x + 40, y, name[i], WRAP_OFF_WIDTH, CHAR_PITCH);
    }
    return result;
}

}  // namespace orv
