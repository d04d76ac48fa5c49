// sky_stars.h -- the star field: fixed points on a sphere of radius 1000 m around the eye.
#pragma once

namespace orv {

constexpr int STAR_COUNT = 2000;
extern float star_xyz[STAR_COUNT][3];   // east, up, south of the eye, metres

// Scatters the stars with the random generator: elevations crowd toward the horizon, from
// 22.5 degrees below it to about 71 above.
void build_star_field();

}  // namespace orv
