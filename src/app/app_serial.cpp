#include "app/app_serial.h"

#include <cmath>
#include <cstdio>

#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/records.h"
#include "app/app_log.h"
#include "app/app_script.h"
#include "windows/serial_out.h"

namespace orv {

namespace {

const char* mode_args(const float* a, int)
{
    if (a[0] != std::floor(a[0]) || a[0] < 0 || a[0] >= SERIAL_MODES) return "the serial mode must be 0 to 5";
    return nullptr;
}

void cmd_serial(const float* a, int) { set.serout = (int)a[0]; }

}  // namespace

void register_serial_commands() { register_script_command_checked("serial", 1, 1, cmd_serial, mode_args); }

void app_serial_start(const char* device, const char* udp_target)
{
    if (device && device[0]) std::snprintf(ser_cfg.device, sizeof ser_cfg.device, "%s", device);
    if (udp_target && udp_target[0]) std::snprintf(ser_cfg.udp_target, sizeof ser_cfg.udp_target, "%s", udp_target);
    // What a receiver derives from the sentences: the UTC time (within its hour, so the log's
    // six digits keep hundredths of a second), ground speed and track.
    flight_log_add_column("utc_s_of_hour", [] { return std::fmod((double)msc.zulu_time, 3600.0); });
    flight_log_add_column("gs_kt", [] { return (double)(flt.v * con.msctokts); });
    flight_log_add_column("track_deg", [] { return (double)flt.hpath; });
    mnw_at_finishup(serial_close);
}

}  // namespace orv
