// art_set.h -- every texture and bitmap the program names, each with the painter that makes it.
#pragma once

#include <string>
#include <vector>

#include "art_canvas.h"

namespace art {

struct asset {
    std::string folder;       // "textures", "bitmaps/Vantorel" or "bitmaps"
    std::string name;         // file name without ".BMP"
    canvas      image;
};

// The whole set, in a fixed order; the same every time.
std::vector<asset> make_all();

}  // namespace art
