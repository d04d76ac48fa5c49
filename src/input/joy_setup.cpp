#include "input/joy_setup.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "2-QZutils/qz_joy.h"
#include "2-QZutils/records.h"
#include "platform/plat_joy.h"
#include "platform/plat_signal.h"

namespace orv {

namespace {

constexpr int kSamples = 10, kSampleMs = 10;

void pause_ms(int ms)
{
    if (ms <= 0) return;
    timespec t = {ms / 1000, (long)(ms % 1000) * 1000000L};
    nanosleep(&t, nullptr);
}

void append(char* line, int len, const char* what)
{
    const int n = (int)std::strlen(line);
    if (n < len - 1) std::snprintf(line + n, len - n, "%s", what);
}

void list_bits(char* line, int len, const int* on, int count, int first_number)
{
    int any = 0;
    char w[16];
    for (int i = 0; i < count; i++)
        if (on[i]) {
            std::snprintf(w, sizeof w, " %d", i + first_number);
            append(line, len, w);
            any = 1;
        }
    if (!any) append(line, len, " -");
}

void live_line(const plat_joy_state& st, const joy_frame& f, char* line, int len)
{
    char w[40];
    line[0] = 0;
    append(line, len, "axes");
    for (int a = 0; a < st.naxes; a++) {
        std::snprintf(w, sizeof w, " %+.3f", st.axis[a] / 32767.0f - 1.0f);
        append(line, len, w);
    }
    for (int c = 0; c < JOY_CTL_COUNT; c++) {
        if (c == JOY_CTL_THROTTLE && !f.have_throttle) std::snprintf(w, sizeof w, " | %s none", joy_control_name(c));
        else std::snprintf(w, sizeof w, " | %s %+.3f", joy_control_name(c), f.axis[c]);
        append(line, len, w);
    }
    if (st.pov == PLAT_JOY_POV_CENTRED) append(line, len, " | hat -");
    else {
        std::snprintf(w, sizeof w, " | hat %d", st.pov);
        append(line, len, w);
    }
    int held[PLAT_JOY_MAX_BUTTONS];
    for (int b = 0; b < PLAT_JOY_MAX_BUTTONS; b++) held[b] = (st.buttons >> b) & 1u;
    append(line, len, " | buttons");
    list_bits(line, len, held, st.nbuttons, 1);
    append(line, len, " | virtual");
    list_bits(line, len, f.n_button_pressed, JOY_VBUTTONS, 0);
}

// Several readings of the stick in a slot: the last one, and each axis's least and most.
struct sample { plat_joy_state last; int lo[PLAT_JOY_MAX_AXES], hi[PLAT_JOY_MAX_AXES]; int ok; };

sample take_sample(const joy_setup_io& io, int slot)
{
    sample s = {};
    const plat_joy_ops* ops = plat_joy_get();
    for (int a = 0; a < PLAT_JOY_MAX_AXES; a++) s.lo[a] = PLAT_JOY_AXIS_MAX, s.hi[a] = 0;
    for (int i = 0; i < kSamples; i++) {
        if (ops->poll) ops->poll();
        plat_joy_state st;
        if (!ops->read(slot, &st)) return s;
        s.last = st;
        for (int a = 0; a < st.naxes; a++) {
            if (st.axis[a] < s.lo[a]) s.lo[a] = st.axis[a];
            if (st.axis[a] > s.hi[a]) s.hi[a] = st.axis[a];
        }
        if (io.sleep_ms) io.sleep_ms(kSampleMs);
    }
    s.ok = 1;
    return s;
}

// The unused axis that moved most between two readings; -1 when none moved far enough.
int moved_axis(const plat_joy_state& from, const plat_joy_state& to, const int* used, int* delta)
{
    int best = -1, best_d = 0;
    for (int a = 0; a < to.naxes && a < PLAT_JOY_MAX_AXES; a++) {
        const int d = to.axis[a] - from.axis[a];
        if (!used[a] && std::abs(d) > std::abs(best_d)) best = a, best_d = d;
    }
    *delta = best_d;
    if (best < 0 || std::abs(best_d) < JOY_SETUP_MIN_TRAVEL * PLAT_JOY_AXIS_CENTRE) return -1;
    return best;
}

int ask(const joy_setup_io& io, const char* what)
{
    std::fprintf(io.out, "%s\n", what);
    std::fflush(io.out);
    return io.wait_enter(io.ctx);
}

}  // namespace

void joy_live_print(std::FILE* out, long frames, int frame_ms)
{
    set.controls_type = JOY_TYPE_NONE;
    set.eq_ped = 1;
    set.joy_rat_ptch = set.joy_rat_roll = set.joy_rat_hdng = 1;
    joy_reset();
    const plat_joy_ops* ops = plat_joy_get();
    if (ops->device_count() < 0) {
        std::fprintf(out, "This system has no joystick support (SDL could not start its joystick subsystem).\n");
        return;
    }
    std::fprintf(out, "Joysticks seen: %d. Move the controls; Ctrl-C ends.\n", ops->device_count());
    int  last_type = JOY_TYPE_NONE;
    char line[400], last[400] = "";
    for (long n = 1; (frames <= 0 || n <= frames) && !plat_stop_signal(); n++) {
        float p, r, h, t;
        JOY_get(&p, &r, &h, &t, 0);   // also follows devices coming and going
        if (set.controls_type != last_type) {
            if (last_type != JOY_TYPE_NONE) std::fprintf(out, "%ld joystick %d: unplugged\n", n, last_type - JOY_TYPE_STICK1 + 1);
            if (set.controls_type != JOY_TYPE_NONE) {
                const int slot = set.controls_type - JOY_TYPE_STICK1;
                plat_joy_state st;
                if (ops->read(slot, &st))
                    std::fprintf(out, "%ld joystick %d: %s (%d axes, %d buttons, %d hat%s%s)\n", n, slot + 1,
                                 ops->device_name(slot), st.naxes, st.nbuttons, st.nhats, st.nhats == 1 ? "" : "s",
                                 st.is_controller ? ", game controller" : "");
            }
            last_type = set.controls_type;
            last[0] = 0;
        }
        plat_joy_state st;
        if (set.controls_type != JOY_TYPE_NONE && ops->read(set.controls_type - JOY_TYPE_STICK1, &st)) {
            live_line(st, joy_last_frame(), line, sizeof line);
            if (std::strcmp(line, last) != 0) {
                std::fprintf(out, "%ld %s\n", n, line);
                std::snprintf(last, sizeof last, "%s", line);
            }
        }
        std::fflush(out);
        pause_ms(frame_ms);
    }
}

int joy_setup_run(const joy_setup_io& io, const char* cfg_path)
{
    const plat_joy_ops* ops = plat_joy_get();
    if (ops->poll) ops->poll();
    int slot = -1;
    plat_joy_state st;
    for (int s = 0; s < PLAT_JOY_SLOTS && slot < 0; s++)
        if (ops->read(s, &st)) slot = s;
    if (slot < 0) {
        std::fprintf(io.out, "No joystick answers. Plug one in (and check your access to /dev/input), "
                             "then run --joystick-setup again.\n");
        return 1;
    }
    std::fprintf(io.out, "Joystick %d: %s (%d axes, %d buttons)\n", slot + 1, ops->device_name(slot), st.naxes, st.nbuttons);

    joy_config cfg = joy_default_config(st.is_controller);
    int used[PLAT_JOY_MAX_AXES] = {};
    if (!ask(io, "Leave the stick, the pedals and the throttle at rest, then press Enter.")) return 1;
    const sample rest = take_sample(io, slot);
    if (!rest.ok) { std::fprintf(io.out, "The joystick stopped answering.\n"); return 1; }

    struct step { int ctl; const char* prompt; };
    const step steps[] = {
        {JOY_CTL_PITCH, "Pull the stick fully back (nose up) and hold it there, then press Enter."},
        {JOY_CTL_ROLL, "Move the stick fully to the right and hold it there, then press Enter."},
        {JOY_CTL_YAW, "Push the right rudder pedal fully (or twist the stick right) and hold it, then press Enter.\n"
                      "(No pedals and no twist: just press Enter.)"},
    };
    for (const step& k : steps) {
        if (!ask(io, k.prompt)) return 1;
        const sample held = take_sample(io, slot);
        if (!held.ok) { std::fprintf(io.out, "The joystick stopped answering.\n"); return 1; }
        int d;
        joy_axis_cfg& c = cfg.ctl[k.ctl];
        c.axis = moved_axis(rest.last, held.last, used, &d);
        c.invert = d < 0;
        if (c.axis >= 0) {
            used[c.axis] = 1;
            const float jitter = (rest.hi[c.axis] - rest.lo[c.axis]) / 65534.0f;
            c.deadzone = std::fmin(JOY_DEADZONE_MAX, std::round((2 * jitter + 0.02f) * 100) / 100);
            std::fprintf(io.out, "%s: axis %d%s, dead zone %.2f\n", joy_control_name(k.ctl), c.axis,
                         c.invert ? " (reversed)" : "", c.deadzone);
        } else {
            c.deadzone = 0;
            std::fprintf(io.out, "%s: no axis moved, so none is used.\n", joy_control_name(k.ctl));
        }
        if (!ask(io, "Let it go back to rest, then press Enter.")) return 1;
    }
    if (!ask(io, "Pull the throttle fully back (idle), then press Enter. (No throttle: just press Enter twice.)")) return 1;
    const sample idle = take_sample(io, slot);
    if (!ask(io, "Push the throttle fully forward (full power), then press Enter.")) return 1;
    const sample full = take_sample(io, slot);
    if (!idle.ok || !full.ok) { std::fprintf(io.out, "The joystick stopped answering.\n"); return 1; }
    int d;
    joy_axis_cfg& thr = cfg.ctl[JOY_CTL_THROTTLE];
    thr.axis = moved_axis(idle.last, full.last, used, &d);
    thr.invert = d > 0;   // full power reads low on an unreversed throttle
    thr.deadzone = thr.axis >= 0 ? 0.02f : 0.0f;
    if (thr.axis >= 0) std::fprintf(io.out, "throttle: axis %d%s\n", thr.axis, thr.invert ? " (reversed)" : "");
    else std::fprintf(io.out, "throttle: no axis moved, so the panel's throttle levers stay in charge.\n");

    if (!joy_config_write(cfg_path, cfg)) {
        std::fprintf(io.out, "I could not write the joystick settings to %s.\n", cfg_path);
        return 1;
    }
    std::fprintf(io.out, "Saved to %s. The simulator reads it at start.\n", cfg_path);
    return 0;
}

static int enter_on_stdin(void*)
{
    char line[200];
    return std::fgets(line, sizeof line, stdin) != nullptr;
}

int joy_setup_terminal(const char* cfg_path)
{
    joy_setup_io io = {stdout, enter_on_stdin, nullptr, pause_ms};
    return joy_setup_run(io, cfg_path);
}

}  // namespace orv
