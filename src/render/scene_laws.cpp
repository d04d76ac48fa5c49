#include "render/scene_laws.h"

#include <cmath>

#include "2-QZutils/qz_funct.h"

namespace orv {

namespace {

// Region following: the aircraft is kept in the middle degree of the three across and
// the two high; each band below leaves some hysteresis round the middle.
constexpr float SHIFT_WEST_BELOW = 0.95f, SHIFT_EAST_ABOVE = 2.05f;
constexpr float SHIFT_SOUTH_BELOW = 0.45f, SHIFT_NORTH_ABOVE = 1.55f;

constexpr float RAGGED_MAX = 300.0f;            // m
constexpr float TOPS_FEATHER = 600.0f;          // tops fade to clear over this, m
constexpr float VIS_MIN = 185.2f, VIS_MAX = 37040.0f;          // 0.1 .. 20 nm
constexpr float VIS_ABOVE_MIN = 18520.0f, VIS_ABOVE_MAX = 166680.0f;
constexpr float VIS_FLOOR = 1.0f;               // fog needs a non-empty range
constexpr float VIS_HEIGHT_FULL = 10000.0f;     // height at which the range has doubled, m
constexpr float PUFF_RAMP = 0.2f;               // share of a puff spent fading in and out

constexpr float SUN_DEG_PER_HOUR = 90.0f / 8.0f;
constexpr float LIGHT_GAMMA = 0.67f;
constexpr float EYE_FT_SKY_BLACK = 260000.0f;   // the sky base darkens to black up here, ft

constexpr rgb3 CLEAR_SKY = {0.4f, 0.6f, 1.0f};
constexpr float CLOUD_TOP_GREY = 0.8f, CLOUD_BOTTOM_GREY = 0.5f;
constexpr rgb3 SUNSET_LIGHT = {1.4f, 0.8f, 0.8f};
constexpr rgb3 SUNSET_SKY = {1.4f, 0.8f, 0.8f};
constexpr rgb3 SUNSET_SKY_CLEAR = {2.4f, 0.6f, 0.3f};
constexpr rgb3 MOONLIGHT = {0.9f, 0.9f, 1.2f};
constexpr float STRIKE_REACH_NM = 30.0f;

constexpr float NEAR_MIN = 0.1f, NEAR_MAX = 10.0f;
constexpr float FRUSTUM_HALF_AT_ZOOM1 = 0.75f;   // tan of the half field of view
constexpr float SKY_MARGIN = 3000.0f, SKY_WALL = 0.4f, FAR_MIN = 18520.0f;

rgb3 scale(rgb3 c, float k) { return {c.r * k, c.g * k, c.b * k}; }
rgb3 blend(rgb3 a, rgb3 b, float f) { return {a.r + (b.r - a.r) * f, a.g + (b.g - a.g) * f, a.b + (b.b - a.b) * f}; }
float ramp(float x1, float x2, float x) { return fltlim((x - x1) / (x2 - x1), 0.0f, 1.0f); }

// The factor of a tint that runs from 1 at the edges of dawn and dusk to `peak` at 6 and
// 18 h, and from 1 at 5.5 and 18.5 h to `night` at midnight.
float tint_channel(float h, float peak, float night)
{
    if (h < 5.5f) return interp(0.0f, night, 5.5f, 1.0f, h);
    if (h < 6.0f) return interp(5.5f, 1.0f, 6.0f, peak, h);
    if (h < 6.5f) return interp(6.0f, peak, 6.5f, 1.0f, h);
    if (h < 17.5f) return 1.0f;
    if (h < 18.0f) return interp(17.5f, 1.0f, 18.0f, peak, h);
    if (h < 18.5f) return interp(18.0f, peak, 18.5f, 1.0f, h);
    return interp(18.5f, 1.0f, 24.0f, night, h);
}

rgb3 tint(float h, rgb3 peak, rgb3 night)
{
    return {tint_channel(h, peak.r, night.r), tint_channel(h, peak.g, night.g), tint_channel(h, peak.b, night.b)};
}

}  // namespace

int region_shift_type(float lat, float lon, int lat_sou, int lon_wes)
{
    if (lon < (float)lon_wes + SHIFT_WEST_BELOW) return REGION_WEST;
    if (lon > (float)lon_wes + SHIFT_EAST_ABOVE) return REGION_EAST;
    if (lat < (float)lat_sou + SHIFT_SOUTH_BELOW) return REGION_SOUTH;
    if (lat > (float)lat_sou + SHIFT_NORTH_ABOVE) return REGION_NORTH;
    return SHIFT_NONE;
}

int view_is_outside(int v)
{
    return v == VIEW_TOWER || v == VIEW_RUNWAY || v == VIEW_SPOT || v == VIEW_CHASE || v == VIEW_FREE;
}

int view_is_forward(int v)
{
    return v == VIEW_FWD || v == VIEW_FWD_DOWN4 || v == VIEW_FWD_DOWN8 || v == VIEW_FWD_B || v == VIEW_FWD_C;
}

eye_attitude view_attitude(int v, float t, float p, float f)
{
    eye_attitude e = {t, p, f};
    switch (v) {
    case VIEW_FWD_DOWN4: e = {t - 4.0f, p, f}; break;
    case VIEW_FWD_DOWN8: e = {t - 8.0f, p, f}; break;
    case VIEW_LEFT45:    e = {(t + f) * 0.5f, p - 45.0f, (f - t) * 0.5f}; break;
    case VIEW_RIGHT45:   e = {(t - f) * 0.5f, p + 45.0f, (f + t) * 0.5f}; break;
    case VIEW_LEFT90:    e = {f, p - 90.0f, -t}; break;
    case VIEW_RIGHT90:   e = {-f, p + 90.0f, t}; break;
    case VIEW_LEFT135:   e = {(f - t) * 0.5f, p - 135.0f, (-f - t) * 0.5f}; break;
    case VIEW_RIGHT135:  e = {(-t - f) * 0.5f, p + 135.0f, (t - f) * 0.5f}; break;
    case VIEW_BACK:      e = {-t, p + 180.0f, -f}; break;
    default: break;
    }
    e.psi = fltwrap(e.psi, 0.0f, 360.0f);
    return e;
}

int view_octant(float heading)
{
    const int h = intwrap((int)std::floor(heading), 0, 359);
    return h / 45 + 1;
}

float view_pitch_offset(int v)
{
    if (v == VIEW_FWD_DOWN4) return -4.0f;
    if (v == VIEW_FWD_DOWN8) return -8.0f;
    return 0.0f;
}

float cloud_ragged(float base_agl) { return fltlim(base_agl * 0.5f, 0.0f, RAGGED_MAX); }

float cloud_band_factor(float y, float base, float tops, float ragged)
{
    if (y <= base - ragged || y >= tops + TOPS_FEATHER) return 1.0f;
    if (y < base + ragged) {
        const float fall = 1.0f - ramp(base - ragged, base + ragged, y);
        return fall * fall;
    }
    if (y <= tops) return 0.0f;
    const float rise = ramp(tops, tops + TOPS_FEATHER, y);
    return rise * rise;
}

int in_cloud_band(float y, float base, float tops, float ragged)
{
    return y > base - ragged && y < tops + TOPS_FEATHER;
}

float visibility_law(float vis_rep, float vis_mult, float eye_agl, int overcast, int abovetops,
                     float level, float band_factor)
{
    const float v = interp(0.0f, 1.0f, VIS_HEIGHT_FULL, 2.0f, fltlim(eye_agl, 0.0f, VIS_HEIGHT_FULL)) * vis_mult;
    float vis = fltlim(vis_rep * v, VIS_MIN, VIS_MAX);
    if (overcast && abovetops) vis = fltlim(VIS_ABOVE_MAX * v, VIS_ABOVE_MIN, VIS_ABOVE_MAX);
    if (overcast) vis *= band_factor / (fltlim(level, 0.0f, 1e6f) + 1.0f);
    return fltmax2(vis, VIS_FLOOR);
}

float puff_shape(float t, float dur, float depth)
{
    if (dur <= 0.0f) return 1.0f;
    const float u = t / dur;
    float f = 1.0f;
    if (u < PUFF_RAMP) f = interp(0.0f, 1.0f, PUFF_RAMP, depth, u);
    else if (u > 1.0f - PUFF_RAMP) f = interp(1.0f - PUFF_RAMP, depth, 1.0f, 1.0f, u);
    else f = depth;
    return fltlim(f, depth, 1.0f);
}

float puff_step(cloud_puff* p, float prd, int in_band, float kias)
{
    if (!in_band) {
        p->active = 0;
        return 1.0f;
    }
    if (!p->active) {
        if (fltrand(0.0f, 2.0f) >= prd) return 1.0f;
        p->active = 1;
        p->t = 0.0f;
        p->dur = fltrand(0.5f, 3.0f) / (fltmax2(kias, 0.0f) / 90.0f + 0.0001f);
        p->depth = fltrand(0.0f, 1.0f);
    }
    p->t += prd;
    if (p->t >= p->dur) {
        p->active = 0;
        return 1.0f;
    }
    return puff_shape(p->t, p->dur, p->depth);
}

float sun_angle(float h) { return fltlim((h - 12.0f) * SUN_DEG_PER_HOUR, -90.0f, 90.0f); }

float haze_factor(float level) { return interp(0.0f, 1.0f, 4.0f, 0.5f, fltlim(level, 0.0f, 4.0f)); }

float terrain_brightness(float h, float level, int clear, int abovetops)
{
    float b = std::fabs(std::cos(sun_angle(h) * (float)M_PI / 180.0f)) * haze_factor(level);
    if (clear) b = fltmax2(b, 0.01f);
    if (abovetops) b = fltmax2(b, 0.05f);
    return b;
}

float light_level(float h, float level, int clear, int abovetops)
{
    const float c = std::fabs(std::cos(sun_angle(h) * (float)M_PI / 180.0f));
    const float l = std::pow(c, LIGHT_GAMMA) * haze_factor(level);
    return fltmax2(l, (clear || abovetops) ? 0.1f : 0.05f);
}

float sun_elevation(float h)
{
    float e = (12.0f - h) * 90.0f / 6.0f;
    e = fltwrap(e, -180.0f, 180.0f);
    if (e > 90.0f) e = 180.0f - e;
    if (e < -90.0f) e = -180.0f - e;
    return fltlim(e, 30.0f, 90.0f);
}

rgb3 light_tint(float h) { return tint(h, SUNSET_LIGHT, MOONLIGHT); }

rgb3 sky_tint(float h, int clear_or_above)
{
    return tint(h, clear_or_above ? SUNSET_SKY_CLEAR : SUNSET_SKY, MOONLIGHT);
}

sky_law_out sky_law(float h, float brat, float level, int cld_type, float eye_y, float base,
                    float tops, float ragged, int abovetops)
{
    const rgb3 clear = scale(CLEAR_SKY, brat);
    const rgb3 top = scale({CLOUD_TOP_GREY, CLOUD_TOP_GREY, CLOUD_TOP_GREY}, brat);
    const rgb3 bot = scale({CLOUD_BOTTOM_GREY, CLOUD_BOTTOM_GREY, CLOUD_BOTTOM_GREY}, brat);
    const float dim = fltlim(1.0f - eye_y * 3.2808399f / EYE_FT_SKY_BLACK, 0.0f, 1.0f);
    sky_law_out o;
    o.base = scale(clear, dim * dim);
    o.rat1 = 1.0f;
    o.rat2 = o.rat3 = interp(0.0f, 0.6f, 4.0f, 0.3f, fltlim(level, 0.0f, 4.0f));
    if (cld_type == 0) {
        o.rat2 = 0.6f;
        o.rat3 = 0.4f;
    } else if (abovetops) {
        o.rat2 = 0.4f;
        o.rat3 = 0.3f;
    }
    if (cld_type == 1) {
        const rgb3 clear_base = o.base;
        const float r2 = o.rat2, r3 = o.rat3;
        if (eye_y < base - ragged) {
            o.base = bot;
        } else if (eye_y < base + ragged) {
            const float f = ramp(base - ragged, base + ragged, eye_y);
            o.base = bot;
            o.rat2 = r2 + (1.0f - r2) * f;
            o.rat3 = r3 + (1.0f - r3) * f;
        } else if (eye_y <= tops) {
            o.base = blend(bot, top, ramp(base + ragged, tops, eye_y));
            o.rat2 = o.rat3 = 1.0f;
        } else if (eye_y < tops + TOPS_FEATHER) {
            const float f = ramp(tops, tops + TOPS_FEATHER, eye_y);
            o.base = blend(top, clear_base, f);
            o.rat2 = 1.0f + (0.4f - 1.0f) * f;
            o.rat3 = 1.0f + (0.3f - 1.0f) * f;
        }
    }
    if (h >= 5.5f && h <= 6.5f) {
        o.rat2 *= std::fabs(h - 6.0f) + 0.5f;
        o.rat3 *= std::fabs(h - 6.0f) + 0.5f;
    } else if (h >= 17.5f && h <= 18.5f) {
        o.rat2 *= std::fabs(h - 18.0f) + 0.5f;
        o.rat3 *= std::fabs(h - 18.0f) + 0.5f;
    }
    return o;
}

rgb3 lightning_blend(rgb3 c, float dist_nm)
{
    const float w = fltlim(interp(0.0f, 1.0f, STRIKE_REACH_NM, 0.0f, dist_nm), 0.0f, 1.0f);
    return blend(c, {1.0f, 1.0f, 1.0f}, w);
}

projection_law_out projection_law(int fullscreen, float eye_agl, float eye_above, float vis, float zoom)
{
    projection_law_out p;
    p.vx = 0;
    p.vw = 800;
    if (fullscreen) {
        p.vy = 0;
        p.vh = 583;
    } else {
        p.vy = 333;
        p.vh = 561 - 333;
    }
    p.near_m = fltlim(eye_agl * 0.5f, NEAR_MIN, NEAR_MAX);
    p.half_w = FRUSTUM_HALF_AT_ZOOM1 * p.near_m / fltmax2(zoom, 0.01f);
    p.half_h = p.half_w * (float)p.vh / (float)p.vw;
    p.sky_dist = vis + SKY_MARGIN;
    const float H = fltmax2(SKY_WALL * p.sky_dist, eye_above);
    p.far_m = fltmax2(1.01f * std::sqrt(p.sky_dist * p.sky_dist + H * H), FAR_MIN);
    return p;
}

hud_box_out hud_box(int fullscreen)
{
    if (fullscreen) return {100.0f, 700.0f, 541.0f, 41.0f, 400.0f, 291.0f};
    return {200.0f, 600.0f, 552.0f, 334.0f, 400.0f, 443.0f};
}

int city_lights_on(float h) { return h < 7.0f || h > 17.0f; }

int runway_lights_on(float h, float vis_rep_m) { return city_lights_on(h) || vis_rep_m < 5.0f * 1852.0f; }

int hud_kind(int hud_type)
{
    if (hud_type == 1) return HUD_NONE;
    return hud_type == 3 ? HUD_HOOPS : HUD_NORMAL;
}

int hud_shown(int hud_type, int hud_on, int hoop_on)
{
    const int kind = hud_kind(hud_type);
    if (kind == HUD_HOOPS) return hoop_on ? HUD_HOOPS : HUD_NONE;   // its own switch on the strip
    return hud_on ? kind : HUD_NONE;
}

}  // namespace orv
