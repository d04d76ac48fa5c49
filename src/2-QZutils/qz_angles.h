// qz_angles.h -- pi and the degree/radian factors, once, in double and in float. The float
// values are the double values rounded, so every module turns angles the same way.
#pragma once

namespace orv {

constexpr double PI = 3.14159265358979323846;
constexpr double DEG_TO_RAD = PI / 180.0;
constexpr double RAD_TO_DEG = 180.0 / PI;

constexpr float PI_F = (float)PI;
constexpr float DEG_TO_RAD_F = (float)DEG_TO_RAD;
constexpr float RAD_TO_DEG_F = (float)RAD_TO_DEG;

}  // namespace orv
