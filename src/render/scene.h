// scene.h -- the per-frame scene: region following, the eye for the selected view, the
// visibility, light and sky of the frame, the drawing bounds and view cone, and the draw
// order of the 3-D world, its overlays and the panel.
#pragma once

#include "2-QZutils/qz_rand.h"
#include "render/scene_laws.h"
#include "world/obstacles.h"
#include "world/terrain_grid.h"

namespace orv {

// Light colour of the frame and the terrain brightness (0..1).
extern float lite_r, lite_g, lite_b, ogl_brat_ter;
// In-range flags of the frame: terrain points in the view cone, objects, region airports.
extern int ter_inrange[TER_I][TER_J];
extern int obj_inrange[OBJ_CAP];
// The view cone: apex at the eye, far corners 45 degrees either side of the view.
extern float x0, z0, x1, z1, x2, z2;

void update_scenery();
// A run without a picture (1 by default: draw) does only the frame's work the flight depends
// on: the region, the eye, the visibility, the decks and surfaces under the aircraft.
void scene_set_drawing(int on);
// Random draws of the drawing alone (smoke, rain on the glass, meteors), apart from the main
// stream so that what is drawn never changes the flight.
extern rand_stream draw_rand;
void scn2(int typeshift);
int  incone(float x, float z, float dxz);

// The region moves with the aircraft: at most one shift a frame; answers the shift done.
// The shift itself (corner, quadrants, completion, clouds) is the scenery module's.
int  region_follow();
// The region shift the scene calls (the scenery module's by default); tests put their own.
void scene_set_region_shift(void (*fn)(int type));

// Eye placement alone (the first half of the frame), and the frame's derived values, for
// callers that want them without drawing.
void place_eye();
struct scene_frame {
    float hours;                   // local time, h
    float eye_agl;                 // eye height above the terrain under it, m
    int   octant;
    int   clear;                   // no cloud layer
    float ragged;
    rgb3  base;                    // sky base colour (also the fog colour)
    float rat1, rat2, rat3;
    projection_law_out proj;
};
const scene_frame& scene_last_frame();
void scene_frame_setup();          // steps 1..6 of the frame, visibility, bounds, light, sky
void scene_reset();                // forget the lagged eye, the puff and the bound keys

// Start-up defaults of the eye (zoom, chase distance, forward view); the application then
// hands update_scenery to the frame update.
void scene_init();

}  // namespace orv
