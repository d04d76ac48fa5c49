// p_init.h -- where every instrument, radio, engine gauge and lever of the panel sits for the
// loaded aircraft, the scales that turn flight values into needle angles, and the digit drums
// and navaid icons the live instruments copy pixels from.
#pragma once

namespace orv {

// Instrument numbers: the index into ins.avail, ins.x_loc, ins.y_loc.
enum panel_instrument {
    INS_EMPTY = 0, INS_ASI = 1, INS_AHZ = 2, INS_ALT = 3, INS_SUPP = 4, INS_TSI = 5, INS_HSI = 6,
    INS_VVI = 7, INS_ADF = 8, INS_EFIS = 9, INS_BARO_KNOB = 10, INS_COUNT = 11
};
// Supplementary instrument at place 4, by pln.supptype.
enum supp_kind {
    SUPP_CLOCK = 0, SUPP_VOR2 = 1, SUPP_STORMSCOPE = 2, SUPP_MOVING_MAP = 3, SUPP_RADALT = 4,
    SUPP_VARIOMETER = 5, SUPP_WX_RADAR = 6, SUPP_RMI = 7
};

constexpr int PANEL_ROW_TOP_Y = 222;
constexpr int PANEL_ROW_BOTTOM_Y = 84;
constexpr int RADIO_STACK_SHIFT = 156;     // radio stack moved right when radiotype is not 1
constexpr int ENGINE_PANEL_SHIFT = -155;   // engine panel moved left at the same time

// Panel globals of the loaded aircraft.
extern int osrad, oseng;                   // x offsets of the radio stack and engine panel
extern int thro_x[4], prop_x[4], mixt_x[4];   // lever x before oseng
extern int en_x[3][4], en_y[3];            // gauge centres: row 0 EGT, 1 rpm/N1, 2 MP/torque/FF
extern int ins_of_loc[9];                  // instrument at panel location 1..8
extern int loc_of_ins[INS_COUNT];          // location of each instrument

// A speed-brake lever: brakes on the wings' elements or on the fuselage (the drag of which
// the flight model takes from the same lever).
bool plane_has_speedbrake();
bool wide_instrument(int number);          // the "standard six"
int  instrument_half_width(int number);    // 64 wide, 50 narrow

// A helicopter's rotor tachometer, on the dial the second engine's tachometer would have:
// its full scale in rotor rpm and its degrees per rotor rpm.
int   rotor_tac_max();
float rotor_tac_scale();

// Lays the panel out for pln (run after every aircraft load); fills ins's layout fields,
// the panel globals and pln's attitude-indicator and glide-slope geometry.
void init_panel_layout();

// The digit drums, heading tapes and navaid icons (once, at start-up).
void init_tape(int* dat, int idim, int jdim, int dx, int dy, int n);
void init_panel_assets();

}  // namespace orv
