// afoilgen_core.h -- builds airfoil tables (".afl") and flap tables (".flp") from a short
// description of a section, so the shipped data come from published section figures
// rather than from hand-typed tables.
//
// Angle index i of the tables (the simulator looks them up this way):
//   i = 10 * a          for 0 <= a <= 20 degrees   (0.1-degree steps, index 0..200)
//   i = 200 + (a - 20)  for 20 < a <= 90 degrees   (1-degree steps, index 201..270)
// so index 0 is 0 degrees, 100 is 10 degrees, 200 is 20 degrees and 270 is 90 degrees.
// The "pos" tables hold positive angles, the "neg" tables the absolute value of negative
// angles (their lift values are the signed lift at the negative angle). Lift is tabulated
// only from index 100 (10 degrees) up; below that the simulator uses the straight line
// clM * a + clB, so the line written to the file passes exactly through the curve at
// +10 and -10 degrees: no step where the simulator changes from line to table.
//
// Section curve, per side (positive and negative angles have their own maximum lift, stall
// angle and drop): the lift line slope * (a - alpha0) up to where a parabola takes over
// that meets the line with the same slope and reaches clmax with zero slope at the stall
// angle; a cosine-shaped drop of `drop` over `drop_width` degrees; then a smooth blend by
// 40 degrees into flat-plate flow, cl = cd90 sin a cos a and cd = cd0 + cd90 sin^2 a.
// Drag before the stall is the polar cd0 + k (cl - cl_mindrag)^2, blended into the
// flat-plate drag from 2 degrees before the stall to 6 degrees after it.
#pragma once

#include <string>
#include <vector>

namespace orv {

constexpr int AFG_NCL = 171;   // lift entries, index 100..270
constexpr int AFG_NCD = 271;   // drag entries, index 0..270
constexpr int AFG_AFL_CHECK = 1234;
constexpr int AFG_FLP_CHECK = 2345;
constexpr int AFG_VERSION = 363;
constexpr int AFG_FLAP_SETTINGS = 51;

// Section figures at one Reynolds number.
struct afg_redata {
    double re = 0;              // millions
    double slope = 0;           // lift per degree
    double alpha0 = 0;          // zero-lift angle, degrees
    double clmax = 0;           // positive maximum lift
    double stall = 0;           // angle of clmax, degrees
    double drop = 0;            // lift lost just past the positive stall
    double clmax_neg = 0;       // magnitude of the negative maximum lift
    double stall_neg = 0;       // magnitude of the negative stall angle
    double drop_neg = 0;
    double drop_width = 4;      // degrees over which the drop happens
    double cd0 = 0;             // minimum drag
    double k = 0;               // drag-polar factor
    double cl_mindrag = 0;      // lift of minimum drag
    double cd90 = 1.9;          // normal-force coefficient broadside to the flow
    double cm0 = 0;             // moment through the attached range (default of the next two)
    double cm_pos_stall = 0;    // moment at the positive stall angle
    double cm_neg_stall = 0;    // moment at the negative stall angle
    double cm_20 = 0;           // moment at +20 degrees
    double cm_m20 = 0;          // moment at -20 degrees
};

struct afg_section {
    std::string name;           // one word, written into the file
    double trat = 0;            // thickness ratio
    afg_redata re[2];           // low and high Reynolds number
};

// The tables of one airfoil file.
struct afg_tables {
    float clpos[AFG_NCL], clneg[AFG_NCL];
    float cdpos[AFG_NCD], cdneg[AFG_NCD];
    float clM, clB, cmal2, cmal3, cm1, cm2, cm3, cm4;
    float stall;                // stalling angle, degrees
};

struct afg_flap_point { double def, dcl, dcd, dcm; };

struct afg_flap {
    std::string name;
    double max_def = 0;                    // deflection at setting 50, degrees
    std::vector<afg_flap_point> points;    // published increments, rising deflection
};

// Angle in degrees (>= 0) of table index i, 0..270.
double afg_index_angle(int i);

// Reads a section or flap description; on failure returns 0 and says why in `err`.
int afg_read_section(const std::string& path, afg_section& sec, std::string& err);
int afg_read_flap(const std::string& path, afg_flap& flp, std::string& err);

// Checks a description for figures that cannot make a sensible curve ("" when sound).
std::string afg_check(const afg_redata& d);

// Lift and drag of the section at a signed angle of attack (degrees, -90..90).
void afg_section_at(const afg_redata& d, double alpha, double* cl, double* cd);

void afg_build_tables(const afg_redata& d, afg_tables& t);

// Increments at flap setting 0..50 (monotone cubic through the published points).
void afg_flap_at(const afg_flap& flp, int setting, double* dcl, double* dcd, double* dcm);

// Writers; return 0 (and `err`) when the file cannot be written.
int afg_write_afl(const std::string& path, const afg_section& sec, int re_slot,
                  const std::string& note, std::string& err);
int afg_write_flp(const std::string& path, const afg_flap& flp, const std::string& note,
                  std::string& err);

}  // namespace orv
