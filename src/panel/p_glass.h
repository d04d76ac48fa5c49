// p_glass.h -- the glass displays: the EFIS map of the glass panel, the moving-map display and
// the weather radar in the supplementary place (update_glass), and the pages of the engine
// display (update_ecam). Each projects the aircraft's surroundings (navaids and airports of
// the loaded region, traffic, the weather-radar cells) onto its screen, heading up unless the
// pilot chose north up.
#pragma once

namespace orv {

enum { GLASS_EFIS_MAP = 22, GLASS_MOVING_MAP = 23, GLASS_WX_RADAR = 24 };

// A screen: where the aircraft sits, how many pixels the range spans, the clip box.
struct glass_window {
    float cx, cy, radius;
    float x1, y1, x2, y2;
};
struct glass_pt {
    float x, y;
    int in;   // inside the clip box (and, for the radar, its forward sector)
};

// The point (px, pz) of the region frame (X east, Z south, metres) on a screen showing the
// aircraft at (ax, az) with direction `up_deg` (true) straight up and `range_nm` at the
// window's radius.
glass_pt glass_project(double px, double pz, double ax, double az, float up_deg, float range_nm,
                       const glass_window& w);

// The screen of a display for the loaded panel's layout (and, for the EFIS map, its mode).
glass_window glass_screen(int mode);

// Radar cell colour for a weather value 0..1: 0 for none, then green, yellow and red.
int radar_colour(float v);

// Draws one display over the panel (the frame calls it while the display works).
void update_glass(int mode);

// Engine display pages: 3 engines (the gauges themselves), 4 fuel, 5 flight controls,
// 6 hydraulics, 7 failures. Draws pages 4..7 over the display's screen.
void update_ecam();

// The failure page's lines: the systems that have failed now, at most `max`; answers the count.
int ecam_failure_lines(const char** lines, int max);

}  // namespace orv
