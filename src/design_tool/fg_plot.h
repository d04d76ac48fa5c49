// fg_plot.h -- the design tool's 3-D view of the aircraft record (stored units, feet).
#pragma once

namespace orv {

// The view's zoom stays within these (1 shows the whole aircraft).
constexpr float FG_ZOOM_MIN = 0.05f, FG_ZOOM_MAX = 50.0f;

// The viewing distance: the largest extent of the aircraft from its centre of gravity among
// the propeller hubs, the surfaces' root and tip edges, the gear and the fuselage, never
// below a few feet (a record with nothing in it still gets a view).
float find_dis_to_plane();

// Draws the view background (msc.bluesky: sky, else black) below the menu bar and the
// aircraft over it at the view angles, offsets and zoom of msc; leaves the 800 x 600
// 2-D projection set for what is drawn after it.
void manage_plot(int floor_y = 0);   // drawn above floor_y (a design window's panel below)

// Rebuilds the drawn shape from pln (after a change, a load or New); textures are read again
// when `textures` is set and the view shows them.
void fg_reload_geometry(int textures);

// One frame of the turning view (msc.rotate_code 1 quick, 2 long): it stops after a full turn.
void fg_turn_view();

}  // namespace orv
