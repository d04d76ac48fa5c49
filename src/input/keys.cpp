#include "input/keys.h"

#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_joy.h"
#include "2-QZutils/qz_tune.h"
#include "2-QZutils/records.h"
#include "flight/events.h"
#include "input/views_keys.h"
#include "platform/plat_backend.h"

namespace orv {

namespace {

key_hooks hooks;

// Columns of the engine quadrant and radio stack the keys click (from oseng / osrad).
constexpr int kFlapDX = 650, kStopLeverDX = 786, kSbrkDX = 698, kTrimDX = 787, kGearDX = 625;
constexpr int kThroGrabDX = 6, kKnobGrabDX = 4;   // into a lever's column from its left edge
constexpr int kStopLow = 52, kStopHigh = 4;
constexpr int kTrimDownY = 122, kTrimUpY = 81;
constexpr int kReverseInY = 23, kReverseOutY = 11;
constexpr int kSbrkInY = 123, kSbrkOutY = 93;
constexpr int kAutopilotRowY = 90;
constexpr int kSpareClickX = 760, kSpareClickY = 314;

void menu(int code)
{
    if (code >= VIEW_FORWARD && code <= VIEW_SHOW_PATH) view_menu(code);
    else if (hooks.menu) hooks.menu(code);
}

void click(int x, int y)
{
    if (hooks.panel_click) hooks.panel_click(x, y);
}

// The panel of the loaded aircraft; false while there is none (the click keys then rest).
bool layout(key_panel* p)
{
    *p = key_panel{};
    return hooks.panel_layout && hooks.panel_layout(p);
}

// Every throttle goes into reverse together, or back out, as engine 0's does.
void reverser_click(const key_panel& p)
{
    const int was = mnw.delay_dragging;
    mnw.delay_dragging = 1;   // the lever is dragged past its detent, as the hand would
    for (int e = 0; e < intlim(p.engines, 1, 4); e++)
        click(p.oseng + p.thro_x[e] + kThroGrabDX, p.engine0_reversing ? kReverseInY : kReverseOutY);
    mnw.delay_dragging = was;
}

void heading_select_off(const key_panel& p, bool have)
{
    ott.HDSLCT = 1;
    ott.NAV[0] = ott.NAV[1] = 0;
    ott.ALHOLD = ott.VVHOLD = ott.GS2 = ott.ASHOLD = 0;
    // The heading button now switches everything off; without a panel the modes go off here.
    if (have && hooks.panel_click) click(p.osrad + 494, kAutopilotRowY);
    else ott.HDSLCT = 0;
    if (voice_warnings() && hooks.play_buffer) hooks.play_buffer(VOICE_BUFFER_AP_OFF, 0);
}

bool frequency_key(int ch)
{
    struct tune { char key; int* frq; void (*inc)(int*, int); int step; };
    const tune table[] = {
        {'Q', &nav.cf[0], COMinc, -1000}, {'W', &nav.cf[0], COMinc, 1000},
        {'E', &nav.cf[0], COMinc, -50},   {'R', &nav.cf[0], COMinc, 50},
        {'T', &nav.nf[0], NAVinc, -1000}, {'Y', &nav.nf[0], NAVinc, 1000},
        {'U', &nav.nf[0], NAVinc, -50},   {'I', &nav.nf[0], NAVinc, 50},
        {'A', &nav.cf[1], COMinc, -1000}, {'S', &nav.cf[1], COMinc, 1000},
        {'D', &nav.cf[1], COMinc, -50},   {'F', &nav.cf[1], COMinc, 50},
        {'G', &nav.nf[1], NAVinc, -1000}, {'H', &nav.nf[1], NAVinc, 1000},
        {'J', &nav.nf[1], NAVinc, -50},   {'K', &nav.nf[1], NAVinc, 50},
        {'O', &nav.adff, ADFinc, -100},   {'P', &nav.adff, ADFinc, 100},
        {'L', &nav.adff, ADFinc, -10},    {':', &nav.adff, ADFinc, 10},
        {'>', &nav.adff, ADFinc, -1},     {'?', &nav.adff, ADFinc, 1},
        {'Z', &nav.tran1, XPNinc, -1},    {'X', &nav.tran1, XPNinc, 1},
        {'C', &nav.tran2, XPNinc, -1},    {'V', &nav.tran2, XPNinc, 1},
        {'B', &nav.tran3, XPNinc, -1},    {'N', &nav.tran3, XPNinc, 1},
        {'M', &nav.tran4, XPNinc, -1},    {'<', &nav.tran4, XPNinc, 1},
    };
    for (const tune& t : table)
        if (t.key == ch) {
            t.inc(t.frq, t.step);
            return true;
        }
    return false;
}

// Keys that click the panel; answers false for any other key.
bool panel_key(int ch)
{
    key_panel p;
    const bool have = layout(&p);
    const int glass = pln.paneltype == 2;
    const int x6 = p.x_loc[6], y6 = p.y_loc[6] - (glass ? 80 : 50);
    const int x4 = p.x_loc[4], y4 = p.y_loc[4];
    int x = -1, y = -1;
    switch (ch) {
    case '1': x = p.oseng + kFlapDX; y = flap_key_target('1', p.flap); break;
    case '2': x = p.oseng + kFlapDX; y = flap_key_target('2', p.flap); break;
    case '3': x = p.oseng + kStopLeverDX; y = kStopLow; break;
    case '4': x = p.oseng + kStopLeverDX; y = kStopHigh; break;
    case '5': x = p.oseng + kSbrkDX; y = sbrk_key_target('5', p.sbrk); break;
    case '6': x = p.oseng + kSbrkDX; y = sbrk_key_target('6', p.sbrk); break;
    case '[': x = p.oseng + kTrimDX; y = kTrimDownY; break;
    case ']': x = p.oseng + kTrimDX; y = kTrimUpY; break;
    case '7': x = p.osrad + 580; y = 40; break;
    case '8': x = p.osrad + 590; y = 40; break;
    case '9': x = p.osrad + 580; y = 20; break;
    case '0': x = p.osrad + 590; y = 20; break;
    case 'b': x = p.osrad + 520; y = 10; break;
    case 'g': x = p.oseng + kGearDX; y = 30; break;   // the gear handle is on the engine panel
    case '$': x = p.osrad + 516; y = kAutopilotRowY; break;
    case '%': x = p.osrad + 536; y = kAutopilotRowY; break;
    case '^': x = p.osrad + 556; y = kAutopilotRowY; break;
    case '&': x = p.osrad + 579; y = kAutopilotRowY; break;
    case '*': x = p.osrad + 619; y = kAutopilotRowY; break;
    case 'n': x = x6 - 50; y = y6; break;
    case 'm': x = x6 - 25; y = y6; break;
    case 'y': x = x6 + 35; y = y6; break;
    case 'u': x = x6 + 60; y = y6; break;
    case 'i': x = p.x_loc[10]; y = p.y_loc[10] - 10; break;
    case 'o': x = p.x_loc[10]; y = p.y_loc[10] + 10; break;
    case 'h': x = x4 - 38; y = y4 - 40; break;
    case 'j': x = x4 - 18; y = y4 - 40; break;
    case 'k': x = x4 - 40; y = y4 - 35; break;
    case 'l': x = x4 - 40; y = y4 - 45; break;
    case 'p': x = kSpareClickX; y = kSpareClickY; break;
    case '.': if (have) reverser_click(p); return true;
    case '!': heading_select_off(p, have); return true;
    default: return false;
    }
    if (have) click(x, y);
    return true;
}

void lever_step(int lever, int dy)
{
    key_panel p;
    if (!layout(&p)) return;
    if (lever == JOY_LEVER_VECTOR) click(p.oseng + p.vect_x, p.vect + dy);
    else if (lever == JOY_LEVER_SWEEP) click(p.oseng + p.swee_x, p.swee + dy);
}

void speedbrake_toggle()
{
    key_panel p;
    if (!layout(&p)) return;
    click(p.oseng + kSbrkDX, flt.sbrk > 0 ? kSbrkInY : kSbrkOutY);
}

void joystick_panel_click(int x, int y) { click(x, y); }

}  // namespace

void keys_set_hooks(const key_hooks& h) { hooks = h; }

int flap_key_target(int key, int flap)
{
    if (key == '1') {
        if (flap < 80) return 88;
        if (flap < 95) return 103;
        if (flap < 110) return 117;
        return 127;
    }
    if (flap > 122) return 117;
    if (flap > 110) return 103;
    if (flap > 95) return 88;
    return 73;
}

int sbrk_key_target(int key, int sbrk)
{
    if (key == '5') {
        if (sbrk < 98) return 103;
        if (sbrk < 108) return 113;
        return 123;
    }
    if (sbrk > 118) return 113;
    if (sbrk > 108) return 103;
    return 93;
}

void key_command(int ch)
{
    msc.key_pressed = (char)ch;
    if (frequency_key(ch) || panel_key(ch)) return;
    switch (ch) {
    case 13: if (hooks.atc_enter) hooks.atc_enter(); break;
    case 'w': menu(VIEW_FORWARD); break;
    case 's': menu(VIEW_DOWN4); break;
    case 'x': menu(VIEW_DOWN8); break;
    case 'q': menu(view_turned(set.view_type, -1)); break;
    case 'e': menu(view_turned(set.view_type, 1)); break;
    case 'z': menu(VIEW_BACK); break;
    case 't': menu(VIEW_TOWER); break;
    case '#': menu(VIEW_RUNWAY); break;
    case 'a': menu(VIEW_CHASE); break;
    case '|': menu(VIEW_FOLLOW); break;
    case '@': menu(VIEW_SPOT); break;
    case '_': menu(VIEW_FULL_HUD); break;
    case '+': menu(VIEW_FULL_NO_HUD); break;
    case '=': menu(VIEW_ZOOM_IN); break;
    case '-': menu(VIEW_ZOOM_OUT); break;
    case 'd': menu(402); break;   // the "Low Enroute" map
    default: break;
    }
}

void yoke_key(int code)
{
    switch (code) {
    case 0: set.MK_roll = 0; set.MK_hdng = 0; break;   // the pitch the pilot set stays
    case 1: set.MK_ptch += YOKE_PITCH_STEP; break;
    case 2: set.MK_ptch -= YOKE_PITCH_STEP; break;
    case 3: set.MK_roll -= YOKE_ROLL_STEP; break;
    case 4: set.MK_roll += YOKE_ROLL_STEP; break;
    case 5: set.MK_hdng -= YOKE_YAW_STEP; break;
    case 6: set.MK_hdng += YOKE_YAW_STEP; break;
    default: return;
    }
    set.MK_ptch = fltlim(set.MK_ptch, -1, 1);
    set.MK_roll = fltlim(set.MK_roll, -1, 1);
    set.MK_hdng = fltlim(set.MK_hdng, -1, 1);
}

void function_key(int code)
{
    const int shift = code >= 40;
    const int n = code - (shift ? 40 : 28);
    if (n < 0 || n > 11) return;
    key_panel p;
    if (!layout(&p)) return;
    const int kind = n / 4, lever = n % 4;   // 0 throttles, 1 propellers, 2 mixtures
    if (kind == 0) set.thro_pot = 0;        // the throttle follows the panel again
    const int* col = kind == 0 ? p.thro_x : kind == 1 ? p.prop_x : p.mixt_x;
    const int* knob = kind == 0 ? p.thro : kind == 1 ? p.prop : p.mixt;
    const int dx = kind == 0 ? kThroGrabDX : kKnobGrabDX;
    const int lift = kind == 0 ? (shift ? 9 : 5) : (shift ? 15 : 11);
    if (!set.eq_thr) {
        click(p.oseng + col[lever] + dx, knob[lever] + lift);
        return;
    }
    // A hardware throttle gangs the levers: only the first key of each kind acts, and it
    // moves every engine's lever of that kind to engine 0's height.
    if (lever != 0) return;
    for (int e = 0; e < intlim(p.engines, 1, 4); e++) click(p.oseng + col[e] + dx, knob[0] + lift);
}

void keys_handle(int c)
{
    if (c == PLAT_KEY_LEFT) freeviews_keys(FREEVIEW_LEFT);
    else if (c == PLAT_KEY_RIGHT) freeviews_keys(FREEVIEW_RIGHT);
    else if (c == PLAT_KEY_UP) freeviews_keys(FREEVIEW_UP);
    else if (c == PLAT_KEY_DOWN) freeviews_keys(FREEVIEW_DOWN);
    else if (c >= PLAT_KEY_F1 && c < PLAT_KEY_F1 + 12) {
        const int f = c - PLAT_KEY_F1;             // F10's place is Backspace's
        if (f != 9) function_key(28 + f);
    } else if (c >= PLAT_KEY_SHIFT_F1 && c < PLAT_KEY_SHIFT_F1 + 12) {
        const int f = c - PLAT_KEY_SHIFT_F1;
        if (f != 9) function_key(40 + f);
    } else if (c == 8) {
        function_key(28 + 9);
    } else if (c >= PLAT_KEY_KP0 && c <= PLAT_KEY_KP0 + 9) {
        static const int yoke_of_digit[10] = {-1, 5, 1, 6, 3, 0, 4, -1, 2, -1};
        const int code = yoke_of_digit[c - PLAT_KEY_KP0];
        if (code >= 0) yoke_key(code);
    } else if (c > 0 && c < 0x100) {
        key_command(c);
    }
}

void keys_install()
{
    joy_input_hooks j = {};
    j.key = keys_handle;
    j.yoke_key = yoke_key;
    j.freeviews_keys = freeviews_keys;
    j.menu = menu;
    j.panel_click = joystick_panel_click;
    j.lever_step = lever_step;
    j.speedbrake_toggle = speedbrake_toggle;
    joy_set_input_hooks(j);
}

}  // namespace orv
