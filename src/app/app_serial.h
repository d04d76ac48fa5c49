// app_serial.h -- serial and network output inside the program: the command line's device and
// UDP target, the script command `serial <mode>`, the log's columns for checking what was sent,
// and the port closed at finish-up.
#pragma once

namespace orv {

// Before any script is read.
void register_serial_commands();
// After the preferences are read: the command line's choices (empty: the preferences'), the
// log columns and the finish-up.
void app_serial_start(const char* device, const char* udp_target);

}  // namespace orv
