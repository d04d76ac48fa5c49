// magvar.cpp -- the variation lookup. The grid's values come from the build (a generated
// source file); the cell choice and the bilinear interpolation are here.
#include "world/magvar.h"

#include <cmath>

#include "2-QZutils/qz_funct.h"

namespace orv {

int find_var(float latdeg, float londeg)
{
    // The cell's south-west corner; outside the outer rows and columns the corner cell's
    // straight lines carry on (extrapolation north of 60 and south of -60).
    // Limited before scaling, so an absurd position cannot overflow the corner arithmetic.
    int lo_lat = 30 * intlim(orv::round(latdeg / 30.0f - 0.5f), -2, 1);
    int lo_lon = 10 * intlim(orv::round(londeg / 10.0f - 0.5f), -18, 17);
    int row = lo_lat / 30 + 2;
    int col = lo_lon / 10 + 18;

    float w = interp((float)lo_lat, magvar_grid[row][col], (float)(lo_lat + 30),
                     magvar_grid[row + 1][col], latdeg);
    float e = interp((float)lo_lat, magvar_grid[row][col + 1], (float)(lo_lat + 30),
                     magvar_grid[row + 1][col + 1], latdeg);
    float v = interp((float)lo_lon, w, (float)(lo_lon + 10), e, londeg);
    // A position that is no number (or far off the globe) must not become an arbitrary
    // integer in every frame's variation: no variation there, and at most half a turn.
    if (std::isnan(v)) return 0;
    return (int)(-fltlim(v, -180.0f, 180.0f));
}

}  // namespace orv
