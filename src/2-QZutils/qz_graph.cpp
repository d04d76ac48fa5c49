// The drawing layer's palette, state caches, 2-D primitives, quads and background image.
#include "2-QZutils/qz_graph.h"

#include <cmath>
#include <cstring>

#include "2-QZutils/qgl.h"
#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/records.h"
#include "platform/plat_backend.h"

namespace orv {

float col_rgb[PALETTE_SIZE][3];
int   to_array;
unsigned char rgb_array[RGB_ARRAY_BYTES];
unsigned char current_rgb[3];
unsigned char sub_array[BG_TILE * BG_TILE * 3];
ogl_viewport ogl_view = {0, 0, SCREEN_W, SCREEN_H};

// ---- state caches
static int states_applied;                    // 0 until the first OGL_setstate
static int o_fog, o_dep, o_tex, o_lit;
static int o_index = -1;

void ogl_cache_reset()
{
    states_applied = 0;
    o_index = -1;
}

static void switch_cap(GLenum cap, int on)
{
    if (on) qgl.Enable(cap);
    else qgl.Disable(cap);
}

void ogl_forget_binding() { o_index = -1; }

void OGL_setstate(int fog, int tex, int lit, int dep)
{
    int first = !states_applied;
    states_applied = 1;
    if (first || fog != o_fog) switch_cap(GL_FOG, fog);
    if (first || dep != o_dep) switch_cap(GL_DEPTH_TEST, dep);
    if (first || tex != o_tex) switch_cap(GL_TEXTURE_2D, tex);
    if (first || lit != o_lit) {
        switch_cap(GL_LIGHTING, lit);
        switch_cap(GL_LIGHT0, lit);
    }
    o_fog = fog;
    o_dep = dep;
    o_tex = tex;
    o_lit = lit;
}

void OGL_bindtex(int index)
{
    if (index == o_index) return;
    o_index = index;
    qgl.BindTexture(GL_TEXTURE_2D, (GLuint)index);
}

// ---- palette
void OGL_assigncolor(int index, float r, float g, float b)
{
    if (index < 0 || index >= PALETTE_SIZE) {
        MACIBM_alert("too many colors!", "", "", index, ALERT_NOTE);
        return;
    }
    col_rgb[index][0] = r;
    col_rgb[index][1] = g;
    col_rgb[index][2] = b;
}

void OGL_setcolor(int index)
{
    if (index < 0 || index >= PALETTE_SIZE) index = 29;   // black: a bad index draws, visibly
    float c[3] = {col_rgb[index][0], col_rgb[index][1], col_rgb[index][2]};
    if (index < TINTED_COLORS) {
        c[0] *= ins.r_rat;
        c[1] *= ins.g_rat;
        c[2] *= ins.b_rat;
    }
    if (to_array) {
        for (int k = 0; k < 3; k++) current_rgb[k] = (unsigned char)intlim(orv::round(c[k] * 255.0f), 0, 255);
    } else {
        qgl.Color3fv(c);
    }
}

void OGL_default_palette()
{
    static const struct { int i; float r, g, b; } table[] = {
        {0, 1, 1, 1}, {1, 0.2f, 1, 0.2f}, {2, 1, 0.2f, 0.2f}, {3, 1, 1, 0.2f},
        {4, 0.4f, 0.4f, 1}, {5, 0.92f, 0.87f, 0.67f}, {6, 0.8f, 0.8f, 0.8f}, {7, 0, 1, 0},
        {8, 1, 0, 0}, {9, 1, 1, 0}, {10, 0, 0, 1}, {11, 0.67f, 0.61f, 0.42f},
        {12, 0.6f, 0.6f, 0.6f}, {13, 0, 0.8f, 0}, {14, 0.8f, 0, 0}, {15, 0.6f, 0.6f, 0},
        {16, 0, 0, 0.6f}, {17, 0.49f, 0.43f, 0.24f}, {18, 0.4f, 0.4f, 0.4f}, {19, 0, 0.6f, 0},
        {20, 0.6f, 0, 0}, {21, 0.35f, 0.3f, 0.11f}, {22, 0.2f, 0.2f, 0.2f}, {23, 0, 0.4f, 0},
        {24, 0.4f, 0, 0}, {25, 0.17f, 0.12f, 0}, {26, 0.1f, 0.1f, 0.1f}, {27, 0, 0.2f, 0},
        {28, 0.2f, 0, 0}, {29, 0, 0, 0}, {30, 0, 0.1f, 0}, {31, 0.1f, 0, 0},
        {32, 1, 0.8f, 0.2f}, {33, 0.2f, 0.2f, 0.6f}, {34, 0.11f, 0.22f, 0.55f}, {35, 0.08f, 0.16f, 0.4f},
        {36, 0.66f, 0.44f, 0.22f}, {37, 0.48f, 0.32f, 0.16f}, {38, 1, 1, 1}, {39, 0.8f, 0.8f, 0.8f},
        {40, 0.3f, 0.3f, 0.3f}, {41, 1, 1, 0.2f}, {42, 0.4f, 0.4f, 1}, {43, 0.5f, 0.5f, 1},
        {44, 1, 0, 0}, {45, 1, 0.4f, 0.4f}, {46, 0.6f, 1, 0.6f}, {47, 0.2f, 1, 0.2f},
        {48, 0, 1, 0}, {49, 0, 0.6f, 0}, {50, 0, 0.4f, 0}, {51, 0, 0.2f, 0},
        {52, 0, 0.1f, 0}, {53, 0.11f, 0.22f, 0.55f}, {54, 0.66f, 0.44f, 0.22f}, {55, 0.2f, 0.2f, 0.4f},
        {60, 1, 1, 1}, {61, 1, 1, 0.6f}, {62, 0.6f, 0.6f, 1}, {63, 0.8f, 0.8f, 0.8f},
        {64, 1, 1, 0.2f}, {65, 0.2f, 0.2f, 1}, {66, 0.6f, 0.6f, 0.6f}, {67, 0.8f, 0.8f, 0},
        {68, 0, 0, 0.8f}, {69, 0, 0, 0}, {70, 0, 0.9f, 0}, {71, 0, 0.5f, 0},
        {72, 1, 1, 0}, {73, 1, 0, 0},
    };
    std::memset(col_rgb, 0, sizeof col_rgb);
    for (const auto& e : table) OGL_assigncolor(e.i, e.r, e.g, e.b);
}

// ---- buffer mode and presenting
void BUF_point(int x, int y)
{
    if (x < 0 || x >= SCREEN_W || y < 0 || y >= SCREEN_H) return;   // never outside the image
    unsigned char* p = rgb_array + (y * SCREEN_W + x) * 3;
    p[0] = current_rgb[0];
    p[1] = current_rgb[1];
    p[2] = current_rgb[2];
}

void OGL_sbuf() { plat_backend_get()->present(); }

// ---- 2-D primitives
// A line between absolute picture positions, colour already set.
static void line_abs(float x1, float y1, float x2, float y2)
{
    if (!to_array) {
        qgl.Begin(GL_LINES);
        qgl.Vertex2f(x1 + 0.5f, y1 + 0.5f);
        qgl.Vertex2f(x2 + 0.5f, y2 + 0.5f);
        qgl.End();
        qgl.Begin(GL_POINTS);                  // the last pixel is always lit
        qgl.Vertex2f(x2 + 0.5f, y2 + 0.5f);
        qgl.End();
        return;
    }
    float dx = x2 - x1, dy = y2 - y1;
    float len = std::sqrt(dx * dx + dy * dy);
    float sx = len > 0 ? dx / len : 0, sy = len > 0 ? dy / len : 0;
    float x = x1, y = y1;
    for (int f = 0; f < len + 0.5f; f++) {
        BUF_point(orv::round(x), orv::round(y));
        x += sx;
        y += sy;
    }
}

void OGL_line(int color, float x1, float y1, float x2, float y2)
{
    OGL_setcolor(color);
    line_abs(x1 + mnw.x, y1 + mnw.y, x2 + mnw.x, y2 + mnw.y);
}

void OGL_fillrect(int color, float x, float y, float dx, float dy)
{
    OGL_setcolor(color);
    float x1 = x + mnw.x, y1 = y + mnw.y, x2 = x1 + dx, y2 = y1 + dy;
    if (!to_array) {
        // Clockwise, the front-facing winding of the context, so culling keeps them.
        qgl.Begin(GL_TRIANGLES);
        qgl.Vertex2f(x1, y1);
        qgl.Vertex2f(x1, y2);
        qgl.Vertex2f(x2, y2);
        qgl.Vertex2f(x1, y1);
        qgl.Vertex2f(x2, y2);
        qgl.Vertex2f(x2, y1);
        qgl.End();
        return;
    }
    int c1 = orv::round(x1), c2 = orv::round(x2), r1 = orv::round(y1), r2 = orv::round(y2);
    for (int r = r1; r < r2; r++)
        for (int c = c1; c < c2; c++) BUF_point(c, r);
}

void OGL_framerect(int color, float x, float y, float dx, float dy)
{
    OGL_line(color, x, y, x, y + dy);
    OGL_line(color, x, y + dy, x + dx, y + dy);
    OGL_line(color, x + dx, y + dy, x + dx, y);
    OGL_line(color, x + dx, y, x, y);
}

static float half_width(float r, float h)
{
    float q = r * r - h * h;
    return q > 0 ? std::sqrt(q) : 0;
}

void OGL_fillcircle(int color, float x, float y, float r)
{
    for (float h = -r; h <= r; h += 1) {
        float w = half_width(r, h);
        OGL_line(color, x - w, y + h, x + w, y + h);
    }
}

void OGL_framecircle(int color, float x, float y, float r)
{
    float lx = x, rx = x, py = y - r;
    for (float h = -r; h <= r; h += 1) {
        float w = half_width(r, h);
        OGL_line(color, lx, py, x - w, y + h);
        OGL_line(color, rx, py, x + w, y + h);
        lx = x - w;
        rx = x + w;
        py = y + h;
    }
}

void OGL_arc(int color, float x, float y, float r1, float r2, float d1, float d2)
{
    int start = (int)d1;
    for (float r = r1; r <= r2; r += 1) {
        float px = x + r * isin(start), py = y + r * icos(start);
        for (int d = start; d <= d2; d++) {
            float nx = x + r * isin(d), ny = y + r * icos(d);
            OGL_line(color, px, py, nx, ny);
            px = nx;
            py = ny;
        }
    }
}

// ---- quads
void OGL_2dquad(float s1, float t1, float s2, float t2, float s3, float t3, float s4, float t4,
                float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4)
{
    qgl.Begin(GL_QUADS);
    qgl.TexCoord2f(s1, t1); qgl.Vertex2f(x1, y1);
    qgl.TexCoord2f(s2, t2); qgl.Vertex2f(x2, y2);
    qgl.TexCoord2f(s3, t3); qgl.Vertex2f(x3, y3);
    qgl.TexCoord2f(s4, t4); qgl.Vertex2f(x4, y4);
    qgl.End();
}

void OGL_3dline(float x1, float y1, float z1, float x2, float y2, float z2)
{
    qgl.Begin(GL_LINES);
    qgl.Vertex3f(x1, y1, z1);
    qgl.Vertex3f(x2, y2, z2);
    qgl.End();
}

static void quad_normal(const float a[3], const float b[3], const float c[3])
{
    VVECT u = {c[0] - b[0], c[1] - b[1], c[2] - b[2]};
    VVECT v = {b[0] - a[0], b[1] - a[1], b[2] - a[2]};
    VVECT n;
    find_normal_vects(&u, &v, &n);
    qgl.Normal3f(n.x, n.y, n.z);
}

static void quad_with_st(const float* const xyz[4], const float st[4][2], int tex)
{
    quad_normal(xyz[0], xyz[1], xyz[2]);
    OGL_bindtex(tex);
    qgl.Begin(GL_QUADS);
    for (int k = 0; k < 4; k++) {
        qgl.TexCoord2f(st[k][0], st[k][1]);
        qgl.Vertex3f(xyz[k][0], xyz[k][1], xyz[k][2]);
    }
    qgl.End();
}

void OGL_3dquad_st(const float xyz1[3], const float xyz2[3], const float xyz3[3], const float xyz4[3],
                   int tex, float s1, float t1, float s2, float t2)
{
    const float* corners[4] = {xyz1, xyz2, xyz3, xyz4};
    const float st[4][2] = {{s1, t1}, {s1, t2}, {s2, t2}, {s2, t1}};
    quad_with_st(corners, st, tex);
}

void OGL_3dquad_flat(const float xyz1[3], const float xyz2[3], const float xyz3[3], const float xyz4[3],
                     int tex, float xmin, float zmin, float xrange, float zrange)
{
    const float* corners[4] = {xyz1, xyz2, xyz3, xyz4};
    float st[4][2];
    for (int k = 0; k < 4; k++) {
        st[k][0] = xrange != 0 ? (corners[k][0] - xmin) / xrange : 0;
        st[k][1] = zrange != 0 ? (corners[k][2] - zmin) / zrange : 0;
    }
    quad_with_st(corners, st, tex);
}

// ---- the background image as 7 by 5 tiles
void tile(int i, int j, float x1, float y1, float x2, float y2, float s1, float t1, float s2, float t2)
{
    qgl.BindTexture(GL_TEXTURE_2D, (GLuint)(BG_TEX_BASE + i + BG_TILE_COLS * j));
    o_index = -1;                              // bound behind the cache's back
    OGL_2dquad(s1, t1, s1, t2, s2, t2, s2, t1, x1, y1, x1, y2, x2, y2, x2, y1);
}

// Draws the parts of every tile that lie inside the band y1..y2 across the picture.
static void tiles_in_band(float y1, float y2)
{
    for (int j = 0; j < BG_TILE_ROWS; j++) {
        float ty1 = (float)(BG_TILE * j), ty2 = std::fmin(ty1 + BG_TILE, (float)SCREEN_H);
        float a = std::fmax(ty1, y1), b = std::fmin(ty2, y2);
        if (b <= a) continue;
        for (int i = 0; i < BG_TILE_COLS; i++) {
            float tx1 = (float)(BG_TILE * i), tx2 = std::fmin(tx1 + BG_TILE, (float)SCREEN_W);
            tile(i, j, tx1, a, tx2, b, 0, (a - ty1) / BG_TILE, (tx2 - tx1) / BG_TILE, (b - ty1) / BG_TILE);
        }
    }
}

constexpr float PANEL_TOP = 333, PANEL_STRIP_BOTTOM = 561, STATUS_STRIP_BOTTOM = 583;

void OGL_plot_background()
{
    float white[3] = {1, 1, 1};
    qgl.Color3fv(white);
    OGL_setstate(o_fog, 1, o_lit, o_dep);
    if (mnw.topwin != 0 || !done_initing) {
        tiles_in_band(0, SCREEN_H);
    } else if (set.view_is_fullscreen) {
        tiles_in_band(STATUS_STRIP_BOTTOM, SCREEN_H);
    } else {
        tiles_in_band(0, PANEL_TOP);
        tiles_in_band(PANEL_STRIP_BOTTOM, SCREEN_H);
    }
    OGL_setstate(o_fog, 0, o_lit, o_dep);
}

void OGL_upload_background()
{
    for (int j = 0; j < BG_TILE_ROWS; j++) {
        for (int i = 0; i < BG_TILE_COLS; i++) {
            std::memset(sub_array, 0, sizeof sub_array);
            for (int r = 0; r < BG_TILE && BG_TILE * j + r < SCREEN_H; r++) {
                int cols = std::min(BG_TILE, SCREEN_W - BG_TILE * i);
                std::memcpy(sub_array + r * BG_TILE * 3,
                            rgb_array + ((BG_TILE * j + r) * SCREEN_W + BG_TILE * i) * 3, cols * 3);
            }
            qgl.BindTexture(GL_TEXTURE_2D, (GLuint)(BG_TEX_BASE + i + BG_TILE_COLS * j));
            qgl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
            qgl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
            qgl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
            qgl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
            qgl.TexImage2D(GL_TEXTURE_2D, 0, GL_RGB, BG_TILE, BG_TILE, 0, GL_RGB, GL_UNSIGNED_BYTE, sub_array);
        }
    }
    o_index = -1;
}

void OGL_viewport(int x, int y, int w, int h)
{
    const float sx = ogl_view.w / (float)SCREEN_W, sy = ogl_view.h / (float)SCREEN_H;
    qgl.Viewport(ogl_view.x + orv::round(x * sx), ogl_view.y + orv::round(y * sy), orv::round(w * sx), orv::round(h * sy));
}

void OGL_setup_context()
{
    static const float ambient[4] = {0.2f, 0.2f, 0.2f, 1};
    qgl.LightModelfv(GL_LIGHT_MODEL_AMBIENT, ambient);
    qgl.PixelStorei(GL_PACK_ALIGNMENT, 1);
    qgl.PixelStorei(GL_UNPACK_ALIGNMENT, 1);
    qgl.FrontFace(GL_CW);
    qgl.CullFace(GL_BACK);
    qgl.Enable(GL_CULL_FACE);
    qgl.ShadeModel(GL_FLAT);
    qgl.Viewport(ogl_view.x, ogl_view.y, ogl_view.w, ogl_view.h);
    qgl.MatrixMode(GL_PROJECTION);
    qgl.LoadIdentity();
    qgl.Ortho(0, SCREEN_W, 0, SCREEN_H, -1, 1);
    qgl.MatrixMode(GL_MODELVIEW);
    qgl.LoadIdentity();
    qgl.AlphaFunc(GL_GREATER, 0);
    qgl.Enable(GL_ALPHA_TEST);
    qgl.BlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    qgl.Enable(GL_BLEND);
    qgl.Fogi(GL_FOG_MODE, GL_LINEAR);
    qgl.Hint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    ogl_cache_reset();
}

}  // namespace orv
