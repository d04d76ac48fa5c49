// qz_funct.cpp -- the small helpers every area calls: limits, wraps, interpolation,
// rounding, random numbers, table trigonometry, rotations, string and digit conversions,
// scenery tile names, surface weather reports and airport lighting codes.
#include "2-QZutils/qz_angles.h"
#include "2-QZutils/qz_funct.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#include "2-QZutils/qz_rand.h"
#include "2-QZutils/records.h"
#include "platform/plat_clock.h"

namespace orv {

float lookup_sin[361], lookup_cos[361];

void init_trig_tables()
{
    for (int d = 0; d <= 360; d++) {
        const double r = d * DEG_TO_RAD;
        double s = std::sin(r), c = std::cos(r);
        // The quarter turns must be exact: headings of 0, 90, 180, 270 are common and a
        // residue of 1e-16 would leak into rotated positions.
        if (d % 90 == 0) {
            s = std::round(s);
            c = std::round(c);
        }
        lookup_sin[d] = (float)s;
        lookup_cos[d] = (float)c;
    }
}

// ---------------------------------------------------------------- numeric helpers

// Both wraps take a value any number of periods outside back into the range (a hard
// ground contact can throw an angle many turns out in one step); inside it stays as it is.
int intwrap(int in, int min, int max)
{
    if (in >= min && in <= max) return in;
    const long long span = (long long)max - min + 1;
    if (span <= 0) return in;
    long long r = ((long long)in - min) % span;
    if (r < 0) r += span;
    return (int)(min + r);
}

float fltwrap(float in, float min, float max)
{
    if ((in >= min && in <= max) || !std::isfinite(in)) return in;
    const float span = max - min;
    if (!(span > 0.0f)) return in;
    float r = std::fmod(in - min, span);
    if (r < 0.0f) r += span;
    return min + r;
}

int intrange(int in, int min, int max) { return (min <= in && in <= max) ? 1 : 0; }
int fltrange(float in, float min, float max) { return (min <= in && in <= max) ? 1 : 0; }

int intbox(int x, int y, int x1, int y1, int x2, int y2)
{
    return (x1 <= x && x <= x2 && y1 <= y && y <= y2) ? 1 : 0;
}

int fltbox(float x, float y, float x1, float y1, float x2, float y2)
{
    return (x1 <= x && x <= x2 && y1 <= y && y <= y2) ? 1 : 0;
}

int round(float in)
{
    // Carried in double so that 0.49999997f does not become 1 through in+0.5 in float.
    // Values that no int can hold are held at the int limits instead of overflowing.
    if (std::isnan(in)) return 0;
    double v = (in >= 0.0f) ? (double)in + 0.5 : (double)in - 0.5;
    if (v >= 2147483647.0) return 2147483647;
    if (v <= -2147483648.0) return (int)-2147483647 - 1;
    return (int)v;
}

float fltnear(float in, float nearest)
{
    if (nearest == 0.0f) return in;   // no grid to snap to; dividing would give nonsense
    return nearest * (float)round(in / nearest);
}

int intnear(float in, float nearest)
{
    // A value no int can hold (or none at all) would make the conversion undefined.
    const float v = fltnear(in, nearest);
    if (std::isnan(v)) return 0;
    if (v >= 2147483647.0f) return 2147483647;
    if (v <= -2147483648.0f) return (int)-2147483647 - 1;
    return (int)v;
}

int   intmax2(int a, int b) { return (a > b) ? a : b; }
void int_switch(int* a, int* b)
{
    const int t = *a;
    *a = *b;
    *b = t;
}

float fltsgn(float in) { return (in >= 0.0f) ? 1.0f : -1.0f; }
float sqr(float in) { return in * in; }
float signsqr(float in) { return (in > 0.0f) ? in * in : -(in * in); }

float pythag(float a, float b) { return (float)std::sqrt((double)a * a + (double)b * b); }

float pythag3(float a, float b, float c)
{
    return (float)std::sqrt((double)a * a + (double)b * b + (double)c * c);
}

float closer_assymp(float nowval, float termval, float speedrat)
{
    return (1.0f - speedrat) * nowval + speedrat * termval;
}

float fallout(float in, float lo, float hi)
{
    if (in < lo || in > hi) return in;
    return (in >= (lo + hi) * 0.5f) ? hi : lo;
}

// ---------------------------------------------------------------- random numbers
// A 64-bit linear congruential generator whose top bits give the 0..32767 draw the
// system's random laws were tuned for. Deterministic for a given seed, so a run started
// with a seed repeats exactly.
static rand_stream main_stream = {0x853c49e6748fea9bULL};

void stream_seed(rand_stream* s, unsigned seed)
{
    s->state = 0x853c49e6748fea9bULL ^ ((std::uint64_t)seed * 0x9e3779b97f4a7c15ULL);
}

constexpr std::uint64_t RAND_MUL = 6364136223846793005ULL, RAND_ADD = 1442695040888963407ULL;

static int next_rand(rand_stream* s)
{
    s->state = s->state * RAND_MUL + RAND_ADD;
    return (int)(s->state >> 49);   // 15 bits: 0..32767
}

void stream_skip(rand_stream* s, std::uint64_t draws)
{
    // One draw is the map x -> m x + a; the map of 2^k draws is that map composed with itself,
    // so the draws are taken bit by bit of their count (all arithmetic modulo 2^64).
    std::uint64_t mul = RAND_MUL, add = RAND_ADD, total_mul = 1, total_add = 0;
    for (; draws; draws >>= 1) {
        if (draws & 1) {
            total_mul *= mul;
            total_add = total_add * mul + add;
        }
        add = (mul + 1) * add;
        mul *= mul;
    }
    s->state = s->state * total_mul + total_add;
}

int stream_intrand(rand_stream* s, int min, int max)
{
    if (max < min) int_switch(&min, &max);
    // r/32768 lies in [0,1), so the result can reach max but never pass it.
    const std::int64_t span = (std::int64_t)max - min + 1;
    return (int)(min + span * next_rand(s) / 32768);
}

float stream_fltrand(rand_stream* s, float min, float max)
{
    return min + (max - min) / 32767.0f * (float)next_rand(s);
}

void  seed_rand(unsigned seed) { stream_seed(&main_stream, seed); }
int   intrand(int min, int max) { return stream_intrand(&main_stream, min, max); }
float fltrand(float min, float max) { return stream_fltrand(&main_stream, min, max); }
void  skip_rand(std::uint64_t draws) { stream_skip(&main_stream, draws); }

void delay(float deltime)
{
    if (!(deltime > 0.0f)) return;
    const long start = plat_clock_ms();
    const long ticks = (long)(deltime * 1000.0f);
    while (plat_clock_ms() - start < ticks) {
    }
}

// Table entries for whole degrees. Callers pass 0..360; anything else is brought into
// the table rather than read from beyond it.
static int deg_index(int index)
{
    if (index >= 0 && index <= 360) return index;
    index %= 360;
    return (index < 0) ? index + 360 : index;
}

float isin(int index) { return lookup_sin[deg_index(index)]; }
float icos(int index) { return lookup_cos[deg_index(index)]; }

// ---------------------------------------------------------------- rotations

float rx2d(float x, float y, int hdng) { return x * icos(hdng) + y * isin(hdng); }
float ry2d(float x, float y, int hdng) { return y * icos(hdng) - x * isin(hdng); }
float rx3d(float x, float z, int hdng) { return x * icos(hdng) - z * isin(hdng); }
float rz3d(float x, float z, int hdng) { return z * icos(hdng) + x * isin(hdng); }

void xfrm_VVECT(float xi, float yi, float zi, VVECT* xyzout)
{
    const float a = xi * con.cosPLANpsi - yi * con.sinPLANpsi;
    const float b = yi * con.cosPLANpsi + xi * con.sinPLANpsi;
    const float c = zi * con.cosPLANthe - b * con.sinPLANthe;
    xyzout->y = b * con.cosPLANthe + zi * con.sinPLANthe;
    xyzout->x = a * con.cosPLANphi - c * con.sinPLANphi;
    xyzout->z = c * con.cosPLANphi + a * con.sinPLANphi;
}

void find_normal_vects(const VVECT* a, const VVECT* b, VVECT* n)
{
    const double x = (double)a->y * b->z - (double)b->y * a->z;
    const double y = -(double)a->x * b->z + (double)b->x * a->z;
    const double z = (double)a->x * b->y - (double)b->x * a->y;
    const double len = std::sqrt(x * x + y * y + z * z);
    if (!(len > 0.0) || !std::isfinite(len)) {
        n->x = 0.0f;
        n->y = 1.0f;
        n->z = 0.0f;
        return;
    }
    n->x = (float)(x / len);
    n->y = (float)(y / len);
    n->z = (float)(z / len);
}

// ---------------------------------------------------------------- strings and digits

int char_to_int(char c)
{
    if (c >= '1' && c <= '9') return c - '0';
    if (c == '+') return 1;
    if (c == '-') return -1;
    return 0;
}

char int_to_char(int n) { return (n >= 1 && n <= 9) ? (char)('0' + n) : '0'; }

int str_is_int(const char* str)
{
    if (!str) return 0;
    for (const char* p = str; *p; p++)
        if (*p < '0' || *p > '9') return 0;
    return 1;
}

int str_is_frac(const char* str)
{
    if (!str || std::strlen(str) != 3) return 0;
    return (str[1] == '/' && char_to_int(str[0]) > 0 && char_to_int(str[2]) > 0) ? 1 : 0;
}

int str_to_int(const char* str)
{
    if (!str_is_int(str)) return -1;
    const std::size_t len = std::strlen(str);
    if (len < 1 || len > 4) return -1;
    int v = 0;
    for (std::size_t k = 0; k < len; k++) v = v * 10 + (str[k] - '0');
    return v;
}

float str_to_frac(const char* str)
{
    if (!str || std::strlen(str) != 3) return -1.0f;
    const int d = char_to_int(str[2]);
    if (d == 0) return -1.0f;   // "1/0" or "a/b": no value rather than a division by zero
    return (float)char_to_int(str[0]) / (float)d;
}

void int_to_str(int input, char* C_string)
{
    // Five digits at most: callers size their fields for that, so larger magnitudes are
    // held at 99999 instead of running past the field.
    long long v = input;
    char* p = C_string;
    if (v < 0) {
        *p++ = '-';
        v = -v;
    }
    if (v > 99999) v = 99999;
    char digits[6];
    int n = 0;
    do {
        digits[n++] = (char)('0' + v % 10);
        v /= 10;
    } while (v > 0);
    while (n > 0) *p++ = digits[--n];
    *p = '\0';
}

void sec_to_hrs_min(float sec, int* hrs, int* min)
{
    double s = std::trunc((double)sec);
    if (!(s > -2147483648.0)) s = 0.0;            // NaN and hugely negative
    if (s > 2147483647.0) s = 2147483647.0;
    const int is = (int)s;
    *hrs = is / 3600;
    *min = is / 60 - 60 * *hrs;
}

void C_to_C(const char* src, char* dst)
{
    if (!src || !dst) return;
    std::memmove(dst, src, std::strlen(src) + 1);
}

void C_plus_C(const char* a, const char* b, char* dst)
{
    if (!dst) return;
    const std::size_t la = a ? std::strlen(a) : 0;
    const std::size_t lb = b ? std::strlen(b) : 0;
    // b goes first so that dst may be the same buffer as a or b.
    if (lb) std::memmove(dst + la, b, lb);
    dst[la + lb] = '\0';
    if (la) std::memmove(dst, a, la);
}

void app_C(char* dst, const char* src)
{
    if (!dst || !src) return;
    const std::size_t ld = std::strlen(dst);
    std::memmove(dst + ld, src, std::strlen(src) + 1);
}

char code_to_char(int icode)
{
    if (icode == 0) return ' ';
    if (icode >= 1 && icode <= 10) return (char)('0' + icode - 1);
    if (icode >= 11 && icode <= 36) return (char)('A' + icode - 11);
    return '0';
}

int char_to_code(char ccode)
{
    if (ccode == ' ') return 0;
    if (ccode >= '0' && ccode <= '9') return ccode - '0' + 1;
    if (ccode >= 'A' && ccode <= 'Z') return ccode - 'A' + 11;
    return 1;
}

void int_to_bol(int* b1, int* b2, int* b3, int* b4, int* b5, int code)
{
    *b1 = (code & 1) ? 1 : 0;
    *b2 = (code & 2) ? 1 : 0;
    *b3 = (code & 4) ? 1 : 0;
    *b4 = (code & 8) ? 1 : 0;
    *b5 = (code & 16) ? 1 : 0;
}

// ---------------------------------------------------------------- scenery tile names

static int floor_div(int a, int b)
{
    int q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) q--;
    return q;
}

