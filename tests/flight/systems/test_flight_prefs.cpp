// A preferences file with absurd numbers, read by the program and flown: the weather, the
// waves and the frame period it names are limited to what their settings allow, so a parked
// trainer stays at rest and a floatplane rides the roughest waves allowed.
#include <gtest/gtest.h>

#include <cmath>

#include "2-QZutils/qz_file.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/records.h"
#include "app/app_prefs.h"
#include "flight/flight_sim.h"
#include "flight/flt_init.h"
#include "support/test_support.h"

using namespace orv;
using namespace orv_test;

namespace {

// Writes the preferences with numbers no setting allows and reads them back.
void read_absurd_preferences()
{
    atm.wave_amp = 1e30f;
    atm.wave_length = 1e-30f;
    atm.wave_speed = 1e30f;
    atm.temp_SL = -1e30f;
    atm.baro = ins.baro = NAN;
    for (int i = 0; i < 9; i++) {
        atm.wndspd[i] = atm.shrspd[i] = NAN;
        atm.tbl[i] = -1e30f;
    }
    atm.rain_tstm = atm.wind_tbl = atm.burst_prob = -1e30f;
    msc.prd = 1e30f;
    ASSERT_EQ(write_prefs_file(), 1);
    ASSERT_EQ(inf_open(prefs_path, FILE_ANY, PREFS_VERSION, 0), 1);
    ASSERT_EQ(grab_prefs(), 1);
    inf_close();
    atm.change_clouds = atm.change_vis = atm.change_precip = atm.change_turb = atm.change_micro = 0;
}

// The fastest speed (kt) after the first two seconds, and the distance moved (m).
void fly_still(float seconds, float* fastest_kt, double* moved)
{
    const double x0 = flt.X, z0 = flt.Z;
    *fastest_kt = 0;
    const double settled = sim_time() + 2.0;
    const double end = sim_time() + seconds;
    while (sim_time() < end) {
        sim_frame();
        ASSERT_TRUE(std::isfinite(flt.v) && std::isfinite(flt.X) && std::isfinite(flt.Y)) << sim_time();
        if (sim_time() > settled) *fastest_kt = std::fmax(*fastest_kt, flt.v * con.msctokts);
    }
    *moved = std::hypot(flt.X - x0, flt.Z - z0);
}

}  // namespace

TEST(FlightPrefs, AbsurdPreferencesLeaveAParkedTrainerAtRest)
{
    ORV_NEED_DATA(sim_start("trainer") == 1, "stock aircraft");
    read_absurd_preferences();
    set_fltvars(8);
    set.parkbrake = 1;
    float fastest;
    double moved;
    fly_still(20, &fastest, &moved);
    EXPECT_LT(fastest, 2.0f);
    EXPECT_LT(moved, 3.0);

    ASSERT_EQ(sim_start("floatplane"), 1);
    read_absurd_preferences();
    ASSERT_FALSE(std::isnan(sim_set_down_on_open_water())) << "no open water in the region";
    sim_power(0);
    fly_still(20, &fastest, &moved);
    std::printf("floatplane on waves of %.1f m, %.0f m long at %.0f m/s: fastest %.1f kt, moved %.1f m\n",
                atm.wave_amp, atm.wave_length, atm.wave_speed, fastest, moved);
    EXPECT_LT(fastest, 10.0f);
}
