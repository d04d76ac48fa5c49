#include "app/app_flight.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <thread>

#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_graph.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/records.h"
#include "app/app_log.h"
#include "platform/plat_script.h"
#include "app/app_update.h"
#include "flight/flt_init.h"
#include "flight/integ.h"
#include "platform/plat_backend.h"

namespace orv {

namespace {

constexpr float P0 = 101325.0f;        // sea-level standard pressure, Pa
constexpr float A0 = 340.294f;         // sea-level standard speed of sound, m/s
constexpr float R_AIR = 287.053f;      // gas constant of air, J/(kg K)
constexpr int   FLAP_FULL = 50;
constexpr int   START_FIRST = 8, START_LAST = 21;

// ---- range checks, run when the script is read
const char* unit_args(const float* a, int n)
{
    if (a[0] < 0.0f || a[0] > 1.0f) return "the setting must be 0 to 1";
    if (n > 1 && (a[1] != std::floor(a[1]) || a[1] < 1 || a[1] > 4)) return "the engine must be 1 to 4";
    return nullptr;
}
const char* yoke_args(const float* a, int)
{
    return (a[0] < -1.0f || a[0] > 1.0f) ? "the deflection must be -1 to 1" : nullptr;
}
const char* flap_args(const float* a, int)
{
    return (a[0] != std::floor(a[0]) || a[0] < 0 || a[0] > FLAP_FULL) ? "the flap detent must be a whole number 0 to 50"
                                                                     : nullptr;
}
const char* gear_args(const float* a, int)
{
    return (a[0] != 0.0f && a[0] != 1.0f) ? "the gear is 0 (up) or 1 (down)" : nullptr;
}
const char* start_args(const float* a, int)
{
    return (a[0] != std::floor(a[0]) || a[0] < START_FIRST || a[0] > START_LAST) ? "the start type must be 8 to 21"
                                                                               : nullptr;
}

// Engines a command with an optional engine number acts on.
void engines_of(const float* a, int n, int* first, int* last)
{
    if (n > 1) {
        *first = *last = (int)a[1] - 1;
    } else {
        *first = 0;
        *last = NUM_ENGINES - 1;
    }
}

void cmd_throttle(const float* a, int n)
{
    int f, l;
    engines_of(a, n, &f, &l);
    for (int e = f; e <= l; e++) flt.throrequest[e] = a[0];
}
void cmd_mixture(const float* a, int n)
{
    int f, l;
    engines_of(a, n, &f, &l);
    for (int e = f; e <= l; e++) flt.mixt[e] = a[0];
}
void cmd_prop(const float* a, int n)
{
    int f, l;
    engines_of(a, n, &f, &l);
    for (int e = f; e <= l; e++) flt.prop[e] = interp(0, pln.omegamingreen, 1, pln.omegamax, a[0]);
}
// The yoke and pedals as the keyboard and mouse offsets the control laws read: the control
// laws shape them (response curve, rate limit, stability augmentation) into the surfaces.
void cmd_pitch(const float* a, int) { set.MK_ptch = a[0]; }
void cmd_roll(const float* a, int) { set.MK_roll = a[0]; }
void cmd_yaw(const float* a, int) { set.MK_hdng = a[0]; }
void cmd_flaps(const float* a, int)
{
    flt.flap = flt.flaprequest = (int)a[0];
}
void cmd_gear(const float* a, int)
{
    set.gear_handle = pln.gear_retract ? (int)a[0] : 1;
    for (int i = 0; i < 3; i++) pln.gear_stat[i] = set.gear_handle;
}
void cmd_brake(const float* a, int) { set.parkbrake = a[0]; }
void cmd_trim(const float* a, int) { flt.elv_trim = a[0]; }
void cmd_collective(const float* a, int)
{
    if (pln.collectEQ) flt.proppitch[0] = interp(0, pln.minpitch[0], 1, pln.maxpitch[0], a[0]);
}
void cmd_start(const float* a, int) { set_fltvars((int)a[0]); }
// Flying where the aircraft is, on its heading, at a height (ft above sea level) and a true
// airspeed (kt): the custom start in the air.
void cmd_air(const float* a, int)
{
    set.cus_X = (float)flt.X;
    set.cus_Z = (float)flt.Z;
    set.cus_Y = a[0] * con.fttomtrs;
    set.cus_psi = flt.psi;
    set.cus_v = a[1] * con.ktstomsc;
    set_fltvars(10);
}
const char* air_args(const float* a, int)
{
    return (a[0] < 0 || a[0] > 60000 || a[1] < 0 || a[1] > 2000) ? "the air start takes a height 0..60000 ft and a speed 0..2000 kt"
                                                                 : nullptr;
}

// ---- log columns
template <int E> double col_power()
{
    const bool jet = pln.entype == 4 || pln.entype == 5;
    return jet ? flt.thrust[E] / con.lbstonew : flt.power[E] / con.hptowat;
}
template <int E> double col_rpm() { return flt.tac[E] * con.rsctorpm; }
template <int E> double col_ff() { return flt.ff_[E] * 3600.0 * con.kgstolbs / 6.0; }   // avgas and jet fuel near 6 lb/gal


}  // namespace

constexpr int CRASH_FLASHES = 40;
constexpr int CRASH_COLOR_A = 8, CRASH_COLOR_B = 29;
constexpr auto CRASH_PAUSE = std::chrono::seconds(4);
constexpr int NIGHT_LIGHT_COLOR = 56;

// The whole picture flashes between two colours, each shown, so that the flash is seen
// whatever the drawing layer buffers; then a pause for the pilot before the new flight. A
// run without a picture has nothing to flash, and one nobody watches nothing to wait for.
void flight_crash_flash()
{
    const plat_backend* b = plat_backend_get();
    if (b->headless) return;
    const int keep_x = mnw.x, keep_y = mnw.y;
    mnw.x = mnw.y = 0;
    OGL_setup_context();
    OGL_setstate(0, 0, 0, 0);
    for (int i = 0; i < CRASH_FLASHES; i++)
        for (int color : {CRASH_COLOR_A, CRASH_COLOR_B}) {
            OGL_fillrect(color, 0, 0, SCREEN_W, SCREEN_H);
            OGL_sbuf();
        }
    mnw.x = keep_x;
    mnw.y = keep_y;
    if (b->interactive) std::this_thread::sleep_for(CRASH_PAUSE);
}

void flight_night_light(float r, float g, float b) { OGL_assigncolor(NIGHT_LIGHT_COLOR, r, g, b); }

void flight_crash_alert(const char* a, const char* b, const char* c, const char* d) { MACIBM_alert(a, b, c, d, ALERT_NOTE); }

float calibrated_airspeed_kt()
{
    const float p = atm.rho * R_AIR * atm.T;
    if (p <= 0.0f) return 0.0f;
    // Free of installation error: the impact pressure of the whole air speed, whatever the
    // angle of attack (a body-fixed pitot would read low by the cosine near the stall).
    const float M = flt.machno;
    const float qc = p * (std::pow(1.0f + 0.2f * M * M, 3.5f) - 1.0f);
    return A0 * std::sqrt(5.0f * (std::pow(qc / P0 + 1.0f, 2.0f / 7.0f) - 1.0f)) * con.msctokts;
}

void register_flight_commands()
{
    register_script_command_checked("throttle", 1, 2, cmd_throttle, unit_args);
    register_script_command_checked("mixture", 1, 2, cmd_mixture, unit_args);
    register_script_command_checked("prop", 1, 2, cmd_prop, unit_args);
    register_script_command_checked("pitch", 1, 1, cmd_pitch, yoke_args);
    register_script_command_checked("roll", 1, 1, cmd_roll, yoke_args);
    register_script_command_checked("yaw", 1, 1, cmd_yaw, yoke_args);
    register_script_command_checked("trim", 1, 1, cmd_trim, yoke_args);
    register_script_command_checked("flaps", 1, 1, cmd_flaps, flap_args);
    register_script_command_checked("gear", 1, 1, cmd_gear, gear_args);
    register_script_command_checked("brake", 1, 1, cmd_brake, unit_args);
    register_script_command_checked("collective", 1, 1, cmd_collective, unit_args);
    register_script_command_checked("start", 1, 1, cmd_start, start_args);
    register_script_command_checked("air", 2, 2, cmd_air, air_args);
}

void register_flight_step()
{
    app_set_flight_step(update_flight);
}

void register_flight_log_columns()
{
    flight_log_add_column("alpha_deg", [] { return (double)flt.Alpha; });
    flight_log_add_column("beta_deg", [] { return (double)flt.Beta; });
    flight_log_add_column("flap", [] { return (double)flt.flap; });
    flight_log_add_column("gear", [] { return (double)set.gear_handle; });
    const bool jet = pln.entype == 4 || pln.entype == 5;
    static double (*const power[4])() = {col_power<0>, col_power<1>, col_power<2>, col_power<3>};
    static double (*const rpm[4])() = {col_rpm<0>, col_rpm<1>, col_rpm<2>, col_rpm<3>};
    static double (*const ff[4])() = {col_ff<0>, col_ff<1>, col_ff<2>, col_ff<3>};
    static char names[4][3][16];
    const int n = intlim(pln.numen, 0, NUM_ENGINES);
    for (int e = 0; e < n; e++) {
        std::snprintf(names[e][0], 16, "eng%d_%s", e + 1, jet ? "lbf" : "hp");
        std::snprintf(names[e][1], 16, "eng%d_rpm", e + 1);
        std::snprintf(names[e][2], 16, "eng%d_gph", e + 1);
        flight_log_add_column(names[e][0], power[e]);
        if (!jet) flight_log_add_column(names[e][1], rpm[e]);
        flight_log_add_column(names[e][2], ff[e]);
    }
    flight_log_add_column("cas_kt", [] { return (double)calibrated_airspeed_kt(); });
}

}  // namespace orv
