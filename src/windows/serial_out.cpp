// Serial and network output. The port follows `set.serout` and the device: a change closes the
// port and opens it again for the new mode at that mode's rate. The records go out on a grid of
// local time, so the sentences' time stamps step by a second and a frame period that does not
// divide the record period still gives the record's rate on average.
#include "windows/serial_out.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/records.h"
#include "platform/plat_serial.h"

namespace orv {

serial_config ser_cfg = {"/dev/ttyUSB0", ""};
float serial_dat[SERIAL_DAT_FLOATS];

namespace {

constexpr int kBaud[SERIAL_MODES] = {0, 4800, 38400, 2400, 38400, 38400};
constexpr int kRecordFloats[SERIAL_MODES] = {0, 0, 9, 0, 10, 11};
constexpr double kNmeaPeriod = 1.0, kRecordPeriod = 0.1;   // s
constexpr double kGridSlack = 1e-6;                        // s: a step that lands on the grid counts
constexpr int kSeatMark = 'P';
constexpr float kSeatFullTilt = 30;                        // deg of roll or pitch at the byte's end
constexpr int kDayS = 86400;
constexpr int kReasonLen = 160;
constexpr const char* kWithoutSerial = "The flight goes on without serial output.";
constexpr const char* kWithoutNetwork = "The flight goes on without network output.";

// The open port and what it was opened for.
int  port_mode;                 // the mode last seen
int  port_open;
char port_device[PATH_LEN];
int  port_write_told;           // a short write was told; again only after a good one

char udp_opened[PATH_LEN];      // the target last opened ("" none)
int  udp_ready;
int  udp_send_told;

double clock_s;                 // local time of the output, not wrapped at midnight
float  last_local = -1;         // msc.locl_time at the previous frame, -1 none yet
double next_nmea, next_record;

int due(double* next, double period)
{
    if (clock_s + kGridSlack < *next) return 0;
    *next += period;
    if (*next < clock_s) *next = clock_s + period;   // fallen behind (a long pause of output): start over
    return 1;
}

const char* open_error_text(int code)
{
    switch (code) {
    case PLAT_SERIAL_NO_PORT: return "No such port";
    case PLAT_SERIAL_ALREADY_OPEN: return "Already open";
    case PLAT_SERIAL_NO_MEMORY: return "Cannot allocate memory";
    default: return "Hardware error";
    }
}

const char* baud_error_text(int code) { return code == PLAT_SERIAL_BAD_BAUD ? "Unsupported baud rate" : "No such port"; }

void close_port()
{
    if (port_open) plat_serial_get()->close();
    port_open = 0;
}

void open_port(int mode)
{
    const plat_serial_backend* b = plat_serial_get();
    char reason[kReasonLen] = "";
    std::snprintf(port_device, sizeof port_device, "%s", ser_cfg.device);
    port_write_told = 0;
    int r = b->open(port_device, reason, sizeof reason);
    if (r != 0) {
        MACIBM_alert("Serial port error:", open_error_text(r), reason, kWithoutSerial, ALERT_NOTE);
        return;
    }
    port_open = 1;
    r = b->set_baud(kBaud[mode], reason, sizeof reason);
    if (r != 0) {
        MACIBM_alert("Baud-rate error:", baud_error_text(r), reason, kWithoutSerial, ALERT_NOTE);
        close_port();
        return;
    }
    b->set_hardware_flow();
    next_nmea = next_record = clock_s;   // the first record goes out at once
}

void follow_mode()
{
    const int mode = (set.serout >= 0 && set.serout < SERIAL_MODES) ? set.serout : 0;
    if (mode == port_mode && (mode == 0 || !std::strcmp(port_device, ser_cfg.device))) return;
    close_port();
    port_mode = mode;
    if (mode) open_port(mode);
    else port_device[0] = 0;
}

void follow_udp_target()
{
    if (!std::strcmp(udp_opened, ser_cfg.udp_target)) return;
    const plat_serial_backend* b = plat_serial_get();
    if (udp_ready) b->udp_close();
    udp_ready = 0;
    udp_send_told = 0;
    std::snprintf(udp_opened, sizeof udp_opened, "%s", ser_cfg.udp_target);
    if (!udp_opened[0]) return;
    char err[kReasonLen], host[PATH_LEN], port[8];
    if (!serial_udp_target_valid(udp_opened, err, sizeof err)) {
        MACIBM_alert("Network output error:", "Not a host and port", err, kWithoutNetwork, ALERT_NOTE);
        return;
    }
    // The last colon parts the port off; brackets round an IPv6 host go.
    const char* colon = std::strrchr(udp_opened, ':');
    const char* h = udp_opened;
    int hl = (int)(colon - h);
    if (h[0] == '[') { h++; hl -= 2; }
    std::snprintf(host, sizeof host, "%.*s", hl, h);
    std::snprintf(port, sizeof port, "%s", colon + 1);
    udp_ready = b->udp_open(host, port, err, sizeof err);
    if (!udp_ready) MACIBM_alert("Network output error:", "No such host", err, kWithoutNetwork, ALERT_NOTE);
    next_nmea = clock_s;
}

// A write that came back short is told once; a good one makes the next short one told again.
void tell_short(int wrote, int len, int* told, const char* l1)
{
    if (wrote >= len) { *told = 0; return; }
    if (*told) return;
    *told = 1;
    MACIBM_alert(l1, "The receiver may be missing, off or not reading.", "", "", ALERT_NOTE);
}

void write_port(const void* bytes, int len, const char* short_text)
{
    if (!port_open) return;
    tell_short(plat_serial_get()->write(bytes, len), len, &port_write_told, short_text);
}

void put_float_le(unsigned char* to, float v)
{
    unsigned u;
    std::memcpy(&u, &v, 4);
    for (int i = 0; i < 4; i++) to[i] = (unsigned char)(u >> (8 * i));
}

// serial_out(n): n floats of serial_dat, little-endian, back to back.
void serial_out(int n)
{
    unsigned char bytes[4 * SERIAL_DAT_FLOATS];
    for (int i = 0; i < n; i++) put_float_le(bytes + 4 * i, serial_dat[i]);
    write_port(bytes, 4 * n, "Could not output serial port data!");
}

void fill_record(int mode)
{
    const float ft = con.mtrstoft;
    float* d = serial_dat;
    d[0] = SERIAL_RECORD_MARK;
    if (mode == 2) {
        const float r[] = {flt.vind, flt.the, flt.phi, flt.hind * ft, flt.R, flt.Beta, flt.psi, flt.vY * con.msctofpm};
        std::memcpy(d + 1, r, sizeof r);
    } else if (mode == 4) {
        const float r[] = {msc.elap_time, flt.the, flt.psi, flt.phi, flt.lon, flt.lat,
                           (float)flt.X * ft, (float)flt.Y * ft, (float)flt.Z * ft};
        std::memcpy(d + 1, r, sizeof r);
    } else {
        const float r[] = {flt.v * con.msctokts, flt.Alpha, flt.Qdot, flt.Rdot, flt.Pdot,
                           flt.aX * ft, flt.aY * ft, flt.aZ * ft, flt.onground ? 1.0f : 0.0f,
                           (float)(unsigned char)msc.key_pressed};
        std::memcpy(d + 1, r, sizeof r);
    }
}

unsigned char seat_byte(float angle) { return (unsigned char)(int)(127 * fltlim(angle / kSeatFullTilt, -1, 1) + 127); }

void send_seat()
{
    const unsigned char bytes[3] = {(unsigned char)kSeatMark, seat_byte(flt.phi), seat_byte(flt.the)};
    for (unsigned char c : bytes) write_port(&c, 1, "Could not output serial port data to Rock-n-Ride!");
}

// ddmm.mmmm,N: four decimals of a minute keep the fix within a metre (hundredths would be 18 m).
int put_angle(char* out, int len, double deg, int deg_digits, char pos, char neg)
{
    const char hemi = deg < 0 ? neg : pos;
    long ten_thousandths = std::lround(std::fabs(deg) * 60.0 * 10000.0);
    const long per_degree = 60L * 10000L;
    return std::snprintf(out, len, "%0*ld%02ld.%04ld,%c", deg_digits, ten_thousandths / per_degree,
                         ten_thousandths % per_degree / 10000, ten_thousandths % 10000, hemi);
}

void put_time(char* out, int len, float utc_s)
{
    long cs = std::lround((double)utc_s * 100.0) % (kDayS * 100L);
    if (cs < 0) cs += kDayS * 100L;
    std::snprintf(out, len, "%02ld%02ld%02ld.%02ld", cs / 360000, cs / 6000 % 60, cs / 100 % 60, cs % 100);
}

}  // namespace

int serial_mode_baud(int mode) { return (mode > 0 && mode < SERIAL_MODES) ? kBaud[mode] : 0; }

int serial_udp_target_valid(const char* t, char* err, int errlen)
{
    const char* colon = t ? std::strrchr(t, ':') : nullptr;
    const int host_len = colon ? (int)(colon - t) : 0;
    const bool bracketed = host_len >= 2 && t[0] == '[' && t[host_len - 1] == ']';
    if (!colon || host_len == 0 || (!bracketed && std::memchr(t, ':', host_len)) || (bracketed && host_len == 2)) {
        std::snprintf(err, errlen, "'%s' is not HOST:PORT", t ? t : "");
        return 0;
    }
    char* end;
    const long port = std::strtol(colon + 1, &end, 10);
    if (end == colon + 1 || *end || port < 1 || port > 65535) {
        std::snprintf(err, errlen, "'%s': the port must be 1..65535", t);
        return 0;
    }
    return 1;
}

int nmea_finish(char* s, int len)
{
    unsigned char sum = 0;
    int n = (int)std::strlen(s);
    for (int i = 1; i < n; i++) sum ^= (unsigned char)s[i];
    return n + std::snprintf(s + n, len > n ? len - n : 0, "*%02X\r\n", sum);
}

void nmea_date(float utc_s, std::time_t now, char out[7])
{
    const std::time_t midnight = now - ((now % kDayS) + kDayS) % kDayS;
    std::time_t best = midnight + (std::time_t)utc_s;
    for (int day = -1; day <= 1; day += 2) {
        const std::time_t t = midnight + (std::time_t)day * kDayS + (std::time_t)utc_s;
        if (std::llabs((long long)(t - now)) < std::llabs((long long)(best - now))) best = t;
    }
    std::tm tm;
    gmtime_r(&best, &tm);
    char text[40];
    std::snprintf(text, sizeof text, "%02d%02d%02d", tm.tm_mday, tm.tm_mon + 1, tm.tm_year % 100);
    std::memcpy(out, text, 6);
    out[6] = 0;
}

int nmea_sentences(char* out, int len, std::time_t now)
{
    char time[40], date[7], lat[64], lon[64];
    put_time(time, sizeof time, msc.zulu_time);
    nmea_date(msc.zulu_time, now, date);
    put_angle(lat, sizeof lat, flt.lat, 2, 'N', 'S');
    put_angle(lon, sizeof lon, fltwrap(flt.lon, -180, 180), 3, 'E', 'W');
    const int var = env.mvar;   // westerly positive
    char rmc[256], gga[256];
    std::snprintf(rmc, sizeof rmc, "$GPRMC,%s,A,%s,%s,%.1f,%.1f,%s,%.1f,%c", time, lat, lon, flt.v * con.msctokts,
                  fltwrap(flt.hpath, 0, 360), date, (double)std::abs(var), var >= 0 ? 'W' : 'E');
    std::snprintf(gga, sizeof gga, "$GPGGA,%s,%s,%s,1,06,0.0,%.1f,M,0.0,M,0.0,0000", time, lat, lon, (double)flt.Y);
    nmea_finish(rmc, sizeof rmc);
    nmea_finish(gga, sizeof gga);
    return std::snprintf(out, len, "%s%s", rmc, gga);
}

// The local time's step since the previous frame; a clock set by hand (back, or far on)
// counts as one frame period.
double local_step()
{
    constexpr float kHandSetStep = 60;   // s: more than any frame, less than any setting
    float d = last_local < 0 ? 0 : msc.locl_time - last_local;
    if (d < -kDayS / 2) d += kDayS;   // past midnight
    if (d < 0 || d > kHandSetStep) d = msc.prd;
    last_local = msc.locl_time;
    return d;
}

void serial_output()
{
    clock_s += local_step();
    follow_mode();
    follow_udp_target();
    // The frame a flight starts on still holds the clocks and the variation of before.
    if (msc.init_time <= 0) return;
    const int nmea_now = due(&next_nmea, kNmeaPeriod);
    if (nmea_now && (udp_ready || (port_open && port_mode == 1))) {
        char pair[520];
        const int n = nmea_sentences(pair, sizeof pair, std::time(nullptr));
        if (port_open && port_mode == 1) write_port(pair, n, "Could not output serial port data!");
        if (udp_ready)
            tell_short(plat_serial_get()->udp_send(pair, n), n, &udp_send_told, "Could not send NMEA data to the network!");
    }
    if (port_open && port_mode >= 2 && due(&next_record, kRecordPeriod)) {
        if (port_mode == 3) {
            send_seat();
        } else {
            fill_record(port_mode);
            serial_out(kRecordFloats[port_mode]);
        }
    }
}

void serial_close()
{
    close_port();
    port_mode = 0;
    port_device[0] = 0;
    if (udp_ready) plat_serial_get()->udp_close();
    udp_ready = 0;
    udp_opened[0] = 0;
}

}  // namespace orv
