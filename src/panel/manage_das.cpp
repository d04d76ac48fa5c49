#include "panel/manage_das.h"

#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_tune.h"
#include "2-QZutils/records.h"
#include "flight/autopilot.h"
#include "flight/flight_hooks.h"
#include "flight/funct.h"
#include "panel/p_gps_face.h"
#include "panel/p_panel_art.h"
#include "panel/p_init.h"
#include "panel/panel_laws.h"

namespace orv {

namespace {

constexpr int NO_JOYSTICK = -1;                // set.controls_type without a stick
constexpr int ENGINE_SLOT = 0, WIND_SLOT = 1, RAIN_SLOT = 2;
constexpr float BARO_MIN = 28.0f, BARO_MAX = 32.0f;
constexpr float TRIM_RATE = 0.1f;              // trim travel per second held
constexpr float RADALT_BUG_STEP_FT = 10.0f;
constexpr float RANGE_MIN = 2.5f, RANGE_MAX = 320.0f;
constexpr float REPLY_TIME_S = 3.0f;

bool all_throttles;                            // the controls' throttle sync is clicking

// A click inside box b of the radio stack, the stack at x offset ox.
bool in_box(int x, int y, int ox, const panel_box& b) { return intbox(x, y, ox + b.x0, b.y0, ox + b.x1, b.y1); }

// One press of a knob or toggle, or a frame of holding it.
bool pressed() { return mnw.mouse_clicked || !mnw.delay_dragging; }
int  knob_step() { return mnw.delay_dragging ? 3 : 1; }
int  side(int x, int centre) { return x >= centre ? 1 : -1; }

void toggle(int* flag) { *flag = !*flag; }

void pause_toggle()
{
    msc.paused = !msc.paused;
    if (msc.paused) {
        fh_stop(ENGINE_SLOT);
        fh_stop(WIND_SLOT);
        fh_stop(RAIN_SLOT);
        return;
    }
    if (pln.entype) fh_play(ENGINE_SLOT, 1);
    fh_play(WIND_SLOT, 1);
    if (atm.temp_SL > 32.0f && atm.rain_tstm > 1.0f) fh_play(RAIN_SLOT, 1);
}

void equipment_strip(int x, int y)
{
    if (!intbox(x, y, 0, 314, 800, 330) || !pressed()) return;
    if (pln.HUDtype != 1 && intbox(x, y, 26, 314, 66, 330)) toggle(&ins.HUD_on);
    if (pln.HUDtype == 3 && intbox(x, y, 72, 314, 112, 330)) toggle(&ins.HOOP_on);
    if (pln.HUDtype != 1 && intbox(x, y, 118, 314, 133, 330))
        ins.hud_brt = ins.hud_brt >= 1.0f ? 0.25f : ins.hud_brt + 0.25f;
    if (pln.chuteEQ && intbox(x, y, 498, 314, 538, 330)) toggle(&ins.chute_on);
    if (pln.arrestingEQ && intbox(x, y, 544, 314, 584, 330)) toggle(&ins.hook_down);
    if (pln.antiiceEQ && intbox(x, y, 590, 314, 630, 330)) toggle(&ins.antiice_on);
    if (pln.jettisonEQ && intbox(x, y, 636, 314, 676, 330)) flt.m_jettison = 0;
    if (pln.jatoEQ && intbox(x, y, 682, 314, 722, 330)) toggle(&ins.jato_on);
    if (intbox(x, y, 730, 314, 790, 330)) pause_toggle();
}

void autopilot_knobs(int x, int y)
{
    if (!intbox(x, y, 305, 305, 495, 325)) return;
    const int dir = y > 315 ? 1 : -1;
    if (intbox(x, y, 305, 305, 325, 325)) ap_knob_alt(dir);
    if (intbox(x, y, 390, 305, 410, 325)) ap_knob_vvi(dir);
    if (intbox(x, y, 475, 305, 495, 325)) ap_knob_spd(dir);
}

// A knob reaching `half` pixels either side of (cx, cy) and 10 up and down: answers -1 or +1 by
// the half clicked, 0 off the knob.
int knob(int x, int y, int cx, int cy, int half = 10)
{
    if (!intbox(x, y, cx - half, cy - 10, cx + half, cy + 10)) return 0;
    return side(x, cx);
}

// The supplementary instrument's knob: turned by its left and right halves, and rocked by
// pressing its rim above or below the axis (the second function of the instruments that
// have one). Answers the turn in *turn or the rock in *rock, -1 or +1.
void supp_knob(int x, int y, int cx, int cy, int* turn, int* rock)
{
    *turn = *rock = 0;
    if (!intbox(x, y, cx - SUPP_KNOB_HALF, cy - 10, cx + SUPP_KNOB_HALF, cy + 10)) return;
    if (y - cy >= SUPP_ROCK_DY) *rock = 1;
    else if (cy - y >= SUPP_ROCK_DY) *rock = -1;
    else *turn = side(x, cx);
}

void wrap_degrees(float* v, int dir) { *v = fltwrap(*v + dir * knob_step(), 0, 360); }
void wrap_degrees(int* v, int dir) { *v = intwrap(*v + dir * knob_step(), 0, 359); }

float range_step(float r, int dir) { return fltlim(dir > 0 ? r * 2.0f : r / 2.0f, RANGE_MIN, RANGE_MAX); }

void instrument_knobs(int x, int y)
{
    const int *X = ins.x_loc, *Y = ins.y_loc;
    const bool glass = pln.paneltype == 2;
    if (ins.avail[INS_AHZ]) {
        const int d = knob(x, y, X[INS_AHZ] + 50, Y[INS_AHZ] - 50);
        if (d) set.ah_bar_adjust = intlim(set.ah_bar_adjust + d, -10, 10);
    }
    if (ins.avail[INS_HSI]) {
        // heading bug knob left, course knob right, below the card (lower on the glass panel)
        const int ky = Y[INS_HSI] - (glass ? 80 : 50);
        if (const int d = knob(x, y, X[INS_HSI] + HSI_BUG_KNOB_DX, ky, HSI_KNOB_HALF)) wrap_degrees(&nav.hdsel, d);
        if (const int d = knob(x, y, X[INS_HSI] + HSI_OBS_KNOB_DX, ky, HSI_KNOB_HALF)) wrap_degrees(&nav.obs[1], d);
    }
    if (ins.avail[INS_ADF])
        if (const int d = knob(x, y, X[INS_ADF] - 38, Y[INS_ADF] - 75)) wrap_degrees(&ins.adf_card, d);
    if (ins.avail[INS_BARO_KNOB] || ins.avail[INS_ALT]) {
        const int cx = X[INS_BARO_KNOB], cy = Y[INS_BARO_KNOB];
        if (intbox(x, y, cx - 10, cy - 12, cx + 10, cy + 12)) {
            const float step = glass ? 0.01f : 0.003f;
            ins.baro = fltlim(ins.baro + (y >= cy ? step : -step), BARO_MIN, BARO_MAX);
        }
    }
    if (!ins.avail[INS_SUPP]) return;
    int d, b;
    supp_knob(x, y, X[INS_SUPP] + SUPP_KNOB_DX, Y[INS_SUPP] + SUPP_KNOB_DY, &d, &b);
    switch (pln.supptype) {
    case SUPP_CLOCK:
        if ((d || b) && pressed()) {
            if (msc.timer_running) msc.timer_running = 0;
            else if (msc.timr_time > 0.0f) msc.timr_time = 0.0f;
            else msc.timer_running = 1;
        }
        break;
    case SUPP_VOR2:
        if (d || b) wrap_degrees(&nav.obs[0], d ? d : b);
        break;
    case SUPP_RADALT:
        if (b) d = b;
        if (d) ins.radalt_ft = fltlim(ins.radalt_ft + d * knob_step() * RADALT_BUG_STEP_FT, 0, RADALT_MAX_FT);
        break;
    case SUPP_MOVING_MAP:
        if (d && pressed()) ins.arg_range = range_step(ins.arg_range, d);
        if (b && pressed()) ins.arg_mode = ins.arg_mode == 1 ? 2 : 1;
        break;
    case SUPP_WX_RADAR:
        if (b) d = b;
        if (d && pressed()) ins.rad_range = range_step(ins.rad_range, d);
        break;
    default: break;
    }
}

void glass_controls(int x, int y)
{
    if (pln.paneltype != 2 || !pressed()) return;
    // The map's buttons along its lower edge: z-, z+, enr, arr, wxr, TCAS.
    const int bx = ins.x_loc[INS_EFIS] + 232, by = ins.y_loc[INS_EFIS] + 4;
    for (int k = 0; k < 6; ++k) {
        if (!intbox(x, y, bx + EFIS_BUTTON_PITCH * k, by, bx + EFIS_BUTTON_PITCH * k + 24, by + 10)) continue;
        switch (k) {
        case 0: ins.map_range = range_step(ins.map_range, -1); break;
        case 1: ins.map_range = range_step(ins.map_range, 1); break;
        case 2: ins.map_mode = 1; break;
        case 3: ins.map_mode = 2; break;
        case 4: toggle(&ins.EFIS_wxr); break;
        default: toggle(&ins.EFIS_tcas); break;
        }
    }
}

void engine_display_pages(int x, int y)
{
    if (!pln.ecam || !pressed()) return;
    // five page buttons under the display: ENGN, FUEL, FCON, HYDR, FAIL (pages 3..7)
    const int bx = oseng + 648;
    for (int k = 0; k < 5; ++k)
        if (intbox(x, y, bx + 30 * k, 140, bx + 30 * k + 26, 150)) ins.ecam_mode = 3 + k;
}

void radio_stack(int x, int y)
{
    const int ox = osrad;
    if (pressed() && in_box(x, y, ox, SPEAKER_SWITCH)) nav.radout = intwrap(nav.radout + 1, 0, 2);
    // the DME selector shares its place with the GPS screen, which then has the place
    if (!plane_has_gps() && pressed() && in_box(x, y, ox, DME_SELECTOR)) nav.dmesel = !nav.dmesel;

    // NAV and COM rows: a knob per radio, the left half steps the megahertz, the right half
    // the hundredths; the upper half tunes up.
    for (int r = 0; r < 2; ++r) {
        const int kx = ox + RADIO_KNOB_DX + RADIO_KNOB_W * r;
        for (int row = 0; row < 2; ++row) {
            const int y1 = row == 0 ? NAV_Y0 : COM_Y0, y2 = row == 0 ? NAV_Y1 : COM_Y1;
            if (!intbox(x, y, kx, y1, kx + RADIO_KNOB_W - 1, y2)) continue;
            const int up = y > (y1 + y2) / 2 ? 1 : -1;
            const int step = up * (x < kx + RADIO_KNOB_W / 2 ? 1000 : 50);
            if (row == 0) {
                NAVinc(&nav.nf[r], step);
                setnav(r);
            } else {
                COMinc(&nav.cf[r], step);
            }
        }
    }
    // ADF digits: hundreds, tens, units
    for (int k = 0; k < 3; ++k)
        if (intbox(x, y, ox + ADF_DIGITS_DX - 2 + DIGIT_STEP_DX * k, ADF_Y0, ox + ADF_DIGITS_DX + 7 + DIGIT_STEP_DX * k, ADF_Y1)) {
            static const int steps[3] = {100, 10, 1};
            ADFinc(&nav.adff, y > (ADF_Y0 + ADF_Y1) / 2 ? steps[k] : -steps[k]);
            setnav(4);
        }
    // transponder digits
    int* digit[4] = {&nav.tran1, &nav.tran2, &nav.tran3, &nav.tran4};
    for (int k = 0; k < 4; ++k)
        if (pressed() && intbox(x, y, ox + XPDR_DX + DIGIT_STEP_DX * k, XPDR_Y0, ox + XPDR_DX + 9 + DIGIT_STEP_DX * k, XPDR_Y1))
            XPNinc(digit[k], y > (XPDR_Y0 + XPDR_Y1) / 2 ? 1 : -1);
    // ATC reply buttons (125..155)
    if (pressed() && in_box(x, y, ox, ATC_REPLY_1)) ins.reply_time1 = REPLY_TIME_S;
    if (pressed() && in_box(x, y, ox, ATC_REPLY_2)) ins.reply_time2 = REPLY_TIME_S;
}

void gps_controls(int x, int y)
{
    const int ox = osrad;
    if (!plane_has_gps() || !pressed() || !intbox(x, y, ox + GPS_FACE_X, GPS_FACE_Y, ox + GPS_KEY_X1, GPS_KEY_TOP))
        return;
    bool retune = false;
    // the buttons down the right of the screen: APT, VOR, NDB, and LOCK at the foot
    for (int k = 0; k < 3; ++k)
        if (intbox(x, y, ox + GPS_KEY_X0, GPS_KEY_TOP - GPS_KEY_H * (k + 1) + 1, ox + GPS_KEY_X1,
                   GPS_KEY_TOP - GPS_KEY_H * k)) {
            gps_select_mode(k + 1);
            nav.gps_scroll_mode = 0;
            retune = true;
        }
    if (intbox(x, y, ox + GPS_KEY_X0, GPS_LOCK_Y0, ox + GPS_KEY_X1, GPS_LOCK_Y1)) ins.lock_GPS = 1;
    // identifier characters: the upper half the next character, the lower the one before;
    // the waypoint follows as soon as the identifier names one
    for (int k = 0; k < 4; ++k)
        if (intbox(x, y, ox + 499 + 6 * k, 245, ox + 504 + 6 * k, 260)) {
            nav.gps_scroll_mode = k + 1;
            nav.gps_id[k] = intwrap(nav.gps_id[k] + (y > 252 ? 1 : -1), 0, CHAR_CODE_MAX);
            retune = gps_find_id() != 0;
        }
    // the name line steps through the table: its left half back, its right half on
    if (intbox(x, y, ox + 499, 262, ox + 600, 279)) {
        nav.gps_scroll_mode = 0;
        gps_step(x >= ox + 550 ? 1 : -1);
        retune = true;
    }
    if (retune || ins.lock_GPS) setnav(5);
}

void autopilot_buttons(int x, int y)
{
    if (!pressed() || !intbox(x, y, osrad + AP_BUTTON_DX, AP_BUTTON_Y0, osrad + AP_BUTTON_DX + 7 * AP_BUTTON_W, AP_BUTTON_Y1))
        return;
    const int k = intlim((x - osrad - AP_BUTTON_DX) / AP_BUTTON_W, 0, 6);   // HDG NAV1 NAV2 ALT VVI GS SPD
    switch (k) {
    case 0: ap_press_lateral(AP_HDG); break;
    case 1: ap_press_lateral(AP_NAV1); break;
    case 2: ap_press_lateral(AP_NAV2); break;
    case 3: ap_press_vertical(AP_ALT); break;
    case 4: ap_press_vertical(AP_VS); break;
    case 5: ap_press_vertical(AP_GS); break;
    default: ap_press_speed(); break;
    }
}

void gear_handle()
{
    set.gear_handle = !set.gear_handle;
    fh_play(GEAR_SOUND_SLOT, 0);
    for (int leg = 0; leg < 3; ++leg)
        set.gear_time[leg] = rel.lagear[leg] ? msc.elap_time + fltrand(3.0f, 5.0f) : 1e30f;
}

// The parking brake and the aileron and rudder trim rockers sit under the radio stack; the
// gear handle beside its lamps on the engine panel.
void lower_panel(int x, int y)
{
    const int ox = osrad;
    if (pressed() && in_box(x, y, ox, PARKING_BRAKE)) {
        if (flt.cat_stage == 3) flt.cat_stage = 4;
        else set.parkbrake = set.parkbrake > 0.5f ? 0.0f : 1.0f;
    }
    const float trim = TRIM_RATE * (msc.prd > 0 ? msc.prd : 0.05f);
    const int split = ox + TRIM_ROCKER_SPLIT;
    if (in_box(x, y, ox, AILERON_TRIM)) flt.ail_trim = fltlim(flt.ail_trim + (x >= split ? trim : -trim), -1, 1);
    if (in_box(x, y, ox, RUDDER_TRIM)) flt.rud_trim = fltlim(flt.rud_trim + (x >= split ? trim : -trim), -1, 1);
    if (pln.gear_retract && pressed() && intbox(x, y, oseng + 608, 0, oseng + 640, 60)) gear_handle();
}

int slot_y(int y, int lo, int hi) { return intlim(y, lo, hi); }

void levers(int x, int y)
{
    if (!intbox(x, y, oseng + 640, 70, oseng + 800, 138)) return;
    const int ox = oseng;
    if ((pln.flapEQ || pln.slatEQ) && intbox(x, y, ox + 644, 70, ox + 656, 138)) {
        ins.flap = slot_y(y, FLAP_DOWN_Y, FLAP_UP_Y);
        flt.flaprequest = round(interp(FLAP_UP_Y, 0, FLAP_DOWN_Y, 50, ins.flap));
    }
    if (plane_has_speedbrake() && intbox(x, y, ox + 692, 70, ox + 712, 138)) {
        ins.sbrk = slot_y(y, SBRK_FULL_Y, SBRK_ARMED_Y);
        // detents: armed, stowed, half, full
        if (ins.sbrk > (SBRK_ARMED_Y + SBRK_STOWED_Y) / 2 && pln.autosbrkEQ) flt.sbrk = -1;
        else flt.sbrk = intlim(round((SBRK_STOWED_Y - ins.sbrk) / 10.0f), 0, 2);
    }
    bool sweeps = false;
    for (int p = 4; p <= 10; p += 2) sweeps = sweeps || pln.varsweepEQ[p];
    if (sweeps && intbox(x, y, ox + 736, 70, ox + 750, 138)) {
        ins.swee = slot_y(y, FLAP_DOWN_Y, FLAP_UP_Y);
        flt.sweerequest = fltlim(interp(FLAP_UP_Y, 0, FLAP_DOWN_Y, 1, ins.swee), 0, 1);
    } else if (pln.vectEQ && intbox(x, y, ox + 730, 70, ox + 750, 138)) {
        ins.vect = slot_y(y, FLAP_DOWN_Y, FLAP_UP_Y);
        flt.vectrequest = fltlim(interp(FLAP_UP_Y, 0, FLAP_DOWN_Y, 90, ins.vect), 0, 90);
    }
    // The trim wheel turns towards the hand a little each press or held frame, so a key held
    // on either end of it trims steadily rather than slamming the trim to that end.
    if (intbox(x, y, ox + 780, 70, ox + 796, 138)) {
        const float want = fltlim(interp(TRIM_SLOT_LOW, -1, TRIM_SLOT_HIGH, 1, (float)slot_y(y, TRIM_SLOT_LOW, TRIM_SLOT_HIGH)), -1, 1);
        flt.elv_trim = fltlim(flt.elv_trim + fltlim(want - flt.elv_trim, -TRIM_WHEEL_STEP, TRIM_WHEEL_STEP), -1, 1);
    }
}

float throttle_request(int pos)
{
    if (pos > ENGINE_LEVER_HIGH) return 1.0f;
    if (pln.revthrustEQ) return interp(ENGINE_LEVER_LOW, -0.33f, ENGINE_LEVER_HIGH, 1.0f, pos);
    return interp(ENGINE_LEVER_LOW, 0.0f, ENGINE_LEVER_HIGH, 1.0f, pos);
}

void set_throttle(int e, int pos)
{
    const bool burner = (pln.entype == 4 || pln.entype == 5) && pln.burnerinc > 1.0f;
    pos = intlim(pos, ENGINE_LEVER_LOW, burner ? THRO_BURNER_TOP : ENGINE_LEVER_HIGH);
    ins.thro[e] = pos;
    flt.throrequest[e] = throttle_request(pos);
    flt.after_burning[e] = burner && pos > ENGINE_LEVER_HIGH;
    flt.revving_thrust[e] = pln.revthrustEQ && pos < THRO_REVERSE_IDLE;
}

void engine_levers(int x, int y)
{
    if (!intbox(x, y, oseng + 640, 1, oseng + 800, 69)) return;
    const int engines = intlim(pln.numen, 0, 4);
    const int pos = y - LEVER_GRAB_DY;
    const int knob_pos = y - KNOB_GRAB_DY;
    if (all_throttles) {
        for (int e = 0; e < engines; ++e) set_throttle(e, pos);
        return;
    }
    for (int e = 0; e < engines; ++e) {
        if (intbox(x, y, thro_x[e] + oseng, 1, thro_x[e] + oseng + 10, 69)) {
            set_throttle(e, pos);
            if (mnw.now_dragging) set.thro_pot = 0;    // the hand overrides the hardware lever
        }
        if (intbox(x, y, prop_x[e] + oseng - 2, 1, prop_x[e] + oseng + 8, 69)) {
            ins.prop[e] = intlim(knob_pos, ENGINE_LEVER_LOW, ENGINE_LEVER_HIGH);
            flt.prop[e] = interp(ENGINE_LEVER_LOW, pln.omegamin, ENGINE_LEVER_HIGH, pln.omegamax, ins.prop[e]);
        }
        if (intbox(x, y, mixt_x[e] + oseng - 2, 1, mixt_x[e] + oseng + 8, 69)) {
            ins.mixt[e] = intlim(knob_pos, ENGINE_LEVER_LOW, ENGINE_LEVER_HIGH);
            flt.mixt[e] = interp(ENGINE_LEVER_LOW, 0, ENGINE_LEVER_HIGH, 1, ins.mixt[e]);
        }
    }
    if (intbox(x, y, oseng + 783, 1, oseng + 799, 69)) {
        int* lever = pln.collectEQ ? &ins.collect : &ins.heat;
        *lever = intlim(y, ENGINE_LEVER_LOW, ENGINE_LEVER_HIGH);   // a plain slider, no knob
    }
}

}  // namespace

void manage_das(int x, int y)
{
    if (set.controls_type == NO_JOYSTICK && !atc.menu_up && pressed() && intbox(x, y, 300, 343, 500, 543))
        toggle(&msc.mouse_is_joy);
    if (set.replay_mode && pressed()) {
        static const int left[4] = {356, 380, 399, 423};
        for (int k = 0; k < 4; ++k)
            if (intbox(x, y, left[k], 540, left[k] + 20, 560)) set.replay_mode = k + 1;
    }
    equipment_strip(x, y);
    autopilot_knobs(x, y);
    instrument_knobs(x, y);
    glass_controls(x, y);
    engine_display_pages(x, y);
    radio_stack(x, y);
    gps_controls(x, y);
    autopilot_buttons(x, y);
    lower_panel(x, y);
    levers(x, y);
    engine_levers(x, y);
}

void panel_engine_click(int dx, int y)
{
    all_throttles = true;
    manage_das(oseng + dx, y);
    all_throttles = false;
}

}  // namespace orv
