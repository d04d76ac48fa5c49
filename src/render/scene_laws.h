// scene_laws.h -- the decisions the scene update takes each frame, as plain functions of
// their inputs: region following, the view table, visibility in and near cloud, the sun,
// sky and light colours through the day, fog, the projection and the head-up display box.
// None of them draws or reads the records, so each law is checked without a context.
#pragma once

#include "world/region_shift.h"

namespace orv {

struct rgb3 { float r, g, b; };

// ---- region following
// Shift type for the aircraft at (lat, lon) in the region whose south-west corner is
// (lat_sou, lon_wes): 0 none, 2 west, 3 east, 4 north, 5 south (in that order of precedence).
constexpr int SHIFT_NONE = 0;
int region_shift_type(float lat, float lon, int lat_sou, int lon_wes);

// ---- views
enum {
    VIEW_FWD = 500, VIEW_FWD_DOWN4 = 501, VIEW_FWD_DOWN8 = 502, VIEW_LEFT45 = 504,
    VIEW_RIGHT45 = 505, VIEW_LEFT90 = 506, VIEW_RIGHT90 = 507, VIEW_LEFT135 = 508,
    VIEW_RIGHT135 = 509, VIEW_BACK = 511, VIEW_TOWER = 513, VIEW_RUNWAY = 514,
    VIEW_CHASE = 516, VIEW_FREE = 517, VIEW_SPOT = 518, VIEW_FWD_B = 520, VIEW_FWD_C = 521
};
struct eye_attitude { float the, psi, phi; };
int view_is_outside(int view);      // the eye leaves the cockpit and looks at the aircraft
int view_is_forward(int view);      // the head-up displays show in these
// Eye attitude of a cockpit view from the aircraft's pitch, heading and roll (degrees);
// heading wrapped into 0..360. Outside views answer the aircraft's own attitude.
eye_attitude view_attitude(int view, float the, float psi, float phi);
int view_octant(float heading);     // 1 (0..44 degrees) .. 8 (315..359)
// HUD pitch-reference offset of the view, degrees (-4, -8 or 0).
float view_pitch_offset(int view);

// ---- visibility
float cloud_ragged(float base_agl);                 // half-depth of the ragged base, 0..300 m
// 1 clear .. 0 opaque as the eye at height y crosses the cloud band.
float cloud_band_factor(float y, float base, float tops, float ragged);
int   in_cloud_band(float y, float base, float tops, float ragged);
// Effective visibility (m) from the reported one (m), its multiplier and the eye height
// above ground; with an overcast layer also the storm level and the band factor.
float visibility_law(float vis_rep, float vis_mult, float eye_agl, int overcast, int abovetops,
                     float level, float band_factor);

// A random cloud puff inside the band: the dimming factor of a puff of length dur and depth
// d at time t into it, and the state stepped by one frame.
float puff_shape(float t, float dur, float depth);
struct cloud_puff { int active; float t, dur, depth; };
float puff_step(cloud_puff* p, float prd, int in_band, float kias);

// ---- sun, light and sky
float sun_angle(float hours);                        // -90..90, 0 at noon
float haze_factor(float level);                      // 1 .. 0.5 over storm levels 0..4
float terrain_brightness(float hours, float level, int clear, int abovetops);
float light_level(float hours, float level, int clear, int abovetops);
float sun_elevation(float hours);                    // light direction angle, 30..90
// Time-of-day tints of the light and the sky base, per channel (1 by day).
rgb3 light_tint(float hours);
rgb3 sky_tint(float hours, int clear_or_above);

struct sky_law_out { rgb3 base; float rat1, rat2, rat3; };
// Base colour of the sky and its gradient factors for an eye y m (MSL) high.
sky_law_out sky_law(float hours, float brat, float level, int cld_type, float eye_y,
                    float base, float tops, float ragged, int abovetops);
// A colour blended toward white by a strike at dist nautical miles (none from 30 on).
rgb3 lightning_blend(rgb3 c, float dist_nm);

// ---- projection
struct projection_law_out {
    int   vx, vy, vw, vh;          // 3-D viewport, window pixels
    float near_m, far_m;
    float half_w, half_h;          // frustum half-extents at the near plane
    float sky_dist;                // half-width of the sky box, m
};
projection_law_out projection_law(int fullscreen, float eye_agl, float eye_above, float vis,
                                  float zoom);
struct hud_box_out { float lft, rgt, top, bot, cx, cy; };
hud_box_out hud_box(int fullscreen);

// The head-up display an aircraft carries, by its `HUDtype` as the aircraft file defines it:
// 1 none, 3 the one with flight-path hoops, any other the normal one.
constexpr int HUD_NONE = 0, HUD_NORMAL = 1, HUD_HOOPS = 3;
int hud_kind(int hud_type);
// The display drawn this frame: the normal one on the strip's HUD switch, the type-3 one on
// its HOOP switch.
int hud_shown(int hud_type, int hud_on, int hoop_on);

// ---- lights on
int city_lights_on(float hours);
int runway_lights_on(float hours, float vis_rep_m);

}  // namespace orv
