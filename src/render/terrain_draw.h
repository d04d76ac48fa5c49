// terrain_draw.h -- the terrain mesh in texture batches with the ships in their cells, and
// the things that stand on it: city lights, trees, the lightning bolt, fires and smoke.
#pragma once

namespace orv {

constexpr int TERRAIN_TEX_FIRST = 12, TERRAIN_TEX_LAST = 23;

void plot_terrain();
// The ships' decks and the carrier's landing system for the flight, as plot_terrain leaves
// them, without drawing: a run without a picture calls this instead.
void ship_decks();
void plot_city_lights();
void plot_trees();
void plot_lightning();
void plot_fires();

// Cells of texture `tex` the terrain batch sends this frame (bounds and cone applied).
int terrain_cells_of_texture(int tex);
// The flame texture of a fire with the given phase at flame frame f (60..71).
int fire_texture(float frame, int phase);

}  // namespace orv
