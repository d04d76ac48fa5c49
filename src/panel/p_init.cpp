#include "panel/p_init.h"

#include <cmath>
#include <cstring>

#include "2-QZutils/qz_funct.h"
#include "2-QZutils/records.h"
#include "flight/funct.h"

namespace orv {

int osrad, oseng;
int thro_x[4], prop_x[4], mixt_x[4];
int en_x[3][4], en_y[3];
int ins_of_loc[9];
int loc_of_ins[INS_COUNT];

namespace {

constexpr int WIDE_HALF = 64;
constexpr int NARROW_HALF = 50;
constexpr int NARROW_RAISE = 15;         // the narrow instruments sit higher than the wide ones
constexpr float ASI_SWEEP = 330.0f;      // degrees of dial the airspeed scale spans
constexpr float TAPE_HEIGHT = 100.0f;    // engine tape height, pixels
constexpr float DIAL_SWEEP = 270.0f;     // engine dial sweep, degrees
constexpr int AH_ROWS = 118;             // rows in the attitude-indicator clip tables

void place_row(int first_loc, int y)
{
    int x = 0, prev_half = 0;
    for (int loc = first_loc; loc < first_loc + 4; ++loc) {
        const int n = ins_of_loc[loc];
        const int half = instrument_half_width(n);
        x = (loc == first_loc) ? half + 2 : x + prev_half + half + 1;
        prev_half = half;
        if (n <= 0 || n >= INS_COUNT) continue;
        ins.x_loc[n] = x;
        ins.y_loc[n] = y;
        ins.avail[n] = 1;
    }
}

void place_glass()
{
    struct fixed_place { int n, x, y; };
    static const fixed_place places[] = {
        {INS_ASI, 11, 218}, {INS_AHZ, 92, 218}, {INS_ALT, 159, 218}, {INS_SUPP, 439, 222},
        {INS_HSI, 92, 93},  {INS_VVI, 189, 92}, {INS_ADF, 439, 84},  {INS_EFIS, 0, 0}};
    for (const fixed_place& p : places) {
        ins.x_loc[p.n] = p.x;
        ins.y_loc[p.n] = p.y;
        ins.avail[p.n] = 1;
    }
    ins.avail[INS_TSI] = 0;
}

void airspeed_scale()
{
    if (pln.AStype == 2) {
        pln.ASpwr = 0.3f;
        pln.Vmin = 60.0f;
        pln.Vmax = 449.0f;
    } else {
        pln.ASpwr = 1.0f;
        pln.Vmin = pln.vectEQ ? 0.0f : fltnear(pln.Vso - 10.0f, 10.0f);
        pln.Vmax = fltnear(pln.Vne + 10.0f, 10.0f);
        if (pln.Vmin < 0.0f) pln.Vmin = 0.0f;   // a negative speed has no power
    }
    const float span = std::pow(pln.Vmax, pln.ASpwr) - std::pow(pln.Vmin, pln.ASpwr);
    // A scale with no range (Vne at or below Vso) would divide by zero: show one degree a knot.
    ins.indtoASI = (span > 0.0f) ? ASI_SWEEP / span : 1.0f;
}

float per_full_scale(float sweep, float full) { return full > 0.0f ? sweep / full : 0.0f; }

void chord_rows(int* x1, int* x2, int bot, int top, float radius, float centre_row, int xc)
{
    for (int j = bot; j <= top && j < AH_ROWS; ++j) {
        const float dy = j - centre_row;
        const float half = (radius * radius > dy * dy) ? std::sqrt(radius * radius - dy * dy) : 0.0f;
        x1[j] = xc + round(-half);
        x2[j] = xc + round(half);
    }
}

void attitude_window()
{
    const int xc = ins.x_loc[INS_AHZ];
    if (pln.paneltype == 2) {
        pln.ah_top_prim = 104;
        pln.ah_semidim_flt = 52.0f;
        pln.ah_dim_int = 104;
        pln.ah_bot_prim = 0;
        pln.ah_semidim_int = 52;
        for (int j = pln.ah_bot_prim; j <= pln.ah_top_prim; ++j) {
            pln.ahx1_prim[j] = xc - pln.ah_semidim_int;
            pln.ahx2_prim[j] = xc + pln.ah_semidim_int;
        }
        // The square display rolls inside the same square.
        pln.ah_bot_roll = pln.ah_bot_prim;
        pln.ah_top_roll = pln.ah_top_prim;
        std::memcpy(pln.ahx1_roll, pln.ahx1_prim, sizeof pln.ahx1_roll);
        std::memcpy(pln.ahx2_roll, pln.ahx2_prim, sizeof pln.ahx2_roll);
        return;
    }
    pln.ah_top_roll = 115;
    pln.ah_top_prim = 105;
    pln.ah_semidim_flt = 57.5f;
    pln.ah_dim_int = 115;
    pln.ah_bot_roll = 0;
    pln.ah_bot_prim = 10;
    pln.ah_semidim_int = 57;
    const float prim_r = (pln.ah_top_prim - pln.ah_bot_prim) / 2.0f;
    chord_rows(pln.ahx1_prim, pln.ahx2_prim, pln.ah_bot_prim, pln.ah_top_prim, prim_r,
               pln.ah_bot_prim + prim_r, xc);
    chord_rows(pln.ahx1_roll, pln.ahx2_roll, pln.ah_bot_roll, pln.ah_top_roll, pln.ah_semidim_flt,
               pln.ah_bot_roll + pln.ah_semidim_flt, xc);
}

void engine_levers()
{
    static const int thro_tbl[4][4] = {{669}, {662, 676}, {655, 669, 683}, {648, 662, 676, 690}};
    static const int prop_tbl[4][4] = {{720}, {715, 725}, {710, 720, 730}, {705, 715, 725, 735}};
    static const int mixt_tbl[4][4] = {{761}, {756, 766}, {751, 761, 771}, {746, 756, 766, 776}};
    const int row = intlim(pln.numen, 1, 4) - 1;
    for (int e = 0; e < 4; ++e) {
        thro_x[e] = thro_tbl[row][e];
        prop_x[e] = prop_tbl[row][e];
        mixt_x[e] = mixt_tbl[row][e];
    }
}

void engine_gauges()
{
    std::memset(en_x, 0, sizeof en_x);
    if (pln.numen <= 2) {
        const int a = pln.ecam ? -2 : 0, b = pln.ecam ? 17 : 0, c = pln.ecam ? 25 : 0;
        for (int row = 0; row < 3; ++row) {
            en_x[row][0] = 684 + a;
            en_x[row][1] = 761 + a;
        }
        en_y[0] = 293;
        en_y[1] = 254 + b;
        en_y[2] = 177 + c;
        return;
    }
    for (int e = 0; e < 4; ++e) {
        en_x[1][e] = 685 + 10 * e;
        en_x[2][e] = 760 + 10 * e;
        en_x[0][e] = en_x[1][e];     // tapes carry no exhaust-temperature row; keep it on the panel
    }
    en_y[0] = en_y[1] = en_y[2] = 171;
}

void glide_slope_scale()
{
    const int hsi = (pln.paneltype == 2) ? INS_AHZ : INS_HSI;
    pln.gsx1 = ins.x_loc[hsi] + (pln.paneltype == 2 ? -57 : -59);
    pln.gsx2 = ins.x_loc[hsi] + 53;
    pln.gsw = (pln.paneltype == 2) ? 4 : 5;
    pln.gsyc = ins.y_loc[hsi];
    pln.gsy1 = pln.gsyc - 2;
    pln.gsy2 = pln.gsyc + 2;
}

}  // namespace

bool plane_has_speedbrake() { return pln.sbrkEQ || pln.fbrkEQ; }

bool wide_instrument(int n) { return (n >= INS_ASI && n <= INS_ALT) || (n >= INS_TSI && n <= INS_VVI); }
int  instrument_half_width(int n) { return wide_instrument(n) ? WIDE_HALF : NARROW_HALF; }

void init_panel_layout()
{
    pln.ecam = (pln.paneltype == 2 || pln.numen > 2) && !pln.is_heli;
    pln.tape = pln.numen > 2;

    std::memset(ins.avail, 0, sizeof ins.avail);
    std::memset(ins.x_loc, 0, sizeof ins.x_loc);
    std::memset(ins.y_loc, 0, sizeof ins.y_loc);
    std::memset(loc_of_ins, 0, sizeof loc_of_ins);
    ins_of_loc[0] = 0;
    for (int loc = 1; loc <= 8; ++loc) {
        // A damaged file may hold any number here; an unknown one leaves the place empty.
        const int n = pln.ins_of_loc[loc];
        ins_of_loc[loc] = (n >= 0 && n < INS_COUNT) ? n : INS_EMPTY;
        loc_of_ins[ins_of_loc[loc]] = loc;
    }
    // The loader has already told the user about a row with four wide instruments.
    if (pln.paneltype == 2) {
        place_glass();
    } else {
        place_row(1, PANEL_ROW_TOP_Y);
        place_row(5, PANEL_ROW_BOTTOM_Y);
    }

    if (pln.paneltype == 2) {
        ins.x_loc[INS_BARO_KNOB] = ins.x_loc[INS_EFIS] + 175;
        ins.y_loc[INS_BARO_KNOB] = ins.y_loc[INS_EFIS] + 15;
    } else {
        ins.x_loc[INS_BARO_KNOB] = ins.x_loc[INS_ALT] - 35;
        ins.y_loc[INS_BARO_KNOB] = ins.y_loc[INS_ALT] - 45;
    }
    ins.y_loc[INS_SUPP] += NARROW_RAISE;
    ins.y_loc[INS_ADF] += NARROW_RAISE;

    airspeed_scale();
    if (pln.paneltype == 2)
        ins.msctoVVI = con.msctofpm * 0.02f;
    else
        ins.msctoVVI = con.msctofpm * (pln.VVItype == 2 ? 0.032f : 0.08f);

    const float sweep = pln.tape ? TAPE_HEIGHT : DIAL_SWEEP;
    ins.tactoINS = per_full_scale(sweep, (float)tac_max());
    ins.n1_toINS = per_full_scale(sweep, (float)n1__max());
    ins.mprtoINS = per_full_scale(sweep, mpr_max());
    ins.trqtoINS = per_full_scale(sweep, (float)trq_max());
    ins.ff_toINS = per_full_scale(sweep, (float)ff__max());

    osrad = (pln.radiotype == 1) ? 0 : RADIO_STACK_SHIFT;
    oseng = (pln.radiotype == 1) ? 0 : ENGINE_PANEL_SHIFT;

    attitude_window();
    engine_levers();
    engine_gauges();
    glide_slope_scale();
}

int rotor_tac_max() { return gage_me(pln.omegamax * con.rsctorpm); }
float rotor_tac_scale() { return per_full_scale(DIAL_SWEEP, (float)rotor_tac_max()); }

// ---- digit drums and icons ---------------------------------------------------------------

namespace {

constexpr int INK = 0, PAPER = 22;

const char* const DIGIT_ROWS[10][7] = {
    {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."},
    {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", "..#.."},
    {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"},
    {".###.", "#...#", "....#", "..##.", "....#", "#...#", ".###."},
    {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."},
    {"#####", "#....", "####.", "....#", "....#", "#...#", ".###."},
    {".###.", "#....", "####.", "#...#", "#...#", "#...#", ".###."},
    {"#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."},
    {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."},
    {".###.", "#...#", "#...#", ".####", "....#", "#...#", ".###."},
};

// Each icon row as ten decimal digits, 2 for a set pixel and 1 for a clear one.
const double NAV_PIC_ROWS[3][10] = {
    {1111221111., 1122222211., 1221111221., 1211111121., 2211111122., 2211111122., 1211111121., 1221111221., 1122222211., 1111221111.},
    {1112121211., 1211212111., 1121111121., 2111221211., 1212112112., 2112112121., 1121221112., 1211111211., 1112121121., 1121212111.},
    {1111111111., 1122111221., 1222222222., 1222111222., 1121111121., 1121111121., 1112111211., 1111222111., 1111222111., 1111111111.},
};

void fill(int* dat, int count)
{
    for (int k = 0; k < count; ++k) dat[k] = PAPER;
}

// Two digits centred 3 columns either side of c, or one centred on c.
void tape_number(int* dat, int idim, int jdim, int c, int row, int value, bool always_two)
{
    if (always_two || value >= 10) {
        init_tape(dat, idim, jdim, c - 3, row, (value / 10) % 10);
        init_tape(dat, idim, jdim, c + 3, row, value % 10);
    } else {
        init_tape(dat, idim, jdim, c, row, value);
    }
}

void init_nav_pic_line(int pic, int row, double code)
{
    for (int col = 9; col >= 0; --col) {
        const double digit = std::fmod(code, 10.0);
        ins.nav_pic[pic][row][col] = digit >= 1.5 ? 1 : 0;
        code = std::floor(code / 10.0);
    }
}

}  // namespace

void init_tape(int* dat, int idim, int jdim, int dx, int dy, int n)
{
    if (n < 0 || n > 9 || idim <= 0 || jdim <= 0) return;
    for (int r = 0; r < 7; ++r)
        for (int c = 0; c < 5; ++c) {
            const int i = intwrap(dx - 2 + c, 0, idim - 1);
            const int j = intwrap(dy + r, 0, jdim - 1);
            dat[i * jdim + j] = DIGIT_ROWS[n][r][c] == '#' ? INK : PAPER;
        }
}

void init_panel_assets()
{
    fill(&ins.v_tape_col[0][0], 5 * 90);
    for (int d = 0; d < 10; ++d) init_tape(&ins.v_tape_col[0][0], 5, 90, 2, 9 * d - 3, d);

    fill(&ins.h_tape_col0[0][0], 200 * 12);
    for (int c = 0; c < 200; c += 20) tape_number(&ins.h_tape_col0[0][0], 200, 12, c, 1, c / 20, true);

    fill(&ins.h_tape_col1[0][0], 360 * 12);
    fill(&ins.h_tape_col2[0][0], 360 * 12);
    for (int i = 0; i <= 33; i += 3) {
        tape_number(&ins.h_tape_col1[0][0], 360, 12, 10 * i, 4, i, false);
        tape_number(&ins.h_tape_col2[0][0], 360, 12, 10 * i, 4, (36 - i) % 36, false);
    }

    std::memset(ins.nav_pic, 0, sizeof ins.nav_pic);
    for (int pic = 1; pic <= 3; ++pic)
        for (int row = 0; row < 10; ++row) init_nav_pic_line(pic, row, NAV_PIC_ROWS[pic - 1][row]);
}

}  // namespace orv
