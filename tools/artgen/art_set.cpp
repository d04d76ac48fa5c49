// The painters. Every picture is made from shapes and seeded noise, so the set is the same on
// every build and every machine.
#include "art_set.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <initializer_list>

#include "2-QZutils/qz_bitmap.h"
#include "panel/manage_das.h"
#include "panel/p_gps_face.h"
#include "panel/p_panel_art.h"

namespace art {

namespace {

const rgb WHITE{245, 245, 240}, BLACK{12, 12, 12}, KEY{1, 1, 1}, YELLOW{235, 200, 40}, RED{210, 30, 25},
    GREEN{40, 170, 60}, PANEL{46, 48, 52}, PANEL_DARK{28, 29, 32}, BEZEL{70, 72, 76}, ASPHALT{58, 58, 60};

uint32_t seed_of(const std::string& s)
{
    uint32_t h = 2166136261u;
    for (char c : s) h = (h ^ (uint8_t)c) * 16777619u;
    return h;
}

// ---- terrain: grass, water, mountain, snow, tropical water, with shorelines between them
rgb ground(const std::string& kind, uint32_t seed, int x, int y)
{
    float n = smooth_noise(seed, x / 12.0f, y / 12.0f) * 0.6f + noise(seed + 1, x, y) * 0.4f;
    if (kind == "grs") return mix({52, 96, 34}, {96, 142, 52}, n);
    if (kind == "wat") {
        float wave = 0.5f + 0.5f * std::sin((x + 9 * smooth_noise(seed, x / 20.0f, y / 20.0f)) * 0.35f + y * 0.12f);
        return mix({18, 52, 104}, {44, 86, 146}, 0.6f * n + 0.4f * wave);
    }
    if (kind == "mnt") {
        float ridge = std::fabs(smooth_noise(seed + 7, x / 30.0f, y / 30.0f) - 0.5f) * 2;
        return mix({86, 76, 66}, {150, 140, 126}, 0.5f * n + 0.5f * ridge);
    }
    if (kind == "sno") return mix({214, 220, 230}, {250, 252, 255}, n);
    if (kind == "car") return mix({30, 150, 170}, {80, 200, 205}, n);
    return {128, 128, 128};
}

// "a_b_h": a on the left half, b on the right, with a ragged edge; "a_b_c": a in the
// lower-left corner, b everywhere else. A strip of sand or foam marks a shore.
canvas terrain(const std::string& name)
{
    const int S = 256;
    canvas c(S, S, BLACK);
    uint32_t seed = seed_of(name);
    std::string a = name.substr(0, 3), b, form;
    if (name.size() > 3) {
        b = name.substr(4, 3);
        form = name.substr(8, 1);
    }
    for (int y = 0; y < S; y++) {
        for (int x = 0; x < S; x++) {
            if (b.empty()) { c.set(x, y, ground(a, seed_of(a), x, y)); continue; }
            float wobble = (smooth_noise(seed, x / 24.0f, y / 24.0f) - 0.5f) * 36;
            float d = form == "h" ? (S / 2.0f - x) + wobble
                                  : (S * 0.55f - std::sqrt((float)x * x + (float)y * y)) + wobble;
            rgb pa = ground(a, seed_of(a), x, y), pb = ground(b, seed_of(b), x, y);
            rgb p = d > 0 ? pa : pb;
            bool shore = (a == "wat" || b == "wat" || a == "car" || b == "car") && std::fabs(d) < 4;
            if (shore) p = (a == "car" || b == "car") ? rgb{226, 212, 160} : rgb{150, 160, 150};
            c.set(x, y, p);
        }
    }
    return c;
}

// ---- runways and airport surfaces
canvas asphalt(int w, int h, const std::string& name, rgb base = ASPHALT)
{
    canvas c(w, h, base);
    c.grain(seed_of(name), 0.25f);
    return c;
}

canvas runway_digit(char digit, const std::string& name)
{
    canvas c = asphalt(64, 128, name);
    c.text_centred(32, 64, std::string(1, digit), 9, WHITE);
    return c;
}

canvas runway_marking(const std::string& what)
{
    canvas c = asphalt(128, 128, "rway_" + what);
    if (what == "thld") {                              // threshold piano keys
        for (int k = 0; k < 6; k++) c.rect(6 + k * 20, 10, 12, 108, WHITE);
    } else if (what == "tdzm") {                       // touchdown zone: three bars each side
        for (int k = 0; k < 3; k++) { c.rect(14 + k * 12, 20, 7, 88, WHITE); c.rect(80 + k * 12, 20, 7, 88, WHITE); }
    } else if (what == "fdmk") {                       // fixed distance marker: a wide block each side
        c.rect(16, 16, 30, 96, WHITE);
        c.rect(82, 16, 30, 96, WHITE);
    } else if (what == "line") {                       // centre line dash
        c.rect(58, 24, 12, 80, WHITE);
    } else if (what == "disp") {                       // displaced threshold: arrows
        for (int k = 0; k < 3; k++) {
            float x = 24 + k * 40;
            c.line(x, 20, x, 100, 5, WHITE);
            c.line(x - 12, 84, x, 106, 5, WHITE);
            c.line(x + 12, 84, x, 106, 5, WHITE);
        }
    } else if (what == "turn") {                       // taxiway turn-off: yellow curve
        for (int k = 0; k < 60; k++) {
            float t = k / 59.0f * 1.5708f;
            c.disc(128 - 100 * std::cos(t), 100 * std::sin(t), 3, YELLOW);
        }
    }
    return c;
}

canvas rough_strip(const std::string& name, rgb lo, rgb hi)
{
    canvas c(128, 128, KEY);
    uint32_t s = seed_of(name);
    for (int y = 0; y < 128; y++)
        for (int x = 0; x < 128; x++) {
            float edge = 10 + 8 * smooth_noise(s, 0, y / 10.0f);
            if (x < edge || x > 127 - edge) continue;   // ragged edges stay see-through
            float n = smooth_noise(s + 3, x / 6.0f, y / 6.0f) * 0.5f + noise(s, x, y) * 0.5f;
            c.set(x, y, mix(lo, hi, n));
        }
    return c;
}

canvas facade(const std::string& name, rgb wall, rgb glass, int cols, int rows)
{
    canvas c(128, 256, wall);
    c.grain(seed_of(name), 0.15f);
    int cw = 128 / cols, rh = 256 / rows;
    for (int j = 0; j < rows; j++)
        for (int i = 0; i < cols; i++) {
            float lit = noise(seed_of(name) + 5, i, j);
            c.rect(i * cw + cw / 4, j * rh + rh / 4, cw / 2, rh / 2, lit > 0.8f ? rgb{230, 210, 140} : glass);
        }
    return c;
}

canvas fire_frame(int k)
{
    canvas c(64, 128, KEY);
    uint32_t s = 77u + (uint32_t)k * 131u;
    for (int y = 0; y < 128; y++)
        for (int x = 0; x < 64; x++) {
            float h = y / 127.0f;
            float width = (1 - h) * 26 * (0.7f + 0.6f * smooth_noise(s, x / 9.0f, y / 9.0f - k * 0.7f));
            float d = std::fabs(x - 32 + 6 * std::sin(h * 6 + k * 0.52f) * h);
            if (d > width) continue;
            float heat = 1 - d / (width + 1e-3f);
            c.set(x, y, mix({200, 40, 10}, {255, 230, 120}, heat * (1 - h * 0.6f)));
        }
    return c;
}

canvas smoke_puff()
{
    canvas c(64, 64, BLACK);
    for (int y = 0; y < 64; y++)
        for (int x = 0; x < 64; x++) {
            float d = std::hypot(x - 31.5f, y - 31.5f) / 31.5f;
            float v = std::fmax(0.0f, 1 - d) * (0.6f + 0.4f * smooth_noise(59, x / 7.0f, y / 7.0f));
            int g = (int)(v * 230);
            c.set(x, y, {g, g, g});
        }
    return c;
}

canvas windsock()
{
    canvas c(64, 32, WHITE);
    for (int k = 0; k < 5; k++)
        if (k % 2 == 0) c.rect(k * 13, 0, 13, 32, {240, 110, 20});
    return c;
}

canvas letters()
{
    canvas c(128, 64, KEY);
    for (int n = 32; n < 128; n++) {
        int i = (n - 32) % 16, j = 5 - (n - 32) / 16;
        c.text(i * 8 + 1, j * 10 + 1, std::string(1, (char)n), 1, WHITE);
    }
    return c;
}

canvas cursor()
{
    canvas c(32, 32, KEY);
    for (int y = 0; y < 22; y++)
        for (int x = 0; x <= y * 0.6f; x++) c.set(x + 1, 30 - y, (x == 0 || x >= (int)(y * 0.6f) || y == 21) ? BLACK : WHITE);
    c.line(7, 14, 12, 4, 3, BLACK);
    c.line(7, 14, 12, 4, 1.5f, WHITE);
    return c;
}

// ---- instruments
canvas dial_face(int size)
{
    canvas c(size, size, PANEL);
    float r = size / 2.0f;
    c.disc(r, r, r - 1, BEZEL);
    c.disc(r, r, r - 6, BLACK);
    return c;
}

void scale_ticks(canvas& c, float cx, float cy, float r, float d1, float d2, int n, int long_every)
{
    for (int k = 0; k <= n; k++) {
        float deg = d1 + (d2 - d1) * k / n;
        bool big = k % long_every == 0;
        c.tick(cx, cy, r - (big ? 9 : 5), r, deg, big ? 2.0f : 1.2f, WHITE);
    }
}

void labels(canvas& c, float cx, float cy, float r, float d1, float d2, const std::vector<std::string>& texts)
{
    for (size_t k = 0; k < texts.size(); k++) {
        float deg = d1 + (d2 - d1) * k / (texts.size() - 1);
        c.text_centred(cx + r * std::sin(deg / 57.29578f), cy + r * std::cos(deg / 57.29578f), texts[k], 1, WHITE);
    }
}

void compass_rose(canvas& c, float cx, float cy, float r)
{
    for (int d = 0; d < 360; d += 5) c.tick(cx, cy, r - (d % 30 == 0 ? 9 : d % 10 == 0 ? 6 : 3), r, (float)d, 1.2f, WHITE);
    const char* cards[] = {"N", "3", "6", "E", "12", "15", "S", "21", "24", "W", "30", "33"};
    for (int k = 0; k < 12; k++) {
        float deg = k * 30.0f, rr = r - 17;
        c.text_centred(cx + rr * std::sin(deg / 57.29578f), cy + rr * std::cos(deg / 57.29578f), cards[k], k % 3 ? 1 : 2,
                       k % 3 ? WHITE : YELLOW);
    }
}

canvas airspeed()
{
    canvas c = dial_face(128);
    const float o = 64;
    // 40 kt at the top, clockwise to 200 kt: white flap arc, green normal range, yellow caution, red line.
    auto deg = [](float kt) { return (kt - 40) / 160 * 320; };
    c.ring(o, o, 46, 49, deg(50), deg(100), WHITE);
    c.ring(o, o, 49, 53, deg(55), deg(130), GREEN);
    c.ring(o, o, 49, 53, deg(130), deg(165), YELLOW);
    c.ring(o, o, 46, 57, deg(165) - 1.5f, deg(165) + 1.5f, RED);
    scale_ticks(c, o, o, 57, 0, 320, 32, 4);
    labels(c, o, o, 38, 0, 320, {"40", "60", "80", "100", "120", "140", "160", "180", "200"});
    c.text_centred(o, o - 14, "KNOTS", 1, WHITE);
    c.text_centred(o, o + 14, "AIRSPEED", 1, WHITE);
    return c;
}

canvas attitude()
{
    canvas c = dial_face(128);
    for (int y = 8; y < 120; y++)
        for (int x = 8; x < 120; x++)
            if (std::hypot(x - 63.5f, y - 63.5f) < 56) c.set(x, y, y >= 64 ? rgb{40, 110, 200} : rgb{130, 80, 40});
    c.line(10, 64, 118, 64, 2, WHITE);
    for (int p = -20; p <= 20; p += 10)
        if (p) c.line(48, 64 + p * 1.5f, 80, 64 + p * 1.5f, 1.2f, WHITE);
    for (int b : {-60, -30, -20, -10, 0, 10, 20, 30, 60}) c.tick(64, 64, 50, b % 30 ? 54 : 57, (float)b, 1.5f, WHITE);
    c.line(34, 64, 52, 64, 3, YELLOW);
    c.line(76, 64, 94, 64, 3, YELLOW);
    c.disc(64, 64, 3, YELLOW);
    return c;
}

canvas altimeter()
{
    canvas c = dial_face(128);
    scale_ticks(c, 64, 64, 57, 0, 360, 50, 5);
    labels(c, 64, 64, 42, 0, 324, {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"});
    c.rect(84, 58, 22, 12, PANEL_DARK);
    c.text_centred(64, 80, "ALT", 1, WHITE);
    c.text_centred(64, 44, "100 FEET", 1, WHITE);
    return c;
}

canvas turn_coordinator()
{
    canvas c = dial_face(128);
    c.line(30, 64, 98, 64, 3, WHITE);                // the little aeroplane
    c.line(64, 64, 64, 74, 3, WHITE);
    for (float d : {-90.0f, -70.0f, 70.0f, 90.0f}) c.tick(64, 64, 44, 54, d, 2.5f, WHITE);   // level and standard rate
    c.text(18, 40, "L", 2, WHITE);
    c.text(100, 40, "R", 2, WHITE);
    c.rect(38, 24, 52, 10, PANEL_DARK);               // slip ball tube
    c.disc(64, 29, 5, BLACK);
    c.text_centred(64, 94, "TURN COORDINATOR", 1, WHITE);
    c.text_centred(64, 14, "2 MIN", 1, WHITE);
    return c;
}

canvas heading(int size)
{
    canvas c = dial_face(size);
    compass_rose(c, size / 2.0f, size / 2.0f, size / 2.0f - 8);
    c.line(size / 2.0f, size * 0.3f, size / 2.0f, size * 0.7f, 2, YELLOW);
    return c;
}

canvas vertical_speed()
{
    canvas c = dial_face(128);
    // Zero at 9 o'clock, 160 degrees each way: up above, down below.
    for (int v = -20; v <= 20; v++) {
        float deg = v * 8.0f - 90;
        c.tick(64, 64, v % 5 ? 53 : 48, 57, deg, v % 5 ? 1.2f : 2, WHITE);
    }
    for (int v : {-20, -15, -10, -5, 0, 5, 10, 15, 20}) {
        float deg = (v * 8.0f - 90) / 57.29578f;
        c.text_centred(64 + 38 * std::sin(deg), 64 + 38 * std::cos(deg), std::to_string(std::abs(v)), 1, WHITE);
    }
    c.text_centred(70, 80, "UP", 1, WHITE);
    c.text_centred(70, 48, "DOWN", 1, WHITE);
    c.text_centred(80, 64, "X100 FPM", 1, WHITE);
    return c;
}

canvas narrow_face(const std::string& label, int w, int h, int kind)
{
    canvas c(w, h, PANEL);
    float r = w / 2.0f - 4, cx = w / 2.0f, cy = h - r - 8;
    c.disc(cx, cy, r + 3, BEZEL);
    c.disc(cx, cy, r, BLACK);
    if (kind == 0) {                                   // clock
        scale_ticks(c, cx, cy, r, 0, 360, 60, 5);
        labels(c, cx, cy, r - 14, 0, 330, {"12", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"});
    } else if (kind == 1) {                            // compass rose (navigation)
        compass_rose(c, cx, cy, r);
    } else {                                           // a gauge
        scale_ticks(c, cx, cy, r, -135, 135, 20, 5);
        labels(c, cx, cy, r - 14, -135, 135, {"0", "1", "2", "3", "4"});
    }
    // The caption plate sits just under the dial: lower down, the card of an ADF mounted
    // beneath the instrument would sweep over it.
    const int plate_y = std::max(4, (int)(cy - r - 3) - 18);
    c.rect(4, plate_y, w - 8, 14, PANEL_DARK);
    c.text_centred(w / 2.0f, plate_y + 7, label, 1, WHITE);
    return c;
}

canvas efis()
{
    canvas c(200, 200, BLACK);
    c.frame(0, 0, 200, 200, BEZEL, 4);
    for (int r : {30, 60, 90}) c.ring(100, 40, r - 1, r, -60, 60, {0, 160, 200});
    c.line(100, 40, 100, 190, 1, {0, 160, 200});
    c.line(92, 36, 100, 50, 2, WHITE);
    c.line(108, 36, 100, 50, 2, WHITE);
    c.text(8, 186, "MAP", 1, GREEN);
    return c;
}

// ---- the panel and its parts
void equipment_strip(canvas& c, int y)
{
    static const struct { int x, w; const char* t; } buttons[] = {
        {27, 38, "HUD"}, {73, 38, "HOOP"}, {119, 14, "B"}, {499, 38, "CHUTE"}, {545, 38, "HOOK"},
        {591, 38, "ICE"}, {637, 38, "JETT"}, {683, 38, "JATO"}};
    for (auto& b : buttons) {
        c.rect(b.x, y, b.w, 15, {88, 90, 96});
        c.frame(b.x, y, b.w, 15, {120, 122, 128});
        c.text_centred(b.x + b.w / 2.0f, y + 7.5f, b.t, 1, WHITE);
    }
}

canvas panel_body(int h)
{
    canvas c(800, h, PANEL);
    c.grain(seed_of("panel"), 0.08f, 2);
    c.rect(0, h - 4, 800, 4, PANEL_DARK);           // the glareshield's edge
    for (int x = 8; x < 800; x += 98) {             // rivets along the top and bottom
        c.disc(x, h - 10, 2, BEZEL);
        c.disc(x, 6, 2, BEZEL);
    }
    // Empty bezels where the six main instruments go (rows at y 84 and 222).
    for (int x : {66, 195, 324}) {
        c.ring(x, 84, 60, 64, 0, 360, PANEL_DARK);
        if (h > 222 + 64) c.ring(x, 222, 60, 64, 0, 360, PANEL_DARK);
    }
    return c;
}

// The status bar: dark windows where the panel writes the control feel, the mode, the
// compass card, the status line and the outside-air scale.
canvas status_bar()
{
    using namespace orv;
    canvas c(STATUS_BAR_W, STATUS_BAR_H, PANEL_DARK);
    c.rect(0, 0, STATUS_BAR_W, 2, BEZEL);
    const int ty = STATUS_TEXT_Y - STATUS_BAR_Y;
    auto window = [&](int x0, int x1, int y0, int y1) {
        c.rect(x0, y0, x1 - x0, y1 - y0, BLACK);
        c.frame(x0 - 1, y0 - 1, x1 - x0 + 2, y1 - y0 + 2, BEZEL);
    };
    window(FEEL_X - 3, MODE_X - 6, ty - 3, ty + 10);
    window(MODE_X - 3, COMPASS_X - COMPASS_HALF_PX - 10, ty - 3, ty + 10);
    window(COMPASS_X - COMPASS_HALF_PX, COMPASS_X + COMPASS_HALF_PX, COMPASS_Y - STATUS_BAR_Y, COMPASS_Y - STATUS_BAR_Y + COMPASS_H);
    c.rect(COMPASS_X, COMPASS_Y - STATUS_BAR_Y + COMPASS_H - 4, 1, 4, YELLOW);     // the lubber mark
    window(STATUS_X - 5, STATUS_END_X, ty - 3, ty + 10);
    // the outside-air scale: a tick every 20 degrees, longer at zero
    const int oy = OAT_Y - STATUS_BAR_Y;
    for (int t = OAT_MIN + 10; t <= OAT_MAX; t += 20) c.rect(OAT_ZERO_X + t / 2, oy - 3, 1, 2, BEZEL);
    c.rect(OAT_ZERO_X, oy - 5, 1, 4, WHITE);
    c.rect(OAT_ZERO_X + OAT_MIN / 2, oy - 2, (OAT_MAX - OAT_MIN) / 2 + 2, 1, BEZEL);
    return c;
}

canvas screen_background()
{
    canvas c(800, 600, BLACK);
    for (int y = 333; y < 561; y++) c.rect(0, y, 800, 1, mix({70, 120, 190}, {20, 50, 110}, (y - 333) / 228.0f));
    c.paste(panel_body(333), 0, 0);
    equipment_strip(c, 314);
    c.paste(status_bar(), 0, 561);
    return c;
}

// The radio stack, x from its own left edge: the rows of knobs and windows where the panel
// writes the frequencies, the transponder, the DME and the marker lamps, the autopilot's
// buttons, the trim rockers and the parking brake. The GPS face covers the DME rows when the
// aircraft has one.
canvas radio_stack()
{
    using namespace orv;
    const rgb face{38, 40, 44}, key{70, 72, 78};
    canvas c(RADIO_STACK_W, RADIO_STACK_H, face);
    c.frame(0, 0, RADIO_STACK_W, RADIO_STACK_H, BEZEL, 2);
    auto X = [](int panel_x) { return panel_x - RADIO_STACK_X; };
    auto window = [&](int x0, int y0, int w, int h) {
        c.rect(X(x0), y0, w, h, BLACK);
        c.frame(X(x0) - 1, y0 - 1, w + 2, h + 2, BEZEL);
    };
    // NAV and COM: the two radios' windows and their knobs (left half MHz, right half kHz)
    for (int y0 : {NAV_Y0, COM_Y0}) {
        const int row_y = y0 == NAV_Y0 ? NAV_ROW_Y : COM_ROW_Y;
        for (int r = 0; r < 2; ++r) {
            window(FREQ_DX + FREQ_STEP_DX * r - 2, row_y - 3, 40, 13);
            const float kx = X(RADIO_KNOB_DX + RADIO_KNOB_W * r) + RADIO_KNOB_W / 2.0f, ky = (y0 + (y0 == NAV_Y0 ? NAV_Y1 : COM_Y1)) / 2.0f;
            c.disc(kx, ky, 9, BEZEL);
            c.disc(kx, ky, 4, key);
        }
    }
    // ADF and transponder: a window per digit, which a click above or below steps
    for (int k = 0; k < 3; ++k) window(ADF_DIGITS_DX + DIGIT_STEP_DX * k - 2, ADF_ROW_Y - 3, 9, 13);
    for (int k = 0; k < 4; ++k) window(XPDR_DX + DIGIT_STEP_DX * k - 2, XPDR_Y - 3, 9, 13);
    c.rect(X(ADF_DIGITS_DX) - 2, ADF_Y1 - 1, 29, 1, BEZEL);
    c.rect(X(XPDR_DX) - 2, XPDR_Y1, 39, 1, BEZEL);
    // the DME's figures and the selector of the receiver it follows
    for (int k = 0; k < 3; ++k) window(DME_DIST_DX + DME_STEP_DX * k - 2, DME_Y - 3, 22, 13);
    c.text(X(DME_DIST_DX) + 1, DME_Y - 12, "NM", 1, WHITE);
    c.text(X(DME_SPEED_DX) + 1, DME_Y - 12, "KT", 1, WHITE);
    c.text(X(DME_TIME_DX), DME_Y - 12, "MIN", 1, WHITE);
    auto button = [&](const panel_box& b, rgb colour, const char* label, float label_y) {
        c.rect(X(b.x0), b.y0, b.x1 - b.x0, b.y1 - b.y0, colour);
        c.text_centred(X(b.x0) + (b.x1 - b.x0) / 2.0f, label_y, label, 1, WHITE);
    };
    button(DME_SELECTOR, key, "N", (DME_SELECTOR.y0 + DME_SELECTOR.y1) / 2.0f);
    // marker lamps, and the switch that sends the receivers to the speaker
    const char* marks[3] = {"O", "M", "I"};
    for (int m = 0; m < 3; ++m) {
        const int mx = X(MARKER_DX + MARKER_STEP_DX * m);
        c.frame(mx - 1, MARKER_Y - 1, MARKER_W + 2, MARKER_H + 2, BEZEL);
        c.text_centred(mx + MARKER_W / 2.0f, MARKER_Y + 13, marks[m], 1, WHITE);
    }
    button(SPEAKER_SWITCH, key, "SPK", (SPEAKER_SWITCH.y0 + SPEAKER_SWITCH.y1) / 2.0f);
    // ATC reply buttons, the autopilot row, the fuel gauge's scale
    button(ATC_REPLY_1, key, "R1", (ATC_REPLY_1.y0 + ATC_REPLY_1.y1) / 2.0f);
    button(ATC_REPLY_2, key, "R2", (ATC_REPLY_2.y0 + ATC_REPLY_2.y1) / 2.0f);
    const char* ap[7] = {"HDG", "NV1", "NV2", "ALT", "VVI", "GS", "SPD"};
    for (int k = 0; k < 7; ++k) {
        const int bx = X(AP_BUTTON_DX + AP_BUTTON_W * k);
        c.rect(bx, AP_BUTTON_Y0, AP_BUTTON_W - 2, AP_BUTTON_Y1 - AP_BUTTON_Y0, key);
        c.text_centred(bx + (AP_BUTTON_W - 2) / 2.0f, (AP_BUTTON_Y0 + AP_BUTTON_Y1) / 2.0f, ap[k], 1, WHITE);
    }
    window(FUEL_GAUGE_X - 1, FUEL_GAUGE_Y - 1, 33, 8);
    // the parking brake and the aileron and rudder trim rockers
    button(PARKING_BRAKE, {90, 36, 32}, "PARK", (PARKING_BRAKE.y0 + PARKING_BRAKE.y1) / 2.0f);
    // each rocker's halves (left, right) marked by notches at the split
    for (const panel_box& b : {AILERON_TRIM, RUDDER_TRIM}) {
        button(b, key, b.y0 == AILERON_TRIM.y0 ? "AIL" : "RUD", (b.y0 + b.y1) / 2.0f);
        c.rect(X(TRIM_ROCKER_SPLIT), b.y0 + 2, 1, 4, BLACK);
        c.rect(X(TRIM_ROCKER_SPLIT), b.y1 - 6, 1, 4, BLACK);
    }
    return c;
}

canvas labelled_box(int w, int h, const std::string& label, rgb screen)
{
    canvas c(w, h, {38, 40, 44});
    c.rect(6, 6, w - 12, h - 22, screen);
    c.frame(6, 6, w - 12, h - 22, BEZEL, 2);
    c.text_centred(w / 2.0f, h - 9, label, 1, WHITE);
    return c;
}

// The GPS on the radio stack: a dark screen for the read-outs the panel writes, and a column
// of keys beside it. The rows under the screen stay plain panel for the NAV row's figures.
canvas gps_face()
{
    using namespace orv;
    canvas c(GPS_FACE_W, GPS_FACE_H, PANEL);
    const int sx = GPS_SCREEN_X0 - GPS_FACE_X, sy = GPS_SCREEN_Y0 - GPS_FACE_Y;
    const int sw = GPS_SCREEN_X1 - GPS_SCREEN_X0 + 1, sh = GPS_SCREEN_Y1 - GPS_SCREEN_Y0 + 1;
    c.rect(sx, sy, sw, sh, {10, 22, 14});
    c.frame(sx - 1, sy - 1, sw + 2, sh + 2, BEZEL);
    const int kx = GPS_KEY_X0 - GPS_FACE_X, kw = GPS_KEY_X1 - GPS_KEY_X0;
    const char* keys[3] = {"APT", "VOR", "NDB"};
    for (int k = 0; k < 3; ++k) {
        const int ky = GPS_KEY_TOP - GPS_KEY_H * (k + 1) + 1 - GPS_FACE_Y;
        c.rect(kx, ky, kw, GPS_KEY_H - 1, PANEL_DARK);
        c.text_centred(kx + kw / 2.0f, ky + (GPS_KEY_H - 1) / 2.0f, keys[k], 1, WHITE);
    }
    const int ly = GPS_LOCK_Y0 - GPS_FACE_Y, lh = GPS_LOCK_Y1 - GPS_LOCK_Y0 + 1;
    c.rect(kx, ly, kw, lh, {70, 30, 28});
    c.text_centred(kx + kw / 2.0f, ly + lh / 2.0f, "LOCK", 1, WHITE);
    return c;
}

canvas gear_handle()
{
    canvas c(40, 64, {38, 40, 44});
    c.rect(17, 10, 6, 40, BLACK);
    c.disc(20, 44, 8, {220, 220, 215});               // the wheel-shaped knob
    c.disc(20, 44, 3, {120, 120, 120});
    c.text_centred(20, 58, "GEAR", 1, WHITE);
    c.text(2, 2, "DN", 1, GREEN);
    return c;
}

canvas engine_gauge(const std::string& label)
{
    canvas c(60, 60, PANEL);
    c.disc(30, 30, 29, BEZEL);
    c.disc(30, 30, 25, BLACK);
    if (!label.empty()) c.text_centred(30, 12, label, 1, WHITE);
    return c;
}

// A lever's slot: a dark groove under the handle's column, detent marks at the heights the
// click handler stops the lever at, and its caption at the foot.
canvas lever_slot(const orv::lever_slot_art& a, const std::string& label, std::initializer_list<int> detents)
{
    canvas c(a.w, a.h, {38, 40, 44});
    const int gx = a.handle_dx - a.dx;
    c.frame(0, 0, a.w, a.h, BEZEL);
    c.rect(gx - 1, 9, 4, a.h - 12, BLACK);
    for (int y : detents) c.rect(gx - 4, y - a.y, 10, 1, WHITE);
    c.text_centred(a.w / 2.0f, 4.5f, label, 1, WHITE);
    return c;
}

// The exhaust-temperature strip: a cool-to-hot scale under the window the bar moves in.
canvas egt_strip()
{
    using namespace orv;
    canvas c(EGT_ART_W, EGT_ART_H, PANEL);
    const int x0 = EGT_BAR_DX0 - EGT_ART_DX, x1 = EGT_BAR_DX1 - EGT_ART_DX;
    const int wy = EGT_BAR_DY0 - EGT_ART_DY - 2, wh = EGT_BAR_DY1 - EGT_BAR_DY0 + 4;
    c.rect(x0 - 1, wy, x1 - x0 + 3, wh, BLACK);
    for (int x = x0; x <= x1; ++x) c.rect(x, wy - 3, 1, 2, mix({40, 90, 220}, RED, (float)(x - x0) / (x1 - x0)));
    return c;
}

canvas window_face(int w, int h, const std::string& name)
{
    rgb base = name.rfind("loc", 0) == 0 ? rgb{176, 186, 200} : name.rfind("out", 0) == 0 ? rgb{180, 196, 180}
             : name == "fltplan" ? rgb{206, 198, 176} : rgb{192, 192, 188};
    canvas c(w, h, base);
    c.grain(seed_of(name), 0.06f, 2);
    for (int y = 20; y < h - 20; y += 20) c.rect(8, y, w - 16, 1, mix(base, BLACK, 0.12f));   // faint ruled lines
    c.frame(0, 0, w, h, mix(base, BLACK, 0.4f), 2);
    return c;
}

// ---- aircraft paint defaults
canvas hand_texture()
{
    canvas c(64, 64, {70, 52, 38});
    c.grain(seed_of("hand"), 0.3f);
    for (int k = 0; k < 4; k++) c.rect(10 + k * 12, 36, 9, 24, {92, 68, 50});   // glove fingers
    c.rect(8, 6, 50, 32, {92, 68, 50});
    return c;
}

canvas gyro_card()
{
    canvas c(128, 128, KEY);
    c.disc(64, 64, 62, BLACK);
    compass_rose(c, 64, 64, 60);
    return c;
}

canvas tire()
{
    canvas c(64, 64, {22, 22, 24});
    for (int y = 0; y < 64; y += 8) c.rect(0, y, 64, 3, {10, 10, 10});
    c.grain(seed_of("tire"), 0.3f);
    return c;
}

canvas metal()
{
    canvas c(128, 128, {176, 180, 186});
    for (int y = 0; y < 128; y++) {
        float streak = noise(seed_of("metal"), 0, y);
        for (int x = 0; x < 128; x++) {
            rgb p = c.get(x, y);
            float f = 0.92f + 0.12f * streak + 0.04f * noise(7, x, y);
            c.set(x, y, {(int)(p.r * f), (int)(p.g * f), (int)(p.b * f)});
        }
    }
    return c;
}

canvas prop()
{
    canvas c(32, 128, {40, 40, 44});
    c.rect(0, 112, 32, 16, YELLOW);                  // painted tips
    return c;
}

canvas logo()
{
    canvas c(400, 200, {20, 30, 60});
    for (int y = 0; y < 200; y++) c.rect(0, y, 400, 1, mix({20, 30, 70}, {90, 140, 200}, y / 199.0f));
    c.text_centred(200, 120, "ORVESSA", 6, WHITE);
    c.text_centred(200, 60, "VANTOREL AND FLEXGAUGE", 2, WHITE);
    return c;
}

}  // namespace

std::vector<asset> make_all()
{
    std::vector<asset> out;
    auto tex = [&](const std::string& n, canvas c) { out.push_back({"textures", n, std::move(c)}); };
    auto bmp = [&](const std::string& n, canvas c) { out.push_back({"bitmaps/Vantorel", n, std::move(c)}); };

    // Terrain and its seasonal and tropical variants.
    for (const char* n : {"wat", "grs", "mnt", "grs_wat_h", "grs_wat_c", "wat_grs_c", "grs_mnt_h", "grs_mnt_c", "mnt_grs_c",
                          "mnt_wat_h", "mnt_wat_c", "wat_mnt_c", "sno", "sno_wat_h", "sno_wat_c", "wat_sno_c", "sno_mnt_h",
                          "sno_mnt_c", "mnt_sno_c", "car", "grs_car_h", "grs_car_c", "car_grs_c", "mnt_car_h", "mnt_car_c",
                          "car_mnt_c", "sno_car_h", "sno_car_c", "car_sno_c"})
        tex(n, terrain(n));
    for (char d = '0'; d <= '3'; d++) tex(std::string("rway_") + d + "L", runway_digit(d, std::string("rway_") + d + "L"));
    for (char d = '0'; d <= '9'; d++) tex(std::string("rway_") + d + "R", runway_digit(d, std::string("rway_") + d + "R"));
    for (const char* m : {"turn", "disp", "thld", "tdzm", "fdmk", "line"}) tex(std::string("rway_") + m, runway_marking(m));
    tex("rway_pave", asphalt(128, 128, "rway_pave"));
    tex("deck", [] { canvas c = asphalt(128, 128, "deck", {70, 72, 74}); c.rect(60, 0, 8, 128, WHITE); c.rect(0, 20, 128, 3, YELLOW); return c; }());
    tex("dirty", [] { canvas c = asphalt(128, 128, "dirty", {84, 80, 72}); c.grain(11, 0.5f, 8); return c; }());
    tex("pad", [] { canvas c = asphalt(128, 128, "pad"); c.ring(64, 64, 52, 58, 0, 360, WHITE);
                    c.text_centred(64, 64, "H", 10, WHITE); return c; }());
    tex("tower", facade("tower", {180, 176, 166}, {60, 90, 110}, 4, 8));
    tex("hull", [] { canvas c(256, 64, {96, 100, 106}); c.rect(0, 0, 256, 16, {140, 30, 30}); c.grain(3, 0.1f); return c; }());
    tex("bld_block", facade("bld_block", {150, 140, 120}, {40, 50, 60}, 6, 10));
    tex("bld_nartop", facade("bld_nartop", {170, 170, 176}, {50, 70, 90}, 4, 12));
    tex("bld_tapered", facade("bld_tapered", {120, 126, 132}, {30, 40, 55}, 5, 14));
    tex("bld_narbot", facade("bld_narbot", {190, 180, 160}, {60, 60, 70}, 4, 8));
    tex("bld_avon", facade("bld_avon", {140, 90, 70}, {40, 40, 50}, 5, 9));
    tex("bld_contow", facade("bld_contow", {200, 200, 196}, {40, 80, 100}, 3, 6));
    tex("smoke", smoke_puff());
    for (int k = 1; k <= 12; k++) tex("fire" + std::to_string(k), fire_frame(k));
    tex("windsock", windsock());
    tex("rway_gras", rough_strip("rway_gras", {60, 110, 40}, {110, 150, 60}));
    tex("rway_dirt", rough_strip("rway_dirt", {110, 80, 50}, {160, 120, 80}));
    tex("rway_grav", rough_strip("rway_grav", {120, 116, 110}, {190, 186, 176}));
    tex("letters", letters());
    tex("cursor", cursor());
    tex("hand", hand_texture());
    tex("dg", gyro_card());
    tex("tire", tire());
    tex("metal", metal());
    tex("prop", prop());

    bmp("panl", screen_background());
    bmp("PANL", [] { canvas c = panel_body(333); equipment_strip(c, 314); return c; }());
    bmp("statbar", status_bar());
    bmp("radios", radio_stack());
    bmp("gps", gps_face());
    bmp("ecam", labelled_box(150, 170, "ENGINE DISPLAY", {8, 12, 20}));
    bmp("b_gear", gear_handle());
    bmp("eng_in", engine_gauge(""));
    bmp("egt", egt_strip());
    {
        using namespace orv;
        bmp(SBRK_AUTO_SLOT.name, lever_slot(SBRK_AUTO_SLOT, "SB", {SBRK_ARMED_Y, SBRK_STOWED_Y, SBRK_FULL_Y}));
        bmp(SBRK_MANUAL_SLOT.name, lever_slot(SBRK_MANUAL_SLOT, "SB", {SBRK_STOWED_Y, SBRK_FULL_Y}));
        bmp(SWEEP_SLOT.name, lever_slot(SWEEP_SLOT, "SW", {}));
        bmp(VECTOR_SLOT.name, lever_slot(VECTOR_SLOT, "TV", {}));
        bmp(TRIM_SLOT.name, lever_slot(TRIM_SLOT, "TR", {(TRIM_SLOT_LOW + TRIM_SLOT_HIGH) / 2}));
    }
    bmp("pict_asi", airspeed());
    bmp("pict_ahz", attitude());
    bmp("pict_alt", altimeter());
    bmp("pict_tsi", turn_coordinator());
    bmp("pict_hsi", heading(128));
    bmp("pict_vvi", vertical_speed());
    bmp("pict_tim", narrow_face("CLOCK", 100, 160, 0));
    bmp("pict_vor", narrow_face("VOR", 100, 160, 1));
    bmp("pict_str", narrow_face("STOPWATCH", 100, 160, 0));
    bmp("pict_arg", narrow_face("NAV MAP", 100, 160, 1));
    bmp("pict_rlt", narrow_face("RADIO ALT", 100, 160, 2));
    bmp("pict_var", narrow_face("ALPHA", 100, 160, 2));
    bmp("pict_rad", narrow_face("RADAR", 100, 160, 2));
    bmp("pict_adf", narrow_face("ADF", 100, 128, 1));
    bmp("pict_efi", efis());
    static const struct { const char* n; int w, h; } windows[] = {
        {"loc_id_", 176, 440}, {"loc_nam", 352, 205}, {"loc_nrt", 432, 494}, {"loc_wrl", 788, 443},
        {"loc_lat", 246, 165}, {"loc_whr", 531, 121}, {"set_dat", 620, 400}, {"set_ser", 600, 478},
        {"set_tim", 691, 147}, {"set_ogl", 600, 540}, {"set_spa", 197, 84}, {"set_atm", 618, 527},
        {"set_gnd", 197, 148}, {"set_wat", 197, 271}, {"set_flt", 787, 519}, {"set_wgt", 436, 252},
        {"set_rel", 344, 345}, {"set_ins", 350, 520}, {"set_eqp", 682, 560}, {"set_snd", 293, 250},
        {"set_wrn", 550, 172}, {"out_grf", 620, 420}, {"out_plt", 432, 494}, {"fltplan", 589, 415}};
    for (auto& w : windows) bmp(w.n, window_face(w.w, w.h, w.n));
    out.push_back({"bitmaps", "ORVS", logo()});
    return out;
}

}  // namespace art
