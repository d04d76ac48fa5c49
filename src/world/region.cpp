#include "world/region.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "2-QZutils/qz_angles.h"
#include "2-QZutils/qz_file.h"
#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/qz_rand.h"
#include "2-QZutils/records.h"
#include "world/apt_gen.h"
#include "world/nav_db.h"
#include "world/obstacles.h"
#include "world/scenery_cache.h"
#include "world/scene_tables.h"
#include "world/weather_gen.h"

namespace orv {

float planenrml[TER_I][TER_J][3];
int   tree_on_poly[TER_I][TER_J];
float city_xyz[TER_I][TER_J][2][5][3];
float tree_xyz[TER_I][TER_J][2][3][2][3];

float rway_elev[RWAY_AREA_CAP][3];
float r_x_min[RWAY_AREA_CAP][3], r_x_max[RWAY_AREA_CAP][3];
float r_z_min[RWAY_AREA_CAP][3], r_z_max[RWAY_AREA_CAP][3];

namespace {

constexpr float  OUTSIDE_QUADRANT_DEG = 0.001f;  // a point may stray this far from its quadrant
constexpr float  RWAY_AREA_REACH_DEG = 0.1f;     // airports this near a quadrant flatten it
constexpr float  RWAY_AREA_BESIDE = 4.5f;        // widths of ground kept flat beside a runway
constexpr float  RWAY_AREA_BELOW = 0.2f;         // flattened ground sits this far below the field
constexpr int    CITY_CHANCE = 10;               // one land cell in this many is a city
constexpr float  CITY_LIGHT_HEIGHT = 3.0f;
constexpr float  TREE_HEIGHT = 20.0f;
constexpr float  TALL_BUILDING_M = 130.0f;
constexpr int    OLD_LAYOUT_SKIP_LINES = 3;
constexpr int    FIRE_TEXTURE_CELL = TEX_STEEP;  // fires burn in the mountains
constexpr int    FIRE_CHANCE = 2000;             // one mountain cell in this many may catch
constexpr float  NORMAL_HEIGHT_GAIN = 10.0f;     // slopes shade strongly

double corner_z;                 // z of latitude lat_sou
int    generation_on = 1;
int    drawn_on = 1;
world_hooks hooks;
int    next_env_obj = OBJ_ENV_FIRST;   // wraps 2999 -> 450 for the whole run

}  // namespace

// ---------------------------------------------------------------- frame

double region_metres_per_degree() { return 60.0 * static_cast<double>(con.nmtomtrs); }
double region_corner_z() { return corner_z; }
void   region_move_corner_z(double dz) { corner_z += dz; }

double region_lon_offset(float lon, double from)
{
    // Within half a turn the remainder is the difference itself, exactly; the library's
    // remainder is only needed across the antimeridian (and it is dear: every mesh point and
    // every start of the flight's frame conversions comes here).
    const double east = static_cast<double>(lon) - from;
    return std::fabs(east) <= 180.0 ? east : std::remainder(east, 360.0);
}

double region_x(float lat, float lon, int col, int row)
{
    col = intlim(col, 0, 2);
    row = intlim(row, 0, 1);
    // The offset from the reference meridian is taken the short way round, so the quadrants
    // past the antimeridian continue the frame instead of lying a world away.
    return region_lon_offset(lon, env.lonwes_ref[col][row]) * region_metres_per_degree() *
               std::cos(lat * DEG_TO_RAD) +
           env.planex_ref[col][row];
}

namespace {

// The one-degree cell of a position, as both directions of the conversion choose it (so that
// a point always comes back through the cell it went out through).
int lon_cell(float lon)
{
    const double east = region_lon_offset(lon, env.lon_wes);
    return intlim((int)std::floor(std::isfinite(east) ? east : 0.0), 0, 2);
}
int lat_cell(float lat)
{
    return intlim(round(fltlim(lat, -1000.0f, 1000.0f) - 0.5f) - env.lat_sou, 0, 1);
}

// The width of a degree of longitude at this latitude, never quite zero: at a pole every
// meridian meets, and the frame still needs a number.
double degree_across(double lat)
{
    const double across = region_metres_per_degree() * std::cos(lat * DEG_TO_RAD);
    return std::fabs(across) < 1e-3 ? (across < 0 ? -1e-3 : 1e-3) : across;
}

// The quadrant column whose own frame puts frame point x (at latitude lat, row j) inside it,
// and the longitude east of the column's reference meridian that it has there. Cells whose
// references differ do not meet on a straight line of x, so the column guessed from the
// region's width can be the neighbour near a cell edge: the guess only settles the seams,
// where no cell or two cells claim the point.
int frame_column(double x, double lat, int j, double* east_of_ref)
{
    const double across = degree_across(lat);
    auto east_in = [&](int i) { return (x - env.planex_ref[i][j]) / across; };
    auto cell_of = [&](int i) { return lon_cell((float)(env.lonwes_ref[i][j] + east_in(i))); };
    int guess = 0;
    if (env.dx > 0.0f) {
        const double g = std::trunc((x - env.lox) / env.dx * 3.0);
        guess = (g > 2.0) ? 2 : (g > 0.0 ? static_cast<int>(g) : 0);
    }
    int col = guess;
    if (cell_of(guess) != guess)
        for (int i = 0; i < 3; i++)
            if (i != guess && cell_of(i) == i) {
                col = i;
                break;
            }
    *east_of_ref = east_in(col);
    return col;
}

}  // namespace

double region_x_latlon(float lat, float lon)
{
    return region_x(lat, lon, lon_cell(lon), lat_cell(lat));
}

double region_z(float lat)
{
    return corner_z - (static_cast<double>(lat) - env.lat_sou) * region_metres_per_degree();
}

double region_lat(double z)
{
    return (corner_z - z) / region_metres_per_degree() + env.lat_sou;
}

double region_lon(double x, double lat)
{
    const int j = lat_cell((float)lat);
    double east = 0.0;
    const int i = frame_column(x, lat, j, &east);
    return env.lonwes_ref[i][j] + east;
}

double region_north_skew(double x, double lat)
{
    // x = cos(lat) (lon - ref) + planex: moving north by dn metres changes x by
    // -sin(lat) (lon - ref) dn, the longitude in radians, with lon - ref read from x itself.
    const int j = lat_cell((float)lat);
    double east = 0.0;
    frame_column(x, lat, j, &east);
    const double lat_rad = fltlim((float)lat, -89.999f, 89.999f) * DEG_TO_RAD;
    return -std::sin(lat_rad) * east * DEG_TO_RAD;
}

float region_frame_heading(double x, double lat, float hdg)
{
    const double k = region_north_skew(x, lat), h = hdg * DEG_TO_RAD;
    const double deg = std::atan2(std::sin(h) + k * std::cos(h), std::cos(h)) / DEG_TO_RAD;
    return (float)(deg < 0 ? deg + 360.0 : deg);
}

float region_true_bearing(double x, double lat, double dx, double dz)
{
    const double north = -dz, east = dx - region_north_skew(x, lat) * north;
    const double deg = std::atan2(east, north) / DEG_TO_RAD;
    return (float)(deg < 0 ? deg + 360.0 : deg);
}

void region_stored_position(double x, double z, double* sx, double* sz)
{
    const double mpd = region_metres_per_degree();
    const double lat = (env.hiz - z) / mpd + env.lat_sou;
    const int row = intlim((int)std::floor(lat) - env.lat_sou, 0, 1);
    double across = mpd * std::cos(lat * DEG_TO_RAD);
    if (std::fabs(across) < 1e-3) across = 1e-3;
    // The column whose own frame puts the point inside it.
    int col = 0;
    for (int c = 0; c < 3; c++) {
        const double lon = (x - env.planex_ref[c][row]) / across + env.lonwes_ref[c][row];
        if (lon >= env.lon_wes + c - 1e-9 || c == 0) col = c;
        if (lon < env.lon_wes + c + 1) break;
    }
    // A fresh load puts the region's western meridian at x = 0 at every latitude; a moved
    // region has it at `west`, curving with the latitude. The stored x is measured from the
    // first mesh column (env.lox, the meridian's westernmost x) and set straight by the
    // meridian's curve at this latitude.
    auto west_at = [&](double at_lat, int c, int r) {
        return (env.lon_wes - env.lonwes_ref[c][r]) * mpd * std::cos(at_lat * DEG_TO_RAD) +
               env.planex_ref[c][r];
    };
    const double west = (env.lon_wes - env.lonwes_ref[col][row]) * across + env.planex_ref[col][row];
    double west_min = west_at(env.lat_sou, 0, 0);
    for (int k = 1; k <= 3; k++) west_min = std::fmin(west_min, west_at(env.lat_sou + (k + 1) / 2, 0, k / 2));
    *sx = x - env.lox - (west - west_min);
    *sz = z - env.hiz;
}

void region_set_generation(int on) { generation_on = on ? 1 : 0; }
int  region_generation() { return generation_on; }
void region_set_drawn(int on) { drawn_on = on ? 1 : 0; }
int  region_drawn() { return drawn_on; }
void world_set_hooks(const world_hooks& h) { hooks = h; }

// ---------------------------------------------------------------- file search

static int readable(const char* path)
{
    std::FILE* f = std::fopen(native_path(path), "rb");
    if (!f) return 0;
    std::fclose(f);
    return 1;
}

int find_env_file(int lat, int lon, char* path, int* old_layout)
{
    char name[64];
    *old_layout = 0;
    lon = region_wrap_lon(lon);   // the tiles past the antimeridian are named as the world counts
    return_latlon_str_ENV(lat, lon, name, 1);
    static const char* const folders[2] = {"additional nav data", "DATA"};
    for (const char* folder : folders) {
        std::snprintf(path, PATH_LEN, "%s", name);
        ap_dir(folder, path);
        if (readable(path)) return 1;
    }
    // The older layout keeps one folder of short names, in the text form.
    char old_name[64];
    return_latlon_str_ENV(lat, lon, old_name, 0);
    std::snprintf(path, PATH_LEN, "%s", old_name);
    ap_dir("DATA", path);
    if (readable(path)) {
        *old_layout = 1;
        return 1;
    }
    if (!generation_on) return 0;
    return scenery_cache_tile(lat, lon, path, PATH_LEN);
}

// ---------------------------------------------------------------- reading a quadrant

namespace {

// Runway areas of every airport near the quadrant, taken in batches of the table's size:
// each batch flattens its cells before the next is gathered, so no airport goes unflattened.
struct quad_span { int i0, j0; };

int gather_runway_areas(int lat, int lon, int* next_airport)
{
    for (int s = 0; s < RWAY_AREA_CAP; s++)
        for (int r = 0; r < 3; r++) rway_elev[s][r] = -999.0f;
    int used = 0;
    const float la0 = lat - RWAY_AREA_REACH_DEG, la1 = lat + 1 + RWAY_AREA_REACH_DEG;
    int a = *next_airport;
    for (; a <= env.aptmax && a < APT_CAP && used < RWAY_AREA_CAP; a++) {
        if (apt_lat[a][0] < la0 || apt_lat[a][0] > la1) continue;   // most of the world, cheaply
        const double east = region_lon_offset(apt_lon[a][0], lon);
        if (east < -RWAY_AREA_REACH_DEG || east > 1 + RWAY_AREA_REACH_DEG) continue;
        const int s = used++;
        for (int r = 0; r < 3; r++) {
            if (apt_len[a][r] <= 0) continue;
            const double x = region_x_latlon(apt_lat[a][r], apt_lon[a][r]);
            const double z = region_z(apt_lat[a][r]);
            const double h = region_frame_heading(x, apt_lat[a][r], (float)apt_hdng[a][r]) * DEG_TO_RAD;
            const double ax = std::sin(h), az = -std::cos(h);   // along the heading
            const double bx = std::cos(h), bz = std::sin(h);    // to the right-hand side
            const double half = 0.5 * apt_len[a][r], w = apt_width[a][r];
            double xmin = 1e30, xmax = -1e30, zmin = 1e30, zmax = -1e30;
            for (int c = 0; c < 4; c++) {
                const double along = (c & 1) ? half : -half;
                const double across = (c & 2) ? RWAY_AREA_BESIDE * w : -0.5 * w;
                const double px = x + ax * along + bx * across;
                const double pz = z + az * along + bz * across;
                xmin = std::fmin(xmin, px);
                xmax = std::fmax(xmax, px);
                zmin = std::fmin(zmin, pz);
                zmax = std::fmax(zmax, pz);
            }
            r_x_min[s][r] = (float)xmin;
            r_x_max[s][r] = (float)xmax;
            r_z_min[s][r] = (float)zmin;
            r_z_max[s][r] = (float)zmax;
            rway_elev[s][r] = apt_h[a];
        }
    }
    *next_airport = a;
    return used;
}

void flatten_runway_areas(quad_span q, int used)
{
    // The areas each row of cells can meet (those whose band of z crosses the row's), in
    // their order: a cell takes the height of the last area it meets, and a shared corner
    // that of the last cell, so both orders are kept.
    static short row_areas[QUAD_DJ * RWAY_AREA_CAP * 3];
    int row_first[QUAD_DJ + 1];
    int n = 0;
    for (int jj = 0; jj < QUAD_DJ; jj++) {
        const int j = q.j0 + jj;
        row_first[jj] = n;
        float zlo = planexyz[q.i0][j][2], zhi = zlo;
        for (int i = q.i0; i <= q.i0 + QUAD_DI; i++)
            for (int k = j; k <= j + 1; k++) {
                zlo = fltmin2(zlo, planexyz[i][k][2]);
                zhi = fltmax2(zhi, planexyz[i][k][2]);
            }
        for (int s = 0; s < used; s++)
            for (int r = 0; r < 3; r++)
                if (rway_elev[s][r] != -999.0f && !(zhi < r_z_min[s][r] || zlo > r_z_max[s][r]))
                    row_areas[n++] = (short)(3 * s + r);
    }
    row_first[QUAD_DJ] = n;
    for (int i = q.i0; i < q.i0 + QUAD_DI; i++) {
        for (int jj = 0; jj < QUAD_DJ; jj++) {
            if (row_first[jj] == row_first[jj + 1]) continue;
            const int j = q.j0 + jj;
            const float* p[4] = {planexyz[i][j], planexyz[i + 1][j], planexyz[i][j + 1],
                                 planexyz[i + 1][j + 1]};
            const float xmin = fltmin4(p[0][0], p[1][0], p[2][0], p[3][0]);
            const float xmax = fltmax4(p[0][0], p[1][0], p[2][0], p[3][0]);
            const float zmin = fltmin4(p[0][2], p[1][2], p[2][2], p[3][2]);
            const float zmax = fltmax4(p[0][2], p[1][2], p[2][2], p[3][2]);
            for (int k = row_first[jj]; k < row_first[jj + 1]; k++) {
                const int s = row_areas[k] / 3, r = row_areas[k] % 3;
                if (xmax < r_x_min[s][r] || xmin > r_x_max[s][r] || zmax < r_z_min[s][r] ||
                    zmin > r_z_max[s][r])
                    continue;
                const float y = rway_elev[s][r] - RWAY_AREA_BELOW;
                planexyz[i][j][1] = planexyz[i + 1][j][1] = y;
                planexyz[i][j + 1][1] = planexyz[i + 1][j + 1][1] = y;
                tree_on_poly[i][j] = 0;
            }
        }
    }
}

// A random point of triangle tri of cell (i, j), `lift` metres above its ground: three draws.
constexpr int DRAWS_PER_POINT = 3;
constexpr int CITY_POINTS = 5, TREE_POINTS = 3;   // per triangle of a cell that has them
void point_in_triangle(int i, int j, int tri, float lift, float* out)
{
    int i1, j1, i2, j2, i3, j3;
    convert_ij_dxy(i, j, tri, &i1, &j1, &i2, &j2, &i3, &j3);
    float w1 = fltrand(0.01f, 0.99f), w2 = fltrand(0.01f, 0.99f), w3 = fltrand(0.01f, 0.99f);
    const float sum = w1 + w2 + w3;
    w1 /= sum;
    w2 /= sum;
    w3 /= sum;
    for (int k = 0; k < 3; k++)
        out[k] = w1 * planexyz[i1][j1][k] + w2 * planexyz[i2][j2][k] + w3 * planexyz[i3][j3][k];
    out[1] += lift;
}

void place_city_and_tree_points(quad_span q)
{
    if (!drawn_on) {
        std::uint64_t points = 0;
        for (int i = q.i0; i < q.i0 + QUAD_DI; i++)
            for (int j = q.j0; j < q.j0 + QUAD_DJ; j++)
                points += 2 * ((city_on_poly[i][j] ? CITY_POINTS : 0) + (tree_on_poly[i][j] ? TREE_POINTS : 0));
        skip_rand(points * DRAWS_PER_POINT);
        return;
    }
    for (int i = q.i0; i < q.i0 + QUAD_DI; i++) {
        for (int j = q.j0; j < q.j0 + QUAD_DJ; j++) {
            for (int tri = 0; tri < 2; tri++) {
                if (city_on_poly[i][j])
                    for (int k = 0; k < CITY_POINTS; k++)
                        point_in_triangle(i, j, tri, CITY_LIGHT_HEIGHT, city_xyz[i][j][tri][k]);
                if (tree_on_poly[i][j]) {
                    for (int k = 0; k < TREE_POINTS; k++) {
                        float* seg0 = tree_xyz[i][j][tri][k][0];
                        float* seg1 = tree_xyz[i][j][tri][k][1];
                        point_in_triangle(i, j, tri, 0.0f, seg0);
                        seg1[0] = seg0[0];
                        seg1[1] = seg0[1] + TREE_HEIGHT;
                        seg1[2] = seg0[2];
                    }
                }
            }
        }
    }
}

void damaged_file(const char* path)
{
    MACIBM_alert("Damaged environment file!", path,
                 "You should delete, replace, or fix this env file!", "", ALERT_NOTE);
}

// The 80 rows of 60 points. Answers 0 when the file's points are unusable.
int read_points(int lat, int lon, int col, int row, quad_span q, const char* path)
{
    int reported = 0;
    for (int pj = 0; pj < QUAD_PTS_LAT; pj++) {
        for (int pi = 0; pi < QUAD_PTS_LON; pi++) {
            // Text points are one line each, ended by the last flag; binary has no lines.
            float plat = fltscanNOSN("env lat");
            float plon = fltscanNOSN("env lon");
            float h = fltscanNOSN("env elev");
            int water;
            if (inf_is_bin) {
                water = (intscanNOSN("env flags") & (ENV_FLAG_SEA | ENV_FLAG_LAKE)) != 0;
            } else {
                intscanNOSN("env flag");
                const int w1 = intscanNOSN("env water");
                const int w2 = intscanNOSN("env water");
                intscanNOSN("env flag");
                intscan("env flag");
                water = (w1 == 1 || w2 == 1);
            }
            if (!inf_good()) return 0;
            // A tile past the antimeridian holds its own longitudes (-180 for 180).
            const double east = region_lon_offset(plon, lon);
            if (!(plat >= lat - OUTSIDE_QUADRANT_DEG && plat <= lat + 1 + OUTSIDE_QUADRANT_DEG &&
                  east >= -OUTSIDE_QUADRANT_DEG && east <= 1 + OUTSIDE_QUADRANT_DEG) ||
                !std::isfinite(h)) {
                if (!reported) damaged_file(path);
                reported = 1;
                // The point is put where it belongs, at sea level, so the mesh stays whole.
                plat = lat + (float)pj / QUAD_DJ;
                plon = lon + (float)pi / QUAD_DI;
                h = 0.0f;
            }
            const int i = q.i0 + pi, j = q.j0 + pj;
            planexyz[i][j][0] = (float)region_x(plat, plon, col, row);
            planexyz[i][j][1] = h;
            planexyz[i][j][2] = (float)region_z(plat);
            on_water[i][j] = water;
        }
    }
    return 1;
}

void flat_water(int lat, int lon, int col, int row, quad_span q)
{
    for (int pj = 0; pj < QUAD_PTS_LAT; pj++) {
        for (int pi = 0; pi < QUAD_PTS_LON; pi++) {
            const float plat = lat + (float)pj / QUAD_DJ;
            const float plon = lon + (float)pi / QUAD_DI;
            const int i = q.i0 + pi, j = q.j0 + pj;
            planexyz[i][j][0] = (float)region_x(plat, plon, col, row);
            planexyz[i][j][1] = 0.0f;
            planexyz[i][j][2] = (float)region_z(plat);
            on_water[i][j] = 1;
        }
    }
}

// The cells round an object light up as a town; only those of the quadrant being read, whose
// light points are placed with it (a neighbour's cells would keep lights at the origin).
void mark_city_round(int oi, int oj, quad_span q)
{
    for (int i = intlim(oi - 1, q.i0, TER_I - 2); i <= intlim(oi + 1, 0, q.i0 + QUAD_DI - 1); i++)
        for (int j = intlim(oj - 1, q.j0, TER_J - 2); j <= intlim(oj + 1, 0, q.j0 + QUAD_DJ - 1); j++)
            if (i < TER_I - 1 && j < TER_J - 1) city_on_poly[i][j] = 1;
}

void read_objects(quad_span q)
{
    for (int guard = 0; guard < 100000; guard++) {
        const int type = intscanNOSN("env obj type");
        if (!inf_good() || type == ENV_OBJ_END) return;
        const float olat = fltscanNOSN("env obj lat");
        const float olon = fltscanNOSN("env obj lon");
        char name[OBJ_NAME_LEN] = "";
        float height;
        if (type == OBJ_CUSTOM) {
            height = fltscanNOSN("env obj hdng");
            if (!inf_is_bin) {
                char line[PATH_LEN];
                strscan(line, "env obj name", sizeof line);
                const char* p = line;
                while (*p == ' ' || *p == '\t') p++;
                std::snprintf(name, sizeof name, "%.39s", p);
            } else {
                strscan(name, "env obj name", sizeof name);
                name[sizeof name - 1] = 0;
            }
        } else {
            height = fltscanNOSN("env obj height") * con.fttomtrs;
            intscanNOSN("env obj flag");
            intscan("env obj flag");
        }
        if (!inf_good()) return;
        if (type == 1) continue;   // listed, never placed
        int otype = type;
        if (type == OBJ_BLOCK && height >= TALL_BUILDING_M) otype = intrand(OBJ_TALL_FIRST, OBJ_TALL_LAST);
        else if (type != OBJ_BLOCK && type != OBJ_RADIO_TOWER && type != OBJ_POWER_TOWER &&
                 type != 5 && type != 6 && type != OBJ_CUSTOM)
            continue;
        const int o = next_env_obj;
        next_env_obj = (next_env_obj >= OBJ_CAP - 1) ? OBJ_ENV_FIRST : next_env_obj + 1;
        int oi = 0, oj = 0;
        const float x = (float)region_x_latlon(olat, olon), z = (float)region_z(olat);
        make_an_obs(x, z, height, name, otype, o, &oi, &oj);
        if (oi >= 0 && oi < TER_I && oj >= 0 && oj < TER_J && !on_water[oi][oj]) mark_city_round(oi, oj, q);
    }
}

}  // namespace

void read_quadrant_ground(int lat, int lon, int quadrant)
{
    quadrant = intlim(quadrant, 0, QUAD_SLOTS - 1);
    const int col = quadrant % 3, row = quadrant / 3;
    const quad_span q = {QUAD_DI * col, QUAD_DJ * row};

    char path[PATH_LEN];
    int old_layout = 0, have_file = 0, opened = 0;
    if (flt.Y < ENV_READ_CEILING_FT * con.fttomtrs) have_file = find_env_file(lat, lon, path, &old_layout);
    if (have_file) {
        if (old_layout) {
            opened = inf_open(path, FILE_ENV_TEXT, ENV_VERSION, 0) ||
                     inf_open(path, FILE_ENV_TEXT, ENV_VERSION_OLD, 0);
            for (int k = 0; opened && k < OLD_LAYOUT_SKIP_LINES; k++) rln("env header");
        } else {
            opened = inf_open(path, FILE_BINARY, ENV_VERSION, 0) ||
                     inf_open(path, FILE_BINARY, ENV_VERSION_OLD, 0) ||
                     inf_open(path, FILE_ENV_TEXT, ENV_VERSION, 0) ||
                     inf_open(path, FILE_ENV_TEXT, ENV_VERSION_OLD, 0);
        }
    }
    const int keep_use = inf_use;
    inf_use = 1;
    int points_ok = 0;
    if (opened) {
        points_ok = read_points(lat, lon, col, row, q, path);
        if (!points_ok) damaged_file(path);
    }
    if (!points_ok) flat_water(lat, lon, col, row, q);

    // Cells of the quadrant: trees on land, now and then a city; then the runway areas.
    for (int i = q.i0; i < q.i0 + QUAD_DI; i++) {
        for (int j = q.j0; j < q.j0 + QUAD_DJ; j++) {
            tree_on_poly[i][j] = !on_water[i][j];
            city_on_poly[i][j] = !on_water[i][j] && intrand(1, CITY_CHANCE) == 1;
        }
    }
    for (int next = 0; next <= env.aptmax;) {
        const int used = gather_runway_areas(lat, lon, &next);
        if (used == 0) break;
        flatten_runway_areas(q, used);
    }

    if (points_ok) {
        if (!inf_is_bin && intscan("env checkpoint") != 1)
            MACIBM_alert("Env file checkpoint busted!", path, "", "", ALERT_NOTE);
        if (inf_good()) read_objects(q);
    }
    if (opened) inf_close();
    inf_use = keep_use;

    place_city_and_tree_points(q);
}

void read_quadrant(int lat, int lon, int quadrant)
{
    read_quadrant_ground(lat, lon, quadrant);
    gen_wx_for_sec(intlim(quadrant, 0, QUAD_SLOTS - 1));
}

// ---------------------------------------------------------------- whole region

int region_wrap_lon(int lon)
{
    return ((lon + 180) % 360 + 360) % 360 - 180;
}

void load_region()
{
    // Two rows of quadrants fit between the poles; the western meridian is one the world has.
    env.lat_sou = intlim(env.lat_sou, REGION_LAT_SOU_MIN, REGION_LAT_SOU_MAX);
    env.lon_wes = region_wrap_lon(env.lon_wes);
    obs_clear(0, OBJ_CAP - 1);
    next_env_obj = OBJ_ENV_FIRST;
    corner_z = 0.0;
    for (int c = 0; c < 3; c++) {
        for (int r = 0; r < 2; r++) {
            env.lonwes_ref[c][r] = (float)env.lon_wes;
            env.planex_ref[c][r] = 0.0f;
        }
    }
    for (int q = 0; q < QUAD_SLOTS; q++) read_quadrant(env.lat_sou + q / 3, env.lon_wes + q % 3, q);
    finish_nav_readin();
    for (int i = 0; i < CLOUD_SECTORS_I; i++)
        for (int j = 0; j < CLOUD_SECTORS_J; j++) fill_a_sector_with_ocast(i, j);
    region_make_ahead();
}

void region_make_ahead()
{
    if (generation_on) scenery_cache_ahead_around(env.lat_sou, env.lon_wes);
}

// The region's airport, VOR and NDB lists in database order (first 90 of each).
static void build_region_lists()
{
    int na = 0, nv = 0, nn = 0;
    for (int a = 0; a <= env.aptmax && a < APT_CAP; a++)
        if (apt_inreg[a] && na < REG_LIST_CAP) apt_to_index[na++] = a;
    for (int n = 0; n <= env.navmax && n < NAV_CAP; n++) {
        if (!nav_inreg[n]) continue;
        if (nav_type[n] == NAV_VOR && nv < REG_LIST_CAP) vor_to_index[nv++] = n;
        if (nav_type[n] == NAV_NDB && nn < REG_LIST_CAP) ndb_to_index[nn++] = n;
    }
    env.apt_list_max = intlim(na - 1, 0, REG_LIST_CAP - 1);
    env.vor_list_max = intlim(nv - 1, 0, REG_LIST_CAP - 1);
    env.ndb_list_max = intlim(nn - 1, 0, REG_LIST_CAP - 1);
    for (int k = na; k < REG_LIST_CAP; k++) apt_to_index[k] = -1;
    for (int k = nv; k < REG_LIST_CAP; k++) vor_to_index[k] = -1;
    for (int k = nn; k < REG_LIST_CAP; k++) ndb_to_index[k] = -1;
}

void finish_region()
{
    obs_clear(0, OBJ_ENV_FIRST - 1);   // the generated airport objects are made again
    build_region_lists();
    for (int a = 0; a < REG_LIST_CAP; a++) {
        env.rwaymax[a] = -1;
        // An entry the last region used and this one leaves empty keeps none of its runways.
        if (apt_to_index[a] < 0 && first_runway(a) >= 0) clear_apt(a);
    }
    for (int a = 0; a < REG_LIST_CAP && apt_to_index[a] >= 0; a++) build_apt(a, apt_to_index[a]);
    if (hooks.setup_menus) hooks.setup_menus();
    finish_region_terrain();
}

// Open sea: the cell and its eight neighbours are water at sea level, all inside the
// quadrant (so the answer does not change when a neighbouring quadrant comes or goes).
static int open_sea(int i, int j, int i0, int j0)
{
    if (i - 1 < i0 || i + 1 > i0 + QUAD_DI - 1 || j - 1 < j0 || j + 1 > j0 + QUAD_DJ - 1) return 0;
    for (int a = i - 1; a <= i + 1; a++)
        for (int b = j - 1; b <= j + 1; b++)
            if (!on_water[a][b] || planexyz[a][b][1] > SHIP_SEA_LEVEL_M) return 0;
    return planexyz[i + 1][j + 1][1] <= SHIP_SEA_LEVEL_M;
}

// The open-sea cell of quadrant (i0, j0) nearest to its cell (ti, tj) that holds no ship yet;
// 0 when the quadrant has none. sea[i - i0][j - j0] tells the open-sea cells.
static int nearest_open_sea(const bool (*sea)[QUAD_DJ], int i0, int j0, int ti, int tj, int* bi, int* bj)
{
    int best = -1;
    for (int i = i0; i < i0 + QUAD_DI; i++)
        for (int j = j0; j < j0 + QUAD_DJ; j++) {
            if (!sea[i - i0][j - j0] || carr_on_poly[i][j] || frig_on_poly[i][j] || oilr_on_poly[i][j]) continue;
            const int d = (i - ti) * (i - ti) + (j - tj) * (j - tj);
            if (best < 0 || d < best) {
                best = d;
                *bi = i;
                *bj = j;
            }
        }
    return best >= 0;
}

void place_ships()
{
    std::memset(carr_on_poly, 0, sizeof carr_on_poly);
    std::memset(frig_on_poly, 0, sizeof frig_on_poly);
    std::memset(oilr_on_poly, 0, sizeof oilr_on_poly);
    // Each quadrant with open sea carries a carrier nearest its middle, a frigate toward its
    // south-west and a rig toward its north-east: a quadrant always puts them in the same cells.
    for (int q = 0; q < QUAD_SLOTS; q++) {
        const int i0 = QUAD_DI * (q % 3), j0 = QUAD_DJ * (q / 3);
        bool sea[QUAD_DI][QUAD_DJ];   // looked at once for the three searches
        for (int i = 0; i < QUAD_DI; i++)
            for (int j = 0; j < QUAD_DJ; j++) sea[i][j] = open_sea(i0 + i, j0 + j, i0, j0);
        int i, j;
        if (nearest_open_sea(sea, i0, j0, i0 + QUAD_DI / 2, j0 + QUAD_DJ / 2, &i, &j)) carr_on_poly[i][j] = 1;
        if (nearest_open_sea(sea, i0, j0, i0 + QUAD_DI / 4, j0 + QUAD_DJ / 4, &i, &j)) frig_on_poly[i][j] = 1;
        if (nearest_open_sea(sea, i0, j0, i0 + 3 * QUAD_DI / 4, j0 + 3 * QUAD_DJ / 4, &i, &j)) oilr_on_poly[i][j] = 1;
    }
}

void finish_region_terrain()
{
    imaxindex = TER_I - 1;
    jmaxindex = TER_J - 1;
    float lox = planexyz[0][0][0], hix = planexyz[TER_I - 1][0][0];
    for (int j = 0; j < TER_J; j++) {
        lox = fltmin2(lox, planexyz[0][j][0]);
        hix = fltmax2(hix, planexyz[TER_I - 1][j][0]);
    }
    env.lox = lox;
    env.hix = hix;
    env.hiz = planexyz[0][0][2];
    env.loz = planexyz[0][TER_J - 1][2];
    env.dx = env.hix - env.lox;
    env.dz = env.hiz - env.loz;
    if (env.dz != 0.0f) {
        con.mtrtonrt = 494.0f / env.dz;
        con.nrttomtr = 1.0f / con.mtrtonrt;
    }

    env.min_h = env.max_h = planexyz[0][0][1];
    for (int i = 0; i < TER_I; i++) {
        for (int j = 0; j < TER_J; j++) {
            env.min_h = fltmin2(env.min_h, planexyz[i][j][1]);
            env.max_h = fltmax2(env.max_h, planexyz[i][j][1]);
            if (!drawn_on) continue;   // the normals only shade the drawn terrain
            const int i0 = intmax2(i - 1, 0), i1 = i + 1 < TER_I ? i + 1 : TER_I - 1;
            const int j0 = intmax2(j - 1, 0), j1 = j + 1 < TER_J ? j + 1 : TER_J - 1;
            VVECT a = {planexyz[i1][j][0] - planexyz[i0][j][0],
                       (planexyz[i1][j][1] - planexyz[i0][j][1]) * NORMAL_HEIGHT_GAIN,
                       planexyz[i1][j][2] - planexyz[i0][j][2]};
            VVECT b = {planexyz[i][j1][0] - planexyz[i][j0][0],
                       (planexyz[i][j1][1] - planexyz[i][j0][1]) * NORMAL_HEIGHT_GAIN,
                       planexyz[i][j1][2] - planexyz[i][j0][2]};
            // Along i (east) crossed with along j (north, z falling) points up.
            VVECT n;
            find_normal_vects(&a, &b, &n);
            planenrml[i][j][0] = n.x;
            planenrml[i][j][1] = n.y;
            planenrml[i][j][2] = n.z;
        }
    }
    assign_terrain_texes(TER_I, TER_J);
    place_ships();

    int burning = 0;
    for (int f = 0; f < 10; f++) burning |= scn.fire_on[f];
    if (!burning) {
        int f = 0;
        for (int i = 20; i <= 158 && f < 10; i++) {
            for (int j = 20; j <= 139 && f < 10; j++) {
                if (planetex[i][j] != (unsigned)FIRE_TEXTURE_CELL || intrand(1, FIRE_CHANCE) != 1) continue;
                scn.fire_on[f] = 1;
                scn.firexyz[f][0] = 0.5f * (planexyz[i][j][0] + planexyz[i + 1][j + 1][0]);
                scn.firexyz[f][1] = 0.5f * (planexyz[i][j][1] + planexyz[i + 1][j + 1][1]);
                scn.firexyz[f][2] = 0.5f * (planexyz[i][j][2] + planexyz[i + 1][j + 1][2]);
                f++;
            }
        }
    }
}

}  // namespace orv
