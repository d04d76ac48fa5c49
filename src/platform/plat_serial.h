// plat_serial.h -- the table of operations a serial-port back end provides to the serial
// output (windows/serial_out): the port's five operations, and a datagram socket for NMEA
// sent over the network. Until the program installs a device back end the absent one is in
// place: no port exists and nothing is sent, so the areas and their tests never touch a device.
#pragma once

namespace orv {

// What open and set_baud answer besides 0 (the codes the serial output's messages know).
enum {
    PLAT_SERIAL_NO_PORT = -1,
    PLAT_SERIAL_ALREADY_OPEN = -2,
    PLAT_SERIAL_NO_MEMORY = -4,
    PLAT_SERIAL_HARDWARE = -10,
    PLAT_SERIAL_BAD_BAUD = -12,
};

struct plat_serial_backend {
    const char* name;
    // The port's operations. `reason` of open and set_baud gets the system's own words for a
    // failure (up to reason_len bytes), for the message's last line.
    int  (*open)(const char* device, char* reason, int reason_len);   // 0 or a code above
    int  (*set_baud)(int rate, char* reason, int reason_len);          // 0 or a code above
    void (*set_hardware_flow)();                                        // RTS/CTS
    int  (*write)(const void* bytes, int len);                          // bytes written
    void (*close)();
    // The network side: a target "host:port" resolved once; send answers the bytes sent.
    int  (*udp_open)(const char* host, const char* port, char* reason, int reason_len);   // 1 when ready
    int  (*udp_send)(const void* bytes, int len);
    void (*udp_close)();
};

const plat_serial_backend* plat_serial_get();            // the absent one until another is installed
void plat_serial_install(const plat_serial_backend* b);  // nullptr puts the absent one back
const plat_serial_backend* plat_serial_absent();

}  // namespace orv
