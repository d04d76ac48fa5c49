// A run without a picture skips the scene's drawing and the scenery only drawing uses: the
// flight must not notice. The same flight is flown with the scene drawn (through the empty
// drawing table) and its region made whole, and with neither, and every frame's state must
// agree to the bit: on the runway and climbing out among the traffic and obstacles, on a
// carrier's approach with its landing system tuned, then on its deck.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "2-QZutils/records.h"
#include "flight/flt_init.h"
#include "flight/flight_sim.h"
#include "render/scene.h"
#include "render/ships.h"
#include "world/nav_db.h"
#include "world/region.h"
#include "world/scene_tables.h"

using namespace orv;
using namespace orv_test;

namespace {

// What a frame leaves that the flight or its instruments read.
struct frame_state {
    double x, y, z;
    float the, psi, phi, vx, vy, vz;
    int surf, over_carr, over_frig, over_obs;
    float obj_height, boat_y, hdef, vdef, loc_x, traffic_x;
    int good_nav;
    int nearest_apt;
    bool operator==(const frame_state& o) const { return std::memcmp(this, &o, sizeof o) == 0; }
};

frame_state sample()
{
    frame_state s;
    std::memset(&s, 0, sizeof s);   // the padding too, for the comparison
    s.x = flt.X;
    s.y = flt.Y;
    s.z = flt.Z;
    s.the = flt.the;
    s.psi = flt.psi;
    s.phi = flt.phi;
    s.vx = flt.vX;
    s.vy = flt.vY;
    s.vz = flt.vZ;
    s.surf = env.surf_type;
    s.over_carr = env.over_carr;
    s.over_frig = env.over_frig;
    s.over_obs = env.over_obs;
    s.obj_height = env.obj_height;
    s.boat_y = con.BOAT_loc_Y;
    s.hdef = nav.hdef[0];
    s.vdef = nav.vdef[0];
    s.loc_x = nav.vorX[0];
    s.good_nav = nav.goodnav[0];
    s.traffic_x = traf_xyz[0][0];
    s.nearest_apt = msc.loc_apt_wrl;
    return s;
}

constexpr int RUNWAY_START = 8;   // set_fltvars: on the start runway's threshold

void full_power() { sim_power(1.0f); }

void climb_out()
{
    sim_power(1.0f);
    set.parkbrake = 0;
    if (flt.vind > 55.0f) pilot_hold_pitch(8.0f);
}

std::vector<frame_state> fly(int drawing)
{
    std::vector<frame_state> out;
    if (!sim_start("trainer", "KSBD", 0)) return out;
    // The region made again with or without what only a picture shows (trees, lights, the
    // cloud deck): the random draws skipped with it must leave the flight's numbers alone.
    region_set_drawn(drawing);
    load_region();
    set_fltvars(RUNWAY_START);
    scene_set_drawing(drawing);
    nav.nf[0] = CARR_LOC_FREQ;
    for (int k = 0; k < 600; k++) {   // 30 s: the take-off roll and the climb
        climb_out();
        sim_frame();
        out.push_back(sample());
    }
    // Behind the carrier on its approach, its localizer tuned; then on its deck.
    for (int start : {15, 20}) {
        set_fltvars(start);
        for (int k = 0; k < 200; k++) {
            full_power();
            sim_frame();
            out.push_back(sample());
        }
    }
    return out;
}

}  // namespace

TEST(HeadlessScene, TheFlightIsTheSameWhetherTheSceneIsDrawnOrNot)
{
    const std::vector<frame_state> drawn = fly(1);
    if (drawn.empty()) GTEST_SKIP() << "no stock trainer or navigation data";
    int carrier_frames = 0, runway_frames = 0, localizer_frames = 0;
    for (const auto& s : drawn) {
        carrier_frames += s.over_carr;
        runway_frames += s.over_obs && !s.over_carr;
        localizer_frames += s.good_nav;
    }
    const std::vector<frame_state> unseen = fly(0);
    ASSERT_EQ(unseen.size(), drawn.size());
    for (size_t k = 0; k < drawn.size(); k++)
        ASSERT_TRUE(drawn[k] == unseen[k]) << "frame " << k << ": drawn at " << drawn[k].x << ", " << drawn[k].y
                                          << ", " << drawn[k].z << " surface " << drawn[k].surf << ", not drawn at "
                                          << unseen[k].x << ", " << unseen[k].y << ", " << unseen[k].z << " surface "
                                          << unseen[k].surf;
    // The flight did meet what it must still meet without the picture.
    EXPECT_GT(runway_frames, 100);
    EXPECT_GT(carrier_frames, 100);
    EXPECT_GT(localizer_frames, 100);
}
