// failures.h -- the 32 failure items: their once-a-second draws, and the hydraulic and oil
// pressure that follow a failure.
#pragma once

namespace orv {

constexpr int NUM_FAILURES = 32;
enum {
    FAIL_VACUUM = 0, FAIL_ASI, FAIL_AHZ, FAIL_ALT, FAIL_TSI, FAIL_DGY, FAIL_VVI, FAIL_EFIS1,
    FAIL_EFIS2, FAIL_RADIOS, FAIL_ENGINE, FAIL_AILERONS, FAIL_ELEVATOR, FAIL_RUDDER, FAIL_FLAPS,
    FAIL_SLATS, FAIL_THROTTLE, FAIL_GEAR1, FAIL_GEAR2, FAIL_GEAR3, FAIL_ELECTRICAL,
    FAIL_HYDRAULIC, FAIL_GOVERNOR, FAIL_STABAUG, FAIL_FLAP_SYMMETRY, FAIL_TRIM, FAIL_REVERSER,
    FAIL_ANTIICE, FAIL_OIL_PUMP, FAIL_COCKPIT_LIGHTS, FAIL_AUTOPILOT, FAIL_TAIL_ROTOR
};

// Every item working, pressures full (a new flight).
void rel_repair_all();

// Fails item w now (engine-wide items on engine `engine`; -1 a random engine). Answers 1
// when something was working and has failed.
int  fail_item(int w, int engine);

// One second's draws of every working item, in index order; with an ECAM, a failure sounds
// the master caution and shows the failure page.
void draw_failures();

// Hydraulic ratio (with the ram-air turbine) and oil-pressure ratio for this second.
void update_pressures();

}  // namespace orv
