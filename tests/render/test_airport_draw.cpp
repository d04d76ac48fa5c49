// Runway markings, windsocks, light colours and the surface the pavement reports.
#include <gtest/gtest.h>

#include <cstring>

#include "2-QZutils/qgl.h"
#include "2-QZutils/records.h"
#include "render/airport_draw.h"
#include "render/lights_draw.h"
#include "render/scene.h"
#include "world/apt_gen.h"
#include "world/obstacles.h"
#include "world/terrain_grid.h"
#include "world/nav_db.h"

namespace orv {
namespace {

TEST(RunwayMarkings, ClassesAndSegmentsByLengthAndSurface)
{
    const float ft = 0.3048f;
    EXPECT_EQ(runway_segments(3000 * ft, 100 * ft), 30);
    EXPECT_EQ(runway_marking_class(3000.0f, 0), 1);
    EXPECT_EQ(runway_marking_class(4001.0f, 0), 2);
    EXPECT_EQ(runway_marking_class(9000.0f, 0), 3);
    EXPECT_EQ(runway_marking_class(9000.0f, SURF_GRASS), 0);
    // Class 1: numbers at the two ends only.
    int numbers = 0;
    for (int s = 0; s < 30; s++) numbers += runway_segment_texture(1, s, 30, 0) == TEX_NUMBER;
    EXPECT_EQ(numbers, 2);
    EXPECT_EQ(runway_segment_texture(1, 0, 30, 0), TEX_NUMBER);
    EXPECT_EQ(runway_segment_texture(1, 29, 30, 0), TEX_NUMBER);
    EXPECT_EQ(runway_segment_texture(1, 15, 30, 0), TEX_RWY_LINE);
}

TEST(RunwayMarkings, LongRunwayRunsPastItsThresholdsMirrored)
{
    const int n = 60;
    EXPECT_EQ(runway_segment_texture(3, -2, n, 0), TEX_RWY_DISP);
    EXPECT_EQ(runway_segment_texture(3, n + 1, n, 0), TEX_RWY_DISP);
    EXPECT_EQ(runway_segment_texture(3, -1, n, 0), TEX_RWY_DISP);
    EXPECT_EQ(runway_segment_texture(3, 0, n, 0), TEX_RWY_THLD);
    EXPECT_EQ(runway_segment_texture(3, n - 1, n, 0), TEX_RWY_THLD);
    EXPECT_EQ(runway_segment_texture(3, 1, n, 0), TEX_NUMBER);
    EXPECT_EQ(runway_segment_texture(3, 3, n, 0), TEX_RWY_TDZM);
    EXPECT_EQ(runway_segment_texture(3, n - 6, n, 0), TEX_RWY_FDMK);
    EXPECT_EQ(runway_segment_texture(3, n - 10, n, 0), TEX_RWY_TDZM);
    EXPECT_EQ(runway_segment_texture(3, 2, n, 0), TEX_RWY_LINE);
    EXPECT_EQ(runway_segment_texture(2, 1, n, 0), TEX_NUMBER);
    EXPECT_EQ(runway_segment_texture(2, 3, n, 0), TEX_RWY_LINE);
    for (int s = 0; s < n; s++) EXPECT_EQ(runway_segment_texture(0, s, n, SURF_GRASS), SURF_GRASS);
    EXPECT_EQ(runway_far_number(6), 24);
    EXPECT_EQ(runway_far_number(18), 36);
    EXPECT_EQ(runway_far_number(27), 9);
}

TEST(Windsock, HangsInCalmAndFliesFromTenMetresASecond)
{
    EXPECT_FLOAT_EQ(windsock_droop(0.0f, 0.0f), 90.0f);
    EXPECT_FLOAT_EQ(windsock_droop(5.0f, 0.0f), 45.0f);
    EXPECT_FLOAT_EQ(windsock_droop(10.0f, 0.0f), 0.0f);
    EXPECT_FLOAT_EQ(windsock_droop(20.0f, 0.0f), 0.0f);
    EXPECT_FLOAT_EQ(windsock_droop(20.0f, 3.0f), 3.0f);    // the flutter alone
    EXPECT_FLOAT_EQ(windsock_droop(0.0f, 20.0f), 100.0f);
}

TEST(RunwayLights, GlideSlopeBarsAndApproachEnd)
{
    // Two-bar: on a 3 degree path the near bar is red, the far bar white.
    EXPECT_FALSE(glide_light_white(2, 0, 3.0f));
    EXPECT_TRUE(glide_light_white(2, 1, 3.0f));
    EXPECT_TRUE(glide_light_white(2, 0, 3.5f));
    // Four lights at 3.0 degrees: two white, two red.
    int white = 0;
    for (int k = 0; k < 4; k++) white += glide_light_white(3, k, 3.0f);
    EXPECT_EQ(white, 2);
    EXPECT_EQ(approach_end(60.0f, 70.0f), 0);
    EXPECT_EQ(approach_end(60.0f, 240.0f), 1);
    EXPECT_EQ(approach_end(350.0f, 10.0f), 0);
}

class PavementSurface : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::memset(&scn, 0, sizeof scn);
        std::memset(&env, 0, sizeof env);
        const float c[4][3] = {{0, 5, 0}, {30, 5, 0}, {30, 5, -900}, {0, 5, -900}};
        std::memcpy(scn.rwayxyz[0][0], c, sizeof c);
        std::memcpy(scn.markxyz[0][0][1], c, sizeof c);
        env.rwy_typ[0][0] = SURF_DIRT;
        apt_len[0][0] = 900;
        apt_width[0][0] = 30;
        apt_num[0][0] = 36;
        apt_h[0] = 5.0f;
    }
};

