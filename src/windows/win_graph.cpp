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
constexpr int TIME_TICKS = 6;                   // about this many along the bottom
constexpr int C_PLOT = 69, C_GRID = 66, C_AXIS = 63;
constexpr int VALUE_COLOURS[GROUP_VALUES] = {70, 73, 72, 62};   // green, red, yellow, blue
constexpr int CHAR_W = 6;
constexpr int LEGEND_H = 2 * LINE_STEP;          // two lines of legend above a strip

// A strip's place and the scale of each value: one scale for all when the label's units
// agree, else one a value (the left numbers then belong to the first value).
struct strip { float y1, y2, lo[GROUP_VALUES], hi[GROUP_VALUES]; int shared; };

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

// The range of values k1..k2 of a slot over the buffer, widened to whole steps.
void slot_scale(int slot, int k1, int k2, int samples, float* lo, float* hi)
{
    float a = 0, b = 0;
    int any = 0;
    for (int k = k1; k <= k2; k++)
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

// The unit of every field of the label is the same ("THST 1,lb THST 2,lb ...").
int units_agree(const char* label, int values)
{
    for (int k = 1; k < values; k++)
        if (std::strncmp(label + 5, label + 10 * k + 5, 4)) return 0;
    return 1;
}

void strip_scales(strip* s, int slot, int g, int values, int samples)
{
    s->shared = units_agree(data_group_label(g), values);
    for (int k = 0; k < values; k++) {
        if (s->shared && k > 0) { s->lo[k] = s->lo[0]; s->hi[k] = s->hi[0]; continue; }
        slot_scale(slot, s->shared ? 0 : k, s->shared ? values - 1 : k, samples, &s->lo[k], &s->hi[k]);
    }
}

// Where sample n of value k lands in its strip.
void graph_point(const strip& s, int k, float v, int n, float span, float* x, float* y)
{
    *x = PLOT_X1 + (span > 0 ? sample_time[n] / span : 0.0f) * (PLOT_X2 - PLOT_X1);
    const float f = (v - s.lo[k]) / (s.hi[k] - s.lo[k]);
    *y = s.y1 + (f < 0 ? 0 : f > 1 ? 1 : f) * (s.y2 - s.y1);
}

int decimals_for(float step) { return step >= 1 ? 0 : step >= 0.1f ? 1 : step >= 0.01f ? 2 : 3; }

// The strip's frame, its grid and the first value's scale numbers at the left.
void plot_grf_numbers(const strip& s)
{
    OGL_fillrect(C_PLOT, PLOT_X1, s.y1, PLOT_X2 - PLOT_X1, s.y2 - s.y1);
    const float step = (s.hi[0] - s.lo[0]) / SCALE_STEPS;
    const int dec = decimals_for(step);
    for (int k = 0; k <= SCALE_STEPS; k++) {
        const float y = s.y1 + k * (s.y2 - s.y1) / SCALE_STEPS;
        if (k > 0 && k < SCALE_STEPS) OGL_line(C_GRID, PLOT_X1, y, PLOT_X2, y);
        char t[24];
        std::snprintf(t, sizeof t, "%.*f", dec, s.lo[0] + k * step);
        win_text(s.shared ? WC_CAPTION : VALUE_COLOURS[0], PLOT_X1 - 4 - CHAR_W * (int)std::strlen(t), y - 3, t);
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
            graph_point(s, k, v, n, span, &x, &y);
            if ((int)x == last_col && n + 1 < samples) continue;   // one point a pixel column
            if (have) OGL_line(VALUE_COLOURS[k], px, py, x, y);
            px = x; py = y; have = 1; last_col = (int)x;
        }
    }
}

// Above the strip, in each value's colour: its name, unit and newest sample and, when the
// values have scales of their own, a second line with each one's bottom and top.
void legend(const strip& s, int slot, int g, int values)
{
    const char* label = data_group_label(g);
    const int per_value = (PLOT_X2 - PLOT_X1) / GROUP_VALUES;
    for (int k = 0; k < values; k++) {
        char field[40];
        std::snprintf(field, sizeof field, "%-9.9s %.2f", label + 10 * k, grf.data[slot][k][grf.cntr]);
        win_text(VALUE_COLOURS[k], PLOT_X1 + 2 + per_value * k, s.y2 + 2 + LINE_STEP, field);
        if (s.shared) continue;
        const int dec = decimals_for((s.hi[k] - s.lo[k]) / SCALE_STEPS);
        std::snprintf(field, sizeof field, "%.*f..%.*f", dec, s.lo[k], dec, s.hi[k]);
        win_text(VALUE_COLOURS[k], PLOT_X1 + 2 + per_value * k, s.y2 + 2, field);
    }
}

// Seconds before the newest sample along the bottom, at whole steps back from now.
void time_axis(float span)
{
    if (span <= 0) return;
    const float step = nice_step(span * SCALE_STEPS / TIME_TICKS);
    for (float back = 0; back <= span + 1e-3f; back += step) {
        const float x = PLOT_X2 - back / span * (PLOT_X2 - PLOT_X1);
        OGL_line(C_AXIS, x, PLOT_Y1 - 4, x, PLOT_Y1);
        char t[16];
        std::snprintf(t, sizeof t, "%.0f", back > 0 ? -back : 0.0f);
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
    const float strip_h = (PLOT_Y2 - PLOT_Y1 - (chosen - 1) * STRIP_GAP - chosen * LEGEND_H) / (float)chosen;
    int row = 0;
    for (int slot = 0; slot < GRAPH_SLOTS; slot++) {
        const int g = set.grfsel[slot];
        if (g < 0) continue;
        strip s;
        s.y2 = PLOT_Y2 - row * (strip_h + STRIP_GAP + LEGEND_H) - LEGEND_H;
        s.y1 = s.y2 - strip_h;
        const int values = data_group_count(g);
        strip_scales(&s, slot, g, values, samples);
        plot_grf_numbers(s);
        plot_values(s, slot, values, samples, t);
        legend(s, slot, g, values);
        row++;
    }
    time_axis(t);
}

}  // namespace orv
