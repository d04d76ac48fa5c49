// The force-feedback stick through a flight of the stock trainer: a fake force device records
// what the flight model's events ask of it, and each effect must come at its moment: the
// springs every second, centred where the trim puts the stick; the shaker from the first
// frame the wing nears its stall until it is flown away from it; the crash's jolt in the
// frame the aircraft hits the ground, after every other force has been cleared.
#include <gtest/gtest.h>

#include <vector>

#include "2-QZutils/qz_force.h"
#include "2-QZutils/acf_parts.h"
#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_joy.h"
#include "2-QZutils/records.h"
#include "app/app_input.h"
#include "flight/events.h"
#include "flight/flight_sim.h"
#include "input/fake_joy.h"
#include "support/test_support.h"

namespace orv {
namespace {

using orv_test::fake_effect_call;
using orv_test::FAKE_PLAY;
using orv_test::FAKE_STOP;

constexpr int kFramesPerSecond = 20;   // at the fixed period of 0.05 s

struct ForcesInFlight : ::testing::Test {
    orv_test::fake_joy_installed f;
    int frame = 0;

    void SetUp() override
    {
        ORV_NEED_DATA(!orv_test::stock_aircraft("trainer").empty(), "stock aircraft");
        f.dev.haptic = 1;
        f.dev.plug(0);
        ASSERT_EQ(orv_test::sim_start("trainer"), 1);
        ASSERT_EQ(JOY_init(), 1);
        ASSERT_EQ(forces_active(), 1);
        wire_pilot_input();
        events_reset();
        pln.ff_stickshaker = 1;           // this trainer carries a stick shaker
        rel.esystem = 1;
        orv_test::sim_air_start(3000, 100, flt.psi);
        f.dev.calls.clear();
    }
    void TearDown() override { CloseStick(); }

