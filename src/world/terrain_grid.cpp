// terrain_grid.cpp -- texture classes and borders of the terrain mesh, and the ground
// height under a point (terrain triangles, ship decks, obstacle tops).
#include "world/terrain_grid.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "2-QZutils/qz_funct.h"
#include "2-QZutils/records.h"
#include "world/region.h"

namespace orv {

float        planexyz[TER_I][TER_J][3];
unsigned int planetex[TER_I][TER_J];
int          on_water[TER_I][TER_J];
int          city_on_poly[TER_I][TER_J];
int          planes[TER_I][TER_J][2][2];
int          planet[TER_I][TER_J][2][2];
int          imaxindex = TER_I - 1, jmaxindex = TER_J - 1;

// Border texture set of the pass in progress (written by new_border, read by coast).
static int t1, t21, t31, t41, t22, t32, t42;

// ---------------------------------------------------------------- texture classes

// The four turns of a cell's texture, as (s00, s01, s11, s10, t00, t01, t11, t10).
// Each names where the texture's t = 1 edge (and its s = 1, t = 1 corner) ends up.
struct st_turn { int s00, s01, s11, s10, t00, t01, t11, t10; };
static const st_turn TURN_PJ = {0, 0, 1, 1, 0, 1, 1, 0};   // unturned: t=1 toward +j, corner +i+j
static const st_turn TURN_MJ = {1, 1, 0, 0, 1, 0, 0, 1};   // half turn: toward -j, corner -i-j
static const st_turn TURN_PI = {1, 0, 0, 1, 0, 0, 1, 1};   // toward +i, corner +i-j
static const st_turn TURN_MI = {0, 1, 1, 0, 1, 1, 0, 0};   // toward -i, corner -i+j

static void set_turn(int i, int j, const st_turn& t, int tex)
{
    set_st(i, j, t.s00, t.s01, t.s11, t.s10, t.t00, t.t01, t.t11, t.t10, tex);
}

static const st_turn& edge_turn(int di, int dj)
{
    if (di > 0) return TURN_PI;
    if (di < 0) return TURN_MI;
    return (dj > 0) ? TURN_PJ : TURN_MJ;
}

static const st_turn& corner_turn(int ci, int cj)
{
    if (ci > 0) return (cj > 0) ? TURN_PJ : TURN_PI;
    return (cj > 0) ? TURN_MI : TURN_MJ;
}

void set_st(int i, int j, int s00, int s01, int s11, int s10, int t00, int t01, int t11,
            int t10, int tex)
{
    if (i < 0 || i >= TER_I || j < 0 || j >= TER_J) return;
    planetex[i][j] = (unsigned int)tex;
    if (!region_drawn()) return;   // the corners only lay the drawn texture
    planes[i][j][0][0] = s00;
    planes[i][j][0][1] = s01;
    planes[i][j][1][1] = s11;
    planes[i][j][1][0] = s10;
    planet[i][j][0][0] = t00;
    planet[i][j][0][1] = t01;
    planet[i][j][1][1] = t11;
    planet[i][j][1][0] = t10;
}

static int cls(int i, int j)
{
    if (i < 0 || i >= TER_I || j < 0 || j >= TER_J) return -1;
    return (int)planetex[i][j];
}

int coast(int i, int j)
{
    const int c = cls(i, j);
    if (c < 0) return 0;
    return (c == t1 || c == t21 || c == t31 || c == t41 || c == t22 || c == t32 || c == t42)
               ? 1 : 0;
}

void new_border(int t_mod, int t_adj1, int t_adj2, int t_lin_h1, int t_ins_c1, int t_out_c1,
                int t_lin_h2, int t_ins_c2, int t_out_c2, int id, int jd)
{
    t1 = t_mod;
    t21 = t_lin_h1;
    t31 = t_ins_c1;
    t41 = t_out_c1;
    t22 = t_lin_h2;
    t32 = t_ins_c2;
    t42 = t_out_c2;
    id = intlim(id, 0, TER_I);
    jd = intlim(jd, 0, TER_J);

    static const int EDGE[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    static const int DIAG[4][2] = {{1, 1}, {1, -1}, {-1, 1}, {-1, -1}};
    auto adj = [&](int c) { return c == t_adj1 || c == t_adj2; };

    for (int i = 1; i <= id - 2; i++) {
        for (int j = 1; j <= jd - 2; j++) {
            if (cls(i, j) != t_mod) continue;
            for (const auto& e : EDGE) {
                const int di = e[0], dj = e[1];
                if (cls(i + di, j + dj) != t_adj1) continue;
                // The two neighbours across the other axis.
                const int pi = dj, pj = di;
                const int ai = i + pi, aj = j + pj, bi = i - pi, bj = j - pj;
                if (coast(ai, aj) && coast(bi, bj)) set_turn(i, j, edge_turn(di, dj), t_lin_h1);
                if (adj(cls(ai, aj)))
                    set_turn(i, j, corner_turn(di + pi, dj + pj), t_ins_c1);
                if (adj(cls(bi, bj)))
                    set_turn(i, j, corner_turn(di - pi, dj - pj), t_ins_c1);
            }
            for (const auto& d : DIAG) {
                const int di = d[0], dj = d[1];
                if (cls(i + di, j + dj) == t_adj1 && coast(i + di, j) && coast(i, j + dj))
                    set_turn(i, j, corner_turn(di, dj), t_out_c1);
            }
        }
    }
}

// Slope along one mesh step; a step with no horizontal extent is steep if it climbs at all.
static float step_slope(float dy, float dh)
{
    if (dh == 0.0f) return (dy == 0.0f) ? 0.0f : 1.0f;
    return std::fabs(dy / dh);
}

void assign_terrain_texes(int id, int jd)
{
    id = intlim(id, 0, TER_I);
    jd = intlim(jd, 0, TER_J);

    for (int i = 0; i <= id - 2; i++) {
        for (int j = 0; j <= jd - 2; j++) {
            int tex;
            if (on_water[i][j]) {
                tex = TEX_WATER;
            } else {
                const float s = step_slope(planexyz[i + 1][j][1] - planexyz[i][j][1],
                                           planexyz[i + 1][j][0] - planexyz[i][j][0]) +
                                step_slope(planexyz[i][j + 1][1] - planexyz[i][j][1],
                                           planexyz[i][j + 1][2] - planexyz[i][j][2]);
                if (s >= 0.05f) {
                    tex = TEX_STEEP;
                    city_on_poly[i][j] = 0;
                } else {
                    tex = TEX_FLAT;
                }
            }
            set_turn(i, j, TURN_PJ, tex);
        }
    }

    // Steep and flat come in pairs of cells so that single cells do not speckle.
    for (int i = 0; i <= id - 2; i++) {
        for (int j = 0; j + 1 <= jd - 2; j += 2) {
            if (planetex[i][j] == TEX_STEEP && planetex[i][j + 1] == TEX_FLAT)
                planetex[i][j + 1] = TEX_STEEP;
            if (planetex[i][j] == TEX_FLAT && planetex[i][j + 1] == TEX_STEEP)
                planetex[i][j + 1] = TEX_FLAT;
        }
    }
    for (int i = 0; i + 1 <= id - 2; i += 2) {
        for (int j = 0; j <= jd - 2; j++) {
            if (planetex[i][j] == TEX_STEEP && planetex[i + 1][j] == TEX_FLAT)
                planetex[i + 1][j] = TEX_STEEP;
            if (planetex[i][j] == TEX_FLAT && planetex[i + 1][j] == TEX_STEEP)
                planetex[i + 1][j] = TEX_FLAT;
        }
    }

    new_border(14, 13, -1, 18, 19, 20, -1, -1, -1, id, jd);
    new_border(12, 13, 14, 15, 16, 17, 21, 22, 23, id, jd);
    new_border(12, 14, 13, 21, 22, 23, 15, 16, 17, id, jd);
}

// ---------------------------------------------------------------- ground height

int inside_cw_reg(float x1, float z1, float x2, float z2, float x, float z, float dis)
{
    const float dx = x2 - x1, dz = z2 - z1;
    if (dx == 0.0f && dz == 0.0f) return 0;   // no edge, no side
    // Seen from above (x east, z south), the right of an edge heading south is west and
    // the right of an edge heading east is south.
    if (std::fabs(dz) >= std::fabs(dx)) {
        const float xe = interp(z1, x1, z2, x2, z);
        return (dz > 0.0f) ? (x <= xe + dis) : (x >= xe - dis);
    }
    const float ze = interp(x1, z1, x2, z2, x);
    return (dx > 0.0f) ? (z >= ze - dis) : (z <= ze + dis);
}

void convert_ij_dxy(int i, int j, int tri, int* i1, int* j1, int* i2, int* j2, int* i3,
                    int* j3)
{
    *i1 = i + tri;
    *j1 = j + 1 - tri;
    *i2 = i + 1 - tri;
    *j2 = j + 1 - tri;
    *i3 = i + tri;
    *j3 = j + tri;
}

static int in_triangle(int i, int j, int tri, float x, float z)
{
    const float* a = planexyz[i][j];
    const float* c = planexyz[i + 1][j + 1];
    const float* b = tri == 0 ? planexyz[i][j + 1] : c;
    const float* d = tri == 0 ? c : planexyz[i + 1][j];
    return inside_cw_reg(a[0], a[2], b[0], b[2], x, z, 1.0f) &&
           inside_cw_reg(b[0], b[2], d[0], d[2], x, z, 1.0f) &&
           inside_cw_reg(d[0], d[2], a[0], a[2], x, z, 1.0f);
}

// Height of the plane through the triangle's three points at (x, z). A triangle with no
// extent seen from above has no plane: its mean height stands in.
static float triangle_height(int i, int j, int tri, float x, float z)
{
    int i1, j1, i2, j2, i3, j3;
    convert_ij_dxy(i, j, tri, &i1, &j1, &i2, &j2, &i3, &j3);
    const float* p1 = planexyz[i1][j1];
    const float* p2 = planexyz[i2][j2];
    const float* p3 = planexyz[i3][j3];
    const double ux = p2[0] - p1[0], uy = p2[1] - p1[1], uz = p2[2] - p1[2];
    const double vx = p3[0] - p1[0], vy = p3[1] - p1[1], vz = p3[2] - p1[2];
    const double nx = uy * vz - uz * vy;
    const double ny = uz * vx - ux * vz;
    const double nz = ux * vy - uy * vx;
    const double scale = std::fabs(nx) + std::fabs(ny) + std::fabs(nz);
    if (!(std::fabs(ny) > 1e-9 * scale) || ny == 0.0)
        return (float)(((double)p1[1] + p2[1] + p3[1]) / 3.0);
    return (float)(p1[1] - (nx * ((double)x - p1[0]) + nz * ((double)z - p1[2])) / ny);
}

// Deck height of a ship whose reference point is deck metres below the deck, tilted
// with the ship's pitch and roll.
static float deck_height(float x, float z, float deck)
{
    auto tangent = [](float s, float c) {
        return (std::fabs(c) < 1e-6f) ? 0.0f : s / c;
    };
    return con.cosBOATphi * con.cosBOATthe * deck + con.BOAT_loc_Y -
           (x - con.BOAT_loc_X) * tangent(con.sinBOATphi, con.cosBOATphi) -
           (z - con.BOAT_loc_Z) * tangent(con.sinBOATthe, con.cosBOATthe);
}

// First guess of a cell index: where v lies between the first and last mesh line.
static int guess_cell(float v, float v0, float v1, int last)
{
    if (v1 == v0) return 0;
    const float g = (v - v0) / (v1 - v0) * (float)last;
    if (!std::isfinite(g)) return 0;
    return (int)fltlim(g, 0.0f, (float)(last - 1));
}

// The mesh's west and east edges at z, between the edges of row gj and the next.
struct row_edges { float west, east; };
static row_edges edges_at(float z, int gj, int imx, int jmx)
{
    const int j1 = gj < jmx ? gj + 1 : gj;
    const float z0 = planexyz[0][gj][2], z1 = planexyz[0][j1][2];
    const float f = z1 != z0 ? fltlim((z - z0) / (z1 - z0), 0.0f, 1.0f) : 0.0f;
    return {planexyz[0][gj][0] + f * (planexyz[0][j1][0] - planexyz[0][gj][0]),
            planexyz[imx][gj][0] + f * (planexyz[imx][j1][0] - planexyz[imx][gj][0])};
}

// A region reaching toward a pole: one end row is less than this share of the other's width.
constexpr float POLAR_ROW_SHARE = 0.5f;

static int mesh_folds_to_a_pole(int imx, int jmx)
{
    const float south = planexyz[imx][0][0] - planexyz[0][0][0];
    const float north = planexyz[imx][jmx][0] - planexyz[0][jmx][0];
    return std::min(south, north) < POLAR_ROW_SHARE * std::max(south, north);
}

// The ring search: rings of cells round the first guess, outward, until a ring holds a
// triangle under the point; within that ring the last such triangle in row order is the
// answer. Answers 0 (and leaves the guess) when no triangle of the mesh holds the point.
static int ring_search(float x, float z, int gi, int gj, int imx, int jmx, int* hi, int* hj,
                       int* htri)
{
    const int rmax = intmax2(intmax2(gi, imx - 1 - gi), intmax2(gj, jmx - 1 - gj));
    int hit = 0;
    for (int r = 0; r <= rmax && !hit; r++) {
        const int ilo = intmax2(gi - r, 0), ihi = gi + r < imx - 1 ? gi + r : imx - 1;
        const int jlo = intmax2(gj - r, 0), jhi = gj + r < jmx - 1 ? gj + r : jmx - 1;
        for (int ci = ilo; ci <= ihi; ci++) {
            const int whole_row = (ci == gi - r || ci == gi + r);
            // Only the ring's border: whole rows at its top and bottom, else its two ends.
            const int step = whole_row ? 1 : 2 * r;
            for (int cj = whole_row ? jlo : gj - r; cj <= (whole_row ? jhi : gj + r);
                 cj += (step > 0 ? step : 1)) {
                if (cj < 0 || cj > jmx - 1) continue;
                for (int tri = 0; tri < 2; tri++) {
                    if (in_triangle(ci, cj, tri, x, z)) {
                        hit = 1;
                        *hi = ci;
                        *hj = cj;
                        *htri = tri;
                    }
                }
            }
        }
    }
    return hit;
}

// ---- the direct lookup

// The cell the last lookup ended in: the next point is most often in it or beside it.
static thread_local int last_ci, last_cj;

// A start cell further than this from the first guess is not worth walking from.
constexpr int WALK_START_REACH = 2;

// The edges of cell (ci, cj) at the point: x of its west and east sides at z, z of its south
// and north sides at x. Answers 0 when the cell is not a quad with east to the right of west
// and north beyond south, where walking and margins mean nothing.
struct cell_sides { float west, east, south, north; };

// Cell (ci, cj) is a quad with east to the right of west and north beyond south.
static int cell_upright(int ci, int cj)
{
    const float* p00 = planexyz[ci][cj];
    const float* p10 = planexyz[ci + 1][cj];
    const float* p01 = planexyz[ci][cj + 1];
    const float* p11 = planexyz[ci + 1][cj + 1];
    const float w = std::min(p10[0] - p00[0], p11[0] - p01[0]);
    const float h = std::min(p00[2] - p01[2], p10[2] - p11[2]);
    return w > 0.0f && h > 0.0f;
}

// x of the mesh line through a and b at z, z of the one through a and c at x.
static float x_at(const float* a, const float* b, float z) { return a[0] + (b[0] - a[0]) * (z - a[2]) / (b[2] - a[2]); }
static float z_at(const float* a, const float* c, float x) { return a[2] + (c[2] - a[2]) * (x - a[0]) / (c[0] - a[0]); }

static int sides_at(int ci, int cj, float x, float z, cell_sides* s)
{
    if (!cell_upright(ci, cj)) return 0;
    const float* p00 = planexyz[ci][cj];
    const float* p10 = planexyz[ci + 1][cj];
    const float* p01 = planexyz[ci][cj + 1];
    const float* p11 = planexyz[ci + 1][cj + 1];
    s->west = x_at(p00, p01, z);
    s->east = x_at(p10, p11, z);
    s->south = z_at(p00, p10, x);
    s->north = z_at(p01, p11, x);
    return 1;
}

// The narrowest and widest mesh step east and north among points a0..a1 by b0..b1. Inside the
// mesh the block is always four by four, which the compiler unrolls.
static void step_range_block(int a0, int a1, int b0, int b1, float* narrowest, float* widest)
{
    float lo = 1e30f, hi = 0.0f;
    for (int a = a0; a <= a1; a++)
        for (int b = b0; b < b1; b++) {
            const float north = planexyz[a][b][2] - planexyz[a][b + 1][2];
            lo = std::min(lo, north);
            hi = std::max(hi, north);
        }
    for (int a = a0; a < a1; a++)
        for (int b = b0; b <= b1; b++) {
            const float east = planexyz[a + 1][b][0] - planexyz[a][b][0];
            lo = std::min(lo, east);
            hi = std::max(hi, east);
        }
    *narrowest = lo;
    *widest = hi;
}

static void step_range(int a0, int a1, int b0, int b1, float* narrowest, float* widest)
{
    constexpr int FULL = 3;   // steps across a cell and its neighbours
    if (a1 - a0 == FULL && b1 - b0 == FULL) {
        float lo = 1e30f, hi = 0.0f;
        for (int a = 0; a <= FULL; a++)
            for (int b = 0; b < FULL; b++) {
                const float north = planexyz[a0 + a][b0 + b][2] - planexyz[a0 + a][b0 + b + 1][2];
                const float east = planexyz[a0 + b + 1][b0 + a][0] - planexyz[a0 + b][b0 + a][0];
                lo = std::min(lo, std::min(north, east));
                hi = std::max(hi, std::max(north, east));
            }
        *narrowest = lo;
        *widest = hi;
        return;
    }
    step_range_block(a0, a1, b0, b1, narrowest, widest);
}

// Walks from cell (*ci, *cj) toward the point, one side at a time, held at the mesh's border.
// Answers 0 when the walk does not settle (a mesh that folds over itself).
static int walk_to_cell(float x, float z, int imx, int jmx, int* ci, int* cj, cell_sides* s)
{
    const int steps = imx + jmx + 2;
    for (int k = 0; k < steps; k++) {
        if (!sides_at(*ci, *cj, x, z, s)) return 0;
        if (x < s->west && *ci > 0) (*ci)--;
        else if (x > s->east && *ci < imx - 1) (*ci)++;
        else if (z > s->south && *cj > 0) (*cj)--;
        else if (z < s->north && *cj < jmx - 1) (*cj)++;
        else return 1;
    }
    return 0;
}

// The ring search's answer found from the cell under the point: every triangle that can hold
// the point is in that cell or its eight neighbours, and of those the ring search would take
// the one in the nearest ring round its guess, the last in row order within it. Answers -1
// when the mesh is too irregular for that to hold, else whether a triangle holds the point.
static int direct_lookup(float x, float z, int gi, int gj, int imx, int jmx, int* hi, int* hj,
                         int* htri)
{
    int ci = std::clamp(last_ci, 0, imx - 1), cj = std::clamp(last_cj, 0, jmx - 1);
    if (std::abs(ci - gi) > WALK_START_REACH || std::abs(cj - gj) > WALK_START_REACH) {
        ci = gi;
        cj = gj;
    }
    cell_sides s;
    if (!walk_to_cell(x, z, imx, jmx, &ci, &cj, &s)) return -1;
    last_ci = ci;
    last_cj = cj;
    // A triangle's tolerance of a metre across each side reaches further out at its sharpest
    // corner: at most 4 * large / small metres in a cell of that shape. The widest and the
    // narrowest mesh step of the cell and its neighbours bound that for all of them (doubled
    // for the cells beyond); where the steps are too narrow for the reach, the ring search
    // answers.
    float narrowest, widest;
    step_range(std::max(ci - 1, 0), std::min(ci + 2, imx), std::max(cj - 1, 0), std::min(cj + 2, jmx),
               &narrowest, &widest);
    if (!(narrowest > 0.0f)) return -1;
    const float reach = 8.0f * widest / narrowest + 1.0f;
    if (2.0f * reach >= narrowest) return -1;
    const int inner = x - s.west > reach && s.east - x > reach && s.south - z > reach &&
                      z - s.north > reach;
    if (inner) {
        // Well away from the diagonal too, the point is in one triangle only: tri 0 on the
        // side of the diagonal where point (i, j + 1) lies.
        const float* p00 = planexyz[ci][cj];
        const float* p11 = planexyz[ci + 1][cj + 1];
        const float* p01 = planexyz[ci][cj + 1];
        const float dx = p11[0] - p00[0], dz = p11[2] - p00[2];
        const float side = dx * (z - p00[2]) - dz * (x - p00[0]);
        const float side01 = dx * (p01[2] - p00[2]) - dz * (p01[0] - p00[0]);
        if (side * side > reach * reach * (dx * dx + dz * dz)) {
            *hi = ci;
            *hj = cj;
            *htri = (side > 0.0f) == (side01 > 0.0f) ? 0 : 1;
            return 1;
        }
    }
    const int spread = inner ? 0 : 1;
    int best_ring = -1;
    for (int a = std::max(ci - spread, 0); a <= ci + spread && a <= imx - 1; a++) {
        for (int b = std::max(cj - spread, 0); b <= cj + spread && b <= jmx - 1; b++) {
            const int ring = std::max(std::abs(a - gi), std::abs(b - gj));
            if (best_ring >= 0 && ring > best_ring) continue;
            for (int tri = 0; tri < 2; tri++) {
                if (!in_triangle(a, b, tri, x, z)) continue;
                // Cells are visited in row order, so a later hit in the same ring wins.
                if (best_ring < 0 || ring <= best_ring) {
                    best_ring = ring;
                    *hi = a;
                    *hj = b;
                    *htri = tri;
                }
            }
        }
    }
    return best_ring >= 0;
}

// The lookup where the direct one cannot answer (a mesh too irregular): the rings round a
// guess from the mesh's width at the point's latitude. Toward a pole the cells narrow to
// slivers and every lookup comes here, and the region's few degrees of longitude are a narrow
// wedge that the aircraft leaves with a short walk. There a point more than a cell beyond the
// mesh's edges takes the ground of the nearest edge at its latitude (the polar ground changes
// little round the pole): it moves (*x, *z) there, instead of searching the whole mesh and
// extrapolating a sliver's plane for kilometres.
static void nearby_lookup(float* x, float* z, int gj, int imx, int jmx, int* hi, int* hj, int* htri)
{
    const float z_lo = std::min(planexyz[0][0][2], planexyz[0][jmx][2]);
    const float z_hi = std::max(planexyz[0][0][2], planexyz[0][jmx][2]);
    row_edges e = edges_at(*z, gj, imx, jmx);
    const float cell_x = std::fabs(e.east - e.west) / (float)imx + 1.0f;
    const float cell_z = (z_hi - z_lo) / (float)jmx + 1.0f;
    const float x_lo = std::min(e.west, e.east), x_hi = std::max(e.west, e.east);
    if ((*x < x_lo - cell_x || *x > x_hi + cell_x || *z < z_lo - cell_z || *z > z_hi + cell_z) &&
        mesh_folds_to_a_pole(imx, jmx)) {
        *z = fltlim(*z, z_lo, z_hi);
        e = edges_at(*z, gj, imx, jmx);
        *x = fltlim(*x, std::min(e.west, e.east), std::max(e.west, e.east));
    }
    *hi = guess_cell(*x, e.west, e.east, imx);
    *hj = gj;
    *htri = 0;
    ring_search(*x, *z, *hi, gj, imx, jmx, hi, hj, htri);
}

static float ground_height(float x, float z, int* i, int* j, int us, int search_all)
{
    const int imx = intlim(imaxindex, 0, TER_I - 1);
    const int jmx = intlim(jmaxindex, 0, TER_J - 1);
    // A position that is not a number is looked up at the mesh origin rather than
    // spreading into every height computed from it.
    if (!std::isfinite(x)) x = planexyz[0][0][0];
    if (!std::isfinite(z)) z = planexyz[0][0][2];
    float h;
    if (imx < 1 || jmx < 1) {
        *i = 0;
        *j = 0;
        h = planexyz[0][0][1];
    } else {
        const int gi = guess_cell(x, planexyz[0][0][0], planexyz[imx][0][0], imx);
        const int gj = guess_cell(z, planexyz[0][0][2], planexyz[0][jmx][2], jmx);
        int hi = gi, hj = gj, htri = 0;
        const int found = search_all ? -1 : direct_lookup(x, z, gi, gj, imx, jmx, &hi, &hj, &htri);
        float qx = x, qz = z;   // where the height is taken
        if (found < 0 && !search_all) {
            nearby_lookup(&qx, &qz, gj, imx, jmx, &hi, &hj, &htri);
        } else if (found < 0) {
            hi = gi;
            hj = gj;
            htri = 0;
            ring_search(x, z, gi, gj, imx, jmx, &hi, &hj, &htri);
        } else if (!found) {
            hi = gi;   // off the mesh: the guess cell's plane, as the search leaves it
            hj = gj;
            htri = 0;
        }
        *i = hi;
        *j = hj;
        h = triangle_height(hi, hj, htri, qx, qz);
    }

    if (us) {
        if (env.over_carr)
            h = deck_height(x, z, 21.0f);
        else if (env.over_frig)
            h = deck_height(x, z, 7.0f);
        else if (env.over_obs)
            h = env.obj_height;
    }
    return h;
}

float find_local_h(float x, float z, int* i, int* j, int us)
{
    return ground_height(x, z, i, j, us, 0);
}

float find_local_h_searched(float x, float z, int* i, int* j, int us)
{
    return ground_height(x, z, i, j, us, 1);
}

}  // namespace orv
