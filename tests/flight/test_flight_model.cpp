// Flight model laws at their edges: airfoil lookup, control increments, propwash,
// propulsion, contact, integration and the crash check.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "2-QZutils/qz_funct.h"
#include "2-QZutils/records.h"
#include "2-QZutils/records_reset.h"
#include "flight/fltcalc.h"
#include "flight/flight_hooks.h"
#include "flight/fltutil.h"
#include "flight/flt_init.h"
#include "flight/integ.h"
#include "flight/propel.h"
#include "world/terrain_grid.h"

namespace orv {
namespace {

constexpr int P = 4;   // the part the airfoil tests use

class FlightModel : public ::testing::Test {
protected:
    void SetUp() override
    {
        clear_records();
        std::memset(&pln, 0, sizeof pln);
        std::memset(&afl, 0, sizeof afl);
        init_trig_tables();
        set_constants();
        seed_rand(7);
        // A recognisable airfoil: straight line cl = 0.1 a + 0.2, table lift 1.0 + index/1000,
        // table drag index/10000 (positive side) and the same negated-free on the negative side.
        for (int rt = 0; rt < 2; rt++)
            for (int re = 0; re < 2; re++) {
                afl.clM[P][rt][re] = 0.1f;
                afl.clB[P][rt][re] = 0.2f;
                afl.al_zl[P][rt][re] = -2.0f;
                afl.cmal2[P][rt][re] = -4.0f;
                afl.cmal3[P][rt][re] = 8.0f;
                for (int i = 0; i < AFL_CL_N; i++) afl.clpos[P][rt][re][i] = afl.clneg[P][rt][re][i] = 1.0f + (i + 100) / 1000.0f;
                for (int i = 0; i < AFL_CD_N; i++) afl.cdpos[P][rt][re][i] = afl.cdneg[P][rt][re][i] = i / 10000.0f;
            }
        pln.al_D_al0[P] = 1.0f;
        pln.slat_effect[P] = 1.0f;
        pln.alpha_max[P] = 16.0f;
        atm.g = con.g;
    }
    // Level flight at height y (m) in air of sea-level density.
    void level_at(double y)
    {
        flt.Y = y;
        flt.costhe = flt.cosphi = flt.cospsi = flt.cosalph = flt.cosbeta = 1.0f;
        flt.cosahpath = flt.cosavpath = flt.cosphi_path = 1.0f;
        atm.rho = 1.225f;
    }
};

TEST_F(FlightModel, LiftTableStartsAtTenDegreesAndDragAlwaysComesFromTheTable)
{
    float cl, cd, cm;
    anyfoil(9.9f, &cl, &cd, &cm, P, 0, 0, 0);
    EXPECT_NEAR(cl, 0.1f * 9.9f + 0.2f, 1e-5f);     // the straight line
    EXPECT_NEAR(cd, 0.0099f, 1e-5f);                // table index 99
    anyfoil(10.0f, &cl, &cd, &cm, P, 0, 0, 0);
    EXPECT_NEAR(cl, 1.1f, 1e-5f);                   // table index 100, not the line's 1.2
    EXPECT_FLOAT_EQ(afl_index(25.0f), 205.0f);
    EXPECT_FLOAT_EQ(afl_index(100.0f), 269.99f);
    EXPECT_FLOAT_EQ(afl_index(NAN), 0.0f);          // never an index made of a NaN
    anyfoil(100.0f, &cl, &cd, &cm, P, 0, 0, 0);     // last interval, no read past the table
    EXPECT_NEAR(cd, 0.0269f * 0.01f + 0.0270f * 0.99f, 1e-5f);
    EXPECT_EQ(flt.stalled[P], 1);
    anyfoil(-40.0f, &cl, &cd, &cm, P, 0, 0, 0);
    EXPECT_EQ(flt.stalled[P], 0);                   // negative angles never stall
}

TEST_F(FlightModel, ControlIncrementIsZeroUndeflectedAndHalvedAtSeventyFiveDegrees)
{
    float cl, cd, cm;
    set_con_eff(P, CON_PLAIN, 0.25f, 0.0f, &cl, &cd, &cm, "AILERON");
    EXPECT_EQ(cl, 0.0f);
    EXPECT_EQ(cd, 0.0f);
    EXPECT_EQ(cm, 0.0f);
    set_con_eff(P, CON_PLAIN, 0.25f, -75.0f, &cl, &cd, &cm, "AILERON");
    const float theory = 75.0f * std::sqrt(0.25f) * 0.1097f / 1.5f;
    EXPECT_NEAR(cl, 0.5f * theory, 1e-5f);
    flt.stalled[P] = 1;
    set_con_eff(P, CON_PLAIN, 0.25f, -75.0f, &cl, &cd, &cm, "AILERON");
    EXPECT_NEAR(cl, 0.1f * theory, 1e-5f);          // a stalled part keeps a fifth
}

TEST_F(FlightModel, PropwashWindowIsOpenAtItsPeak)
{
    EXPECT_EQ(wash_share(5.0f, 0.0f, 5.0f, 10.0f), 0.0f);
    EXPECT_NEAR(wash_share(4.0f, 0.0f, 5.0f, 10.0f), 0.8f, 1e-6f);
    EXPECT_NEAR(wash_share(7.5f, 0.0f, 5.0f, 10.0f), 0.5f, 1e-6f);
    EXPECT_EQ(wash_share(-1.0f, 0.0f, 5.0f, 10.0f), 0.0f);
}

TEST_F(FlightModel, PropwashWithNoIncomingSpeedUsesOneMetrePerSecond)
{
    atm.rho = 1.2f;
    msc.prd = 0.1f;
    const float next = dv_total(0.0f, 120.0f, 2.0f, 0.0f);
    // Worked by hand: 120 N on a 2 m^2 disc in air of 1.2 kg/m^3, the speed taken as 1 m/s,
    // over half of the 0.1 s step: 2.5 m/s of wash.
    EXPECT_NEAR(next, 2.5f, 1e-4f);
    EXPECT_TRUE(std::isfinite(dv_total(0.0f, 0.0f, 0.0f, 0.0f)));
}

TEST_F(FlightModel, JetBelowQuarterN1SpoolsAtTheStartRateWhateverTheThrottle)
{
    pln.entype = 5;
    pln.numen = 1;
    pln.spooltime = 2.0f;
    pln.tmax = 10000.0f;
    rel.oilpmp[0] = 1;
    flt.eng_running[0] = 1;
    msc.prd = 0.1f;
    atm.crtsig = 1.0f;
    for (float thro : {0.0f, 1.0f}) {
        flt.thro[0] = thro;
        flt.parteqlbmthrust[0] = 0.04f;   // N1 20 %
        flt.n1_[0] = 20.0f;
        jets();
        // 0.1 s of a 2 s spool-up adds 5 % of what the engine makes: 0.04 becomes 0.042.
        EXPECT_NEAR(flt.parteqlbmthrust[0], 0.042f, 1e-6f) << "throttle " << thro;
    }
}

// A dead engine turned by a windmilling propeller brakes it even just above idle speed (the
// friction and pumping of a motored engine), a little more at full speed, and never turns a
// propeller at rest.
TEST_F(FlightModel, StoppedEngineBrakesAWindmillingPropellerNearIdleSpeed)
{
    pln.entype = 2;
    pln.pmax = 100000.0f;
    pln.omegamin = 50.0f;
    pln.omegamax = 250.0f;
    rel.oilpmp[0] = 1;
    atm.crtsig = 1.0f;
    const float rated = 100000.0f / 250.0f;
    float last = -0.1f * rated;
    for (float w : {60.0f, 125.0f, 250.0f}) {       // just above idle speed to full speed
        flt.tac[0] = w;
        apropengine(0);
        EXPECT_LT(flt.trq[0], last) << w;
        EXPECT_GT(flt.trq[0], -0.5f * rated) << w;  // a motored engine, not a full-power brake
        last = flt.trq[0];
    }
    flt.tac[0] = 0.0f;
    apropengine(0);
    EXPECT_EQ(flt.trq[0], 0.0f);
}

// Each engine on its own: a collective twin's governors open each throttle on its own
// propeller's speed; a failed reverser lock reverses that jet alone; a failed tail-rotor drive
// stops the tail rotor, so nothing holds the main rotor's torque.
TEST_F(FlightModel, GovernorsAndFailuresActOnTheirOwnEngine)
{
    pln.numen = 2;
    pln.entype = 3;
    pln.collectEQ = pln.revthrustEQ = 1;
    pln.omegamax = pln.tmax = 200.0f;
    msc.prd = 0.05f;
    atm.crtsig = 1.0f;
    for (int e = 0; e < 2; e++) {
        rel.thrgov[e] = rel.oilpmp[e] = flt.eng_running[e] = 1;
        flt.throrequest[e] = 0.5f;
        flt.parteqlbmthrust[e] = flt.thro[e] = 1.0f;
        flt.tac[e] = e ? 100.0f : 200.0f;
    }
    props();
    EXPECT_NEAR(flt.throrequest[0], 0.5f, 1e-3f);
    EXPECT_GT(flt.throrequest[1], 0.9f);
    pln.entype = 4;
    rel.revlok[0] = 1;
    jets();
    EXPECT_GT(flt.thrust[0], 0.0f);
    EXPECT_LT(flt.thrust[1], 0.0f);

    pln = planestruct{};
    pln.is_heli = pln.numen = 1;
    pln.trotor_rat = 5.0f;
    flt.tac[0] = 50.0f;
    for (int drive : {1, 0}) {
        rel.trotor = drive;
        props();
        EXPECT_EQ(flt.tac[1] > 200.0f, drive == 1);
    }
    EXPECT_EQ(flt.thrust[1], 0.0f);
}

// A helicopter set rolling with its rotor at full speed and no control input: the disc's
// moments damp the roll away in a couple of seconds, and never swing it into pitch.
TEST_F(FlightModel, SpinningRotorDampsARollWithoutPitchingTheBody)
{
    set_flat_region_frame(0.0f);
    pln.is_heli = pln.numen = pln.entype = 1;
    pln.miprop[0] = 200.0f;
    pln.m_empty = flt.m_total = 600.0f;
    pln.Jzz_unitmass = 0.8f;   // roll
    pln.Jxx_unitmass = 3.0f;   // pitch
    pln.Jyy_unitmass = 2.4f;
    flt.tac[0] = 55.0f;
    rel.oilpmp[0] = 1;
    level_at(1000.0);
    msc.prd = 0.025f;
    flt.P = 20.0f;
    flt.Prad = flt.P * con.dgrtorad;
    float most_pitch_rate = 0.0f;
    for (int i = 0; i < 80; i++) {   // 2 s
        set_a();
        integ_vx();
        most_pitch_rate = std::fmax(most_pitch_rate, std::fabs(flt.Q));
    }
    EXPECT_LT(std::fabs(flt.P), 1.0f);
    EXPECT_LT(most_pitch_rate, 1.0f);
}

TEST_F(FlightModel, InitpowerBelowATenthLeavesTheEnginesAtRest)
{
    pln.numen = 1;
    pln.omegamin = 70.0f;
    pln.omegamax = 280.0f;
    initpower(0.05f);
    EXPECT_EQ(flt.tac[0], 1.0f);
    EXPECT_EQ(flt.n1_[0], 0.0f);
    initpower(0.1f);
    EXPECT_GT(flt.tac[0], 70.0f);
    EXPECT_NEAR(flt.n1_[0], 46.0f, 1e-4f);
    pln.gear_retract = 0;
    setgear(0);
    EXPECT_EQ(set.gear_handle, 1);                  // fixed gear stays down
}

// ---------------------------------------------------------------- ground contact

class Contact : public FlightModel {
protected:
    void SetUp() override
    {
        FlightModel::SetUp();
        set_flat_region_frame(0.0f);
        pln.mgearcon = 50000.0f;
        pln.ngearcon = 50000.0f;
        pln.m_max = 1000.0f;
        pln.ngearZ = -1.0f;
        pln.mgearZ = 0.5f;
        flt.X = 1000.0;
        flt.Z = 1000.0;
        flt.Y = 0.95;          // wheel 1 m below the CG: 5 cm compression
        flt.costhe = flt.cosphi = 1.0f;
        flt.cospsi = 1.0f;
    }
    float main_wheel_drag()
    {
        flt.faxilgear = flt.fsidegear = 0;
        handle_contact_point(1, -1.0f, -1.0f, pln.mgearZ);
        return flt.faxilgear;
    }
};

TEST_F(Contact, FrictionIsZeroAtRestAndFullFromOneMetrePerSecond)
{
    flt.vZ = 0.0f;
    EXPECT_EQ(main_wheel_drag(), 0.0f);
    EXPECT_GT(flt.gearf[1], 0.0f);
    EXPECT_EQ(flt.onground, 1);
    flt.vZ = -0.5f;   // rolling north, the way it faces
    const float half = main_wheel_drag();
    flt.vZ = -1.0f;
    const float full = main_wheel_drag();
    flt.vZ = -3.0f;
    EXPECT_NEAR(main_wheel_drag(), full, 1e-3f);
    EXPECT_NEAR(half, 0.5f * full, 1e-3f);
    EXPECT_LT(full, 0.0f);                          // against the motion
}

TEST_F(Contact, GrassDoublesRollingResistanceAndUndulates)
{
    flt.vZ = -2.0f;
    const float paved = main_wheel_drag() / flt.gearf[1];   // rolling coefficient
    env.surf_type = 75;
    EXPECT_NEAR(main_wheel_drag() / flt.gearf[1], 2.0f * paved, 1e-5f);
    float lo = 1, hi = -1;
    for (int i = 0; i < 400; i++) {
        const float h = surface_roughness(75, i * 0.37f, i * 0.91f);
        lo = std::fmin(lo, h);
        hi = std::fmax(hi, h);
    }
    EXPECT_LE(hi, 0.04f);
    EXPECT_GE(lo, -0.04f);
    EXPECT_GT(hi - lo, 0.03f);
}

TEST_F(Contact, CastoringNoseWheelTakesNoSideForce)
{
    flt.vX = 2.0f;     // sliding sideways
    pln.nwsteer = 0.0f;
    handle_contact_point(0, 0.0f, -1.0f, pln.ngearZ);
    EXPECT_EQ(flt.fsidegear, 0.0f);
    pln.nwsteer = 10.0f;
    handle_contact_point(0, 0.0f, -1.0f, pln.ngearZ);
    EXPECT_NE(flt.fsidegear, 0.0f);
}

TEST_F(Contact, WheelExactlyAtTheGroundCarriesNothing)
{
    flt.Y = 1.0;
    EXPECT_EQ(handle_contact_point(1, -1.0f, -1.0f, 0.5f), 0);
    EXPECT_EQ(flt.onground, 0);
}

TEST_F(Contact, FloatPointExactlyAtTheSurfaceFloatsWithoutBuoyancy)
{
    pln.misc_eq = 1;
    for (int st = 0; st < 7; st++)
        for (int r = 0; r < 16; r++) {
            pln.body_Z[23][st][r] = st * 1.0f;
            pln.body_X[23][st][r] = r * 0.1f;
        }
    flt.Y = 0.9;   // 10 cm deep: afloat
    EXPECT_EQ(handle_float_point(23, 3, 8, 0.0f, -1.0f, 0.0f, 0.0f), 1);
    EXPECT_GT(flt.fnrmlgear, 0.0f);
    flt.fnrmlgear = 0;
    flt.Y = 1.0;
    EXPECT_EQ(handle_float_point(23, 3, 8, 0.0f, -1.0f, 0.0f, 0.0f), 1);
    EXPECT_EQ(flt.fnrmlgear, 0.0f);
    EXPECT_EQ(flt.onground, 1);
    flt.Y = 1.01;
    flt.onground = 0;
    EXPECT_EQ(handle_float_point(23, 3, 8, 0.0f, -1.0f, 0.0f, 0.0f), 0);
    EXPECT_EQ(flt.onground, 0);
}

// Decks stand in water cells, far above the sea under the centre of gravity: a helicopter's
// skids on the rig's deck act as it arrives, and a fuselage on a carrier's deck rests on it
// rather than passing through as if afloat.
TEST_F(Contact, DecksCarryTheSkidsAndTheHullAboveTheSea)
{
    int i, j;
    find_local_h((float)flt.X, (float)flt.Z, &i, &j, 0);
    on_water[i][j] = 1;
    env.i_viewpoint = i;
    env.j_viewpoint = j;
    env.localh_cg = 0;
    flt.m_total = 1000;
    pln.Jxx_unitmass = pln.Jyy_unitmass = pln.Jzz_unitmass = 1;
    pln.skidcon = 50000;
    const float rig_deck = 36;
    pln.gear_type = 2;
    pln.skidX = 1;
    pln.skidY = -1;
    pln.skidl = 2;
    env.over_obs = 1;
    env.obj_height = rig_deck;
    flt.Y = rig_deck + 0.95;
    flight_contact_reach_reset();
    set_a();
    EXPECT_GT(flt.fnrmlgear, 0.0f) << "skids on the rig";
    env.over_obs = 0;
    pln.gear_type = 0;                              // no gear: the fuselage's points meet the deck
    env.over_carr = 1;
    con.BOAT_loc_Y = 0;
    con.cosBOATthe = con.cosBOATphi = 1;
    const float carrier_deck = 21;                  // above the ship's reference point
    flt.Y = carrier_deck - 0.1;
    flight_contact_reach_reset();
    set_a();
    EXPECT_GT(flt.fnrmlgear, 0.0f) << "fuselage on the carrier";
    on_water[i][j] = 0;
}

// ---------------------------------------------------------------- integration and crash

TEST_F(FlightModel, PitchingThroughTheVerticalTurnsHeadingAndRoll)
{
    flt.the = 89.95f;
    flt.psi = 10.0f;
    flt.Q = 100.0f;
    msc.prd = 0.01f;
    flt.costhe = std::cos(89.95f * 3.14159265f / 180.0f);
    flt.cosphi = 1.0f;
    integ_vx();
    EXPECT_NEAR(flt.the, 89.05f, 1e-3f);
    EXPECT_NEAR(flt.psi, 190.0f, 1e-3f);
    EXPECT_NEAR(std::fabs(flt.phi), 180.0f, 1e-3f);
}

// The shuttle's push and held heading end with its stroke, whatever the wheels do during the
// run (a bounce does not drop the aircraft off the shuttle); a stroke lasting the whole flight
// accelerates the aircraft for ever.
TEST_F(FlightModel, CatapultStrokeEndsAtItsEnd)
{
    msc.prd = 0.025f;
    msc.est_Vs = 60.0f;
    flt.costhe = flt.cosphi = 1.0f;
    flt.cat_stage = 4;                              // released where it stands
    for (int i = 0; i < 400 && flt.cat_stage == 4; i++) {
        flt.aX = flt.aZ = 0;                        // the force build-up's part
        flt.onground = i % 2;
        integ_vx();
    }
    EXPECT_EQ(flt.cat_stage, 5);
    EXPECT_NEAR(-flt.Z, 95.0, 5.0);
}

TEST_F(FlightModel, CrashEdgesForAeroplaneAndHelicopter)
{
    flt.onground = 1;
    flt.vY = -24.0f;
    flt.phi = 100.0f;
    EXPECT_EQ(crash_check(), 0);                    // an aeroplane survives 100 deg of bank
    pln.is_heli = 1;
    EXPECT_EQ(crash_check(), 1);                    // a helicopter does not
    pln.is_heli = 0;
    flt.onground = 1;
    flt.phi = 0.0f;
    flt.vY = -26.0f;
    EXPECT_EQ(crash_check(), 1);
    EXPECT_EQ(msc.typestart, 7);                    // restarted as a take-off
    EXPECT_EQ(flt.vY, 0.0f);
}

TEST_F(FlightModel, StillAirLeavesOnlyThrustAndContact)
{
    set_flat_region_frame(0.0f);
    pln.m_empty = 1000.0f;
    pln.Jxx_unitmass = pln.Jyy_unitmass = pln.Jzz_unitmass = 1.0f;
    pln.fuse_cd = 0.2f;
    pln.fuse_s_frn = 1.0f;
    pln.fuse_s_top = pln.fuse_s_sid = 5.0f;
    pln.semilen[P] = 5.0f;
    pln.els[P] = 2;
    pln.s[P][0] = pln.s[P][1] = 4.0f;
    pln.mac[P][0] = pln.mac[P][1] = 1.5f;
    pln.AR[P] = 7.0f;
    pln.e[P] = 0.8f;
    pln.cl_D_cl0[P] = pln.cm_D_cm0[P] = 1.0f;
    flt.CL_grndeffect[P] = flt.CDIgrndeffect[P] = 1.0f;
    flt.m_total = 1000.0f;
    level_at(500.0);
    atm.a = 340.0f;
    flt.Alpha = 8.0f;
    set_a();
    EXPECT_EQ(flt.faxilaero, 0.0f);
    EXPECT_EQ(flt.fnrmlaero, 0.0f);
    EXPECT_EQ(flt.M, 0.0f);
    EXPECT_NEAR(flt.aY, -con.g, 1e-5f);
    flt.av = 40.0f;                                 // the same build-up in a 40 m/s stream
    flt.Qstatic = 0.5f * 1.225f * 1600.0f;
    set_a();
    EXPECT_GT(flt.fnrmlaero, 1000.0f);
    EXPECT_LT(flt.faxilaero, 0.0f);
}

}  // namespace
}  // namespace orv

