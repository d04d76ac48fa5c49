// qz_mnw_draw.h -- what the window layer draws itself: window frames and backgrounds, the menu
// bar and its open menu, alerts, push buttons and the start-up progress display.
#pragma once

namespace orv {

constexpr int MENU_BAR_BOTTOM = 583;          // the menu bar covers y 583..600
constexpr int ALERT_OK_X1 = 20, ALERT_OK_Y1 = 15, ALERT_OK_X2 = 380, ALERT_OK_Y2 = 30;

// Draws a push button in window pixels; state 1 draws it pressed.
void MACIBM_button(int x1, int y1, int x2, int y2, int state);

// Composes window w's static parts into the screen image (background bitmap, frame, title,
// for the flight also the menu bar) and uploads it as the background tiles.
void mnw_build_window_image(int w);

// Name of the background bitmap of window w (0..25), "" when it has none.
const char* mnw_window_background(int w);

// Per-frame overlays, in OpenGL: the open menu, the alert on top (pressed: its O.K. button
// held down), the start-up progress.
void mnw_draw_open_menu();
void mnw_draw_alert(const char* const lines[4], int pressed);
void mnw_draw_progress(int step, int ticks);

}  // namespace orv
