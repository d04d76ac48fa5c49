// magvar.h -- magnetic variation from a coarse world grid (5 latitude rows by 37 longitude
// columns, easterly positive, degrees), compiled into the program from the grid file the
// build is given.
#pragma once

namespace orv {

constexpr int MAGVAR_ROWS = 5;    // latitudes -60, -30, 0, 30, 60
constexpr int MAGVAR_COLS = 37;   // longitudes -180 .. 180 by 10

extern const float magvar_grid[MAGVAR_ROWS][MAGVAR_COLS];

// Declared in world/nav_db.h as well: whole degrees, easterly variation negative.
int find_var(float latdeg, float londeg);

}  // namespace orv
