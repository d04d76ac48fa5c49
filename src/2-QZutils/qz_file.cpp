#include "2-QZutils/qz_file.h"

#include <cerrno>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/records.h"
#include "platform/plat_fs.h"

namespace orv {

char app_path[PATH_LEN];
char wrk_path[PATH_LEN];
int  inf_use = 1;
int  inf_is_bin;
int  rev_inf_bin;
char x_eln = '\n';
int  extra_char_eoln;

infstream inf1, inf2;
std::ofstream ouf;

// ---------------------------------------------------------------------------------------
// Paths

void copy_str(char* dst, int cap, const char* src)
{
    if (!dst || cap <= 0) return;
    int n = 0;
    if (src)
        while (src[n] && n < cap - 1) { dst[n] = src[n]; n++; }
    dst[n] = 0;
}

int join_path(char* out, int cap, const char* a, const char* b, const char* c, const char* d)
{
    const char* parts[4] = {a, b, c, d};
    int n = 0, whole = 1;
    for (const char* p : parts)
        for (; p && *p; p++) {
            if (n >= cap - 1) {
                whole = 0;
                break;
            }
            out[n++] = *p;
        }
    out[n] = 0;
    return whole;
}

void to_system_form(char* s)
{
    for (; *s; s++)
        if (*s == '/') *s = '\\';
}

const char* native_path(const char* path)
{
    // A few buffers in turn, so two converted paths can be alive at once (source and target).
    static char bufs[4][PATH_LEN * 2];
    static int next;
    char* out = bufs[next];
    next = (next + 1) % 4;
    out[0] = 0;
    if (!path) return out;
    size_t n = std::strlen(path);
    if (n >= sizeof bufs[0]) return out;   // a cut path would name some other file
    for (size_t i = 0; i <= n; i++) out[i] = (path[i] == '\\') ? '/' : path[i];
    return out;
}

void set_app_path(const char* native_folder)
{
    if (!native_folder) return;
    size_t n = std::strlen(native_folder);
    int needs_sep = (n == 0 || (native_folder[n - 1] != '/' && native_folder[n - 1] != '\\'));
    if (n + needs_sep >= (size_t)PATH_LEN) return;   // cannot be held whole: keep the old one
    std::memcpy(app_path, native_folder, n);
    if (needs_sep) app_path[n++] = '\\';
    app_path[n] = 0;
    to_system_form(app_path);
    std::memcpy(wrk_path, app_path, n + 1);
}

int find_app_path()
{
    char folder[PATH_LEN];
    if (!plat_data_folder(folder, PATH_LEN)) return 0;
    set_app_path(folder);
    return 1;
}

void ap_dir(const char* folder, char* name)
{
    if (!name) return;
    char out[PATH_LEN];
    const char* sep = (folder && folder[0]) ? "\\" : "";
    join_path(out, PATH_LEN, app_path, folder ? folder : "", sep, name);
    std::memcpy(name, out, std::strlen(out) + 1);
}

// ---------------------------------------------------------------------------------------
// Input streams

static infstream& cur() { return inf_use == 2 ? inf2 : inf1; }

static void stream_close(infstream& s)
{
    s.open = 0;
    s.fail = 0;
    s.reported = 0;
    s.len = 0;
    s.pos = 0;
}

// Reads the whole file into the stream's buffer.
static int stream_load(infstream& s, const char* native)
{
    stream_close(s);
    if (!native || !native[0]) return 0;
    int fd = ::open(native, O_RDONLY);
    if (fd < 0) return 0;
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > (off_t)LONG_MAX - 1) {
        ::close(fd);
        return 0;
    }
    long size = (long)st.st_size;
    if (size + 1 > s.cap) {
        char* grown = (char*)std::realloc(s.data, (size_t)size + 1);
        if (!grown) {
            ::close(fd);
            return 0;
        }
        s.data = grown;
        s.cap = size + 1;
    }
    long got = 0;
    while (got < size) {
        ssize_t r = ::read(fd, s.data + got, (size_t)(size - got));
        if (r < 0 && errno == EINTR) continue;
        if (r <= 0) break;
        got += r;
    }
    ::close(fd);
    s.data[got] = 0;
    s.len = got;
    s.pos = 0;
    s.open = 1;
    return 1;
}

void inf_close() { stream_close(inf1); }
void inf2_close() { stream_close(inf2); }

void inf_move_to_second()
{
    infstream t = inf2;
    inf2 = inf1;
    inf1 = t;          // inf1 keeps the other buffer for reuse
    stream_close(inf1);
}

int inf_good()
{
    const infstream& s = cur();
    return s.open && !s.fail;
}

int inf_eof()
{
    const infstream& s = cur();
    return !s.open || s.pos >= s.len;
}

