// region_shift.h -- moving the scenery region one degree as the aircraft flies on: the data
// of the quadrants that stay moves in the arrays, the new quadrants are read by the caller.
#pragma once

namespace orv {

enum { SHIFT_WEST = 2, SHIFT_EAST = 3, SHIFT_NORTH = 4, SHIFT_SOUTH = 5 };

// Moves the region one degree (type SHIFT_*). Call it after the corner (env.lat_sou,
// env.lon_wes) has moved; then read the new quadrants (west: slots 0 and 3, east 2 and 5,
// north 3, 4, 5, south 0, 1, 2) and complete the region.
void drop_old_quadrants(int type);

// The whole shift: corner, drop, the new quadrants, completion and the new cloud sectors.
void shift_region(int type);

// Move the mesh (every per-point and per-cell table), the weather grid, the cloud grid or
// the quadrant reference arrays by (di, dj) points: what was at (i, j) goes to (i+di, j+dj).
// Points moved out are lost; points moved from keep their old values until read again.
void shift_geo(int di, int dj);
void shift_weather(int di, int dj);
void shift_cloud(int di, int dj);
void shift_ref(int di, int dj);

}  // namespace orv
