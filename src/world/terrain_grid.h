// terrain_grid.h -- the terrain mesh of the loaded region and the helpers that shape it:
// texture classes with their borders, and the ground height under a point.
//
// Mesh point [i][j]: i runs east, j runs north; x grows with i, z (south) falls with j.
// Cell [i][j] is the quad whose lower corner is point [i][j].
//
// Texture coordinates of a cell (`planes` = s, `planet` = t, 0 or 1) are indexed
// [first-axis step][second-axis step], i.e. corners (i,j), (i,j+1), (i+1,j), (i+1,j+1) in
// memory order. Unturned, s grows with i and t with j. Border textures are drawn with the
// neighbouring class toward t = 1 (straight edges) or toward the corner s = 1, t = 1
// (inside and outside corners); `set_st` turns them so that side faces the neighbour.
#pragma once

namespace orv {

constexpr int TER_I = 178;   // mesh points east: 59 intervals a degree, three degrees
constexpr int TER_J = 159;   // mesh points north: 79 intervals a degree, two degrees

// Texture classes of the cells.
enum {
    TEX_WATER = 12, TEX_FLAT = 13, TEX_STEEP = 14,
    TEX_WATER_FLAT_EDGE = 15, TEX_WATER_FLAT_INS = 16, TEX_WATER_FLAT_OUT = 17,
    TEX_STEEP_FLAT_EDGE = 18, TEX_STEEP_FLAT_INS = 19, TEX_STEEP_FLAT_OUT = 20,
    TEX_WATER_STEEP_EDGE = 21, TEX_WATER_STEEP_INS = 22, TEX_WATER_STEEP_OUT = 23
};

extern float        planexyz[TER_I][TER_J][3];   // x, y, z of each mesh point, m
extern unsigned int planetex[TER_I][TER_J];      // texture class of each cell
extern int          on_water[TER_I][TER_J];      // cell is water
extern int          city_on_poly[TER_I][TER_J];  // cell may carry city lights
extern int          planes[TER_I][TER_J][2][2];  // texture s at the cell's corners
extern int          planet[TER_I][TER_J][2][2];  // texture t at the cell's corners
extern int          imaxindex, jmaxindex;        // last mesh row and column in use

// Classes every cell of the id x jd points in use, pairs them, and draws the borders.
void assign_terrain_texes(int id, int jd);
void new_border(int t_mod, int t_adj1, int t_adj2, int t_lin_h1, int t_ins_c1, int t_out_c1,
                int t_lin_h2, int t_ins_c2, int t_out_c2, int id, int jd);
int  coast(int i, int j);
void set_st(int i, int j, int s00, int s01, int s11, int s10, int t00, int t01, int t11,
            int t10, int tex);

// Ground height under (x, z); *i, *j receive the cell holding the point. With `us` set,
// ship decks and obstacle tops under the point count as ground.
float find_local_h(float x, float z, int* i, int* j, int us);
// The same answer found by searching the whole mesh in rings of cells outward from a first
// guess: the reference find_local_h agrees with wherever it finds the cell directly. Where it
// cannot (toward a pole) find_local_h searches only the cells near the point, and off the
// mesh there takes the ground of its nearest edge.
float find_local_h_searched(float x, float z, int* i, int* j, int us);
int   inside_cw_reg(float x1, float z1, float x2, float z2, float x, float z, float dis);
void  convert_ij_dxy(int i, int j, int tri, int* i1, int* j1, int* i2, int* j2, int* i3,
                     int* j3);

}  // namespace orv
