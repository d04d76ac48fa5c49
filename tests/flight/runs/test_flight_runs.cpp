// Headless flights of the stock aircraft against their published figures. Each flight prints
// its measured figure beside the published one with the error in per cent.
#include <gtest/gtest.h>

#include <cmath>

#include "2-QZutils/qz_funct.h"
#include "2-QZutils/records.h"
#include "app/app_flight.h"
#include "flight/flight_sim.h"
#include "flight/flt_init.h"
#include "flight/integ.h"

using namespace orv;
using namespace orv_test;

namespace {

constexpr float PRD = 0.05f;

struct Type {
    const char* id;
    float vy_kias;        // best-rate climb speed of the handbook (or the usual fraction of it)
    float rotate_kias;    // take-off rotation speed
    float cruise_ft;      // altitude of the published cruise figure
    float cruise_power;   // share of maximum power or thrust of the published cruise figure
    bool  tas;            // the published cruise figure is true (else indicated)
};
const Type kTypes[] = {
    {"trainer", 74, 55, 8500, 0.75f, true},   {"twin", 105, 85, 4000, 0.70f, false},
    {"turboprop", 135, 95, 29000, 1.0f, true}, {"bizjet", 200, 110, 35000, 1.0f, true},
    {"floatplane", 80, 60, 5000, 0.70f, true}, {"carrierjet", 300, 140, 30000, 0.85f, true},
};

bool loaded(const Type& t)
{
    return sim_load(t.id) == 1;
}

bool jet() { return pln.entype == 4 || pln.entype == 5; }

float weight_lb(const char* id) { return (float)reference_figure(id, "max_weight"); }

void fly(float seconds, void (*pilot)(), float prd = PRD)
{
    for (int i = 0; i < (int)(seconds / prd); i++) {
        if (pilot) pilot();
        sim_frame(prd);
    }
}

void full_power()
{
    for (int e = 0; e < NUM_ENGINES; e++) {
        flt.throrequest[e] = flt.thro[e] = 1.0f;
        flt.mixt[e] = 1.0f;
        flt.prop[e] = pln.omegamax;
    }
}

float level_tas_at(float throttle_share, float alt_ft)
{
    sim_air_start(alt_ft, 150.0f, 270.0f);
    setgear(0);
    for (int e = 0; e < NUM_ENGINES; e++) flt.throrequest[e] = flt.thro[e] = throttle_share;
    static float target_ft;
    target_ft = alt_ft;
    fly(240.0f, [] { pilot_hold_vs(fltlim((target_ft - (float)flt.Y * con.mtrstoft) * 2.0f, -500, 500)); });
    return flt.av * con.msctokts;
}

}  // namespace

// Static thrust at sea level, brakes on, full power, against the rated figure: for the jets
// their rated thrust, for the propellers the ideal momentum thrust of their power and disc at a
// figure of merit of 0.7 (the usual for a fixed or constant-speed propeller at rest).
TEST(FlightRuns, StaticThrustAgainstRated)
{
    for (const char* id : {"trainer", "twin", "turboprop", "floatplane", "bizjet", "carrierjet"}) {
        if (sim_load(id) != 1) GTEST_SKIP() << "stock aircraft not installed";
        sim_runway_start(KSFO_28R);
        full_power();
        fly(25.0f, nullptr);
        const double measured = flt.thrust[0] / con.lbstonew;
        double rated;
        if (jet()) rated = pln.tmax / con.lbstonew;
        else {
            const double P = pln.pmax, A = pln.discarea[0], rho = 1.225;
            rated = 0.7 * std::cbrt(2.0 * rho * A * P * P) / con.lbstonew;
        }
        const double err = report(id, "static_thrust", measured, rated, "lbf");
        EXPECT_LE(std::fabs(err), 15.0) << id;
    }
}

TEST(FlightRuns, TakeoffGroundRollAtMaximumWeight)
{
    for (const Type& t : kTypes) {
        const double published = reference_figure(t.id, "takeoff_roll");
        if (std::isnan(published) || !std::string(t.id).compare("floatplane")) continue;
        if (!loaded(t)) GTEST_SKIP() << "stock aircraft not installed";
        sim_runway_start(KSFO_28R);
        sim_set_weight_lb(weight_lb(t.id));
        if (pln.flapEQ && !std::string(t.id).compare("trainer")) flt.flap = flt.flaprequest = 17;   // 10 of 30 deg
        fly(3.0f, nullptr);
        full_power();
        set.parkbrake = 0;
        const double x0 = flt.X, z0 = flt.Z;
        static float vr;
        vr = t.rotate_kias;
        float roll_ft = 0;
        for (int i = 0; i < 120 / PRD; i++) {
            if (flt.vind > vr) pilot_hold_pitch(10.0f);
            else pilot_hold_pitch(pln.the_eqlbm);
            sim_frame(PRD);
            if (!flt.onground && flt.vind > 0.8f * vr) {
                roll_ft = (float)std::hypot(flt.X - x0, flt.Z - z0) * con.mtrstoft;
                break;
            }
        }
        const double err = report(t.id, "takeoff_roll", roll_ft, published, "ft");
        EXPECT_GT(roll_ft, 0.0f) << t.id << " never left the ground";
        EXPECT_LE(std::fabs(err), 25.0) << t.id;
    }
}