// Sign ('+' for zero) and exactly `digits` digits of the magnitude.
static char* put_corner_part(char* p, int v, int digits)
{
    *p++ = (v < 0) ? '-' : '+';
    int m = (v < 0) ? -v : v;
    for (int k = digits - 1; k >= 0; k--) {
        p[k] = (char)('0' + m % 10);
        m /= 10;
    }
    return p + digits;
}

void return_latlon_str_ENV(int lat_file, int lon_file, char* lookup_name, int new_format)
{
    // Tiles live on the globe; an absurd corner is brought onto it so the name keeps its shape.
    lat_file = intlim(lat_file, -90, 89);
    lon_file = floor_div(lon_file + 180, 360) * -360 + lon_file;   // into -180..179
    // Floored ten-degree folders, so -15 lies in -20 (for every latitude, also south of -60).
    const int lat_fldr = floor_div(lat_file, 10) * 10;
    const int lon_fldr = floor_div(lon_file, 10) * 10;

    char* p = lookup_name;
    if (new_format) {
        p = put_corner_part(p, lat_fldr, 2);
        p = put_corner_part(p, lon_fldr, 3);
    } else {
        static const char us[] = "United States";
        std::memcpy(p, us, sizeof us - 1);
        p += sizeof us - 1;
    }
    *p++ = '\\';
    p = put_corner_part(p, lat_file, 2);
    p = put_corner_part(p, lon_file, 3);
    std::memcpy(p, ".env", 5);
}

