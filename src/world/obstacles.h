// obstacles.h -- the region's objects: generated airport buildings (slots 0..449, five per
// region airport), obstacles named by environment files (450..2999) and custom objects read
// from object files (".OBJ" in "additional nav data\objects").
#pragma once

namespace orv {

constexpr int OBJ_CAP = 3000;
constexpr int OBJ_ENV_FIRST = 450;        // first slot of the environment-file obstacles
constexpr int OBJ_POLYS = 50;             // polygons per object
constexpr int OBJ_NAME_LEN = 40;          // object and texture names, NUL included
constexpr int OBJ_TEX_CAP = 100;          // custom textures of the whole run
constexpr int OBJ_TEX_FIRST = 1000;       // texture number of the first custom texture

// Object kinds (obj_type); above OBJ_CUSTOM_BASE: a custom object of that many polygons.
enum {
    OBJ_NONE = 0, OBJ_CONTROL_TOWER = 1, OBJ_BLOCK = 2, OBJ_RADIO_TOWER = 3,
    OBJ_POWER_TOWER = 4, OBJ_CUSTOM = 8,
    OBJ_TALL_FIRST = 90, OBJ_TALL_LAST = 93, OBJ_SHED = 97, OBJ_CUSTOM_BASE = 100
};

// Texture numbers of the buildings' sides and roofs (the scene's texture table).
enum {
    OBJTEX_RWAY_PAVE = 39, OBJTEX_PAD = 47, OBJTEX_BLD_BLOCK = 50, OBJTEX_BLD_NARTOP = 51,
    OBJTEX_BLD_TAPERED = 52, OBJTEX_BLD_NARBOT = 53, OBJTEX_BLD_AVON = 54,
    OBJTEX_BLD_CONTOW = 55, OBJTEX_METAL = -91
};

extern int   obj_type[OBJ_CAP];
extern float obj_xyz[OBJ_CAP][OBJ_POLYS][4][3];   // up to 4 points per polygon
extern float obj_nrml[OBJ_CAP][OBJ_POLYS][3];
extern int   obj_poltyp[OBJ_CAP][OBJ_POLYS];      // points in the polygon (1..4)
extern int   obj_texrgb[OBJ_CAP][OBJ_POLYS];      // texture number, or colour r*10000+g*100+b
extern int   obj_npoly[OBJ_CAP];                  // polygons in use
extern float obj_height[OBJ_CAP];                 // metres above the ground under it
extern char  objtex_name[OBJ_TEX_CAP][OBJ_NAME_LEN];
extern int   current_tex_numb;                    // custom textures named so far

// Clears slots first..last (type 0).
void obs_clear(int first, int last);

// Creates object slot o at (x, z) of the given type and height `hddh` (metres; for custom
// objects, type 8, the heading in degrees, the shape coming from the object file `name`).
// Answers the mesh cell under the object in oi, oj. A damaged object file is reported and
// leaves the slot empty.
void make_an_obs(float x, float z, float hddh, const char* name, int type, int o, int* oi, int* oj);

// The renderer loads a new custom texture under the given number (null: names only kept).
void obs_set_texture_loader(void (*fn)(const char* name, int tex_number));

}  // namespace orv
