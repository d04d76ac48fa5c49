// serial_out.h -- serial output: every frame the flight calls serial_output (its hook), which
// follows `set.serout` (0 none, 1 NMEA at 4800 baud once a second, 2, 4 and 5 records of
// floats at 38400 baud and 3 the motion seat at 2400 baud, ten times a second) on the device
// of `ser_cfg`, and sends the same NMEA pair once a second to `ser_cfg.udp_target` when one
// is given, whatever the serial mode. Failures are told once and the flight goes on.
#pragma once

#include <ctime>

#include "2-QZutils/qz_file.h"

namespace orv {

constexpr int SERIAL_DAT_FLOATS = 11;
constexpr const char* SERIAL_DEFAULT_DEVICE = "/dev/ttyUSB0";
constexpr int SERIAL_MODES = 6;                 // 0..5
constexpr float SERIAL_RECORD_MARK = -999.0f;   // first float of every record

struct serial_config {
    char device[PATH_LEN];       // the port, e.g. "/dev/ttyUSB0"
    char udp_target[PATH_LEN];   // "host:port" for NMEA datagrams, "" none
};
extern serial_config ser_cfg;
extern float serial_dat[SERIAL_DAT_FLOATS];

void serial_output();   // the flight's hook, each frame
void serial_close();    // the port and the socket, at finish-up

// Checks "host:port" (a port 1..65535; an IPv6 host in brackets). Answers 1, or 0 with the
// reason in err.
int serial_udp_target_valid(const char* target, char* err, int errlen);

// Baud rate of a mode, 0 for mode 0 or an unknown one.
int serial_mode_baud(int mode);

// The NMEA pair of the present state ("$GPRMC...\r\n$GPGGA...\r\n") into out; answers its
// length. `now` is the wall clock, which gives the date that goes with the simulator's UTC
// time of day.
int nmea_sentences(char* out, int len, std::time_t now);
// The date "ddmmyy" nearest `now` whose day holds UTC time of day `utc_s`.
void nmea_date(float utc_s, std::time_t now, char out[7]);
// Appends "*hh\r\n" to a sentence that starts with '$': the XOR of the bytes between.
int nmea_finish(char* sentence, int len);

}  // namespace orv
