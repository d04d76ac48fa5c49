// ser_termios.h -- the serial back end over POSIX termios, with NMEA datagrams over UDP. Only
// the program links it; its entry point installs it (plat_serial_install(ser_termios_backend())).
#pragma once

#include "platform/plat_serial.h"

namespace orv {

const plat_serial_backend* ser_termios_backend();

}  // namespace orv
