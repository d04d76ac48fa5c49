// env_write.h -- writes a quadrant's environment file in the binary form (version 4,
// little-endian mark 'i'): 80 rows of 60 points (latitude, longitude, elevation in metres,
// packed flags), then object records up to the closing type 99.
#pragma once

namespace orv {

struct env_object {
    int   type;          // 2 building, 3 radio tower, 4 power-line tower, 5, 6, 8 custom
    float lat, lon;
    float value;         // height in feet; heading in degrees for a custom object
    char  name[40];      // custom objects: the object file's name without ".OBJ"
};

// elev and flags hold row-major [80][60] (south to north, west to east). Point positions are
// the exact grid of the quadrant. The file is written beside its place and moved in, so a
// reader never sees half a file. Answers 1 when written.
int write_env_file(const char* native_path, int lat, int lon, const float* elev, const int* flags,
                   const env_object* objs, int nobj);

}  // namespace orv
