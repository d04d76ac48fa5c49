// land_compile.h -- reads the land polygons (TopoJSON) and the airports (OurAirports CSV)
// into the scenery source's rings and airport points.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "world/env_write.h"

namespace scenerygen {

struct land_rings {
    std::vector<float> lonlat;               // lon, lat pairs
    std::vector<std::uint32_t> ring_start;   // ring r is points ring_start[r] .. ring_start[r+1]-1
};

// Every ring of every polygon of every object (outer rings and holes alike). Answers "" or
// the reason it failed.
std::string read_topojson_rings(const std::string& path, land_rings* out);

// Latitude, longitude and elevation (metres) of every airport with a surveyed elevation.
std::string read_airport_elevations(const std::string& path, std::vector<float>* out, int* skipped);

// Surveyed obstacles, one a line: type, latitude, longitude, height in feet (a custom object's
// heading) and, for a custom object (type 8), its object file's name; '#' starts a comment.
// A line that does not read is told in *problems (its number and why) and passed over.
// Answers "" or the reason the file could not be read.
std::string read_obstacles(const std::string& path, std::vector<orv::env_object>* out, std::string* problems);

// One CSV line split into fields (double quotes group, "" is a quote).
std::vector<std::string> split_csv(const std::string& line);

}  // namespace scenerygen
