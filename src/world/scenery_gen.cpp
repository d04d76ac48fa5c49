#include "world/scenery_gen.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <vector>

#include "world/env_write.h"
#include "world/region.h"
#include "2-QZutils/qz_angles.h"

namespace orv {

namespace {

constexpr int    BANDS_PER_DEG = 10;                 // latitude bands of the edge index
constexpr int    BANDS = 180 * BANDS_PER_DEG;
constexpr int    APT_CELLS_LON = 360, APT_CELLS_LAT = 180;
constexpr double SURFACE_REACH_DEG = 1.0;            // airports shaping the surface at a point
constexpr double FIELD_REACH_DEG = 0.03;             // the ground settles onto a field within this
constexpr double DEFAULT_WEIGHT = 0.05;              // far from every field the land tends to
constexpr double DEFAULT_HEIGHT = 150.0;             //   this height, metres
constexpr double DETAIL_BASE_M = 40.0;               // fractal detail amplitude: this much
constexpr double DETAIL_PER_M = 0.12;                //   plus this share of the height
constexpr double COAST_POINTS = 3.0;                 // land climbs from the sea over this many points
constexpr int    MARGIN = 4;                         // mask points looked at beyond the quadrant
constexpr int    ROW_CROSSINGS_CAP = 8192;
constexpr int    NOISE_OCTAVES = 4;
constexpr double NOISE_CELL_DEG = 0.2;               // first octave's lattice spacing

struct source {
    std::vector<float> pts;                          // lon, lat pairs; every ring closed
    std::vector<std::uint32_t> edge_ring_end;        // per point: 1 when no edge starts there
    std::vector<std::uint32_t> band_start, band_edges;
    std::vector<float> apt;                          // lat, lon, elevation
    std::vector<std::uint32_t> cell_start, cell_apts;
    int ready = 0;
};
source src;

// Cosine without the maths library, so the bytes do not depend on it: |x| up to pi/2 + a bit.
double cos_det(double x)
{
    if (x < 0) x = -x;
    const double x2 = x * x;
    double term = 1.0, sum = 1.0;
    for (int k = 1; k <= 10; k++) {
        term *= -x2 / ((2.0 * k - 1.0) * (2.0 * k));
        sum += term;
    }
    return sum;
}
double cos_lat(double lat) { return cos_det(std::min(std::max(lat, -90.0), 90.0) * (PI / 180.0)); }

double smooth01(double t)
{
    t = std::min(std::max(t, 0.0), 1.0);
    return t * t * (3.0 - 2.0 * t);
}

std::uint32_t hash3(std::int32_t x, std::int32_t y, std::uint32_t o)
{
    std::uint32_t h = (std::uint32_t)x * 0x8da6b343u ^ (std::uint32_t)y * 0xd8163841u ^ (o + 1u) * 0xcb1ab31fu;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    h *= 0x27d4eb2du;
    h ^= h >> 16;
    return h;
}
double lattice(std::int32_t x, std::int32_t y, std::uint32_t o)
{
    return (double)(hash3(x, y, o) & 0xFFFFFFu) / (double)0xFFFFFF * 2.0 - 1.0;
}
double fade(double f) { return f * f * f * (f * (f * 6.0 - 15.0) + 10.0); }

// Fractal value noise of the global position, -1..1 roughly.
double detail_noise(double lat, double lon)
{
    double sum = 0.0, amp = 1.0, norm = 0.0, cell = NOISE_CELL_DEG;
    for (int o = 0; o < NOISE_OCTAVES; o++) {
        const double u = (lon + 180.0) / cell, v = (lat + 90.0) / cell;
        const double fu = std::floor(u), fv = std::floor(v);
        const std::int32_t iu = (std::int32_t)fu, iv = (std::int32_t)fv;
        const double su = fade(u - fu), sv = fade(v - fv);
        const double a = lattice(iu, iv, o), b = lattice(iu + 1, iv, o);
        const double c = lattice(iu, iv + 1, o), d = lattice(iu + 1, iv + 1, o);
        sum += amp * ((a + (b - a) * su) + ((c + (d - c) * su) - (a + (b - a) * su)) * sv);
        norm += amp;
        amp *= 0.5;
        cell *= 0.5;
    }
    return sum / norm;
}

int band_of(double lat)
{
    const int b = (int)std::floor((lat + 90.0) * BANDS_PER_DEG);
    return std::min(std::max(b, 0), BANDS - 1);
}

// Crossings of the parallel `lat` with the land edges: parity of those west of x_lo, and the
// longitudes of those from x_lo to x_hi, sorted.
float row_xs[ROW_CROSSINGS_CAP];
int row_crossings(double lat, double x_lo, double x_hi, int* n_out)
{
    const int b = band_of(lat);
    int west = 0, n = 0;
    for (std::uint32_t e = src.band_start[b]; e < src.band_start[b + 1]; e++) {
        const std::uint32_t k = src.band_edges[e];
        const double ay = src.pts[2 * k + 1], by = src.pts[2 * k + 3];
        if ((ay > lat) == (by > lat)) continue;
        const double ax = src.pts[2 * k], bx = src.pts[2 * k + 2];
        const double x = ax + (lat - ay) * (bx - ax) / (by - ay);
        if (x < x_lo) west ^= 1;
        else if (x <= x_hi && n < ROW_CROSSINGS_CAP) row_xs[n++] = (float)x;
    }
    std::sort(row_xs, row_xs + n);
    *n_out = n;
    return west;
}

struct field_pull { double surface; double near_d; double near_h; };

field_pull airports_at(double lat, double lon)
{
    const double c = std::max(cos_lat(lat), 1e-3);
    const int ci = (int)std::floor(lat) + 90;
    const int cj = (int)std::floor(lon) + 180;
    const int reach_lon = std::min((int)(SURFACE_REACH_DEG / c) + 1, APT_CELLS_LON / 2);
    double sw = DEFAULT_WEIGHT, swh = DEFAULT_WEIGHT * DEFAULT_HEIGHT;
    field_pull f = {0.0, 1e9, 0.0};
    for (int i = ci - 1; i <= ci + 1; i++) {
        if (i < 0 || i >= APT_CELLS_LAT) continue;
        for (int dj = -reach_lon; dj <= reach_lon; dj++) {
            const int j = ((cj + dj) % APT_CELLS_LON + APT_CELLS_LON) % APT_CELLS_LON;
            const int cell = i * APT_CELLS_LON + j;
            for (std::uint32_t k = src.cell_start[cell]; k < src.cell_start[cell + 1]; k++) {
                const std::uint32_t a = src.cell_apts[k];
                double dlon = src.apt[3 * a + 1] - lon;
                if (dlon > 180.0) dlon -= 360.0;
                if (dlon < -180.0) dlon += 360.0;
                const double dx = dlon * c, dy = src.apt[3 * a] - lat;
                const double d2 = dx * dx + dy * dy;
                if (d2 >= SURFACE_REACH_DEG * SURFACE_REACH_DEG) continue;
                const double d = std::max(std::sqrt(d2), 1e-7);
                const double w0 = (SURFACE_REACH_DEG - d) / (SURFACE_REACH_DEG * d);
                const double w = w0 * w0;
                sw += w;
                swh += w * src.apt[3 * a + 2];
                if (d < f.near_d) {
                    f.near_d = d;
                    f.near_h = src.apt[3 * a + 2];
                }
            }
        }
    }
    f.surface = swh / sw;
    return f;
}

constexpr int EXT_J = QUAD_PTS_LAT + 2 * MARGIN, EXT_I = QUAD_PTS_LON + 2 * MARGIN;
unsigned char land_mask[EXT_J][EXT_I];

void fill_mask(int lat, int lon)
{
    for (int jj = 0; jj < EXT_J; jj++) {
        const double y = lat + (double)(jj - MARGIN) / QUAD_DJ;
        const double x_lo = lon + (double)(-MARGIN) / QUAD_DI;
        const double x_hi = lon + (double)(QUAD_PTS_LON - 1 + MARGIN) / QUAD_DI;
        int n;
        int inside = row_crossings(y, x_lo, x_hi, &n);
        int k = 0;
        for (int ii = 0; ii < EXT_I; ii++) {
            const double x = lon + (double)(ii - MARGIN) / QUAD_DI;
            while (k < n && row_xs[k] < x) {
                inside ^= 1;
                k++;
            }
            land_mask[jj][ii] = (unsigned char)inside;
        }
    }
}

double water_distance(int jj, int ii)
{
    double best = COAST_POINTS + 1.0;
    for (int dj = -MARGIN; dj <= MARGIN; dj++)
        for (int di = -MARGIN; di <= MARGIN; di++) {
            const int j = jj + dj, i = ii + di;
            if (j < 0 || j >= EXT_J || i < 0 || i >= EXT_I || land_mask[j][i]) continue;
            best = std::min(best, std::sqrt((double)(dj * dj + di * di)));
        }
    return best;
}

void read_all(std::FILE* f, void* p, size_t n, int* ok)
{
    if (*ok && std::fread(p, 1, n, f) != n) *ok = 0;
}

}  // namespace

int scenery_source_write(const char* native_path, const float* lonlat, const std::uint32_t* ring_start,
                         int rings, const float* airports, int n_airports)
{
    std::FILE* f = std::fopen(native_path, "wb");
    if (!f) return 0;
    const std::uint32_t nr = (std::uint32_t)rings, np = ring_start[rings], na = (std::uint32_t)n_airports;
    int ok = std::fwrite(SCENERY_SOURCE_MAGIC, 1, 8, f) == 8;
    ok = ok && std::fwrite(&nr, 4, 1, f) == 1 && std::fwrite(&np, 4, 1, f) == 1;
    ok = ok && std::fwrite(ring_start, 4, nr + 1, f) == nr + 1;
    ok = ok && std::fwrite(lonlat, 8, np, f) == np;
    ok = ok && std::fwrite(&na, 4, 1, f) == 1 && std::fwrite(airports, 12, na, f) == na;
    return (std::fclose(f) == 0) && ok;
}

// Generation works in shared buffers (the land mask, the row crossings, the tile, the file's
// bytes) and reads the source: one generation at a time, and never while the source changes,
// whichever thread asks (the cache's worker makes tiles ahead of the flight).
static std::recursive_mutex source_use;
static std::atomic<int> source_loaded;   // src.ready, read without waiting on a generation

void scenery_source_unload()
{
    std::lock_guard<std::recursive_mutex> hold(source_use);
    src = source();
    source_loaded = 0;
}

int scenery_source_ready() { return source_loaded; }

int scenery_source_load(const char* native_path)
{
    scenery_source_unload();
    std::lock_guard<std::recursive_mutex> hold(source_use);
    std::FILE* f = std::fopen(native_path, "rb");
    if (!f) return 0;
    int ok = 1;
    char magic[8];
    std::uint32_t nr = 0, np = 0, na = 0;
    read_all(f, magic, 8, &ok);
    ok = ok && !std::memcmp(magic, SCENERY_SOURCE_MAGIC, 8);
    read_all(f, &nr, 4, &ok);
    read_all(f, &np, 4, &ok);
    ok = ok && nr < (1u << 26) && np < (1u << 28);
    std::vector<std::uint32_t> starts;
    std::vector<float> raw;
    if (ok) {
        starts.resize(nr + 1);
        raw.resize((size_t)np * 2);
        read_all(f, starts.data(), 4 * (nr + 1), &ok);
        read_all(f, raw.data(), 8 * (size_t)np, &ok);
        read_all(f, &na, 4, &ok);
        ok = ok && na < (1u << 24);
    }
    if (ok) {
        src.apt.resize((size_t)na * 3);
        read_all(f, src.apt.data(), 12 * (size_t)na, &ok);
    }
    std::fclose(f);
    for (std::uint32_t r = 0; ok && r < nr; r++)
        ok = starts[r] <= starts[r + 1] && starts[r + 1] <= np;
    if (!ok) {
        scenery_source_unload();
        return 0;
    }

    // Rings, closed; an edge starts at every point but a ring's last.
    std::vector<std::uint32_t> edge_first;
    for (std::uint32_t r = 0; r < nr; r++) {
        const std::uint32_t a = starts[r], b = starts[r + 1];
        if (b - a < 3) continue;
        const std::uint32_t first = (std::uint32_t)(src.pts.size() / 2);
        for (std::uint32_t k = a; k < b; k++) {
            src.pts.push_back(raw[2 * k]);
            src.pts.push_back(raw[2 * k + 1]);
        }
        if (raw[2 * a] != raw[2 * (b - 1)] || raw[2 * a + 1] != raw[2 * (b - 1) + 1]) {
            src.pts.push_back(raw[2 * a]);
            src.pts.push_back(raw[2 * a + 1]);
        }
        const std::uint32_t last = (std::uint32_t)(src.pts.size() / 2) - 1;
        for (std::uint32_t k = first; k < last; k++) edge_first.push_back(k);
    }
    // Latitude bands: an edge is listed in every band it spans.
    std::vector<std::uint32_t> count(BANDS + 1, 0);
    auto span = [&](std::uint32_t k, int* b0, int* b1) {
        const double ay = src.pts[2 * k + 1], by = src.pts[2 * k + 3];
        *b0 = band_of(std::min(ay, by));
        *b1 = band_of(std::max(ay, by));
    };
    for (std::uint32_t k : edge_first) {
        int b0, b1;
        span(k, &b0, &b1);
        for (int b = b0; b <= b1; b++) count[b + 1]++;
    }
    src.band_start.assign(BANDS + 1, 0);
    for (int b = 0; b < BANDS; b++) src.band_start[b + 1] = src.band_start[b] + count[b + 1];
    src.band_edges.resize(src.band_start[BANDS]);
    std::vector<std::uint32_t> fill(src.band_start.begin(), src.band_start.end() - 1);
    for (std::uint32_t k : edge_first) {
        int b0, b1;
        span(k, &b0, &b1);
        for (int b = b0; b <= b1; b++) src.band_edges[fill[b]++] = k;
    }
    // Airports by one-degree cell.
    const int cells = APT_CELLS_LAT * APT_CELLS_LON;
    std::vector<std::uint32_t> cell_of(na);
    std::vector<std::uint32_t> ccount(cells + 1, 0);
    for (std::uint32_t a = 0; a < na; a++) {
        const int i = std::min(std::max((int)std::floor(src.apt[3 * a]) + 90, 0), APT_CELLS_LAT - 1);
        const int j = (((int)std::floor(src.apt[3 * a + 1]) + 180) % APT_CELLS_LON + APT_CELLS_LON) % APT_CELLS_LON;
        cell_of[a] = (std::uint32_t)(i * APT_CELLS_LON + j);
        ccount[cell_of[a] + 1]++;
    }
    src.cell_start.assign(cells + 1, 0);
    for (int c = 0; c < cells; c++) src.cell_start[c + 1] = src.cell_start[c] + ccount[c + 1];
    src.cell_apts.resize(na);
    std::vector<std::uint32_t> cfill(src.cell_start.begin(), src.cell_start.end() - 1);
    for (std::uint32_t a = 0; a < na; a++) src.cell_apts[cfill[cell_of[a]]++] = a;
    src.ready = 1;
    source_loaded = 1;
    return 1;
}

int scenery_is_land(double lat, double lon)
{
    std::lock_guard<std::recursive_mutex> hold(source_use);
    if (!src.ready) return -1;
    int n;
    return row_crossings(lat, lon, lon, &n);
}

int generate_tile(int lat, int lon, float* elev, int* flags)
{
    std::lock_guard<std::recursive_mutex> hold(source_use);
    if (!src.ready) return 0;
    fill_mask(lat, lon);
    for (int j = 0; j < QUAD_PTS_LAT; j++) {
        const double plat = lat + (double)j / QUAD_DJ;
        for (int i = 0; i < QUAD_PTS_LON; i++) {
            const double plon = lon + (double)i / QUAD_DI;
            const int k = j * QUAD_PTS_LON + i;
            if (!land_mask[j + MARGIN][i + MARGIN]) {
                elev[k] = 0.0f;
                flags[k] = ENV_FLAG_SEA;
                continue;
            }
            const field_pull fp = airports_at(plat, plon);
            const double amp = DETAIL_BASE_M + DETAIL_PER_M * std::max(fp.surface, 0.0);
            const double at_field = smooth01(fp.near_d / FIELD_REACH_DEG);
            const double coast = smooth01(water_distance(j + MARGIN, i + MARGIN) / COAST_POINTS);
            double h = (fp.surface + detail_noise(plat, plon) * amp * at_field) * coast;
            h = h * at_field + fp.near_h * (1.0 - at_field);
            elev[k] = (float)h;
            flags[k] = 0;
        }
    }
    return 1;
}

int generate_env_file(int lat, int lon, const char* native_path, const env_object* objs, int nobj)
{
    std::lock_guard<std::recursive_mutex> hold(source_use);
    static float elev[QUAD_PTS_LAT * QUAD_PTS_LON];
    static int flags[QUAD_PTS_LAT * QUAD_PTS_LON];
    if (!generate_tile(lat, lon, elev, flags)) return 0;
    std::vector<env_object> inside;
    for (int k = 0; k < nobj; k++)
        if (std::floor(objs[k].lat) == lat && std::floor(objs[k].lon) == lon) inside.push_back(objs[k]);
    return write_env_file(native_path, lat, lon, elev, flags, inside.data(), (int)inside.size());
}

}  // namespace orv
