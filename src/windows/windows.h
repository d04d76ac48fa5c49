// windows.h -- the settings windows: one routine per window, run every frame while its window
// owns the screen (mnw.topwin 1..25). Each draws its widgets and writes the click of the frame
// straight into the records, so a change takes effect at once.
#pragma once

namespace orv {

void manage_id_();   //  1 "Airport by ID"
void manage_nam();   //  2 "Airport by Name"
void manage_map();   //  3 "Enroute" and 24: the moving map's frame
void manage_wrl();   //  4 "World"
void manage_lat();   //  5 "Set Lat/Lon"
void manage_whr();   //  6 "Where Am I?"
void manage_dat();   //  7 "Set Data Output"
void manage_ser();   //  8 "Set Serial Output"
void manage_tim();   //  9 "Set Time Of Day"
void manage_ogl();   // 10 "Set Rendering Options"
void manage_spa();   // 11 "Set Weather Space"
void manage_atm();   // 12 "Set Weather Atmosphere"
void manage_gnd();   // 13 "Set Weather Ground"
void manage_wat();   // 14 "Set Weather Water"
void manage_flt();   // 15 "Set Joystick & Flight Mode"
void manage_wgt();   // 16 "Set Weights & Fuel"
void manage_rel();   // 17 "Set Reliability": overall
void manage_ins();   // 18 "Set Reliability": instruments
void manage_eqp();   // 19 "Set Reliability": equipment
void manage_snd();   // 20 "Set Sound"
void manage_wrn();   // 21 "Set Warnings"
void manage_grf();   // 22 "Graphics Output": the graph window's frame
void manage_iso();   // 23 "Isometric Region"
void manage_pln();   // 25 "Flight Plan"

// The routine of window w (1..25), null for any other code.
using window_routine_fn = void (*)();
window_routine_fn window_routine(int w);

// The static picture of window w, composed into the window image when it opens: the world's
// land and airports (4), the region's terrain (23). Other windows have none.
void window_statics(int w);

// Data-output groups: the label line of group g (four 10-character name-and-unit fields).
constexpr int DATA_GROUPS = 50;
const char* data_group_label(int g);

}  // namespace orv
