#include "windows/data_output.h"

#include "2-QZutils/records.h"

namespace orv {

constexpr int CHOICE_GROUPS = sizeof set.Bdsk / sizeof set.Bdsk[0];
constexpr int SCREEN_SLOTS = sizeof set.rltsel / sizeof set.rltsel[0];
constexpr int GRAPH_SLOTS = sizeof set.grfsel / sizeof set.grfsel[0];

// The first `slots` groups whose choice is set, in group order.
static int fill_slots(const int* chosen, int* slots, int count)
{
    int n = 0;
    for (int k = 0; k < count; k++) slots[k] = -1;
    for (int g = 0; g < CHOICE_GROUPS && n < count; g++)
        if (chosen[g]) slots[n++] = g;
    return n;
}

void set_rlt_grf_choices()
{
    set.rltout = fill_slots(set.Brlt, set.rltsel, SCREEN_SLOTS) > 0;
    set.grfout = fill_slots(set.Bgrf, set.grfsel, GRAPH_SLOTS) > 0;
    set.dskout = 0;
    for (int g = 0; g < CHOICE_GROUPS; g++)
        if (set.Bdsk[g]) set.dskout = 1;
    grf.cntr = -1;
    flt.dist = 0;
}

}  // namespace orv
