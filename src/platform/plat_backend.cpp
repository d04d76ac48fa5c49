// The headless back end: no window and no drawing. Alerts go to standard error, input comes
// from the scripted queue, and presenting a frame waits for the next tick of a pretend display
// (when a frame rate is set), so that the frame-period adaptation keeps simulated time in step
// with real time as it does behind a real display.
#include "platform/plat_backend.h"

#include <chrono>
#include <cstdio>
#include <thread>

namespace orv {

static char shot_names[PLAT_SCRIPT_SHOTS][PLAT_SHOT_PATH];
static int  shot_count;

int plat_script_shot(const char* path)
{
    if (!path || !path[0] || shot_count >= PLAT_SCRIPT_SHOTS) return -1;
    if (std::snprintf(shot_names[shot_count], PLAT_SHOT_PATH, "%s", path) >= PLAT_SHOT_PATH) return -1;
    return shot_count++;
}

const char* plat_script_shot_path(int index) { return (index >= 0 && index < shot_count) ? shot_names[index] : ""; }

// Scripted events in time order. Filled once before the run; nothing is allocated per frame.
static plat_event script_q[PLAT_SCRIPT_MAX];
static int        script_n;      // events stored
static int        script_next;   // next event to hand out

int plat_script_push(const plat_event& ev)
{
    if (script_n >= PLAT_SCRIPT_MAX) return 0;
    // Insert after every event of the same or an earlier time so equal times keep file order.
    int at = script_n;
    while (at > script_next && script_q[at - 1].time > ev.time) {
        script_q[at] = script_q[at - 1];
        at--;
    }
    script_q[at] = ev;
    script_n++;
    return 1;
}

// A mouse-down ends the batch of one pass, so the frame that follows sees the button held and
// the matching release arrives with the next pass, as it would from a real mouse.
static int last_was_down;

// A new script starts with nothing held over from the old one's last mouse-down.
void plat_script_clear() { script_n = script_next = last_was_down = shot_count = 0; }
int  plat_script_pending() { return script_n - script_next; }

static int headless_init(int, int, const char*) { return PLAT_INIT_OK; }

static int headless_pump(double now, plat_event* out)
{
    if (last_was_down) { last_was_down = 0; return 0; }
    if (script_next >= script_n) return 0;
    if (script_q[script_next].time > now + 1e-9) return 0;
    *out = script_q[script_next++];
    last_was_down = (out->type == PLAT_EV_MOUSE_DOWN);
    return 1;
}

// 0: frames run as fast as they are computed (tests, --fixed-step batch runs).
static int frame_rate_hz;
static std::chrono::steady_clock::time_point next_tick;

void plat_headless_set_frame_rate(int hz)
{
    frame_rate_hz = hz > 0 ? hz : 0;
    next_tick = std::chrono::steady_clock::now();
}

static void headless_present()
{
    if (!frame_rate_hz) return;
    // The real clock, not the replaceable process clock: a test clock must never make us sleep.
    using clock = std::chrono::steady_clock;
    const auto tick = std::chrono::nanoseconds(1000000000LL / frame_rate_hz);
    next_tick += tick;
    const auto now = clock::now();
    if (next_tick > now) std::this_thread::sleep_until(next_tick);
    else if (now - next_tick > tick) next_tick = now;   // fell behind: no burst of short frames
}

static void headless_show_alert(const char* const lines[4], int code)
{
    std::fprintf(stderr, "Vantorel alert (%d):\n", code);
    for (int i = 0; i < 4; i++)
        if (lines[i] && lines[i][0]) std::fprintf(stderr, "  %s\n", lines[i]);
    std::fflush(stderr);
}

static void headless_finish() {}

static const plat_backend headless = {
    "headless", 1, headless_init, headless_pump, headless_present, headless_show_alert,
    headless_finish, 0, nullptr, nullptr, nullptr, nullptr, nullptr,
};

static const plat_backend* current = &headless;

const plat_backend* plat_headless_backend() { return &headless; }
const plat_backend* plat_backend_get() { return current; }
void plat_backend_install(const plat_backend* b) { current = b ? b : &headless; }

}  // namespace orv
