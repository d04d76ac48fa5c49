// region_shift.h -- moving the scenery region one degree as the aircraft flies on: the data
// of the quadrants that stay moves in the arrays, the new quadrants are read by the caller.
#pragma once

namespace orv {

// Shift types, as the scene's region following names them.
enum { REGION_WEST = 2, REGION_EAST = 3, REGION_NORTH = 4, REGION_SOUTH = 5 };
// The aircraft is too far from the region for a one-degree step: a new region round it.
constexpr int REGION_RELOAD = 6;

// Moves the region's data one degree (type REGION_*), called while the corner (env.lat_sou,
// env.lon_wes) is still the old one: the quadrants that stay move in the arrays.
void drop_old_quadrants(int type);

// The whole shift the scene's region following asks for: the drop, the new corner, the new
// quadrants (west: slots 0 and 3, east 2 and 5, north 3, 4, 5, south 0, 1, 2), the region's
// completion (finish_nav_readin) and the new cloud sectors. REGION_RELOAD loads the region
// round the aircraft's latitude and longitude and puts the aircraft at its place in the new
// frame (its velocity is true east and south, so it keeps it).
void shift_region(int type);

// Move the mesh (every per-point and per-cell table), the weather grid, the cloud grid or
// the quadrant reference arrays by (di, dj) points: what was at (i, j) goes to (i+di, j+dj).
// Points moved out are lost; points moved from keep their old values until read again.
void shift_geo(int di, int dj);
void shift_weather(int di, int dj);
void shift_cloud(int di, int dj);
void shift_ref(int di, int dj);

}  // namespace orv
