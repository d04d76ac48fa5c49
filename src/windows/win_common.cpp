#include "windows/win_common.h"

#include <cstring>

#include "2-QZutils/qz_btn.h"
#include "2-QZutils/qz_font.h"
#include "2-QZutils/qz_graph.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/records.h"
#include "world/nav_db.h"

namespace orv {

constexpr int CLOSE_BOX = 10, CLOSE_INSET = 3;

void win_close() { MACIBM_startwind(WIN_COCKPIT); }

int win_frame()
{
    const int x1 = mnw.dx - CLOSE_INSET - CLOSE_BOX, y1 = mnw.dy - CLOSE_INSET - CLOSE_BOX;
    const int outside = mnw.mx < 0 || mnw.mx >= mnw.dx || mnw.my < 0 || mnw.my >= mnw.dy;
    if (mnw.mouse_clicked && (outside || btn_clicked_in(x1, y1, x1 + CLOSE_BOX, y1 + CLOSE_BOX))) {
        win_close();
        return 1;
    }
    OGL_setstate(0, 0, 0, 0);
    OGL_fillrect(63, x1, y1, CLOSE_BOX, CLOSE_BOX);
    OGL_framerect(69, x1, y1, CLOSE_BOX, CLOSE_BOX);
    OGL_line(69, x1 + 2, y1 + 2, x1 + CLOSE_BOX - 2, y1 + CLOSE_BOX - 2);
    OGL_line(69, x1 + 2, y1 + CLOSE_BOX - 2, x1 + CLOSE_BOX - 2, y1 + 2);
    return 0;
}

void win_text(int color, int x, int y, const char* text) { OGL_string(color, x, y, text, WRAP_OFF_WIDTH, WIN_CHAR_W); }
void win_caption(int x, int y, const char* text) { win_text(WC_CAPTION, x, y, text); }

int win_wheel_row(int x, int y, int wheel_dx, const char* caption, float* stored, float shown_per_stored,
                  int dig, int dec, float lo, float hi, const char* unit)
{
    if (caption && caption[0]) win_caption(x, y, caption);
    float shown = *stored * shown_per_stored;
    const int changed = instdbtn_range(WC_DIGITS, x + wheel_dx, y, &shown, dig, dec, lo, hi);
    if (changed) *stored = shown / shown_per_stored;
    if (unit && unit[0]) win_text(WC_UNIT, x + wheel_dx + dig * BTN_DIGIT_W + 6, y, unit);
    return changed;
}

int win_int_wheel_row(int x, int y, int wheel_dx, const char* caption, int* stored, int dig, int lo, int hi,
                      const char* unit)
{
    float v = (float)*stored;
    const int changed = win_wheel_row(x, y, wheel_dx, caption, &v, 1.0f, dig, 0, (float)lo, (float)hi, unit);
    if (changed) *stored = (int)(v < 0 ? v - 0.5f : v + 0.5f);
    return changed;
}

int win_check_row(int x, int y, const char* caption, int* var)
{
    const int changed = inboolbtn(x, y, var);
    win_caption(x + 16, y + 1, caption);
    return changed;
}

int win_choice_row(int x, int y, int caption_dx, const char* caption, const char* const* choices, int n,
                   int arrows_dx, int* zero_based)
{
    if (caption && caption[0]) win_caption(x, y, caption);
    int one_based = *zero_based + 1;
    const int changed = intextbtn(x + caption_dx, y, choices, n, arrows_dx, &one_based);
    *zero_based = one_based - 1;
    return changed;
}

int win_airport_by_id(const char* id4, int last)
{
    char want[4] = {' ', ' ', ' ', ' '};
    for (int k = 0; k < 4 && id4[k]; k++) want[k] = id4[k];
    const int n = env.aptmax + 1 < APT_CAP ? env.aptmax + 1 : APT_CAP;
    int found = -1;
    for (int a = 0; a < n && (found < 0 || last); a++)
        if (!std::memcmp(apt_id[a], want, 4)) found = a;
    return found;
}

}  // namespace orv
