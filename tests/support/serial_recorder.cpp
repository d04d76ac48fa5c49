#include "support/serial_recorder.h"

namespace orv_test {

namespace {

serial_log rec;
int port_open;

int rec_open(const char* device, char* reason, int len)
{
    rec.calls.push_back(std::string("open ") + device);
    if (rec.open_answer == 0) port_open = 1;
    else if (reason && len > 0) reason[0] = 0;
    return rec.open_answer;
}
int rec_baud(int rate, char*, int)
{
    rec.calls.push_back("baud " + std::to_string(rate));
    return rec.baud_answer;
}
void rec_flow() { rec.calls.push_back("flow"); }
int  rec_write(const void* bytes, int len)
{
    if (!port_open) return 0;
    const int kept = rec.write_keeps < 0 || rec.write_keeps > len ? len : rec.write_keeps;
    rec.port_bytes.append(static_cast<const char*>(bytes), (size_t)kept);
    rec.write_sizes.push_back(len);
    return kept;
}
void rec_close()
{
    rec.calls.push_back("close");
    port_open = 0;
}
int rec_udp_open(const char* host, const char* port, char*, int)
{
    rec.calls.push_back(std::string("udp ") + host + " " + port);
    return 1;
}
int rec_udp_send(const void* bytes, int len)
{
    rec.datagrams.emplace_back(static_cast<const char*>(bytes), (size_t)len);
    return len;
}
void rec_udp_close() { rec.calls.push_back("udp close"); }

const orv::plat_serial_backend recorder = {"recorder", rec_open,     rec_baud,     rec_flow,     rec_write,
                                           rec_close,  rec_udp_open, rec_udp_send, rec_udp_close};

}  // namespace

serial_log& serial_recorder_install()
{
    rec = serial_log{};
    port_open = 0;
    orv::plat_serial_install(&recorder);
    return rec;
}

}  // namespace orv_test
