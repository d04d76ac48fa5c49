#include "2-QZutils/qz_trk.h"

namespace orv {

std::ofstream trk;

}  // namespace orv
