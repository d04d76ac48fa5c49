// views_keys.h -- choosing views from the keyboard and the View menu, and panning the outside
// views with the arrow keys. The keys only set the view fields of the records (set.view_type,
// set.view_is_fullscreen, scn.zoom, scn.dist, the free and spot view positions); the scene
// reads them when it places the eye.
#pragma once

namespace orv {

enum view_code {
    VIEW_FORWARD = 500, VIEW_DOWN4 = 501, VIEW_DOWN8 = 502,
    VIEW_LEFT45 = 504, VIEW_RIGHT45 = 505, VIEW_LEFT90 = 506, VIEW_RIGHT90 = 507,
    VIEW_LEFT135 = 508, VIEW_RIGHT135 = 509, VIEW_BACK = 511,
    VIEW_TOWER = 513, VIEW_RUNWAY = 514, VIEW_CHASE = 516, VIEW_FOLLOW = 517, VIEW_SPOT = 518,
    VIEW_FULL_HUD = 520, VIEW_FULL_NO_HUD = 521, VIEW_ZOOM_IN = 523, VIEW_ZOOM_OUT = 524,
    VIEW_SHOW_PATH = 525
};

// The View menu's commands 500..525 (other codes are ignored).
void view_menu(int code);

// The view 45 degrees left (dir -1) or right (+1) of the present one round the ring
// forward, 45, 90, 135, backwards; from a view off the ring, the first step off forward.
int  view_turned(int view, int dir);

// Arrow keys: 25 left, 26 right, 27 up, 28 down.
enum { FREEVIEW_LEFT = 25, FREEVIEW_RIGHT = 26, FREEVIEW_UP = 27, FREEVIEW_DOWN = 28 };
void freeviews_keys(int code);

constexpr float SPOT_STEP_M = 100;    // one arrow press moves the spot camera this far

// While the ATC menu is up the arrows also move its selection (null: no ATC menu).
void views_set_atc_move_hook(void (*move)(int dcol, int drow));

}  // namespace orv
