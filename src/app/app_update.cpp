#include "app/app_update.h"

#include <cmath>

#include "2-QZutils/qz_angles.h"
#include "2-QZutils/qz_funct.h"
#include "2-QZutils/records.h"
#include "app/app_log.h"
#include "platform/plat_clock.h"

namespace orv {

static app_hook mod_evt_fn, mod_sec_fn, flight_step_fn, scenery_fn, panel_click_fn;
static void (*key_fn)(int);
static app_hook window_managers[26];

void app_set_event_hooks(app_hook e, app_hook s) { mod_evt_fn = e; mod_sec_fn = s; }
void app_set_flight_step(app_hook fn) { flight_step_fn = fn; }
void app_set_scenery_update(app_hook fn) { scenery_fn = fn; }
void app_set_panel_click(app_hook fn) { panel_click_fn = fn; }
static app_hook panel_update_fn;
void app_set_panel_update(app_hook fn) { panel_update_fn = fn; }
void app_set_key_handler(void (*fn)(int)) { key_fn = fn; }
void app_set_window_manager(int w, app_hook fn)
{
    if (w >= WIN_SETTINGS_FIRST && w <= WIN_SETTINGS_LAST) window_managers[w] = fn;
}

// ---- frame timing
static int  evup = 1;              // frames between event ticks
static int  fixed_step;
static int  clock_started;
static long clock_last_ms;

void frame_timing_reset()
{
    evup = 1;
    clock_started = 0;
}

void app_set_fixed_step(int on) { fixed_step = on; }

void run_event_schedule()
{
    if (msc.cntr % evup != 0) return;
    if (mod_evt_fn) mod_evt_fn();
    if (msc.cntr10 == 0 && mod_sec_fn) mod_sec_fn();
    msc.cntr10 = intwrap(msc.cntr10 + 1, 0, 9);
    evup = msc.prd > 0 ? intlim(round(0.1f / msc.prd), 1, 99) : 99;
}

void adapt_period()
{
    if (++msc.cntr > 30000) msc.cntr = 0;
    if (fixed_step || msc.cntr % 10 != 0 || msc.prd <= 0) return;
    long now = plat_clock_ms();
    if (!clock_started) {                 // the first measurement only starts the clock
        clock_started = 1;
        clock_last_ms = now;
        return;
    }
    float elapsed = (float)(now - clock_last_ms) / 1000.0f;
    clock_last_ms = now;
    msc.rtrat = fltlim(elapsed / (10.0f * msc.prd), 0.2f, 5.0f);
    // Slow frames are caught up faster than fast frames are slowed.
    msc.prd *= std::pow(msc.rtrat, msc.rtrat < 1.0f ? 0.2f : 0.5f);
    if (msc.prd > 0.11f) msc.prd = 0.11f;
    // Frames faster than a millisecond (no window, nothing drawn) would otherwise shrink the
    // period toward zero and stop simulated time altogether.
    if (msc.prd < PRD_FLOOR) msc.prd = PRD_FLOOR;
}

static int in_cloud()
{
    int below_bases = flt.Y < atm.baseMSL;
    int above_tops = flt.Y > atm.topsMSL;
    if (below_bases) return atm.vis_rep * atm.vis_mult < 3.0f * con.nmtomtrs;
    return !above_tops;
}

// A clock held in a float loses the period it is given: at 16:00 a float steps in 1/256 s,
// so a 0.05 s frame added to it rounds away up to 4 % of the time. Each clock runs on in
// double beside its record field and is written back; a value set from elsewhere (settings,
// a script, the real weather) is taken up as it stands.
struct ClockCarry {
    double t = 0;
    float written = 0;
};

static void run_clock(float* clock, ClockCarry* c, double add, double period)
{
    if (*clock != c->written) c->t = *clock;
    c->t = std::fmod(c->t + add, period);
    if (c->t < 0) c->t += period;
    *clock = (float)c->t;
    if (*clock >= (float)period) *clock = 0;   // rounded up to the wrap itself
    c->written = *clock;
}

void advance_clocks()
{
    static ClockCarry aifr, nigt, timr, elap, locl;
    const double p = msc.prd;
    if (in_cloud()) run_clock(&msc.aifr_time, &aifr, p, 86400);
    if (msc.locl_time < 5 * 3600.0f || msc.locl_time > 19 * 3600.0f) run_clock(&msc.nigt_time, &nigt, p, 86400);
    if (msc.timer_running) run_clock(&msc.timr_time, &timr, p, 3600);
    run_clock(&msc.elap_time, &elap, p, 86400);
    run_clock(&msc.locl_time, &locl, p, 86400);
    msc.zulu_time = fltwrap(msc.locl_time - (round(flt.lon / 15.0f) + 1) * 3600.0f, 0, 86400);
    scn.rb_cycle = fltwrap(scn.rb_cycle + msc.prd, 0, 2.0f * PI_F);
}

void frame_schedule()
{
    run_event_schedule();
    adapt_period();
    advance_clocks();
}

// The flight model runs the schedule at its place within its own frame (after the engines,
// the traffic and the serial output, before the half steps); without one it runs alone.
void flight_frame()
{
    if (flight_step_fn) flight_step_fn();
    else frame_schedule();
}

// ---- replay
void replay_advance()
{
    float b = pat.time_play;
    switch (set.replay_mode) {
    case 1: b -= 5.0f * msc.prd; break;
    case 3: b += msc.prd; break;
    case 4: b += 5.0f * msc.prd; break;
    default: break;
    }
    int matched = 0;
    for (int c = 0; c < PATH_SAMPLES; c++) {
        int d = (c + 1) % PATH_SAMPLES;
        if (!pat.inited[c] || !pat.inited[d]) continue;
        const float* sc = pat.xyztppt[c];
        const float* sd = pat.xyztppt[d];
        float tc = sc[6], td = sd[6];
        if (!(tc <= b && b <= td)) continue;
        matched = 1;
        float dt = td - tc;
        // Two samples at the same instant: stand on the first, leave the speeds alone
        // rather than dividing by zero.
        float m = dt > 0 ? (b - tc) / dt : 0.0f;
        flt.X = sc[0] + m * (sd[0] - sc[0]);
        flt.Y = sc[1] + m * (sd[1] - sc[1]);
        flt.Z = sc[2] + m * (sd[2] - sc[2]);
        flt.the = fltwrap(sc[3] + m * fltwrap(sd[3] - sc[3], -180, 180), -180, 180);
        flt.psi = fltwrap(sc[4] + m * fltwrap(sd[4] - sc[4], -180, 180), 0, 360);
        flt.phi = fltwrap(sc[5] + m * fltwrap(sd[5] - sc[5], -180, 180), -180, 180);
        if (dt > 0) {
            flt.vX = (sd[0] - sc[0]) / dt;
            flt.vY = (sd[1] - sc[1]) / dt;
            flt.vZ = (sd[2] - sc[2]) / dt;
        }
    }
    if (matched) pat.time_play = b;
    else set.replay_mode = 2;
}

// ---- the run
static double sim_time;
static long   frame_count;
static long   frame_limit;
static double seconds_limit;

double app_sim_time() { return sim_time; }
long   app_frame_count() { return frame_count; }
void   app_run_reset() { sim_time = 0; frame_count = 0; }
void   app_set_run_limits(long frames, double seconds) { frame_limit = frames; seconds_limit = seconds; }

void APPLICATION_handlekey(int c)
{
    // The keyboard commands are the keyboard module's; until it registers, keys do nothing.
    if (key_fn) key_fn(c);
}

static int window_last_run;   // the window whose routine the previous frame ran (0: the cockpit)

void APPLICATION_update()
{
    float prd_used = msc.prd;
    if (mnw.topwin == 0) {
        if ((mnw.mouse_clicked || mnw.delay_dragging) && mnw.menu_up < 0 && panel_click_fn)
            panel_click_fn();
        if (!set.replay_mode && !msc.paused) flight_frame();
        if (set.replay_mode) replay_advance();
        if (scenery_fn) scenery_fn();
        if (panel_update_fn) panel_update_fn();
    } else if (mnw.topwin >= WIN_SETTINGS_FIRST && mnw.topwin <= WIN_SETTINGS_LAST) {
        // The click that opened the window (its menu item) is not also a click in it.
        if (mnw.topwin != window_last_run) mnw.mouse_clicked = 0;
        // The flight stands still while a settings window owns the screen.
        if (window_managers[mnw.topwin]) window_managers[mnw.topwin]();
    }
    window_last_run = mnw.topwin;

    sim_time += prd_used;
    frame_count++;
    flight_log_frame(sim_time);
    if ((frame_limit > 0 && frame_count >= frame_limit) ||
        (seconds_limit > 0 && sim_time >= seconds_limit - 1e-9))
        gdone = 1;
}

}  // namespace orv
