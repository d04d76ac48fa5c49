#include "input/fake_joy.h"

namespace orv_test {

using namespace orv;

static fake_joy* current;
static unsigned  serials = 1;

void fake_joy::plug(int slot, int naxes, int nbuttons)
{
    present[slot] = 1;
    st[slot] = plat_joy_state{};
    st[slot].naxes = naxes;
    st[slot].nbuttons = nbuttons;
    st[slot].nhats = 1;
    st[slot].pov = PLAT_JOY_POV_CENTRED;
    st[slot].serial = serials++;
    for (int a = 0; a < PLAT_JOY_MAX_AXES; a++) st[slot].axis[a] = PLAT_JOY_AXIS_CENTRE;
    count++;
}

void fake_joy::unplug(int slot)
{
    if (present[slot]) count--;
    present[slot] = 0;
}

static int  f_count() { return current->count; }
static int  f_read(int s, plat_joy_state* out)
{
    if (!current->present[s]) return 0;
    *out = current->st[s];
    return 1;
}
static const char* f_name(int s) { return current->present[s] ? "Fake stick" : ""; }
static void f_close() {}
static int  f_hopen(int s) { return current->haptic_opened = current->present[s] && current->haptic; }
static int  f_play(int slot, const plat_force_effect* e)
{
    current->calls.push_back({FAKE_PLAY, slot, *e});
    return 1;
}
static void f_stop(int slot) { current->calls.push_back({FAKE_STOP, slot, {}}); }
static void f_hclose() { current->haptic_opened = 0; }

static const plat_joy_ops fake_ops = {"fake", f_count, nullptr, f_read, f_name, f_close,
                                      f_hopen, f_play, f_stop, f_hclose};

fake_joy_installed::fake_joy_installed()
{
    current = &dev;
    plat_joy_install(&fake_ops);
}

fake_joy_installed::~fake_joy_installed()
{
    plat_joy_install(nullptr);
    current = nullptr;
}

}  // namespace orv_test