// ---------------------------------------------------------------- weather reports

namespace {

constexpr int WXR_TOKENS = 40;
constexpr int WXR_TOKLEN = 399;

struct wxr_tokens {
    char t[WXR_TOKENS][WXR_TOKLEN + 1];
    int  n;
    // Index outside the line reads as an empty token, never outside the table.
    const char* at(int k) const { return (k >= 0 && k < n) ? t[k] : ""; }
};

// Splits at single spaces (two spaces make an empty token); a line end ends the report.
void split_wxr(const char* s, wxr_tokens* tk)
{
    tk->n = 0;
    if (!s) return;
    int len = 0;
    tk->n = 1;
    tk->t[0][0] = '\0';
    for (const char* p = s; *p && *p != '\r' && *p != '\n'; p++) {
        if (*p == ' ') {
            if (tk->n == WXR_TOKENS) break;
            tk->t[tk->n][0] = '\0';
            tk->n++;
            len = 0;
            continue;
        }
        if (len < WXR_TOKLEN) {
            tk->t[tk->n - 1][len++] = *p;
            tk->t[tk->n - 1][len] = '\0';
        }
    }
}

int count_char(const char* s, char c)
{
    int n = 0;
    for (; *s; s++)
        if (*s == c) n++;
    return n;
}

int is_digit(char c) { return c >= '0' && c <= '9'; }

struct wx_entry {
    const char* tok;
    int kind, den;
};

const wx_entry wx_table[] = {
    {"R-", 2, 1},    {"R", 2, 2},    {"R+", 2, 3},
    {"R-F", 3, 1},   {"RF", 3, 2},   {"R+F", 3, 3},
    {"RW-", 4, 1},   {"RW", 4, 2},   {"RW+", 4, 3},
    {"RW-F", 4, 1},  {"RWF", 4, 2},  {"RW+F", 4, 3},
    {"S-", 2, 1},    {"S", 2, 2},    {"S+", 2, 3},
    {"TRW-", 1, 1},  {"TRW", 1, 2},  {"TRW+", 1, 3},
    {"SW-", 4, 1},   {"SW", 4, 2},   {"SW+", 4, 3},
    {"TRW-F", 1, 1}, {"TRWF", 1, 2}, {"TRW+F", 1, 3},
};

}  // namespace

