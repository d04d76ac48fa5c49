// qz_rand.h -- random streams of their own, drawn with the same generator as intrand and
// fltrand (qz_funct.h) but leaving the main stream alone: what the scene's drawing draws
// must not move the numbers the flight draws, or a run without a picture would fly another
// flight.
#pragma once

#include <cstdint>

namespace orv {

struct rand_stream { std::uint64_t state; };

void  stream_seed(rand_stream* s, unsigned seed);
int   stream_intrand(rand_stream* s, int min, int max);    // min..max, both reachable
float stream_fltrand(rand_stream* s, float min, float max);

// Moves the stream on as `draws` draws would, in a few dozen steps: work that is skipped
// (scenery nobody will see) leaves the numbers after it where the work would have left them.
void  stream_skip(rand_stream* s, std::uint64_t draws);
void  skip_rand(std::uint64_t draws);                      // the main stream of intrand, fltrand

}  // namespace orv
