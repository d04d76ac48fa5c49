// flt_init.h -- flight initialisation: places the aircraft for a new flight of one of the
// start types (runway, approaches, custom positions, strips, helipads, ships, formation,
// fire, catapult, seaplane) and resets the flight state.
#pragma once

namespace orv {

// Start types: 8 runway (msc.typestart 7 take-off, 8 short final, 9 long final), 9 custom,
// 10 custom airborne, 11..13 grass, dirt and gravel strips, 14 helipad, 15 carrier,
// 16 oil rig, 17 frigate, 18 formation, 19 forest fire, 20 catapult, 21 seaplane.
void set_fltvars(int type_start);
void initpower(float pwr);      // 0..1; below 0.1 the engines are at rest
void setgear(int setting);      // 1: gear down and parking brake on

// Region frame round the selected airport (msc.loc_apt_wrl, msc.rway_sel) when it lies
// outside the loaded region: corner at (round(lat - 1), round(lon - 1.5)), then the
// region loads. Where no scenery loads, the region is flat land at the field's elevation.
void frame_region_on_airport();
// A flat region of land at `height` (m) with its frame from env.lat_sou and env.lon_wes.
void set_flat_region_frame(float height);

}  // namespace orv
