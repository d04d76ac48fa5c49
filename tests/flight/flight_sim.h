// flight_sim.h -- headless flights of the stock aircraft for the flight tests: the program's
// own start-up at a real airport of the navigation data, then the program's own frame (events,
// controls, flight model, scenery following) at the fixed period, flown by a simple pilot that
// moves the yoke, pedals and levers as a pilot would (through the keyboard and mouse offsets).
#pragma once

#include <string>

namespace orv_test {

// Published figures of tests/data/aircraft_reference.csv: value of (id, figure), NaN if absent.
double reference_figure(const std::string& id, const std::string& figure);

// Installed aircraft file of a stock type ("trainer", ...); "" when the data tree is missing.
std::string stock_aircraft(const std::string& id);

// Starts the program headless with this stock aircraft on a runway end of a real airport
// (`runway_end` as --runway-end), seed fixed, calm standard air, no random failures. 1 when
// it is ready to fly.
int  sim_start(const std::string& id, const char* icao = "KSFO", int runway_end = 0, unsigned seed = 1);
// Calm air of the standard atmosphere with no weather change.
void sim_calm_isa();
// Airborne at height (ft above sea level), speed (kt true), heading (deg) above the present
// position, gear up, attitude and power left for the pilot to settle.
void sim_air_start(float height_ft, float ktas, float hdg);
// Sets the aircraft down on the nearest open water (a water cell with water all round) to
// the runway start, at rest. Answers the water's height (m), or NAN when there is none.
float sim_set_down_on_open_water();
// One frame of the program.
void sim_frame();
// Frames for this many simulated seconds, the pilot (if any) called before each.
void sim_fly(float seconds, void (*pilot)());
// Simulated seconds since the start.
double sim_time();
// All-up mass to this many pounds through the payload (fuel only when the payload runs out).
void sim_set_weight_lb(float lb);
// Every engine at this throttle (0..1), mixture rich, propeller fine.
void sim_power(float throttle);

// The pilot. Each call is one frame's worth of control movement.
void pilot_reset();
// The angle of attack (deg) the pilot never pulls past (12 after a reset).
void pilot_set_alpha_limit(float deg);
// Holds a pitch attitude (deg) with the elevator, and a bank (deg) with the ailerons, the
// ball centred with the rudder.
void pilot_hold_pitch(float pitch_deg, float bank_deg = 0.0f);
// Holds a vertical speed (ft/min) through pitch.
void pilot_hold_vs(float fpm, float bank_deg = 0.0f);
// Holds an indicated speed (kt) through pitch.
void pilot_hold_speed(float kias, float bank_deg = 0.0f);
// Holds a height (ft above sea level) through pitch, climbing or descending at up to 500 ft/min.
void pilot_hold_height(float ft, float bank_deg = 0.0f);
// A bank that turns onto this heading (deg), at most `max_bank`.
float bank_for_heading(float hdg, float max_bank = 20.0f);

// Prints "figure: measured x, published y, error z %" and answers the error in per cent.
double report(const std::string& aircraft, const std::string& figure, double measured, double published,
              const char* unit);

}  // namespace orv_test

namespace orv_test {

// A helicopter pilot's hover over a spot (x, z, m in the region frame) at a height of the
// centre of gravity above the ground (m), on a heading (deg): collective on the height, cyclic
// on the position through the attitude, pedals on the heading. Answers the collective (0..1).
// The reset starts the collective there for any of the helicopter pilots.
void pilot_hover_reset(float collective);
float pilot_hover(double x, double z, float agl_m, float hdg);
// The same pilot in forward flight: cyclic pitch on the indicated speed (kt) through the
// attitude, cyclic roll on wings level, pedals on the heading (deg).
void pilot_rotor_forward(float kias, float hdg);
// Its collective, on a height (ft above sea level) or, with the engine off, on the rotor's
// speed as a share of its full speed (`pln.omegamax`). Each answers the collective (0..1).
float pilot_collective_height(float ft);
float pilot_collective_rotor(float share);

}  // namespace orv_test

namespace orv_test {
// The conditions column of tests/data/aircraft_reference.csv for (id, figure), "" if absent.
std::string reference_conditions(const std::string& id, const std::string& figure);
}  // namespace orv_test
