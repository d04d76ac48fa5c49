#include "world/obstacles.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "2-QZutils/qz_angles.h"
#include "2-QZutils/qz_file.h"
#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_mnw.h"
#include "world/terrain_grid.h"

namespace orv {

int   obj_type[OBJ_CAP];
float obj_xyz[OBJ_CAP][OBJ_POLYS][4][3];
float obj_nrml[OBJ_CAP][OBJ_POLYS][3];
int   obj_poltyp[OBJ_CAP][OBJ_POLYS];
int   obj_texrgb[OBJ_CAP][OBJ_POLYS];
int   obj_npoly[OBJ_CAP];
float obj_height[OBJ_CAP];
char  objtex_name[OBJ_TEX_CAP][OBJ_NAME_LEN];
int   current_tex_numb;

namespace {

constexpr int    OBJ_FILE_END = 99;

void (*texture_loader)(const char* name, int tex_number);

// Footprint (half sizes along x and z, metres), side and roof textures of a building kind.
struct building_shape { float half_x, half_z; int side_tex, roof_tex; };

building_shape shape_of(int type)
{
    switch (type) {
    case OBJ_CONTROL_TOWER: return {4.0f, 4.0f, OBJTEX_BLD_CONTOW, OBJTEX_RWAY_PAVE};
    case OBJ_BLOCK: return {12.0f, 10.0f, OBJTEX_BLD_BLOCK, OBJTEX_RWAY_PAVE};
    case 5: case 6: return {10.0f, 8.0f, OBJTEX_METAL, OBJTEX_RWAY_PAVE};
    case 90: return {18.0f, 18.0f, OBJTEX_BLD_NARTOP, OBJTEX_RWAY_PAVE};
    case 91: return {20.0f, 16.0f, OBJTEX_BLD_TAPERED, OBJTEX_RWAY_PAVE};
    case 92: return {16.0f, 16.0f, OBJTEX_BLD_NARBOT, OBJTEX_RWAY_PAVE};
    case 93: return {22.0f, 14.0f, OBJTEX_BLD_AVON, OBJTEX_RWAY_PAVE};
    case OBJ_SHED: return {20.0f, 12.0f, OBJTEX_METAL, OBJTEX_RWAY_PAVE};
    default: return {0.0f, 0.0f, 0, 0};
    }
}

void polygon_normal(int o, int p)
{
    const float(*v)[3] = obj_xyz[o][p];
    const VVECT a = {v[1][0] - v[0][0], v[1][1] - v[0][1], v[1][2] - v[0][2]};
    const VVECT b = {v[2][0] - v[1][0], v[2][1] - v[1][1], v[2][2] - v[1][2]};
    VVECT n;
    find_normal_vects(&a, &b, &n);
    obj_nrml[o][p][0] = n.x;
    obj_nrml[o][p][1] = n.y;
    obj_nrml[o][p][2] = n.z;
}

void set_point(int o, int p, int k, float x, float y, float z)
{
    obj_xyz[o][p][k][0] = x;
    obj_xyz[o][p][k][1] = y;
    obj_xyz[o][p][k][2] = z;
}

// Four walls (counter-clockwise seen from outside) and a roof.
void make_box(int o, float x, float z, float ground, float height, const building_shape& s)
{
    const float cx[4] = {x - s.half_x, x + s.half_x, x + s.half_x, x - s.half_x};
    const float cz[4] = {z + s.half_z, z + s.half_z, z - s.half_z, z - s.half_z};
    const float top = ground + height;
    for (int w = 0; w < 4; w++) {
        const int n = (w + 1) % 4;
        set_point(o, w, 0, cx[w], ground, cz[w]);
        set_point(o, w, 1, cx[n], ground, cz[n]);
        set_point(o, w, 2, cx[n], top, cz[n]);
        set_point(o, w, 3, cx[w], top, cz[w]);
        obj_poltyp[o][w] = 4;
        obj_texrgb[o][w] = s.side_tex;
        polygon_normal(o, w);
    }
    for (int k = 0; k < 4; k++) set_point(o, 4, k, cx[k], top, cz[k]);
    obj_poltyp[o][4] = 4;
    obj_texrgb[o][4] = s.roof_tex;
    polygon_normal(o, 4);
    obj_npoly[o] = 5;
}

// A mast or pylon: one vertical line, its lights and wires drawn from it by the scene.
void make_mast(int o, float x, float z, float ground, float height)
{
    set_point(o, 0, 0, x, ground, z);
    set_point(o, 0, 1, x, ground + height, z);
    set_point(o, 0, 2, x, ground + height, z);
    obj_poltyp[o][0] = 2;
    obj_texrgb[o][0] = 0;
    obj_nrml[o][0][0] = obj_nrml[o][0][2] = 0.0f;
    obj_nrml[o][0][1] = 1.0f;
    obj_npoly[o] = 1;
}

int custom_texture(const char* name, const char* path)
{
    for (int k = 0; k < current_tex_numb; k++)
        if (!std::strcmp(objtex_name[k], name)) return OBJ_TEX_FIRST + k;
    if (current_tex_numb >= OBJ_TEX_CAP) {
        MACIBM_alert("Too many textures in the custom objects!", path, "", "", ALERT_NOTE);
        return -1;
    }
    std::snprintf(objtex_name[current_tex_numb], OBJ_NAME_LEN, "%s", name);
    const int numb = OBJ_TEX_FIRST + current_tex_numb++;
    if (texture_loader) texture_loader(name, numb);
    return numb;
}

// The object file's text, read whole (object files are small; a larger one is refused).
constexpr long OBJ_FILE_MAX = 1 << 20;
char obj_text[OBJ_FILE_MAX + 1];

constexpr double OBJ_NUMBER_MAX = 1e9;   // far beyond any coordinate, count or colour of an object
constexpr int OBJ_NUMBER_OUT_OF_RANGE = 2;  // the reader's failure for a number beyond that

// Colour channels of an untextured element, 0..255.
int colour_channel(float v) { return (int)fltlim(v, 0.0f, 255.0f); }

struct obj_reader {
    const char* p;
    const char* end;
    char eol;
    int  fail;

