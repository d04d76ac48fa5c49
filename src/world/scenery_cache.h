// scenery_cache.h -- generated environment files kept in the user's scenery cache
// ($XDG_CACHE_HOME/vantorel/scenery, else ~/.cache/vantorel/scenery), made on demand.
#pragma once

namespace orv {

// The environment file of quadrant (lat, lon) in the cache, generated there first when it is
// missing. Answers 1 with its path (system "\" form), 0 when it can be neither found nor made.
int scenery_cache_tile(int lat, int lon, char* path, int len);

// Quadrant (lat, lon) generated into the cache ahead of need, by one worker thread, when it is
// missing there and a scenery source is at hand; scenery_cache_tile of a quadrant still queued
// makes it at once, of one being made waits for that one to finish.
void scenery_cache_ahead(int lat, int lon);
// The quadrants any one shift of the region with this corner would bring in.
void scenery_cache_ahead_around(int lat_sou, int lon_wes);
// Until the worker has nothing left to make (for tests and benchmarks), or drops what it has
// not started (any tile in hand is finished first).
void scenery_cache_ahead_settle();
void scenery_cache_ahead_drop();

// The world's land polygons ("scenery/earth.dat" of the data tree), loaded on the first call;
// answers 1 when they are there. Looked for once per run (again after scenery_cache_set_dir).
int scenery_source_available();

// The cache folder (native form); empty sets it back to the default (what is queued ahead is
// dropped first). For tests and tools.
void scenery_cache_set_dir(const char* native_dir);
void scenery_cache_dir(char* out, int len);

// The user's cache folder of the program ($XDG_CACHE_HOME/vantorel, else ~/.cache/vantorel),
// whose "scenery" and "nav" folders hold the tiles and the navigation tables.
void cache_root_dir(char* out, int len);

}  // namespace orv
