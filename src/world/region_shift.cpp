#include "world/region_shift.h"

#include <cstring>

#include "2-QZutils/qz_funct.h"
#include "2-QZutils/records.h"
#include "world/nav_db.h"
#include "world/obstacles.h"
#include "world/region.h"
#include "world/weather_gen.h"

namespace orv {

namespace {

// Moves a [ni][nj] table of `elem`-byte entries by (di, dj) entries.
void shift_table(void* table, int ni, int nj, size_t elem, int di, int dj)
{
    unsigned char* t = static_cast<unsigned char*>(table);
    const size_t row = elem * (size_t)nj;
    if (di != 0 && di > -ni && di < ni) {
        const int keep = ni - (di > 0 ? di : -di);
        if (di > 0) std::memmove(t + row * (size_t)di, t, row * (size_t)keep);
        else std::memmove(t, t + row * (size_t)(-di), row * (size_t)keep);
    }
    if (dj != 0 && dj > -nj && dj < nj) {
        const int keep = nj - (dj > 0 ? dj : -dj);
        for (int i = 0; i < ni; i++) {
            unsigned char* r = t + row * (size_t)i;
            if (dj > 0) std::memmove(r + elem * (size_t)dj, r, elem * (size_t)keep);
            else std::memmove(r, r + elem * (size_t)(-dj), elem * (size_t)keep);
        }
    }
}

template <typename T, int I, int J>
void shift_grid(T (&a)[I][J], int di, int dj)
{
    shift_table(a, I, J, sizeof(T), di, dj);
}

// Objects whose first point lies outside the region whose corner is (lat_sou, lon_wes) (the
// frame has already moved with it) are cleared.
void clear_objects_off_region(int lat_sou, int lon_wes)
{
    const double mpd = region_metres_per_degree();
    const double z_south = region_corner_z(), z_north = z_south - 2.0 * mpd;
    for (int o = OBJ_ENV_FIRST; o < OBJ_CAP; o++) {
        if (obj_type[o] == OBJ_NONE) continue;
        const double x = obj_xyz[o][0][0][0], z = obj_xyz[o][0][0][2];
        int off = z > z_south || z < z_north;
        if (!off) {
            const float lat = (float)((z_south - z) / mpd + lat_sou);
            const int row = intlim((int)(lat - (float)lat_sou), 0, 1);
            off = x < region_x(lat, (float)lon_wes, 0, row) || x > region_x(lat, (float)(lon_wes + 3), 2, row);
        }
        if (off) obs_clear(o, o);
    }
}

}  // namespace

void shift_geo(int di, int dj)
{
    shift_grid(planexyz, di, dj);
    shift_grid(planenrml, di, dj);
    shift_grid(on_water, di, dj);
    shift_grid(city_on_poly, di, dj);
    shift_grid(tree_on_poly, di, dj);
    shift_grid(city_xyz, di, dj);
    shift_grid(tree_xyz, di, dj);
    shift_grid(planetex, di, dj);
    shift_grid(planes, di, dj);
    shift_grid(planet, di, dj);
}

void shift_weather(int di, int dj) { shift_grid(atm.wxr, di, dj); }

void shift_cloud(int di, int dj)
{
    shift_grid(cloudxyz, di, dj);
    shift_grid(cloudrgb, di, dj);
}

void shift_ref(int di, int dj)
{
    shift_grid(env.lonwes_ref, di, dj);
    shift_grid(env.planex_ref, di, dj);
}

void drop_old_quadrants(int type)
{
    int di = 0, dj = 0;
    switch (type) {
    case REGION_WEST: di = 1; break;
    case REGION_EAST: di = -1; break;
    case REGION_NORTH: dj = -1; break;
    case REGION_SOUTH: dj = 1; break;
    default: return;
    }
    shift_geo(di * QUAD_DI, dj * QUAD_DJ);
    shift_weather(di * WXR_PER_DEG, dj * WXR_PER_DEG);
    shift_cloud(di * CLOUD_PER_SECTOR, dj * CLOUD_PER_SECTOR);
    shift_ref(di, dj);
    // The new quadrants take the frame of the quadrants they border, so their shared edge
    // points come out where the neighbour has them.
    for (int r = 0; r < 2; r++) {
        if (di > 0) env.lonwes_ref[0][r] = env.lonwes_ref[1][r], env.planex_ref[0][r] = env.planex_ref[1][r];
        if (di < 0) env.lonwes_ref[2][r] = env.lonwes_ref[1][r], env.planex_ref[2][r] = env.planex_ref[1][r];
    }
    for (int c = 0; c < 3; c++) {
        if (dj < 0) env.lonwes_ref[c][1] = env.lonwes_ref[c][0], env.planex_ref[c][1] = env.planex_ref[c][0];
        if (dj > 0) env.lonwes_ref[c][0] = env.lonwes_ref[c][1], env.planex_ref[c][0] = env.planex_ref[c][1];
    }
    // North: the old northern row becomes the southern one, a degree further north (z falls).
    if (dj != 0) region_move_corner_z(dj * region_metres_per_degree());
    clear_objects_off_region(env.lat_sou - dj, env.lon_wes - di);
}

void shift_region(int type)
{
    // The quadrant slots that come new with each shift: west 0 and 3, east 2 and 5, north the
    // northern row, south the southern row.
    static const int slots[6][3] = {{-1, -1, -1}, {-1, -1, -1}, {0, 3, -1}, {2, 5, -1}, {3, 4, 5}, {0, 1, 2}};
    if (type == REGION_RELOAD) {
        env.lat_sou = round(flt.lat - 1.0f);
        env.lon_wes = round(flt.lon - 1.5f);
        load_region();
        flt.X = region_x_latlon(flt.lat, flt.lon);
        flt.Z = region_z(flt.lat);
        return;
    }
    if (type < REGION_WEST || type > REGION_SOUTH) return;
    drop_old_quadrants(type);              // while the corner is still the old one
    switch (type) {
    case REGION_WEST: env.lon_wes = region_wrap_lon(env.lon_wes - 1); break;
    case REGION_EAST: env.lon_wes = region_wrap_lon(env.lon_wes + 1); break;
    case REGION_NORTH: env.lat_sou++; break;
    default: env.lat_sou--; break;
    }
    for (int s : slots[type])
        if (s >= 0) read_quadrant(env.lat_sou + s / 3, env.lon_wes + s % 3, s);
    finish_nav_readin();
    for (int k = 0; k < CLOUD_SECTORS_I; k++) {
        if (type == REGION_WEST && k < CLOUD_SECTORS_J) fill_a_sector_with_ocast(0, k);
        if (type == REGION_EAST && k < CLOUD_SECTORS_J) fill_a_sector_with_ocast(CLOUD_SECTORS_I - 1, k);
        if (type == REGION_NORTH) fill_a_sector_with_ocast(k, CLOUD_SECTORS_J - 1);
        if (type == REGION_SOUTH) fill_a_sector_with_ocast(k, 0);
    }
    region_make_ahead();   // the quadrants of the next shift, whichever way it goes
}

}  // namespace orv
