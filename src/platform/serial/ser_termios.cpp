// One port at a time, opened raw (no echo, no line editing, no carriage-return games) and
// non-blocking: a receiver that holds the line (CTS low, a full buffer) makes a write come
// back short instead of stopping the frame. The port is locked for the time it is open so a
// second program cannot interleave its bytes with ours.
#include "platform/serial/ser_termios.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <netdb.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

namespace orv {

namespace {

int port_fd = -1;
int udp_fd = -1;

void tell(char* reason, int len, const char* what, int err)
{
    if (reason && len > 0) std::snprintf(reason, len, "%s%s%s", what, what[0] ? ": " : "", std::strerror(err));
}

int code_of_open_error(int err)
{
    switch (err) {
    case ENOENT: case ENODEV: case ENXIO: case ENOTDIR: case ENOTTY: return PLAT_SERIAL_NO_PORT;
    case EBUSY: case EWOULDBLOCK: return PLAT_SERIAL_ALREADY_OPEN;
    case ENOMEM: case ENFILE: case EMFILE: return PLAT_SERIAL_NO_MEMORY;
    default: return PLAT_SERIAL_HARDWARE;
    }
}

int fail_open(int fd, int err, const char* device, char* reason, int len)
{
    if (fd >= 0) ::close(fd);
    tell(reason, len, device, err);
    return code_of_open_error(err);
}

int term_open(const char* device, char* reason, int len)
{
    if (port_fd >= 0) {
        if (reason && len > 0) std::snprintf(reason, len, "a serial port is open already");
        return PLAT_SERIAL_ALREADY_OPEN;
    }
    const int fd = ::open(device, O_WRONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return fail_open(-1, errno, device, reason, len);
    termios t;
    if (tcgetattr(fd, &t) != 0) return fail_open(fd, errno, device, reason, len);   // not a terminal
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) return fail_open(fd, errno, device, reason, len);
    cfmakeraw(&t);
    t.c_cflag |= CLOCAL | CREAD;
    if (tcsetattr(fd, TCSANOW, &t) != 0) return fail_open(fd, errno, device, reason, len);
    port_fd = fd;
    return 0;
}

struct baud { int rate; speed_t speed; };
constexpr baud kBauds[] = {{300, B300},     {1200, B1200},   {2400, B2400},   {4800, B4800},
                           {9600, B9600},   {19200, B19200}, {38400, B38400}, {57600, B57600},
                           {115200, B115200}};

int term_set_baud(int rate, char* reason, int len)
{
    if (port_fd < 0) {
        if (reason && len > 0) std::snprintf(reason, len, "no serial port is open");
        return PLAT_SERIAL_NO_PORT;
    }
    for (const baud& b : kBauds) {
        if (b.rate != rate) continue;
        termios t;
        if (tcgetattr(port_fd, &t) != 0 || cfsetospeed(&t, b.speed) != 0 || cfsetispeed(&t, b.speed) != 0 ||
            tcsetattr(port_fd, TCSANOW, &t) != 0) {
            tell(reason, len, "", errno);
            return errno == EINVAL ? PLAT_SERIAL_BAD_BAUD : PLAT_SERIAL_NO_PORT;
        }
        return 0;
    }
    if (reason && len > 0) std::snprintf(reason, len, "%d baud is not a rate this system offers", rate);
    return PLAT_SERIAL_BAD_BAUD;
}

void term_set_hardware_flow()
{
    termios t;
    if (port_fd < 0 || tcgetattr(port_fd, &t) != 0) return;
    t.c_cflag |= CRTSCTS;
    tcsetattr(port_fd, TCSANOW, &t);
}

int write_all(int fd, const void* bytes, int len, int flags_for_send)
{
    if (fd < 0 || len <= 0) return 0;
    for (;;) {
        const ssize_t n = flags_for_send < 0 ? ::write(fd, bytes, (size_t)len)
                                             : ::send(fd, bytes, (size_t)len, flags_for_send);
        if (n >= 0) return (int)n;
        if (errno != EINTR) return 0;
    }
}

int term_write(const void* bytes, int len) { return write_all(port_fd, bytes, len, -1); }

void term_close()
{
    if (port_fd >= 0) ::close(port_fd);   // the lock goes with it
    port_fd = -1;
}

void net_close()
{
    if (udp_fd >= 0) ::close(udp_fd);
    udp_fd = -1;
}

int net_open(const char* host, const char* port, char* reason, int len)
{
    net_close();
    addrinfo hints = {};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo* found = nullptr;
    const int gai = getaddrinfo(host, port, &hints, &found);
    if (gai != 0) {
        if (reason && len > 0) std::snprintf(reason, len, "%s: %s", host, gai_strerror(gai));
        return 0;
    }
    int err = 0;
    for (addrinfo* a = found; a && udp_fd < 0; a = a->ai_next) {
        const int fd = ::socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC, a->ai_protocol);
        if (fd < 0) { err = errno; continue; }
        if (::connect(fd, a->ai_addr, a->ai_addrlen) == 0) udp_fd = fd;
        else { err = errno; ::close(fd); }
    }
    freeaddrinfo(found);
    if (udp_fd < 0) tell(reason, len, host, err);
    return udp_fd >= 0;
}

int net_send(const void* bytes, int len)
{
    const int n = write_all(udp_fd, bytes, len, MSG_DONTWAIT | MSG_NOSIGNAL);
    // Nobody listening yet is no fault of ours: the port-unreachable answer to an earlier
    // datagram comes back on this one; the next one goes out again.
    if (n == 0 && errno == ECONNREFUSED) return write_all(udp_fd, bytes, len, MSG_DONTWAIT | MSG_NOSIGNAL);
    return n;
}

const plat_serial_backend termios_backend = {"termios",  term_open, term_set_baud, term_set_hardware_flow,
                                             term_write, term_close, net_open,     net_send,
                                             net_close};

}  // namespace

const plat_serial_backend* ser_termios_backend() { return &termios_backend; }

}  // namespace orv
