// qz_trk.h -- the simulator's output file "Vantorel.out" (aircraft build-up report,
// one-cycle dump, data output). The start-up sequence opens it; writers skip their output
// silently while it is not open.
#pragma once

#include <fstream>

namespace orv {

extern std::ofstream trk;

}  // namespace orv
