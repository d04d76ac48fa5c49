#include "flight/flight_sim.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/records.h"
#include "app/app_goto.h"
#include "app/app_start.h"
#include "app/app_update.h"
#include "flight/flt_init.h"
#include "platform/plat_backend.h"
#include "support/test_support.h"
#include "world/region.h"
#include "world/terrain_grid.h"

using namespace orv;

namespace orv_test {

namespace {

struct Pid {
    float i = 0;
};
Pid pitch_pid, roll_pid, outer_pid;
double clock_s;
float alpha_limit = 12.0f;

std::string folder_of(const std::string& id)
{
    static const char* map[][2] = {{"trainer", "Trainer 172"},     {"twin", "Twin Baron 55"},
                                   {"turboprop", "Turboprop C90GTi"}, {"bizjet", "Bizjet CJ3"},
                                   {"helicopter", "Helicopter R22"}, {"floatplane", "Floatplane Beaver"},
                                   {"carrierjet", "Carrier Jet F18"}};
    for (auto& m : map)
        if (id == m[0]) return m[1];
    return "";
}

// A proportional-integral-derivative step: error, its rate, gains, and the output's limit.
float pid(Pid& p, float err, float rate, float kp, float ki, float kd, float lim)
{
    const float prd = msc.prd;
    const float out = kp * err + ki * p.i - kd * rate;
    // the integral stops growing while the output is held at its limit the same way
    if (std::fabs(out) < lim || out * err < 0) p.i += err * prd;
    return fltlim(out, -lim, lim);
}

// Control position c (-1..1) as the keyboard offset that the control laws' response curve
// (|x|^1.5) turns back into c.
float offset_for(float c)
{
    c = fltlim(c, -1.0f, 1.0f);
    return fltsgn(c) * std::pow(std::fabs(c), 2.0f / 3.0f);
}

// Control power grows with dynamic pressure: gains are scaled to a reference of 1.6 times the
// stall speed, the speed a pilot flies these manoeuvres near.
float gain_scale()
{
    const float v = fmaxf(flt.vind * con.ktstomsc, 10.0f);
    const float vref = msc.est_Vs > 1 ? 1.6f * msc.est_Vs : 40.0f;
    return fltlim(sqr(vref / v), 0.05f, 4.0f);
}

}  // namespace

double reference_figure(const std::string& id, const std::string& figure)
{
    std::ifstream f(std::string(ORV_SOURCE_DIR) + "/tests/data/aircraft_reference.csv");
    std::string line;
    while (std::getline(f, line)) {
        std::stringstream ss(line);
        std::string a, type, fig, val;
        std::getline(ss, a, ',');
        std::getline(ss, type, ',');
        std::getline(ss, fig, ',');
        std::getline(ss, val, ',');
        if (a == id && fig == figure) {
            char* end;
            const double v = std::strtod(val.c_str(), &end);
            return end != val.c_str() ? v : NAN;
        }
    }
    return NAN;
}

std::string stock_aircraft(const std::string& id)
{
    const std::string name = folder_of(id);
    const std::string path = std::string(ORV_BINARY_DIR) + "/Aircraft/" + name + "/" + name + ".acf";
    struct stat st;
    return (!name.empty() && stat(path.c_str(), &st) == 0) ? path : "";
}

void sim_calm_isa()
{
    atm.temp_SL = 59.0f;
    atm.baro = ins.baro = 29.92f;
    for (int i = 0; i < 9; i++) atm.wndspd[i] = atm.shrspd[i] = atm.tbl[i] = 0.0f;
    atm.wind_X = atm.wind_Y = atm.wind_Z = 0.0f;
    atm.rain_tstm = atm.wind_tbl = atm.burst_prob = 0.0f;
    atm.change_clouds = atm.change_vis = atm.change_precip = atm.change_turb = atm.change_micro = 0;
    atm.thermal_part = atm.thermal_vvi = 0.0f;
    atm.rate_change = 0.0f;
    atm.wave_amp = 0.0f;
}

int sim_start(const std::string& id, const char* icao, int runway_end, unsigned seed)
{
    const std::string acf = stock_aircraft(id);
    if (acf.empty()) return 0;
    static std::string work;
    if (work.empty()) work = temp_dir("flight_sim");
    if (chdir(work.c_str()) != 0) return 0;
    plat_backend_install(nullptr);
    plat_headless_set_frame_rate(0);
    clear_records();
    register_app_callbacks();
    // a folder of its own for each start: no preferences written by an earlier flight
    mnw_set_dirs(ORV_BINARY_DIR, temp_dir("flight_sim_config").c_str());
    app_set_fixed_step(1);
    app_set_run_limits(0, 0);
    frame_timing_reset();
    app_run_reset();
    region_set_generation(1);
    app_set_start_airport(icao, runway_end);
    if (!start_simulator(nullptr, 1, seed, acf.c_str())) return 0;
    sim_calm_isa();
    set.NZptch = set.NZroll = 0.0f;
    set.joy_rat_ptch = set.joy_rat_hdng = set.joy_rat_roll = 1.0f;
    rel.total_fail_entry = 0;   // no random failures: a test schedules the ones it wants
    msc.mouse_is_joy = 0;
    set.eq_ped = 1;   // the pilot has pedals: the yoke does not steer the nose wheel
    msc.paused = 0;
    clock_s = 0;
    pilot_reset();
    return pln.C_file[0] != 0;
}

void sim_air_start(float height_ft, float ktas, float hdg)
{
    set.cus_X = (float)flt.X;
    set.cus_Z = (float)flt.Z;
    set.cus_Y = height_ft * con.fttomtrs;
    set.cus_psi = hdg;
    set.cus_v = ktas * con.ktstomsc;
    msc.typestart = 10;
    set_fltvars(10);
    pilot_reset();
}

void sim_frame()
{
    mnw.topwin = 0;   // an alert of the start-up has been answered
    clock_s += msc.prd;
    APPLICATION_update();
}

void sim_fly(float seconds, void (*pilot)())
{
    const double end = clock_s + seconds - 1e-6;
    while (clock_s < end) {
        if (pilot) pilot();
        sim_frame();
    }
}

double sim_time() { return clock_s; }

float sim_set_down_on_open_water()
{
    int bi = -1, bj = -1;
    double best = 1e30;
    for (int i = 1; i < TER_I - 1; i++)
        for (int j = 1; j < TER_J - 1; j++) {
            bool open = true;
            for (int di = -1; di <= 1; di++)
                for (int dj = -1; dj <= 1; dj++) open = open && on_water[i + di][j + dj];
            const double d = std::hypot(planexyz[i][j][0] - flt.X, planexyz[i][j][2] - flt.Z);
            if (open && d < best) { best = d; bi = i; bj = j; }
        }
    if (bi < 0) return NAN;
    set.cus_X = planexyz[bi][bj][0];
    set.cus_Z = planexyz[bi][bj][2];
    set.cus_Y = planexyz[bi][bj][1] + 3.0f;
    set.cus_psi = flt.psi;
    set.cus_v = 0.0f;
    set_fltvars(9);
    return planexyz[bi][bj][1];
}

void sim_set_weight_lb(float lb)
{
    flt.m_fixed = lb * con.lbstokgs - pln.m_empty - flt.m_fuel - flt.m_jettison;
    if (flt.m_fixed < 0) {
        flt.m_fuel = fmaxf(flt.m_fuel + flt.m_fixed, 0.0f);
        flt.m_fixed = 0;
    }
    flt.m_total = pln.m_empty + flt.m_fixed + flt.m_fuel + flt.m_jettison;
}

void sim_power(float throttle)
{
    for (int e = 0; e < NUM_ENGINES; e++) {
        // full power of an afterburning engine is with the burners lit
        flt.after_burning[e] = throttle >= 1.0f && pln.burnerinc > 0.0f;
        flt.throrequest[e] = throttle;
        flt.mixt[e] = 1.0f;
        flt.prop[e] = pln.omegamax;
    }
}

void pilot_set_alpha_limit(float deg) { alpha_limit = deg; }

void pilot_reset()
{
    alpha_limit = 12.0f;
    pitch_pid = roll_pid = outer_pid = Pid{};
    set.MK_ptch = set.MK_roll = set.MK_hdng = 0.0f;
}

void pilot_hold_pitch(float pitch_deg, float bank_deg)
{
    // never pull the wing past the pilot's stall margin
    if (flt.Alpha > alpha_limit) pitch_deg = fminf(pitch_deg, flt.the - (flt.Alpha - alpha_limit));
    const float k = gain_scale();
    const float p = pid(pitch_pid, pitch_deg - flt.the, flt.Q, 0.08f * k, 0.04f * k, 0.04f * k, 1.0f);
    set.MK_ptch = offset_for(p);
    const float r = pid(roll_pid, bank_deg - flt.phi, flt.P, 0.04f * k, 0.005f * k, 0.02f * k, 1.0f);
    set.MK_roll = offset_for(r);
    set.MK_hdng = offset_for(fltlim(-k * 0.05f * flt.Beta, -1, 1));
}

void pilot_hold_vs(float fpm, float bank_deg)
{
    const float vs = flt.vY * con.msctofpm;
    const float target = pid(outer_pid, (fpm - vs) / 100.0f, 0.0f, 0.5f, 0.15f, 0.0f, 20.0f);
    pilot_hold_pitch(target, bank_deg);
}

void pilot_hold_speed(float kias, float bank_deg)
{
    static float last_vind;
    const float accel = msc.prd > 0 ? (flt.vind - last_vind) / msc.prd : 0.0f;   // kt/s
    last_vind = flt.vind;
    const float target = pid(outer_pid, flt.vind - kias, -accel, 0.5f, 0.1f, 1.0f, 25.0f);
    pilot_hold_pitch(target, bank_deg);
}

void pilot_hold_height(float ft, float bank_deg)
{
    pilot_hold_vs(fltlim((ft - (float)flt.Y * con.mtrstoft) * 3.0f, -500.0f, 500.0f), bank_deg);
}

float bank_for_heading(float hdg, float max_bank)
{
    return fltlim(1.5f * fltwrap(hdg - flt.psi, -180.0f, 180.0f), -max_bank, max_bank);
}

double report(const std::string& aircraft, const std::string& figure, double measured, double published,
              const char* unit)
{
    const double err = published != 0 ? 100.0 * (measured - published) / published : 0.0;
    std::printf("%-10s %-22s measured %9.1f %-6s published %9.1f  error %+6.1f %%\n", aircraft.c_str(),
                figure.c_str(), measured, unit, published, err);
    std::fflush(stdout);
    return err;
}

}  // namespace orv_test