// After a line end `c` has been taken: a CR-LF pair is one line end, and a file flagged
// with an extra character after each line end has it taken too (only if it is one).
static inline void finish_eol(infstream& s, char c)
{
    if (s.pos >= s.len) return;
    char n = s.data[s.pos];
    if (c == '\r' && n == '\n')
        s.pos++;
    else if (extra_char_eoln && (n == '\n' || n == '\r'))
        s.pos++;
}

static inline int is_blank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f' || c == x_eln;
}

static void skip_blanks(infstream& s)
{
    const char* d = s.data;
    long p = s.pos, e = s.len;
    while (p < e && is_blank(d[p])) p++;
    s.pos = p;
}

static void skip_line(infstream& s)
{
    if (!s.open || s.fail || inf_is_bin || s.pos >= s.len) return;
    const void* hit = std::memchr(s.data + s.pos, (unsigned char)x_eln, (size_t)(s.len - s.pos));
    if (!hit) {
        s.pos = s.len;   // the last line need not end with a line end
        return;
    }
    s.pos = (long)((const char*)hit - s.data) + 1;
    finish_eol(s, x_eln);
}

static int read_bin4(infstream& s, unsigned char b[4])
{
    if (!s.open || s.fail || s.len - s.pos < 4) {
        s.fail = 1;
        s.pos = s.len;
        std::memset(b, 0, 4);
        return 0;
    }
    std::memcpy(b, s.data + s.pos, 4);
    s.pos += 4;
    if (rev_inf_bin) rev_byte_order4(b);
    return 1;
}

// An integer as strtol reads it in base 10: blanks and line ends, a sign, digits.
static int read_int_text(infstream& s)
{
    if (!s.open || s.fail) {
        s.fail = 1;
        return 0;
    }
    skip_blanks(s);
    const char* p = s.data + s.pos;
    const char* e = s.data + s.len;
    int neg = 0;
    if (p < e && (*p == '+' || *p == '-')) neg = (*p++ == '-');
    if (p >= e || *p < '0' || *p > '9') {
        s.fail = 1;
        return 0;
    }
    long long v = 0;
    while (p < e && *p >= '0' && *p <= '9') {
        if (v <= (long long)INT_MAX + 1) v = v * 10 + (*p - '0');
        p++;
    }
    s.pos = (long)(p - s.data);
    if (neg) v = -v;
    if (v > INT_MAX) return INT_MAX;
    if (v < INT_MIN) return INT_MIN;
    return (int)v;
}

// A number as strtod reads it: blanks and line ends, a sign, digits with a decimal point and
// an exponent, "inf", "nan", or a hexadecimal form.
static float read_flt_text(infstream& s)
{
    if (!s.open || s.fail) {
        s.fail = 1;
        return 0;
    }
    skip_blanks(s);
    const char* start = s.data + s.pos;
    const char* p = start;
    const char* e = s.data + s.len;
    int neg = 0;
    if (p < e && (*p == '+' || *p == '-')) neg = (*p++ == '-');
    if (p >= e || *p == '+' || *p == '-') {
        s.fail = 1;
        return 0;
    }
    float v = 0;
    auto r = std::from_chars(p, e, v, std::chars_format::general);
    int hex = (r.ec == std::errc() && r.ptr == p + 1 && *p == '0' && r.ptr < e &&
               (*r.ptr == 'x' || *r.ptr == 'X'));
    if (r.ec == std::errc::result_out_of_range || hex) {
        // Rare forms go to the C library on a bounded copy.
        char tmp[128];
        long n = (long)(e - start);
        if (n > (long)sizeof tmp - 1) n = (long)sizeof tmp - 1;
        std::memcpy(tmp, start, (size_t)n);
        tmp[n] = 0;
        char* end = nullptr;
        double d = std::strtod(tmp, &end);
        if (end == tmp) {
            s.fail = 1;
            return 0;
        }
        s.pos += (long)(end - tmp);
        return (float)d;
    }
    if (r.ec != std::errc()) {
        s.fail = 1;
        return 0;
    }
    s.pos = (long)(r.ptr - s.data);
    return neg ? -v : v;
}

static int read_int(infstream& s)
{
    if (inf_is_bin) {
        unsigned char b[4];
        read_bin4(s, b);
        int v;
        std::memcpy(&v, b, 4);   // the machines this runs on are little-endian ('i')
        return v;
    }
    return read_int_text(s);
}

static float read_flt(infstream& s)
{
    if (inf_is_bin) {
        unsigned char b[4];
        read_bin4(s, b);
        float v;
        std::memcpy(&v, b, 4);
        return v;
    }
    return read_flt_text(s);
}

void scan_refuse(const char* msg)
{
    cur().fail = 1;
    scancheck(msg);
}