namespace orv {
namespace {

// Gear dampers that take a hard arrival below the crash limit within the frame that touched:
// the crash is judged by the sink rate at contact, not by what is left of it after the step.
TEST_F(FlightModel, HardArrivalIsACrashEvenWhenTheGearSlowsItWithinTheFrame)
{
    set_flat_region_frame(0.0f);
    pln.m_empty = 1000.0f;
    pln.m_max = 1000.0f;
    pln.Jxx_unitmass = pln.Jyy_unitmass = pln.Jzz_unitmass = 1.0f;
    pln.gear_type = 3;
    pln.gear_stat[0] = pln.gear_stat[1] = pln.gear_stat[2] = 1;
    pln.ngearZ = -1.0f;                           // the legs balance about the centre of gravity
    pln.mgearZ = 0.5f;
    pln.mgearX = 1.2f;
    pln.ngearY = pln.mgearY = -1.0f;
    pln.ngearcon = pln.mgearcon = 2.0e5f;         // N/m and N s/m: a light aircraft's legs
    pln.ngeardmp = pln.mgeardmp = 3.0e4f;
    flt.m_total = 1000.0f;
    flt.costhe = flt.cosphi = flt.cospsi = flt.cosalph = flt.cosbeta = 1.0f;
    flt.cosahpath = flt.cosavpath = flt.cosphi_path = 1.0f;
    atm.rho = 1.225f;
    atm.a = 340.0f;
    msc.prd = 0.05f;
    flt.Y = 1.0 + 0.02;                             // wheels just above the ground
    flt.vY = -27.0f;
    msc.typestart = 0;
    update_flight();
    EXPECT_EQ(msc.typestart, 7) << "a 27 m/s arrival was not judged a crash";
}

// The frame's schedule (events, the period's adaptation, the clocks) runs inside the flight
// frame after the serial output and before the half steps, which integrate over the period it
// adapted.
int frame_stage;
int serial_stage, schedule_stage;
float init_time_at_schedule;
void note_serial() { serial_stage = ++frame_stage; }
void note_schedule()
{
    schedule_stage = ++frame_stage;
    init_time_at_schedule = msc.init_time;
    msc.prd = 0.02f;   // as an adaptation would
}

TEST_F(FlightModel, TheScheduleRunsAfterSerialOutputAndBeforeTheHalfSteps)
{
    set_flat_region_frame(0.0f);
    pln.m_empty = 1000.0f;
    flt.Y = 100;
    msc.prd = 0.05f;
    msc.init_time = 3;
    frame_stage = serial_stage = schedule_stage = 0;
    flight_hooks h = {};
    h.serial_output = note_serial;
    h.frame_schedule = note_schedule;
    flight_set_hooks(h);
    update_flight();
    flight_set_hooks(flight_hooks{});
    EXPECT_EQ(serial_stage, 1);
    EXPECT_EQ(schedule_stage, 2);
    EXPECT_FLOAT_EQ(init_time_at_schedule, 3);
    EXPECT_FLOAT_EQ(msc.init_time, 3.02f);
}

}  // namespace
}  // namespace orv
