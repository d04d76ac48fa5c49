#include "panel/panel_laws.h"

#include <cmath>

#include "2-QZutils/qz_funct.h"
#include "flight/funct.h"

namespace orv {

namespace {
constexpr float DEG = 3.14159265358979f / 180.0f;
constexpr int   NO_TIME = 999;
}

float asi_dial_speed(float vind_kt, int asi_units, float nm_to_sm)
{
    return asi_units == 2 ? vind_kt * nm_to_sm : vind_kt;
}

int asi_needle_angle(float v, float ASpwr, float Vmin, float indtoASI, int max_deg)
{
    const float vp = v > 0.0f ? std::pow(v, ASpwr) : 0.0f;
    const float vmin = Vmin > 0.0f ? std::pow(Vmin, ASpwr) : 0.0f;
    return intlim(round((vp - vmin) * indtoASI), 0, max_deg);
}

float turn_needle_step(float shown, float yaw_rate_dps, float prd)
{
    // Ten degrees of needle per degree a second: a standard-rate turn sits on the 30 mark.
    return shown + (fltlim(10.0f * yaw_rate_dps, -55.0f, 55.0f) - shown) * prd;
}

float slip_ball_step(float shown, float side_force, float normal_force, float prd)
{
    // A near-zero normal force would throw the ball to the stop on every rounding error.
    if (std::fabs(normal_force) < 0.1f) normal_force = normal_force < 0.0f ? -0.1f : 0.1f;
    const float target = fltlim(4.0f * std::atan(side_force / normal_force) / DEG, -15.0f, 15.0f);
    return shown + (target - shown) * prd / 2.0f;
}

float vvi_step(float shown, float msctoVVI, float vY, float prd)
{
    return shown + (msctoVVI * vY - shown) * prd;
}

int vvi_needle_angle(float shown, int glass)
{
    const int lim = glass ? 90 : 160;
    return intlim(round(shown), -lim, lim) - 90;
}

void gyro_step(float* the180, float* phi180, float* psimag, const gyro_inputs& in)
{
    if (in.vacuum && !in.starting) {
        if (in.ahz_ok) {
            *the180 = in.the;
            *phi180 = in.phi;
        }
        if (in.dgy_ok) *psimag = in.magpsi;
        return;
    }
    const float t = in.fail_clock - in.vac_death_time;
    if (t < GYRO_SPIN_DOWN_S) {
        const float f = fltlim(t / GYRO_SPIN_DOWN_S, 0.0f, 1.0f);
        const float spin = (1.0f - f) * (1.0f - f);
        if (in.ahz_ok) {
            *the180 = fltwrap(*the180 + spin * fltwrap(in.the + f * in.the_fail_err - *the180, -180, 180), -180, 180);
            *phi180 = fltwrap(*phi180 + spin * fltwrap(in.phi + f * in.phi_fail_err - *phi180, -180, 180), -180, 180);
        }
        if (in.dgy_ok) *psimag = fltwrap(*psimag + spin * fltwrap(in.magpsi - *psimag, -180, 180), 0, 360);
    }
    if (in.starting && in.ahz_ok) {
        const float fade = 10.0f * (1.0f - in.init_time / GYRO_STARTUP_S);
        *the180 = in.the + fade * std::sin(10.0f * in.init_time);
        *phi180 = in.phi + fade * std::sin(20.0f * in.init_time);
    }
}

float compass_error(float psi, float aX, float phi, int lat_sou)
{
    const float east_west = psi <= 180.0f ? 90.0f - std::fabs(psi - 90.0f) : 90.0f - std::fabs(psi - 270.0f);
    const float acceleration = -aX * east_west / 5.0f;
    const float turning = (45.0f - lat_sou / 2.0f) * std::cos(psi * DEG) * std::sin(phi * DEG);
    return acceleration + turning;
}

float compass_step(float compass, float magpsi, float error, float prd)
{
    const float target = fltwrap(magpsi + error, 0, 360);
    return fltwrap(compass + fltwrap(target - compass, -180, 180) * prd, 0, 360);
}

int hsi_course_angle(float psimag, float obs)
{
    return (((int)(psimag + 360.0f - obs)) % 360 + 360) % 360;
}

int hsi_bug_angle(float psimag, float mvar, int hdsel)
{
    return (((int)(psimag - mvar) - hdsel) % 360 + 360) % 360;
}

pt hsi_arrow_tip(float x, float y, int c)
{
    return {x - 40.0f * isin(c), y + 40.0f * icos(c)};
}

void hsi_deviation_bar(float x, float y, int c, float a, pt* from, pt* to)
{
    const float ax = -isin(c), ay = icos(c);      // along the course, as the arrow points
    const float sx = a * icos(c), sy = a * isin(c);
    *from = {(float)(int)(x - 30.0f * ax + sx), (float)(int)(y - 30.0f * ay + sy)};
    *to = {(float)(int)(x + 30.0f * ax + sx), (float)(int)(y + 30.0f * ay + sy)};
}

void dme_step(dme_state* s, float slant_nm, float elap_time)
{
    if (!s->primed) {          // first frame: nothing to lag from, no speed yet
        s->dist_nm = fltlim(slant_nm, 0.0f, 999.0f);
        s->speed_kt = 0.0f;
        s->last_time = elap_time;
        s->primed = 1;
        return;
    }
    const float previous = s->dist_nm;
    s->dist_nm = fltlim(0.6f * previous + 0.4f * slant_nm, 0.0f, 999.0f);
    const float dt = elap_time - s->last_time;
    if (dt > 0.0f) {           // a paused clock keeps the last speed rather than dividing by 0
        s->speed_kt = fltlim(std::fabs(s->dist_nm - previous) / dt * 3600.0f, 0.0f, 999.0f);
        s->last_time = elap_time;
    }
}

int minutes_to_go(float dist_nm, float speed_kt)
{
    if (speed_kt <= 0.0f) return NO_TIME;
    return intlim(round(dist_nm / speed_kt * 60.0f), 0, NO_TIME);
}

gps_readout gps_readouts(float hdef0, float mvar, float gps_crs, float gps_dis_m, float v_ms,
                         int osrad, float mtrstonm, float msctokts)
{
    gps_readout r;
    r.bar_x = osrad + 585 + intlim(round(3.0f * hdef0), -25, 25);
    r.course = (round(mvar + gps_crs) % 360 + 360) % 360;
    r.dist_nm = intlim(round(gps_dis_m * mtrstonm), 0, 9999);
    r.speed_kt = intlim(round(v_ms * msctokts), 0, 9999);
    // distance over speed, both in metres and m/s: seconds, shown in minutes
    r.minutes = v_ms > 0.0f ? intlim(round(gps_dis_m / (v_ms * 60.0f)), 0, NO_TIME) : NO_TIME;
    return r;
}

float radalt_height_ft(float mgearY, double Y, float localh, float mtrstoft)
{
    return fltlim((float)(mgearY + Y - localh) * mtrstoft, 0.0f, RADALT_MAX_FT);
}

float radalt_angle(float h_ft)
{
    // Half the dial for the last 500 ft, where the height matters.
    if (h_ft < RADALT_BREAK_FT) return h_ft * 180.0f / RADALT_BREAK_FT;
    return 180.0f + (h_ft - RADALT_BREAK_FT) * 180.0f / 5000.0f;
}

int radalt_tone(int* armed, float h_ft, float bug_ft)
{
    if (h_ft > bug_ft) {
        *armed = 1;
        return 0;
    }
    if (h_ft < bug_ft && *armed) {
        *armed = 0;
        return 1;
    }
    return 0;
}

int altimeter_needle_angle(float h_ft)
{
    const float hundreds = std::fmod(std::fmod(h_ft, 1000.0f) + 1000.0f, 1000.0f);
    return round(hundreds * 0.36f) % 360;
}

int baro_window_value(float baro, int us_units, int glass)
{
    if (us_units) return round(baro * 100.0f);
    return glass ? round(baro * 1013.0f / 29.92f) : round(baro * 33.857f);
}

float total_energy(float g, double Y, float av) { return g * (float)Y + 0.5f * av * av; }

int vari_needle_angle(float rate, float g, float msctofpm)
{
    return (int)(fltlim(rate / g * msctofpm * 128.0f / 400.0f, -128.0f, 128.0f) - 90.0f);
}

float adf_needle_step(float shown, float bearing, float prd)
{
    return closer_linear(shown, bearing, 90.0f * prd, 0.0f, 360.0f);
}

float adf_relative_bearing(float adfX, float adfZ, double X, double Z, float psi)
{
    const float brg = std::atan2((float)(adfX - X), (float)(Z - adfZ)) / DEG;
    return fltwrap(brg - psi, 0, 360);
}

int stormscope_dot(float sx, float sz, double X, double Z, float psi, float range_m, float radius_px, pt* offset)
{
    const float dx = (float)(sx - X), dz = (float)(sz - Z);
    const float dist = std::sqrt(dx * dx + dz * dz);
    if (range_m <= 0 || dist > range_m) return 0;
    const float rel = (adf_relative_bearing(sx, sz, X, Z, psi)) * DEG;   // clockwise from the nose
    const float r = radius_px * dist / range_m;
    offset->x = r * std::sin(rel);
    offset->y = r * std::cos(rel);
    return 1;
}

int rmi_bearing(float vorX, float vorZ, double X, double Z, float mvar)
{
    const int b = (int)(std::atan2((float)(vorX - X), (float)(Z - vorZ)) / DEG + mvar);
    return ((b % 360) + 360) % 360;
}

int control_feel_percent(float ptch, float roll, float hdng)
{
    const float mean = (ptch + roll + hdng) / 3.0f;
    static const float above[] = {0.95f, 0.85f, 0.75f, 0.65f, 0.55f};
    for (int k = 0; k < 5; ++k)
        if (mean > above[k]) return 100 - 10 * k;
    return 50;
}

int ease_mode(float damp) { return intlim(round(4.0f * damp), 0, 4); }

int status_slot(float elap_time) { return ((int)(0.3f * elap_time) % 6 + 6) % 6; }

int oat_value(float T_kelvin, int us_units)
{
    const float t = us_units ? T_kelvin * 9.0f / 5.0f - 459.67f : T_kelvin - 273.15f;
    return intlim(round(t), -50, 90);
}

int marker_lit(int which, int cntr10)
{
    const int s = intwrap(cntr10 % 10, 0, 9);
    switch (which) {
    case 0: return s <= 4;
    case 1: return s <= 1 || (s >= 4 && s <= 8);
    default: return s <= 1 || s == 3 || s == 4 || s == 6 || s == 7;
    }
}

int fuel_needle(float m_fuel, float capacity)
{
    return capacity > 0.0f ? round(31.0f * m_fuel / capacity) : 0;
}

}  // namespace orv
