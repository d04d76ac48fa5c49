// scenery_gen.h -- generated scenery for any one-degree quadrant of the Earth, from the
// scenery source: the world's land polygons (rings of longitude/latitude points, even-odd
// inside is land) and the surveyed elevations of every airport.
//
// Per point of the quadrant's 80 by 60 grid: land or water by the polygons; land elevation a
// smooth surface through the airport elevations plus fractal detail, falling to sea level at
// the coast and meeting each field at its own elevation; water at 0 m. Everything is a
// function of the point's global position, so tiles meet without seams, and it uses only
// IEEE arithmetic (no library trigonometry), so a tile is the same bytes on every machine.
#pragma once

#include <cstdint>

#include "world/env_write.h"

namespace orv {

constexpr char SCENERY_SOURCE_MAGIC[8] = {'O', 'R', 'V', 'L', 'A', 'N', 'D', '1'};

// The compact source file: magic, u32 ring count, u32 point count, ring starts (ring count + 1
// u32, the last the point count), points (f32 longitude, latitude), u32 airport count,
// airports (f32 latitude, longitude, elevation in metres). Little-endian.
int scenery_source_write(const char* native_path, const float* lonlat, const std::uint32_t* ring_start,
                         int rings, const float* airports, int n_airports);

// Loads a source file and builds its spatial indexes (once per run; loading again replaces
// it). Answers 1 when loaded.
int  scenery_source_load(const char* native_path);
int  scenery_source_ready();
void scenery_source_unload();

// The quadrant's points, rows south to north of 60 points west to east: elevation in metres
// and the packed flags of an environment file. Answers 0 when no source is loaded.
int generate_tile(int lat, int lon, float* elev, int* flags);

// Generates the quadrant into a binary environment file, with the obstacles given that lie
// in it (the source itself knows no obstacles). Answers 1 when written.
int generate_env_file(int lat, int lon, const char* native_path, const env_object* objs = nullptr, int nobj = 0);

// Land or water at one position (for tools and tests); -1 without a source.
int scenery_is_land(double lat, double lon);

}  // namespace orv
