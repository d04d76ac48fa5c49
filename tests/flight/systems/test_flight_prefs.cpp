// A preferences file with absurd numbers, read by the program and flown: the weather, the
// waves and the frame period it names are limited to what their settings allow, so the
// parked trainer stays at rest.
#include <gtest/gtest.h>

#include <cmath>

#include "2-QZutils/qz_file.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/records.h"
#include "app/app_prefs.h"
#include "flight/flight_sim.h"
#include "flight/flt_init.h"

using namespace orv;
using namespace orv_test;

TEST(FlightPrefs, AbsurdPreferencesLeaveAParkedTrainerAtRest)
{
    ASSERT_EQ(sim_start("trainer"), 1) << "stock aircraft not installed: build the data tree";
    atm.wave_amp = 1e30f;
    atm.wave_length = 1e-30f;
    atm.wave_speed = 1e30f;
    atm.temp_SL = -1e30f;
    atm.baro = ins.baro = NAN;
    for (int i = 0; i < 9; i++) atm.wndspd[i] = atm.tbl[i] = 1e30f;
    atm.rain_tstm = atm.wind_tbl = atm.burst_prob = 1e30f;
    msc.prd = 1e30f;
    ASSERT_EQ(write_prefs_file(), 1);
    ASSERT_EQ(inf_open(prefs_path, FILE_ANY, PREFS_VERSION, 0), 1);
    ASSERT_EQ(grab_prefs(), 1);
    inf_close();
    atm.change_clouds = atm.change_vis = atm.change_precip = atm.change_turb = atm.change_micro = 0;
    set_fltvars(8);
    set.parkbrake = 1;
    const double x0 = flt.X, z0 = flt.Z;
    float fastest = 0;
    for (int frame = 0; frame < 400; frame++) {
        sim_frame();
        ASSERT_TRUE(std::isfinite(flt.v) && std::isfinite(flt.X) && std::isfinite(flt.Y)) << "frame " << frame;
        if (frame > 40) fastest = std::fmax(fastest, flt.v);
    }
    EXPECT_LT(fastest * con.msctokts, 2.0f);
    EXPECT_LT(std::hypot(flt.X - x0, flt.Z - z0), 3.0);
}
