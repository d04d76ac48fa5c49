// region.h -- the scenery region: six one-degree quadrants (two rows of three) round the
// aircraft, with their terrain mesh, water, objects, runway areas and weather grid.
#pragma once

namespace orv {

// Loads the whole region whose south-west corner is (env.lat_sou, env.lon_wes).
void load_region();

}  // namespace orv
