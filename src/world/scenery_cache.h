// scenery_cache.h -- generated environment files kept in the user's scenery cache
// ($XDG_CACHE_HOME/vantorel/scenery, else ~/.cache/vantorel/scenery), made on demand.
#pragma once

namespace orv {

// The environment file of quadrant (lat, lon) in the cache, generated there first when it is
// missing. Answers 1 with its path (system "\" form), 0 when it can be neither found nor made.
int scenery_cache_tile(int lat, int lon, char* path, int len);

// The world's land polygons ("scenery/earth.dat" of the data tree), loaded on the first call;
// answers 1 when they are there. Looked for once per run (again after scenery_cache_set_dir).
int scenery_source_available();

// The cache folder (native form); empty sets it back to the default. For tests and tools.
void scenery_cache_set_dir(const char* native_dir);
void scenery_cache_dir(char* out, int len);

}  // namespace orv
