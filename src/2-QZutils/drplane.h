// drplane.h -- the aircraft's drawn shape, built from the aircraft record, and its drawing
// at any place and attitude (the own aircraft, the traffic, and the design tool's view).
#pragma once

namespace orv {

constexpr int PLANE_PARTS = 28, PLANE_SECTIONS = 18, PLANE_POINTS = 16;
extern float a_xyz[PLANE_PARTS][PLANE_SECTIONS][PLANE_POINTS][3];
extern float n_xyz[PLANE_PARTS][PLANE_SECTIONS][PLANE_POINTS][3];
extern float s_[PLANE_PARTS][PLANE_SECTIONS][PLANE_POINTS];
extern float t_[PLANE_PARTS][PLANE_SECTIONS][PLANE_POINTS];
extern float prop_angle;            // propeller strobe angle, degrees

void load_plane_geo(int new_tex, int dump_map);
void plot_plane(float x, float y, float z, float the, float psi, float phi);
// The propeller strobe's turn: once per drawn frame, however many aircraft it draws.
void turn_propellers();
void load_pln(float xi, float yi, float zi, float* xyzout);
void heavy_light(float x, float y, float z, float r, float g, float b, float ps);
void disc(float xc, float yc, float zc, float xh, float xt, float rh, float rt, int t);
void wheel(int en, float xa, float ya, float za, float r, float xh, float xt, float rh, float rt);

// Sections and points of part p in the mesh (0 when it is not built).
int plane_sections(int p);
int plane_points(int p);
// Propeller turn per frame for a blade count (a fixed strobe, limited to 2..9 blades).
float prop_step(int blades);
// Point-light size at d metres and zoom; the mesh is drawn only while this is above 1.
float plane_light_size(float d_m, float zoom);
int   plane_mesh_shown(float d_m, float zoom);
// Points of the navigation lights: left tip, right tip, beacon (aircraft frame, m).
void  plane_light_points(float left[3], float right[3], float beacon[3]);

}  // namespace orv
