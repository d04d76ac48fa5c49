// ships.h -- the carrier, frigate and oil rig in their water cells, the carrier's landing
// system published as navaids, and the ten traffic aircraft.
#pragma once

#include "world/terrain_grid.h"

namespace orv {

extern int carr_on_poly[TER_I][TER_J], frig_on_poly[TER_I][TER_J], oilr_on_poly[TER_I][TER_J];

constexpr int TRAFFIC = 10;
extern float traf_xyz[TRAFFIC][3];
extern float traf_v[TRAFFIC];
extern int   traf_h[TRAFFIC];

constexpr int CARR_LOC_FREQ = 10800, CARR_LOC_COURSE = 352;
constexpr int SURF_CARRIER_DECK = 73;

void CFR_3dquad(const float* xyz1, const float* xyz2, const float* xyz3, const float* xyz4);
void draw_a_carr(float xcg, float ycg, float zcg);
void draw_a_frig(float xcg, float ycg, float zcg);
void draw_a_oilr(float xcg, float ycg, float zcg);
// The carrier's localizer and glide slope at (lat, lon), deck height h (m).
void publish_carrier_ils(float lat, float lon, float h);

void make_a_plane(int t, int initial);
void place_all_traffic();          // every traffic aircraft, as at start-up
// Traffic t drawn this frame (clouds between it and the eye hide it).
int  traffic_visible(float traffic_y, float eye_y);

}  // namespace orv
