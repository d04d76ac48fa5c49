// lights_draw.h -- airport beacons, glide-slope indicators and runway light rows, and the
// obstacles: towers, buildings and custom objects.
#pragma once

namespace orv {

// Glide-slope indicator light white (1) or red (0) for the eye seen at angle deg above it:
// kind 2 two-bar (bar 0, 1), kind 3 four lights (0..3).
int glide_light_white(int kind, int light, float angle_deg);
// Runway end (0 first, 1 far) the eye looks toward, for a runway of first-end heading h.
int approach_end(float runway_heading, float view_heading);

void plot_rway_lights();
void plot_obstacles();
void plot_powertower(int o);
void plot_radtower(int o);
void plot_buildingsides();
void plot_buildingtops();
void plot_buildinglights();

}  // namespace orv
