// The trainer heard through the recording back end installed in the test: started by the
// program's own start-up at KSBD and flown through the program's own frame, its engine slot's pitch rises with the rpm on
// the take-off, the stall horn sounds near the stall, and the landing plays a touchdown.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_sound.h"
#include "2-QZutils/records.h"
#include "flight/flight_sim.h"
#include "support/sound_recorder.h"
#include "support/test_support.h"

using namespace orv;
using namespace orv_test;

namespace {

float agl_ft() { return ((float)flt.Y - env.localh_cg) * con.mtrstoft; }
float rpm() { return flt.tac[0] * con.rsctorpm; }

struct heard {
    float t, rpm, kias, agl;
    int   engine_hz;
};

void print(const char* what, const heard& h)
{
    std::printf("%-24s t %6.1f s  rpm %5.0f  %5.1f KIAS  %6.0f ft AGL  engine slot %5d Hz\n", what, h.t, h.rpm, h.kias,
                h.agl, h.engine_hz);
    std::fflush(stdout);
}

heard now() { return {(float)sim_time(), rpm(), flt.vind, agl_ft(), sound_log(SND_ENGINE).frequency}; }

}  // namespace

TEST(FlightSound, TrainerTakeoffStallAndLandingAreHeard)
{
    sound_recorder_install();
    ORV_NEED_DATA(sim_start("trainer", "KSBD", 1, 1) == 1, "stock aircraft");
    for (int s = 0; s < SOUND_SLOTS; s++) ASSERT_TRUE(sound_log(s).has_buffer) << sound_file_name[s];
    EXPECT_TRUE(sound_log(SND_ENGINE).playing && sound_log(SND_ENGINE).looped);

    // The run-up on the brakes, then the roll: pitch follows the rpm all the way.
    set.parkbrake = 1;
    sim_power(0.0f);
    sim_fly(3.0f, nullptr);
    std::vector<heard> run_up = {now()};
    print("idle", run_up.back());
    sim_power(1.0f);
    for (int k = 0; k < 8; k++) {
        sim_fly(0.25f, nullptr);
        run_up.push_back(now());
        print("power coming in", run_up.back());
    }
    for (size_t k = 1; k < run_up.size(); k++) {
        const heard &a = run_up[k - 1], &b = run_up[k];
        if (b.rpm > a.rpm + 20) {
            EXPECT_GT(b.engine_hz, a.engine_hz) << "at " << b.t << " s";
        }
    }
    const heard &idle = run_up.front(), &full = run_up.back();
    ASSERT_GT(full.rpm, 1.5f * idle.rpm) << "the engine never ran up";
    EXPECT_NEAR((float)full.engine_hz / (float)idle.engine_hz, full.rpm / idle.rpm, 0.03f * full.rpm / idle.rpm)
        << "the engine's pitch is not in proportion to its rpm";

    set.parkbrake = 0;
    EXPECT_EQ(sound_log(SND_TOUCH_RUNWAY).plays, 0) << "a start on the runway is heard as a landing";
    const float hdg = flt.psi, ground_pitch = flt.the;
    for (int i = 0; i < 2400 && agl_ft() < 1500; i++) {
        pilot_hold_pitch(flt.vind > 55 ? 8.0f : ground_pitch, bank_for_heading(hdg));
        if (flt.onground) set.MK_hdng += 0.05f * fltwrap(hdg - flt.psi, -180, 180);
        sim_frame();
    }
    print("climbed", now());
    ASSERT_GE(agl_ft(), 1500.0f) << "the take-off never climbed";
    EXPECT_FALSE(sound_log(SND_STALL).playing) << "the horn sounds in a normal climb";

    // Power off and the nose up little by little: the horn starts near the stall.
    sim_power(0.0f);
    pilot_set_alpha_limit(90.0f);
    float target = flt.vind, horn_kias = 0;
    for (int i = 0; i < 3000 && !horn_kias; i++) {
        target -= 0.5f * msc.prd;
        pilot_hold_speed(target, bank_for_heading(hdg));
        sim_frame();
        if (sound_log(SND_STALL).playing) {
            horn_kias = flt.vind;
            EXPECT_FALSE(flt.stalled[4]) << "the wing stalled before the horn sounded";
        }
    }
    print("stall horn", now());
    const double stall_kcas = reference_figure("trainer", "stall_clean");
    EXPECT_GT(horn_kias, 0.0f) << "no horn as the trainer slowed to the stall";
    EXPECT_LT(horn_kias, 1.25 * stall_kcas) << "the horn sounds far above the stall (" << stall_kcas << " KCAS)";
    EXPECT_TRUE(sound_log(SND_STALL).looped);

    // Nose down and a power-off approach to the ground ahead, flared at the end.
    pilot_set_alpha_limit(12.0f);
    for (int i = 0; i < 12000 && !flt.onground; i++) {
        const float agl = agl_ft();
        if (agl > 40) {
            pilot_hold_speed(65.0f, bank_for_heading(hdg));
        } else {
            pilot_hold_vs(agl > 10 ? -250.0f : -80.0f, 0.0f);
        }
        sim_frame();
    }
    sim_fly(1.0f, nullptr);
    print("landed", now());
    std::printf("touchdowns heard: runway %d, off the runway %d, water %d\n", sound_log(SND_TOUCH_RUNWAY).plays,
                sound_log(SND_TOUCH_OFF).plays, sound_log(SND_TOUCH_WATER).plays);
    EXPECT_TRUE(flt.onground) << "never came down";
    EXPECT_FALSE(sound_log(SND_STALL).playing) << "the horn still sounds on the ground";
    EXPECT_EQ(sound_log(SND_CRASH).plays, 0) << "the landing was a crash";
    const int touchdowns = sound_log(SND_TOUCH_RUNWAY).plays + sound_log(SND_TOUCH_OFF).plays;
    EXPECT_GT(touchdowns, 0) << "no touchdown was heard";
    EXPECT_LE(touchdowns, 6) << "the legs chatter on the ground: a thump for each leg and a bounce at most";
    plat_sound_install(nullptr);
}
