#include "2-QZutils/drplane.h"

#include <cmath>
#include <initializer_list>
#include <cstdio>
#include <cstring>

#include "2-QZutils/acf_parts.h"
#include "2-QZutils/qgl.h"
#include "2-QZutils/qgl3d.h"
#include "2-QZutils/qz_bitmap.h"
#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_graph.h"
#include "2-QZutils/records.h"

namespace orv {

float a_xyz[PLANE_PARTS][PLANE_SECTIONS][PLANE_POINTS][3];
float n_xyz[PLANE_PARTS][PLANE_SECTIONS][PLANE_POINTS][3];
float s_[PLANE_PARTS][PLANE_SECTIONS][PLANE_POINTS];
float t_[PLANE_PARTS][PLANE_SECTIONS][PLANE_POINTS];
float prop_angle;

namespace {

constexpr float DEG = (float)M_PI / 180.0f;
constexpr float NM = 1852.0f;
constexpr int   FOIL_POINTS = 12;
constexpr float FOIL_C[FOIL_POINTS] = {-0.25f, -0.22f, -0.17f, -0.1f, 0.0f, 0.25f, 0.75f, 0.25f, 0.0f, -0.1f, -0.17f, -0.22f};
constexpr float FOIL_H[FOIL_POINTS] = {0.0f, 0.22f, 0.38f, 0.46f, 0.5f, 0.4f, 0.0f, -0.4f, -0.5f, -0.46f, -0.38f, -0.22f};
constexpr int   TEX_METAL = -91, TEX_TIRE = -92, TEX_HAND = 57;
constexpr float WHEEL_HUB = 0.8f, WHEEL_HALF_W = 0.3f, WHEEL_HUB_INSET = 0.4f;   // of the wheel radius
constexpr int   WHEEL_FACETS = 16;

int built_sections[PLANE_PARTS], built_points[PLANE_PARTS];

// Paint texture of each part and the word its file name ends with.
int part_texture(int p)
{
    if (p <= 3) return -100;
    if (p <= 5) return -99;
    if (p <= 7) return -98;
    if (p <= 9) return -97;
    if (p <= 11) return -96;
    if (p == 12) return -95;
    if (p == 13) return -94;
    if (p <= 17) return -93;
    if (p == 18) return -105;
    if (p <= 22) return -104;
    if (p <= 24) return -103;
    return -102;
}
struct paint { int name; const char* word; };
constexpr paint PAINTS[13] = {{-100, "prop"}, {-99, "wng1"}, {-98, "wng2"}, {-97, "wng3"}, {-96, "hstb"},
                              {-95, "vst1"}, {-94, "vst2"}, {-93, "pyln"}, {-105, "fuse"}, {-104, "nace"},
                              {-103, "misc"}, {-102, "fair"}, {-101, "strt"}};

void base_path(char* out, int n)
{
    std::snprintf(out, n, "%s", pln.C_path);
    char* dot = std::strrchr(out, '.');
    char* sep = std::strrchr(out, '/');
    char* bsl = std::strrchr(out, '\\');
    if (bsl > sep) sep = bsl;
    if (dot && (!sep || dot > sep)) *dot = 0;
}

int file_exists(const char* path_no_ext)
{
    char p[460];
    for (const char* ext : {".bmp", ".BMP"}) {
        std::snprintf(p, sizeof p, "%s%s", path_no_ext, ext);
        if (FILE* f = std::fopen(p, "rb")) {
            std::fclose(f);
            return 1;
        }
    }
    return 0;
}

void build_prop(int p)
{
    const int blades = intlim((int)pln.numblades[p], 0, PLANE_SECTIONS / 2);
    for (int e = 1; e <= blades; e++) {
        const int a = round((float)e * 360.0f / (float)blades);
        const float ca = icos(a), sa = isin(a);
        const float z = -pln.vectarm;
        const float half[2] = {pln.Croot[p] * 0.5f, pln.Ctip[p] * 0.5f};
        const float rad[2] = {0.0f, pln.semilen[p]};
        for (int s = 0; s < 2; s++) {
            const int sec = 2 * (e - 1) + s;
            for (int k = 0; k < 2; k++) {
                const float across = (k == 0 ? -1.0f : 1.0f) * half[s];
                // Radius along the blade's direction, chord across it, in the disc plane.
                load_pln(rad[s] * sa + across * ca, rad[s] * ca - across * sa, z, a_xyz[p][sec][k]);
                s_[p][sec][k] = (float)(sec % 2);
                t_[p][sec][k] = (float)k;
            }
        }
    }
    built_sections[p] = 2 * blades;
    built_points[p] = 2;
}

void build_surface(int p)
{
    const float side = latsign(p);
    const float dih = pln.dihed[p] * DEG;
    const float tx = -side * std::sin(dih), ty = std::cos(dih);
    const float span[2] = {0.0f, pln.semilen[p]};
    const float chord[2] = {pln.Croot[p], pln.Ctip[p]};
    const float trat[2] = {afl.trat[p][0][0], afl.trat[p][1][0]};
    // The texture's s runs from the most forward leading edge to the most rearward trailing edge.
    float z_fwd = 1e9f, z_aft = -1e9f;
    for (int r = 0; r < 2; r++) {
        const float z0 = get_wing_Zarm(p, span[r]);
        z_fwd = fltmin2(z_fwd, z0 - 0.25f * chord[r]);
        z_aft = fltmax2(z_aft, z0 + 0.75f * chord[r]);
    }
    for (int r = 0; r < 2; r++) {
        const int sec = side >= 0.0f ? 1 - r : r;   // same winding on both sides
        const float X = get_wing_Xarm(p, span[r]), Y = get_wing_Yarm(p, span[r]), Z = get_wing_Zarm(p, span[r]);
        for (int k = 0; k < FOIL_POINTS; k++) {
            const float c = FOIL_C[k] * chord[r], h = FOIL_H[k] * chord[r] * trat[r];
            load_pln(X + h * tx, Y + h * ty, Z + c, a_xyz[p][sec][k]);
            s_[p][sec][k] = z_aft > z_fwd ? (Z + c - z_fwd) / (z_aft - z_fwd) : 0.0f;
            t_[p][sec][k] = (float)r;
        }
    }
    built_sections[p] = 2;
    built_points[p] = FOIL_POINTS;
}

void build_body(int p)
{
    const int ns = intlim(f_body_s_dim(p), 0, PLANE_SECTIONS), np = intlim(f_body_r_dim(p), 0, PLANE_POINTS);
    for (int s = 0; s < ns; s++)
        for (int k = 0; k < np; k++) load_pln(pln.body_X[p][s][k], pln.body_Y[p][s][k], pln.body_Z[p][s][k], a_xyz[p][s][k]);
    // s along the body from the first to the last section; t the girth from the top line,
    // each half of the outline mapped onto the same half of the texture.
    const float z0 = ns > 0 ? a_xyz[p][0][0][2] : 0.0f, z1 = ns > 0 ? a_xyz[p][ns - 1][0][2] : 1.0f;
    float gmin = 1e9f, gmax = -1e9f;
    float girth[PLANE_SECTIONS][PLANE_POINTS];
    const int half = np / 2;
    for (int s = 0; s < ns; s++) {
        float mean_y = 0.0f;
        for (int k = 0; k < np; k++) mean_y += a_xyz[p][s][k][1] / (float)np;
        float g = 0.0f;
        for (int k = 0; k < np; k++) {
            if (k >= half && np - 1 - k < half) {   // mirror the second half onto the first
                girth[s][k] = girth[s][np - 1 - k];
                continue;
            }
            if (k > 0) {
                const float* a = a_xyz[p][s][k];
                const float* b = a_xyz[p][s][k - 1];
                g += pythag(a[0] - b[0], a[1] - b[1]);
            }
            girth[s][k] = a_xyz[p][s][k][1] >= mean_y ? g : -g;
        }
        for (int k = 0; k < np; k++) {
            gmin = fltmin2(gmin, girth[s][k]);
            gmax = fltmax2(gmax, girth[s][k]);
        }
    }
    for (int s = 0; s < ns; s++)
        for (int k = 0; k < np; k++) {
            s_[p][s][k] = std::fabs(z1 - z0) > 1e-6f ? (a_xyz[p][s][k][2] - z0) / (z1 - z0) : 0.0f;
            t_[p][s][k] = gmax > gmin ? (girth[s][k] - gmin) / (gmax - gmin) : 0.0f;
        }
    built_sections[p] = ns;
    built_points[p] = np;
}

void build_normals(int p)
{
    const int ns = built_sections[p], np = built_points[p];
    for (int s = 0; s < ns; s++)
        for (int k = 0; k < np; k++) {
            const float* sn = a_xyz[p][intlim(s + 1, 0, ns - 1)][k];
            const float* sp = a_xyz[p][intlim(s - 1, 0, ns - 1)][k];
            const float* kn = a_xyz[p][s][intlim(k + 1, 0, np - 1)];
            const float* kp = a_xyz[p][s][intlim(k - 1, 0, np - 1)];
            const VVECT a = {sn[0] - sp[0], sn[1] - sp[1], sn[2] - sp[2]};
            const VVECT b = {kn[0] - kp[0], kn[1] - kp[1], kn[2] - kp[2]};
            VVECT n;
            find_normal_vects(&a, &b, &n);
            n_xyz[p][s][k][0] = n.x;
            n_xyz[p][s][k][1] = n.y;
            n_xyz[p][s][k][2] = n.z;
        }
}

// ---- texture start maps: the mesh lines in texture space on a white ground
void put_px(unsigned char* img, int w, int h, float s, float t)
{
    const int x = intlim((int)(s * (float)(w - 1)), 0, w - 1), y = intlim((int)(t * (float)(h - 1)), 0, h - 1);
    unsigned char* px = img + ((long)y * w + x) * 3;
    px[0] = px[1] = px[2] = 0;
}

void map_line(unsigned char* img, int w, int h, float s1, float t1, float s2, float t2)
{
    const int steps = intlim((int)(pythag((s2 - s1) * w, (t2 - t1) * h)) + 1, 1, 4096);
    for (int k = 0; k <= steps; k++) {
        const float f = (float)k / (float)steps;
        put_px(img, w, h, s1 + (s2 - s1) * f, t1 + (t2 - t1) * f);
    }
}

void put_le32(unsigned char* b, unsigned v) { b[0] = v & 255; b[1] = (v >> 8) & 255; b[2] = (v >> 16) & 255; b[3] = v >> 24; }
void put_le16(unsigned char* b, unsigned v) { b[0] = v & 255; b[1] = (v >> 8) & 255; }

void write_start_map(int p, const char* file)
{
    const int wing = p <= 13;
    const int longer = wing ? 512 : 256;
    // The part's aspect picks the shorter side: half the longer one for slender parts.
    float lo_s = 1e9f, hi_s = -1e9f, lo_t = 1e9f, hi_t = -1e9f;
    for (int s = 0; s < built_sections[p]; s++)
        for (int k = 0; k < built_points[p]; k++) {
            lo_s = fltmin2(lo_s, a_xyz[p][s][k][2]);
            hi_s = fltmax2(hi_s, a_xyz[p][s][k][2]);
            lo_t = fltmin2(lo_t, wing ? a_xyz[p][s][k][0] : a_xyz[p][s][k][1]);
            hi_t = fltmax2(hi_t, wing ? a_xyz[p][s][k][0] : a_xyz[p][s][k][1]);
        }
    const float along = hi_s - lo_s, across = hi_t - lo_t;
    int w = longer, h = longer;
    if (along > 2.0f * across) h = longer / 2;
    if (across > 2.0f * along) w = longer / 2;
    static unsigned char img[512 * 512 * 3];
    std::memset(img, 255, sizeof img);
    for (int s = 0; s < built_sections[p]; s++)
        for (int k = 0; k < built_points[p]; k++) {
            if (s + 1 < built_sections[p]) map_line(img, w, h, s_[p][s][k], t_[p][s][k], s_[p][s + 1][k], t_[p][s + 1][k]);
            if (k + 1 < built_points[p]) map_line(img, w, h, s_[p][s][k], t_[p][s][k], s_[p][s][k + 1], t_[p][s][k + 1]);
        }
    unsigned char hdr[54] = {};
    const unsigned row = (unsigned)w * 3, size = row * (unsigned)h;
    put_le16(hdr, 19778);
    put_le32(hdr + 2, 54 + size);
    put_le32(hdr + 10, 54);
    put_le32(hdr + 14, 40);
    put_le32(hdr + 18, (unsigned)w);
    put_le32(hdr + 22, (unsigned)h);
    put_le16(hdr + 26, 1);
    put_le16(hdr + 28, 24);
    put_le32(hdr + 34, size);
    FILE* f = std::fopen(file, "wb");
    if (!f) return;
    std::fwrite(hdr, 1, 54, f);
    std::fwrite(img, 1, size, f);
    std::fclose(f);
}

void dump_start_maps()
{
    struct map_file { int part; const char* name; };
    static const map_file maps[] = {{5, "start wng1.bmp"}, {7, "start wng2.bmp"}, {9, "start wng3.bmp"},
                                    {11, "start hstb.bmp"}, {12, "start vst1.bmp"}, {13, "start vst2.bmp"},
                                    {14, "start pyln.bmp"}, {18, "start fuse.bmp"}, {19, "start nace.bmp"},
                                    {23, "start misc.bmp"}, {25, "start fair.bmp"}};
    for (const map_file& m : maps)
        if (built_sections[m.part] > 0) write_start_map(m.part, m.name);
}

void load_textures()
{
    char base[420], path[440];
    base_path(base, sizeof base);
    // A part the aircraft has no paint for is bare metal, never the last aircraft's paint.
    for (const paint& pt : PAINTS) {
        std::snprintf(path, sizeof path, "%s %s", base, pt.word);
        if (!file_exists(path) || !OGL_texbmp(BMP_TEXTURE_PATH, pt.name, 0, path))
            OGL_texbmp(BMP_TEXTURE, pt.name, 0, "metal");
    }
    std::snprintf(path, sizeof path, "%s hand", base);
    if (!file_exists(path) || !OGL_texbmp(BMP_TEXTURE_PATH, TEX_HAND, 0, path)) OGL_texbmp(BMP_TEXTURE, TEX_HAND, 0, "hand");
    OGL_texbmp(BMP_TEXTURE, TEX_TIRE, 0, "tire");
    OGL_texbmp(BMP_TEXTURE, TEX_METAL, 0, "metal");
}

void vtx(int p, int s, int k)
{
    qgl.Normal3f(n_xyz[p][s][k][0], n_xyz[p][s][k][1], n_xyz[p][s][k][2]);
    qgl.TexCoord2f(s_[p][s][k], t_[p][s][k]);
    qgl.Vertex3f(a_xyz[p][s][k][0], a_xyz[p][s][k][1], a_xyz[p][s][k][2]);
}

// One quad of the mesh as two triangles, sent clockwise as seen from outside the part (the
// drawing layer culls the other side). Both end on the same corner: under flat shading the
// last vertex lights the triangle, so the quad shows as one facet, not two halves.
void band(int p, int s1, int s2, int k1, int k2)
{
    vtx(p, s2, k2); vtx(p, s2, k1); vtx(p, s1, k1);
    vtx(p, s1, k2); vtx(p, s2, k2); vtx(p, s1, k1);
}

int engine_of(int p) { return p <= 3 ? p : (p >= 19 && p <= 22 ? p - 19 : -1); }

void draw_part(int p, int wire, int jet)
{
    const int ns = built_sections[p], np = built_points[p];
    if (ns < 2 || np < 2) return;
    qgl3d.PushMatrix();
    if (!wire) OGL_bindtex(part_texture(p));
    float ox = 0, oy = 0, oz = 0;
    get_body_os(p, &ox, &oy, &oz);
    if (p <= 3 || p >= 19) qgl3d.Translatef(ox, oy, oz);
    const int e = engine_of(p);
    if (e >= 0) {
        qgl3d.Rotatef(-pln.sidecant[e], 0, 1, 0);
        qgl3d.Rotatef(-pln.vertcant[e], -1, 0, 0);
    }
    if (p <= 3) qgl3d.Rotatef(prop_angle, 0, 0, 1);
    if (p >= 4 && p <= 11 && pln.varsweepEQ[p]) {
        const float sw = (pln.sweepnow[p] - pln.sweep1[p]) * (p % 2 ? -1.0f : 1.0f);
        qgl3d.Translatef(ox, oy, oz);
        qgl3d.Rotatef(sw, 0, 1, 0);
        qgl3d.Translatef(-ox, -oy, -oz);
    }
    if (pln.gear_type == 2 && (p == 26 || p == 27) && pln.skidl > 0.0f)
        qgl3d.Rotatef(std::atan2(pln.geardef[p - 25], pln.skidl) / DEG, 1, 0, 0);

    // A blade is a single flat quad: it must show from in front and from behind.
    if (p <= 3) qgl.Disable(GL_CULL_FACE);
    qgl.Begin(GL_TRIANGLES);
    const int step = p <= 3 ? 2 : 1;   // propeller blades are separate pairs of sections
    const int body = p >= 18 && p <= 22;
    for (int s = 0; s + 1 < ns; s += step) {
        const int last_band = s + 1 == ns - 1;
        if (jet && body && last_band && !wire) {
            qgl.End();
            OGL_bindtex(TEX_METAL);
            qgl.Begin(GL_TRIANGLES);
        }
        for (int k = 0; k + 1 < np; k++) band(p, s, s + 1, k, k + 1);
        if (p >= 4 && p <= 17) band(p, s, s + 1, np - 1, 0);   // the airfoil outline closes
        if (body && !wire) band(p, s, s + 1, np - 1, 0);       // round the girth
    }
    qgl.End();
    if (p <= 3) qgl.Enable(GL_CULL_FACE);
    if (p >= 4 && p <= 17) {   // flat cap over the tip section
        const int tip = latsign(p) >= 0.0f ? 0 : 1;
        // The outline runs the same way on both sides, so one of the two caps faces inward:
        // the cap shows from either side.
        qgl.Disable(GL_CULL_FACE);
        qgl.Begin(GL_TRIANGLE_FAN);
        for (int k = 0; k < np; k++) {
            qgl.Normal3f(0, 1, 0);
            qgl.TexCoord2f(0.5f, 0.5f);
            qgl.Vertex3f(a_xyz[p][tip][k][0], a_xyz[p][tip][k][1], a_xyz[p][tip][k][2]);
        }
        qgl.End();
        qgl.Enable(GL_CULL_FACE);
    }
    qgl3d.PopMatrix();
}

}  // namespace

void load_pln(float xi, float yi, float zi, float* xyzout)
{
    xyzout[0] = xi;
    xyzout[1] = yi;
    xyzout[2] = zi;
}

int plane_sections(int p) { return (p >= 0 && p < PLANE_PARTS) ? built_sections[p] : 0; }
int plane_points(int p) { return (p >= 0 && p < PLANE_PARTS) ? built_points[p] : 0; }

void load_plane_geo(int new_tex, int dump_map)
{
    for (int p = 0; p < PLANE_PARTS; p++) {
        built_sections[p] = built_points[p] = 0;
        if (p <= 3) build_prop(p);
        else if (p <= 17) build_surface(p);
        else build_body(p);
        build_normals(p);
    }
    if (new_tex) load_textures();
    if (dump_map) dump_start_maps();
}

float prop_step(int blades) { return 0.3f * 360.0f / (float)intlim(blades, 2, 9); }

float plane_light_size(float d_m, float zoom)
{
    const float apparent = d_m / NM / fltmax2(zoom, 0.01f);
    return apparent >= 1.0f ? 1.0f : 2.0f - apparent;
}

int plane_mesh_shown(float d_m, float zoom) { return d_m / NM / fltmax2(zoom, 0.01f) < 1.0f; }

void plane_light_points(float left[3], float right[3], float beacon[3])
{
    const int l = have_this_part(6) ? 6 : 4, r = have_this_part(7) ? 7 : 5;
    const int v = have_this_part(13) ? 13 : 12;
    auto tip = [](int p, float out[3]) {
        const float s = pln.semilen[p];
        out[0] = get_wing_Xarm(p, s);
        out[1] = get_wing_Yarm(p, s);
        out[2] = get_wing_Zarm(p, s);
    };
    tip(l, left);
    tip(r, right);
    tip(v, beacon);
}

void heavy_light(float x, float y, float z, float r, float g, float b, float ps)
{
    qgl3d.PointSize(ps);
    qgl3d.Color3f(r, g, b);
    qgl.Begin(GL_POINTS);
    qgl.Vertex3f(x, y, z);
    qgl.End();
}

void disc(float xc, float yc, float zc, float xh, float xt, float rh, float rt, int t)
{
    // A ring between radii rh (inner) and rt (outer) at x station xh, joined by the tyre's
    // tread to the same ring at xt; t 1 draws the tread, 0 only the side face.
    qgl.Begin(GL_QUAD_STRIP);
    for (int k = 0; k <= WHEEL_FACETS; k++) {
        const int a = k * 360 / WHEEL_FACETS;
        const float c = icos(a), s = isin(a);
        qgl.Normal3f(xh > xt ? 1.0f : -1.0f, 0, 0);
        qgl.TexCoord2f((float)k / WHEEL_FACETS, 0);
        qgl.Vertex3f(xc + xh, yc + rh * s, zc + rh * c);
        qgl.TexCoord2f((float)k / WHEEL_FACETS, 1);
        qgl.Vertex3f(xc + xh, yc + rt * s, zc + rt * c);
    }
    qgl.End();
    if (!t) return;
    qgl.Begin(GL_QUAD_STRIP);
    for (int k = 0; k <= WHEEL_FACETS; k++) {
        const int a = k * 360 / WHEEL_FACETS;
        const float c = icos(a), s = isin(a);
        qgl.Normal3f(0, s, c);
        qgl.TexCoord2f((float)k / WHEEL_FACETS, 0);
        qgl.Vertex3f(xc + xh, yc + rt * s, zc + rt * c);
        qgl.TexCoord2f((float)k / WHEEL_FACETS, 1);
        qgl.Vertex3f(xc + xt, yc + rt * s, zc + rt * c);
    }
    qgl.End();
}

void wheel(int en, float xa, float ya, float za, float r, float xh, float xt, float rh, float rt)
{
    (void)en;
    OGL_bindtex(TEX_TIRE);
    disc(xa, ya, za, xh, xt, rh, rt, 1);
    disc(xa, ya, za, xt, xh, rh, rt, 0);
    OGL_bindtex(TEX_METAL);   // the hub, set in from both faces
    const float inset = WHEEL_HUB_INSET * r * 0.25f;
    disc(xa, ya, za, xh - inset, xt + inset, 0.0f, rh, 0);
    disc(xa, ya, za, xt + inset, xh - inset, 0.0f, rh, 0);
}

void turn_propellers() { prop_angle = fltwrap(prop_angle + prop_step((int)pln.numblades[0]), 0.0f, 360.0f); }

void plot_plane(float x, float y, float z, float the, float psi, float phi)
{
    const float* eye = con.VIEW_xyz;
    const float d = pythag3(x - eye[0], y - eye[1], z - eye[2]);
    if (d > atm.vis_eff) return;
    const float zoom = scn.zoom > 0.0f ? scn.zoom : 1.0f;
    const float ps = plane_light_size(d, zoom);

    qgl3d.PushMatrix();
    qgl3d.Translatef(x, y, z);
    qgl3d.Rotatef(-psi, 0, 1, 0);
    qgl3d.Rotatef(-the, -1, 0, 0);
    qgl3d.Rotatef(-phi, 0, 0, 1);
    if (plane_mesh_shown(d, zoom)) {
        const int wire = mnw.draw_wire;
        if (wire) {
            OGL_setstate(0, 0, 0, 1);
            qgl3d.PolygonMode(GL_FRONT_AND_BACK, GL_LINE);
            qgl3d.Color3f(0.5f, 1.0f, 0.5f);
        } else {
            OGL_setstate(1, 1, 1, 1);
            qgl3d.Color3f(1.0f, 1.0f, 1.0f);
        }
        const int jet = pln.entype == 4 || pln.entype == 5;
        for (int p = 0; p < PLANE_PARTS; p++)
            if (have_this_part(p)) draw_part(p, wire, jet);
        if (pln.gear_type > 2 && (!pln.gear_retract || set.gear_handle)) {
            const float r = pln.wheelrad;
            const float hub = WHEEL_HUB * r, hw = WHEEL_HALF_W * r;
            if (pln.gear_stat[0]) wheel(0, 0.0f, pln.ngearY_att, pln.ngearZ_att, r, hw, -hw, hub, r);
            if (pln.gear_stat[1]) wheel(1, -pln.mgearX_att, pln.mgearY_att, pln.mgearZ_att, r, hw, -hw, hub, r);
            if (pln.gear_stat[2]) wheel(2, pln.mgearX_att, pln.mgearY_att, pln.mgearZ_att, r, hw, -hw, hub, r);
        }
        if (wire) qgl3d.PolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    }
    OGL_setstate(1, 0, 0, 1);
    float l[3], r[3], b[3];
    plane_light_points(l, r, b);
    const float pulse = 0.5f + 0.5f * std::sin(2.0f * msc.elap_time);
    heavy_light(l[0], l[1], l[2], 1.0f, 0.2f, 0.2f, ps);
    heavy_light(r[0], r[1], r[2], 0.2f, 1.0f, 0.2f, ps);
    heavy_light(b[0], b[1], b[2], pulse, 0.2f * pulse, 0.2f * pulse, ps);
    qgl3d.PopMatrix();
}

}  // namespace orv
