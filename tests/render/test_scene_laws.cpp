// The scene update's laws at the points where a wrong branch or sign shows.
#include <gtest/gtest.h>

#include <cmath>

#include "2-QZutils/qz_funct.h"
#include "render/scene_laws.h"

namespace orv {
namespace {

TEST(RegionFollowing, ShiftsOnlyPastTheBandsAndWestWinsOverNorth)
{
    EXPECT_EQ(region_shift_type(34.5f, -117.0f + 0.94f, 34, -117), REGION_WEST);
    EXPECT_EQ(region_shift_type(34.5f, -117.0f + 0.96f, 34, -117), SHIFT_NONE);
    EXPECT_EQ(region_shift_type(34.5f, -117.0f + 2.06f, 34, -117), REGION_EAST);
    EXPECT_EQ(region_shift_type(34.0f + 0.44f, -116.0f, 34, -117), REGION_SOUTH);
    EXPECT_EQ(region_shift_type(34.0f + 1.56f, -116.0f, 34, -117), REGION_NORTH);
    // Past two bands at once: one shift per frame, west first.
    EXPECT_EQ(region_shift_type(34.0f + 1.9f, -117.0f + 0.5f, 34, -117), REGION_WEST);
}

TEST(RegionFollowing, TheAntimeridianAndThePolesBoundTheShifts)
{
    // 179.5 W is 1.5 degrees east of a region from 179 E: in the middle, no shift.
    EXPECT_EQ(region_shift_type(-16.7f, -179.5f, -18, 179), SHIFT_NONE);
    EXPECT_EQ(region_shift_type(-16.7f, -178.9f, -18, 179), REGION_EAST);
    // No row south of the pole; near it the meridians crowd, so longitude is not followed.
    EXPECT_EQ(region_shift_type(-89.99f, -120.0f, -90, -150), SHIFT_NONE);
    EXPECT_EQ(region_shift_type(89.99f, 0.0f, 88, 0), SHIFT_NONE);
    // Far from the region (a pole crossed): a region of its own, not a degree a frame.
    EXPECT_EQ(region_shift_type(-88.5f, 30.0f, -90, -150), REGION_RELOAD);
}

TEST(Views, BackAndSideViewsTurnTheAttitude)
{
    const eye_attitude back = view_attitude(VIEW_BACK, 10.0f, 270.0f, 20.0f);
    EXPECT_FLOAT_EQ(back.the, -10.0f);
    EXPECT_FLOAT_EQ(back.psi, 90.0f);     // 270 + 180 wrapped
    EXPECT_FLOAT_EQ(back.phi, -20.0f);
    const eye_attitude left = view_attitude(VIEW_LEFT90, 10.0f, 30.0f, 20.0f);
    EXPECT_FLOAT_EQ(left.the, 20.0f);     // roll becomes the pitch of a side view
    EXPECT_FLOAT_EQ(left.psi, 300.0f);
    EXPECT_FLOAT_EQ(left.phi, -10.0f);
    EXPECT_FLOAT_EQ(view_attitude(VIEW_FWD_DOWN8, 5.0f, 0.0f, 0.0f).the, -3.0f);
    EXPECT_EQ(view_octant(44.9f), 1);
    EXPECT_EQ(view_octant(45.0f), 2);
    EXPECT_EQ(view_octant(359.5f), 8);
    EXPECT_EQ(view_octant(-1.0f), 8);
    EXPECT_TRUE(view_is_outside(VIEW_CHASE));
    EXPECT_FALSE(view_is_outside(VIEW_BACK));
}

TEST(Visibility, LimitsBelowAndAboveTheDeck)
{
    const float nm = 1852.0f;
    // 50 nm reported, at the ground, no clouds: held at 20 nm.
    EXPECT_FLOAT_EQ(visibility_law(50 * nm, 1.0f, 0.0f, 0, 0, 0.0f, 1.0f), 37040.0f);
    // Doubles by 10000 m above the ground.
    EXPECT_FLOAT_EQ(visibility_law(5 * nm, 1.0f, 10000.0f, 0, 0, 0.0f, 1.0f), 10 * nm);
    EXPECT_FLOAT_EQ(visibility_law(0.0f, 1.0f, 0.0f, 0, 0, 0.0f, 1.0f), 185.2f);
    // Above an overcast the range is the far one, whatever was reported.
    EXPECT_FLOAT_EQ(visibility_law(1 * nm, 1.0f, 0.0f, 1, 1, 0.0f, 1.0f), 166680.0f);
    EXPECT_FLOAT_EQ(visibility_law(1 * nm, 0.05f, 0.0f, 1, 1, 0.0f, 1.0f), 18520.0f);
    // Storm level 1 halves it; inside the cloud only the fog floor is left.
    EXPECT_FLOAT_EQ(visibility_law(5 * nm, 1.0f, 0.0f, 1, 0, 1.0f, 1.0f), 2.5f * nm);
    EXPECT_LE(visibility_law(5 * nm, 1.0f, 0.0f, 1, 0, 0.0f, 0.0f), 1.0f);
}

TEST(Visibility, CloudBandFallsAndRisesAsSquares)
{
    const float base = 1000.0f, tops = 2000.0f, ragged = 100.0f;
    EXPECT_FLOAT_EQ(cloud_band_factor(899.0f, base, tops, ragged), 1.0f);
    EXPECT_FLOAT_EQ(cloud_band_factor(950.0f, base, tops, ragged), 0.75f * 0.75f);
    EXPECT_FLOAT_EQ(cloud_band_factor(1500.0f, base, tops, ragged), 0.0f);
    EXPECT_FLOAT_EQ(cloud_band_factor(2300.0f, base, tops, ragged), 0.25f);
    EXPECT_FLOAT_EQ(cloud_band_factor(2600.0f, base, tops, ragged), 1.0f);
    EXPECT_FLOAT_EQ(cloud_ragged(1000.0f), 300.0f);
    EXPECT_FLOAT_EQ(cloud_ragged(100.0f), 50.0f);
}

TEST(Visibility, PuffRampsToItsDepthAndBack)
{
    EXPECT_FLOAT_EQ(puff_shape(0.0f, 10.0f, 0.4f), 1.0f);
    EXPECT_FLOAT_EQ(puff_shape(1.0f, 10.0f, 0.4f), 0.7f);
    EXPECT_FLOAT_EQ(puff_shape(5.0f, 10.0f, 0.4f), 0.4f);
    EXPECT_FLOAT_EQ(puff_shape(9.0f, 10.0f, 0.4f), 0.7f);
    // Outside the band a running puff ends at once.
    cloud_puff p = {1, 1.0f, 10.0f, 0.2f};
    EXPECT_FLOAT_EQ(puff_step(&p, 0.05f, 0, 90.0f), 1.0f);
    EXPECT_EQ(p.active, 0);
    // Inside it puffs come and stay within their depth.
    seed_rand(7);
    float lowest = 1.0f;
    for (int f = 0; f < 20000; f++) lowest = fltmin2(lowest, puff_step(&p, 0.05f, 1, 90.0f));
    EXPECT_LT(lowest, 0.9f);
    EXPECT_GE(lowest, 0.0f);
}

TEST(SunAndSky, SunAngleAndBrightnessThroughTheDay)
{
    EXPECT_FLOAT_EQ(sun_angle(12.0f), 0.0f);
    EXPECT_FLOAT_EQ(terrain_brightness(12.0f, 0.0f, 1, 0), 1.0f);
    EXPECT_FLOAT_EQ(terrain_brightness(12.0f, 4.0f, 0, 0), 0.5f);   // haze of a level-4 storm
    EXPECT_FLOAT_EQ(sun_angle(3.0f), -90.0f);
    EXPECT_FLOAT_EQ(sun_angle(21.0f), 90.0f);
    EXPECT_FLOAT_EQ(terrain_brightness(3.0f, 0.0f, 1, 0), 0.01f);
    EXPECT_FLOAT_EQ(terrain_brightness(21.0f, 0.0f, 0, 1), 0.05f);
    EXPECT_FLOAT_EQ(light_level(21.0f, 0.0f, 1, 0), 0.1f);
    EXPECT_FLOAT_EQ(light_level(21.0f, 0.0f, 0, 0), 0.05f);
    // The light comes in level at 6 h and never steeper than 30 degrees off the vertical.
    EXPECT_FLOAT_EQ(sun_elevation(6.0f), 90.0f);
    EXPECT_FLOAT_EQ(sun_elevation(8.0f), 60.0f);
    EXPECT_FLOAT_EQ(sun_elevation(12.0f), 30.0f);
    EXPECT_FLOAT_EQ(sun_elevation(3.0f), 45.0f);      // folded back from 135
}

TEST(SunAndSky, EveningAndDawnTints)
{
    const rgb3 t19 = light_tint(19.0f);
    EXPECT_LT(t19.r, 1.0f);
    EXPECT_GT(t19.r, 0.9f);
    EXPECT_GT(t19.b, 1.0f);
    EXPECT_LT(t19.b, 1.2f);
    EXPECT_FLOAT_EQ(light_tint(18.0f).r, 1.4f);
    EXPECT_FLOAT_EQ(sky_tint(6.0f, 1).b, 0.3f);
    EXPECT_FLOAT_EQ(sky_tint(6.0f, 0).b, 0.8f);
    EXPECT_FLOAT_EQ(light_tint(12.0f).g, 1.0f);
    EXPECT_FLOAT_EQ(light_tint(0.0f).b, 1.2f);
}

TEST(SunAndSky, OvercastBaseBlendsFromCloudBottomToClear)
{
    const float base = 1000.0f, tops = 2000.0f, ragged = 100.0f;
    const sky_law_out below = sky_law(12.0f, 1.0f, 0.0f, 1, 500.0f, base, tops, ragged, 0);
    EXPECT_FLOAT_EQ(below.base.b, 0.5f);          // grey cloud bottom
    const sky_law_out inside = sky_law(12.0f, 1.0f, 0.0f, 1, 1500.0f, base, tops, ragged, 0);
    EXPECT_FLOAT_EQ(inside.rat2, 1.0f);
    EXPECT_GT(inside.base.r, 0.5f);
    EXPECT_LT(inside.base.r, 0.8f);
    const sky_law_out above = sky_law(12.0f, 1.0f, 0.0f, 1, 3000.0f, base, tops, ragged, 1);
    EXPECT_GT(above.base.b, above.base.r);        // blue again over the deck
    EXPECT_FLOAT_EQ(above.rat3, 0.3f);
    const sky_law_out clear = sky_law(18.0f, 1.0f, 0.0f, 0, 0.0f, 0, 0, 0, 0);
    EXPECT_FLOAT_EQ(clear.rat2, 0.6f * 0.5f);      // dusk darkens the gradient
    EXPECT_FLOAT_EQ(lightning_blend({0.0f, 0.0f, 0.0f}, 15.0f).g, 0.5f);
    EXPECT_FLOAT_EQ(lightning_blend({0.2f, 0.2f, 0.2f}, 40.0f).g, 0.2f);
}

TEST(Projection, FrustumAndHudBoxFollowTheView)
{
    const projection_law_out full = projection_law(1, 1.0f, 1.0f, 10000.0f, 1.0f);
    EXPECT_FLOAT_EQ(full.near_m, 0.5f);
    EXPECT_NEAR(2.0f * std::atan(full.half_w / full.near_m) * 180.0f / (float)M_PI, 73.74f, 0.01f);
    EXPECT_EQ(full.vh, 583);
    EXPECT_FLOAT_EQ(full.far_m, 18520.0f);          // the 10 nm floor
    const projection_law_out high = projection_law(0, 5000.0f, 5000.0f, 37040.0f, 2.0f);
    EXPECT_FLOAT_EQ(high.near_m, 10.0f);
    EXPECT_EQ(high.vy, 333);
    EXPECT_NEAR(high.far_m, 1.01f * std::sqrt(40040.0f * 40040.0f + 16016.0f * 16016.0f), 1.0f);
    EXPECT_FLOAT_EQ(high.half_h / high.half_w, 228.0f / 800.0f);
    EXPECT_FLOAT_EQ(hud_box(0).cy, 443.0f);
    EXPECT_FLOAT_EQ(hud_box(1).top, 541.0f);
    EXPECT_TRUE(runway_lights_on(12.0f, 3.0f * 1852.0f));
    EXPECT_FALSE(city_lights_on(12.0f));
    EXPECT_TRUE(city_lights_on(22.0f));
}

}  // namespace
}  // namespace orv

namespace orv {
// The aircraft file's HUDtype 1 carries no head-up display (the panel covers its button), so
// the default trainer flies without one; the carrier jet's 2 has the normal one.
TEST(Hud, TypeOneHasNoneThreeHasHoopsAnyOtherTheNormalOne)
{
    EXPECT_EQ(hud_kind(1), HUD_NONE);
    EXPECT_EQ(hud_kind(2), HUD_NORMAL);
    EXPECT_EQ(hud_kind(3), HUD_HOOPS);
    EXPECT_EQ(hud_kind(0), HUD_NORMAL);
}
}  // namespace orv