void decode_wxr(const char* wxr_str, float z_report, float* z_time, int* cld_type,
                float* cld_base, float* cld_tops, float* vis, int* obs_vis, int* obs_den,
                float* temp, float* dewp, float* wnd_dir, float* wnd_spd, float* wnd_gus,
                float* baro)
{
    wxr_tokens tk;
    split_wxr(wxr_str, &tk);
    if (tk.n == 0) return;

    const int time_seg = (std::strlen(tk.at(1)) == 4) ? 1 : 0;
    int main_seg = -1;
    int combo_seg_has_press = 0;
    for (int k = 0; k < tk.n; k++) {
        const int slashes = count_char(tk.t[k], '/');
        if (slashes >= 3) {
            main_seg = k;
            combo_seg_has_press = (slashes >= 4) ? 1 : 0;
            break;
        }
    }

    // Time HHMM.
    if (time_seg == 1) {
        const char* t = tk.at(1);
        if (str_is_int(t))
            *z_time = (float)((t[0] - '0') * 36000 + (t[1] - '0') * 3600 + (t[2] - '0') * 600 +
                              (t[3] - '0') * 60);
    }

    // Sky: height/cover pairs up to the visibility and weather tokens.
    if (std::strcmp(tk.at(time_seg + 1), "CLR") == 0) {
        *cld_type = 0;
    } else {
        int got_data = 0, got_layer = 0, lo = 0, hi = 0;
        for (int k = time_seg + 1; k <= main_seg - 3; k += 2) {
            const char* cover = tk.at(k + 1);
            const int h = str_to_int(tk.at(k));
            const int layer = !std::strcmp(cover, "BKN") || !std::strcmp(cover, "OVC");
            if (h < 1 || !(layer || !std::strcmp(cover, "SCT"))) continue;
            got_data = 1;
            if (layer) {
                if (!got_layer || h < lo) lo = h;
                if (!got_layer || h > hi) hi = h;
                got_layer = 1;
            }
        }
        if (got_data) *cld_type = 0;
        if (got_layer) {
            *cld_type = 1;
            *cld_base = lo * 100.0f * con.fttomtrs + z_report;
            *cld_tops = hi * 100.0f * con.fttomtrs + z_report;
        }
    }

    // Visibility in statute-style whole and fractional miles just before the slash group.
    // The station id and the time are never visibility, so only tokens after them count.
    if (main_seg > time_seg + 1) {
        auto int_at = [&](int k) { return (k > time_seg) ? str_to_int(tk.at(k)) : -1; };
        auto frac_at = [&](int k) { return (k > time_seg && str_is_frac(tk.at(k))) ? 1 : 0; };
        int n;
        if ((n = int_at(main_seg - 1)) >= 0) *vis = n * con.nmtomtrs;
        if ((n = int_at(main_seg - 2)) >= 0) *vis = n * con.nmtomtrs;
        for (int back = 1; back <= 2; back++) {
            const int k = main_seg - back;
            if (!frac_at(k)) continue;
            float miles = str_to_frac(tk.at(k));
            if ((n = int_at(k - 1)) >= 0) miles += (float)n;
            *vis = miles * con.nmtomtrs;
        }
    }

    // Weather kind and intensity.
    if (time_seg + 3 < main_seg && !str_is_int(tk.at(main_seg - 1))) {
        const char* w = tk.at(main_seg - 1);
        for (const wx_entry& e : wx_table) {
            if (std::strcmp(w, e.tok) != 0) continue;
            *obs_vis = e.kind;
            *obs_den = e.den;
            if (e.kind >= 2)
                *cld_tops += e.den * 1000.0f * con.fttomtrs;
            else
                *cld_tops += e.den * 10000.0f * con.fttomtrs;
            break;
        }
    }

    if (main_seg < 0) return;

    // The slash group: [ppp/]tt/dd/ddff[Ggg]/aaa.
    char part[8][WXR_TOKLEN + 1];
    int nparts = 0, len = 0;
    part[0][0] = '\0';
    nparts = 1;
    for (const char* p = tk.t[main_seg]; *p; p++) {
        if (*p == '/') {
            if (nparts == 8) break;
            part[nparts++][0] = '\0';
            len = 0;
            continue;
        }
        part[nparts - 1][len++] = *p;
        part[nparts - 1][len] = '\0';
    }
    auto part_at = [&](int k) -> const char* { return (k >= 0 && k < nparts) ? part[k] : ""; };
    const int first = combo_seg_has_press ? 1 : 0;

    int v = str_to_int(part_at(first));
    if (v >= 1) *temp = (float)v;
    v = str_to_int(part_at(first + 1));
    if (v >= 1) *dewp = (float)v;

    const char* wnd = part_at(first + 2);
    const std::size_t wl = std::strlen(wnd);
    if ((wl == 4 || wl == 7) && is_digit(wnd[2]) && is_digit(wnd[3])) {
        const int vr = (wnd[0] == 'V' && wnd[1] == 'R');
        if (vr || (is_digit(wnd[0]) && is_digit(wnd[1]))) {
            *wnd_dir = vr ? (float)(intrand(0, 35) * 10)
                          : (float)(((wnd[0] - '0') * 10 + (wnd[1] - '0')) * 10);
            *wnd_spd = ((wnd[2] - '0') * 10 + (wnd[3] - '0')) * con.ktstomsc;
            if (wl == 7 && wnd[4] == 'G' && is_digit(wnd[5]) && is_digit(wnd[6]))
                *wnd_gus = ((wnd[5] - '0') * 10 + (wnd[6] - '0')) * con.ktstomsc - *wnd_spd;
            else
                *wnd_gus = 0.0f;
        }
    }

    const char* alt = part_at(first + 3);
    if (std::strlen(alt) == 3 && str_is_int(alt)) {
        float b = (alt[0] - '0') + (alt[1] - '0') / 10.0f + (alt[2] - '0') / 100.0f;
        *baro = b + ((b >= 5.0f) ? 20.0f : 30.0f);
    }
}

