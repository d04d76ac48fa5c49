// A day of cruise: 24 simulated hours of the trainer in level flight at the fixed period keep
// every state of the flight model finite and bounded.
#include <gtest/gtest.h>

#include <cmath>

#include "2-QZutils/qz_funct.h"
#include "2-QZutils/records.h"
#include "flight/flight_sim.h"
#include "support/test_support.h"

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
    ORV_NEED_DATA(sim_start("trainer") == 1, "stock aircraft");
    sim_air_start(6000.0f, 110.0f, 90.0f);
    sim_power(0.7f);
    const long frames = (long)(24.0 * 3600.0 / msc.prd);
    float lo = 1e9f, hi = -1e9f;
    for (long i = 0; i < frames; i++) {
        // a racetrack over the bay: east and west by turns every ten minutes, so the flight
        // stays over the same scenery and the region shifts stay few
        const float hdg = (i / 12000) % 2 ? 270.0f : 90.0f;
        pilot_hold_height(6000.0f, bank_for_heading(hdg));
        // refuelled in flight every ten minutes: the tanks hold a few hours, the soak a day
        if (i % 12000 == 0) flt.m_fuel = pln.m_fuel;
        sim_frame();
        if (i % 1000 == 0) {
            ASSERT_TRUE(finite_state()) << "at " << sim_time() << " s";
        }
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
