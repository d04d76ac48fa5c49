// serial_recorder.h -- a serial back end that reaches no device and records what the serial
// output asked of it: the port's opens, rates and closes, the bytes written, and the datagrams.
#pragma once

#include <string>
#include <vector>

#include "platform/plat_serial.h"

namespace orv_test {

struct serial_log {
    std::vector<std::string> calls;   // "open /dev/x", "baud 4800", "flow", "close", "udp host port"
    std::string port_bytes;           // written while open
    std::vector<int> write_sizes;     // one per write
    std::vector<std::string> datagrams;
    // What the next calls answer.
    int open_answer = 0, baud_answer = 0;
    int write_keeps = -1;             // bytes a write takes, -1 all
};

// Installs the recorder with a cleared log; answers the log to read and steer.
serial_log& serial_recorder_install();

}  // namespace orv_test
