// precip.h -- rain streaks and snow flakes on the windscreen.
#pragma once

namespace orv {

constexpr int PRECIP_DROPS = 200;

// Drops on the glass for storm level, thunderstorm level and the eye height in the cloud.
int precip_drop_count(float level, float rain_tstm, float eye_y, float base, float tops);
void do_window_precip(float x1, float y1, float x2, float y2);

}  // namespace orv
