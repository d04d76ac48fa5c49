// flight_sim.h -- headless flights of the stock aircraft for the flight tests and the
// benchmark: load an installed aircraft, start it at a real airport position on a flat
// region at the field's elevation, fly it with a fixed period and a simple pilot.
#pragma once

#include <string>

namespace orv_test {

struct Airport { const char* id; float lat, lon, elev_ft; int hdg; float len_m; };
extern const Airport KSFO_28R;   // San Francisco, near sea level

// Published figures of tests/data/aircraft_reference.csv: value of (id, figure), NaN if absent.
double reference_figure(const std::string& id, const std::string& figure);

// Installed aircraft file of a stock type ("trainer", ...); "" when the data tree is missing.
std::string stock_aircraft(const std::string& id);

// Loads the aircraft (1 when loaded), sets the atmosphere, and starts it on the runway.
int  sim_load(const std::string& id);
void sim_runway_start(const Airport& a);
// Airborne at height (ft above sea level), speed (kt true), heading (deg).
void sim_air_start(float height_ft, float ktas, float hdg);
// One frame of the flight model at period prd (s).
void sim_frame(float prd = 0.05f);
// All-up mass to this many pounds through the payload.
void sim_set_weight_lb(float lb);

// A pilot that holds a pitch attitude (deg) with the elevator and wings level with the
// ailerons; call once per frame.
void pilot_hold_pitch(float pitch_deg, float prd = 0.05f);
// Holds a vertical speed (ft/min) through pitch.
void pilot_hold_vs(float fpm, float prd = 0.05f);
// Holds an indicated speed (kt) through pitch.
void pilot_hold_speed(float kias, float prd = 0.05f);
void pilot_reset();

// Prints "figure: measured x, published y, error z %" and answers the error in per cent.
double report(const std::string& aircraft, const std::string& figure, double measured, double published,
              const char* unit);

}  // namespace orv_test
