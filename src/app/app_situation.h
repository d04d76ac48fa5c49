// app_situation.h -- situation files: the preferences record, the position, heading, height
// and speed, and the region corner, so a saved flight goes on where it was saved.
#pragma once

namespace orv {

// Writes the situation to `path` (file-layer form); 1 when the file is complete and in place.
int  save_situation(const char* path);

// Reads the situation at `path` into the records. A file that cannot be read whole leaves
// every record as it was and says so (answers 0).
int  read_situation(const char* path);

// After read_situation: the saved region, aircraft and flight. At start-up the caller loads
// the region and aircraft itself and only sets the flight going (set_fltvars).
int  load_situation(const char* path);

// --situation FILE (native path): read after the preferences, in their place.
void app_set_start_situation(const char* native_path);
int  app_read_start_situation();     // 1 when the start situation was read

}  // namespace orv
