// The absent serial back end: no port opens and no datagram leaves.
#include "platform/plat_serial.h"

#include <cstdio>

namespace orv {

namespace {

int absent_open(const char*, char* reason, int len)
{
    if (reason && len > 0) std::snprintf(reason, len, "this build has no serial ports");
    return PLAT_SERIAL_NO_PORT;
}
int  absent_baud(int, char* reason, int len) { return absent_open(nullptr, reason, len); }
void absent_flow() {}
int  absent_write(const void*, int) { return 0; }
void absent_close() {}
int  absent_udp_open(const char*, const char*, char* reason, int len)
{
    if (reason && len > 0) std::snprintf(reason, len, "this build sends nothing over the network");
    return 0;
}

const plat_serial_backend absent = {"absent",      absent_open,  absent_baud,     absent_flow,  absent_write,
                                    absent_close, absent_udp_open, absent_write, absent_close};
const plat_serial_backend* installed = &absent;

}  // namespace

const plat_serial_backend* plat_serial_get() { return installed; }
void plat_serial_install(const plat_serial_backend* b) { installed = b ? b : &absent; }
const plat_serial_backend* plat_serial_absent() { return &absent; }

}  // namespace orv
