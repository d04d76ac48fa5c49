// acf_parts.h -- queries about the fixed part list of the aircraft record: names, which
// parts the loaded aircraft has, where bodies sit, drawing resolution, and points along a
// lifting surface's span line. Shared by the loader, the flight model, the aircraft
// drawing, the panel and the design tool. Every query accepts any index: outside 0..27 it
// answers "no part" values instead of reading out of the arrays.
#pragma once

namespace orv {

enum {
    PART_PROP1 = 0, PART_PROP4 = 3,
    PART_WING1L = 4, PART_WING1R = 5, PART_WING2L = 6, PART_WING2R = 7,
    PART_WING3L = 8, PART_WING3R = 9, PART_HSTABL = 10, PART_HSTABR = 11,
    PART_VSTAB1 = 12, PART_VSTAB2 = 13, PART_PYLON1 = 14, PART_PYLON4 = 17,
    PART_FUSE = 18, PART_NACE1 = 19, PART_NACE4 = 22, PART_MISC1 = 23, PART_MISC2 = 24,
    PART_FAIR1 = 25, PART_FAIR3 = 27
};

const char* part_name(int part);                 // "" outside 0..27
int   ret_ins_sep(int a, int b);                 // pixels between panel slots a and b
int   have_this_part(int part);
void  get_body_os(int part, float* xos, float* yos, float* zos);
int   f_body_s_dim(int part);                    // drawing stations of the part
int   f_body_r_dim(int part);                    // drawing points per station
float latsign(int part);                         // -1 left-side part, else 1
float get_wing_rarm(int part, int el);           // span distance of element el's middle
float get_wing_Xarm(int part, float len);
float get_wing_Yarm(int part, float len);
float get_wing_Zarm(int part, float len);

}  // namespace orv
