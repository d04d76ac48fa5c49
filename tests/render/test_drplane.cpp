// The aircraft mesh built from the record, the propeller strobe and the distance culling.
#include <gtest/gtest.h>

#include <cmath>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "2-QZutils/acf_parts.h"
#include "2-QZutils/drplane.h"
#include "2-QZutils/qgl.h"
#include "2-QZutils/qz_file.h"
#include "2-QZutils/qz_funct.h"
#include "2-QZutils/records.h"
#include "support/test_support.h"

namespace orv {
namespace {

class PlaneMesh : public ::testing::Test {
protected:
    void SetUp() override
    {
        init_trig_tables();
        std::memset(&pln, 0, sizeof pln);
        std::memset(&afl, 0, sizeof afl);
        std::memset(&flt, 0, sizeof flt);
        for (int p : {4, 5}) {
            pln.semilen[p] = 5.0f;
            pln.Croot[p] = 2.0f;
            pln.Ctip[p] = 1.0f;
            pln.dihed[p] = 5.0f;
            pln.Xarm[p] = p == 4 ? -0.5f : 0.5f;
            afl.trat[p][0][0] = 0.15f;
            afl.trat[p][1][0] = 0.12f;
        }
        pln.numen = 1;
        pln.entype = 1;
        pln.numblades[0] = 4;
        pln.semilen[0] = 1.0f;
        pln.Croot[0] = 0.2f;
        pln.Ctip[0] = 0.1f;
        load_plane_geo(0, 0);
    }
};

TEST_F(PlaneMesh, LeftAndRightWingsAreMirrorImagesWithOneWinding)
{
    ASSERT_EQ(plane_sections(4), 2);
    ASSERT_EQ(plane_points(5), 12);
    // The left wing stores the root first, the right the tip first: mirrored points match
    // when the sections are swapped.
    for (int k = 0; k < 12; k++) {
        EXPECT_NEAR(a_xyz[4][0][k][0], -a_xyz[5][1][k][0], 1e-4f) << k;
        EXPECT_NEAR(a_xyz[4][0][k][1], a_xyz[5][1][k][1], 1e-4f) << k;
        EXPECT_NEAR(a_xyz[4][0][k][2], a_xyz[5][1][k][2], 1e-4f) << k;
    }
    // Same winding: the outward normals of the upper surface point up on both sides.
    EXPECT_GT(n_xyz[4][0][3][1] * n_xyz[5][0][3][1], 0.0f);
    // The tip is thinner than the root and leads it in chord.
    auto gap = [](const float* a, const float* b) { return pythag3(a[0] - b[0], a[1] - b[1], a[2] - b[2]); };
    const float root_th = gap(a_xyz[4][0][4], a_xyz[4][0][8]);
    const float tip_th = gap(a_xyz[4][1][4], a_xyz[4][1][8]);
    EXPECT_NEAR(root_th, 2.0f * 0.15f, 1e-3f);
    EXPECT_NEAR(tip_th, 1.0f * 0.12f, 1e-3f);
    // Texture s spans the surface from the foremost leading to the rearmost trailing edge.
    EXPECT_NEAR(s_[4][0][0], 0.0f, 1e-4f);
    EXPECT_NEAR(s_[4][0][6], 1.0f, 1e-4f);
}

TEST_F(PlaneMesh, PropellerBladesAndStrobe)
{
    ASSERT_EQ(plane_sections(0), 8);   // two sections for each of four blades
    const float tip = pythag(a_xyz[0][1][0][0], a_xyz[0][1][0][1]);
    EXPECT_NEAR(tip, pythag(1.0f, 0.05f), 1e-3f);
    EXPECT_FLOAT_EQ(prop_step(4), 27.0f);
    EXPECT_FLOAT_EQ(prop_step(2), 54.0f);
    EXPECT_FLOAT_EQ(prop_step(1), 54.0f);
    EXPECT_FLOAT_EQ(prop_step(12), 12.0f);
}

TEST_F(PlaneMesh, FarAircraftShowOnlyTheirLightsAndWing1TipsCarryThem)
{
    EXPECT_FALSE(plane_mesh_shown(1.5f * 1852.0f, 1.0f));
    EXPECT_TRUE(plane_mesh_shown(1.5f * 1852.0f, 2.0f));   // zoomed in it is near again
    EXPECT_FLOAT_EQ(plane_light_size(3000.0f, 1.0f), 1.0f);
    EXPECT_FLOAT_EQ(plane_light_size(0.0f, 1.0f), 2.0f);
    EXPECT_FLOAT_EQ(plane_light_size(926.0f, 1.0f), 1.5f);
    float l[3], r[3], b[3];
    plane_light_points(l, r, b);
    EXPECT_NEAR(l[0], get_wing_Xarm(4, 5.0f), 1e-4f);
    EXPECT_LT(l[0], -4.0f);
    EXPECT_GT(r[0], 4.0f);
}

// Triangles of the mesh against the sum of the outward normals at their corners: the drawing
// layer keeps faces that run clockwise on screen, so seen from outside a face must run
// clockwise, and its winding normal (b - a) x (c - a) then points into the body.
GLenum tri_mode;
int tri_n, tris, tris_outside, culling = 1;
void cull_on(GLenum cap) { if (cap == GL_CULL_FACE) culling = 1; }
void cull_off(GLenum cap) { if (cap == GL_CULL_FACE) culling = 0; }
float tri_v[3][3], tri_nrm[3], last_nrm[3];
void tri_begin(GLenum m) { tri_mode = m; tri_n = 0; }
void tri_normal(GLfloat x, GLfloat y, GLfloat z) { last_nrm[0] = x; last_nrm[1] = y; last_nrm[2] = z; }
void tri_vertex(GLfloat x, GLfloat y, GLfloat z)
{
    if (tri_mode != GL_TRIANGLES || !culling) return;   // faces drawn from both sides pass
    const int k = tri_n++ % 3;
    tri_v[k][0] = x; tri_v[k][1] = y; tri_v[k][2] = z;
    if (k == 0) std::memset(tri_nrm, 0, sizeof tri_nrm);
    for (int c = 0; c < 3; c++) tri_nrm[c] += last_nrm[c];   // the corners' outward normals
    if (k != 2) return;
    const float u[3] = {tri_v[1][0] - tri_v[0][0], tri_v[1][1] - tri_v[0][1], tri_v[1][2] - tri_v[0][2]};
    const float w[3] = {tri_v[2][0] - tri_v[0][0], tri_v[2][1] - tri_v[0][1], tri_v[2][2] - tri_v[0][2]};
    const float c[3] = {u[1] * w[2] - u[2] * w[1], u[2] * w[0] - u[0] * w[2], u[0] * w[1] - u[1] * w[0]};
    const float along = c[0] * tri_nrm[0] + c[1] * tri_nrm[1] + c[2] * tri_nrm[2];
    if (std::fabs(along) < 1e-9f) return;   // a sliver where the outline closes
    tris++;
    tris_outside += along < 0.0f;
}

TEST_F(PlaneMesh, SurfacesRunClockwiseSeenFromOutside)
{
    const qgl_table saved = qgl;
    qgl.Begin = tri_begin;
    qgl.Normal3f = tri_normal;
    qgl.Vertex3f = tri_vertex;
    qgl.Enable = cull_on;
    qgl.Disable = cull_off;
    std::memset(con.VIEW_xyz, 0, sizeof con.VIEW_xyz);
    atm.vis_eff = 20000.0f;
    scn.zoom = 1.0f;
    tris = tris_outside = 0;
    plot_plane(0.0f, 0.0f, -50.0f, 0.0f, 0.0f, 0.0f);
    qgl = saved;
    EXPECT_EQ(tris, 2 * 12 * 2);   // two wings, 12 outline quads of two triangles
    EXPECT_EQ(tris_outside, tris);
}

// Every paint name gets a picture when the aircraft has no paint files: bare metal, not the
// paint the previous aircraft left in it.
std::vector<GLuint> painted;
GLuint bound_name;
void bind_name(GLenum, GLuint name) { bound_name = name; }
void upload(GLenum, GLint level, GLint, GLsizei, GLsizei, GLint, GLenum, GLenum, const void*)
{
    if (level == 0 && std::find(painted.begin(), painted.end(), bound_name) == painted.end()) painted.push_back(bound_name);
}

TEST_F(PlaneMesh, PartsWithoutAPaintFileAreBareMetal)
{
    set_app_path(ORV_BINARY_DIR);
    std::snprintf(pln.C_path, sizeof pln.C_path, "%s", (orv_test::temp_dir("unpainted") + "/Plain.acf").c_str());
    const qgl_table saved = qgl;
    qgl.BindTexture = bind_name;
    qgl.TexImage2D = upload;
    painted.clear();
    load_plane_geo(1, 0);
    qgl = saved;
    EXPECT_EQ(painted.size(), 13u + 3u);   // the thirteen paints, the hand, the tyre and the metal
}

int plane_vertices;
void count_plane_vertex(GLfloat, GLfloat, GLfloat) { plane_vertices++; }

TEST_F(PlaneMesh, ThePropellerTurnsOncePerFrameAndFarOnlyLightsTheAircraft)
{
    const qgl_table saved = qgl;
    qgl.Vertex3f = count_plane_vertex;
    std::memset(con.VIEW_xyz, 0, sizeof con.VIEW_xyz);
    atm.vis_eff = 20000.0f;
    scn.zoom = 1.0f;
    prop_angle = 350.0f;
    turn_propellers();
    EXPECT_FLOAT_EQ(prop_angle, 17.0f);           // 27 degrees on, wrapped past 360
    plane_vertices = 0;
    plot_plane(0.0f, 0.0f, -1.5f * 1852.0f, 0.0f, 0.0f, 0.0f);
    EXPECT_EQ(plane_vertices, 3);                 // two wing tips and the beacon
    plane_vertices = 0;
    plot_plane(0.0f, 0.0f, -0.5f * 1852.0f, 0.0f, 0.0f, 0.0f);
    EXPECT_GT(plane_vertices, 100);               // the mesh within a mile
    EXPECT_FLOAT_EQ(prop_angle, 17.0f);           // the traffic drawn in the frame turns it no further
    plane_vertices = 0;
    plot_plane(0.0f, 0.0f, -25000.0f, 0.0f, 0.0f, 0.0f);   // beyond the visibility: nothing
    EXPECT_EQ(plane_vertices, 0);
    qgl = saved;
}

}  // namespace
}  // namespace orv