// ---------------------------------------------------------------- airport lighting codes

void code_to_lgts(int* typ, int gls[2], int rwy[2], int app[2], int code)
{
    *typ = 73;
    if (code > 999999) {
        const int m = code / 1000000;
        if (m >= 1 && m <= 5) *typ = 72 + m;
        code %= 1000000;
    }
    for (int k = 0; k < 2; k++) {
        int v = (k == 0) ? code / 1000 : code % 1000;
        gls[k] = 1;
        rwy[k] = 1;
        app[k] = 1;
        if (v >= 300) { gls[k] = 3; v -= 300; }
        if (v >= 200) { gls[k] = 2; v -= 200; }
        if (v >= 100) { gls[k] = 1; v -= 100; }
        if (v >= 50) { rwy[k] = 5; v -= 50; }
        if (v >= 40) { rwy[k] = 4; v -= 40; }
        if (v >= 30) { rwy[k] = 3; v -= 30; }
        if (v >= 20) { rwy[k] = 2; v -= 20; }
        if (v >= 10) { rwy[k] = 1; v -= 10; }
        if (v >= 6) { app[k] = 6; v -= 6; }
        if (v >= 5) { app[k] = 5; v -= 5; }
        if (v >= 4) { app[k] = 4; v -= 4; }
        if (v >= 3) { app[k] = 3; v -= 3; }
        // Approach type 2 must survive: a plain "at least 1" after it would turn every 2 into 1.
        if (v >= 2) app[k] = 2;
        else if (v >= 1) app[k] = 1;
    }
}

}  // namespace orv