    void skip_blanks()
    {
        while (p < end && (*p == ' ' || *p == '\t' || *p == '\r' || *p == '\n' || *p == eol)) p++;
    }
    float number()
    {
        skip_blanks();
        char* stop = nullptr;
        char tmp[64];
        long n = 0;
        while (p + n < end && n < 63 && p[n] != ' ' && p[n] != '\t' && p[n] != '\r' &&
               p[n] != '\n' && p[n] != eol) {
            tmp[n] = p[n];
            n++;
        }
        tmp[n] = 0;
        const double v = std::strtod(tmp, &stop);
        // A number no object could use (and that no float or int could hold) reads as damage.
        if (stop == tmp || *stop || !std::isfinite(v) || std::fabs(v) > OBJ_NUMBER_MAX) {
            fail = (stop != tmp && !*stop) ? OBJ_NUMBER_OUT_OF_RANGE : 1;
            return 0.0f;
        }
        p += n;
        return (float)v;
    }
    void word(char* out, int len)
    {
        while (p < end && (*p == ' ' || *p == '\t')) p++;
        int k = 0;
        while (p < end && *p != ' ' && *p != '\t' && *p != '\r' && *p != '\n' && *p != eol) {
            if (k < len - 1) out[k++] = *p;
            p++;
        }
        out[k] = 0;
        if (k == 0) fail = 1;
    }
    void rest_of_line()
    {
        while (p < end && *p != eol && *p != '\n' && *p != '\r') p++;
        if (p < end) p++;
        if (p < end && p[-1] == '\r' && *p == '\n') p++;
    }
};

void object_alert(const char* line, const char* path)
{
    MACIBM_alert(line, path, "That object is left out of the scenery.", "", ALERT_NOTE);
}

// Reads the object file into slot o. Answers 0 (after its alert) when the file is damaged.
int read_object_file(int o, float x0, float z0, float ground, float hdng, const char* path)
{
    std::FILE* f = std::fopen(native_path(path), "rb");
    if (!f) {
        object_alert("I could not open the custom object file:", path);
        return 0;
    }
    const long got = (long)std::fread(obj_text, 1, OBJ_FILE_MAX + 1, f);
    std::fclose(f);
    if (got > OBJ_FILE_MAX) {
        object_alert("The custom object file is too large:", path);
        return 0;
    }
    if (got < 2 || (obj_text[0] != 'A' && obj_text[0] != 'I')) {
        object_alert("Object files must start with an A or an I (Apple or IBM creator) and then a carriage return!", path);
        return 0;
    }
    obj_reader in = {obj_text + 2, obj_text + got, obj_text[1], 0};
    if (in.eol == '\r' && in.p < in.end && *in.p == '\n') in.p++;
    const double c = std::cos(hdng * DEG_TO_RAD), s = std::sin(hdng * DEG_TO_RAD);
    int polys = 0;
    for (;;) {
        const float count = in.number();
        if (in.fail == OBJ_NUMBER_OUT_OF_RANGE) {
            object_alert("Must have 1, 2, 3, or 4 vertices in each element of the object!", path);
            return 0;
        }
        if (in.fail) {
            object_alert("The custom object file ends before its closing 99:", path);
            return 0;
        }
        const int n = (int)count;
        if (n == OBJ_FILE_END) break;
        if (n < 1 || n > 4 || (float)n != count) {
            object_alert("Must have 1, 2, 3, or 4 vertices in each element of the object!", path);
            return 0;
        }
        if (polys >= OBJ_POLYS) {
            object_alert("Too many polys in the custom object!", path);
            return 0;
        }
        const int p = polys++;
        obj_poltyp[o][p] = n;
        if (n >= 3) {
            char tex[OBJ_NAME_LEN];
            in.word(tex, sizeof tex);
            const int numb = in.fail ? -1 : custom_texture(tex, path);
            if (numb < 0) {
                if (in.fail) object_alert("A textured element of the custom object has no texture name!", path);
                return 0;
            }
            obj_texrgb[o][p] = numb;
        } else {
            const int r = colour_channel(in.number()), g = colour_channel(in.number()), b = colour_channel(in.number());
            obj_texrgb[o][p] = r * 10000 + g * 100 + b;
        }
        in.rest_of_line();
        for (int k = 0; k < 4; k++) set_point(o, p, k, x0, ground, z0);
        for (int k = 0; k < n; k++) {
            const float x = in.number(), y = in.number(), z = in.number();
            set_point(o, p, k, (float)(x0 + x * c - z * s), ground + y, (float)(z0 + x * s + z * c));
        }
        if (in.fail) {
            object_alert("A vertex of the custom object could not be read:", path);
            return 0;
        }
        polygon_normal(o, p);
    }
    obj_npoly[o] = polys;
    obj_type[o] = OBJ_CUSTOM_BASE + polys;
    return 1;
}

}  // namespace

void obs_set_texture_loader(void (*fn)(const char* name, int tex_number)) { texture_loader = fn; }

void obs_clear(int first, int last)
{
    first = intlim(first, 0, OBJ_CAP - 1);
    last = intlim(last, 0, OBJ_CAP - 1);
    for (int o = first; o <= last; o++) {
        obj_type[o] = OBJ_NONE;
        obj_npoly[o] = 0;
    }
}

void make_an_obs(float x, float z, float hddh, const char* name, int type, int o, int* oi, int* oj)
{
    int i = 0, j = 0;
    const float ground = find_local_h(x, z, &i, &j, 0);
    *oi = i;
    *oj = j;
    if (o < 0 || o >= OBJ_CAP) return;
    obj_type[o] = OBJ_NONE;
    obj_npoly[o] = 0;
    obj_height[o] = hddh;
    if (type == OBJ_CUSTOM) {
        char path[PATH_LEN];
        std::snprintf(path, sizeof path, "%s.OBJ", name ? name : "");
        ap_dir("additional nav data\\objects", path);
        obj_height[o] = 0.0f;
        if (!read_object_file(o, x, z, ground, hddh, path)) obs_clear(o, o);
        return;
    }
    if (type == OBJ_RADIO_TOWER || type == OBJ_POWER_TOWER) {
        make_mast(o, x, z, ground, hddh);
    } else {
        const building_shape s = shape_of(type);
        if (s.half_x <= 0.0f) return;   // not a kind this program builds
        make_box(o, x, z, ground, hddh, s);
    }
    obj_type[o] = type;
}

}  // namespace orv