namespace orv_test {

namespace {
float hover_collective;
float last_vind, last_rotor_share;   // of the frame before, for their rates

float rotor_share() { return pln.omegamax > 0 ? flt.tac[0] / pln.omegamax : 0.0f; }

void set_collective(float c)
{
    hover_collective = fltlim(c, 0.0f, 1.0f);
    flt.proppitch[0] = interp(0, pln.minpitch[0], 1, pln.maxpitch[0], hover_collective);
}

// The cyclic onto an attitude (deg). The rotor damps the rates itself, so the rate term is
// light; the integral (0 in the hover) holds the cyclic's trim in forward flight.
void cyclic_to(float want_pitch, float want_roll, float trim_gain)
{
    set.MK_ptch = offset_for(pid(pitch_pid, want_pitch - flt.the, flt.Q, 0.02f, trim_gain, 0.01f, 1.0f));
    set.MK_roll = offset_for(pid(roll_pid, want_roll - flt.phi, flt.P, 0.02f, trim_gain, 0.01f, 1.0f));
}

void pedals_to(float hdg)
{
    set.MK_hdng = offset_for(0.05f * fltwrap(hdg - flt.psi, -180.0f, 180.0f) - 0.025f * flt.R);
}
}  // namespace

void pilot_hover_reset(float collective)
{
    hover_collective = collective;
    last_vind = flt.vind;
    last_rotor_share = rotor_share();
}

float pilot_hover(double x, double z, float agl_m, float hdg)
{
    const float agl = (float)flt.Y - env.localh_cg;
    set_collective(hover_collective + (0.1f * (agl_m - agl) - 0.25f * flt.vY) * msc.prd);
    // position error and speed, ahead and to the right
    const float s = std::sin(flt.psi * (float)M_PI / 180.0f), c = std::cos(flt.psi * (float)M_PI / 180.0f);
    const float dx = (float)(x - flt.X), dz = (float)(z - flt.Z);
    const float ahead = dx * s - dz * c, right = dx * c + dz * s;
    const float v_ahead = flt.vX * s - flt.vZ * c, v_right = flt.vX * c + flt.vZ * s;
    cyclic_to(fltlim(-(3.0f * ahead - 5.0f * v_ahead), -10.0f, 10.0f), fltlim(3.0f * right - 5.0f * v_right, -10.0f, 10.0f),
              0.0f);
    pedals_to(hdg);
    return hover_collective;
}

void pilot_rotor_forward(float kias, float hdg)
{
    const float accel = msc.prd > 0 ? (flt.vind - last_vind) / msc.prd : 0.0f;   // kt/s
    last_vind = flt.vind;
    // too fast: nose up
    cyclic_to(pid(outer_pid, flt.vind - kias, -accel, 0.5f, 0.05f, 1.0f, 15.0f), 0.0f, 0.01f);
    pedals_to(hdg);
}

float pilot_collective_height(float ft)
{
    const float err_m = (ft - (float)flt.Y * con.mtrstoft) * con.fttomtrs;
    set_collective(hover_collective + (0.02f * err_m - 0.1f * flt.vY) * msc.prd);
    return hover_collective;
}

float pilot_collective_rotor(float share)
{
    const float now = rotor_share();
    const float spin_up = msc.prd > 0 ? (now - last_rotor_share) / msc.prd : 0.0f;   // per second
    last_rotor_share = now;
    // a rotor turning too fast is loaded with more collective
    set_collective(hover_collective + (0.5f * (now - share) + 4.0f * spin_up) * msc.prd);
    return hover_collective;
}

}  // namespace orv_test

namespace orv_test {

std::string reference_conditions(const std::string& id, const std::string& figure)
{
    std::ifstream f(std::string(ORV_SOURCE_DIR) + "/tests/data/aircraft_reference.csv");
    std::string line;
    while (std::getline(f, line)) {
        std::stringstream ss(line);
        std::string a, type, fig, val, unit, cond;
        std::getline(ss, a, ',');
        std::getline(ss, type, ',');
        std::getline(ss, fig, ',');
        std::getline(ss, val, ',');
        std::getline(ss, unit, ',');
        std::getline(ss, cond, ',');
        if (a == id && fig == figure) return cond;
    }
    return "";
}

}  // namespace orv_test
