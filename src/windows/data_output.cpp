#include "windows/data_output.h"

#include <cstdio>
#include <cstring>

#include "2-QZutils/qz_font.h"
#include "2-QZutils/qz_graph.h"
#include "2-QZutils/qz_trk.h"
#include "2-QZutils/records.h"
#include "windows/data_groups.h"
#include "windows/windows.h"

namespace orv {

constexpr int CHOICE_GROUPS = sizeof set.Bdsk / sizeof set.Bdsk[0];
constexpr int SCREEN_SLOTS = sizeof set.rltsel / sizeof set.rltsel[0];
constexpr int FIELD = 10;                        // one name-and-unit field, one value
// The screen rows: below the cockpit's own top lines, labels at the left, values after them.
enum { C_ROW_BACK = 69, C_ROW_LABEL = 61, C_ROW_VALUE = 70 };
constexpr int ROW_TOP = 546, ROW_H = 10, LABEL_X = 8, VALUE_X = LABEL_X + GROUP_VALUES * FIELD * 6 + 8;

// The first `slots` groups whose choice is set, in group order.
static int fill_slots(const int* chosen, int* slots, int count)
{
    int n = 0;
    for (int k = 0; k < count; k++) slots[k] = -1;
    for (int g = 0; g < CHOICE_GROUPS && g < DATA_GROUPS && n < count; g++)
        if (chosen[g]) slots[n++] = g;
    return n;
}

void set_rlt_grf_choices()
{
    set.rltout = fill_slots(set.Brlt, set.rltsel, SCREEN_SLOTS) > 0;
    set.grfout = fill_slots(set.Bgrf, set.grfsel, GRAPH_SLOTS) > 0;
    set.dskout = 0;
    for (int g = 0; g < DATA_GROUPS; g++)
        if (set.Bdsk[g]) set.dskout = 1;
    clear_graph();
    flt.dist = 0;
}

// ---- text of a group: the label's fields, or the values in fields of the same width
static char disk_line[DATA_GROUPS * (GROUP_VALUES * FIELD + 2) + 2];

static void field_text(int g, char* out, int size, int values)
{
    out[0] = 0;
    const int n = data_group_count(g);
    if (!values) {
        std::snprintf(out, size, "%-*.*s", n * FIELD, n * FIELD, data_group_label(g));
        return;
    }
    float v[GROUP_VALUES];
    data_group_values(g, v);
    int used = 0;
    for (int k = 0; k < n && used < size; k++) {
        int dig, dec;
        set_dig_dec(g, k, &dig, &dec);
        used += std::snprintf(out + used, size - used, "%*.*f", FIELD, dec, v[k]);
    }
}

static void out_text(int type, int g, int slot, int values)
{
    if (g < 0 || g >= DATA_GROUPS) return;
    char text[GROUP_VALUES * 16 + 1];
    field_text(g, text, sizeof text, values);
    if (type == OUT_DISK) {
        std::strncat(disk_line, text, sizeof disk_line - std::strlen(disk_line) - 1);
        std::strncat(disk_line, " |", sizeof disk_line - std::strlen(disk_line) - 1);
        return;
    }
    const int y = ROW_TOP - ROW_H * slot;
    OGL_string(values ? C_ROW_VALUE : C_ROW_LABEL, values ? VALUE_X : LABEL_X, y, text, WRAP_OFF_WIDTH, 6);
}

void out_label(int type, int g, int slot)
{
    if (type != OUT_GRAPH) out_text(type, g, slot, 0);
}

void out_dat(int type, int g, int slot)
{
    if (type != OUT_GRAPH) return out_text(type, g, slot, 1);
    if (slot < 0 || slot >= GRAPH_SLOTS || grf.cntr < 0 || grf.cntr >= GRAPH_SAMPLES) return;
    float v[GROUP_VALUES];
    data_group_values(g, v);
    for (int k = 0; k < GROUP_VALUES; k++) grf.data[slot][k][grf.cntr] = v[k];
}

void data_out(int labels)
{
    if (!trk.is_open()) return;
    disk_line[0] = 0;
    for (int g = 0; g < DATA_GROUPS; g++)
        if (set.Bdsk[g]) labels ? out_label(OUT_DISK, g, 0) : out_dat(OUT_DISK, g, 0);
    trk << disk_line << '\n';
}

void draw_data_rows()
{
    int rows = 0;
    for (int s : set.rltsel) rows += s >= 0;
    if (!rows) return;
    constexpr int BACK_X = LABEL_X - 4, BACK_W = VALUE_X + GROUP_VALUES * FIELD * 6 + 4 - BACK_X;
    OGL_setstate(0, 0, 0, 0);
    OGL_fillrect(C_ROW_BACK, BACK_X, ROW_TOP - ROW_H * (rows - 1) - 3, BACK_W, ROW_H * rows + 1);
    for (int slot = 0; slot < SCREEN_SLOTS; slot++) {
        if (set.rltsel[slot] < 0) continue;
        out_label(OUT_SCREEN, set.rltsel[slot], slot);
        out_dat(OUT_SCREEN, set.rltsel[slot], slot);
    }
}

// ---- the graph ring buffer
void clear_graph()
{
    for (float& p : grf.period) p = GRAPH_EMPTY;
    for (auto& slot : grf.data)
        for (auto& value : slot)
            for (float& s : value) s = GRAPH_EMPTY;
    grf.cntr = -1;
    grf.indexstart = 0;
    grf.graphstruct_full = 0;
}

void update_graph()
{
    if (++grf.cntr >= GRAPH_SAMPLES) {
        grf.cntr = 0;
        grf.graphstruct_full = 1;
    }
    if (grf.graphstruct_full) grf.indexstart = (grf.cntr + 1) % GRAPH_SAMPLES;
    grf.period[grf.cntr] = msc.prd;
    for (int slot = 0; slot < GRAPH_SLOTS; slot++)
        if (set.grfsel[slot] >= 0) out_dat(OUT_GRAPH, set.grfsel[slot], slot);
}

int graph_samples() { return grf.graphstruct_full ? GRAPH_SAMPLES : grf.cntr + 1; }
int graph_index(int n) { return (grf.indexstart + n) % GRAPH_SAMPLES; }

}  // namespace orv
