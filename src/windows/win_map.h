// win_map.h -- the moving map (windows 3 and 24): a chart of the loaded region or an airport's
// approach chart, with the flown path and the aircraft, zoom and pan, and the custom start
// chosen by a click on it.
#pragma once

namespace orv {

// Chart kinds of msc.map_type.
enum { MAP_LOW_ENROUTE = 402, MAP_VIRTUAL_WORLD = 403, MAP_WEATHER = 404, MAP_PLATE = 998, MAP_PLAIN = 999 };

constexpr float MAP_ZOOM_STEP = 1.5f;
constexpr float MAP_ZOOM_LIMIT = 50.0f;     // zooming in stops once the zoom has reached this
constexpr int MAP_CHART_W = 352;            // the chart's part of the window, pixels
constexpr int MAP_CHART_H = 480;            // (below the title bar; the controls are at the right)
constexpr int MAP_PLATE_DX = 7;             // an approach chart stands this far right

// Region frame metres to chart pixels (origin bottom left of the chart, y up) and back.
float pixelxfinder(double x);
float pixelyfinder(double z);
double map_world_x(float px);
double map_world_z(float py);

// Puts the chart's centre on (x, z), at the chart's opening zoom unless keep_zoom is set.
void map_centre_on(double x, double z, int keep_zoom = 0);
// Zoom in (in set) or out by MAP_ZOOM_STEP round the chart's centre.
void map_zoom(int in);
// Moves the chart half a window: east dx = 1, west -1; north dy = 1, south -1.
void map_pan(int dx, int dy);
// The custom start at chart pixel (px, py): the flight starts there with the wheels' heading,
// altitude (at least the ground's) and speed.
void map_start_at(float px, float py);

// The aircraft's symbol at chart pixel (x, y), turned to its heading (a helicopter has its
// rotor disc); flag picks the second of the two flashing colours.
void flashplane(float x, float y, int flag);

void plot_map();

}  // namespace orv
