#include "flight/flight_sim.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

#include "2-QZutils/qz_file.h"
#include "2-QZutils/qz_funct.h"
#include "2-QZutils/records.h"
#include "aircraft/initpln.h"
#include "app/app_start.h"
#include "flight/flt_init.h"
#include "flight/integ.h"
#include "world/nav_db.h"

using namespace orv;

namespace orv_test {

const Airport KSFO_28R = {"KSFO", 37.6132f, -122.3572f, 13.0f, 298, 3618.0f};

namespace {

struct Pid {
    float i = 0, last = 0;
    bool started = false;
};
Pid pitch_pid, roll_pid, outer_pid;

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

int sim_load(const std::string& id)
{
    const std::string path = stock_aircraft(id);
    if (path.empty()) return 0;
    clear_records();
    set_app_path(ORV_BINARY_DIR);
    initgen();
    atm.temp_SL = 59.0f;
    atm.baro = ins.baro = 29.92f;
    atm.g = con.g;
    set.damp = 0.0f;
    set.joy_rat_ptch = set.joy_rat_hdng = set.joy_rat_roll = 1.0f;
    set.NZptch = set.NZroll = 0.0f;
    pilot_reset();
    return load_plane_file(path.c_str());
}

void sim_runway_start(const Airport& a)
{
    apt_lat[0][0] = a.lat;
    apt_lon[0][0] = a.lon;
    apt_hdng[0][0] = a.hdg;
    apt_len[0][0] = (int)a.len_m;
    apt_h[0] = a.elev_ft * con.fttomtrs;
    env.aptmax = 0;
    msc.loc_apt_wrl = 0;
    msc.rway_sel = 0;
    env.lat_sou = round(a.lat - 1.0f);
    env.lon_wes = round(a.lon - 1.5f);
    set_flat_region_frame(apt_h[0]);
    msc.typestart = 7;
    set_fltvars(8);
}

void sim_air_start(float height_ft, float ktas, float hdg)
{
    if (env.dz <= 0.0f) {
        env.lat_sou = 36;
        env.lon_wes = -124;
        set_flat_region_frame(0.0f);
    }
    set.cus_X = 0.5f * (env.lox + env.hix);
    set.cus_Z = 0.5f * (env.loz + env.hiz);
    set.cus_Y = height_ft * con.fttomtrs;
    set.cus_psi = hdg;
    set.cus_v = ktas * con.ktstomsc;
    set_fltvars(10);
    // the start leaves the attitude level: give the wing its cruise angle straight away
    flt.the = 2.0f;
}

void sim_frame(float prd)
{
    msc.prd = prd;
    update_flight();
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

void pilot_reset() { pitch_pid = roll_pid = outer_pid = Pid{}; }

static float step(Pid& p, float err, float rate, float kp, float ki, float kd, float prd, float lim)
{
    p.i = fltlim(p.i + err * prd, -lim / (ki > 0 ? ki : 1), lim / (ki > 0 ? ki : 1));
    return fltlim(kp * err + ki * p.i - kd * rate, -lim, lim);
}

// Control position c (-1..1) as the keyboard offset that the control laws' response curve
// (|x|^1.5) turns back into c.
static float offset_for(float c)
{
    c = fltlim(c, -1.0f, 1.0f);
    return fltsgn(c) * std::pow(std::fabs(c), 2.0f / 3.0f);
}

void pilot_hold_pitch(float pitch_deg, float prd)
{
    // never pull the wing past 12 degrees of angle of attack: a pilot's stall margin
    constexpr float ALPHA_LIMIT = 12.0f;
    if (flt.Alpha > ALPHA_LIMIT) pitch_deg = fminf(pitch_deg, flt.the - (flt.Alpha - ALPHA_LIMIT));
    const float p = step(pitch_pid, pitch_deg - flt.the, flt.Q, 0.15f, 0.08f, 0.08f, prd, 1.0f);
    set.MK_ptch = offset_for(p);
    const float r = step(roll_pid, -flt.phi, flt.P, 0.06f, 0.01f, 0.03f, prd, 1.0f);
    set.MK_roll = offset_for(r);
    set.MK_hdng = offset_for(0.05f * flt.R);
}

void pilot_hold_vs(float fpm, float prd)
{
    const float vs = flt.vY * con.msctofpm;
    const float target = step(outer_pid, (fpm - vs) / 100.0f, 0.0f, 0.4f, 0.1f, 0.0f, prd, 15.0f);
    pilot_hold_pitch(target, prd);
}

void pilot_hold_speed(float kias, float prd)
{
    const float target = step(outer_pid, flt.vind - kias, 0.0f, 0.4f, 0.08f, 0.0f, prd, 20.0f);
    pilot_hold_pitch(target, prd);
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
