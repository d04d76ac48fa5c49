// 22 "Graphics Output": the graph groups' last GRAPH_SAMPLES frames, one strip per chosen
// group with its own scale, one colour per value, time along the bottom.
#include <cmath>
#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "2-QZutils/qz_font.h"
#include "2-QZutils/qz_graph.h"
#include "2-QZutils/records.h"
#include "windows/data_groups.h"
#include "windows/data_output.h"
#include "windows/win_common.h"
#include "windows/windows.h"

namespace orv {

namespace {

constexpr int PLOT_X1 = 76, PLOT_X2 = 604, PLOT_Y1 = 40, PLOT_Y2 = 390, STRIP_GAP = 8;
constexpr int SCALE_STEPS = 4;                  // grid intervals up each strip
constexpr int TIME_TICKS = 6;
constexpr int C_PLOT = 69, C_GRID = 66, C_AXIS = 63;
constexpr int VALUE_COLOURS[GROUP_VALUES] = {70, 73, 72, 62};   // green, red, yellow, blue
constexpr int CHAR_W = 6;

struct strip { float y1, y2, lo, hi; };

// The sample times, seconds from the oldest sample, in sample order (0 the oldest).
float sample_time[GRAPH_SAMPLES];

// A step of 1, 2 or 5 times a power of ten that covers `span` in SCALE_STEPS steps.
float nice_step(float span)
{
    const float raw = span / SCALE_STEPS;
    const float p = std::pow(10.0f, std::floor(std::log10(raw)));
    for (float m : {1.0f, 2.0f, 5.0f})
        if (m * p >= raw) return m * p;
    return 10 * p;
}

// The scale of a slot: the range of its values over the buffer, widened to whole steps.
void slot_scale(int slot, int values, int samples, float* lo, float* hi)
{
    float a = 0, b = 0;
    int any = 0;
    for (int k = 0; k < values; k++)
        for (int n = 0; n < samples; n++) {
            const float v = grf.data[slot][k][graph_index(n)];
            if (v == GRAPH_EMPTY || !std::isfinite(v)) continue;
            if (!any || v < a) a = v;
            if (!any || v > b) b = v;
            any = 1;
        }
    if (b - a < 1e-6f * std::fmax(1.0f, std::fabs(a))) { a -= 1; b += 1; }
    const float step = nice_step(b - a);
    *lo = std::floor(a / step) * step;
    *hi = *lo + SCALE_STEPS * step;
    while (*hi < b) *hi += step;
}

// Where sample n of a value lands in its strip.
void graph_point(const strip& s, float v, int n, float span, float* x, float* y)
{
    *x = PLOT_X1 + (span > 0 ? sample_time[n] / span : 0.0f) * (PLOT_X2 - PLOT_X1);
    const float f = (v - s.lo) / (s.hi - s.lo);
    *y = s.y1 + (f < 0 ? 0 : f > 1 ? 1 : f) * (s.y2 - s.y1);
}

// The strip's frame, its grid and the scale's numbers at the left.
void plot_grf_numbers(const strip& s)
{
    OGL_fillrect(C_PLOT, PLOT_X1, s.y1, PLOT_X2 - PLOT_X1, s.y2 - s.y1);
    const float step = (s.hi - s.lo) / SCALE_STEPS;
    const int dec = step >= 1 ? 0 : step >= 0.1f ? 1 : step >= 0.01f ? 2 : 3;
    for (int k = 0; k <= SCALE_STEPS; k++) {
        const float y = s.y1 + k * (s.y2 - s.y1) / SCALE_STEPS;
        if (k > 0 && k < SCALE_STEPS) OGL_line(C_GRID, PLOT_X1, y, PLOT_X2, y);
        char t[24];
        std::snprintf(t, sizeof t, "%.*f", dec, s.lo + k * step);
        win_text(WC_CAPTION, PLOT_X1 - 4 - CHAR_W * (int)std::strlen(t), y - 3, t);
    }
    OGL_framerect(C_AXIS, PLOT_X1, s.y1, PLOT_X2 - PLOT_X1, s.y2 - s.y1);
}

void plot_values(const strip& s, int slot, int values, int samples, float span)
{
    for (int k = 0; k < values; k++) {
        float px = 0, py = 0;
        int have = 0, last_col = -1;
        for (int n = 0; n < samples; n++) {
            const float v = grf.data[slot][k][graph_index(n)];
            if (v == GRAPH_EMPTY || !std::isfinite(v)) { have = 0; continue; }
            float x, y;
            graph_point(s, v, n, span, &x, &y);
            if ((int)x == last_col && n + 1 < samples) continue;   // one point a pixel column
            if (have) OGL_line(VALUE_COLOURS[k], px, py, x, y);
            px = x; py = y; have = 1; last_col = (int)x;
        }
    }
}

// The group's name-and-unit fields above its strip, each in its value's colour with the
// newest sample.
void legend(const strip& s, int slot, int g, int values)
{
    const char* label = data_group_label(g);
    const int per_value = (PLOT_X2 - PLOT_X1) / GROUP_VALUES;
    for (int k = 0; k < values; k++) {
        char field[32];
        std::snprintf(field, sizeof field, "%.10s%.2f", label + 10 * k, grf.data[slot][k][grf.cntr]);
        win_text(VALUE_COLOURS[k], PLOT_X1 + 2 + per_value * k, s.y2 + 2, field);
    }
}

// Seconds before the newest sample along the bottom.
void time_axis(float span)
{
    for (int k = 0; k <= TIME_TICKS; k++) {
        const float x = PLOT_X1 + k * (PLOT_X2 - PLOT_X1) / (float)TIME_TICKS;
        OGL_line(C_AXIS, x, PLOT_Y1 - 4, x, PLOT_Y1);
        char t[16];
        std::snprintf(t, sizeof t, "%.0f", -span + k * span / TIME_TICKS);
        win_text(WC_CAPTION, (int)x - CHAR_W * (int)std::strlen(t) / 2, PLOT_Y1 - 14, t);
    }
    win_text(WC_UNIT, PLOT_X2 - 9 * CHAR_W * 2, PLOT_Y1 - 28, "seconds before now");
}

}  // namespace

void manage_grf()
{
    if (win_frame()) return;
    const int samples = graph_samples();
    int chosen = 0;
    for (int s : set.grfsel) chosen += s >= 0;
    if (!chosen || samples < 2) {
        win_caption(PLOT_X1, 200, chosen ? "Nothing recorded yet: fly for a while, then look again."
                                         : "No group is chosen for the graph (Set Data Output, column G).");
        return;
    }
    float t = 0;
    for (int n = 0; n < samples; n++) {
        sample_time[n] = t;
        const float p = grf.period[graph_index(n)];
        if (n + 1 < samples && p != GRAPH_EMPTY) t += p;
    }
    grf.lefttime = t;
    OGL_setstate(0, 0, 0, 0);
    const float strip_h = (PLOT_Y2 - PLOT_Y1 - (chosen - 1) * STRIP_GAP - chosen * LINE_STEP) / (float)chosen;
    int row = 0;
    for (int slot = 0; slot < GRAPH_SLOTS; slot++) {
        const int g = set.grfsel[slot];
        if (g < 0) continue;
        strip s;
        s.y2 = PLOT_Y2 - row * (strip_h + STRIP_GAP + LINE_STEP) - LINE_STEP;
        s.y1 = s.y2 - strip_h;
        const int values = data_group_count(g);
        slot_scale(slot, values, samples, &s.lo, &s.hi);
        plot_grf_numbers(s);
        plot_values(s, slot, values, samples, t);
        legend(s, slot, g, values);
        row++;
    }
    time_axis(t);
}

}  // namespace orv
