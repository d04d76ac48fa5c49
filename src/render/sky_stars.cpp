#include "render/sky_stars.h"

#include <cmath>

#include "2-QZutils/qz_angles.h"
#include "2-QZutils/qz_funct.h"

namespace orv {

float star_xyz[STAR_COUNT][3];

void build_star_field()
{
    const float d2r = DEG_TO_RAD_F;
    for (int s = 0; s < STAR_COUNT; s++) {
        float el = 90.0f * signsqr(fltrand(-45.0f, 80.0f) / 90.0f) * d2r;
        float az = fltrand(0.0f, 360.0f) * d2r;
        star_xyz[s][0] = std::sin(az) * std::cos(el) * 1000.0f;
        star_xyz[s][1] = std::sin(el) * 1000.0f;
        star_xyz[s][2] = std::cos(az) * std::cos(el) * 1000.0f;
    }
}

}  // namespace orv
