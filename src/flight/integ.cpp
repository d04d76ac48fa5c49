// integ.cpp -- the flight frame and the integration of the motion.
#include "flight/integ.h"

#include <cmath>

#include "2-QZutils/acf_parts.h"
#include "2-QZutils/qz_angles.h"
#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_trk.h"
#include "2-QZutils/records.h"
#include "flight/controls.h"
#include "flight/events.h"
#include "flight/flight_hooks.h"
#include "flight/flt_init.h"
#include "flight/fltcalc.h"
#include "flight/funct.h"
#include "world/magvar.h"
#include "world/region.h"
#include "world/scene_tables.h"
#include "world/terrain_grid.h"

namespace orv {

namespace {

constexpr float CRASH_SINK = -25.0f;           // m/s on contact
constexpr float CRASH_ATTITUDE_HELI = 45.0f;
constexpr float CRASH_ATTITUDE_PLANE = 120.0f;
constexpr float TRAFFIC_MIN_AGL = 500.0f;
constexpr float TRAFFIC_RANGE_NM = 30.0f;
constexpr float SPEED_OF_SOUND_K = 401.8f;     // a^2 = 401.8 T (SI)
constexpr float DENSITY_TEMP_REF = 518.69f;    // Rankine of the standard sea level
constexpr float STANDARD_SL_F = 59.02f;

double flight_clock;                 // simulated seconds the flight model has run
// Sink rate at the moment a half-step put a gear on the ground. The gear springs can reverse
// a hard arrival within the very half-step that touched, so the speed left at the end of the
// frame would hide a crash.
float  contact_sink;
int    contact_touched;
double dump_at = -1.0;

// The catapult shuttle runs this far from where the launch began, short of the bow;
// the push and the held heading end there. The aircraft stays on the shuttle to the end of
// the stroke, so a wheel bouncing off the deck during the run does not end it.
constexpr double CATAPULT_STROKE = 95.0;      // m
double cat_from_x, cat_from_z;                // where the stroke began
int    cat_stroking;                          // the stroke has begun
float  wash_clock1, wash_clock2;

// Standard temperature profile: (feet, kelvin) corners, linear within a layer.
const float temp_ft[6] = {0, 36152, 82346, 155348, 175344, 265000};
const float temp_k[6] = {288.15f, 216.65f, 216.65f, 270.65f, 270.65f, 180.65f};

void sin_cos(float deg, float* s, float* c)
{
    *s = std::sin(deg * DEG_TO_RAD_F);
    *c = std::cos(deg * DEG_TO_RAD_F);
}

void set_trig()
{
    sin_cos(flt.the, &flt.sinthe, &flt.costhe);
    sin_cos(flt.psi, &flt.sinpsi, &flt.cospsi);
    sin_cos(flt.phi, &flt.sinphi, &flt.cosphi);
}

void ground_effect()
{
    const int first = pln.is_heli ? 0 : 4, last = pln.is_heli ? 0 : 11;
    float h = 99.0f;
    for (int i = first; i <= last; i++) {
        if (!have_this_part(i) || pln.semilen[i] <= 0.0f) continue;
        h = ((float)flt.Y - env.localh_cg + pln.Yarm[i] * flt.costhe - pln.Zarm[i] * flt.sinthe) / pln.semilen[i];
        if (pln.is_heli) h *= 0.2f;
        const float e = 8.0f * h;
        flt.CDIgrndeffect[i] = e * e / (e * e + 1.0f);
        const float c = 1.0f - fltlim(h * 0.5f, 0.0f, 1.0f);
        flt.CL_grndeffect[i] = 1.0f + 0.25f * c * c;
    }
    if ((pln.is_heli || pln.vectEQ) && flt.m_total > 0.0f && atm.g > 0.0f) {
        const float s = (pln.vectEQ ? 2.0f : 1.0f) * fltlim(interp(0.0f, 1.0f, 3.0f, 0.0f, h), 0.0f, 1.0f);
        wash_clock1 += fltrand(0.5f, 1.5f) * msc.prd;
        wash_clock2 += fltrand(0.5f, 1.5f) * msc.prd;
        const float k = std::sin(flt.vertcant[0] * DEG_TO_RAD_F) * s * flt.thrust[0] / (flt.m_total * atm.g);
        flt.the += k * std::sin(wash_clock1 * flt.tac[0]) * fltrand(0.05f, 0.1f);
        flt.phi += k * std::sin(wash_clock2 * flt.tac[0]) * fltrand(0.05f, 0.1f);
    }
}

void engines()
{
    const int n = intlim(pln.numen, 0, NUM_ENGINES);
    for (int e = 0; e < n; e++) {
        if (pln.entype == 1 || pln.entype == 2) {
            const float mix_opt = atm.crtsig - 0.3f, mix_kill = atm.crtsig - 0.4f;
            const float m = flt.mixt[e];
            const bool rich = m > mix_opt;
            const float off_powr = rich ? (m - mix_opt) * 0.1f : (mix_opt - m) * 5.0f;
            const float off_temp = rich ? (m - mix_opt) * 2.0f : (mix_opt - m) * 5.0f;
            if (m > mix_kill) {
                flt.mixt_powr_rat[e] = fltlim(1.0f - off_powr, 0.0f, 1.0f);
                flt.mixt_temp_rat[e] = fltlim((1.0f - off_temp) * std::sqrt(fltmax2(flt.thro[e], 0.0f)), 0.0f, 1.0f);
            } else {
                flt.mixt_powr_rat[e] = 0.0f;
                flt.mixt_temp_rat[e] = 0.0f;
            }
        } else {
            flt.mixt_powr_rat[e] = flt.mixt[e] > 0.5f ? 1.0f : 0.0f;
        }
        const bool jet = pln.entype == 4 || pln.entype == 5;
        float ff = burnin_fuel(std::fabs(jet ? flt.thrust[e] : flt.power[e]));
        if (jet && pln.burnerinc > 1.0f && flt.after_burning[e]) ff *= 2.0f;
        flt.ff_[e] = flt.eng_running[e] ? ff : 0.0f;
        if (rel.fc_thr) flt.thro[e] = (1.0f - msc.prd) * flt.thro[e] + msc.prd * flt.throrequest[e];
    }
}

void traffic()
{
    for (int i = 0; i < TRAFFIC_CAP; i++) {
        const float d = traf_v[i] * msc.prd;
        traf_xyz[i][0] += isin(traf_h[i]) * d;
        traf_xyz[i][2] -= icos(traf_h[i]) * d;
        int ci, cj;
        const float g = find_local_h(traf_xyz[i][0], traf_xyz[i][2], &ci, &cj, 0);
        if (traf_xyz[i][1] < g + TRAFFIC_MIN_AGL) traf_xyz[i][1] = g + TRAFFIC_MIN_AGL;
        const float far = pythag(traf_xyz[i][0] - (float)flt.X, traf_xyz[i][2] - (float)flt.Z);
        if (far > TRAFFIC_RANGE_NM * con.nmtomtrs) make_a_plane(i, 0);
    }
}

void cycle_dump_header()
{
    if (!trk) return;
    const std::streamsize w = 6;
    trk << std::fixed;
    trk << "==============================================================================\n"
        << "==============================================================================\n";
    trk << "AT TIME COUNTER " << msc.cntr << "\n";
    trk.width(w); trk << "h       =" << flt.Y << " meters.\n";
    trk << "rho     =" << atm.rho << " kg/cubic meter, density ratio=" << atm.crtsig << "\n";
    trk << "airspeed=" << flt.av << " m/s, mach number=" << flt.machno << "\n\n";
    trk << "psi  =" << flt.psi << " deg.\nthe  =" << flt.the << " deg.\nphi  =" << flt.phi << " deg.\n\n";
    trk << "hpath=" << flt.ahpath << " deg with respect to the air.\nvpath=" << flt.avpath
        << " deg with respect to the air.\nalpha=" << flt.Alpha << " deg.\nbeta =" << flt.Beta << " deg.\n\n";
    trk << "P=" << flt.Prad / DEG_TO_RAD_F << " deg/second.\nQ=" << flt.Qrad / DEG_TO_RAD_F << " deg/second.\nR=" << flt.Rrad / DEG_TO_RAD_F
        << " deg/second.\n\n";
}

}  // namespace

void set_atmosphere(double y)
{
    const float yf = (float)y;
    if (yf <= atm.hr[0][0]) atm.rho = atm.hr[0][1];
    else if (yf >= atm.hr[21][0]) atm.rho = atm.hr[21][1];
    else
        for (int i = 0; i < 21; i++)
            if (yf >= atm.hr[i][0] && yf <= atm.hr[i + 1][0]) {
                atm.rho = interp(atm.hr[i][0], atm.hr[i][1], atm.hr[i + 1][0], atm.hr[i + 1][1], yf);
                break;
            }
    const float ft = yf * con.mtrstoft;
    float T = temp_k[5];
    if (ft <= temp_ft[0]) T = temp_k[0];
    else
        for (int i = 0; i < 5; i++)
            if (ft <= temp_ft[i + 1]) {
                T = interp(temp_ft[i], temp_k[i], temp_ft[i + 1], temp_k[i + 1], ft);
                break;
            }
    atm.T = T + (atm.temp_SL - STANDARD_SL_F) * con.dgrtodgk;
    atm.a = std::sqrt(SPEED_OF_SOUND_K * fltmax2(atm.T, 1.0f));
    atm.rho *= DENSITY_TEMP_REF / (atm.temp_SL + 459.67f);
    atm.crtsig = con.rhoSL > 0.0f ? atm.rho / con.rhoSL : 0.0f;
}

float the_dot_now(float* angle, int ship)
{
    const float w = ship == 17 ? 1.0f : 0.3f;
    const float A = ship == 17 ? atm.wave_amp : 0.3f * atm.wave_amp;
    *angle = A * std::sin(w * msc.init_time);
    return A * w * std::cos(w * msc.init_time);
}

float phi_dot_now(float* angle, int ship)
{
    const float w = ship == 17 ? 1.0f : 0.3f;
    const float A = ship == 17 ? 2.0f * atm.wave_amp : atm.wave_amp;
    *angle = A * std::sin(w * msc.init_time);
    return A * w * std::cos(w * msc.init_time);
}

int crs_wrapped()
{
    const float d = fltwrap(flt.psi - fltwrap(flt.hpath, -180.0f, 180.0f), -180.0f, 180.0f);
    return std::fabs(d) > 90.0f ? 1 : 0;
}

namespace {

// Past a pole the frame goes on with latitudes beyond 90 degrees; the aircraft is then on
// the far meridian, headed the other way.
bool past_pole(float lat) { return std::fabs(lat) > 90.0f; }

float wrap_lon(double lon) { return (float)std::remainder(lon, 360.0); }

// Brings an aircraft that has flown across a pole back onto the Earth: the same point seen
// from the far meridian, moving the same way, which there is the opposite heading.
void cross_pole()
{
    const float beyond = lat_with_z(flt.Z);
    const float lat = (beyond > 0 ? 180.0f : -180.0f) - beyond;
    const float lon = wrap_lon((double)lon_with_xz(flt.X, flt.Z) + 180.0);
    flt.X = X_with_latlon(lat, lon);
    flt.Z = Z_with_lat(lat);
    flt.vX = -flt.vX;
    flt.vZ = -flt.vZ;
    flt.psi = fltwrap(flt.psi + 180.0f, 0.0f, 360.0f);
}

}  // namespace

void set_latlon_from_xz()
{
    // The region frame's own inverse, so that nothing moves when the region does.
    float lat = lat_with_z(flt.Z);
    double lon = lon_with_xz(flt.X, flt.Z);
    if (past_pole(lat)) {
        lat = (lat > 0 ? 180.0f : -180.0f) - lat;
        lon += 180.0;
    }
    flt.lat = fltlim(lat, -90.0f, 90.0f);
    flt.lon = std::isfinite(lon) ? wrap_lon(lon) : 0.0f;
}

void integ_vx()
{
    const float prd = msc.prd, d = set.damp;
    flt.P = (flt.P + flt.Pdot * prd) * (1.0f - 6.0f * d * prd);
    flt.Q = (flt.Q + flt.Qdot * prd) * (1.0f - 6.0f * d * prd);
    flt.R = (flt.R + flt.Rdot * prd) * (1.0f - 3.0f * d * prd);
    flt.Prad = flt.P * DEG_TO_RAD_F;
    flt.Qrad = flt.Q * DEG_TO_RAD_F;
    flt.Rrad = flt.R * DEG_TO_RAD_F;

    if (std::fabs(flt.the) > 89.9f) {
        flt.thedot = (std::fabs(flt.phi) > 90.0f ? -flt.Q : flt.Q) + (flt.the > 0 ? -std::fabs(flt.R) : std::fabs(flt.R));
        flt.psidot = flt.P;
        flt.phidot = 0.0f;
    } else {
        const float qr = flt.Q * flt.sinphi + flt.R * flt.cosphi;
        flt.thedot = flt.Q * flt.cosphi - flt.R * flt.sinphi;
        flt.psidot = qr / flt.costhe;
        flt.phidot = flt.P + flt.sinthe / flt.costhe * qr;
    }
    if (flt.cat_stage != 4) cat_stroking = 0;
    else if (!cat_stroking) {
        cat_stroking = 1;
        cat_from_x = flt.X;
        cat_from_z = flt.Z;
    } else if (pythag((float)(flt.X - cat_from_x), (float)(flt.Z - cat_from_z)) >= CATAPULT_STROKE)
        flt.cat_stage = 5;
    if (flt.cat_stage == 4) {
        const float push = msc.est_Vs * msc.est_Vs / 200.0f;
        flt.aX += std::sin(2.0f * DEG_TO_RAD_F) * push;
        flt.aZ -= std::cos(2.0f * DEG_TO_RAD_F) * push;
        flt.psidot = 0.0f;
    }
    flt.vX += flt.aX * prd;
    flt.vZ += flt.aZ * prd;
    flt.vY += flt.aY * prd;
    if (flt.cat_stage == 3) {
        flt.vX = env.carr_phi_dot * DEG_TO_RAD_F * 21.0f;
        flt.vZ = env.carr_the_dot * DEG_TO_RAD_F * 21.0f;
        flt.psidot = 0.0f;
    }
    flt.v = pythag3(flt.vX, flt.vY, flt.vZ);
    const float ax = flt.vX - atm.wind_X, ay = flt.vY - atm.wind_Y, az = flt.vZ - atm.wind_Z;
    flt.av = pythag3(ax, ay, az);
    flt.machno = atm.a > 0.0f ? flt.av / atm.a : 0.0f;
    flt.vaxial = flt.av * flt.cosalph * flt.cosbeta;
    flt.vind = flt.av * flt.cosalph * std::sqrt(fltmax2(atm.crtsig, 0.0f)) * con.msctokts;
    flt.Qstatic = 0.5f * atm.rho * flt.av * flt.av;
    flt.Qratio = pln.Vne > 0.0f ? (flt.vind / pln.Vne) * (flt.vind / pln.Vne) : 0.0f;
    flt.dist += flt.vaxial * prd;
    if (flt.vind < 0.0f) flt.vind = 0.0f;

    const float the_before = flt.the;
    flt.the = fltwrap(flt.the + flt.thedot * prd, -180.0f, 180.0f);
    flt.psi = fltwrap(flt.psi + flt.psidot * prd, 0.0f, 360.0f);
    flt.phi = fltwrap(flt.phi + flt.phidot * prd, -180.0f, 180.0f);
    if (std::fabs(the_before) < 90.0f && std::fabs(flt.the) > 90.0f) {
        flt.the = fltwrap(180.0f - flt.the, -180.0f, 180.0f);
        flt.psi = fltwrap(flt.psi + 180.0f, 0.0f, 360.0f);
        flt.phi = fltwrap(flt.phi + 180.0f, -180.0f, 180.0f);
    }
    env.mvar = find_var(flt.lat, flt.lon);
    flt.magpsi = fltwrap(flt.psi + (float)env.mvar, 0.0f, 360.0f);

    // The velocity is true east and south; its step in the frame follows the frame's north.
    const double skew = region_north_skew(flt.X, flt.lat);
    flt.X += (flt.vX - skew * flt.vZ) * prd;
    flt.Y += flt.vY * prd;
    flt.Z += flt.vZ * prd;
    if (past_pole(lat_with_z(flt.Z))) cross_pole();
    flt.hind = (float)flt.Y + (ins.baro - atm.baro) * 1000.0f * con.fttomtrs;
    set_latlon_from_xz();

    set_trig();
    con.sinPLANthe = flt.sinthe;
    con.cosPLANthe = flt.costhe;
    con.sinPLANpsi = flt.sinpsi;
    con.cosPLANpsi = flt.cospsi;
    con.sinPLANphi = flt.sinphi;
    con.cosPLANphi = flt.cosphi;

    const float ground = pythag(flt.vX, flt.vZ), aground = pythag(ax, az);
    flt.vpath = std::atan2(flt.vY, ground) / DEG_TO_RAD_F;
    flt.avpath = std::atan2(ay, aground) / DEG_TO_RAD_F;
    flt.hpath = fltwrap(std::atan2(flt.vX, -flt.vZ) / DEG_TO_RAD_F, 0.0f, 360.0f);
    flt.ahpath = fltwrap(std::atan2(ax, -az) / DEG_TO_RAD_F, 0.0f, 360.0f);

    VVECT b;
    xfrm_VVECT(ax, -az, ay, &b);
    flt.Alpha = std::atan2(-b.z, b.y) / DEG_TO_RAD_F;
    flt.Beta = std::atan2(-b.x, b.y) / DEG_TO_RAD_F;

    sin_cos(flt.Alpha, &flt.sinalph, &flt.cosalph);
    sin_cos(flt.Beta, &flt.sinbeta, &flt.cosbeta);
    sin_cos(flt.hpath, &flt.sinhpath, &flt.coshpath);
    sin_cos(flt.vpath, &flt.sinvpath, &flt.cosvpath);
    sin_cos(flt.ahpath, &flt.sinahpath, &flt.cosahpath);
    sin_cos(flt.avpath, &flt.sinavpath, &flt.cosavpath);
}

int crash_check()
{
    const int touched = flt.onground || contact_touched;
    const float sink = fminf(flt.vY, contact_touched ? contact_sink : 0.0f);
    contact_touched = 0;
    contact_sink = 0;
    if (!touched) return 0;
    const float lim = pln.is_heli ? CRASH_ATTITUDE_HELI : CRASH_ATTITUDE_PLANE;
    if (!(sink < CRASH_SINK || std::fabs(flt.phi) > lim || std::fabs(flt.the) > lim)) return 0;
    if (flight_hook_table().stop_sounds) flight_hook_table().stop_sounds();
    fh_play(BUF_CRASH, 0);
    fh_joy_effect(JOY_STOP_ALL, 0, 0, 0);
    fh_joy_effect(JOY_JOLT, 100, intrand(0, 359), 250);
    if (flight_hook_table().crash_flash) flight_hook_table().crash_flash();
    if (const auto alert = flight_hook_table().crash_alert) {
        if (msc.frame_ice > 0.01f)
            alert("The aircraft was carrying ice at time of impact.",
                  "You have to keep out of the clouds between 0 and 32 deg F.",
                  "There is a thermometer in the upper-right hand corner of the screen.", "");
        if (msc.carb_ice[0] > 0.01f || msc.carb_ice[1] > 0.01f || msc.carb_ice[2] > 0.01f || msc.carb_ice[3] > 0.01f)
            alert("The aircraft was carrying carb ice at time of impact.",
                  "You have to use carb heat when at low power in these weather conditions.",
                  "Use carb heat on carburated engines when operating with engine RPM below the green arc.",
                  "");
        if (!rel.vacuum)
            alert("Your vacuum system had failed before impact.", "You have to keep a cross-check going.",
                  "The rest of the airplane was in one piece until you buried it.",
                  "Vantorel features realistic gyro spin-down effects, including gyro sluggishness and tumble.");
    }
    msc.typestart = 7;
    set_fltvars(8);
    if (flight_hook_table().restart_sounds) flight_hook_table().restart_sounds();
    return 1;
}

void flight_request_dump_at(double t) { dump_at = t; }

// ---- the frame's stages, in the order the frame runs them

static void controls_and_sounds()
{
    update_controls();
    const flight_hooks& h = flight_hook_table();
    if (set.grfout && h.update_graph) h.update_graph();
    if (pln.entype && h.maintain_engine_sound) h.maintain_engine_sound();
    if (h.maintain_windrain_sound) h.maintain_windrain_sound();
}

static void update_mass() { flt.m_total = pln.m_empty + flt.m_fixed + flt.m_fuel + flt.m_jettison; }

static void ground_under_the_aircraft()
{
    env.localh_cg = find_local_h((float)flt.X, (float)flt.Z, &env.i_viewpoint, &env.j_viewpoint, 0);
}

static void serial_output()
{
    if (const auto out = flight_hook_table().serial_output) out();
}

// The event schedule, the frame-period adaptation and the clocks: the program's own frame
// spine, run here so the events see this frame's engines and traffic and the half steps
// integrate over the adapted period.
static void frame_schedule()
{
    if (const auto schedule = flight_hook_table().frame_schedule) schedule();
}

// Lift is turned along the flight path; flying tail first that is the roll turned over.
static void orient_lift_along_the_path()
{
    if (crs_wrapped()) {
        flt.sinphi_path = std::sin((flt.phi + 180.0f) * DEG_TO_RAD_F);
        flt.cosphi_path = std::cos((flt.phi + 180.0f) * DEG_TO_RAD_F);
        if (flt.the < 0.0f) flt.cosphi_path = -flt.cosphi_path;
    } else {
        flt.sinphi_path = flt.sinphi;
        flt.cosphi_path = flt.cosphi;
    }
}

static void pulse_night_light()
{
    if (const auto light = flight_hook_table().night_light) {
        const float r = 0.6f + 0.4f * std::sin(3.0f * msc.elap_time);
        light(0.2f * r, r, 0.2f * r);
    }
}

// A requested one-cycle dump starts with this frame's header; its rows are written by the
// first half step's force build-up.
static void start_cycle_dump_when_due()
{
    if (dump_at >= 0.0 && flight_clock + 1e-9 >= dump_at) {
        set.cycoutwaiting = 1;
        dump_at = -1.0;
    }
    if (set.cycoutwaiting) {
        set.cycout = 1;
        cycle_dump_header();
    }
    flight_clock += msc.prd;
}

static void move_the_ships()
{
    env.frig_the_dot = the_dot_now(&env.frig_the, 17);
    env.frig_phi_dot = phi_dot_now(&env.frig_phi, 17);
    env.carr_the_dot = the_dot_now(&env.carr_the, 15);
    env.carr_phi_dot = phi_dot_now(&env.carr_phi, 15);
}

// Two half steps, each a full force build-up and an integration; a touchdown within either
// is remembered with its sink rate for the crash check.
static void two_half_steps()
{
    msc.prd *= 0.5f;
    for (int half = 0; half < 2; half++) {
        msc.init_time += msc.prd;
        move_the_ships();
        const float vy_before = flt.vY;
        const int was_on_ground = flt.onground;
        set_a();
        integ_vx();
        if (flt.onground && !was_on_ground) {
            contact_touched = 1;
            contact_sink = fminf(contact_sink, vy_before);
        }
        if (half == 0) {
            if (set.cycout && trk) trk.flush();
            set.cycout = 0;
            set.cycoutwaiting = 0;
        }
    }
    msc.prd *= 2.0f;
}

void update_flight()
{
    controls_and_sounds();
    update_mass();
    ground_effect();
    ground_under_the_aircraft();
    set_atmosphere(flt.Y);
    engines();
    traffic();
    serial_output();
    frame_schedule();
    orient_lift_along_the_path();
    pulse_night_light();
    start_cycle_dump_when_due();
    two_half_steps();
    crash_check();
}

}  // namespace orv
