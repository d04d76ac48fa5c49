// The bitmap loader: 24-bit uncompressed Windows bitmaps into textures (plain, colour-keyed,
// luminance-alpha or mip-mapped terrain) or into the screen image.
#include "2-QZutils/qz_bitmap.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "2-QZutils/qgl.h"
#include "2-QZutils/qz_file.h"
#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_graph.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/records.h"

namespace orv {

constexpr int BMP_HEADER_BYTES = 54;
constexpr int BMP_MAGIC = 19778;            // "BM"
constexpr int GREY_SIDE = 4;
constexpr unsigned char GREY_LEVEL = 200;
constexpr int TERRAIN_FIRST = 12, TERRAIN_LAST = 23;
constexpr int TEX_HAND = 57, TEX_DG = 58, TEX_LETTERS = 79, TEX_CURSOR = 80;
constexpr int OBJECTS_FIRST = 1000, OBJECTS_LAST = 1100;
constexpr float FREEZING_F = 32;
constexpr float TROPICS_LAT = 30;

static int last_w, last_h;
void texbmp_last_size(int* w, int* h)
{
    if (w) *w = last_w;
    if (h) *h = last_h;
}

static const texture_file files[] = {
    {12, "wat", TEX_TERRAIN}, {13, "grs", TEX_TERRAIN}, {14, "mnt", TEX_TERRAIN},
    {15, "grs_wat_h", TEX_TERRAIN}, {16, "grs_wat_c", TEX_TERRAIN}, {17, "wat_grs_c", TEX_TERRAIN},
    {18, "grs_mnt_h", TEX_TERRAIN}, {19, "grs_mnt_c", TEX_TERRAIN}, {20, "mnt_grs_c", TEX_TERRAIN},
    {21, "mnt_wat_h", TEX_TERRAIN}, {22, "mnt_wat_c", TEX_TERRAIN}, {23, "wat_mnt_c", TEX_TERRAIN},
    {24, "rway_0L", 0}, {25, "rway_1L", 0}, {26, "rway_2L", 0}, {27, "rway_3L", 0},
    {28, "rway_0R", 0}, {29, "rway_1R", 0}, {30, "rway_2R", 0}, {31, "rway_3R", 0},
    {32, "rway_4R", 0}, {33, "rway_5R", 0}, {34, "rway_6R", 0}, {35, "rway_7R", 0},
    {36, "rway_8R", 0}, {37, "rway_9R", 0},
    {38, "rway_turn", 0}, {39, "rway_pave", 0}, {40, "rway_disp", 0}, {41, "rway_thld", 0},
    {42, "rway_tdzm", 0}, {43, "rway_fdmk", 0}, {44, "rway_line", 0},
    {45, "deck", 0}, {46, "dirty", 0}, {47, "pad", 0}, {48, "tower", 0}, {49, "hull", 0},
    {50, "bld_block", 0}, {51, "bld_nartop", 0}, {52, "bld_tapered", 0}, {53, "bld_narbot", 0},
    {54, "bld_avon", 0}, {55, "bld_contow", 0},
    {57, "hand", 0}, {58, "dg", TEX_KEYED}, {59, "smoke", TEX_LUMINANCE},
    {60, "fire1", TEX_KEYED}, {61, "fire2", TEX_KEYED}, {62, "fire3", TEX_KEYED},
    {63, "fire4", TEX_KEYED}, {64, "fire5", TEX_KEYED}, {65, "fire6", TEX_KEYED},
    {66, "fire7", TEX_KEYED}, {67, "fire8", TEX_KEYED}, {68, "fire9", TEX_KEYED},
    {69, "fire10", TEX_KEYED}, {70, "fire11", TEX_KEYED}, {71, "fire12", TEX_KEYED},
    {72, "windsock", 0},
    {75, "rway_gras", TEX_KEYED}, {76, "rway_dirt", TEX_KEYED}, {77, "rway_grav", TEX_KEYED},
    {TEX_LETTERS, "letters", TEX_KEYED}, {TEX_CURSOR, "cursor", TEX_KEYED},
    {-91, "metal", 0}, {-92, "tire", 0},
};

const texture_file* texture_files(int* count)
{
    if (count) *count = (int)(sizeof files / sizeof files[0]);
    return files;
}

void load_scenery_textures()
{
    for (const texture_file& f : files)
        if ((f.name >= 12 && f.name <= 55) || (f.name >= 59 && f.name <= 77))
            OGL_texbmp(BMP_TEXTURE, f.name, f.mode, f.file);
}

void load_startup_textures()
{
    OGL_texbmp(BMP_TEXTURE, TEX_LETTERS, TEX_KEYED, "letters");
    OGL_texbmp(BMP_TEXTURE, TEX_CURSOR, TEX_KEYED, "cursor");
}

const char* seasonal_name(int p1, const char* name)
{
    const int winter = atm.temp_SL < FREEZING_F;
    // Southern latitudes are as far from the tropics as northern ones.
    const int tropics = std::fabs(flt.lat) < TROPICS_LAT;
    static const struct { int p1; const char* file; } snow[] = {
        {13, "sno"}, {15, "sno_wat_h"}, {16, "sno_wat_c"}, {17, "wat_sno_c"},
        {18, "sno_mnt_h"}, {19, "sno_mnt_c"}, {20, "mnt_sno_c"},
    }, warm[] = {
        {12, "car"}, {15, "grs_car_h"}, {16, "grs_car_c"}, {17, "car_grs_c"},
        {21, "mnt_car_h"}, {22, "mnt_car_c"}, {23, "car_mnt_c"},
    }, both[] = {
        {15, "sno_car_h"}, {16, "sno_car_c"}, {17, "car_sno_c"},
    };
    const char* out = name;
    if (winter) for (const auto& s : snow) if (s.p1 == p1) out = s.file;
    if (tropics) for (const auto& s : warm) if (s.p1 == p1) out = s.file;
    if (winter && tropics) for (const auto& s : both) if (s.p1 == p1) out = s.file;
    return out;
}

int texbmp_reduction(int p1, int w, int h, int max_texture_size)
{
    static const int other[6] = {1, 4, 2, 2, 1, 1}, terrain[6] = {1, 16, 8, 4, 2, 1};
    // An unset or damaged setting means full resolution, never the coarsest.
    int res = (ogl_res >= 1 && ogl_res <= 5) ? ogl_res : 5;
    int s = (p1 >= TERRAIN_FIRST && p1 <= TERRAIN_LAST) ? terrain[res] : other[res];
    if (p1 == TEX_HAND || p1 == TEX_DG || p1 == TEX_LETTERS || p1 == TEX_CURSOR) s = 1;
    if (max_texture_size > 0)
        while (s < (1 << 20) && (max_texture_size < w / s || max_texture_size < h / s)) s *= 2;
    return s;
}

int texbmp_path(int type, int p1, const char* name, char* path)
{
    int n;
    if (type == BMP_TEXTURE) {
        const char* folder = (p1 >= OBJECTS_FIRST && p1 <= OBJECTS_LAST) ? "additional nav data\\objects" : "textures";
        n = std::snprintf(path, PATH_LEN, "%s%s\\%s.BMP", app_path, folder, name);
    } else if (type == BMP_SCREEN) {
        const char* sub = std::strcmp(name, "ORVS") == 0 ? "" : "Vantorel\\";
        n = std::snprintf(path, PATH_LEN, "%sbitmaps\\%s%s.BMP", app_path, sub, name);
    } else {
        n = std::snprintf(path, PATH_LEN, "%s.BMP", name);
    }
    return n > 0 && n < PATH_LEN;
}

static unsigned le16(const unsigned char* p) { return p[0] | (p[1] << 8); }
static int le32(const unsigned char* p) { return (int)((unsigned)p[0] | (p[1] << 8) | (p[2] << 16) | ((unsigned)p[3] << 24)); }

static void fill_grey(int bytes_per_texel)
{
    for (int t = 0; t < GREY_SIDE * GREY_SIDE; t++) {
        unsigned char* p = rgb_array + t * bytes_per_texel;
        p[0] = p[1] = p[2] = GREY_LEVEL;
        if (bytes_per_texel == 4) p[3] = 255;
    }
    last_w = last_h = GREY_SIDE;
}

// Reads the header; answers 1 when the pixels can be read into their destination.
static int read_header(std::FILE* f, int type, int bytes_per_texel, const char* path, int* w, int* h)
{
    unsigned char hd[BMP_HEADER_BYTES];
    if (std::fread(hd, 1, sizeof hd, f) != sizeof hd) {
        MACIBM_alert("File-scanning error!", "intscan", "file:", path, ALERT_NOTE);
        return 0;
    }
    int ok = 1;
    *w = le32(hd + 18);
    *h = le32(hd + 22);
    int bits = (int)le16(hd + 28), compression = le32(hd + 30);
    if ((int)le16(hd) != BMP_MAGIC) {
        MACIBM_alert("Trying to read a texture bitmap that is not a bitmap", path, "", "", ALERT_NOTE);
        ok = 0;
    }
    if (*w > BMP_MAX_SIDE) { MACIBM_alert("Bitmap too wide! (max is 1024)", path, "", "", ALERT_NOTE); ok = 0; }
    if (*h > BMP_MAX_SIDE) { MACIBM_alert("Bitmap too tall! (max is 1024)", path, "", "", ALERT_NOTE); ok = 0; }
    if (bits != 24) { MACIBM_alert("Wrong bitmap color depth for texture!", "We need 24-bit color.", path, "", ALERT_NOTE); ok = 0; }
    if (compression != 0) { MACIBM_alert("Bitmap is compressed!", path, "", "", ALERT_NOTE); ok = 0; }
    if (ok && (*w <= 0 || *h <= 0)) {
        MACIBM_alert("This bitmap has no pixels, or is stored top row first:", path,
                     "Save it as an ordinary 24-bit bitmap.", "", ALERT_NOTE);
        ok = 0;
    }
    if (type == BMP_COCKPIT_PATH && (*w != COCKPIT_W || *h != COCKPIT_H)) {
        MACIBM_alert("Custom cockpit bitmap is not 800x333 pixels!",
                     "To make custom cockpits, put the cockpit bitmap in the same folder as the airplane that uses it.",
                     "The filename should be the same as the airplane name but with (space)PANL.BMP at the end.",
                     "The cockpit bitmap must be 800x333 pixels, with 32 or 24 bit RGB color.", ALERT_NOTE);
    }
    int to_screen = (type == BMP_SCREEN || type == BMP_COCKPIT_PATH);
    if (ok && !to_screen && (long)*w * *h * bytes_per_texel > RGB_ARRAY_BYTES) {
        char size[80];
        std::snprintf(size, sizeof size, "%d by %d texels do not fit the %d-byte texture buffer.", *w, *h, RGB_ARRAY_BYTES);
        MACIBM_alert("Bitmap too big to load!", size, path, "", ALERT_NOTE);
        ok = 0;
    }
    return ok;
}

struct pixel_rule { int bytes_per_texel, mode, to_screen, ox, oy; float fr, fg, fb; };

static void read_pixels(std::FILE* f, int w, int h, const pixel_rule& pr, const char* path)
{
    static unsigned char row[BMP_MAX_SIDE * 3 + 3];
    const int stride = (w * 3 + 3) & ~3;
    const int dest_w = pr.to_screen ? SCREEN_W : w;
    if (!pr.to_screen) std::memset(rgb_array, 0, (size_t)w * h * pr.bytes_per_texel);
    for (int i = 0; i < h; i++) {
        if (std::fread(row, 1, stride, f) != (size_t)stride) {
            MACIBM_alert("File-scanning error!", "intscan", "file:", path, ALERT_NOTE);
            return;
        }
        const int y = i + pr.oy;
        if (pr.to_screen && (y < 0 || y >= SCREEN_H)) continue;
        for (int j = 0; j < w; j++) {
            const int x = j + pr.ox;
            if (pr.to_screen && (x < 0 || x >= SCREEN_W)) continue;
            const unsigned char b = row[3 * j], g = row[3 * j + 1], r = row[3 * j + 2];
            unsigned char* p = rgb_array + ((size_t)y * dest_w + x) * pr.bytes_per_texel;
            p[0] = (unsigned char)(r * pr.fr);
            p[1] = (unsigned char)(g * pr.fg);
            p[2] = (unsigned char)(b * pr.fb);
            if (pr.mode == TEX_KEYED) {
                p[3] = (r == 1 && g == 1 && b == 1) ? 0 : 255;
            } else if (pr.mode == TEX_LUMINANCE) {
                p[0] = p[1] = p[2] = 0;
                p[3] = (unsigned char)((r + g + b) / 3);
            }
        }
    }
}

// Keeps every s-th texel of every s-th row, in place.
static void shrink(int* w, int* h, int s, int bpt)
{
    int nw = *w / s > 0 ? *w / s : 1, nh = *h / s > 0 ? *h / s : 1;
    for (int i = 0; i < nh; i++)
        for (int j = 0; j < nw; j++)
            std::memmove(rgb_array + ((size_t)i * nw + j) * bpt, rgb_array + ((size_t)i * s * *w + (size_t)j * s) * bpt, bpt);
    *w = nw;
    *h = nh;
}

// Halves the image in place, each texel the average of the 2 by 2 block below it.
static void halve(int* w, int* h, int bpt)
{
    int nw = *w > 1 ? *w / 2 : 1, nh = *h > 1 ? *h / 2 : 1;
    for (int i = 0; i < nh; i++) {
        for (int j = 0; j < nw; j++) {
            int i0 = 2 * i, i1 = intlim(2 * i + 1, 0, *h - 1), j0 = 2 * j, j1 = intlim(2 * j + 1, 0, *w - 1);
            for (int k = 0; k < bpt; k++) {
                int sum = rgb_array[((size_t)i0 * *w + j0) * bpt + k] + rgb_array[((size_t)i0 * *w + j1) * bpt + k] +
                          rgb_array[((size_t)i1 * *w + j0) * bpt + k] + rgb_array[((size_t)i1 * *w + j1) * bpt + k];
                rgb_array[((size_t)i * nw + j) * bpt + k] = (unsigned char)(sum * 0.25f);
            }
        }
    }
    *w = nw;
    *h = nh;
}

static void upload(int p1, int p2, int w, int h, int bpt, const char* path)
{
    const GLenum format = bpt == 4 ? GL_RGBA : GL_RGB;
    qgl.BindTexture(GL_TEXTURE_2D, (GLuint)p1);
    qgl.TexImage2D(GL_TEXTURE_2D, 0, bpt, w, h, 0, format, GL_UNSIGNED_BYTE, rgb_array);
    if (p2 == TEX_TERRAIN) {
        if (w != h)
            MACIBM_alert("WHOA!", "You have defined a NON-SQUARE texture for terrain!",
                         "NON-SQUARE textures are fine for everything but water and terrain files!", path, ALERT_NOTE);
        for (int level = 1; w > 1 || h > 1; level++) {
            halve(&w, &h, bpt);
            qgl.TexImage2D(GL_TEXTURE_2D, level, bpt, w, h, 0, format, GL_UNSIGNED_BYTE, rgb_array);
        }
        qgl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    } else {
        qgl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    }
    qgl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    qgl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    qgl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    ogl_forget_binding();
}

int OGL_texbmp(int type, int p1, int p2, const char* name)
{
    if (!name) name = "";
    const int to_screen = (type == BMP_SCREEN || type == BMP_COCKPIT_PATH);
    const int tinted = to_screen || p1 == TEX_HAND || (p1 == TEX_DG && pln.paneltype == 1);
    pixel_rule pr = {3, 0, to_screen, 0, 0, 1, 1, 1};
    if (!to_screen && (p2 == TEX_KEYED || p2 == TEX_LUMINANCE)) {
        pr.bytes_per_texel = 4;
        pr.mode = p2;
    }
    if (tinted) {
        pr.fr = ins.r_rat;
        pr.fg = ins.g_rat;
        pr.fb = ins.b_rat;
    }
    if (to_screen) {
        pr.ox = p1 + mnw.x;
        pr.oy = p2 + mnw.y;
    }
    if (type == BMP_TEXTURE) {
        mnw_progress_tick();
        name = seasonal_name(p1, name);
    }
    char path[PATH_LEN];
    int w = GREY_SIDE, h = GREY_SIDE;
    std::FILE* f = texbmp_path(type, p1, name, path) ? std::fopen(native_path(path), "rb") : nullptr;
    if (!f) {
        if (type == BMP_COCKPIT_PATH || (!to_screen && p1 == TEX_HAND)) return 0;
        if (type == BMP_SCREEN) {
            MACIBM_alert("Can't open bitmap!", path, "", "", ALERT_NOTE);
            return 1;
        }
        fill_grey(pr.bytes_per_texel);
    } else {
        int readable = read_header(f, type, pr.bytes_per_texel, path, &w, &h);
        if (readable) read_pixels(f, w, h, pr, path);
        std::fclose(f);
        if (to_screen) return 1;
        if (readable) {
            last_w = w;
            last_h = h;
        } else {
            fill_grey(pr.bytes_per_texel);
            w = h = GREY_SIDE;
        }
    }

    GLint max_size = 0;
    qgl.GetIntegerv(GL_MAX_TEXTURE_SIZE, &max_size);
    int s = texbmp_reduction(p1, w, h, max_size);
    if (s >= 2) shrink(&w, &h, s, pr.bytes_per_texel);
    last_w = w;
    last_h = h;
    upload(p1, p2, w, h, pr.bytes_per_texel, path);
    return 1;
}

}  // namespace orv
