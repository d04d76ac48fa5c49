// ships.h -- the carrier, frigate and oil rig in their water cells, the carrier's landing
// system published as navaids, and the ten traffic aircraft.
#pragma once

#include "world/scene_tables.h"

namespace orv {

constexpr int TRAFFIC = TRAFFIC_CAP;

constexpr int CARR_LOC_FREQ = 10800, CARR_LOC_COURSE = 352;
constexpr int SURF_CARRIER_DECK = 73;

void CFR_3dquad(const float* xyz1, const float* xyz2, const float* xyz3, const float* xyz4);
// `carrier` (0..5, the quadrant it sails in: carrier_of_cell) picks its own navaid pair.
void draw_a_carr(float xcg, float ycg, float zcg, int carrier = 0);
void draw_a_frig(float xcg, float ycg, float zcg);
void draw_a_oilr(float xcg, float ycg, float zcg);
// Carrier k's localizer and glide slope at (lat, lon), deck height h (m), in its own pair of
// navaid entries.
void publish_carrier_ils(int carrier, float lat, float lon, float h);
int  carrier_of_cell(int i, int j);

void place_all_traffic();          // every traffic aircraft, as at start-up
// Traffic t drawn this frame (clouds between it and the eye hide it).
int  traffic_visible(float traffic_y, float eye_y);

}  // namespace orv
