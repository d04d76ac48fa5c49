// events.cpp -- mod_evt, the events about ten times a second.
#include "flight/events.h"

#include <cmath>
#include <cstring>
#include <initializer_list>

#include "2-QZutils/acf_parts.h"
#include "2-QZutils/qz_angles.h"
#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_joy.h"
#include "2-QZutils/records.h"
#include "flight/events_sec.h"
#include "flight/flight_hooks.h"
#include "flight/funct.h"
#include "world/region.h"

namespace orv {

namespace {

constexpr float kDotTime = 0.3f, kDashTime = 0.5f, kQuietTime = 1.0f;
constexpr float kIdentRepeat = 10;          // s between identifier starts
constexpr int   kGustCalls = 12;
constexpr float kGsWarnEvery = 2;           // s
constexpr int   kWxCols = 630, kWxRows = 421, kWxPerDeg = 210;

struct evt_state {
    int   warn_was, stalled_was;
    int   morse_type[MORSE_SLOTS];
    float morse_time[MORSE_SLOTS];
    int   ident_on;
    float ident_start;
    float target_x, target_y, target_z;
    int   shear_type;                       // 0 none
    float shear_start, shear_stop, shear_spd, shear_vvi;
    int   gust_calls;
    int   flap_motor;
    float next_gs_warn;
    int   gs_established;
    int   marker[3];
};
evt_state st;

void add_slot(int type, float step, int* type_snd, float* time_snd, int* n)
{
    if (*n < 0 || *n >= MORSE_SLOTS) return;
    type_snd[*n] = type;
    if (*n + 1 < MORSE_SLOTS) time_snd[*n + 1] = time_snd[*n] + step;
    (*n)++;
}
void add_dot(int* t, float* s, int* n) { add_slot(SND_DOT, kDotTime, t, s, n); }
void add_das(int* t, float* s, int* n) { add_slot(SND_DASH, kDashTime, t, s, n); }
void add_qui(int* t, float* s, int* n) { add_slot(SND_SILENT, kQuietTime, t, s, n); }

// Bearing (degrees true, -180..180) from the aircraft to (x, z) relative to `course`.
float bearing_minus(float x, float z, float course)
{
    return fltwrap(fltwrap(true_bearing_to(x, z) - course, -180, 180), -180, 180);
}

void stall_warning()
{
    if (!rel.esystem) return;
    int near_stall = 0;
    for (int p : {PART_WING1L, PART_WING2L, PART_WING3L})
        if (have_this_part(p) && flt.alpha[p][0] > pln.alpha_max[p] - 3) near_stall = 1;
    const int warn = flt.vind > 0.3f * msc.est_Vs * con.msctokts && near_stall;
    if (warn != st.warn_was) {
        if (warn) {
            fh_play(BUF_STALL, 1);
            if (pln.ff_stickshaker) JOY_force(FORCE_SHAKER, 100, 10, 0);
        } else {
            fh_stop(BUF_STALL);
            if (pln.ff_stickshaker) JOY_force(FORCE_SHAKER_OFF, 0, 0, 0);
        }
        st.warn_was = warn;
    }
    if (!pln.ff_stickshaker && !pln.ff_hydraulic && flt.stalled[PART_WING1L] != st.stalled_was) {
        st.stalled_was = flt.stalled[PART_WING1L];
        if (st.stalled_was) JOY_force(FORCE_SHAKER, (int)(flt.Qratio * 500), 5, 0);
        else JOY_force(FORCE_SHAKER_OFF, 0, 0, 0);
    }
}

void marker_sounds()
{
    const int c = msc.cntr10;
    if (st.marker[MARKER_OUTER] && c == 0) fh_play(BUF_DASH, 0);
    if (st.marker[MARKER_MIDDLE]) {
        if (c == 0) fh_play(BUF_DOT, 0);
        if (c == 4) fh_play(BUF_DASH, 0);
    }
    if (st.marker[MARKER_INNER] && (c == 0 || c == 3 || c == 6)) fh_play(BUF_DOT, 0);
}

void morse_identifier()
{
    const float now = msc.elap_time;
    if (!st.ident_on) {
        for (int r : {0, 1, 4}) {
            if (!nav.goodnav[r] || nav.radout != r) continue;
            st.ident_on = 1;
            st.ident_start = now;
            for (int i = 0; i < MORSE_SLOTS; i++) {
                st.morse_type[i] = SND_SILENT;
                st.morse_time[i] = now;
            }
            int n = 0;
            st.morse_time[0] = now;
            for (int k = 0; k < 4; k++)
                build_morse_id(nav.nav_id[r][k], st.morse_type, st.morse_time, &n);
            break;
        }
        if (!st.ident_on) return;
    }
    for (int i = 0; i < MORSE_SLOTS; i++) {
        if (st.morse_time[i] > now) continue;
        if (st.morse_type[i] == SND_DOT) fh_play(BUF_DOT, 0);
        else if (st.morse_type[i] == SND_DASH) fh_play(BUF_DASH, 0);
        st.morse_type[i] = SND_SILENT;
    }
    if (now - st.ident_start >= kIdentRepeat || now < st.ident_start) st.ident_on = 0;
}

void record_path()
{
    pat.cntr_record = intwrap(pat.cntr_record + 1, 0, PATH_SAMPLES - 1);
    float* s = pat.xyztppt[pat.cntr_record];
    s[0] = (float)flt.X;
    s[1] = (float)flt.Y;
    s[2] = (float)flt.Z;
    s[3] = flt.the;
    s[4] = flt.psi;
    s[5] = flt.phi;
    s[6] = msc.elap_time;
    pat.inited[pat.cntr_record] = 1;
    pat.inited[intwrap(pat.cntr_record + 1, 0, PATH_SAMPLES - 1)] = 0;
}

// Weather-radar cell of the point (x, z): the grid runs east and north from the region's
// south-west corner at 210 cells a degree.
void radar_cell(double x, double z, int* i, int* j)
{
    const float lat = lat_with_z(z), lon = lon_with_xz(x, z);
    const float fi = (float)region_lon_offset(lon, env.lon_wes) * kWxPerDeg, fj = (lat - (float)env.lat_sou) * kWxPerDeg;
    *i = std::isfinite(fi) ? intlim((int)fi, 0, kWxCols) : 0;
    *j = std::isfinite(fj) ? intlim((int)fj, 0, kWxRows - 1) : 0;
}

void storm_level()
{
    if (flt.Y > atm.topsMSL) {
        atm.level = 0;
        return;
    }
    int ci, cj;
    radar_cell(flt.X, flt.Z, &ci, &cj);
    float sum = 0;
    for (int i = ci - 2; i <= ci + 2; i++)
        for (int j = cj - 2; j <= cj + 2; j++)
            if (i >= 0 && i <= kWxCols && j >= 0 && j < kWxRows)
                sum += (atm.rain_tstm - 1) * atm.wxr[i][j] / 25.0f;
    const float mid = 0.5f * (atm.baseMSL + atm.topsMSL);
    const float f = atm.topsMSL > mid ? fltlim(interp(mid, 1, atm.topsMSL, 0, (float)flt.Y), 0, 1) : 1.0f;
    atm.level = sum * f;
}

void glideslope_warning(int w, float hdev, float vdev, float dist_m)
{
    if (!voice_warnings()) return;
    const float vs_fpm = flt.vY * con.msctofpm;
    const float off_course = std::fabs(fltwrap(flt.psi - nav.ilscrs[w], -180, 180));
    if (std::fabs(hdev) < 2.5f && std::fabs(vdev) < 2.5f && off_course < 10 && vs_fpm < 100 &&
        dist_m < 10 * con.nmtomtrs)
        st.gs_established = 1;
    if (vs_fpm > 1000 || flt.onground || off_course > 45) st.gs_established = 0;
    const float h_ft = ((float)flt.Y - env.localh_cg) * con.mtrstoft;
    if (st.gs_established && h_ft < 1000 && vdev < -1 && msc.elap_time >= st.next_gs_warn) {
        fh_play(BUF_GLIDESLOPE, 0);
        st.next_gs_warn = msc.elap_time + kGsWarnEvery;
    }
}

void needles()
{
    const int has_gps = plane_has_gps();
    for (int w = 0; w < 2; w++) {
        if (w == 0 && has_gps) {
            get_gps_data(&nav.gps_crs, &nav.gps_dis);   // the aircraft moves with every frame
            const float off = fltwrap(nav.gps_crs - nav.gps_lock_crs, -180, 180);
            nav.hdef[0] = off * nav.gps_dis * con.mtrstonm / 57.3f * 4.0f;
            nav.vdef[0] = 0;
            nav.ntf[0] = 0;
            continue;
        }
        nav.hdef[w] = nav.vdef[w] = 0;
        nav.ntf[w] = 0;
        if (!nav.goodnav[w]) continue;
        if (nav.ilsgs[w] == 9) {
            float d = bearing_minus(nav.vorX[w], nav.vorZ[w], nav.obs[w] - (float)env.mvar);
            if (std::fabs(d) <= 90) nav.ntf[w] = 1;
            else {
                nav.ntf[w] = 2;
                d = fltwrap(-(d + 180), -180, 180);
                d = fltwrap(d, -180, 180);
            }
            nav.hdef[w] = fltlim(d * 0.5f, -5, 5);
            continue;
        }
        const float hd = bearing_minus(nav.vorX[w], nav.vorZ[w], nav.ilscrs[w]);
        float vd = 0;
        if (nav.ilsgs[w] != 0) {
            const float gx = nav.gsX[w] - (float)flt.X, gz = nav.gsZ[w] - (float)flt.Z;
            const float elev = std::atan2((float)flt.Y - nav.gsY[w], std::sqrt(gx * gx + gz * gz)) * con.radtodgr;
            vd = elev - nav.ilsgs[w];
        }
        if (std::fabs(hd) <= 90) nav.ntf[w] = 1;
        const float lx = nav.vorX[w] - (float)flt.X, lz = nav.vorZ[w] - (float)flt.Z;
        glideslope_warning(w, hd, vd, std::sqrt(lx * lx + lz * lz));
        nav.hdef[w] = fltlim(hd * 2, -5, 5);
        nav.vdef[w] = fltlim(vd * 2, -5, 5);
    }
}

void sweep()
{
    int any = 0;
    for (int p : {PART_WING1L, PART_WING2L, PART_WING3L, PART_HSTABL})
        if (pln.varsweepEQ[p]) any = 1;
    if (!any) return;
    const float d = flt.sweerequest - flt.swee;
    if (std::fabs(d) < 0.02f) {
        if (std::fabs(d) >= 0.001f) flt.swee = flt.sweerequest;
    } else {
        flt.swee += d > 0 ? 0.02f : -0.02f;
    }
    for (int p = 0; p < NUM_PARTS; p++)
        pln.sweepnow[p] = pln.varsweepEQ[p] ? interp(0, pln.sweep1[p], 1, pln.sweep2[p], flt.swee) : pln.sweep1[p];
}

void thrust_vector()
{
    if (!pln.vectEQ || pln.is_heli) return;
    const float d = flt.vectrequest - pln.vertcant[0];
    pln.vertcant[0] = std::fabs(d) < 3 ? flt.vectrequest : pln.vertcant[0] + (d > 0 ? 3.0f : -3.0f);
    for (int i = 1; i < 4; i++) pln.vertcant[i] = pln.vertcant[0];
}

void flaps_and_slats()
{
    if (!pln.flapEQ && !pln.slatEQ) return;
    if (flt.flap != flt.flaprequest && rel.fc_flp) {
        flt.flap += flt.flaprequest > flt.flap ? 1 : -1;
        if (!st.flap_motor) {
            fh_play(BUF_FLAP_MOTOR, 1);
            st.flap_motor = 1;
        }
    }
    if (st.flap_motor && (flt.flap == flt.flaprequest || !rel.fc_flp)) {
        fh_stop(BUF_FLAP_MOTOR);
        st.flap_motor = 0;
    }
    if (rel.fc_slt) flt.slat = fltlim(0.12f * (float)flt.flap, 0, 1);
}

void gust_targets()
{
    if (++st.gust_calls < kGustCalls) return;
    st.gust_calls = 0;
    const int l = wind_index((float)flt.Y);
    const float speed = atm.wndspd[l] + fltrand(-1, 1) * atm.shrspd[l];
    int dir = (int)(atm.wnddir[l] - (float)env.mvar + fltrand(-1, 1) * atm.shrdir[l]);
    dir = ((dir % 360) + 360) % 360;
    const int ci = intlim(env.i_viewpoint, 0, 177), cj = intlim(env.j_viewpoint, 0, 158);
    const float thermal = atm.therm_on_poly[ci][cj] ? atm.thermal_vvi : 0.0f;
    const float gust = 10 * atm.level + 1.5f * atm.tbl[l];
    const float agl = (float)flt.Y - env.localh_cg;
    const float h_fac = fltlim(agl / 20, 0.5f, 1), v_fac = fltlim(agl / 100, 0, 1);
    st.target_x = (fltrand(-1, 1) * gust - speed * isin(dir)) * h_fac;
    st.target_y = (fltrand(-1, 1) * gust + thermal) * v_fac;
    st.target_z = (fltrand(-1, 1) * gust + speed * icos(dir)) * h_fac;
}

void wind_shear(float* sx, float* sy, float* sz)
{
    *sx = *sy = *sz = 0;
    const float now = msc.elap_time;
    if (!st.shear_type) {
        const float p = interp(1, 300, 5, 60, atm.burst_prob);
        if (atm.burst_prob > 1 && (float)flt.Y - env.localh_cg < 300 && fltrand(0, p) <= 0.1f) {
            st.shear_type = intrand(1, 3);
            st.shear_start = now;
            st.shear_stop = now + fltrand(10, 20);
            st.shear_spd = fltrand(30, 90) * con.ktstomsc;
            st.shear_vvi = fltrand(2000, 8000) / con.msctofpm;
            if (voice_warnings()) fh_play(BUF_WINDSHEAR, 0);
        }
    }
    atm.inshear = 0;
    if (!st.shear_type) return;
    if (now > st.shear_stop || now < st.shear_start) {
        st.shear_type = 0;
        return;
    }
    const float f = (now - st.shear_start) / (st.shear_stop - st.shear_start);
    float h = 0, v = 0;
    switch (st.shear_type) {
    case 1: h = std::sin(PI_F * f); break;
    case 2: h = -std::sin(PI_F * f); break;
    default: h = std::sin(2 * PI_F * f); v = (std::cos(2 * PI_F * f) - 1) / 2; break;
    }
    const float psi = flt.psi * con.dgrtorad;
    *sx = -st.shear_spd * h * std::sin(psi);
    *sy = st.shear_vvi * v;
    *sz = st.shear_spd * h * std::cos(psi);
    atm.inshear = 1;
}

void gear_travel()
{
    if (!pln.gear_retract) return;
    for (int i = 0; i < 3; i++)
        if (pln.gear_stat[i] != set.gear_handle && rel.lagear[i] && msc.elap_time > set.gear_time[i])
            pln.gear_stat[i] = set.gear_handle;
}

}  // namespace

float radar_value(double x, double z)
{
    int i, j;
    radar_cell(x, z, &i, &j);
    return atm.wxr[i][j];
}

void build_morse_id(char ch, int* type_snd, float* time_snd, int* n)
{
    static const char* const code[26] = {".-",   "-...", "-.-.", "-..",  ".",    "..-.", "--.",
                                         "....", "..",   ".---", "-.-",  ".-..", "--",   "-.",
                                         "---",  ".--.", "--.-", ".-.",  "...",  "-",    "..-",
                                         "...-", ".--",  "-..-", "-.--", "--.."};
    if (ch >= 'A' && ch <= 'Z')
        for (const char* c = code[ch - 'A']; *c; c++) {
            if (*c == '.') add_dot(type_snd, time_snd, n);
            else add_das(type_snd, time_snd, n);
        }
    add_qui(type_snd, time_snd, n);
}

void set_marker_flags(int outer, int middle, int inner)
{
    st.marker[MARKER_OUTER] = outer;
    st.marker[MARKER_MIDDLE] = middle;
    st.marker[MARKER_INNER] = inner;
}

int marker_flag(int which) { return which >= 0 && which < 3 ? st.marker[which] : 0; }
const int* morse_types() { return st.morse_type; }
const float* morse_times() { return st.morse_time; }

void events_reset()
{
    std::memset(&st, 0, sizeof st);
    events_sec_reset();
}

void mod_evt()
{
    stall_warning();
    marker_sounds();
    morse_identifier();
    record_path();
    storm_level();
    needles();
    sweep();
    thrust_vector();
    flaps_and_slats();
    gust_targets();
    float sx, sy, sz;
    wind_shear(&sx, &sy, &sz);
    atm.wind_X = 0.9f * atm.wind_X + 0.1f * (st.target_x + sx);
    atm.wind_Y = 0.9f * atm.wind_Y + 0.1f * (st.target_y + sy);
    atm.wind_Z = 0.9f * atm.wind_Z + 0.1f * (st.target_z + sz);
    gear_travel();
    const flight_hooks& h = flight_hook_table();
    if (h.advance_rabbits) h.advance_rabbits(msc.cntr10 == 0);
    if (flt.onground && pln.ngearZ > 0 && flt.the < pln.the_eqlbm - 2) set.parkbrake *= 0.95f;
    if (fltrand(0, 1) < 0.1f) {
        ins.reply_time1 = msc.elap_time;
        ins.reply_time2 = msc.elap_time + fltrand(0.1f, 0.3f);
    }
    if (set.dskout && h.data_out) {
        if (msc.cntr10 == 0) h.data_out(1);
        h.data_out(0);
    }
}

int voice_warnings() { return pln.bitchinbettyEQ && msc.warn_bb; }

}  // namespace orv
