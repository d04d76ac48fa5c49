// The settings windows of the program: data and serial output, time of day, rendering,
// joystick and flight mode, weights and fuel, sound and warnings; and the table of routines.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "2-QZutils/qz_btn.h"
#include "2-QZutils/qz_textfield.h"
#include "2-QZutils/qz_graph.h"
#include "2-QZutils/records.h"
#include "windows/serial_out.h"
#include "windows/win_common.h"
#include "windows/windows.h"

namespace orv {

// ---- 7 "Set Data Output": per group, to the output file, to the screen rows, to the graph
static const char* const group_labels[DATA_GROUPS] = {
    "FREQ /sec TIME rtio", "TIME  sec", "LTIM  hrs ZTIM  hrs", "DRAT part", " RHO sft3", "ALPH  deg BETA  deg",
    "HPTH  deg", "VPTH  deg", "THT1 part THT2 part THT3 part THT4 part", "PRP1  rpm PRP2  rpm PRP3  rpm PRP4  rpm",
    "SWP1  deg SWP2  deg HSWP  deg TVEC  deg", "ELEV yoke AILN yoke RUDD yoke", "ELEV surf AILN surf RUDD surf",
    "TRIM unit FLAP part SLAT part", "GEAR  0/1 LBRK part RBRK part SBRK 1012", "Vtru ktas Vind kias", " VVI  fpm",
    "MACH    #    G unit", "   A ktas", "   Q  psf", "   M ftlb    L ftlb    N ftlb", "Qdot d/ss Pdot d/ss Rdot d/ss",
    "   Q  d/s    P  d/s    R  d/s", "PTCH  deg ROLL  deg", "HDNG true HDNG  mag MVAR  deg", "dist   ft dist   nm",
    " LAT  deg  LON  deg  ALT   ft", "   X    m    Y    m    Z    m", "POWR 1,hp POWR 2,hp POWR 3,hp POWR 4,hp",
    "THST 1,lb THST 2,lb THST 3,lb THST 4,lb", "NTRQ ftlb NTRQ ftlb NTRQ ftlb NTRQ ftlb",
    "RPM1  rpm RPM2  rpm RPM3  rpm RPM4  rpm", "PTCH  deg PTCH  deg PTCH  deg PTCH  deg",
    "PWSH   kt PWSH   kt PWSH   kt PWSH   kt", "MP 1 inhg MP 2 inhg MP 3 inhg MP 4 inhg",
    "N1 1 pcnt N1 2 pcnt N1 3 pcnt N1 4 pcnt", "FF 1 lb/h FF 2 lb/h FF 3 lb/h FF 4 lb/h", "LIFT   lb DRAG   lb SIDE   lb",
    "NORM   lb AXIL   lb SIDE   lb", "NOSE f,lb LEFT f,lb RIGT f,lb", " L/D  rat", "PEF1  rat PEF2  rat PEF3  rat PEF4  rat",
    "AILN  deg AILN  deg", "SPLR  deg SPLR  deg", "ELEV  deg ELEV  deg", "RUDD  deg", "DRUD  deg DRUD  deg",
    "CYCL  deg CYCL  deg", "PALD   lb FUEL   lb JETI   lb", "EMPTY  lb GROS   lb",
};

const char* data_group_label(int g) { return (g >= 0 && g < DATA_GROUPS) ? group_labels[g] : ""; }

void manage_dat()
{
    if (win_frame()) return;
    constexpr int ROWS = 25, ROW = 13, TOP = 340, COL_W = 308, BOX_DX = 20;
    for (int c = 0; c < 2; c++) {
        const int x = 10 + c * COL_W;
        win_text(WC_CAPTION, x + 2, TOP + 18, "F");
        win_text(WC_CAPTION, x + BOX_DX + 2, TOP + 18, "S");
        win_text(WC_CAPTION, x + 2 * BOX_DX + 2, TOP + 18, "G");
        for (int r = 0; r < ROWS; r++) {
            const int g = c * ROWS + r, y = TOP - r * ROW;
            inboolbtn(x, y, &set.Bdsk[g]);
            inboolbtn(x + BOX_DX, y, &set.Brlt[g]);
            inboolbtn(x + 2 * BOX_DX, y, &set.Bgrf[g]);
            win_text(WC_CAPTION, x + 3 * BOX_DX - 4, y + 1, group_labels[g]);
        }
    }
    win_text(WC_UNIT, 10, 12, "F: into \"Vantorel.out\"     S: rows on the screen (the first 10)     G: the graph (the first 4)");
}

// ---- 8 "Set Serial Output": the mode, the port, and a UDP host and port for the NMEA
// The fields are typed into copies; the output takes them when the typing ends (or the window
// closes), so it does not open every device name on the way to the right one.
static char typed_device[PATH_LEN], typed_udp[PATH_LEN];
static char udp_refused[160];

static void take_typed_fields()
{
    if (typed_device[0]) std::snprintf(ser_cfg.device, sizeof ser_cfg.device, "%s", typed_device);
    if (!typed_udp[0] || serial_udp_target_valid(typed_udp, udp_refused, sizeof udp_refused)) {
        std::snprintf(ser_cfg.udp_target, sizeof ser_cfg.udp_target, "%s", typed_udp);
        udp_refused[0] = 0;
    }
}

void manage_ser()
{
    const int typing = text_field_has_keyboard(typed_device) || text_field_has_keyboard(typed_udp);
    if (win_frame()) {
        if (typing) take_typed_fields();
        return;
    }
    if (!text_field_has_keyboard(typed_device)) std::snprintf(typed_device, sizeof typed_device, "%s", ser_cfg.device);
    if (!text_field_has_keyboard(typed_udp) && !udp_refused[0])
        std::snprintf(typed_udp, sizeof typed_udp, "%s", ser_cfg.udp_target);
    static const char* const modes[6][2] = {
        {"no serial output", ""},
        {"GPS: NMEA 0183 sentences, 4800 baud", "$GPRMC and $GPGGA once a second"},
        {"instruments: 9 numbers, 38400 baud", "airspeed, pitch, roll, altitude, yaw rate, slip, heading, climb"},
        {"motion seat: 3 bytes, 2400 baud", "'P', roll and pitch, ten times a second"},
        {"position: 10 numbers, 38400 baud", "time, attitude, latitude, longitude, X, Y, Z in feet"},
        {"accelerations: 11 numbers, 38400 baud", "speed, angle of attack, rates, accelerations, on ground, key"},
    };
    win_caption(20, 430, "Send flight data out of the serial port as:");
    for (int m = 0; m < 6; m++) {
        const int y = 390 - 60 * m;
        inonebool(20, y, &set.serout, m);
        win_caption(40, y + 1, modes[m][0]);
        win_text(WC_UNIT, 40, y - 13, modes[m][1]);
    }
    constexpr int FIELD_X = 230, FIELD_W = 340, PORT_Y = 48, UDP_Y = 22;
    win_caption(20, PORT_Y, "Serial port:");
    if (intextfield(FIELD_X, PORT_Y, FIELD_W, typed_device, sizeof typed_device)) take_typed_fields();
    win_caption(20, UDP_Y, "NMEA also to UDP host:port:");
    if (intextfield(FIELD_X, UDP_Y, FIELD_W, typed_udp, sizeof typed_udp)) take_typed_fields();
    win_text(udp_refused[0] ? WC_HEAD : WC_UNIT, 20, 6,
             udp_refused[0] ? udp_refused : "Click a field to type; Enter takes it. An empty UDP field sends nothing.");
}

// ---- 9 "Set Time Of Day": a click along the bar sets the local time
constexpr int BAR_X = 20, BAR_W = 648, BAR_Y = 50, BAR_H = 30, DAY_S = 86400;
constexpr int NIGHT_ENDS_H = 5, NIGHT_STARTS_H = 19;   // the logbook's night

void manage_tim()
{
    if (win_frame()) return;
    if (btn_clicked_in(BAR_X, BAR_Y - 8, BAR_X + BAR_W, BAR_Y + BAR_H + 8)) {
        const float f = (float)std::clamp(mnw.mx - BAR_X, 0, BAR_W) / BAR_W;
        msc.locl_time = std::min(f * DAY_S, DAY_S - 1.0f);
    }
    const float px_per_h = BAR_W / 24.0f;
    OGL_fillrect(16, BAR_X, BAR_Y, NIGHT_ENDS_H * px_per_h, BAR_H);
    OGL_fillrect(43, BAR_X + NIGHT_ENDS_H * px_per_h, BAR_Y, (NIGHT_STARTS_H - NIGHT_ENDS_H) * px_per_h, BAR_H);
    OGL_fillrect(16, BAR_X + NIGHT_STARTS_H * px_per_h, BAR_Y, (24 - NIGHT_STARTS_H) * px_per_h, BAR_H);
    for (int h = 0; h <= 24; h++) {
        const float x = BAR_X + h * px_per_h;
        OGL_line(WC_CAPTION, x, BAR_Y - (h % 3 ? 3 : 6), x, BAR_Y);
        if (h % 3 == 0 && h < 24) {
            char t[8];
            std::snprintf(t, sizeof t, "%02d", h);
            win_text(WC_CAPTION, (int)x - 5, BAR_Y - 16, t);
        }
    }
    const float now = BAR_X + msc.locl_time / DAY_S * BAR_W;
    OGL_fillrect(WC_READOUT, now - 1, BAR_Y - 2, 3, BAR_H + 4);
    char line[80];
    const int l = (int)msc.locl_time;
    std::snprintf(line, sizeof line, "Local time %02d:%02d", l / 3600, l / 60 % 60);
    win_caption(BAR_X, 104, line);
    win_text(WC_UNIT, BAR_X + 200, 104, "Click along the bar to set the time of day; dark: night.");
}

// ---- 10 "Set Rendering Options"
void manage_ogl()
{
    if (win_frame()) return;
    win_caption(20, 480, "Texture resolution:");
    in5textbtn(160, 480, "1 lowest (fastest)", "2 low", "3 medium", "4 high", "5 full (slowest)", 130, &ogl_res);
    win_text(WC_UNIT, 160, 462, "terrain and aircraft textures are loaded again");
    win_check_row(20, 420, "Trees on the terrain", &ogl_trees);
    win_check_row(20, 390, "Aircraft drawn as a wire frame", &mnw.draw_wire);
    char line[80];
    std::snprintf(line, sizeof line, "Visibility now %.1f of %.1f nm asked for", atm.vis_rep * atm.vis_mult * con.mtrstonm,
                  atm.vis_rep * con.mtrstonm);
    win_caption(20, 340, line);
    win_text(WC_UNIT, 20, 324, "When frames come too slowly the visibility is drawn in; lower the");
    win_text(WC_UNIT, 20, 312, "resolution or the visibility (Set Weather Atmosphere) to see further.");
}

// ---- 15 "Set Joystick & Flight Mode"
static const char* const button_functions[30] = {
    "nothing",         "trim up",          "trim down",       "radio key 9",     "radio key 0",
    "radio key 7",     "radio key 8",      "rudder left",     "rudder right",    "view forward",
    "look down",       "look left",        "look right",      "turn view left",  "turn view right",
    "flaps up a notch", "flaps down a notch", "vector/sweep down", "vector/sweep up", "gear up/down",
    "parking brake",   "speedbrake",       "autopilot off",   "reversers",       "panel button",
    "pan view left",   "pan view right",   "pan view up",     "pan view down",   "ATC menu",
};
constexpr int BUTTON_FUNCTIONS = 30, JOY_BUTTONS = 22;

void manage_flt()
{
    if (win_frame()) return;
    const int x = 14;
    win_caption(x, 480, "Control equipment");
    win_check_row(x, 460, "rudder pedals (or twist grip)", &set.eq_ped);
    win_check_row(x, 440, "avionics hardware (radios)", &set.eq_avi);
    win_check_row(x, 420, "throttle quadrant", &set.eq_thr);
    win_check_row(x, 400, "collective lever", &set.eq_col);
    win_caption(x, 360, "Control authority");
    win_wheel_row(x, 338, 80, "pitch:", &set.joy_rat_ptch, 100, 3, 0, 50, 100, "%");
    win_wheel_row(x, 314, 80, "roll:", &set.joy_rat_roll, 100, 3, 0, 50, 100, "%");
    win_wheel_row(x, 290, 80, "yaw:", &set.joy_rat_hdng, 100, 3, 0, 50, 100, "%");
    win_caption(x, 250, "Null zone at centre");
    win_wheel_row(x, 228, 80, "pitch:", &set.NZptch, 100, 2, 0, 0, 30, "% of travel");
    win_wheel_row(x, 204, 80, "roll:", &set.NZroll, 100, 2, 0, 0, 30, "% of travel");
    win_caption(x, 164, "Flight mode:");
    int mode = (int)std::lround(set.damp * 4) + 1;
    if (in5textbtn(x + 80, 164, "realistic", "slightly easy", "somewhat easy", "quite easy", "very easy", 90, &mode))
        set.damp = (mode - 1) / 4.0f;
    win_text(WC_UNIT, x, 144, "easier modes damp the aircraft's rotation");

    win_caption(330, 480, "Joystick buttons");
    for (int b = 0; b < JOY_BUTTONS; b++) {
        const int col = b / 11, bx = 330 + 228 * col, by = 450 - 30 * (b % 11);
        char cap[16];
        std::snprintf(cap, sizeof cap, "button %d:", b + 1);
        win_caption(bx, by, cap);
        int f = std::clamp(set.joy_response[b], 0, BUTTON_FUNCTIONS - 1) + 1;
        if (intextbtn(bx + 64, by, button_functions, BUTTON_FUNCTIONS, 110, &f)) set.joy_response[b] = f - 1;
    }
}

// ---- 16 "Set Weights & Fuel"
void manage_wgt()
{
    if (win_frame()) return;
    const float lb = con.kgstolbs;
    char line[96];
    std::snprintf(line, sizeof line, "Empty weight: %.0f lb", pln.m_empty * lb);
    win_caption(20, 210, line);
    const float payload_max = std::max(pln.m_max - pln.m_empty, 0.0f);
    win_wheel_row(20, 180, 130, "Payload:", &flt.m_fixed, lb, 6, 0, 0, payload_max * lb, "lb");
    win_wheel_row(20, 150, 130, "Fuel:", &flt.m_fuel, lb, 6, 0, 0, pln.m_fuel * lb, "lb");
    win_wheel_row(20, 120, 130, "Jettisonable load:", &flt.m_jettison, lb, 6, 0, 0, pln.m_jettison * lb, "lb");
    std::snprintf(line, sizeof line, "(at most %.0f)", payload_max * lb);
    win_text(WC_UNIT, 280, 180, line);
    std::snprintf(line, sizeof line, "(at most %.0f)", pln.m_fuel * lb);
    win_text(WC_UNIT, 280, 150, line);
    std::snprintf(line, sizeof line, "(at most %.0f)", pln.m_jettison * lb);
    win_text(WC_UNIT, 280, 120, line);
    flt.m_total = pln.m_empty + flt.m_fixed + flt.m_fuel + flt.m_jettison;
    std::snprintf(line, sizeof line, "Total weight: %.0f lb of %.0f lb allowed", flt.m_total * lb, pln.m_max * lb);
    win_text(flt.m_total > pln.m_max ? WC_READOUT : WC_CAPTION, 20, 80, line);
    if (flt.m_total > pln.m_max) win_text(WC_READOUT, 20, 62, "Too heavy: take off fuel or payload.");
}

// ---- 20 "Set Sound"
void manage_snd()
{
    if (win_frame()) return;
    win_check_row(20, 200, "Sound", &msc.sound_on);
    if (msc.speech_avail) win_check_row(20, 170, "ATC speaks", &atc.voice_out);
    else win_text(WC_UNIT, 36, 171, "ATC speaks (no speech engine)");
    win_check_row(20, 140, "ATC text on the screen", &atc.text_out);
    win_check_row(20, 110, "Spoken cockpit warnings", &msc.warn_bb);
    if (!msc.sound_avail) win_text(WC_UNIT, 20, 60, "No sound device was found.");
}

// ---- 21 "Set Warnings"
void manage_wrn()
{
    if (win_frame()) return;
    win_check_row(20, 130, "Flaps out above their limiting speed", &msc.warn_flaps);
    win_check_row(20, 100, "Overspeed", &msc.warn_overspeed);
    win_check_row(20, 70, "Simulator running too slowly (frame rate)", &msc.warn_frame);
}

// ---- every window's routine, by its code
window_routine_fn window_routine(int w)
{
    static const window_routine_fn routines[26] = {
        nullptr,    manage_id_, manage_nam, manage_map, manage_wrl, manage_lat, manage_whr, manage_dat, manage_ser,
        manage_tim, manage_ogl, manage_spa, manage_atm, manage_gnd, manage_wat, manage_flt, manage_wgt, manage_rel,
        manage_ins, manage_eqp, manage_snd, manage_wrn, manage_grf, manage_iso, manage_map, manage_pln,
    };
    return (w >= 1 && w <= 25) ? routines[w] : nullptr;
}

}  // namespace orv
