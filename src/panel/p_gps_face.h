// p_gps_face.h -- where the GPS sits on the radio stack, shared by its artwork, its drawing
// and its click boxes. Panel pixels, x from the radio stack's offset (osrad), y up.
#pragma once

namespace orv {

// The face bitmap "gps", its lower-left corner at (GPS_FACE_X, GPS_FACE_Y). Its lower rows,
// under the screen, are plain panel: the NAV row's figures are drawn over them.
constexpr int GPS_FACE_X = 490, GPS_FACE_Y = 209, GPS_FACE_W = 156, GPS_FACE_H = 72;
// The dark screen that carries the read-outs.
constexpr int GPS_SCREEN_X0 = 494, GPS_SCREEN_X1 = 612, GPS_SCREEN_Y0 = 235, GPS_SCREEN_Y1 = 279;
// The keys down its right side: APT, VOR, NDB from the top (GPS_KEY_H each), LOCK at the foot.
constexpr int GPS_KEY_X0 = 615, GPS_KEY_X1 = 645, GPS_KEY_TOP = 280, GPS_KEY_H = 10;
constexpr int GPS_LOCK_Y0 = 238, GPS_LOCK_Y1 = 249;

}  // namespace orv
