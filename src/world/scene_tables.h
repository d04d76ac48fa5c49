// scene_tables.h -- what the scenery places in the region besides the terrain and its
// objects: the cells that carry a ship or an oil rig, and the traffic aircraft. The region
// loader and the traffic generator fill them; flight starts and the scene read them.
#pragma once

#include "world/terrain_grid.h"

namespace orv {

constexpr int TRAFFIC_CAP = 10;        // traffic aircraft round the user

extern int   carr_on_poly[TER_I][TER_J];   // cell holds the carrier
extern int   frig_on_poly[TER_I][TER_J];   // cell holds the frigate
extern int   oilr_on_poly[TER_I][TER_J];   // cell holds the oil rig
extern float traf_xyz[TRAFFIC_CAP][3];     // traffic positions, region frame (m)
extern int   traf_h[TRAFFIC_CAP];          // traffic headings, whole degrees
extern float traf_v[TRAFFIC_CAP];          // traffic speeds, m/s

// Places traffic aircraft i anew: anywhere within range of the user when `at_start` is set,
// else at the edge of the range.
void make_a_plane(int i, int at_start);

}  // namespace orv
