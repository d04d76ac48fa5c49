#include "world/scene_tables.h"

#include "2-QZutils/qz_funct.h"
#include "2-QZutils/records.h"

namespace orv {

int   carr_on_poly[TER_I][TER_J];
int   frig_on_poly[TER_I][TER_J];
int   oilr_on_poly[TER_I][TER_J];
float traf_xyz[TRAFFIC_CAP][3];
int   traf_h[TRAFFIC_CAP];
float traf_v[TRAFFIC_CAP];

namespace {
constexpr float TRAFFIC_RANGE_NM = 30.0f, TRAFFIC_CEILING_FT = 20000.0f, TRAFFIC_SPEED_RATIO = 1.7f;
constexpr float TRAFFIC_SPREAD = 45.0f;   // degrees either side of the course back past the user
}  // namespace

// A traffic aircraft somewhere round the user (anywhere within range at the start, at the
// edge of the range afterwards), heading back past the user at a little under twice the
// user's stall speed.
void make_a_plane(int t, int initial)
{
    if (t < 0 || t >= TRAFFIC_CAP) return;
    const int b = intrand(0, 359);
    const float d = (initial ? fltrand(0.0f, TRAFFIC_RANGE_NM) : TRAFFIC_RANGE_NM) * con.nmtomtrs;
    traf_xyz[t][0] = fltlim((float)flt.X + d * isin(b), env.lox, env.hix);
    traf_xyz[t][2] = fltlim((float)flt.Z - d * icos(b), env.loz, env.hiz);
    traf_xyz[t][1] = fltrand(0.0f, TRAFFIC_CEILING_FT) * con.fttomtrs;
    traf_v[t] = msc.est_Vs * TRAFFIC_SPEED_RATIO;
    traf_h[t] = intwrap(b + 180 + round(fltrand(-TRAFFIC_SPREAD, TRAFFIC_SPREAD)), 0, 359);
}


}  // namespace orv
