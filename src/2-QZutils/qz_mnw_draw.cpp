// The window layer's own pictures: frames, backgrounds, menus, alerts and progress.
#include "2-QZutils/qz_mnw_draw.h"

#include <cstring>

#include "2-QZutils/qgl.h"
#include "2-QZutils/qz_bitmap.h"
#include "2-QZutils/qz_file.h"
#include "2-QZutils/qz_font.h"
#include "2-QZutils/qz_graph.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/records.h"
#include "platform/plat_fs.h"

namespace orv {

// Colours of the window layer's furniture (untinted, so night lighting leaves menus readable),
// and the two text colours the menus use.
enum { C_FACE = 63, C_FACE_DARK = 66, C_EDGE_LIGHT = 38, C_HILITE = 43, C_TEXT = 22, C_TEXT_MARKED = 29,
       C_FRAME = 69, C_BLANK = 69 };
constexpr int CHAR_W = 6, ITEM_TEXT_X = 14, ITEM_TEXT_Y = 3, TITLE_BAR_H = 14;

static const char* const backgrounds[26] = {
    "panl", "loc_id_", "loc_nam", "loc_nrt", "loc_wrl", "loc_lat", "loc_whr", "set_dat", "set_ser",
    "set_tim", "set_ogl", "set_spa", "set_atm", "set_gnd", "set_wat", "set_flt", "set_wgt", "set_rel",
    "set_ins", "set_eqp", "set_snd", "set_wrn", "out_grf", "", "out_plt", "fltplan",
};

const char* mnw_window_background(int w) { return (w >= 0 && w <= 25) ? backgrounds[w] : ""; }

void MACIBM_button(int x1, int y1, int x2, int y2, int state)
{
    OGL_fillrect(state ? C_FACE_DARK : C_FACE, x1, y1, x2 - x1, y2 - y1);
    OGL_line(state ? C_FRAME : C_EDGE_LIGHT, x1, y2, x2, y2);
    OGL_line(state ? C_FRAME : C_EDGE_LIGHT, x1, y1, x1, y2);
    OGL_line(state ? C_EDGE_LIGHT : C_FRAME, x1, y1, x2, y1);
    OGL_line(state ? C_EDGE_LIGHT : C_FRAME, x2, y1, x2, y2);
}

static void centred_text(int color, float cx, float y, const char* text)
{
    OGL_string(color, cx - CHAR_W * (float)std::strlen(text) / 2, y, text, WRAP_OFF_WIDTH, CHAR_W);
}

// A window's frame and title bar, in window pixels.
static void frame_and_title(int w)
{
    OGL_framerect(C_FRAME, 0, 0, mnw.dx - 1, mnw.dy - 1);
    OGL_fillrect(C_FACE_DARK, 1, mnw.dy - TITLE_BAR_H, mnw.dx - 2, TITLE_BAR_H - 1);
    centred_text(C_TEXT_MARKED, mnw.dx / 2.0f, mnw.dy - TITLE_BAR_H + 4, mnw_window_title(w));
}

// The background bitmap when it is there; a plain face when it is not (said once in the log,
// since an alert here would rebuild the window it came from).
static void window_background(int w)
{
    const char* name = mnw_window_background(w);
    char path[PATH_LEN];
    if (name[0] && texbmp_path(BMP_SCREEN, 0, name, path) && plat_is_readable_file(native_path(path))) {
        OGL_texbmp(BMP_SCREEN, 0, 0, name);
        return;
    }
    static int told[26];
    if (name[0] && w >= 0 && w <= 25 && !told[w]) {
        told[w] = 1;
        char line[PATH_LEN + 40];
        std::snprintf(line, sizeof line, "window background missing: %s", path);
        mnw_log(line);
    }
    OGL_fillrect(w == 0 ? C_BLANK : C_FACE, 0, 0, mnw.dx, mnw.dy);
}

static void menu_bar()
{
    mnw_layout_menu_bar();
    OGL_fillrect(C_FACE, 0, MENU_BAR_BOTTOM, SCREEN_W, SCREEN_H - MENU_BAR_BOTTOM);
    OGL_line(C_FRAME, 0, MENU_BAR_BOTTOM, SCREEN_W, MENU_BAR_BOTTOM);
    for (int m = 0; m < MENU_COUNT; m++) {
        if (mnw.menu_prnt[m] != -1 || !mnw.menu_name[m][0]) continue;
        OGL_string(C_TEXT_MARKED, mnw.menux1[m], MENU_BAR_BOTTOM + 5, mnw.menu_name[m], WRAP_OFF_WIDTH, CHAR_W);
    }
}

void mnw_build_window_image(int w)
{
    if (w == WIN_ALERT || w == WIN_ALERT_SMALL) return;              // alerts are drawn over the picture each frame
    const int keep = to_array;
    to_array = 1;
    if (w == 0) {
        std::memset(rgb_array, 0, sizeof rgb_array);
        window_background(0);
        mnw_build_window_statics(0);
        menu_bar();
    } else {
        window_background(w);
        mnw_build_window_statics(w);
        frame_and_title(w);
        if (w >= WIN_DESIGN_FIRST && w <= WIN_DESIGN_LAST) menu_bar();   // the design tool's menus stay live
    }
    to_array = keep;
    OGL_upload_background();
}

static int item_is_real(int m, int k)
{
    const char* t = mnw.item_name[m][k];
    return t[0] && std::strcmp(t, "-") != 0;
}

static int item_checked(int code)
{
    if (code >= 500 && code <= 521) return code == set.view_type;
    if (code == 525) return msc.show_path;
    if (code == 611) return msc.logtime;
    return 0;
}

static void check_mark(float x, float y)
{
    OGL_line(C_TEXT_MARKED, x, y + 4, x + 2, y + 1);
    OGL_line(C_TEXT_MARKED, x + 2, y + 1, x + 7, y + 8);
}

void mnw_draw_open_menu()
{
    const int m = mnw.menu_up;
    if (m < 0 || m >= MENU_COUNT) return;
    const float mx = mnw.mx + mnw.x, my = mnw.my + mnw.y;
    int x1 = 9999, y1 = 9999, x2 = -9999, y2 = -9999;
    for (int k = 0; k < 100; k++) {
        if (!mnw.item_name[m][k][0]) continue;
        if (mnw.itemx1[m][k] < x1) x1 = mnw.itemx1[m][k];
        if (mnw.itemy1[m][k] < y1) y1 = mnw.itemy1[m][k];
        if (mnw.itemx2[m][k] > x2) x2 = mnw.itemx2[m][k];
        if (mnw.itemy2[m][k] > y2) y2 = mnw.itemy2[m][k];
    }
    if (x2 < x1) return;
    const int keep_x = mnw.x, keep_y = mnw.y;
    mnw.x = mnw.y = 0;                             // menus are placed in screen pixels
    OGL_fillrect(C_FACE, x1, y1, x2 - x1, y2 - y1);
    OGL_framerect(C_FRAME, x1, y1, x2 - x1, y2 - y1);
    for (int k = 0; k < 100; k++) {
        const char* t = mnw.item_name[m][k];
        if (!t[0]) continue;
        const int ix1 = mnw.itemx1[m][k], iy1 = mnw.itemy1[m][k], ix2 = mnw.itemx2[m][k], iy2 = mnw.itemy2[m][k];
        if (!item_is_real(m, k)) {
            OGL_line(C_TEXT, ix1 + 2, iy1 + 1, ix2 - 2, iy1 + 1);
            OGL_line(C_EDGE_LIGHT, ix1 + 2, iy1, ix2 - 2, iy1);
            continue;
        }
        const int code = 100 * m + k;
        const int marked = mx >= ix1 && mx <= ix2 && my >= iy1 && my <= iy2;
        if (marked) OGL_fillrect(C_HILITE, ix1 + 1, iy1, ix2 - ix1 - 2, iy2 - iy1);
        else OGL_string(C_EDGE_LIGHT, ix1 + ITEM_TEXT_X + 1, iy1 + ITEM_TEXT_Y - 1, t, WRAP_OFF_WIDTH, CHAR_W);
        OGL_string(marked ? C_TEXT_MARKED : C_TEXT, ix1 + ITEM_TEXT_X, iy1 + ITEM_TEXT_Y, t, WRAP_OFF_WIDTH, CHAR_W);
        if (item_checked(code)) check_mark(ix1 + 3, iy1 + 2);
        if (mnw_submenu_of(code) >= 0) {             // an arrow: this item opens a submenu
            float ax = ix2 - 8, ay = iy1 + 6;
            OGL_line(C_TEXT_MARKED, ax, ay - 3, ax + 3, ay);
            OGL_line(C_TEXT_MARKED, ax + 3, ay, ax, ay + 3);
        }
    }
    mnw.x = keep_x;
    mnw.y = keep_y;
}

void mnw_draw_alert(const char* const lines[4], int pressed)
{
    OGL_setstate(0, 0, 0, 0);
    OGL_fillrect(C_FACE, 0, 0, mnw.dx, mnw.dy);
    frame_and_title(mnw.topwin);
    const int width = mnw.dx - 2 * ALERT_OK_X1;
    float y = mnw.dy - TITLE_BAR_H - 20;
    for (int i = 0; i < 4; i++) {
        if (lines[i] && lines[i][0]) OGL_string(C_TEXT_MARKED, ALERT_OK_X1, y, lines[i], width, CHAR_W);
        y -= (mnw.dy - 60) / 4.0f;
    }
    const int x2 = mnw.dx - ALERT_OK_X1;
    MACIBM_button(ALERT_OK_X1, ALERT_OK_Y1, x2, ALERT_OK_Y2, pressed);
    centred_text(C_TEXT_MARKED, (ALERT_OK_X1 + x2) / 2.0f, ALERT_OK_Y1 + 4, "O.K.");
}

void mnw_draw_progress(int step, int ticks)
{
    const int keep_x = mnw.x, keep_y = mnw.y;
    mnw.x = mnw.y = 0;
    OGL_setstate(0, 0, 0, 0);
    OGL_fillrect(C_BLANK, 0, 0, SCREEN_W, SCREEN_H);
    centred_text(C_EDGE_LIGHT, SCREEN_W / 2.0f, 320, "Vantorel is starting...");
    // Three steps of start-up, and within them every texture loaded moves the bar a little.
    const float done = (step - 1 + (ticks % 64) / 64.0f) / 3.0f;
    OGL_framerect(C_EDGE_LIGHT, 200, 290, 400, 12);
    OGL_fillrect(C_HILITE, 202, 292, 396 * (done < 0 ? 0 : done > 1 ? 1 : done), 8);
    mnw.x = keep_x;
    mnw.y = keep_y;
}

}  // namespace orv