    // One frame of the program; answers whether the ten-a-second events ran in it.
    bool fly()
    {
        const int events_before = msc.cntr10;
        orv_test::sim_frame();
        ++frame;
        return msc.cntr10 != events_before;
    }
    static bool shaking(const fake_effect_call& c)
    {
        return c.op == FAKE_PLAY && c.slot == FX_VIBRATION_Y && c.effect.magnitude == 100 && c.effect.frequency_hz == 10;
    }
    const fake_effect_call* last(int slot, int op)
    {
        for (auto it = f.dev.calls.rbegin(); it != f.dev.calls.rend(); ++it)
            if (it->slot == slot && it->op == op) return &*it;
        return nullptr;
    }
    // The stall warning's test: any wing's first element within 3 degrees of its stall.
    static bool near_stall()
    {
        for (int p : {PART_WING1L, PART_WING2L, PART_WING3L})
            if (pln.alpha_max[p] > 0 && flt.alpha[p][0] > pln.alpha_max[p] - 3) return true;
        return false;
    }
};

TEST_F(ForcesInFlight, SpringsShakerAndCrashJoltComeAtTheirMoments)
{
    // Level cruise: a spring each second, none of it shaking.
    for (int i = 0; i < 3 * kFramesPerSecond; ++i) {
        orv_test::pilot_hold_pitch(2);
        fly();
    }
    const fake_effect_call* spring = last(FX_SPRING_Y, FAKE_PLAY);
    ASSERT_NE(spring, nullptr);
    EXPECT_EQ(spring->effect.centre, 0);
    // set at the last once-a-second event, some frames ago: the speed has moved a little since
    EXPECT_NEAR(spring->effect.coeff_pos, 75 * flt.Qratio, 1.5);
    for (const auto& c : f.dev.calls) EXPECT_FALSE(shaking(c));

    // Nose-up trim moves the spring's centre with it at the next second.
    flt.elv_trim = 0.4f;
    f.dev.calls.clear();
    for (int i = 0; i < kFramesPerSecond; ++i) fly();
    spring = last(FX_SPRING_Y, FAKE_PLAY);
    ASSERT_NE(spring, nullptr);
    EXPECT_EQ(spring->effect.centre, 20);
    flt.elv_trim = 0;

    // Power off and the stick held back: the shaker starts with the first event at which
    // the wing is within 3 degrees of its stall, not before.
    f.dev.calls.clear();
    flt.throrequest[0] = 0;
    int shaker_on = -1;
    for (int i = 0; i < 40 * kFramesPerSecond && shaker_on < 0; ++i) {
        set.MK_ptch = 1;
        set.MK_roll = 0;
        const size_t before = f.dev.calls.size();
        const bool events_ran = fly();
        for (size_t k = before; k < f.dev.calls.size(); ++k)
            if (shaking(f.dev.calls[k])) shaker_on = frame;
        if (shaker_on < 0 && events_ran) {
            ASSERT_FALSE(near_stall()) << "near the stall at frame " << frame << " and no shaker";
        }
    }
    ASSERT_GT(shaker_on, 0) << "the trainer never neared its stall";
    EXPECT_TRUE(near_stall());

    // Stick forward: the shaker stops once the wing is flown away from the stall.
    int shaker_off = -1;
    for (int i = 0; i < 10 * kFramesPerSecond && shaker_off < 0; ++i) {
        set.MK_ptch = -0.5f;
        const size_t before = f.dev.calls.size();
        fly();
        for (size_t k = before; k < f.dev.calls.size(); ++k)
            if (f.dev.calls[k].op == FAKE_STOP && f.dev.calls[k].slot == FX_VIBRATION_Y) shaker_off = frame;
    }
    ASSERT_GT(shaker_off, shaker_on);
    EXPECT_FALSE(near_stall());

    // Full power and a spiral dive: no crash jolt until the frame the aircraft strikes the
    // ground (the frame that starts the flight again); there every effect is stopped first
    // and the jolt of 100 for 250 ms follows.
    flt.throrequest[0] = 1;
    int crashed = -1;
    float height_before = 0;
    for (int i = 0; i < 120 * kFramesPerSecond && crashed < 0; ++i) {
        set.MK_ptch = -1;
        set.MK_roll = 1;
        height_before = (float)flt.Y - env.localh_cg;
        const size_t before = f.dev.calls.size();
        fly();
        for (size_t k = before + PLAT_FX_SLOTS; k < f.dev.calls.size(); ++k) {
            const fake_effect_call& c = f.dev.calls[k];
            if (c.op != FAKE_PLAY || c.effect.kind != PLAT_FX_JOLT) continue;
            int stops = 0;
            for (size_t j = k - PLAT_FX_SLOTS; j < k; ++j) stops += f.dev.calls[j].op == FAKE_STOP;
            if (stops < PLAT_FX_SLOTS) continue;   // a touch of the airframe, not the crash
            EXPECT_EQ(c.effect.magnitude, 100);
            EXPECT_EQ(c.effect.duration_ms, 250);
            crashed = frame;
        }
    }
    ASSERT_GT(crashed, shaker_off) << "the dive never ended in a crash";
    EXPECT_LT(height_before, 30.0f) << "the crash jolt came before the ground";
    EXPECT_EQ(flt.vY, 0.0f) << "the crash frame starts the flight again";
}

TEST_F(ForcesInFlight, TouchdownJoltFollowsTheGearForce)
{
    // Low and slow over the runway, power off: the first wheel to touch gives a jolt of
    // 200 x its force / the mass (limited to 100) for 300 ms, in the frame it touches.
    orv_test::sim_start("trainer");   // on the runway: its ground height
    const float ground_ft = env.localh_cg * con.mtrstoft;
    orv_test::sim_air_start(ground_ft + 6, 55, flt.psi);
    flt.throrequest[0] = 0;
    f.dev.calls.clear();
    int touched = -1;
    for (int i = 0; i < 20 * kFramesPerSecond && touched < 0; ++i) {
        orv_test::pilot_hold_pitch(4);
        int was[3];
        for (int w = 0; w < 3; ++w) was[w] = flt.gear_touch[w];
        const size_t before = f.dev.calls.size();
        fly();
        for (int w = 0; w < 3 && touched < 0; ++w) {
            if (was[w] || !flt.gear_touch[w]) continue;
            touched = frame;
            const int want = intlim(intlim((int)(flt.gearf[w] / flt.m_total * 200.0f), 0, 300), 0, 100);
            bool jolted = false;
            for (size_t k = before; k < f.dev.calls.size(); ++k) {
                const fake_effect_call& c = f.dev.calls[k];
                if (c.op != FAKE_PLAY || c.effect.kind != PLAT_FX_JOLT || c.effect.duration_ms != 300) continue;
                EXPECT_EQ(c.effect.magnitude, want);
                jolted = true;
            }
            EXPECT_TRUE(jolted) << "no touchdown jolt in the frame wheel " << w << " touched";
        }
        if (touched < 0) {
            for (size_t k = before; k < f.dev.calls.size(); ++k)
                EXPECT_NE(f.dev.calls[k].effect.kind, PLAT_FX_JOLT) << "a jolt before any wheel touched";
        }
    }
    EXPECT_GT(touched, 0) << "the trainer never touched down";
}

}  // namespace
}  // namespace orv
