// wxr_file.h -- the real-weather file "WORLD.RWX" in the program folder.
#pragma once

namespace orv {

// Real-weather reports ("WORLD.RWX" in the program folder). The caller opens and closes
// the file; get_wxr_str picks the report of the nearest in-region airport: the report line
// (at most 399 characters) into wxr_str (400 bytes), that airport's elevation (m) into
// z_report. 1 when a report matched.
int  wxr_open();                  // 1 when "WORLD.RWX" could be opened
void wxr_set_path(const char* native);   // read this file instead ("" back to the program's)
const char* wxr_path();           // native path of the file wxr_open opens
void wxr_close();
int  get_wxr_str(char* wxr_str, float* z_report, float lat, float lon);

}  // namespace orv
