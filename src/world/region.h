// region.h -- the scenery region: six one-degree quadrants (two rows of three) round the
// aircraft, with their terrain mesh, water, trees, cities, runway areas and objects.
//
// Quadrant slot q (0..5) covers latitude lat_sou + q / 3 and longitude lon_wes + q % 3; it
// fills mesh points i = 59 (q % 3) .. + 59 and j = 79 (q / 3) .. + 79, sharing its edge
// points with its neighbours.
//
// Frame: x east, y up, z south, metres. A point of quadrant column c, row r lies at
//   x = cos(lat) (lon - env.lonwes_ref[c][r]) 60 nm + env.planex_ref[c][r]
//   z = corner z - (lat - lat_sou) 60 nm
// A fresh load puts the south-west corner at x = 0, z = 0 with every quadrant referred to
// lon_wes. A quadrant read by a shift takes the reference of the quadrant it borders, so
// the mesh has no seams and a shift there and back rebuilds the same numbers.
#pragma once

#include "world/terrain_grid.h"

namespace orv {

constexpr int QUAD_SLOTS = 6;
constexpr int QUAD_DI = 59;                 // mesh intervals per degree of longitude
constexpr int QUAD_DJ = 79;                 // mesh intervals per degree of latitude
constexpr int QUAD_PTS_LON = QUAD_DI + 1;   // points per row of an environment file
constexpr int QUAD_PTS_LAT = QUAD_DJ + 1;   // rows of an environment file
constexpr int RWAY_AREA_CAP = 90;           // runway areas held at a time
constexpr int ENV_VERSION = 4;              // binary environment files we write
constexpr int ENV_VERSION_OLD = 3;          // still read
constexpr int FILE_ENV_TEXT = 205;          // file kind of the text environment form
constexpr float ENV_READ_CEILING_FT = 100000.0f;   // no scenery files are read above this
constexpr int ENV_OBJ_END = 99;             // object record type that ends a file

// Packed flags of a binary point record (bits beyond the two water flags are free).
constexpr int ENV_FLAG_SEA = 1;             // first water flag: sea
constexpr int ENV_FLAG_LAKE = 2;            // second water flag: inland water

// Terrain completion and the points the scene draws per cell.
extern float planenrml[TER_I][TER_J][3];
extern int   tree_on_poly[TER_I][TER_J];
extern float city_xyz[TER_I][TER_J][2][5][3];
extern float tree_xyz[TER_I][TER_J][2][3][2][3];

// Runway areas of the quadrant being read (field elevation -999: none).
extern float rway_elev[RWAY_AREA_CAP][3];
extern float r_x_min[RWAY_AREA_CAP][3], r_x_max[RWAY_AREA_CAP][3];
extern float r_z_min[RWAY_AREA_CAP][3], r_z_max[RWAY_AREA_CAP][3];

// ---- frame
double region_metres_per_degree();           // 60 nautical miles
double region_corner_z();                    // z of latitude lat_sou
void   region_move_corner_z(double dz);      // a north or south shift moves the corner
double region_x(float lat, float lon, int col, int row);   // in quadrant column/row's frame
double region_x_latlon(float lat, float lon);               // in the frame of the point's cell
double region_z(float lat);
// The inverse: latitude of z (past a pole the frame goes on, beyond -90..90), and the
// longitude of frame x at that latitude, counted on from the quadrant's reference meridian
// (not wrapped).
double region_lat(double z);
double region_lon(double x, double lat);
// Degrees from `from` to lon the short way round (-180..180): the region's own longitudes
// continue across the antimeridian.
double region_lon_offset(float lon, double from);
// The frame is flat, the Earth is not: away from the reference meridian, true north is
// skewed in the frame. This is the frame x per metre moved true north at frame x and
// latitude lat; a true move (east, north) is the frame move (east + skew north, -north).
double region_north_skew(double x, double lat);
// The frame direction (degrees, 0 along -z) of true heading hdg at (x, lat), and the true
// bearing of the frame step (dx, dz) from there.
float  region_frame_heading(double x, double lat, float hdg);
float  region_true_bearing(double x, double lat, double dx, double dz);
// The stored form of a position (situation files): x from the region's western meridian at
// the position's latitude and z from its southern edge (env.hiz): the position a fresh load
// of the present corner gives it, so that loading that corner and placing the aircraft at the
// two numbers puts it back on the same spot.
void   region_stored_position(double x, double z, double* sx, double* sz);

// The region's south-west corner: two rows of quadrants between the poles, the western
// meridian wrapped into -180..179.
constexpr int REGION_LAT_SOU_MIN = -90;
constexpr int REGION_LAT_SOU_MAX = 88;
int region_wrap_lon(int lon);

// ---- loading
// Loads the whole region whose south-west corner is (env.lat_sou, env.lon_wes).
void load_region();
// Reads the environment file of quadrant (lat, lon) into slot `quadrant` (0..5), then makes
// the slot's weather.
void read_quadrant(int lat, int lon, int quadrant);
// The same without the weather: everything the file decides (mesh, water, trees, cities,
// runway areas, objects). The weather owes nothing to the file and costs most of a read.
void read_quadrant_ground(int lat, int lon, int quadrant);
// After the quadrants are in: flags, region lists, generated airports, menus and the terrain
// completion (extents, map scale, normals, height range, textures, ships, fires).
void finish_region();
void finish_region_terrain();
// The carrier, frigate and oil rig cells (carr_on_poly, ...) from the water of each quadrant.
void place_ships();
constexpr float SHIP_SEA_LEVEL_M = 1.0f;     // a ship stands only where the water is this low

// Environment files are searched for in these folders in turn (system "\" form, trailing "\"):
// "additional nav data", then "DATA" (both with the ten-degree folder), then the older
// "DATA\United States" layout (short name, text form). When none has the quadrant it is
// generated into the scenery cache (unless generation is off or impossible).
int  find_env_file(int lat, int lon, char* path, int* old_layout);

// With generation off, quadrants without a file are flat water.
void region_set_generation(int on);
int  region_generation();
// Off in a run without a picture: the scenery only a picture shows (city lights, trees, the
// terrain's shading normals and texture corners, runway lights, the cloud deck) is not made,
// and the random draws it would have taken are skipped, so the flight draws the same numbers.
// On by default.
void region_set_drawn(int on);
int  region_drawn();
// With generation on, the quadrants the next shift could bring are made ahead on the cache's
// worker (after every load and shift), so the shift finds them made.
void region_make_ahead();

// The world area's calls upward; the program fills the table once at start-up, an empty
// entry does nothing.
struct world_hooks {
    void (*setup_menus)();   // the menus are rebuilt after the region lists
};
void world_set_hooks(const world_hooks& h);

}  // namespace orv