void scancheck(const char* msg)
{
    infstream& s = cur();
    if (!s.fail || s.reported) return;
    s.reported = 1;
    MACIBM_alert("File-scanning error!", "", "file:", msg ? msg : "", ALERT_NOTE);
}

int intscan(const char* msg)
{
    infstream& s = cur();
    int v = read_int(s);
    skip_line(s);
    scancheck(msg);
    return v;
}

float fltscan(const char* msg)
{
    infstream& s = cur();
    float v = read_flt(s);
    skip_line(s);
    scancheck(msg);
    return v;
}

int intscanNOSN(const char* msg)
{
    int v = read_int(cur());
    scancheck(msg);
    return v;
}

float fltscanNOSN(const char* msg)
{
    float v = read_flt(cur());
    scancheck(msg);
    return v;
}

int bolscan(const char* msg) { return intscan(msg) == 1; }
int bolscanNOSN(const char* msg) { return intscanNOSN(msg) == 1; }

void rln(const char* msg)
{
    infstream& s = cur();
    if (!s.open) s.fail = 1;
    skip_line(s);
    scancheck(msg);
}

void wrdscan(char* buf, const char* msg, int len)
{
    infstream& s = cur();
    int kept = 0;
    if (!s.open || s.fail) {
        s.fail = 1;
    } else if (!inf_is_bin) {
        while (s.pos < s.len) {
            char c = s.data[s.pos];
            if (c == ' ' || c == '\t' || c == x_eln || c == '\r' || c == '\n')
                s.pos++;
            else
                break;
        }
        if (s.pos >= s.len) s.fail = 1;
        while (s.pos < s.len) {
            char c = s.data[s.pos++];
            if (c == ' ' || c == '\t') break;
            if (c == x_eln || c == '\r' || c == '\n') {
                finish_eol(s, c);
                break;
            }
            if (buf && kept < len - 1) buf[kept++] = c;
        }
    }
    if (buf && len > 0) buf[kept] = 0;
    scancheck(msg);
}

void strscan(char* buf, const char* msg, int len)
{
    infstream& s = cur();
    if (!s.open || s.fail || s.pos >= s.len) {
        s.fail = 1;
        if (buf && len > 0) {
            if (inf_is_bin) std::memset(buf, 0, (size_t)len);
            else buf[0] = 0;
        }
        scancheck(msg);
        return;
    }
    if (inf_is_bin) {
        if (buf && len > 0) {
            long avail = s.len - s.pos;
            long take = (len < avail) ? len : avail;
            std::memcpy(buf, s.data + s.pos, (size_t)take);
            s.pos += take;
            if (take < len) {
                std::memset(buf + take, 0, (size_t)(len - take));
                s.fail = 1;
            }
        }
        scancheck(msg);
        return;
    }
    long start = s.pos;
    long stop;
    const void* hit = std::memchr(s.data + s.pos, (unsigned char)x_eln, (size_t)(s.len - s.pos));
    if (hit) {
        stop = (long)((const char*)hit - s.data);
        s.pos = stop + 1;
        finish_eol(s, x_eln);
    } else {
        stop = s.pos = s.len;
    }
    if (stop > start && s.data[stop - 1] == '\r') stop--;   // CR-LF lines in an LF file
    if (buf && len > 0) {
        long n = stop - start;
        if (n > len - 1) n = len - 1;
        std::memcpy(buf, s.data + start, (size_t)n);
        buf[n] = 0;
    }
    scancheck(msg);
}

void rev_byte_order4(void* p)
{
    unsigned char* b = (unsigned char*)p;
    unsigned char t = b[0];
    b[0] = b[3];
    b[3] = t;
    t = b[1];
    b[1] = b[2];
    b[2] = t;
}

// Copies `size` bytes into the stream's buffer, as stream_load does with a file's.
static int stream_take(infstream& s, const void* data, long size)
{
    stream_close(s);
    if (size < 0 || (size > 0 && !data) || size > LONG_MAX - 1) return 0;
    if (size + 1 > s.cap) {
        char* grown = (char*)std::realloc(s.data, (size_t)size + 1);
        if (!grown) return 0;
        s.data = grown;
        s.cap = size + 1;
    }
    if (size) std::memcpy(s.data, data, (size_t)size);
    s.data[size] = 0;
    s.len = size;
    s.pos = 0;
    s.open = 1;
    return 1;
}

// The head of the data now in inf1: mark, line end and version. `path` names it in messages.
static int open_head(const char* path, int type, int version, int alert);

int inf_open(const char* path, int type, int version, int alert)
{
    inf_close();
    if (!path || !stream_load(inf1, native_path(path))) return 0;
    return open_head(path, type, version, alert);
}

int inf_open_memory(const void* data, long size, const char* name, int type, int version, int alert)
{
    inf_close();
    if (!stream_take(inf1, data, size)) return 0;
    return open_head(name ? name : "", type, version, alert);
}

