#include "2-QZutils/qz_joy.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "2-QZutils/qz_force.h"
#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/records.h"
#include "platform/plat_joy.h"

namespace orv {

namespace {

constexpr int kMovedThreshold = 256;   // raw counts an axis must leave its first reading by

joy_config      cfg = joy_default_config(0);
int             cfg_for_kind = -1;     // device kind the defaults were chosen for (-1: none yet)
joy_input_hooks hooks;
joy_frame       frame;
int             o_button_pressed[JOY_VBUTTONS];
int             o_but[5];              // last frame's raw buttons 1..4 (index 0 unused)

// Linux reports some axes at an end stop until they first move: until then they read centred.
struct axis_memory {
    unsigned serial;
    int      known;
    int      first[PLAT_JOY_MAX_AXES];
    int      moved[PLAT_JOY_MAX_AXES];
};
axis_memory memory[PLAT_JOY_SLOTS];

int settled_axis(int slot, const plat_joy_state& st, int a)
{
    axis_memory& m = memory[slot];
    if (!m.known || m.serial != st.serial) {
        m = axis_memory{};
        m.known = 1;
        m.serial = st.serial;
        for (int i = 0; i < PLAT_JOY_MAX_AXES; i++) m.first[i] = st.axis[i];
    }
    if (!m.moved[a] && std::abs(st.axis[a] - m.first[a]) > kMovedThreshold) m.moved[a] = 1;
    return m.moved[a] ? st.axis[a] : PLAT_JOY_AXIS_CENTRE;
}

int axis_moved(int slot, int a) { return memory[slot].moved[a]; }

void send_key(int c) { if (hooks.key) hooks.key(c); }
void send_menu(int code) { if (hooks.menu) hooks.menu(code); }

int held(unsigned buttons, int n) { return (buttons >> (n - 1)) & 1u; }

void virtual_buttons(const plat_joy_state& st, int* vb)
{
    for (int i = 0; i < JOY_VBUTTONS; i++) vb[i] = 0;
    vb[0] = st.pov == 0;
    vb[1] = st.pov == 18000;
    vb[2] = st.pov == 27000;
    vb[3] = st.pov == 9000;
    int first4 = 0;
    for (int n = 1; n <= 4; n++) first4 += held(st.buttons, n);
    for (int n = 1; n <= 4; n++) vb[3 + n] = held(st.buttons, n) && first4 == 1;
    for (int n = 5; n <= 16; n++) vb[3 + n] = held(st.buttons, n);
}

void collective(unsigned buttons)
{
    int b[5] = {0, held(buttons, 1), held(buttons, 2), held(buttons, 3), held(buttons, 4)};
    if (pln.is_heli && (pln.entype == 1 || pln.entype == 2) && set.eq_col) {
        float c = flt.throrequest[0];
        if (b[3] && !o_but[3]) c -= 0.1f;
        if (b[4] && !o_but[4]) c += 0.1f;
        if (b[2] && b[3]) c = 0;
        if (b[2] && b[4]) c = 1;
        c = fltlim(c, 0, 1);
        flt.throrequest[0] = c;
        flt.throrequest[1] = c;     // the second engine drives the same rotor
    }
    for (int n = 1; n <= 4; n++) o_but[n] = b[n];
}

int variable_sweep()
{
    for (int p = 0; p < 28; p++)
        if (pln.varsweepEQ[p]) return 1;
    return 0;
}

void lever_step(int dy)
{
    if (!hooks.lever_step) return;
    if (pln.vectEQ) hooks.lever_step(JOY_LEVER_VECTOR, dy);
    else if (variable_sweep()) hooks.lever_step(JOY_LEVER_SWEEP, dy);
}

void while_held(int fn)
{
    static const char repeat_keys[7] = {0, ']', '[', '9', '0', '7', '8'};
    if (fn >= 1 && fn <= 6) send_key(repeat_keys[fn]);
    else if (fn >= 25 && fn <= 28 && hooks.freeviews_keys) hooks.freeviews_keys(fn);
}

void on_press(int fn)
{
    switch (fn) {
    case 7: if (hooks.yoke_key) hooks.yoke_key(5); break;
    case 8: if (hooks.yoke_key) hooks.yoke_key(6); break;
    case 9: send_menu(500); break;
    case 10: send_menu(502); break;
    case 11: send_menu(506); break;
    case 12: send_menu(507); break;
    case 13: send_key('q'); break;
    case 14: send_key('e'); break;
    case 15: send_key('1'); break;
    case 16: send_key('2'); break;
    case 17: lever_step(-JOY_LEVER_STEP_PX); break;
    case 18: lever_step(JOY_LEVER_STEP_PX); break;
    case 19: send_key('g'); break;
    case 20: set.parkbrake = 1; break;
    case 21: if (hooks.speedbrake_toggle) hooks.speedbrake_toggle(); break;
    case 22: send_key('!'); break;
    case 23: send_key('.'); break;
    case 24: if (hooks.panel_click) hooks.panel_click(JOY_CLICK_X, JOY_CLICK_Y); break;
    case 29: send_key(13); break;
    default: break;
    }
}

void on_release(int fn)
{
    if (fn == 20) set.parkbrake = 0;
    if (fn >= 10 && fn <= 12) send_menu(500);   // the glance ends with the button
}

void button_functions(const int* vb)
{
    for (int i = 0; i < JOY_VBUTTONS; i++) {
        const int fn = set.joy_response[i];
        if (vb[i]) while_held(fn);
        if (vb[i] && !o_button_pressed[i]) on_press(fn);
        if (!vb[i] && o_button_pressed[i]) on_release(fn);
    }
}

void choose_defaults_for(int is_controller)
{
    if (cfg.from_file || cfg_for_kind == is_controller) return;
    cfg = joy_default_config(is_controller);
    cfg_for_kind = is_controller;
}

// Reads the stick in use; answers 1 and fills the mapped axes when it answered.
int read_stick(plat_joy_state* st)
{
    if (set.controls_type != JOY_TYPE_STICK1 && set.controls_type != JOY_TYPE_STICK2) return 0;
    const int slot = set.controls_type - JOY_TYPE_STICK1;
    if (!plat_joy_get()->read(slot, st)) return 0;
    choose_defaults_for(st->is_controller);
    frame.have_throttle = 0;
    for (int c = 0; c < JOY_CTL_COUNT; c++) {
        const int a = cfg.ctl[c].axis;
        const int present = a >= 0 && a < st->naxes && a < PLAT_JOY_MAX_AXES;
        const int raw = present ? settled_axis(slot, *st, a) : PLAT_JOY_AXIS_CENTRE;
        if (c == JOY_CTL_THROTTLE) {
            // An absent or untouched throttle reads closed, so it never grabs the levers.
            frame.have_throttle = present && axis_moved(slot, a);
            frame.axis[c] = frame.have_throttle ? joy_axis_value(c, raw, cfg.ctl[c]) : 0.0f;
        } else {
            frame.axis[c] = joy_axis_value(c, raw, cfg.ctl[c]);
        }
    }
    return 1;
}

// A stick pulled out drops to the mouse; one plugged in while flying with the mouse is taken.
void follow_hot_plug(int answered)
{
    char line[160];
    if (set.controls_type != JOY_TYPE_NONE && !answered) {
        std::snprintf(line, sizeof line, "Joystick %d no longer answers: flight control goes back to the mouse.",
                      set.controls_type - JOY_TYPE_STICK1 + 1);
        mnw_log(line);
        CloseStick();
        set.controls_type = JOY_TYPE_NONE;
        joy_reset();
        return;
    }
    if (set.controls_type != JOY_TYPE_NONE) return;
    const plat_joy_ops* ops = plat_joy_get();
    if (ops->device_count() <= 0) return;
    plat_joy_state st;
    for (int slot = 0; slot < PLAT_JOY_SLOTS; slot++) {
        if (!ops->read(slot, &st)) continue;
        set.controls_type = JOY_TYPE_STICK1 + slot;
        msc.mouse_is_joy = 0;
        std::snprintf(line, sizeof line, "Joystick %d answers (%s): it flies the aircraft now.", slot + 1,
                      ops->device_name(slot));
        mnw_log(line);
        SetJoystickPort(slot + 1);
        InitStick(0);
        EnableForces();
        return;
    }
}

}  // namespace

void joy_set_input_hooks(const joy_input_hooks& h) { hooks = h; }
const joy_frame& joy_last_frame() { return frame; }
joy_config& joy_settings() { return cfg; }

void joy_reset()
{
    for (int i = 0; i < JOY_VBUTTONS; i++) o_button_pressed[i] = frame.n_button_pressed[i] = 0;
    for (int n = 0; n < 5; n++) o_but[n] = 0;
    for (int s = 0; s < PLAT_JOY_SLOTS; s++) memory[s] = axis_memory{};
    frame = joy_frame{};
}

int JOY_init()
{
    set.controls_type = JOY_TYPE_NONE;
    joy_reset();
    const plat_joy_ops* ops = plat_joy_get();
    if (ops->poll) ops->poll();
    const int devices = ops->device_count();
    plat_joy_state st;
    if (devices >= 0) {
        if (ops->read(0, &st)) set.controls_type = JOY_TYPE_STICK1;
        else if (ops->read(1, &st)) set.controls_type = JOY_TYPE_STICK2;
    }
    if (set.controls_type != JOY_TYPE_NONE) {
        SetJoystickPort(set.controls_type - JOY_TYPE_STICK1 + 1);
        InitStick(0);
        EnableForces();
        return 1;
    }
    if (devices < 0)
        MACIBM_alert("My system-checking indicates that Linux is NOT set up to handle any joysticks!",
                     "The problem is in the Linux joystick support (the input drivers, or your access to /dev/input).",
                     "Flight control will therefore be with the mouse.",
                     "Click the mouse in the center of the windshield to toggle between flight-control and regular mouse mode.",
                     ALERT_NOTE);
    else
        MACIBM_alert("My system-checking indicates that there are no joysticks on this computer",
                     "See the devices under /dev/input (and your access to them) if you have a joystick plugged in.",
                     "Flight control will therefore be with the mouse.",
                     "Click the mouse in the center of the windshield to toggle between flight-control and regular mouse mode.",
                     ALERT_NOTE);
    return 0;
}

float JOY_curve(float* dat, float nz)
{
    float v = *dat;
    if (v < 0) v = fltmin2(v + nz, 0.0f);
    else if (v > 0) v = fltmax2(v - nz, 0.0f);
    *dat = v;
    return fltsgn(v) * std::pow(std::fabs(v), 1.5f);
}

void JOY_get(float* joy_ptch, float* joy_roll, float* joy_hdng, float* joy_thro, int mouse_key)
{
    float ptch = 0, roll = 0, hdng = 0, thro = 0;
    plat_joy_state st = {};
    st.pov = PLAT_JOY_POV_CENTRED;
    if (plat_joy_get()->poll) plat_joy_get()->poll();
    const int had_stick = set.controls_type == JOY_TYPE_STICK1 || set.controls_type == JOY_TYPE_STICK2;
    const int answered = read_stick(&st);
    if (had_stick || set.controls_type == JOY_TYPE_NONE) follow_hot_plug(answered);
    frame.device = answered;
    if (answered) {
        // The springs hold a trimmed stick off centre: what counts is the pilot's push from there.
        ptch = frame.axis[JOY_CTL_PITCH] - force_spring_centre_y();
        roll = frame.axis[JOY_CTL_ROLL] - force_spring_centre_x();
        hdng = frame.axis[JOY_CTL_YAW];
        thro = frame.axis[JOY_CTL_THROTTLE];
    } else {
        for (int c = 0; c < JOY_CTL_COUNT; c++) frame.axis[c] = 0;
        frame.have_throttle = 0;
    }
    int vb[JOY_VBUTTONS];
    virtual_buttons(st, vb);
    collective(st.buttons);
    if (set.controls_type == JOY_TYPE_NONE) ptch = roll = hdng = 0;
    if (!set.eq_ped) hdng = 0;
    if (mouse_key) {
        ptch += set.MK_ptch;
        roll += set.MK_roll;
        hdng += set.MK_hdng;
    }
    ptch = JOY_curve(&ptch, set.NZptch) * set.joy_rat_ptch;
    roll = JOY_curve(&roll, set.NZroll) * set.joy_rat_roll;
    hdng = JOY_curve(&hdng, 0.0f) * set.joy_rat_hdng;
    *joy_ptch = fltlim(ptch, -1, 1);
    *joy_roll = fltlim(roll, -1, 1);
    *joy_hdng = fltlim(hdng, -1, 1);
    *joy_thro = fltlim(thro, -1, 1);

    if (mouse_key) button_functions(vb);
    for (int i = 0; i < JOY_VBUTTONS; i++) frame.n_button_pressed[i] = o_button_pressed[i] = vb[i];
}

static joy_force_request force_req[JOY_FORCE_LAST - JOY_FORCE_FIRST + 1];

// The springs' centre follows the trim, so a trimmed aircraft flies with the stick at rest
// (the same shares of the trims the controls add to the stick).
static int trim_centre_x() { return (int)std::lround(100 * 0.1f * flt.ail_trim); }
static int trim_centre_y() { return (int)std::lround(100 * 0.5f * flt.elv_trim); }

void JOY_force(int type, int a1, int a2, int a3)
{
    if (type < JOY_FORCE_FIRST || type > JOY_FORCE_LAST) return;
    switch (type) {
    case 26: a1 = intlim(a1, -100, 100); a2 = intlim(a2, -100, 100); a3 = intlim(a3, 0, 100); break;
    case 27:
    case 28: a1 = intlim(a1, 0, 100); a2 = intlim(a2, 0, 50); a3 = 0; break;
    case 31: a1 = intlim(a1, 0, 100); a2 = a3 = 0; break;
    case 33: a1 = intlim(a1, 0, 100); a2 = ((a2 % 360) + 360) % 360; a3 = intlim(a3, 0, 2500); break;
    default: a1 = a2 = a3 = 0; break;
    }
    joy_force_request& r = force_req[type - JOY_FORCE_FIRST];
    r.count++;
    r.a1 = a1;
    r.a2 = a2;
    r.a3 = a3;
    switch (type) {
    case 26:
        XSpring(intlim(a1 + trim_centre_x(), -100, 100), a3, a3);
        YSpring(intlim(a2 + trim_centre_y(), -100, 100), a3, a3);
        break;
    case 27: XVibration(a1, a1, a2); break;
    case 28: XVibration(a1, a1, a2); YVibration(a1, a1, a2); break;
    case 29: XVibrationClear(); break;
    case 30: YVibrationClear(); break;
    case 31: Buffeting(a1); break;
    case 32: BuffetingClear(); break;
    case 33: Jolt(a1, a2, a3); break;
    case 34: ClearForces(); break;
    default: break;
    }
}

const joy_force_request* JOY_force_request(int type)
{
    if (type < JOY_FORCE_FIRST || type > JOY_FORCE_LAST) return nullptr;
    return &force_req[type - JOY_FORCE_FIRST];
}

void JOY_close()
{
    CloseStick();
    plat_joy_get()->close();
}

}  // namespace orv
