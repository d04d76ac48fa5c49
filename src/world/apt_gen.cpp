#include "world/apt_gen.h"

#include <cmath>
#include <cstring>

#include "2-QZutils/qz_angles.h"
#include "2-QZutils/qz_funct.h"
#include "2-QZutils/records.h"
#include "world/nav_db.h"
#include "world/obstacles.h"
#include "world/region.h"

namespace orv {

float rwy_lgt_xyz[90][3][RWY_LGT_CAP][3];
int   rwy_lgt_kind[90][3][RWY_LGT_CAP];
int   rwy_lgt_end[90][3][RWY_LGT_CAP];
int   rwy_lgt_arg[90][3][RWY_LGT_CAP];
int   rwy_lgt_n[90][3];

namespace {

constexpr int   APT_SLOTS_PER_AIRPORT = 5;     // four sheds and a tower
constexpr int   SHEDS = 4;
constexpr float SHED_SIDE_WIDTHS = 4.2f, SHED_SIDE_MIN = 80.0f, SHED_ALONG = 0.35f;
constexpr float SHED_STEP = 45.0f, SHED_HEIGHT = 8.0f, TOWER_HEIGHT = 20.0f;
constexpr int   STEP_GUARD = 400;
constexpr float SOCK_ALONG = 0.45f, SOCK_SIDE_WIDTHS = 1.5f, SOCK_SIDE_MIN = 25.0f;
constexpr float TAXIWAY_MIN_LEN = 1200.0f;     // paved runways this long have a parallel taxiway
constexpr int   CLEAR_SAMPLES = 64;

// Light spacings and reaches, metres.
constexpr float EDGE_SPACING = 60.0f, CENTRE_SPACING = 30.0f, TDZ_SPACING = 30.0f;
constexpr float TDZ_REACH = 900.0f, AMBER_ZONE = 600.0f, CENTRE_RED_ZONE = 300.0f;
constexpr float THRESHOLD_SPACING = 3.0f, APPROACH_SPACING = 30.0f;
constexpr float GLIDE_FROM_THRESHOLD = 300.0f, GLIDE_SIDE = 15.0f, GLIDE_LIGHT_SPACING = 9.0f;

// Runway frame of each generated runway: centre, unit vectors, size.
struct rwy_frame { float cx, cz, y, ax, az, bx, bz, len, wid; int on; };
rwy_frame frm[90][3];

void corner(const rwy_frame& f, float u_w, float v_l, float* out)
{
    const float across = u_w * f.wid, along = v_l * f.len;
    out[0] = f.cx + f.bx * across + f.ax * along;
    out[1] = f.y;
    out[2] = f.cz + f.bz * across + f.az * along;
}

int on_runway(const rwy_frame& f, float x, float z, float margin)
{
    if (!f.on) return 0;
    const float dx = x - f.cx, dz = z - f.cz;
    const float along = dx * f.ax + dz * f.az, across = dx * f.bx + dz * f.bz;
    return std::fabs(along) <= 0.5f * f.len + margin && std::fabs(across) <= 0.5f * f.wid + margin;
}

struct light_sink { int a, r; const rwy_frame* f; };

// A light `across` metres right of the centre line, `along` metres from the centre.
void add_light(const light_sink& s, int kind, int end, int arg, float across, float along)
{
    int& n = rwy_lgt_n[s.a][s.r];
    if (n >= RWY_LGT_CAP) return;
    rwy_lgt_xyz[s.a][s.r][n][0] = s.f->cx + s.f->bx * across + s.f->ax * along;
    rwy_lgt_xyz[s.a][s.r][n][1] = s.f->y;
    rwy_lgt_xyz[s.a][s.r][n][2] = s.f->cz + s.f->bz * across + s.f->az * along;
    rwy_lgt_kind[s.a][s.r][n] = kind;
    rwy_lgt_end[s.a][s.r][n] = end;
    rwy_lgt_arg[s.a][s.r][n] = arg;
    n++;
}

// Runway lights by set: 2 edge, 3 with threshold, end and identifier lights, 4 with the
// centre line, 5 with the touchdown zone. Lights of end e sit at its half of the runway.
void runway_lights(const light_sink& s, int end, int set)
{
    const float half = 0.5f * s.f->len, w = s.f->wid;
    const float dir = end == 0 ? 1.0f : -1.0f;        // from this end's threshold inward
    const float thr = -dir * half;
    if (set >= 2) {
        for (float d = 0.0f; d <= half; d += EDGE_SPACING) {
            // The last stretch before the far end shows amber to a pilot rolling out.
            const int kind = (set >= 3 && d < AMBER_ZONE) ? LGT_EDGE_AMBER : LGT_EDGE;
            add_light(s, kind, 1 - end, 0, -0.5f * w - 1.0f, thr + dir * d);
            add_light(s, kind, 1 - end, 0, 0.5f * w + 1.0f, thr + dir * d);
        }
    }
    if (set >= 3) {
        for (float u = -0.5f * w; u <= 0.5f * w + 0.01f; u += THRESHOLD_SPACING)
            add_light(s, LGT_THRESHOLD, end, 0, u, thr);
        add_light(s, LGT_REIL, end, 0, -0.5f * w - 12.0f, thr);
        add_light(s, LGT_REIL, end, 0, 0.5f * w + 12.0f, thr);
    }
    if (set >= 4) {
        for (float d = CENTRE_SPACING; d < half; d += CENTRE_SPACING) {
            // Seen rolling toward the far end, the centre line turns red near it.
            const int kind = (d < CENTRE_RED_ZONE) ? LGT_CENTRE_RED : LGT_CENTRE;
            add_light(s, kind, 1 - end, 0, 0.0f, thr + dir * d);
        }
    }
    if (set >= 5) {
        for (float d = TDZ_SPACING; d <= TDZ_REACH && d < half; d += TDZ_SPACING)
            for (int k = 1; k <= 3; k++) {
                add_light(s, LGT_TDZ, end, 0, -(float)k * 1.5f - 1.0f, thr + dir * d);
                add_light(s, LGT_TDZ, end, 0, (float)k * 1.5f + 1.0f, thr + dir * d);
            }
    }
}

// Approach lights by set: 2 a short centre row, 3 a long row, 4 with a crossbar, 5 with the
// sequenced flashers, 6 with red side rows as well.
void approach_lights(const light_sink& s, int end, int set)
{
    if (set < 2) return;
    static const float reach[7] = {0, 0, 420.0f, 720.0f, 720.0f, 900.0f, 900.0f};
    const float half = 0.5f * s.f->len;
    const float out = end == 0 ? -1.0f : 1.0f;        // away from the runway
    const float thr = out * half;
    const int steps = (int)(reach[set] / APPROACH_SPACING);
    for (int k = 1; k <= steps; k++) {
        const float d = k * APPROACH_SPACING;
        for (int b = -2; b <= 2; b++) add_light(s, LGT_APPROACH, end, 0, b * 1.0f, thr + out * d);
        if (set >= 6 && d <= 300.0f) {
            add_light(s, LGT_APPROACH_RED, end, 0, -9.0f, thr + out * d);
            add_light(s, LGT_APPROACH_RED, end, 0, 9.0f, thr + out * d);
        }
    }
    if (set >= 4)
        for (int b = -7; b <= 7; b++) add_light(s, LGT_APPROACH, end, 0, b * 2.0f, thr + out * 300.0f);
    if (set >= 5) {
        // One flasher per station beyond the crossbar, run from the outermost in.
        int seq = 0;
        for (int k = steps; k * APPROACH_SPACING > 300.0f; k--)
            add_light(s, LGT_FLASHER, end, seq++, 0.0f, thr + out * k * APPROACH_SPACING);
    }
}

// Two-bar indicator: bars 150 m and 300 m in, white at 3.5 and 2.5 degrees or more.
// Four-light indicator: one row 300 m in, white at 2.6, 2.9, 3.1 and 3.4 degrees or more.
void glide_lights(const light_sink& s, int end, int kind)
{
    const float half = 0.5f * s.f->len, w = s.f->wid;
    const float dir = end == 0 ? 1.0f : -1.0f;
    const float thr = -dir * half;
    // The indicator stands on the left of the landing direction.
    const float left = -dir * (0.5f * w + GLIDE_SIDE);
    const float side = -dir;
    if (kind == 2) {
        for (int k = 0; k < 2; k++) {
            add_light(s, LGT_GLIDE, end, 35, left + side * k * GLIDE_LIGHT_SPACING, thr + dir * 150.0f);
            add_light(s, LGT_GLIDE, end, 25, left + side * k * GLIDE_LIGHT_SPACING, thr + dir * 300.0f);
        }
    } else if (kind == 3) {
        static const int angle[4] = {26, 29, 31, 34};
        for (int k = 0; k < 4; k++)
            add_light(s, LGT_GLIDE, end, angle[k], left + side * k * GLIDE_LIGHT_SPACING,
                      thr + dir * GLIDE_FROM_THRESHOLD);
    }
}

void set_quad(int a, int r, int m, float u0, float u1, float v0, float v1)
{
    const rwy_frame& f = frm[a][r];
    corner(f, u0, v0, scn.markxyz[a][r][m][0]);
    corner(f, u1, v0, scn.markxyz[a][r][m][1]);
    corner(f, u1, v1, scn.markxyz[a][r][m][2]);
    corner(f, u0, v1, scn.markxyz[a][r][m][3]);
}

// The layer's extent in its own runway's widths and lengths.
struct layer_box { float u0, u1, v0, v1; };
const layer_box LAYER[RWY_LAYERS] = {
    {-0.5f, 0.5f, -0.5f, 0.5f}, {2.0f, 2.5f, -0.5f, 0.5f}, {0.5f, 2.0f, 0.47f, 0.5f},
    {0.5f, 2.0f, -0.01f, 0.01f}, {0.5f, 2.0f, -0.5f, -0.47f}, {2.5f, 4.5f, 0.1f, 0.4f}};
layer_box cut[90][3][RWY_LAYERS];   // what is left of each layer after clearing

// An empty slot keeps nothing of the airport that used this list entry before.
void clear_runway(int a, int r)
{
    frm[a][r] = {};
    rwy_lgt_n[a][r] = 0;
    std::memset(scn.rwayxyz[a][r], 0, sizeof scn.rwayxyz[a][r]);
    std::memset(scn.markxyz[a][r], 0, sizeof scn.markxyz[a][r]);
    std::memset(scn.sockxyz[a][r], 0, sizeof scn.sockxyz[a][r]);
    scn.sockinit[a][r][0] = scn.sockinit[a][r][1] = 0;
    env.tway[a][r] = 0;
    env.rwy_typ[a][r] = 0;
    for (int e = 0; e < 2; e++) env.lgt_gls[a][r][e] = env.lgt_rwy[a][r][e] = env.lgt_app[a][r][e] = 0;
}

}  // namespace

int runway_built(int apt_reg, int r)
{
    return apt_reg >= 0 && apt_reg < REG_LIST_CAP && r >= 0 && r < 3 && frm[apt_reg][r].on;
}

int first_runway(int apt_reg)
{
    for (int r = 0; r < 3; r++)
        if (runway_built(apt_reg, r)) return r;
    return -1;
}

int in_runway(int apt_reg, float x, float z, int r)
{
    if (apt_reg < 0 || apt_reg >= REG_LIST_CAP) return 0;
    if (r >= 0) return r < 3 && on_runway(frm[apt_reg][r], x, z, RWY_CLEAR_MARGIN);
    for (int s = 0; s < 3; s++)
        if (on_runway(frm[apt_reg][s], x, z, RWY_CLEAR_MARGIN)) return 1;
    return 0;
}

void setuprunway(int apt_reg, int r, float X, float Z, float Y, float l, float w, float hdng,
                 int litecode)
{
    if (apt_reg < 0 || apt_reg >= REG_LIST_CAP || r < 0 || r >= 3) return;
    rwy_frame& f = frm[apt_reg][r];
    const double h = hdng * DEG_TO_RAD;
    f = {X, Z, Y, (float)std::sin(h), (float)-std::cos(h), (float)std::cos(h), (float)std::sin(h), l, w, 1};

    corner(f, -0.5f, -0.5f, scn.rwayxyz[apt_reg][r][0]);
    corner(f, 0.5f, -0.5f, scn.rwayxyz[apt_reg][r][1]);
    corner(f, 0.5f, 0.5f, scn.rwayxyz[apt_reg][r][2]);
    corner(f, -0.5f, 0.5f, scn.rwayxyz[apt_reg][r][3]);

    int typ, gls[2], rwy[2], app[2];
    code_to_lgts(&typ, gls, rwy, app, litecode);
    env.rwy_typ[apt_reg][r] = typ;
    const int paved = typ != 75 && typ != 76 && typ != 77;
    env.tway[apt_reg][r] = paved && l >= TAXIWAY_MIN_LEN;
    for (int m = 0; m < RWY_LAYERS; m++) {
        cut[apt_reg][r][m] = LAYER[m];
        set_quad(apt_reg, r, m, LAYER[m].u0, LAYER[m].u1, LAYER[m].v0, LAYER[m].v1);
    }

    const float sock_side = -fltmax2(SOCK_SIDE_WIDTHS * w, SOCK_SIDE_MIN) / w;
    corner(f, sock_side, -SOCK_ALONG, scn.sockxyz[apt_reg][r][0]);
    corner(f, sock_side, SOCK_ALONG, scn.sockxyz[apt_reg][r][1]);
    scn.sockinit[apt_reg][r][0] = scn.sockinit[apt_reg][r][1] = 1;

    rwy_lgt_n[apt_reg][r] = 0;
    const light_sink sink = {apt_reg, r, &f};
    for (int e = 0; e < 2; e++) {
        env.lgt_gls[apt_reg][r][e] = gls[e];
        env.lgt_rwy[apt_reg][r][e] = rwy[e];
        env.lgt_app[apt_reg][r][e] = app[e];
        if (!region_drawn()) continue;   // the lights are only ever drawn
        runway_lights(sink, e, rwy[e]);
        approach_lights(sink, e, app[e]);
        glide_lights(sink, e, gls[e]);
    }
}

void clear_region(int apt_reg, int blockee, int blocker, int m)
{
    if (apt_reg < 0 || apt_reg >= REG_LIST_CAP || blockee < 0 || blockee > 2 || blocker < 0 ||
        blocker > 2 || m < 0 || m >= RWY_LAYERS)
        return;
    const rwy_frame& f = frm[apt_reg][blockee];
    const rwy_frame& g = frm[apt_reg][blocker];
    if (!f.on || !g.on) return;
    layer_box& b = cut[apt_reg][blockee][m];
    // Along the layer, find the longest stretch that stays off the blocker; the rest goes.
    int best0 = 0, best_len = 0, run0 = 0, run_len = 0;
    for (int k = 0; k <= CLEAR_SAMPLES; k++) {
        const float v = b.v0 + (b.v1 - b.v0) * k / CLEAR_SAMPLES;
        int hit = 0;
        for (int side = 0; side < 3 && !hit; side++) {
            float p[3];
            corner(f, b.u0 + (b.u1 - b.u0) * side * 0.5f, v, p);
            hit = on_runway(g, p[0], p[2], 0.0f);
        }
        if (hit) {
            run_len = 0;
            continue;
        }
        if (run_len == 0) run0 = k;
        if (++run_len > best_len) {
            best_len = run_len;
            best0 = run0;
        }
    }
    if (best_len == CLEAR_SAMPLES + 1) return;   // nowhere on the blocker
    const float v0 = b.v0, dv = (b.v1 - b.v0) / CLEAR_SAMPLES;
    if (best_len < 2) {
        b.v1 = b.v0;   // wholly on the blocker: nothing left to draw
    } else {
        b.v0 = v0 + dv * best0;
        b.v1 = v0 + dv * (best0 + best_len - 1);
    }
    set_quad(apt_reg, blockee, m, b.u0, b.u1, b.v0, b.v1);
}

void clear_apt(int apt_reg)
{
    if (apt_reg < 0 || apt_reg >= REG_LIST_CAP) return;
    for (int r = 0; r < 3; r++) clear_runway(apt_reg, r);
    env.rwaymax[apt_reg] = -1;
}

void build_apt(int apt_reg, int apt_wrl)
{
    if (apt_reg < 0 || apt_reg >= REG_LIST_CAP || apt_wrl < 0 || apt_wrl > env.aptmax || apt_wrl >= APT_CAP) return;
    const int a = apt_reg;
    env.rwaymax[a] = -1;
    for (int r = 0; r < 3; r++) {
        clear_runway(a, r);
        if (apt_len[apt_wrl][r] > 1) env.rwaymax[a] = r;
    }
    for (int r = 0; r < 3; r++) {
        if (apt_len[apt_wrl][r] <= 1) continue;
        const float x = (float)region_x_latlon(apt_lat[apt_wrl][r], apt_lon[apt_wrl][r]);
        const float z = (float)region_z(apt_lat[apt_wrl][r]);
        setuprunway(a, r, x, z, apt_h[apt_wrl], (float)apt_len[apt_wrl][r],
                    (float)intmax2(apt_width[apt_wrl][r], 1), region_frame_heading(x, apt_lat[apt_wrl][r], (float)apt_hdng[apt_wrl][r]),
                    apt_lite[apt_wrl][r]);
    }
    // A runway's connectors start at its own edge, so they are cleared only where they cross
    // another runway, like the runway and its taxiway (in the drawing only: the markings are
    // never met by the flight).
    for (int r = 0; r < 3 && region_drawn(); r++)
        for (int s = 0; s < 3; s++)
            if (r != s)
                for (int m = 0; m <= 4; m++) clear_region(a, r, s, m);

    int longest = -1;
    for (int r = 0; r < 3; r++)
        if (frm[a][r].on && (longest < 0 || frm[a][r].len > frm[a][longest].len)) longest = r;
    if (longest >= 0) {
        const rwy_frame& f = frm[a][longest];
        const float side = fltmax2(SHED_SIDE_WIDTHS * f.wid, SHED_SIDE_MIN);
        float x = f.cx + f.bx * side + f.ax * SHED_ALONG * f.len;
        float z = f.cz + f.bz * side + f.az * SHED_ALONG * f.len;
        auto step = [&]() { x -= f.ax * SHED_STEP; z -= f.az * SHED_STEP; };
        auto step_until_clear = [&]() {
            for (int g = 0; g < STEP_GUARD && in_runway(a, x, z, -1); g++) step();
        };
        int oi, oj;
        for (int k = 0; k < SHEDS; k++) {
            if (k > 0) step();
            step_until_clear();
            make_an_obs(x, z, SHED_HEIGHT, "", OBJ_SHED, APT_SLOTS_PER_AIRPORT * a + k, &oi, &oj);
        }
        if (apt_twr[apt_wrl]) {
            step();
            step();
            step_until_clear();
            make_an_obs(x, z, TOWER_HEIGHT, "", OBJ_CONTROL_TOWER, APT_SLOTS_PER_AIRPORT * a + SHEDS, &oi, &oj);
        }
    }

    for (int r = 0; r < 3; r++)
        for (int e = 0; e < 2 && frm[a][r].on; e++)
            for (int s = 0; s < 3; s++)
                if (s != r && on_runway(frm[a][s], scn.sockxyz[a][r][e][0], scn.sockxyz[a][r][e][2], 0.0f))
                    scn.sockinit[a][r][e] = 0;
}

}  // namespace orv
