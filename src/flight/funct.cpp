// funct.cpp -- flight support functions shared by the flight model and its neighbours.
#include "flight/funct.h"

#include <cctype>
#include <cmath>
#include <cstring>

#include "2-QZutils/qz_angles.h"
#include "2-QZutils/qz_funct.h"
#include "2-QZutils/records.h"
#include "world/nav_db.h"
#include "world/region.h"

namespace orv {

namespace {

constexpr int kParts = 28;
constexpr int kFailures = 32;

// Metres along a meridian per degree of latitude (60 nautical miles).
double metres_per_degree() { return 60.0 * static_cast<double>(con.nmtomtrs); }

// Moments of a body-axis force: axial acts along Z, side along X, normal along Y.
void add_axial_moments(float faxil, float X, float Y)
{
    flt.M -= faxil * Y;
    flt.N -= faxil * X;
}
void add_side_moments(float fside, float Y, float Z)
{
    flt.L += fside * Y;
    flt.N -= fside * Z;
}
void add_normal_moments(float fnrml, float X, float Z)
{
    flt.L -= fnrml * X;
    flt.M -= fnrml * Z;
}

}  // namespace

// ---------------------------------------------------------------- accumulators

void addFaprop(float faxil, float X, float Y)
{
    flt.faxilprop += faxil;
    add_axial_moments(faxil, X, Y);
}

void addFsprop(float fside, float Y, float Z)
{
    flt.fsideprop += fside;
    add_side_moments(fside, Y, Z);
}

void addFnprop(float fnrml, float X, float Z)
{
    flt.fnrmlprop += fnrml;
    add_normal_moments(fnrml, X, Z);
}

void addFagear(float faxil, float X, float Y)
{
    flt.faxilgear += faxil;
    add_axial_moments(faxil, X, Y);
}

void addFsgear(float fside, float Y, float Z)
{
    flt.fsidegear += fside;
    add_side_moments(fside, Y, Z);
}

void addFngear(float fnrml, float X, float Z)
{
    flt.fnrmlgear += fnrml;
    add_normal_moments(fnrml, X, Z);
}

void addFaero(float faxil_path, float fside_path, float fnrml_path, float X, float Y, float Z)
{
    flt.faxilaero += faxil_path;
    flt.fsideaero += fside_path;
    flt.fnrmlaero += fnrml_path;

    // Flight-path axes to body axes: first through the sideslip, then the angle of attack.
    const float axial1 = faxil_path * flt.cosbeta + fside_path * flt.sinbeta;
    const float side1 = fside_path * flt.cosbeta - faxil_path * flt.sinbeta;
    const float normal1 = fnrml_path;
    const float axial = axial1 * flt.cosalph + normal1 * flt.sinalph;
    const float normal = normal1 * flt.cosalph - axial1 * flt.sinalph;
    const float side = side1;

    flt.L += -normal * X + side * Y;
    flt.M += -axial * Y - normal * Z;
    flt.N += -axial * X - side * Z;
}

// ---------------------------------------------------------------- small laws

float dampedforce(float p, float v, float k, float gamma)
{
    if (p < 0.0f) return 0.0f;
    const float lim = 5.0f * pln.m_max * con.g;
    const float f = fltlim(k * p + gamma * v, -lim, lim);
    return f < 0.0f ? 0.0f : f;   // a strut pushes, never pulls
}

float induce_alpha(float clmod, int EN)
{
    if (flt.machno > 1.0f) return 0.0f;
    const int part = intlim(EN, 0, kParts - 1);
    const float ar = fltlim(pln.AR[part], 2.0f, 20.0f);
    return static_cast<float>(clmod / (PI * ar) * RAD_TO_DEG);
}

float pulse(float offset)
{
    return 0.5f + 0.5f * std::sin(2.0f * (msc.elap_time + offset));
}

float findarea(float x1, float y1, float z1, float x2, float y2, float z2,
               float x3, float y3, float z3)
{
    const double ax = x2 - x1, ay = y2 - y1, az = z2 - z1;
    const double bx = x3 - x1, by = y3 - y1, bz = z3 - z1;
    const double cx = ay * bz - az * by;
    const double cy = az * bx - ax * bz;
    const double cz = ax * by - ay * bx;
    return static_cast<float>(0.5 * std::sqrt(cx * cx + cy * cy + cz * cz));
}

float interp9(float x1, float x2, float x3, float y1, float y2, float y3,
              float z11, float z21, float z31, float z12, float z22, float z32,
              float z13, float z23, float z33, float xval, float yval)
{
    const float z[3][3] = {{z11, z12, z13}, {z21, z22, z23}, {z31, z32, z33}};  // [x][y]
    const float xs[3] = {x1, x2, x3};
    const float ys[3] = {y1, y2, y3};
    const int i = (xval < x2) ? 0 : 1;   // x ascending
    const int j = (yval > y2) ? 0 : 1;   // y descending
    const float za = interp(xs[i], z[i][j], xs[i + 1], z[i + 1][j], xval);
    const float zb = interp(xs[i], z[i][j + 1], xs[i + 1], z[i + 1][j + 1], xval);
    return interp(ys[j], za, ys[j + 1], zb, yval);
}

float findspecwash(float hDs, float xDs, float AR, float TR)
{
    hDs = fltlim(hDs, 0.0f, 1.0f);
    xDs = fltlim(xDs, 0.5f, 2.0f);
    AR = fltlim(AR, 3.0f, 15.0f);
    TR = fltlim(TR, 0.1f, 1.1f);

    // Charts over aspect ratio 6, 9, 12 (x) and taper ratio 1.0, 0.5, 0.2 (y).
    const float e0 = interp9(6, 9, 12, 1.0f, 0.5f, 0.2f,
                             6.2f, 4.0f, 3.0f, 8.0f, 5.1f, 3.9f, 9.1f, 6.1f, 4.3f, AR, TR);
    const float k = interp9(6, 9, 12, 1.0f, 0.5f, 0.2f,
                            -5.25f, -3.5f, -2.51f, -8.17f, -5.33f, -4.0f, -12.0f, -7.38f, -5.0f,
                            AR, TR);
    const float m4 = interp9(6, 9, 12, 1.0f, 0.5f, 0.2f,
                             0.8f, 0.6f, 0.5f, 0.7f, 0.5f, 0.4f, 0.4f, 0.3f, 0.1f, AR, TR);
    const float m0 = interp9(6, 9, 12, 1.0f, 0.5f, 0.2f,
                             1.5f, 1.3f, 1.0f, 1.5f, 1.1f, 0.7f, 1.4f, 1.0f, 0.4f, AR, TR);

    const float wash = fltlim(e0 + k * hDs, 0.0f, 10.0f);
    const float change = fltlim((xDs - 0.6f) * interp(0.0f, m0, 0.4f, m4, hDs), 0.0f, 10.0f);
    return wash - (xDs - 0.6f) * change;
}

float closer_linear(float nowval, float termval, float deltamax, float lo, float hi)
{
    float delta = termval - nowval;
    const float half = (lo + hi) * 0.5f;
    if (delta > half) delta -= (hi - lo);
    if (delta < -half) delta += (hi - lo);
    delta = fltlim(delta, -deltamax, deltamax);
    return fltwrap(nowval + delta, lo, hi);
}

// ---------------------------------------------------------------- wind, failures, fuel

int wind_index(float h)
{
    static const float kTopsFt[8] = {1000, 2000, 3000, 4000, 5000, 10000, 20000, 30000};
    for (int c = 0; c < 8; ++c)
        if (h < kTopsFt[c] * con.fttomtrs) return c;
    return 8;
}

void assign_wind_tbl(float newpart)
{
    const float prevailing = (newpart > 0.9f) ? fltrand(0.0f, 360.0f) : atm.wnddir[0];
    // An unset severity (below 1) would make a negative base for the power: keep it 0..1.
    const float sev = fltlim((atm.wind_tbl - 1.0f) / 4.0f, 0.0f, 1.0f);
    const float rat = std::pow(sev, 1.5f);
    // Speeds are kept in metres per second; the severity scale is told in knots.
    const float kts = con.ktstomsc;
    for (int c = 0; c < 9; ++c) {
        atm.wnddir[c] = closer_assymp(atm.wnddir[c], prevailing + fltrand(-1.0f, 1.0f) * rat * 90.0f,
                                      newpart);
        atm.shrdir[c] = closer_assymp(atm.shrdir[c], fltrand(0.0f, rat * 150.0f), newpart);
        atm.wndspd[c] = closer_assymp(atm.wndspd[c], fltrand(0.0f, rat * 90.0f * kts), newpart);
        atm.shrspd[c] = closer_assymp(atm.shrspd[c], fltrand(0.0f, rat * 30.0f * kts), newpart);
        atm.tbl[c] = closer_assymp(atm.tbl[c], fltrand(0.0f, rat * 15.0f), newpart);
    }
}

int failme(int w)
{
    if (w < 0 || w >= kFailures) return 0;
    int failed = 0;
    switch (rel.fail_type[w]) {
    case 2: failed = fltrand(0.0f, rel.fail_time_max[w] * 3600.0f) < 1.0f; break;
    case 3: failed = 1; break;
    default: break;   // 1 (and anything unknown): nothing scheduled
    }
    if (failed) return 1;
    const float d1 = fltrand(0.0f, 400.0f);
    const float d2 = fltrand(0.0f, 400.0f);
    return (d1 < rel.total_fail_entry && d2 < rel.total_fail_entry) ? 1 : 0;
}

float burnin_fuel(float pow_thr)
{
    float full = 0.0f;      // power or thrust at maximum flow
    float maxflow = 0.0f;   // pounds per hour
    float minrat = 0.0f;
    switch (pln.entype) {
    case 1:
    case 2:
    case 3:
        full = pln.pmax;
        maxflow = pln.pmax / con.hptowat * pln.sfc;
        minrat = (pln.entype == 3) ? 0.05f : 0.01f;
        break;
    case 4:
    case 5:
        full = pln.tmax;
        maxflow = pln.tmax / con.lbstonew * pln.sfc;
        minrat = 0.05f;
        break;
    default:
        return 0.0f;
    }
    const float minflow = maxflow * minrat;
    float flow = minflow;
    if (full > 0.0f) flow = fltmax2(interp(0.0f, minflow, full, maxflow, pow_thr), minflow);
    return flow * con.lbstokgs / 3600.0f;
}

// ---------------------------------------------------------------- gauge scales

namespace {
// Thresholds shared by the full-scale step and the tick layout (strictly exceeded).
constexpr int kScaleSteps = 13;
const float kScaleAbove[kScaleSteps - 1] = {100, 250, 500, 1000, 2500, 5000, 10000,
                                            25000, 50000, 100000, 250000, 500000};
int scale_band(float data)
{
    int b = 0;
    while (b < kScaleSteps - 1 && data > kScaleAbove[b]) ++b;
    return b;
}
}  // namespace

int gage_me(float data)
{
    static const float kStep[kScaleSteps] = {10, 20, 50, 100, 200, 500, 1000,
                                             2000, 5000, 10000, 20000, 50000, 100000};
    const float step = kStep[scale_band(data)];
    return intnear(data + step, step);
}

void set_mod(int data, int* tickmod, int* numbmod, int* labelrat)
{
    static const int kTick[kScaleSteps] = {2, 5, 10, 20, 50, 100, 200, 500, 1000, 2000,
                                           5000, 10000, 20000};
    static const int kNumb[kScaleSteps] = {10, 20, 50, 100, 200, 500, 1000, 2000, 5000,
                                           10000, 20000, 50000, 100000};
    static const int kLabel[kScaleSteps] = {1, 1, 10, 10, 100, 100, 100, 100, 1000, 1000,
                                            1000, 1000, 1000};
    const int b = scale_band(static_cast<float>(data));
    if (tickmod) *tickmod = kTick[b];
    if (numbmod) *numbmod = kNumb[b];
    if (labelrat) *labelrat = kLabel[b];
}

int tac_max() { return gage_me(pln.omegamax * con.rsctorpm * pln.gearrat); }
int n1__max() { return 100; }
float mpr_max() { return pln.mpmax; }
int trq_max() { return 100; }

int ff__max()
{
    float at = pln.pmax;
    if (pln.entype == 4 || pln.entype == 5) at = (pln.burnerinc > 1.0f) ? pln.tmax * 3.0f : pln.tmax;
    const float lbs_per_hour = burnin_fuel(at) * 3600.0f * con.kgstolbs;
    return gage_me(lbs_per_hour);
}

// ---------------------------------------------------------------- phonetic alphabet

void get_phonetic(char ch, char* out)
{
    static const char* const kDigits[10] = {"zero", "one", "two", "three", "four",
                                            "five", "six", "seven", "eight", "niner"};
    static const char* const kLetters[26] = {
        "alpha", "bravo", "charlie", "delta", "echo", "foxtrot", "golf", "hotel", "india",
        "juliet", "kilo", "leema", "mike", "november", "oscar", "papa", "quebec", "romeo",
        "sierra", "tango", "uniform", "victor", "whiskey", "x ray", "yankee", "zooloo"};
    if (!out) return;
    const char* word = "";
    if (ch >= '0' && ch <= '9') word = kDigits[ch - '0'];
    else if (ch >= 'A' && ch <= 'Z') word = kLetters[ch - 'A'];
    std::strncpy(out, word, PHONETIC_LEN - 1);
    out[PHONETIC_LEN - 1] = '\0';
}

// ---------------------------------------------------------------- coordinate conversions

double Z_with_lat(float lat)
{
    return static_cast<double>(env.hiz) -
           (static_cast<double>(lat) - env.lat_sou) * metres_per_degree();
}

float lat_with_z(double z)
{
    const double mpd = metres_per_degree();
    if (mpd <= 0.0) return static_cast<float>(env.lat_sou);
    return static_cast<float>((env.hiz - z) / mpd + env.lat_sou);
}

double X_with_latlon(float lat, float lon) { return region_x_latlon(lat, lon); }

float lon_with_xz(double x, double z)
{
    const double lon = region_lon(x, lat_with_z(z));
    return static_cast<float>(std::isfinite(lon) ? std::remainder(lon, 360.0) : lon);
}

float true_bearing_to(double x, double z)
{
    return region_true_bearing(flt.X, flt.lat, x - flt.X, z - flt.Z);
}

// ---------------------------------------------------------------- GPS and radios

void get_gps_data(float* crs, float* dis)
{
    const double x = X_with_latlon(nav.gps_lat, nav.gps_lon), z = Z_with_lat(nav.gps_lat);
    if (crs) *crs = true_bearing_to(x, z);
    if (dis) *dis = static_cast<float>(pythag((float)(x - flt.X), (float)(z - flt.Z)));
}

namespace {

// Highest navaid index the loops may touch: the table's last record, within its capacity.
int last_nav()
{
    return intlim(env.navmax, -1, NAV_CAP - 1);
}

// Bearing from the aircraft to (x, z), degrees true, -180..180 relative to `course`.
float bearing_off(double x, double z, float course)
{
    const float brg = true_bearing_to(x, z);
    float off = std::fmod(brg - course, 360.0f);
    if (off > 180.0f) off -= 360.0f;
    if (off < -180.0f) off += 360.0f;
    return off;
}

void copy_id(char* dst, const char* src)
{
    std::memcpy(dst, src, 4);
    dst[4] = '\0';
}

// Usable range (degrees) at the aircraft's height: lo at sea level to hi at 30000 ft.
float usable_range(float lo, float hi)
{
    const float top = 30000.0f * con.fttomtrs;
    const float frac = top > 0.0f ? fltlim(static_cast<float>(flt.Y) / top, 0.0f, 1.0f) : 0.0f;
    return lo + (hi - lo) * frac;
}

constexpr float kNoRange = 1.0e9f;


// ---- the GPS's tables

int gps_table_size(int mode)
{
    return mode == GPS_MODE_APT ? intlim(env.aptmax + 1, 0, APT_CAP) : last_nav() + 1;
}

int gps_in_region(int mode, int idx)
{
    return mode == GPS_MODE_APT ? apt_inreg[idx] != 0 : nav_inreg[idx] != 0;
}

const char* gps_entry_id(int mode, int idx)
{
    return mode == GPS_MODE_APT ? apt_id[idx] : nav_id[idx];
}

int* gps_mode_index(int mode)
{
    return mode == GPS_MODE_APT ? &nav.gps_apt_index : mode == GPS_MODE_VOR ? &nav.gps_vor_index
                                                                               : &nav.gps_ndb_index;
}

// Identifier characters as the GPS shows them: blank past the end, capitals.
char gps_id_char(const char* id, int k)
{
    for (int i = 0; i < k; ++i)
        if (id[i] == '\0') return ' ';
    const char c = id[k];
    return c == '\0' ? ' ' : static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

// Where the waypoint stands: an airport's first runway, or the navaid.
void gps_entry_latlon(int mode, int idx, float* lat, float* lon)
{
    *lat = mode == GPS_MODE_APT ? apt_lat[idx][0] : nav_lat[idx];
    *lon = mode == GPS_MODE_APT ? apt_lon[idx][0] : nav_lon[idx];
}

}  // namespace

int check_nav(int n, int f12, float* minrange, float max_usable_range)
{
    if (n < 0 || n >= NAV_CAP || !minrange) return 0;
    if (nav_f12[n] != f12) return 0;
    // Degrees apart, the longitudes taken the short way round: a station just across the
    // antimeridian is near, not a world away.
    const float range = pythag(nav_lat[n] - flt.lat, (float)std::remainder((double)nav_lon[n] - flt.lon, 360.0));
    if (range < max_usable_range && range < *minrange) {
        *minrange = range;
        return 1;
    }
    return 0;
}

void setnav(int w)
{
    const float ils_range = usable_range(0.4444f, 1.5556f);
    const float vor_range = usable_range(0.8889f, 3.1111f);
    const int last = last_nav();
    const bool working = rel.radios != 0;

    if (w == 0 || w == 1) {
        nav.goodnav[w] = 0;
        if (!working) return;
        const int f = nav.nf[w];

        float minrange = kNoRange;
        for (int n = 0; n <= last; ++n) {
            if (nav_type[n] != NAV_LOC && nav_type[n] != NAV_LOC_ONLY) continue;
            if (nav_f12[n] != f) continue;   // before the bearing: the world has thousands
            const double x = X_with_latlon(nav_lat[n], nav_lon[n]);
            const double z = Z_with_lat(nav_lat[n]);
            // A localizer is only received from in front of its course.
            if (std::fabs(bearing_off(x, z, static_cast<float>(nav_hdng[n]))) > 90.0f) continue;
            if (!check_nav(n, f, &minrange, ils_range)) continue;
            nav.vorX[w] = static_cast<float>(x);
            nav.vorY[w] = nav_h[n];
            nav.vorZ[w] = static_cast<float>(z);
            nav.ilscrs[w] = static_cast<float>(nav_hdng[n]);
            nav.ilsgs[w] = 0.0f;
            copy_id(nav.nav_id[w], nav_id[n]);
            nav.goodnav[w] = 1;
        }

        minrange = kNoRange;
        for (int n = 0; n <= last; ++n) {
            if (nav_type[n] != NAV_GS || nav_f12[n] != f) continue;
            const double x = X_with_latlon(nav_lat[n], nav_lon[n]);
            const double z = Z_with_lat(nav_lat[n]);
            if (std::fabs(bearing_off(x, z, static_cast<float>(nav_hdng[n]))) > 90.0f) continue;
            if (!check_nav(n, f, &minrange, ils_range)) continue;
            nav.gsX[w] = static_cast<float>(x);
            nav.gsY[w] = nav_h[n];
            nav.gsZ[w] = static_cast<float>(z);
            nav.ilsgs[w] = 3.0f;
        }

        minrange = kNoRange;
        for (int n = 0; n <= last; ++n) {
            if (nav_type[n] != NAV_VOR) continue;
            if (!check_nav(n, f, &minrange, vor_range)) continue;
            nav.vorX[w] = static_cast<float>(X_with_latlon(nav_lat[n], nav_lon[n]));
            nav.vorY[w] = nav_h[n];
            nav.vorZ[w] = static_cast<float>(Z_with_lat(nav_lat[n]));
            nav.ilsgs[w] = 9.0f;
            copy_id(nav.nav_id[w], nav_id[n]);
            nav.goodnav[w] = 1;
        }
        return;
    }

    if (w == 4) {
        nav.goodnav[4] = 0;
        if (!working) return;
        float minrange = kNoRange;
        for (int n = 0; n <= last; ++n) {
            if (nav_type[n] != NAV_NDB) continue;
            if (!check_nav(n, nav.adff, &minrange, ils_range)) continue;
            nav.adfX = static_cast<float>(X_with_latlon(nav_lat[n], nav_lon[n]));
            nav.adfZ = static_cast<float>(Z_with_lat(nav_lat[n]));
            copy_id(nav.nav_id[4], nav_id[n]);
            nav.goodnav[4] = 1;
        }
        return;
    }

    if (w == 5) {
        const int mode = nav.gps_index_mode, idx = nav.gps_index;
        if (idx < 0 || idx >= gps_table_size(mode)) return;
        gps_entry_latlon(mode, idx, &nav.gps_lat, &nav.gps_lon);
        // Course and distance follow the aircraft on every tune; the lock only fixes the
        // course that the deviation bar and the autopilot fly.
        get_gps_data(&nav.gps_crs, &nav.gps_dis);
        if (ins.lock_GPS) {
            nav.gps_lock_crs = nav.gps_crs;
            ins.lock_GPS = 0;
        }
    }
}

// ---------------------------------------------------------------- GPS waypoint

int plane_has_gps() { return pln.supptype != 1 && pln.supptype != 7; }

int gps_is_entry(int mode, int idx)
{
    if (idx < 0 || idx >= gps_table_size(mode)) return 0;
    if (mode == GPS_MODE_APT) return apt_len[idx][0] > 1;
    return nav_type[idx] == (mode == GPS_MODE_VOR ? NAV_VOR : NAV_NDB);
}

void gps_sync_id()
{
    const int mode = nav.gps_index_mode;
    if (!gps_is_entry(mode, nav.gps_index)) return;
    const char* id = gps_entry_id(mode, nav.gps_index);
    for (int k = 0; k < 4; ++k) nav.gps_id[k] = char_to_code(gps_id_char(id, k));
}

int gps_find_id()
{
    const int mode = nav.gps_index_mode;
    char want[4];
    for (int k = 0; k < 4; ++k) want[k] = code_to_char(nav.gps_id[k]);
    int found = -1;   // the first match; the first inside the region ends the search
    for (int i = 0, n = gps_table_size(mode); i < n; ++i) {
        if (!gps_is_entry(mode, i)) continue;
        const char* id = gps_entry_id(mode, i);
        int k = 0;
        while (k < 4 && gps_id_char(id, k) == want[k]) ++k;
        if (k < 4) continue;
        if (found < 0 || gps_in_region(mode, i)) found = i;
        if (gps_in_region(mode, i)) break;
    }
    if (found < 0) return 0;
    nav.gps_index = *gps_mode_index(mode) = found;
    return 1;
}

void gps_step(int dir)
{
    const int mode = nav.gps_index_mode;
    const int n = gps_table_size(mode);
    if (n <= 0) return;
    const int step = dir >= 0 ? 1 : -1;
    const int from = intlim(nav.gps_index, 0, n - 1);
    int any = -1;
    for (int s = 1; s <= n; ++s) {
        const int i = ((from + step * s) % n + n) % n;
        if (!gps_is_entry(mode, i)) continue;
        if (gps_in_region(mode, i)) { any = i; break; }
        if (any < 0) any = i;
    }
    if (any < 0) return;
    nav.gps_index = *gps_mode_index(mode) = any;
    gps_sync_id();
}

void gps_select_mode(int mode)
{
    if (mode < GPS_MODE_APT || mode > GPS_MODE_NDB) return;
    if (nav.gps_index_mode >= GPS_MODE_APT && nav.gps_index_mode <= GPS_MODE_NDB)
        *gps_mode_index(nav.gps_index_mode) = nav.gps_index;
    nav.gps_index_mode = mode;
    nav.gps_index = *gps_mode_index(mode);
    if (!gps_is_entry(mode, nav.gps_index)) gps_step(1);
    gps_sync_id();
}

void gps_home()
{
    int mode = nav.gps_index_mode;
    if (mode < GPS_MODE_APT || mode > GPS_MODE_NDB) mode = nav.gps_index_mode = GPS_MODE_APT;
    if (!gps_is_entry(mode, nav.gps_index) || !gps_in_region(mode, nav.gps_index)) {
        int best = -1;
        double best_d2 = 0;
        for (int i = 0, n = gps_table_size(mode); i < n; ++i) {
            if (!gps_is_entry(mode, i) || !gps_in_region(mode, i)) continue;
            float lat, lon;
            gps_entry_latlon(mode, i, &lat, &lon);
            const double dx = X_with_latlon(lat, lon) - flt.X, dz = Z_with_lat(lat) - flt.Z;
            const double d2 = dx * dx + dz * dz;
            if (best < 0 || d2 < best_d2) { best = i; best_d2 = d2; }
        }
        if (best >= 0) nav.gps_index = *gps_mode_index(mode) = best;
    }
    gps_sync_id();
    setnav(5);   // the read-out has a target from the first frame, not from the first tuning
}

}  // namespace orv