static int open_head(const char* path, int type, int version, int alert)
{
    inf_is_bin = (type == FILE_AIRCRAFT || type == FILE_BINARY);
    extra_char_eoln = 0;
    rev_inf_bin = 0;
    infstream& s = inf1;
    if (s.len < 1) {
        inf_close();
        return 0;
    }
    char mark = s.data[s.pos++];
    if (inf_is_bin) {
        if (mark != 'a' && mark != 'i') {
            inf_close();
            return 0;
        }
        rev_inf_bin = (mark == 'a');
    } else {
        if ((mark != 'A' && mark != 'I') || s.pos >= s.len) {
            inf_close();
            return 0;
        }
        x_eln = s.data[s.pos++];
        if (x_eln == '\r' && s.pos < s.len && s.data[s.pos] == '\n') {
            extra_char_eoln = 1;
            s.pos++;
        }
    }

    // The version is read from inf1 whatever stream the scanners have selected.
    int keep_use = inf_use;
    inf_use = 1;
    int v = intscan("version");
    inf_use = keep_use;
    if (s.fail) return 0;
    if (v != version) {
        if (!alert) return 0;
        MACIBM_alert("The following file is the wrong version for this version of Vantorel:", path,
                     "Throw that file away. You should only use the files that came with the program.",
                     "You may have to re-install Vantorel from the CD.", ALERT_NOTE);
    }
    return s.open && !s.fail;
}

// ---------------------------------------------------------------------------------------
// Output: written beside the target and moved into place when complete

static char ouf_target[PATH_LEN * 2];
static char ouf_temp[PATH_LEN * 2 + 8];
static char ouf_shown[PATH_LEN];   // the path as the caller gave it, for messages
static int  ouf_pending;
static char ouf_buf[4096];

static void save_alert(const char* path)
{
    MACIBM_alert("I could not save the file! Could the directory that the file sits in be missing?",
                 path ? path : "",
                 "Could the file be flagged as read-only? This happens in Linux if you copy it from a CD!",
                 "Try putting this app in the background and then flag the file as NOT read-only, or "
                 "creating the folder listed in the path above.",
                 ALERT_NOTE);
}

int ouf_open(const char* path, int type, int version)
{
    if (ouf_pending) ouf_close();   // a file left open is finished before the next starts
    if (ouf.is_open()) ouf.close();
    ouf.clear();
    copy_str(ouf_shown, PATH_LEN, path);

    const char* native = path ? native_path(path) : "";
    int ok = native[0] != 0;
    if (ok) {
        copy_str(ouf_target, sizeof ouf_target, native);
        ok = std::snprintf(ouf_temp, sizeof ouf_temp, "%s.tmp", native) < (int)sizeof ouf_temp;
    }
    if (ok) {
        // The replacement by rename would pass over a read-only file: honour the flag here.
        struct stat st;
        if (stat(ouf_target, &st) == 0 &&
            (S_ISDIR(st.st_mode) || (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0))
            ok = 0;
    }
    if (ok) {
        ouf.rdbuf()->pubsetbuf(ouf_buf, sizeof ouf_buf);
        ouf.open(ouf_temp, std::ios::out | std::ios::trunc | std::ios::binary);
        ok = ouf.is_open();
    }
    if (ok) {
        if (type == FILE_AIRCRAFT || type == FILE_BINARY) {
            unsigned char b[5] = {'i', (unsigned char)(version & 0xff),
                                  (unsigned char)((version >> 8) & 0xff),
                                  (unsigned char)((version >> 16) & 0xff),
                                  (unsigned char)((version >> 24) & 0xff)};
            ouf.write((const char*)b, 5);
        } else {
            ouf << "I\n" << version << " version\n";
        }
        ok = !ouf.fail();
        if (!ok) {
            ouf.close();
            std::remove(ouf_temp);
        }
    }
    if (!ok) {
        ouf.clear();
        save_alert(path);
        return 0;
    }
    ouf_pending = 1;
    return 1;
}

int ouf_close()
{
    if (!ouf_pending) {
        if (ouf.is_open()) ouf.close();
        return 0;
    }
    ouf_pending = 0;
    int ok = !ouf.fail();
    if (ouf.is_open()) {
        ouf.close();
        if (ouf.fail()) ok = 0;
    }
    if (ok) {
        // On disk before it takes the old file's place.
        int fd = ::open(ouf_temp, O_RDONLY);
        if (fd >= 0) {
            if (fsync(fd) != 0) ok = 0;
            ::close(fd);
        } else {
            ok = 0;
        }
    }
    if (ok && std::rename(ouf_temp, ouf_target) != 0) ok = 0;
    if (!ok) {
        std::remove(ouf_temp);
        ouf.clear();
        save_alert(ouf_shown);
        return 0;
    }
    return 1;
}

}  // namespace orv
