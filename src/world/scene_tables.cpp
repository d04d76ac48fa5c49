#include "world/scene_tables.h"

namespace orv {

int   carr_on_poly[TER_I][TER_J];
int   frig_on_poly[TER_I][TER_J];
int   oilr_on_poly[TER_I][TER_J];
float traf_xyz[TRAFFIC_CAP][3];
int   traf_h[TRAFFIC_CAP];
float traf_v[TRAFFIC_CAP];

void make_a_plane(int, int) {}

}  // namespace orv
