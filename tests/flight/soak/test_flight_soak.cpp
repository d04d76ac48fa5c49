// A day of cruise: 24 simulated hours of the trainer in level flight at the fixed period keep
// every state of the flight model finite and bounded.
#include <gtest/gtest.h>

#include <cmath>

#include "2-QZutils/qz_funct.h"
#include "2-QZutils/records.h"
#include "flight/flight_sim.h"

using namespace orv;
using namespace orv_test;

namespace {

bool finite_state()
{
    const float f[] = {(float)flt.X, (float)flt.Y, (float)flt.Z, flt.vX, flt.vY, flt.vZ, flt.the, flt.psi,
                       flt.phi, flt.P, flt.Q, flt.R, flt.Alpha, flt.Beta, flt.tac[0], flt.thrust[0],
                       flt.DVinc[0], flt.aX, flt.aY, flt.aZ};
    for (float v : f)
        if (!std::isfinite(v)) return false;
    return true;
}

}  // namespace

TEST(FlightSoak, DayOfCruiseStaysFiniteAndBounded)
{
    if (sim_load("trainer") != 1) GTEST_SKIP() << "stock aircraft not installed";
    sim_air_start(6000.0f, 110.0f, 90.0f);
    for (int e = 0; e < NUM_ENGINES; e++) flt.throrequest[e] = flt.thro[e] = 0.7f;
    const float prd = 0.05f;
    const long frames = (long)(24.0 * 3600.0 / prd);
    float lo = 1e9f, hi = -1e9f;
    for (long i = 0; i < frames; i++) {
        pilot_hold_vs(fltlim((6000.0f - (float)flt.Y * con.mtrstoft) * 2.0f, -500.0f, 500.0f), prd);
        // brought back to the middle of its region now and then, so it never leaves it
        const bool far = std::fabs(flt.X - 0.5 * (env.lox + env.hix)) > 30000.0 ||
                         std::fabs(flt.Z - 0.5 * (env.loz + env.hiz)) > 30000.0;
        if (i % 6000 == 0 && far) {
            flt.X = 0.5 * (env.lox + env.hix);
            flt.Z = 0.5 * (env.loz + env.hiz);
        }
        sim_frame(prd);
        if (i % 1000 == 0) ASSERT_TRUE(finite_state()) << "at " << i * prd << " s";
        if (i > frames / 10) {
            lo = std::fmin(lo, (float)flt.Y);
            hi = std::fmax(hi, (float)flt.Y);
        }
    }
    EXPECT_TRUE(finite_state());
    EXPECT_GT(flt.vind, 60.0f);
    EXPECT_LT(std::fabs(flt.phi), 45.0f);
    EXPECT_LT(hi - lo, 300.0f) << "height wandered from " << lo << " to " << hi << " m";
}
