// p_panel_art.h -- where the panel's installation bitmaps sit and what they carry under the
// live drawing, shared by the artwork (tools/artgen) and the panel's drawing. Panel pixels, y
// up; radio-stack x from its offset osrad, engine-panel x from oseng.
#pragma once

namespace orv {

// The status bar "statbar", the width of the window, at the top.
constexpr int STATUS_BAR_Y = 561, STATUS_BAR_W = 800, STATUS_BAR_H = 39;
// Its windows: the control-feel and mode captions, the compass card's clip box, the status
// line, and the outside-air scale (the mark at OAT_ZERO_X moves half a pixel a degree).
constexpr int STATUS_TEXT_Y = 569, FEEL_X = 10, MODE_X = 130, STATUS_X = 430, STATUS_END_X = 705;
constexpr int COMPASS_X = 373, COMPASS_Y = 566, COMPASS_HALF_PX = 30, COMPASS_H = 16;
constexpr int OAT_Y = 565, OAT_UNIT_X = 713, OAT_ZERO_X = 748, OAT_MIN = -50, OAT_MAX = 90;

// The radio stack "radios", drawn from (osrad + RADIO_STACK_X, 0) up to the equipment strip.
constexpr int RADIO_STACK_X = 489, RADIO_STACK_W = 156, RADIO_STACK_H = 314;
// Its rows, each the y range its knobs and read-out take (the read-out's text row in _Y).
constexpr int XPDR_Y0 = 120, XPDR_Y1 = 140, XPDR_Y = 127, XPDR_DX = 540;
constexpr int COM_Y0 = 159, COM_Y1 = 183, COM_ROW_Y = 168;
constexpr int ADF_Y0 = 184, ADF_Y1 = 206, ADF_ROW_Y = 192, ADF_DIGITS_DX = 542;
constexpr int NAV_Y0 = 208, NAV_Y1 = 232, NAV_ROW_Y = 217;
constexpr int RADIO_LABEL_DX = 493, FREQ_DX = 515, FREQ_STEP_DX = 45, RADIO_KNOB_DX = 605, RADIO_KNOB_W = 20;
constexpr int DIGIT_STEP_DX = 10;
constexpr int DME_Y = 270, DME_DIST_DX = 499, DME_SPEED_DX = 532, DME_TIME_DX = 565, DME_STEP_DX = 33;
constexpr int MARKER_DX = 494, MARKER_STEP_DX = 16, MARKER_Y = 292, MARKER_W = 10, MARKER_H = 6;
// The autopilot's seven buttons (HDG NAV1 NAV2 ALT VVI GS SPD), each AP_BUTTON_W wide.
constexpr int AP_BUTTON_DX = 493, AP_BUTTON_W = 21, AP_BUTTON_Y0 = 80, AP_BUTTON_Y1 = 105;
// The stack's buttons and rockers, from osrad: corners (x0, y0) .. (x1, y1).
struct panel_box { int x0, y0, x1, y1; };
constexpr panel_box SPEAKER_SWITCH{620, 288, 640, 298};   // the receivers to the speaker
constexpr panel_box DME_SELECTOR{595, 263, 615, 275};     // the receiver the DME follows (no GPS)
constexpr panel_box ATC_REPLY_1{493, 125, 512, 155}, ATC_REPLY_2{514, 125, 533, 155};
constexpr panel_box PARKING_BRAKE{500, 5, 540, 20};
constexpr panel_box AILERON_TRIM{570, 35, 600, 60}, RUDDER_TRIM{570, 5, 600, 30};   // halves split at TRIM_ROCKER_SPLIT
// The fuel gauge: a needle along a 31-pixel scale in the free row between the transponder
// and the COM knobs.
constexpr int FUEL_GAUGE_X = 600, FUEL_GAUGE_Y = 141;

// The exhaust-temperature strip "egt" under the bar that moves from 8 px left to 22 px right
// of the gauge's place, EGT_BAR_DY0..EGT_BAR_DY1 above it.
constexpr int EGT_ART_DX = -34, EGT_ART_DY = 1, EGT_ART_W = 64, EGT_ART_H = 18;
constexpr int EGT_BAR_DX0 = -8, EGT_BAR_DX1 = 22, EGT_BAR_DY0 = 8, EGT_BAR_DY1 = 12;

// The lever slots with bitmaps of their own: lower-left corner (dx from oseng, y), size, and
// the column of the handle along the groove.
struct lever_slot_art {
    const char* name;
    int dx, y, w, h;
    int handle_dx;
};
constexpr lever_slot_art SBRK_AUTO_SLOT{"b_sbrka", 692, 78, 20, 60, 701};
constexpr lever_slot_art SBRK_MANUAL_SLOT{"b_sbrkm", 692, 78, 20, 60, 701};
constexpr lever_slot_art SWEEP_SLOT{"b_swee", 736, 72, 14, 66, 742};
constexpr lever_slot_art VECTOR_SLOT{"b_vect", 730, 72, 20, 66, 739};
constexpr lever_slot_art TRIM_SLOT{"b_trim", 782, 72, 14, 66, 787};

}  // namespace orv