TEST_F(PavementSurface, AircraftOnTheRunwayTakesItsSurface)
{
    flt.X = 15;
    flt.Z = -450;
    plot_runway(0, 0, 0, runway_segments(900, 30));
    EXPECT_EQ(env.over_obs, 1);
    EXPECT_EQ(env.surf_type, SURF_DIRT);
    EXPECT_FLOAT_EQ(env.obj_height, 5.0f);
    env.over_obs = 0;
    env.surf_type = SURF_OPEN;
    flt.X = 45;   // beside it
    plot_runway(0, 0, 0, 30);
    plot_pavement(0, 0, 1, 1.0f, TEX_RWY_PAVE);
    EXPECT_EQ(env.over_obs, 0);
    EXPECT_EQ(env.surf_type, SURF_OPEN);
    flt.X = 10;
    plot_pavement(0, 0, 1, 1.0f, TEX_RWY_PAVE);
    EXPECT_EQ(env.over_obs, 1);
}

// Quads as the drawing layer's culling sees them from above: it keeps those that run
// clockwise on screen, whose normal (b - a) x (c - a) then points down.
int quad_vertices, quads, quads_up;
float quad_v[3][3];
void quad_vertex(GLfloat x, GLfloat y, GLfloat z)
{
    const int k = quad_vertices++ % 4;
    if (k < 3) { quad_v[k][0] = x; quad_v[k][1] = y; quad_v[k][2] = z; }
    if (k != 2) return;
    const float* a = quad_v[0];
    const float* b = quad_v[1];
    const float* c = quad_v[2];
    const float ny = (b[2] - a[2]) * (c[0] - a[0]) - (b[0] - a[0]) * (c[2] - a[2]);
    quads++;
    quads_up += ny < 0.0f;
}

TEST(RunwayDrawing, RunwayAndPavementFaceUpAtAnyHeading)
{
    const qgl_table saved = qgl;
    qgl.Vertex3f = quad_vertex;
    std::memset(&env, 0, sizeof env);
    for (float hdg : {70.0f, 250.0f, 0.0f}) {
        setuprunway(0, 0, 1000.0f, -2000.0f, 350.0f, 3000.0f, 60.0f, hdg, 0);
        for (int m = 0; m < 6; m++)
            for (int k = 0; k < 4; k++)
                for (int c = 0; c < 3; c++) scn.markxyz[0][0][m][k][c] = scn.rwayxyz[0][0][k][c];
        apt_len[0][0] = 3000;
        apt_width[0][0] = 60;
        apt_num[0][0] = 7;
        apt_h[0] = 350.0f;
        quad_vertices = quads = quads_up = 0;
        plot_runway(0, 0, 0, runway_segments(3000.0f, 60.0f));
        plot_pavement(0, 0, 5, 3.0f, TEX_RWY_PAVE);
        EXPECT_EQ(quads, 54 + 2 + 1) << hdg;   // class 3: 50 and two extra each end, numbers in halves
        EXPECT_EQ(quads_up, quads) << hdg;
    }
    qgl = saved;
}

// Faces against the normal sent with them: seen from the normal's side a kept face runs
// clockwise, so its winding normal (b - a) x (c - a) points against it.
float face_nrm[3], face_v[3][3];
int face_n, faces, faces_facing_out;
void face_normal(GLfloat x, GLfloat y, GLfloat z) { face_nrm[0] = x; face_nrm[1] = y; face_nrm[2] = z; face_n = 0; }
void face_vertex(GLfloat x, GLfloat y, GLfloat z)
{
    if (face_n < 3) { face_v[face_n][0] = x; face_v[face_n][1] = y; face_v[face_n][2] = z; }
    if (++face_n != 3) return;
    const float* a = face_v[0];
    const float* b = face_v[1];
    const float* c = face_v[2];
    const float u[3] = {b[0] - a[0], b[1] - a[1], b[2] - a[2]}, w[3] = {c[0] - a[0], c[1] - a[1], c[2] - a[2]};
    const float n[3] = {u[1] * w[2] - u[2] * w[1], u[2] * w[0] - u[0] * w[2], u[0] * w[1] - u[1] * w[0]};
    faces++;
    faces_facing_out += n[0] * face_nrm[0] + n[1] * face_nrm[1] + n[2] * face_nrm[2] < 0.0f;
}

TEST(Buildings, WallsAndRoofShowFromOutside)
{
    for (int i = 0; i < TER_I; i++)
        for (int j = 0; j < TER_J; j++) {
            planexyz[i][j][0] = 100.0f * i;
            planexyz[i][j][1] = 0.0f;
            planexyz[i][j][2] = -100.0f * j;
        }
    obs_clear(0, OBJ_CAP - 1);
    int oi, oj;
    make_an_obs(2050.0f, -2050.0f, 60.0f, "", 2, 500, &oi, &oj);   // a block
    ASSERT_EQ(obj_npoly[500], 5);
    std::memset(obj_inrange, 0, sizeof obj_inrange);
    obj_inrange[500] = 1;
    const qgl_table saved = qgl;
    qgl.Normal3f = face_normal;
    qgl.Vertex3f = face_vertex;
    faces = faces_facing_out = 0;
    plot_buildingsides();
    plot_buildingtops();
    qgl = saved;
    EXPECT_EQ(faces, 5);
    EXPECT_EQ(faces_facing_out, 5);
    // The normals themselves point out of the block and the roof's up.
    EXPECT_GT(obj_nrml[500][4][1], 0.9f);
}

}  // namespace
}  // namespace orv
