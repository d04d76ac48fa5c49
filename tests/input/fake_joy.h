// fake_joy.h -- a joystick device table for tests: sticks that are plugged in and moved by
// the test, and a force-feedback device that records every effect it is asked to play.
#pragma once

#include <vector>

#include "platform/plat_joy.h"

namespace orv_test {

struct fake_effect_call {
    int op;                       // FAKE_PLAY or FAKE_STOP
    int slot;
    orv::plat_force_effect effect;
};
enum { FAKE_PLAY = 1, FAKE_STOP = 2 };

struct fake_joy {
    int  count = 0;                               // -1: no joystick support at all
    int  present[orv::PLAT_JOY_SLOTS] = {};
    orv::plat_joy_state st[orv::PLAT_JOY_SLOTS] = {};
    int  haptic = 0;                              // the stick can play forces
    int  haptic_opened = 0;
    std::vector<fake_effect_call> calls;

    void plug(int slot, int naxes = 4, int nbuttons = 16);   // a stick at rest
    void unplug(int slot);
    void axis(int slot, int a, int raw) { st[slot].axis[a] = raw; }
    void buttons(int slot, unsigned bits) { st[slot].buttons = bits; }
    void pov(int slot, int pov) { st[slot].pov = pov; }
};

// Installs the fake as the device table (and uninstalls it at destruction).
struct fake_joy_installed {
    fake_joy dev;
    fake_joy_installed();
    ~fake_joy_installed();
};

}  // namespace orv_test