TEST(FlightRuns, ClimbAtBestRateSpeedFullPower)
{
    for (const Type& t : kTypes) {
        const double published = reference_figure(t.id, "climb");
        if (!loaded(t)) GTEST_SKIP() << "stock aircraft not installed";
        for (float alt : {1000.0f, 8000.0f}) {
            sim_load(t.id);
            sim_air_start(alt, t.vy_kias * 1.05f, 270.0f);
            sim_set_weight_lb(weight_lb(t.id));
            setgear(0);
            full_power();
            static float vy;
            vy = t.vy_kias;
            fly(60.0f, [] { pilot_hold_speed(vy); });
            const double y0 = flt.Y;
            fly(30.0f, [] { pilot_hold_speed(vy); });
            const double fpm = (flt.Y - y0) * con.mtrstoft * 2.0;
            if (alt < 5000.0f) {
                const double err = report(t.id, "climb_sea_level", fpm, published, "ft/min");
                if (!std::string(t.id).compare("carrierjet")) continue;   // published at light weight
                EXPECT_LE(std::fabs(err), 20.0) << t.id;
            } else {
                std::printf("%-10s %-22s measured %9.1f ft/min (no published figure)\n", t.id, "climb_8000ft", fpm);
            }
        }
    }
}

TEST(FlightRuns, LevelSpeedAtPublishedCruisePower)
{
    for (const Type& t : kTypes) {
        const double published = reference_figure(t.id, "cruise");
        if (!loaded(t)) GTEST_SKIP() << "stock aircraft not installed";
        sim_set_weight_lb(0.85f * weight_lb(t.id));
        const float ktas = level_tas_at(t.cruise_power, t.cruise_ft);
        const float measured = t.tas ? ktas : flt.vind;
        const double err = report(t.id, "cruise", measured, published, t.tas ? "KTAS" : "KIAS");
        EXPECT_LE(std::fabs(err), 10.0) << t.id;
    }
}

TEST(FlightRuns, StallSpeedsCleanAndLandingFlaps)
{
    for (const Type& t : kTypes) {
        for (const char* fig : {"stall_clean", "stall_landing"}) {
            const double published = reference_figure(t.id, fig);
            if (std::isnan(published)) continue;
            if (!loaded(t)) GTEST_SKIP() << "stock aircraft not installed";
            sim_set_weight_lb(weight_lb(t.id));
            const bool landing = fig[6] == 'l';
            sim_air_start(5000.0f, (float)published * 1.6f, 270.0f);
            sim_set_weight_lb(weight_lb(t.id));
            setgear(landing ? 1 : 0);
            if (landing) flt.flap = flt.flaprequest = 50;
            for (int e = 0; e < NUM_ENGINES; e++) flt.throrequest[e] = flt.thro[e] = 0.0f;
            // decelerate at 1 kt/s holding the height; the stall is the least calibrated speed
            // flown before the aircraft can no longer hold it
            float target = flt.vind, least = 1e9f;
            const double y0 = flt.Y;
            for (int i = 0; i < 200 / PRD; i++) {
                target -= PRD;
                pilot_hold_speed(target);
                sim_frame(PRD);
                if (flt.Y < y0 - 150.0 * con.fttomtrs) break;
                least = std::fmin(least, calibrated_airspeed_kt());
            }
            const double err = report(t.id, fig, least, published, "KCAS");
            EXPECT_LE(std::fabs(err), 10.0) << t.id << " " << fig;
        }
    }
}

TEST(FlightRuns, CrashRestartsAtTheSelectedRunway)
{
    if (sim_load("trainer") != 1) GTEST_SKIP() << "stock aircraft not installed";
    sim_runway_start(KSFO_28R);
    const double x0 = flt.X, z0 = flt.Z;
    sim_air_start(300.0f, 90.0f, 0.0f);
    flt.vY = -30.0f;   // a dive into the ground
    bool restarted = false;
    for (int i = 0; i < 400 && !restarted; i++) {
        sim_frame(PRD);
        restarted = std::fabs(flt.X - x0) < 1.0 && std::fabs(flt.Z - z0) < 1.0 && msc.init_time < 0.2f;
    }
    EXPECT_TRUE(restarted);
    EXPECT_EQ(set.parkbrake, 1.0f);
}
